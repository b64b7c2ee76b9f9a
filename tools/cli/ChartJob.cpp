#include "ChartJob.h"

#include <cctype>
#include <iostream>

#include "AppState.h"
#include "BirthOptions.h"
#include "ChartDirectionOptions.h"
#include "ChartLoading.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "CollationOption.h"
#include "ComputeRadix.h"
#include "ComputedJson.h"
#include "HoroscopeFile.h"
#include "HoroscopeReadMessage.h"
#include "Houses.h"
#include "OptionsLoader.h"
#include "StringIds.h"

namespace {

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

// The options the chart is computed with, as the program would have them.
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

int loadChartJob(AppState& state, int argc, char** argv, int first, const ChartJobCommand& command, ChartJob& job) {
    job.stage = ChartJobStage::Started;
    std::set<std::string> valued = birthDataOptions();
    valued.insert({"file", "lang", "options", "house", "node"});
    valued.insert(collationOptions().begin(), collationOptions().end());
    valued.insert(command.valued.begin(), command.valued.end());
    std::set<std::string> flags = command.flags;
    flags.insert("help");
    job.args = CliArgs(std::move(valued), std::move(flags));
    const CliArgs& args = job.args;
    if (!job.args.parse(argc, argv, first))
        return cliError(CliUsage, args.error());
    if (args.has("help")) {
        std::cout << command.usage;
        job.stage = ChartJobStage::Help;
        return CliOk;
    }
    if (const int code = checkCollationPositionals(args))
        return code;
    if (const int code = applyLanguageOption(state, args))
        return code;
    if (command.checkOptions)
        if (const int code = command.checkOptions(args))
            return code;

    if (const int code = loadChartOptionsFromArgs(state, args, job.options))
        return code;
    if (command.adjustOptions)
        if (const int code = command.adjustOptions(args, job.options))
            return code;
    CliArgs chartArgs = command.placeOptions ? args.without("town").without("lon").without("lat") : radixArgs(args);
    for (const std::string& name : command.ownNames)
        chartArgs = chartArgs.without(name);
    if (const int code = loadChart(state, chartArgs, job.options, job.radix, job.blocks, job.zoneNote))
        return code;
    if (command.checkChart)
        if (const int code = command.checkChart(args))
            return code;
    job.stage = ChartJobStage::Read;
    if (command.computes && !command.computes(args))
        return CliOk;

    // Drawing needs a Qt application; the tool runs without a display.
    if (command.draws)
        job.session = std::make_unique<DrawingSession>();
    computeRadix(job.radix, job.options);
    tellChartGaps(state, job.options, job.radix);
    if (hasCollation(args)) {
        job.collation = std::make_unique<Collation>();
        if (const int code = loadCollation(state, args, job.options, job.radix, *job.collation, job.transitNote))
            return code;
    }
    job.stage = ChartJobStage::Computed;
    return CliOk;
}
