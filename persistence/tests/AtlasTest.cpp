// The shipped atlas: applying a town's zone to a local date and time gives the same
// Universal Time as the IANA time-zone database, asked through the C library; and the data
// keep the promises the program relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <iterator>
#include <map>
#include <set>
#include <tuple>
#include <string>

#include "ApplyTown.h"
#include "TownList.h"
#include "CodePage.h"
#include "FoldTable.h"
#include "ScopedTimeZone.h"
#include "TownFixtures.h"

using namespace fixtures;

namespace {

// Seconds since 1970 of a local clock reading in an IANA zone, by the C library.
std::time_t ianaUniversal(const std::string& zone, int y, int mo, int d, int h, int mi) {
    ScopedTimeZone tz(zone);
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

std::time_t secondsOf(const CalDate& date, const ClockTime& time) {
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = static_cast<int>(time.second + 0.5);
    return ::timegm(&tm);
}

class AtlasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* source = std::getenv("ZDK_SOURCE_DIR");
        ASSERT_NE(source, nullptr) << "ZDK_SOURCE_DIR names the source tree with dist/data";
        s_db = new TownDatabase();
        TownFilePaths paths = townFilePaths(std::string(source) + "/dist", englishStrings());
        LoadTownDatabase(*s_db, paths, englishStrings());
    }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    static TownDatabase* s_db;
};

TownDatabase* AtlasTest::s_db = nullptr;

}  // namespace

TEST_F(AtlasTest, appliedZonesGiveTheUniversalTimeOfTheIanaDatabase) {
    ASSERT_FALSE(s_db->mainTowns.empty());
    struct Row {
        const char* name;
        const char* town;
        const char* zone;
        int y, mo, d, h, mi;
        int kind;
    };
    const Row rows[] = {
        {"Budapest winter", "Budapest, Hungary", "Europe/Budapest", 1980, 1, 15, 12, 0, TimeZone},
        {"Budapest summer", "Budapest, Hungary", "Europe/Budapest", 1980, 7, 1, 12, 0, TimeZone},
        {"Budapest 1880", "Budapest, Hungary", "Europe/Budapest", 1880, 7, 1, 12, 0, TimeLMT},
        {"Budapest 1944 war-time summer", "Budapest, Hungary", "Europe/Budapest", 1944, 8, 1, 12, 0, TimeZone},
        {"Budapest before spring change", "Budapest, Hungary", "Europe/Budapest", 2018, 3, 25, 1, 59, TimeZone},
        {"Budapest after spring change", "Budapest, Hungary", "Europe/Budapest", 2018, 3, 25, 3, 0, TimeZone},
        {"Budapest before autumn change", "Budapest, Hungary", "Europe/Budapest", 2018, 10, 28, 1, 59, TimeZone},
        {"Budapest after autumn change", "Budapest, Hungary", "Europe/Budapest", 2018, 10, 28, 3, 0, TimeZone},
        {"New York 1950 summer", "New York City, United States", "America/New_York", 1950, 7, 1, 12, 0, TimeZone},
        {"New York 1880", "New York City, United States", "America/New_York", 1880, 7, 1, 12, 0, TimeLMT},
        {"New York before spring change", "New York City, United States", "America/New_York", 2021, 3, 14, 1, 59, TimeZone},
        {"New York after spring change", "New York City, United States", "America/New_York", 2021, 3, 14, 3, 0, TimeZone},
        {"Kathmandu 1980", "Kathmandu, Nepal", "Asia/Kathmandu", 1980, 6, 1, 12, 0, TimeZone},
        {"Kathmandu 2000", "Kathmandu, Nepal", "Asia/Kathmandu", 2000, 6, 1, 12, 0, TimeZone},
        {"Adelaide summer", "Adelaide, Australia", "Australia/Adelaide", 2020, 1, 15, 12, 0, TimeZone},
        {"Adelaide winter", "Adelaide, Australia", "Australia/Adelaide", 2020, 7, 15, 12, 0, TimeZone},
        {"Adelaide before spring change", "Adelaide, Australia", "Australia/Adelaide", 2021, 10, 3, 1, 59, TimeZone},
        {"Adelaide after spring change", "Adelaide, Australia", "Australia/Adelaide", 2021, 10, 3, 3, 0, TimeZone},
        {"London 1970 all-year summer time", "London, United Kingdom", "Europe/London", 1970, 1, 15, 12, 0, TimeZone},
        {"Moscow 2012 permanent summer time", "Moscow, Russia", "Europe/Moscow", 2012, 1, 15, 12, 0, TimeZone},
        {"Tokyo", "Tokyo, Japan", "Asia/Tokyo", 1990, 1, 1, 0, 30, TimeZone},
        {"Honolulu", "Honolulu, United States", "Pacific/Honolulu", 1940, 7, 1, 12, 0, TimeZone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(std::filesystem::exists(std::string("/usr/share/zoneinfo/") + row.zone))
            << "the IANA database (package tzdata) is needed";
        const TownRecord* town = FindTown(*s_db, row.town);
        ASSERT_NE(town, nullptr);
        EXPECT_EQ(townName(*town), row.town);
        BirthMoment m(CalDate(row.y, row.mo, row.d, true),
                      ClockTime{static_cast<std::uint8_t>(row.h), static_cast<std::uint8_t>(row.mi), 0.0}, GeoAngle(),
                      GeoAngle(), TimeGMT, 0, 0, false);
        ApplyTown(*s_db, *town, m, ApplyZoneAlways);
        m.localToUniversal();
        EXPECT_EQ(m.timeKind, row.kind);
        const std::time_t ours = secondsOf(m.utDate, m.utTime);
        const std::time_t iana = ianaUniversal(row.zone, row.y, row.mo, row.d, row.h, row.mi);
        // Local mean time follows the town's own longitude, the IANA database that of the
        // zone's reference point: a few seconds apart.
        EXPECT_NEAR(double(ours), double(iana), row.kind == TimeLMT ? 60.0 : 0.0);
    }
}

TEST_F(AtlasTest, dataKeepTheirPromises) {
    // The default town exists under its exact name.
    const TownRecord* budapest = FindTown(*s_db, "Budapest, Hungary");
    ASSERT_NE(budapest, nullptr);
    EXPECT_EQ(townName(*budapest), "Budapest, Hungary");

    // Zone 19, the fallback of the whole-database import, is Greenwich time.
    const ZoneDescriptor* greenwich = zoneByNumber(*s_db, 19);
    ASSERT_NE(greenwich, nullptr);
    ASSERT_EQ(greenwich->entryCount, 1u);
    EXPECT_EQ(greenwich->entries[0].timeKind, TimeGMT);

    // Every town has a dated zone; every region is a distinct name.
    std::set<std::string> regions;
    for (const TownRecord& t : s_db->mainTowns) {
        if (t.isRegion()) {
            EXPECT_TRUE(regions.insert(std::string(townName(t))).second) << townName(t);
            continue;
        }
        ASSERT_TRUE(isValidZone(*s_db, t.zone) && t.zone > LastFixedZone) << townName(t);
    }
    EXPECT_GT(regions.size(), 240u);

    // A dated zone's name begins with its region, so choosing the region finds a zone of it.
    for (std::size_t z = LastFixedZone + 1; z < s_db->mainZones.size(); ++z) {
        const std::string name(s_db->mainZones[z].name);
        const bool ofRegion = std::any_of(regions.begin(), regions.end(), [&](const std::string& region) {
            return name == region || name.starts_with(region + ", ");
        });
        EXPECT_TRUE(ofRegion) << name;
    }
    const ZoneDescriptor* hungary = FindZone("Hungary", s_db->mainZones);
    ASSERT_NE(hungary, nullptr);
    EXPECT_EQ(hungary, zoneByNumber(*s_db, budapest->zone));
    const ZoneDescriptor* unitedStates = FindZone("United States", s_db->mainZones);
    ASSERT_NE(unitedStates, nullptr);
    EXPECT_EQ(unitedStates->name, "United States, New York");
}

TEST_F(AtlasTest, aCommonNameFindsTheTownAUserMeans) {
    // The most populous town of a name comes first, so the prefix look-up and the first item
    // of the town list are the city, not a village of the same name.
    struct Row {
        const char* typed;
        const char* town;
        int latitude;  // arc minutes, to tell the place apart from its namesakes
    };
    const Row rows[] = {
        {"London", "London, United Kingdom", 3091},
        {"Paris", "Paris, France", 2931},
        {"Moscow", "Moscow, Russia", 3345},
        {"Los Angeles", "Los Angeles, United States", 2043},  // California
        {"Toronto", "Toronto, Canada", 2622},
        {"Berlin", "Berlin, Germany", 3151},
        {"New York", "New York City, United States", 2443},
        {"Sydney", "Sydney, Australia", -2032},
        {"Washington", "Washington, DC, United States", 2334},
        {"Seoul", "Seoul, South Korea", 2254},
        {"Prague", "Prague, Czechia", 3005},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const TownRecord* found = FindTown(*s_db, row.typed);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(townName(*found), row.town);
        EXPECT_NEAR(found->latitude, row.latitude, 2);
        const TownList list = FillTownList(*s_db, row.typed, nullptr);
        ASSERT_FALSE(list.items.empty());
        EXPECT_EQ(list.items[0].town, found);
    }
}

TEST_F(AtlasTest, everyNameFitsTheChartAndFindsItsOwnTown) {
    // A chart keeps 30 bytes of the town name and finds its town again by that name, so a
    // longer name would be cut and a name that begins an earlier one would find the wrong
    // town. Two towns of one name at the same place would be one town shown twice.
    std::set<std::tuple<std::string, int, int>> places;
    std::map<std::string, std::size_t> firstIndex;  // name -> first position in file order
    for (std::size_t i = 0; i < s_db->mainTowns.size(); ++i) {
        const TownRecord& t = s_db->mainTowns[i];
        if (t.isRegion())
            continue;
        const std::string name(townName(t));
        EXPECT_LE(name.size(), 30u) << cp1250ToUtf8(name);
        // Copied out first: the record is packed, its fields are not aligned for a reference.
        const int longitude = t.longitude, latitude = t.latitude;
        EXPECT_TRUE(places.insert({name, longitude, latitude}).second) << cp1250ToUtf8(name);
        firstIndex.emplace(name, i);
    }
    // The names that begin with a name follow it in byte order; none may come first in the file.
    for (auto it = firstIndex.begin(); it != firstIndex.end(); ++it)
        for (auto longer = std::next(it); longer != firstIndex.end() && longer->first.starts_with(it->first); ++longer)
            EXPECT_GT(longer->second, it->second) << cp1250ToUtf8(it->first) << " is found as " << cp1250ToUtf8(longer->first);
    for (const char* name : {"London, United Kingdom", "Springfield, IL, United States"}) {
        const TownRecord* found = FindTown(*s_db, name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(townName(*found), name);
    }
    const std::size_t towns = firstIndex.size();
    EXPECT_GT(towns, 150000u);
}

TEST_F(AtlasTest, otherNamesFindTheMainTown) {
    ASSERT_FALSE(s_db->aliases.empty()) << "dist/data/ZDKTOWNS.ALT";
    struct Row {
        const char* typed;  // UTF-8
        const char* town;
        const char* shown;  // UTF-8
    };
    const Row rows[] = {
        {"Wien", "Vienna, Austria", "Vienna, Austria (Wien)"},
        {"B\xC3\xA9" "cs", "Vienna, Austria", "Vienna, Austria (B\xC3\xA9" "cs)"},
        {"M\xC3\xBCnchen", "Munich, Germany", "Munich, Germany (M\xC3\xBCnchen)"},
        {"Moskva", "Moscow, Russia", "Moscow, Russia (Moskva)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const TownList list = FillTownList(*s_db, utf8ToCp1250(row.typed), nullptr);
        const auto item = std::find_if(list.items.begin(), list.items.end(),
                                       [&](const TownListItem& i) { return townName(*i.town) == row.town; });
        ASSERT_NE(item, list.items.end());
        EXPECT_EQ(cp1250ToUtf8(item->text()), row.shown);
        // Listed once, by its other name, even when several of its names match.
        EXPECT_EQ(std::count_if(list.items.begin(), list.items.end(),
                                [&](const TownListItem& i) { return i.town == item->town; }),
                  1);
    }
    // A town its own name finds is not listed again by another.
    const TownList vienna = FillTownList(*s_db, "vien", nullptr);
    ASSERT_FALSE(vienna.items.empty());
    for (const TownListItem& item : vienna.items)
        EXPECT_TRUE(item.alias.empty() || townName(*item.town) != "Vienna, Austria");
}

TEST_F(AtlasTest, keysAreFoldedWithTheProgramsTable) {
    // The generator orders the regions and drops other names by the folded forms; folded with
    // another table than the one the program searches with, a region would be out of place or
    // a town listed twice under names the user cannot tell apart.
    std::string previousRegion;
    for (const TownRecord& t : s_db->mainTowns) {
        if (!t.isRegion())
            continue;
        const std::string name(townName(t));
        EXPECT_LE(compareFolded(previousRegion, name), 0) << cp1250ToUtf8(previousRegion) << " before " << cp1250ToUtf8(name);
        previousRegion = name;
    }
    std::map<std::uint32_t, std::set<std::string>> foldedOf;  // town -> folded names it is listed by
    for (const TownDatabase::Alias& alias : s_db->aliases) {
        ASSERT_LT(alias.town, s_db->mainTowns.size());
        std::set<std::string>& folded = foldedOf[alias.town];
        if (folded.empty()) {
            const std::string own(townName(s_db->mainTowns[alias.town]));
            folded.insert(foldText(own.substr(0, own.find(", "))));
        }
        EXPECT_TRUE(folded.insert(foldText(alias.name)).second) << cp1250ToUtf8(alias.name);
    }
}

TEST_F(AtlasTest, localNamesPutTheMainTownFirst) {
    // The name a town has at home finds it before the towns whose names merely begin the same
    // way (Wiendorf, Wiener Neudorf) and before smaller namesakes (Roma, Australia); the
    // command line takes the same first town, whatever the case and accents typed.
    struct Row {
        const char* typed;  // UTF-8
        const char* town;
    };
    const Row rows[] = {
        {"Wien", "Vienna, Austria"},
        {"M\xC3\xBCnchen", "Munich, Germany"},
        {"Praha", "Prague, Czechia"},
        {"Roma", "Rome, Italy"},
        {"Warszawa", "Warsaw, Poland"},
        {"K\xC3\xB6ln", "K\xC3\xB6ln, Germany"},
        {"Asuncion", "Asunci\xC3\xB3n, Paraguay"},
        {"asuncion", "Asunci\xC3\xB3n, Paraguay"},
        {"WIEN", "Vienna, Austria"},
        {"Zurich", "Z\xC3\xBCrich, Switzerland"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const TownList list = FillTownList(*s_db, utf8ToCp1250(row.typed), nullptr);
        ASSERT_FALSE(list.items.empty());
        EXPECT_EQ(cp1250ToUtf8(townName(*list.items.front().town)), row.town);
        EXPECT_EQ(list.selected, 0);
        EXPECT_EQ(BestTownMatch(*s_db, utf8ToCp1250(row.typed)), list.items.front().town);
    }
}

TEST_F(AtlasTest, districtsFollowTheirNumbers) {
    const TownList list = FillTownList(*s_db, utf8ToCp1250("Z\xC3\xBCrich (Kreis"), nullptr);
    std::vector<int> districts;
    for (const TownListItem& item : list.items) {
        const std::string name(townName(*item.town));
        const std::size_t open = name.find("(Kreis ");
        if (open != std::string::npos)
            districts.push_back(std::atoi(name.c_str() + open + 7));
    }
    ASSERT_GE(districts.size(), 12u);
    EXPECT_TRUE(std::is_sorted(districts.begin(), districts.end()));
    EXPECT_EQ(districts.front(), 1);
    EXPECT_EQ(districts.back(), 12);
}
