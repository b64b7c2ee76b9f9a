#include "TProgressionShifter.h"

#include <QLabel>

#include "RadixData.h"
#include "TRadixWindow.h"

namespace {

enum Unit { Year, Month, Day };

constexpr const char* Headings[] = {
    QT_TRANSLATE_NOOP("TProgressionShifter", "year"),
    QT_TRANSLATE_NOOP("TProgressionShifter", "month"),
    QT_TRANSLATE_NOOP("TProgressionShifter", "day"),
};

constexpr ShifterButton Buttons[] = {
    {103, "++", Year, 10, 1, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten years later")},
    {101, "+", Year, 1, 2, QT_TRANSLATE_NOOP("TProgressionShifter", "One year later")},
    {102, "-", Year, -1, 3, QT_TRANSLATE_NOOP("TProgressionShifter", "One year earlier")},
    {104, "--", Year, -10, 4, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten years earlier")},
    {112, "++", Month, 10, 1, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten months later")},
    {110, "+", Month, 1, 2, QT_TRANSLATE_NOOP("TProgressionShifter", "One month later")},
    {111, "-", Month, -1, 3, QT_TRANSLATE_NOOP("TProgressionShifter", "One month earlier")},
    {113, "--", Month, -10, 4, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten months earlier")},
    {122, "++", Day, 10, 1, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten days later")},
    {120, "+", Day, 1, 2, QT_TRANSLATE_NOOP("TProgressionShifter", "One day later")},
    {121, "-", Day, -1, 3, QT_TRANSLATE_NOOP("TProgressionShifter", "One day earlier")},
    {123, "--", Day, -10, 4, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten days earlier")},
};

}  // namespace

TProgressionShifter::TProgressionShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                                         std::function<TRadixWindow*()> activeChart)
    : TStepShifter(parent, frame, accelerators, std::move(activeChart), "TProgressionShifter",
                   QT_TRANSLATE_NOOP("TProgressionShifter", "Progression Shifter"), Headings, Buttons) {
    setObjectName(QStringLiteral("progressionShifter"));
    momentLabel()->setMinimumWidth(230);  // the caption must have room too
    retranslate();
}

TRadixWindow* TProgressionShifter::targetWindow() const {
    TRadixWindow* window = activeChart();
    return window && window->isProgression() ? window : nullptr;
}

bool TProgressionShifter::stepOnce(BirthMoment& target, int unit, bool forward) const {
    CalDate& d = target.utDate;
    switch (unit) {
    case Year: return forward ? d.nextYear() : d.previousYear();
    case Month: return forward ? d.nextMonth() : d.previousMonth();
    case Day: return forward ? d.nextDay() : d.previousDay();
    default: return false;
    }
}

QString TProgressionShifter::noWindowText() const { return tr("(no progressions window)"); }
