// The ephemeris door: what the folder holds, and how a body that cannot be computed is told
// from one computed with less precision.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "ChartFixture.h"
#include "Ephemeris.h"

namespace {

double jdET(int year, int month, int day, bool gregorian) {
    const double jd = calendarToJulianDay(year, month, day, 12.0, gregorian);
    return jd + ephemerisDeltaT(jd);
}

}  // namespace

TEST(Ephemeris, StartReportsWhatTheFolderHolds) {
    TempDir empty;
    TempDir withOther;
    withOther.write("readme.txt", "not an ephemeris");
    const std::string longPath = "/tmp/" + std::string(250, 'x');
    struct Row {
        const char* name;
        std::string path;
        EphemerisFolder state;
    } rows[] = {
        {"program folder", programEphemerisFolder(), EphemerisFolder::Ready},
        {"empty folder", empty.path(), EphemerisFolder::NoFiles},
        {"only other files", withOther.path(), EphemerisFolder::NoFiles},
        {"missing folder", empty.path() + "/nothing", EphemerisFolder::Missing},
        {"a colon, the library's list separator", empty.path() + "/a:b", EphemerisFolder::PathUnusable},
        {"longer than the library takes", longPath, EphemerisFolder::PathUnusable},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const EphemerisStart start = startEphemeris(row.path);
        EXPECT_EQ(start.state, row.state);
        EXPECT_EQ(describeEphemerisStart(start).empty(), row.state == EphemerisFolder::Ready);
        if (row.state == EphemerisFolder::Ready) {
            EXPECT_GT(start.fileCount, 0);
        }
    }
}

TEST(Ephemeris, BodyStatusTellsWhyABodyIsMissing) {
    TempDir empty;
    struct Row {
        const char* name;
        bool withFiles;
        int body;
        double jd;
        EphemerisStatus status;
    } rows[] = {
        {"Sun from the files", true, 0, jdET(2000, 1, 1, true), EphemerisStatus::Ok},
        {"Chiron before 675 AD", true, 15, jdET(600, 6, 1, false), EphemerisStatus::OutOfRange},
        {"Chiron after 4650 AD", true, 15, jdET(4700, 6, 1, true), EphemerisStatus::OutOfRange},
        {"Pholus in 3000 BC", true, 16, jdET(-3000, 6, 1, false), EphemerisStatus::OutOfRange},
        {"Ceres in 3000 BC", true, 17, jdET(-3000, 6, 1, false), EphemerisStatus::Ok},
        {"Sun without files: the built-in theory", false, 0, jdET(2000, 1, 1, true), EphemerisStatus::Approximate},
        {"true node without files", false, 11, jdET(1950, 1, 1, true), EphemerisStatus::Approximate},
        {"mean node needs no file", false, 10, jdET(1950, 1, 1, true), EphemerisStatus::Ok},
        {"Ceres without files", false, 17, jdET(2000, 1, 1, true), EphemerisStatus::NoFile},
        {"Sun without files beyond the built-in theory", false, 0, jdET(4000, 1, 1, true), EphemerisStatus::NoFile},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        startEphemeris(row.withFiles ? programEphemerisFolder() : empty.path());
        const EphemerisBody b = ephemerisBody(row.jd, row.body, true);
        EXPECT_EQ(b.status, row.status);
        if (!isAvailable(b.status)) {
            EXPECT_EQ(b.x, (std::array<double, 6>{}));
        }
    }
    startEphemeris(programEphemerisFolder());
}

TEST(Ephemeris, HousesReportThePorphyriusFallbackInsideThePolarCircles) {
    struct Row {
        char code;
        double latitude;
        bool fallback;
    } rows[] = {{'P', 60, false}, {'P', 70, true}, {'K', -70, true}, {'K', 66, false},
                {'R', 89, false}, {'C', 89, false}, {'O', 89, false}, {'E', 89, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(1, row.code) + " " + std::to_string(row.latitude));
        EXPECT_EQ(ephemerisHouses(200.0, row.latitude, 23.44, row.code).porphyryFallback, row.fallback);
    }
}

// Returns are searched on the cheaper position without nutation; the nutation added back must give
// the apparent longitude exactly, and a body that cannot be computed must say so the same way.
TEST(Ephemeris, PositionWithoutNutationPlusNutationIsTheApparentOne) {
    struct Row {
        const char* name;
        int body;
        double jd;
    } rows[] = {
        {"Sun", 0, jdET(2000, 1, 1, true)},
        {"Moon", 1, jdET(1980, 7, 1, true)},
        {"Mercury", 2, jdET(2024, 4, 2, true)},
        {"Saturn", 6, jdET(1600, 3, 1, true)},
        {"Chiron before its file", 15, jdET(600, 6, 1, false)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const EphemerisBody apparent = ephemerisBody(row.jd, row.body, true);
        const EphemerisBody mean = ephemerisBodyMeanEquinox(row.jd, row.body, true, true);
        ASSERT_EQ(mean.status, apparent.status);
        if (!isAvailable(mean.status)) {
            EXPECT_EQ(mean.x, (std::array<double, 6>{}));
            continue;
        }
        double lon = mean.x[0] + ephemerisNutation(row.jd).nutationLongitude;
        if (lon >= 360)
            lon -= 360;
        if (lon < 0)
            lon += 360;
        EXPECT_NEAR(lon, apparent.x[0], 1e-9);
        EXPECT_NE(mean.x[0], apparent.x[0]);
        // The speed leaves out only the nutation's rate, a fraction of an arc second a day.
        EXPECT_NEAR(mean.x[3], apparent.x[3], 1e-4);
    }
}
