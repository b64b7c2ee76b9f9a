// Return moments against a plain scan and bisection on the ephemeris written here, and the
// Sun's against the library's own crossing function.
#include <gtest/gtest.h>

#include <swephexp.h>

#include <cmath>
#include <vector>

#include "ChartFixture.h"
#include "ChartIndex.h"
#include "ComputeRadix.h"
#include "JulianMoment.h"
#include "Returns.h"

namespace {

constexpr double OneSecond = 1.0 / 86400.0;
constexpr int Mars = 4;

double jd(int y, int m, int d) { return calendarToJulianDay(y, m, d, 0.0, true); }

double lonAt(int body, double t) { return ephemerisBody(t + ephemerisDeltaT(t), body, false).x[0]; }

// Longitude minus target folded to [-180, 180).
double offset(double lon, double target) {
    double d = std::fmod(lon - target, 360.0);
    if (d < -180)
        d += 360;
    if (d >= 180)
        d -= 360;
    return d;
}

struct PlainCrossing {
    double t;
    int motion;
};

// Every sign change of (longitude - target) on a grid, bisected.
std::vector<PlainCrossing> scan(int body, double from, double to, double step, double target) {
    std::vector<PlainCrossing> out;
    double a = from, fa = offset(lonAt(body, a), target);
    while (a < to) {
        const double b = std::min(a + step, to);
        const double fb = offset(lonAt(body, b), target);
        if ((fa < 0) != (fb < 0) && std::fabs(fa - fb) < 90) {
            double lo = a, hi = b, flo = fa;
            for (int i = 0; i < 60; ++i) {
                const double mid = (lo + hi) / 2, fm = offset(lonAt(body, mid), target);
                ((fm < 0) == (flo < 0) ? lo : hi) = mid;
                if ((fm < 0) == (flo < 0))
                    flo = fm;
            }
            out.push_back({(lo + hi) / 2, fa < fb ? ReturnDirect : ReturnRetrograde});
        }
        a = b;
        fa = fb;
    }
    return out;
}

std::unique_ptr<RadixData> natalChart(int y, int m, int d, double hourUT, const TOptions& options) {
    auto r = chartAt(y, m, d, hourUT, true, 19.04, 47.5);
    computeRadix(*r, options);
    return r;
}

class ReturnsTest : public ChartTest {};

}  // namespace

TEST_F(ReturnsTest, ReturnsOfEachBodyMatchAPlainScan) {
    const auto options = defaultOptions();
    const auto natal = natalChart(1980, 7, 1, 10.5, *options);
    const struct {
        const char* name;
        int body;
        double from, to, step;
    } rows[] = {
        {"Sun", BodySun, jd(2020, 1, 1), jd(2024, 1, 1), 5.0},
        {"Moon", 1, jd(2026, 1, 1), jd(2026, 4, 1), 0.25},
        {"Mercury", 2, jd(2024, 1, 1), jd(2027, 1, 1), 0.5},
        {"Venus", 3, jd(2024, 1, 1), jd(2028, 1, 1), 1.0},
        {"Mars", Mars, jd(2020, 1, 1), jd(2030, 1, 1), 1.0},
        {"Jupiter", 5, jd(2000, 1, 1), jd(2030, 1, 1), 2.0},
        {"Saturn", 6, jd(2000, 1, 1), jd(2060, 1, 1), 2.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const double target = natal->lon[row.body] * RadToDegree;
        const std::vector<PlainCrossing> expected = scan(row.body, row.from, row.to, row.step, target);
        const ReturnSearch got = findReturns(*natal, row.body, row.from, row.to, *options);
        ASSERT_EQ(got.status, ReturnStatus::Ok);
        ASSERT_EQ(got.returns.size(), expected.size());
        ASSERT_FALSE(expected.empty());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(got.returns[i].body, row.body);
            EXPECT_NEAR(got.returns[i].jdUT, expected[i].t, OneSecond);
            EXPECT_EQ(got.returns[i].motion, expected[i].motion);
            // At the moment itself the body stands on its natal longitude to 0.01".
            EXPECT_LT(angleDiff(lonAt(row.body, got.returns[i].jdUT), target), 0.01 / 3600.0);
        }
    }
}

TEST_F(ReturnsTest, SolarReturnsMatchTheLibrarysCrossingFunction) {
    const auto options = defaultOptions();
    const auto natal = natalChart(1980, 7, 1, 10.5, *options);
    const double target = natal->lon[BodySun] * RadToDegree;
    double from = jd(2000, 1, 1);
    for (int year = 0; year < 5; ++year) {
        SCOPED_TRACE(year);
        char serr[AS_MAXCH] = "";
        const double library = swe_solcross_ut(target, from, 0, serr);
        ASSERT_GT(library, from) << serr;
        const ReturnSearch got = nextReturn(*natal, BodySun, from, *options);
        ASSERT_EQ(got.status, ReturnStatus::Ok);
        ASSERT_EQ(got.returns.size(), 1u);
        EXPECT_NEAR(got.returns[0].jdUT, library, OneSecond);
        from = library + 1;
    }
}

// Mars stood at about 113° in October 2024 and turned back over that point from December 2024 to
// February 2025: its next return takes in the whole loop, before the start of the search too.
TEST_F(ReturnsTest, NextReturnGivesEveryCrossingOfItsLoop) {
    const auto options = defaultOptions();
    const auto natal = natalChart(2024, 10, 20, 0.0, *options);
    const double target = natal->lon[Mars] * RadToDegree;
    const std::vector<PlainCrossing> loop = scan(Mars, jd(2024, 10, 1), jd(2025, 8, 1), 1.0, target);
    ASSERT_EQ(loop.size(), 3u);
    ASSERT_EQ(loop[1].motion, ReturnRetrograde);

    const struct {
        const char* name;
        double from;
    } starts[] = {
        {"before the loop", jd(2024, 10, 19)},
        {"after the first crossing", jd(2024, 11, 1)},
        {"after the retrograde crossing", loop[1].t + 1},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.name);
        const ReturnSearch got = nextReturn(*natal, Mars, start.from, *options);
        ASSERT_EQ(got.status, ReturnStatus::Ok);
        ASSERT_EQ(got.returns.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(got.returns[i].jdUT, loop[i].t, OneSecond);
            EXPECT_EQ(got.returns[i].motion, loop[i].motion);
        }
    }
    // A year later Mars passes once, direct.
    const ReturnSearch single = nextReturn(*natal, Mars, jd(2025, 9, 1), *options);
    ASSERT_EQ(single.returns.size(), 1u);
    EXPECT_EQ(single.returns[0].motion, ReturnDirect);
    EXPECT_GT(single.returns[0].jdUT, jd(2025, 9, 1));
}

// The Sun's and the Moon's returns are looked for by whole periods from the birth: a start at a
// return, a second after one, or centuries away from the birth must still give the first return
// on or after it.
TEST_F(ReturnsTest, NextSolarAndLunarReturnIsTheFirstOnOrAfterTheStart) {
    const auto options = defaultOptions();
    const auto natal = natalChart(1980, 7, 1, 10.5, *options);
    const double year = 365.2422, month = 27.3216;
    for (const int body : {int(BodySun), 1}) {
        SCOPED_TRACE(body == BodySun ? "Sun" : "Moon");
        const double target = natal->lon[body] * RadToDegree;
        const double period = body == BodySun ? year : month;
        const double step = body == BodySun ? 5.0 : 0.25;
        const std::vector<PlainCrossing> near = scan(body, jd(2030, 1, 1), jd(2030, 1, 1) + 2.5 * period, step, target);
        ASSERT_GE(near.size(), 2u);
        const struct {
            const char* name;
            double from;
            double expected;
        } rows[] = {
            {"at a return", near[0].t, near[0].t},
            {"a second after a return", near[0].t + OneSecond, near[1].t},
            {"a second before a return", near[1].t - OneSecond, near[1].t},
            {"the birth itself", natal->jdUT, natal->jdUT},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name);
            const ReturnSearch got = nextReturn(*natal, body, row.from, *options);
            ASSERT_EQ(got.status, ReturnStatus::Ok);
            ASSERT_EQ(got.returns.size(), 1u);
            EXPECT_NEAR(got.returns[0].jdUT, row.expected, OneSecond / 10);
        }
        for (const double from : {jd(1240, 3, 1), jd(2790, 11, 20)}) {
            SCOPED_TRACE(from);
            const std::vector<PlainCrossing> first = scan(body, from, from + 1.2 * period, step, target);
            ASSERT_FALSE(first.empty());
            const ReturnSearch got = nextReturn(*natal, body, from, *options);
            ASSERT_EQ(got.status, ReturnStatus::Ok);
            ASSERT_EQ(got.returns.size(), 1u);
            EXPECT_NEAR(got.returns[0].jdUT, first[0].t, OneSecond);
            EXPECT_LT(angleDiff(lonAt(body, got.returns[0].jdUT), target), 0.01 / 3600.0);
        }
    }
}

TEST_F(ReturnsTest, RefusedSearches) {
    const auto options = defaultOptions();
    const auto natal = natalChart(1980, 7, 1, 10.5, *options);
    EXPECT_EQ(findReturns(*natal, BodyPluto, jd(2020, 1, 1), jd(2021, 1, 1), *options).status,
              ReturnStatus::UnknownBody);
    EXPECT_EQ(nextReturn(*natal, -1, jd(2020, 1, 1), *options).status, ReturnStatus::UnknownBody);

    // The last return a chart could hold lies before the end of its last year.
    const double end = lastHeldJulianDay();
    EXPECT_EQ(nextReturn(*natal, BodySun, end - 30, *options).status, ReturnStatus::OutOfEphemeris);
    EXPECT_EQ(findReturns(*natal, BodySun, end - 400, end + 10, *options).status, ReturnStatus::OutOfEphemeris);

    RadixData blank = *natal;
    blank.bodyStatus[BodySun] = EphemerisStatus::OutOfRange;
    EXPECT_EQ(nextReturn(blank, BodySun, jd(2020, 1, 1), *options).status, ReturnStatus::NatalUnavailable);

    const ReturnSearch backwards = findReturns(*natal, BodySun, jd(2021, 1, 1), jd(2020, 1, 1), *options);
    EXPECT_EQ(backwards.status, ReturnStatus::Ok);
    EXPECT_TRUE(backwards.returns.empty());
}
