// The fitted movers against the library asked directly, for every chart body over two centuries
// and at the end of the ephemeris files.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Angles.h"
#include "ChartFixture.h"
#include "ChartIndex.h"
#include "FittedAngle.h"
#include "Ephemeris.h"
#include "PlainCrossings.h"

namespace {

class FittedAngleTest : public ChartTest {};

// The fit only shows where crossings lie; it may stray this far (degrees), as near a planet
// behind the Sun, whose bending of light it leaves out.
constexpr double LongitudeBound = 2e-3;
constexpr double SpeedBound = 1e-3;  // degrees per day
// The longitude a root is settled on differs from the library's only by the fitted nutation.
constexpr double ExactBound = 1e-8;

}  // namespace

TEST_F(FittedAngleTest, everyBodyAgreesWithTheLibraryOverTwoCenturies) {
    auto options = defaultOptions();
    for (int nodetype : {0, 1}) {
        options->nodetype = static_cast<std::uint8_t>(nodetype);
        const auto nutation = fittedNutation();
        const auto sun = fittedSun(*options);
        for (int body = 0; body < BodyCount; ++body) {
            SCOPED_TRACE(std::to_string(body) + (nodetype ? " true node" : " mean node"));
            const FittedMover fitted = fittedChartBodyMover(body, *options, nutation, sun);
            const MovingPoint direct = chartBodyMover(body, *options);
            std::mt19937 random(20261211u + unsigned(body));
            std::uniform_real_distribution<double> moment(jdUT(1900, 1, 1), jdUT(2100, 1, 1));
            double worstLon = 0, worstSpeed = 0, worstExact = 0, worstSlope = 0;
            for (int i = 0; i < 400; ++i) {
                const double t = moment(random);
                double lf = 0, sf = 0, le = 0, se = 0, ld = 0, sd = 0, lv = 0;
                ASSERT_TRUE(fitted.walk(t, lf, sf));
                ASSERT_TRUE(fitted.exact(t, le, se));
                ASSERT_TRUE(fitted.settleValue(t, lv));
                ASSERT_TRUE(direct(t, ld, sd));
                worstLon = std::max(worstLon, std::fabs(signedDegrees(lf - ld)));
                worstSpeed = std::max(worstSpeed, std::fabs(sf - sd));
                worstExact = std::max(worstExact, std::max(std::fabs(signedDegrees(le - ld)), std::fabs(signedDegrees(lv - ld))));
                // The slope a moment is settled with, against the true rate of the longitude it
                // is settled on, relative to the bound it comes with (the library's own speed
                // is not quite that rate).
                constexpr double H = 0.002;
                double before = 0, after = 0;
                Slope slope;
                ASSERT_TRUE(fitted.settleValue(t - H, before));
                ASSERT_TRUE(fitted.settleValue(t + H, after));
                // Where no fit could be made (a few pieces of the true node), none is offered.
                if (fitted.settleSlope(t, slope))
                    worstSlope = std::max(worstSlope,
                                          std::fabs(slope.speed - signedDegrees(after - before) / (2 * H)) / slope.error);
            }
            EXPECT_LT(worstLon, LongitudeBound);
            EXPECT_LT(worstSpeed, SpeedBound);
            EXPECT_LT(worstExact, ExactBound);
            EXPECT_LT(worstSlope, 1.0);
        }
    }
}

// Near the last moment the files cover, a piece that reaches past it cannot be fitted: the
// moments before the end are then asked of the library, and those after it fail as they do there.
TEST_F(FittedAngleTest, endOfTheFilesFallsBackToTheLibrary) {
    const auto options = defaultOptions();
    const MovingPoint direct = chartBodyMover(BodySun, *options);
    double ok = jdUT(5000, 1, 1), bad = jdUT(6000, 1, 1), lon = 0, speed = 0;
    ASSERT_TRUE(direct(ok, lon, speed));
    ASSERT_FALSE(direct(bad, lon, speed));
    while (bad - ok > 0.5) {
        const double mid = 0.5 * (ok + bad);
        (direct(mid, lon, speed) ? ok : bad) = mid;
    }
    const FittedMover fitted = fittedChartBodyMover(BodySun, *options, fittedNutation(), fittedSun(*options));
    // A month short of the end, within the last piece: right at the end the library's own
    // answer depends on what it was asked before.
    const double inside = ok - 30.0;
    double lf = 0, sf = 0;
    ASSERT_TRUE(direct(inside, lon, speed));
    ASSERT_TRUE(fitted.walk(inside, lf, sf));
    EXPECT_LT(std::fabs(signedDegrees(lf - lon)), LongitudeBound);
    ASSERT_TRUE(fitted.exact(inside, lf, sf));
    EXPECT_LT(std::fabs(signedDegrees(lf - lon)), ExactBound);
    EXPECT_FALSE(fitted.walk(bad + 400.0, lf, sf));
    EXPECT_FALSE(fitted.exact(bad + 400.0, lf, sf));
}


