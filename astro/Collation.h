#pragma once
// Comparing two charts: a natal chart (the radix) against a partner's chart (synastry) or
// against the sky of a moment (transits). Each body of one chart is searched against the 40
// aspect points of the other with the orbs of the single chart times `collfactor`.
#include <array>
#include <cstdint>
#include <ctime>

#include "ChartIndex.h"
#include "RadixData.h"

struct TOptions;

// The aspect tables of one direction, [body k of one chart][aspect point i of the other], coded
// as a single chart's tables (Aspects.h). Unlike a single chart, every pair is searched.
struct CrossAspectTables {
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> aspectCode{};
    std::array<std::array<double, AspectPointCount>, BodyCount> separation{};
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> exactAspect{};
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> parallelCode{};
};

// What the second chart is. Transits move over a natal chart that stands still; two natal
// charts are both taken as moving when telling an applying aspect from a separating one.
enum class CollationKind : std::uint8_t { Synastry = 0, Transit = 1 };

struct CollationAspects {
    CrossAspectTables radixToSecond;  // the radix's bodies against the second chart's points
    CrossAspectTables secondToRadix;  // the second chart's bodies against the radix's points
};

// Searches body k = 0..18 of `bodies` against point i = 0..39 of `points`, as the single
// chart's search does for one pair: the first aspect within (orb of k + orb of i) x `factor`,
// the strength bits, applying, exactness and parallels (which the factor does not widen).
// Cusps 1, 4, 7 and 10 copy their axis where the points' house system makes them equal, the
// South node and the opposite points 31..39 derive their aspect from the North node and the
// point opposite. When `pointsFixed`, the points do not move while the applying test looks a
// moment ahead.
void findCrossAspects(const RadixData& bodies, const RadixData& points, const TOptions& options, double factor,
                      bool pointsFixed, CrossAspectTables& out);

// Both directions with `collfactor`; for transits the radix stands still.
void findCollationAspects(const RadixData& radix, const RadixData& second, const TOptions& options, CollationKind kind,
                          CollationAspects& out);

// A collation: the second chart with its kind, and the cross aspects.
struct Collation {
    CollationKind kind = CollationKind::Synastry;
    RadixData second{};
    CollationAspects aspects{};
};

// Computes the second chart with the options and then the cross aspects against `radix`, which
// must be computed already.
void computeCollation(const RadixData& radix, Collation& collation, const TOptions& options);

// Recomputes only the cross aspects (after the radix changed).
void refreshCollationAspects(const RadixData& radix, Collation& collation, const TOptions& options);

// The moment of a transit chart for a Universal Time, shown in the clock of `place` (its zone or
// local mean time; Greenwich time stays Greenwich time) and at its place and town.
BirthMoment transitMomentAtUT(const BirthMoment& place, std::time_t utc);

// The moment of a transit chart for a date and clock time read on the clock of `place`.
BirthMoment transitMomentAtLocal(const BirthMoment& place, const CalDate& date, const ClockTime& time);
