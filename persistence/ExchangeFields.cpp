#include "ExchangeFields.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Ephemeris.h"
#include "JulianMoment.h"

namespace {

constexpr int MinutesPerHour = 60;
constexpr double SecondsPerMinute = 60.0;
// Arc seconds are kept to the thousandth when decimal degrees are split.
constexpr double MilliArcSecondsPerDegree = 3600.0 * 1000.0;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// A whole number with an optional sign, the whole text.
std::optional<long> wholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Digits only, the whole text.
std::optional<long> digits(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return wholeNumber(text);
}

// A plain decimal number (digits, one optional point, an optional leading sign), the whole text.
std::optional<double> decimalNumber(std::string_view text, bool signAllowed) {
    std::string_view body = text;
    if (signAllowed && !body.empty() && (body.front() == '-' || body.front() == '+'))
        body.remove_prefix(1);
    if (body.empty() || body.size() > 40)
        return std::nullopt;
    bool point = false, digit = false;
    for (const char c : body) {
        if (c == '.' && !point)
            point = true;
        else if (std::isdigit(static_cast<unsigned char>(c)))
            digit = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    return std::strtod(std::string(text).c_str(), nullptr);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

GeoAngle angleFromMilliSeconds(long long milli, bool negative) {
    const long long seconds = milli / 1000;
    return GeoAngle(static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                    static_cast<double>(seconds % 60) + static_cast<double>(milli % 1000) / 1000.0, negative);
}

std::string twoDigits(long value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02ld", value);
    return text;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<CalDate> makeDate(long year, long month, long day, std::optional<bool> gregorian) {
    if (year < MinYear || year > MaxYear || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const bool greg = gregorian.value_or(isGregorianByDate(static_cast<int>(year), static_cast<int>(month),
                                                          static_cast<int>(day)));
    if (day > CalDate::monthLength(static_cast<int>(year), static_cast<int>(month), greg))
        return std::nullopt;
    return CalDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), greg);
}

std::optional<CalDate> parseDate(std::string_view text, std::optional<bool> gregorian) {
    text = trimBlanks(text);
    if (text.find('.') != std::string_view::npos) {
        const auto parts = split(text, '.');
        if (parts.size() != 3)
            return std::nullopt;
        const auto d = digits(trimBlanks(parts[0])), m = digits(trimBlanks(parts[1]));
        const auto y = wholeNumber(trimBlanks(parts[2]));
        if (!d || !m || !y)
            return std::nullopt;
        return makeDate(*y, *m, *d, gregorian);
    }
    // Year-month-day; a leading minus belongs to the year.
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const auto parts = split(text, '-');
    if (parts.size() != 3)
        return std::nullopt;
    const auto y = wholeNumber(parts[0]);
    const auto m = digits(parts[1]), d = digits(parts[2]);
    if (!y || !m || !d || parts[0].front() == '+' || parts[0].front() == '-')
        return std::nullopt;
    return makeDate(negative ? -*y : *y, *m, *d, gregorian);
}

std::optional<ClockTime> parseClockTime(std::string_view text) {
    text = trimBlanks(text);
    std::vector<std::string_view> parts = split(text, ':');
    if (parts.size() == 1)
        parts = split(text, '.');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const auto h = digits(parts[0]), m = digits(parts[1]);
    if (!h || !m || *h > 23 || *m > 59)
        return std::nullopt;
    ClockTime time;
    time.hour = static_cast<std::uint8_t>(*h);
    time.minute = static_cast<std::uint8_t>(*m);
    if (parts.size() == 3) {
        const auto s = decimalNumber(parts[2], false);
        if (!s || *s >= SecondsPerMinute)
            return std::nullopt;
        time.second = *s;
    }
    return time;
}

std::optional<GeoAngle> parseGeoAngle(std::string_view text, char positive, char negative, int maxDegrees) {
    text = trimBlanks(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = lower(text[i]);
        if (c != positive && c != negative)
            continue;
        const auto degrees = digits(text.substr(0, i));
        std::string_view rest = text.substr(i + 1);
        const auto colon = rest.find(':');
        const auto minutes = digits(rest.substr(0, colon));
        std::optional<double> seconds = 0.0;
        if (colon != std::string_view::npos)
            seconds = decimalNumber(rest.substr(colon + 1), false);
        if (!degrees || !minutes || !seconds || *minutes > 59 || *seconds >= SecondsPerMinute)
            return std::nullopt;
        const bool south = c == negative;
        const double value = static_cast<double>(*degrees) + static_cast<double>(*minutes) / 60.0 + *seconds / 3600.0;
        if (value > maxDegrees)
            return std::nullopt;
        return GeoAngle(static_cast<int>(*degrees), static_cast<int>(*minutes), *seconds, south && value > 0);
    }
    const auto value = decimalNumber(text, true);
    if (!value || std::fabs(*value) > maxDegrees)
        return std::nullopt;
    return angleFromMilliSeconds(std::llround(std::fabs(*value) * MilliArcSecondsPerDegree), *value < 0);
}

std::optional<double> parseJulianDay(std::string_view text) {
    const auto value = decimalNumber(trimBlanks(text), true);
    if (!value)
        return std::nullopt;
    const double first = calendarToJulianDay(MinYear, 1, 1, 0.0, false);
    const double last = calendarToJulianDay(MaxYear, 12, 31, 24.0, true);
    if (*value < first || *value >= last)
        return std::nullopt;
    return value;
}

std::optional<RecordZone> parseZone(std::string_view text) {
    text = trimBlanks(text);
    std::string folded;
    for (const char c : text)
        folded += lower(c);
    if (folded.empty() || folded == "*")
        return RecordZone{};
    if (folded == "gmt" || folded == "ut" || folded == "utc")
        return RecordZone{RecordClock::Greenwich, 0};
    if (folded == "lmt")
        return RecordZone{RecordClock::LocalMean, 0};
    // "+1:00", "-5:30", "+0100", "+1"
    if (folded[0] == '+' || folded[0] == '-') {
        const int sign = folded[0] == '-' ? -1 : 1;
        const std::string_view body = std::string_view(folded).substr(1);
        std::optional<long> h, m = 0;
        if (const auto colon = body.find(':'); colon != std::string_view::npos) {
            h = digits(body.substr(0, colon));
            m = digits(body.substr(colon + 1));
        } else if (body.size() == 4) {
            h = digits(body.substr(0, 2));
            m = digits(body.substr(2));
        } else {
            h = digits(body);
        }
        if (!h || !m || *h > 23 || *m > 59)
            return std::nullopt;
        return RecordZone{RecordClock::Zone, sign * static_cast<int>(*h * MinutesPerHour + *m)};
    }
    // "1he", "1he00", "8hw00"
    if (const auto h = folded.find('h'); h != std::string::npos && h + 1 < folded.size()) {
        const auto hours = digits(std::string_view(folded).substr(0, h));
        const char dir = folded[h + 1];
        const std::string_view tail = std::string_view(folded).substr(h + 2);
        const auto minutes = tail.empty() ? std::optional<long>(0) : digits(tail);
        if (!hours || !minutes || (dir != 'e' && dir != 'w') || *hours > 23 || *minutes > 59)
            return std::nullopt;
        const int east = static_cast<int>(*hours * MinutesPerHour + *minutes);
        return RecordZone{RecordClock::Zone, dir == 'w' ? -east : east};
    }
    // "0e21:48": a local mean time offset
    for (const char dir : {'e', 'w'}) {
        const auto at = folded.find(dir);
        if (at == std::string::npos)
            continue;
        const auto hours = digits(std::string_view(folded).substr(0, at));
        const auto rest = std::string_view(folded).substr(at + 1);
        const auto colon = rest.find(':');
        const auto minutes = digits(rest.substr(0, colon));
        const auto seconds = colon == std::string_view::npos ? std::optional<long>(0) : digits(rest.substr(colon + 1));
        if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59)
            return std::nullopt;
        return RecordZone{RecordClock::LocalMean, 0};
    }
    // A bare number of hours East, as some files write it ("1").
    if (const auto hours = wholeNumber(folded); hours && *hours >= -23 && *hours <= 23)
        return RecordZone{RecordClock::Zone, static_cast<int>(*hours) * MinutesPerHour};
    return std::nullopt;
}

std::string dayMonthYearText(const CalDate& date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." + std::to_string(date.year);
}

std::string isoDateText(const CalDate& date) {
    char text[24];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", date.year < 0 ? "-" : "", std::abs(int(date.year)),
                  int(date.month), int(date.day));
    return text;
}

std::string clockTimeText(const ClockTime& time) {
    const long total = std::lround(time.hour * 3600.0 + time.minute * SecondsPerMinute + time.second);
    // A reading of 23:59:59.6 stays in its day.
    const long clamped = std::min(total, 24L * 3600 - 1);
    std::string text = std::to_string(clamped / 3600) + ":" + twoDigits(clamped / 60 % 60);
    if (clamped % 60)
        text += ":" + twoDigits(clamped % 60);
    return text;
}

std::string geoAngleText(const GeoAngle& angle, char positive, char negative) {
    long seconds = std::lround((angle.wholeDegrees() * 60.0 + angle.minutes) * 60.0 + angle.seconds);
    std::string text = std::to_string(seconds / 3600) + (angle.isNegative() ? negative : positive) +
                       twoDigits(seconds / 60 % 60);
    if (seconds % 60)
        text += ":" + twoDigits(seconds % 60);
    return text;
}

std::string decimalAngleText(const GeoAngle& angle) {
    char text[32];
    std::snprintf(text, sizeof text, "%.8f", angle.decimal());
    return text;
}

std::string aafZoneText(int eastMinutes) {
    const int a = std::abs(eastMinutes);
    return std::to_string(a / MinutesPerHour) + "h" + (eastMinutes < 0 ? "w" : "e") + twoDigits(a % MinutesPerHour);
}

std::string offsetZoneText(int eastMinutes) {
    const int a = std::abs(eastMinutes);
    return std::string(eastMinutes < 0 ? "-" : "+") + std::to_string(a / MinutesPerHour) + ":" +
           twoDigits(a % MinutesPerHour);
}

int zoneEastMinutes(const BirthMoment& moment) {
    const int minutes = moment.zoneHours * MinutesPerHour + moment.zoneMinutes;
    return moment.zoneWest ? -minutes : minutes;
}
