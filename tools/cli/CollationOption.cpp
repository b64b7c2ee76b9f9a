#include "CollationOption.h"

#include <ctime>

#include "Angles.h"
#include "AppState.h"
#include "Aspects.h"
#include "BirthOptions.h"
#include "ChartDirectionOptions.h"
#include "ChartJson.h"
#include "ChartLoading.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "ComputeRadix.h"
#include "ComputedJson.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "HoroscopeReadMessage.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TownDatabase.h"
#include "TownList.h"
#include "TownOption.h"
#include "TransitMoment.h"

namespace {

const char* const TransitForm = "--transit takes a date and a time, Y-M-D H:M[:S], or 'now'";

// The date and time after --transit: "DATE TIME" as two arguments or one, or "now".
struct TransitText {
    bool now = false;
    std::string date, time;
};

bool transitText(const CliArgs& args, TransitText& when) {
    const std::string value = *args.value("transit");
    if (value == "now") {
        when.now = true;
        return args.positional().empty();
    }
    const auto split = value.find_first_of(" T");
    if (split != std::string::npos) {
        when.date = value.substr(0, split);
        when.time = value.substr(split + 1);
        return args.positional().empty();
    }
    if (args.positional().size() != 1)
        return false;
    when.date = value;
    when.time = args.positional().front();
    return true;
}

int transitChart(const AppState& state, const CliArgs& args, const RadixData& radix, RadixData& second,
                 ClockChange& zoneNote) {
    TransitText text;
    if (!transitText(args, text))
        return cliError(CliUsage, TransitForm);
    const StringTable& s = state.Strings;
    TransitWhen when;
    when.now = text.now;
    when.utc = std::time(nullptr);
    if (!text.now) {
        long year = 0, month = 0, day = 0, hour = 0, minute = 0, secondOfMinute = 0;
        if (!parseDate(text.date, year, month, day) || !parseTime(text.time, hour, minute, secondOfMinute))
            return cliError(CliUsage, std::string(TransitForm) + ", not '" + text.date + " " + text.time + "'");
        bool clamped = false;
        when.date = CalDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), true, &clamped);
        if (clamped || year < MinYear || year > MaxYear)
            return cliError(CliFailure, cp1250ToUtf8(s[StrId::InvalidDate]) + ": " + text.date + yearRangeNote());
        if (hour > 23 || minute > 59 || secondOfMinute > 59)
            return cliError(CliFailure, cp1250ToUtf8(s[StrId::InvalidTime]) + ": " + text.time);
        when.time.hour = static_cast<std::uint8_t>(hour);
        when.time.minute = static_cast<std::uint8_t>(minute);
        when.time.second = static_cast<double>(secondOfMinute);
    }

    TownDatabase db;
    LoadTownDatabase(db, townFilePaths(state.ProgramFolder, s), s);
    const TownRecord* town = nullptr;
    if (const auto name = args.value("town")) {
        if (name->find_first_not_of(' ') == std::string::npos)
            return cliError(CliUsage, "--town needs the beginning of a town's name");
        town = BestTownMatch(db, utf8ToCp1250(*name));
        if (!town)
            return cliError(CliFailure, "no town begins with '" + *name + "' (see 'zodikeon-cli towns')");
        if (!isValidZone(db, town->zone))
            return cliError(CliFailure, "'" + cp1250ToUtf8(townName(*town)) + "' has no time zone");
    }
    setFixedText(second.name, s[StrId::CollationTransitsName]);
    setFixedText(second.horType, s[StrId::TypeTransits]);
    second.moment = transitMoment(db, radix.moment, town, when, &zoneNote);
    if (town)
        tellClockChange(cp1250ToUtf8(townName(*town)), zoneNote);
    return CliOk;
}

int partnerChart(const AppState& state, const std::string& path, const TOptions& options, RadixData& second) {
    ChartBlocks blocks{};
    HoroscopeProblem problem;
    const HoroscopeRead read =
        ReadHoroscopeFile(path, state.Strings, chartDirectionSettings(options), second, blocks, &problem);
    if (read != HoroscopeRead::Ok) {
        std::string message = path + ": " + cp1250ToUtf8(state.Strings[StrId::FileNotFoundOrCorrupt]);
        if (read == HoroscopeRead::Damaged)
            message += ": " + horoscopeProblemText(problem).toStdString();
        return cliError(CliFailure, message);
    }
    second.moment.universalToLocal();
    return CliOk;
}

Json crossJson(const CrossAspectTables& t, const RadixData& bodies, const RadixData& points) {
    Json o = Json::object();
    addAspectTablesJson(o, t.aspectCode, t.separation, t.exactAspect, t.parallelCode, [&](int k, int i) {
        return bodies.available(k) && aspectPointAvailable(points, i);
    });
    return o;
}

}  // namespace

const std::set<std::string>& collationOptions() {
    static const std::set<std::string> names = {"with", "transit"};
    return names;
}

bool hasCollation(const CliArgs& args) {
    return args.has("with") || args.has("transit");
}

CliArgs radixArgs(const CliArgs& args) {
    return args.has("transit") ? args.without("town") : args;
}

int checkCollationPositionals(const CliArgs& args) {
    if (args.has("with") && args.has("transit"))
        return cliError(CliUsage, "--with and --transit cannot be combined: one second chart at a time");
    // The TIME of "--transit DATE TIME" arrives as a positional argument.
    const std::size_t allowed = args.has("transit") ? 1 : 0;
    if (args.positional().size() > allowed)
        return cliError(CliUsage, "unexpected argument '" + args.positional()[allowed] + "'");
    return CliOk;
}

int loadCollation(const AppState& state, const CliArgs& args, const TOptions& options, const RadixData& radix,
                  Collation& collation, ClockChange& zoneNote) {
    collation = Collation{};
    if (const auto path = args.value("with")) {
        collation.kind = CollationKind::Synastry;
        if (const int code = partnerChart(state, *path, options, collation.second))
            return code;
    } else {
        collation.kind = CollationKind::Transit;
        if (const int code = transitChart(state, args, radix, collation.second, zoneNote))
            return code;
    }
    computeCollation(radix, collation, options);
    tellChartGaps(state, options, collation.second, "second chart");
    return CliOk;
}

Json collationJson(const RadixData& radix, const Collation& collation, double factor, const StringTable& strings) {
    Json chart = personalJson(collation.second, LifeEventList{}, strings);
    addComputedJson(chart, collation.second);
    // Partner files keep their life events out of it: the collation compares moments.
    return Json::object()
        .set("kind", collation.kind == CollationKind::Transit ? "transit" : "synastry")
        .set("collfactor", factor)
        .set("chart", std::move(chart))
        .set("radixToSecond", crossJson(collation.aspects.radixToSecond, radix, collation.second))
        .set("secondToRadix", crossJson(collation.aspects.secondToRadix, collation.second, radix));
}
