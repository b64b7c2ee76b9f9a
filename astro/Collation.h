#pragma once
// Comparing two charts: a natal chart (the radix) against a partner's chart (synastry) or
// against the sky of a moment (transits). Each body of one chart is searched against the 40
// aspect points of the other with the orbs of the single chart times `collfactor`.
#include <array>
#include <cstdint>
#include <ctime>

#include "AspectKernel.h"
#include "ChartIndex.h"
#include "RadixData.h"

struct TOptions;

// What the second chart is. Transits move over a natal chart that stands still; two natal
// charts are both taken as moving when telling an applying aspect from a separating one.
// The tables of one direction are a CrossAspectTables (AspectKernel.h): every pair searched.
enum class CollationKind : std::uint8_t { Synastry = 0, Transit = 1 };

struct CollationAspects {
    CrossAspectTables radixToSecond;  // the radix's bodies against the second chart's points
    CrossAspectTables secondToRadix;  // the second chart's bodies against the radix's points
};

// Both directions with `collfactor`, every pair searched. For transits the radix stands still
// in both: whether an aspect applies is the transiting body's motion alone.
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
// local mean time; Greenwich time stays Greenwich time) and at its place and town. Days before
// 15 October 1582 are given in the Julian calendar, as every other moment of the program.
BirthMoment transitMomentAtUT(const BirthMoment& place, std::time_t utc);

// The moment of a transit chart for a date and clock time read on the clock of `place`.
BirthMoment transitMomentAtLocal(const BirthMoment& place, const CalDate& date, const ClockTime& time);
