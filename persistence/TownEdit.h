#pragma once
// What the town dialogs compute apart from their controls: splitting a stored town name into
// name and region and joining them again, the checked position in arc minutes, the zone that
// a region suggests and the lines of a zone's rule list.
#include <cstdint>
#include <string>
#include <string_view>

#include "TownDatabase.h"

struct BirthEntry;
class StringTable;

// The name a user can type for a town, and how much of it keeps room for ", region".
constexpr std::size_t TownEditNameLength = 49;
constexpr std::size_t TownEditNameWithRegion = 47;

struct TownNameParts {
    std::string name;    // before the last comma (the whole name when there is none)
    std::string region;  // after it, leading white space skipped
};
TownNameParts splitTownName(std::string_view stored);

// `name` (at most 49 characters) and, when it has at most 47, ", " and the region, the whole
// cut to 49 characters.
std::string joinTownName(std::string_view name, std::string_view region);

// Checks longitude and latitude of `entry` like the birth data (message 19 or 20; 0 when
// valid) and gives them in whole arc minutes, West and South negative.
int checkTownPosition(const BirthEntry& entry, std::int16_t& longitude, std::int16_t& latitude);

// The zone a region text suggests, or nullptr when the selection should stay: a region of at
// least three characters that the selected zone's name does not begin with selects the first
// zone beginning with it, a "+ "-marked region among the user zones, any other among the main
// zones and then the user zones.
const ZoneDescriptor* regionZone(const TownDatabase& db, std::string_view region, std::string_view selectedZoneName);

// "03/27/1983  02:00  -->  +02:00  CEST": start date, start time and the clock rule.
std::string zoneRuleLine(const ZoneEntry& entry, const StringTable& strings);
