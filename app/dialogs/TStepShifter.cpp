#include "TStepShifter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "RadixData.h"
#include "TRadixWindow.h"

namespace {

QString buttonName(int id) { return QStringLiteral("step%1").arg(id); }

// A held button steps at this pace: after a short pause, about as often as a display refreshes
// a moving picture smoothly while leaving the chart window time to paint each step.
constexpr int RepeatDelayMs = 300;
constexpr int RepeatIntervalMs = 40;

}  // namespace

TStepShifter::TStepShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                           std::function<TRadixWindow*()> activeChart, const char* context, const char* title,
                           std::span<const char* const> headings, std::span<const ShifterButton> buttons)
    : TMyFloatingDialog(parent, frame, accelerators),
      m_activeChart(std::move(activeChart)),
      m_context(context),
      m_title(title),
      m_headingTexts(headings),
      m_buttons(buttons) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    for (int c = 0; c < static_cast<int>(headings.size()); ++c) {
        auto* heading = new QLabel(this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, c);
        m_headings << heading;
    }
    for (const ShifterButton& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.text), this);
        button->setObjectName(buttonName(b.id));
        button->setFocusPolicy(Qt::TabFocus);  // a click does not move the focus onto the button
        button->setFixedWidth(44);
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(RepeatDelayMs);
        button->setAutoRepeatInterval(RepeatIntervalMs);
        grid->addWidget(button, b.row, b.unit, Qt::AlignHCenter);
        connect(button, &QPushButton::clicked, this, [this, id = b.id] { step(id); });
    }
    // The moment the buttons have set, so the user need not look for it in the status bar.
    m_moment = new QLabel(this);
    m_moment->setObjectName(QStringLiteral("shiftedMoment"));
    m_moment->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_moment, 5, 0, 1, static_cast<int>(headings.size()));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TStepShifter::button(int id) const { return findChild<QPushButton*>(buttonName(id)); }

TRadixWindow* TStepShifter::activeChart() const { return m_activeChart ? m_activeChart() : nullptr; }

TRadixWindow* TStepShifter::targetWindow() const { return activeChart(); }

void TStepShifter::step(int id) {
    const auto b = std::find_if(m_buttons.begin(), m_buttons.end(), [id](const ShifterButton& s) { return s.id == id; });
    TRadixWindow* window = targetWindow();
    if (b == m_buttons.end() || !window)
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

void TStepShifter::showMoment() {
    TRadixWindow* window = targetWindow();
    m_moment->setText(window ? window->shiftedMomentText() : noWindowText());
}

QString TStepShifter::shownMoment() const { return m_moment->text(); }

void TStepShifter::retranslate() {
    setWindowTitle(QCoreApplication::translate(m_context, m_title));
    for (int c = 0; c < m_headings.size(); ++c)
        m_headings[c]->setText(QCoreApplication::translate(m_context, m_headingTexts[static_cast<std::size_t>(c)]));
    for (const ShifterButton& b : m_buttons)
        if (QPushButton* button = this->button(b.id))
            button->setToolTip(QCoreApplication::translate(m_context, b.tip));
    showMoment();
}

void TStepShifter::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyFloatingDialog::changeEvent(event);
}
