#include "THoroWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

THoroWindow::THoroWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every paint covers the whole window
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    resetOffsets();
}

void THoroWindow::setViewKind(ChartView kind) {
    if (static_cast<int>(kind) < 0 || static_cast<int>(kind) >= ChartViewSlots)
        return;
    m_viewKind = kind;
    update();
}

void THoroWindow::resetOffsets() {
    for (int k = 0; k < ChartViewSlots; ++k)
        m_offsets[static_cast<std::size_t>(k)] = initialViewOffset(static_cast<ChartView>(k));
}

void THoroWindow::resetCurrentOffset() {
    offset() = initialViewOffset(m_viewKind);
    repaint();
}

void THoroWindow::pan(int dx, int dy) {
    offset().x += dx;
    offset().y += dy;
    repaint();
}

void THoroWindow::zoomBy(double exponent) {
    scaleZoom(offset(), std::exp(exponent));
    repaint();
}

void THoroWindow::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    drawView(painter, size(), smoothingFactor());
}

void THoroWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_panning) {
        m_panning = true;
        m_lastMouse = event->position().toPoint();
        setCursor(Qt::SizeAllCursor);
    }
    QWidget::mousePressEvent(event);
}

void THoroWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_panning) {
        const QPoint p = event->position().toPoint();
        pan(p.x() - m_lastMouse.x(), p.y() - m_lastMouse.y());
        m_lastMouse = p;
    }
}

void THoroWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_panning) {
        m_panning = false;
        unsetCursor();
    }
}

void THoroWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton)
        resetCurrentOffset();
    else
        QWidget::mouseDoubleClickEvent(event);
}

void THoroWindow::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    if (m_viewKind == ChartView::Wheel || (event->modifiers() & Qt::ControlModifier)) {
        // The wheel hangs from the window's centre, the tables from its top-left corner: the
        // cursor is measured from the same origin so the point under it stays in place.
        const QPoint p = event->position().toPoint();
        const QPoint origin = m_viewKind == ChartView::Wheel ? QPoint(width() / 2, height() / 2) : QPoint(0, 0);
        zoomAround(offset(), delta, p.x() - origin.x(), p.y() - origin.y());
    } else {
        offset().y += static_cast<int>(0.8 * delta);
    }
    repaint();
    event->accept();
}
