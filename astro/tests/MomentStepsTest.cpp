#include <gtest/gtest.h>

#include "MomentSteps.h"

namespace {

BirthMoment at(int y, int mo, int d, int h, int mi, double s) {
    BirthMoment m;
    m.utDate = CalDate(y, mo, d, true);
    m.utTime.hour = static_cast<std::uint8_t>(h);
    m.utTime.minute = static_cast<std::uint8_t>(mi);
    m.utTime.second = s;
    return m;
}

std::string show(const BirthMoment& m) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d-%02d-%02d %02d:%02d:%04.1f", m.utDate.year, m.utDate.month, m.utDate.day,
                  m.utTime.hour, m.utTime.minute, m.utTime.second);
    return buf;
}

}  // namespace

TEST(MomentSteps, StepsCrossMidnightAndStopAtTheCalendarEdges) {
    struct Row {
        const char* name;
        BirthMoment start;
        bool (*step)(BirthMoment&, bool);
        bool forward;
        bool moved;
        const char* expected;
    } rows[] = {
        {"minute forward at 23:59", at(1999, 12, 31, 23, 59, 30), stepMinute, true, true, "2000-01-01 00:00:30.0"},
        {"minute back at 00:00", at(2000, 3, 1, 0, 0, 5), stepMinute, false, true, "2000-02-29 23:59:05.0"},
        {"minute forward keeps seconds", at(2000, 1, 1, 10, 59, 12.5), stepMinute, true, true, "2000-01-01 11:00:12.5"},
        {"minute forward at the last day", at(5000, 12, 31, 23, 59, 0), stepMinute, true, false, "5000-12-31 23:59:00.0"},
        {"minute back at the first day", at(-4999, 1, 1, 0, 0, 0), stepMinute, false, false, "-4999-01-01 00:00:00.0"},
        {"hour forward at 23", at(2001, 2, 28, 23, 15, 0), stepHour, true, true, "2001-03-01 00:15:00.0"},
        {"hour back at 0", at(2001, 1, 1, 0, 15, 0), stepHour, false, true, "2000-12-31 23:15:00.0"},
        {"second forward at 23:59:59", at(2001, 1, 1, 23, 59, 59), stepSecond, true, true, "2001-01-02 00:00:00.0"},
        {"second back at 00:00:00", at(2001, 1, 1, 0, 0, 0), stepSecond, false, true, "2000-12-31 23:59:59.0"},
        {"second back from a fraction", at(2001, 1, 1, 0, 0, 0.5), stepSecond, false, true, "2001-01-01 00:00:00.0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BirthMoment m = row.start;
        EXPECT_EQ(row.step(m, row.forward), row.moved);
        EXPECT_EQ(show(m), row.expected);
    }
}

TEST(MomentSteps, TenMinuteStepsBackAcrossMidnight) {
    BirthMoment m = at(2010, 1, 1, 0, 5, 0);
    stepMinutes(m, -10);
    EXPECT_EQ(show(m), "2009-12-31 23:55:00.0");
    stepMinutes(m, 10);
    EXPECT_EQ(show(m), "2010-01-01 00:05:00.0");
}
