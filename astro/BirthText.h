#pragma once
// The short text forms of dates, times, zones, moments and places, as the chart windows, the
// print header and the horoscope browser show them. Every result is Windows-1250 text in the
// language of the given string table.
#include <string>
#include <string_view>

#include "BirthData.h"
#include "StringIds.h"

class StringTable;

// String ids of the date templates.
constexpr int LongDateFormatId = StrId::LongDateFormat;
constexpr int CompactDateFormatId = StrId::CompactDateFormat;

// Expands a date template letter by letter: y year as written (astronomical years <= 0 as
// 1 - year), Y the same with four digits, S the "BC" suffix for years <= 0, m month name,
// M month number with two digits, d day, D day with two digits, c "J" for a Julian date.
// A "+" or "-" directly before a letter right- or left-aligns that item; other characters
// are copied.
std::string dateText(const CalDate& date, std::string_view format, const StringTable& strings);
std::string longDateText(const CalDate& date, const StringTable& strings);
std::string compactDateText(const CalDate& date, const StringTable& strings);

// "h:mm:ss" with whole seconds.
std::string timeText(const ClockTime& time);

// "+h:mm" or "-h:mm" (West) for zone time, otherwise "GMT" or "LMT".
std::string zoneText(const BirthMoment& moment, const StringTable& strings);

// "<long local date>  <local time> <zone>"; the same as BirthMoment::text.
std::string momentText(const BirthMoment& moment, const StringTable& strings);
// The same line for the Universal Time pair, with "GMT" as the zone.
std::string universalMomentText(const BirthMoment& moment, const StringTable& strings);

// "Long 19°02'E  Lat 47°30'N" (the degree sign as Windows-1250 byte 0xB0).
std::string placeText(const BirthMoment& moment);
