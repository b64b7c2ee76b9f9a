#include <gtest/gtest.h>

#include "BirthEntry.h"

// Multi-byte fields of the packed records are compared as `+field`, a copy: the comparison
// macros bind references, and a reference to an unaligned field is undefined behaviour.
namespace {

// A valid entry: 15 March 1984 10:30:00 zone time 1:00 East at 19°02'E 47°30'N.
BirthEntry validEntry() {
    BirthEntry e;
    e.year = 1984;
    e.month = 3;
    e.day = 15;
    e.hour = 10;
    e.minute = 30;
    e.zoneHours = 1;
    e.longitudeDegrees = 19;
    e.longitudeMinutes = 2;
    e.latitudeDegrees = 47;
    e.latitudeMinutes = 30;
    return e;
}

}  // namespace

TEST(BirthEntry, FirstFailingGroupNamesTheMessage) {
    struct Row {
        const char* name;
        void (*change)(BirthEntry&);
        int message;
    } rows[] = {
        {"valid", [](BirthEntry&) {}, EntryValid},
        {"year 0", [](BirthEntry& e) { e.year = 0; }, InvalidYear},
        {"year 0 B.C.", [](BirthEntry& e) { e.year = 0, e.beforeChrist = true; }, InvalidYear},
        {"1 B.C.", [](BirthEntry& e) { e.year = 1, e.beforeChrist = true; }, EntryValid},
        {"5000 B.C.", [](BirthEntry& e) { e.year = 5000, e.beforeChrist = true; }, EntryValid},
        {"5001 B.C.", [](BirthEntry& e) { e.year = 5001, e.beforeChrist = true; }, InvalidYear},
        {"5001 A.D.", [](BirthEntry& e) { e.year = 5001; }, InvalidYear},
        {"29 Feb 1900 Gregorian", [](BirthEntry& e) { e.year = 1900, e.month = 2, e.day = 29; }, InvalidDate},
        {"29 Feb 1900 Julian", [](BirthEntry& e) { e.year = 1900, e.month = 2, e.day = 29, e.gregorian = false; },
         EntryValid},
        {"month 13", [](BirthEntry& e) { e.month = 13; }, InvalidDate},
        {"day 0 taken as 1", [](BirthEntry& e) { e.day = 0; }, EntryValid},
        {"31 April", [](BirthEntry& e) { e.month = 4, e.day = 31; }, InvalidDate},
        {"hour 24", [](BirthEntry& e) { e.hour = 24; }, InvalidTime},
        {"minute 60", [](BirthEntry& e) { e.minute = 60; }, InvalidTime},
        {"second 60", [](BirthEntry& e) { e.second = 60; }, InvalidTime},
        {"second 59", [](BirthEntry& e) { e.second = 59; }, EntryValid},
        {"longitude 181", [](BirthEntry& e) { e.longitudeDegrees = 181; }, InvalidLongitude},
        {"longitude 180 30", [](BirthEntry& e) { e.longitudeDegrees = 180, e.longitudeMinutes = 30; }, EntryValid},
        {"longitude minutes 60", [](BirthEntry& e) { e.longitudeMinutes = 60; }, InvalidLongitude},
        {"longitude letter N", [](BirthEntry& e) { e.longitudeLetter = 'N'; }, InvalidLongitude},
        {"longitude letter w", [](BirthEntry& e) { e.longitudeLetter = 'w'; }, EntryValid},
        {"latitude 90", [](BirthEntry& e) { e.latitudeDegrees = 90; }, InvalidLatitude},
        {"latitude letter E", [](BirthEntry& e) { e.latitudeLetter = 'E'; }, InvalidLatitude},
        {"zone hours 24", [](BirthEntry& e) { e.zoneHours = 24; }, InvalidZone},
        {"zone minutes 60", [](BirthEntry& e) { e.zoneMinutes = 60; }, InvalidZone},
        {"zone letter S", [](BirthEntry& e) { e.zoneLetter = 'S'; }, InvalidZone},
        {"zone checked for GMT too", [](BirthEntry& e) { e.timeKind = TimeGMT, e.zoneHours = 30; }, InvalidZone},
        {"time before place and zone", [](BirthEntry& e) { e.hour = 25, e.latitudeDegrees = 95, e.zoneHours = 30; },
         InvalidTime},
        {"longitude before latitude", [](BirthEntry& e) { e.longitudeDegrees = 200, e.latitudeDegrees = 95; },
         InvalidLongitude},
        {"year before date", [](BirthEntry& e) { e.year = 0, e.month = 13; }, InvalidYear},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BirthEntry e = validEntry();
        row.change(e);
        BirthMoment m;
        EXPECT_EQ(checkBirthEntry(e, m), row.message);
    }
}

TEST(BirthEntry, ValidEntryBuildsTheLocalMoment) {
    BirthEntry e = validEntry();
    e.setAstronomicalYear(-99);
    e.gregorian = false;
    e.second = 42;
    e.timeKind = TimeLMT;
    e.zoneLetter = 'W';
    e.setLongitude(-73.5);
    e.setLatitude(-33.25);
    BirthMoment m;
    m.sex = SexFemale;
    m.town[0] = 'X';
    ASSERT_EQ(checkBirthEntry(e, m), EntryValid);
    EXPECT_EQ(+m.localDate.year, -99);
    EXPECT_EQ(m.localDate.gregorian, 0);
    EXPECT_EQ(+m.localTime.second, 42.0);
    EXPECT_EQ(m.timeKind, TimeLMT);
    EXPECT_EQ(m.zoneHours, 1);
    EXPECT_EQ(m.zoneWest, 1);
    EXPECT_EQ(m.longitude.decimal(), -73.5);
    EXPECT_EQ(m.latitude.decimal(), -33.25);
    EXPECT_EQ(m.sex, SexFemale) << "sex and town are not part of the entry";
    EXPECT_EQ(m.town[0], 'X');
}
