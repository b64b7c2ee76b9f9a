#pragma once
// The common part of the commands that compute a chart (chart, render, print): the common
// options parsed once (birth data, --file, --lang, --options, --house, --node, the second
// chart), --help, the language, the options file, the chart, a drawing session when the command
// draws, the ephemeris computation and the second chart, in that order. A command adds its own
// options and checks at the points named below and then works on the loaded job.
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "ChartBlocks.h"
#include "CliArgs.h"
#include "ClockChange.h"
#include "Collation.h"
#include "DrawingSession.h"
#include "Options.h"
#include "RadixData.h"

struct AppState;

struct ChartJobCommand {
    std::string usage;                 // printed for --help
    std::set<std::string> valued;      // the command's own options that take a value
    std::set<std::string> flags;       // and its own flags
    bool draws = false;                // the command paints: a Qt session is opened before computing
    // --town, --lon and --lat name the place of the chart the command casts, not the birth data:
    // the chart is then read from --file only.
    bool placeOptions = false;
    // The command's own options that share a name with a birth-data option (directions' --type,
    // the direction type): they are the command's, never the chart's.
    std::set<std::string> ownNames;
    // The command's own options, checked once the language is set and before any file is read.
    std::function<int(const CliArgs&)> checkOptions;
    // The command's changes to the options read from the options file.
    std::function<int(const CliArgs&, TOptions&)> adjustOptions;
    // Checks that need the chart read, before anything is computed.
    std::function<int(const CliArgs&)> checkChart;
    // Whether the chart is computed at all (a command may only show the birth data).
    std::function<bool(const CliArgs&)> computes;
};

enum class ChartJobStage {
    Started,   // nothing done yet, or stopped by an error
    Help,      // --help was printed: nothing more to do
    Read,      // the options and the chart are read, nothing is computed
    Computed,  // the chart is computed, and the second chart when one was asked for
};

struct ChartJob {
    CliArgs args{{}, {}};
    ChartJobStage stage = ChartJobStage::Started;
    TOptions options{};
    RadixData radix{};
    ChartBlocks blocks{};
    ClockChange zoneNote;     // the clock change at the chart's birth time, if any
    ClockChange transitNote;  // the same for the transits' moment
    // The second chart and the cross aspects; null without --with or --transit.
    std::unique_ptr<Collation> collation;
    // Open while the command draws; null for commands that do not.
    std::unique_ptr<DrawingSession> session;
};

// Runs the common part for `command` on argv[first..]. Returns CliOk when the command goes on
// (unless job.stage is Help), or the exit code after telling what failed.
int loadChartJob(AppState& state, int argc, char** argv, int first, const ChartJobCommand& command, ChartJob& job);
