#include "SemiArc.h"

#include <cmath>
#include <numbers>

#include "Angles.h"

SemiArc semiArcOf(double ra, double decl, double armc, double geoLatitude) {
    constexpr double pi = std::numbers::pi;
    constexpr double halfPi = pi / 2;
    SemiArc s;
    const double tanDecl = std::tan(decl);
    const double tanLat = std::tan(geoLatitude);
    const double x = tanDecl * tanLat;
    const bool sameSide = (decl < 0) == (geoLatitude < 0);

    // Beyond ±1 the arcsine has no value: the point's daily circle does not meet the horizon.
    s.circumpolar = std::fabs(x) >= 1.0;
    s.ascDiff = s.circumpolar ? halfPi : std::fabs(std::asin(x));
    const double diurnal = sameSide ? halfPi + s.ascDiff : halfPi - s.ascDiff;
    const double nocturnal = pi - diurnal;

    const double e = normalizeRadians(ra - armc);
    const double w = e > pi ? TwoPi - e : e;
    // A point that never sets is above the horizon even at its lower culmination.
    s.aboveHorizon = s.circumpolar ? sameSide : diurnal > w;
    if (s.aboveHorizon) {
        s.meridianDist = w;
        s.semiArc = diurnal;
    } else {
        s.meridianDist = pi - w;
        s.semiArc = nocturnal;
    }
    // The semi-arc in which a point stands is never 0: 180° for circumpolar points, and
    // otherwise 90° ± an ascensional difference below 90°.
    s.ascDiffPole = s.meridianDist * s.ascDiff / s.semiArc;

    if (tanDecl != 0.0) {
        s.poleTangent = std::fabs(std::sin(s.ascDiffPole) / tanDecl);
    } else {
        // On the celestial equator sin b / tan δ tends to (meridian distance / semi-arc) · tan φ.
        s.poleTangent = std::fabs(s.meridianDist / s.semiArc * tanLat);
    }
    s.poleHeight = std::atan(s.poleTangent);

    // The ascensional difference shortens the way to the horizon when declination and
    // latitude lie on the same side of the equator, in either hemisphere.
    s.westernHalf = e >= pi;
    const double b = s.ascDiffPole;
    if (!s.westernHalf)
        s.obliqueAsc = sameSide ? ra - b : ra + b;
    else
        s.obliqueAsc = sameSide ? ra + b : ra - b;
    s.obliqueAsc = normalizeRadians(s.obliqueAsc);
    return s;
}
