#include "TProgressionShifter.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>

#include "RadixData.h"
#include "TRadixWindow.h"

namespace {

enum class Unit { Year, Month, Day };
constexpr int UnitCount = 3;

constexpr const char* Headings[UnitCount] = {
    QT_TRANSLATE_NOOP("TProgressionShifter", "year"),
    QT_TRANSLATE_NOOP("TProgressionShifter", "month"),
    QT_TRANSLATE_NOOP("TProgressionShifter", "day"),
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
    {103, "++", Unit::Year, 10, 1, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten years later")},
    {101, "+", Unit::Year, 1, 2, QT_TRANSLATE_NOOP("TProgressionShifter", "One year later")},
    {102, "-", Unit::Year, -1, 3, QT_TRANSLATE_NOOP("TProgressionShifter", "One year earlier")},
    {104, "--", Unit::Year, -10, 4, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten years earlier")},
    {112, "++", Unit::Month, 10, 1, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten months later")},
    {110, "+", Unit::Month, 1, 2, QT_TRANSLATE_NOOP("TProgressionShifter", "One month later")},
    {111, "-", Unit::Month, -1, 3, QT_TRANSLATE_NOOP("TProgressionShifter", "One month earlier")},
    {113, "--", Unit::Month, -10, 4, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten months earlier")},
    {122, "++", Unit::Day, 10, 1, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten days later")},
    {120, "+", Unit::Day, 1, 2, QT_TRANSLATE_NOOP("TProgressionShifter", "One day later")},
    {121, "-", Unit::Day, -1, 3, QT_TRANSLATE_NOOP("TProgressionShifter", "One day earlier")},
    {123, "--", Unit::Day, -10, 4, QT_TRANSLATE_NOOP("TProgressionShifter", "Ten days earlier")},
};

const StepButton* findButton(int id) {
    for (const StepButton& b : Buttons)
        if (b.id == id)
            return &b;
    return nullptr;
}

// One single step of the date; false when the calendar refused it and nothing changed.
bool stepOnce(CalDate& d, Unit unit, bool forward) {
    switch (unit) {
    case Unit::Year: return forward ? d.nextYear() : d.previousYear();
    case Unit::Month: return forward ? d.nextMonth() : d.previousMonth();
    case Unit::Day: return forward ? d.nextDay() : d.previousDay();
    }
    return false;
}

QString buttonName(int id) { return QStringLiteral("step%1").arg(id); }

// As the radix shifter: a short pause, then a step as often as the window can paint it.
constexpr int RepeatDelayMs = 300;
constexpr int RepeatIntervalMs = 40;

}  // namespace

TProgressionShifter::TProgressionShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                                         std::function<TRadixWindow*()> activeChart)
    : TMyFloatingDialog(parent, frame, accelerators), m_activeChart(std::move(activeChart)) {
    setObjectName(QStringLiteral("progressionShifter"));
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
    // The target date the buttons have set.
    m_moment = new QLabel(this);
    m_moment->setObjectName(QStringLiteral("shiftedMoment"));
    m_moment->setAlignment(Qt::AlignCenter);
    m_moment->setMinimumWidth(230);  // the caption must have room too
    grid->addWidget(m_moment, 5, 0, 1, UnitCount);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    retranslate();
    showMoment();
}

QPushButton* TProgressionShifter::button(int id) const { return findChild<QPushButton*>(buttonName(id)); }

TRadixWindow* TProgressionShifter::progressionsWindow() const {
    TRadixWindow* window = m_activeChart ? m_activeChart() : nullptr;
    return window && window->isProgression() ? window : nullptr;
}

void TProgressionShifter::step(int id) {
    const StepButton* b = findButton(id);
    TRadixWindow* window = progressionsWindow();
    if (!b || !window)
        return;
    BirthMoment& target = window->shiftedMoment();
    // Each single step tests the date on its own; a refused one is skipped alone.
    for (int i = 0; i < std::abs(b->count); ++i)
        stepOnce(target.utDate, b->unit, b->count > 0);
    window->momentShifted();
    showMoment();
    // A held button clicks again as soon as it may: each step is painted before the next.
    window->repaint();
}

void TProgressionShifter::showMoment() {
    TRadixWindow* window = progressionsWindow();
    m_moment->setText(window ? window->shiftedMomentText() : tr("(no progressions window)"));
}

QString TProgressionShifter::shownMoment() const { return m_moment->text(); }

void TProgressionShifter::retranslate() {
    setWindowTitle(tr("Progression Shifter"));
    for (int c = 0; c < UnitCount; ++c)
        m_headings[c]->setText(tr(Headings[c]));
    for (const StepButton& b : Buttons)
        if (QPushButton* button = this->button(b.id))
            button->setToolTip(tr(b.tip));
    showMoment();
}

void TProgressionShifter::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyFloatingDialog::changeEvent(event);
}
