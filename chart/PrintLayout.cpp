#include "PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace {

int at(double units, double s) { return static_cast<int>(units * s); }
PagePoint point(double x, double y, double s) { return {at(x, s), at(y, s)}; }

}  // namespace

std::vector<PrintPage> printedPages(const PrintSelection& pages) {
    std::vector<PrintPage> out;
    if (pages[PrintNotes])
        out.push_back(PrintPage::Notes);
    if (pages[PrintWheel] || pages[PrintCombined] || pages[PrintSignsHouses1] || pages[PrintSignsHouses2])
        out.push_back(PrintPage::Chart);
    if (pages[PrintPositions])
        out.push_back(PrintPage::Positions);
    if (pages[PrintAspects])
        out.push_back(PrintPage::Aspects);
    if (pages[PrintDetails])
        out.push_back(PrintPage::Details);
    return out;
}

double printScale(double printableWidth, double printableHeight) {
    if (printableWidth <= 0 || printableHeight <= 0)
        return 0;
    return std::min(printableWidth / VirtualPageWidth, printableHeight / VirtualPageHeight);
}

PageBox printableBox(double printableWidth, double printableHeight, double s) {
    const int margin = at(PageMargin, s);
    return {-margin, margin, static_cast<int>(printableWidth) - margin, margin - static_cast<int>(printableHeight)};
}

namespace {

// One try at packing with a given wheel radius and table scale; false when something does
// not fit into the area. Each table goes as high as it can (then as far left): below every
// box already placed across its width, so it never overlaps one.
bool tryPack(int radius, const std::vector<TableSize>& tables, double t, const PageBox& area, int gap,
             ChartPagePacking& out) {
    out = ChartPagePacking{};
    out.wheelRadius = radius;
    out.tableScale = t;
    out.tableAt.assign(tables.size(), PagePoint{});
    std::vector<PageBox> placed;
    int half = 0;
    if (radius > 0) {
        half = static_cast<int>(radius * WheelExtent) + 1;
        if (2 * half > area.width() || 2 * half > area.height())
            return false;
        placed.push_back({area.left, area.top, area.left + 2 * half, area.top - 2 * half});
    }
    bool beside = false;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const int w = static_cast<int>(std::ceil(tables[i].width * t)), h = static_cast<int>(std::ceil(tables[i].height * t));
        std::vector<int> candidates{area.left};
        for (const PageBox& b : placed)
            candidates.push_back(b.right + gap);
        bool found = false;
        PagePoint best;
        for (int x : candidates) {
            if (x + w > area.right)
                continue;
            int y = area.top;
            for (const PageBox& b : placed)
                if (x < b.right + gap && b.left < x + w + gap)
                    y = std::min(y, b.bottom - gap);
            if (y - h < area.bottom)
                continue;
            if (!found || y > best.y || (y == best.y && x < best.x)) {
                best = {x, y};
                found = true;
            }
        }
        if (!found)
            return false;
        out.tableAt[i] = best;
        placed.push_back({best.x, best.y, best.x + w, best.y - h});
        beside = beside || (radius > 0 && best.y > area.top - 2 * half);
    }
    if (radius > 0) {
        // With nothing beside it, the wheel stands in the middle of the page's width.
        const int cx = beside ? area.left + half : (area.left + area.right) / 2;
        out.wheelCentre = {cx, area.top - half};
    }
    return true;
}

}  // namespace

ChartPagePacking packChartPage(int radius, const std::vector<TableSize>& tables, double tableScale, const PageBox& area,
                               int gap) {
    ChartPagePacking packing;
    constexpr double Step = 0.96, LeastRadius = 0.5, LeastScale = 0.15;
    for (double t = tableScale; t >= tableScale * LeastScale; t *= Step) {
        if (radius <= 0) {
            if (tryPack(0, tables, t, area, gap, packing))
                return packing;
            continue;
        }
        for (double r = radius; r >= radius * LeastRadius; r *= Step)
            if (tryPack(static_cast<int>(r), tables, t, area, gap, packing))
                return packing;
    }
    // Nothing fits even small: the least sizes, on the page as far as they go.
    tryPack(static_cast<int>(radius * LeastRadius), tables, tableScale * LeastScale, area, gap, packing);
    return packing;
}

HeaderLayout headerLayout(double s) { return {point(10, -10, s), at(60, s), at(1420, s), point(1460, -210, s)}; }

FooterLayout footerLayout(double s) { return {point(10, -2680, s), point(1960, -3000, s), at(30, s)}; }

int tablesTop(double s) { return at(-360, s); }

TableModel detailTable(const TableModel& full, DetailMode mode) {
    if (mode == DetailMode::Whole)
        return full;
    // The separator is the narrow column before the cusps and points.
    const int columns = static_cast<int>(full.columnWidths.size());
    int separator = columns;
    for (int c = 1; c < columns; ++c)
        if (full.columnWidths[static_cast<std::size_t>(c)] < TableRowHeight / 2) {
            separator = c;
            break;
        }
    const int first = mode == DetailMode::MainGrid ? 1 : separator + 1;
    const int last = mode == DetailMode::MainGrid ? separator : columns;  // exclusive
    TableModel t;
    t.x = full.x;
    t.y = full.y;
    t.columnWidths.push_back(full.columnWidths.empty() ? 0 : full.columnWidths[0]);
    for (int c = first; c < last; ++c)
        t.columnWidths.push_back(full.columnWidths[static_cast<std::size_t>(c)]);
    auto renumber = [&](int column) { return column == 0 ? 0 : column >= first && column < last ? column - first + 1 : -1; };
    for (const TableRow& row : full.rows) {
        TableRow r;
        r.height = row.height;
        for (const TableCell& cell : row.cells) {
            const int c = renumber(cell.column);
            if (c < 0)
                continue;
            TableCell copy = cell;
            copy.column = c;
            r.cells.push_back(copy);
        }
        t.rows.push_back(r);
    }
    return t;
}

int detailsTop(double s) { return tablesTop(s); }

double fittingTableScale(int width, double scale, double room) {
    if (width <= 0 || width * scale <= room)
        return scale;
    return room / width;
}
