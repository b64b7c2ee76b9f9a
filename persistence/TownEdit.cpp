#include "TownEdit.h"

#include <cctype>
#include <cstdio>

#include "BirthEntry.h"
#include "BirthText.h"
#include "StringIds.h"
#include "StringTable.h"

namespace {


bool beginsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

TownNameParts splitTownName(std::string_view stored) {
    const auto comma = stored.rfind(',');
    if (comma == std::string_view::npos)
        return {std::string(stored), {}};
    std::string_view region = stored.substr(comma + 1);
    while (!region.empty() && std::isspace(static_cast<unsigned char>(region.front())))
        region.remove_prefix(1);
    return {std::string(stored.substr(0, comma)), std::string(region)};
}

std::string joinTownName(std::string_view name, std::string_view region) {
    std::string joined(name.substr(0, TownEditNameLength));
    if (joined.size() <= TownEditNameWithRegion) {
        joined += ", ";
        joined += region;
    }
    joined.resize(std::min(joined.size(), TownEditNameLength));
    return joined;
}

int checkTownPosition(const BirthEntry& entry, std::int16_t& longitude, std::int16_t& latitude) {
    // The birth data checks, with a date, time and zone that always pass.
    BirthEntry position = entry;
    position.beforeChrist = false;
    position.year = 2000;
    position.month = position.day = 1;
    position.hour = position.minute = position.second = 0;
    position.zoneLetter = 'E';
    position.zoneHours = position.zoneMinutes = 0;
    position.longitudeSeconds = position.latitudeSeconds = 0.0;
    BirthMoment moment;
    if (const int result = checkBirthEntry(position, moment); result != EntryValid)
        return result;
    const auto minutes = [](const GeoAngle& a) {
        const int value = a.wholeDegrees() * 60 + a.minutes;
        return static_cast<std::int16_t>(a.isNegative() ? -value : value);
    };
    longitude = minutes(moment.longitude);
    latitude = minutes(moment.latitude);
    return EntryValid;
}

const ZoneDescriptor* regionZone(const TownDatabase& db, std::string_view region, std::string_view selectedZoneName) {
    if (region.size() < 3 || beginsWith(selectedZoneName, region))
        return nullptr;
    if (region.front() == '+')
        return FindZone(region.substr(std::min<std::size_t>(2, region.size())), db.userZones);
    if (const ZoneDescriptor* zone = FindZone(region, db.mainZones))
        return zone;
    return FindZone(region, db.userZones);
}

std::string zoneRuleLine(const ZoneEntry& entry, const StringTable& strings) {
    char rule[64];
    if (entry.timeKind == TimeZone)
        std::snprintf(rule, sizeof rule, "%c%02u:%02u  %s", entry.west == 1 ? '-' : '+', unsigned(entry.zoneHours),
                      unsigned(entry.zoneMinutes), std::string(fieldText(entry.abbreviation)).c_str());
    else
        std::snprintf(rule, sizeof rule, "%s", strings[StrId::GMT + std::min<int>(entry.timeKind, TimeLMT)]);
    char line[160];
    std::snprintf(line, sizeof line, "%s  %02u:%02u  -->  %s", compactDateText(entry.start, strings).c_str(),
                  unsigned(entry.hour), unsigned(entry.minute), rule);
    return line;
}
