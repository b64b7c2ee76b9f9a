// zodikeon-cli chart: a chart from birth data or from a horoscope file, as text or JSON.
#include <iostream>
#include <memory>

#include "AppState.h"
#include "BirthText.h"
#include "ChartCommandJson.h"
#include "ChartJob.h"
#include "ChartJson.h"
#include "ChartListing.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "CollationOption.h"
#include "ComputedJson.h"
#include "FixedText.h"

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
    ChartJobCommand command;
    command.usage = ChartUsage;
    command.flags = {"json", "text"};
    command.checkOptions = [](const CliArgs& args) {
        if (hasCollation(args) && !args.has("json"))
            return cliError(CliUsage, "--with and --transit need --json");
        if (args.has("json") && args.has("text"))
            return cliError(CliUsage, "--json and --text cannot be combined");
        return int(CliOk);
    };
    // Without --json or --text only the birth data are shown.
    command.computes = [](const CliArgs& args) { return args.has("json") || args.has("text"); };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;

    const CliArgs& args = job->args;
    if (job->stage == ChartJobStage::Read) {
        printText(state, job->radix);
        return CliOk;
    }
    if (args.has("json")) {
        Json json = chartJson(job->radix, job->blocks.lifeEvents, job->zoneNote, job->options, state.Strings);
        if (job->collation) {
            Json second = collationJson(job->radix, *job->collation, job->options.collfactor, state.Strings);
            if (job->transitNote.reading != ClockReading::Normal)
                addZoneNote(second, job->transitNote);
            json.set("collation", std::move(second));
        }
        std::cout << json.dump() << "\n";
    } else {
        printText(state, job->radix);
        printChartListing(std::cout, job->radix, job->options, state.Strings);
    }
    return CliOk;
}
