#pragma once
// The birth-data options shared by the chart commands, turned into the personal part of a
// chart and checked exactly as the personal data dialog checks an entry:
//   --name TEXT --type TEXT --sex male|female --date Y-M-D (astronomical year)
//   --calendar gregorian|julian --time H:M[:S] --clock gmt|lmt|zone --zone +H:MM|-H:MM
//   --lon DEG --lat DEG (signed decimal degrees, East and North positive)
//   --town NAME instead of --lon and --lat, and then --zone is not needed either: applied to
//   the chart by applyTownOption (TownOption.h) after radixFromOptions.
#include <set>
#include <string>
#include <string_view>

#include "CliArgs.h"
#include "RadixData.h"
#include "TownOption.h"

class StringTable;

// The valued options above, to be merged into a command's own.
const std::set<std::string>& birthDataOptions();
// Whether any of them was given.
bool hasBirthData(const CliArgs& args);

// Fills the personal part of `radix` from the options: the entered local time with its UT
// pair derived, texts in the program's code page. Returns CliOk, or prints the reason and
// returns CliUsage (malformed or missing option) or CliFailure (a failing entry check,
// reported with the message of the personal data dialog).
int radixFromOptions(const CliArgs& args, const StringTable& strings, RadixData& radix);

// The forms of --date ("Y-M-D", astronomical year with an optional sign) and --time ("H:M" or
// "H:M:S"); false when the text has another form. The values are not range-checked.
bool parseDate(std::string_view s, long& year, long& month, long& day);
bool parseTime(std::string_view s, long& hour, long& minute, long& second);
// " (years -4999 to 5000)": told after a date the program cannot hold, so that a year past the
// range is not taken for a mistyped date.
std::string yearRangeNote();
