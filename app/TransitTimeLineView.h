#pragma once
// The time line of the transits window: as wide as the window, as tall as its lines (the
// window scrolls it), with a tooltip on each line and a double click that asks for the
// collation at the exact moment nearest to the pointer.
#include <QWidget>
#include <functional>

#include "TransitTimeLine.h"

struct TOptions;

class TransitTimeLineView : public QWidget {
    Q_OBJECT
public:
    TransitTimeLineView(const TOptions& options, QWidget* parent = nullptr);

    void setLine(TransitTimeLine line, std::vector<QString> monthNames);
    const TransitTimeLine& line() const { return m_line; }
    const TimeLineMetrics& metrics() const { return m_metrics; }
    // The event whose exact moment lies nearest to `pos` on its line, or -1.
    int eventAt(QPoint pos) const;
    QSize sizeHint() const override;

signals:
    void eventActivated(int event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    const TOptions& m_options;
    TransitTimeLine m_line;
    TimeLineMetrics m_metrics;
    std::vector<QString> m_monthNames;
};
