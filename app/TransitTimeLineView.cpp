#include "TransitTimeLineView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "Options.h"

namespace {

constexpr int MinimumTimeLineWidth = 600;

}  // namespace

TransitTimeLineView::TransitTimeLineView(const TOptions& options, QWidget* parent)
    : QWidget(parent), m_options(options) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumWidth(MinimumTimeLineWidth);
}

void TransitTimeLineView::setLine(TransitTimeLine line, std::vector<QString> monthNames) {
    m_line = std::move(line);
    m_monthNames = std::move(monthNames);
    setMinimumHeight(timeLineHeight(m_metrics, static_cast<int>(m_line.rows.size())));
    updateGeometry();
    update();
}

QSize TransitTimeLineView::sizeHint() const {
    return {MinimumTimeLineWidth, timeLineHeight(m_metrics, static_cast<int>(m_line.rows.size()))};
}

int TransitTimeLineView::eventAt(QPoint pos) const {
    const int row = timeLineRowAt(m_line, m_metrics, 0, pos.y());
    if (row < 0 || !m_line.events)
        return -1;
    int best = -1;
    double bestDistance = 0;
    for (int i : m_line.rows[static_cast<std::size_t>(row)]) {
        const double x = timeLineX(m_line, m_metrics, width(), (*m_line.events)[static_cast<std::size_t>(i)].exactUT);
        const double distance = std::fabs(x - pos.x());
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void TransitTimeLineView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // The lines outside the exposed part are skipped by the drawing.
    p.setClipRect(event->rect());
    drawTransitTimeLine(p, m_line, m_metrics, width(), 0, static_cast<int>(m_line.rows.size()), m_options,
                        TimeLineStyle{m_options.display.black}, m_monthNames);
}

void TransitTimeLineView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = eventAt(event->position().toPoint());
    if (index >= 0)
        emit eventActivated(index);
}

bool TransitTimeLineView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = timeLineRowAt(m_line, m_metrics, 0, help->pos().y());
        if (row >= 0 && static_cast<std::size_t>(row) < m_line.labels.size())
            QToolTip::showText(help->globalPos(), m_line.labels[static_cast<std::size_t>(row)], this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
