#pragma once
// The rows of the position table: axes, cusps, points and bodies with the astronomical
// quantities that only the table shows, computed afresh from the ephemeris.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "Options.h"
#include "RadixData.h"

// Marks a quantity the row does not have.
constexpr double NoValue = std::numeric_limits<double>::max();
// The house of a row that has none (axes, cusps).
constexpr std::uint8_t NoHouse = 255;

enum PositionRowCode : std::uint8_t {
    RowAscendant = 70, RowMC = 71, RowVertex = 72, RowEastPoint = 73, RowCoAscendant = 74, RowPolarAscendant = 75,
    RowCusp = 80,  // + cusp index 0..11
    RowGap = 254,  // half-height gap
    RowEnd = 255,  // end of a group
};

struct PositionRow {
    std::uint8_t code = RowEnd;  // 0..12 ephemeris body (10 mean node, 11 true node, 12 Lilith), or a PositionRowCode
    double lon = 0;              // radians
    double lat = NoValue;        // radians
    double ra = 0;
    double decl = 0;
    std::uint8_t house = NoHouse;  // 0..11
    double speed = NoValue;     // radians per day
    std::int8_t motion = 1;     // 1 direct, 0 stationary, -1 retrograde
    double distance = 0;        // astronomical units
    double diameter = NoValue;  // radians
    double magnitude = 0;
};
static_assert(sizeof(PositionRow) == 88);

// Four groups, each closed by an end row, then a final end row: Ascendant and MC; cusps 1, 2,
// 3, 10, 11, 12; Vertex, East Point, Co-ascendant, Polar Ascendant; Sun .. Pluto, a gap, the
// lunar node of `nodetype` and Lilith. A body the ephemeris cannot compute has no row.
void buildPositionRows(const RadixData& chart, const TOptions& options, std::vector<PositionRow>& rows);

// The body index (0..18) a body row stands for: the node rows are the North node.
inline int positionRowBody(std::uint8_t code) { return code == 11 ? 10 : code; }
