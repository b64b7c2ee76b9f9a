#include "LongitudeCrossings.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "ChartIndex.h"
#include "Ephemeris.h"
#include "Options.h"

namespace {

constexpr double FullCircle = 360.0;
constexpr double HalfCircle = 180.0;
// Moments are settled to this (days, about 0.04 s); the last Newton step then leaves an error
// far below a second.
constexpr double TimeTolerance = 5e-7;
// Stations are settled to a fifth of a second: the longitude stands still there, so a station
// moment off by that much moves no crossing measurably.
constexpr double StationTolerance = 2e-6;
// A secant step on the speed that moved a station by less than this (days, 9 s) leaves it off by
// far less than StationTolerance: the error after it shrinks with the product of the last two
// steps, the first of them at most the settling stretch.
constexpr double AcceptedStationStep = 1e-4;
constexpr int MaxIterations = 80;
// A walking step moves the point at most about this far (at the speed of its start), and never
// takes longer than MaxStepDays: no body moves half a circle in that time, so the way a step
// went round the circle is never in doubt.
constexpr double StepDegrees = 15.0;
constexpr double MaxStepDays = 15.0;
// A step's movement read backwards (a hair of jitter around a station) rather than forwards.
constexpr double JitterLimit = 270.0;

int motionOf(double speed) { return speed >= 0 ? 1 : -1; }

// How far the point went from `from` to `to` in its direction of motion, 0..360.
double advance(double from, double to, int motion) {
    const double a = motion > 0 ? normalizeDegrees(to - from) : normalizeDegrees(from - to);
    return a > JitterLimit ? 0.0 : a;
}

// How far `target` lies ahead of `from` going `way` round the circle, [0, 360); a target a
// rounding error behind counts as reached.
constexpr double SameLongitude = 1e-9;  // degrees
double distanceAhead(double from, double target, int way) {
    const double d = way > 0 ? normalizeDegrees(target - from) : normalizeDegrees(from - target);
    return FullCircle - d < SameLongitude ? 0.0 : d;
}

// A sample of the point.
struct Sample {
    double t = 0, lon = 0, speed = 0;
};

// The station between a and b, whose speeds differ in sign: Illinois regula falsi on the speed,
// falling back to bisection.
bool stationBetween(const MovingPoint& point, Sample a, Sample b, double& station) {
    double fa = a.speed, fb = b.speed;
    int side = 0;
    for (int i = 0; i < MaxIterations && b.t - a.t > StationTolerance; ++i) {
        double t = (fa != fb) ? (a.t * fb - b.t * fa) / (fb - fa) : 0.5 * (a.t + b.t);
        if (!(t > a.t && t < b.t))
            t = 0.5 * (a.t + b.t);
        Sample s{t};
        if (!point(t, s.lon, s.speed))
            return false;
        if (motionOf(s.speed) == motionOf(a.speed)) {
            a = s;
            fa = s.speed;
            if (side == -1)
                fb *= 0.5;
            side = -1;
        } else {
            b = s;
            fb = s.speed;
            if (side == 1)
                fa *= 0.5;
            side = 1;
        }
    }
    station = 0.5 * (a.t + b.t);
    return true;
}

// A Newton step's makings at a moment: the value, which rises through zero at the root; the
// slope to step with; how far that slope may be off (infinite where unknown).
struct NewtonStep {
    double f = 0, slope = 0, slopeError = 0;
};

// Safeguarded Newton iteration from `x` on a root bracketed by [lo, hi], bisecting where a step
// would leave the bracket. It stops when a step or the bracket is below `stepTolerance`, or when
// the error the step leaves is estimated below `estimateTolerance`: a slope off by e leaves the
// step's end off by step * e / slope, the bend of the curve about acceleration * step^2 / slope.
// False where `evaluate` fails.
template <class Evaluate>
bool newtonRoot(double lo, double hi, double x, double acceleration, double stepTolerance, double estimateTolerance,
                Evaluate evaluate, double& root) {
    for (int i = 0; i < MaxIterations; ++i) {
        NewtonStep s;
        if (!evaluate(x, s))
            return false;
        if (s.f < 0)
            lo = x;
        else
            hi = x;
        if (s.f == 0)
            break;
        double next = s.slope > 0 ? x - s.f / s.slope : 0.5 * (lo + hi);
        if (next == x)
            break;  // a Newton step below the resolution of the time: there is no closer moment
        const bool newton = next > lo && next < hi;
        if (!newton)
            next = 0.5 * (lo + hi);
        const double step = std::fabs(next - x);
        const bool settled = step < stepTolerance || hi - lo < stepTolerance ||
                             (newton && step * s.slopeError + acceleration * step * step < estimateTolerance * s.slope);
        x = next;
        if (settled)
            break;
    }
    root = x;
    return true;
}

// The moment in [a.t, b.t] at which the point, moving `motion`, stands at `target`; the target
// lies between the two samples (at most half a circle apart). Starts from `guess`. A Newton step
// is taken without checking it by another call when the error it leaves (which shrinks with the
// square of the step, scaled by how fast the speed changes) is far below the tolerance: from the
// cubic's guess one call then usually settles the moment.
bool solveCrossing(const MovingPoint& point, Sample a, Sample b, double target, int motion, double guess,
                   Crossing& out, double tolerance = CrossingTolerance) {
    double speed = motion > 0 ? std::max(a.speed, b.speed) : std::min(a.speed, b.speed);
    // The change of speed per day across the stretch, with a margin for its bends within it.
    const double acceleration = 4.0 * std::fabs(b.speed - a.speed) / std::max(b.t - a.t, TimeTolerance);
    const auto evaluate = [&](double x, NewtonStep& s) {
        double lon = 0;
        if (!point(x, lon, speed))
            return false;
        s.f = signedDegrees(lon - target) * motion;  // rises with time in the segment
        s.slope = speed * motion;
        return true;
    };
    double root = 0;
    if (!newtonRoot(a.t, b.t, std::clamp(guess, a.t, b.t), acceleration, tolerance, tolerance, evaluate, root))
        return false;
    out = Crossing{root, motion, speed};
    return true;
}

// A first guess from the cubic through both samples with their speeds, in the fraction of the
// step: it puts Newton within a hair of the root, so a crossing costs one or two more calls.
double hermiteGuess(const Sample& a, const Sample& b, double moved, double distance, int motion) {
    const double h = b.t - a.t;
    const double m0 = a.speed * motion * h, m1 = b.speed * motion * h;
    auto p = [&](double s) {
        const double s2 = s * s, s3 = s2 * s;
        return (-2 * s3 + 3 * s2) * moved + (s3 - 2 * s2 + s) * m0 + (s3 - s2) * m1;
    };
    auto dp = [&](double s) {
        const double s2 = s * s;
        return (-6 * s2 + 6 * s) * moved + (3 * s2 - 4 * s + 1) * m0 + (3 * s2 - 2 * s) * m1;
    };
    double lo = 0, hi = 1, s = moved > 0 ? distance / moved : 0.5;
    for (int i = 0; i < 8; ++i) {
        const double f = p(s) - distance;
        if (f < 0)
            lo = s;
        else
            hi = s;
        const double d = dp(s);
        double next = d > 0 ? s - f / d : 0.5 * (lo + hi);
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        const bool converged = std::fabs(next - s) < 1e-12;
        s = next;
        if (converged)
            break;
    }
    return a.t + s * h;
}

// The length of the next walking step from a sample.
double stepFrom(const Sample& s, double remaining) {
    const double fast = std::fabs(s.speed);
    double h = std::min(remaining, MaxStepDays);
    if (fast > 0)
        h = std::min(h, StepDegrees / fast);
    return h;
}

}  // namespace

std::vector<MotionSegment> motionSegments(const MovingPoint& point, double from, double to, double scanStepDays) {
    std::vector<MotionSegment> out;
    Sample cur{from};
    if (!(to >= from) || !(scanStepDays > 0) || !point(from, cur.lon, cur.speed))
        return out;
    MotionSegment seg{from, from, motionOf(cur.speed)};
    auto close = [&](double end, bool station) {
        seg.to = end;
        seg.stationAtTo = station;
        if (seg.to > seg.from || out.empty())
            out.push_back(seg);
    };
    while (cur.t < to) {
        Sample next{std::min(cur.t + scanStepDays, to)};
        if (!point(next.t, next.lon, next.speed)) {
            close(cur.t, false);
            return out;
        }
        if (motionOf(next.speed) != seg.motion) {
            double station = 0;
            if (!stationBetween(point, cur, next, station)) {
                close(cur.t, false);
                return out;
            }
            close(station, true);
            seg = MotionSegment{station, station, -seg.motion, true, false};
        }
        cur = next;
    }
    close(to, false);
    return out;
}

std::vector<TargetCrossing> findCrossings(const MovingPoint& point, const std::vector<MotionSegment>& segments,
                                          const std::vector<double>& targets, double tolerance) {
    std::vector<TargetCrossing> out;
    std::vector<double> target(targets.size());
    std::vector<std::pair<double, std::size_t>> ahead;
    std::transform(targets.begin(), targets.end(), target.begin(), normalizeDegrees);
    // The targets by longitude, so that a step looks only at those within the arc it covered.
    std::vector<std::pair<double, std::size_t>> byLongitude(target.size());
    for (std::size_t j = 0; j < target.size(); ++j)
        byLongitude[j] = {target[j], j};
    std::sort(byLongitude.begin(), byLongitude.end());
    // Every target within [start, start + length] going forwards round the circle, and a hair
    // either side (the exact test follows).
    const auto forEachInArc = [&](double start, double length, auto&& take) {
        constexpr double Margin = 1e-6;  // degrees
        start = normalizeDegrees(start - Margin);
        length += 2 * Margin;
        if (length >= FullCircle) {
            for (const auto& [lon, j] : byLongitude)
                take(j);
            return;
        }
        auto it = std::lower_bound(byLongitude.begin(), byLongitude.end(), std::pair{start, std::size_t(0)});
        for (std::size_t n = 0; n < byLongitude.size(); ++n, ++it) {
            if (it == byLongitude.end())
                it = byLongitude.begin();
            if (normalizeDegrees(it->first - start) > length)
                break;
            take(it->second);
        }
    };
    for (const MotionSegment& seg : segments) {
        const int m = seg.motion;
        Sample a{seg.from};
        if (!point(a.t, a.lon, a.speed))
            return out;
        const std::size_t segStart = out.size();
        // A target standing exactly at the start of the period is taken; at a station it
        // belongs to the segment that ends there.
        bool takeStart = !seg.stationAtFrom;
        while (a.t < seg.to) {
            Sample b{a.t + stepFrom(a, seg.to - a.t)};
            if (b.t >= seg.to - TimeTolerance)
                b.t = seg.to;
            if (!point(b.t, b.lon, b.speed))
                return out;
            const double moved = advance(a.lon, b.lon, m);
            // The targets passed in this step, settled in the order the point reaches them: the
            // library then reads its files forwards instead of back and forth.
            ahead.clear();
            forEachInArc(m > 0 ? a.lon : a.lon - moved, moved, [&](std::size_t j) {
                const double dist = distanceAhead(a.lon, target[j], m);
                if (dist <= moved && (dist > 0 || takeStart))
                    ahead.emplace_back(dist, j);
            });
            std::sort(ahead.begin(), ahead.end());
            for (const auto& [dist, j] : ahead) {
                Crossing c{};
                if (dist == 0)
                    c = Crossing{a.t, m, a.speed};
                else if (!solveCrossing(point, a, b, target[j], m, hermiteGuess(a, b, moved, dist, m), c, tolerance))
                    return out;
                out.push_back(TargetCrossing{c.jdUT, m, c.speed, int(j)});
            }
            takeStart = false;
            a = b;
        }
        std::sort(out.begin() + std::ptrdiff_t(segStart), out.end(),
                  [](const TargetCrossing& x, const TargetCrossing& y) {
                      return x.jdUT != y.jdUT ? x.jdUT < y.jdUT : x.target < y.target;
                  });
    }
    return out;
}

std::vector<Crossing> findCrossings(const MovingPoint& point, const std::vector<MotionSegment>& segments,
                                    double target) {
    std::vector<Crossing> out;
    for (const TargetCrossing& c : findCrossings(point, segments, std::vector<double>{target}))
        out.push_back(Crossing{c.jdUT, c.motion, c.speed});
    return out;
}

bool settleCrossing(const MovingPoint& exact, const MovingPoint& walk, double target, int motion, double rough,
                    double from, double to, Crossing& out) {
    Sample a{from}, b{to};
    if (!walk(a.t, a.lon, a.speed) || !walk(b.t, b.lon, b.speed))
        return false;
    return solveCrossing(exact, a, b, normalizeDegrees(target), motion, rough, out);
}

bool settleCrossingOnValues(const AngleSample& value, const SlopeSample& slope, double target, int motion,
                            double rough, double from, double to, Crossing& out) {
    target = normalizeDegrees(target);
    const double x = std::clamp(rough, from, to);
    Slope fitted;
    if (!slope(x, fitted))
        return false;
    // How fast the speed changes near the moment, with a margin for its bends. Where the fit's
    // slope comes without a bound (behind the Sun, whose bending of the light changes there faster
    // than the fit can tell), neither is known: the steps go on until they are too small to matter.
    const double acceleration = 2.0 * std::fabs(fitted.change);
    const bool estimated = std::isfinite(fitted.error);
    bool havePrevious = false;
    double previousX = 0, previousF = 0;
    const auto evaluate = [&](double at, NewtonStep& s) {
        double lon = 0;
        if (!value(at, lon))
            return false;
        s.f = signedDegrees(lon - target) * motion;  // rises with time in the stretch
        s.slope = fitted.speed * motion;
        s.slopeError = fitted.error;
        if (havePrevious && at != previousX) {
            // Between two library values: off only by how the speed bends between them.
            s.slope = (s.f - previousF) / (at - previousX);
            s.slopeError = estimated ? acceleration * std::fabs(at - previousX) : fitted.error;
        }
        havePrevious = true;
        previousX = at;
        previousF = s.f;
        return true;
    };
    double root = 0;
    if (!newtonRoot(from, to, x, acceleration, CrossingTolerance, TimeTolerance, evaluate, root))
        return false;
    out = Crossing{root, motion, fitted.speed};
    return true;
}

bool settleStationFromFit(const MovingPoint& exact, const MovingPoint& walk, double rough, double halfWidth,
                          double& station) {
    // The fit's change of speed, from its speed a little either side.
    constexpr double Spread = 0.01;  // days
    Sample before{rough - Spread}, after{rough + Spread}, s0{rough};
    if (walk(before.t, before.lon, before.speed) && walk(after.t, after.lon, after.speed) &&
        exact(s0.t, s0.lon, s0.speed)) {
        const double change = (after.speed - before.speed) / (2 * Spread);
        Sample s1{change != 0 ? rough - s0.speed / change : rough};
        if (std::fabs(s1.t - rough) < halfWidth && s1.t != rough && exact(s1.t, s1.lon, s1.speed) &&
            s1.speed != s0.speed) {
            const double t2 = s1.t - s1.speed * (s1.t - s0.t) / (s1.speed - s0.speed);
            if (std::fabs(t2 - s1.t) < AcceptedStationStep) {
                station = t2;
                return true;
            }
            rough = t2;
        }
    }
    return settleStation(exact, rough, halfWidth, station);
}

bool settleStation(const MovingPoint& exact, double rough, double halfWidth, double& station) {
    // Then wider, where the fit was further off than expected.
    for (double w = halfWidth; w <= 64 * halfWidth; w *= 8) {
        Sample a{rough - w}, b{rough + w};
        if (!exact(a.t, a.lon, a.speed) || !exact(b.t, b.lon, b.speed))
            return false;
        if (motionOf(a.speed) != motionOf(b.speed))
            return stationBetween(exact, a, b, station);
    }
    return false;
}

bool findCrossingWithin(const MovingPoint& point, double from, double to, double target, int motion, bool backward,
                        Crossing& out) {
    if (!(to >= from))
        return false;
    target = normalizeDegrees(target);
    const int dir = backward ? -1 : 1;  // the way time is walked
    const int way = motion * dir;       // the way the longitude is walked
    Sample a{backward ? to : from};
    if (!point(a.t, a.lon, a.speed))
        return false;
    const double dist = distanceAhead(a.lon, target, way);
    if (dist == 0) {
        out = Crossing{a.t, motion, a.speed};
        return true;
    }
    double left = dist;
    const double end = backward ? from : to;
    while ((end - a.t) * dir > 0) {
        const double remaining = (end - a.t) * dir;
        double h = stepFrom(a, remaining);
        const double fast = std::fabs(a.speed);
        if (fast > 0)
            h = std::min(h, std::max(1.25 * left / fast, TimeTolerance));  // aim just past the target
        Sample b{a.t + dir * h};
        if (remaining - h < TimeTolerance)
            b.t = end;
        if (!point(b.t, b.lon, b.speed))
            return false;
        const double moved = advance(a.lon, b.lon, way);
        if (moved >= left) {
            // Solve with the samples in time order.
            const Sample& early = backward ? b : a;
            const Sample& late = backward ? a : b;
            const double fromEarly = backward ? moved - left : left;
            const double guess = hermiteGuess(early, late, moved, fromEarly, motion);
            return solveCrossing(point, early, late, target, motion, guess, out);
        }
        left -= moved;
        a = b;
    }
    return false;
}

MovingPoint chartBodyMover(int index, const TOptions& options) {
    const bool south = index == BodySouthNode;
    const int body = ephemerisBodyOf(south ? int(BodyNorthNode) : index, options.nodetype);
    return [body, south](double jdUT, double& lon, double& speed) {
        const EphemerisBody b = ephemerisBody(jdUT + ephemerisDeltaT(jdUT), body, true);
        if (!isAvailable(b.status))
            return false;
        lon = south ? normalizeDegrees(b.x[0] + HalfCircle) : b.x[0];
        speed = b.x[3];
        return true;
    };
}

double stationScanStep(int index) {
    // Half the shortest retrograde or direct stretch of each body, so that no stretch falls
    // between two samples: Mercury turns back for about 21 days, Venus for 40, Mars for 60,
    // Jupiter .. Pluto and Chiron, Pholus for four months or more, the asteroids for about 80 days.
    switch (index) {
    case BodySun:
    case BodyMoon:
    case BodyLilith:
        return MaxStepDays;  // never stations
    case BodyMercury:
        return 8.0;
    case BodyMercury + 1:  // Venus
        return 15.0;
    case BodyMercury + 2:  // Mars
        return 20.0;
    case BodyNorthNode:
    case BodySouthNode:
        return 0.25;  // the true node turns within days
    default:
        break;
    }
    if (index <= BodyPholus)
        return 40.0;  // Jupiter .. Pluto, Chiron, Pholus
    return 10.0;      // Ceres .. Vesta
}

double stationScanStep(int index, const TOptions& options) {
    if ((index == BodyNorthNode || index == BodySouthNode) && options.nodetype != 1)
        return MaxStepDays;  // the mean node always moves backwards
    return stationScanStep(index);
}
