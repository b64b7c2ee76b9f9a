#pragma once
// Indices that order the arrays of a computed chart, and the ephemeris body behind each body.
#include <cstdint>

#include "StringIds.h"

constexpr int BodyCount = 19;      // 0 Sun .. 9 Pluto, 10 North node, 11 South node, 12 Lilith, 13 Chiron .. 18 Vesta
constexpr int ChartPointCount = 24;  // the bodies and 19 Vertex, 20 East Point, 21 Co-ascendant, 22 Polar Ascendant, 23 Fortune
constexpr int AxisCount = 8;       // Asc, MC, Vertex, East Point, Co-ascendant, Polar Ascendant, Desc, IC
constexpr int CuspCount = 12;
constexpr int AspectPointCount = 40;   // the chart points of the aspect search
constexpr int DignityStateCount = 11;  // bodies 0..10 have a dignity state

enum BodyIndex : int {
    BodySun = 0, BodyMoon = 1, BodyMercury = 2, BodyPluto = 9,
    BodyNorthNode = 10, BodySouthNode = 11, BodyLilith = 12, BodyChiron = 13, BodyPholus = 14, BodyVesta = 18,
    PointVertex = 19, PointEastPoint = 20, PointCoAscendant = 21, PointPolarAscendant = 22, PointFortune = 23,
};

enum AxisIndex : int {
    AxisAscendant = 0, AxisMC = 1, AxisVertex = 2, AxisEastPoint = 3, AxisCoAscendant = 4,
    AxisPolarAscendant = 5, AxisDescendant = 6, AxisIC = 7,
};

// The ephemeris body number asked for body `body` (not for the South node, which is derived
// from the North node): the true node when `nodetype` is 1, else the mean node.
constexpr int ephemerisBodyOf(int body, std::uint8_t nodetype) {
    if (body <= BodyPluto)
        return body;
    if (body == BodyNorthNode)
        return nodetype == 1 ? 11 : 10;
    if (body == BodyLilith)
        return 12;
    return body + 2;  // Chiron 15 .. Vesta 20
}

// String id of the display name of a body or point 0..23 (710 and 711 are both "Lunar Node").
constexpr int chartPointNameId(int index) {
    if (index == BodySouthNode)
        return StrId::TrueNode;
    if (index <= BodyVesta)
        return StrId::Sun + ephemerisBodyOf(index, 0);
    if (index == PointFortune)
        return StrId::Fortune;
    return StrId::Vertex + (index - PointVertex);
}
// Names read by offset must stay one after the other in the string table.
static_assert(chartPointNameId(BodyVesta) == StrId::Vesta && chartPointNameId(PointEastPoint) == StrId::EastPoint &&
              chartPointNameId(PointCoAscendant) == StrId::CoAscendant);
