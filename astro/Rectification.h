#pragma once
// Rectification: birth times around the recorded one, each ranked by how closely its directions
// meet the person's marked life events.
//
// For each candidate time the chart is cast again (same place and clock) and its directions
// computed; every marked event is scored by its closest direction: the difference in years,
// capped at the correction distance. Candidates are ranked by the number of events met within
// the distance (most first), then by the sum of the capped differences (smallest first), then by
// the distance from the recorded time.
#include <functional>
#include <vector>

#include "LifeEventMatch.h"
#include "PrimaryDirections.h"
#include "SecondaryDirections.h"

struct RadixData;
struct TOptions;

constexpr double DefaultRectificationRangeMinutes = 30.0;
constexpr double DefaultRectificationStepMinutes = 1.0;
// The most candidate times one ranking tries.
constexpr int MaxRectificationCandidates = 10000;

struct RectificationQuery {
    double rangeMinutes = DefaultRectificationRangeMinutes;  // candidates from -range to +range
    double stepMinutes = DefaultRectificationStepMinutes;
    bool primary = true;     // use the primary directions of `primaryQuery`
    bool secondary = false;  // and the secondary directions of `secondaryQuery`
    PrimaryQuery primaryQuery;
    SecondaryQuery secondaryQuery;
    double distanceYears = DefaultCorrectionYears;
};

struct RectificationCandidate {
    double offsetMinutes = 0;  // from the recorded birth time
    double jdUT = 0;           // the candidate birth moment
    int eventsMet = 0;         // events with a direction within the distance
    double score = 0;          // sum over the events of the capped closest differences, years
    double meanYears = 0;      // the score over the number of events, years
};

enum class RectificationStatus : std::uint8_t {
    Ok,
    Cancelled,
    NoEvents,       // no marked life events
    BadRange,       // range negative, step not positive, or too many candidates
    NotComputed,    // a candidate chart could not be computed
};

struct RectificationResult {
    RectificationStatus status = RectificationStatus::Ok;
    std::vector<RectificationCandidate> ranking;  // best first
};

// Asked after each candidate with the part done (0..1); returning false cancels the ranking.
using RectificationProgress = std::function<bool(double done)>;

// Ranks the candidate times of the computed natal chart.
RectificationResult rankBirthTimes(const RadixData& natal, const std::vector<MarkedEvent>& events,
                                   const RectificationQuery& query, const TOptions& options,
                                   const RectificationProgress& progress = {});

// Whether a selection marks at least one promissor, one significator and one aspect.
bool selectionHasMarks(const TDirectionFilter& selection);
// What a rectification falls back on when the directions selection marks nothing: the Sun to
// Saturn directed to the Ascendant and the MC in conjunction, square and opposition.
TDirectionFilter classicRectificationSelection();

// The natal chart cast again at `jdUT` (same place and clock), computed.
RadixData chartAtBirthMoment(const RadixData& natal, double jdUT, const TOptions& options);
