// Primary directions against arcs worked out here from the chart's own semi-arc quantities, the
// keys' arc-to-date conversions against the ephemeris library, and the points left out.
#include <gtest/gtest.h>

#include <swephexp.h>

#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "Aspects.h"
#include "ChartFixture.h"
#include "ComputeRadix.h"
#include "PrimaryDirections.h"

namespace {

constexpr double ArcTolerance = 1e-7;  // degrees
constexpr double BudapestLon = 19.04, BudapestLat = 47.5, SouthLat = -33.9;
constexpr int Square = 5;
constexpr int Opposition = 10;
// A key of three degrees a year over the longest span lists every arc below 360°.
constexpr double WideKey = 3.0;

double folded(double d) {
    d = std::fmod(d, 360.0);
    return d < 0 ? d + 360.0 : d;
}

PrimaryQuery onePair(DirectionMethod method, int promissor, int significator, int aspect) {
    PrimaryQuery q;
    q.promissors[std::size_t(promissor)] = true;
    q.significators[std::size_t(significator)] = true;
    q.aspects[std::size_t(aspect)] = true;
    q.method = method;
    q.key.keyDegrees = WideKey;
    q.fromAge = 0;
    q.toAge = MaxDirectionAge;
    return q;
}

// The arc of the one direction of a side and a sense, or NaN when none was listed.
double arcOf(const PrimaryResult& r, bool converse, int side = 0) {
    for (const PrimaryDirection& d : r.directions)
        if (d.converse == converse && d.side == side)
            return d.arc;
    return NAN;
}

class PrimaryDirectionsTest : public ChartTest {
protected:
    std::unique_ptr<TOptions> options = defaultOptions();
    std::unique_ptr<RadixData> natal = chartAt(1980, 7, 1, 10.5, true, BudapestLon, BudapestLat);
    void SetUp() override {
        ChartTest::SetUp();
        computeRadix(*natal, *options);
    }
    // The same moment south of the equator, where declinations and the latitude differ in sign.
    void useLatitude(double latitude) {
        natal = chartAt(1980, 7, 1, 10.5, true, BudapestLon, latitude);
        computeRadix(*natal, *options);
    }
    double deg(double rad) const { return rad * RadToDegree; }
    // The oblique ascension under the birth latitude, from the chart's ascensional difference.
    double obliqueAscension(int k) const {
        const bool sameSide = (natal->decl[k] < 0) == (natal->geoLatitude < 0);
        return deg(natal->ra[k]) + (sameSide ? -1 : 1) * deg(natal->ascDiff[k]);
    }
    // The hour angle (west positive, [-180, 180)) and the diurnal semi-arc, from the chart's
    // semi-arc quantities.
    double hourAngle(int k) const {
        const double h = folded(deg(natal->armc - natal->ra[k]));
        return h >= 180 ? h - 360 : h;
    }
    double diurnal(int k) const {
        return natal->aboveHorizon[k] ? deg(natal->semiArc[k]) : 180 - deg(natal->semiArc[k]);
    }
};

}  // namespace

// To the MC the arc is the difference of right ascensions by either mundane method, to the
// Ascendant the difference of oblique ascensions under the birth latitude; converse arcs go the
// other way round the circle.
TEST_F(PrimaryDirectionsTest, ArcsToTheAnglesAreDifferencesOfAscensions) {
    for (double latitude : {BudapestLat, SouthLat}) {
        useLatitude(latitude);
        const double armc = deg(natal->armc);
        for (DirectionMethod method : {DirectionMethod::MundaneSemiArc, DirectionMethod::MundanePole}) {
            for (int k = BodySun; k <= BodyPluto; ++k) {
                SCOPED_TRACE(testing::Message()
                             << "latitude " << latitude << ", method " << int(method) << ", body " << k);
                const PrimaryResult mc = computePrimaryDirections(*natal, onePair(method, k, NatalMC, 0), *options);
                EXPECT_NEAR(arcOf(mc, false), folded(deg(natal->ra[k]) - armc), ArcTolerance);
                EXPECT_NEAR(arcOf(mc, true), folded(armc - deg(natal->ra[k])), ArcTolerance);
                const PrimaryResult asc =
                    computePrimaryDirections(*natal, onePair(method, k, NatalAscendant, 0), *options);
                EXPECT_NEAR(arcOf(asc, false), folded(obliqueAscension(k) - (armc + 90)), ArcTolerance);
                EXPECT_NEAR(arcOf(asc, true), folded(armc + 90 - obliqueAscension(k)), ArcTolerance);
            }
        }
    }
}

// A promissor directed by semi-arc proportion to another body stands, at the end of the arc, at
// the same fraction of its own semi-arc from the same meridian as the significator does.
TEST_F(PrimaryDirectionsTest, MundaneArcsKeepTheSignificatorsSemiArcProportion) {
    int upper = 0, lower = 0;
    for (int s = BodySun; s <= BodyPluto; ++s) {
        const double fraction = natal->meridianDist[s] / natal->semiArc[s];
        const bool west = natal->westernHalf[s];
        (natal->aboveHorizon[s] ? upper : lower)++;
        for (int p = BodySun; p <= BodyPluto; ++p) {
            if (p == s)
                continue;
            SCOPED_TRACE(testing::Message() << "promissor " << p << " to significator " << s);
            const double d = diurnal(p), n = 180 - d;
            double target = natal->aboveHorizon[s] ? fraction * d : 180 - fraction * n;
            if (!west)
                target = -target;
            const PrimaryResult r =
                computePrimaryDirections(*natal, onePair(DirectionMethod::MundaneSemiArc, p, s, 0), *options);
            EXPECT_NEAR(arcOf(r, false), folded(target - hourAngle(p)), ArcTolerance);
            EXPECT_NEAR(arcOf(r, true), folded(hourAngle(p) - target), ArcTolerance);
        }
    }
    // The chart has significators both above and below the horizon.
    EXPECT_GT(upper, 0);
    EXPECT_GT(lower, 0);
}

// Placidus divides each point's semi-arc in three, so the library's Placidus cusps stand at whole
// houses of mundane position: cusp h at 270 - 30 (h - 1) degrees.
TEST_F(PrimaryDirectionsTest, PlacidusCuspsStandAtWholeHousesOfMundanePosition) {
    options->housecalc = 0;  // Placidus: the library's 'P'
    for (double latitude : {47.5, -33.9, 5.0}) {
        auto chart = chartAt(1991, 11, 23, 3.75, true, BudapestLon, latitude);
        computeRadix(*chart, *options);
        ASSERT_EQ(chart->houseSystemUsed, 0);
        for (int h = 1; h <= 12; ++h) {
            SCOPED_TRACE(testing::Message() << "latitude " << latitude << ", cusp " << h);
            double position = -1;
            ASSERT_TRUE(mundanePosition(chart->cuspRA[h - 1], chart->cuspDecl[h - 1], chart->armc, chart->geoLatitude,
                                        position));
            EXPECT_NEAR(angleDiff(position, 270.0 - 30.0 * (h - 1)), 0, 1e-6);
        }
    }
}

// Under the significator's pole the arc is the difference of the oblique ascensions (or
// descensions in the western half) under that pole, the significator's being the chart's own.
TEST_F(PrimaryDirectionsTest, PoleArcsUseTheSignificatorsPole) {
    for (double latitude : {BudapestLat, SouthLat}) {
        useLatitude(latitude);
        bool sawWest = false, sawEast = false;
        for (int s = BodySun; s <= BodyPluto; ++s) {
            const bool west = natal->westernHalf[s];
            (west ? sawWest : sawEast) = true;
            const double poleTan = natal->poleTangent[s] * (natal->geoLatitude < 0 ? -1 : 1);
            for (int p = BodySun; p <= BodyPluto; ++p) {
                if (p == s)
                    continue;
                SCOPED_TRACE(testing::Message()
                             << "latitude " << latitude << ", promissor " << p << " to significator " << s);
                const double ad = deg(std::asin(std::tan(natal->decl[p]) * poleTan));
                const double oblique = deg(natal->ra[p]) + (west ? ad : -ad);
                const PrimaryResult r =
                    computePrimaryDirections(*natal, onePair(DirectionMethod::MundanePole, p, s, Square), *options);
                EXPECT_NEAR(arcOf(r, false, 1), folded(oblique + 90 - deg(natal->obliqueAsc[s])), ArcTolerance);
                EXPECT_NEAR(arcOf(r, false, -1), folded(oblique - 90 - deg(natal->obliqueAsc[s])), ArcTolerance);
            }
        }
        EXPECT_TRUE(sawWest && sawEast);
    }
}

// Zodiacal directions carry a point of the ecliptic: to the MC its right ascension less the
// ARMC, with or without the promissor's latitude; mundane aspects move the target by quadrants.
TEST_F(PrimaryDirectionsTest, AspectPointsToTheMC) {
    const double armc = deg(natal->armc), eps = natal->obliquity;
    auto raOf = [&](double lonDeg, double latRad) {
        return deg(eclipticToEquatorial(folded(lonDeg) * DegToRad, latRad, eps).ra);
    };
    const int moon = BodyMoon;
    const double lon = deg(natal->lon[moon]);
    const struct Row {
        const char* name;
        DirectionMethod method;
        int aspect;
        int side;
        double expected;
    } rows[] = {
        {"zodiacal conjunction without latitude", DirectionMethod::ZodiacalNoLatitude, 0, 0, raOf(lon, 0) - armc},
        {"zodiacal conjunction with latitude", DirectionMethod::ZodiacalWithLatitude, 0, 0,
         deg(natal->ra[moon]) - armc},
        {"zodiacal square ahead", DirectionMethod::ZodiacalNoLatitude, Square, 1, raOf(lon + 90, 0) - armc},
        {"zodiacal square behind, with latitude", DirectionMethod::ZodiacalWithLatitude, Square, -1,
         raOf(lon - 90, natal->lat[moon]) - armc},
        {"zodiacal opposition", DirectionMethod::ZodiacalNoLatitude, Opposition, 0, raOf(lon + 180, 0) - armc},
        {"mundane opposition: the promissor to the IC", DirectionMethod::MundaneSemiArc, Opposition, 0,
         deg(natal->ra[moon]) - armc + 180},
        {"mundane square ahead: the promissor to the Descendant", DirectionMethod::MundaneSemiArc, Square, 1,
         -hourAngle(moon) + diurnal(moon)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PrimaryResult r =
            computePrimaryDirections(*natal, onePair(row.method, moon, NatalMC, row.aspect), *options);
        EXPECT_NEAR(arcOf(r, false, row.side), folded(row.expected), ArcTolerance);
        EXPECT_NEAR(arcOf(r, true, row.side), folded(-row.expected), ArcTolerance);
    }
}

// Each key turns an arc into an age: a fixed angle a year (Naibod's for none given), or the
// true solar arc of the progressed Sun in longitude or right ascension, checked against the
// library's Sun a day for a year after birth.
TEST_F(PrimaryDirectionsTest, EachKeyTurnsArcsIntoAges) {
    const double naibod = (59.0 + 8.33 / 60.0) / 60.0;
    const struct Row {
        const char* name;
        DirectionKey key;
        double degreesPerYear;  // 0: the true solar arc
    } rows[] = {
        {"Naibod for a zero key", {false, false, 0}, naibod},
        {"Ptolemy's degree", {false, false, 1.0}, 1.0},
        {"a key on the equator", {true, false, 1.5}, 1.5},
        {"a negative key dates by Naibod's", {false, false, -2.0}, naibod},
        {"true solar arc in longitude", {false, true, 0}, 0},
        {"true solar arc in right ascension", {true, true, 0}, 0},
    };
    auto sunAt = [](double jdUT, bool equatorial) {
        double x[6] = {};
        char serr[AS_MAXCH] = "";
        swe_calc(jdUT + swe_deltat(jdUT), SE_SUN, equatorial ? SEFLG_EQUATORIAL : 0, x, serr);
        return x[0];
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ArcKey key = makeArcKey(*natal, row.key, *options, 90);
        for (double arc : {0.5, 12.25, 47.0, 80.0}) {
            const double age = ageOfArc(key, arc);
            if (row.degreesPerYear > 0) {
                EXPECT_NEAR(age, arc / row.degreesPerYear, 1e-12);
            } else {
                // The Sun a day for each year of that age has gone the arc (to a second of arc).
                const double gone = folded(sunAt(natal->jdUT + age, row.key.onequ) - sunAt(natal->jdUT, row.key.onequ));
                EXPECT_NEAR(gone, arc, 1.0 / 3600);
            }
            EXPECT_NEAR(arcOfAge(key, age), arc, 1e-9);
            EXPECT_NEAR(momentOfAge(natal->jdUT, age), natal->jdUT + age * 365.24219, 1e-6);
        }
        // The progressed Sun covers the ages asked for, and no more; a negative arc has no age.
        if (row.degreesPerYear == 0) {
            EXPECT_LT(ageOfArc(key, 120.0), 0) << "an arc past the key's years";
        }
        EXPECT_LT(ageOfArc(key, -1.0), 0);
    }
}

// Listed directions lie within the asked span, carry the date of their age, come in date order
// and follow the direct and converse switches.
TEST_F(PrimaryDirectionsTest, ListsTheSpanInDateOrder) {
    TDirectionFilter all;
    all.promissors.fill(true);
    all.significators.fill(true);
    all.aspects.fill(true);
    const DirectionKey truesolar{false, true, 0};
    for (bool direct : {true, false}) {
        PrimaryQuery q = primaryQueryFromSelection(all, DirectionMethod::MundaneSemiArc, truesolar, 20, 40);
        q.direct = direct;
        q.converse = !direct;
        const PrimaryResult r = computePrimaryDirections(*natal, q, *options);
        ASSERT_FALSE(r.directions.empty());
        EXPECT_TRUE(
            std::is_sorted(r.directions.begin(), r.directions.end(),
                           [](const PrimaryDirection& a, const PrimaryDirection& b) { return a.jdUT < b.jdUT; }));
        bool fortune = false, asc = false;
        for (const PrimaryDirection& d : r.directions) {
            EXPECT_EQ(d.converse, !direct);
            EXPECT_GE(d.age, 20);
            EXPECT_LE(d.age, 40);
            EXPECT_NEAR(d.jdUT, natal->jdUT + d.age * 365.24219, 1e-6);
            EXPECT_FALSE(d.promissor == d.significator && d.aspect == 0) << "a body directed to itself";
            fortune |= d.promissor == PrimaryPromissorFortune;
            asc |= d.significator == NatalAscendant;
        }
        EXPECT_TRUE(fortune && asc);
    }
}

// Far north in summer the Sun never sets: it has no semi-arc proportion and is left out with a
// note, as a promissor and as a significator, while the other points keep their arcs.
TEST_F(PrimaryDirectionsTest, ACircumpolarPointIsLeftOutWithANote) {
    auto north = chartAt(1980, 6, 21, 10.0, true, 20.0, 69.5);
    computeRadix(*north, *options);
    ASSERT_GT(std::fabs(std::tan(north->decl[BodySun]) * std::tan(north->geoLatitude)), 1.0);
    TDirectionFilter sel;
    sel.promissors[BodySun] = sel.promissors[BodyMercury + 2] = true;  // Sun, Mars
    sel.significators[BodySun] = sel.significators[SignificatorMarkMC] = true;
    sel.aspects[0] = true;
    PrimaryQuery q =
        primaryQueryFromSelection(sel, DirectionMethod::MundaneSemiArc, {false, false, WideKey}, 0, MaxDirectionAge);
    const PrimaryResult r = computePrimaryDirections(*north, q, *options);
    for (const PrimaryDirection& d : r.directions) {
        EXPECT_NE(d.promissor, BodySun);
        EXPECT_NE(d.significator, BodySun);
    }
    EXPECT_FALSE(r.directions.empty()) << "Mars to the MC";
    auto noted = [&](bool promissor) {
        return std::any_of(r.leftOut.begin(), r.leftOut.end(), [&](const LeftOutPoint& p) {
            return p.promissor == promissor && p.point == BodySun && p.reason == LeftOutReason::Circumpolar;
        });
    };
    EXPECT_TRUE(noted(true));
    EXPECT_TRUE(noted(false));
    double position = 0;
    EXPECT_FALSE(mundanePosition(north->ra[BodySun], north->decl[BodySun], north->armc, north->geoLatitude, position));
}
