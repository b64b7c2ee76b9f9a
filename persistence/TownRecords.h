#pragma once
// The stored records of the town and time-zone files (*.TWD, *.TID) and the two byte-level
// conventions of those files: the scrambled body and the fill pattern after a text's zero.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "BirthData.h"
#include "FileFormat.h"

// The headers (FileFormat::TimeFileHeader and the others) are stored with their zero.
constexpr std::size_t CurrentHeaderSize = sizeof FileFormat::TownFileHeader;
constexpr std::size_t OldTownHeaderSize = sizeof FileFormat::OldTownFileHeader;
static_assert(CurrentHeaderSize == 31 && sizeof FileFormat::TimeFileHeader == CurrentHeaderSize &&
              OldTownHeaderSize == 33);
// An old town file is recognised by its header without the last four characters (" X\r\n").
constexpr std::size_t OldTownPrefixLength = 28;

// Special values of `TownRecord::zone`; 0..9999 are main zones, 10000 and up user zones.
constexpr std::int16_t NoZone = -1;
constexpr std::int16_t RegionEntry = -2;  // not a town: a region (country) name
constexpr int UserZoneBase = 10000;
// Zones up to this number are fixed offsets that never follow the date (ApplyTown mode -1).
constexpr int LastFixedZone = 99;

#pragma pack(push, 1)

// One town of a town file.
struct TownRecord {
    static constexpr std::size_t NameSize = 51;

    std::array<char, NameSize> name{};  // zero-terminated, at most 50 characters
    std::int16_t longitude = 0;         // whole arc minutes, negative = West
    std::int16_t latitude = 0;          // whole arc minutes, negative = South
    std::int16_t zone = NoZone;         // see above

    bool isRegion() const { return zone == RegionEntry; }
};

// One 17-byte unit of a time-zone file body. A unit is either a rule entry (its year is
// never 0) or one of the three units of a zone header (byte 0 and the year bytes zero, the
// zone name from byte 3 on), so the body is kept as an array of these.
struct ZoneEntry {
    static constexpr std::size_t AbbreviationSize = 6;

    CalDate start;             // first day of the rule
    std::uint8_t hour = 0;     // start time in the clock in force before the change
    std::uint8_t minute = 0;
    std::uint8_t timeKind = 0;  // TimeKind
    std::array<char, AbbreviationSize> abbreviation{};
    std::uint8_t zoneHours = 0;
    std::uint8_t zoneMinutes = 0;
    std::uint8_t west = 0;  // 1 = West of Greenwich

    bool isHeader() const { return start.year == 0; }
};

#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<TownRecord>);
static_assert(sizeof(TownRecord) == 57);
static_assert(offsetof(TownRecord, name) == 0);
static_assert(offsetof(TownRecord, longitude) == 51);
static_assert(offsetof(TownRecord, latitude) == 53);
static_assert(offsetof(TownRecord, zone) == 55);

static_assert(std::is_trivially_copyable_v<ZoneEntry>);
static_assert(sizeof(ZoneEntry) == 17);
static_assert(offsetof(ZoneEntry, start) == 0);
static_assert(offsetof(ZoneEntry, hour) == 5);
static_assert(offsetof(ZoneEntry, minute) == 6);
static_assert(offsetof(ZoneEntry, timeKind) == 7);
static_assert(offsetof(ZoneEntry, abbreviation) == 8);
static_assert(offsetof(ZoneEntry, zoneHours) == 14);
static_assert(offsetof(ZoneEntry, zoneMinutes) == 15);
static_assert(offsetof(ZoneEntry, west) == 16);

// A zone header takes three units: byte 0, two zero bytes, then the name field.
constexpr std::size_t ZoneHeaderUnits = 3;
constexpr std::size_t ZoneNameOffset = 3;
constexpr std::size_t ZoneNameSize = ZoneHeaderUnits * sizeof(ZoneEntry) - ZoneNameOffset;  // 48

// XORs body byte i (counted from the first byte after the header) with (25 + 17*i) mod 256;
// `firstIndex` is the body index of data[0]. Scrambling and unscrambling are the same.
void scrambleBody(unsigned char* data, std::size_t size, std::size_t firstIndex = 0);

// Puts `text` (cut to size - 1) into a field with its zero, and fills the bytes after the zero
// with the pattern of these files: the text's first character (0 for an empty text), then
// each byte 13 more than the one before, modulo 256.
void setPatternText(char* field, std::size_t size, std::string_view text);
// Fills the bytes after the first zero of a field with the pattern (nothing when the field
// holds no zero).
void fillAfterText(char* field, std::size_t size);

// The text of a field up to its first zero, never past the field.
std::string_view fieldText(const char* field, std::size_t size);

template <std::size_t N>
std::string_view fieldText(const std::array<char, N>& field) {
    return fieldText(field.data(), N);
}

// The name of a town record (never past its field).
inline std::string_view townName(const TownRecord& town) {
    return fieldText(town.name);
}
