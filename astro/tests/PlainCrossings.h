#pragma once
// A plain search on the ephemeris for the crossing and transit tests, written apart from the
// kernel: a fine grid and bisection, slow and simple, so that a slip in the kernel shows.
#include <algorithm>
#include <cmath>
#include <vector>

#include "Ephemeris.h"

constexpr double OneSecond = 1.0 / 86400.0;

inline double jdUT(int y, int m, int d) { return calendarToJulianDay(y, m, d, 0.0, true); }

// Longitude and speed of an ephemeris body (0 Sun .. 9 Pluto) straight from the library's door.
struct Plain {
    int body;
    double lon(double t) const { return ephemerisBody(t + ephemerisDeltaT(t), body, true).x[0]; }
    double speed(double t) const { return ephemerisBody(t + ephemerisDeltaT(t), body, true).x[3]; }
};

// lon - target folded to [-180, 180).
inline double offset(double lon, double target) {
    double d = std::fmod(lon - target, 360.0);
    if (d < -180)
        d += 360;
    if (d >= 180)
        d -= 360;
    return d;
}

// Every sign change of f on a grid of `step` days, bisected to far under a second; `jump` leaves
// out sign changes where f leaps by that much or more (the far side of the circle).
template <class F>
std::vector<double> scanRoots(F f, double from, double to, double step, double jump) {
    std::vector<double> out;
    double a = from, fa = f(a);
    while (a < to) {
        const double b = std::min(a + step, to);
        const double fb = f(b);
        if ((fa < 0) != (fb < 0) && std::fabs(fa - fb) < jump) {
            double lo = a, hi = b, flo = fa;
            while (hi - lo > 1e-9) {
                const double mid = 0.5 * (lo + hi), fm = f(mid);
                if ((fm < 0) == (flo < 0)) {
                    lo = mid;
                    flo = fm;
                } else {
                    hi = mid;
                }
            }
            out.push_back(0.5 * (lo + hi));
        }
        a = b;
        fa = fb;
    }
    return out;
}

inline std::vector<double> scanCrossings(const Plain& p, double from, double to, double step, double target) {
    return scanRoots([&](double t) { return offset(p.lon(t), target); }, from, to, step, 90.0);
}

inline std::vector<double> scanStations(const Plain& p, double from, double to, double step) {
    return scanRoots([&](double t) { return p.speed(t); }, from, to, step, 1e9);
}
