#include "PrintDocument.h"

#include "PrintColourMode.h"

double deviceScale(const QPaintDevice& device) {
    const double perUnitX = device.logicalDpiX() / 254.0, perUnitY = device.logicalDpiY() / 254.0;
    if (perUnitX <= 0 || perUnitY <= 0)
        return 0;
    return printScale(device.width() / perUnitX, device.height() / perUnitY);
}

void paintPreviewPage(QPainter& p, QSize pixels, double dotsPerInch, PrintPage page, const RadixData& chart,
                      const TOptions& options, const StringTable& strings, const QDateTime& printedAt,
                      const Collation* collation) {
    p.fillRect(QRect(QPoint(0, 0), pixels), Qt::white);
    if (dotsPerInch <= 0 || pixels.isEmpty())
        return;
    TOptions paper = options;
    DrawContext dc(p);
    const PrintColourMode colours(paper, dc);
    const double s = pixels.height() / (dotsPerInch / 254.0) / VirtualPageHeight;
    p.save();
    p.setTransform(pageTransform(dotsPerInch, s));
    paintPrintPage(dc, page, s, PrintContent{chart, paper, strings, printedAt, collation});
    p.restore();
}

PrintOutcome printDocument(QPagedPaintDevice& device, const RadixData& chart, const TOptions& options,
                           const StringTable& strings, const QDateTime& printedAt,
                           const std::function<bool(int, int)>& beforePage, const std::function<void()>& abort,
                           const Collation* collation) {
    PrintOutcome outcome;
    TOptions paper = options;
    const std::vector<PrintPage> pages = printedPages(options.print_pages);
    const int count = static_cast<int>(pages.size());
    if (count == 0)
        return outcome;
    if (beforePage && !beforePage(0, count)) {
        outcome.cancelled = true;
        return outcome;
    }
    QPainter p;
    if (!p.begin(&device)) {
        outcome.failed = true;
        return outcome;
    }
    DrawContext dc(p);
    const PrintColourMode colours(paper, dc);
    const double s = deviceScale(device);
    const PrintContent content{chart, paper, strings, printedAt, collation};
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (beforePage && !beforePage(i, count)) {
                outcome.cancelled = true;
                if (abort)
                    abort();
                break;
            }
            if (!device.newPage()) {
                outcome.failed = true;
                break;
            }
        }
        p.setTransform(pageTransform(device.logicalDpiX(), s));
        paintPrintPage(dc, pages[static_cast<std::size_t>(i)], s, content);
        ++outcome.pages;
    }
    if (!p.end() && !outcome.cancelled)
        outcome.failed = true;
    return outcome;
}
