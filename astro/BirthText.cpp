#include "BirthText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "StringIds.h"
#include "StringTable.h"

static_assert(StrId::January + 11 == StrId::December && StrId::GMT + 1 == StrId::LMT,
              "month and clock names are read by offset");

namespace {


template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[128];
    const int n = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return std::string(buffer, n < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1));
}

bool isDateLetter(char c) {
    return std::string_view("yYSmMdDc").find(c) != std::string_view::npos;
}

unsigned yearAsWritten(int year) {
    return static_cast<unsigned>(year <= 0 ? 1 - year : year);
}

}  // namespace

std::string dateText(const CalDate& date, std::string_view fmt, const StringTable& strings) {
    std::string out;
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        char align = 0;
        char c = fmt[i];
        if ((c == '+' || c == '-') && i + 1 < fmt.size() && isDateLetter(fmt[i + 1])) {
            align = c;
            c = fmt[++i];
        }
        switch (c) {
        case 'y':
            out += format(align == '+' ? "%4u" : align == '-' ? "%-4u" : "%u", yearAsWritten(date.year));
            break;
        case 'Y':
            out += format("%04u", yearAsWritten(date.year));
            break;
        case 'S':
            if (date.year <= 0)
                out += strings[StrId::BcSuffix];
            break;
        case 'm': {
            const char* name = strings[StrId::January + std::clamp<int>(date.month, 1, 12) - 1];
            out += format(align == '+' ? "%10s" : align == '-' ? "%-10s" : "%s", name);
            break;
        }
        case 'M':
            out += format("%02u", static_cast<unsigned>(date.month));
            break;
        case 'd':
            out += format(align == '+' ? "%2u" : align == '-' ? "%-2u" : "%u", static_cast<unsigned>(date.day));
            break;
        case 'D':
            out += format("%02u", static_cast<unsigned>(date.day));
            break;
        case 'c':
            if (!date.isGregorian())
                out += 'J';
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string longDateText(const CalDate& date, const StringTable& strings) {
    return dateText(date, strings[LongDateFormatId], strings);
}

std::string compactDateText(const CalDate& date, const StringTable& strings) {
    return dateText(date, strings[CompactDateFormatId], strings);
}

std::string timeText(const ClockTime& time) {
    const double s = std::isfinite(time.second) ? std::clamp(std::floor(time.second), 0.0, 99.0) : 0.0;
    return format("%u:%02u:%02u", static_cast<unsigned>(time.hour), static_cast<unsigned>(time.minute),
                  static_cast<unsigned>(s));
}

std::string zoneText(const BirthMoment& moment, const StringTable& strings) {
    if (moment.timeKind == TimeZone)
        return format("%c%u:%02u", moment.zoneWest ? '-' : '+', static_cast<unsigned>(moment.zoneHours),
                      static_cast<unsigned>(moment.zoneMinutes));
    return strings[StrId::GMT + (moment.timeKind == TimeLMT ? 1 : 0)];
}

std::string momentText(const BirthMoment& moment, const StringTable& strings) {
    return longDateText(moment.localDate, strings) + "  " + timeText(moment.localTime) + " " +
           zoneText(moment, strings);
}

std::string universalMomentText(const BirthMoment& moment, const StringTable& strings) {
    return longDateText(moment.utDate, strings) + "  " + timeText(moment.utTime) + " " + strings[StrId::GMT];
}

std::string placeText(const BirthMoment& moment) {
    const GeoAngle& lon = moment.longitude;
    const GeoAngle& lat = moment.latitude;
    return format("Long %u\xB0%02u'%c  Lat %u\xB0%02u'%c", static_cast<unsigned>(lon.wholeDegrees()),
                  static_cast<unsigned>(lon.minutes), lon.isNegative() ? 'W' : 'E',
                  static_cast<unsigned>(lat.wholeDegrees()), static_cast<unsigned>(lat.minutes),
                  lat.isNegative() ? 'S' : 'N');
}

std::string BirthMoment::text(const StringTable& strings) const {
    return momentText(*this, strings);
}
