#pragma once
#include "TStepShifter.h"

// The radix shifter: plus and minus buttons that move the birth moment of the active chart by
// a year, month, day, hour, minute or second (ten minutes or seconds for "++" and "--"), the
// chart following at once. Control ids 101, 102, 110, ... 156.
class TBirthShifter : public TStepShifter {
    Q_OBJECT
public:
    // `activeChart` answers the chart window active at the moment of a click, or none.
    TBirthShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                  std::function<TRadixWindow*()> activeChart);

protected:
    // Steps the moment's Universal Time.
    bool stepOnce(BirthMoment& moment, int unit, bool forward) const override;
};
