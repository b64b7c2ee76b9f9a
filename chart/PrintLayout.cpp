#include "PrintLayout.h"

#include <algorithm>

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

ChartPageLayout chartPageLayout(const PrintSelection& pages, double s) {
    ChartPageLayout l;
    l.wheel = pages[PrintWheel];
    if (l.wheel) {
        const bool small = pages[PrintSignsHouses2];
        l.wheelCentre = small ? point(850, -870, s) : point(980, -1080, s);
        l.wheelRadius = at(small ? 650 : 850, s);
    }
    l.combined = pages[PrintCombined];
    if (l.combined)
        l.combinedAt = point(10, -1650, s);
    l.signsHouses1 = pages[PrintSignsHouses1];
    if (l.signsHouses1) {
        l.table1At = point(1005, -2000, s);
        l.table3At = point(1005, -2350, s);
    }
    l.signsHouses2 = pages[PrintSignsHouses2];
    if (l.signsHouses2) {
        l.table2At = point(460, -1600, s);
        l.table4At = point(1235, -1500, s);
    }
    return l;
}

HeaderLayout headerLayout(double s) { return {point(10, -10, s), at(60, s), point(1460, -210, s)}; }

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
