// The cross-aspect search of two charts: checked against a separate, plain computation on real
// charts, and on hand-placed charts for the rules a plain computation does not show.
#include <gtest/gtest.h>

#include <cmath>

#include "Aspects.h"
#include "ChartFixture.h"
#include "Collation.h"
#include "ComputeRadix.h"

namespace {

constexpr double Deg = 1.0 / RadToDegree;
constexpr std::uint8_t Quarter = AspectWithinQuarter, ThreeQuarters = AspectWithinThreeQuarters,
                       Applying = AspectApplying;

// Written out again rather than taken from the search, so that a slip there shows here.
constexpr double ExactAngles[18] = {0, 30, 45, 60, 72, 90, 120, 135, 144, 150, 180, 15, 75, 105, 165, 40, 80, 160};
int bodyOrbClass(int body) {
    if (body <= BodyPluto)
        return body + 2;
    if (body <= BodyLilith)
        return OrbNodes;
    return OrbAsteroids;
}
// The aspect point of a body other than the South node.
int pointOf(int body) { return body <= BodyNorthNode ? body + 2 : body + 7; }

// The first aspect within the summed orbs times the factor, with its strength bits.
int expectedCode(double lonA, double lonB, int classA, int classB, const TOptions& o, double factor) {
    double sep = std::fmod(std::fabs(lonA - lonB) * RadToDegree, 360.0);
    if (sep > 180)
        sep = 360 - sep;
    for (int j = 0; j < 18; ++j) {
        const double w = std::fabs(sep - ExactAngles[j]);
        const double orb = (o.orbises[j][classA] + o.orbises[j][classB]) * factor;
        if (w < orb)
            return j | (w < orb / 4 ? Quarter : w < orb * 3 / 4 ? ThreeQuarters : 0);
    }
    return AspectNone;
}

class CollationChartTest : public ChartTest {};

}  // namespace

TEST_F(CollationChartTest, BodyPairsMatchAPlainComputationWithTheCollationFactor) {
    const auto options = defaultOptions();
    auto radix = chartAt(1980, 7, 1, 10.5, true, 19.04, 47.5);
    Collation c;
    c.kind = CollationKind::Transit;
    c.second = *chartAt(2026, 12, 10, 12.0, true, 19.04, 47.5);
    computeRadix(*radix, *options);

    int found = 0;
    for (double factor : {1.0, 0.6, 1.7}) {
        SCOPED_TRACE(factor);
        options->collfactor = factor;
        computeCollation(*radix, c, *options);
        for (int k = 0; k < BodyCount; ++k) {
            for (int b = 0; b < BodyCount; ++b) {
                if (b == BodySouthNode || k == BodySouthNode)
                    continue;  // derived from the North node
                const int expected = expectedCode(radix->lon[k], c.second.lon[b], bodyOrbClass(k), bodyOrbClass(b),
                                                  *options, factor);
                const int got = c.aspects.radixToSecond.aspectCode[k][pointOf(b)];
                EXPECT_EQ(got == AspectNone ? got : got & ~Applying, expected) << "radix " << k << " second " << b;
                const int back = c.aspects.secondToRadix.aspectCode[b][pointOf(k)];
                EXPECT_EQ(back == AspectNone ? back : back & ~Applying, expected) << "second " << b << " radix " << k;
                EXPECT_NEAR(c.aspects.radixToSecond.separation[k][pointOf(b)] * RadToDegree,
                            angleDiff(radix->lon[k] * RadToDegree, c.second.lon[b] * RadToDegree), 1e-9);
                found += expected != AspectNone;
            }
        }
    }
    EXPECT_GT(found, 20);  // the charts do make aspects: the comparison above is not empty
}

namespace {

// Two charts with every body at 0° unless placed, and all points available.
struct PlacedPair {
    std::unique_ptr<RadixData> a = std::make_unique<RadixData>();
    std::unique_ptr<RadixData> b = std::make_unique<RadixData>();
    std::unique_ptr<TOptions> options = defaultOptions();
    CrossAspectTables t;

    static void place(RadixData& r, int body, double deg, double laterDeg) {
        r.lon[body] = deg * Deg;
        r.lonLater[body] = laterDeg * Deg;
    }
    std::uint8_t search(int k, int point, double factor, PointMotion pointsMotion = PointMotion::Moving) {
        searchAspects(aspectPointSet(*a, PointMotion::Moving), aspectPointSet(*b, pointsMotion),
                      {options->orbises, factor, AspectPairs::TwoCharts}, aspectTablesOf(t));
        return t.aspectCode[k][point];
    }
};

constexpr int MarsBody = 4, SunPoint = 2;

}  // namespace

TEST(CrossAspects, FactorScalesOrbsAndTheFirstMatchWins) {
    struct Row {
        const char* name;
        double marsDeg;
        double factor;
        int code;
    } rows[] = {
        {"trine 3 deg off, orb 6: found", 123, 1.0, 6 | ThreeQuarters},
        {"trine 3 deg off, orb 6 x 0.4: lost", 123, 0.4, AspectNone},
        {"trine 3 deg off, orb 6 x 2.5: within a quarter", 123, 2.5, 6 | Quarter},
        {"40 deg: the semisquare comes before the exact novile", 40, 2.0, 2 | ThreeQuarters},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlacedPair p;
        for (auto& orbRow : p.options->orbises)
            orbRow.fill(0.0);
        for (int aspect : {2, 6, 15}) {
            p.options->orbises[aspect][6] = 3;  // Mars's orb class
            p.options->orbises[aspect][OrbSun] = 3;
        }
        PlacedPair::place(*p.a, MarsBody, row.marsDeg, row.marsDeg + 0.001);
        const int got = p.search(MarsBody, SunPoint, row.factor);
        EXPECT_EQ(got == AspectNone ? got : got & ~Applying, row.code);
        EXPECT_EQ(got, expectedCode(row.marsDeg * Deg, 0, 6, OrbSun, *p.options, row.factor) |
                           (got == AspectNone ? 0 : got & Applying));
    }
}

TEST(CrossAspects, ParallelsKeepTheirOwnOrbs) {
    // Parallels keep their own orbs whatever the factor.
    PlacedPair p;
    p.a->decl[MarsBody] = 10.5 * Deg;
    p.b->decl[BodySun] = 10.0 * Deg;
    p.options->orbises[AspectParallel][6] = 0.4;
    p.options->orbises[AspectParallel][OrbSun] = 0.4;
    p.search(MarsBody, SunPoint, 0.1);
    EXPECT_EQ(p.t.parallelCode[MarsBody][SunPoint], Parallel);
    p.options->orbises[AspectParallel][6] = 0.05;
    p.options->orbises[AspectParallel][OrbSun] = 0.05;
    p.search(MarsBody, SunPoint, 10.0);
    EXPECT_EQ(p.t.parallelCode[MarsBody][SunPoint], NoParallel);
}

TEST(CrossAspects, StrengthBitsFollowTheScaledOrb) {
    PlacedPair p;
    p.options->orbises[3][6] = 4;
    p.options->orbises[3][OrbSun] = 4;  // 8° sextile orb before the factor
    struct Row { double marsDeg, factor; int code; } rows[] = {
        {61.5, 1.0, 3 | Quarter},         // 1.5 < 2
        {61.5, 0.5, 3 | ThreeQuarters},   // 1 <= 1.5 < 3
        {63.5, 0.5, 3},                   // 3 <= 3.5 < 4
        {64.5, 0.5, AspectNone},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.marsDeg + row.factor);
        PlacedPair::place(*p.a, MarsBody, row.marsDeg, row.marsDeg + 0.001);
        const int got = p.search(MarsBody, SunPoint, row.factor);
        EXPECT_EQ(got == AspectNone ? got : got & ~Applying, row.code);
    }
}

TEST(CrossAspects, TransitPointsStandStillForApplying) {
    // Mars a little past a sextile of the natal Sun; the Sun moves faster, closing the gap:
    // applying only while the natal Sun is taken as moving.
    PlacedPair p;
    PlacedPair::place(*p.a, MarsBody, 60.5, 60.501);
    PlacedPair::place(*p.b, BodySun, 0.0, 0.01);
    EXPECT_TRUE(p.search(MarsBody, SunPoint, 1.0, PointMotion::Moving) & Applying);
    EXPECT_FALSE(p.search(MarsBody, SunPoint, 1.0, PointMotion::StandsStill) & Applying);
}

TEST(CollationAspects, ApplyingFollowsTheTransitAloneInBothTables) {
    // The natal Sun at 0° and Mars at 60.5°, half a degree past a sextile. Each row gives the
    // two bodies' longitudes a moment later and whether the sextile applies: for transits by
    // the transiting Mars alone, for a synastry by both bodies' motion.
    struct Row {
        const char* name;
        double natalSunLater, transitMarsLater;
        CollationKind kind;
        bool applying;
    } rows[] = {
        {"transit leaves, natal Sun would close the gap", 0.01, 60.501, CollationKind::Transit, false},
        {"same motion as a synastry: the Sun closes it", 0.01, 60.501, CollationKind::Synastry, true},
        {"transit retrograde closes, natal Sun would open it", -0.01, 60.499, CollationKind::Transit, true},
        {"same motion as a synastry: the Sun opens it", -0.01, 60.499, CollationKind::Synastry, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlacedPair p;
        p.options->collfactor = 1.0;
        PlacedPair::place(*p.a, BodySun, 0.0, row.natalSunLater);
        PlacedPair::place(*p.b, MarsBody, 60.5, row.transitMarsLater);
        CollationAspects out;
        findCollationAspects(*p.a, *p.b, *p.options, row.kind, out);
        const int marsPoint = pointOf(MarsBody);
        const std::uint8_t toSecond = out.radixToSecond.aspectCode[BodySun][marsPoint];
        const std::uint8_t toRadix = out.secondToRadix.aspectCode[MarsBody][SunPoint];
        ASSERT_TRUE(hasAspect(toSecond) && hasAspect(toRadix));
        EXPECT_EQ(aspectType(toSecond), 3);
        EXPECT_EQ(aspectApplying(toSecond), row.applying) << "natal Sun against the transits";
        EXPECT_EQ(aspectApplying(toRadix), row.applying) << "transiting Mars against the natal chart";
    }
}

TEST(CrossAspects, SouthNodeAndOppositePointsMirrorTheirPartners) {
    PlacedPair p;
    PlacedPair::place(*p.a, BodyNorthNode, 90.2, 90.2);
    PlacedPair::place(*p.a, BodySouthNode, 270.2, 270.2);
    p.b->axis[AxisAscendant] = 0;
    p.b->axis[AxisDescendant] = 180 * Deg;
    p.b->houseSystemUsed = 0;
    const int ascPoint = 0, descPoint = 31;
    const std::uint8_t northAsc = p.search(BodyNorthNode, ascPoint, 1.0);
    ASSERT_EQ(northAsc & AspectIndexMask, 5);  // square
    // Square has itself as complement: the South node squares the Ascendant too, and the North
    // node squares the Descendant, with the same strength and applying bits.
    EXPECT_EQ(p.t.aspectCode[BodySouthNode][ascPoint], northAsc);
    EXPECT_EQ(p.t.aspectCode[BodyNorthNode][descPoint], northAsc);
    // Cusp 1 copies the Ascendant in the points' house system.
    EXPECT_EQ(p.t.aspectCode[BodyNorthNode][13], northAsc);
}

TEST(TransitMoment, TakesTheClockOfThePlace) {
    RadixData natal{};
    ClockTime noon;
    noon.hour = 12;
    natal.moment = BirthMoment(CalDate(1980, 7, 1, true), noon, GeoAngle::fromDecimal(19.04),
                               GeoAngle::fromDecimal(47.5), TimeZone, 2, 0, false);
    natal.moment.localToUniversal();

    // 2026-12-10 14:30:00 UT on a clock two hours East.
    const BirthMoment m = transitMomentAtUT(natal.moment, 1796913000);
    EXPECT_EQ(+m.utDate.year, 2026);  // a copy: the field is packed
    EXPECT_EQ(m.utDate.month, 12);
    EXPECT_EQ(m.utDate.day, 10);
    EXPECT_EQ(m.utTime.hour, 14);
    EXPECT_EQ(m.utTime.minute, 30);
    EXPECT_EQ(m.localTime.hour, 16);
    EXPECT_EQ(m.longitude.decimal(), natal.moment.longitude.decimal());

    ClockTime t;
    t.hour = 1;
    const BirthMoment local = transitMomentAtLocal(natal.moment, CalDate(2027, 1, 1, true), t);
    EXPECT_EQ(+local.utDate.year, 2026);
    EXPECT_EQ(local.utDate.day, 31);
    EXPECT_EQ(local.utTime.hour, 23);
}
