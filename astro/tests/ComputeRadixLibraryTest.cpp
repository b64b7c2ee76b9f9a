// The chart against the ephemeris library's own answers, asked directly and by other routes
// than the calculation takes (UT calls, the library's own house and coordinate functions).
#include <gtest/gtest.h>

#include <swephexp.h>

#include "ChartFixture.h"
#include "ComputeRadix.h"
#include "Houses.h"

namespace {

struct Moment {
    const char* name;
    int year, month, day;
    double hourUT;
    bool gregorian;
};

struct Place {
    const char* name;
    double longitude, latitude;
};

const Moment Moments[] = {
    {"-3000 Julian", -3000, 3, 1, 6.25, false},
    {"-500 Julian", -500, 7, 15, 18.5, false},
    {"600 Julian (no Chiron)", 600, 12, 24, 23.99, false},
    {"1582-10-04 Julian", 1582, 10, 4, 12.0, false},
    {"1582-10-15 Gregorian", 1582, 10, 15, 0.0, true},
    {"1900-01-01", 1900, 1, 1, 0.0, true},
    {"1969-07-20", 1969, 7, 20, 20.3, true},
    {"2000-01-01 noon", 2000, 1, 1, 12.0, true},
    {"2024-03-20 equinox", 2024, 3, 20, 3.1, true},
    {"2100-12-31", 2100, 12, 31, 23.5, true},
};

const Place Places[] = {
    {"equator, Greenwich", 0.0, 0.0},
    {"Budapest", 19.0402, 47.4979},
    {"Sydney", 151.2093, -33.8688},
    {"Buenos Aires", -58.3816, -34.6037},
    {"Los Angeles (far West)", -118.2437, 34.0522},
    {"66 N", 25.7, 66.0},
    {"66 S", -70.0, -66.0},
    {"89 N", -10.5, 89.0},
    {"89 S", 120.25, -89.0},
};

struct LibraryBody {
    bool ok;
    double x[6];
};

LibraryBody libraryBody(double jdUT, int ipl, int flags) {
    LibraryBody b{};
    char serr[AS_MAXCH];
    b.ok = swe_calc_ut(jdUT, ipl, flags, b.x, serr) >= 0;
    return b;
}

void expectAngle(double actualRad, double expectedDeg, const char* what, int index) {
    EXPECT_LT(angleDiff(actualRad * RadToDegree, expectedDeg), MilliArcSecond)
        << what << " " << index << ": " << actualRad * RadToDegree << " vs " << expectedDeg;
}

// Longitudes and right ascensions lie in [0, 2π) and nothing is NaN or infinite, also for
// bodies that never rise or never set.
void expectSaneValues(const RadixData& r) {
    const auto inCircle = [](double a) { return a >= 0.0 && a < 2 * 3.14159265358979323846; };
    EXPECT_TRUE(inCircle(r.armc)) << r.armc;
    for (int i = 0; i < AxisCount; ++i)
        EXPECT_TRUE(inCircle(r.axis[i]) && inCircle(r.axisRA[i])) << "axis " << i;
    for (int i = 0; i < CuspCount; ++i)
        EXPECT_TRUE(inCircle(r.cusp[i]) && inCircle(r.cuspRA[i]) && inCircle(r.houseStart[i])) << "cusp " << i;
    for (int i = 0; i < ChartPointCount; ++i)
        EXPECT_TRUE(inCircle(r.lon[i]) && inCircle(r.ra[i])) << "point " << i;
    for (int k = 0; k < BodyCount; ++k) {
        EXPECT_TRUE(inCircle(r.lonLater[k]) && inCircle(r.obliqueAsc[k])) << "body " << k;
        for (double v : {r.semiArc[k], r.ascDiff[k], r.meridianDist[k], r.ascDiffPole[k], r.poleTangent[k],
                         r.poleHeight[k], r.decl[k], r.speed[k]})
            EXPECT_TRUE(std::isfinite(v)) << "body " << k;
        EXPECT_LE(r.housePercent[k], 100);
        EXPECT_LT(r.bodySign[k], 12);
        for (int i = 0; i < AspectPointCount; ++i)
            EXPECT_TRUE(std::isfinite(r.separation[k][i]));
    }
}

}  // namespace

class ComputeRadixLibrary : public ChartTest {};

TEST_F(ComputeRadixLibrary, BodiesCuspsAndAxesMatchTheLibraryInEveryHouseSystem) {
    auto options = defaultOptions();
    for (const Moment& m : Moments) {
        for (const Place& p : Places) {
            for (int system = 0; system < HouseSystemCount; ++system) {
                SCOPED_TRACE(std::string(m.name) + ", " + p.name + ", house system " + std::to_string(system));
                auto r = chartAt(m.year, m.month, m.day, m.hourUT, m.gregorian, p.longitude, p.latitude);
                options->housecalc = static_cast<std::uint8_t>(system);
                options->nodetype = static_cast<std::uint8_t>(system % 2);  // mean and true node alike
                computeRadix(*r, *options);
                expectSaneValues(*r);
                const double lon = r->moment.longitude.decimal();
                const double lat = r->moment.latitude.decimal();

                const double jdUT = swe_julday(m.year, m.month, m.day, m.hourUT,
                                               m.gregorian ? SE_GREG_CAL : SE_JUL_CAL);
                ASSERT_NEAR(r->jdUT, jdUT, 1e-9);
                const double jdET = jdUT + swe_deltat(jdUT);

                // Houses by the library's own route from UT and the place.
                double cusps[13], ascmc[10];
                const int rc = swe_houses_ex(jdUT, 0, lat, lon, houseSystemCode(system), cusps, ascmc);
                EXPECT_EQ(r->houseSystemUsed, rc < 0 ? int(HousePorphyrius) : system);
                expectAngle(r->armc, ascmc[2], "armc", 0);
                for (int c = 0; c < 12; ++c)
                    expectAngle(r->cusp[c], cusps[c + 1], "cusp", c + 1);
                const int axisFrom[6] = {0, 1, 3, 4, 6, 7};
                for (int a = 0; a < 6; ++a)
                    expectAngle(r->axis[a], ascmc[axisFrom[a]], "axis", a);
                expectAngle(r->axis[AxisDescendant], ascmc[0] + 180.0, "axis", AxisDescendant);
                expectAngle(r->axis[AxisIC], ascmc[1] + 180.0, "axis", AxisIC);

                double eps[6];
                swe_calc_ut(jdUT, SE_ECL_NUT, 0, eps, nullptr);
                EXPECT_NEAR(r->obliquity * RadToDegree, eps[0], MilliArcSecond);
                EXPECT_NEAR(r->nutationLongitude * RadToDegree, eps[2], MilliArcSecond);
                EXPECT_NEAR(r->nutationObliquity * RadToDegree, eps[3], MilliArcSecond);

                // Axes and cusps on the equator by the library's coordinate transformation.
                for (int a = 0; a < AxisCount; ++a) {
                    double ecl[3] = {r->axis[a] * RadToDegree, 0.0, 1.0}, equ[3];
                    swe_cotrans(ecl, equ, -eps[0]);
                    expectAngle(r->axisRA[a], equ[0], "axis RA", a);
                    EXPECT_NEAR(r->axisDecl[a] * RadToDegree, equ[1], MilliArcSecond) << "axis decl " << a;
                }

                if (system != 0)
                    continue;  // the bodies do not depend on the house system
                for (int k = 0; k < BodyCount; ++k) {
                    if (k == BodySouthNode)
                        continue;
                    const int ipl = ephemerisBodyOf(k, options->nodetype);
                    const LibraryBody b = libraryBody(jdUT, ipl, SEFLG_SPEED);
                    const LibraryBody later = [&] {
                        LibraryBody l{};
                        l.ok = swe_calc(jdET + 0.0001, ipl, 0, l.x, nullptr) >= 0;
                        return l;
                    }();
                    ASSERT_EQ(r->available(k), b.ok && later.ok) << "body " << k;
                    if (!b.ok)
                        continue;
                    const LibraryBody equ = libraryBody(jdUT, ipl, SEFLG_SPEED | SEFLG_EQUATORIAL);
                    expectAngle(r->lon[k], b.x[0], "lon", k);
                    EXPECT_NEAR(r->lat[k] * RadToDegree, b.x[1], MilliArcSecond) << "lat " << k;
                    EXPECT_NEAR(r->speed[k] * RadToDegree, b.x[3], MilliArcSecond) << "speed " << k;
                    expectAngle(r->lonLater[k], later.x[0], "lonLater", k);
                    expectAngle(r->ra[k], equ.x[0], "ra", k);
                    EXPECT_NEAR(r->decl[k] * RadToDegree, equ.x[1], MilliArcSecond) << "decl " << k;

                    // Above the horizon exactly when the library's true altitude is positive.
                    double geopos[3] = {lon, lat, 0}, xin[3] = {b.x[0], b.x[1], b.x[2]}, xaz[3];
                    swe_azalt(jdUT, SE_ECL2HOR, geopos, 0, 0, xin, xaz);
                    if (std::fabs(xaz[1]) > 1e-6) {
                        EXPECT_EQ(r->aboveHorizon[k] == 1, xaz[1] > 0) << "body " << k << " altitude " << xaz[1];
                    }
                }
                // The South node lies exactly opposite the North node and moves with it.
                if (r->available(BodyNorthNode)) {
                    expectAngle(r->lon[BodySouthNode], r->lon[BodyNorthNode] * RadToDegree + 180.0, "lon", 11);
                    expectAngle(r->lonLater[BodySouthNode], r->lonLater[BodyNorthNode] * RadToDegree + 180.0,
                                "lonLater", 11);
                    EXPECT_EQ(r->lat[BodySouthNode], -r->lat[BodyNorthNode]);
                    EXPECT_EQ(r->speed[BodySouthNode], r->speed[BodyNorthNode]);
                }
                for (int a = 2; a < 6; ++a)
                    EXPECT_EQ(r->lon[PointVertex + a - 2], r->axis[a]);
            }
        }
    }
}
