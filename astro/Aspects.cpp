#include "Aspects.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>

#include "Angles.h"
#include "Houses.h"
#include "Options.h"
#include "RadixData.h"

namespace {

constexpr double Angles[AspectSearchCount] = {0, 30, 45, 60, 72, 90, 120, 135, 144, 150, 180, 15, 75, 105, 165, 40, 80, 160};
constexpr int Complements[AspectSearchCount] = {10, 9, 7, 6, -1, 5, 3, 2, -1, 1, 0, 14, 13, 12, 11, -1, -1, -1};
constexpr std::uint32_t WithoutComplementMask = 1u << 4 | 1u << 8 | 1u << 15 | 1u << 16 | 1u << 17;
constexpr int OrbClasses[AspectPointCount] = {
    OrbAsc, OrbMC, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, OrbNodes,       // 0..12
    OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps,     // 13..18
    OrbNodes,                                                       // 19 Lilith
    OrbAsteroids, OrbAsteroids, OrbAsteroids, OrbAsteroids, OrbAsteroids, OrbAsteroids,  // 20..25
    OrbOther, OrbOther, OrbOther, OrbOther, OrbOther,               // 26..30
    OrbAsc, OrbMC, OrbNodes,                                        // 31..33
    OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps, OrbCusps,     // 34..39
};


void copyPair(RadixData& r, int k, int to, int from) {
    r.aspectCode[k][to] = r.aspectCode[k][from];
    r.separation[k][to] = r.separation[k][from];
    r.exactAspect[k][to] = r.exactAspect[k][from];
    r.parallelCode[k][to] = r.parallelCode[k][from];
}

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
    if (ascCopied && (i == 13 || i == 34))
        return i == 13 ? 0 : 31;
    if (mcCopied && (i == 16 || i == 37))
        return i == 16 ? 1 : 32;
    return -1;
}

std::uint8_t aspectWithStrength(int j, double w, double orb) {
    auto code = static_cast<std::uint8_t>(j);
    if (std::fabs(w) < orb * 0.25)
        code |= AspectWithinQuarter;
    else if (std::fabs(w) < orb * 0.75)
        code |= AspectWithinThreeQuarters;
    return code;
}

std::uint8_t parallelOf(const TOptions& options, int classK, int classI, double declK, double declI) {
    const int kind = (declK < 0) != (declI < 0) ? ContraParallel : Parallel;
    const int row = AspectParallel + kind;
    const double orb = options.orbises[row][classK] + options.orbises[row][classI];
    return orb > std::fabs(std::fabs(declK) - std::fabs(declI)) * RadToDeg ? static_cast<std::uint8_t>(kind)
                                                                            : std::uint8_t(NoParallel);
}

bool aspectPointAvailable(const RadixData& r, int point) {
    if (point >= 26 && point <= 30)
        return r.available(PointVertex + point - 26);
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
        return body + 2;
    if (body == BodySouthNode)
        return 33;
    return body + 7;
}

AspectPoint aspectPoint(int column) {
    if (column <= 1)
        return {PointKind::Axis, column};
    if (column <= 12)
        return {PointKind::Body, column - 2};
    if (column <= 15)
        return {PointKind::Cusp, column - 13};
    if (column <= 18)
        return {PointKind::Cusp, column - 7};
    if (column <= 30)
        return {PointKind::Body, column - 7};
    if (column <= 32)
        return {PointKind::Axis, column - 25};
    if (column == 33)
        return {PointKind::Body, 11};
    if (column <= 36)
        return {PointKind::Cusp, column - 28};
    return {PointKind::Cusp, column - 34};
}

int bodyOfAspectPoint(int point) {
    const AspectPoint p = aspectPoint(point);
    return p.kind == PointKind::Body && p.index <= BodyVesta ? p.index : -1;
}

int oppositeAspectPoint(int point) {
    static constexpr int opposite[9] = {0, 1, 12, 13, 14, 15, 16, 17, 18};
    return point >= 31 && point <= 39 ? opposite[point - 31] : -1;
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
    // The orbs by orb class and aspect ([class][aspect]), so that one pair reads two rows.
    std::array<std::array<double, AspectSearchCount>, OrbClassCount> orbs;
    for (int c = 0; c < OrbClassCount; ++c)
        for (int j = 0; j < AspectSearchCount; ++j)
            orbs[c][j] = options.orbises[j][c];

    // For each whole degree of separation, the aspects that any pair's orbs could reach from
    // it: most pairs then test one or two aspects instead of eighteen.
    double widest = 0.0;
    for (const auto& row : orbs)
        for (double orb : row)
            widest = std::max(widest, orb);  // NaN orbs never match and widen nothing
    double window = 2.0 * widest * factor;
    window = window >= 0.0 ? std::min(window, 180.0) : 0.0;
    std::array<std::uint32_t, 181> candidates{};
    for (int j = 0; j < AspectSearchCount; ++j) {
        const int from = std::max(0, int(std::floor(Angles[j] - window)) - 1);
        const int to = std::min(180, int(std::ceil(Angles[j] + window)));
        for (int d = from; d <= to; ++d)
            candidates[d] |= 1u << j;
    }

    // The 40 points gathered once: the search visits each of them up to 19 times.
    std::array<double, AspectPointCount> pointLon, pointDecl, pointLater;
    std::array<int, AspectPointCount> pointBody, pointClass;
    std::array<bool, AspectPointCount> pointAvailable;
    for (int i = 0; i < AspectPointCount; ++i) {
        pointLon[i] = aspectPointLongitude(r, i);
        pointDecl[i] = aspectPointDeclination(r, i);
        pointBody[i] = bodyOfAspectPoint(i);
        pointClass[i] = orbClass(i);
        pointAvailable[i] = aspectPointAvailable(r, i);
        // Axes, cusps and the derived points count as fixed over the short step.
        pointLater[i] = pointBody[i] >= 0 ? r.lonLater[pointBody[i]] : pointLon[i];
    }

    for (int k = 0; k < BodyCount; ++k) {
        const int classK = orbClass(aspectPointOfBody(k));
        const double lonK = r.lon[k];
        const double laterK = r.lonLater[k];
        const double declK = r.decl[k];
        const bool availableK = r.available(k);
        for (int i = 0; i < AspectPointCount; ++i) {
            const int bodyI = pointBody[i];
            if (bodyI >= k)
                continue;  // not searched: see aspectPairSearched

            // Cusps 1, 7 (and 10, 4) coincide with the axes in most systems.
            if (const int axis = copiedAspectPoint(r.houseSystemUsed, i); axis >= 0) {
                copyPair(r, k, i, axis);
                continue;
            }

            std::uint8_t& code = r.aspectCode[k][i];
            std::uint8_t& exact = r.exactAspect[k][i];
            code = AspectNone;
            exact = 0;
            r.parallelCode[k][i] = NoParallel;
            if (!availableK || !pointAvailable[i]) {
                r.separation[k][i] = 0;
                continue;
            }

            // The distance is kept for every searched pair.
            const double sep = separationDegrees(lonK, pointLon[i]);
            r.separation[k][i] = sep * DegToRad;

            // Derived from the opposite partner: the South node from the North node, any body
            // with the points 31..39 from the point opposite. The North node's own pair with the
            // South node is never searched, so it is searched directly below.
            bool derivedPair = false;
            std::uint8_t source = AspectNone, sourceExact = 0;
            if (k == BodySouthNode && bodyI != BodyNorthNode) {
                derivedPair = true;
                source = r.aspectCode[BodyNorthNode][i];
                sourceExact = r.exactAspect[BodyNorthNode][i];
            } else if (k != BodySouthNode && i >= 31) {
                derivedPair = true;
                const int from = oppositeAspectPoint(i);
                source = r.aspectCode[k][from];
                sourceExact = r.exactAspect[k][from];
            }
            if (source != AspectNone && Complements[source & AspectIndexMask] >= 0) {
                code = static_cast<std::uint8_t>(Complements[source & AspectIndexMask] | (source & 0xE0));
                exact = sourceExact;
            }

            // Direct search: the first aspect within its orb, not the closest. Only the
            // aspects near the separation are tested, lowest index first.
            if (code == AspectNone) {
                const double* orbK = orbs[classK].data();
                const double* orbI = orbs[pointClass[i]].data();
                std::uint32_t near = candidates[sep >= 0.0 && sep < 181.0 ? int(sep) : 180];
                if (derivedPair)
                    near &= WithoutComplementMask;
                int j = -1;
                for (; near != 0; near &= near - 1) {
                    const int candidate = std::countr_zero(near);
                    if (std::fabs(sep - Angles[candidate]) < (orbK[candidate] + orbI[candidate]) * factor) {
                        j = candidate;
                        break;
                    }
                }
                if (j >= 0) {
                    const double w = sep - Angles[j];
                    const double orb = (orbK[j] + orbI[j]) * factor;
                    code = aspectWithStrength(j, w, orb);
                    // The nodes stay exactly opposite: their deviations are rounding noise.
                    const double wLater = separationDegrees(laterK, pointLater[i]) - Angles[j];
                    const bool nodePair = k == BodySouthNode && bodyI == BodyNorthNode;
                    if (!nodePair && ((wLater < 0) != (w < 0) || std::fabs(wLater) < std::fabs(w)))
                        code |= AspectApplying;
                    exact = std::fabs(w) < 1.0 && j != 4 && j != 8 ? 1 : 0;
                }
            }

            // Parallels; the collation factor does not widen them.
            r.parallelCode[k][i] = parallelOf(options, classK, pointClass[i], declK, pointDecl[i]);
        }
    }
}
