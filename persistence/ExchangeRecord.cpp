#include "ExchangeRecord.h"

#include <cmath>

#include "ApplyTown.h"
#include "Ephemeris.h"
#include "ExchangeFields.h"
#include "FixedText.h"
#include "FoldTable.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TownDatabase.h"
#include "TownList.h"

namespace {

constexpr double MinutesPerDay = 1440.0;
constexpr long long MillisecondsPerDay = 86400000LL;
// Civil time and Julian day may differ by this much before the Julian day decides.
constexpr double JulianDayTolerance = 1.0;  // minutes
constexpr int MaxZoneMinutes = 24 * 60 - 1;
// The first day of the Gregorian calendar, 15 October 1582, as a Julian day number.
constexpr long long GregorianReformDay = 2299161;
// Days of 400 Julian years: shifting by it keeps the Julian calendar's dates.
constexpr long long JulianFourCenturies = 146100;

int reasonId(RecordIssueKind kind) {
    switch (kind) {
    case RecordIssueKind::OutsideRecord: return StrId::RecordOutsideRecord;
    case RecordIssueKind::CutShort: return StrId::RecordCutShort;
    case RecordIssueKind::NoDate: return StrId::RecordNoDate;
    case RecordIssueKind::BadDate: return StrId::RecordBadDate;
    case RecordIssueKind::NoTime: return StrId::RecordNoTime;
    case RecordIssueKind::BadTime: return StrId::RecordBadTime;
    case RecordIssueKind::BadZone: return StrId::RecordBadZone;
    case RecordIssueKind::BadSummerTime: return StrId::RecordBadSummerTime;
    case RecordIssueKind::BadLatitude: return StrId::RecordBadLatitude;
    case RecordIssueKind::BadLongitude: return StrId::RecordBadLongitude;
    case RecordIssueKind::BadJulianDay: return StrId::RecordBadJulianDay;
    case RecordIssueKind::NoPlace: return StrId::RecordNoPlace;
    case RecordIssueKind::UnknownPlace: return StrId::RecordUnknownPlace;
    case RecordIssueKind::AmbiguousPlace: return StrId::RecordAmbiguousPlace;
    case RecordIssueKind::NoZone: return StrId::RecordNoZone;
    case RecordIssueKind::JulianDayUsed: return StrId::RecordJulianDayUsed;
    case RecordIssueKind::Shortened: return StrId::RecordShortened;
    }
    return StrId::RecordCutShort;
}

// Country codes of the international vehicle registration, which AAF files use, for the
// countries most often met; other codes and full names are compared as they are.
struct CountryCode {
    const char* code;
    const char* name;
};
constexpr CountryCode CountryCodes[] = {
    {"A", "Austria"},        {"AUS", "Australia"},      {"B", "Belgium"},        {"BG", "Bulgaria"},
    {"BR", "Brazil"},        {"CDN", "Canada"},         {"CH", "Switzerland"},   {"CZ", "Czechia"},
    {"D", "Germany"},        {"DK", "Denmark"},         {"E", "Spain"},          {"F", "France"},
    {"FIN", "Finland"},      {"GB", "United Kingdom"},  {"GR", "Greece"},        {"H", "Hungary"},
    {"HR", "Croatia"},       {"I", "Italy"},            {"IL", "Israel"},        {"IND", "India"},
    {"IRL", "Ireland"},      {"J", "Japan"},            {"L", "Luxembourg"},     {"MEX", "Mexico"},
    {"N", "Norway"},         {"NL", "Netherlands"},     {"NZ", "New Zealand"},   {"P", "Portugal"},
    {"PL", "Poland"},        {"RA", "Argentina"},       {"RO", "Romania"},       {"RUS", "Russia"},
    {"S", "Sweden"},         {"SK", "Slovakia"},        {"SLO", "Slovenia"},     {"SRB", "Serbia"},
    {"TR", "Turkey"},        {"UA", "Ukraine"},         {"UK", "United Kingdom"}, {"US", "United States"},
    {"USA", "United States"}, {"ZA", "South Africa"},
};

std::string countryName(std::string_view country) {
    const std::string folded = foldText(country);
    for (const CountryCode& c : CountryCodes)
        if (folded == c.code)
            return foldText(c.name);
    return folded;
}

// The last part of a listed name, its country ("Hungary" of "Budapest, Hungary").
std::string_view countryPart(std::string_view name) {
    const auto comma = name.rfind(',');
    return comma == std::string_view::npos ? std::string_view() : trimBlanks(name.substr(comma + 1));
}

struct AtlasPlace {
    const TownRecord* town = nullptr;
    int matches = 0;
};

// The towns whose own or other name is the place, within the country when one is given.
AtlasPlace placeInAtlas(const TownDatabase& db, std::string_view place, std::string_view country) {
    AtlasPlace found;
    place = trimBlanks(place);
    country = trimBlanks(country);
    // A place written as the atlas writes it: "Budapest, Hungary".
    if (const auto comma = place.find(','); comma != std::string_view::npos) {
        if (country.empty())
            country = countryPart(place);
        place = trimBlanks(place.substr(0, comma));
    }
    const std::string wanted = foldText(place);
    const std::string wantedCountry = country.empty() ? std::string() : countryName(country);
    if (wanted.empty())
        return found;
    for (const TownListItem& item : FillTownList(db, wanted, nullptr).items) {
        const std::string name(townName(*item.town));
        const bool named = foldText(trimBlanks(townPart(name))) == wanted ||
                           (!item.alias.empty() && foldText(trimBlanks(townPart(item.alias))) == wanted);
        if (!named)
            continue;
        if (!wantedCountry.empty() && foldText(countryPart(listedTownName(db, *item.town))) != wantedCountry &&
            foldText(countryPart(name)) != wantedCountry)
            continue;
        if (++found.matches == 1)
            found.town = item.town;
    }
    return found;
}

// Stores `text` in a field of a chart, telling whether it had to be cut.
template <std::size_t N>
bool storeText(std::array<char, N>& field, std::string_view text, std::size_t maxLength) {
    setFixedText(field, text, maxLength);
    return text.size() > maxLength;
}

std::string minutesText(double minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.0f", minutes);
    return text;
}

void setZone(BirthMoment& m, int eastMinutes) {
    m.timeKind = TimeZone;
    const int a = std::abs(eastMinutes);
    m.zoneHours = static_cast<std::uint8_t>(a / 60);
    m.zoneMinutes = static_cast<std::uint8_t>(a % 60);
    m.zoneWest = eastMinutes < 0 ? 1 : 0;
}

}  // namespace

bool isRefusal(RecordIssueKind kind) {
    return kind != RecordIssueKind::JulianDayUsed && kind != RecordIssueKind::Shortened;
}

std::string recordIssueText(const RecordIssue& issue, const StringTable& strings) {
    const std::string reason = fillPlaceholders(strings[reasonId(issue.kind)], {issue.detail});
    return fillPlaceholders(strings[StrId::ExchangeLineIssue], {std::to_string(issue.line), reason});
}

void julianDayToUniversal(double jd, CalDate& date, ClockTime& time) {
    const long long total = std::llround((jd + 0.5) * static_cast<double>(MillisecondsPerDay));
    long long z = total / MillisecondsPerDay;
    long long ms = total % MillisecondsPerDay;
    if (ms < 0) {
        ms += MillisecondsPerDay;
        --z;
    }
    // The algorithm of Meeus needs a day number that is not negative: earlier Julian-calendar
    // days are moved by whole 400-year periods and the years moved back.
    long long shiftYears = 0;
    while (z < 0) {
        z += JulianFourCenturies;
        shiftYears += 400;
    }
    long long a = z;
    const bool gregorian = z >= GregorianReformDay;
    if (gregorian) {
        const long long alpha = static_cast<long long>((static_cast<double>(z) - 1867216.25) / 36524.25);
        a = z + 1 + alpha - alpha / 4;
    }
    const long long b = a + 1524;
    const auto c = static_cast<long long>((static_cast<double>(b) - 122.1) / 365.25);
    const auto d = static_cast<long long>(365.25 * static_cast<double>(c));
    const auto e = static_cast<long long>(static_cast<double>(b - d) / 30.6001);
    const long long day = b - d - static_cast<long long>(30.6001 * static_cast<double>(e));
    const long long month = e < 14 ? e - 1 : e - 13;
    const long long year = (month > 2 ? c - 4716 : c - 4715) - shiftYears;
    date = CalDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), gregorian);
    time.hour = static_cast<std::uint8_t>(ms / 3600000);
    time.minute = static_cast<std::uint8_t>(ms / 60000 % 60);
    time.second = static_cast<double>(ms % 60000) / 1000.0;
}

ChartFromRecord chartFromRecord(const ExchangeRecord& record, const TownDatabase* atlas, const StringTable& strings,
                                RadixData& radix) {
    ChartFromRecord out;
    const auto refuse = [&](RecordIssueKind kind, std::string detail = {}) {
        out.refusal = RecordIssue{record.line, kind, std::move(detail)};
        return out;
    };
    if (!record.date && !record.julianDay)
        return refuse(RecordIssueKind::NoDate);
    if (!record.time && !record.julianDay)
        return refuse(RecordIssueKind::NoTime);
    const bool civil = record.date && record.time;

    const TownRecord* town = nullptr;
    const bool positioned = record.latitude && record.longitude;
    if (!positioned || record.clock == RecordClock::Unknown) {
        const AtlasPlace found = atlas ? placeInAtlas(*atlas, record.place, record.country) : AtlasPlace{};
        if (found.matches == 1)
            town = found.town;
        else if (!positioned && record.place.empty())
            return refuse(RecordIssueKind::NoPlace);
        else if (!positioned)
            return refuse(found.matches ? RecordIssueKind::AmbiguousPlace : RecordIssueKind::UnknownPlace,
                          record.place);
    }

    BirthMoment m;
    if (civil) {
        m.localDate = *record.date;
        m.localTime = *record.time;
    } else {
        julianDayToUniversal(*record.julianDay, m.localDate, m.localTime);
    }
    m.utDate = m.localDate;
    m.utTime = m.localTime;
    bool shortened = false;
    if (town) {
        // The atlas's name and position; its zone when the record names no clock.
        ApplyTown(*atlas, *town, m, record.clock == RecordClock::Unknown ? ApplyZoneAlways : ApplyNoZone);
    } else {
        std::string place(trimBlanks(record.place));
        if (const std::string_view country = trimBlanks(record.country); !country.empty())
            place += (place.empty() ? "" : ", ") + std::string(country);
        shortened |= storeText(m.town, place, BirthMoment::TownSize);
    }
    if (positioned) {
        m.latitude = *record.latitude;
        m.longitude = *record.longitude;
    }
    switch (record.clock) {
    case RecordClock::Greenwich: m.timeKind = TimeGMT; break;
    case RecordClock::LocalMean: m.timeKind = TimeLMT; break;
    case RecordClock::Zone: setZone(m, record.zoneMinutes); break;
    case RecordClock::Unknown:
        if (town && isValidZone(*atlas, town->zone))
            break;
        if (!civil || !record.julianDay)
            return refuse(RecordIssueKind::NoZone);
        {
            // The civil time's offset from the Julian day's UT, to the minute.
            const double local = calendarToJulianDay(m.localDate.year, m.localDate.month, m.localDate.day,
                                                     m.localTime.hour + m.localTime.minute / 60.0 +
                                                         m.localTime.second / 3600.0,
                                                     m.localDate.isGregorian());
            const long offset = std::lround((local - *record.julianDay) * MinutesPerDay);
            if (std::abs(offset) > MaxZoneMinutes)
                return refuse(RecordIssueKind::NoZone);
            setZone(m, static_cast<int>(offset));
        }
        break;
    }
    m.sex = record.sex;
    m.localToUniversal();
    if (record.julianDay) {
        const double difference = (m.julianDayUT() - *record.julianDay) * MinutesPerDay;
        if (!civil || std::fabs(difference) > JulianDayTolerance) {
            julianDayToUniversal(*record.julianDay, m.utDate, m.utTime);
            m.universalToLocal();
            if (civil)
                out.notices.push_back({record.line, RecordIssueKind::JulianDayUsed, minutesText(difference)});
        }
    }

    radix = RadixData{};
    const std::string_view name = trimBlanks(record.name);
    shortened |= storeText(radix.name, name.empty() ? std::string_view(strings[StrId::NoName]) : name,
                           RadixData::EnteredNameLength);
    const std::string_view type = trimBlanks(record.horType);
    shortened |= storeText(radix.horType, type.empty() ? std::string_view(strings[StrId::TypeRadix]) : type,
                           RadixData::EnteredHorTypeLength);
    std::size_t notesLength = std::min(record.notes.size(), RadixData::EnteredNotesLength);
    // A line break is not cut in half.
    if (notesLength > 0 && notesLength < record.notes.size() && record.notes[notesLength - 1] == '\r')
        --notesLength;
    shortened |= notesLength < record.notes.size();
    setFixedText(radix.notes, std::string_view(record.notes).substr(0, notesLength), RadixData::EnteredNotesLength);
    radix.moment = m;
    if (shortened)
        out.notices.push_back({record.line, RecordIssueKind::Shortened, {}});
    return out;
}
