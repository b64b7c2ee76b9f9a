#include "TReturnDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppContext.h"
#include "BirthText.h"
#include "ChartIndex.h"
#include "DateUT.h"
#include "QtText.h"
#include "RadixData.h"
#include "TTownChoice.h"
#include "TownDatabase.h"
#include "WhenCharts.h"

namespace {

// Without an end date of its own, the period ends a month after its start: the lunar returns
// of a month.
constexpr int DefaultPeriodMonths = 1;

}  // namespace

TReturnDialog::TReturnDialog(QWidget* parent, AppContext& ctx, const RadixData& natal, ReturnChoice& choice)
    : TMyDialog(parent), m_ctx(ctx), m_natal(natal), m_choice(choice), m_body(new QComboBox(this)),
      m_from(new QDateEdit(this)), m_until(new QCheckBox(tr("&until"), this)), m_to(new QDateEdit(this)),
      m_place(new TTownChoice(this, ctx, tr(" Place of the return chart "), tr("the &natal place"),
                              QStringLiteral("natalPlace"), choice.town)),
      m_list(new QListWidget(this)), m_problem(new QLabel(this)) {
    setWindowTitle(tr("Return"));
    m_body->setObjectName(QStringLiteral("body"));
    m_from->setObjectName(QStringLiteral("from"));
    m_until->setObjectName(QStringLiteral("until"));
    m_to->setObjectName(QStringLiteral("to"));
    m_list->setObjectName(QStringLiteral("returns"));
    m_problem->setObjectName(QStringLiteral("problem"));

    for (int b = 0; b < ReturnBodyCount; ++b)
        m_body->addItem(m_ctx.text(chartPointNameId(b)));
    for (QDateEdit* date : {m_from, m_to}) {
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setCalendarPopup(true);
        // The ephemeris and the chart record go no further than the year 5000.
        date->setDateRange(QDate(1, 1, 1), QDate(MaxYear, 12, 31));
    }

    auto* searchBox = new QGroupBox(tr(" Search "), this);
    auto* searchLayout = new QGridLayout(searchBox);
    auto* bodyLabel = new QLabel(tr("&Body:"), searchBox);
    bodyLabel->setBuddy(m_body);
    auto* fromLabel = new QLabel(tr("&From:"), searchBox);
    fromLabel->setBuddy(m_from);
    searchLayout->addWidget(bodyLabel, 0, 0);
    searchLayout->addWidget(m_body, 0, 1);
    searchLayout->addWidget(fromLabel, 1, 0);
    searchLayout->addWidget(m_from, 1, 1);
    searchLayout->addWidget(m_until, 1, 2);
    searchLayout->addWidget(m_to, 1, 3);
    searchLayout->setColumnStretch(4, 1);

    auto* listLabel = new QLabel(tr("&Returns found (each one chosen opens as a chart):"), this);
    listLabel->setBuddy(m_list);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumSize(420, 140);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TReturnDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchBox);
    layout->addWidget(m_place);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    m_body->setCurrentIndex(isReturnBody(choice.body) ? choice.body : 0);
    const QDate from = choice.from.isValid() ? choice.from : QDate::currentDate();
    m_from->setDate(from);
    m_until->setChecked(choice.until);
    m_to->setDate(choice.to.isValid() ? choice.to : from.addMonths(DefaultPeriodMonths));
    search();
    m_body->setFocus();

    connect(m_body, &QComboBox::currentIndexChanged, this, &TReturnDialog::search);
    connect(m_from, &QDateEdit::dateChanged, this, &TReturnDialog::search);
    connect(m_to, &QDateEdit::dateChanged, this, &TReturnDialog::search);
    connect(m_until, &QCheckBox::toggled, this, &TReturnDialog::search);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TReturnDialog::updateEnabled);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TReturnDialog::accept);
    // The moments are shown on the chosen place's clock.
    connect(m_place, &TTownChoice::changed, this, &TReturnDialog::search);
}

const TownRecord* TReturnDialog::town() const {
    const std::string name = m_place->town();
    return name.empty() ? nullptr : FindTown(m_ctx.towns, name);
}

void TReturnDialog::search() {
    const int body = m_body->currentIndex();
    const double from = dayStartUT(m_from->date());
    m_to->setEnabled(m_until->isChecked());
    m_list->clear();
    m_found.clear();
    m_problem->clear();
    QString problem;
    if (m_until->isChecked() && m_to->date() < m_from->date()) {
        problem = tr("The end of the period lies before its start.");
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // The end date is searched through to its last second.
        const double to = dayStartUT(m_to->date().addDays(1));
        const ReturnSearch found = m_until->isChecked() ? findReturns(m_natal, body, from, to, m_ctx.options())
                                                        : nextReturn(m_natal, body, from, m_ctx.options());
        QApplication::restoreOverrideCursor();
        switch (found.status) {
        case ReturnStatus::Ok:
            m_found = found.returns;
            if (m_found.empty())
                problem = tr("%1 does not return to its natal place within this period.").arg(m_body->currentText());
            break;
        case ReturnStatus::UnknownBody:
            break;
        case ReturnStatus::NatalUnavailable:
            problem = tr("The natal chart has no position of %1 (its date lies outside the ephemeris files).")
                          .arg(m_body->currentText());
            break;
        case ReturnStatus::OutOfEphemeris:
            problem = tr("The search leaves the years of the ephemeris files: choose an earlier date.");
            break;
        }
    }
    const TownRecord* place = town();
    for (const ReturnMoment& r : m_found) {
        const BirthMoment at = momentAtUT(m_ctx.towns, m_natal.moment, place, r.jdUT);
        const QString motion = r.motion == ReturnRetrograde ? tr("retrograde") : tr("direct");
        m_list->addItem(QStringLiteral("%1   %2").arg(fromCp1250(momentText(at, m_ctx.strings())), motion));
    }
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    // The first return is the one most often wanted.
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    updateEnabled();
}

void TReturnDialog::updateEnabled() {
    m_ok->setEnabled(!m_list->selectedItems().isEmpty());
}

void TReturnDialog::accept() {
    m_chosen.clear();
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected())
            m_chosen.push_back(m_found[static_cast<std::size_t>(row)]);
    if (m_chosen.empty())
        return;
    m_choice.body = m_body->currentIndex();
    // Only a chosen date is remembered: today moves on.
    m_choice.from = m_from->date() == QDate::currentDate() ? QDate() : m_from->date();
    m_choice.until = m_until->isChecked();
    m_choice.to = m_until->isChecked() ? m_to->date() : QDate();
    m_choice.town = m_place->town();
    QDialog::accept();
}
