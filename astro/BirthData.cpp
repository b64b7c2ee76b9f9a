#include "BirthData.h"

#include <algorithm>
#include <cmath>

#include "Ephemeris.h"


namespace {

constexpr int SecondsPerDay = 86400;
constexpr int MinutesPerDay = 1440;

// Days of the common-year months before each month.
constexpr int DaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

double clampSeconds(double s) {
    if (!(s >= 0.0))  // also NaN
        return 0.0;
    return std::min(s, 60.0);
}

// Times are kept on a grid of microseconds: a shift and its reverse then cancel exactly, so
// a time converted to UT and back never shows one whole second less (12:00:00 coming back as
// 11:59:59.999999999). A microsecond is far below anything a chart can show.
double onMicrosecondGrid(double seconds) {
    return std::round(seconds * 1e6) / 1e6;
}

// Moves a date and time by `delta` seconds. The time and the delta come from clamped
// records, so the result is never more than a day or two away and the loops stay short;
// the loops (rather than one step each way) also absorb a sum that rounds to exactly 86400.
void shiftBySeconds(CalDate& date, ClockTime& time, double delta) {
    double x = onMicrosecondGrid(time.hour * 3600.0 + time.minute * 60.0 + time.second + onMicrosecondGrid(delta));
    if (!std::isfinite(x))
        return;
    while (x < 0.0) {
        date.previousDay();
        x += SecondsPerDay;
    }
    while (x >= SecondsPerDay) {
        date.nextDay();
        x -= SecondsPerDay;
    }
    time.hour = static_cast<std::uint8_t>(std::floor(x / 3600.0));
    time.minute = static_cast<std::uint8_t>(static_cast<int>(std::floor(x / 60.0)) % 60);
    time.second = std::fmod(x, 60.0);
}

// Moves a date and time by whole minutes; seconds are not touched.
void shiftByMinutes(CalDate& date, ClockTime& time, int delta) {
    int t = time.hour * 60 + time.minute + delta;
    while (t < 0) {
        date.previousDay();
        t += MinutesPerDay;
    }
    while (t >= MinutesPerDay) {
        date.nextDay();
        t -= MinutesPerDay;
    }
    time.hour = static_cast<std::uint8_t>(t / 60);
    time.minute = static_cast<std::uint8_t>(t % 60);
}

// Local mean time minus Universal Time in seconds: four minutes of time per degree East.
// Written as whole degrees and minutes times integers so that a conversion and its reverse
// cancel exactly instead of drifting below a whole second.
double lmtOffsetSeconds(GeoAngle longitude) {
    longitude.clampStored(BirthMoment::MaxLongitude);
    const double s = longitude.wholeDegrees() * 240.0 + longitude.minutes * 4.0 + longitude.seconds / 15.0;
    return longitude.isNegative() ? -s : s;
}

int zoneOffsetMinutes(const BirthMoment& m) {
    const int minutes = std::min<int>(m.zoneHours, 23) * 60 + std::min<int>(m.zoneMinutes, 59);
    return m.zoneWest ? -minutes : minutes;
}

}  // namespace

// CalDate

CalDate::CalDate(int y, int m, int d, bool greg, bool* clamped) {
    gregorian = greg ? 1 : 0;
    const int cy = std::clamp(y, MinYear, MaxYear);
    const int cm = std::clamp(m, 1, 12);
    const int cd = std::clamp(d, 1, monthLength(cy, cm, greg));
    year = static_cast<std::int16_t>(cy);
    month = static_cast<std::uint8_t>(cm);
    day = static_cast<std::uint8_t>(cd);
    if (clamped)
        *clamped = cy != y || cm != m || cd != d;
}

bool CalDate::isLeapYear(int y, bool greg) {
    if ((y & 3) != 0)
        return false;
    return !greg || y % 100 != 0 || y % 400 == 0;
}

int CalDate::monthLength(int y, int m, bool greg) {
    static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    m = std::clamp(m, 1, 12);
    return m == 2 && isLeapYear(y, greg) ? 29 : Lengths[m - 1];
}

int CalDate::monthLength() const {
    return monthLength(year, month, gregorian != 0);
}

bool CalDate::nextDay() {
    if (day < monthLength()) {
        ++day;
    } else if (month < 12) {
        ++month;
        day = 1;
    } else {
        if (year >= MaxYear)
            return false;
        ++year;
        month = 1;
        day = 1;
    }
    return true;
}

bool CalDate::previousDay() {
    if (day > 1) {
        day = static_cast<std::uint8_t>(std::min(day - 1, monthLength()));
    } else if (month > 1) {
        --month;
        day = static_cast<std::uint8_t>(monthLength());
    } else {
        if (year <= MinYear)
            return false;
        --year;
        month = 12;
        day = 31;
    }
    return true;
}

bool CalDate::nextMonth() {
    if (month < 12) {
        ++month;
    } else {
        if (year >= MaxYear)
            return false;
        ++year;
        month = 1;
    }
    day = static_cast<std::uint8_t>(std::min<int>(day, monthLength()));
    return true;
}

bool CalDate::previousMonth() {
    if (month > 1) {
        --month;
    } else {
        if (year <= MinYear)
            return false;
        --year;
        month = 12;
    }
    day = static_cast<std::uint8_t>(std::min<int>(day, monthLength()));
    return true;
}

bool CalDate::nextYear() {
    if (year >= MaxYear)
        return false;
    ++year;
    day = static_cast<std::uint8_t>(std::min<int>(day, monthLength()));
    return true;
}

bool CalDate::previousYear() {
    if (year <= MinYear)
        return false;
    --year;
    day = static_cast<std::uint8_t>(std::min<int>(day, monthLength()));
    return true;
}

double CalDate::decimalYear() const {
    const int m = std::clamp<int>(month, 1, 12);
    return year + (DaysBeforeMonth[m - 1] + day - 1) / 365.25;
}

void CalDate::clampStored() {
    gregorian = gregorian ? 1 : 0;
    year = static_cast<std::int16_t>(std::clamp<int>(year, MinYear, MaxYear));
    month = static_cast<std::uint8_t>(std::clamp<int>(month, 1, 12));
    day = static_cast<std::uint8_t>(std::clamp<int>(day, 1, monthLength()));
}

// ClockTime

void ClockTime::clampStored() {
    hour = std::min<std::uint8_t>(hour, 23);
    minute = std::min<std::uint8_t>(minute, 59);
    second = clampSeconds(second);
}

// GeoAngle

GeoAngle::GeoAngle(int wholeDegrees, int mins, double secs, bool negative)
    : degrees(static_cast<std::uint16_t>((wholeDegrees & 0x7FFF) | (negative ? SignBit : 0))),
      minutes(static_cast<std::uint8_t>(mins)),
      seconds(secs) {}

GeoAngle GeoAngle::fromDecimal(double value) {
    if (!std::isfinite(value))
        return {};
    const bool negative = value < 0.0;
    const double a = std::min(std::fabs(value), 32767.0);
    // Split the total in arc seconds, which is rounded once, rather than rounding at each level.
    const double total = a * 3600.0;
    const int whole = static_cast<int>(std::floor(a));
    const double rest = std::max(0.0, total - whole * 3600.0);
    const int mins = std::min(59, static_cast<int>(std::floor(rest / 60.0)));
    const double secs = std::max(0.0, rest - mins * 60.0);
    return GeoAngle(whole, mins, secs, negative);
}

double GeoAngle::decimal() const {
    const double v = wholeDegrees() + minutes / 60.0 + seconds / 3600.0;
    return isNegative() ? -v : v;
}

void GeoAngle::clampStored(int maxDegrees) {
    const int whole = std::min(wholeDegrees(), maxDegrees);
    degrees = static_cast<std::uint16_t>(whole | (degrees & SignBit));
    minutes = std::min<std::uint8_t>(minutes, 59);
    seconds = clampSeconds(seconds);
}

// BirthMoment

BirthMoment::BirthMoment(const CalDate& date, const ClockTime& time, const GeoAngle& lon,
                         const GeoAngle& lat, std::uint8_t kind, std::uint8_t zHours,
                         std::uint8_t zMinutes, bool west, bool* clamped)
    : utDate(date), utTime(time), longitude(lon), latitude(lat), timeKind(kind),
      zoneHours(zHours), zoneMinutes(zMinutes), zoneWest(west ? 1 : 0), localDate(date),
      localTime(time) {
    bool changed = false;
    if (longitude.wholeDegrees() > MaxLongitude) {
        longitude.degrees = static_cast<std::uint16_t>(MaxLongitude | (longitude.degrees & GeoAngle::SignBit));
        changed = true;
    }
    if (latitude.wholeDegrees() > MaxLatitude) {
        latitude.degrees = static_cast<std::uint16_t>(MaxLatitude | (latitude.degrees & GeoAngle::SignBit));
        changed = true;
    }
    if (clamped)
        *clamped = changed;
}

BirthMoment BirthMoment::atClock(const std::tm& c) {
    const CalDate date(c.tm_year + 1900, c.tm_mon + 1, c.tm_mday, true);
    ClockTime time;
    time.hour = static_cast<std::uint8_t>(std::clamp(c.tm_hour, 0, 23));
    time.minute = static_cast<std::uint8_t>(std::clamp(c.tm_min, 0, 59));
    time.second = std::clamp(c.tm_sec, 0, 60);
    BirthMoment m(date, time, GeoAngle(), GeoAngle(), TimeZone, 1, 0, false);
    m.localToUniversal();
    return m;
}

BirthMoment BirthMoment::now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return atClock(local);
}

void BirthMoment::localToUniversal() {
    utDate = localDate;
    utTime = localTime;
    utDate.clampStored();
    utTime.clampStored();
    if (timeKind == TimeLMT)
        shiftBySeconds(utDate, utTime, -lmtOffsetSeconds(longitude));
    else if (timeKind == TimeZone)
        shiftByMinutes(utDate, utTime, -zoneOffsetMinutes(*this));
}

void BirthMoment::universalToLocal() {
    CalDate date = utDate;
    ClockTime time = utTime;
    date.clampStored();
    time.clampStored();
    if (timeKind == TimeLMT)
        shiftBySeconds(date, time, lmtOffsetSeconds(longitude));
    else if (timeKind == TimeZone)
        shiftByMinutes(date, time, zoneOffsetMinutes(*this));
    localDate = date;
    localTime = time;
}

double BirthMoment::julianDayUT() const {
    const double seconds = utTime.hour * 3600.0 + utTime.minute * 60.0 + utTime.second;
    return calendarToJulianDay(utDate.year, utDate.month, utDate.day, 0.0, utDate.isGregorian()) +
           seconds / SecondsPerDay;
}

void BirthMoment::clampStored() {
    utDate.clampStored();
    utTime.clampStored();
    longitude.clampStored(MaxLongitude);
    latitude.clampStored(MaxLatitude);
    if (timeKind > TimeZone)
        timeKind = TimeGMT;
    zoneHours = std::min<std::uint8_t>(zoneHours, 23);
    zoneMinutes = std::min<std::uint8_t>(zoneMinutes, 59);
    zoneWest = zoneWest ? 1 : 0;
    localDate.clampStored();
    localTime.clampStored();
    townTerminator = 0;
    if (sex > SexFemale)
        sex = SexNotSet;
}
