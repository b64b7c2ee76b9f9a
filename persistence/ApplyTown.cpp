#include "ApplyTown.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FixedText.h"

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Julian day number of a date in its own calendar; a month out of range counts as the
// nearest valid one, so a damaged entry still gives an ordered number.
std::int64_t dayNumber(const CalDate& d) {
    const std::int64_t month = std::clamp<int>(d.month, 1, 12);
    const std::int64_t a = (14 - month) / 12;
    const std::int64_t y = std::int64_t(d.year) + 4800 - a;
    const std::int64_t m = month + 12 * a - 3;
    std::int64_t n = d.day + (153 * m + 2) / 5 + 365 * y + floorDiv(y, 4);
    if (d.gregorian)
        return n - floorDiv(y, 100) + floorDiv(y, 400) - 32045;
    return n - 32083;
}


// Arc minutes as a geographic angle, limited to what a birth moment can hold.
GeoAngle arcMinutesToAngle(int arcMinutes, int maxDegrees) {
    const int limit = maxDegrees == BirthMoment::MaxLongitude ? maxDegrees * 60 : maxDegrees * 60 + 59;
    const int magnitude = std::min(std::abs(arcMinutes), limit);
    return GeoAngle(magnitude / 60, magnitude % 60, 0.0, arcMinutes < 0);
}

}  // namespace

std::int64_t minuteNumber(const CalDate& date, int hour, int minute) {
    return dayNumber(date) * 1440 + hour * 60 + minute;
}

const ZoneEntry* ruleInForce(const ZoneDescriptor& zone, const CalDate& date, int hour, int minute) {
    if (zone.empty())
        return nullptr;
    const std::int64_t at = minuteNumber(date, hour, minute);
    const ZoneEntry* rule = &zone.entries[0];
    for (const ZoneEntry& entry : zone.rules())
        if (minuteNumber(entry.start, entry.hour, entry.minute) <= at)
            rule = &entry;
    return rule;
}

void ApplyTown(const TownDatabase& db, const TownRecord& town, BirthMoment& moment, int mode) {
    const std::string_view name = townName(town);
    if (isUserTown(db, &town))
        setFixedText(moment.town, "+ " + std::string(name.substr(0, BirthMoment::TownSize - 2)), BirthMoment::TownSize);
    else
        setFixedText(moment.town, name, BirthMoment::TownSize);
    moment.townTerminator = 0;

    const ZoneDescriptor* zone = zoneByNumber(db, town.zone);
    if (mode != ApplyNoZone && zone && (mode > 0 || town.zone > LastFixedZone)) {
        const ZoneEntry* rule = ruleInForce(*zone, moment.localDate, moment.localTime.hour, moment.localTime.minute);
        // A damaged rule with an unknown clock kind changes nothing.
        if (rule && rule->timeKind <= TimeZone) {
            moment.timeKind = rule->timeKind;
            moment.zoneHours = std::min<std::uint8_t>(rule->zoneHours, 23);
            moment.zoneMinutes = std::min<std::uint8_t>(rule->zoneMinutes, 59);
            moment.zoneWest = rule->west != 0;
        }
    }

    moment.longitude = arcMinutesToAngle(town.longitude, BirthMoment::MaxLongitude);
    moment.latitude = arcMinutesToAngle(town.latitude, BirthMoment::MaxLatitude);
}

const TownRecord* HomeClockTown(const TownDatabase& db, const BirthMoment& moment) {
    if (moment.timeKind != TimeZone)
        return nullptr;
    const std::string_view stored(moment.town.data(), strnlen(moment.town.data(), moment.town.size()));
    if (stored.empty())
        return nullptr;
    const TownRecord* town = stored.starts_with("+ ") ? FindTown(db, stored) : FindExistingTown(db, stored);
    return town && isValidZone(db, town->zone) ? town : nullptr;
}

void ApplyHomeClockOf(const TownDatabase& db, const TownRecord& town, BirthMoment& moment) {
    const GeoAngle longitude = moment.longitude, latitude = moment.latitude;
    const auto name = moment.town;
    ApplyTown(db, town, moment, ApplyZoneAlways);
    moment.longitude = longitude;
    moment.latitude = latitude;
    moment.town = name;
}

bool ApplyHomeClock(const TownDatabase& db, BirthMoment& moment) {
    const TownRecord* town = HomeClockTown(db, moment);
    if (town)
        ApplyHomeClockOf(db, *town, moment);
    return town;
}
