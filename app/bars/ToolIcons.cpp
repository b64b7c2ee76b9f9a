#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>


namespace {

void drawWheel(QPainter& p) {
    p.setPen(QPen(QColor(30, 50, 120), 2));
    p.setBrush(QColor(250, 236, 190));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.drawEllipse(QPointF(16, 16), 8, 8);
    p.setPen(QPen(QColor(30, 50, 120), 1.2));
    for (int k = 0; k < 12; ++k) {
        const qreal a = qDegreesToRadians(k * 30.0);
        p.drawLine(QPointF(16 + 8 * qCos(a), 16 + 8 * qSin(a)), QPointF(16 + 13 * qCos(a), 16 + 13 * qSin(a)));
    }
    p.setPen(QPen(QColor(190, 40, 40), 1.5));
    p.drawLine(QPointF(10, 12), QPointF(22, 20));
    p.drawLine(QPointF(10, 20), QPointF(22, 12));
}

// Two rings, the second chart's around the natal one, joined by an aspect line.
void drawBiWheel(QPainter& p) {
    p.setPen(QPen(QColor(30, 50, 120), 1.6));
    p.setBrush(QColor(205, 225, 250));
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setBrush(QColor(250, 236, 190));
    p.drawEllipse(QPointF(16, 16), 9, 9);
    p.setBrush(QColor(40, 110, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16 + 11.5 * qCos(0.6), 16 - 11.5 * qSin(0.6)), 2, 2);
    p.setBrush(QColor(190, 40, 40));
    p.drawEllipse(QPointF(16 - 6 * qCos(0.9), 16 + 6 * qSin(0.9)), 1.8, 1.8);
    p.setPen(QPen(QColor(190, 40, 40), 1.3));
    p.drawLine(QPointF(16 + 8 * qCos(0.6), 16 - 8 * qSin(0.6)), QPointF(16 - 6 * qCos(0.9), 16 + 6 * qSin(0.9)));
}

void drawTable(QPainter& p, int columns, const QColor& head) {
    const QRectF r(4, 5, 24, 22);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.fillRect(QRectF(4.5, 5.5, 23, 5), head);
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(4, 5 + i * 5.5), QPointF(28, 5 + i * 5.5));
    for (int i = 1; i < columns; ++i)
        p.drawLine(QPointF(4 + i * 24.0 / columns, 5), QPointF(4 + i * 24.0 / columns, 27));
}

void drawAspectGrid(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col <= row; ++col)
            p.drawRect(QRectF(4 + col * 6, 4 + row * 6, 6, 6));
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.drawLine(QPointF(5, 17), QPointF(9, 21));
    p.setPen(QPen(QColor(40, 80, 200), 1.5));
    p.drawEllipse(QPointF(13, 26), 1.8, 1.8);
}

void drawPerson(QPainter& p) {
    p.setPen(QPen(QColor(40, 60, 120), 1.2));
    p.setBrush(QColor(120, 150, 220));
    p.drawEllipse(QPointF(16, 10), 5, 5);
    QPainterPath body;
    body.moveTo(6, 28);
    body.cubicTo(6, 18, 26, 18, 26, 28);
    body.closeSubpath();
    p.drawPath(body);
}

void drawNew(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.drawPath(page);
    p.setPen(QPen(QColor(230, 170, 20), 2));
    p.drawLine(QPointF(12, 18), QPointF(22, 18));
    p.drawLine(QPointF(17, 13), QPointF(17, 23));
}

void drawOpen(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(3, 9, 22, 17));
    p.setBrush(QColor(250, 220, 120));
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(9, 14);
    front.lineTo(29, 14);
    front.lineTo(25, 26);
    front.closeSubpath();
    p.drawPath(front);
}

void drawSave(QPainter& p) {
    p.setPen(QPen(QColor(30, 40, 90), 1));
    p.setBrush(QColor(70, 100, 180));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void drawPrint(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
}

void drawShifter(QPainter& p) {
    p.setPen(QPen(QColor(40, 60, 120), 1.5));
    p.setBrush(QColor(235, 240, 255));
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.drawLine(QPointF(16, 16), QPointF(16, 8));
    p.drawLine(QPointF(16, 16), QPointF(22, 19));
    p.setBrush(QColor(40, 60, 120));
    p.drawPolygon(QPolygonF({QPointF(1, 16), QPointF(5, 12), QPointF(5, 20)}));
    p.drawPolygon(QPolygonF({QPointF(31, 16), QPointF(27, 12), QPointF(27, 20)}));
}

}  // namespace

void toolPictureWheel(QPainter& p) { drawWheel(p); }
void toolPicturePositions(QPainter& p) { drawTable(p, 3, QColor(120, 160, 230)); }
void toolPictureSigns(QPainter& p) { drawTable(p, 4, QColor(120, 200, 140)); }
void toolPictureAspects(QPainter& p) { drawAspectGrid(p); }
void toolPictureCombined(QPainter& p) { drawTable(p, 2, QColor(230, 170, 90)); }
void toolPicturePerson(QPainter& p) { drawPerson(p); }
void toolPictureNew(QPainter& p) { drawNew(p); }
void toolPictureOpen(QPainter& p) { drawOpen(p); }
void toolPictureSave(QPainter& p) { drawSave(p); }
void toolPicturePrint(QPainter& p) { drawPrint(p); }
void toolPictureShifter(QPainter& p) { drawShifter(p); }
void toolPictureCollation(QPainter& p) { drawBiWheel(p); }

namespace {

// A ring with a body coming round to the point it left: an arrow closing a circle.
void drawReturn(QPainter& p) {
    p.setPen(QPen(QColor(30, 50, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 24, 24), 100 * 16, 300 * 16);
    p.setBrush(QColor(30, 50, 120));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(13, 0.5), QPointF(19, 4), QPointF(13, 8)}));
    p.setBrush(QColor(230, 170, 20));
    p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
}

// The natal ring with the progressed one around it, a curved arrow of the years along it.
void drawProgressions(QPainter& p) {
    p.setPen(QPen(QColor(30, 50, 120), 1.6));
    p.setBrush(QColor(215, 240, 215));
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setBrush(QColor(250, 236, 190));
    p.drawEllipse(QPointF(16, 16), 8, 8);
    p.setPen(QPen(QColor(40, 110, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), 150 * 16, -110 * 16);
    p.setBrush(QColor(40, 110, 60));
    p.setPen(Qt::NoPen);
    const qreal a = qDegreesToRadians(40.0);
    const QPointF tip(16 + 11 * qCos(a), 16 - 11 * qSin(a));
    p.drawPolygon(QPolygonF({tip + QPointF(3, 3), tip + QPointF(-4, 0), tip + QPointF(2, -4)}));
}

// The shifter's dial with a calendar leaf: the target date steps.
void drawProgressionShifter(QPainter& p) {
    p.setPen(QPen(QColor(40, 110, 60), 1.5));
    p.setBrush(QColor(230, 245, 230));
    p.drawRect(QRectF(8, 7, 16, 18));
    p.fillRect(QRectF(8.5, 7.5, 15, 4), QColor(40, 110, 60));
    p.setPen(QPen(QColor(40, 110, 60), 1.2));
    p.drawLine(QPointF(11, 16), QPointF(21, 16));
    p.drawLine(QPointF(11, 20), QPointF(21, 20));
    p.setBrush(QColor(40, 60, 120));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(1, 16), QPointF(5, 12), QPointF(5, 20)}));
    p.drawPolygon(QPolygonF({QPointF(31, 16), QPointF(27, 12), QPointF(27, 20)}));
}

}  // namespace

void toolPictureReturn(QPainter& p) { drawReturn(p); }
void toolPictureProgressions(QPainter& p) { drawProgressions(p); }
void toolPictureProgressionShifter(QPainter& p) { drawProgressionShifter(p); }
