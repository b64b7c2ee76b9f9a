// Secondary directions against a separate scan of the library's Sun a day for a year, and the
// progressed Moon's aspects at their moments.
#include <gtest/gtest.h>

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Aspects.h"
#include "ChartFixture.h"
#include "ComputeRadix.h"
#include "SecondaryDirections.h"

namespace {

constexpr double YearDays = 365.24219;
constexpr double AgeTolerance = 1e-6;  // years: half a minute of life
constexpr int Majors[] = {0, 3, 5, 6, 10};  // conjunction, sextile, square, trine, opposition

double bodyLon(double jdUT, int body) {
    double x[6] = {};
    char serr[AS_MAXCH] = "";
    swe_calc(jdUT + swe_deltat(jdUT), body, 0, x, serr);
    return x[0];
}

// Signed difference a - b folded to (-180, 180].
double signedDiff(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d <= -180)
        d += 360;
    if (d > 180)
        d -= 360;
    return d;
}

class SecondaryDirectionsTest : public ChartTest {
protected:
    std::unique_ptr<TOptions> options = defaultOptions();
    std::unique_ptr<RadixData> natal = chartAt(1975, 3, 14, 6.25, true, 19.04, 47.5);
    void SetUp() override {
        ChartTest::SetUp();
        computeRadix(*natal, *options);
    }
    SecondaryQuery query(int promissor) const {
        SecondaryQuery q;
        q.promissors[std::size_t(promissor)] = true;
        for (int k = BodySun; k <= BodyPluto; ++k)
            q.significators[std::size_t(k)] = true;
        q.significators[NatalAscendant] = q.significators[NatalMC] = true;
        for (int a : Majors)
            q.aspects[std::size_t(a)] = true;
        q.fromAge = 0;
        q.toAge = 90;
        return q;
    }
    double natalLon(int point) const {
        if (point == NatalAscendant)
            return natal->axis[AxisAscendant] * RadToDegree;
        if (point == NatalMC)
            return natal->axis[AxisMC] * RadToDegree;
        return natal->lon[std::size_t(point)] * RadToDegree;
    }
};

}  // namespace

// Every age at which the progressed Sun stands exactly in a major aspect to a natal point, found
// by stepping the library's Sun a quarter day at a time and halving the bracket.
TEST_F(SecondaryDirectionsTest, TheProgressedSunMatchesASeparateScan) {
    struct Expected {
        int natal, aspect;
        double age;
    };
    std::vector<Expected> expected;
    constexpr double Step = 0.25;
    std::vector<double> sunAtStep;
    for (double age = 0; age <= 90 + Step / 2; age += Step)
        sunAtStep.push_back(bodyLon(natal->jdUT + age, SE_SUN));
    for (int s = BodySun; s < NatalPointCount; ++s) {
        if (s > BodyPluto && s != NatalAscendant && s != NatalMC)
            continue;
        for (int a : Majors) {
            for (int side : {1, -1}) {
                if ((a == 0 || a == 10) && side < 0)
                    continue;
                const double target = natalLon(s) + side * aspectAngle(a);
                auto f = [&](double age) { return signedDiff(bodyLon(natal->jdUT + age, SE_SUN), target); };
                for (std::size_t i = 0; i + 1 < sunAtStep.size(); ++i) {
                    double lo = double(i) * Step, hi = lo + Step;
                    double flo = signedDiff(sunAtStep[i], target), fhi = signedDiff(sunAtStep[i + 1], target);
                    if (flo == 0 || flo * fhi >= 0 || std::fabs(flo - fhi) > 90)
                        continue;
                    for (int i = 0; i < 60; ++i) {
                        const double mid = (lo + hi) / 2, fm = f(mid);
                        (fm * flo > 0 ? lo : hi) = mid;
                        if (fm * flo > 0)
                            flo = fm;
                    }
                    if (!(s == BodySun && a == 0))
                        expected.push_back({s, a, (lo + hi) / 2});
                }
            }
        }
    }
    std::sort(expected.begin(), expected.end(), [](const Expected& x, const Expected& y) { return x.age < y.age; });
    ASSERT_GT(expected.size(), 20u);

    const SecondaryResult r = computeSecondaryDirections(*natal, query(BodySun), *options);
    ASSERT_EQ(r.status, TransitStatus::Ok);
    ASSERT_EQ(r.directions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SecondaryDirection& d = r.directions[i];
        SCOPED_TRACE(testing::Message() << "natal " << expected[i].natal << ", aspect " << expected[i].aspect);
        EXPECT_EQ(d.promissor, BodySun);
        EXPECT_EQ(d.significator, expected[i].natal);
        EXPECT_EQ(d.aspect, expected[i].aspect);
        EXPECT_NEAR(d.age, expected[i].age, AgeTolerance);
        EXPECT_NEAR(d.jdUT, natal->jdUT + d.age * YearDays, 1e-6);
        EXPECT_NEAR(d.progressedUT, natal->jdUT + d.age, 1e-8);
        EXPECT_NEAR(d.arc, signedDiff(d.longitude, natalLon(BodySun)), 1e-9);
    }
}

// The progressed Moon goes round the zodiac in about 27 years: its aspects are listed, each
// exact at its progressed moment, and only within the asked ages.
TEST_F(SecondaryDirectionsTest, TheProgressedMoonsAspectsAreExact) {
    SecondaryQuery q = query(BodyMoon);
    q.fromAge = 10;
    q.toAge = 40;
    const SecondaryResult r = computeSecondaryDirections(*natal, q, *options);
    ASSERT_EQ(r.status, TransitStatus::Ok);
    // About 13 degrees a year over 30 years passes each of 12 points' 8 aspect places once or more.
    EXPECT_GT(r.directions.size(), 90u);
    for (const SecondaryDirection& d : r.directions) {
        EXPECT_GE(d.age, 10);
        EXPECT_LE(d.age, 40);
        const double lon = bodyLon(d.progressedUT, SE_MOON);
        const double off = std::fabs(signedDiff(lon, natalLon(d.significator)));
        EXPECT_NEAR(std::min(std::fabs(off - aspectAngle(d.aspect)), 360 - off - aspectAngle(d.aspect)), 0, 1e-6);
    }
}

// The selection's marks: promissor mark 19 (Fortune) is no progressed body, the significator
// slots 11 and 12 are the Ascendant and MC.
TEST_F(SecondaryDirectionsTest, SelectionMarksMapToBodiesAndAxes) {
    TDirectionFilter sel;
    sel.promissors[PromissorMarkFortune] = sel.promissors[3] = true;  // Venus
    sel.significators[SignificatorMarkAscendant] = sel.significators[SignificatorMarkMC] = true;
    sel.aspects[0] = true;
    const SecondaryQuery q = secondaryQueryFromSelection(sel, 1, 2);
    EXPECT_EQ(std::count(q.promissors.begin(), q.promissors.end(), true), 1);
    EXPECT_TRUE(q.promissors[3]);
    EXPECT_TRUE(q.significators[NatalAscendant] && q.significators[NatalMC]);
    EXPECT_FALSE(q.significators[BodySouthNode] || q.significators[BodyLilith]);
    EXPECT_EQ(q.fromAge, 1);
    EXPECT_EQ(q.toAge, 2);
}
