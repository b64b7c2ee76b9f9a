#pragma once
// The --town option of the chart commands: a town of the program's town database applied to
// the entered birth data as the personal data dialog applies a chosen town.
#include <string>

#include "CliArgs.h"
#include "ClockChange.h"
#include "RadixData.h"

struct AppState;

// When --town NAME is given: takes the town the town lists put first for NAME (BestTownMatch:
// letter case and accents aside, other names too; a name beginning with "+ " among the user
// towns), puts its name and position into the moment and, unless the clock is
// GMT, the clock kind and zone in force at the entered local date and time; then derives the
// UT pair again. Returns CliOk, CliUsage (--town with --lon or --lat) or CliFailure (no such
// town, or zone time without a zone to use). When the entered local time was skipped or
// repeated by a clock change there, says so on standard error and in `zoneNote`.
int applyTownOption(const AppState& state, const CliArgs& args, RadixData& radix, ClockChange* zoneNote = nullptr);

// The same with the town's name given: `zoneGiven` tells that the moment's zone was entered, so a
// town without a zone keeps it.
int applyTownByName(const AppState& state, const std::string& name, bool zoneGiven, RadixData& radix,
                    ClockChange* zoneNote = nullptr);

// Tells on standard error that the local time was skipped or repeated at `place`; nothing for
// a normal reading.
void tellClockChange(const std::string& place, const ClockChange& change);
