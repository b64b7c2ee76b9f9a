#include "AafFormat.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "CodePage.h"
#include "ExchangeFields.h"
#include "ExchangeText.h"
#include "FixedText.h"

namespace {

constexpr double MinutesPerHour = 60.0;
constexpr double SecondsPerDegreeOfTime = 240.0;  // the Earth turns one degree in 4 minutes

struct Line {
    int number = 0;
    std::string_view text;
};

std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    int number = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        lines.push_back({number++, bytes.substr(start, i - start)});
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto comma = text.find(',');
        std::string_view f = trimBlanks(text.substr(0, comma));
        out.push_back(f == "*" ? std::string_view() : f);
        if (comma == std::string_view::npos)
            return out;
        text.remove_prefix(comma + 1);
    }
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The tag of a chunk line ("B93" of "#B93:..."), empty for a comment "#:", nullopt for a line
// that is no chunk.
std::optional<std::string> chunkTag(std::string_view line) {
    if (line.empty() || line.front() != '#')
        return std::nullopt;
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view tag = line.substr(1, colon - 1);
    for (const char c : tag)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return std::nullopt;
    return upper(tag);
}

bool isComputedChunk(const std::string& tag) {
    return tag == "LPOS" || tag == "BPOS" || tag == "ZPOS" || tag == "GVAL" || tag == "HPOS" || tag == "ASP";
}

struct Chunk {
    int line = 0;
    std::string tag;
    std::string_view text;                 // after the colon
    std::vector<std::string_view> more;    // continuation lines
};

std::string clip(std::string_view text) { return std::string(text.substr(0, MaxExchangeFieldLength)); }

// Turns the chunks of one record into a record, or the reason it is refused.
std::optional<RecordIssue> readRecord(const std::vector<Chunk>& chunks, TextEncoding encoding, ExchangeRecord& r) {
    const auto text = [&](std::string_view bytes) { return toCp1250(bytes.substr(0, MaxExchangeFieldLength), encoding); };
    const Chunk& a = chunks.front();
    r.line = a.line;
    const auto af = fields(a.text);
    if (af.size() < 5)
        return RecordIssue{a.line, RecordIssueKind::CutShort, {}};
    const auto field = [&](const std::vector<std::string_view>& f, std::size_t i) {
        return i < f.size() ? f[i] : std::string_view();
    };
    r.name = text(af[0]);
    if (const std::string first = text(af[1]); !first.empty())
        r.name += (r.name.empty() ? "" : ", ") + first;
    const char sex = af[2].empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(af[2][0])));
    r.sex = sex == 'm' ? SexMale : (sex == 'f' || sex == 'w') ? SexFemale : SexNotSet;
    if (!af[3].empty()) {
        r.date = parseDate(af[3], std::nullopt);
        if (!r.date)
            return RecordIssue{a.line, RecordIssueKind::BadDate, text(af[3])};
    }
    if (!af[4].empty()) {
        r.time = parseClockTime(af[4]);
        if (!r.time)
            return RecordIssue{a.line, RecordIssueKind::BadTime, text(af[4])};
    }
    r.place = text(field(af, 5));
    r.country = text(field(af, 6));

    std::vector<std::string> notes;
    for (std::size_t k = 1; k < chunks.size(); ++k) {
        const Chunk& c = chunks[k];
        if (c.tag == "B93") {
            const auto bf = fields(c.text);
            if (bf.size() < 4)
                return RecordIssue{c.line, RecordIssueKind::CutShort, {}};
            if (!bf[0].empty() && !(r.julianDay = parseJulianDay(bf[0])))
                return RecordIssue{c.line, RecordIssueKind::BadJulianDay, text(bf[0])};
            if (!bf[1].empty() && !(r.latitude = parseGeoAngle(bf[1], 'n', 's', BirthMoment::MaxLatitude)))
                return RecordIssue{c.line, RecordIssueKind::BadLatitude, text(bf[1])};
            if (!bf[2].empty() && !(r.longitude = parseGeoAngle(bf[2], 'e', 'w', BirthMoment::MaxLongitude)))
                return RecordIssue{c.line, RecordIssueKind::BadLongitude, text(bf[2])};
            const auto zone = parseZone(bf[3]);
            if (!zone)
                return RecordIssue{c.line, RecordIssueKind::BadZone, text(bf[3])};
            r.clock = zone->clock;
            r.zoneMinutes = zone->minutes;
            const std::string summer = upper(field(bf, 4));
            if (summer == "M" || summer == "L") {
                if (r.clock == RecordClock::Unknown)
                    r.clock = RecordClock::LocalMean;
            } else if (summer == "1" || summer == "2") {
                if (r.clock == RecordClock::Zone)
                    r.zoneMinutes += (summer[0] - '0') * static_cast<int>(MinutesPerHour);
            } else if (!summer.empty() && summer != "0") {
                return RecordIssue{c.line, RecordIssueKind::BadSummerTime, text(field(bf, 4))};
            }
            if (r.clock == RecordClock::Zone && r.zoneMinutes == 0 && (summer.empty() || summer == "0"))
                r.clock = RecordClock::Greenwich;
            if (std::abs(r.zoneMinutes) >= 24 * MinutesPerHour)
                return RecordIssue{c.line, RecordIssueKind::BadZone, text(bf[3])};
            continue;
        }
        if (isComputedChunk(c.tag) || c.tag == "SUB" || c.tag == "A93")
            continue;
        notes.push_back(c.tag == "COM" ? text(c.text) : "#" + c.tag + ":" + text(c.text));
        for (const std::string_view more : c.more)
            notes.push_back(text(more));
    }
    while (!notes.empty() && trimBlanks(notes.back()).empty())
        notes.pop_back();
    for (std::size_t k = 0; k < notes.size() && r.notes.size() <= MaxExchangeFieldLength; ++k)
        r.notes += (k ? "\r\n" : "") + notes[k];
    return std::nullopt;
}

std::string aafField(std::string_view cp1250Text) {
    std::string text = cp1250ToUtf8(trimBlanks(cp1250Text));
    for (char& c : text)
        if (c == ',')
            c = ';';
    return text.empty() ? "*" : text;
}

// "0e21:48": the local mean time offset of a longitude.
std::string lmtOffsetText(const GeoAngle& longitude) {
    const long seconds = std::lround(std::fabs(longitude.decimal()) * SecondsPerDegreeOfTime);
    char text[32];
    std::snprintf(text, sizeof text, "%ld%c%02ld:%02ld", seconds / 3600, longitude.isNegative() ? 'w' : 'e',
                  seconds / 60 % 60, seconds % 60);
    return text;
}

}  // namespace

void readAaf(std::string_view bytes, const ExchangeSink& sink) {
    const TextEncoding eightBit = guessEightBitEncoding(bytes);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const std::vector<Line> lines = splitLines(bytes);
    std::vector<Chunk> chunks;
    std::size_t recordStart = 0, recordEnd = 0;  // byte range of the record, for its encoding
    bool inChunk = false;
    const auto finish = [&] {
        if (chunks.empty())
            return;
        ExchangeRecord record;
        const TextEncoding encoding = recordEncoding(bytes.substr(recordStart, recordEnd - recordStart), eightBit);
        if (auto refusal = readRecord(chunks, encoding, record))
            sink.refused(std::move(*refusal));
        else
            sink.record(std::move(record));
        chunks.clear();
    };
    for (const Line& line : lines) {
        const auto tag = chunkTag(line.text);
        if (!tag) {
            // A continuation of the chunk before, or a line outside every record.
            if (!chunks.empty() && inChunk) {
                chunks.back().more.push_back(line.text);
                recordEnd = static_cast<std::size_t>(line.text.data() + line.text.size() - bytes.data());
            }
            continue;
        }
        if (tag->empty()) {  // a comment
            inChunk = false;
            continue;
        }
        const std::string_view text = line.text.substr(line.text.find(':') + 1);
        if (*tag == "A93") {
            finish();
            recordStart = static_cast<std::size_t>(line.text.data() - bytes.data());
        } else if (chunks.empty()) {
            sink.refused({line.number, RecordIssueKind::OutsideRecord, clip(toCp1250(line.text.substr(0, 40), eightBit))});
            inChunk = false;
            continue;
        }
        chunks.push_back({line.number, *tag, text, {}});
        recordEnd = static_cast<std::size_t>(line.text.data() + line.text.size() - bytes.data());
        inChunk = true;
    }
    finish();
}

std::string aafRecord(const RadixData& radix) {
    const BirthMoment& m = radix.moment;
    std::string name(fixedText(radix.name)), first;
    if (const auto comma = name.find(", "); comma != std::string::npos) {
        first = name.substr(comma + 2);
        name.resize(comma);
    }
    std::string town(fixedText(m.town)), country;
    if (town.rfind("+ ", 0) == 0)
        town.erase(0, 2);
    if (const auto comma = town.rfind(", "); comma != std::string::npos) {
        country = town.substr(comma + 2);
        town.resize(comma);
    }
    const char* sex = m.sex == SexMale ? "m" : m.sex == SexFemale ? "f" : "*";
    std::string zone;
    switch (m.timeKind) {
    case TimeGMT: zone = aafZoneText(0); break;
    case TimeLMT: zone = lmtOffsetText(m.longitude); break;
    default: zone = aafZoneText(zoneEastMinutes(m)); break;
    }
    char jd[40];
    std::snprintf(jd, sizeof jd, "%.6f", m.julianDayUT());

    std::string out = "#A93:" + aafField(name) + "," + aafField(first) + "," + sex + "," +
                      dayMonthYearText(m.localDate) + "," + clockTimeText(m.localTime) + "," + aafField(town) + "," +
                      aafField(country) + "\n";
    out += std::string("#B93:") + jd + "," + geoAngleText(m.latitude, 'n', 's') + "," +
           geoAngleText(m.longitude, 'e', 'w') + "," + zone + ",0\n";

    // The notes: chunk lines as chunks, runs of other lines as #COM chunks.
    const std::string notes = cp1250ToUtf8(fixedText(radix.notes));
    bool inComment = false;
    std::size_t start = 0;
    while (start <= notes.size() && !notes.empty()) {
        auto end = notes.find('\n', start);
        if (end == std::string::npos)
            end = notes.size();
        std::string line = notes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto tag = chunkTag(line);
        if (tag && !tag->empty() && *tag != "A93" && *tag != "B93" && *tag != "COM") {
            out += line + "\n";
            inComment = false;
        } else if (!inComment) {
            out += "#COM:" + line + "\n";
            inComment = true;
        } else {
            // A continuation line must not look like a chunk.
            out += (!line.empty() && line.front() == '#' ? " " : "") + line + "\n";
        }
        start = end + 1;
    }
    return out;
}
