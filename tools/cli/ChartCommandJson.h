#pragma once
// The JSON of `chart --json`, shared by the commands that print a chart they cast themselves
// (returns, progressions, midtime) so that every one has the same fields.
#include "ChartBlocks.h"
#include "ClockChange.h"
#include "Json.h"
#include "Options.h"
#include "RadixData.h"

class StringTable;

// "zoneNote": "skipped" or "repeated", and the offsets of the clock change in "zoneOffsets".
void addZoneNote(Json& json, const ClockChange& change);
// The personal fields, the zone note of a changing clock, "options" and the computed part.
Json chartJson(const RadixData& radix, const LifeEventList& events, const ClockChange& zoneNote,
               const TOptions& options, const StringTable& strings);
