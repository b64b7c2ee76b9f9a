#pragma once
// The moments at which a point moving along the ecliptic reaches given longitudes: the period
// is cut at the point's stations into monotonic segments, and in each segment every crossing is
// found by safeguarded Newton iteration on the ephemeris longitude and speed. Returns, transits
// and (with a progressed point plugged in) secondary directions all stand on these two steps.
#include <functional>
#include <vector>

struct TOptions;

// A point moving along the ecliptic: longitude (degrees, [0,360)) and daily speed (degrees per
// day) at a UT moment; false where it cannot be computed (outside the ephemeris files).
using MovingPoint = std::function<bool(double jdUT, double& lon, double& speed)>;

// The value of a smooth angle (degrees) at a UT moment; false where it cannot be computed.
using AngleSample = std::function<bool(double jdUT, double& degrees)>;

// The rate of an approximation of a moving point (degrees per day), a bound on how far it may be
// from the point's true rate, and how fast the rate changes (degrees per day squared).
struct Slope {
    double speed = 0;
    double error = 0;
    double change = 0;
};
// False where it cannot be given.
using SlopeSample = std::function<bool(double jdUT, Slope& slope)>;

// A stretch of time in which the point moves one way only: +1 direct, -1 retrograde.
// `stationAtFrom` / `stationAtTo` tell whether an end is a station of the point rather than an
// end of the period asked for.
struct MotionSegment {
    double from, to;
    int motion;
    bool stationAtFrom = false;
    bool stationAtTo = false;
};

// The period cut at the point's stations. Each station is found by root finding on the speed to
// well under a second; the scan step only brackets the stations and must be shorter than the
// shortest time between two stations of that body (stationScanStep gives a safe one). Where the
// point cannot be computed the segments end at the last moment that could (so a caller sees
// from the last segment's end whether the whole period is covered); empty when not even
// `from` can be computed or when `to` < `from`.
std::vector<MotionSegment> motionSegments(const MovingPoint& point, double from, double to, double scanStepDays);

// Crossings are settled to this (days): the Moon moves 0.01" in about 0.02 s, and a root settled
// by its bracket rather than by a Newton step is only as close as the bracket.
inline constexpr double CrossingTolerance = 1e-8;

// A moment at which the point stands at a target longitude, with the way it moves there and its
// speed (degrees per day) at that moment.
struct Crossing {
    double jdUT;
    int motion;
    double speed = 0;
};

// Every moment within the segments at which the longitude equals `target` (degrees, taken mod
// 360), ascending, to well under a second. Segments that touch share their end: a crossing that
// falls exactly on a station is reported once, in the segment that ends there.
std::vector<Crossing> findCrossings(const MovingPoint& point, const std::vector<MotionSegment>& segments,
                                    double target);

// A crossing of one of several targets: `target` is its index in the list given.
struct TargetCrossing {
    double jdUT;
    int motion;
    double speed;
    int target;
};
// The same for many targets at once, sharing the ephemeris calls that walk the segments; in
// ascending time (crossings of different targets at the same moment in target order). Moments
// that will be settled again on another point need not be found as closely: `tolerance` (days).
std::vector<TargetCrossing> findCrossings(const MovingPoint& point, const std::vector<MotionSegment>& segments,
                                          const std::vector<double>& targets, double tolerance = CrossingTolerance);

// A crossing found on a fit of the point (`rough`), settled on `exact` within [from, to], a
// stretch in which the point moves `motion` and passes `target` once; `walk` (the fit) gives the
// stretch's ends. Usually a single call of `exact`.
bool settleCrossing(const MovingPoint& exact, const MovingPoint& walk, double target, int motion, double rough,
                    double from, double to, Crossing& out);

// The same on a longitude given without its speed (a cheaper library call): the Newton steps
// take the slope of `slope` (the fit's), so that a moment found on the fit is settled in one
// call where the step and the slope's bound show that the step cannot leave it off by more than
// a small fraction of a second; otherwise the steps go on with the slope between the values
// found. False where `value` or `slope` cannot be computed.
bool settleCrossingOnValues(const AngleSample& value, const SlopeSample& slope, double target, int motion,
                            double rough, double from, double to, Crossing& out);

// A station found on a fit of the point (`rough`), settled on `exact` (the library's longitude
// and speed, the speed's root being the station): a Newton step on the fit's change of speed,
// then a secant step on the two library speeds, which is taken when it moved the moment by less
// than nine seconds; otherwise as settleStation from there.
bool settleStationFromFit(const MovingPoint& exact, const MovingPoint& walk, double rough, double halfWidth,
                          double& station);

// A station found on a fit of the point (`rough`), settled on `exact` (whose speed must be the
// ephemeris' own) within `halfWidth` days of it, or 8 or 64 times that; false where the speed
// does not change sign there.
bool settleStation(const MovingPoint& exact, double rough, double halfWidth, double& station);

// The first moment in [from, to] (searching forward from `from`, or backward from `to` when
// `backward` is set) at which the point reaches `target`; the point must move one way only,
// `motion`, within [from, to] (inside one segment). False when it does not get there within
// the stretch or cannot be computed.
bool findCrossingWithin(const MovingPoint& point, double from, double to, double target, int motion, bool backward,
                        Crossing& out);

// The apparent geocentric tropical longitude and speed of chart body `index` (0..18, the
// chart's body order; the South node opposite the North node) as computeRadix computes it, with
// the node type of the options.
MovingPoint chartBodyMover(int index, const TOptions& options);

// A safe station scan step in days for chart body `index` (checked against a daily scan over two
// centuries); the nodes take the step of the true node, which stations every few days. Only the
// true node's smallest wiggles, two stations within six hours a few arc seconds apart, are
// passed over as one stretch. The overload with the options knows the node type and
// takes a long step for the mean node, which never stations.
double stationScanStep(int index);
double stationScanStep(int index, const TOptions& options);
