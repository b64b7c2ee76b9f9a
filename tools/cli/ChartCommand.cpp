// zodikeon-cli chart: a chart from birth data or from a horoscope file, as text or JSON.
#include <iostream>

#include "AppState.h"
#include "BirthOptions.h"
#include "BirthText.h"
#include "ChartJson.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "FixedText.h"
#include "HoroscopeFile.h"

namespace {

constexpr int FileNotFoundOrCorruptId = 872;

const char* const ChartUsage =
    "Usage: zodikeon-cli chart [--json] --file PATH.hor\n"
    "       zodikeon-cli chart [--json] --date Y-M-D --time H:M[:S] --lon DEG --lat DEG\n"
    "       zodikeon-cli chart [--json] --date Y-M-D --time H:M[:S] --town NAME   (see 'towns --help')\n"
    "              [--zone +H:MM|-H:MM] [--clock gmt|lmt|zone] [--calendar gregorian|julian]\n"
    "              [--name TEXT] [--type TEXT] [--sex male|female]\n\n"
    "The birth data are the local clock time as entered: --clock zone (the default) needs --zone\n"
    "(+ East, - West of Greenwich), lmt is the local mean time of --lon. The year is astronomical\n"
    "(0 is 1 BC, -99 is 100 BC); --lon and --lat are signed decimal degrees, East and North positive.\n"
    "--json prints one JSON object with the fields of the chart; otherwise a short text.\n";

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
    valued.insert({"file", "lang"});
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

    RadixData radix{};
    ChartBlocks blocks{};
    if (const int code = loadChart(state, args, radix, blocks))
        return code;
    if (const int code = applyTownOption(state, args, radix))
        return code;

    if (args.has("json"))
        std::cout << personalJson(radix, blocks.lifeEvents, state.Strings).dump() << "\n";
    else
        printText(state, radix);
    return CliOk;
}
