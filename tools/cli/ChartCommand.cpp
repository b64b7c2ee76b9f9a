// zodikeon-cli chart: a chart from birth data or from a horoscope file, as text or JSON.
#include <iostream>
#include <memory>

#include "AppState.h"
#include "BirthOptions.h"
#include "BirthText.h"
#include "ChartJson.h"
#include "CliCommands.h"
#include "ChartDirectionOptions.h"
#include "CodePage.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "OptionsLoader.h"

namespace {

constexpr int FileNotFoundOrCorruptId = 872;

const char* const ChartUsage =
    "Usage: zodikeon-cli chart [--json] --file PATH.hor\n"
    "       zodikeon-cli chart [--json] --date Y-M-D --time H:M[:S] --lon DEG --lat DEG\n"
    "              [--zone +H:MM|-H:MM] [--clock gmt|lmt|zone] [--calendar gregorian|julian]\n"
    "              [--name TEXT] [--type TEXT] [--sex male|female]\n"
    "       with, for either form: [--options PATH.zdo] [--house 0..9] [--node mean|true]\n\n"
    "The birth data are the local clock time as entered: --clock zone (the default) needs --zone\n"
    "(+ East, - West of Greenwich), lmt is the local mean time of --lon. The year is astronomical\n"
    "(0 is 1 BC, -99 is 100 BC); --lon and --lat are signed decimal degrees, East and North positive.\n"
    "--json prints one JSON object with the fields of the chart; otherwise a short text.\n"
    "The chart is computed with the options file --options, by default the program's current one;\n"
    "--house (0 Zodikeon, 1 Regiomontanus, 2 Campanus, 3 Page-Polich, 4 Koch, 5 Alcabitius,\n"
    "6 Porphyrius, 7 Indian, 8 Equal, 9 Vehlow) and --node override its house system and node type.\n";

// Parses --house and --node; -1 where not given. Returns a usage exit code on bad values.
int overridesFromArgs(const CliArgs& args, int& house, int& node) {
    house = node = -1;
    if (const auto h = args.value("house")) {
        if (h->size() != 1 || (*h)[0] < '0' || (*h)[0] > '9')
            return cliError(CliUsage, "--house must be a number from 0 to 9, not '" + *h + "'");
        house = (*h)[0] - '0';
    }
    if (const auto n = args.value("node")) {
        if (*n != "mean" && *n != "true")
            return cliError(CliUsage, "--node must be mean or true, not '" + *n + "'");
        node = *n == "true" ? 1 : 0;
    }
    return CliOk;
}

// The options the chart is computed with, as the program would have them.
int loadOptions(const AppState& state, const CliArgs& args, TOptions& options) {
    int house = -1, node = -1;
    if (const int code = overridesFromArgs(args, house, node))
        return code;
    const OptionsLoadResult r =
        loadChartOptions(state.ProgramFolder, state.Strings, args.value("options").value_or(""), house, node, options);
    if (!r.dignityMessage.empty())
        std::cerr << "zodikeon-cli: warning: " << cp1250ToUtf8(r.dignityMessage) << "\n";
    if (!r.ok) {
        const auto path = args.value("options");
        return cliError(CliFailure, (path ? *path + ": " : std::string()) + cp1250ToUtf8(r.error));
    }
    return CliOk;
}

// Loads the chart named by the options: a horoscope file, or the birth data.
int loadChart(const AppState& state, const CliArgs& args, const TOptions& options, RadixData& radix,
              ChartBlocks& blocks) {
    const auto file = args.value("file");
    if (!file)
        return radixFromOptions(args, state.Strings, radix);
    if (hasBirthData(args))
        return cliError(CliUsage, "--file cannot be combined with birth-data options");
    // A file without direction settings of its own takes those of the options.
    if (ReadHoroscopeFile(*file, state.Strings, chartDirectionSettings(options), radix, blocks) != HoroscopeRead::Ok)
        return cliError(CliFailure, *file + ": " + cp1250ToUtf8(state.Strings[FileNotFoundOrCorruptId]));
    // The UT pair is the master copy; the local pair is shown as it follows from it.
    radix.moment.universalToLocal();
    return CliOk;
}

// Which options the chart is computed with.
Json optionsJson(const TOptions& o) {
    return Json::object()
        .set("file", std::string(fixedText(o.options_file)))
        .set("housecalc", static_cast<int>(o.housecalc))
        .set("nodetype", static_cast<int>(o.nodetype));
}

void printText(const AppState& state, const RadixData& radix) {
    const StringTable& s = state.Strings;
    std::cout << cp1250ToUtf8(fixedText(radix.name)) << ", " << cp1250ToUtf8(fixedText(radix.horType)) << "\n"
              << cp1250ToUtf8(momentText(radix.moment, s)) << "\n"
              << cp1250ToUtf8(universalMomentText(radix.moment, s)) << "\n"
              << cp1250ToUtf8(placeText(radix.moment));
    if (const std::string_view town = fixedText(radix.moment.town); !town.empty())
        std::cout << "  " << cp1250ToUtf8(town);
    std::cout << "\n";
}

}  // namespace

int runChart(AppState& state, int argc, char** argv, int first) {
    std::set<std::string> valued = birthDataOptions();
    valued.insert({"file", "lang", "options", "house", "node"});
    CliArgs args(valued, {"json", "help"});
    if (!args.parse(argc, argv, first))
        return cliError(CliUsage, args.error());
    if (args.has("help")) {
        std::cout << ChartUsage;
        return CliOk;
    }
    if (!args.positional().empty())
        return cliError(CliUsage, "unexpected argument '" + args.positional().front() + "'");
    if (const int code = applyLanguageOption(state, args))
        return code;

    const auto options = std::make_unique<TOptions>();
    if (const int code = loadOptions(state, args, *options))
        return code;

    RadixData radix{};
    ChartBlocks blocks{};
    if (const int code = loadChart(state, args, *options, radix, blocks))
        return code;

    if (args.has("json"))
        std::cout << personalJson(radix, blocks.lifeEvents, state.Strings).set("options", optionsJson(*options)).dump()
                  << "\n";
    else
        printText(state, radix);
    return CliOk;
}
