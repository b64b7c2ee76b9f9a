#include "CollationGrid.h"

#include <cstring>

#include "Aspects.h"
#include "QtText.h"
#include "StringIds.h"
#include "TableCells.h"
#include "TableRenderer.h"

namespace {

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
    const std::vector<int> columns = gridBodies(collation.second, o);
    t.columnWidths.push_back(150);
    for (std::size_t i = 0; i < columns.size(); ++i)
        t.columnWidths.push_back(100);
    const ColorRef ink = o.colors.deftext;
    const QString heading = QStringLiteral("%1:  %2  \u2013  %3")
                                .arg(fromCp1250(strings[StrId::CollationAspects]), chartName(radix),
                                     secondChartName(collation, strings));
    t.rows.push_back(TableRow{{headingCell(0, heading, ink, static_cast<int>(t.columnWidths.size()))}});
    std::vector<TableCell> header;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        // As in the aspect grid, the column glyphs go without motion marks: a narrow column has no room.
        header.push_back(bodyCell(static_cast<int>(i) + 1, columns[i], 1, collation.second, o));
    }
    t.rows.push_back(TableRow{header});
    const CrossAspectTables& table = collation.aspects.radixToSecond;
    for (int b : rows) {
        std::vector<TableCell> cells{bodyCell(0, b, radix.motion[static_cast<std::size_t>(b)], radix, o)};
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int code = table.aspectCode[static_cast<std::size_t>(b)][static_cast<std::size_t>(aspectPointOfBody(columns[i]))];
            if (!aspectShown(code, o))
                continue;
            TableCell c;
            c.column = static_cast<int>(i) + 1;
            fillAspectCell(c, code, o);
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
