#include "Rectification.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ComputeRadix.h"
#include "JulianMoment.h"
#include "RadixData.h"

namespace {

constexpr double MinutesPerDay = 1440.0;

// Every direction of one candidate chart, within the ages that can matter for the events.
std::vector<DatedDirection> candidateDirections(const RadixData& chart, const RectificationQuery& q, double fromAge,
                                                double toAge, const TOptions& options) {
    std::vector<DatedDirection> out;
    if (q.primary) {
        PrimaryQuery pq = q.primaryQuery;
        pq.fromAge = std::max(pq.fromAge, fromAge);
        pq.toAge = std::min(pq.toAge, toAge);
        const PrimaryResult r = computePrimaryDirections(chart, pq, options);
        for (std::size_t i = 0; i < r.directions.size(); ++i)
            out.push_back({DirectionKind::Primary, int(i), r.directions[i].jdUT});
    }
    if (q.secondary) {
        SecondaryQuery sq = q.secondaryQuery;
        sq.fromAge = std::max(sq.fromAge, fromAge);
        sq.toAge = std::min(sq.toAge, toAge);
        const SecondaryResult r = computeSecondaryDirections(chart, sq, options);
        for (std::size_t i = 0; i < r.directions.size(); ++i)
            out.push_back({DirectionKind::Secondary, int(i), r.directions[i].jdUT});
    }
    return out;
}

}  // namespace

RadixData chartAtBirthMoment(const RadixData& natal, double jdUT, const TOptions& options) {
    RadixData chart = natal;
    chart.moment = momentAtJulianDay(natal.moment, jdUT);
    computeRadix(chart, options);
    return chart;
}

RectificationResult rankBirthTimes(const RadixData& natal, const std::vector<MarkedEvent>& events,
                                   const RectificationQuery& q, const TOptions& options,
                                   const RectificationProgress& progress) {
    RectificationResult out;
    if (events.empty()) {
        out.status = RectificationStatus::NoEvents;
        return out;
    }
    if (!std::isfinite(q.rangeMinutes) || !std::isfinite(q.stepMinutes) || q.rangeMinutes < 0 ||
        q.stepMinutes <= 0 || q.rangeMinutes / q.stepMinutes > MaxRectificationCandidates / 2) {
        out.status = RectificationStatus::BadRange;
        return out;
    }
    if (!natal.computed) {
        out.status = RectificationStatus::NotComputed;
        return out;
    }
    const double distance = q.distanceYears > 0 ? q.distanceYears : DefaultCorrectionYears;

    // Only directions within the distance of an event can change a score, so the ages searched
    // are those of the events widened by the distance (and by the time shift, which is tiny).
    double firstAge = std::numeric_limits<double>::max(), lastAge = -firstAge;
    for (const MarkedEvent& e : events) {
        firstAge = std::min(firstAge, ageAtMoment(natal.jdUT, e.jdUT));
        lastAge = std::max(lastAge, ageAtMoment(natal.jdUT, e.jdUT));
    }
    const double margin = distance + 1.0;
    const double fromAge = std::max(0.0, firstAge - margin);
    const double toAge = std::min(MaxDirectionAge, lastAge + margin);

    const int steps = int(std::floor(q.rangeMinutes / q.stepMinutes + 1e-9));
    const int total = 2 * steps + 1;
    for (int k = -steps; k <= steps; ++k) {
        RectificationCandidate c;
        c.offsetMinutes = k * q.stepMinutes;
        c.jdUT = natal.jdUT + c.offsetMinutes / MinutesPerDay;
        const RadixData chart = chartAtBirthMoment(natal, c.jdUT, options);
        if (!chart.computed) {
            out.status = RectificationStatus::NotComputed;
            return out;
        }
        const std::vector<DatedDirection> dirs = candidateDirections(chart, q, fromAge, toAge, options);
        for (const EventMatch& m : matchLifeEvents(events, dirs, distance)) {
            const double years = m.hasClosest ? std::min(std::fabs(m.closest.years), distance) : distance;
            if (m.hasClosest && std::fabs(m.closest.years) <= distance)
                ++c.eventsMet;
            c.score += years;
        }
        c.meanYears = c.score / double(events.size());
        out.ranking.push_back(c);
        if (progress && !progress(double(k + steps + 1) / total)) {
            out.status = RectificationStatus::Cancelled;
            break;
        }
    }
    std::stable_sort(out.ranking.begin(), out.ranking.end(),
                     [](const RectificationCandidate& a, const RectificationCandidate& b) {
                         if (a.eventsMet != b.eventsMet)
                             return a.eventsMet > b.eventsMet;
                         if (a.score != b.score)
                             return a.score < b.score;
                         return std::fabs(a.offsetMinutes) < std::fabs(b.offsetMinutes);
                     });
    return out;
}

bool selectionHasMarks(const TDirectionFilter& s) {
    auto any = [](const auto& marks) { return std::find(marks.begin(), marks.end(), true) != marks.end(); };
    return any(s.promissors) && any(s.significators) && any(s.aspects);
}

TDirectionFilter classicRectificationSelection() {
    constexpr int LastPromissor = 6;  // Saturn
    constexpr int Square = 5, Opposition = 10;
    TDirectionFilter s;
    for (int b = BodySun; b <= LastPromissor; ++b)
        s.promissors[std::size_t(b)] = true;
    s.significators[SignificatorMarkAscendant] = s.significators[SignificatorMarkMC] = true;
    s.aspects[0] = s.aspects[Square] = s.aspects[Opposition] = true;
    return s;
}
