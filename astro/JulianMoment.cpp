#include "JulianMoment.h"

#include <algorithm>
#include <cmath>

#include "Ephemeris.h"

namespace {
constexpr double SecondsPerDay = 86400.0;
}

bool isGregorianByDate(int year, int month, int day) {
    return year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
}

CalDate civilDate(int year, int month, int day, bool* clamped) {
    return CalDate(year, month, day, isGregorianByDate(year, month, day), clamped);
}

double firstHeldJulianDay() {
    return calendarToJulianDay(MinYear, 1, 1, 0.0, false);
}

double lastHeldJulianDay() {
    return calendarToJulianDay(MaxYear, 12, 31, 24.0, true);
}

bool isHeldJulianDay(double jdUT) {
    return jdUT >= firstHeldJulianDay() && jdUT < lastHeldJulianDay();
}

void julianDayToCalendar(double jdUT, CalDate& date, ClockTime& time) {
    const bool gregorian = jdUT >= GregorianStartJD;
    // The civil day begins at midnight, half a Julian day after its number.
    const double midnight = std::floor(jdUT - 0.5) + 0.5;
    double seconds = (jdUT - midnight) * SecondsPerDay;
    if (seconds < 0)
        seconds = 0;
    const CalendarDay day = julianDayToCalendarDay(midnight, gregorian);
    date = CalDate(day.year, day.month, day.day, gregorian);
    const int whole = std::min(static_cast<int>(seconds), int(SecondsPerDay) - 1);
    time.hour = static_cast<std::uint8_t>(whole / 3600);
    time.minute = static_cast<std::uint8_t>(whole / 60 % 60);
    time.second = seconds - (whole / 60) * 60.0;
}

BirthMoment momentAtJulianDay(const BirthMoment& place, double jdUT) {
    BirthMoment m = place;
    julianDayToCalendar(jdUT, m.utDate, m.utTime);
    m.universalToLocal();
    return m;
}
