// Signs of longitudes at the boundaries, and ecliptic to equatorial coordinates.
#include <gtest/gtest.h>

#include "Angles.h"

TEST(Angles, SignOfTakesBoundaryRoundingIntoTheNextSignAndNeverGivesTwelve) {
    const double mas = 1.0 / 3600000.0;  // a thousandth of an arc second, in degrees
    struct Row {
        const char* name;
        double deg;
        int sign;
    } rows[] = {
        {"0", 0.0, 0},
        {"0.0001 arc seconds below 30", 30.0 - mas / 10, 1},
        {"0.01 arc seconds below 30", 30.0 - 10 * mas, 0},
        {"exactly 30", 30.0, 1},
        {"0.0001 arc seconds below 360", 360.0 - mas / 10, 0},
        {"0.01 arc seconds below 360", 360.0 - 10 * mas, 11},
        {"a hair below 0 wraps to Aries", -1e-12, 0},
        {"just below -30 is Aquarius", -30.0 - 10 * mas, 10},
        {"720 + 45", 765.0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(signOf(row.deg * DegToRad), row.sign);
    }
}

TEST(Angles, NormalizeIsATrueModulo) {
    EXPECT_DOUBLE_EQ(normalizeDegrees(-90.0), 270.0);
    EXPECT_DOUBLE_EQ(normalizeDegrees(725.0), 5.0);
    EXPECT_LT(normalizeDegrees(-1e-17), 360.0);
    EXPECT_LT(normalizeRadians(-1e-17), TwoPi);
    EXPECT_DOUBLE_EQ(normalizeRadians(-std::numbers::pi / 2), 1.5 * std::numbers::pi);
    // The shortcuts for the common ranges give exactly what the plain reduction gives, at the
    // edges of each range too.
    const auto plain = [](double deg) {
        double r = std::fmod(deg, 360.0);
        if (r < 0)
            r += 360.0;
        return r >= 360.0 ? 0.0 : r;
    };
    for (double deg : {0.0, 1e-300, 359.99999999999994, 360.0, 360.00000000000006, 540.5, 719.9999999999999, 720.0,
                       720.0000000000001, 1080.25, -1e-17, -0.5, -359.99999999999994, -360.0, -360.00000000000006,
                       -1e7 - 0.125})
        EXPECT_EQ(normalizeDegrees(deg), plain(deg)) << deg;
}

TEST(Angles, EclipticToEquatorialAtKnownPoints) {
    const double eps = 23.4392911 * DegToRad;
    struct Row {
        const char* name;
        double lonDeg, latDeg, raDeg, declDeg;
    } rows[] = {
        {"vernal point", 0, 0, 0, 0},
        {"summer solstice", 90, 0, 90, 23.4392911},
        {"autumn point", 180, 0, 180, 0},
        {"winter solstice", 270, 0, 270, -23.4392911},
        {"north ecliptic pole", 0, 90, 270, 90 - 23.4392911},
        {"point on the celestial pole", 90, 90 - 23.4392911, 0, 90},  // x = y = 0
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const EquatorialPosition e = eclipticToEquatorial(row.lonDeg * DegToRad, row.latDeg * DegToRad, eps);
        if (row.declDeg < 89.9999) {
            EXPECT_NEAR(e.ra * RadToDeg, row.raDeg, 1e-9);
        }
        EXPECT_NEAR(e.decl * RadToDeg, row.declDeg, 1e-9);
        EXPECT_TRUE(std::isfinite(e.ra) && e.ra >= 0 && e.ra < TwoPi);
    }
}
