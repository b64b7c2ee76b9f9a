#include "LandscapePrint.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "AppContext.h"
#include "Prompts.h"

void printLandscape(QWidget* parent, AppContext& ctx, const QString& docName, const QString& failure,
                    const std::function<void(QPainter& painter, const std::function<bool()>& newPage)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(docName);
    QPrintDialog dialog(&printer, parent);
    if (ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        ctx.errors.error(parent, failure);
        return;
    }
    paint(painter, [&printer] { return printer.newPage(); });
}
