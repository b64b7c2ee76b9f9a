#include "Returns.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"
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

// Whether the period could be covered: the mover must give a position at both ends.
bool covered(const MovingPoint& mover, double from, double to) {
    double lon = 0, speed = 0;
    return mover(from, lon, speed) && mover(to, lon, speed);
}

// The Sun and the Moon never turn back and never move faster than these (degrees per day): one
// that is d degrees short of its target cannot get there in less than d / top speed days, so its
// crossing is looked for from then on, a step or two before it, and no stations are searched.
constexpr double SunTopSpeed = 1.03;
constexpr double MoonTopSpeed = 15.5;
// Nor slower than these: the longest time a return of theirs can take.
constexpr double SunLowSpeed = 0.94;
constexpr double MoonLowSpeed = 11.5;

bool alwaysDirect(int body) {
    return body == BodySun || body == BodyMoon;
}

std::vector<ReturnMoment> directCrossings(const MovingPoint& mover, int body, double from, double to, double target) {
    std::vector<ReturnMoment> out;
    double lon = 0, speed = 0;
    if (!mover(from, lon, speed))
        return out;
    const double top = body == BodySun ? SunTopSpeed : MoonTopSpeed;
    double shortOf = normalizeDegrees(target - lon);
    double t = from;
    if (shortOf == 0) {
        out.push_back({body, from, ReturnDirect});
        shortOf = 360.0;
    }
    for (;;) {
        const double earliest = t + shortOf / top;
        Crossing c{};
        if (earliest > to || !findCrossingWithin(mover, earliest, to, target, ReturnDirect, false, c))
            break;
        out.push_back({body, c.jdUT, ReturnDirect});
        t = c.jdUT;
        shortOf = 360.0;  // a whole turn to the next
    }
    return out;
}

std::vector<ReturnMoment> crossingsIn(const MovingPoint& mover, int body, double from, double to, double target) {
    if (alwaysDirect(body))
        return directCrossings(mover, body, from, to, target);
    // Mercury .. Saturn: the step does not depend on the node type.
    const std::vector<MotionSegment> segments = motionSegments(mover, from, to, stationScanStep(body));
    std::vector<ReturnMoment> out;
    for (const Crossing& c : findCrossings(mover, segments, target))
        out.push_back({body, c.jdUT, c.motion < 0 ? ReturnRetrograde : ReturnDirect});
    return out;
}

// The chart's mover, limited to the moments a chart can hold.
MovingPoint heldMover(int body, const TOptions& options) {
    return [mover = chartBodyMover(body, options)](double jdUT, double& lon, double& speed) {
        return isHeldJulianDay(jdUT) && mover(jdUT, lon, speed);
    };
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
    const MovingPoint mover = heldMover(body, options);
    if (!covered(mover, fromUT, toUT)) {
        result.status = ReturnStatus::OutOfEphemeris;
        return result;
    }
    result.returns = crossingsIn(mover, body, fromUT, toUT, natal.lon[body] * RadToDeg);
    return result;
}

ReturnSearch nextReturn(const RadixData& natal, int body, double fromUT, const TOptions& options) {
    ReturnSearch result;
    result.status = checkInput(natal, body);
    if (result.status != ReturnStatus::Ok)
        return result;
    const MovingPoint mover = heldMover(body, options);
    const double target = natal.lon[body] * RadToDeg;

    if (alwaysDirect(body)) {
        const double longest = 360.0 / (body == BodySun ? SunLowSpeed : MoonLowSpeed);
        const std::vector<ReturnMoment> found = directCrossings(mover, body, fromUT, fromUT + longest, target);
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
        found = crossingsIn(mover, body, windowStart, windowEnd, target);
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
    const std::vector<ReturnMoment> around = crossingsIn(mover, body, from, to, target);
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
