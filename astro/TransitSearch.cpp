#include "TransitSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

#include "Angles.h"
#include "Aspects.h"
#include "FittedAngle.h"
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
            out.push_back(Target{n, a, normalizeDegrees(natal.lon[n] + angle), orb});
            if (angle != 0.0 && angle != 180.0)
                out.push_back(Target{n, a, normalizeDegrees(natal.lon[n] - angle), orb});
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

const MovingPoint& settleOn(const TransitMover& m) {
    return m.settle ? m.settle : m.point;
}

// A station found on a fit lies within minutes of the library's: searched first within this many
// days of it (a narrow stretch settles in two or three calls), then wider.
constexpr double StationSettleDays = 0.02;

// A moment found on a mover's fit, to be settled on the library once the whole search has run:
// all of them are then settled in time order, so the library's files are read forwards once.
enum class MomentField { Exact, Enters, Leaves };
struct SettleRequest {
    double rough;
    std::size_t mover;
    double lon;  // the longitude the body crosses, degrees
    int motion;
    double from, to;  // a stretch around it within its segment
    std::size_t event;
    MomentField field;
};
// How closely moments are found on a fit before they are settled (days, 0.1 s): a Newton step
// from there settles them in one call all the same.
constexpr double RoughDays = 1e-6;
// Half the stretch a moment is settled in: far more than a fit strays, far less than any body
// needs to come round to the same longitude.
constexpr double SettleDays = 2.0;

// Collects the moments of the events of one mover that came from its fit.
class SettleList {
public:
    SettleList(std::vector<SettleRequest>& requests, std::size_t mover, bool active)
        : m_requests(requests), m_mover(mover), m_active(active) {}
    void add(double rough, double lon, int motion, const MotionSegment& seg, std::size_t event, MomentField field) {
        if (m_active)
            m_requests.push_back(SettleRequest{rough, m_mover, lon, motion, std::max(seg.from, rough - SettleDays),
                                               std::min(seg.to, rough + SettleDays), event, field});
    }

private:
    std::vector<SettleRequest>& m_requests;
    std::size_t m_mover;
    bool m_active;
};

double& momentOf(TransitEvent& e, MomentField field) {
    switch (field) {
    case MomentField::Enters:
        return e.entersUT;
    case MomentField::Leaves:
        return e.leavesUT;
    case MomentField::Exact:
        break;
    }
    return e.exactUT;
}

// How many passes or moments are worked between two questions to the progress callback: a
// search of every point and aspect can hold a million moments, and the window must answer.
constexpr std::size_t ProgressEvery = 2048;
// Shares of the work the progress tells: finding the passes and working them out takes about
// four fifths, settling the moments the rest; of a body's part, finding its passes two fifths.
constexpr double FoundShare = 0.8;
constexpr double CrossingShare = 0.4;

// Settles every moment found on the fits on the library. `goOn` is asked now and then with the
// share settled; when it says stop, the events whose moments are not all settled are left out
// and false is returned.
bool settleMoments(std::vector<SettleRequest>& requests, const std::vector<TransitMover>& movers,
                   std::vector<TransitEvent>& events, const std::function<bool(double settled)>& goOn) {
    std::sort(requests.begin(), requests.end(),
              [](const SettleRequest& a, const SettleRequest& b) { return a.rough < b.rough; });
    const SettleRequest* previous = nullptr;
    double previousSettled = 0;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        if (i % ProgressEvery == ProgressEvery - 1 && goOn && !goOn(double(i) / double(requests.size()))) {
            std::vector<char> unsettled(events.size(), 0);
            for (std::size_t k = i; k < requests.size(); ++k)
                unsettled[requests[k].event] = 1;
            std::size_t kept = 0;
            for (std::size_t e = 0; e < events.size(); ++e)
                if (!unsettled[e])
                    events[kept++] = events[e];
            events.resize(kept);
            return false;
        }
        const SettleRequest& r = requests[i];
        double& moment = momentOf(events[r.event], r.field);
        // An edge shared by two transits is settled once.
        if (previous && previous->rough == r.rough && previous->mover == r.mover && previous->lon == r.lon) {
            moment = previousSettled;
            continue;
        }
        const TransitMover& m = movers[r.mover];
        Crossing c{};
        const bool onValues = m.settleValue && m.settleSlope &&
                              settleCrossingOnValues(m.settleValue, m.settleSlope, r.lon, r.motion, r.rough, r.from,
                                                     r.to, c);
        if (onValues || settleCrossing(m.settle, m.point, r.lon, r.motion, r.rough, r.from, r.to, c))
            moment = c.jdUT;
        previous = &r;
        previousSettled = moment;
    }
    return true;
}

// The segment that holds moment t (segments lie end to end).
const MotionSegment& segmentAt(const std::vector<MotionSegment>& segments, double t) {
    // A crossing on a station belongs to the segment that ends there.
    auto it = std::lower_bound(segments.begin(), segments.end(), t,
                               [](const MotionSegment& s, double x) { return s.to < x; });
    return it == segments.end() ? segments.back() : *it;
}

// The segments of the period and a margin around it (as far as the body can be computed).
std::vector<MotionSegment> paddedSegments(const TransitMover& m, double from, double to) {
    double lon = 0, speed = 0;
    const double start = m.point(from - EdgeDays, lon, speed) ? from - EdgeDays : from;
    const double end = m.point(to + EdgeDays, lon, speed) ? to + EdgeDays : to;
    std::vector<MotionSegment> segments = motionSegments(m.point, start, end, m.scanStep);
    if (m.station)
        for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
            double station = 0;
            if (segments[i].stationAtTo &&
                settleStationFromFit(m.station, m.point, segments[i].to, StationSettleDays, station) &&
                station > segments[i].from && station < segments[i + 1].to)
                segments[i].to = segments[i + 1].from = station;
        }
    return segments;
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

// The longitudes at which passes come into orb and leave it, searched in the same walk as the
// exact ones: for each target its orb before and after exactness on either side. Their crossings
// within the period are kept by longitude, in time order.
class OrbEdges {
public:
    OrbEdges(const std::vector<Target>& targets, std::vector<double>& lons) {
        for (const Target& t : targets) {
            std::array<int, 4> at{-1, -1, -1, -1};
            const double edge[4] = {t.lon - t.orb.before, t.lon + t.orb.before, t.lon - t.orb.after, t.lon + t.orb.after};
            const double orb[4] = {t.orb.before, t.orb.before, t.orb.after, t.orb.after};
            for (int k = 0; k < 4; ++k) {
                if (orb[k] <= 0)
                    continue;
                for (int j = 0; j < k; ++j)
                    if (at[j] >= 0 && edge[j] == edge[k])
                        at[k] = at[j];
                if (at[k] < 0) {
                    at[k] = int(m_lons.size());
                    m_lons.push_back(edge[k]);
                }
            }
            m_of.push_back(at);
        }
        m_first = int(lons.size());
        lons.insert(lons.end(), m_lons.begin(), m_lons.end());
        m_times.resize(m_lons.size());
    }
    // Takes a crossing of longitude `index` of the combined list when it is an edge.
    bool take(int index, double t) {
        if (index < m_first)
            return false;
        m_times[std::size_t(index - m_first)].push_back(t);
        return true;
    }
    // The edge of target `target` that a body moving `motion` comes into orb at (before) or
    // leaves it at; -1 without an orb there.
    int enterEdge(int target, int motion) const { return m_of[std::size_t(target)][motion > 0 ? 0 : 1]; }
    int leaveEdge(int target, int motion) const { return m_of[std::size_t(target)][motion > 0 ? 3 : 2]; }
    double lon(int edge) const { return m_lons[std::size_t(edge)]; }
    // The last crossing of an edge in [from, to], or the first.
    bool last(int edge, double from, double to, double& t) const {
        const auto& v = m_times[std::size_t(edge)];
        auto it = std::upper_bound(v.begin(), v.end(), to);
        if (it == v.begin() || *(it - 1) < from)
            return false;
        t = *(it - 1);
        return true;
    }
    bool first(int edge, double from, double to, double& t) const {
        const auto& v = m_times[std::size_t(edge)];
        auto it = std::lower_bound(v.begin(), v.end(), from);
        if (it == v.end() || *it > to)
            return false;
        t = *it;
        return true;
    }

private:
    std::vector<double> m_lons;
    std::vector<std::array<int, 4>> m_of;  // per target: enter direct, enter retrograde, leave retrograde, leave direct
    std::vector<std::vector<double>> m_times;
    int m_first = 0;
};

// Where a pass moving `motion` within `seg` came into orb before `exact`: the crossing of the
// edge found in the period, else one searched for before the period, else the station that
// begins the segment (the body turned within the orb).
void findEnter(const TransitMover& m, const OrbEdges& edges, int edge, const MotionSegment& seg, int motion,
               double exact, const TransitQuery& q, TransitEvent& e, SettleList& settle, std::size_t event) {
    Crossing c{};
    if (edge < 0) {
        e.entersUT = exact;
    } else if (edges.last(edge, std::max(seg.from, q.fromUT), exact, e.entersUT)) {
        settle.add(e.entersUT, edges.lon(edge), motion, seg, event, MomentField::Enters);
    } else if (seg.from < q.fromUT &&
               findCrossingWithin(settleOn(m), seg.from, std::min(q.fromUT, exact), edges.lon(edge), motion, true, c)) {
        e.entersUT = c.jdUT;
    } else {
        e.entersUT = seg.from;
        e.entersAtStation = seg.stationAtFrom;
    }
}

// Where it leaves the orb after `exact`, the same way forwards.
void findLeave(const TransitMover& m, const OrbEdges& edges, int edge, const MotionSegment& seg, int motion,
               double exact, const TransitQuery& q, TransitEvent& e, SettleList& settle, std::size_t event) {
    Crossing c{};
    if (edge < 0) {
        e.leavesUT = exact;
    } else if (edges.first(edge, exact, std::min(seg.to, q.toUT), e.leavesUT)) {
        settle.add(e.leavesUT, edges.lon(edge), motion, seg, event, MomentField::Leaves);
    } else if (seg.to > q.toUT &&
               findCrossingWithin(settleOn(m), std::max(q.toUT, exact), seg.to, edges.lon(edge), motion, false, c)) {
        e.leavesUT = c.jdUT;
    } else {
        e.leavesUT = seg.to;
        e.leavesAtStation = seg.stationAtTo;
    }
}

// Stations within the period at which the body turns inside the orb without reaching exactness.
void addStationaryEvents(const TransitMover& m, const std::vector<MotionSegment>& segments,
                         const std::vector<Target>& targets, const OrbEdges& edges, const TransitQuery& query,
                         std::vector<TransitEvent>& events, SettleList& settle) {
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        const MotionSegment& before = segments[i];
        const MotionSegment& after = segments[i + 1];
        const double station = before.to;
        if (!before.stationAtTo || station < query.fromUT || station > query.toUT)
            continue;
        double lon = 0, speed = 0;
        if (!settleOn(m)(station, lon, speed))
            continue;
        for (std::size_t j = 0; j < targets.size(); ++j) {
            const Target& t = targets[j];
            const double d = signedDegrees(lon - t.lon);
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
            const std::size_t index = events.size();
            findEnter(m, edges, edges.enterEdge(int(j), before.motion), before, before.motion, station, query, e,
                      settle, index);
            // Afterwards it moves away on the same side and leaves when the orb after exactness is spent.
            if (std::fabs(d) >= t.orb.after) {
                e.leavesUT = station;
                e.leavesAtStation = true;
            } else {
                findLeave(m, edges, edges.leaveEdge(int(j), after.motion), after, after.motion, station, query, e,
                          settle, index);
            }
            events.push_back(e);
        }
    }
}

}  // namespace

void prefitForSearch(const std::vector<FittedAngle*>& fits, const TransitQuery& query) {
    prefitAngles(fits, query.fromUT - EdgeDays, query.toUT + EdgeDays);
}

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
    std::vector<SettleRequest> requests;
    for (std::size_t mi = 0; mi < movers.size(); ++mi) {
        const TransitMover& m = movers[mi];
        SettleList settle(requests, mi, bool(m.settle));
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
        OrbEdges edges(targets, lons);

        // Exact passes by target and moment, their orbs filled in once every edge is known.
        struct Pass {
            int target;
            TargetCrossing crossing;
        };
        std::vector<Pass> passes;
        // The part done as the bar shows it: finding the passes of each body, then working them
        // out, then settling every moment on the library.
        const auto partDone = [&](double ofBody) {
            return FoundShare * (double(mi) + ofBody) / double(movers.size());
        };
        for (double chunk = query.fromUT; chunk <= query.toUT; chunk += ChunkDays) {
            const double chunkEnd = std::min(chunk + ChunkDays, query.toUT);
            const auto pieces = clip(segments, chunk, chunkEnd, chunk > query.fromUT);
            for (const TargetCrossing& c : findCrossings(m.point, pieces, lons, m.settle ? RoughDays : CrossingTolerance))
                if (!edges.take(c.target, c.jdUT))
                    passes.push_back(Pass{c.target, c});
            if (progress && !progress(partDone(CrossingShare * (chunkEnd - query.fromUT) / std::max(span, 1.0)))) {
                result.status = TransitStatus::Cancelled;
                break;
            }
            if (chunkEnd >= query.toUT)
                break;
        }
        for (std::size_t pi = 0; pi < passes.size() && result.status != TransitStatus::Cancelled; ++pi) {
            if (pi % ProgressEvery == ProgressEvery - 1 && progress &&
                !progress(partDone(CrossingShare + (1 - CrossingShare) * double(pi) / double(passes.size())))) {
                result.status = TransitStatus::Cancelled;
                break;
            }
            const Pass& p = passes[pi];
            const Target& t = targets[std::size_t(p.target)];
            const TargetCrossing& c = p.crossing;
            const MotionSegment& seg = segmentAt(segments, c.jdUT);
            TransitEvent e;
            e.transiting = m.body;
            e.natal = t.natal;
            e.aspect = t.aspect;
            e.exactUT = c.jdUT;
            e.longitude = t.lon;
            e.motion = slowEnough(m.body, c.speed, options) ? TransitStationary : c.motion;
            const std::size_t index = result.events.size();
            settle.add(c.jdUT, t.lon, c.motion, seg, index, MomentField::Exact);
            findEnter(m, edges, edges.enterEdge(p.target, c.motion), seg, c.motion, c.jdUT, query, e, settle, index);
            findLeave(m, edges, edges.leaveEdge(p.target, c.motion), seg, c.motion, c.jdUT, query, e, settle, index);
            result.events.push_back(e);
        }
        if (result.status == TransitStatus::Cancelled)
            break;
        addStationaryEvents(m, segments, targets, edges, query, result.events, settle);
    }
    // Also after a cancel: what was found is shown with its true moments. A cancel while they
    // are settled leaves out what is not settled yet.
    const auto goOn = [&progress](double settled) {
        return !progress || progress(FoundShare + (1 - FoundShare) * settled);
    };
    if (!settleMoments(requests, movers, result.events, goOn))
        result.status = TransitStatus::Cancelled;
    std::sort(result.events.begin(), result.events.end(), [](const TransitEvent& a, const TransitEvent& b) {
        return std::tie(a.exactUT, a.transiting, a.natal, a.aspect) < std::tie(b.exactUT, b.transiting, b.natal, b.aspect);
    });
    return result;
}

TransitResult searchTransits(const RadixData& natal, const TransitQuery& query, const TOptions& options,
                             const TransitProgress& progress, SharedTransitFits* shared) {
    // The bodies walk on fits of their longitudes that share one fit of the nutation; the
    // moments found on them are settled on the library at the end.
    SharedTransitFits own;
    SharedTransitFits& fitsToShare = shared ? *shared : own;
    if (!fitsToShare.nutation)
        fitsToShare.nutation = fittedNutation();
    if (!fitsToShare.sun)
        fitsToShare.sun = fittedSun(options);
    const auto nutation = fitsToShare.nutation;
    const auto sun = fitsToShare.sun;
    std::vector<TransitMover> movers;
    std::vector<FittedAngle*> fits{nutation.get()};
    for (int body = 0; body < BodyCount; ++body)
        if (query.transiting[body]) {
            FittedMover fitted = fittedChartBodyMover(body, options, nutation, sun);
            // The Sun's fit serves its own transits and the bodies whose light it bends.
            if (body == BodySun || lightBends(body)) {
                if (std::find(fits.begin(), fits.end(), sun.get()) == fits.end())
                    fits.push_back(sun.get());
            }
            if (body != BodySun)
                fits.push_back(fitted.fit.get());
            movers.push_back(TransitMover{body, std::move(fitted.walk), stationScanStep(body, options),
                                          std::move(fitted.exact), std::move(fitted.station),
                                          std::move(fitted.settleValue), std::move(fitted.settleSlope)});
        }
    if (query.toUT >= query.fromUT)
        prefitForSearch(fits, query);
    return searchTransits(movers, natalPointsOf(natal), query, options, progress);
}
