#include "DirectionArcKey.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "ChartIndex.h"
#include "Ephemeris.h"
#include "Options.h"

namespace {

// The Sun's place (degrees) at a UT moment: right ascension or longitude; false outside the files.
bool solarPlace(double jdUT, bool onEquator, double& place) {
    const double jdET = jdUT + ephemerisDeltaT(jdUT);
    const EphemerisBody sun = ephemerisBody(jdET, BodySun, false);
    if (!isAvailable(sun.status))
        return false;
    if (!onEquator) {
        place = sun.x[0];
        return true;
    }
    const EphemerisNutation n = ephemerisNutation(jdET);
    place = eclipticToEquatorial(sun.x[0] * DegToRad, sun.x[1] * DegToRad, n.trueObliquity * DegToRad).ra *
            RadToDeg;
    return true;
}

}  // namespace

ArcKey makeArcKey(const RadixData& natal, const DirectionKey& key, const TOptions&, double maxAge) {
    ArcKey k;
    k.key = key;
    k.birthUT = natal.jdUT;
    if (!key.truesolar) {
        // A key that is no positive angle (a damaged or hand-made setting) would date nothing.
        const double degrees = effectiveKeyDegrees(key);
        k.degreesPerYear = std::isfinite(degrees) && degrees > 0 ? degrees : NaibodKeyDegrees;
        return k;
    }
    // A table of whole progressed days, one past the last age, unwrapped into a rising arc.
    const int days = int(std::ceil(std::clamp(maxAge, 0.0, MaxDirectionAge))) + 1;
    double start = 0;
    if (!solarPlace(natal.jdUT, key.onequ, start))
        return k;
    k.solarArc.reserve(std::size_t(days) + 1);
    k.solarArc.push_back(0.0);
    double previous = start;
    double total = 0;
    for (int d = 1; d <= days; ++d) {
        double place = 0;
        if (!solarPlace(natal.jdUT + d, key.onequ, place))
            break;
        total += normalizeDegrees(place - previous);
        previous = place;
        k.solarArc.push_back(total);
    }
    return k;
}

double ageOfArc(const ArcKey& key, double arc) {
    if (arc < 0)
        return -1;
    if (!key.key.truesolar)
        return key.degreesPerYear > 0 ? arc / key.degreesPerYear : -1;
    const std::vector<double>& t = key.solarArc;
    if (t.size() < 2 || arc > t.back())
        return -1;
    // The Sun's arc within a day is linear to well under a minute of arc.
    const auto it = std::upper_bound(t.begin(), t.end(), arc);
    const std::size_t i = std::min<std::size_t>(std::size_t(it - t.begin()), t.size() - 1);
    const double a0 = t[i - 1], a1 = t[i];
    return double(i - 1) + (a1 > a0 ? (arc - a0) / (a1 - a0) : 0.0);
}

double arcOfAge(const ArcKey& key, double age) {
    if (!key.key.truesolar)
        return age * key.degreesPerYear;
    const std::vector<double>& t = key.solarArc;
    if (t.size() < 2)
        return 0;
    const double clamped = std::clamp(age, 0.0, double(t.size() - 1));
    const std::size_t i = std::min<std::size_t>(std::size_t(clamped), t.size() - 2);
    return t[i] + (t[i + 1] - t[i]) * (clamped - double(i));
}

double momentOfAge(double birthUT, double age) {
    return birthUT + age * TropicalYearDays;
}

double ageAtMoment(double birthUT, double jdUT) {
    return (jdUT - birthUT) / TropicalYearDays;
}
