#pragma once
// The "Collation aspects" grid: the radix's bodies in rows against the second chart's bodies in
// columns, each cell the aspect of the pair in the aspect grid's cell style, under a heading
// that names both charts.
#include <QPainter>
#include <QString>

#include "Collation.h"
#include "DrawContext.h"
#include "Options.h"
#include "PositionRows.h"
#include "RadixData.h"
#include "StringTable.h"
#include "TableModel.h"

// The second chart's name as headings show it; a transit chart without a name is "Transits".
QString secondChartName(const Collation& collation, const StringTable& strings);

// Row 0 is the heading, row 1 the second chart's bodies, then one row per shown radix body;
// grid column 0 holds the row glyphs. Bodies are shown by `plans`, the South node only with
// `colloppasps`; aspects by `asps`.
TableModel collationGridTable(const RadixData& radix, const Collation& collation, const TOptions& options,
                              const StringTable& strings);

// Draws the grid with its top at `top`; returns the lowest y reached (logical units).
int drawCollationGrid(DrawContext& dc, const RadixData& radix, const Collation& collation, double scale,
                      const TOptions& options, const StringTable& strings, int top = 0);

// The positions view of a collation: the radix's positions (from `radixRows`) and beside them
// the second chart's, each under its chart's name; returns the lowest y reached (logical units).
int drawCollationPositions(DrawContext& dc, const RadixData& radix, const std::vector<PositionRow>& radixRows,
                           const Collation& collation, double scale, const TOptions& options, const StringTable& strings);
