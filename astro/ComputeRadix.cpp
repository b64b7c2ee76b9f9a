#include "ComputeRadix.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Angles.h"
#include "Aspects.h"
#include "DignityState.h"
#include "Ephemeris.h"
#include "Houses.h"
#include "Options.h"
#include "RadixData.h"
#include "SemiArc.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double LaterStep = 0.0001;  // days, for applying and separating aspects

// The worse of two outcomes: an unavailable body stays unavailable.
EphemerisStatus worse(EphemerisStatus a, EphemerisStatus b) {
    return std::max(a, b);
}

void clearAspectTables(RadixData& r) {
    for (int k = 0; k < BodyCount; ++k) {
        r.aspectCode[k].fill(AspectNone);
        r.separation[k].fill(0.0);
        r.exactAspect[k].fill(0);
        r.parallelCode[k].fill(NoParallel);
    }
}

void computeHouses(RadixData& r, const TOptions& options, double armcDeg, double latDeg, double epsDeg) {
    const int system = options.housecalc < HouseSystemCount ? int(options.housecalc) : int(HouseZodikeon);
    const EphemerisHouses h = ephemerisHouses(armcDeg, latDeg, epsDeg, houseSystemCode(system));
    r.houseSystemUsed = static_cast<std::uint8_t>(h.porphyryFallback ? int(HousePorphyrius) : system);
    for (int c = 0; c < CuspCount; ++c)
        r.cusp[c] = normalizeRadians(h.cusp[c + 1] * DegToRad);
    static constexpr int axisFrom[6] = {0, 1, 3, 4, 6, 7};
    for (int a = 0; a < 6; ++a)
        r.axis[a] = normalizeRadians(h.ascmc[axisFrom[a]] * DegToRad);
    r.axis[AxisDescendant] = normalizeRadians(r.axis[AxisAscendant] + Pi);
    r.axis[AxisIC] = normalizeRadians(r.axis[AxisMC] + Pi);

    for (int a = 0; a < AxisCount; ++a) {
        const EquatorialPosition e = eclipticToEquatorial(r.axis[a], 0.0, r.obliquity);
        r.axisRA[a] = e.ra;
        r.axisDecl[a] = e.decl;
    }
    for (int c = 0; c < CuspCount; ++c) {
        const EquatorialPosition e = eclipticToEquatorial(r.cusp[c], 0.0, r.obliquity);
        r.cuspRA[c] = e.ra;
        r.cuspDecl[c] = e.decl;
    }

    for (int c = 0; c < 6; ++c) {
        r.cuspSign[c] = static_cast<std::uint8_t>(signOf(r.cusp[c]));
        r.cuspSign[c + 6] = static_cast<std::uint8_t>((r.cuspSign[c] + 6) % 12);
    }
    const InterceptedSigns intercepted = interceptedSigns(r.cuspSign);
    r.interceptedSign = intercepted.sign;
    r.interceptedOpposite = intercepted.opposite;

    r.houseStart = houseStarts(r.cusp, r.houseSystemUsed, options.houseexts);
}

// Every body at jdET first, then every body a moment later. The library
// caches its work per date, so this order costs about half of asking body by body.
void computeBodies(RadixData& r, const TOptions& options) {
    for (int k = 0; k < BodyCount; ++k) {
        if (k == BodySouthNode)
            continue;
        const EphemerisBody b = ephemerisBody(r.jdET, ephemerisBodyOf(k, options.nodetype), true);
        r.bodyStatus[k] = b.status;
        r.lon[k] = normalizeRadians(b.x[0] * DegToRad);
        r.lat[k] = b.x[1] * DegToRad;
        r.speed[k] = b.x[3] * DegToRad;
    }
    for (int k = 0; k < BodyCount; ++k) {
        if (k == BodySouthNode)
            continue;
        const EphemerisBody b = ephemerisBody(r.jdET + LaterStep, ephemerisBodyOf(k, options.nodetype), false);
        r.bodyStatus[k] = worse(r.bodyStatus[k], b.status);
        r.lonLater[k] = normalizeRadians(b.x[0] * DegToRad);
    }
    for (int k = 0; k < BodyCount; ++k) {
        if (k != BodySouthNode && !r.available(k))
            r.lon[k] = r.lat[k] = r.speed[k] = r.lonLater[k] = 0.0;  // never a made-up position
    }

    const int n = BodyNorthNode, s = BodySouthNode;
    r.bodyStatus[s] = r.bodyStatus[n];
    if (r.available(n)) {
        r.lon[s] = normalizeRadians(r.lon[n] + Pi);
        r.lat[s] = -r.lat[n];
        r.speed[s] = r.speed[n];
        r.lonLater[s] = normalizeRadians(r.lonLater[n] + Pi);
    } else {
        r.lon[s] = r.lat[s] = r.speed[s] = r.lonLater[s] = 0.0;
    }
}

void computeMotion(RadixData& r, const TOptions& options) {
    r.motion.fill(1);
    for (int k = BodyMercury; k < BodyCount; ++k) {
        if (!r.available(k))
            continue;
        const double degPerDay = r.speed[k] * RadToDeg;
        if (k <= BodyPluto) {
            const double limit = options.avgspeed[k] * std::pow(10.0, -double(options.stationary_strict));
            if (std::fabs(degPerDay) < limit) {
                r.motion[k] = 0;
                continue;
            }
        }
        r.motion[k] = degPerDay >= 0 ? 1 : -1;
    }
}

void computeSemiArcs(RadixData& r) {
    for (int k = 0; k < BodyCount; ++k) {
        const SemiArc s = r.available(k) ? semiArcOf(r.ra[k], r.decl[k], r.armc, r.geoLatitude) : SemiArc{};
        r.ascDiff[k] = s.ascDiff;
        r.semiArc[k] = s.semiArc;
        r.meridianDist[k] = s.meridianDist;
        r.ascDiffPole[k] = s.ascDiffPole;
        r.poleTangent[k] = s.poleTangent;
        r.poleHeight[k] = s.poleHeight;
        r.obliqueAsc[k] = s.obliqueAsc;
        r.westernHalf[k] = s.westernHalf;
        r.aboveHorizon[k] = s.aboveHorizon;
    }
}

void computePoints(RadixData& r) {
    for (int p = PointVertex; p <= PointPolarAscendant; ++p) {
        r.lon[p] = r.axis[AxisVertex + p - PointVertex];
        r.bodyStatus[p] = EphemerisStatus::Ok;
    }
    r.bodyStatus[PointFortune] = worse(r.bodyStatus[BodySun], r.bodyStatus[BodyMoon]);
    if (r.available(PointFortune)) {
        const double asc = r.axis[AxisAscendant], sun = r.lon[BodySun], moon = r.lon[BodyMoon];
        const bool sunAbove = normalizeRadians(asc - sun) < Pi;
        r.lon[PointFortune] = normalizeRadians(sunAbove ? asc + moon - sun : asc + sun - moon);
    } else {
        r.lon[PointFortune] = 0.0;
    }
    for (int p = PointVertex; p < ChartPointCount; ++p)
        r.lat[p] = 0.0;
}

// The whole calculation; `directedArmc` (degrees), when given, replaces the local sidereal time
// as the houses' ARMC.
void computeChart(RadixData& r, const TOptions& options, const double* directedArmc) {
    // Time scales. The local pair is refreshed from the UT master.
    r.computed = 1;
    r.moment.universalToLocal();
    r.jdUT = r.moment.julianDayUT();
    r.jdET = r.jdUT + ephemerisDeltaT(r.jdUT);

    // Obliquity and nutation.
    const EphemerisNutation nut = ephemerisNutation(r.jdET);
    r.obliquity = nut.trueObliquity * DegToRad;
    r.negSinObliquity = -std::sin(r.obliquity);
    r.cosObliquity = std::cos(r.obliquity);
    r.nutationLongitude = nut.nutationLongitude * DegToRad;
    r.nutationObliquity = nut.nutationObliquity * DegToRad;

    // Local sidereal time in seconds, reduced to one day with a true modulo (West
    // longitudes make it negative), as an angle.
    double seconds = ephemerisSiderealTime(r.jdUT, nut.trueObliquity, nut.nutationLongitude) * 3600.0 +
                     r.moment.longitude.decimal() * 3600.0 / 15.0;
    seconds = std::fmod(seconds, 86400.0);
    if (seconds < 0)
        seconds += 86400.0;
    const double armcDeg = directedArmc ? normalizeDegrees(*directedArmc) : normalizeDegrees(seconds * 15.0 / 3600.0);
    r.armc = armcDeg * DegToRad;

    r.ayanamsa = ephemerisAyanamsa(r.jdET) * DegToRad;
    const double latDeg = r.moment.latitude.decimal();
    r.geoLatitude = latDeg * DegToRad;
    r.tanGeoLatitude = std::tan(r.geoLatitude);

    // Houses, axes, their equatorial coordinates, cusp signs, house starts.
    computeHouses(r, options, armcDeg, latDeg, nut.trueObliquity);

    // Bodies, their equatorial coordinates and motion.
    computeBodies(r, options);
    for (int k = 0; k < BodyCount; ++k) {
        const EquatorialPosition e =
            r.available(k) ? eclipticToEquatorial(r.lon[k], r.lat[k], r.obliquity) : EquatorialPosition{};
        r.ra[k] = e.ra;
        r.decl[k] = e.decl;
    }
    computeMotion(r, options);

    // Semi-arcs of the bodies, then the derived points.
    computeSemiArcs(r);
    computePoints(r);
    for (int p = PointVertex; p < ChartPointCount; ++p) {
        const EquatorialPosition e =
            r.available(p) ? eclipticToEquatorial(r.lon[p], 0.0, r.obliquity) : EquatorialPosition{};
        r.ra[p] = e.ra;
        r.decl[p] = e.decl;
    }

    // Signs, houses, dignities.
    for (int k = 0; k < BodyCount; ++k) {
        if (!r.available(k)) {
            r.bodySign[k] = r.bodyHouse[k] = r.housePercent[k] = 0;
            continue;
        }
        r.bodySign[k] = static_cast<std::uint8_t>(signOf(r.lon[k]));
        const HousePosition h = housePosition(r.lon[k], r.cusp, r.houseStart);
        r.bodyHouse[k] = static_cast<std::uint8_t>(h.house);
        r.housePercent[k] = static_cast<std::uint8_t>(h.percent);
    }
    for (int k = 0; k < DignityStateCount; ++k)
        r.dignityState[k] = r.available(k) ? dignityStateOf(options.sign_dignities[k], r.bodySign[k]) : DignityNone;

    // Aspects of the single chart (collation factor 1), then day or night.
    clearAspectTables(r);
    findAspects(r, options, 1.0);
    r.nightChart = r.available(BodySun) && normalizeRadians(r.lon[BodySun] - r.axis[AxisAscendant]) <= Pi;
}

}  // namespace

void computeRadix(RadixData& r, const TOptions& options) {
    computeChart(r, options, nullptr);
}

void computeRadixAtArmc(RadixData& r, const TOptions& options, double armcDegrees) {
    computeChart(r, options, &armcDegrees);
}

std::vector<int> unavailableBodies(const RadixData& r) {
    std::vector<int> out;
    for (int i = 0; i < ChartPointCount; ++i)
        if (!r.available(i))
            out.push_back(i);
    return out;
}
