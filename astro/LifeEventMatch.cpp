#include "LifeEventMatch.h"

#include <algorithm>
#include <cmath>

#include "DirectionArcKey.h"
#include "Ephemeris.h"

namespace {
constexpr double NoonHours = 12.0;
}

double correctionYears(double correvs) {
    return correvs > 0 ? correvs : DefaultCorrectionYears;
}

double lifeEventMoment(const CalDate& date) {
    return calendarToJulianDay(date.year, date.month, date.day, NoonHours, date.gregorian != 0);
}

std::vector<EventMatch> matchLifeEvents(const std::vector<MarkedEvent>& events,
                                        const std::vector<DatedDirection>& directions, double distanceYears) {
    std::vector<EventMatch> out;
    out.reserve(events.size());
    for (const MarkedEvent& e : events) {
        EventMatch m;
        m.event = e.index;
        m.jdUT = e.jdUT;
        for (const DatedDirection& d : directions) {
            const NearDirection n{d, ageAtMoment(e.jdUT, d.jdUT)};
            if (!m.hasClosest || std::fabs(n.years) < std::fabs(m.closest.years)) {
                m.closest = n;
                m.hasClosest = true;
            }
            if (std::fabs(n.years) <= distanceYears)
                m.near.push_back(n);
        }
        std::stable_sort(m.near.begin(), m.near.end(), [](const NearDirection& a, const NearDirection& b) {
            return std::fabs(a.years) < std::fabs(b.years);
        });
        out.push_back(std::move(m));
    }
    return out;
}
