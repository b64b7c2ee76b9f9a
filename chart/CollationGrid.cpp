#include "CollationGrid.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Angles.h"
#include "Aspects.h"
#include "ChartTables.h"
#include "GlyphCodes.h"
#include "QtText.h"
#include "StringIds.h"
#include "TableCells.h"
#include "TableRenderer.h"

namespace {

constexpr int GridCellWidth = 180;  // a glyph and its orb
constexpr int PlansAxesEntry = 24;  // the display list's entry for the Ascendant and MC

std::vector<int> gridBodies(const RadixData& chart, const TOptions& o) {
    std::vector<int> bodies;
    for (int b = 0; b < BodyCount; ++b)
        if (o.display.plans[static_cast<std::size_t>(b)] && chart.available(b) &&
            (b != BodySouthNode || o.display.colloppasps))
            bodies.push_back(b);
    return bodies;
}

QString chartName(const RadixData& chart) {
    return fromCp1250(std::string_view(chart.name.data(), strnlen(chart.name.data(), chart.name.size())));
}

}  // namespace

QString secondChartName(const Collation& collation, const StringTable& strings) {
    const QString name = chartName(collation.second);
    if (name.trimmed().isEmpty() && collation.kind == CollationKind::Transit)
        return fromCp1250(strings[StrId::CollationTransitsName]);
    return name;
}

TableModel collationGridTable(const RadixData& radix, const Collation& collation, const TOptions& o,
                              const StringTable& strings) {
    TableModel t;
    const std::vector<int> rows = gridBodies(radix, o);
    // The second chart's columns as aspect points: its Asc and MC first, as in the aspect grid.
    std::vector<int> points;
    if (o.display.plans[PlansAxesEntry])
        points.insert(points.end(), {AspectPointAscendant, AspectPointMC});
    for (int b : gridBodies(collation.second, o))
        points.push_back(aspectPointOfBody(b));
    t.columnWidths.push_back(150);
    for (std::size_t i = 0; i < points.size(); ++i)
        t.columnWidths.push_back(GridCellWidth);
    const ColorRef ink = o.colors.deftext;
    const QString heading = QStringLiteral("%1:  %2  \u2013  %3")
                                .arg(fromCp1250(strings[StrId::CollationAspects]), chartName(radix),
                                     secondChartName(collation, strings));
    t.rows.push_back(TableRow{{headingCell(0, heading, ink, static_cast<int>(t.columnWidths.size()))}});
    std::vector<TableCell> header;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        const AspectPoint point = aspectPoint(points[i]);
        if (point.kind == PointKind::Axis) {
            TableCell c = textCell(column, QString::fromLatin1(axisName(point.index)), ink, FontTemplate::Small);
            c.runs[0].height = TableTextHeight * 85 / 100;
            c.fill = CellFill::Light;
            header.push_back(c);
        } else {
            // As in the aspect grid, the column glyphs go without motion marks: a narrow column has no room.
            header.push_back(bodyCell(column, point.index, 1, collation.second, o));
        }
    }
    t.rows.push_back(TableRow{header});
    const CrossAspectTables& table = collation.aspects.radixToSecond;
    for (int b : rows) {
        std::vector<TableCell> cells{bodyCell(0, b, radix.motion[static_cast<std::size_t>(b)], radix, o)};
        const auto bi = static_cast<std::size_t>(b);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto pi = static_cast<std::size_t>(points[i]);
            const int code = table.aspectCode[bi][pi];
            if (!aspectShown(code, o))
                continue;
            TableCell c;
            c.column = static_cast<int>(i) + 1;
            fillAspectCell(c, code, o);
            // The orb beside the glyph, as the detailed aspect grid shows it.
            c.runs.back().height = TableGlyphHeight * 8 / 10;
            const double orb = std::fabs(table.separation[bi][pi] * RadToDeg - aspectAngle(aspectType(static_cast<std::uint8_t>(code))));
            c.runs.push_back({FontTemplate::TableLight, TableTextHeight * 8 / 10, QString::asprintf("%3.1f", orb), ink});
            cells.push_back(c);
        }
        t.rows.push_back(TableRow{cells});
    }
    return t;
}

int drawCollationGrid(DrawContext& dc, const RadixData& radix, const Collation& collation, double scale,
                      const TOptions& o, const StringTable& strings, int top) {
    TableModel t = collationGridTable(radix, collation, o, strings);
    t.y = scale > 0 ? static_cast<int>(top / scale) : 0;
    return static_cast<int>(drawTable(dc, t, scale, o) * scale);
}

int drawCollationPositions(DrawContext& dc, const RadixData& radix, const std::vector<PositionRow>& radixRows,
                           const Collation& collation, double scale, const TOptions& o, const StringTable& strings) {
    std::vector<PositionRow> secondRows;
    buildPositionRows(collation.second, o, secondRows);
    const struct {
        const RadixData& chart;
        const std::vector<PositionRow>& rows;
        QString name;
    } sides[] = {{radix, radixRows, chartName(radix)}, {collation.second, secondRows, secondChartName(collation, strings)}};
    int x = 0, low = 0;
    for (const auto& side : sides) {
        const std::vector<TableModel> tables = positionTables(side.chart, side.rows, o, strings);
        int width = 0;
        for (const TableModel& t : tables)
            width = std::max(width, t.x + t.width());
        TableModel title;
        title.columnWidths = {width};
        title.rows.push_back(TableRow{{headingCell(0, side.name, o.colors.deftext)}});
        low = std::min(low, drawTable(dc, title, scale, o, x, 0));
        for (const TableModel& t : tables)
            low = std::min(low, drawTable(dc, t, scale, o, x, -TableRowHeight));
        x += width + TableRowHeight;
    }
    return static_cast<int>(low * scale);
}
