#include "TProgressionDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "BirthData.h"
#include "DirectionKeyText.h"

TProgressionDialog::TProgressionDialog(QWidget* parent, const ChartDirectionSettings& directions,
                                       ProgressionChoice& choice)
    : TMyDialog(parent), m_directions(directions), m_choice(choice), m_target(new QDateEdit(this)),
      m_kinds(new QButtonGroup(this)), m_quotidian(new QCheckBox(this)), m_key(new QLabel(this)) {
    setWindowTitle(tr("Progressions"));
    m_target->setObjectName(QStringLiteral("target"));
    m_quotidian->setObjectName(QStringLiteral("quotidian"));
    m_key->setObjectName(QStringLiteral("keyNote"));
    m_target->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_target->setCalendarPopup(true);
    m_target->setDateRange(QDate(1, 1, 1), QDate(MaxYear, 12, 31));
    m_target->setDate(choice.target.isValid() ? choice.target : QDate::currentDate());

    auto* targetLabel = new QLabel(tr("Progress the chart to the &date:"), this);
    targetLabel->setBuddy(m_target);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(targetLabel);
    targetRow->addWidget(m_target);
    targetRow->addStretch();

    auto* kinds = new QGroupBox(tr(" Progression "), this);
    auto* kindsLayout = new QVBoxLayout(kinds);
    auto* secondary = new QRadioButton(tr("&Secondary: a day after birth for each year of age"), kinds);
    auto* tertiary = new QRadioButton(tr("&Tertiary: a day after birth for each sidereal month of age"), kinds);
    secondary->setObjectName(QStringLiteral("secondary"));
    tertiary->setObjectName(QStringLiteral("tertiary"));
    m_kinds->addButton(secondary, static_cast<int>(ProgressionKind::Secondary));
    m_kinds->addButton(tertiary, static_cast<int>(ProgressionKind::Tertiary));
    kindsLayout->addWidget(secondary);
    kindsLayout->addWidget(tertiary);

    auto* houses = new QGroupBox(tr(" Angles and houses "), this);
    auto* housesLayout = new QVBoxLayout(houses);
    m_quotidian->setText(tr("&Daily (quotidian) houses of the progressed moment"));
    m_key->setWordWrap(true);
    m_key->setMinimumWidth(380);
    housesLayout->addWidget(m_quotidian);
    housesLayout->addWidget(m_key);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TProgressionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(targetRow);
    layout->addWidget(kinds);
    layout->addWidget(houses);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_kinds->button(static_cast<int>(choice.kind))->setChecked(true);
    m_quotidian->setChecked(choice.quotidian);
    connect(m_quotidian, &QCheckBox::toggled, this, &TProgressionDialog::showKey);
    showKey();
    m_target->setFocus();
}

void TProgressionDialog::showKey() {
    QString text;
    if (m_quotidian->isChecked())
        text = tr("The angles and houses are those of the progressed moment at the natal place.");
    else if (m_directions.truesolar || !isNaibodKey(m_directions))
        text = tr("The MC is directed by the chart's key: %1.").arg(directionKeyText(m_directions));
    else if (m_directions.angleMinutes == 0)
        text = tr("The chart's key angle is zero, which means Naibod's key: the MC is directed by %1 a year.")
                   .arg(keyAngleText(0, NaibodMinutes, NaibodSeconds));
    else
        text = tr("The MC is directed by Naibod's key, %1 a year.").arg(keyAngleText(0, NaibodMinutes, NaibodSeconds));
    m_key->setText(text + QLatin1Char(' ') + tr("(Options > Direction settings)"));
}

QDate TProgressionDialog::target() const { return m_target->date(); }

void TProgressionDialog::accept() {
    // Only a chosen date is remembered: today moves on.
    m_choice.target = m_target->date() == QDate::currentDate() ? QDate() : m_target->date();
    m_choice.kind = static_cast<ProgressionKind>(m_kinds->checkedId());
    m_choice.quotidian = m_quotidian->isChecked();
    QDialog::accept();
}
