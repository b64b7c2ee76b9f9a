#pragma once
// One painter for the printed pages, used by the print job, the print preview and the
// command line alike, so the three cannot differ. The caller sets up the device and the
// colours (PrintColourMode); a page is drawn in y-up logical units of 0.1 mm scaled by s.
#include <QDateTime>
#include <QPainter>
#include <QTransform>
#include <string>
#include <vector>

#include "Collation.h"
#include "DrawContext.h"
#include "Options.h"
#include "PrintLayout.h"
#include "RadixData.h"
#include "StringTable.h"

// What the pages print: the chart, the options (colours already in their paper form), the
// texts in the interface language and the moment printed in the footer.
struct PrintContent {
    const RadixData& chart;
    const TOptions& options;
    const StringTable& strings;
    QDateTime printedAt;
    // A collation window's second chart: the chart page shows the bi-wheel and the combined
    // table entry the collation aspects.
    const Collation* collation = nullptr;
};

// The transform from page units (0.1 mm, y up, the page's top-left corner 6 mm x s inside the
// printable area) to device pixels of `dotsPerInch`, the printable area's top-left at (0, 0).
QTransform pageTransform(double dotsPerInch, double s);

// The personal lines of the page header: name, horoscope type, moment, place (a town name
// that starts with "+" is shown from its third character), in Windows-1250.
std::vector<std::string> pageHeaderLines(const RadixData& chart, const StringTable& strings);
// The header lines of a collation: the first names both charts, the second adds the second
// chart's name and moment to the horoscope type, and a last line gives the second chart's place.
std::vector<std::string> collationHeaderLines(const RadixData& radix, const Collation& collation,
                                              const StringTable& strings);
// The footer: the left lines (program and contact) and the right one ("Printed on ...").
struct FooterTexts {
    QString program, contact, printed;
};
FooterTexts pageFooterTexts(const StringTable& strings, const QDateTime& when);

// One thing a page draws and the box it covers (page units, y up). Tables are drawn from their
// box's top-left corner at `scale`; wheels around `centre` with `radius`.
enum class PageItemKind { HeaderLines, HeaderBox, Footer, NotesFrame, Wheel, BiWheel, Table };
struct PageItem {
    PageItemKind kind = PageItemKind::Table;
    QString name;  // what it is, for messages
    PageBox box;
    TableModel table;
    double scale = 0;
    PagePoint centre;
    int radius = 0;
    std::vector<QString> lines;  // header and footer texts, already shortened to fit
};

// Everything one page draws, laid out so that no two items overlap and all stay inside the
// virtual page above the footer: the page painter draws exactly these.
std::vector<PageItem> layoutPrintPage(PrintPage page, double s, const PrintContent& content);

// Whether a page of a collation window shows both charts (and so is headed with both): the
// chart page with the bi-wheel or the collation aspects.
bool pageShowsCollation(PrintPage page, const PrintContent& content);

// Draws one page with its header and footer (`dc` marked as printing by the caller's
// PrintColourMode); the painter's transform must be pageTransform
// (or any transform to 0.1 mm y-up units whose origin is the printable area's corner).
void paintPrintPage(DrawContext& dc, PrintPage page, double s, const PrintContent& content);
