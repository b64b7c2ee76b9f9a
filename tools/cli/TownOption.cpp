#include "TownOption.h"

#include <iostream>

#include "AppState.h"
#include "ApplyTown.h"
#include "CliCommands.h"
#include "ClockChange.h"
#include "CodePage.h"
#include "TownDatabase.h"
#include "TownList.h"

namespace {

std::string offsetWithName(const ClockOffset& offset) {
    return offsetText(offset.minutes) + (offset.abbreviation.empty() ? "" : " " + offset.abbreviation);
}

}  // namespace

void tellClockChange(const std::string& place, const ClockChange& change) {
    if (change.reading == ClockReading::Skipped)
        std::cerr << "zodikeon-cli: note: this local time did not exist in " << place
                  << ": the clock went from " << offsetWithName(change.before) << " to "
                  << offsetWithName(change.after) << "; " << offsetWithName(change.applied())
                  << " is applied\n";
    else if (change.reading == ClockReading::Repeated)
        std::cerr << "zodikeon-cli: note: this local time occurred twice in " << place
                  << ": before and after the clock went from " << offsetWithName(change.before)
                  << " to " << offsetWithName(change.after) << "; " << offsetWithName(change.applied())
                  << " is applied\n";
}

int applyTownOption(const AppState& state, const CliArgs& args, RadixData& radix, ClockChange* zoneNote) {
    const auto name = args.value("town");
    if (!name)
        return CliOk;
    if (args.has("file"))
        return cliError(CliUsage, "--file cannot be combined with birth-data options");
    if (args.has("lon") || args.has("lat"))
        return cliError(CliUsage, "--town gives the position: leave out --lon and --lat");
    return applyTownByName(state, *name, args.has("zone"), radix, zoneNote);
}

int applyTownByName(const AppState& state, const std::string& townText, bool zoneGiven, RadixData& radix,
                    ClockChange* zoneNote) {
    if (townText.find_first_not_of(' ') == std::string::npos)
        return cliError(CliUsage, "--town needs the beginning of a town's name");
    const std::string* name = &townText;
    TownDatabase db;
    LoadTownDatabase(db, townFilePaths(state.ProgramFolder, state.Strings), state.Strings);
    const TownRecord* town = BestTownMatch(db, utf8ToCp1250(*name));
    if (!town)
        return cliError(CliFailure, "no town begins with '" + *name + "' (see 'zodikeon-cli towns')");

    BirthMoment& moment = radix.moment;
    // With Greenwich time chosen only the town and its position change, as in the dialog.
    const int mode = moment.timeKind == TimeGMT ? ApplyNoZone : ApplyZoneAlways;
    ApplyTown(db, *town, moment, mode);
    if (mode != ApplyNoZone && !isValidZone(db, town->zone) && moment.timeKind == TimeZone && !zoneGiven)
        return cliError(CliFailure, "'" + cp1250ToUtf8(townName(*town)) + "' has no time zone: give --zone");
    if (const ZoneDescriptor* zone = zoneByNumber(db, town->zone); zone && mode != ApplyNoZone) {
        const ClockChange change = clockChangeAt(*zone, moment.localDate, moment.localTime.hour,
                                                 moment.localTime.minute, town->longitude);
        tellClockChange(cp1250ToUtf8(townName(*town)), change);
        if (zoneNote)
            *zoneNote = change;
    }
    moment.localToUniversal();
    return CliOk;
}
