#pragma once
// The period of a transits list: from one date to another (both days whole, on the clock of
// the chart's place), with the quick choices this month, this year and the next twelve months.
#include <QDate>

#include "TMyDialog.h"

class ErrorReporter;
class QDateEdit;

struct TransitPeriod {
    QDate from;
    QDate to;  // the last day listed

    // The quick choices, for the day `today`.
    static TransitPeriod thisMonth(QDate today);
    static TransitPeriod thisYear(QDate today);
    static TransitPeriod nextTwelveMonths(QDate today);
};

class TTransitPeriodDialog : public TMyDialog {
    Q_OBJECT
public:
    // Shows `period`; an invalid one shows this year of `today`.
    TTransitPeriodDialog(QWidget* parent, const ErrorReporter& errors, const TransitPeriod& period, QDate today);

    const TransitPeriod& period() const { return m_period; }

public slots:
    // A period that ends before it begins is refused with a message.
    void accept() override;

private:
    void showPeriod(const TransitPeriod& period);

    const ErrorReporter& m_errors;
    TransitPeriod m_period;
    QDateEdit* m_from;
    QDateEdit* m_to;
};
