#include "ChartTables.h"

#include <cmath>
#include <functional>

#include "AngleFormats.h"
#include "Angles.h"
#include "ChartColours.h"
#include "DrawPrimitives.h"
#include "Aspects.h"
#include "DignityState.h"
#include "GlyphCodes.h"
#include "QtText.h"
#include "StringIds.h"
#include "TableCells.h"
#include "TableRenderer.h"

namespace {

QString text(const StringTable& strings, int id) { return fromCp1250(strings[id]); }

// Cells keep the colours as chosen; the renderer adapts them to the ground it draws on.
ColorRef tableText(const TOptions& o) { return o.colors.deftext; }

TableCell longitudeCell(int column, double radians, const TOptions& o) {
    TableCell c;
    c.column = column;
    c.kind = CellKind::Longitude;
    c.degrees = radians * RadToDeg;
    c.colour = tableText(o);
    return c;
}

TableCell labelCell(int column, const QString& s, const TOptions& o) {
    TableCell c = textCell(column, s, tableText(o), FontTemplate::TableRoman);
    c.fill = CellFill::Light;
    return c;
}

TableCell numberCell(int column, const QString& s, const TOptions& o, CellFill fill = CellFill::Medium) {
    TableCell c = textCell(column, s, tableText(o), FontTemplate::TableLight, CellAlign::Right);
    c.fill = fill;
    return c;
}

void addRow(TableModel& t, std::vector<TableCell> cells, int height = TableRowHeight) {
    t.rows.push_back(TableRow{std::move(cells), height});
}

// ---- Positions -------------------------------------------------------------------------

enum PosColumn { PcSymbol, PcLongitude, PcHouse, PcLatitude, PcRA, PcDecl, PcSpeed, PcDistance, PcDiameter, PcMagnitude,
                 PcSA, PcADL, PcMD, PcAD, PcCH, PcSO, PcCount };

struct PosColumnDef {
    int heading;  // string id, 0 none
    int width;
};
constexpr PosColumnDef PosColumns[PcCount] = {
    {0, 150},
    {StrId::Longitude, 460},
    {StrId::Hse, 140},
    {StrId::Latitude, 420},
    {StrId::RightAscension, 450},
    {StrId::Declination, 420},
    {StrId::Speed, 420},
    {StrId::Distance, 330},
    {StrId::AppDiameter, 430},
    {StrId::Magnitude, 330},
    {StrId::Semiarcus, 470},
    {StrId::AscDiffLat, 470},
    {StrId::Meridiandist, 470},
    {StrId::AscDiffCusph, 470},
    {StrId::CuspHeight, 420},
    {StrId::AscDescObl, 470},
};

bool posColumnOn(int c, const TOptions& o) {
    const auto& d = o.display;
    switch (c) {
    case PcLongitude: return d.longitude;
    case PcLatitude: return d.latitude;
    case PcRA: return d.rascension & 1;
    case PcDecl: return d.declination;
    case PcSpeed: return d.speed;
    case PcDistance: return d.distance;
    case PcDiameter: return d.diameter;
    case PcMagnitude: return d.magnitude;
    case PcSA: return d.sa;
    case PcADL: return d.adl;
    case PcMD: return d.md;
    case PcAD: return d.ad;
    case PcCH: return d.ch;
    case PcSO: return d.so;
    default: return true;
    }
}

QString rowLabel(std::uint8_t code) {
    if (code == RowAscendant || code == RowMC)
        return QString::fromLatin1(axisName(code - RowAscendant));
    if (code >= RowVertex && code <= RowPolarAscendant)
        return QString::fromLatin1(axisName(AxisVertex + code - RowVertex));
    return QString::fromLatin1(houseLabel(code - RowCusp));
}

// Cells of one body row, by position column.
std::vector<TableCell> bodyRowCells(const PositionRow& row, const std::vector<int>& column, const RadixData& chart,
                                    const TOptions& o) {
    const bool dec = o.display.decimal;
    const int body = positionRowBody(row.code);
    std::vector<TableCell> cells;
    auto put = [&](int c, const QString& s) {
        if (column[static_cast<std::size_t>(c)] >= 0 && !s.isEmpty())
            cells.push_back(numberCell(column[static_cast<std::size_t>(c)], s, o));
    };
    cells.push_back(bodyCell(column[PcSymbol], body, row.motion, chart, o));
    if (column[PcLongitude] >= 0)
        cells.push_back(longitudeCell(column[PcLongitude], row.lon, o));
    if (row.house != NoHouse)
        cells.push_back(labelCell(column[PcHouse], QString::fromLatin1(houseLabel(row.house)), o));
    if (row.lat != NoValue) {
        put(PcLatitude, formatSignedAngle(row.lat * RadToDeg, dec));
        put(PcRA, formatRightAscension(row.ra * RadToDeg, o));
        put(PcDecl, formatSignedAngle(row.decl * RadToDeg, dec));
        if (row.speed != NoValue) {
            const char letter = row.motion < 0 ? 'R' : row.motion == 0 ? 'S' : ' ';
            put(PcSpeed, formatSpeed(row.speed * RadToDeg, letter, dec));
            put(PcDistance, formatDistance(row.distance));
            const bool known = row.diameter != NoValue;
            put(PcDiameter, formatDiameter(known ? row.diameter * RadToDeg : 0, known, dec));
            if (known)
                put(PcMagnitude, formatMagnitude(row.magnitude));
        }
    }
    // The semi-arc quantities belong to Sun .. Pluto and the lunar node (the true node reads
    // those of body 10).
    if (row.code <= 11) {
        const auto b = static_cast<std::size_t>(body);
        put(PcSA, QString(chart.aboveHorizon[b] ? 'D' : 'N') + formatUnsignedAngle(chart.semiArc[b] * RadToDeg, dec));
        put(PcADL, formatSignedAngle(chart.ascDiff[b] * RadToDeg, dec));
        put(PcMD, QString(chart.aboveHorizon[b] ? 'M' : 'I') + formatUnsignedAngle(chart.meridianDist[b] * RadToDeg, dec));
        put(PcAD, formatSignedAngle(chart.ascDiffPole[b] * RadToDeg, dec));
        put(PcCH, formatSignedAngle(chart.poleHeight[b] * RadToDeg, dec));
        put(PcSO, QString(chart.westernHalf[b] ? 'D' : 'A') + formatUnsignedAngle(chart.obliqueAsc[b] * RadToDeg, dec));
    }
    return cells;
}

TableModel astronomicalBlock(const RadixData& chart, const TOptions& o, const StringTable& strings) {
    TableModel t;
    t.columnWidths = {820, 520};
    const bool dec = o.display.decimal;
    const std::pair<int, QString> lines[] = {
        {StrId::SiderealTimeRAMC, formatRightAscension(chart.armc * RadToDeg, o)},
        {StrId::JulianDay, QString::asprintf("%.3f", chart.jdUT)},
        {StrId::EphemerisTimeCorr, QString::asprintf("%.5f", chart.jdET - chart.jdUT)},
        {StrId::ObliquityOfEcliptic, formatUnsignedAngle(chart.obliquity * RadToDeg, dec)},
        {StrId::Nutation, formatNutation(chart.nutationLongitude * RadToDeg, dec)},
        {StrId::Ayanamsa, formatUnsignedAngle(chart.ayanamsa * RadToDeg, dec)},
    };
    for (const auto& [id, value] : lines) {
        TableCell label = textCell(0, text(strings, id), tableText(o), FontTemplate::TableItalic, CellAlign::Left,
                                   TableHeadingHeight);
        label.fill = CellFill::Light;
        addRow(t, {label, numberCell(1, value, o)});
    }
    return t;
}

// ---- Signs and houses ------------------------------------------------------------------

struct Member {
    int glyphBody = -1;  // a body, or -1 for a label
    QString label;
    int score1 = 0, score2 = 0;
};

TableCell memberCell(int column, const std::vector<const Member*>& members, const RadixData& chart, const TOptions& o) {
    TableCell c;
    c.column = column;
    c.align = CellAlign::Left;
    for (const Member* m : members) {
        if (!c.runs.empty())
            c.runs.push_back({FontTemplate::TableRoman, TableTextHeight * 2 / 3, QStringLiteral(" "), 0});
        if (m->glyphBody >= 0)
            c.runs.push_back({FontTemplate::Symbol, TableGlyphHeight * 9 / 10, QString(QLatin1Char(bodyGlyph(m->glyphBody, o))),
                              chosenDignityColour(m->glyphBody, chart.dignityState.data(), o)});
        else
            c.runs.push_back({FontTemplate::Small, TableTextHeight, m->label, tableText(o)});
    }
    return c;
}

QString pointsText(const std::vector<const Member*>& members) {
    unsigned a = 0, b = 0;
    for (const Member* m : members) {
        a += static_cast<unsigned>(m->score1);
        b += static_cast<unsigned>(m->score2);
    }
    return QString::asprintf("%u/%u", a, b);
}

// A grid table: rows by `rowOf`, columns by `columnOf` (or no columns), with sums.
TableModel distributionGrid(const std::vector<std::pair<Member, int>>& members, int headingId, std::vector<int> rowIds,
                            std::vector<int> columnIds, int (*rowOf)(int), int (*columnOf)(int), const RadixData& chart,
                            const TOptions& o, const StringTable& strings) {
    TableModel t;
    const int nc = static_cast<int>(columnIds.size());
    // Four such tables share a view two to a row, 2010 units apart: keep each narrower.
    t.columnWidths.push_back(360);
    for (int c = 0; c < nc; ++c)
        t.columnWidths.push_back(440);
    t.columnWidths.push_back(280);
    const ColorRef ink = tableText(o);
    std::vector<TableCell> header{headingCell(0, text(strings, headingId), ink)};
    for (int c = 0; c < nc; ++c)
        header.push_back(headingCell(c + 1, text(strings, columnIds[static_cast<std::size_t>(c)]), ink));
    header.push_back(headingCell(nc + 1, text(strings, StrId::Points), ink));
    addRow(t, header);
    std::vector<std::vector<const Member*>> columnSums(static_cast<std::size_t>(nc) + 1);
    for (int r = 0; r < static_cast<int>(rowIds.size()); ++r) {
        std::vector<TableCell> cells{labelCell(0, text(strings, rowIds[static_cast<std::size_t>(r)]), o)};
        std::vector<const Member*> rowMembers;
        for (int c = 0; c < nc; ++c) {
            std::vector<const Member*> in;
            for (const auto& [m, where] : members)
                if (rowOf(where) == r && columnOf(where) == c)
                    in.push_back(&m);
            if (!in.empty())
                cells.push_back(memberCell(c + 1, in, chart, o));
            rowMembers.insert(rowMembers.end(), in.begin(), in.end());
            columnSums[static_cast<std::size_t>(c)].insert(columnSums[static_cast<std::size_t>(c)].end(), in.begin(), in.end());
        }
        cells.push_back(numberCell(nc + 1, pointsText(rowMembers), o, CellFill::Dark));
        columnSums.back().insert(columnSums.back().end(), rowMembers.begin(), rowMembers.end());
        addRow(t, cells);
    }
    std::vector<TableCell> sums{labelCell(0, text(strings, StrId::Points), o)};
    for (int c = 0; c <= nc; ++c)
        sums.push_back(numberCell(c + 1, pointsText(columnSums[static_cast<std::size_t>(c)]), o, CellFill::Dark));
    addRow(t, sums);
    return t;
}

// A list table: each row collects the members that `test` accepts.
TableModel distributionList(const std::vector<std::pair<Member, int>>& members, int headingId,
                            const std::vector<std::pair<int, std::function<bool(int)>>>& rows, const RadixData& chart,
                            const TOptions& o, const StringTable& strings) {
    TableModel t;
    t.columnWidths = {420, 900, 280};
    const ColorRef ink = tableText(o);
    if (headingId)
        addRow(t, {headingCell(0, text(strings, headingId), ink),
                   headingCell(2, text(strings, StrId::Points), ink)});
    else
        addRow(t, {headingCell(2, text(strings, StrId::Points), ink)});
    for (const auto& [id, test] : rows) {
        std::vector<const Member*> in;
        for (const auto& [m, where] : members)
            if (test(where))
                in.push_back(&m);
        std::vector<TableCell> cells{labelCell(0, text(strings, id), o)};
        if (!in.empty())
            cells.push_back(memberCell(1, in, chart, o));
        cells.push_back(numberCell(2, pointsText(in), o, CellFill::Dark));
        addRow(t, cells);
    }
    return t;
}

// ---- Aspect grids ----------------------------------------------------------------------

// The body index of an aspect point column that is a body, else -1.
int columnBody(int column) {
    const AspectPoint p = aspectPoint(column);
    return p.kind == PointKind::Body && p.index < BodyCount ? p.index : -1;
}

TableCell columnHeading(int gridColumn, int point, const RadixData& chart, const TOptions& o) {
    const AspectPoint p = aspectPoint(point);
    if (p.kind == PointKind::Body) {
        TableCell c = bodyCell(gridColumn, p.index, 1, chart, o);
        return c;
    }
    TableCell c = labelCell(gridColumn, QString::fromLatin1(p.kind == PointKind::Axis ? axisName(p.index) : houseLabel(p.index)), o);
    c.runs[0].font = FontTemplate::Small;
    c.runs[0].height = TableTextHeight * 85 / 100;
    return c;
}

// Parallel (0) or contra-parallel (1): its glyph in the symbol font; a substitute symbol font
// without that glyph gets the short name instead of an empty box.
TextRun parallelRun(int kind, int height, ColorRef colour) {
    const char glyph = parallelGlyph(kind);
    if (symbolFontHas(glyph))
        return {FontTemplate::Symbol, height, QString(QLatin1Char(glyph)), colour};
    return {FontTemplate::Small, height * 7 / 10, QString::fromLatin1(kind == 0 ? "par" : "apa"), colour};
}

std::vector<int> shownBodyRows(const RadixData& chart, const TOptions& o, int last = BodyCount - 1) {
    std::vector<int> rows;
    for (int b = 0; b <= last; ++b) {
        if (!o.display.plans[static_cast<std::size_t>(b)] || !chart.available(b))
            continue;
        if (b == BodySouthNode && !o.display.oppasps)
            continue;
        rows.push_back(b);
    }
    return rows;
}

}  // namespace

std::vector<TableModel> positionTables(const RadixData& chart, const std::vector<PositionRow>& rows, const TOptions& o,
                                       const StringTable& strings) {
    std::vector<int> column(PcCount, -1);
    TableModel main;
    for (int c = 0; c < PcCount; ++c)
        if (posColumnOn(c, o)) {
            column[static_cast<std::size_t>(c)] = static_cast<int>(main.columnWidths.size());
            main.columnWidths.push_back(PosColumns[c].width);
        }
    const ColorRef ink = tableText(o);
    std::vector<TableModel> small(3);
    for (TableModel& s : small)
        s.columnWidths = {150, 460};
    std::size_t group = 0;
    bool headerDone = false;
    for (const PositionRow& row : rows) {
        if (row.code == RowEnd) {
            ++group;
            if (group > 3)
                break;
            continue;
        }
        if (group < 3) {
            std::vector<TableCell> cells{labelCell(0, rowLabel(row.code), o), longitudeCell(1, row.lon, o)};
            cells[0].runs[0].font = FontTemplate::Small;
            addRow(small[group], cells);
            continue;
        }
        if (!headerDone) {
            std::vector<TableCell> header;
            for (int c = 0; c < PcCount; ++c)
                if (column[static_cast<std::size_t>(c)] >= 0 && PosColumns[c].heading)
                    header.push_back(headingCell(column[static_cast<std::size_t>(c)], text(strings, PosColumns[c].heading), ink));
            addRow(main, header);
            headerDone = true;
        }
        if (row.code == RowGap) {
            addRow(main, {}, TableRowHeight / 2);
            continue;
        }
        addRow(main, bodyRowCells(row, column, chart, o));
    }
    // Axes, cusps and points side by side below the main table, the data block beside them.
    const int below = -(main.height() + TableRowHeight / 2);
    int x = 0;
    for (TableModel& s : small) {
        s.x = x;
        s.y = below;
        x += s.width() + 60;
    }
    TableModel block = astronomicalBlock(chart, o, strings);
    block.x = x + 60;
    block.y = below;
    std::vector<TableModel> all{main};
    all.insert(all.end(), small.begin(), small.end());
    all.push_back(block);
    return all;
}

std::vector<TableModel> signHouseTables(const RadixData& chart, const TOptions& o, const StringTable& strings) {
    auto score = [&](int point, int k) { return int(o.scores[static_cast<std::size_t>(point)][static_cast<std::size_t>(k)]); };
    std::vector<std::pair<Member, int>> bySign, byHouse;
    for (int b = 0; b <= BodySouthNode; ++b) {
        const int point = b + 2;
        if ((score(point, 0) == 0 && score(point, 1) == 0) || !chart.available(b))
            continue;
        const Member m{b, {}, score(point, 0), score(point, 1)};
        bySign.emplace_back(m, chart.bodySign[static_cast<std::size_t>(b)]);
        byHouse.emplace_back(m, chart.bodyHouse[static_cast<std::size_t>(b)]);
    }
    for (int axis = 0; axis < 2; ++axis)
        if (score(axis, 0) != 0 || score(axis, 1) != 0)
            bySign.emplace_back(Member{-1, QString::fromLatin1(axisName(axis)), score(axis, 0), score(axis, 1)},
                                signOf(chart.axis[static_cast<std::size_t>(axis)]));
    std::vector<TableModel> tables;
    tables.push_back(distributionGrid(bySign, StrId::Signs,
                                      {StrId::SignFire, StrId::SignEarth, StrId::SignAir, StrId::SignWater},
                                      {StrId::SignCardinal, StrId::SignFixed, StrId::SignMutable},
                                      [](int s) { return s % 4; }, [](int s) { return s % 3; }, chart, o, strings));
    tables.push_back(distributionList(bySign, 0,
                                      {{StrId::Spring, [](int s) { return s / 3 == 0; }},
                                       {StrId::Summer, [](int s) { return s / 3 == 1; }},
                                       {StrId::Autumn, [](int s) { return s / 3 == 2; }},
                                       {StrId::Winter, [](int s) { return s / 3 == 3; }},
                                       {StrId::Positive, [](int s) { return s % 2 == 0; }},
                                       {StrId::Negative, [](int s) { return s % 2 == 1; }}},
                                      chart, o, strings));
    tables.push_back(distributionGrid(byHouse, StrId::Houses,
                                      {StrId::HouseFire, StrId::HouseEarth, StrId::HouseAir, StrId::HouseWater},
                                      {StrId::HouseAngle, StrId::HouseSuccedent, StrId::HouseCadent},
                                      [](int h) { return h % 4; }, [](int h) { return h % 3; }, chart, o, strings));
    tables.push_back(distributionList(byHouse, 0,
                                      {{StrId::QuadrantI, [](int h) { return h / 3 == 0; }},
                                       {StrId::QuadrantII, [](int h) { return h / 3 == 1; }},
                                       {StrId::QuadrantIII, [](int h) { return h / 3 == 2; }},
                                       {StrId::QuadrantIV, [](int h) { return h / 3 == 3; }},
                                       {StrId::Day, [](int h) { return h >= 6; }},
                                       {StrId::Night, [](int h) { return h < 6; }},
                                       {StrId::Eastern, [](int h) { return h < 3 || h >= 9; }},
                                       {StrId::Western, [](int h) { return h >= 3 && h < 9; }}},
                                      chart, o, strings));
    tables[1].x = 2010;
    tables[2].y = -800;
    tables[3].x = 2010;
    tables[3].y = -800;
    return tables;
}

std::vector<int> aspectGridColumns(const TOptions& o) {
    const auto& d = o.display;
    std::vector<int> columns;
    auto add = [&](std::initializer_list<int> points, bool on, bool opposite) {
        if (on && (!opposite || d.oppasps))
            columns.insert(columns.end(), points);
    };
    add({AspectPointAscendant, AspectPointMC}, d.plans[DisplayRowAxes], false);
    add({AspectPointDescendant, AspectPointIC}, d.plans[DisplayRowAxes], true);
    for (int b = 0; b < BodyCount; ++b)
        add({aspectPointOfBody(b)}, d.plans[static_cast<std::size_t>(b)], b == BodySouthNode);
    const std::size_t second = columns.size();
    auto addCusps = [&](int first, bool opposite) {
        static_assert(PointsPerCuspGroup == 3);
        add({first, first + 1, first + 2}, d.plans[DisplayRowCusps], opposite);
    };
    addCusps(AspectPointCusp1, false);
    addCusps(AspectPointCusp4, true);
    addCusps(AspectPointCusp7, true);
    addCusps(AspectPointCusp10, false);
    for (int p = PointVertex; p <= PointFortune; ++p)
        add({AspectPointVertex + p - PointVertex}, d.plans[static_cast<std::size_t>(p)], false);
    if (columns.size() > second)
        columns.insert(columns.begin() + static_cast<std::ptrdiff_t>(second), -1);
    return columns;
}

TableModel aspectGridTable(const RadixData& chart, const TOptions& o, AspectGridKind kind) {
    TableModel t;
    const std::vector<int> points = aspectGridColumns(o);
    t.columnWidths.push_back(150);
    for (int point : points)
        t.columnWidths.push_back(point < 0 ? 40 : kind == AspectGridKind::Details ? 180 : 100);
    std::vector<TableCell> header;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (points[i] >= 0)
            header.push_back(columnHeading(static_cast<int>(i) + 1, points[i], chart, o));
    addRow(t, header);
    const ColorRef ink = tableText(o);
    for (int b : shownBodyRows(chart, o)) {
        std::vector<TableCell> cells{bodyCell(0, b, chart.motion[static_cast<std::size_t>(b)], chart, o)};
        for (std::size_t i = 0; i < points.size(); ++i) {
            const int point = points[i];
            if (point < 0)
                continue;
            const int other = columnBody(point);
            // The main grid is a lower triangle: each pair of bodies once, in the later row.
            if (other >= 0 && other >= b)
                continue;
            if (other >= 0 && !chart.available(other))
                continue;
            const auto bi = static_cast<std::size_t>(b), pi = static_cast<std::size_t>(point);
            const int code = chart.aspectCode[bi][pi];
            const int parallel = chart.parallelCode[bi][pi];
            TableCell c;
            c.column = static_cast<int>(i) + 1;
            if (kind == AspectGridKind::Parallels) {
                if (parallel == NoParallel)
                    continue;
                c.runs.push_back(parallelRun(parallel, TableGlyphHeight, ink));
            } else if (kind == AspectGridKind::Aspects) {
                if (!aspectShown(code, o))
                    continue;
                fillAspectCell(c, code, o);
            } else {
                const double separation = chart.separation[bi][pi] * RadToDeg;
                if (aspectShown(code, o)) {
                    fillAspectCell(c, code, o);
                    c.runs.back().height = TableGlyphHeight * 8 / 10;
                    const double deviation = std::fabs(separation - aspectAngle(aspectType(static_cast<std::uint8_t>(code))));
                    c.runs.push_back({FontTemplate::TableLight, TableTextHeight * 8 / 10, QString::asprintf("%3.1f", deviation), ink});
                } else {
                    c.runs.push_back({FontTemplate::TableLight, TableTextHeight * 8 / 10, QString::asprintf("%5.1f", separation).trimmed(), ink});
                    c.fill = CellFill::Dark;
                }
                if (parallel != NoParallel)
                    c.runs.push_back(parallelRun(parallel, TableGlyphHeight * 6 / 10, ink));
            }
            cells.push_back(c);
        }
        addRow(t, cells);
    }
    return t;
}

TableModel combinedTable(const RadixData& chart, const TOptions& o, const StringTable& strings) {
    TableModel t;
    const ColorRef ink = tableText(o);
    // Label, longitude, dignity, house, a gap, then the aspect part: Asc, MC, Sun .. Pluto.
    t.columnWidths = {150, 460, 160, 140, 40, 100, 100};
    for (int b = 0; b <= 9; ++b)
        t.columnWidths.push_back(100);
    constexpr int AspectColumn = 5;
    addRow(t, {headingCell(1, text(strings, StrId::Longitude), ink)});
    for (int axis = 0; axis < 2; ++axis) {
        TableCell label = labelCell(0, QString::fromLatin1(axisName(axis)), o);
        label.runs[0].font = FontTemplate::Small;
        addRow(t, {label, longitudeCell(1, chart.axis[static_cast<std::size_t>(axis)], o)});
    }
    for (int cusp : {0, 1, 2, 9, 10, 11}) {
        TableCell label = labelCell(0, QString::fromLatin1(houseLabel(cusp)), o);
        label.runs[0].font = FontTemplate::Small;
        addRow(t, {label, longitudeCell(1, chart.cusp[static_cast<std::size_t>(cusp)], o)});
    }
    addRow(t,
           {headingCell(2, text(strings, StrId::DignityDgn), ink), headingCell(3, text(strings, StrId::Hse), ink)});
    auto bodyRow = [&](int b) {
        const auto bi = static_cast<std::size_t>(b);
        std::vector<TableCell> cells{bodyCell(0, b, chart.motion[bi], chart, o), longitudeCell(1, chart.lon[bi], o)};
        const int state = b <= 10 ? chart.dignityState[bi] : 0;
        if (state != 0)
            cells.push_back(labelCell(2, text(strings, dignityLabelId(state)), o));
        cells.push_back(labelCell(3, QString::fromLatin1(houseLabel(chart.bodyHouse[bi])), o));
        return cells;
    };
    if (chart.available(BodyNorthNode)) {
        std::vector<TableCell> cells = bodyRow(BodyNorthNode);
        for (int axis = 0; axis < 2; ++axis) {
            TableCell h = labelCell(AspectColumn + axis, QString::fromLatin1(axisName(axis)), o);
            h.runs[0].font = FontTemplate::Small;
            cells.push_back(h);
        }
        addRow(t, cells);
    }
    for (int b = 0; b <= 9; ++b) {
        if (!chart.available(b))
            continue;
        std::vector<TableCell> cells = bodyRow(b);
        const auto bi = static_cast<std::size_t>(b);
        for (int k = 0; k < 2 + b; ++k) {
            const int point = k;  // Asc 0, MC 1, then body k - 2 at point k
            const int code = chart.aspectCode[bi][static_cast<std::size_t>(point)];
            if (!aspectShown(code, o))
                continue;
            TableCell c;
            c.column = AspectColumn + k;
            fillAspectCell(c, code, o);
            cells.push_back(c);
        }
        // The body's own glyph closes its row of the triangle, as a heading for the column.
        TableCell own = bodyCell(AspectColumn + 2 + b, b, 1, chart, o);
        own.frame = CellFrame::None;
        cells.push_back(own);
        addRow(t, cells);
    }
    return t;
}

int drawPositionTable(DrawContext& dc, const RadixData& chart, const std::vector<PositionRow>& rows, double scale,
                      const TOptions& o, const StringTable& strings) {
    int low = 0;
    for (const TableModel& t : positionTables(chart, rows, o, strings))
        low = std::min(low, drawTable(dc, t, scale, o));
    return static_cast<int>(low * scale);
}

int drawSignHouseTables(DrawContext& dc, const RadixData& chart, double scale, const TOptions& o, const StringTable& strings) {
    int low = 0;
    for (const TableModel& t : signHouseTables(chart, o, strings))
        low = std::min(low, drawTable(dc, t, scale, o));
    return static_cast<int>(low * scale);
}

int drawAspectGrid(DrawContext& dc, const RadixData& chart, double scale, const TOptions& o, bool parallels, int top) {
    TableModel t = aspectGridTable(chart, o, parallels ? AspectGridKind::Parallels : AspectGridKind::Aspects);
    t.y = scale > 0 ? static_cast<int>(top / scale) : 0;
    return static_cast<int>(drawTable(dc, t, scale, o) * scale);
}

int drawAspectDetails(DrawContext& dc, const RadixData& chart, double scale, const TOptions& o) {
    return static_cast<int>(drawTable(dc, aspectGridTable(chart, o, AspectGridKind::Details), scale, o) * scale);
}

int drawCombinedTable(DrawContext& dc, const RadixData& chart, double scale, const TOptions& o, const StringTable& strings) {
    return static_cast<int>(drawTable(dc, combinedTable(chart, o, strings), scale, o) * scale);
}
