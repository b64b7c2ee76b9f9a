#include "TIntroWindow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QtMath>

#include "QtText.h"
#include "AppContext.h"

QPixmap introPicture() {
    QPixmap pixmap(TIntroWindow::PictureWidth, TIntroWindow::PictureHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0.0, QColor(10, 16, 52));
    sky.setColorAt(0.62, QColor(58, 78, 150));
    sky.setColorAt(1.0, QColor(214, 222, 244));
    p.fillRect(pixmap.rect(), sky);
    // Fixed seed: the same sky at every start.
    QRandomGenerator stars(1997);
    for (int i = 0; i < 140; ++i) {
        const QPointF at(stars.bounded(pixmap.width()), stars.bounded(200));
        const int a = 110 + stars.bounded(145);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 240, a));
        const qreal r = 0.4 + stars.bounded(12) / 10.0;
        p.drawEllipse(at, r, r);
    }
    // The zodiac circle: twelve sectors of a wheel above the name.
    const QPointF c(255, 118);
    const qreal outer = 96, inner = 74;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(232, 214, 150), 2));
    p.drawEllipse(c, outer, outer);
    p.drawEllipse(c, inner, inner);
    p.setPen(QPen(QColor(232, 214, 150, 170), 1));
    p.drawEllipse(c, 30, 30);
    for (int k = 0; k < 12; ++k) {
        const qreal a = qDegreesToRadians(k * 30.0);
        p.drawLine(c + QPointF(qCos(a) * inner, qSin(a) * inner), c + QPointF(qCos(a) * outer, qSin(a) * outer));
    }
    p.setPen(QPen(QColor(250, 240, 200), 1.5));
    for (int k = 0; k < 4; ++k) {
        const qreal a = qDegreesToRadians(k * 90.0 + 18);
        p.drawLine(c + QPointF(qCos(a) * 30, qSin(a) * 30), c + QPointF(qCos(a) * inner, qSin(a) * inner));
    }
    return pixmap;
}

TIntroWindow::TIntroWindow(const AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_picture(introPicture()) {
    setFixedSize(m_picture.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TIntroWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
    const AppState& s = m_ctx.state;
    const QColor navy(0, 0, 128);
    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(40);
    name.setBold(true);
    p.setFont(name);
    p.setPen(navy);
    p.drawText(QRect(QPoint(0, 242), QPoint(486, 282)), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
               fromCp1250(s.Strings[732]));
    QFont version = name;
    version.setPixelSize(20);
    p.setFont(version);
    p.drawText(QRect(12, 239, 200, 30), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fromCp1250(s.Strings[730]));
}
