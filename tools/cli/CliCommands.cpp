#include "CliCommands.h"

#include <iostream>

#include "AppState.h"
#include "StringTable.h"

int runChart(AppState& state, int argc, char** argv, int first);
int runSave(AppState& state, int argc, char** argv, int first);
int runRender(AppState& state, int argc, char** argv, int first);
int runTowns(AppState& state, int argc, char** argv, int first);
int runPrint(AppState& state, int argc, char** argv, int first);
int runImport(AppState& state, int argc, char** argv, int first);
int runExport(AppState& state, int argc, char** argv, int first);
int runBatch(AppState& state, int argc, char** argv, int first);
int runReturns(AppState& state, int argc, char** argv, int first);
int runProgress(AppState& state, int argc, char** argv, int first);
int runMidtime(AppState& state, int argc, char** argv, int first);
int runTransits(AppState& state, int argc, char** argv, int first);
int runDirections(AppState& state, int argc, char** argv, int first);
int runRectify(AppState& state, int argc, char** argv, int first);

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {"chart", "show a chart from birth data or a horoscope file (--json for JSON)", runChart},
        {"save", "write a horoscope file from birth data", runSave},
        {"render", "draw a view of a chart (wheel or a table) into a PNG, SVG or PDF file", runRender},
        {"print", "print the pages of a chart into a PDF file, as the Print command does", runPrint},
        {"towns", "list the towns of the town database that match a search text", runTowns},
        {"import", "write the charts of an AAF or CSV file as horoscope files into a folder", runImport},
        {"export", "write horoscope files into one AAF or CSV file", runExport},
        {"batch", "compute the chart of every record of an AAF or CSV file (JSON lines or CSV)", runBatch},
        {"returns", "find the returns of a body to its place in a chart and cast their charts", runReturns},
        {"progress", "the secondary or tertiary progressed chart of a chart for a date", runProgress},
        {"midtime", "the midtime chart of two charts", runMidtime},
        {"transits", "list the exact transits to a chart within a period (--json or --csv)", runTransits},
        {"directions", "list the primary and secondary directions of a chart over a span of ages", runDirections},
        {"rectify", "rank birth times around the recorded one by the chart's marked life events", runRectify},
    };
    return commands;
}

int cliError(int code, const std::string& message) {
    std::cerr << "zodikeon-cli: " << message << "\n";
    return code;
}

int applyLanguageOption(AppState& state, const CliArgs& args) {
    const auto lang = args.value("lang");
    if (!lang)
        return CliOk;
    if (*lang != "en" && *lang != "hu")
        return cliError(CliUsage, "--lang must be en or hu, not '" + *lang + "'");
    state.LanguageId = *lang == "hu" ? LanguageHungarian : LanguageEnglish;
    LoadStrings(state);
    return CliOk;
}

std::optional<int> readCommandArgs(AppState& state, CliArgs& args, int argc, char** argv, int first,
                                   const char* usage) {
    if (!args.parse(argc, argv, first))
        return cliError(CliUsage, args.error());
    if (args.has("help")) {
        std::cout << usage;
        return CliOk;
    }
    if (const int code = applyLanguageOption(state, args))
        return code;
    return std::nullopt;
}

std::string replaced(std::string text, const std::string& a, const std::string& b) {
    return fillPlaceholders(text, {a, b});
}
