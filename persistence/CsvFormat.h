#pragma once
// Charts in CSV files: a header row names the columns, one chart per row after it. Columns are
// found by their names (letter case, blanks, "_" and "-" aside; unknown columns are ignored):
//   name, first name        the person ("Name, First name" when both are given)
//   type                    horoscope type (default "radix")
//   sex                     m, male, f, female
//   date                    1970-09-27 (year-month-day, astronomical year) or 27.9.1970
//   calendar                gregorian or julian (default: Julian before 15 October 1582)
//   time                    11:04, 11:04:30
//   zone (or clock)         +1:00, -5:30, GMT, UT, LMT, or the AAF forms 1he00, 8hw00
//   summer (or dst)         0 or 1: one hour of summer time on top of the zone
//   latitude, longitude     47.4979, -122.4194 (decimal degrees, North and East positive) or
//                           47n29:55, 122w25 (lat, long, lon also accepted)
//   town (or place), country  the birthplace, looked up in the atlas when there are no
//                           coordinates
//   jd                      the Julian day in UT; when it disagrees with the civil time by
//                           more than a minute, it decides
//   notes                   free text; line breaks inside a quoted field are kept
// The separator is the comma, or the semicolon or tab when the header row holds more of those.
// Fields may be quoted with '"' ('""' for a quote inside). A row needs date and time (or jd).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AafFormat.h"

// Reads the records of a CSV file. False, with nothing handed to the sink, when the file has no
// header row naming the date and the time (or the Julian day).
bool readCsv(std::string_view bytes, const ExchangeSink& sink);

// The header row the writer puts first, and one chart as a row (UTF-8, ending in LF).
std::string csvHeader();
std::string csvRow(const RadixData& radix);

// Reads CSV text row by row at `separator`; each row with the line it starts on. `cutShort` tells
// that the text ends inside a quoted field. Rows are read one at a time, so a large file takes no
// more memory than its bytes.
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
    bool cutShort = false;
};
class CsvRows {
public:
    CsvRows(std::string_view text, char separator) : m_text(text), m_separator(separator) {}
    // The next row into `row`; false at the end of the text.
    bool next(CsvRow& row);

private:
    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
    int m_line = 1;
};
