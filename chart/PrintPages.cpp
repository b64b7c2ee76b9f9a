#include "PrintPages.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "AngleFormats.h"
#include "BirthText.h"
#include "ChartColours.h"
#include "ChartFonts.h"
#include "BiWheel.h"
#include "ChartTables.h"
#include "CollationGrid.h"
#include "DrawPrimitives.h"
#include "FixedText.h"
#include "Houses.h"
#include "PositionRows.h"
#include "QtText.h"
#include "RadixWheel.h"
#include "StringIds.h"
#include "TableRenderer.h"

namespace {

QString str(const StringTable& strings, int id) { return fromCp1250(strings[id]); }

// Text drawn the way a page reads it: from a top-left corner downward, in a y-up painter.
void drawPageText(QPainter& p, const QRectF& downward, int flags, const QString& text, const QPointF& topLeft) {
    p.save();
    p.translate(topLeft);
    p.scale(1, -1);
    p.drawText(downward, flags, text);
    p.restore();
}

// The tables' text colour on paper.
ColorRef tableInk(const TOptions& o) { return adaptTableColour(o.colors.deftext, o, true); }

int scaled(double units, double s) { return static_cast<int>(units * s); }

PageBox tableBox(const TableModel& t, double scale, PagePoint origin) {
    return {origin.x + static_cast<int>(std::floor(t.x * scale)), origin.y + static_cast<int>(std::ceil(t.y * scale)),
            origin.x + static_cast<int>(std::ceil((t.x + t.width()) * scale)),
            origin.y + static_cast<int>(std::floor((t.y - t.height()) * scale))};
}

PageItem tableItem(const QString& name, const TableModel& table, double scale, PagePoint origin) {
    PageItem item;
    item.kind = PageItemKind::Table;
    item.name = name;
    item.table = table;
    item.scale = scale;
    item.centre = origin;  // the point the table's own (x, y) is counted from
    item.box = tableBox(table, scale, origin);
    return item;
}

// A table placed with its top-left corner at `at`, whatever its own offset.
PageItem placedTable(const QString& name, TableModel table, double scale, PagePoint at) {
    table.x = table.y = 0;
    return tableItem(name, table, scale, at);
}

QFont headerFont(const HeaderLayout& l) { return chartFont(FontTemplate::TableRoman, static_cast<int>(l.lineHeight * 0.9)); }

std::vector<PageItem> headerItems(double s, const PrintContent& c, bool both) {
    const HeaderLayout l = headerLayout(s);
    const std::vector<std::string> lines = both && c.collation ? collationHeaderLines(c.chart, *c.collation, c.strings)
                                                               : pageHeaderLines(c.chart, c.strings);
    // A line too long for its room is shortened with an ellipsis rather than run into the box.
    const QFontMetricsF metrics(headerFont(l));
    PageItem text;
    text.kind = PageItemKind::HeaderLines;
    text.name = QStringLiteral("header lines");
    double widest = 0;
    for (const std::string& line : lines) {
        const QString shown = metrics.elidedText(fromCp1250(line), Qt::ElideRight, l.linesWidth);
        widest = std::max(widest, metrics.horizontalAdvance(shown));
        text.lines.push_back(shown);
    }
    const int width = std::min(l.linesWidth, static_cast<int>(std::ceil(widest)) + 1);
    text.box = {l.linesAt.x, l.linesAt.y, l.linesAt.x + width,
                l.linesAt.y - static_cast<int>(lines.size()) * l.lineHeight};
    // The two-row box: house system and sidereal time.
    TableModel box;
    box.columnWidths = {700, 300};
    const ColorRef ink = tableInk(c.options);
    const int house = std::clamp<int>(c.options.housecalc, 0, HouseSystemCount - 1);
    box.rows.push_back({{textCell(0, str(c.strings, StrId::HouseCalcMethod), ink, FontTemplate::TableRoman, CellAlign::Left),
                         textCell(1, str(c.strings, houseSystemNameId(house)), ink)}});
    box.rows.push_back({{textCell(0, str(c.strings, StrId::SiderealTimeRAMC), ink, FontTemplate::TableRoman, CellAlign::Left),
                         textCell(1, formatRightAscension(c.chart.armc * 57.29577951308232, c.options), ink)}});
    PageItem boxItem = placedTable(QStringLiteral("header box"), box, 0.5 * s, l.boxAt);
    boxItem.kind = PageItemKind::HeaderBox;
    return {text, boxItem};
}

PageItem footerItem(double s, const PrintContent& c) {
    const FooterLayout l = footerLayout(s);
    const FooterTexts texts = pageFooterTexts(c.strings, c.printedAt);
    const QFontMetricsF metrics(chartFont(FontTemplate::TableItalic, l.fontHeight));
    PageItem item;
    item.kind = PageItemKind::Footer;
    item.name = QStringLiteral("footer");
    item.lines = {texts.program, texts.contact, texts.printed};
    item.box = {l.topLeft.x, l.topLeft.y, l.bottomRight.x,
                l.topLeft.y - static_cast<int>(std::ceil(2 * metrics.lineSpacing()))};
    return item;
}

// Where a page's content begins: below the header's lowest part, a gap apart.
int contentTop(const std::vector<PageItem>& header, double s) {
    int low = 0;
    for (const PageItem& item : header)
        low = std::min(low, item.box.bottom);
    return std::min(low - scaled(PageGap, s), tablesTop(s));
}

// The room a page's content has: between the header and the footer, across the page.
PageBox contentArea(const std::vector<PageItem>& header, double s) {
    const FooterLayout f = footerLayout(s);
    return {f.topLeft.x, contentTop(header, s), f.bottomRight.x, f.topLeft.y + scaled(PageGap, s)};
}

// Tables one below the other from the area's top, `gap` table units apart at the table scale,
// scaled down together where they would not fit the area's width or height.
std::vector<PageItem> stackedTables(const std::vector<std::pair<QString, TableModel>>& tables, double scale, const PageBox& area,
                                    int gap) {
    int width = 0, height = 0;
    for (const auto& [name, t] : tables) {
        width = std::max(width, t.width());
        height += t.height() + gap;
    }
    height -= gap;
    double t = fittingTableScale(width, scale, area.width());
    if (height > 0 && height * t > area.height())
        t = double(area.height()) / height;
    std::vector<PageItem> items;
    int y = area.top;
    for (const auto& [name, table] : tables) {
        items.push_back(placedTable(name, table, t, {area.left, y}));
        y = items.back().box.bottom - static_cast<int>(std::ceil(gap * t));
    }
    return items;
}

void chartPageItems(double s, const PrintContent& c, const PageBox& area, std::vector<PageItem>& items) {
    const PrintSelection& pages = c.options.print_pages;
    std::vector<std::pair<QString, TableModel>> tables;
    if (pages[PrintCombined]) {
        if (c.collation)
            tables.emplace_back(QStringLiteral("collation aspects"), collationGridTable(c.chart, *c.collation, c.options, c.strings));
        else
            tables.emplace_back(QStringLiteral("combined table"), combinedTable(c.chart, c.options, c.strings));
    }
    if (pages[PrintSignsHouses1] || pages[PrintSignsHouses2]) {
        const std::vector<TableModel> distribution = signHouseTables(c.chart, c.options, c.strings);
        auto add = [&](std::size_t index) {
            if (index < distribution.size())
                tables.emplace_back(QStringLiteral("signs and houses %1").arg(index + 1), distribution[index]);
        };
        if (pages[PrintSignsHouses1]) {
            add(0);
            add(2);
        }
        if (pages[PrintSignsHouses2]) {
            add(1);
            add(3);
        }
    }
    std::vector<TableSize> sizes;
    for (const auto& [name, t] : tables)
        sizes.push_back({t.width(), t.height()});
    const int radius = pages[PrintWheel] ? scaled(ChartWheelRadius, s) : 0;
    const ChartPagePacking packing = packChartPage(radius, sizes, 0.5 * s, area, scaled(PageGap, s));
    if (radius > 0) {
        PageItem wheel;
        wheel.kind = c.collation ? PageItemKind::BiWheel : PageItemKind::Wheel;
        wheel.name = QStringLiteral("wheel");
        wheel.centre = packing.wheelCentre;
        wheel.radius = packing.wheelRadius;
        const int half = static_cast<int>(packing.wheelRadius * WheelExtent) + 1;
        wheel.box = {wheel.centre.x - half, wheel.centre.y + half, wheel.centre.x + half, wheel.centre.y - half};
        items.push_back(wheel);
    }
    for (std::size_t i = 0; i < tables.size(); ++i)
        items.push_back(placedTable(tables[i].first, tables[i].second, packing.tableScale, packing.tableAt[i]));
}

void notesPageItems(double s, const PageBox& area, std::vector<PageItem>& items) {
    PageItem frame;
    frame.kind = PageItemKind::NotesFrame;
    frame.name = QStringLiteral("notes");
    frame.box = {area.left, area.top, scaled(1360, s), std::max(area.bottom, scaled(-2630, s))};
    items.push_back(frame);
}

void paintHeaderLines(DrawContext& dc, const PageItem& item, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const HeaderLayout l = headerLayout(s);
    p.setFont(headerFont(l));
    p.setPen(toQColor(tableInk(c.options)));
    for (std::size_t i = 0; i < item.lines.size(); ++i) {
        const QPointF at(item.box.left, item.box.top - static_cast<double>(i) * l.lineHeight);
        drawPageText(p, QRectF(0, 0, item.box.width(), l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     item.lines[i], at);
    }
}

void paintFooter(DrawContext& dc, const PageItem& item, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    p.setFont(chartFont(FontTemplate::TableItalic, footerLayout(s).fontHeight));
    p.setPen(toQColor(tableInk(c.options)));
    const QRectF box(0, 0, item.box.width(), item.box.height());
    const QPointF corner(item.box.left, item.box.top);
    drawPageText(p, box, Qt::AlignLeft | Qt::AlignTop, item.lines[0] + QLatin1Char('\n') + item.lines[1], corner);
    drawPageText(p, box, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, item.lines[2], corner);
}

void paintNotes(DrawContext& dc, const PageItem& item, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const int left = item.box.left, top = item.box.top, right = item.box.right, bottom = item.box.bottom;
    const int heading = scaled(110, s);
    const int pen = scaled(4, s);
    p.setPen(plainPen(0, pen));
    p.setBrush(Qt::NoBrush);
    // The frame's line stays inside the item's box.
    p.drawRect(QRect(QPoint(left + pen / 2, bottom + pen / 2), QPoint(right - pen / 2, top - pen / 2)));
    p.drawLine(left, top - heading, right, top - heading);
    p.setPen(toQColor(tableInk(c.options)));
    p.setFont(chartFont(FontTemplate::TableRoman, scaled(70, s)));
    drawPageText(p, QRectF(0, 0, right - left, heading), Qt::AlignCenter | Qt::TextSingleLine,
                 str(c.strings, StrId::Notes), QPointF(left, top));
    p.setFont(chartFont(FontTemplate::TableBold, scaled(40, s)));
    const double margin = 20 * s;
    QString notes = fromCp1250(std::string_view(c.chart.notes.data()));
    notes.remove(QLatin1Char('\r'));
    p.save();
    // Notes longer than the frame are cut at its edge, never written over the footer.
    p.setClipRect(QRect(QPoint(left, bottom), QPoint(right, top - heading)));
    drawPageText(p, QRectF(0, 0, right - left - 2 * margin, top - heading - bottom - 2 * margin),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notes, QPointF(left + margin, top - heading - margin));
    p.restore();
}

}  // namespace

QTransform pageTransform(double dotsPerInch, double s) {
    const double k = dotsPerInch / 254.0;
    return QTransform(k, 0, 0, -k, PageMargin * s * k, PageMargin * s * k);
}

std::vector<std::string> pageHeaderLines(const RadixData& chart, const StringTable& strings) {
    std::string town(chart.moment.town.data(), strnlen(chart.moment.town.data(), chart.moment.town.size()));
    if (!town.empty() && town[0] == '+')
        town = town.size() > 2 ? town.substr(2) : std::string();
    std::string place = placeText(chart.moment);
    if (!town.empty())
        place = town + "  " + place;
    return {std::string(chart.name.data(), strnlen(chart.name.data(), chart.name.size())),
            std::string(chart.horType.data(), strnlen(chart.horType.data(), chart.horType.size())),
            momentText(chart.moment, strings), place};
}

std::vector<std::string> collationHeaderLines(const RadixData& radix, const Collation& collation,
                                              const StringTable& strings) {
    std::vector<std::string> lines = pageHeaderLines(radix, strings);
    const std::string second = toCp1250(secondChartName(collation, strings));
    lines[0] += "  \x96  " + second;
    const std::string moment = momentText(collation.second.moment, strings);
    lines[1] = lines[1].empty() ? second + ": " + moment : lines[1] + "  \x96  " + second + ": " + moment;
    // The second chart's place too: a transit is cast for a place of its own.
    std::string town(fixedText(collation.second.moment.town));
    if (!town.empty() && town[0] == '+')
        town = town.size() > 2 ? town.substr(2) : std::string();
    std::string place = placeText(collation.second.moment);
    if (!town.empty())
        place = town + "  " + place;
    lines.push_back(second + ": " + place);
    return lines;
}

FooterTexts pageFooterTexts(const StringTable& strings, const QDateTime& when) {
    FooterTexts f;
    f.program = QStringLiteral("%1 %2  %3").arg(str(strings, StrId::ZodikeonFree), str(strings, StrId::Version), str(strings, StrId::CreditLine));
    f.contact = str(strings, StrId::WebLine);
    const QDate d = when.date();
    const CalDate date(d.year(), d.month(), d.day(), true);
    const QTime t = when.time();
    f.printed = QStringLiteral("%1 %2 %3").arg(str(strings, StrId::PrintedOn), fromCp1250(longDateText(date, strings)).trimmed(),
                                               QString::asprintf("%u:%02u", unsigned(t.hour()), unsigned(t.minute())));
    return f;
}

bool pageShowsCollation(PrintPage page, const PrintContent& c) {
    return c.collation && page == PrintPage::Chart && (c.options.print_pages[PrintWheel] || c.options.print_pages[PrintCombined]);
}

std::vector<PageItem> layoutPrintPage(PrintPage page, double s, const PrintContent& c) {
    std::vector<PageItem> items = headerItems(s, c, pageShowsCollation(page, c));
    const PageBox area = contentArea(items, s);
    const double t = 0.5 * s;
    switch (page) {
    case PrintPage::Notes:
        notesPageItems(s, area, items);
        break;
    case PrintPage::Chart:
        chartPageItems(s, c, area, items);
        break;
    case PrintPage::Positions: {
        std::vector<PositionRow> rows;
        buildPositionRows(c.chart, c.options, rows);
        const std::vector<TableModel> tables = positionTables(c.chart, rows, c.options, c.strings);
        // The tables keep their places to each other; together they fit the area.
        int width = 0, low = 0;
        for (const TableModel& table : tables) {
            width = std::max(width, table.x + table.width());
            low = std::min(low, table.y - table.height());
        }
        double scale = fittingTableScale(width, t, area.width());
        if (low < 0 && -low * scale > area.height())
            scale = double(area.height()) / -low;
        for (std::size_t i = 0; i < tables.size(); ++i)
            items.push_back(tableItem(QStringLiteral("positions %1").arg(i + 1), tables[i], scale, {area.left, area.top}));
        break;
    }
    case PrintPage::Aspects: {
        const std::vector<std::pair<QString, TableModel>> grids{
            {QStringLiteral("aspect grid"), aspectGridTable(c.chart, c.options, AspectGridKind::Aspects)},
            {QStringLiteral("parallel grid"), aspectGridTable(c.chart, c.options, AspectGridKind::Parallels)}};
        for (PageItem& item : stackedTables(grids, t, area, TableRowHeight))
            items.push_back(std::move(item));
        break;
    }
    case PrintPage::Details: {
        const TableModel full = aspectGridTable(c.chart, c.options, AspectGridKind::Details);
        std::vector<std::pair<QString, TableModel>> tables;
        if (c.options.display.oppasps) {
            tables.emplace_back(QStringLiteral("details 1"), detailTable(full, DetailMode::MainGrid));
            tables.emplace_back(QStringLiteral("details 2"), detailTable(full, DetailMode::CuspsAndPoints));
        } else {
            tables.emplace_back(QStringLiteral("details"), detailTable(full, DetailMode::Whole));
        }
        for (PageItem& item : stackedTables(tables, 0.92 * t, area, TableRowHeight))
            items.push_back(std::move(item));
        break;
    }
    }
    items.push_back(footerItem(s, c));
    return items;
}

void paintPrintPage(DrawContext& dc, PrintPage page, double s, const PrintContent& c) {
    if (s <= 0)
        return;
    QPainter& p = dc.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const PageItem& item : layoutPrintPage(page, s, c)) {
        switch (item.kind) {
        case PageItemKind::HeaderLines: paintHeaderLines(dc, item, s, c); break;
        case PageItemKind::Footer: paintFooter(dc, item, s, c); break;
        case PageItemKind::NotesFrame: paintNotes(dc, item, s, c); break;
        case PageItemKind::Wheel:
            drawRadixWheel(dc, item.centre.x, item.centre.y, item.radius, c.chart, c.options);
            break;
        case PageItemKind::BiWheel:
            if (c.collation)
                drawBiWheel(dc, item.centre.x, item.centre.y, item.radius, c.chart, *c.collation, c.options);
            break;
        case PageItemKind::HeaderBox:
        case PageItemKind::Table:
            p.save();
            p.translate(item.centre.x, item.centre.y);
            drawTable(dc, item.table, item.scale, c.options);
            p.restore();
            break;
        }
    }
    p.restore();
}
