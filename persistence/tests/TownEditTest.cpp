#include <gtest/gtest.h>

#include "BirthEntry.h"
#include "TownEdit.h"
#include "TownFixtures.h"

using namespace fixtures;

TEST(TownEdit, namesSplitAtTheLastCommaAndJoinWithinFortyNineCharacters) {
    struct Row {
        const char* stored;
        const char* name;
        const char* region;
    };
    const Row splits[] = {
        {"Budapest, Hungary", "Budapest", "Hungary"},
        {"Springfield, Illinois, United States", "Springfield, Illinois", "United States"},
        {"Nowhere", "Nowhere", ""},
        {"Trailing,", "Trailing", ""},
        {"Tabs,\t  Region", "Tabs", "Region"},
    };
    for (const Row& row : splits) {
        SCOPED_TRACE(row.stored);
        const TownNameParts parts = splitTownName(row.stored);
        EXPECT_EQ(parts.name, row.name);
        EXPECT_EQ(parts.region, row.region);
    }
    EXPECT_EQ(joinTownName("Szeged", "Hungary"), "Szeged, Hungary");
    const std::string name47(47, 'a');
    const std::string name48(48, 'b');
    EXPECT_EQ(joinTownName(name47, "Hungary"), name47 + ", ");  // cut to 49
    EXPECT_EQ(joinTownName(name48, "Hungary"), name48);           // no room for the region
    EXPECT_EQ(joinTownName(std::string(60, 'c'), "X"), std::string(49, 'c'));
}

TEST(TownEdit, positionIsCheckedLikeTheBirthDataAndStoredInArcMinutes) {
    struct Row {
        const char* name;
        char lonLetter;
        int lonDegrees, lonMinutes;
        char latLetter;
        int latDegrees, latMinutes;
        int message;
        int longitude, latitude;
    };
    const Row rows[] = {
        {"east north", 'E', 19, 5, 'N', 47, 30, EntryValid, 1145, 2850},
        {"west south, lower case", 'w', 58, 22, 's', 34, 36, EntryValid, -3502, -2076},
        {"longitude 181", 'E', 181, 0, 'N', 0, 0, InvalidLongitude, 0, 0},
        {"longitude minutes 60", 'E', 10, 60, 'N', 0, 0, InvalidLongitude, 0, 0},
        {"longitude letter N", 'N', 10, 0, 'N', 0, 0, InvalidLongitude, 0, 0},
        {"latitude 90", 'E', 10, 0, 'N', 90, 0, InvalidLatitude, 0, 0},
        {"latitude letter missing", 'E', 10, 0, '\0', 10, 0, InvalidLatitude, 0, 0},
        {"both wrong: longitude first", 'X', 10, 0, 'N', 99, 0, InvalidLongitude, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BirthEntry e;
        e.year = 0;  // the date fields play no part here
        e.longitudeLetter = row.lonLetter;
        e.longitudeDegrees = row.lonDegrees;
        e.longitudeMinutes = row.lonMinutes;
        e.latitudeLetter = row.latLetter;
        e.latitudeDegrees = row.latDegrees;
        e.latitudeMinutes = row.latMinutes;
        std::int16_t lon = 0, lat = 0;
        EXPECT_EQ(checkTownPosition(e, lon, lat), row.message);
        if (row.message == EntryValid) {
            EXPECT_EQ(lon, row.longitude);
            EXPECT_EQ(lat, row.latitude);
        }
    }
}

TEST(TownEdit, regionSuggestsTheFirstZoneBeginningWithIt) {
    std::vector<ZoneEntry> main;
    addZone(main, "Germany", {rule(1900, 1, 1, 0, 0, TimeZone, "CET", 60)});
    addZone(main, "Hungary", {rule(1900, 1, 1, 0, 0, TimeZone, "CET", 60)});
    addZone(main, "Hungary, east", {rule(1900, 1, 1, 0, 0, TimeZone, "EET", 120)});
    std::vector<ZoneEntry> user;
    addZone(user, "Hungary, old", {rule(1900, 1, 1, 0, 0, TimeLMT, "", 0)});
    addZone(user, "Atlantis", {rule(1900, 1, 1, 0, 0, TimeZone, "ATL", -60)});
    TownDatabase db;
    fillDatabase(db, main, {}, user);

    struct Row {
        const char* name;
        const char* region;
        const char* selected;
        const char* expect;  // nullptr: the selection stays
    };
    const Row rows[] = {
        {"main zone", "Hungary", "Germany", "Hungary"},
        {"selected zone already begins with it", "Hungary", "Hungary, east", nullptr},
        {"two characters never change it", "Hu", "Germany", nullptr},
        {"user zone when no main zone matches", "Atlan", "Germany", "Atlantis"},
        {"marked region searches the user zones", "+ Hungary", "Germany", "Hungary, old"},
        {"nothing begins with it", "Narnia", "Germany", nullptr},
        {"case matters", "hungary", "Germany", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ZoneDescriptor* zone = regionZone(db, row.region, row.selected);
        if (!row.expect) {
            EXPECT_EQ(zone, nullptr);
            continue;
        }
        ASSERT_NE(zone, nullptr);
        EXPECT_EQ(zone->name, row.expect);
    }
}

TEST(TownEdit, ruleLinesShowStartAndClock) {
    const StringTable& en = englishStrings();
    EXPECT_EQ(zoneRuleLine(rule(1983, 3, 27, 2, 0, TimeZone, "CEST", 120), en), "03/27/1983  02:00  -->  +02:00  CEST");
    EXPECT_EQ(zoneRuleLine(rule(1883, 11, 18, 12, 3, TimeZone, "EST", -300), en), "11/18/1883  12:03  -->  -05:00  EST");
    EXPECT_EQ(zoneRuleLine(rule(1800, 1, 1, 0, 0, TimeLMT, "", 0), en), "01/01/1800  00:00  -->  LMT");
    EXPECT_EQ(zoneRuleLine(rule(-43, 3, 15, 0, 0, TimeGMT, "", 0, false), en), "03/15/0044BC  00:00  -->  GMT");
}
