// The crossing kernel against a plain fine scan and bisection on the ephemeris, written here
// apart from the kernel so that a slip there shows here.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ChartFixture.h"
#include "ChartIndex.h"
#include "LongitudeCrossings.h"
#include "PlainCrossings.h"

namespace {

constexpr int Mars = 4, Jupiter = 5;

class LongitudeCrossingsTest : public ChartTest {};

}  // namespace

TEST_F(LongitudeCrossingsTest, exactMomentsMatchAFineScanWithinASecond) {
    const auto options = defaultOptions();
    struct Row {
        const char* name;
        int index;
        double from, to, scanStep;
        std::vector<double> targets;
    };
    const Row rows[] = {
        {"Moon, a year", BodyMoon, jdUT(2026, 1, 1), jdUT(2027, 1, 1), 0.05, {0.0, 123.456, 359.9}},
        {"Sun, ten years", BodySun, jdUT(2020, 1, 1), jdUT(2030, 1, 1), 0.5, {0.0, 90.0, 271.3}},
        {"Mercury, two years of loops", BodyMercury, jdUT(2025, 1, 1), jdUT(2027, 1, 1), 0.1, {10.0, 200.5, 330.0}},
        {"Mars, its 2020 loop", Mars, jdUT(2020, 1, 1), jdUT(2021, 6, 1), 0.2, {20.0, 25.5}},
        {"Jupiter, twelve years", Jupiter, jdUT(2020, 1, 1), jdUT(2032, 1, 1), 1.0, {45.0, 300.0}},
        {"Saturn in 1850", 6, jdUT(1850, 1, 1), jdUT(1860, 1, 1), 1.0, {20.0, 45.0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MovingPoint mover = chartBodyMover(row.index, *options);
        const auto segments = motionSegments(mover, row.from, row.to, stationScanStep(row.index, *options));
        ASSERT_FALSE(segments.empty());
        EXPECT_DOUBLE_EQ(segments.back().to, row.to);
        for (double target : row.targets) {
            SCOPED_TRACE(target);
            const auto expected = scanCrossings(Plain{row.index}, row.from, row.to, row.scanStep, target);
            const auto found = findCrossings(mover, segments, target);
            ASSERT_EQ(found.size(), expected.size());
            for (std::size_t i = 0; i < found.size(); ++i) {
                EXPECT_NEAR(found[i].jdUT, expected[i], OneSecond);
                EXPECT_EQ(found[i].motion, Plain{row.index}.speed(expected[i]) >= 0 ? 1 : -1);
            }
        }
    }
}

TEST_F(LongitudeCrossingsTest, manyTargetsAtOnceGiveWhatEachGivesAlone) {
    const auto options = defaultOptions();
    const MovingPoint mover = chartBodyMover(BodyMercury, *options);
    const auto segments = motionSegments(mover, jdUT(2026, 1, 1), jdUT(2027, 1, 1), stationScanStep(BodyMercury));
    const std::vector<double> targets = {0.0, 45.0, 181.25, 300.0, 45.0};
    const auto all = findCrossings(mover, segments, targets);
    for (std::size_t j = 0; j < targets.size(); ++j) {
        SCOPED_TRACE(j);
        std::vector<double> mine;
        for (const auto& c : all)
            if (c.target == int(j))
                mine.push_back(c.jdUT);
        const auto alone = findCrossings(mover, segments, targets[j]);
        ASSERT_EQ(mine.size(), alone.size());
        for (std::size_t i = 0; i < alone.size(); ++i)
            EXPECT_NEAR(mine[i], alone[i].jdUT, OneSecond);
    }
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_LE(all[i - 1].jdUT, all[i].jdUT);
}

TEST_F(LongitudeCrossingsTest, marsLoopOverAPointGivesThreePassesCutAtItsStations) {
    // Mars turned retrograde near 28° Aries in September 2020 and direct near 15° Aries in November.
    const auto options = defaultOptions();
    const MovingPoint mover = chartBodyMover(Mars, *options);
    const auto segments = motionSegments(mover, jdUT(2020, 6, 1), jdUT(2021, 3, 1), stationScanStep(Mars));
    ASSERT_EQ(segments.size(), 3u);
    const int motions[] = {1, -1, 1};
    const Plain plain{Mars};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(segments[i].motion, motions[i]);
        if (i > 0) {
            const double station = segments[i].from;
            EXPECT_DOUBLE_EQ(segments[i - 1].to, station);
            EXPECT_TRUE(segments[i].stationAtFrom && segments[i - 1].stationAtTo);
            // The speed changes sign within a second either side of the station.
            EXPECT_EQ(plain.speed(station - OneSecond) >= 0 ? 1 : -1, motions[i - 1]);
            EXPECT_EQ(plain.speed(station + OneSecond) >= 0 ? 1 : -1, motions[i]);
        }
    }
    EXPECT_FALSE(segments.front().stationAtFrom);
    EXPECT_FALSE(segments.back().stationAtTo);

    const auto passes = findCrossings(mover, segments, 20.0);
    ASSERT_EQ(passes.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(passes[i].motion, motions[i]);
        EXPECT_GT(passes[i].jdUT, segments[i].from);
        EXPECT_LT(passes[i].jdUT, segments[i].to);
        EXPECT_NEAR(offset(plain.lon(passes[i].jdUT), 20.0), 0.0, 1.0 / 3600.0);
    }
    // Beyond the loop's turning points a longitude is passed once only.
    EXPECT_EQ(findCrossings(mover, segments, 35.0).size(), 1u);
}

TEST_F(LongitudeCrossingsTest, crossingWithinAStretchIsFoundEitherWayOrReportedMissing) {
    const auto options = defaultOptions();
    const MovingPoint sun = chartBodyMover(BodySun, *options);
    const double from = jdUT(2026, 3, 1), to = jdUT(2026, 5, 1);
    const Plain plain{BodySun};
    const double equinox = scanCrossings(plain, from, to, 0.5, 0.0).at(0);
    Crossing c{};
    ASSERT_TRUE(findCrossingWithin(sun, from, to, 0.0, 1, false, c));
    EXPECT_NEAR(c.jdUT, equinox, OneSecond);
    ASSERT_TRUE(findCrossingWithin(sun, from, to, 360.0, 1, true, c));
    EXPECT_NEAR(c.jdUT, equinox, OneSecond);
    // 60° is reached only after the stretch, 300° long before it.
    EXPECT_FALSE(findCrossingWithin(sun, from, to, 60.0, 1, false, c));
    EXPECT_FALSE(findCrossingWithin(sun, from, to, 300.0, 1, true, c));
}

TEST_F(LongitudeCrossingsTest, segmentsEndWhereTheEphemerisEnds) {
    // Chiron's file covers 675 .. 4650 AD.
    const auto options = defaultOptions();
    const MovingPoint mover = chartBodyMover(BodyChiron, *options);
    EXPECT_TRUE(motionSegments(mover, jdUT(600, 1, 1), jdUT(700, 1, 1), 20.0).empty());
    const auto cut = motionSegments(mover, jdUT(4640, 1, 1), jdUT(4660, 1, 1), 20.0);
    ASSERT_FALSE(cut.empty());
    EXPECT_LT(cut.back().to, jdUT(4651, 1, 1));
    EXPECT_GT(cut.back().to, jdUT(4649, 1, 1));
    EXPECT_FALSE(cut.back().stationAtTo);
    double lon = 0, speed = 0;
    EXPECT_FALSE(mover(jdUT(600, 1, 1), lon, speed));
    EXPECT_TRUE(motionSegments(mover, jdUT(2000, 1, 1), jdUT(1999, 1, 1), 20.0).empty());
}

TEST_F(LongitudeCrossingsTest, southNodeStandsOppositeTheNorthNode) {
    auto options = defaultOptions();
    for (std::uint8_t type : {std::uint8_t(0), std::uint8_t(1)}) {
        options->nodetype = type;
        double n = 0, s = 0, vn = 0, vs = 0;
        const double t = jdUT(2026, 6, 1);
        ASSERT_TRUE(chartBodyMover(BodyNorthNode, *options)(t, n, vn));
        ASSERT_TRUE(chartBodyMover(BodySouthNode, *options)(t, s, vs));
        EXPECT_NEAR(offset(s, n + 180.0), 0.0, 1e-9);
        EXPECT_DOUBLE_EQ(vn, vs);
        EXPECT_NEAR(n, ephemerisBody(t + ephemerisDeltaT(t), type == 1 ? 11 : 10, true).x[0], 1e-12);
    }
}
