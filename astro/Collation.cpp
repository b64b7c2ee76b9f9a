#include "Collation.h"

#include <cmath>

#include "Angles.h"
#include "Aspects.h"
#include "ComputeRadix.h"
#include "Options.h"

namespace {

void copyPair(CrossAspectTables& t, int k, int to, int from) {
    t.aspectCode[k][to] = t.aspectCode[k][from];
    t.separation[k][to] = t.separation[k][from];
    t.exactAspect[k][to] = t.exactAspect[k][from];
    t.parallelCode[k][to] = t.parallelCode[k][from];
}

bool hasComplement(int aspect) {
    return aspectComplement(aspect) >= 0;
}

}  // namespace

void findCrossAspects(const RadixData& bodies, const RadixData& points, const TOptions& options, double factor,
                      bool pointsFixed, CrossAspectTables& out) {
    for (int k = 0; k < BodyCount; ++k) {
        const int classK = orbClass(aspectPointOfBody(k));
        for (int i = 0; i < AspectPointCount; ++i) {
            if (const int axis = copiedAspectPoint(points.houseSystemUsed, i); axis >= 0) {
                copyPair(out, k, i, axis);
                continue;
            }

            std::uint8_t& code = out.aspectCode[k][i];
            std::uint8_t& exact = out.exactAspect[k][i];
            code = AspectNone;
            exact = 0;
            out.parallelCode[k][i] = NoParallel;
            if (!bodies.available(k) || !aspectPointAvailable(points, i)) {
                out.separation[k][i] = 0;
                continue;
            }
            const double pointLon = aspectPointLongitude(points, i);
            const double sep = separationDegrees(bodies.lon[k], pointLon);
            out.separation[k][i] = sep * DegToRad;

            // The South node and the opposite points mirror what was found for their partner.
            bool derivedPair = false;
            std::uint8_t source = AspectNone, sourceExact = 0;
            if (k == BodySouthNode) {
                derivedPair = true;
                source = out.aspectCode[BodyNorthNode][i];
                sourceExact = out.exactAspect[BodyNorthNode][i];
            } else if (i >= 31) {
                derivedPair = true;
                const int from = oppositeAspectPoint(i);
                source = out.aspectCode[k][from];
                sourceExact = out.exactAspect[k][from];
            }
            if (source != AspectNone && hasComplement(source & AspectIndexMask)) {
                code = static_cast<std::uint8_t>(aspectComplement(source & AspectIndexMask) | (source & 0xE0));
                exact = sourceExact;
            }

            if (code == AspectNone) {
                const int classI = orbClass(i);
                for (int j = 0; j < AspectSearchCount; ++j) {
                    if (derivedPair && hasComplement(j))
                        continue;
                    const double w = sep - aspectAngle(j);
                    const double orb = (options.orbises[j][classK] + options.orbises[j][classI]) * factor;
                    if (!(std::fabs(w) < orb))
                        continue;
                    code = aspectWithStrength(j, w, orb);
                    const int bodyI = bodyOfAspectPoint(i);
                    const double laterI = !pointsFixed && bodyI >= 0 ? points.lonLater[bodyI] : pointLon;
                    const double wLater = separationDegrees(bodies.lonLater[k], laterI) - aspectAngle(j);
                    if ((wLater < 0) != (w < 0) || std::fabs(wLater) < std::fabs(w))
                        code |= AspectApplying;
                    exact = std::fabs(w) < 1.0 && j != 4 && j != 8 ? 1 : 0;
                    break;
                }
            }

            out.parallelCode[k][i] =
                parallelOf(options, classK, orbClass(i), bodies.decl[k], aspectPointDeclination(points, i));
        }
    }
}

void findCollationAspects(const RadixData& radix, const RadixData& second, const TOptions& options, CollationKind kind,
                          CollationAspects& out) {
    const bool transit = kind == CollationKind::Transit;
    findCrossAspects(radix, second, options, options.collfactor, false, out.radixToSecond);
    findCrossAspects(second, radix, options, options.collfactor, transit, out.secondToRadix);
}

void computeCollation(const RadixData& radix, Collation& collation, const TOptions& options) {
    computeRadix(collation.second, options);
    refreshCollationAspects(radix, collation, options);
}

void refreshCollationAspects(const RadixData& radix, Collation& collation, const TOptions& options) {
    findCollationAspects(radix, collation.second, options, collation.kind, collation.aspects);
}

BirthMoment transitMomentAtUT(const BirthMoment& place, std::time_t utc) {
    std::tm t{};
    gmtime_r(&utc, &t);
    BirthMoment m = place;
    m.utDate = CalDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, true);
    m.utTime.hour = static_cast<std::uint8_t>(t.tm_hour);
    m.utTime.minute = static_cast<std::uint8_t>(t.tm_min);
    m.utTime.second = t.tm_sec > 59 ? 59 : t.tm_sec;
    m.universalToLocal();
    return m;
}

BirthMoment transitMomentAtLocal(const BirthMoment& place, const CalDate& date, const ClockTime& time) {
    BirthMoment m = place;
    m.localDate = date;
    m.localTime = time;
    m.localToUniversal();
    return m;
}
