#pragma once
// Small town and time-zone files built byte by byte for the tests, in the current and the
// old (v4.0) formats.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "StringTable.h"
#include "TownDatabase.h"

namespace fixtures {

inline const StringTable& englishStrings() {
    static const StringTable table = [] {
        StringTable t;
        t.load(LanguageEnglish);
        return t;
    }();
    return table;
}

inline TownRecord town(std::string_view name, int lon, int lat, int zone) {
    TownRecord t;
    setPatternText(t.name.data(), t.name.size(), name);
    t.longitude = static_cast<std::int16_t>(lon);
    t.latitude = static_cast<std::int16_t>(lat);
    t.zone = static_cast<std::int16_t>(zone);
    return t;
}

inline ZoneEntry rule(int year, int month, int day, int hour, int minute, int kind, std::string_view abbrev,
                      int offsetMinutes, bool gregorian = true) {
    ZoneEntry e;
    e.start = CalDate(year, month, day, gregorian);
    e.hour = static_cast<std::uint8_t>(hour);
    e.minute = static_cast<std::uint8_t>(minute);
    e.timeKind = static_cast<std::uint8_t>(kind);
    setPatternText(e.abbreviation.data(), e.abbreviation.size(), abbrev);
    const int magnitude = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    e.zoneHours = static_cast<std::uint8_t>(magnitude / 60);
    e.zoneMinutes = static_cast<std::uint8_t>(magnitude % 60);
    e.west = offsetMinutes < 0;
    return e;
}

// Appends a zone: its three header units, then its rules.
inline void addZone(std::vector<ZoneEntry>& units, std::string_view name, std::vector<ZoneEntry> rules = {}) {
    char bytes[ZoneHeaderUnits * sizeof(ZoneEntry)] = {};
    setPatternText(bytes + ZoneNameOffset, ZoneNameSize, name);
    ZoneEntry header[ZoneHeaderUnits];
    std::memcpy(header, bytes, sizeof bytes);
    units.insert(units.end(), header, header + ZoneHeaderUnits);
    units.insert(units.end(), rules.begin(), rules.end());
}

inline std::string scrambled(std::string_view header, const void* data, std::size_t size) {
    std::string bytes(header);
    bytes.push_back('\0');
    const std::size_t start = bytes.size();
    bytes.append(static_cast<const char*>(data), size);
    scrambleBody(reinterpret_cast<unsigned char*>(bytes.data() + start), size);
    return bytes;
}

inline std::string timeFile(const std::vector<ZoneEntry>& units) {
    return scrambled(FileFormat::TimeFileHeader, units.data(), units.size() * sizeof(ZoneEntry));
}

inline std::string townFile(const std::vector<TownRecord>& towns) {
    return scrambled(FileFormat::TownFileHeader, towns.data(), towns.size() * sizeof(TownRecord));
}

inline void putInt16(std::string& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// An old town file: header, then 37-byte records (31-byte space-padded name, longitude,
// latitude, old zone number).
struct OldTown {
    std::string name;
    int lon = 0, lat = 0, zone = 0;
};
inline std::string oldTownFile(const std::vector<OldTown>& towns) {
    std::string bytes = FileFormat::OldTownFileHeader;
    bytes.push_back('\0');
    for (const OldTown& t : towns) {
        std::string rec(37, ' ');
        rec.replace(0, std::min<std::size_t>(t.name.size(), 31), t.name.substr(0, 31));
        putInt16(rec, 31, t.lon);
        putInt16(rec, 33, t.lat);
        putInt16(rec, 35, t.zone);
        bytes += rec;
    }
    return bytes;
}

// An old time-zone file: header, then records of a 41-byte name, an entry count and 200
// entries of 11 bytes (date, hour, minute, kind, zone hours, zone minutes, west flag).
struct OldZone {
    std::string name;
    int count = 0;  // stored as it is, so it may disagree with the entries
    std::vector<ZoneEntry> entries;
};
inline std::string oldTimeFile(const std::vector<OldZone>& zones) {
    std::string bytes = FileFormat::OldTimeFileHeader;
    bytes.push_back('\0');
    for (const OldZone& z : zones) {
        std::string rec(2243, '\0');
        rec.replace(0, std::min<std::size_t>(z.name.size(), 40), z.name.substr(0, 40));
        putInt16(rec, 41, z.count);
        for (std::size_t i = 0; i < z.entries.size() && i < 200; ++i) {
            const ZoneEntry& e = z.entries[i];
            char* p = rec.data() + 43 + i * 11;
            std::memcpy(p, &e.start, 5);
            p[5] = static_cast<char>(e.hour);
            p[6] = static_cast<char>(e.minute);
            p[7] = static_cast<char>(e.timeKind);
            p[8] = static_cast<char>(e.zoneHours);
            p[9] = static_cast<char>(e.zoneMinutes);
            p[10] = static_cast<char>(e.west);
        }
        bytes += rec;
    }
    return bytes;
}

// A database built in memory from towns and zone units, as LoadTownDatabase would leave it.
inline void fillDatabase(TownDatabase& db, std::vector<ZoneEntry> mainUnits, std::vector<TownRecord> mainTowns,
                         std::vector<ZoneEntry> userUnits = {}, std::vector<TownRecord> userTowns = {}) {
    db = TownDatabase();
    IndexZones(db.mainUnits.append(std::move(mainUnits)), db.mainZones);
    if (!userUnits.empty())
        AppendUserZones(db, std::move(userUnits));
    db.mainTowns = std::move(mainTowns);
    IndexMainTownNames(db);
    db.userTowns = std::move(userTowns);
}

}  // namespace fixtures
