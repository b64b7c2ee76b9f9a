#pragma once
// Charts cast at a Universal Time instant rather than at an entered clock reading: returns,
// progressions and the midtime chart. Their clock is the one of their place at that instant,
// taken from the atlas.
#include <string>

#include "BirthData.h"
#include "ChartBlocks.h"
#include "ClockChange.h"
#include "JulianMoment.h"
#include "Midtime.h"
#include "Progression.h"
#include "RadixData.h"
#include "Returns.h"
#include "TownDatabase.h"

class StringTable;
struct TOptions;

// The moment `jdUT` at the place of `place` (or of `town`, a record of `db`, when given): the UT
// pair from the instant, the local pair on the place's clock then. A town's clock is its zone's
// rule in force at that instant; without a town, the clock of the chart's own town when the
// atlas knows it (by the name in its town field), else the clock of `place` as it is. The rule
// in force is the one whose change had happened by the instant, so an instant in the hour the
// clock repeats gets the offset it really had. `note` (when given) tells a reading the clock
// repeated (clockChangeAt of the local reading; the moment's zone says which of the two offsets
// it is); otherwise it is Normal.
BirthMoment momentAtUT(const TownDatabase& db, const BirthMoment& place, const TownRecord* town, double jdUT,
                       ClockChange* note = nullptr);

// The clock of a bare position at an instant: the zone of the nearest town of the atlas (main
// or user towns), or local mean time when the atlas has no town within `MaxZoneTownDegrees`.
// Sets the position, the town field (the nearest town's name, or empty) and the clock.
constexpr double MaxZoneTownDegrees = 5.0;
BirthMoment momentAtPosition(const TownDatabase& db, GeoPoint position, double jdUT, ClockChange* note = nullptr);

// The direction settings of a chart as the progression reads them.
DirectionKey directionKeyOf(const ChartDirectionSettings& settings);

// A return chart of the computed `natal` chart: its name and notes, the type "solar ret" ..
// "Sat ret", the moment of `ret` at the natal place or at `town`; computed with `options`.
RadixData castReturnChart(const TownDatabase& db, const StringTable& strings, const RadixData& natal,
                          const ReturnMoment& ret, const TownRecord* town, const TOptions& options,
                          ClockChange* note = nullptr);

// The progression of the computed `natal` chart, its chart typed "sec dir" or "tert dir" and
// on the clock of the natal place at the progressed moment.
void castProgression(const TownDatabase& db, const StringTable& strings, const RadixData& natal,
                     const ProgressionRequest& request, const TOptions& options, Progression& out);

// The midtime chart of two charts (their UT instants and places): named after both ("A / B",
// cut to the name field), typed "midtime", at the mean instant and the great-circle midpoint,
// on the clock of that place then (momentAtPosition); computed with `options`.
RadixData castMidtimeChart(const TownDatabase& db, const StringTable& strings, const RadixData& a,
                           const RadixData& b, const TOptions& options, ClockChange* note = nullptr);
