#include "Aspects.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>

#include "Angles.h"
#include "AspectKernel.h"
#include "Houses.h"
#include "Options.h"
#include "RadixData.h"

namespace {

constexpr double Angles[AspectSearchCount] = {0, 30, 45, 60, 72, 90, 120, 135, 144, 150, 180, 15, 75, 105, 165, 40, 80, 160};
constexpr int Complements[AspectSearchCount] = {10, 9, 7, 6, -1, 5, 3, 2, -1, 1, 0, 14, 13, 12, 11, -1, -1, -1};
constexpr int OrbClasses[AspectPointCount] = {
    OrbAsc, OrbMC, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, OrbNodes,       // 0..12
    OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps,     // 13..18
    OrbNodes,                                                       // 19 Lilith
    OrbAsteroids, OrbAsteroids, OrbAsteroids, OrbAsteroids, OrbAsteroids, OrbAsteroids,  // 20..25
    OrbOther, OrbOther, OrbOther, OrbOther, OrbOther,               // 26..30
    OrbAsc, OrbMC, OrbNodes,                                        // 31..33
    OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps,     // 34..39
};

}  // namespace

// Chart longitudes lie in [0, 2π), so one fold does; anything else takes the full reduction.
double separationDegrees(double a, double b) {
    double d = std::fabs(a - b);
    if (d >= TwoPi)
        d = normalizeRadians(d);
    if (d > std::numbers::pi)
        d = TwoPi - d;
    return d * RadToDeg;
}

int copiedAspectPoint(int houseSystem, int i) {
    const bool ascCopied = houseSystem != HouseIndian && houseSystem != HouseVehlow;
    const bool mcCopied = ascCopied && houseSystem != HouseEqual;
    if (ascCopied && (i == AspectPointCusp1 || i == AspectPointCusp7))
        return i == AspectPointCusp1 ? AspectPointAscendant : AspectPointDescendant;
    if (mcCopied && (i == AspectPointCusp10 || i == AspectPointCusp4))
        return i == AspectPointCusp10 ? AspectPointMC : AspectPointIC;
    return -1;
}

bool aspectPointAvailable(const RadixData& r, int point) {
    if (point >= AspectPointVertex && point < FirstOppositePoint)
        return r.available(PointVertex + point - AspectPointVertex);
    const int body = bodyOfAspectPoint(point);
    return body < 0 || r.available(body);
}

double aspectAngle(int aspect) {
    return Angles[aspect];
}

int aspectComplement(int aspect) {
    return Complements[aspect];
}

int orbClass(int point) {
    return OrbClasses[point];
}

int aspectPointOfBody(int body) {
    if (body <= BodyNorthNode)
        return AspectPointSun + body;
    if (body == BodySouthNode)
        return AspectPointSouthNode;
    return AspectPointLilith + body - BodyLilith;
}

AspectPoint aspectPoint(int column) {
    // The first cusp of each group of three: cusps 1, 10, 7 and 4 (0-based 0, 9, 6, 3).
    constexpr int Cusp1 = 0, Cusp4 = 3, Cusp7 = 6, Cusp10 = 9;
    if (column < AspectPointSun)
        return {PointKind::Axis, column == AspectPointAscendant ? AxisAscendant : AxisMC};
    if (column < AspectPointCusp1)
        return {PointKind::Body, column - AspectPointSun};
    if (column < AspectPointCusp10)
        return {PointKind::Cusp, Cusp1 + column - AspectPointCusp1};
    if (column < AspectPointLilith)
        return {PointKind::Cusp, Cusp10 + column - AspectPointCusp10};
    if (column < FirstOppositePoint)
        return {PointKind::Body, BodyLilith + column - AspectPointLilith};
    if (column < AspectPointSouthNode)
        return {PointKind::Axis, column == AspectPointDescendant ? AxisDescendant : AxisIC};
    if (column == AspectPointSouthNode)
        return {PointKind::Body, BodySouthNode};
    if (column < AspectPointCusp4)
        return {PointKind::Cusp, Cusp7 + column - AspectPointCusp7};
    return {PointKind::Cusp, Cusp4 + column - AspectPointCusp4};
}

int bodyOfAspectPoint(int point) {
    const AspectPoint p = aspectPoint(point);
    return p.kind == PointKind::Body && p.index <= BodyVesta ? p.index : -1;
}

int oppositeAspectPoint(int point) {
    static constexpr int opposite[AspectPointCount - FirstOppositePoint] = {
        AspectPointAscendant, AspectPointMC, AspectPointNorthNode,
        AspectPointCusp1, AspectPointCusp1 + 1, AspectPointCusp1 + 2,
        AspectPointCusp10, AspectPointCusp10 + 1, AspectPointCusp10 + 2};
    return point >= FirstOppositePoint && point < AspectPointCount ? opposite[point - FirstOppositePoint] : -1;
}

double aspectPointLongitude(const RadixData& r, int point) {
    const AspectPoint p = aspectPoint(point);
    const auto i = static_cast<std::size_t>(p.index);
    return p.kind == PointKind::Axis ? r.axis[i] : p.kind == PointKind::Cusp ? r.cusp[i] : r.lon[i];
}

double aspectPointDeclination(const RadixData& r, int point) {
    const AspectPoint p = aspectPoint(point);
    const auto i = static_cast<std::size_t>(p.index);
    return p.kind == PointKind::Axis ? r.axisDecl[i] : p.kind == PointKind::Cusp ? r.cuspDecl[i] : r.decl[i];
}

void findAspects(RadixData& r, const TOptions& options, double factor) {
    const AspectPointSet points = aspectPointSet(r, PointMotion::Moving);
    searchAspects(points, points, {options.orbises, factor, AspectPairs::OneChart}, aspectTablesOf(r));
}
