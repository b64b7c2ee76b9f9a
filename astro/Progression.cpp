#include "Progression.h"

#include <cmath>

#include "Angles.h"
#include "ComputeRadix.h"
#include "JulianMoment.h"
#include "Options.h"

namespace {

// The Sun's mean motion in longitude (and in right ascension) per day; it tells how many whole
// turns the true solar arc has made, which its value modulo 360° cannot.
constexpr double MeanSolarDegreesPerDay = 0.98564733;

// `arc` modulo 360 put on the turn nearest to `expected`.
double unwrapNear(double arc, double expected) {
    const double a = normalizeDegrees(arc);
    return a + 360.0 * std::round((expected - a) / 360.0);
}

// The right ascension (degrees) of an ecliptic longitude (degrees) on the ecliptic.
double rightAscensionOf(double longitudeDeg, double obliquity) {
    return eclipticToEquatorial(normalizeDegrees(longitudeDeg) * DegToRad, 0.0, obliquity).ra * RadToDeg;
}

}  // namespace

double keyAngleDegrees(int degrees, int minutes, double seconds) {
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

double effectiveKeyDegrees(const DirectionKey& key) {
    return key.keyDegrees == 0.0 ? NaibodKeyDegrees : key.keyDegrees;
}

double progressedMoment(double natalUT, double targetUT, ProgressionKind kind) {
    const double unit = kind == ProgressionKind::Secondary ? TropicalYearDays : SiderealMonthDays;
    return natalUT + (targetUT - natalUT) / unit;
}

void computeProgression(const RadixData& natal, const ProgressionRequest& request, const TOptions& options,
                        Progression& out) {
    out.request = request;
    out.progressedUT = progressedMoment(natal.jdUT, request.targetUT, request.kind);
    const double progressedDays = out.progressedUT - natal.jdUT;

    RadixData& p = out.chart;
    p = RadixData{};
    p.name = natal.name;
    p.horType = natal.horType;
    p.notes = natal.notes;
    p.moment = momentAtJulianDay(natal.moment, out.progressedUT);

    if (request.quotidian) {
        // The sky of the progressed moment itself, houses and all, at the natal place.
        out.key = ProgressionKey::Quotidian;
        out.keyDegrees = 0;
        computeRadix(p, options);
        const double arc = request.key.onequ ? (p.armc - natal.armc) * RadToDeg
                                             : (p.axis[AxisMC] - natal.axis[AxisMC]) * RadToDeg;
        out.arc = normalizeDegrees(arc);
    } else {
        // The bodies first (with the natal ARMC for now): the true solar arc needs the
        // progressed Sun, and the obliquity of the progressed moment turns a longitude arc into
        // the ARMC that gives that MC.
        computeRadixAtArmc(p, options, natal.armc * RadToDeg);
        const double expected = MeanSolarDegreesPerDay * progressedDays;
        if (request.key.truesolar) {
            out.key = ProgressionKey::TrueSolarArc;
            out.keyDegrees = 0;
            const double arc = request.key.onequ ? (p.ra[BodySun] - natal.ra[BodySun]) * RadToDeg
                                                 : (p.lon[BodySun] - natal.lon[BodySun]) * RadToDeg;
            out.arc = unwrapNear(arc, expected);
        } else {
            out.key = ProgressionKey::Angle;
            out.keyDegrees = effectiveKeyDegrees(request.key);
            out.arc = out.keyDegrees * (request.targetUT - natal.jdUT) / TropicalYearDays;
        }
        const double armc = request.key.onequ
                                ? natal.armc * RadToDeg + out.arc
                                : rightAscensionOf(natal.axis[AxisMC] * RadToDeg + out.arc, p.obliquity);
        computeRadixAtArmc(p, options, armc);
    }
    findCollationAspects(natal, p, options, CollationKind::Transit, out.aspects);
}
