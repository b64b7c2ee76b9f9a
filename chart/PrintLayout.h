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

// The chart page: the wheel, the combined table and the distribution tables, each present when
// its entry is on. The wheel shrinks to make room when the second distribution tables print.
struct ChartPageLayout {
    bool wheel = false;
    PagePoint wheelCentre;
    int wheelRadius = 0;
    bool combined = false;
    PagePoint combinedAt;
    bool signsHouses1 = false;
    PagePoint table1At, table3At;
    bool signsHouses2 = false;
    PagePoint table2At, table4At;
};
ChartPageLayout chartPageLayout(const PrintSelection& pages, double s);

// Where the page header puts its parts: the personal lines and the two-row box of house
// system and sidereal time.
struct HeaderLayout {
    PagePoint linesAt;
    int lineHeight = 0;
    PagePoint boxAt;
};
HeaderLayout headerLayout(double s);

// The footer's box, from its top-left to its bottom-right corner, and its font height.
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
