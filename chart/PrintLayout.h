#pragma once
// Where everything goes on a printed page, as plain numbers. Pages are laid out on a virtual
// A4 sheet of 2100 x 2970 units (0.1 mm, y up, downward positions negative) and scaled by s to
// the printable area of the paper; every position below is already multiplied by s.
#include <array>
#include <vector>

#include "Options.h"
#include "TableModel.h"

constexpr int VirtualPageWidth = 2100;
constexpr int VirtualPageHeight = 2970;
constexpr int PageMargin = 60;  // left and top margin of every page, before scaling

// Entries of the page selection, by the check box they belong to.
enum PrintEntry : int {
    PrintNotes = 0,
    PrintWheel = 1,
    PrintCombined = 2,
    PrintSignsHouses1 = 3,
    PrintSignsHouses2 = 4,
    PrintPositions = 5,
    PrintAspects = 6,
    PrintDetails = 7,
    PrintSpecialPoints = 8,  // stored, but no page prints it
};
// The entries that the print dialog offers (0..8); the later ones are kept as they are.
constexpr int OfferedPrintEntries = 9;

enum class PrintPage { Notes, Chart, Positions, Aspects, Details };
using PrintSelection = std::array<bool, PrintPageCount>;

// The pages a selection prints, in print order: notes, chart, positions, aspects, details.
std::vector<PrintPage> printedPages(const PrintSelection& pages);

// The scale of the virtual page on a printable area of the given size (0.1 mm): the smaller of
// the two ratios, so that the whole page always fits (letter paper included).
double printScale(double printableWidth, double printableHeight);

struct PagePoint {
    int x = 0, y = 0;
    bool operator==(const PagePoint&) const = default;
};

// A box on the page in page units, y up (top above bottom).
struct PageBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return top - bottom; }
    // Boxes that only touch along an edge do not intersect.
    bool intersects(const PageBox& o) const {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
    bool contains(const PageBox& o) const {
        return o.left >= left && o.right <= right && o.top <= top && o.bottom >= bottom;
    }
    bool operator==(const PageBox&) const = default;
};

// The part of the page that the printer can reach, in page units: the page's origin lies
// PageMargin x s inside the top-left corner of a printable area of the given size (0.1 mm).
PageBox printableBox(double printableWidth, double printableHeight, double s);

// The wheel's sign glyphs and the bi-wheel's outer labels stand a little outside the radius.
constexpr double WheelExtent = 1.03;
// The chart page's wheel radius when nothing else needs the room; with tables it shrinks.
constexpr int ChartWheelRadius = 850;
// The least gap between two things on a page, before scaling.
constexpr int PageGap = 30;

// The chart page's content packed into `area`: the wheel (when `radius` > 0) at the top, the
// tables (width and height in table units, in order) beside it where they fit, the rest in
// rows below it. The wheel shrinks, and then the tables, until everything fits.
struct ChartPagePacking {
    PagePoint wheelCentre;
    int wheelRadius = 0;
    double tableScale = 0;
    std::vector<PagePoint> tableAt;  // top-left corners
};
struct TableSize {
    int width = 0, height = 0;
};
ChartPagePacking packChartPage(int radius, const std::vector<TableSize>& tables, double tableScale, const PageBox& area,
                               int gap);

// Where the page header puts its parts: the personal lines and the two-row box of house
// system and sidereal time; the lines stop short of the box.
struct HeaderLayout {
    PagePoint linesAt;
    int lineHeight = 0;
    int linesWidth = 0;
    PagePoint boxAt;
};
HeaderLayout headerLayout(double s);

// The footer's box, from its top-left to its bottom-right corner, and its font height; the
// page's content ends above its top.
struct FooterLayout {
    PagePoint topLeft, bottomRight;
    int fontHeight = 0;
};
FooterLayout footerLayout(double s);

// The top of the tables of the positions and aspects pages.
int tablesTop(double s);

// The detailed aspect tables of the detailed aspects page: with the opposite points (mode 1
// and 2) the grid is split in two tables one below the other, the axes and bodies first, the
// cusps and points below; without them (mode 3) one table holds every column.
enum class DetailMode { MainGrid = 1, CuspsAndPoints = 2, Whole = 3 };
// The columns of `full` (an aspect grid: label column 0, a narrow separator column before the
// second grid) that a mode keeps, renumbered from 0; the label column always stays.
TableModel detailTable(const TableModel& full, DetailMode mode);

// The table scale at which a table of `width` table units fits into `room` logical units:
// `scale`, or less when the table would be wider (a page never cuts a table off).
double fittingTableScale(int width, double scale, double room);

// The top of the detailed aspect tables: the first row of the first table just below the
// page header, where the other pages' tables begin too.
int detailsTop(double s);
