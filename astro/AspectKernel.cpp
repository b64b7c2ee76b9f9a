#include "AspectKernel.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "Angles.h"
#include "Aspects.h"
#include "RadixData.h"

namespace {

constexpr int WholeDegreesToOpposition = 180;
constexpr double NearlyExactDegrees = 1.0;

void copyPair(AspectTableRefs& t, int k, int to, int from) {
    t.aspectCode[k][to] = t.aspectCode[k][from];
    t.separation[k][to] = t.separation[k][from];
    t.exactAspect[k][to] = t.exactAspect[k][from];
    t.parallelCode[k][to] = t.parallelCode[k][from];
}

bool pairSearched(AspectPairs pairs, int k, int i) {
    return pairs == AspectPairs::TwoCharts || aspectPairSearched(k, i);
}

// The quintile family is too fine to count as exact within a whole degree.
bool countsAsExact(int aspect, double deviation) {
    return std::fabs(deviation) < NearlyExactDegrees && aspect != AspectQuintile && aspect != AspectBiquintile;
}

// Aspect `j` found at deviation `w` inside `orb`, with the strength bit of the deviation.
std::uint8_t aspectWithStrength(int j, double w, double orb) {
    auto code = static_cast<std::uint8_t>(j);
    if (std::fabs(w) < orb * 0.25)
        code |= AspectWithinQuarter;
    else if (std::fabs(w) < orb * 0.75)
        code |= AspectWithinThreeQuarters;
    return code;
}

// The parallel code of two declinations (radians) for points of orb classes `classK`, `classI`.
std::uint8_t parallelOf(const AspectOrbs& orbs, int classK, int classI, double declK, double declI) {
    const int kind = (declK < 0) != (declI < 0) ? ContraParallel : Parallel;
    const int row = AspectParallel + kind;
    const double orb = orbs[row][classK] + orbs[row][classI];
    return orb > std::fabs(std::fabs(declK) - std::fabs(declI)) * RadToDeg ? static_cast<std::uint8_t>(kind)
                                                                            : std::uint8_t(NoParallel);
}

}  // namespace

AspectPointSet aspectPointSet(const RadixData& r, PointMotion motion) {
    AspectPointSet s;
    for (int i = 0; i < AspectPointCount; ++i) {
        s.lon[i] = aspectPointLongitude(r, i);
        s.decl[i] = aspectPointDeclination(r, i);
        s.orbClass[i] = orbClass(i);
        s.available[i] = aspectPointAvailable(r, i);
        const int body = bodyOfAspectPoint(i);
        s.later[i] = motion == PointMotion::Moving && body >= 0 ? r.lonLater[body] : s.lon[i];
    }
    s.houseSystem = r.houseSystemUsed;
    return s;
}

AspectTableRefs aspectTablesOf(CrossAspectTables& t) {
    return {t.aspectCode, t.separation, t.exactAspect, t.parallelCode};
}

AspectTableRefs aspectTablesOf(RadixData& r) {
    return {r.aspectCode, r.separation, r.exactAspect, r.parallelCode};
}

void searchAspects(const AspectPointSet& bodies, const AspectPointSet& points, const AspectSearch& search,
                   AspectTableRefs out) {
    const double factor = search.factor;
    std::array<double, AspectSearchCount> angles;
    std::uint32_t withoutComplement = 0;
    for (int j = 0; j < AspectSearchCount; ++j) {
        angles[j] = aspectAngle(j);
        if (aspectComplement(j) < 0)
            withoutComplement |= 1u << j;
    }

    // The orbs by orb class and aspect ([class][aspect]), so that one pair reads two rows.
    std::array<std::array<double, AspectSearchCount>, OrbClassCount> orbs;
    for (int c = 0; c < OrbClassCount; ++c)
        for (int j = 0; j < AspectSearchCount; ++j)
            orbs[c][j] = search.orbs[j][c];

    // For each whole degree of separation, the aspects that any pair's orbs could reach from
    // it: most pairs then test one or two aspects instead of eighteen.
    double widest = 0.0;
    for (const auto& row : orbs)
        for (double orb : row)
            widest = std::max(widest, orb);  // NaN orbs never match and widen nothing
    double window = 2.0 * widest * factor;
    window = window >= 0.0 ? std::min(window, double(WholeDegreesToOpposition)) : 0.0;
    std::array<std::uint32_t, WholeDegreesToOpposition + 1> candidates{};
    for (int j = 0; j < AspectSearchCount; ++j) {
        const int from = std::max(0, int(std::floor(angles[j] - window)) - 1);
        const int to = std::min(WholeDegreesToOpposition, int(std::ceil(angles[j] + window)));
        for (int d = from; d <= to; ++d)
            candidates[d] |= 1u << j;
    }

    std::array<int, AspectPointCount> pointBody;
    for (int i = 0; i < AspectPointCount; ++i)
        pointBody[i] = bodyOfAspectPoint(i);

    for (int k = 0; k < BodyCount; ++k) {
        const int pk = aspectPointOfBody(k);
        const int classK = bodies.orbClass[pk];
        const double lonK = bodies.lon[pk];
        const double laterK = bodies.later[pk];
        const double declK = bodies.decl[pk];
        const bool availableK = bodies.available[pk];
        for (int i = 0; i < AspectPointCount; ++i) {
            const int bodyI = pointBody[i];
            if (!pairSearched(search.pairs, k, i))
                continue;

            // Cusps 1, 7 (and 10, 4) coincide with the axes in most systems.
            if (const int axis = copiedAspectPoint(points.houseSystem, i); axis >= 0) {
                copyPair(out, k, i, axis);
                continue;
            }

            std::uint8_t& code = out.aspectCode[k][i];
            std::uint8_t& exact = out.exactAspect[k][i];
            code = AspectNone;
            exact = 0;
            out.parallelCode[k][i] = NoParallel;
            if (!availableK || !points.available[i]) {
                out.separation[k][i] = 0;
                continue;
            }

            // The distance is kept for every searched pair.
            const double sep = separationDegrees(lonK, points.lon[i]);
            out.separation[k][i] = sep * DegToRad;

            // Derived from the opposite partner: the South node from the North node where that
            // pair was searched, any body with the opposite points from the point opposite.
            // Within one chart the North node's pair with its own South node is never searched,
            // so the South node searches that one directly below.
            bool derivedPair = false;
            std::uint8_t source = AspectNone, sourceExact = 0;
            if (k == BodySouthNode && pairSearched(search.pairs, BodyNorthNode, i)) {
                derivedPair = true;
                source = out.aspectCode[BodyNorthNode][i];
                sourceExact = out.exactAspect[BodyNorthNode][i];
            } else if (k != BodySouthNode && i >= FirstOppositePoint) {
                derivedPair = true;
                const int from = oppositeAspectPoint(i);
                source = out.aspectCode[k][from];
                sourceExact = out.exactAspect[k][from];
            }
            if (hasAspect(source) && aspectComplement(aspectType(source)) >= 0) {
                code = withAspectType(source, aspectComplement(aspectType(source)));
                exact = sourceExact;
            }

            // Direct search: the first aspect within its orb, not the closest. Only the
            // aspects near the separation are tested, lowest index first.
            if (code == AspectNone) {
                const double* orbK = orbs[classK].data();
                const double* orbI = orbs[points.orbClass[i]].data();
                std::uint32_t near =
                    candidates[sep >= 0.0 && sep < WholeDegreesToOpposition + 1 ? int(sep) : WholeDegreesToOpposition];
                if (derivedPair)
                    near &= withoutComplement;
                int j = -1;
                for (; near != 0; near &= near - 1) {
                    const int candidate = std::countr_zero(near);
                    if (std::fabs(sep - angles[candidate]) < (orbK[candidate] + orbI[candidate]) * factor) {
                        j = candidate;
                        break;
                    }
                }
                if (j >= 0) {
                    const double w = sep - angles[j];
                    const double orb = (orbK[j] + orbI[j]) * factor;
                    code = aspectWithStrength(j, w, orb);
                    // A chart's two nodes stay exactly opposite: their deviations are rounding noise.
                    const double wLater = separationDegrees(laterK, points.later[i]) - angles[j];
                    const bool nodePair =
                        search.pairs == AspectPairs::OneChart && k == BodySouthNode && bodyI == BodyNorthNode;
                    if (!nodePair && ((wLater < 0) != (w < 0) || std::fabs(wLater) < std::fabs(w)))
                        code |= AspectApplying;
                    exact = countsAsExact(j, w) ? 1 : 0;
                }
            }

            // Parallels; the factor does not widen them.
            out.parallelCode[k][i] = parallelOf(search.orbs, bodies.orbClass[pk], points.orbClass[i], declK, points.decl[i]);
        }
    }
}
