#include "TableModel.h"

#include <numeric>

QString TableCell::text() const {
    QString s;
    for (const TextRun& r : runs)
        s += r.text;
    return s;
}

const TableCell* TableRow::cellAt(int column) const {
    for (const TableCell& c : cells)
        if (c.column == column)
            return &c;
    return nullptr;
}

int TableModel::width() const { return std::accumulate(columnWidths.begin(), columnWidths.end(), 0); }

int TableModel::height() const {
    int h = 0;
    for (const TableRow& r : rows)
        h += r.height;
    return h;
}

const TableCell* TableModel::cell(std::size_t row, int column) const {
    return row < rows.size() ? rows[row].cellAt(column) : nullptr;
}

TableCell textCell(int column, const QString& text, ColorRef colour, FontTemplate font, CellAlign align, int height) {
    TableCell c;
    c.column = column;
    c.runs.push_back({font, height, text, colour});
    c.align = align;
    return c;
}

TableCell headingCell(int column, const QString& text, ColorRef colour, int span) {
    TableCell c = textCell(column, text, colour, FontTemplate::TableItalic, CellAlign::Centre, TableHeadingHeight);
    c.span = span;
    c.fill = CellFill::Light;
    return c;
}
