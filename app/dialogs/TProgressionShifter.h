#pragma once
#include <functional>

#include "TMyFloatingDialog.h"

class QLabel;
class QPushButton;
class TRadixWindow;

// The progression shifter: buttons that move the target date of the active progressions window
// by a year, a month or a day, one or ten at a time, the progressed chart following at once.
// Like the radix shifter it keeps no data of its own and holding a button repeats its step.
class TProgressionShifter : public TMyFloatingDialog {
    Q_OBJECT
public:
    // `activeChart` answers the chart window active at the moment of a click, or none; the
    // buttons act only on a progressions window.
    TProgressionShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                        std::function<TRadixWindow*()> activeChart);

    // The step button of a control id: year 101 "+", 102 "-", 103 "++", 104 "--"; month 110..113;
    // day 120..123. None for another id.
    QPushButton* button(int id) const;
    // Moves the active progressions window's target date as the button `id` does, then
    // progresses again, also when a step was refused at the calendar's ends.
    void step(int id);
    // Shows the target date of the window active now (empty without a progressions window).
    void showMoment();
    QString shownMoment() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    TRadixWindow* progressionsWindow() const;

    std::function<TRadixWindow*()> m_activeChart;
    QList<QLabel*> m_headings;
    QLabel* m_moment = nullptr;
};
