#include "TTransitPeriodDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "BirthData.h"
#include "ErrorReporter.h"

TransitPeriod TransitPeriod::thisMonth(QDate today) {
    const QDate first(today.year(), today.month(), 1);
    return {first, first.addMonths(1).addDays(-1)};
}

TransitPeriod TransitPeriod::thisYear(QDate today) { return {QDate(today.year(), 1, 1), QDate(today.year(), 12, 31)}; }

TransitPeriod TransitPeriod::nextTwelveMonths(QDate today) { return {today, today.addMonths(12).addDays(-1)}; }

TTransitPeriodDialog::TTransitPeriodDialog(QWidget* parent, const ErrorReporter& errors, const TransitPeriod& period,
                                           QDate today)
    : TMyDialog(parent), m_errors(errors), m_period(period), m_from(new QDateEdit(this)), m_to(new QDateEdit(this)) {
    setWindowTitle(tr("Transits: Period"));
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        // The years a moment of the program can hold: a date past them was taken as its last
        // year, and the list came out empty without a word.
        edit->setDateRange(QDate(MinYear, 1, 1), QDate(MaxYear, 12, 31));
    }
    m_from->setObjectName(QStringLiteral("from"));
    m_to->setObjectName(QStringLiteral("to"));
    auto* form = new QFormLayout;
    form->addRow(tr("&From:"), m_from);
    form->addRow(tr("&To:"), m_to);

    auto* quick = new QHBoxLayout;
    const std::pair<QString, TransitPeriod> choices[] = {
        {tr("This &month"), TransitPeriod::thisMonth(today)},
        {tr("This &year"), TransitPeriod::thisYear(today)},
        {tr("&Next twelve months"), TransitPeriod::nextTwelveMonths(today)},
    };
    const char* names[] = {"thisMonth", "thisYear", "nextTwelveMonths"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(choices[i].first, this);
        button->setObjectName(QLatin1String(names[i]));
        button->setAutoDefault(false);
        const TransitPeriod chosen = choices[i].second;
        connect(button, &QPushButton::clicked, this, [this, chosen] { showPeriod(chosen); });
        quick->addWidget(button);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TTransitPeriodDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(quick);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showPeriod(period.from.isValid() && period.to.isValid() ? period : TransitPeriod::thisYear(today));
    m_from->setFocus();
}

void TTransitPeriodDialog::showPeriod(const TransitPeriod& period) {
    m_from->setDate(period.from);
    m_to->setDate(period.to);
}

void TTransitPeriodDialog::accept() {
    const TransitPeriod edited{m_from->date(), m_to->date()};
    if (edited.to < edited.from) {
        m_errors.error(this, tr("The period ends before it begins: choose a last day on or after the first."));
        m_to->setFocus();
        return;
    }
    m_period = edited;
    QDialog::accept();
}
