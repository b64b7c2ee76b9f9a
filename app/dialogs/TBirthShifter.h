#pragma once
#include <functional>

#include "TMyFloatingDialog.h"

class QLabel;
class QPushButton;
class TRadixWindow;

// The radix shifter: plus and minus buttons that move the birth moment of the active chart by
// a year, month, day, hour, minute or second (ten minutes or seconds for "++" and "--"), the
// chart following at once. It keeps no data: each click acts on the chart active at that moment.
// Holding a button repeats its step.
class TBirthShifter : public TMyFloatingDialog {
    Q_OBJECT
public:
    // `activeChart` answers the chart window active at the moment of a click, or none.
    TBirthShifter(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators,
                  std::function<TRadixWindow*()> activeChart);

    // The step button of a control id (101, 102, 110, ... 156), or none.
    QPushButton* button(int id) const;
    // Moves the active chart's Universal Time as the button `id` does, then recomputes it, also
    // when the step was refused at the calendar's ends.
    void step(int id);
    // Shows the moment of the chart active now (empty without one).
    void showMoment();
    QString shownMoment() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::function<TRadixWindow*()> m_activeChart;
    QList<QLabel*> m_headings;
    QLabel* m_moment = nullptr;
};
