// The Import towns command without its windows: whole old databases, single files with and
// without their user zones, and every way the command ends.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <filesystem>

#include "TempDir.h"
#include "TownFixtures.h"
#include "TownImport.h"

using namespace fixtures;

namespace {

std::vector<ZoneEntry> atlasZones() {
    std::vector<ZoneEntry> units;
    for (int z = 0; z < 21; ++z)
        addZone(units, z == 19 ? "GMT" : "-", z == 19 ? std::vector<ZoneEntry>{rule(1, 1, 1, 0, 0, TimeGMT, "GMT", 0)}
                                                    : std::vector<ZoneEntry>{});
    return units;
}

struct Answers {
    ImportAnswer whole = ImportAnswer::Cancel;
    ImportAnswer zones = ImportAnswer::Cancel;
    std::optional<std::string> timeFile;
    int asked881 = 0, asked884 = 0, asked886 = 0;

    ImportQuestions questions() {
        return {[this] { ++asked881; return whole; }, [this] { ++asked884; return zones; },
                [this] { ++asked886; return timeFile; }};
    }
};

class TownImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<ZoneEntry> user;
        addZone(user, "Earlier zone", {rule(1, 1, 1, 0, 0, TimeZone, "E", 60)});
        fillDatabase(db, atlasZones(), {town("Budapest, Hungary", 1142, 2850, 19)}, user,
                     {town("Existing user town", 0, 0, UserZoneBase)});
        std::filesystem::create_directories(dir.file("data"));
        std::filesystem::create_directories(dir.file("old"));
        db.paths = {dir.file("data/ZDKTIMES.TID"), dir.file("data/ZDKTIMES_user.TID"), dir.file("data/ZDKTOWNS.TWD"),
                    dir.file("data/ZDKTOWNS_user.TWD"), dir.file("data/townimpexcl.dat")};
    }

    // An old database: zones 36 (a placeholder), 37 and 39 of the old time file become user
    // zones 0, 1, 2 of the import.
    void writeOldDatabase() {
        std::vector<OldZone> zones(40);
        zones[36] = {"placeholder", 1, {rule(1900, 1, 1, 0, 0, TimeZone, "", 60)}};
        zones[37] = {"Own A", 2, {rule(1900, 1, 1, 0, 0, TimeZone, "", 120), rule(1950, 1, 1, 0, 0, TimeZone, "", 180)}};
        zones[39] = {"Own B", 1, {rule(1900, 1, 1, 0, 0, TimeZone, "", -60)}};
        dir.write("old/ZDKTIMES.TID", oldTimeFile(zones));
        dir.write("old/ZDKTWN_A.TWD", oldTownFile({{"Abony", 1, 2, 2},
                                                   {"Aszód", 3, 4, 36},
                                                   {"Ajka", 5, 6, 37},
                                                   {"Alsó", 7, 8, 40},
                                                   {"Adony", 9, 10, -1},
                                                   {"Budapest", 11, 12, 2}}));
        dir.write("old/zdktwn_b.twd", oldTownFile({{"Baja", 13, 14, 39}}));  // a copy from Windows
    }

    std::vector<std::string> userTowns() const {
        std::vector<std::string> out;
        for (const TownRecord& t : db.userTowns)
            out.push_back(std::string(townName(t)) + " " + std::to_string(t.zone));
        return out;
    }

    TempDir dir;
    TownDatabase db;
};

}  // namespace

TEST_F(TownImportTest, wholeOldDatabase_bringsItsZonesAndFallsBackToZone19) {
    writeOldDatabase();
    Answers a;
    a.whole = ImportAnswer::Yes;
    const ImportResult r = ImportTowns(db, dir.file("old/ZDKTWN_A.TWD"), englishStrings(), a.questions());
    ASSERT_EQ(r.outcome, ImportOutcome::Imported);
    EXPECT_EQ(a.asked881, 1);
    EXPECT_EQ(a.asked884, 0);
    // Base 1: old 36 -> user zone 1 (the empty placeholder), 37 -> 2, 39 -> 3.
    EXPECT_EQ(userTowns(), (std::vector<std::string>{"Abony 19", "Adony -1", "Ajka 10002", "Alsó 19", "Aszód 19",
                                                     "Baja 10003", "Existing user town 10000"}));
    EXPECT_EQ(r.towns, 6u);
    EXPECT_EQ(r.zones, 2u);
    EXPECT_EQ(importedMessage(r, englishStrings()), "Imported:\n6 town(s)\n2 time zone(s)");

    // Both user files now hold the imported data.
    TownDatabase reloaded;
    LoadTownDatabase(reloaded, db.paths, englishStrings());
    EXPECT_EQ(reloaded.userTowns.size(), 7u);
    ASSERT_EQ(reloaded.userZones.size(), 4u);
    EXPECT_EQ(reloaded.userZones[2].name, "Own A");
    EXPECT_EQ(reloaded.userZones[2].entryCount, 2u);
    EXPECT_TRUE(reloaded.userZones[1].empty());
}

TEST_F(TownImportTest, wholeOldDatabaseWithoutTimeFile_failsAndSavesNothing) {
    writeOldDatabase();
    std::filesystem::remove(dir.file("old/ZDKTIMES.TID"));
    Answers a;
    a.whole = ImportAnswer::Yes;
    EXPECT_EQ(ImportTowns(db, dir.file("old/ZDKTWN_A.TWD"), englishStrings(), a.questions()).outcome,
              ImportOutcome::Failed);
    EXPECT_FALSE(std::filesystem::exists(db.paths.userTowns));
    EXPECT_EQ(db.userTowns.size(), 1u);
}

TEST_F(TownImportTest, oldFileAlone_skipsTownsOfUserZonesWhenTheirZonesAreDeclined) {
    writeOldDatabase();
    Answers a;
    a.whole = ImportAnswer::No;
    a.zones = ImportAnswer::No;
    const ImportResult r = ImportTowns(db, dir.file("old/ZDKTWN_A.TWD"), englishStrings(), a.questions());
    ASSERT_EQ(r.outcome, ImportOutcome::Imported);
    EXPECT_EQ(a.asked884, 1);
    EXPECT_EQ(userTowns(), (std::vector<std::string>{"Abony 19", "Adony -1", "Existing user town 10000"}));
    EXPECT_EQ(r.zones, 0u);
}

TEST_F(TownImportTest, currentFile_withItsUserZones) {
    std::vector<ZoneEntry> theirZones;
    addZone(theirZones, "Their zone", {rule(1, 1, 1, 0, 0, TimeZone, "T", 330)});
    dir.write("old/their.TID", timeFile(theirZones));
    dir.write("old/their.TWD", townFile({town("Kept", 0, 0, UserZoneBase), town("Zone gone", 0, 0, UserZoneBase + 4),
                                         town("Main zone", 0, 0, 19), town("Budapest, Hungary", 0, 0, 19),
                                         town("Existing user town", 0, 0, 19), town("Region", 0, 0, RegionEntry)}));
    Answers a;
    a.zones = ImportAnswer::Yes;
    a.timeFile = dir.file("old/their.TID");
    const ImportResult r = ImportTowns(db, dir.file("old/their.TWD"), englishStrings(), a.questions());
    ASSERT_EQ(r.outcome, ImportOutcome::Imported);
    EXPECT_EQ(a.asked881, 0);  // not an old file
    EXPECT_EQ(a.asked886, 1);
    EXPECT_EQ(userTowns(), (std::vector<std::string>{"Existing user town 10000", "Kept 10001", "Main zone 19"}));
    EXPECT_EQ(r.towns, 2u);
    EXPECT_EQ(r.zones, 1u);
}

TEST_F(TownImportTest, everyWayOut_leavesTheDatabaseAsItWas) {
    dir.write("old/their.TWD", townFile({town("Kept", 0, 0, UserZoneBase)}));
    dir.write("old/bad.TID", "not a time file");
    const struct {
        const char* name;
        ImportAnswer zones;
        std::optional<std::string> timeFile;
        std::string town;
        ImportOutcome outcome;
    } rows[] = {
        {"zones question cancelled", ImportAnswer::Cancel, std::nullopt, "old/their.TWD", ImportOutcome::Cancelled},
        {"time file not chosen", ImportAnswer::Yes, std::nullopt, "old/their.TWD", ImportOutcome::Cancelled},
        {"time file unreadable", ImportAnswer::Yes, dir.file("old/bad.TID"), "old/their.TWD", ImportOutcome::Failed},
        {"town file unreadable", ImportAnswer::Yes, std::nullopt, "old/missing.TWD", ImportOutcome::Failed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Answers a;
        a.zones = row.zones;
        a.timeFile = row.timeFile;
        EXPECT_EQ(ImportTowns(db, dir.file(row.town), englishStrings(), a.questions()).outcome, row.outcome);
        EXPECT_EQ(db.userTowns.size(), 1u);
        EXPECT_EQ(db.userZones.size(), 1u);
        EXPECT_FALSE(std::filesystem::exists(db.paths.userTowns));
    }
    writeOldDatabase();
    Answers a;  // cancels the whole-database question
    EXPECT_EQ(ImportTowns(db, dir.file("old/ZDKTWN_A.TWD"), englishStrings(), a.questions()).outcome,
              ImportOutcome::Cancelled);
    EXPECT_EQ(db.userTowns.size(), 1u);
}

TEST_F(TownImportTest, emptyFileAndSaveFailure) {
    dir.write("old/empty.TWD", townFile({}));
    Answers a;
    ImportResult r = ImportTowns(db, dir.file("old/empty.TWD"), englishStrings(), a.questions());
    EXPECT_EQ(r.outcome, ImportOutcome::Imported);
    EXPECT_EQ(r.towns, 0u);
    EXPECT_TRUE(std::filesystem::exists(db.paths.userTowns));

    db.paths.userTimes = dir.file("no/such/folder/ZDKTIMES_user.TID");
    r = ImportTowns(db, dir.file("old/empty.TWD"), englishStrings(), a.questions());
    EXPECT_EQ(r.outcome, ImportOutcome::SaveFailed);
}

TEST_F(TownImportTest, unsavedImport_leavesTheUserTownsAsTheyWere) {
    // The towns would be saved but their zones not: neither stays, in memory or on disk.
    dir.write("old/their.TWD", townFile({town("Brought", 0, 0, UserZoneBase)}));
    std::vector<ZoneEntry> theirZones;
    addZone(theirZones, "Their zone", {rule(1, 1, 1, 0, 0, TimeZone, "T", 330)});
    dir.write("old/their.TID", timeFile(theirZones));
    ASSERT_TRUE(SaveUserTowns(db, englishStrings()));
    const auto readFile = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string townsBefore = readFile(db.paths.userTowns);
    const std::vector<std::string> namesBefore = userTowns();
    const std::size_t zonesBefore = db.userZones.size();
    const std::size_t unitsBefore = db.userUnits.size();
    db.paths.userTimes = dir.file("no/such/folder/ZDKTIMES_user.TID");
    Answers a;
    a.zones = ImportAnswer::Yes;
    a.timeFile = dir.file("old/their.TID");
    EXPECT_EQ(ImportTowns(db, dir.file("old/their.TWD"), englishStrings(), a.questions()).outcome,
              ImportOutcome::SaveFailed);
    EXPECT_EQ(userTowns(), namesBefore);
    EXPECT_EQ(db.userZones.size(), zonesBefore);
    EXPECT_EQ(db.userUnits.size(), unitsBefore);
    EXPECT_EQ(readFile(db.paths.userTowns), townsBefore);
}
