#include "TBirthShifter.h"

#include "MomentSteps.h"
#include "RadixData.h"

namespace {

enum Unit { Year, Month, Day, Hour, Minute, Second };

constexpr const char* Headings[] = {
    QT_TRANSLATE_NOOP("TBirthShifter", "year"),   QT_TRANSLATE_NOOP("TBirthShifter", "month"),
    QT_TRANSLATE_NOOP("TBirthShifter", "day"),    QT_TRANSLATE_NOOP("TBirthShifter", "hour"),
    QT_TRANSLATE_NOOP("TBirthShifter", "minute"), QT_TRANSLATE_NOOP("TBirthShifter", "second"),
};

constexpr ShifterButton Buttons[] = {
    {101, "+", Year, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One year later")},
    {102, "-", Year, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One year earlier")},
    {110, "+", Month, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One month later")},
    {111, "-", Month, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One month earlier")},
    {120, "+", Day, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One day later")},
    {121, "-", Day, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One day earlier")},
    {130, "+", Hour, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One hour later")},
    {131, "-", Hour, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One hour earlier")},
    {140, "+", Minute, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One minute later")},
    {141, "-", Minute, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One minute earlier")},
    {145, "++", Minute, 10, 1, QT_TRANSLATE_NOOP("TBirthShifter", "Ten minutes later")},
    {146, "--", Minute, -10, 4, QT_TRANSLATE_NOOP("TBirthShifter", "Ten minutes earlier")},
    {150, "+", Second, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One second later")},
    {151, "-", Second, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One second earlier")},
    {155, "++", Second, 10, 1, QT_TRANSLATE_NOOP("TBirthShifter", "Ten seconds later")},
    {156, "--", Second, -10, 4, QT_TRANSLATE_NOOP("TBirthShifter", "Ten seconds earlier")},
};

}  // namespace

TBirthShifter::TBirthShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                             std::function<TRadixWindow*()> activeChart)
    : TStepShifter(parent, frame, accelerators, std::move(activeChart), "TBirthShifter",
                   QT_TRANSLATE_NOOP("TBirthShifter", "Radix Shifter"), Headings, Buttons) {
    setObjectName(QStringLiteral("radixShifter"));
    retranslate();
}

bool TBirthShifter::stepOnce(BirthMoment& m, int unit, bool forward) const {
    CalDate& d = m.utDate;
    switch (unit) {
    case Year: return forward ? d.nextYear() : d.previousYear();
    case Month: return forward ? d.nextMonth() : d.previousMonth();
    case Day: return forward ? d.nextDay() : d.previousDay();
    case Hour: return stepHour(m, forward);
    case Minute: return stepMinute(m, forward);
    case Second: return stepSecond(m, forward);
    default: return false;
    }
}
