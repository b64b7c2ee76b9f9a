#pragma once
// Loading the settings and the options as the program does at start-up, and as the
// command-line tool does for a chart.
#include <string>

#include "Options.h"
#include "StringTable.h"

struct OptionsLoadResult {
    bool ok = false;
    std::string error;           // why nothing could be loaded (a string-table text), when !ok
    std::string dignityMessage;  // an error in the dignity data file, to be shown; may be set when ok
};

// ReadSettings, then ReadOptions of the options file the settings name; when that fails,
// the default options file is tried once (and becomes `options_file`). When neither loads,
// the result carries string 608 and the program must not start.
OptionsLoadResult LoadStartupOptions(TOptions& options, const std::string& programFolder, const StringTable& strings);

// Options for computing a chart outside the program: from `optionsPath` when given (a file
// that is not an options file fails with string 88, one refused unread with the reason), else
// as at start-up. `houseOverride` 0..9 and `nodeOverride` 0..1 replace `housecalc` and
// `nodetype` unless negative.
OptionsLoadResult loadChartOptions(const std::string& programFolder, const StringTable& strings,
                                   const std::string& optionsPath, int houseOverride, int nodeOverride,
                                   TOptions& options);
