#include "TCollationDialog.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "BirthData.h"
#include "TTownChoice.h"

TCollationDialog::TCollationDialog(QWidget* parent, AppContext& ctx, CollationChoice& choice)
    : TMyDialog(parent), m_choice(choice), m_kinds(new QButtonGroup(this)), m_date(new QDateEdit(this)),
      m_time(new QTimeEdit(this)) {
    setWindowTitle(tr("Collation"));
    auto* layout = new QVBoxLayout(this);

    auto* second = new QGroupBox(tr(" Compare the chart with "), this);
    auto* secondLayout = new QGridLayout(second);
    auto* partner = new QRadioButton(tr("&another chart (a horoscope file, chosen next)"), second);
    auto* now = new QRadioButton(tr("the transits of &now"), second);
    auto* at = new QRadioButton(tr("the transits &at"), second);
    partner->setObjectName(QStringLiteral("partner"));
    now->setObjectName(QStringLiteral("now"));
    at->setObjectName(QStringLiteral("at"));
    m_date->setObjectName(QStringLiteral("date"));
    m_time->setObjectName(QStringLiteral("time"));
    m_kinds->addButton(partner, CollationChoice::PartnerFile);
    m_kinds->addButton(now, CollationChoice::TransitsNow);
    m_kinds->addButton(at, CollationChoice::TransitsAt);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    // The ephemeris and the chart record go no further than the year 5000.
    m_date->setDateRange(QDate(1, 1, 1), QDate(MaxYear, 12, 31));
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    secondLayout->addWidget(partner, 0, 0, 1, 3);
    secondLayout->addWidget(now, 1, 0, 1, 3);
    secondLayout->addWidget(at, 2, 0);
    secondLayout->addWidget(m_date, 2, 1);
    secondLayout->addWidget(m_time, 2, 2);
    layout->addWidget(second);

    m_place = new TTownChoice(this, ctx, tr(" Place of the transits "), tr("the chart's &place"),
                              QStringLiteral("ownPlace"), choice.town);
    layout->addWidget(m_place);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TCollationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_kinds->button(choice.kind)->setChecked(true);
    const QDateTime shown = choice.date.isValid() ? QDateTime(choice.date, choice.time) : QDateTime::currentDateTime();
    m_date->setDate(shown.date());
    m_time->setTime(shown.time());
    updateEnabled();
    m_kinds->checkedButton()->setFocus();
    connect(m_kinds, &QButtonGroup::idClicked, this, [this] { updateEnabled(); });
}

void TCollationDialog::updateEnabled() {
    const int kind = m_kinds->checkedId();
    const bool transits = kind != CollationChoice::PartnerFile;
    m_date->setEnabled(kind == CollationChoice::TransitsAt);
    m_time->setEnabled(kind == CollationChoice::TransitsAt);
    m_place->setChoosable(transits);
}

void TCollationDialog::accept() {
    m_choice.kind = m_kinds->checkedId();
    // Only a chosen moment is remembered: "now" opens the next time at the then current time.
    const bool at = m_choice.kind == CollationChoice::TransitsAt;
    m_choice.date = at ? m_date->date() : QDate();
    m_choice.time = at ? m_time->time() : QTime();
    m_choice.town = m_place->town();
    QDialog::accept();
}
