#pragma once
// The field forms that chart exchange files (AAF, CSV) share, read into the chart's records.
// Each parser takes the field without surrounding blanks and gives nothing when the text has
// another form or a value out of range.
#include <optional>
#include <string>
#include <string_view>

#include "BirthData.h"
#include "ExchangeRecord.h"

// Blanks (space, tab, CR, LF, FF, VT) off both ends.
std::string_view trimBlanks(std::string_view text);

// A date from its parts; nullopt outside -4999..5000 or not a day of that month. Without a
// calendar given, dates before 15 October 1582 are Julian.
std::optional<CalDate> makeDate(long year, long month, long day, std::optional<bool> gregorian);
// "27.9.1970" (day.month.year, as AAF writes it) or "1970-09-27" (year-month-day, ISO); the
// year astronomical, with an optional sign.
std::optional<CalDate> parseDate(std::string_view text, std::optional<bool> gregorian);
// "11:04", "11:04:30", "11:04:30.25"; "11.04" is read as "11:04".
std::optional<ClockTime> parseClockTime(std::string_view text);

// A geographic angle in the exchange form "47n29", "47n29:55", "19e03:30.5" (degrees, the
// direction letter, minutes and optional seconds; letter case aside), or signed decimal degrees
// ("-122.4194", East and North positive). `positive`/`negative` are the letters ('n','s' or
// 'e','w'); more than `maxDegrees` is refused.
std::optional<GeoAngle> parseGeoAngle(std::string_view text, char positive, char negative, int maxDegrees);

// A Julian day in UT within the years the program computes.
std::optional<double> parseJulianDay(std::string_view text);

struct RecordZone {
    RecordClock clock = RecordClock::Unknown;
    int minutes = 0;  // East positive, for RecordClock::Zone
};
// A zone as exchange files write it: "1he", "1hE00", "8hw00", "5hw30" (hours, "h", East or
// West, minutes), a local mean time offset "0e21:48" (read as local mean time), "+1:00",
// "-5:30", "+0100", "GMT", "UT", "UTC", "LMT"; "*" and empty for not given. Offsets up to 23:59.
std::optional<RecordZone> parseZone(std::string_view text);

// Texts of the exchange forms, as the writers put them.
std::string dayMonthYearText(const CalDate& date);
std::string isoDateText(const CalDate& date);
// "11:04" or "11:04:30": seconds rounded to whole ones, written when not zero.
std::string clockTimeText(const ClockTime& time);
// "47n29" or "47n29:55", seconds rounded to whole ones.
std::string geoAngleText(const GeoAngle& angle, char positive, char negative);
// Signed decimal degrees to 8 places.
std::string decimalAngleText(const GeoAngle& angle);
// A moment's zone as "1he00" / "8hw00", zone time only.
std::string aafZoneText(int eastMinutes);
// "+1:00" / "-8:00".
std::string offsetZoneText(int eastMinutes);
// The offset of a moment's zone, East positive.
int zoneEastMinutes(const BirthMoment& moment);
