#include "OpenCharts.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "TRadixWindow.h"

bool isSameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

TRadixWindow* chartShowingFile(const QList<TRadixWindow*>& charts, const QString& path) {
    for (TRadixWindow* w : charts)
        if (!w->isUntitled() && isSameFile(w->path(), path))
            return w;
    return nullptr;
}

void activateChart(TRadixWindow* window) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (sub) {
        if (sub->isMinimized())
            sub->showNormal();
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
    }
    window->setFocus();
}
