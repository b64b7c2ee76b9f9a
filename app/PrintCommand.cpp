#include "PrintCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "AppContext.h"
#include "Prompts.h"
#include "PrintJob.h"
#include "QtText.h"
#include "TPrintDialog.h"
#include "TPrintPreviewDialog.h"
#include "TRadixWindow.h"

void PrintCommand::run() const {
    TOptions& options = ctx.options();
    const StringTable& strings = ctx.strings();
    const PrinterList& printers = ctx.printers;
    const RadixData& chart = window.chart();
    PrintChoice start;
    start.black = options.print_black;
    start.pages = options.print_pages;
    start.printer = session.printer >= 0 && session.printer < printers.names.size() ? session.printer : printers.defaultIndex;

    auto isPdf = [&printers](int index) { return index == printers.pdfIndex; };
    TPrintDialog* dialogPointer = nullptr;
    auto preview = [&](const PrintChoice& c) {
        // The preview shows the current choice; the options themselves stay as they are.
        TOptions shown = options;
        shown.print_black = c.black;
        shown.print_pages = c.pages;
        TPrintPreviewDialog dialog(dialogPointer, chart, shown, strings, window.collation());
        ctx.prompts().runModal(dialog);
    };
    auto setup = [&](int index) {
        const QString name = printers.names.value(index);
        QPrinter printer(QPrinter::HighResolution);
        if (!isPdf(index))
            printer.setPrinterName(name);
        const auto stored = session.layouts.constFind(name);
        if (stored != session.layouts.constEnd())
            printer.setPageLayout(*stored);
        if (printer.outputFormat() == QPrinter::NativeFormat) {
            QPageSetupDialog dialog(&printer, dialogPointer);
            if (ctx.prompts().runModal(dialog) == QDialog::Accepted)
                session.layouts.insert(name, printer.pageLayout());
            return;
        }
        // The platform's set-up works on system printers only; for the PDF file the paper size
        // is all there is to set.
        const QList<QPageSize::PageSizeId> sizes{QPageSize::A4, QPageSize::Letter, QPageSize::Legal,
                                                 QPageSize::A3, QPageSize::A5,     QPageSize::B5};
        QStringList names;
        for (QPageSize::PageSizeId id : sizes)
            names << QPageSize::name(id);
        QInputDialog dialog(dialogPointer);
        dialog.setObjectName("paperSize");
        dialog.setWindowTitle(printers.names.value(index));
        dialog.setLabelText(QCoreApplication::translate("PrintCommand", "Paper size:"));
        dialog.setComboBoxItems(names);
        dialog.setComboBoxEditable(false);
        const int current = static_cast<int>(sizes.indexOf(printer.pageLayout().pageSize().id()));
        dialog.setTextValue(names.value(std::max(0, current)));
        if (ctx.prompts().runModal(dialog) != QDialog::Accepted)
            return;
        const auto chosen = static_cast<int>(names.indexOf(dialog.textValue()));
        if (chosen < 0)
            return;
        QPageLayout layout = printer.pageLayout();
        layout.setPageSize(QPageSize(sizes[chosen]));
        layout.setOrientation(QPageLayout::Portrait);
        session.layouts.insert(name, layout);
    };
    TPrintDialog dialog(parent, start, printers.names, preview, setup);
    dialogPointer = &dialog;
    if (ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;

    const PrintChoice c = dialog.current();
    const TOptions before = options;
    options.print_black = c.black;
    for (int i = 0; i < OfferedPrintEntries; ++i)
        options.print_pages[static_cast<std::size_t>(i)] = c.pages[static_cast<std::size_t>(i)];
    session.printer = c.printer;
    ctx.autosaveOptions(parent, before);

    PrintTarget target;
    const QString name = printers.names.value(c.printer);
    target.layout = session.layouts.value(name);
    if (isPdf(c.printer)) {
        const QString folder = QString::fromLocal8Bit(options.last_directory.data());
        const QString proposed = (folder.isEmpty() ? QDir::homePath() : folder) + QLatin1Char('/') + defaultPdfName(chart);
        target.pdfPath = ctx.prompts().saveFile(parent, QString(), proposed,
                                                QCoreApplication::translate("PrintCommand", "PDF files (*.pdf)"),
                                                QStringLiteral("pdf"));
        if (target.pdfPath.isEmpty())
            return;
    } else {
        target.printer = name;
    }
    PrintJob{chart, options, strings, window.caption(false), name, ctx.errors, ctx.prompts(), window.collation()}.run(
        parent, target);
}
