// The midtime instant and the great-circle midpoint, the latter against the usual navigation
// formula for the midpoint of two positions.
#include <gtest/gtest.h>

#include <cmath>

#include "Midtime.h"

namespace {

constexpr double Rad = 3.14159265358979323846 / 180.0;

GeoPoint navigationMidpoint(GeoPoint a, GeoPoint b) {
    const double f1 = a.latitude * Rad, f2 = b.latitude * Rad, dl = (b.longitude - a.longitude) * Rad;
    const double bx = std::cos(f2) * std::cos(dl), by = std::cos(f2) * std::sin(dl);
    const double lat = std::atan2(std::sin(f1) + std::sin(f2), std::hypot(std::cos(f1) + bx, by));
    double lon = a.longitude + std::atan2(by, std::cos(f1) + bx) / Rad;
    lon = std::fmod(lon + 540.0, 360.0) - 180.0;
    return {lon, lat / Rad};
}

double lonDiff(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

}  // namespace

TEST(MidtimeTest, MeanInstant) {
    EXPECT_DOUBLE_EQ(midtimeUT(2444421.9375, 2443582.770833), (2444421.9375 + 2443582.770833) / 2);
    EXPECT_DOUBLE_EQ(midtimeUT(2451545.0, 2451545.0), 2451545.0);
}

TEST(MidtimeTest, MidpointOnTheGreatCircle) {
    const struct {
        const char* name;
        GeoPoint a, b;
    } rows[] = {
        {"Budapest and New York", {19.04, 47.5}, {-74.0, 40.7}},
        {"Sydney and Santiago", {151.2, -33.9}, {-70.7, -33.45}},
        {"across the date line", {170.0, 10.0}, {-170.0, -10.0}},
        {"along the equator", {0.0, 0.0}, {90.0, 0.0}},
        {"the same place", {19.04, 47.5}, {19.04, 47.5}},
        {"near neighbours", {19.04, 47.5}, {16.37, 48.21}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const GeoPoint m = greatCircleMidpoint(row.a, row.b);
        const GeoPoint e = navigationMidpoint(row.a, row.b);
        EXPECT_NEAR(m.latitude, e.latitude, 1e-9);
        EXPECT_LT(lonDiff(m.longitude, e.longitude), 1e-9);
        EXPECT_GE(m.longitude, -180.0);
        EXPECT_LE(m.longitude, 180.0);
        EXPECT_NEAR(greatCircleDegrees(row.a, m), greatCircleDegrees(m, row.b), 1e-9);
        EXPECT_NEAR(greatCircleDegrees(row.a, m) * 2, greatCircleDegrees(row.a, row.b), 1e-9);
    }
}

TEST(MidtimeTest, AntipodesAndPoles) {
    const struct {
        const char* name;
        GeoPoint a, b, expected;
    } rows[] = {
        {"antipodes on the equator: the North Pole", {0, 0}, {180, 0}, {0, 90}},
        {"antipodes: a quarter circle north of the first", {20, -30}, {-160, 30}, {20, 60}},
        {"antipodes: over the pole", {20, 30}, {-160, -30}, {-160, 60}},
        {"both on one parallel across the pole", {0, 60}, {180, 60}, {0, 90}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const GeoPoint m = greatCircleMidpoint(row.a, row.b);
        EXPECT_NEAR(m.latitude, row.expected.latitude, 1e-9);
        if (std::fabs(row.expected.latitude) < 90) {
            EXPECT_LT(lonDiff(m.longitude, row.expected.longitude), 1e-9);
        }
    }
}
