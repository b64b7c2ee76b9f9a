#include "TBirthShifter.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>

#include "MomentSteps.h"
#include "RadixData.h"
#include "TRadixWindow.h"

namespace {

enum class Unit { Year, Month, Day, Hour, Minute, Second };
constexpr int UnitCount = 6;

constexpr const char* Headings[UnitCount] = {
    QT_TRANSLATE_NOOP("TBirthShifter", "year"),   QT_TRANSLATE_NOOP("TBirthShifter", "month"),
    QT_TRANSLATE_NOOP("TBirthShifter", "day"),    QT_TRANSLATE_NOOP("TBirthShifter", "hour"),
    QT_TRANSLATE_NOOP("TBirthShifter", "minute"), QT_TRANSLATE_NOOP("TBirthShifter", "second"),
};

// The buttons, by control id: the unit, how many single steps one click makes (negative:
// back), and the row under the unit's heading ("++" above "+", "--" below "-").
struct StepButton {
    int id;
    const char* text;
    Unit unit;
    int count;
    int row;
    const char* tip;
};

constexpr StepButton Buttons[] = {
    {101, "+", Unit::Year, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One year later")},
    {102, "-", Unit::Year, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One year earlier")},
    {110, "+", Unit::Month, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One month later")},
    {111, "-", Unit::Month, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One month earlier")},
    {120, "+", Unit::Day, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One day later")},
    {121, "-", Unit::Day, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One day earlier")},
    {130, "+", Unit::Hour, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One hour later")},
    {131, "-", Unit::Hour, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One hour earlier")},
    {140, "+", Unit::Minute, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One minute later")},
    {141, "-", Unit::Minute, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One minute earlier")},
    {145, "++", Unit::Minute, 10, 1, QT_TRANSLATE_NOOP("TBirthShifter", "Ten minutes later")},
    {146, "--", Unit::Minute, -10, 4, QT_TRANSLATE_NOOP("TBirthShifter", "Ten minutes earlier")},
    {150, "+", Unit::Second, 1, 2, QT_TRANSLATE_NOOP("TBirthShifter", "One second later")},
    {151, "-", Unit::Second, -1, 3, QT_TRANSLATE_NOOP("TBirthShifter", "One second earlier")},
    {155, "++", Unit::Second, 10, 1, QT_TRANSLATE_NOOP("TBirthShifter", "Ten seconds later")},
    {156, "--", Unit::Second, -10, 4, QT_TRANSLATE_NOOP("TBirthShifter", "Ten seconds earlier")},
};

const StepButton* findButton(int id) {
    for (const StepButton& b : Buttons)
        if (b.id == id)
            return &b;
    return nullptr;
}

// One single step; false when the calendar refused it and nothing changed.
bool stepOnce(BirthMoment& m, Unit unit, bool forward) {
    CalDate& d = m.utDate;
    switch (unit) {
    case Unit::Year: return forward ? d.nextYear() : d.previousYear();
    case Unit::Month: return forward ? d.nextMonth() : d.previousMonth();
    case Unit::Day: return forward ? d.nextDay() : d.previousDay();
    case Unit::Hour: return stepHour(m, forward);
    case Unit::Minute: return stepMinute(m, forward);
    case Unit::Second: return stepSecond(m, forward);
    }
    return false;
}

QString buttonName(int id) { return QStringLiteral("step%1").arg(id); }

// A held button steps at this pace: after a short pause, about as often as a display refreshes
// a moving picture smoothly while leaving the chart window time to paint each step.
constexpr int RepeatDelayMs = 300;
constexpr int RepeatIntervalMs = 40;

}  // namespace

TBirthShifter::TBirthShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                             std::function<TRadixWindow*()> activeChart)
    : TMyFloatingDialog(parent, frame, accelerators), m_activeChart(std::move(activeChart)) {
    setObjectName(QStringLiteral("radixShifter"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    for (int c = 0; c < UnitCount; ++c) {
        auto* heading = new QLabel(this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, c);
        m_headings << heading;
    }
    for (const StepButton& b : Buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.text), this);
        button->setObjectName(buttonName(b.id));
        button->setFocusPolicy(Qt::TabFocus);  // a click does not move the focus onto the button
        button->setFixedWidth(44);
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(RepeatDelayMs);
        button->setAutoRepeatInterval(RepeatIntervalMs);
        grid->addWidget(button, b.row, static_cast<int>(b.unit), Qt::AlignHCenter);
        connect(button, &QPushButton::clicked, this, [this, id = b.id] { step(id); });
    }
    // The moment the buttons have set, so the user need not look for it in the status bar.
    m_moment = new QLabel(this);
    m_moment->setObjectName(QStringLiteral("shiftedMoment"));
    m_moment->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_moment, 5, 0, 1, UnitCount);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    retranslate();
    showMoment();
}

QPushButton* TBirthShifter::button(int id) const {
    return findChild<QPushButton*>(buttonName(id));
}

void TBirthShifter::step(int id) {
    const StepButton* b = findButton(id);
    TRadixWindow* window = m_activeChart ? m_activeChart() : nullptr;
    if (!b || !window)
        return;
    BirthMoment& moment = window->shiftedMoment();
    // Each single step tests the date on its own; a refused one is skipped alone.
    for (int i = 0; i < std::abs(b->count); ++i)
        stepOnce(moment, b->unit, b->count > 0);
    window->momentShifted();
    showMoment();
    // A held button clicks again as soon as it may: each step is painted before the next.
    window->repaint();
}

void TBirthShifter::showMoment() {
    TRadixWindow* window = m_activeChart ? m_activeChart() : nullptr;
    m_moment->setText(window ? window->shiftedMomentText() : QString());
}

QString TBirthShifter::shownMoment() const { return m_moment->text(); }

void TBirthShifter::retranslate() {
    setWindowTitle(tr("Radix Shifter"));
    for (int c = 0; c < UnitCount; ++c)
        m_headings[c]->setText(tr(Headings[c]));
    for (const StepButton& b : Buttons)
        if (QPushButton* button = this->button(b.id))
            button->setToolTip(tr(b.tip));
}

void TBirthShifter::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyFloatingDialog::changeEvent(event);
}
