#pragma once
// Transfers a town of the database into a birth moment: its name, its position and, by the
// mode, the clock rule its zone had at the moment's local date and time.
#include <cstdint>

#include "BirthData.h"
#include "TownDatabase.h"

// How ApplyTown treats the town's zone.
enum ApplyZoneMode : int {
    ApplyZoneFollowingDate = -1,  // only zones above 99, which follow the date (a date edit)
    ApplyNoZone = 0,              // name and position only
    ApplyZoneAlways = 1,          // every valid zone (a town chosen)
};

// Sets the moment's town (a user town as "+ " and 28 characters of its name, a main town as
// 30 characters), longitude and latitude, and, when the mode asks for it and the zone is
// valid, the time kind and zone of the rule in force at the local date and time. The UT pair
// is left to the caller (localToUniversal). A zone that names no valid zone leaves the clock
// kind and zone as they were. `town` must be a record of `db` (FindTown, the town list,
// InsertUserTowns), which tells user towns from main towns.
void ApplyTown(const TownDatabase& db, const TownRecord& town, BirthMoment& moment, int mode);

// The rule of `zone` in force at a local date and time: the last entry that starts no later,
// or the first entry when all start later; nullptr for an empty zone. Dates of the Julian
// and the Gregorian calendar are compared as the days they are.
const ZoneEntry* ruleInForce(const ZoneDescriptor& zone, const CalDate& date, int hour, int minute);

// Minutes from a fixed origin of a local date and time; Julian and Gregorian dates count as
// the days they are, so readings of both calendars compare and subtract correctly.
std::int64_t minuteNumber(const CalDate& date, int hour, int minute);

// The clock of a chart's own town for another moment at its place (transits): when the moment
// is in zone time and its town is in the database under that name, the town's zone rule in
// force at the moment's local date and time; the stored position is kept. Returns whether the
// town's clock was applied (the UT pair is left to the caller).
bool ApplyHomeClock(const TownDatabase& db, BirthMoment& moment);
// The same in two steps, for many moments at one place: the town whose clock applies (null where
// none does), then its clock applied.
const TownRecord* HomeClockTown(const TownDatabase& db, const BirthMoment& moment);
void ApplyHomeClockOf(const TownDatabase& db, const TownRecord& town, BirthMoment& moment);
