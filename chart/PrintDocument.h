#pragma once
// Prints the chosen pages of a chart on a paged device (a printer or a PDF writer), one device
// page each, with the colours of the print colour mode. The options are taken as a copy, so
// the caller's colours are never touched.
#include <QPagedPaintDevice>
#include <functional>

#include "PrintPages.h"

struct PrintOutcome {
    int pages = 0;           // pages drawn
    bool cancelled = false;  // `beforePage` said stop
    bool failed = false;     // the device could not be painted on, or lost a page
};

// `beforePage(index, count)` runs before every page and returns false to stop there (cancel);
// `abort` then runs while the device is still being painted on (a printer discards its job),
// and the caller discards whatever the device wrote. With `collation`, the pages are those of a
// collation window.
PrintOutcome printDocument(QPagedPaintDevice& device, const RadixData& chart, const TOptions& options,
                           const StringTable& strings, const QDateTime& printedAt,
                           const std::function<bool(int, int)>& beforePage = {},
                           const std::function<void()>& abort = {}, const Collation* collation = nullptr);

// The print preview: `page` in its print colours on a white area of `pixels` at
// `dotsPerInch`, scaled so that the virtual page fills the area's height.
void paintPreviewPage(QPainter& p, QSize pixels, double dotsPerInch, PrintPage page, const RadixData& chart,
                      const TOptions& options, const StringTable& strings, const QDateTime& printedAt,
                      const Collation* collation = nullptr);

// The scale of the virtual page on `device` (its painted area, at its resolution).
double deviceScale(const QPaintDevice& device);
