#include "WindowPlacementQt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

WindowPlacement placementOf(const QWidget& window) {
    WindowPlacement p;
    p.length = sizeof(WindowPlacement);
    p.showCmd = window.isMaximized() ? ShowMaximized : window.isMinimized() ? ShowMinimized : ShowNormal;
    const QRect r = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    p.left = r.left();
    p.top = r.top();
    p.right = r.left() + r.width();
    p.bottom = r.top() + r.height();
    return p;
}

void applyPlacement(QWidget& window, const WindowPlacement& p) {
    QRect r(QPoint(p.left, p.top), QSize(p.right - p.left, p.bottom - p.top));
    // A placement from another screen layout must not put the window out of reach.
    if (const QScreen* screen = QGuiApplication::screenAt(r.center()); !screen || r.width() < 100 || r.height() < 100)
        r = QRect();
    if (r.isValid())
        window.setGeometry(r);
    if (p.showCmd == ShowMaximized)
        window.showMaximized();
    else
        window.showNormal();
}
