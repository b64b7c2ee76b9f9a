// Semi-arc quantities at points whose answers are known: the Ascendant lies on the horizon
// under the pole of the place, the MC on the meridian, circumpolar points never cross.
#include <gtest/gtest.h>

#include "Angles.h"
#include "ChartFixture.h"
#include "ComputeRadix.h"
#include "SemiArc.h"

class SemiArcTest : public ChartTest {};

TEST_F(SemiArcTest, AscendantHasThePoleOfThePlaceAndMCNoPole) {
    auto options = defaultOptions();
    struct Row {
        const char* name;
        double longitude, latitude;
    } rows[] = {{"Budapest", 19.04, 47.5}, {"Sydney", 151.2, -33.9}, {"Quito", -78.5, -0.2}, {"60 N", 5.3, 60.4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto r = chartAt(1987, 11, 3, 14.75, true, row.longitude, row.latitude);
        computeRadix(*r, *options);
        const SemiArc asc = semiArcOf(r->axisRA[AxisAscendant], r->axisDecl[AxisAscendant], r->armc, r->geoLatitude);
        EXPECT_NEAR(asc.poleHeight * RadToDeg, std::fabs(row.latitude), 1e-7);
        EXPECT_NEAR(asc.meridianDist, asc.semiArc, 1e-9);
        EXPECT_NEAR(angleDiff(asc.obliqueAsc * RadToDeg, r->armc * RadToDeg + 90.0), 0.0, 1e-7);
        EXPECT_FALSE(asc.westernHalf);

        const SemiArc mc = semiArcOf(r->axisRA[AxisMC], r->axisDecl[AxisMC], r->armc, r->geoLatitude);
        EXPECT_NEAR(mc.meridianDist, 0.0, 1e-9);
        EXPECT_NEAR(mc.poleHeight, 0.0, 1e-9);
        EXPECT_TRUE(mc.aboveHorizon);
    }
}

TEST(SemiArc, CircumpolarPointsAndTheEquatorGiveFiniteValues) {
    const double d = DegToRad;
    struct Row {
        const char* name;
        double hourAngleDeg, declDeg, latDeg;
        bool circumpolar;
        int above;  // -1: exactly on the horizon, either answer
        double semiArcDeg, poleHeightDeg;
    } rows[] = {
        {"never sets, upper culmination", 0, 80, 60, true, true, 180, 0},
        {"never sets, lower culmination", 180, 80, 60, true, true, 180, -1},
        {"never rises, lower culmination", 180, -80, 60, true, false, 180, 0},
        {"never sets in the south", 90, -70, -45, true, true, 180, -1},
        {"on the celestial equator at the horizon: the pole of the place", 90, 0, 47.5, false, -1, 90, 47.5},
        {"on the celestial equator at the meridian", 0, 0, 47.5, false, true, 90, 0},
        {"at the geographic equator", 45, 20, 0, false, true, 90, 0},
        {"declination and latitude at 89: the arcsine's edge", 30, 89, 89, true, true, 180, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double armc = 100 * d;
        const SemiArc s = semiArcOf(normalizeRadians(armc + row.hourAngleDeg * d), row.declDeg * d, armc, row.latDeg * d);
        EXPECT_EQ(s.circumpolar, row.circumpolar);
        if (row.above >= 0) {
            EXPECT_EQ(s.aboveHorizon, row.above == 1);
        }
        EXPECT_NEAR(s.semiArc * RadToDeg, row.semiArcDeg, 1e-9);
        if (row.poleHeightDeg >= 0) {
            EXPECT_NEAR(s.poleHeight * RadToDeg, row.poleHeightDeg, 1e-7);
        }
        for (double v : {s.ascDiff, s.semiArc, s.meridianDist, s.ascDiffPole, s.poleTangent, s.poleHeight, s.obliqueAsc})
            EXPECT_TRUE(std::isfinite(v));
        EXPECT_GT(s.semiArc, 0.0);
    }
}
