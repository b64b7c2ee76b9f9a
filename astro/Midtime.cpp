#include "Midtime.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Angles.h"

namespace {

using Vector = std::array<double, 3>;

Vector unitVector(GeoPoint p) {
    const double lon = p.longitude * DegToRad, lat = p.latitude * DegToRad;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double length(const Vector& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// Below this length the sum of two unit vectors counts as zero: the places are antipodal.
constexpr double AntipodalLength = 1e-12;

}  // namespace

double midtimeUT(double jdA, double jdB) {
    return jdA + (jdB - jdA) / 2.0;
}

double greatCircleDegrees(GeoPoint a, GeoPoint b) {
    const Vector u = unitVector(a), v = unitVector(b);
    const Vector d{u[0] - v[0], u[1] - v[1], u[2] - v[2]};
    const Vector s{u[0] + v[0], u[1] + v[1], u[2] + v[2]};
    return 2.0 * std::atan2(length(d), length(s)) * RadToDeg;
}

GeoPoint greatCircleMidpoint(GeoPoint a, GeoPoint b) {
    const Vector u = unitVector(a), v = unitVector(b);
    Vector m{u[0] + v[0], u[1] + v[1], u[2] + v[2]};
    if (length(m) < AntipodalLength) {
        // A quarter circle north of `a` along its meridian.
        const double lat = a.latitude + 90.0;
        if (lat > 90.0)
            return {a.longitude > 0 ? a.longitude - 180.0 : a.longitude + 180.0, 180.0 - lat};
        return {a.longitude, lat};
    }
    const double r = length(m);
    for (double& c : m)
        c /= r;
    GeoPoint p;
    p.latitude = std::asin(std::clamp(m[2], -1.0, 1.0)) * RadToDeg;
    // At a pole the longitude means nothing; keep the one of `a`.
    p.longitude = std::hypot(m[0], m[1]) < AntipodalLength ? a.longitude : std::atan2(m[1], m[0]) * RadToDeg;
    return p;
}
