#pragma once
// Shared by the chart tests: the program folder's ephemeris and charts built from plain numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "BirthData.h"
#include "Ephemeris.h"
#include "OptionDefaults.h"
#include "Options.h"
#include "RadixData.h"

inline std::string programEphemerisFolder() {
    const char* dir = std::getenv("ZDK_PROGRAM_DIR");
    return std::string(dir ? dir : ".") + "/data/ephem";
}

// A moment in UT (decimal hours) at a place in decimal degrees (East and North positive).
inline std::unique_ptr<RadixData> chartAt(int year, int month, int day, double hourUT, bool gregorian,
                                          double longitude, double latitude) {
    auto r = std::make_unique<RadixData>();
    ClockTime t;
    t.hour = static_cast<std::uint8_t>(hourUT);
    t.minute = static_cast<std::uint8_t>(std::fmod(hourUT * 60.0, 60.0));
    t.second = std::fmod(hourUT * 3600.0, 60.0);
    r->moment = BirthMoment(CalDate(year, month, day, gregorian), t, GeoAngle::fromDecimal(longitude),
                            GeoAngle::fromDecimal(latitude), TimeGMT, 0, 0, false);
    return r;
}

inline std::unique_ptr<TOptions> defaultOptions() {
    auto o = std::make_unique<TOptions>();
    SetDefaultOptions(*o);
    return o;
}

// Every test starts from the program folder's ephemeris files, whatever another test set.
class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        const EphemerisStart start = startEphemeris(programEphemerisFolder());
        ASSERT_EQ(start.state, EphemerisFolder::Ready) << describeEphemerisStart(start);
    }
};

// Difference of two angles in degrees, folded to [0, 180].
inline double angleDiff(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

constexpr double MilliArcSecond = 1.0 / 3600000.0;  // degrees
constexpr double RadToDegree = 180.0 / 3.14159265358979323846;
