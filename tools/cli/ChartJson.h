#pragma once
// A chart as JSON, under the field names of its records. Texts are converted from the
// program's code page to UTF-8; angles are decimal degrees (East and North positive).
#include "ChartBlocks.h"
#include "Options.h"
#include "Json.h"
#include "RadixData.h"

class StringTable;

Json dateJson(const CalDate& date);      // {gregorian, year, month, day}
Json timeJson(const ClockTime& time);    // {hour, minute, second}
Json momentJson(const BirthMoment& m);   // every field of the moment
Json lifeEventsJson(const LifeEventList& events);  // the first `count` events

// The personal part of a chart: name, horType, moment, notes, momentText, placeText and
// lifeEvents. Further parts of the chart are added to the same object by their commands.
Json personalJson(const RadixData& radix, const LifeEventList& events, const StringTable& strings);

// Which options a chart is computed with: the options file, house system and node type.
Json chartOptionsJson(const TOptions& options);
