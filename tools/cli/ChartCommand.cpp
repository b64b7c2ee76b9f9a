// zodikeon-cli chart: a chart from birth data or from a horoscope file, as text or JSON.
#include <cctype>
#include <iostream>
#include <memory>

#include "AppState.h"
#include "BirthOptions.h"
#include "BirthText.h"
#include "ChartJson.h"
#include "ChartListing.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "ComputeRadix.h"
#include "ComputedJson.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "Houses.h"
#include "OptionsLoader.h"

namespace {

constexpr int FileNotFoundOrCorruptId = 872;

const char* const ChartUsage =
    "Usage: zodikeon-cli chart [--json|--text] [CALCULATION] --file PATH.hor\n"
    "       zodikeon-cli chart [--json|--text] [CALCULATION] --date Y-M-D --time H:M[:S] --lon DEG --lat DEG\n"
    "              [--zone +H:MM|-H:MM] [--clock gmt|lmt|zone] [--calendar gregorian|julian]\n"
    "              [--name TEXT] [--type TEXT] [--sex male|female]\n"
    "CALCULATION:  [--options FILE.zdo] [--house 0..9|NAME] [--node mean|true]\n\n"
    "The birth data are the local clock time as entered: --clock zone (the default) needs --zone\n"
    "(+ East, - West of Greenwich), lmt is the local mean time of --lon. The year is astronomical\n"
    "(0 is 1 BC, -99 is 100 BC); --lon and --lat are signed decimal degrees, East and North positive.\n"
    "--json prints one JSON object with the fields of the chart, computed part included (angles in\n"
    "degrees, speeds in degrees per day); --text lists positions, houses and aspects; otherwise a\n"
    "short text of the birth data. The calculation takes the program's current options file, or\n"
    "--options; --house (Zodikeon, Regiomontanus, Campanus, Page-Polich, Koch, Alcabitius,\n"
    "Porphyrius, Indian, Equal, Vehlow, or their number 0..9) and --node override its settings.\n"
    "Bodies the ephemeris cannot compute for the date are reported on standard error and are\n"
    "null in the JSON (their indices in \"unavailable\").\n";

const char* const HouseSystemNames[HouseSystemCount] = {
    "zodikeon", "regiomontanus", "campanus", "page-polich", "koch",
    "alcabitius", "porphyrius", "indian", "equal", "vehlow",
};

std::string lowered(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// --house as a number or a name; -1 when not given, -2 when not understood.
int houseOption(const CliArgs& args) {
    const auto value = args.value("house");
    if (!value)
        return -1;
    const std::string v = lowered(*value);
    if (v.size() == 1 && v[0] >= '0' && v[0] <= '9')
        return v[0] - '0';
    for (int i = 0; i < HouseSystemCount; ++i)
        if (v == HouseSystemNames[i])
            return i;
    return -2;
}

// Computes the chart with the options, telling on standard error what could not be done as asked.
int computeChart(const AppState& state, const CliArgs& args, RadixData& radix, TOptions& options) {
    const int house = houseOption(args);
    if (house == -2)
        return cliError(CliUsage, "--house must be 0..9 or the name of a house system, not '" + *args.value("house") + "'");
    int node = -1;
    if (const auto value = args.value("node")) {
        if (*value != "mean" && *value != "true")
            return cliError(CliUsage, "--node must be mean or true, not '" + *value + "'");
        node = *value == "true" ? 1 : 0;
    }
    const OptionsLoadResult loaded = loadChartOptions(state.ProgramFolder, state.Strings,
                                                      args.value("options").value_or(""), house, node, options);
    if (!loaded.ok)
        return cliError(CliFailure, cp1250ToUtf8(loaded.error));
    if (!loaded.dignityMessage.empty())
        cliError(CliOk, "warning: " + cp1250ToUtf8(loaded.dignityMessage));

    computeRadix(radix, options);

    if (radix.houseSystemUsed != options.housecalc && options.housecalc < HouseSystemCount)
        cliError(CliOk, "warning: " + cp1250ToUtf8(state.Strings[houseSystemNameId(options.housecalc)]) +
                            " houses cannot be computed at this latitude; " +
                            cp1250ToUtf8(state.Strings[houseSystemNameId(radix.houseSystemUsed)]) + " houses are used");
    std::string missing;
    for (int i : unavailableBodies(radix)) {
        const std::string name = cp1250ToUtf8(state.Strings[chartPointNameId(i)]);
        missing += (missing.empty() ? "" : "; ") + name + " (" + describeEphemerisStatus(radix.bodyStatus[i]) + ")";
    }
    if (!missing.empty())
        cliError(CliOk, "warning: not computed for this date: " + missing);
    return CliOk;
}

// Loads the chart named by the options: a horoscope file, or the birth data.
int loadChart(const AppState& state, const CliArgs& args, RadixData& radix, ChartBlocks& blocks) {
    const auto file = args.value("file");
    if (!file)
        return radixFromOptions(args, state.Strings, radix);
    if (hasBirthData(args))
        return cliError(CliUsage, "--file cannot be combined with birth-data options");
    // The direction settings of the default options for a file without its own.
    if (ReadHoroscopeFile(*file, state.Strings, ChartDirectionSettings{}, radix, blocks) != HoroscopeRead::Ok)
        return cliError(CliFailure, *file + ": " + cp1250ToUtf8(state.Strings[FileNotFoundOrCorruptId]));
    // The UT pair is the master copy; the local pair is shown as it follows from it.
    radix.moment.universalToLocal();
    return CliOk;
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
    CliArgs args(valued, {"json", "text", "help"});
    if (!args.parse(argc, argv, first))
        return cliError(CliUsage, args.error());
    if (args.has("help")) {
        std::cout << ChartUsage;
        return CliOk;
    }
    if (!args.positional().empty())
        return cliError(CliUsage, "unexpected argument '" + args.positional().front() + "'");
    if (args.has("json") && args.has("text"))
        return cliError(CliUsage, "--json and --text cannot be combined");
    if (const int code = applyLanguageOption(state, args))
        return code;

    RadixData radix{};
    ChartBlocks blocks{};
    if (const int code = loadChart(state, args, radix, blocks))
        return code;

    if (!args.has("json") && !args.has("text")) {
        printText(state, radix);
        return CliOk;
    }
    auto options = std::make_unique<TOptions>();
    if (const int code = computeChart(state, args, radix, *options))
        return code;
    if (args.has("json")) {
        Json json = personalJson(radix, blocks.lifeEvents, state.Strings);
        addComputedJson(json, radix);
        std::cout << json.dump() << "\n";
    } else {
        printText(state, radix);
        printChartListing(std::cout, radix, *options, state.Strings);
    }
    return CliOk;
}
