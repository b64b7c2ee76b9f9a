#pragma once
// Angle helpers of the calculation: true modulo reductions and the sign of a longitude.
#include <cmath>
#include <numbers>

constexpr double DegToRad = std::numbers::pi / 180.0;
constexpr double RadToDeg = 180.0 / std::numbers::pi;
constexpr double TwoPi = 2.0 * std::numbers::pi;

// Reduces to [0, 360). A true modulo: negative angles come out positive too.
inline double normalizeDegrees(double deg) {
    // The common cases without the division; each gives what fmod would, exactly (a difference
    // of two numbers within a factor two of each other is exact).
    if (deg >= 0.0 && deg < 360.0)
        return deg;
    if (deg >= 360.0 && deg < 720.0)
        return deg - 360.0;
    double r = std::fmod(deg, 360.0);
    if (r < 0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;  // -1e-17 + 360 rounds to 360
}

// Reduces to [-180, 180): how far an angle lies past (positive) or short of (negative) zero.
inline double signedDegrees(double deg) {
    const double r = normalizeDegrees(deg);
    return r >= 180.0 ? r - 360.0 : r;
}

// Reduces to [0, 2π).
inline double normalizeRadians(double rad) {
    double r = std::fmod(rad, TwoPi);
    if (r < 0)
        r += TwoPi;
    return r >= TwoPi ? 0.0 : r;
}

// Sign index 0..11 (Aries .. Pisces) of an ecliptic longitude in radians. A thousandth of an
// arc second is added first, so that a value a rounding error below a sign boundary falls
// into the next sign; just below 360° that gives Aries (0), never 12.
int signOf(double longitude);

struct EquatorialPosition {
    double ra = 0;    // [0, 2π)
    double decl = 0;  // [-π/2, π/2]
};

// Right ascension and declination of an ecliptic longitude and latitude for an obliquity
// (all radians). The poles come out as ±90° and the origin as 0, never NaN.
EquatorialPosition eclipticToEquatorial(double longitude, double latitude, double obliquity);
