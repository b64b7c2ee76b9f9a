#pragma once
#include <QWidget>
#include <array>

#include "ViewOffset.h"

// A document window of the frame: one chart shown in one of several views, each view kind
// with its own pan and zoom. Subclasses own the chart and draw it.
class THoroWindow : public QWidget {
    Q_OBJECT
public:
    explicit THoroWindow(QWidget* parent = nullptr);

    virtual bool isNatalChart() const { return false; }

    ChartView viewKind() const { return m_viewKind; }
    virtual void setViewKind(ChartView kind);
    ViewOffset& offset() { return m_offsets[static_cast<std::size_t>(m_viewKind)]; }
    const ViewOffset& offset() const { return m_offsets[static_cast<std::size_t>(m_viewKind)]; }
    void resetOffsets();
    void resetCurrentOffset();

    // The view navigation keys: pan by (dx, dy), zoom by e^step, toggle, reset.
    void pan(int dx, int dy);
    void zoomBy(double exponent);
    // The keypad step: ±1 one minute, ±5 ten minutes of the chart's Universal Time.
    virtual void keypadStep(int step) { Q_UNUSED(step); }

signals:
    void activated(THoroWindow* window);

protected:
    // Draws the current view at `size` device pixels (already scaled by the smoothing factor).
    virtual void drawView(QPainter& painter, const QSize& size, int smoothing) = 0;
    virtual int smoothingFactor() const { return 1; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    ChartView m_viewKind = ChartView::Wheel;
    std::array<ViewOffset, ChartViewSlots> m_offsets{};
    bool m_panning = false;
    QPoint m_lastMouse;
};
