// Looking up, listing, inserting and applying towns and zones of an in-memory database.
#include <gtest/gtest.h>

#include "ApplyTown.h"
#include "CodePage.h"
#include "FixedText.h"
#include "TempDir.h"
#include "TownFixtures.h"
#include "TownList.h"

using namespace fixtures;

namespace {

constexpr int Hungary = 100;
constexpr int EmptyZone = 101;
constexpr int Moscow = 102;

int arcMinutes(const GeoAngle& a) {
    return (a.wholeDegrees() * 60 + a.minutes) * (a.isNegative() ? -1 : 1);
}

std::string cp(std::string_view utf8) {
    return utf8ToCp1250(utf8);
}

// Zones 0..99: Greenwich time at 19, one hour East at 20, the rest empty; 100 Hungary,
// 101 empty, 102 a zone that changed in 1919 (when Russia still used the Julian calendar).
std::vector<ZoneEntry> mainUnits() {
    std::vector<ZoneEntry> units;
    for (int z = 0; z < 100; ++z) {
        if (z == 19)
            addZone(units, "GMT (Greenwich Mean Time)", {rule(1, 1, 1, 0, 0, TimeGMT, "GMT", 0)});
        else if (z == 20)
            addZone(units, "UTC+01:00", {rule(1, 1, 1, 0, 0, TimeZone, "+01", 60)});
        else
            addZone(units, "-");
    }
    addZone(units, "Hungary",
            {rule(1, 1, 1, 0, 0, TimeLMT, "LMT", 76), rule(1890, 11, 1, 0, 0, TimeZone, "CET", 60),
             rule(1980, 4, 6, 1, 0, TimeZone, "CEST", 120), rule(1980, 9, 28, 1, 0, TimeZone, "CET", 60)});
    addZone(units, "Nowhere");
    addZone(units, "Russia, Moscow", {rule(1, 1, 1, 0, 0, TimeLMT, "LMT", 150), rule(1919, 7, 1, 0, 0, TimeZone, "MSK", 180)});
    return units;
}

std::vector<ZoneEntry> userUnits() {
    std::vector<ZoneEntry> units;
    addZone(units, "Own zone", {rule(1, 1, 1, 0, 0, TimeZone, "OWN", -210)});
    return units;
}

class TownDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillDatabase(db, mainUnits(),
                     {town("Hungary", 0, 0, RegionEntry), town("Budakeszi, Hungary", 1136, 2851, Hungary),
                      town("Budapest, Hungary", 1142, 2850, Hungary), town("Budapest", 0, 0, RegionEntry),
                      town("Greenwich town", -1, 2868, 19), town("Hungbudai, Testland", 0, 0, 20),
                      town("Hungerford, Britain (UK)", -91, 3084, 20), town("Lost zone town", 0, 0, EmptyZone),
                      town("Far zone town", 0, 0, 5000), town(cp("Székesfehérvár, Hungary"), 1124, 2831, Hungary),
                      town("Moscow, Russia", 2257, 3345, Moscow)},
                     userUnits(),
                     {town(cp("Budaörs, Hungary"), 1136, 2847, UserZoneBase), town("Zebra, Own Land", -30, -1, 10000)});
    }

    std::vector<std::string> list(std::string_view search, const TownRecord* select = nullptr, int* selected = nullptr) {
        const TownList l = FillTownList(db, cp(search), select);
        if (selected)
            *selected = l.selected;
        std::vector<std::string> texts;
        for (const TownListItem& item : l.items)
            texts.push_back(cp1250ToUtf8(item.text()));
        return texts;
    }

    TownDatabase db;
};

}  // namespace

TEST_F(TownDatabaseTest, findTown_matchesPrefixesMainFirstAndSkipsRegions) {
    const struct {
        const char* name;
        const char* found;  // nullptr: none
    } rows[] = {
        {"Buda", "Budakeszi, Hungary"},       // first main town in file order
        {"Budapest", "Budapest, Hungary"},    // the region entry "Budapest" is not a town
        {"Budaö", "Budaörs, Hungary"},        // not in the main part: the user towns
        {"+ Buda", "Budaörs, Hungary"},       // the marker searches only the user towns
        {"+ Budapest", nullptr},
        {"+ Zeb", "Zebra, Own Land"},
        {"+", "Budaörs, Hungary"},            // marker alone: the first user town
        {"Hungary", nullptr},                 // only the region entry has this name
        {"buda", nullptr},                    // exact bytes: case matters
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TownRecord* t = FindTown(db, cp(row.name));
        if (!row.found) {
            EXPECT_EQ(t, nullptr);
            continue;
        }
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(cp1250ToUtf8(townName(*t)), row.found);
    }
    EXPECT_TRUE(isUserTown(db, FindTown(db, "+ Zeb")));
    EXPECT_FALSE(isUserTown(db, FindTown(db, "Budapest")));
}

TEST_F(TownDatabaseTest, findExistingTown_wantsTheWholeTownPartOfTheName) {
    EXPECT_NE(FindExistingTown(db, "Budapest"), nullptr);
    EXPECT_NE(FindExistingTown(db, "Budapest, Hungary"), nullptr);
    EXPECT_EQ(FindExistingTown(db, "Buda"), nullptr);
    EXPECT_EQ(FindExistingTown(db, "Hungary"), nullptr);
}

TEST_F(TownDatabaseTest, findZone_takesTheFirstNonEmptyZoneWithThePrefix) {
    ASSERT_NE(FindZone("Hung", db.mainZones), nullptr);
    EXPECT_EQ(FindZone("Hung", db.mainZones)->name, "Hungary");
    EXPECT_EQ(FindZone("-", db.mainZones), nullptr);  // every "-" zone is empty
    EXPECT_EQ(FindZone("Nowhere", db.mainZones), nullptr);
    EXPECT_EQ(FindZone("Own", db.userZones), &db.userZones[0]);
    EXPECT_EQ(zoneByNumber(db, Hungary), &db.mainZones[Hungary]);
    EXPECT_EQ(zoneByNumber(db, UserZoneBase), &db.userZones[0]);
    for (int invalid : {-2, -1, 0, EmptyZone, 103, 9999, UserZoneBase + 1})
        EXPECT_FALSE(isValidZone(db, invalid)) << invalid;
}

TEST_F(TownDatabaseTest, fillTownList_selectsByFoldedWords) {
    const struct {
        const char* search;
        std::vector<std::string> items;
    } rows[] = {
        {"buda", {"+ Budaörs, Hungary", "Budakeszi, Hungary", "Budapest, Hungary"}},
        {"budap", {"Budapest, Hungary"}},
        {"buda hung", {"+ Budaörs, Hungary", "Budakeszi, Hungary", "Budapest, Hungary"}},
        {"hung buda", {"Hungbudai, Testland"}},  // the first word must begin the name
        {"  pest   HUNG ", {}},
        {"bud pest", {"Budapest, Hungary"}},
        {"SZEKESFEHERVAR", {"Székesfehérvár, Hungary"}},  // accents and case fold away
        {"székesfehérvár", {"Székesfehérvár, Hungary"}},
        {"hungary", {}},  // region entries are never listed
        {"zzz", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.search);
        int selected = -2;
        EXPECT_EQ(list(row.search, nullptr, &selected), row.items);
        EXPECT_EQ(selected, row.items.empty() ? -1 : 0);
    }
    // No words: every town, user towns first.
    const auto all = list("");
    ASSERT_EQ(all.size(), 2u + 9u);
    EXPECT_EQ(all[0], "+ Budaörs, Hungary");
    EXPECT_EQ(all[2], "Budakeszi, Hungary");
}

TEST_F(TownDatabaseTest, fillTownList_listsAndSelectsTheTownToSelect) {
    const TownRecord* moscow = FindTown(db, "Moscow");
    int selected = -1;
    EXPECT_EQ(list("buda", moscow, &selected),
              (std::vector<std::string>{"+ Budaörs, Hungary", "Budakeszi, Hungary", "Budapest, Hungary", "Moscow, Russia"}));
    EXPECT_EQ(selected, 3);
    const TownRecord* zebra = FindTown(db, "+ Zeb");
    EXPECT_EQ(list("zebra", zebra, &selected), (std::vector<std::string>{"+ Zebra, Own Land"}));
    EXPECT_EQ(selected, 0);
}

TEST_F(TownDatabaseTest, zoneLists_showUserZonesThenDatedThenFixedZones) {
    const ZoneList l = townEditorZoneList(db, 20);
    std::vector<std::string> texts;
    std::vector<int> numbers;
    for (const ZoneListItem& item : l.items) {
        texts.push_back(item.text);
        numbers.push_back(item.number);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"+ Own zone", "Hungary", "Russia, Moscow", "GMT (Greenwich Mean Time)",
                                               "UTC+01:00"}));
    EXPECT_EQ(numbers, (std::vector<int>{UserZoneBase, Hungary, Moscow, 19, 20}));
    EXPECT_EQ(l.selected, 4);
    EXPECT_EQ(townEditorZoneList(db, EmptyZone).selected, -1);
    EXPECT_EQ(townEditorZoneList(db, UserZoneBase).selected, 0);
}

TEST_F(TownDatabaseTest, insertUserTowns_keepsTheFoldedOrder) {
    const std::vector<TownRecord> added = {town(cp("Ábrahámhegy, Hungary"), 0, 0, Hungary),
                                           town(cp("budaörs, Hungary"), 0, 0, Hungary),  // folds equal: after
                                           town("Vienna, Austria", 0, 0, -1)};
    const TownRecord* first = InsertUserTowns(db, added);
    std::vector<std::string> names;
    for (const TownRecord& t : db.userTowns)
        names.push_back(cp1250ToUtf8(townName(t)));
    EXPECT_EQ(names, (std::vector<std::string>{"Ábrahámhegy, Hungary", "Budaörs, Hungary", "budaörs, Hungary",
                                               "Vienna, Austria", "Zebra, Own Land"}));
    EXPECT_EQ(first, &db.userTowns[0]);
    // After each name its zero, then the fill pattern from the first character.
    const TownRecord& vienna = db.userTowns[3];
    EXPECT_EQ(vienna.name[15], '\0');
    EXPECT_EQ(vienna.name[16], 'V');
    EXPECT_EQ(static_cast<unsigned char>(vienna.name[17]), 'V' + 13);
    EXPECT_EQ(InsertUserTowns(db, {}), nullptr);

    EXPECT_TRUE(RemoveUserTown(db, FindTown(db, "+ Vienna")));
    EXPECT_EQ(FindTown(db, "+ Vienna"), nullptr);
    EXPECT_FALSE(RemoveUserTown(db, FindTown(db, "Budapest")));  // main towns stay
}

TEST_F(TownDatabaseTest, appendUserZones_returnsTheNumberBaseAndSurvivesSaving) {
    std::vector<ZoneEntry> more = {rule(1900, 1, 1, 0, 0, TimeZone, "ORPH", 60)};  // before any header: dropped
    addZone(more, "Second", {rule(1, 1, 1, 0, 0, TimeZone, "TWO", 120)});
    addZone(more, "Third", {rule(1, 1, 1, 0, 0, TimeZone, "THR", 180)});
    const ZoneEntry* beforeRule = db.userZones[0].entries;
    EXPECT_EQ(AppendUserZones(db, more), 1);
    ASSERT_EQ(db.userZones.size(), 3u);
    EXPECT_EQ(db.userZones[2].name, "Third");
    EXPECT_EQ(db.userZones[0].entries, beforeRule);  // earlier rules never move

    TempDir dir;
    db.paths.userTimes = dir.file("ZDKTIMES_user.TID");
    ASSERT_TRUE(SaveUserTimes(db, englishStrings()));
    auto units = LoadTimeFile(db.paths.userTimes, englishStrings());
    ASSERT_TRUE(units);
    std::vector<ZoneDescriptor> reread;
    IndexZones(*units, reread);
    ASSERT_EQ(reread.size(), 3u);
    EXPECT_EQ(reread[1].name, "Second");
    EXPECT_EQ(reread[1].entryCount, 1u);
    EXPECT_EQ(reread[0].entryCount, 1u);  // the orphan did not join the first zone
}

TEST_F(TownDatabaseTest, applyTown_setsNamePositionAndTheRuleInForce) {
    struct Row {
        const char* name;
        const char* town;
        int mode;
        CalDate date;
        int hour, minute;
        int kind, zoneMinutes;  // expected; minutes East, negative West
    };
    const CalDate winter(1980, 1, 15, true);
    const Row rows[] = {
        {"zone of the date", "Budapest", 1, winter, 12, 0, TimeZone, 60},
        {"summer time", "Budapest", 1, CalDate(1980, 7, 1, true), 12, 0, TimeZone, 120},
        {"just before the change", "Budapest", 1, CalDate(1980, 4, 6, true), 0, 59, TimeZone, 60},
        {"at the change", "Budapest", 1, CalDate(1980, 4, 6, true), 1, 0, TimeZone, 120},
        {"local mean time", "Budapest", 1, CalDate(1880, 1, 1, true), 12, 0, TimeLMT, 76},
        {"before the first rule", "Budapest", 1, CalDate(-100, 1, 1, false), 12, 0, TimeLMT, 76},
        {"mode 0 keeps the clock", "Budapest", 0, CalDate(1980, 7, 1, true), 12, 0, TimeZone, -300},
        {"mode -1 follows a dated zone", "Budapest", -1, CalDate(1980, 7, 1, true), 12, 0, TimeZone, 120},
        {"mode -1 keeps a fixed zone", "Greenwich", -1, winter, 12, 0, TimeZone, -300},
        {"mode 1 takes a fixed zone", "Greenwich", 1, winter, 12, 0, TimeGMT, 0},
        {"empty zone keeps the clock", "Lost", 1, winter, 12, 0, TimeZone, -300},
        {"zone out of range keeps the clock", "Far", 1, winter, 12, 0, TimeZone, -300},
        {"user zone", "+ Zebra", -1, winter, 12, 0, TimeZone, -210},
        // 20 June 1919 in the Julian calendar is 3 July in the Gregorian one: the new rule.
        {"Julian date against Gregorian rules", "Moscow", 1, CalDate(1919, 6, 20, false), 12, 0, TimeZone, 180},
        {"Julian date before the change", "Moscow", 1, CalDate(1919, 6, 17, false), 12, 0, TimeLMT, 150},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TownRecord* t = FindTown(db, row.town);
        ASSERT_NE(t, nullptr);
        BirthMoment m(row.date, ClockTime{static_cast<std::uint8_t>(row.hour), static_cast<std::uint8_t>(row.minute), 0.0},
                      GeoAngle(), GeoAngle(), TimeZone, 5, 0, true);
        ApplyTown(db, *t, m, row.mode);
        EXPECT_EQ(m.timeKind, row.kind);
        const int minutes = (m.zoneHours * 60 + m.zoneMinutes) * (m.zoneWest ? -1 : 1);
        EXPECT_EQ(minutes, row.zoneMinutes);
        EXPECT_EQ(arcMinutes(m.longitude), int(t->longitude));
        EXPECT_EQ(arcMinutes(m.latitude), int(t->latitude));
    }
}

TEST_F(TownDatabaseTest, applyTown_storesUserTownsWithTheMarker) {
    std::string longName(49, 'L');
    InsertUserTowns(db, std::vector<TownRecord>{town(longName, -30, -1, -1)});
    const struct {
        const char* find;
        std::string stored;
    } rows[] = {
        {"Budapest", "Budapest, Hungary"},
        {"+ Zeb", "+ Zebra, Own Land"},
        {"+ LLL", "+ " + std::string(28, 'L')},
        {"Hungerford", "Hungerford, Britain (UK)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.find);
        BirthMoment m;
        m.town.fill('x');
        m.townTerminator = 'x';
        ApplyTown(db, *FindTown(db, row.find), m, ApplyNoZone);
        EXPECT_EQ(std::string(fixedText(m.town)), row.stored);
        EXPECT_EQ(m.townTerminator, 0);
    }
    // A 30-character main name fills the field; the byte after it keeps it terminated.
    BirthMoment m;
    TownRecord full = town(std::string(40, 'M'), 0, 0, -1);
    db.mainTowns.push_back(full);
    IndexMainTownNames(db);
    ApplyTown(db, db.mainTowns.back(), m, ApplyNoZone);
    EXPECT_EQ(fixedText(m.town), std::string(30, 'M'));
    EXPECT_EQ(m.townTerminator, 0);
    // West and South come out with the sign bit.
    ApplyTown(db, *FindTown(db, "+ Zeb"), m, ApplyNoZone);
    EXPECT_TRUE(m.longitude.isNegative());
    EXPECT_EQ(m.longitude.wholeDegrees(), 0);
    EXPECT_EQ(m.longitude.minutes, 30);
    EXPECT_TRUE(m.latitude.isNegative());
}

TEST(TownListRanking, wholeNamesAndOtherNamesBeforeLongerNamesTheBiggerFirst) {
    TownDatabase db;
    std::vector<ZoneEntry> units;
    addZone(units, "United States, New York", {rule(1, 1, 1, 0, 0, TimeZone, "EST", -300)});
    addZone(units, "Austria", {rule(1, 1, 1, 0, 0, TimeZone, "CET", 60)});
    fillDatabase(db, units,
                 {town("Austria", 0, 0, RegionEntry), town("United States", 0, 0, RegionEntry),
                  town("Roma, United States", -5941, 1584, 0), town("Roma, Australia", 8927, -1594, 0),
                  town("Rome, Italy", 751, 2514, 1), town("Romanshorn, Switzerland", 563, 2854, 1),
                  town("Wiendorf, Germany", 725, 3245, 1), town("Vienna, Austria", 982, 2893, 1),
                  town("Kreis 10, Zurich", 510, 2844, 1), town("Kreis 2, Zurich", 512, 2841, 1),
                  town("Kreis 1, Zurich", 513, 2842, 1), town("Kreis 1 Nord, Zurich", 513, 2843, 1),
                  town("New York Mills, NY, USA", -4517, 2586, 0), town("Old Town, UK", 0, 0, NoZone)},
                 {}, {town("Romsey Own, Testland", 0, 0, 0)});
    TempDir dir;
    // Listed most populous first: Rome before Vienna, both before the towns not listed.
    LoadTownAliases(db, dir.write("alt", "R\xF3ma\t4\nRom\t4\nWien\t7\n"));
    const auto names = [&](std::string_view search) {
        std::vector<std::string> out;
        for (const TownListItem& item : FillTownList(db, search, nullptr).items)
            out.push_back(item.text());
        return out;
    };
    EXPECT_EQ(names("roma"), (std::vector<std::string>{"Rome, Italy (R\xF3ma)", "Roma, United States", "Roma, Australia",
                                                         "Romanshorn, Switzerland"}));
    EXPECT_EQ(names("wien"), (std::vector<std::string>{"Vienna, Austria (Wien)", "Wiendorf, Germany"}));
    // The user's town comes first among equal matches only.
    EXPECT_EQ(names("rom"), (std::vector<std::string>{"Rome, Italy", "+ Romsey Own, Testland", "Roma, United States",
                                                        "Roma, Australia", "Romanshorn, Switzerland"}));
    // Numbers within names go by their value; a word ending at the typed text comes first.
    EXPECT_EQ(names("kreis"), (std::vector<std::string>{"Kreis 1, Zurich", "Kreis 1 Nord, Zurich", "Kreis 2, Zurich",
                                                          "Kreis 10, Zurich"}));
    EXPECT_EQ(names("kreis 1"), (std::vector<std::string>{"Kreis 1, Zurich", "Kreis 1 Nord, Zurich", "Kreis 10, Zurich"}));
    EXPECT_EQ(BestTownMatch(db, "ROMA"), &db.mainTowns[4]);
    EXPECT_EQ(BestTownMatch(db, "+ rom"), &db.userTowns[0]);
    EXPECT_EQ(BestTownMatch(db, "+ wien"), nullptr);
    EXPECT_EQ(BestTownMatch(db, "nowhere"), nullptr);

    // A country's short form is listed by the name its region entry gives, known by the zone.
    EXPECT_EQ(listedTownName(db, db.mainTowns[12]), "New York Mills, NY, United States");
    EXPECT_EQ(listedTownName(db, db.mainTowns[2]), "Roma, United States");
    EXPECT_EQ(listedTownName(db, db.mainTowns[13]), "Old Town, UK");  // no zone tells its country
    EXPECT_EQ(listedTownName(db, db.userTowns[0]), "Romsey Own, Testland");
}

TEST(TownListRanking, naturalOrderReadsNumbersByValue) {
    const struct {
        const char* a;
        const char* b;
        int sign;
    } rows[] = {
        {"KREIS 2", "KREIS 10", -1}, {"KREIS 10", "KREIS 10", 0}, {"KREIS 010", "KREIS 9", 1},
        {"A1B2", "A1B10", -1},       {"ABC", "ABD", -1},          {"AB", "ABC", -1},
        {"9", "A", -1},              {"", "", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " ~ " + row.b);
        const int c = compareNatural(row.a, row.b);
        EXPECT_EQ((c > 0) - (c < 0), row.sign);
        const int r = compareNatural(row.b, row.a);
        EXPECT_EQ((r > 0) - (r < 0), -row.sign);
    }
}
