#pragma once
#include "TStepShifter.h"

// The progression shifter: buttons that move the target date of the active progressions window
// by a year, a month or a day, one or ten at a time, the progressed chart following at once.
// Control ids: year 101 "+", 102 "-", 103 "++", 104 "--"; month 110..113; day 120..123.
class TProgressionShifter : public TStepShifter {
    Q_OBJECT
public:
    // `activeChart` answers the chart window active at the moment of a click, or none; the
    // buttons act only on a progressions window.
    TProgressionShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                        std::function<TRadixWindow*()> activeChart);

protected:
    TRadixWindow* targetWindow() const override;
    // Steps the target date.
    bool stepOnce(BirthMoment& moment, int unit, bool forward) const override;
    QString noWindowText() const override;
};
