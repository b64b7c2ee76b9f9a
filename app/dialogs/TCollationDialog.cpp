#include "TCollationDialog.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "AppContext.h"
#include "BirthData.h"
#include "ApplyTown.h"
#include "Prompts.h"
#include "FixedText.h"
#include "QtText.h"
#include "TPrefixDialog.h"
#include "TTownsDialog.h"
#include "TownDatabase.h"

namespace {

constexpr int OwnPlace = 0, AtTown = 1;

}  // namespace

TCollationDialog::TCollationDialog(QWidget* parent, AppContext& ctx, CollationChoice& choice)
    : TMyDialog(parent), m_ctx(ctx), m_choice(choice), m_town(choice.town), m_kinds(new QButtonGroup(this)),
      m_places(new QButtonGroup(this)), m_date(new QDateEdit(this)), m_time(new QTimeEdit(this)),
      m_townLabel(new QLabel(this)), m_townButton(new QPushButton(tr("T&own..."), this)) {
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

    auto* place = new QGroupBox(tr(" Place of the transits "), this);
    auto* placeLayout = new QGridLayout(place);
    auto* own = new QRadioButton(tr("the chart's &place"), place);
    auto* town = new QRadioButton(tr("a t&own:"), place);
    own->setObjectName(QStringLiteral("ownPlace"));
    town->setObjectName(QStringLiteral("atTown"));
    m_places->addButton(own, OwnPlace);
    m_places->addButton(town, AtTown);
    m_townLabel->setMinimumWidth(200);
    m_townButton->setAutoDefault(false);  // Enter confirms the dialog
    placeLayout->addWidget(own, 0, 0, 1, 3);
    placeLayout->addWidget(town, 1, 0);
    placeLayout->addWidget(m_townLabel, 1, 1);
    placeLayout->addWidget(m_townButton, 1, 2);
    layout->addWidget(place);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TCollationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_kinds->button(choice.kind)->setChecked(true);
    m_places->button(m_town.empty() ? OwnPlace : AtTown)->setChecked(true);
    const QDateTime shown = choice.date.isValid() ? QDateTime(choice.date, choice.time) : QDateTime::currentDateTime();
    m_date->setDate(shown.date());
    m_time->setTime(shown.time());
    showTown();
    updateEnabled();
    m_kinds->checkedButton()->setFocus();
    connect(m_kinds, &QButtonGroup::idClicked, this, [this] { updateEnabled(); });
    connect(m_places, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == AtTown && m_town.empty())
            chooseTown();
        updateEnabled();
    });
    connect(m_townButton, &QPushButton::clicked, this, [this] { chooseTown(); });
}

void TCollationDialog::updateEnabled() {
    const int kind = m_kinds->checkedId();
    const bool transits = kind != CollationChoice::PartnerFile;
    m_date->setEnabled(kind == CollationChoice::TransitsAt);
    m_time->setEnabled(kind == CollationChoice::TransitsAt);
    for (QAbstractButton* b : m_places->buttons())
        b->setEnabled(transits);
    m_townButton->setEnabled(transits);
    m_townLabel->setEnabled(transits && m_places->checkedId() == AtTown);
}

void TCollationDialog::chooseTown() {
    TPrefixDialog prefix(this, m_ctx.memory.townPrefix);
    if (m_ctx.prompts().runModal(prefix) != QDialog::Accepted) {
        if (m_town.empty())
            m_places->button(OwnPlace)->setChecked(true);
        return;
    }
    const TownRecord* chosen = nullptr;
    TTownsDialog list(this, m_ctx, m_ctx.memory.townPrefix, chosen);
    if (m_ctx.prompts().runModal(list) == QDialog::Accepted && chosen) {
        // Kept as a chart keeps its town ("+ " before a user town), so it is found again.
        BirthMoment named;
        ApplyTown(m_ctx.towns, *chosen, named, ApplyNoZone);
        m_town = std::string(fixedText(named.town));
        m_places->button(AtTown)->setChecked(true);
    } else if (m_town.empty()) {
        m_places->button(OwnPlace)->setChecked(true);
    }
    showTown();
    updateEnabled();
}

void TCollationDialog::showTown() {
    m_townLabel->setText(m_town.empty() ? QString() : fromCp1250(m_town.c_str()));
}

void TCollationDialog::accept() {
    m_choice.kind = m_kinds->checkedId();
    // Only a chosen moment is remembered: "now" opens the next time at the then current time.
    const bool at = m_choice.kind == CollationChoice::TransitsAt;
    m_choice.date = at ? m_date->date() : QDate();
    m_choice.time = at ? m_time->time() : QTime();
    m_choice.town = m_places->checkedId() == AtTown ? m_town : std::string();
    QDialog::accept();
}
