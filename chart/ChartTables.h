#pragma once
// The table views of a chart: what each shows (as table models, testable as data) and the
// renderers that draw them at a table scale in y-up logical units from (0, 0) downward.
#include <QPainter>
#include <vector>

#include "DrawContext.h"
#include "Options.h"
#include "PositionRows.h"
#include "RadixData.h"
#include "StringTable.h"
#include "TableModel.h"

// Positions view: the position table (header and bodies), below it the axes, the cusps and
// the points side by side, and the astronomical data block beside them.
std::vector<TableModel> positionTables(const RadixData& chart, const std::vector<PositionRow>& rows,
                                       const TOptions& options, const StringTable& strings);
// Signs and houses view: signs by element and quality, by season and polarity; houses by
// element and quality, by quadrant and hemisphere.
std::vector<TableModel> signHouseTables(const RadixData& chart, const TOptions& options, const StringTable& strings);

enum class AspectGridKind { Aspects, Parallels, Details };
TableModel aspectGridTable(const RadixData& chart, const TOptions& options, AspectGridKind kind);
TableModel combinedTable(const RadixData& chart, const TOptions& options, const StringTable& strings);

// The columns of the aspect grids, in order: aspect point codes of the shown columns, with a
// negative entry where the second grid (cusps and points) begins.
std::vector<int> aspectGridColumns(const TOptions& options);

// Renderers: each returns the lowest y reached, in logical units.
int drawPositionTable(DrawContext& dc, const RadixData& chart, const std::vector<PositionRow>& rows, double scale,
                      const TOptions& options, const StringTable& strings);
int drawSignHouseTables(DrawContext& dc, const RadixData& chart, double scale, const TOptions& options,
                        const StringTable& strings);
// The aspect grid with its top at `top` (logical units); with `parallels`, the parallel grid instead.
int drawAspectGrid(DrawContext& dc, const RadixData& chart, double scale, const TOptions& options, bool parallels, int top = 0);
int drawAspectDetails(DrawContext& dc, const RadixData& chart, double scale, const TOptions& options);
int drawCombinedTable(DrawContext& dc, const RadixData& chart, double scale, const TOptions& options,
                      const StringTable& strings);
