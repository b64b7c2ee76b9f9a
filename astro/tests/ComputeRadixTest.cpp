// What computeRadix makes of the options and of what the ephemeris cannot do.
#include <gtest/gtest.h>

#include "TempDir.h"
#include "Aspects.h"
#include "ChartFixture.h"
#include "ComputeRadix.h"
#include "DignityState.h"
#include "Houses.h"

class ComputeRadixTest : public ChartTest {};

TEST_F(ComputeRadixTest, ChironOutsideItsFileIsUnavailableAndTakesPartInNoAspect) {
    auto options = defaultOptions();
    for (auto& row : options->orbises)
        row.fill(30.0);  // everything aspects everything
    auto r = chartAt(600, 12, 24, 12.0, false, 19.04, 47.5);
    computeRadix(*r, *options);
    EXPECT_EQ(unavailableBodies(*r), std::vector<int>{BodyChiron});
    EXPECT_EQ(r->bodyStatus[BodyChiron], EphemerisStatus::OutOfRange);
    EXPECT_EQ(r->lon[BodyChiron], 0.0);
    EXPECT_EQ(r->decl[BodyChiron], 0.0);
    for (int i = 0; i < AspectPointCount; ++i) {
        if (bodyOfAspectPoint(i) < BodyChiron) {
            EXPECT_EQ(r->aspectCode[BodyChiron][i], AspectNone) << i;
            EXPECT_EQ(r->parallelCode[BodyChiron][i], NoParallel) << i;
        }
    }
    for (int k = BodyPholus; k < BodyCount; ++k)
        EXPECT_EQ(r->aspectCode[k][aspectPointOfBody(BodyChiron)], AspectNone) << k;
    EXPECT_NE(r->aspectCode[BodyPholus][aspectPointOfBody(BodySun)], AspectNone);
}

TEST_F(ComputeRadixTest, WithoutEphemerisFilesOnlyTheMinorBodiesAreMissing) {
    TempDir empty;
    ASSERT_EQ(startEphemeris(empty.path()).state, EphemerisFolder::NoFiles);
    auto options = defaultOptions();
    options->nodetype = 1;
    auto r = chartAt(1975, 5, 5, 5.5, true, -3.7, 40.4);
    computeRadix(*r, *options);
    EXPECT_EQ(unavailableBodies(*r), (std::vector<int>{13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(r->bodyStatus[BodySun], EphemerisStatus::Approximate);
    EXPECT_EQ(r->bodyStatus[BodySouthNode], EphemerisStatus::Approximate);
    EXPECT_EQ(r->bodyStatus[BodyLilith], EphemerisStatus::Ok);
    EXPECT_EQ(r->bodyStatus[BodyChiron], EphemerisStatus::NoFile);
    EXPECT_TRUE(r->available(PointFortune));

    // Beyond the built-in theory even the Sun is missing, and with it Fortune and the night flag.
    auto old = chartAt(-4000, 1, 1, 0.0, false, 0, 0);
    computeRadix(*old, *options);
    EXPECT_FALSE(old->available(BodySun));
    EXPECT_FALSE(old->available(PointFortune));
    EXPECT_TRUE(old->available(BodyNorthNode) == old->available(BodySouthNode));
    EXPECT_EQ(old->nightChart, 0);
    EXPECT_TRUE(old->available(PointVertex));
}

TEST_F(ComputeRadixTest, PolarLatitudeRecordsTheHouseSystemReallyUsed) {
    auto options = defaultOptions();
    struct Row {
        int system;
        double latitude;
        int used;
    } rows[] = {
        {HouseZodikeon, 70, HousePorphyrius}, {HouseKoch, -70, HousePorphyrius}, {HouseKoch, 50, HouseKoch},
        {HouseRegiomontanus, 70, HouseRegiomontanus}, {HousePagePolich, 89, HousePagePolich},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.system);
        options->housecalc = static_cast<std::uint8_t>(row.system);
        auto r = chartAt(1990, 6, 1, 9.0, true, 18.9, row.latitude);
        computeRadix(*r, *options);
        EXPECT_EQ(r->houseSystemUsed, row.used);
        if (row.used == HousePorphyrius) {
            options->housecalc = HousePorphyrius;
            auto porphyrius = chartAt(1990, 6, 1, 9.0, true, 18.9, row.latitude);
            computeRadix(*porphyrius, *options);
            EXPECT_EQ(r->cusp, porphyrius->cusp);
        }
    }
}

TEST_F(ComputeRadixTest, NodeTypeChangesTheNodesOnly) {
    auto options = defaultOptions();
    auto mean = chartAt(1955, 2, 24, 3.25, true, -122.4, 37.8);
    auto truth = chartAt(1955, 2, 24, 3.25, true, -122.4, 37.8);
    computeRadix(*mean, *options);
    options->nodetype = 1;
    computeRadix(*truth, *options);
    for (int i = 0; i < ChartPointCount; ++i) {
        SCOPED_TRACE(i);
        const bool node = i == BodyNorthNode || i == BodySouthNode;
        EXPECT_EQ(mean->lon[i] != truth->lon[i], node);
    }
}

TEST_F(ComputeRadixTest, MotionMarksStationsWithTheAverageSpeedAndStrictness) {
    auto options = defaultOptions();
    options->avgspeed = {0.9856, 13.1764, 1.383, 1.2, 0.524, 0.083, 0.0335, 0.0117, 0.006, 0.004};
    // Mercury turned retrograde on 2024-04-01 at 22:14 UT; on 04-10 it moved back about 0.9°/day.
    struct Row {
        const char* name;
        int day;
        int strictness;
        int mercury;
    } rows[] = {
        {"at the station", 1, 1, 0},
        {"at the station, very strict", 1, 6, -1},
        {"nine days later", 10, 1, -1},
        {"nine days later, lax", 10, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        options->stationary_strict = static_cast<std::uint8_t>(row.strictness);
        auto r = chartAt(2024, 4, row.day, 22.25, true, 0, 51.5);
        computeRadix(*r, *options);
        EXPECT_EQ(r->motion[BodyMercury], row.mercury);
        EXPECT_EQ(r->motion[BodySun], 1);
        EXPECT_EQ(r->motion[BodyMoon], 1);
        EXPECT_EQ(r->motion[BodyNorthNode], -1);  // the mean node always moves back, never stationary
        EXPECT_EQ(r->motion[BodySouthNode], r->motion[BodyNorthNode]);
        for (int p = PointVertex; p < ChartPointCount; ++p)
            EXPECT_EQ(r->motion[p], 1);
    }
}

TEST_F(ComputeRadixTest, FortuneAndNightFollowTheSunAboveOrBelowTheHorizon) {
    auto options = defaultOptions();
    struct Row {
        const char* name;
        double hourUT;
        bool night;
    } rows[] = {{"noon", 10.5, false}, {"midnight", 22.5, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto r = chartAt(2001, 7, 14, row.hourUT, true, 19.04, 47.5);  // Budapest
        computeRadix(*r, *options);
        EXPECT_EQ(r->nightChart, row.night ? 1 : 0);
        const double deg = RadToDegree;
        // By day Fortune stands from the Ascendant as the Moon from the Sun; by night reversed.
        const double fortuneFromAsc = (r->lon[PointFortune] - r->axis[AxisAscendant]) * deg;
        const double moonFromSun = (r->lon[BodyMoon] - r->lon[BodySun]) * deg;
        EXPECT_NEAR(angleDiff(fortuneFromAsc, row.night ? -moonFromSun : moonFromSun), 0.0, 1e-9);
        EXPECT_EQ(r->aboveHorizon[BodySun], row.night ? 0 : 1);
    }
}

TEST_F(ComputeRadixTest, DignityStatesComeFromTheSignFlags) {
    auto options = defaultOptions();
    auto& sun = options->sign_dignities[BodySun];
    sun[DignityOwn][4] = true;     // Leo
    sun[DignityExalt][0] = true;   // Aries
    sun[DignityTrip][8] = true;    // Sagittarius
    struct Row {
        const char* name;
        int month, day;
        int state;
    } rows[] = {
        {"Sun in Leo", 8, 5, DignityDomicile},    {"Sun in Aquarius", 2, 5, DignityDetriment},
        {"Sun in Aries", 4, 5, DignityExaltation}, {"Sun in Libra", 10, 5, DignityFall},
        {"Sun in Sagittarius", 12, 5, DignityTriplicity}, {"Sun in Gemini", 6, 5, DignityNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto r = chartAt(2010, row.month, row.day, 12.0, true, 0, 0);
        computeRadix(*r, *options);
        EXPECT_EQ(r->dignityState[BodySun], row.state);
        EXPECT_EQ(r->dignityState[BodyMoon], DignityNone);
    }
    // Domicile wins over an exaltation in the same sign.
    sun[DignityExalt][4] = true;
    EXPECT_EQ(dignityStateOf(sun, 4), DignityDomicile);
}

TEST_F(ComputeRadixTest, LocalTimeIsRefreshedFromTheUniversalTime) {
    auto options = defaultOptions();
    auto r = chartAt(1999, 12, 31, 23.5, true, 19.0, 47.5);
    r->moment.timeKind = TimeZone;
    r->moment.zoneHours = 1;  // one hour East: already the new year locally
    computeRadix(*r, *options);
    EXPECT_EQ(r->moment.localDate.year, 2000);
    EXPECT_EQ(r->moment.localTime.hour, 0);
    EXPECT_EQ(r->computed, 1);
}
