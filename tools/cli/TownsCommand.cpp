// zodikeon-cli towns: the towns of the town database that a search text lists, as the town
// pickers list them (user towns with "+ " first, then the main towns).
#include <charconv>
#include <cstdio>
#include <iostream>

#include "AppState.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "TownDatabase.h"
#include "TownList.h"

namespace {

constexpr int DefaultLimit = 50;

const char* const TownsUsage =
    "Usage: zodikeon-cli towns TEXT... [--limit N]\n\n"
    "Lists the towns whose name, without regard to case and accents, begins with the first word\n"
    "of TEXT and contains every other word: user towns (marked \"+ \") first, then the towns\n"
    "shipped with the program; at most N of them (default 50). Each line holds the name, the\n"
    "longitude, the latitude and the time zone, separated by tabs.\n"
    "Exit code 1 when no town matches.\n\n"
    "'chart' and 'save' take --town NAME instead of --lon and --lat: the first town whose name\n"
    "begins with NAME (exactly, a user town as \"+ NAME\"), with its position and, unless --clock\n"
    "gmt, the clock kind and zone in force there at the entered date and time, as when a town is\n"
    "chosen in the program.\n";

std::string angleText(int arcMinutes, char positive, char negative) {
    const int magnitude = arcMinutes < 0 ? -arcMinutes : arcMinutes;
    char text[32];
    std::snprintf(text, sizeof text, "%d\xB0%02d'%c", magnitude / 60, magnitude % 60, arcMinutes < 0 ? negative : positive);
    return text;
}

}  // namespace

int runTowns(AppState& state, int argc, char** argv, int first) {
    CliArgs args({"limit", "lang"}, {"help"});
    if (const auto end = readCommandArgs(state, args, argc, argv, first, TownsUsage))
        return *end;
    if (args.positional().empty())
        return cliError(CliUsage, "missing TEXT (see 'zodikeon-cli towns --help')");
    int limit = DefaultLimit;
    if (const auto value = args.value("limit")) {
        const auto r = std::from_chars(value->data(), value->data() + value->size(), limit);
        if (r.ec != std::errc() || r.ptr != value->data() + value->size() || limit < 1)
            return cliError(CliUsage, "--limit must be a whole number from 1 up, not '" + *value + "'");
    }
    std::string text;
    for (const std::string& word : args.positional())
        text += (text.empty() ? "" : " ") + word;

    TownDatabase db;
    LoadTownDatabase(db, townFilePaths(state.ProgramFolder, state.Strings), state.Strings);
    const TownList list = FillTownList(db, utf8ToCp1250(text), nullptr);
    if (list.items.empty())
        return cliError(CliFailure, "no town matches '" + text + "'");
    const std::size_t shown = std::min(list.items.size(), static_cast<std::size_t>(limit));
    for (std::size_t i = 0; i < shown; ++i) {
        const TownRecord& town = *list.items[i].town;
        const ZoneDescriptor* zone = zoneByNumber(db, town.zone);
        std::string zoneName = zone ? std::string(zone->name) : "-";
        if (zone && town.zone >= UserZoneBase)
            zoneName = "+ " + zoneName;
        std::cout << cp1250ToUtf8(list.items[i].text() + "\t" + angleText(town.longitude, 'E', 'W') + "\t" +
                                  angleText(town.latitude, 'N', 'S') + "\t" + zoneName)
                  << "\n";
    }
    if (shown < list.items.size())
        std::cerr << "zodikeon-cli: " << list.items.size() - shown << " more towns match (see --limit)\n";
    return CliOk;
}
