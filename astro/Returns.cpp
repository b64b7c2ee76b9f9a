#include "Returns.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Angles.h"
#include "ChartIndex.h"
#include "Ephemeris.h"
#include "JulianMoment.h"
#include "LongitudeCrossings.h"
#include "Options.h"
#include "RadixData.h"

namespace {

// How far a search for the next return looks ahead of the start: beyond Saturn's period
// (29.46 years) with room for a loop that begins before its return and ends after it.
constexpr double NextReturnHorizonDays = 31.0 * 365.25;
// The window searched at a time for the next return, grown until a crossing is found; short
// for the fast bodies so that one return costs little.
constexpr double FirstWindowDays = 40.0;
// Longer than the time from the first to the last crossing of any loop of Mercury .. Saturn
// (Saturn's: its retrograde stretch of about 140 days and the passes before and after).
constexpr double LoopReachDays = 400.0;

// The searches walk on the body's longitude without nutation plus a nutation in longitude held
// fixed or drawn as a straight line: the library's apparent position costs more than twice as
// much, most of it for the nutation, which moves by a fraction of an arc second a day. Each
// crossing found is then settled on the apparent longitude as the chart computes it.
struct NutationLine {
    double t0 = 0, at0 = 0, perDay = 0;
    double at(double t) const { return at0 + perDay * (t - t0); }
};

NutationLine nutationThrough(double a, double atA, double b, double atB) {
    return {a, atA, b > a ? (atB - atA) / (b - a) : 0.0};
}

double nutationAt(double jdUT) {
    return ephemerisNutation(jdUT + ephemerisDeltaT(jdUT)).nutationLongitude;
}

// The longitude without nutation of ephemeris body `ephemerisBody` and its speed, at the moments
// a chart can hold.
bool positionWithoutNutation(int ephemerisBody, double jdUT, double& lon, double& speed) {
    if (!isHeldJulianDay(jdUT))
        return false;
    const EphemerisBody b = ephemerisBodyMeanEquinox(jdUT + ephemerisDeltaT(jdUT), ephemerisBody, true, true);
    if (!isAvailable(b.status))
        return false;
    lon = b.x[0];
    speed = b.x[3];
    return true;
}

// The search longitude, limited the same way.
MovingPoint searchMover(int ephemerisBody, const NutationLine& nutation) {
    return [ephemerisBody, nutation](double jdUT, double& lon, double& speed) {
        if (!positionWithoutNutation(ephemerisBody, jdUT, lon, speed))
            return false;
        lon = normalizeDegrees(lon + nutation.at(jdUT));
        return true;
    };
}

// The chart's mover, limited to the moments a chart can hold.
MovingPoint heldMover(int body, const TOptions& options) {
    return [mover = chartBodyMover(body, options)](double jdUT, double& lon, double& speed) {
        return isHeldJulianDay(jdUT) && mover(jdUT, lon, speed);
    };
}

// What a search needs of the body: which ephemeris body it is and its apparent longitude.
struct ReturnBody {
    int index;
    int ephemeris;
    MovingPoint apparent;
};

// Whether the period could be covered: the body must have a position at both ends.
bool covered(const ReturnBody& body, double from, double to) {
    const MovingPoint mover = searchMover(body.ephemeris, NutationLine{});
    double lon = 0, speed = 0;
    return mover(from, lon, speed) && mover(to, lon, speed);
}

// The Sun and the Moon never turn back; between two returns of theirs at least 360 / top speed
// days pass, and a return lies within a day or two of the mean period after the last.
struct DirectBody {
    double period;        // days, the tropical year or month
    double topSpeed;      // degrees per day
    double lowSpeed;      // degrees per day
    double acceleration;  // the most their speed changes in a day, with a margin
};
constexpr DirectBody Sun{365.24219, 1.03, 0.94, 0.001};
constexpr DirectBody Moon{27.321582, 15.5, 11.5, 0.6};

bool alwaysDirect(int body) {
    return body == BodySun || body == BodyMoon;
}
const DirectBody& directBody(int body) { return body == BodySun ? Sun : Moon; }

// Newton's method stops when its last step leaves an error below this (degrees, 0.0004").
constexpr double SettledDegrees = 1e-7;
// The nutation is taken again at a moment found by a step longer than this (days): within it the
// nutation, which moves by at most 0.25" a day, moves by under 0.001".
constexpr double NutationSettleDays = 0.004;
constexpr int MaxNewtonSteps = 40;
// Moments closer than this (days, under 0.01 s) are one.
constexpr double SameMomentDays = 1e-7;

// The crossing of the Sun or the Moon nearest `guess` in longitude. Their speed varies by less
// than a third, so Newton's method on the search longitude converges from anywhere within half a
// turn; once settled on the nutation held (`nutation`, in and out), the nutation at the moment
// found replaces it. False when the crossing lies beyond the moments a chart can hold or cannot
// be computed.
bool crossingNear(const ReturnBody& body, double guess, double target, double& nutation, double& t) {
    const double acceleration = directBody(body.index).acceleration;
    const double first = firstHeldJulianDay(), last = lastHeldJulianDay();
    t = std::clamp(guess, first, last);
    for (int i = 0; i < MaxNewtonSteps; ++i) {
        double lon = 0, speed = 0;
        if (!positionWithoutNutation(body.ephemeris, t, lon, speed) || !(speed > 0))
            return false;
        double step = -signedDegrees(lon + nutation - target) / speed;
        if (acceleration * step * step / 2 < SettledDegrees) {
            const double actual = nutationAt(t + step);
            const double shift = (nutation - actual) / speed;
            nutation = actual;
            step += shift;
            if (std::fabs(shift) < NutationSettleDays && acceleration * step * step / 2 < SettledDegrees) {
                t += step;
                return isHeldJulianDay(t);
            }
        }
        const double next = std::clamp(t + step, first, last);
        if (next == t)
            return false;
        t = next;
    }
    return false;
}

// Up to `limit` crossings of the Sun or the Moon in [from, to], found from the moment `anchor`
// at which the body stood on the target (the natal moment) by whole mean periods.
std::vector<ReturnMoment> directCrossings(const ReturnBody& body, double anchor, double from, double to,
                                          double target, std::size_t limit) {
    std::vector<ReturnMoment> out;
    const DirectBody& motion = directBody(body.index);
    const double shortestGap = 360.0 / motion.topSpeed;
    if (!isHeldJulianDay(anchor))
        anchor = from;
    const double guess = anchor + std::ceil((from - anchor) / motion.period) * motion.period;
    double nutation = nutationAt(std::clamp(guess, firstHeldJulianDay(), lastHeldJulianDay()));
    double t = 0;
    if (!crossingNear(body, guess, target, nutation, t))
        return out;
    // The first on or after the start: the one found, or a period after it, or one before it
    // that still lies after the start. One found a hair before the start (closer than the
    // moments are settled) is the one at the start.
    const double start = from - SameMomentDays;
    for (int i = 0; t < start; ++i)
        if (i == 2 || !crossingNear(body, t + motion.period, target, nutation, t))
            return out;
    while (t - from >= shortestGap) {
        double earlierNutation = nutation, earlier = 0;
        if (!crossingNear(body, t - motion.period, target, earlierNutation, earlier) || earlier < start ||
            earlier >= t)
            break;
        t = earlier;
        nutation = earlierNutation;
    }
    while (t <= to) {
        out.push_back({body.index, t, ReturnDirect});
        if (out.size() == limit)
            break;
        const double last = t;
        if (!crossingNear(body, last + motion.period, target, nutation, t) || t - last < shortestGap / 2)
            break;
    }
    return out;
}

// A crossing found on the search longitude, solved again on the apparent longitude in the days
// around it (within its segment, where the body moves one way): there the two longitudes differ
// by a few arc seconds, which close to a station can be a day's motion. Stays where it was found
// in the unlikely case that the apparent longitude only grazes the target.
constexpr double SettleReachDays = 5.0;
double settled(const ReturnBody& body, const MotionSegment& segment, const Crossing& c, double target) {
    const double from = std::max(segment.from, c.jdUT - SettleReachDays);
    const double to = std::min(segment.to, c.jdUT + SettleReachDays);
    Crossing apparent{};
    return findCrossingWithin(body.apparent, from, to, target, c.motion, false, apparent) ? apparent.jdUT : c.jdUT;
}

std::vector<ReturnMoment> crossingsIn(const ReturnBody& body, double anchor, double from, double to, double target) {
    if (alwaysDirect(body.index))
        return directCrossings(body, anchor, from, to, target, SIZE_MAX);
    // Mercury .. Saturn: the step does not depend on the node type. The stations are found on the
    // speed alone, which the nutation changes by a fraction of an arc second a day.
    const std::vector<MotionSegment> segments =
        motionSegments(searchMover(body.ephemeris, NutationLine{}), from, to, stationScanStep(body.index));
    std::vector<ReturnMoment> out;
    double nutationFrom = segments.empty() ? 0.0 : nutationAt(segments.front().from);
    for (const MotionSegment& segment : segments) {
        // The nutation is exact at both ends of the segment, so whether the target lies within
        // the segment's stretch of longitude is told as on the apparent longitude.
        const double nutationTo = nutationAt(segment.to);
        const MovingPoint mover =
            searchMover(body.ephemeris, nutationThrough(segment.from, nutationFrom, segment.to, nutationTo));
        for (const Crossing& c : findCrossings(mover, {segment}, target))
            out.push_back({body.index, settled(body, segment, c, target),
                           c.motion < 0 ? ReturnRetrograde : ReturnDirect});
        nutationFrom = nutationTo;
    }
    return out;
}

ReturnBody returnBody(int body, const TOptions& options) {
    return {body, ephemerisBodyOf(body, options.nodetype), heldMover(body, options)};
}

ReturnStatus checkInput(const RadixData& natal, int body) {
    if (!isReturnBody(body))
        return ReturnStatus::UnknownBody;
    if (!natal.available(body))
        return ReturnStatus::NatalUnavailable;
    return ReturnStatus::Ok;
}

}  // namespace

ReturnSearch findReturns(const RadixData& natal, int body, double fromUT, double toUT, const TOptions& options) {
    ReturnSearch result;
    result.status = checkInput(natal, body);
    if (result.status != ReturnStatus::Ok || toUT < fromUT)
        return result;
    const ReturnBody mover = returnBody(body, options);
    if (!covered(mover, fromUT, toUT)) {
        result.status = ReturnStatus::OutOfEphemeris;
        return result;
    }
    result.returns = crossingsIn(mover, natal.jdUT, fromUT, toUT, natal.lon[body] * RadToDeg);
    return result;
}

ReturnSearch nextReturn(const RadixData& natal, int body, double fromUT, const TOptions& options) {
    ReturnSearch result;
    result.status = checkInput(natal, body);
    if (result.status != ReturnStatus::Ok)
        return result;
    const ReturnBody mover = returnBody(body, options);
    const double target = natal.lon[body] * RadToDeg;

    if (alwaysDirect(body)) {
        const double longest = 360.0 / directBody(body).lowSpeed;
        const std::vector<ReturnMoment> found = directCrossings(mover, natal.jdUT, fromUT, fromUT + longest, target, 1);
        if (found.empty())
            result.status = ReturnStatus::OutOfEphemeris;
        else
            result.returns = {found.front()};
        return result;
    }

    // The first crossing on or after the start, in windows that double in length.
    double windowStart = fromUT, length = FirstWindowDays;
    std::vector<ReturnMoment> found;
    while (found.empty()) {
        if (windowStart - fromUT > NextReturnHorizonDays) {
            result.status = ReturnStatus::OutOfEphemeris;  // not reached within the horizon: no data
            return result;
        }
        double windowEnd = windowStart + length;
        // Near the end of the ephemeris files a shorter window may still hold the return.
        while (!covered(mover, windowStart, windowEnd) && windowEnd - windowStart > 1.0)
            windowEnd = windowStart + (windowEnd - windowStart) / 2;
        if (!covered(mover, windowStart, windowEnd)) {
            result.status = ReturnStatus::OutOfEphemeris;
            return result;
        }
        found = crossingsIn(mover, natal.jdUT, windowStart, windowEnd, target);
        windowStart = windowEnd;
        length *= 2;
    }
    const ReturnMoment first = found.front();

    // The loop the first crossing belongs to: a direct crossing may be followed by a
    // retrograde and a direct one; a retrograde crossing lies between two direct ones.
    const double from = first.jdUT - LoopReachDays, to = first.jdUT + LoopReachDays;
    if (!covered(mover, from, to)) {
        result.returns = {first};
        return result;
    }
    const std::vector<ReturnMoment> around = crossingsIn(mover, natal.jdUT, from, to, target);
    // Keep the run of crossings that contains the first and whose neighbours are joined by a
    // retrograde one: consecutive crossings of one loop alternate direct, retrograde, direct.
    auto it = std::find_if(around.begin(), around.end(),
                           [&](const ReturnMoment& r) { return std::fabs(r.jdUT - first.jdUT) < 1e-6; });
    if (it == around.end()) {
        result.returns = {first};
        return result;
    }
    auto lo = it, hi = it + 1;
    while (lo != around.begin() && (lo->motion == ReturnRetrograde || (lo - 1)->motion == ReturnRetrograde))
        --lo;
    while (hi != around.end() && (hi->motion == ReturnRetrograde || (hi - 1)->motion == ReturnRetrograde))
        ++hi;
    result.returns.assign(lo, hi);
    return result;
}
