#include <gtest/gtest.h>

#include <swephexp.h>

#include "BirthData.h"
#include "RecordFixtures.h"

// Multi-byte fields of the packed records are compared as `+field`, a copy: the comparison
// macros bind references, and a reference to an unaligned field is undefined behaviour.
// Found by gtest's printing through argument-dependent look-up, so it lives beside CalDate.
static std::ostream& operator<<(std::ostream& os, const CalDate& d) {
    return os << int(d.year) << "-" << int(d.month) << "-" << int(d.day) << (d.gregorian ? "G" : "J");
}

namespace {

struct Ymd {
    int year, month, day;
};

bool operator==(const CalDate& d, const Ymd& e) {
    return d.year == e.year && d.month == e.month && d.day == e.day;
}

}  // namespace

TEST(CalDate, ConstructorClampsAndReportsIt) {
    struct Row {
        const char* name;
        int y, m, d;
        bool gregorian;
        Ymd expected;
        bool changed;
    } rows[] = {
        {"29 Feb 1900 Gregorian", 1900, 2, 29, true, {1900, 2, 28}, true},
        {"29 Feb 1900 Julian", 1900, 2, 29, false, {1900, 2, 29}, false},
        {"29 Feb 2000 Gregorian", 2000, 2, 29, true, {2000, 2, 29}, false},
        {"29 Feb of year 0", 0, 2, 29, true, {0, 2, 29}, false},
        {"29 Feb of year -4", -4, 2, 29, false, {-4, 2, 29}, false},
        {"29 Feb of year -100 Gregorian", -100, 2, 29, true, {-100, 2, 28}, true},
        {"month 13", 2000, 13, 1, true, {2000, 12, 1}, true},
        {"month 0", 2000, 0, 5, true, {2000, 1, 5}, true},
        {"day 0", 2000, 4, 0, true, {2000, 4, 1}, true},
        {"31 April", 2000, 4, 31, true, {2000, 4, 30}, true},
        {"year after the range", 5001, 1, 1, true, {5000, 1, 1}, true},
        {"year before the range", -5000, 1, 1, true, {-4999, 1, 1}, true},
        {"first day of the range", -4999, 1, 1, false, {-4999, 1, 1}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bool clamped = !row.changed;
        const CalDate d(row.y, row.m, row.d, row.gregorian, &clamped);
        EXPECT_EQ(d, row.expected);
        EXPECT_EQ(clamped, row.changed);
        EXPECT_EQ(d.gregorian, row.gregorian ? 1 : 0);
    }
}

TEST(CalDate, StepsAcrossMonthsYearsAndLimits) {
    enum Step { NextDay, PreviousDay, NextMonth, PreviousMonth, NextYear, PreviousYear };
    struct Row {
        const char* name;
        CalDate from;
        Step step;
        bool ok;
        Ymd expected;
    } rows[] = {
        {"31 March back a month, leap year", date(2000, 3, 31), PreviousMonth, true, {2000, 2, 29}},
        {"31 March back a month, common year", date(2001, 3, 31), PreviousMonth, true, {2001, 2, 28}},
        {"31 January forward a month", date(1900, 1, 31), NextMonth, true, {1900, 2, 28}},
        {"31 January forward a month, Julian 1900", date(1900, 1, 31, false), NextMonth, true, {1900, 2, 29}},
        {"December forward a month", date(1999, 12, 15), NextMonth, true, {2000, 1, 15}},
        {"January back a month", date(2000, 1, 15), PreviousMonth, true, {1999, 12, 15}},
        {"29 February forward a year", date(2000, 2, 29), NextYear, true, {2001, 2, 28}},
        {"31 December forward a day", date(1999, 12, 31), NextDay, true, {2000, 1, 1}},
        {"1 January back a day", date(1, 1, 1), PreviousDay, true, {0, 12, 31}},
        {"1 March back a day, year 0", date(0, 3, 1), PreviousDay, true, {0, 2, 29}},
        {"year 5000 forward a year", date(5000, 6, 1), NextYear, false, {5000, 6, 1}},
        {"year -4999 back a year", date(-4999, 6, 1), PreviousYear, false, {-4999, 6, 1}},
        {"last day forward a day", date(5000, 12, 31), NextDay, false, {5000, 12, 31}},
        {"December 5000 forward a month", date(5000, 12, 31), NextMonth, false, {5000, 12, 31}},
        {"first day back a day", date(-4999, 1, 1), PreviousDay, false, {-4999, 1, 1}},
        {"January -4999 back a month", date(-4999, 1, 10), PreviousMonth, false, {-4999, 1, 10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CalDate d = row.from;
        bool ok = false;
        switch (row.step) {
        case NextDay: ok = d.nextDay(); break;
        case PreviousDay: ok = d.previousDay(); break;
        case NextMonth: ok = d.nextMonth(); break;
        case PreviousMonth: ok = d.previousMonth(); break;
        case NextYear: ok = d.nextYear(); break;
        case PreviousYear: ok = d.previousYear(); break;
        }
        EXPECT_EQ(ok, row.ok);
        EXPECT_EQ(d, row.expected) << d;
    }
}

// Walks day by day through stretches of both calendars (the proleptic centuries around
// year 0, the Gregorian reform, the ends of the range) and checks every date against the
// ephemeris library's own calendar: one Julian day per step, and the same date back.
TEST(CalDate, DayStepsAgreeWithTheEphemerisCalendar) {
    struct Stretch {
        int fromYear, toYear;
    } stretches[] = {{-4999, -4890}, {-420, 420}, {1500, 2100}, {4890, 5000}};
    for (const bool gregorian : {false, true}) {
        const int flag = gregorian ? SE_GREG_CAL : SE_JUL_CAL;
        for (const Stretch& s : stretches) {
            CalDate d(s.fromYear, 1, 1, gregorian);
            double jd = swe_julday(d.year, d.month, d.day, 0.0, flag);
            while (d.year <= s.toYear) {
                const CalDate before = d;
                const bool ok = d.nextDay();
                if (!ok) {
                    EXPECT_EQ(+before.year, MaxYear);
                    break;
                }
                jd += 1.0;
                int y = 0, m = 0, day = 0;
                double hour = 0;
                swe_revjul(jd, flag, &y, &m, &day, &hour);
                if (y != d.year || m != d.month || day != d.day) {
                    ADD_FAILURE() << "after " << before << " came " << d << ", the ephemeris says " << y << "-"
                                  << m << "-" << day;
                    return;
                }
                CalDate back = d;
                ASSERT_TRUE(back.previousDay());
                ASSERT_EQ(back, (Ymd{before.year, before.month, before.day}));
            }
        }
    }
}

TEST(CalDate, DecimalYearCountsCommonYearDays) {
    EXPECT_DOUBLE_EQ(date(2000, 1, 1).decimalYear(), 2000.0);
    EXPECT_DOUBLE_EQ(date(2000, 3, 1).decimalYear(), 2000.0 + 59 / 365.25);
    EXPECT_DOUBLE_EQ(date(-1, 12, 31).decimalYear(), -1.0 + 364 / 365.25);
}

TEST(CalDate, ClampStoredMakesAnyBytesUsable) {
    CalDate d = date(-32000, 13, 99);
    d.gregorian = 7;
    d.clampStored();
    EXPECT_EQ(d, (Ymd{-4999, 12, 31}));
    EXPECT_EQ(d.gregorian, 1);

    d = date(2001, 0, 0);
    d.clampStored();
    EXPECT_EQ(d, (Ymd{2001, 1, 1}));

    d = date(1900, 2, 29);
    d.clampStored();
    EXPECT_EQ(d, (Ymd{1900, 2, 28}));
}
