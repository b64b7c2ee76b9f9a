#pragma once
// Directions checked against the person's marked life events: each direction within the
// correction distance (`correvs`, years) of an event is listed beside it with the difference,
// and the closest ones sum the event up.
#include <cstdint>
#include <vector>

#include "BirthData.h"

// The correction distance used when the options hold none (zero or less): a year.
constexpr double DefaultCorrectionYears = 1.0;
// The distance in use: `correvs`, or the default when it is not positive.
double correctionYears(double correvs);

// A life event that takes part in a correction: its place in the chart's list and its moment.
// A life event is a date only; it stands at noon UT of that day.
struct MarkedEvent {
    int index = 0;
    double jdUT = 0;
};
double lifeEventMoment(const CalDate& date);

enum class DirectionKind : std::uint8_t { Primary = 0, Secondary = 1 };

// A dated direction of either kind: `index` is its place in the primary or secondary result.
struct DatedDirection {
    DirectionKind kind = DirectionKind::Primary;
    int index = 0;
    double jdUT = 0;
};

// A direction near an event: `years` = direction minus event (negative: before the event).
struct NearDirection {
    DatedDirection direction;
    double years = 0;
};

struct EventMatch {
    int event = 0;  // index of the event in the chart's list
    double jdUT = 0;
    std::vector<NearDirection> near;  // within the distance, closest first
    // The closest direction at all, also when none is within the distance; `hasClosest` false
    // only when there are no directions.
    NearDirection closest;
    bool hasClosest = false;
};

// For each marked event, in the order given, the directions within `distanceYears`.
std::vector<EventMatch> matchLifeEvents(const std::vector<MarkedEvent>& events,
                                        const std::vector<DatedDirection>& directions, double distanceYears);
