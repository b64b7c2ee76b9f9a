#pragma once
// One chart of an exchange file (AAF or CSV) as the file gives it, and its road to the personal
// part of a chart: the place from the record or from the atlas, the clock the record names,
// the Julian day when it disagrees with the civil time. Texts are Windows-1250.
#include <optional>
#include <string>
#include <vector>

#include "BirthData.h"
#include "RadixData.h"

class StringTable;
struct TownDatabase;

// The clock a record's time was read on.
enum class RecordClock {
    Unknown,    // not given: the atlas's zone for the place, else the Julian day tells
    Greenwich,  // Universal Time
    LocalMean,  // local mean time of the longitude
    Zone,       // zone time: `zoneMinutes` East of Greenwich, summer time included
};

struct ExchangeRecord {
    int line = 0;  // the file's line the record starts on, from 1
    std::string name;
    std::string horType;  // empty: the default type
    std::uint8_t sex = SexNotSet;
    std::optional<CalDate> date;  // the entered date; its calendar as the record or the date says
    std::optional<ClockTime> time;
    RecordClock clock = RecordClock::Unknown;
    int zoneMinutes = 0;
    std::optional<GeoAngle> latitude, longitude;
    std::string place, country;
    std::optional<double> julianDay;  // in UT
    std::string notes;                // lines joined by CR LF, as the chart keeps them
};

// Why a record was refused, or what was changed in one that was written.
enum class RecordIssueKind {
    // Refusals.
    OutsideRecord,   // a record's line before any record begins
    CutShort,        // the line ends before the record does
    NoDate,          // neither a date nor a Julian day
    BadDate,         // a date that is not one
    NoTime,          // neither a time nor a Julian day
    BadTime,
    BadZone,
    BadSummerTime,
    BadLatitude,
    BadLongitude,
    BadJulianDay,
    NoPlace,         // neither coordinates nor a place to look up
    UnknownPlace,    // no town of the atlas has that name
    AmbiguousPlace,  // several towns have it
    NoZone,          // no clock given and none known for the place
    // Notices on records that were written.
    JulianDayUsed,  // the Julian day and the civil time disagree: the moment is the Julian day's
    Shortened,      // a name, town or notes longer than a chart holds
};

bool isRefusal(RecordIssueKind kind);

struct RecordIssue {
    int line = 0;
    RecordIssueKind kind = RecordIssueKind::CutShort;
    std::string detail;  // the text at fault, or the number the notice gives (Windows-1250)
};

// The text of an issue for the report: "line 12: <reason>: <detail>", in the table's language.
std::string recordIssueText(const RecordIssue& issue, const StringTable& strings);

// Fields are longer than this are cut when read, so a damaged file cannot fill the memory.
constexpr std::size_t MaxExchangeFieldLength = 4096;

struct ChartFromRecord {
    std::optional<RecordIssue> refusal;  // set when no chart could be made
    std::vector<RecordIssue> notices;
};

// Makes the personal part of `radix` (name, type, moment, notes) from `record`. The position is
// the record's; without one, the place is looked up in `atlas` (when given): the town whose name
// is the place, within the country when one is given, and only when exactly one town fits. The
// clock is the record's; without one, the atlas's zone rule for the place at that date, or the
// offset between the civil time and the Julian day. A record whose Julian day and civil time
// are more than a minute apart takes the Julian day's moment, shown on the record's clock.
ChartFromRecord chartFromRecord(const ExchangeRecord& record, const TownDatabase* atlas, const StringTable& strings,
                                RadixData& radix);

// The date and time in UT of a Julian day, in the Gregorian calendar from 15 October 1582 and
// in the Julian calendar before; the time to the nearest millisecond.
void julianDayToUniversal(double jd, CalDate& date, ClockTime& time);
