// Skipped and repeated clock readings found in the shipped atlas, checked against the IANA
// time-zone database through the C library: a reading is skipped when no offset of the zone
// maps back to it, repeated when two do.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <set>
#include <string>

#include "ClockChange.h"
#include "ScopedTimeZone.h"
#include "TownFixtures.h"

using namespace fixtures;

namespace {

// How many instants the IANA zone shows as this local reading: 0 skipped, 2 repeated.
int ianaOccurrences(const std::string& zone, int y, int mo, int d, int h, int mi) {
    ScopedTimeZone tz(zone);
    std::tm local{};
    local.tm_year = y - 1900;
    local.tm_mon = mo - 1;
    local.tm_mday = d;
    local.tm_hour = h;
    local.tm_min = mi;
    const std::time_t asUniversal = ::timegm(&local);
    std::set<long> offsets;
    for (int hours = -30; hours <= 30; ++hours) {
        const std::time_t t = asUniversal + hours * 3600;
        std::tm tm{};
        ::localtime_r(&t, &tm);
        offsets.insert(tm.tm_gmtoff);
    }
    int count = 0;
    for (long offset : offsets) {
        const std::time_t t = asUniversal - offset;
        std::tm tm{};
        ::localtime_r(&t, &tm);
        count += tm.tm_year == local.tm_year && tm.tm_mon == local.tm_mon && tm.tm_mday == local.tm_mday &&
                 tm.tm_hour == local.tm_hour && tm.tm_min == local.tm_min;
    }
    return count;
}

class ClockChangeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* source = std::getenv("ZDK_SOURCE_DIR");
        ASSERT_NE(source, nullptr) << "ZDK_SOURCE_DIR names the source tree with dist/data";
        s_db = new TownDatabase();
        LoadTownDatabase(*s_db, townFilePaths(std::string(source) + "/dist", englishStrings()), englishStrings());
    }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    static TownDatabase* s_db;
};

TownDatabase* ClockChangeTest::s_db = nullptr;

}  // namespace

TEST_F(ClockChangeTest, skippedAndRepeatedReadingsMatchTheIanaDatabase) {
    struct Row {
        const char* name;
        const char* town;
        const char* zone;
        int y, mo, d, h, mi;
        ClockReading reading;
        int before, after;  // offsets in minutes East, for a skipped or repeated reading
    };
    const ClockReading N = ClockReading::Normal, S = ClockReading::Skipped, R = ClockReading::Repeated;
    const Row rows[] = {
        {"Budapest spring, in the gap", "Budapest, Hungary", "Europe/Budapest", 2018, 3, 25, 2, 30, S, 60, 120},
        {"Budapest spring, gap opens", "Budapest, Hungary", "Europe/Budapest", 2018, 3, 25, 2, 0, S, 60, 120},
        {"Budapest spring, before", "Budapest, Hungary", "Europe/Budapest", 2018, 3, 25, 1, 59, N, 0, 0},
        {"Budapest spring, after", "Budapest, Hungary", "Europe/Budapest", 2018, 3, 25, 3, 0, N, 0, 0},
        {"Budapest autumn, repeated", "Budapest, Hungary", "Europe/Budapest", 2018, 10, 28, 2, 30, R, 120, 60},
        {"Budapest autumn, after", "Budapest, Hungary", "Europe/Budapest", 2018, 10, 28, 3, 0, N, 0, 0},
        {"London spring", "London, United Kingdom", "Europe/London", 2019, 3, 31, 1, 15, S, 0, 60},
        {"London autumn", "London, United Kingdom", "Europe/London", 2019, 10, 27, 1, 15, R, 60, 0},
        {"New York spring", "New York City, United States", "America/New_York", 2021, 3, 14, 2, 30, S, -300, -240},
        {"New York autumn", "New York City, United States", "America/New_York", 2021, 11, 7, 1, 30, R, -240, -300},
        {"New York autumn, after", "New York City, United States", "America/New_York", 2021, 11, 7, 2, 0, N, 0, 0},
        {"Sydney spring (October)", "Sydney, Australia", "Australia/Sydney", 2021, 10, 3, 2, 30, S, 600, 660},
        {"Sydney autumn (April)", "Sydney, Australia", "Australia/Sydney", 2021, 4, 4, 2, 30, R, 660, 600},
        {"Sydney autumn, before", "Sydney, Australia", "Australia/Sydney", 2021, 4, 4, 1, 59, N, 0, 0},
        {"Moscow 2011, permanent summer time", "Moscow, Russia", "Europe/Moscow", 2011, 3, 27, 2, 30, S, 180, 240},
        {"Moscow 2011 autumn, no change", "Moscow, Russia", "Europe/Moscow", 2011, 10, 30, 2, 30, N, 0, 0},
        {"Moscow 2014, back to +03", "Moscow, Russia", "Europe/Moscow", 2014, 10, 26, 1, 30, R, 240, 180},
        {"Moscow 2014, after", "Moscow, Russia", "Europe/Moscow", 2014, 10, 26, 2, 0, N, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TownRecord* town = FindTown(*s_db, row.town);
        ASSERT_NE(town, nullptr);
        const ZoneDescriptor* zone = zoneByNumber(*s_db, town->zone);
        ASSERT_NE(zone, nullptr);
        const ClockChange change =
            clockChangeAt(*zone, CalDate(row.y, row.mo, row.d, true), row.h, row.mi, town->longitude);
        const int occurrences = ianaOccurrences(row.zone, row.y, row.mo, row.d, row.h, row.mi);
        EXPECT_EQ(occurrences, row.reading == S ? 0 : row.reading == R ? 2 : 1) << "the table disagrees with IANA";
        EXPECT_EQ(change.reading, row.reading);
        if (row.reading == N)
            continue;
        EXPECT_EQ(change.before.minutes, row.before);
        EXPECT_EQ(change.after.minutes, row.after);
        EXPECT_EQ(change.applied().minutes, row.reading == S ? row.after : row.before);
        EXPECT_EQ(change.other().minutes, row.reading == S ? row.before : row.after);
    }
}

TEST_F(ClockChangeTest, summerTimeMatchesTheIanaDatabase) {
    struct Row {
        const char* town;
        const char* zone;
        int y, mo, d;
    };
    // Both hemispheres, a year without summer time, and Moscow's lasting +04 of 2011-2014,
    // which is not summer time although it was higher than the years around it.
    const Row rows[] = {
        {"Budapest, Hungary", "Europe/Budapest", 2018, 7, 1},
        {"Budapest, Hungary", "Europe/Budapest", 2018, 1, 15},
        {"Budapest, Hungary", "Europe/Budapest", 1975, 7, 1},
        {"Sydney, Australia", "Australia/Sydney", 2021, 1, 10},
        {"Sydney, Australia", "Australia/Sydney", 2021, 7, 10},
        {"New York City, United States", "America/New_York", 2021, 8, 1},
        {"Moscow, Russia", "Europe/Moscow", 2010, 7, 1},
        {"Moscow, Russia", "Europe/Moscow", 2012, 7, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.town) + " " + std::to_string(row.y) + "-" + std::to_string(row.mo));
        const TownRecord* town = FindTown(*s_db, row.town);
        ASSERT_NE(town, nullptr);
        const ZoneDescriptor* zone = zoneByNumber(*s_db, town->zone);
        ASSERT_NE(zone, nullptr);
        ScopedTimeZone tz(row.zone);
        std::tm local{};
        local.tm_year = row.y - 1900;
        local.tm_mon = row.mo - 1;
        local.tm_mday = row.d;
        local.tm_hour = 12;
        local.tm_isdst = -1;
        ::mktime(&local);
        const auto summer = summerTimeAt(*zone, CalDate(row.y, row.mo, row.d, true), 12, 0, town->longitude);
        EXPECT_EQ(summer.has_value(), local.tm_isdst > 0);
        if (summer) {
            EXPECT_EQ(summer->minutes * 60, local.tm_gmtoff);
        }
    }
    EXPECT_FALSE(summerTimeAt(ZoneDescriptor{}, CalDate(2018, 7, 1, true), 12, 0, 0));
}

TEST(ClockChange, offsetsReadAsSignedHoursAndMinutes) {
    EXPECT_EQ(offsetText(60), "+01:00");
    EXPECT_EQ(offsetText(-210), "-03:30");
    EXPECT_EQ(offsetText(0), "+00:00");
    EXPECT_EQ(clockChangeAt(ZoneDescriptor{}, CalDate(2018, 3, 25, true), 2, 30, 0).reading, ClockReading::Normal);
}
