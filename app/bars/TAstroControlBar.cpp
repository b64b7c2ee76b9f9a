#include "TAstroControlBar.h"

#include <QAction>
#include <QWidget>

#include "CommandIds.h"
#include "TAstroClient.h"
#include "ToolIcons.h"

namespace {

QWidget* gap(int pixels, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setFixedSize(1, pixels);
    return w;
}

}  // namespace

TAstroControlBar::TAstroControlBar(TAstroClient* client, QWidget* parent) : QToolBar(parent) {
    setObjectName("controlbar");
    setOrientation(Qt::Vertical);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(28, 28));
    setStyleSheet("QToolBar { background: rgb(240,240,240); border: none; }");
    const int groups[][6] = {
        {CM_PERSONALDATA, CM_NEW, CM_OPEN, CM_SAVE, CM_PRINT, 0},
        {CM_VIEWWHEEL, CM_VIEWPOSITIONS, CM_VIEWSIGNS, CM_VIEWASPECTS, CM_VIEWCOMBINED, 0},
        {CM_RADIXSHIFTER, 0, 0, 0, 0, 0},
    };
    const int gaps[] = {5, 15, 15};
    for (int g = 0; g < 3; ++g) {
        addWidget(gap(gaps[g], this));
        for (const int id : groups[g]) {
            if (id == 0)
                break;
            QAction* a = client->action(id);
            a->setIcon(toolIcon(id));
            addAction(a);
        }
    }
}
