#pragma once
#include <functional>
#include <span>

#include "TMyFloatingDialog.h"

class QLabel;
class QPushButton;
class TRadixWindow;
struct BirthMoment;

// A step button of a shifter, by control id: the unit column it stands under, how many single
// steps one click makes (negative: back), and its row ("++" above "+", "--" below "-"). Texts
// are translated in the shifter's context.
struct ShifterButton {
    int id;
    const char* text;
    int unit;
    int count;
    int row;
    const char* tip;
};

// A floating window of plus and minus buttons under unit headings that move a moment of the
// active chart window, the chart following at once, with the moment set shown beneath. It keeps
// no data: each click acts on the window active at that moment. Holding a button repeats its
// step, at a pace that leaves the window time to paint each one.
class TStepShifter : public TMyFloatingDialog {
    Q_OBJECT
public:
    // The step button of a control id, or none.
    QPushButton* button(int id) const;
    // Steps the target window's moment as the button `id` does, then lets the window follow, also
    // when a step was refused at the calendar's ends.
    void step(int id);
    // Shows the moment of the target window active now.
    void showMoment();
    QString shownMoment() const;

protected:
    // `context` is the translation context of the title, headings and tips; a derived shifter
    // calls retranslate() once its construction is done.
    TStepShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                 std::function<TRadixWindow*()> activeChart, const char* context, const char* title,
                 std::span<const char* const> headings, std::span<const ShifterButton> buttons);

    // The window the buttons act on: by default the active chart window.
    virtual TRadixWindow* targetWindow() const;
    // One single step of a unit; false when the calendar refused it and nothing changed.
    virtual bool stepOnce(BirthMoment& moment, int unit, bool forward) const = 0;
    // What the moment line says without a target window.
    virtual QString noWindowText() const { return {}; }

    TRadixWindow* activeChart() const;
    QLabel* momentLabel() const { return m_moment; }
    void retranslate();
    void changeEvent(QEvent* event) override;

private:
    std::function<TRadixWindow*()> m_activeChart;
    const char* m_context;
    const char* m_title;
    std::span<const char* const> m_headingTexts;
    std::span<const ShifterButton> m_buttons;
    QList<QLabel*> m_headings;
    QLabel* m_moment = nullptr;
};
