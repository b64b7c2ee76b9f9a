// The controls of the personal data dialog and their arrangement.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "RadixData.h"
#include "TBirthDialog.h"

namespace {

QLabel* caption(const QString& text, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, parent);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

// A small label over a field, centred on it.
QLabel* over(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    label->setFont(f);
    return label;
}

QComboBox* list(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    return combo;
}

// While hidden for blinking the zone fields keep their place, so nothing around them moves.
void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

}  // namespace

void TBirthDialog::buildLayout() {
    // Created in tab order: each control follows the one before it on the screen.
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(int(RadixData::EnteredNameLength));
    m_sex = list(this, "sex");
    m_type = list(this, "horType");
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);
    m_type->lineEdit()->setMaxLength(int(RadixData::EnteredHorTypeLength));
    acceptOnEnter(m_type, this);

    m_date.create(this);
    m_hour = numberField(this, 2, QStringLiteral("hour"));
    m_minute = numberField(this, 2, QStringLiteral("minute"));
    m_second = numberField(this, 2, QStringLiteral("second"));
    m_timeKind = list(this, "timeKind");
    m_zoneHours = numberField(this, 2, QStringLiteral("zoneHours"));
    m_zoneMinutes = numberField(this, 2, QStringLiteral("zoneMinutes"));
    m_zoneLetter = letterField(this, QStringLiteral("EW"), QStringLiteral("zoneLetter"));
    for (QWidget* w : {static_cast<QWidget*>(m_zoneHours), static_cast<QWidget*>(m_zoneMinutes),
                       static_cast<QWidget*>(m_zoneLetter)})
        keepPlaceWhenHidden(w);
    m_zoneNote = new QLabel(this);
    m_zoneNote->setObjectName(QStringLiteral("zoneNote"));
    m_zoneNote->setWordWrap(true);
    m_zoneNote->hide();
    m_otherOffset = new QPushButton(this);
    m_otherOffset->setObjectName(QStringLiteral("otherOffset"));
    m_otherOffset->hide();
    m_calendar = list(this, "calendar");

    m_townButton = new QPushButton(tr("&Town:"), this);
    m_townButton->setObjectName(QStringLiteral("townButton"));
    m_townName = new QLineEdit(this);
    m_townName->setObjectName(QStringLiteral("town"));
    m_townName->setReadOnly(true);
    m_townName->setFocusPolicy(Qt::ClickFocus);
    m_townName->setMinimumWidth(m_townName->fontMetrics().horizontalAdvance(QString(26, QLatin1Char('n'))));
    m_defaultTown = new QPushButton(tr("A"), this);
    m_defaultTown->setObjectName(QStringLiteral("defaultTown"));
    m_defaultTown->setToolTip(tr("Make this town the default town of new charts"));
    m_defaultTown->setFixedWidth(m_defaultTown->sizeHint().height() + 4);
    m_lonDegrees = numberField(this, 3, QStringLiteral("lonDegrees"));
    m_lonMinutes = numberField(this, 2, QStringLiteral("lonMinutes"));
    m_lonLetter = letterField(this, QStringLiteral("EW"), QStringLiteral("lonLetter"));
    m_latDegrees = numberField(this, 2, QStringLiteral("latDegrees"));
    m_latMinutes = numberField(this, 2, QStringLiteral("latMinutes"));
    m_latLetter = letterField(this, QStringLiteral("NS"), QStringLiteral("latLetter"));
    m_lifeEvents = new QPushButton(tr("Life &events..."), this);
    m_lifeEvents->setObjectName(QStringLiteral("lifeEvents"));
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TBirthDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QPushButton* b : {m_townButton, m_defaultTown, m_lifeEvents})
        b->setAutoDefault(false);

    auto* person = new QGridLayout;
    person->addWidget(caption(tr("&Name:"), this, m_name), 0, 0);
    person->addWidget(m_name, 0, 1, 1, 3);
    person->addWidget(caption(tr("&Sex:"), this, m_sex), 1, 0);
    person->addWidget(m_sex, 1, 1);
    person->addWidget(caption(tr("Hor. t&ype:"), this, m_type), 1, 2, Qt::AlignRight);
    person->addWidget(m_type, 1, 3);
    person->setColumnStretch(1, 1);
    person->setColumnStretch(3, 1);

    auto* birthGroup = new QGroupBox(tr(" Birth data:"), this);
    auto* birth = new QGridLayout(birthGroup);
    birth->addWidget(over(tr("year"), this), 0, 2);
    birth->addWidget(over(tr("month"), this), 0, 3);
    birth->addWidget(over(tr("day"), this), 0, 4);
    birth->addWidget(caption(tr("&Date:"), this, m_date.era), 1, 0);
    birth->addWidget(m_date.era, 1, 1);
    birth->addWidget(m_date.year, 1, 2);
    birth->addWidget(m_date.month, 1, 3);
    birth->addWidget(m_date.day, 1, 4);
    birth->addWidget(over(tr("hour"), this), 2, 2);
    birth->addWidget(over(tr("min"), this), 2, 3);
    birth->addWidget(over(tr("sec"), this), 2, 4);
    birth->addWidget(caption(tr("T&ime:"), this, m_hour), 3, 0);
    birth->addWidget(m_hour, 3, 2);
    birth->addWidget(m_minute, 3, 3);
    birth->addWidget(m_second, 3, 4);
    birth->addWidget(m_timeKind, 4, 0, 1, 2);
    birth->addWidget(m_zoneHours, 4, 2);
    birth->addWidget(m_zoneMinutes, 4, 3);
    birth->addWidget(m_zoneLetter, 4, 4);
    birth->addWidget(m_zoneNote, 5, 0, 1, 6);
    birth->addWidget(m_otherOffset, 6, 0, 1, 6, Qt::AlignLeft);
    birth->setColumnStretch(5, 1);

    auto* calendarGroup = new QGroupBox(tr(" Calendar:"), this);
    auto* calendar = new QHBoxLayout(calendarGroup);
    calendar->addWidget(m_calendar);
    calendar->addStretch(1);

    auto* placeGroup = new QGroupBox(tr(" Geographic location:"), this);
    auto* place = new QGridLayout(placeGroup);
    auto* townRow = new QHBoxLayout;
    townRow->addWidget(m_townButton);
    townRow->addWidget(m_townName, 1);
    townRow->addWidget(m_defaultTown);
    place->addLayout(townRow, 0, 0, 1, 6);
    place->addWidget(over(tr("deg"), this), 1, 1);
    place->addWidget(over(tr("min"), this), 1, 2);
    place->addWidget(over(tr("E/W"), this), 1, 3);
    place->addWidget(caption(tr("&Long"), this, m_lonDegrees), 2, 0);
    place->addWidget(m_lonDegrees, 2, 1);
    place->addWidget(m_lonMinutes, 2, 2);
    place->addWidget(m_lonLetter, 2, 3);
    place->addWidget(caption(tr("L&at"), this, m_latDegrees), 3, 0);
    place->addWidget(m_latDegrees, 3, 1);
    place->addWidget(m_latMinutes, 3, 2);
    place->addWidget(m_latLetter, 3, 3);
    place->addWidget(over(tr("N/S"), this), 4, 3, Qt::AlignTop);
    place->addWidget(m_lifeEvents, 3, 5, Qt::AlignRight);
    place->setColumnStretch(4, 1);

    auto* notesGroup = new QGroupBox(tr(" Notes:"), this);
    auto* notes = new QVBoxLayout(notesGroup);
    notes->addWidget(m_notes);
    m_notes->setMinimumHeight(m_notes->fontMetrics().lineSpacing() * 5);

    auto* left = new QVBoxLayout;
    left->addLayout(person);
    left->addWidget(birthGroup);
    left->addWidget(calendarGroup);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(placeGroup);
    right->addWidget(notesGroup, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(8);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    // As low as the controls allow: the notes take whatever height is left.
    resize(sizeHint().width(), minimumSizeHint().height());
}
