#pragma once
// What a chart table shows, apart from how it is drawn: rows of cells on a grid of columns.
// The builders of the table views fill it; drawTable puts it on a painter. Sizes are table
// units, multiplied by the table scale when drawn (a row is 100 units high).
#include <QString>
#include <cstdint>
#include <vector>

#include "ChartFonts.h"
#include "Options.h"

constexpr int TableRowHeight = 100;
constexpr int TableCellMargin = 8;    // gap between a cell's frame and the grid
constexpr int TableFrameWidth = 5;    // frame line width
constexpr int TableTextMargin = 25;   // left or right aligned text: a quarter of the row height
constexpr int TableTextHeight = 72;   // numbers and labels
constexpr int TableHeadingHeight = 62;
constexpr int TableGlyphHeight = 92;  // symbol font in cells

enum class CellAlign { Left, Centre, Right };
enum class CellFrame { None, Single, Double };
// Which colour pair fills the cell in the filled table style.
enum class CellFill { Light, Medium, Dark };

// A piece of text in one font and colour; a cell lays its runs out side by side.
struct TextRun {
    FontTemplate font = FontTemplate::TableRoman;
    int height = TableTextHeight;
    QString text;
    ColorRef colour = 0;
};

enum class CellKind {
    Runs,       // the text runs
    Body,       // a body glyph with its motion mark and dignity colour
    Longitude,  // degrees within the sign and the sign glyph
};

struct TableCell {
    int column = 0;      // first grid column
    int span = 1;        // grid columns covered
    CellKind kind = CellKind::Runs;
    std::vector<TextRun> runs;
    CellAlign align = CellAlign::Centre;
    CellFrame frame = CellFrame::Single;
    CellFill fill = CellFill::Medium;
    int body = -1;       // Body: body index 0..23
    int motion = 1;      // Body: 1 direct, 0 stationary (mark "S"), -1 retrograde (mark "R")
    double degrees = 0;  // Longitude: ecliptic longitude in degrees
    ColorRef colour = 0; // Body and Longitude: text colour
    bool applying = false;  // aspect cells: the small applying triangle

    // The whole text of the cell, for tests and for measuring.
    QString text() const;
};

struct TableRow {
    std::vector<TableCell> cells;
    int height = TableRowHeight;  // a gap row is half as high
    const TableCell* cellAt(int column) const;
};

struct TableModel {
    std::vector<int> columnWidths;  // table units
    std::vector<TableRow> rows;
    int x = 0, y = 0;               // top-left corner, table units (y up)

    int width() const;
    int height() const;
    // A cell by row and grid column, or null.
    const TableCell* cell(std::size_t row, int column) const;
};

// Helpers for the builders.
TableCell textCell(int column, const QString& text, ColorRef colour, FontTemplate font = FontTemplate::TableRoman,
                   CellAlign align = CellAlign::Centre, int height = TableTextHeight);
TableCell headingCell(int column, const QString& text, ColorRef colour, int span = 1);
