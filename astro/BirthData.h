#pragma once
// The time and place of a birth. These records are stored byte for byte in horoscope files,
// so they are packed, little-endian, and every size and offset is checked below.
// Years are astronomical (0 is 1 B.C.) within -4999..5000. A geographic angle keeps its sign
// in the top bit of its 16-bit degrees, not in two's complement.
#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <type_traits>

class StringTable;

constexpr int MinYear = -4999;
constexpr int MaxYear = 5000;

// Kind of the entered clock time (`BirthMoment::timeKind`).
enum TimeKind : std::uint8_t {
    TimeGMT = 0,   // Greenwich (Universal) time
    TimeLMT = 1,   // local mean time of the longitude
    TimeZone = 2,  // zone time with the moment's zone offset
};

// Values of `BirthMoment::sex`.
enum Sex : std::uint8_t { SexNotSet = 0, SexMale = 1, SexFemale = 2 };

#pragma pack(push, 1)

// A calendar date in the Julian or Gregorian calendar.
struct CalDate {
    std::uint8_t gregorian = 0;  // 1 Gregorian, 0 Julian
    std::int16_t year = 0;       // astronomical
    std::uint8_t month = 0;      // 1..12
    std::uint8_t day = 0;        // 1..monthLength()

    CalDate() = default;
    // Clamps the year to MinYear..MaxYear, the month to 1..12 and the day to the month's
    // length; `*clamped` (when given) tells whether anything had to be clamped.
    CalDate(int year, int month, int day, bool gregorian, bool* clamped = nullptr);

    // Leap years: every fourth year (on the low two bits of the signed year, so 0 and -4 are
    // leap years); in the Gregorian calendar not the centuries that 400 does not divide.
    static bool isLeapYear(int year, bool gregorian);
    static int monthLength(int year, int month, bool gregorian);
    // Length of this date's month; a month outside 1..12 counts as the nearest valid one.
    int monthLength() const;

    // Steps by one unit. Month and year steps keep the day, clamped to the new month. A step
    // that would leave MinYear..MaxYear returns false and leaves the date unchanged.
    bool nextDay();
    bool previousDay();
    bool nextMonth();
    bool previousMonth();
    bool nextYear();
    bool previousYear();

    // year + (days of the common-year months before `month` + day - 1) / 365.25
    double decimalYear() const;

    bool isGregorian() const { return gregorian != 0; }
    // Makes a date read from outside safe to use: the flag becomes 0 or 1, and year, month
    // and day are clamped into range.
    void clampStored();
};

// A clock time; seconds carry the fraction.
struct ClockTime {
    std::uint8_t hour = 0;    // 0..23
    std::uint8_t minute = 0;  // 0..59
    double second = 0.0;      // 0 up to 60

    // Hour and minute into range; a second that is not a number in 0..60 becomes 0 or 60.
    void clampStored();
};

// A sexagesimal geographic angle; East longitude and North latitude are positive.
struct GeoAngle {
    static constexpr std::uint16_t SignBit = 0x8000;

    std::uint16_t degrees = 0;  // bits 0..14 whole degrees, bit 15 = West or South
    std::uint8_t minutes = 0;   // 0..59
    double seconds = 0.0;       // arc seconds

    GeoAngle() = default;
    GeoAngle(int wholeDegrees, int minutes, double seconds, bool negative);
    // Splits decimal degrees into degrees, minutes and seconds; the sign goes into bit 15.
    static GeoAngle fromDecimal(double value);

    int wholeDegrees() const { return degrees & 0x7FFF; }
    bool isNegative() const { return (degrees & SignBit) != 0; }
    // (degrees & 0x7FFF) + minutes/60 + seconds/3600, negated when bit 15 is set.
    double decimal() const;

    // Whole degrees to at most `maxDegrees` (the sign bit stays), minutes to 0..59, seconds
    // to a number in 0..60.
    void clampStored(int maxDegrees);
};

// The time and place of a chart. The UT pair is the master copy the chart is computed from;
// the local pair is what was entered and what is shown.
struct BirthMoment {
    static constexpr int MaxLongitude = 180;
    static constexpr int MaxLatitude = 89;
    static constexpr std::size_t TownSize = 30;
    static constexpr std::size_t EnteredTownLength = 29;

    CalDate utDate;
    ClockTime utTime;
    GeoAngle longitude;
    GeoAngle latitude;
    std::uint8_t timeKind = TimeGMT;  // TimeKind
    std::uint8_t zoneHours = 0;       // 0..23, meaningful for TimeZone
    std::uint8_t zoneMinutes = 0;     // 0..59
    std::uint8_t zoneWest = 0;        // 1 = West of Greenwich (clock behind UT)
    CalDate localDate;
    ClockTime localTime;
    // Zero-terminated unless a name from the town database fills all 30 bytes; the always-zero
    // byte after it keeps such a name terminated.
    std::array<char, TownSize> town{};
    std::uint8_t townTerminator = 0;
    std::uint8_t sex = SexNotSet;  // Sex

    BirthMoment() = default;
    // Puts the entered date and time into both the UT and the local slots. A longitude over
    // 180 or latitude over 89 whole degrees is clamped (sign kept); `*clamped` (when given)
    // tells whether that happened.
    BirthMoment(const CalDate& date, const ClockTime& time, const GeoAngle& longitude,
                const GeoAngle& latitude, std::uint8_t timeKind, std::uint8_t zoneHours,
                std::uint8_t zoneMinutes, bool zoneWest, bool* clamped = nullptr);

    // The moment of a computer clock reading in local time: Gregorian, whole seconds, position
    // zero, zone time 1:00 East, no town, sex not set, UT derived.
    static BirthMoment atClock(const std::tm& localClock);
    // atClock() of the computer clock now.
    static BirthMoment now();

    // Derives utDate/utTime from localDate/localTime according to the kind of clock time.
    void localToUniversal();
    // The exact reverse: derives localDate/localTime from the UT pair, which stays unchanged.
    void universalToLocal();
    // Julian day number in Universal Time, from the ephemeris library's calendar conversion.
    double julianDayUT() const;
    // The one-line text of the moment: local date, local time and zone (see BirthText.h).
    std::string text(const StringTable& strings) const;

    // Makes a moment read from outside safe to use: every field into its range, the town
    // terminated.
    void clampStored();
};

#pragma pack(pop)

static_assert(sizeof(CalDate) == 5);
static_assert(offsetof(CalDate, gregorian) == 0);
static_assert(offsetof(CalDate, year) == 1);
static_assert(offsetof(CalDate, month) == 3);
static_assert(offsetof(CalDate, day) == 4);

static_assert(sizeof(ClockTime) == 10);
static_assert(offsetof(ClockTime, hour) == 0);
static_assert(offsetof(ClockTime, minute) == 1);
static_assert(offsetof(ClockTime, second) == 2);

static_assert(sizeof(GeoAngle) == 11);
static_assert(offsetof(GeoAngle, degrees) == 0);
static_assert(offsetof(GeoAngle, minutes) == 2);
static_assert(offsetof(GeoAngle, seconds) == 3);

static_assert(std::is_trivially_copyable_v<BirthMoment>);
static_assert(sizeof(BirthMoment) == 88);
static_assert(offsetof(BirthMoment, utDate) == 0);
static_assert(offsetof(BirthMoment, utTime) == 5);
static_assert(offsetof(BirthMoment, longitude) == 15);
static_assert(offsetof(BirthMoment, latitude) == 26);
static_assert(offsetof(BirthMoment, timeKind) == 37);
static_assert(offsetof(BirthMoment, zoneHours) == 38);
static_assert(offsetof(BirthMoment, zoneMinutes) == 39);
static_assert(offsetof(BirthMoment, zoneWest) == 40);
static_assert(offsetof(BirthMoment, localDate) == 41);
static_assert(offsetof(BirthMoment, localTime) == 46);
static_assert(offsetof(BirthMoment, town) == 56);
static_assert(offsetof(BirthMoment, townTerminator) == 86);
static_assert(offsetof(BirthMoment, sex) == 87);

// The older horoscope layout stored only the UT date and time and the position.
constexpr std::size_t BirthMomentShortSize = offsetof(BirthMoment, timeKind);
static_assert(BirthMomentShortSize == 37);
