#include "TownOption.h"

#include "AppState.h"
#include "ApplyTown.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "TownDatabase.h"

int applyTownOption(const AppState& state, const CliArgs& args, RadixData& radix) {
    const auto name = args.value("town");
    if (!name)
        return CliOk;
    if (args.has("file"))
        return cliError(CliUsage, "--file cannot be combined with birth-data options");
    if (args.has("lon") || args.has("lat"))
        return cliError(CliUsage, "--town gives the position: leave out --lon and --lat");
    TownDatabase db;
    LoadTownDatabase(db, townFilePaths(state.ProgramFolder, state.Strings), state.Strings);
    const TownRecord* town = FindTown(db, utf8ToCp1250(*name));
    if (!town)
        return cliError(CliFailure, "no town begins with '" + *name + "' (see 'zodikeon-cli towns')");

    BirthMoment& moment = radix.moment;
    // With Greenwich time chosen only the town and its position change, as in the dialog.
    const int mode = moment.timeKind == TimeGMT ? ApplyNoZone : ApplyZoneAlways;
    ApplyTown(db, *town, moment, mode);
    if (mode != ApplyNoZone && !isValidZone(db, town->zone) && moment.timeKind == TimeZone && !args.has("zone"))
        return cliError(CliFailure, "'" + cp1250ToUtf8(townName(*town)) + "' has no time zone: give --zone");
    moment.localToUniversal();
    return CliOk;
}
