// Town and time-zone files: current files round trip, old files are converted, damaged
// files load what they can.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "TownFixtures.h"

using namespace fixtures;

namespace {

std::string zoneRuleText(const ZoneEntry& e) {
    return std::to_string(e.start.year) + "-" + std::to_string(e.start.month) + "-" + std::to_string(e.start.day) +
           " " + std::to_string(e.hour) + ":" + std::to_string(e.minute) + " k" + std::to_string(e.timeKind) + " " +
           std::string(fieldText(e.abbreviation)) + " " + (e.west ? "-" : "+") + std::to_string(e.zoneHours) + ":" +
           std::to_string(e.zoneMinutes);
}

}  // namespace

TEST(TownFileFormat, scrambleAndFillPattern_matchTheStoredBytes) {
    // Body byte i is XORed with 25 + 17 i (mod 256); the key repeats after 256 bytes.
    unsigned char body[3] = {0, 0, 0xFF};
    scrambleBody(body, 3);
    EXPECT_EQ(body[0], 25);
    EXPECT_EQ(body[1], 42);
    EXPECT_EQ(body[2], 0xFF ^ 59);
    unsigned char late = 0;
    scrambleBody(&late, 1, 256 + 1);
    EXPECT_EQ(late, 42);

    char field[8];
    setPatternText(field, sizeof field, "Buda");
    EXPECT_EQ(std::string(field, 8), std::string("Buda\0B", 6) + char('B' + 13) + char('B' + 26));
    setPatternText(field, 5, "");
    EXPECT_EQ(std::string(field, 5), std::string("\0\0\x0d\x1a\x27", 5));
    setPatternText(field, 4, "toolong");
    EXPECT_EQ(std::string(field, 4), std::string("too\0", 4));
}

TEST(TimeFile, currentFile_roundTripsThroughSaveAndIndex) {
    TempDir dir;
    std::vector<ZoneEntry> units;
    addZone(units, "Hungary", {rule(1, 1, 1, 0, 0, 1, "LMT", 76), rule(1890, 11, 1, 0, 0, 2, "CET", 60)});
    addZone(units, "Nothing");
    addZone(units, "United States, New York", {rule(1, 1, 1, 0, 0, 2, "EST", -300)});
    const std::string path = dir.file("t.TID");
    ASSERT_TRUE(SaveDataFile(path, FileFormat::TimeFileHeader, units.data(), units.size() * sizeof(ZoneEntry)));
    EXPECT_EQ(dir.read("t.TID"), timeFile(units));

    auto loaded = LoadTimeFile(path, englishStrings());
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), units.size());
    std::vector<ZoneDescriptor> zones;
    IndexZones(*loaded, zones);
    ASSERT_EQ(zones.size(), 3u);
    EXPECT_EQ(zones[0].name, "Hungary");
    ASSERT_EQ(zones[0].entryCount, 2u);
    EXPECT_EQ(zoneRuleText(zones[0].entries[1]), "1890-11-1 0:0 k2 CET +1:0");
    EXPECT_TRUE(zones[1].empty());
    EXPECT_EQ(zones[1].name, "");  // an empty descriptor has no name
    EXPECT_EQ(zones[2].name, "United States, New York");
    EXPECT_EQ(zoneRuleText(zones[2].entries[0]), "1-1-1 0:0 k2 EST -5:0");
}

TEST(TimeFile, unreadableOrForeignFiles_fail) {
    TempDir dir;
    EXPECT_FALSE(LoadTimeFile(dir.file("missing.TID"), englishStrings()));
    EXPECT_FALSE(LoadTimeFile(dir.write("short.TID", "ZODIKEON"), englishStrings()));
    EXPECT_FALSE(LoadTimeFile(dir.write("town.TID", townFile({})), englishStrings()));
    EXPECT_FALSE(LoadTimeFile(dir.write("text.TID", std::string(100, 'x')), englishStrings()));
    // A folder opens like a file whose end lies beyond any memory.
    EXPECT_FALSE(LoadTimeFile(dir.path(), englishStrings()));
    TownDatabase db;
    EXPECT_FALSE(LoadTownFile(db, dir.path(), englishStrings()));
}

TEST(TimeFile, incompleteLastUnit_isIgnored) {
    TempDir dir;
    std::vector<ZoneEntry> units;
    addZone(units, "Zone", {rule(1, 1, 1, 0, 0, 2, "Z", 60)});
    auto loaded = LoadTimeFile(dir.write("t.TID", timeFile(units) + "extra"), englishStrings());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), 4u);
}

TEST(TimeFile, oldFile_becomesUserZonesFromRecord36On) {
    // Records 0..35 and 38 were the old program's own zones and are dropped; 36 and 37 with at
    // most one entry are placeholders "-" without rules.
    std::vector<OldZone> zones(42);
    for (std::size_t i = 0; i < zones.size(); ++i)
        zones[i].name = "old " + std::to_string(i);
    zones[35] = {"Budapest", 2, {rule(1, 1, 1, 0, 0, 1, "", 0), rule(1890, 11, 1, 0, 0, 2, "", 60)}};
    zones[36] = {"own one", 1, {rule(1900, 1, 1, 0, 0, 2, "", 60)}};
    zones[37] = {"own two", 2, {rule(1, 1, 1, 0, 0, 1, "", 0), rule(1900, 5, 6, 7, 8, 2, "", -330)}};
    zones[38] = {"skipped", 1, {rule(1900, 1, 1, 0, 0, 2, "", 60)}};
    zones[39] = {"counted too high", 500, {rule(1950, 1, 1, 0, 0, 2, "", 120)}};
    zones[40] = {"negative count", -4, {rule(1950, 1, 1, 0, 0, 2, "", 120)}};
    ZoneEntry yearZero = rule(1950, 1, 1, 0, 0, 2, "", 60);
    yearZero.start.year = 0;
    zones[41] = {"year zero", 2, {yearZero, rule(1960, 1, 1, 0, 0, 2, "", 60)}};

    TempDir dir;
    auto units = LoadTimeFile(dir.write("old.TID", oldTimeFile(zones)), englishStrings());
    ASSERT_TRUE(units);
    std::vector<ZoneDescriptor> indexed;
    IndexZones(*units, indexed);
    ASSERT_EQ(indexed.size(), 5u);
    EXPECT_TRUE(indexed[0].empty());  // record 36: placeholder "-"
    EXPECT_EQ(indexed[1].name, "own two");
    ASSERT_EQ(indexed[1].entryCount, 2u);
    EXPECT_EQ(zoneRuleText(indexed[1].entries[1]), "1900-5-6 7:8 k2  -5:30");
    // The empty abbreviation carries the fill pattern.
    EXPECT_EQ(std::string(indexed[1].entries[1].abbreviation.data(), 6), std::string("\0\0\x0d\x1a\x27\x34", 6));
    EXPECT_EQ(indexed[2].name, "counted too high");
    EXPECT_EQ(indexed[2].entryCount, 1u);  // the 199 empty old entries have year 0
    EXPECT_TRUE(indexed[3].empty());       // negative count: no entries
    EXPECT_EQ(indexed[4].name, "year zero");
    ASSERT_EQ(indexed[4].entryCount, 1u);
    EXPECT_EQ(int(indexed[4].entries[0].start.year), 1960);

    // Record 36 with more than one entry is an ordinary zone.
    zones[36] = {"own one", 2, {rule(1, 1, 1, 0, 0, 1, "", 0), rule(1900, 1, 1, 0, 0, 2, "", 60)}};
    units = LoadTimeFile(dir.write("old2.TID", oldTimeFile(zones)), englishStrings());
    ASSERT_TRUE(units);
    indexed.clear();
    IndexZones(*units, indexed);
    EXPECT_EQ(indexed[0].name, "own one");
}

TEST(IndexZones, entriesBeforeAnyHeaderAndHeadersCutShort_areHarmless) {
    std::vector<ZoneEntry> units = {rule(1900, 1, 1, 0, 0, 2, "X", 60)};
    addZone(units, "Real", {rule(1900, 1, 1, 0, 0, 2, "R", 60)});
    addZone(units, "Cut short");
    units.resize(units.size() - 2);  // only the first unit of the last header remains
    std::vector<ZoneDescriptor> zones;
    IndexZones(units, zones);
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].name, "Real");
    EXPECT_EQ(zones[0].entryCount, 1u);
    EXPECT_TRUE(zones[1].empty());
}

TEST(TownFile, currentFile_roundTripsAndDropsAnIncompleteLastRecord) {
    TempDir dir;
    TownDatabase db;
    const std::vector<TownRecord> towns = {town("Budapest, Hungary", 1142, 2850, 262), town("Hungary", 0, 0, RegionEntry)};
    ASSERT_TRUE(SaveDataFile(dir.file("t.TWD"), FileFormat::TownFileHeader, towns.data(),
                             towns.size() * sizeof(TownRecord)));
    dir.write("cut.TWD", dir.read("t.TWD") + std::string(56, 'x'));
    for (const char* name : {"t.TWD", "cut.TWD"}) {
        SCOPED_TRACE(name);
        auto loaded = LoadTownFile(db, dir.file(name), englishStrings());
        ASSERT_TRUE(loaded);
        ASSERT_EQ(loaded->size(), 2u);
        EXPECT_EQ(townName((*loaded)[0]), "Budapest, Hungary");
        EXPECT_EQ(int((*loaded)[0].longitude), 1142);
        EXPECT_EQ(int((*loaded)[0].latitude), 2850);
        EXPECT_EQ(int((*loaded)[0].zone), 262);
        EXPECT_TRUE((*loaded)[1].isRegion());
    }
    EXPECT_FALSE(LoadTownFile(db, dir.file("missing.TWD"), englishStrings()));
    EXPECT_FALSE(LoadTownFile(db, dir.write("times.TWD", timeFile({})), englishStrings()));
}

TEST(TownFile, nameFillingItsWholeField_isCutToStayTerminated) {
    TempDir dir;
    TownRecord t = town("x", 0, 0, 0);
    t.name.fill('A');
    TownDatabase db;
    auto loaded = LoadTownFile(db, dir.write("t.TWD", townFile({t})), englishStrings());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(townName((*loaded)[0]), std::string(50, 'A'));
}

TEST(TownFile, oldFile_isConvertedWithExclusionsAndZoneTable) {
    TempDir dir;
    TownDatabase db;
    fillDatabase(db, {}, {town("Budapest, Hungary", 1142, 2850, 262), town("Pestszentlőrinc, Hungary", 1150, 2846, 262)});
    db.paths.exclusions = dir.write("townimpexcl.dat", "Kispest\r\nRákospalota\r\n");
    const std::vector<OldTown> old = {
        {"Szeged", 1209, 2775, 2},      // zone table: 2 -> 19
        {"Budapest", 1142, 2850, 2},    // already in the atlas
        {"Pest", 1145, 2850, 0},        // only a prefix of a town: kept; 0 -> 626
        {"Kispest", 1150, 2847, 2},     // excluded
        {"Rákos", 1150, 2847, 2},       // occurs in the exclusion text
        {"   ", 0, 0, 2},               // empty after trimming
        {"Vác\t", 1147, 2867, 21},      // trailing white space; 21 -> 2
        {"West", -100, -200, -7},       // negative zone: none
        {"Own 36", 0, 0, 36},           // 36 -> 10000
        {"Own 38", 0, 0, 38},           // 38 -> 2290
        {"Own 39", 0, 0, 39},           // 39 and up: + 9963
    };
    auto towns = LoadTownFile(db, dir.write("ZDKTWN_S.TWD", oldTownFile(old)), englishStrings());
    ASSERT_TRUE(towns);
    std::vector<std::string> got;
    for (const TownRecord& t : *towns)
        got.push_back(std::string(townName(t)) + " " + std::to_string(t.longitude) + " " +
                      std::to_string(t.latitude) + " " + std::to_string(t.zone));
    EXPECT_EQ(got, (std::vector<std::string>{"Szeged 1209 2775 19", "Pest 1145 2850 626", "Vác 1147 2867 2",
                                             "West -100 -200 -1", "Own 36 0 0 10000", "Own 38 0 0 2290",
                                             "Own 39 0 0 10002"}));
    // The name field is padded with the fill pattern after the zero.
    EXPECT_EQ((*towns)[0].name[7], 'S');
}

TEST(TownFile, oldFileWithoutExclusionFile_excludesNothing) {
    TempDir dir;
    TownDatabase db;
    db.paths.exclusions = dir.file("missing.dat");
    auto towns = LoadTownFile(db, dir.write("old.TWD", oldTownFile({{"Szeged", 1209, 2775, 2}})), englishStrings());
    ASSERT_TRUE(towns);
    EXPECT_EQ(towns->size(), 1u);
    ASSERT_TRUE(db.exclusionText);
    EXPECT_EQ(*db.exclusionText, "");
}

TEST(LoadTownDatabase, missingFiles_leaveTheirPartEmpty) {
    TempDir dir;
    std::vector<ZoneEntry> units;
    addZone(units, "Hungary", {rule(1, 1, 1, 0, 0, 2, "CET", 60)});
    TownFilePaths paths{dir.write("ZDKTIMES.TID", timeFile(units)), dir.file("ZDKTIMES_user.TID"),
                        dir.write("ZDKTOWNS.TWD", townFile({town("Budapest, Hungary", 1142, 2850, 0)})),
                        dir.write("ZDKTOWNS_user.TWD", "not a town file"), dir.file("townimpexcl.dat")};
    TownDatabase db;
    LoadTownDatabase(db, paths, englishStrings());
    EXPECT_EQ(db.mainZones.size(), 1u);
    EXPECT_TRUE(db.userZones.empty());
    EXPECT_EQ(db.mainTowns.size(), 1u);
    EXPECT_TRUE(db.userTowns.empty());
    EXPECT_EQ(db.paths.userTowns, paths.userTowns);
}

TEST(SaveDataFile, keepsThePreviousVersionAsBak) {
    TempDir dir;
    const std::string path = dir.file("ZDKTOWNS_user.TWD");
    const std::vector<TownRecord> one = {town("Szeged, Hungary", 1209, 2775, 262)};
    ASSERT_TRUE(SaveDataFile(path, FileFormat::TownFileHeader, one.data(), sizeof(TownRecord)));
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));  // nothing to keep the first time
    const std::string first = dir.read("ZDKTOWNS_user.TWD");

    const std::vector<TownRecord> two = {one[0], town("Vác, Hungary", 1147, 2867, 262)};
    ASSERT_TRUE(SaveDataFile(path, FileFormat::TownFileHeader, two.data(), 2 * sizeof(TownRecord)));
    EXPECT_EQ(dir.read("ZDKTOWNS_user.TWD.bak"), first);
    EXPECT_EQ(dir.read("ZDKTOWNS_user.TWD"), townFile(two));
    // An empty user list is a header alone.
    ASSERT_TRUE(SaveDataFile(path, FileFormat::TownFileHeader, nullptr, 0));
    EXPECT_EQ(dir.read("ZDKTOWNS_user.TWD").size(), CurrentHeaderSize);
}

TEST(SaveDataFile, failure_leavesTheFileAsItWas) {
    TempDir dir;
    EXPECT_FALSE(SaveDataFile(dir.file("no/such/folder/x.TWD"), "h", "abc", 3));
    // A backup that cannot be replaced stops the save before the file is touched.
    const std::string path = dir.write("x.TWD", "old");
    std::filesystem::create_directories(dir.file("x.TWD.bak/inside"));
    EXPECT_FALSE(SaveDataFile(path, "h", "abc", 3));
    EXPECT_EQ(dir.read("x.TWD"), "old");
    // A folder where the file should be cannot be replaced.
    std::filesystem::create_directories(dir.file("folder.TWD/inside"));
    EXPECT_FALSE(SaveDataFile(dir.file("folder.TWD"), "h", "abc", 3));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.TWD/inside")));
}
