#include "PrintJob.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <memory>

#include "ErrorReporter.h"
#include "HoroscopeFile.h"
#include "PrintDocument.h"
#include "QtText.h"
#include "StringIds.h"
#include "TWaitDialog.h"

namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QString withoutChangeMarker(QString caption) {
    if (caption.startsWith(QLatin1Char('*')))
        caption.remove(0, 1);
    return caption.trimmed();
}

}  // namespace

QString printDocumentName(const RadixData* chart, const StringTable& strings) {
    if (!chart)
        return fromCp1250(strings[StrId::Graph]);
    return QString::fromStdString(DefaultHoroscopeFileName(chart->name.data()));
}

QString defaultPdfName(const RadixData& chart) {
    QString name = QString::fromStdString(DefaultHoroscopeFileName(chart.name.data()));
    if (name.endsWith(QLatin1String(".hor"), Qt::CaseInsensitive))
        name.chop(4);
    return name + QStringLiteral(".pdf");
}

PrintResult PrintJob::run(QWidget* parent, const PrintTarget& target) const {
    if (printedPages(options.print_pages).empty())
        return PrintResult::NothingToPrint;
    const WaitCursor wait;
    const bool toFile = target.printer.isEmpty();
    std::unique_ptr<QPrinter> printer;
    // The PDF is written beside its final name and renamed only when complete, so a cancelled
    // or failed job never leaves a partial file, nor spoils an older one of the same name.
    QString partial;
    if (toFile) {
        QTemporaryFile temp(QFileInfo(target.pdfPath).absolutePath() + QStringLiteral("/.zodikeon-XXXXXX.pdf"));
        if (!temp.open()) {
            errors.error(parent, QCoreApplication::translate("PrintJob", "The file %1 cannot be written.")
                                  .arg(QDir::toNativeSeparators(target.pdfPath)));
            return PrintResult::Failed;
        }
        partial = temp.fileName();
        temp.setAutoRemove(false);
        temp.close();
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(partial);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(target.printer);
        if (info.isNull()) {
            errors.error(parent, QCoreApplication::translate("PrintJob", "The printer %1 is not available.").arg(printerName));
            return PrintResult::Failed;
        }
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    if (target.layout.isValid())
        printer->setPageLayout(target.layout);
    printer->setDocName(printDocumentName(&chart, strings));
    printer->setCreator(QStringLiteral("Zodikeon"));

    bool cancel = false;
    TWaitDialog dialog(parent, fromCp1250(strings[StrId::NowPrinting]), withoutChangeMarker(caption),
                       fromCp1250(strings[StrId::NowPrintingOn]).replace(QLatin1String("%s"), printerName),
                       fromCp1250(strings[StrId::CancelPrinting]), prompts, &cancel);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    auto pump = [this] {
        if (betweenPages)
            betweenPages();
        else
            QCoreApplication::processEvents();
    };
    pump();
    const PrintOutcome outcome = printDocument(
        *printer, chart, options, strings, QDateTime::currentDateTime(),
        [&](int, int) {
            pump();
            return !cancel;
        },
        [&] { printer->abort(); }, collation);
    dialog.hide();

    const bool failed = outcome.failed || printer->printerState() == QPrinter::Error;
    if (toFile) {
        if (outcome.cancelled || failed || outcome.pages == 0) {
            QFile::remove(partial);
        } else {
            // rename() replaces an older file of that name in one step.
            if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target.pdfPath).constData()) != 0) {
                QFile::remove(partial);
                errors.error(parent, QCoreApplication::translate("PrintJob", "The file %1 cannot be written.")
                                      .arg(QDir::toNativeSeparators(target.pdfPath)));
                return PrintResult::Failed;
            }
        }
    }
    if (outcome.cancelled)
        return PrintResult::Cancelled;
    if (failed) {
        errors.error(parent, QCoreApplication::translate("PrintJob", "Printing on %1 failed.").arg(printerName));
        return PrintResult::Failed;
    }
    return PrintResult::Printed;
}
