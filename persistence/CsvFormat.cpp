#include "CsvFormat.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "CodePage.h"
#include "ExchangeFields.h"
#include "ExchangeText.h"
#include "FixedText.h"

namespace {

enum Column { Name, FirstName, Type, SexColumn, Date, Calendar, Time, Zone, Summer, Latitude, Longitude, Town,
              Country, JulianDay, Notes, ColumnCount };

struct ColumnName {
    const char* name;
    Column column;
};
constexpr ColumnName ColumnNames[] = {
    {"name", Name},         {"firstname", FirstName}, {"type", Type},           {"sex", SexColumn},
    {"date", Date},         {"calendar", Calendar},   {"time", Time},           {"zone", Zone},
    {"clock", Zone},        {"summer", Summer},       {"summertime", Summer},   {"dst", Summer},
    {"latitude", Latitude}, {"lat", Latitude},        {"longitude", Longitude}, {"long", Longitude},
    {"lon", Longitude},     {"town", Town},           {"place", Town},          {"country", Country},
    {"jd", JulianDay},      {"julianday", JulianDay}, {"notes", Notes},
};

std::optional<Column> columnOf(std::string_view header) {
    std::string key;
    for (const char c : trimBlanks(header))
        if (c != ' ' && c != '_' && c != '-')
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const ColumnName& c : ColumnNames)
        if (key == c.name)
            return c.column;
    return std::nullopt;
}

char separatorOf(std::string_view firstLine) {
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : firstLine) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted)
            commas += c == ',', semicolons += c == ';', tabs += c == '\t';
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    return tabs > commas ? '\t' : ',';
}

std::string quoted(const std::string& utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string out = "\"";
    for (const char c : utf8)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

bool isEmptyRow(const CsvRow& row) {
    for (const std::string& f : row.fields)
        if (!trimBlanks(f).empty())
            return false;
    return true;
}

}  // namespace

bool CsvRows::next(CsvRow& row) {
    const std::string_view text = m_text;
    std::size_t& i = m_at;
    if (i >= text.size())
        return false;
    row.line = m_line;
    row.fields.clear();
    row.cutShort = false;
    std::string field;
    for (;;) {
        if (i < text.size() && text[i] == '"') {
            ++i;
            bool closed = false;
            while (i < text.size()) {
                const char c = text[i++];
                if (c == '"') {
                    if (i < text.size() && text[i] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (c == '\n')
                    ++m_line;
                if (field.size() < MaxExchangeFieldLength)
                    field += c;
            }
            row.cutShort |= !closed;
        }
        while (i < text.size() && text[i] != m_separator && text[i] != '\n' && text[i] != '\r') {
            if (field.size() < MaxExchangeFieldLength)
                field += text[i];
            ++i;
        }
        row.fields.push_back(std::move(field));
        field.clear();
        if (i < text.size() && text[i] == m_separator) {
            ++i;
            continue;
        }
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i] == '\n')
            ++i;
        ++m_line;
        return true;
    }
}

bool readCsv(std::string_view bytes, const ExchangeSink& sink) {
    const TextEncoding eightBit = guessEightBitEncoding(bytes);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const std::size_t firstBreak = bytes.find_first_of("\r\n");
    CsvRows rows(bytes, separatorOf(bytes.substr(0, firstBreak)));
    CsvRow headerRow;
    bool found = false;
    while (!found && rows.next(headerRow))
        found = !isEmptyRow(headerRow);
    if (!found)
        return false;
    std::array<int, ColumnCount> at;
    at.fill(-1);
    const std::vector<std::string> header = headerRow.fields;
    for (std::size_t k = 0; k < header.size(); ++k)
        if (const auto column = columnOf(header[k]); column && at[*column] < 0)
            at[*column] = static_cast<int>(k);
    if (!((at[Date] >= 0 && at[Time] >= 0) || at[JulianDay] >= 0))
        return false;

    for (CsvRow row; rows.next(row);) {
        if (isEmptyRow(row))
            continue;
        if (row.cutShort || row.fields.size() < header.size()) {
            sink.refused({row.line, RecordIssueKind::CutShort, {}});
            continue;
        }
        std::string bytesOfRow;
        for (const std::string& f : row.fields)
            bytesOfRow += f;
        const TextEncoding encoding = recordEncoding(bytesOfRow, eightBit);
        const auto raw = [&](Column c) -> std::string_view {
            return at[c] >= 0 ? trimBlanks(row.fields[static_cast<std::size_t>(at[c])]) : std::string_view();
        };
        const auto text = [&](Column c) { return toCp1250(raw(c), encoding); };
        const auto refuse = [&](RecordIssueKind kind, Column c) { sink.refused({row.line, kind, text(c)}); };

        ExchangeRecord r;
        r.line = row.line;
        r.name = text(Name);
        if (const std::string first = text(FirstName); !first.empty())
            r.name += (r.name.empty() ? "" : ", ") + first;
        r.horType = text(Type);
        const std::string sex = text(SexColumn);
        const char s = sex.empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(sex[0])));
        r.sex = s == 'm' ? SexMale : (s == 'f' || s == 'w') ? SexFemale : SexNotSet;
        std::optional<bool> gregorian;
        if (const std::string cal = text(Calendar); !cal.empty()) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(cal[0])));
            if (c != 'g' && c != 'j') {
                refuse(RecordIssueKind::BadDate, Calendar);
                continue;
            }
            gregorian = c == 'g';
        }
        if (!raw(Date).empty() && !(r.date = parseDate(raw(Date), gregorian))) {
            refuse(RecordIssueKind::BadDate, Date);
            continue;
        }
        if (!raw(Time).empty() && !(r.time = parseClockTime(raw(Time)))) {
            refuse(RecordIssueKind::BadTime, Time);
            continue;
        }
        const auto zone = parseZone(raw(Zone));
        if (!zone) {
            refuse(RecordIssueKind::BadZone, Zone);
            continue;
        }
        r.clock = zone->clock;
        r.zoneMinutes = zone->minutes;
        if (const std::string_view summer = raw(Summer); !summer.empty() && summer != "0") {
            if (summer != "1" || r.clock != RecordClock::Zone) {
                refuse(RecordIssueKind::BadSummerTime, Summer);
                continue;
            }
            r.zoneMinutes += 60;
        }
        if (!raw(Latitude).empty() &&
            !(r.latitude = parseGeoAngle(raw(Latitude), 'n', 's', BirthMoment::MaxLatitude))) {
            refuse(RecordIssueKind::BadLatitude, Latitude);
            continue;
        }
        if (!raw(Longitude).empty() &&
            !(r.longitude = parseGeoAngle(raw(Longitude), 'e', 'w', BirthMoment::MaxLongitude))) {
            refuse(RecordIssueKind::BadLongitude, Longitude);
            continue;
        }
        if (!raw(JulianDay).empty() && !(r.julianDay = parseJulianDay(raw(JulianDay)))) {
            refuse(RecordIssueKind::BadJulianDay, JulianDay);
            continue;
        }
        r.place = text(Town);
        r.country = text(Country);
        // Line breaks of every kind become the chart's CR LF.
        for (const char c : text(Notes)) {
            if (c == '\n' && (r.notes.empty() || r.notes.back() != '\r'))
                r.notes += '\r';
            r.notes += c;
        }
        sink.record(std::move(r));
    }
    return true;
}

std::string csvHeader() { return "name,type,sex,date,calendar,time,zone,latitude,longitude,town,jd,notes\n"; }

std::string csvRow(const RadixData& radix) {
    const BirthMoment& m = radix.moment;
    std::string zone = m.timeKind == TimeGMT ? "GMT" : m.timeKind == TimeLMT ? "LMT" : offsetZoneText(zoneEastMinutes(m));
    char jd[40];
    std::snprintf(jd, sizeof jd, "%.6f", m.julianDayUT());
    std::string notes;
    for (const char c : cp1250ToUtf8(fixedText(radix.notes)))
        if (c != '\r')
            notes += c;
    const char* sex = m.sex == SexMale ? "m" : m.sex == SexFemale ? "f" : "";
    return quoted(cp1250ToUtf8(fixedText(radix.name))) + "," + quoted(cp1250ToUtf8(fixedText(radix.horType))) + "," +
           sex + "," + isoDateText(m.localDate) + "," + (m.localDate.isGregorian() ? "gregorian" : "julian") + "," +
           clockTimeText(m.localTime) + "," + zone + "," + decimalAngleText(m.latitude) + "," +
           decimalAngleText(m.longitude) + "," + quoted(cp1250ToUtf8(fixedText(m.town))) + "," + jd + "," +
           quoted(notes) + "\n";
}
