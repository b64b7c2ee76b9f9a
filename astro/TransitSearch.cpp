#include "TransitSearch.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "Angles.h"
#include "Aspects.h"
#include "RadixData.h"

namespace {

// The search looks this far beyond the period for the stations that bound its first and last
// passes, so that their enter and leave moments are found even outside it. Every body with
// stations turns within this time; the others cover the widest orb well within it.
constexpr double EdgeDays = 400.0;
// The exact moments are searched in pieces of this length, asking the progress callback after
// each, so that a long search can be cancelled promptly.
constexpr double ChunkDays = 180.0;

// One longitude the search looks for: natal point plus or minus an aspect angle.
struct Target {
    int natal;
    int aspect;
    double lon;  // degrees
    TransitOrb orb;
};

double circle(double deg) {
    double r = std::fmod(deg, 360.0);
    return r < 0 ? r + 360.0 : r;
}

double signedDiff(double a, double b) {
    const double d = circle(a - b);
    return d >= 180.0 ? d - 360.0 : d;
}

int orbClassOfNatal(int natal) {
    if (natal == NatalAscendant)
        return OrbAsc;
    if (natal == NatalMC)
        return OrbMC;
    return orbClass(aspectPointOfBody(natal));
}

std::vector<Target> targetsOf(int body, const NatalPoints& natal, const TransitQuery& query, const TOptions& options) {
    std::vector<Target> out;
    for (int n = 0; n < NatalPointCount; ++n) {
        if (!query.natal[n] || !natal.available[n])
            continue;
        for (int a = 0; a < AspectCount; ++a) {
            if (!query.aspects[a])
                continue;
            const double angle = aspectAngle(a);
            const TransitOrb orb = transitOrb(body, n, a, options);
            out.push_back(Target{n, a, circle(natal.lon[n] + angle), orb});
            if (angle != 0.0 && angle != 180.0)
                out.push_back(Target{n, a, circle(natal.lon[n] - angle), orb});
        }
    }
    return out;
}

// Whether the body counts as stationary at this speed, by the chart's rule (Mercury .. Pluto).
bool slowEnough(int body, double speed, const TOptions& options) {
    if (body < BodyMercury || body > BodyPluto)
        return false;
    const double limit = options.avgspeed[body] * std::pow(10.0, -double(options.stationary_strict));
    return std::fabs(speed) < limit;
}

// The segment that holds moment t (segments lie end to end).
const MotionSegment& segmentAt(const std::vector<MotionSegment>& segments, double t) {
    auto it = std::upper_bound(segments.begin(), segments.end(), t,
                               [](double x, const MotionSegment& s) { return x < s.to; });
    return it == segments.end() ? segments.back() : *it;
}

// Where the pass that is exact at `exact` (moving `motion` within `seg`) came into orb and where
// it leaves it; a pass that turns within the orb enters or leaves at the station.
void passOrb(const MovingPoint& point, const MotionSegment& seg, const Target& target, int motion,
             TransitEvent& e) {
    Crossing c{};
    if (target.orb.before <= 0) {
        e.entersUT = e.exactUT;
    } else if (findCrossingWithin(point, seg.from, e.exactUT, target.lon - motion * target.orb.before, motion, true,
                                  c)) {
        e.entersUT = c.jdUT;
    } else {
        e.entersUT = seg.from;
        e.entersAtStation = seg.stationAtFrom;
    }
    if (target.orb.after <= 0) {
        e.leavesUT = e.exactUT;
    } else if (findCrossingWithin(point, e.exactUT, seg.to, target.lon + motion * target.orb.after, motion, false,
                                  c)) {
        e.leavesUT = c.jdUT;
    } else {
        e.leavesUT = seg.to;
        e.leavesAtStation = seg.stationAtTo;
    }
}

// The segments of the period and a margin around it (as far as the body can be computed).
std::vector<MotionSegment> paddedSegments(const TransitMover& m, double from, double to) {
    double lon = 0, speed = 0;
    const double start = m.point(from - EdgeDays, lon, speed) ? from - EdgeDays : from;
    const double end = m.point(to + EdgeDays, lon, speed) ? to + EdgeDays : to;
    return motionSegments(m.point, start, end, m.scanStep);
}

// The segments clipped to [from, to]. A piece that starts at `from` after the beginning of the
// period is marked as starting at a station so that a crossing on the seam is not taken twice.
std::vector<MotionSegment> clip(const std::vector<MotionSegment>& segments, double from, double to, bool seam) {
    std::vector<MotionSegment> out;
    for (MotionSegment s : segments) {
        if (s.to < from || s.from > to || (s.to == from && s.to > s.from))
            continue;
        if (s.from < from) {
            s.from = from;
            s.stationAtFrom = seam;
        }
        if (s.to > to) {
            s.to = to;
            s.stationAtTo = false;
        }
        out.push_back(s);
    }
    return out;
}

// Stations within the period at which the body turns inside the orb without reaching exactness.
void addStationaryEvents(const TransitMover& m, const std::vector<MotionSegment>& segments,
                         const std::vector<Target>& targets, const TransitQuery& query,
                         std::vector<TransitEvent>& events) {
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        const MotionSegment& before = segments[i];
        const MotionSegment& after = segments[i + 1];
        const double station = before.to;
        if (!before.stationAtTo || station < query.fromUT || station > query.toUT)
            continue;
        double lon = 0, speed = 0;
        if (!m.point(station, lon, speed))
            continue;
        for (const Target& t : targets) {
            const double d = signedDiff(lon, t.lon);
            // Still on the side it came from: it turned before reaching the exact aspect.
            if (d * before.motion >= 0 || std::fabs(d) > t.orb.before)
                continue;
            TransitEvent e;
            e.transiting = m.body;
            e.natal = t.natal;
            e.aspect = t.aspect;
            e.exactUT = station;
            e.motion = TransitStationary;
            e.exactReached = false;
            e.deviation = std::fabs(d);
            e.longitude = lon;
            Crossing c{};
            if (findCrossingWithin(m.point, before.from, station, t.lon - before.motion * t.orb.before, before.motion,
                                   true, c)) {
                e.entersUT = c.jdUT;
            } else {
                e.entersUT = before.from;
                e.entersAtStation = before.stationAtFrom;
            }
            // Afterwards it moves away on the same side and leaves when the orb after exactness is spent.
            if (std::fabs(d) >= t.orb.after) {
                e.leavesUT = station;
                e.leavesAtStation = true;
            } else if (findCrossingWithin(m.point, station, after.to, t.lon + after.motion * t.orb.after,
                                          after.motion, false, c)) {
                e.leavesUT = c.jdUT;
            } else {
                e.leavesUT = after.to;
                e.leavesAtStation = after.stationAtTo;
            }
            events.push_back(e);
        }
    }
}

}  // namespace

int natalPointOfMark(int mark) {
    if (mark == SignificatorMarkAscendant)
        return NatalAscendant;
    if (mark == SignificatorMarkMC)
        return NatalMC;
    return mark;
}

int markOfNatalPoint(int natal) {
    if (natal == NatalAscendant)
        return SignificatorMarkAscendant;
    if (natal == NatalMC)
        return SignificatorMarkMC;
    if (natal == BodySouthNode || natal == BodyLilith)
        return -1;
    return natal;
}

int bodyOfPromissorMark(int mark) {
    return mark == PromissorMarkFortune ? -1 : mark;
}

TransitQuery transitQueryFromSelection(const TDirectionFilter& selection, double fromUT, double toUT) {
    TransitQuery q;
    q.fromUT = fromUT;
    q.toUT = toUT;
    for (int mark = 0; mark < PromissorMarkCount; ++mark) {
        const int body = bodyOfPromissorMark(mark);
        if (body >= 0 && selection.promissors[mark])
            q.transiting[body] = true;
    }
    for (int mark = 0; mark < SignificatorMarkCount; ++mark)
        if (selection.significators[mark])
            q.natal[natalPointOfMark(mark)] = true;
    q.aspects = selection.aspects;
    return q;
}

NatalPoints natalPointsOf(const RadixData& r) {
    NatalPoints p;
    for (int k = 0; k < BodyCount; ++k) {
        p.available[k] = r.available(k);
        p.lon[k] = r.lon[k] * RadToDeg;
    }
    p.lon[NatalAscendant] = r.axis[AxisAscendant] * RadToDeg;
    p.lon[NatalMC] = r.axis[AxisMC] * RadToDeg;
    p.available[NatalAscendant] = p.available[NatalMC] = r.computed != 0;
    return p;
}

TransitOrb transitOrb(int transiting, int natal, int aspect, const TOptions& options) {
    if (transiting >= 0 && transiting < SpeedBodyCount &&
        (options.transitfw[transiting] != 0 || options.transitbw[transiting] != 0))
        return {std::max(0.0, options.transitfw[transiting]), std::max(0.0, options.transitbw[transiting])};
    const double sum =
        options.orbises[aspect][orbClass(aspectPointOfBody(transiting))] + options.orbises[aspect][orbClassOfNatal(natal)];
    return {std::max(0.0, sum), std::max(0.0, sum)};
}

TransitResult searchTransits(const std::vector<TransitMover>& movers, const NatalPoints& natal,
                             const TransitQuery& query, const TOptions& options, const TransitProgress& progress) {
    TransitResult result;
    if (!(query.toUT >= query.fromUT)) {
        result.status = TransitStatus::EmptyPeriod;
        return result;
    }
    const double span = query.toUT - query.fromUT;
    for (std::size_t mi = 0; mi < movers.size(); ++mi) {
        const TransitMover& m = movers[mi];
        const std::vector<Target> targets = targetsOf(m.body, natal, query, options);
        const std::vector<MotionSegment> segments = paddedSegments(m, query.fromUT, query.toUT);
        if (segments.empty() || segments.front().from > query.fromUT || segments.back().to < query.toUT) {
            result.status = TransitStatus::OutsideEphemeris;
            result.body = m.body;
            result.events.clear();
            return result;
        }
        if (targets.empty())
            continue;
        std::vector<double> lons;
        for (const Target& t : targets)
            lons.push_back(t.lon);

        for (double chunk = query.fromUT; chunk <= query.toUT; chunk += ChunkDays) {
            const double chunkEnd = std::min(chunk + ChunkDays, query.toUT);
            const auto pieces = clip(segments, chunk, chunkEnd, chunk > query.fromUT);
            for (const TargetCrossing& c : findCrossings(m.point, pieces, lons)) {
                const Target& t = targets[std::size_t(c.target)];
                TransitEvent e;
                e.transiting = m.body;
                e.natal = t.natal;
                e.aspect = t.aspect;
                e.exactUT = c.jdUT;
                e.longitude = t.lon;
                e.motion = slowEnough(m.body, c.speed, options) ? TransitStationary : c.motion;
                passOrb(m.point, segmentAt(segments, c.jdUT), t, c.motion, e);
                result.events.push_back(e);
            }
            if (progress && !progress((double(mi) + (chunkEnd - query.fromUT) / std::max(span, 1.0)) /
                                      double(movers.size()))) {
                result.status = TransitStatus::Cancelled;
                break;
            }
            if (chunkEnd >= query.toUT)
                break;
        }
        if (result.status == TransitStatus::Cancelled)
            break;
        addStationaryEvents(m, segments, targets, query, result.events);
    }
    std::sort(result.events.begin(), result.events.end(), [](const TransitEvent& a, const TransitEvent& b) {
        return std::tie(a.exactUT, a.transiting, a.natal, a.aspect) < std::tie(b.exactUT, b.transiting, b.natal, b.aspect);
    });
    return result;
}

TransitResult searchTransits(const RadixData& natal, const TransitQuery& query, const TOptions& options,
                             const TransitProgress& progress) {
    std::vector<TransitMover> movers;
    for (int body = 0; body < BodyCount; ++body)
        if (query.transiting[body])
            movers.push_back(TransitMover{body, chartBodyMover(body, options), stationScanStep(body, options)});
    return searchTransits(movers, natalPointsOf(natal), query, options, progress);
}
