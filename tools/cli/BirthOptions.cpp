#include "BirthOptions.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "BirthEntry.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "FixedText.h"
#include "StringIds.h"
#include "StringTable.h"

namespace {


// Reads an unsigned decimal number from the front of `s`, capped far above any valid field so
// that an absurd value still fails its check instead of overflowing.
std::optional<long> takeNumber(std::string_view& s) {
    std::size_t n = 0;
    while (n < s.size() && s[n] >= '0' && s[n] <= '9')
        ++n;
    if (n == 0)
        return std::nullopt;
    long value = 0;
    for (std::size_t i = 0; i < n; ++i)
        value = std::min(value * 10 + (s[i] - '0'), 10'000'000L);
    s.remove_prefix(n);
    return value;
}

bool take(std::string_view& s, char c) {
    if (s.empty() || s.front() != c)
        return false;
    s.remove_prefix(1);
    return true;
}

}  // namespace

std::string yearRangeNote() {
    return " (years " + std::to_string(MinYear) + " to " + std::to_string(MaxYear) + ")";
}

// "Y-M-D" with an optional sign on the year.
bool parseDate(std::string_view s, long& year, long& month, long& day) {
    const bool negative = take(s, '-');
    if (!negative)
        take(s, '+');
    const auto y = takeNumber(s);
    if (!y || !take(s, '-'))
        return false;
    const auto m = takeNumber(s);
    if (!m || !take(s, '-'))
        return false;
    const auto d = takeNumber(s);
    if (!d || !s.empty())
        return false;
    year = negative ? -*y : *y;
    month = *m;
    day = *d;
    return true;
}

// "H:M" or "H:M:S" with whole seconds.
bool parseTime(std::string_view s, long& hour, long& minute, long& second) {
    const auto h = takeNumber(s);
    if (!h || !take(s, ':'))
        return false;
    const auto m = takeNumber(s);
    if (!m)
        return false;
    std::optional<long> sec = 0L;
    if (take(s, ':'))
        sec = takeNumber(s);
    if (!sec || !s.empty())
        return false;
    hour = *h;
    minute = *m;
    second = *sec;
    return true;
}

namespace {

// "+H:MM" (East) or "-H:MM" (West); the minutes may be left out.
bool parseZone(std::string_view s, bool& west, long& hours, long& minutes) {
    if (take(s, '-'))
        west = true;
    else if (take(s, '+'))
        west = false;
    else
        return false;
    const auto h = takeNumber(s);
    if (!h)
        return false;
    std::optional<long> m = 0L;
    if (take(s, ':'))
        m = takeNumber(s);
    if (!m || !s.empty())
        return false;
    hours = *h;
    minutes = *m;
    return true;
}

bool parseDegrees(const std::string& s, double& value) {
    const char* begin = s.data() + (s.size() > 1 && s[0] == '+' && s[1] != '-' ? 1 : 0);
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(begin, end, value, std::chars_format::fixed);
    return r.ec == std::errc() && r.ptr == end && std::isfinite(value);
}

int usage(const std::string& message) {
    return cliError(CliUsage, message);
}

// A text option in the program's code page, refused when longer than the dialog takes.
bool textOption(const CliArgs& args, const std::string& name, std::size_t maxLength, std::optional<std::string>& out,
                int& code) {
    const auto v = args.value(name);
    if (!v)
        return true;
    std::string text = utf8ToCp1250(*v);
    if (text.size() > maxLength) {
        code = cliError(CliFailure, "--" + name + " is longer than " + std::to_string(maxLength) + " characters");
        return false;
    }
    out = std::move(text);
    return true;
}

}  // namespace

const std::set<std::string>& birthDataOptions() {
    static const std::set<std::string> names = {"name", "type", "sex", "date", "calendar",
                                                "time", "clock", "zone", "lon", "lat", "town"};
    return names;
}

bool hasBirthData(const CliArgs& args) {
    for (const std::string& name : birthDataOptions())
        if (args.has(name))
            return true;
    return false;
}

int radixFromOptions(const CliArgs& args, const StringTable& strings, RadixData& radix) {
    const std::string clock = args.value("clock").value_or("zone");
    std::uint8_t timeKind = TimeZone;
    if (clock == "gmt")
        timeKind = TimeGMT;
    else if (clock == "lmt")
        timeKind = TimeLMT;
    else if (clock != "zone")
        return usage("--clock must be gmt, lmt or zone, not '" + clock + "'");
    // A town (--town, applied afterwards by applyTownOption) brings the position and the zone.
    const bool town = args.has("town");
    for (const char* required : {"date", "time", "lon", "lat"})
        if (!args.has(required) && !(town && (required == std::string_view("lon") || required == std::string_view("lat"))))
            return usage(std::string("missing --") + required);
    if (timeKind == TimeZone && !args.has("zone") && !town)
        return usage("missing --zone (needed with --clock zone)");

    const std::string calendar = args.value("calendar").value_or("gregorian");
    if (calendar != "gregorian" && calendar != "julian")
        return usage("--calendar must be gregorian or julian, not '" + calendar + "'");
    std::uint8_t sex = SexNotSet;
    if (const auto s = args.value("sex")) {
        if (*s == "male")
            sex = SexMale;
        else if (*s == "female")
            sex = SexFemale;
        else
            return usage("--sex must be male or female, not '" + *s + "'");
    }

    long year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, zoneHours = 0, zoneMinutes = 0;
    bool west = false;
    if (!parseDate(*args.value("date"), year, month, day))
        return usage("--date must be Y-M-D, for example 1984-3-15 or -99-3-1, not '" + *args.value("date") + "'");
    if (!parseTime(*args.value("time"), hour, minute, second))
        return usage("--time must be H:M or H:M:S, not '" + *args.value("time") + "'");
    if (const auto z = args.value("zone"); z && !parseZone(*z, west, zoneHours, zoneMinutes))
        return usage("--zone must be +H:MM (East) or -H:MM (West), not '" + *z + "'");
    double lon = 0, lat = 0;
    if (const auto v = args.value("lon"); v && !parseDegrees(*v, lon))
        return usage("--lon must be decimal degrees, East positive, not '" + *v + "'");
    if (const auto v = args.value("lat"); v && !parseDegrees(*v, lat))
        return usage("--lat must be decimal degrees, North positive, not '" + *v + "'");

    std::optional<std::string> name, type;
    int code = CliOk;
    if (!textOption(args, "name", RadixData::EnteredNameLength, name, code) ||
        !textOption(args, "type", RadixData::EnteredHorTypeLength, type, code))
        return code;

    BirthEntry entry;
    entry.setAstronomicalYear(static_cast<int>(year));
    entry.month = static_cast<int>(month);
    entry.day = static_cast<int>(day);
    entry.gregorian = calendar == "gregorian";
    entry.hour = static_cast<int>(hour);
    entry.minute = static_cast<int>(minute);
    entry.second = static_cast<int>(second);
    entry.timeKind = timeKind;
    entry.zoneLetter = west ? 'W' : 'E';
    entry.zoneHours = static_cast<int>(zoneHours);
    entry.zoneMinutes = static_cast<int>(zoneMinutes);
    entry.setLongitude(lon);
    entry.setLatitude(lat);

    BirthMoment moment;
    moment.sex = sex;
    if (const int message = checkBirthEntry(entry, moment); message != EntryValid)
        return cliError(CliFailure, cp1250ToUtf8(strings[message]));
    moment.localToUniversal();

    radix.moment = moment;
    const std::string nameText = name.value_or("");
    setFixedText(radix.name, nameText.empty() ? std::string(strings[StrId::NoName]) : nameText);
    const std::string typeText = type.value_or(strings[StrId::TypeRadix]);
    setFixedText(radix.horType, typeText.empty() ? std::string(strings[StrId::NoType]) : typeText);
    radix.notes = {};
    return CliOk;
}
