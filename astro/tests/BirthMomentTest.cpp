#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>
#include <swephexp.h>

#include "BirthData.h"
#include "RecordFixtures.h"

// Multi-byte fields of the packed records are compared as `+field`, a copy: the comparison
// macros bind references, and a reference to an unaligned field is undefined behaviour.
namespace {

ClockTime clock(int h, int m, double s = 0) {
    ClockTime t;
    t.hour = static_cast<std::uint8_t>(h);
    t.minute = static_cast<std::uint8_t>(m);
    t.second = s;
    return t;
}

struct Zone {
    std::uint8_t kind, hours, minutes;
    bool west;
};

BirthMoment entered(CalDate d, ClockTime t, double longitude, Zone z) {
    return BirthMoment(d, t, GeoAngle::fromDecimal(longitude), GeoAngle(), z.kind, z.hours, z.minutes, z.west);
}

// Julian day of a date and clock time, straight from the ephemeris library.
double sweJd(const CalDate& d, const ClockTime& t) {
    return swe_julday(d.year, d.month, d.day, t.hour + t.minute / 60.0 + t.second / 3600.0,
                      d.gregorian ? SE_GREG_CAL : SE_JUL_CAL);
}

std::string show(const CalDate& d, const ClockTime& t) {
    char b[64];
    std::snprintf(b, sizeof b, "%d-%02d-%02d %02d:%02d:%09.6f", d.year, d.month, d.day, t.hour, t.minute, t.second);
    return b;
}

}  // namespace

TEST(BirthMoment, LocalToUniversalAcrossMidnightAndYearEnds) {
    const Zone gmt{TimeGMT, 0, 0, false}, lmt{TimeLMT, 0, 0, false};
    struct Row {
        const char* name;
        CalDate localDate;
        ClockTime localTime;
        double longitude;
        Zone zone;
        const char* ut;
    } rows[] = {
        {"LMT 00:10 at 30 E", date(2000, 6, 15), clock(0, 10), 30, lmt, "2000-06-14 22:10:00.000000"},
        {"LMT 23:50 at 30 W", date(2000, 6, 15), clock(23, 50), -30, lmt, "2000-06-16 01:50:00.000000"},
        {"LMT at 19 02 E keeps seconds", date(1950, 1, 1), clock(12, 0, 30.5), 19 + 2 / 60.0, lmt,
         "1950-01-01 10:44:22.500000"},
        {"LMT into the previous year", date(2001, 1, 1), clock(0, 0), 180, lmt, "2000-12-31 12:00:00.000000"},
        {"LMT into 29 February", date(2000, 3, 1), clock(1, 0), 45, lmt, "2000-02-29 22:00:00.000000"},
        {"zone 00:30 at 1:00 East", date(2000, 1, 1), clock(0, 30), 0, {TimeZone, 1, 0, false},
         "1999-12-31 23:30:00.000000"},
        {"zone 19:45 at 5:30 West", date(1999, 12, 31), clock(19, 45, 12), 0, {TimeZone, 5, 30, true},
         "2000-01-01 01:15:12.000000"},
        {"zone 23:59 at 0:01 West", date(2000, 2, 28), clock(23, 59, 59.5), 0, {TimeZone, 0, 1, true},
         "2000-02-29 00:00:59.500000"},
        {"zone kept for GMT", date(2000, 1, 1), clock(0, 30), 15, {TimeGMT, 3, 0, false},
         "2000-01-01 00:30:00.000000"},
        {"GMT", date(-99, 3, 1, false), clock(5, 6, 7), 100, gmt, "-99-03-01 05:06:07.000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BirthMoment m = entered(row.localDate, row.localTime, row.longitude, row.zone);
        m.localToUniversal();
        EXPECT_EQ(show(m.utDate, m.utTime), row.ut);
        EXPECT_EQ(show(m.localDate, m.localTime), show(row.localDate, row.localTime)) << "local pair kept";

        // Converting back reproduces the entry exactly, from the UT pair alone.
        BirthMoment back = m;
        back.localDate = CalDate();
        back.localTime = ClockTime();
        back.universalToLocal();
        EXPECT_EQ(show(back.localDate, back.localTime), show(row.localDate, row.localTime));
        EXPECT_EQ(show(back.utDate, back.utTime), row.ut) << "UT pair unchanged";
    }
}

// The conversions agree with the ephemeris library's Julian days: LMT is UT plus the longitude
// in time, zone time is UT plus the offset. A grid of longitudes with odd minutes and seconds
// also shows that a conversion and its reverse never lose a second to rounding.
TEST(BirthMoment, ConversionsAgreeWithEphemerisJulianDays) {
    const double longitudes[] = {-180, -122.4194, -73.5, -0.0125, 0, 2.3522, 13.4, 19.0402, 89.99, 139.6917, 180};
    const ClockTime times[] = {clock(0, 0), clock(0, 7, 13), clock(11, 59, 59), clock(12, 0, 0.25), clock(23, 59, 59)};
    const CalDate dates[] = {date(1900, 2, 28, false), date(1900, 3, 1), date(2024, 12, 31), date(0, 1, 1)};
    for (const CalDate& d : dates)
        for (const ClockTime& t : times) {
            for (const double lon : longitudes) {
                SCOPED_TRACE(show(d, t) + " at " + std::to_string(lon));
                BirthMoment m = entered(d, t, lon, {TimeLMT, 0, 0, false});
                m.localToUniversal();
                EXPECT_NEAR(sweJd(m.utDate, m.utTime), sweJd(d, t) - m.longitude.decimal() / 360.0, 1e-9);
                BirthMoment back = m;
                back.universalToLocal();
                EXPECT_EQ(show(back.localDate, back.localTime), show(d, t));
            }
            for (const int offset : {-(12 * 60), -(5 * 60 + 30), -1, 60, 5 * 60 + 45, 23 * 60 + 59}) {
                SCOPED_TRACE(show(d, t) + " zone " + std::to_string(offset));
                const Zone z{TimeZone, static_cast<std::uint8_t>(std::abs(offset) / 60),
                             static_cast<std::uint8_t>(std::abs(offset) % 60), offset < 0};
                BirthMoment m = entered(d, t, 0, z);
                m.localToUniversal();
                EXPECT_NEAR(sweJd(m.utDate, m.utTime), sweJd(d, t) - offset / 1440.0, 1e-9);
                EXPECT_EQ(+m.utTime.second, +t.second);
                BirthMoment back = m;
                back.universalToLocal();
                EXPECT_EQ(show(back.localDate, back.localTime), show(d, t));
            }
        }
}

// Whole-second entries come back as the same whole seconds, at the whole-minute longitudes of
// the dialog and the town database and at decimal longitudes with fractions of an arc second:
// a conversion that drifts a fraction below the entered second would show 0:02:16 for 0:02:17.
TEST(BirthMoment, LmtRoundTripNeverLosesASecond) {
    std::vector<GeoAngle> longitudes;
    for (const int degrees : {0, 1, 19, 73, 122, 179})
        for (int minutes = 0; minutes < 60; ++minutes)
            for (const bool west : {false, true})
                longitudes.push_back(GeoAngle(degrees, minutes, 0, west));
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i)
        longitudes.push_back(GeoAngle::fromDecimal((static_cast<int>(random() % 3600001) - 1800000) / 1e4));
    for (const GeoAngle& lon : longitudes)
        for (int t = 0; t < 86400; t += 997) {
            const ClockTime entered = clock(t / 3600, t / 60 % 60, t % 60);
            BirthMoment m(date(2000, 1, 1), entered, lon, GeoAngle(), TimeLMT, 0, 0, false);
            m.localToUniversal();
            m.universalToLocal();
            if (m.localTime.second != entered.second || m.localTime.minute != entered.minute) {
                ADD_FAILURE() << lon.decimal() << " at " << t << " s came back as " << m.localTime.second << " s";
                return;
            }
        }
}

TEST(BirthMoment, JulianDayUsesTheDatesCalendar) {
    struct Row {
        const char* name;
        CalDate d;
        ClockTime t;
        double expected;  // published Julian days
    } rows[] = {
        {"J2000.0", date(2000, 1, 1), clock(12, 0), 2451545.0},
        {"Gregorian reform, Julian side", date(1582, 10, 4, false), clock(0, 0), 2299159.5},
        {"Gregorian reform, Gregorian side", date(1582, 10, 15), clock(0, 0), 2299160.5},
        {"start of the Julian period", date(-4712, 1, 1, false), clock(12, 0), 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BirthMoment m;
        m.utDate = row.d;
        m.utTime = row.t;
        EXPECT_DOUBLE_EQ(m.julianDayUT(), row.expected);
    }
    // And at any time of day it is the library's own answer.
    BirthMoment m;
    m.utDate = date(-99, 3, 1, false);
    m.utTime = clock(17, 43, 21.75);
    EXPECT_NEAR(m.julianDayUT(), sweJd(m.utDate, m.utTime), 1e-9);
    int y = 0, mo = 0, d = 0;
    double h = 0;
    swe_revjul(m.julianDayUT(), SE_JUL_CAL, &y, &mo, &d, &h);
    EXPECT_EQ(y, -99);
    EXPECT_EQ(mo, 3);
    EXPECT_EQ(d, 1);
    EXPECT_NEAR(h, 17 + 43 / 60.0 + 21.75 / 3600.0, 1e-7);
}

TEST(BirthMoment, ConstructorClampsThePositionAndKeepsItsSign) {
    bool clamped = false;
    BirthMoment m(date(2000, 1, 1), clock(0, 0), GeoAngle(200, 30, 0, true), GeoAngle(95, 0, 0, true), TimeGMT, 0,
                  0, false, &clamped);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(m.longitude.wholeDegrees(), 180);
    EXPECT_TRUE(m.longitude.isNegative());
    EXPECT_EQ(m.latitude.wholeDegrees(), 89);
    EXPECT_TRUE(m.latitude.isNegative());

    BirthMoment ok(date(2000, 1, 1), clock(0, 0), GeoAngle(180, 0, 0, false), GeoAngle(89, 59, 0, false), TimeGMT,
                   0, 0, false, &clamped);
    EXPECT_FALSE(clamped);
    EXPECT_EQ(show(ok.utDate, ok.utTime), show(ok.localDate, ok.localTime));
}

TEST(BirthMoment, ClockReadingIsZoneTimeOneHourEast) {
    std::tm c{};
    c.tm_year = 124;
    c.tm_mon = 2;
    c.tm_mday = 1;
    c.tm_hour = 0;
    c.tm_min = 30;
    c.tm_sec = 15;
    const BirthMoment m = BirthMoment::atClock(c);
    EXPECT_EQ(m.timeKind, TimeZone);
    EXPECT_EQ(m.zoneHours, 1);
    EXPECT_EQ(m.zoneWest, 0);
    EXPECT_EQ(show(m.localDate, m.localTime), "2024-03-01 00:30:15.000000");
    EXPECT_EQ(show(m.utDate, m.utTime), "2024-02-29 23:30:15.000000");
    EXPECT_EQ(m.town[0], '\0');
    EXPECT_EQ(m.sex, SexNotSet);
}

TEST(GeoAngle, DecimalFormKeepsTheSignInBit15) {
    struct Row {
        double value;
        std::uint16_t degrees;
        int minutes;
        double seconds;
    } rows[] = {
        {19.0402, 19, 2, 24.72},
        {-73.5, 0x8000 | 73, 30, 0},
        {-0.25, 0x8000, 15, 0},
        {180, 180, 0, 0},
        {47.999999, 47, 59, 59.9964},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        const GeoAngle a = GeoAngle::fromDecimal(row.value);
        EXPECT_EQ(+a.degrees, +row.degrees);
        EXPECT_EQ(a.minutes, row.minutes);
        EXPECT_NEAR(a.seconds, row.seconds, 1e-6);
        EXPECT_NEAR(a.decimal(), row.value, 1e-12);
    }
    EXPECT_EQ(GeoAngle(12, 30, 0, true).decimal(), -12.5);
}

TEST(BirthMoment, ClampStoredBoundsEveryField) {
    BirthMoment m;
    std::memset(static_cast<void*>(&m), 0xFF, sizeof m);
    m.utTime.second = std::nan("");
    m.localTime.second = -5;
    m.longitude.seconds = HUGE_VAL;
    m.clampStored();
    EXPECT_EQ(m.utDate.month, 12);
    EXPECT_EQ(+m.utDate.year, -1);  // 0xFFFF is a valid year
    EXPECT_EQ(m.utDate.day, 31);
    EXPECT_EQ(m.utTime.hour, 23);
    EXPECT_EQ(m.utTime.minute, 59);
    EXPECT_EQ(+m.utTime.second, 0.0);
    EXPECT_EQ(+m.localTime.second, 0.0);
    EXPECT_EQ(m.longitude.wholeDegrees(), 180);
    EXPECT_EQ(m.longitude.minutes, 59);
    EXPECT_EQ(+m.longitude.seconds, 60.0);
    EXPECT_EQ(m.latitude.wholeDegrees(), 89);
    EXPECT_EQ(m.timeKind, TimeGMT);
    EXPECT_EQ(m.zoneHours, 23);
    EXPECT_EQ(m.zoneMinutes, 59);
    EXPECT_EQ(m.zoneWest, 1);
    EXPECT_EQ(m.townTerminator, 0);
    EXPECT_EQ(m.sex, SexNotSet);
}
