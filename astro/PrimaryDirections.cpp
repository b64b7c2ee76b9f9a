#include "PrimaryDirections.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "Angles.h"
#include "Aspects.h"
#include "RadixData.h"
#include "SemiArc.h"

namespace {

constexpr double Quadrant = 90.0;
constexpr double HalfCircle = 180.0;
constexpr double FullCircle = 360.0;
// Mundane positions of the two angles.
constexpr double MCPosition = 0.0;
constexpr double AscendantPosition = 270.0;
constexpr int Conjunction = 0;

// A point's daily circle at the birth latitude: its diurnal semi-arc (degrees) and its hour
// angle (degrees west of the meridian, [-180, 180)).
struct DailyCircle {
    double diurnal = 0;
    double hourAngle = 0;
    bool circumpolar = false;
};

DailyCircle dailyCircle(double ra, double decl, double armc, double geoLatitude) {
    DailyCircle c;
    const double x = std::tan(decl) * std::tan(geoLatitude);
    c.circumpolar = !(std::fabs(x) < 1.0);
    c.diurnal = c.circumpolar ? 0.0 : Quadrant + std::asin(x) * RadToDeg;
    const double h = normalizeDegrees((armc - ra) * RadToDeg);
    c.hourAngle = h >= HalfCircle ? h - FullCircle : h;
    return c;
}

// Mundane position (0 MC, 90 Descendant, 180 IC, 270 Ascendant) of an hour angle on a circle
// with diurnal semi-arc `d`: linear in the hour angle within each quadrant.
double positionOfHourAngle(double h, double d) {
    const double n = HalfCircle - d;
    if (h >= 0)
        return h <= d ? Quadrant * h / d : Quadrant + Quadrant * (h - d) / n;
    return -h <= d ? FullCircle + Quadrant * h / d : AscendantPosition - Quadrant * (-h - d) / n;
}

// The hour angle ([-180, 180]) at which a circle with diurnal semi-arc `d` has mundane
// position `p` (any angle).
double hourAngleOfPosition(double p, double d) {
    p = normalizeDegrees(p);
    const double n = HalfCircle - d;
    if (p <= Quadrant)
        return p / Quadrant * d;
    if (p <= HalfCircle)
        return d + (p - Quadrant) / Quadrant * n;
    if (p <= AscendantPosition)
        return -(d + (AscendantPosition - p) / Quadrant * n);
    return -(FullCircle - p) / Quadrant * d;
}

// A significator's place: its mundane position, and for the pole method its pole (tangent,
// signed by the latitude's side), its oblique ascension or descension and its half.
struct SignificatorPlace {
    bool usable = false;
    LeftOutReason reason = LeftOutReason::Circumpolar;
    double position = 0;
    double poleTangent = 0;
    double oblique = 0;  // degrees
    bool western = false;
};

SignificatorPlace significatorPlace(const RadixData& r, int natal) {
    SignificatorPlace s;
    const double lat = r.geoLatitude;
    if (natal == NatalMC || natal == NatalAscendant) {
        s.usable = true;
        const bool asc = natal == NatalAscendant;
        s.position = asc ? AscendantPosition : MCPosition;
        s.poleTangent = asc ? std::tan(lat) : 0.0;
        s.oblique = normalizeDegrees(r.armc * RadToDeg + (asc ? Quadrant : 0.0));
        s.western = false;
        return s;
    }
    if (!r.available(natal)) {
        s.reason = LeftOutReason::NotComputed;
        return s;
    }
    const SemiArc a = semiArcOf(r.ra[natal], r.decl[natal], r.armc, lat);
    if (a.circumpolar)
        return s;
    s.usable = true;
    const DailyCircle c = dailyCircle(r.ra[natal], r.decl[natal], r.armc, lat);
    s.position = positionOfHourAngle(c.hourAngle, c.diurnal);
    s.poleTangent = lat < 0 ? -a.poleTangent : a.poleTangent;
    s.oblique = a.obliqueAsc * RadToDeg;
    s.western = a.westernHalf;
    return s;
}

// The oblique ascension (or descension in the western half) of a point under a pole given by
// its tangent; false when the point's circle does not meet that pole's horizon.
bool obliqueUnderPole(double ra, double decl, double poleTangent, bool western, double& out) {
    const double x = std::tan(decl) * poleTangent;
    if (!(std::fabs(x) < 1.0))
        return false;
    const double ad = std::asin(x) * RadToDeg;  // signed: positive where it shortens the way up
    out = normalizeDegrees(ra * RadToDeg + (western ? ad : -ad));
    return true;
}

// One point that is directed: right ascension, declination (radians).
struct Directed {
    double ra = 0;
    double decl = 0;
};

struct Pair {
    int promissor;
    int chartPoint;
    int aspect;
    int side;
};

void addArc(PrimaryResult& out, const PrimaryQuery& q, const ArcKey& key, const Pair& p, int significator,
            double directArc) {
    const auto add = [&](double arc, bool converse) {
        const double age = ageOfArc(key, arc);
        if (age < 0 || age < q.fromAge || age > q.toAge)
            return;
        PrimaryDirection d;
        d.promissor = p.promissor;
        d.significator = significator;
        d.aspect = p.aspect;
        d.side = p.side;
        d.method = q.method;
        d.converse = converse;
        d.arc = arc;
        d.age = age;
        d.jdUT = momentOfAge(key.birthUT, age);
        out.directions.push_back(d);
    };
    const double direct = normalizeDegrees(directArc);
    if (q.direct)
        add(direct, false);
    if (q.converse)
        add(normalizeDegrees(-directArc), true);
}

}  // namespace

DirectionMethod directionMethodOf(std::uint8_t type) {
    return type < DirectionMethodCount ? DirectionMethod(type) : DirectionMethod::MundaneSemiArc;
}

int chartPointOfPrimaryPromissor(int promissor) {
    return promissor == PrimaryPromissorFortune ? int(PointFortune) : promissor;
}

PrimaryQuery primaryQueryFromSelection(const TDirectionFilter& selection, DirectionMethod method,
                                       const DirectionKey& key, double fromAge, double toAge) {
    PrimaryQuery q;
    for (int i = 0; i < PrimaryPromissorCount; ++i)
        q.promissors[std::size_t(i)] = selection.promissors[std::size_t(i)];
    for (int m = 0; m < SignificatorMarkCount; ++m)
        if (selection.significators[std::size_t(m)])
            q.significators[std::size_t(natalPointOfMark(m))] = true;
    q.aspects = selection.aspects;
    q.method = method;
    q.key = key;
    q.fromAge = fromAge;
    q.toAge = toAge;
    return q;
}

bool mundanePosition(double ra, double decl, double armc, double geoLatitude, double& position) {
    const DailyCircle c = dailyCircle(ra, decl, armc, geoLatitude);
    if (c.circumpolar)
        return false;
    position = positionOfHourAngle(c.hourAngle, c.diurnal);
    return true;
}

PrimaryResult computePrimaryDirections(const RadixData& natal, const PrimaryQuery& query, const TOptions& options) {
    return computePrimaryDirections(natal, query, makeArcKey(natal, query.key, options, query.toAge));
}

PrimaryResult computePrimaryDirections(const RadixData& r, const PrimaryQuery& q, const ArcKey& key) {
    PrimaryResult out;
    if (!r.computed)
        return out;

    std::array<SignificatorPlace, NatalPointCount> sig{};
    for (int s = 0; s < NatalPointCount; ++s) {
        if (!q.significators[std::size_t(s)])
            continue;
        sig[std::size_t(s)] = significatorPlace(r, s);
        if (!sig[std::size_t(s)].usable)
            out.leftOut.push_back({false, s, -1, 0, sig[std::size_t(s)].reason});
    }

    const bool zodiacal =
        q.method == DirectionMethod::ZodiacalNoLatitude || q.method == DirectionMethod::ZodiacalWithLatitude;

    for (int p = 0; p < PrimaryPromissorCount; ++p) {
        if (!q.promissors[std::size_t(p)])
            continue;
        const int point = chartPointOfPrimaryPromissor(p);
        if (!r.available(point)) {
            out.leftOut.push_back({true, p, -1, 0, LeftOutReason::NotComputed});
            continue;
        }
        // The body itself: for the mundane methods every aspect is measured from it.
        const Directed body{r.ra[point], r.decl[point]};
        const DailyCircle bodyCircle = dailyCircle(body.ra, body.decl, r.armc, r.geoLatitude);
        if (q.method == DirectionMethod::MundaneSemiArc && bodyCircle.circumpolar) {
            out.leftOut.push_back({true, p, -1, 0, LeftOutReason::Circumpolar});
            continue;
        }
        bool poleLeftOut = false;

        for (int a = 0; a < AspectCount; ++a) {
            if (!q.aspects[std::size_t(a)])
                continue;
            const double angle = aspectAngle(a);
            const bool oneSided = a == Conjunction || angle == HalfCircle;
            for (int side : {1, -1}) {
                if (oneSided && side < 0)
                    continue;
                const int pairSide = oneSided ? 0 : side;
                const Pair pair{p, point, a, pairSide};

                Directed moved = body;
                DailyCircle circle = bodyCircle;
                if (zodiacal) {
                    // The aspect point on the ecliptic, with or without the promissor's latitude.
                    const double lat = q.method == DirectionMethod::ZodiacalWithLatitude ? r.lat[point] : 0.0;
                    const EquatorialPosition e =
                        eclipticToEquatorial(normalizeRadians(r.lon[point] + side * angle * DegToRad), lat,
                                             r.obliquity);
                    moved = {e.ra, e.decl};
                    circle = dailyCircle(moved.ra, moved.decl, r.armc, r.geoLatitude);
                    if (circle.circumpolar) {
                        out.leftOut.push_back({true, p, a, pairSide, LeftOutReason::Circumpolar});
                        continue;
                    }
                }

                for (int s = 0; s < NatalPointCount; ++s) {
                    const SignificatorPlace& sp = sig[std::size_t(s)];
                    if (!q.significators[std::size_t(s)] || !sp.usable)
                        continue;
                    if (s == point && a == Conjunction)
                        continue;  // a point does not direct to itself
                    double arc = 0;
                    if (q.method == DirectionMethod::MundanePole) {
                        double oblique = 0;
                        if (!obliqueUnderPole(moved.ra, moved.decl, sp.poleTangent, sp.western, oblique)) {
                            if (!poleLeftOut)
                                out.leftOut.push_back({true, p, -1, 0, LeftOutReason::Circumpolar});
                            poleLeftOut = true;
                            continue;
                        }
                        arc = oblique + side * angle - sp.oblique;
                    } else {
                        // Mundane aspects are made in mundane position, zodiacal ones on the ecliptic.
                        const double target = zodiacal ? sp.position : sp.position + side * angle;
                        arc = hourAngleOfPosition(target, circle.diurnal) - circle.hourAngle;
                    }
                    addArc(out, q, key, pair, s, arc);
                }
            }
        }
    }

    std::sort(out.directions.begin(), out.directions.end(), [](const PrimaryDirection& a, const PrimaryDirection& b) {
        return std::tie(a.jdUT, a.promissor, a.significator, a.aspect, a.side, a.converse) <
               std::tie(b.jdUT, b.promissor, b.significator, b.aspect, b.side, b.converse);
    });
    return out;
}
