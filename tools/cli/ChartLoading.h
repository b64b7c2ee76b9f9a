#pragma once
// The chart of a command: its options (an options file, --house, --node) and its birth data (a
// horoscope file or the birth-data options, with the town's zone and clock change). Each returns
// an exit code, CliOk when the chart can be computed.
#include "ChartBlocks.h"
#include "ClockChange.h"
#include "CliArgs.h"
#include "Options.h"

#include <string>

struct AppState;
struct RadixData;

// Tells on standard error what the computed chart could not do as asked: a house system replaced
// at its latitude, bodies the ephemeris could not compute for its date.
// `which` names the chart when there are two.
void tellChartGaps(const AppState& state, const TOptions& options, const RadixData& radix,
                   const std::string& which = {});
int loadChartOptionsFromArgs(const AppState& state, const CliArgs& args, TOptions& options);
int loadChart(const AppState& state, const CliArgs& args, const TOptions& options, RadixData& radix,
              ChartBlocks& blocks, ClockChange& zoneNote);
