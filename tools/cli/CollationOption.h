#pragma once
// The second chart of a collation on the command line:
//   --with PATH.hor                      another person's chart (synastry)
//   --transit DATE TIME | --transit now  the sky of a moment (transits), read on the clock of
//   [--town NAME]                        the radix's place, or of the town given
// With --transit, --town names the transits' place; the radix then comes from --file or from
// birth data with --lon and --lat.
#include <set>
#include <string>

#include "ChartBlocks.h"
#include "CliArgs.h"
#include "ClockChange.h"
#include "Collation.h"
#include "Json.h"
#include "Options.h"

struct AppState;
class StringTable;

// The valued options above, to be merged into a command's own.
const std::set<std::string>& collationOptions();
bool hasCollation(const CliArgs& args);

// The arguments the radix is read from: without the transits' --town.
CliArgs radixArgs(const CliArgs& args);

// Positional arguments the collation options take (the TIME after --transit DATE), checked
// before a command refuses unexpected ones; returns CliOk or a usage exit code.
int checkCollationPositionals(const CliArgs& args);

// Reads and computes the second chart against the computed `radix`, and the cross aspects.
// Returns CliOk, CliUsage for malformed options, CliFailure for a file or town that fails.
int loadCollation(const AppState& state, const CliArgs& args, const TOptions& options, const RadixData& radix,
                  Collation& collation, ClockChange& zoneNote);

// {"kind", "factor", the second chart's personal fields and positions under the single chart's
//  names, "radixToSecond" and "secondToRadix" with aspectCode, separation, exactAspect and
//  parallelCode}
Json collationJson(const RadixData& radix, const Collation& collation, double factor, const StringTable& strings);
