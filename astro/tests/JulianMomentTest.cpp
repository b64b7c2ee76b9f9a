// From a Julian day back to a birth moment's date and time: the way back to the Julian day
// must give the same instant, in the calendar the birth data use for the date.
#include <gtest/gtest.h>

#include "ChartFixture.h"
#include "JulianMoment.h"

TEST(JulianMomentTest, DatesAndTimesGiveTheSameInstantBack) {
    const struct {
        const char* name;
        int year, month, day, hour, minute;
        double second;
        bool gregorian;
    } rows[] = {
        {"J2000 noon", 2000, 1, 1, 12, 0, 0.0, true},
        {"a return to the millisecond", 2026, 7, 1, 12, 35, 15.123, true},
        {"first Gregorian day", 1582, 10, 15, 0, 0, 0.0, true},
        {"last Julian day", 1582, 10, 4, 23, 59, 59.5, false},
        {"before the era", -1000, 1, 1, 6, 0, 0.0, false},
        {"just before midnight", 2000, 1, 1, 23, 59, 59.99, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // The library's own calendar conversion gives the instant.
        const double hours = row.hour + row.minute / 60.0 + row.second / 3600.0;
        const double jd = calendarToJulianDay(row.year, row.month, row.day, hours, row.gregorian);
        BirthMoment m;
        julianDayToCalendar(jd, m.utDate, m.utTime);
        EXPECT_EQ(int{m.utDate.year}, row.year);
        EXPECT_EQ(int{m.utDate.month}, row.month);
        EXPECT_EQ(int{m.utDate.day}, row.day);
        EXPECT_EQ(m.utDate.isGregorian(), row.gregorian);
        EXPECT_EQ(int{m.utTime.hour}, row.hour);
        EXPECT_EQ(int{m.utTime.minute}, row.minute);
        EXPECT_NEAR(double{m.utTime.second}, row.second, 1e-3);
        EXPECT_NEAR(m.julianDayUT(), jd, 1e-3 / 86400.0);
    }
}

TEST(JulianMomentTest, TheClockOfThePlaceIsKept) {
    BirthMoment place(CalDate(1980, 7, 1, true), ClockTime{}, GeoAngle::fromDecimal(19.04), GeoAngle::fromDecimal(47.5),
                      TimeZone, 2, 0, false);
    const BirthMoment m = momentAtJulianDay(place, 2451545.0);
    EXPECT_EQ(m.timeKind, TimeZone);
    EXPECT_EQ(m.localTime.hour, 14);
    EXPECT_EQ(m.localDate.day, 1);
    EXPECT_NEAR(m.julianDayUT(), 2451545.0, 1e-9);
}

TEST(JulianMomentTest, HeldRange) {
    EXPECT_TRUE(isHeldJulianDay(2451545.0));
    EXPECT_FALSE(isHeldJulianDay(lastHeldJulianDay()));
    EXPECT_TRUE(isHeldJulianDay(firstHeldJulianDay()));
    EXPECT_FALSE(isHeldJulianDay(firstHeldJulianDay() - 1e-6));
}
