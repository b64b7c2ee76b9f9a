// zodikeon-cli chart: a chart from birth data or from a horoscope file, as text or JSON.
#include <cctype>
#include <iostream>
#include <memory>

#include "AppState.h"
#include "BirthOptions.h"
#include "BirthText.h"
#include "ChartJson.h"
#include "ChartLoading.h"
#include "ChartListing.h"
#include "CliCommands.h"
#include "ChartDirectionOptions.h"
#include "CodePage.h"
#include "CollationOption.h"
#include "ComputeRadix.h"
#include "ComputedJson.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "HoroscopeReadMessage.h"
#include "Houses.h"
#include "OptionsLoader.h"
#include "StringIds.h"

namespace {


const char* const ChartUsage =
    "Usage: zodikeon-cli chart [--json|--text] --file PATH.hor\n"
    "       zodikeon-cli chart [--json|--text] --date Y-M-D --time H:M[:S] --lon DEG --lat DEG\n"
    "       zodikeon-cli chart [--json|--text] --date Y-M-D --time H:M[:S] --town NAME   (see 'towns --help')\n"
    "              [--zone +H:MM|-H:MM] [--clock gmt|lmt|zone] [--calendar gregorian|julian]\n"
    "              [--name TEXT] [--type TEXT] [--sex male|female]\n"
    "       with, for either form: [--options PATH.zdo] [--house 0..9|NAME] [--node mean|true]\n"
    "              [--with PATH.hor | --transit Y-M-D H:M[:S] | --transit now] (with --json)\n\n"
    "The birth data are the local clock time as entered: --clock zone (the default) needs --zone\n"
    "(+ East, - West of Greenwich), lmt is the local mean time of --lon. The year is astronomical\n"
    "(0 is 1 BC, -99 is 100 BC); --lon and --lat are signed decimal degrees, East and North positive.\n"
    "--json prints one JSON object with the fields of the chart, computed part included (angles in\n"
    "degrees, speeds in degrees per day); --text lists positions, houses and aspects; otherwise a\n"
    "short text of the birth data.\n"
    "The chart is computed with the options file --options, by default the program's current one;\n"
    "--house (0 Zodikeon, 1 Regiomontanus, 2 Campanus, 3 Page-Polich, 4 Koch, 5 Alcabitius,\n"
    "6 Porphyrius, 7 Indian, 8 Equal, 9 Vehlow, by number or name) and --node override its house\n"
    "system and node type. Bodies the ephemeris cannot compute for the date are reported on\n"
    "standard error and are null in the JSON (their indices in \"unavailable\").\n"
    "--with (another person's chart) or --transit (the sky of a moment, read on the clock of the\n"
    "chart's place, or of --town, which then names the transits' place) adds \"collation\": its\n"
    "\"kind\" (synastry or transit), \"collfactor\", the second \"chart\" with the fields above, and the\n"
    "cross aspects \"radixToSecond\" (the chart's bodies against the second chart's 40 points) and\n"
    "\"secondToRadix\", each with aspectCode, separation, exactAspect and parallelCode.\n";

const char* const HouseSystemNames[HouseSystemCount] = {
    "zodikeon", "regiomontanus", "campanus", "page-polich", "koch",
    "alcabitius", "porphyrius", "indian", "equal", "vehlow",
};

// A house system by number or name (any letter case); -1 when not understood.
int houseSystemOf(std::string value) {
    for (char& c : value)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '9')
        return value[0] - '0';
    for (int i = 0; i < HouseSystemCount; ++i)
        if (value == HouseSystemNames[i])
            return i;
    return -1;
}

// Parses --house and --node; -1 where not given. Returns a usage exit code on bad values.
int overridesFromArgs(const CliArgs& args, int& house, int& node) {
    house = node = -1;
    if (const auto h = args.value("house")) {
        house = houseSystemOf(*h);
        if (house < 0)
            return cliError(CliUsage, "--house must be a number from 0 to 9 or a house system's name, not '" + *h + "'");
    }
    if (const auto n = args.value("node")) {
        if (*n != "mean" && *n != "true")
            return cliError(CliUsage, "--node must be mean or true, not '" + *n + "'");
        node = *n == "true" ? 1 : 0;
    }
    return CliOk;
}

}  // namespace

// The options the chart is computed with, as the program would have them (shared with render).
int loadChartOptionsFromArgs(const AppState& state, const CliArgs& args, TOptions& options) {
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
              ChartBlocks& blocks, ClockChange& zoneNote) {
    const auto file = args.value("file");
    if (!file) {
        if (const int code = radixFromOptions(args, state.Strings, radix))
            return code;
        return applyTownOption(state, args, radix, &zoneNote);
    }
    if (hasBirthData(args))
        return cliError(CliUsage, "--file cannot be combined with birth-data options");
    // A file without direction settings of its own takes those of the options.
    HoroscopeProblem problem;
    const HoroscopeRead read = ReadHoroscopeFile(*file, state.Strings, chartDirectionSettings(options), radix, blocks,
                                                 &problem);
    if (read != HoroscopeRead::Ok) {
        std::string message = *file + ": " + cp1250ToUtf8(state.Strings[StrId::FileNotFoundOrCorrupt]);
        if (read == HoroscopeRead::Damaged)
            message += ": " + horoscopeProblemText(problem).toStdString();
        return cliError(CliFailure, message);
    }
    // The UT pair is the master copy; the local pair is shown as it follows from it.
    radix.moment.universalToLocal();
    return CliOk;
}

namespace {

// Which options the chart is computed with.
// "zoneNote": "skipped" or "repeated", and the offsets of the clock change in "zoneOffsets".
void addZoneNote(Json& json, const ClockChange& change) {
    json.set("zoneNote", change.reading == ClockReading::Skipped ? "skipped" : "repeated");
    json.set("zoneOffsets", Json::object()
                                .set("before", offsetText(change.before.minutes))
                                .set("after", offsetText(change.after.minutes))
                                .set("applied", offsetText(change.applied().minutes)));
}

Json optionsJson(const TOptions& o) {
    return Json::object()
        .set("file", std::string(fixedText(o.options_file)))
        .set("housecalc", static_cast<int>(o.housecalc))
        .set("nodetype", static_cast<int>(o.nodetype));
}

}  // namespace

void tellChartGaps(const AppState& state, const TOptions& options, const RadixData& radix, const std::string& which) {
    const std::string warning = "warning: " + (which.empty() ? std::string() : which + ": ");
    if (radix.houseSystemUsed != options.housecalc && options.housecalc < HouseSystemCount)
        cliError(CliOk, warning + cp1250ToUtf8(state.Strings[houseSystemNameId(options.housecalc)]) +
                            " houses cannot be computed at this latitude; " +
                            cp1250ToUtf8(state.Strings[houseSystemNameId(radix.houseSystemUsed)]) + " houses are used");
    std::string missing;
    for (int i : unavailableBodies(radix)) {
        const std::string name = cp1250ToUtf8(state.Strings[chartPointNameId(i)]);
        missing += (missing.empty() ? "" : "; ") + name + " (" + describeEphemerisStatus(radix.bodyStatus[i]) + ")";
    }
    if (!missing.empty())
        cliError(CliOk, warning + "not computed for this date: " + missing);
}

namespace {

// Computes the chart, telling on standard error what could not be done as asked.
void computeChart(const AppState& state, const TOptions& options, RadixData& radix) {
    computeRadix(radix, options);
    tellChartGaps(state, options, radix);
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
    valued.insert(collationOptions().begin(), collationOptions().end());
    CliArgs args(valued, {"json", "text", "help"});
    if (!args.parse(argc, argv, first))
        return cliError(CliUsage, args.error());
    if (args.has("help")) {
        std::cout << ChartUsage;
        return CliOk;
    }
    if (const int code = checkCollationPositionals(args))
        return code;
    if (hasCollation(args) && !args.has("json"))
        return cliError(CliUsage, "--with and --transit need --json");
    if (args.has("json") && args.has("text"))
        return cliError(CliUsage, "--json and --text cannot be combined");
    if (const int code = applyLanguageOption(state, args))
        return code;

    const auto options = std::make_unique<TOptions>();
    if (const int code = loadChartOptionsFromArgs(state, args, *options))
        return code;

    RadixData radix{};
    ChartBlocks blocks{};
    ClockChange zoneNote;
    if (const int code = loadChart(state, radixArgs(args), *options, radix, blocks, zoneNote))
        return code;

    if (!args.has("json") && !args.has("text")) {
        printText(state, radix);
        return CliOk;
    }
    computeChart(state, *options, radix);
    if (args.has("json")) {
        Json json = personalJson(radix, blocks.lifeEvents, state.Strings);
        if (zoneNote.reading != ClockReading::Normal)
            addZoneNote(json, zoneNote);
        json.set("options", optionsJson(*options));
        addComputedJson(json, radix);
        if (hasCollation(args)) {
            const auto collation = std::make_unique<Collation>();
            ClockChange transitNote;
            if (const int code = loadCollation(state, args, *options, radix, *collation, transitNote))
                return code;
            Json second = collationJson(radix, *collation, options->collfactor, state.Strings);
            if (transitNote.reading != ClockReading::Normal)
                addZoneNote(second, transitNote);
            json.set("collation", std::move(second));
        }
        std::cout << json.dump() << "\n";
    } else {
        printText(state, radix);
        printChartListing(std::cout, radix, *options, state.Strings);
    }
    return CliOk;
}
