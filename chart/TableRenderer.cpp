#include "TableRenderer.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <cmath>
#include <map>

#include "ChartColours.h"
#include "DrawPrimitives.h"

namespace {

class FontCache {
public:
    explicit FontCache(double scale) : m_scale(scale) {}
    const QFont& get(FontTemplate t, int height) {
        const int h = std::max(1, static_cast<int>(height * m_scale));
        auto [it, inserted] = m_fonts.try_emplace({int(t), h});
        if (inserted)
            it->second = chartFont(t, h);
        return it->second;
    }

private:
    double m_scale;
    std::map<std::pair<int, int>, QFont> m_fonts;
};

int units(double v, double scale) { return static_cast<int>(std::lround(v * scale)); }

void frameCell(QPainter& p, const Box& b, int line, const TOptions& o) {
    const int half = line / 2;
    p.setPen(flatPen(o.colors.table[0], line));
    p.drawLine(b.left + half, b.bottom, b.left + half, b.top);
    p.drawLine(b.left, b.top - half, b.right, b.top - half);
    p.setPen(flatPen(o.colors.table[1], line));
    p.drawLine(b.right - half, b.top, b.right - half, b.bottom);
    p.drawLine(b.right, b.bottom + half, b.left, b.bottom + half);
}

void drawRuns(DrawContext& dc, const TableCell& cell, const Box& box, double scale, FontCache& fonts, const TOptions& o) {
    QPainter& p = dc.painter;
    std::vector<double> widths;
    double total = 0;
    for (const TextRun& r : cell.runs) {
        const double w = QFontMetricsF(fonts.get(r.font, r.height)).horizontalAdvance(r.text);
        widths.push_back(w);
        total += w;
    }
    const int margin = units(TableTextMargin, scale);
    double x = cell.align == CellAlign::Left    ? box.left + margin
               : cell.align == CellAlign::Right ? box.right - margin - total
                                                : (box.left + box.right - total) / 2.0;
    for (std::size_t i = 0; i < cell.runs.size(); ++i) {
        const TextRun& r = cell.runs[i];
        p.setFont(fonts.get(r.font, r.height));
        p.setPen(toQColor(adaptTableColour(r.colour, o, dc.printing)));
        const Box runBox{static_cast<int>(x), box.top, static_cast<int>(x + widths[i]), box.bottom};
        Box centred = runBox;
        // Centre on the exact run width: integer boxes would drift by a unit per run.
        const int cx = static_cast<int>(std::lround(x + widths[i] / 2));
        centred.left = cx - 1000;
        centred.right = cx + 1000;
        drawCentredText(dc, 0, 0, r.text, o, &centred);
        x += widths[i];
    }
}

}  // namespace

bool tablesFilled(const TOptions& o) { return o.display.table_style == 2 && o.colors.c2_fill_main != 0; }

int drawTable(DrawContext& dc, const TableModel& table, double scale, const TOptions& o, int dx, int dy) {
    QPainter& p = dc.painter;
    p.save();
    FontCache fonts(scale);
    const bool filled = tablesFilled(o);
    std::vector<int> edges{0};
    for (int w : table.columnWidths)
        edges.push_back(edges.back() + w);
    const int x0 = table.x + dx;
    int y = table.y + dy;
    const int margin = units(TableCellMargin / 2.0, scale);
    const int line = std::max(1, units(TableFrameWidth, scale));
    for (const TableRow& row : table.rows) {
        const int top = units(y, scale), bottom = units(y - row.height, scale);
        for (const TableCell& cell : row.cells) {
            const std::size_t last = std::min(edges.size() - 1, static_cast<std::size_t>(cell.column + cell.span));
            const Box grid{units(x0 + edges[static_cast<std::size_t>(cell.column)], scale), top, units(x0 + edges[last], scale),
                           bottom};
            const Box box{grid.left + margin, grid.top - margin, grid.right - margin, grid.bottom + margin};
            if (cell.frame != CellFrame::None) {
                if (filled) {
                    const auto& pair = cell.frame == CellFrame::Double || cell.fill == CellFill::Light
                                           ? o.colors.c2_table_fill_cell_light
                                       : cell.fill == CellFill::Dark ? o.colors.c2_table_fill_cell_dark
                                                                     : o.colors.c2_table_fill_cell_medium;
                    fillGradientRect(p, box, pair[0], pair[1]);
                } else {
                    frameCell(p, box, line, o);
                    if (cell.frame == CellFrame::Double) {
                        const int in = 2 * line;
                        frameCell(p, Box{box.left + in, box.top - in, box.right - in, box.bottom + in}, line, o);
                    }
                }
            }
            switch (cell.kind) {
            case CellKind::Runs:
                drawRuns(dc, cell, box, scale, fonts, o);
                break;
            case CellKind::Body: {
                const int h = units(TableGlyphHeight, scale);
                const GlyphFonts gf{fonts.get(FontTemplate::Symbol, TableGlyphHeight),
                                    fonts.get(FontTemplate::Small, static_cast<int>(TableGlyphHeight * 0.45))};
                p.setPen(toQColor(adaptTableColour(cell.colour, o, dc.printing)));
                drawBodyGlyph(dc, 0, 0, cell.body, static_cast<int>(0.55 * h), static_cast<int>(0.2 * h), gf, nullptr, nullptr,
                              cell.motion, &box, ColourNone, o);
                break;
            }
            case CellKind::Longitude: {
                p.setFont(fonts.get(FontTemplate::TableLight, TableTextHeight));
                p.setPen(toQColor(adaptTableColour(cell.colour, o, dc.printing)));
                const int m = units(TableTextMargin, scale);
                drawDegreeSignText(dc, Box{box.left + m / 2, box.top, box.right - m / 2, box.bottom}, cell.degrees,
                                   fonts.get(FontTemplate::Symbol, TableGlyphHeight * 8 / 10), o);
                break;
            }
            }
            if (cell.applying) {
                const int t = units(24, scale), in = line;
                const QPoint corner(box.right - in, box.top - in);
                const QPoint tri[3] = {corner, corner - QPoint(t, 0), corner - QPoint(0, t)};
                p.setPen(Qt::NoPen);
                p.setBrush(toQColor(filled ? o.colors.c2_table_mark : adaptTableColour(o.colors.deftext, o, dc.printing)));
                p.drawPolygon(tri, 3);
                p.setBrush(Qt::NoBrush);
            }
        }
        y -= row.height;
    }
    p.restore();
    return y;
}
