#include "HoroscopeFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>

#include "FixedText.h"
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

// Life events as read: the count no larger than the events that were really there, every
// name terminated and every date usable.
void clampLifeEvents(LifeEventList& list, int completeEvents) {
    list.count = static_cast<std::int16_t>(std::clamp<int>(list.count, 0, completeEvents));
    for (int i = 0; i < LifeEventList::Capacity; ++i) {
        LifeEvent& e = list.events[static_cast<std::size_t>(i)];
        terminateFixedText(e.name);
        // A slot never used stays all zero, as it was written.
        const CalDate& d = e.date;
        if (i < list.count || d.gregorian || d.year || d.month || d.day)
            e.date.clampStored();
    }
}

void readLifeEvents(ByteReader& in, LifeEventList& list) {
    if (in.peek(BlocksMarker.size()) == BlocksMarker) {
        in.skip(BlocksMarker.size());
        const std::size_t n = in.read(&list, sizeof list);
        const int complete = n < sizeof list.count ? 0 : static_cast<int>((n - sizeof list.count) / sizeof(LifeEvent));
        clampLifeEvents(list, std::min(complete, LifeEventList::Capacity));
    } else {
        // The older layout: a count and always ten events.
        in.read(&list.count, sizeof list.count);
        const std::size_t n = in.read(list.events.data(), LifeEventList::OldCapacity * sizeof(LifeEvent));
        clampLifeEvents(list, static_cast<int>(n / sizeof(LifeEvent)));
    }
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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string first(sizeof FileFormat::HoroscopeHeader, '\0');
    in.read(first.data(), static_cast<std::streamsize>(first.size()));
    if (in.bad())
        return false;
    first.resize(static_cast<std::size_t>(in.gcount()));
    return isHoroscopeHeader(first, strings);
}

HoroscopeRead parseHoroscopeFile(std::string_view bytes, const StringTable& strings,
                                 const ChartDirectionSettings& optionDirections, RadixData& radix,
                                 ChartBlocks& blocks) {
    if (!isHoroscopeHeader(bytes, strings))
        return HoroscopeRead::NotHoroscopeFile;
    ByteReader in(bytes, sizeof FileFormat::HoroscopeHeader);

    RadixData r{};
    in.read(r.name.data(), r.name.size());
    in.read(r.horType.data(), r.horType.size());
    terminateFixedText(r.name);
    terminateFixedText(r.horType);
    const std::string_view marker = in.peek(MomentMarker.size());
    if (marker.size() == MomentMarker.size() && marker.back() == '*') {
        in.skip(MomentMarker.size());
        in.read(&r.moment, sizeof r.moment);
        r.moment.clampStored();
    } else {
        // The older layout: UT and position only, so the moment counts as Greenwich time.
        in.read(&r.moment, BirthMomentShortSize);
        r.moment.clampStored();
        r.moment.universalToLocal();
    }
    in.read(r.notes.data(), r.notes.size());
    terminateFixedText(r.notes);

    ChartBlocks b{};
    b.directions = optionDirections;
    if (in.remaining() >= BlocksMarker.size()) {
        readLifeEvents(in, b.lifeEvents);
        if (readDirections(in, b.directions))
            in.read(&b.persons, sizeof b.persons);
    }

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
                                ChartBlocks& blocks) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return HoroscopeRead::CannotOpen;
    // No layout is longer than the current one; whatever follows it is not ours.
    std::string bytes(HoroscopeFileSize, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return HoroscopeRead::CannotOpen;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parseHoroscopeFile(bytes, strings, optionDirections, radix, blocks);
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
