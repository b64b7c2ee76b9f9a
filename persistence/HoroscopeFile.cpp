#include "HoroscopeFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <fstream>

#include "FixedText.h"
#include "HoroscopeListing.h"
#include "ProfileFile.h"
#include "FileFormat.h"
#include "StringTable.h"

// The records are stored as they lie in memory, which is the file's byte order only here.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr std::string_view MomentMarker = "***";
constexpr std::string_view BlocksMarker = "BB";
constexpr std::size_t VersionStart = 10;
constexpr std::size_t VersionEnd = 13;

// A cursor over the bytes of a file. Reads take what is there: a field cut short by the end
// of the file keeps zeros in its missing bytes.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, std::size_t start) : m_bytes(bytes), m_pos(std::min(start, bytes.size())) {}

    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    std::size_t position() const { return m_pos; }
    std::string_view peek(std::size_t n) const { return m_bytes.substr(m_pos, n); }
    void skip(std::size_t n) { m_pos += std::min(n, remaining()); }

    // Copies up to `size` bytes into `target` (which the caller has cleared) and returns how
    // many there were.
    std::size_t read(void* target, std::size_t size) {
        const std::size_t n = std::min(size, remaining());
        std::memcpy(target, m_bytes.data() + m_pos, n);
        m_pos += n;
        return n;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos;
};

template <typename T>
void append(std::string& out, const T& record) {
    out.append(reinterpret_cast<const char*>(&record), sizeof record);
}

std::string numberText(long v) { return std::to_string(v); }

std::string dateText(const CalDate& d) {
    char text[48];
    std::snprintf(text, sizeof text, "%d-%02u-%02u", static_cast<int>(d.year), static_cast<unsigned>(d.month),
                  static_cast<unsigned>(d.day));
    return d.gregorian > 1 ? std::string(text) + " (calendar " + numberText(d.gregorian) + ")" : text;
}

std::string timeText(const ClockTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%02u:%02u:%05.2f", static_cast<unsigned>(t.hour), static_cast<unsigned>(t.minute),
                  t.second);
    return text;
}

std::string angleText(const GeoAngle& a) {
    char text[64];
    std::snprintf(text, sizeof text, "%d:%02u:%05.2f%s", a.wholeDegrees(), static_cast<unsigned>(a.minutes), a.seconds,
                  a.isNegative() ? " -" : "");
    return text;
}

std::string zoneText(const BirthMoment& m) {
    char text[48];
    std::snprintf(text, sizeof text, "%u:%02u %s", static_cast<unsigned>(m.zoneHours),
                  static_cast<unsigned>(m.zoneMinutes), m.zoneWest == 0 ? "E" : m.zoneWest == 1 ? "W" : "?");
    return text;
}

// What the entry lets a person store; a file holding anything else is damaged.
bool enterable(const CalDate& d) {
    return d.gregorian <= 1 && d.year >= MinYear && d.year <= MaxYear && d.month >= 1 && d.month <= 12 &&
           d.day >= 1 && d.day <= d.monthLength();
}

bool enterableSeconds(double s) { return s >= 0.0 && s <= 60.0; }  // false for NaN too

bool enterable(const ClockTime& t) { return t.hour <= 23 && t.minute <= 59 && enterableSeconds(t.second); }

bool enterable(const GeoAngle& a, int maxDegrees) {
    return a.wholeDegrees() <= maxDegrees && a.minutes <= 59 && enterableSeconds(a.seconds);
}

HoroscopeProblem badValue(HoroscopePart part, std::string value) {
    HoroscopeProblem p;
    p.part = part;
    p.value = std::move(value);
    return p;
}

// The first value of the moment that no entry could have stored; nothing when all are fine.
std::optional<HoroscopeProblem> momentProblem(const BirthMoment& m) {
    if (!enterable(m.utDate))
        return badValue(HoroscopePart::UniversalDate, dateText(m.utDate));
    if (!enterable(m.utTime))
        return badValue(HoroscopePart::UniversalTime, timeText(m.utTime));
    if (!enterable(m.longitude, BirthMoment::MaxLongitude))
        return badValue(HoroscopePart::Longitude, angleText(m.longitude));
    if (!enterable(m.latitude, BirthMoment::MaxLatitude))
        return badValue(HoroscopePart::Latitude, angleText(m.latitude));
    if (m.timeKind > TimeZone)
        return badValue(HoroscopePart::ClockKind, numberText(m.timeKind));
    if (m.zoneHours > 23 || m.zoneMinutes > 59 || m.zoneWest > 1)
        return badValue(HoroscopePart::Zone, zoneText(m));
    if (!enterable(m.localDate))
        return badValue(HoroscopePart::LocalDate, dateText(m.localDate));
    if (!enterable(m.localTime))
        return badValue(HoroscopePart::LocalTime, timeText(m.localTime));
    if (m.sex > SexFemale)
        return badValue(HoroscopePart::Sex, numberText(m.sex));
    return std::nullopt;
}

// The count must name events the file holds, and every event it names must have a date that
// could have been entered. Slots past the count are not used: they are only made safe.
std::optional<HoroscopeProblem> lifeEventProblem(LifeEventList& list, int capacity) {
    if (list.count < 0 || list.count > capacity)
        return badValue(HoroscopePart::LifeEventCount, numberText(list.count));
    for (int i = 0; i < LifeEventList::Capacity; ++i) {
        LifeEvent& e = list.events[static_cast<std::size_t>(i)];
        terminateFixedText(e.name);
        if (i < list.count) {
            if (!enterable(e.date)) {
                HoroscopeProblem p = badValue(HoroscopePart::LifeEventDate, dateText(e.date));
                p.event = i + 1;
                return p;
            }
        } else if (e.date.gregorian || e.date.year || e.date.month || e.date.day) {
            e.date.clampStored();  // a slot never used stays all zero, as it was written
        }
    }
    return std::nullopt;
}

// Read field by field: a stored flag byte other than 0 or 1 must not land in a bool.
bool readDirections(ByteReader& in, ChartDirectionSettings& d) {
    std::array<unsigned char, sizeof(ChartDirectionSettings)> b{};
    if (in.remaining() < b.size())
        return false;
    in.read(b.data(), b.size());
    d.onequ = b[offsetof(ChartDirectionSettings, onequ)] != 0;
    d.truesolar = b[offsetof(ChartDirectionSettings, truesolar)] != 0;
    std::memcpy(&d.angleDegrees, &b[offsetof(ChartDirectionSettings, angleDegrees)], sizeof d.angleDegrees);
    d.angleMinutes = b[offsetof(ChartDirectionSettings, angleMinutes)];
    double seconds = 0;
    std::memcpy(&seconds, &b[offsetof(ChartDirectionSettings, angleSeconds)], sizeof seconds);
    d.angleSeconds = std::isfinite(seconds) ? seconds : 0.0;
    d.type = b[offsetof(ChartDirectionSettings, type)];
    return true;
}

void appendDirections(std::string& out, const ChartDirectionSettings& d) {
    ChartDirectionSettings copy = d;  // a bool is stored as 0 or 1
    append(out, copy);
}

// Where the byte 0x80 + i goes before the final replacement: accented letters of code page
// 1250 become their base letters, everything else a byte that is then replaced by "_".
constexpr unsigned char AccentTable[128] = {
    0xac, 0x81, 0x1a, 0x83, 0x1e, 0x26, 0x20, 0x21, 0x88, 0x30, 0x53, 0x39, 0x53, 0x54, 0x5a, 0x5a,
    0x90, 0x18, 0x19, 0x1c, 0x1d, 0x22, 0x13, 0x14, 0x98, 0x22, 0x73, 0x3a, 0x73, 0x74, 0x7a, 0x7a,
    0xa0, 0xc7, 0xd8, 0x41, 0xa4, 0x41, 0xa6, 0xa7, 0xa8, 0xa9, 0x53, 0xab, 0xac, 0xad, 0xae, 0x5a,
    0xb0, 0xb1, 0xdb, 0x42, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0x61, 0x73, 0xbb, 0x4c, 0xdd, 0x6c, 0x7a,
    0x52, 0x41, 0x41, 0x41, 0x41, 0x4c, 0x43, 0x43, 0x43, 0x45, 0x45, 0x45, 0x45, 0x49, 0x49, 0x44,
    0x10, 0x4e, 0x4e, 0x4f, 0x4f, 0x4f, 0x4f, 0xd7, 0x52, 0x55, 0x55, 0x55, 0x55, 0x59, 0x54, 0xdf,
    0x72, 0x61, 0x61, 0x61, 0x61, 0x6c, 0x63, 0x63, 0x63, 0x65, 0x65, 0x65, 0x65, 0x69, 0x69, 0x64,
    0x11, 0x6e, 0x6e, 0x6f, 0x6f, 0x6f, 0x6f, 0xf7, 0x72, 0x75, 0x75, 0x75, 0x75, 0x79, 0x74, 0xd9,
};

bool unfitForFileName(unsigned char c) {
    return c >= 0x80 || (c >= 0x01 && c <= 0x1F) || std::string_view(" \"<>|:*?\\/").find(static_cast<char>(c)) !=
                                                            std::string_view::npos;
}

}  // namespace

bool isHoroscopeHeader(std::string_view first, const StringTable& /*strings*/) {
    const std::string_view h = FileFormat::HoroscopeHeader;
    if (h.size() < VersionEnd)
        return false;
    const auto at = [&](std::size_t i) { return i < first.size() ? static_cast<unsigned char>(first[i]) : 0; };
    for (std::size_t i = 0; i < VersionStart; ++i)
        if (at(i) != static_cast<unsigned char>(h[i]))
            return false;
    for (std::size_t i = VersionStart; i < VersionEnd; ++i) {
        const unsigned char ours = static_cast<unsigned char>(h[i]);
        if (at(i) != ours) {
            if (at(i) > ours)
                return false;  // a newer version than we know
            break;
        }
    }
    for (std::size_t i = VersionEnd; i < h.size(); ++i)
        if (at(i) != static_cast<unsigned char>(h[i]))
            return false;
    return at(h.size()) == 0;
}

bool IsHoroscopeFile(const std::string& path, const StringTable& strings) {
    // Only regular files: opening a pipe would wait for a writer.
    const std::optional<std::string> first = readFileStart(path, sizeof FileFormat::HoroscopeHeader);
    return first && isHoroscopeHeader(*first, strings);
}

HoroscopeRead parseHoroscopeFile(std::string_view bytes, const StringTable& strings,
                                 const ChartDirectionSettings& optionDirections, RadixData& radix,
                                 ChartBlocks& blocks, HoroscopeProblem* problem) {
    if (!isHoroscopeHeader(bytes, strings))
        return HoroscopeRead::NotHoroscopeFile;
    ByteReader in(bytes, sizeof FileFormat::HoroscopeHeader);
    const auto damaged = [&](HoroscopeProblem p) {
        p.size = bytes.size();
        if (problem)
            *problem = std::move(p);
        return HoroscopeRead::Damaged;
    };
    // Reads a whole field or block, or tells where the file was cut.
    std::optional<HoroscopeProblem> cut;
    const auto take = [&](HoroscopePart part, void* target, std::size_t size) {
        if (cut)
            return false;
        if (in.remaining() < size) {
            HoroscopeProblem p;
            p.part = part;
            p.cutShort = true;
            p.needed = in.position() + size;
            cut = p;
            return false;
        }
        in.read(target, size);
        return true;
    };

    RadixData r{};
    take(HoroscopePart::Name, r.name.data(), r.name.size());
    take(HoroscopePart::Type, r.horType.data(), r.horType.size());
    const std::string_view marker = in.peek(MomentMarker.size());
    const bool fullMoment = marker.size() == MomentMarker.size() && marker.back() == '*';
    if (fullMoment) {
        std::array<char, MomentMarker.size()> skipped{};
        take(HoroscopePart::Moment, skipped.data(), skipped.size());
        take(HoroscopePart::Moment, &r.moment, sizeof r.moment);
    } else {
        // The older layout: UT and position only, so the moment counts as Greenwich time.
        take(HoroscopePart::Moment, &r.moment, BirthMomentShortSize);
    }
    take(HoroscopePart::Notes, r.notes.data(), r.notes.size());

    ChartBlocks b{};
    b.directions = optionDirections;
    int eventCapacity = LifeEventList::Capacity;
    if (!cut && in.remaining() > 0) {
        if (in.peek(BlocksMarker.size()) == BlocksMarker) {
            std::array<char, BlocksMarker.size()> skipped{};
            take(HoroscopePart::LifeEvents, skipped.data(), skipped.size());
            take(HoroscopePart::LifeEvents, &b.lifeEvents, sizeof b.lifeEvents);
        } else {
            // The older layout: a count and always ten events.
            std::array<char, sizeof b.lifeEvents.count + LifeEventList::OldCapacity * sizeof(LifeEvent)> old{};
            if (take(HoroscopePart::LifeEvents, old.data(), old.size()))
                std::memcpy(static_cast<void*>(&b.lifeEvents), old.data(), old.size());
            eventCapacity = LifeEventList::OldCapacity;
        }
        if (!cut && in.remaining() > 0) {
            if (!readDirections(in, b.directions))
                take(HoroscopePart::Directions, nullptr, sizeof(ChartDirectionSettings));  // cut inside them
            if (!cut && in.remaining() > 0)
                take(HoroscopePart::Persons, &b.persons, sizeof b.persons);
        }
    }
    if (cut)
        return damaged(*cut);

    terminateFixedText(r.name);
    terminateFixedText(r.horType);
    terminateFixedText(r.notes);
    r.moment.townTerminator = 0;
    if (!fullMoment) {
        // Greenwich time: the local pair is the UT pair.
        r.moment.localDate = r.moment.utDate;
        r.moment.localTime = r.moment.utTime;
    }
    if (const auto p = momentProblem(r.moment))
        return damaged(*p);
    if (const auto p = lifeEventProblem(b.lifeEvents, eventCapacity))
        return damaged(*p);

    // Only the personal part: the computed part stays the caller's.
    radix.name = r.name;
    radix.horType = r.horType;
    radix.moment = r.moment;
    radix.notes = r.notes;
    blocks = b;
    return HoroscopeRead::Ok;
}

HoroscopeRead ReadHoroscopeFile(const std::string& path, const StringTable& strings,
                                const ChartDirectionSettings& optionDirections, RadixData& radix,
                                ChartBlocks& blocks, HoroscopeProblem* problem) {
    // No layout is longer than the current one; whatever follows it is not ours. A folder,
    // device or pipe cannot be opened as a chart.
    const std::optional<std::string> bytes = readFileStart(path, HoroscopeFileSize);
    if (!bytes)
        return HoroscopeRead::CannotOpen;
    return parseHoroscopeFile(*bytes, strings, optionDirections, radix, blocks, problem);
}

std::string serializeHoroscopeFile(const StringTable& /*strings*/, const RadixData& radix, const ChartBlocks& blocks) {
    std::string out(FileFormat::storedHeader(FileFormat::HoroscopeHeader));
    append(out, radix.name);
    append(out, radix.horType);
    out += MomentMarker;
    append(out, radix.moment);
    append(out, radix.notes);
    out += BlocksMarker;
    append(out, blocks.lifeEvents);
    appendDirections(out, blocks.directions);
    append(out, blocks.persons);
    return out;
}

bool WriteHoroscopeFile(const std::string& path, const StringTable& strings, const RadixData& radix,
                        const ChartBlocks& blocks) {
    return writeFileAtomically(path, serializeHoroscopeFile(strings, radix, blocks));
}

std::string DefaultHoroscopeFileName(std::string_view name) {
    std::string out;
    out.reserve(name.size() + 4);
    for (const char ch : name) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == 0)
            break;  // the name ends there, as in its record
        if (c >= 0x80)
            c = AccentTable[c - 0x80];
        out += unfitForFileName(c) ? '_' : static_cast<char>(c);
    }
    return out + ".hor";
}
