#include "TAstroControlBar.h"

#include <QAction>
#include <QWidget>

namespace {

QWidget* gap(int pixels, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setFixedSize(1, pixels);
    return w;
}

}  // namespace

TAstroControlBar::TAstroControlBar(const std::vector<std::vector<QAction*>>& groups, QWidget* parent) : QToolBar(parent) {
    setObjectName("controlbar");
    setOrientation(Qt::Vertical);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(28, 28));
    setStyleSheet("QToolBar { background: rgb(240,240,240); border: none; }");
    bool first = true;
    for (const std::vector<QAction*>& group : groups) {
        addWidget(gap(first ? 5 : 15, this));
        first = false;
        for (QAction* a : group)
            addAction(a);
    }
}
