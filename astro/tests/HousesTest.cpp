// Where houses begin, which house a longitude falls in, and intercepted signs.
#include <gtest/gtest.h>

#include "ChartFixture.h"
#include "Houses.h"

namespace {

constexpr double Deg = 1.0 / RadToDegree;

std::array<double, 12> cuspsDeg(std::array<double, 12> deg) {
    for (double& d : deg)
        d *= Deg;
    return deg;
}

// Unequal quadrant cusps: Asc 10°, MC 280°.
const std::array<double, 12> Quadrant = cuspsDeg({10, 40, 65, 100, 130, 160, 190, 220, 245, 280, 310, 340});

}  // namespace

TEST(Houses, HouseCodesFollowTheMenuOrder) {
    const char* codes = "PRCTKBOWEV";
    for (int i = 0; i < HouseSystemCount; ++i)
        EXPECT_EQ(houseSystemCode(i), codes[i]) << i;
    EXPECT_EQ(houseSystemCode(200), 'P');  // a damaged options value falls back to Zodikeon
}

TEST(Houses, HousesBeginTheirScopeBeforeTheCusp) {
    const std::array<double, 3> scopes = {5, 4, 2};  // Asc-Desc, MC-IC, internal
    struct Row {
        const char* name;
        int system;
        std::array<double, 12> cusp;
        std::array<double, 12> start;
    } rows[] = {
        {"quadrant system", HouseKoch, Quadrant, {5, 38, 63, 96, 128, 158, 185, 218, 243, 276, 308, 338}},
        {"Equal: the MC is no cusp, house 10 takes the internal scope", HouseEqual, Quadrant,
         {5, 38, 63, 98, 128, 158, 185, 218, 243, 278, 308, 338}},
        {"Vehlow: neither axis is a cusp", HouseVehlow, Quadrant,
         {8, 38, 63, 98, 128, 158, 188, 218, 243, 278, 308, 338}},
        {"Indian: halfway from the previous cusp, scopes ignored", HouseIndian,
         cuspsDeg({0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}),
         {345, 15, 45, 75, 105, 135, 165, 195, 225, 255, 285, 315}},
        {"a start before 0 deg wraps", HouseZodikeon, cuspsDeg({3, 33, 63, 93, 123, 153, 183, 213, 243, 273, 303, 333}),
         {358, 31, 61, 89, 121, 151, 178, 211, 241, 269, 301, 331}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto start = houseStarts(row.cusp, row.system, scopes);
        for (int h = 0; h < 12; ++h)
            EXPECT_NEAR(start[h] * RadToDegree, row.start[h], 1e-9) << "house " << h + 1;
    }
}

TEST(Houses, PositionAndStrengthInTheHouse) {
    const std::array<double, 3> scopes = {6, 6, 4};
    const auto start = houseStarts(Quadrant, HouseZodikeon, scopes);
    struct Row {
        const char* name;
        double lonDeg;
        int house, percent;
    } rows[] = {
        {"exactly on cusp 1", 10, 0, 100},
        {"a little past halfway to the next house's start (36)", 23.1, 0, 49},
        {"in the scope before cusp 2, halfway", 38, 1, 50},
        {"just past the start of house 2", 36.0001, 1, 0},
        {"house 12 ends where house 1 starts", 355, 11, 37},
        {"halfway through house 12 (340..4)", 352, 11, 50},
        {"at the start of house 1 (4)", 4.00001, 0, 0},
        {"house 7 starts opposite house 1", 186, 6, 33},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const HousePosition pos = housePosition(row.lonDeg * Deg, Quadrant, start);
        EXPECT_EQ(pos.house, row.house);
        EXPECT_EQ(pos.percent, row.percent);
    }
}

TEST(Houses, ALongitudeInNoHouseFallsIntoHouseOneWithinZeroToHundred) {
    // Every house starting at one point: no house qualifies, and the longitude lies far outside
    // house 1 (the plain ratio would give percentages far below 0).
    std::array<double, 12> sameStart{};
    sameStart.fill(0.5);
    for (double lon : {0.0, 0.5, 1.0, 3.0, 5.0}) {
        SCOPED_TRACE(lon);
        const HousePosition pos = housePosition(lon, Quadrant, sameStart);
        EXPECT_EQ(pos.house, 0);
        EXPECT_GE(pos.percent, 0);
        EXPECT_LE(pos.percent, 100);
    }
    std::array<double, 12> sameCusp{};
    sameCusp.fill(1.0);
    EXPECT_EQ(housePosition(1.0, sameCusp, sameCusp).percent, 100);  // zero-width house, at its cusp
    EXPECT_EQ(housePosition(2.0, sameCusp, sameCusp).percent, 0);
}

TEST(Houses, InterceptedSignIsTheLastSignWhollyInsideTheHouse) {
    struct Row {
        const char* name;
        std::array<unsigned char, 12> cuspSign;
        std::array<unsigned char, 6> sign, opposite;
    } rows[] = {
        {"no interception", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         {255, 255, 255, 255, 255, 255}, {255, 255, 255, 255, 255, 255}},
        {"house 1 spans Aries..Cancer: Taurus and Gemini inside, Gemini stored", {0, 3, 4, 4, 5, 5, 6, 9, 10, 10, 11, 11},
         {2, 255, 255, 255, 255, 255}, {8, 255, 255, 255, 255, 255}},
        {"across Pisces-Aries: house 6 from Aquarius to Taurus", {5, 6, 7, 8, 9, 10, 1, 0, 1, 2, 3, 4},
         {255, 255, 255, 255, 255, 0}, {255, 255, 255, 255, 255, 6}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const InterceptedSigns s = interceptedSigns(row.cuspSign);
        EXPECT_EQ(s.sign, row.sign);
        EXPECT_EQ(s.opposite, row.opposite);
    }
}
