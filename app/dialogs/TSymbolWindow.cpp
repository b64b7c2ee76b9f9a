#include "TSymbolWindow.h"

#include <QMouseEvent>
#include <QPainter>

#include "ChartFonts.h"

TSymbolWindow::TSymbolWindow(char glyph, QWidget* parent) : QWidget(parent), m_glyph(glyph) {
    setFixedSize(Side, Side);
}

void TSymbolWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    p.setPen(ink);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    // Three quarters of the window: the cell height of the glyph.
    p.setFont(chartFont(FontTemplate::Symbol, Side * 3 / 4));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, QString(QLatin1Char(m_glyph)));
}

void TSymbolWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
