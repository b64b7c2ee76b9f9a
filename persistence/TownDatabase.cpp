#include "TownDatabase.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>

#include "FoldTable.h"
#include "JoinPath.h"
#include "FileFormat.h"
#include "StringIds.h"
#include "StringTable.h"
#include "WholeFile.h"

namespace {


// Old (v4.0) time-zone file: records of a 41-byte name, an entry count and 200 entries.
constexpr std::size_t OldZoneNameSize = 41;
constexpr std::size_t OldZoneEntrySize = 11;
constexpr std::size_t OldZoneMaxEntries = 200;
constexpr std::size_t OldZoneRecordSize = OldZoneNameSize + 2 + OldZoneMaxEntries * OldZoneEntrySize;
static_assert(OldZoneRecordSize == 2243);

// Old (v4.0) town file: a 31-byte space-padded name, longitude, latitude, old zone number.
constexpr std::size_t OldTownNameSize = 31;
constexpr std::size_t OldTownRecordSize = OldTownNameSize + 6;
static_assert(OldTownRecordSize == 37);

// Main zone numbers of the old zones 0..38.
constexpr std::int16_t OldZoneNumbers[39] = {626, 18, 19, 20, 21, 23, 25, 27, 28, 30, 31, 32, 34,
                                             35,  36, 37, 38, 39, 41, 42, 43, 2,  3,  4,  6,  8,
                                             9,   10, 11, 13, 15, 16, 17, 24, 26, 29, 10000, 10001, 2290};
constexpr int FirstUnmappedOldZone = 39;
constexpr int OldZoneShift = 9963;  // old zone 39 and up: user zone number (old - 36) + 10000

// The whole content of a regular file of at most `limit` bytes.
std::optional<std::string> readFile(const std::string& path, std::uintmax_t limit) {
    WholeFile file = readWholeFile(path, limit);
    if (!file.ok())
        return std::nullopt;
    return std::move(file.bytes);
}

// Why a data file gave nothing: the refusal or failure of reading it, or `notThisKind` (a
// string with %1 for the file) when it was read but is no file of its kind.
void tellProblem(std::string* problem, const StringTable& strings, const WholeFile& file, const std::string& path,
                 std::uintmax_t limit, int notThisKind) {
    if (!problem)
        return;
    if (file.status == WholeFileStatus::Missing) {
        *problem = strings[StrId::FileMissing];
    } else if (file.ok()) {
        *problem = strings[notThisKind];
    } else {
        *problem = wholeFileMessage(strings, file.status, path, limit);
        return;
    }
    *problem = fillPlaceholders(*problem, {path});
}

std::int16_t readInt16(const char* p) {
    const auto lo = static_cast<unsigned char>(p[0]);
    const auto hi = static_cast<unsigned char>(p[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

void writeZoneHeader(std::vector<ZoneEntry>& units, std::string_view name) {
    std::array<char, ZoneHeaderUnits * sizeof(ZoneEntry)> bytes{};
    setPatternText(bytes.data() + ZoneNameOffset, ZoneNameSize, name);
    ZoneEntry unit[ZoneHeaderUnits];
    std::memcpy(unit, bytes.data(), bytes.size());
    units.insert(units.end(), unit, unit + ZoneHeaderUnits);
}

// Converts an old time-zone body. Records 0..35 and 38 are the old program's own zones;
// 36, 37 and 39 onward were the user's and become zones 0, 1, 2, ...
std::vector<ZoneEntry> convertOldTimeFile(std::string_view body) {
    std::vector<ZoneEntry> units;
    const std::size_t records = body.size() / OldZoneRecordSize;
    for (std::size_t r = 36; r < records; ++r) {
        if (r == 38)
            continue;
        const char* rec = body.data() + r * OldZoneRecordSize;
        const int count = std::clamp<int>(readInt16(rec + OldZoneNameSize), 0, OldZoneMaxEntries);
        if (r < 38 && count <= 1) {
            writeZoneHeader(units, "-");
            continue;
        }
        writeZoneHeader(units, fieldText(rec, OldZoneNameSize));
        for (int e = 0; e < count; ++e) {
            const char* old = rec + OldZoneNameSize + 2 + static_cast<std::size_t>(e) * OldZoneEntrySize;
            ZoneEntry entry;
            std::memcpy(&entry.start, old, sizeof(CalDate));
            // Year 0 would read as a zone header; such an entry cannot be stored.
            if (entry.start.year == 0)
                continue;
            entry.hour = static_cast<std::uint8_t>(old[5]);
            entry.minute = static_cast<std::uint8_t>(old[6]);
            entry.timeKind = static_cast<std::uint8_t>(old[7]);
            setPatternText(entry.abbreviation.data(), entry.abbreviation.size(), "");
            entry.zoneHours = static_cast<std::uint8_t>(old[8]);
            entry.zoneMinutes = static_cast<std::uint8_t>(old[9]);
            entry.west = static_cast<std::uint8_t>(old[10]);
            units.push_back(entry);
        }
    }
    return units;
}

std::int16_t convertOldZone(std::int16_t old) {
    if (old < 0)
        return NoZone;
    if (old >= FirstUnmappedOldZone)
        return static_cast<std::int16_t>(old + OldZoneShift);
    return OldZoneNumbers[old];
}

bool isWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::vector<TownRecord> convertOldTownFile(TownDatabase& db, std::string_view body) {
    if (!db.exclusionText)
        db.exclusionText = readFile(db.paths.exclusions, TownFileLimit).value_or(std::string());  // missing: empty
    std::vector<TownRecord> towns;
    const std::size_t records = body.size() / OldTownRecordSize;
    for (std::size_t r = 0; r < records; ++r) {
        const char* rec = body.data() + r * OldTownRecordSize;
        std::string_view name = fieldText(rec, OldTownNameSize);
        while (!name.empty() && isWhite(name.back()))
            name.remove_suffix(1);
        // An empty name occurs in every text, so it is skipped as well.
        if (db.exclusionText->find(name) != std::string::npos || FindExistingTown(db, name))
            continue;
        TownRecord town;
        setPatternText(town.name.data(), town.name.size(), name);
        town.longitude = readInt16(rec + OldTownNameSize);
        town.latitude = readInt16(rec + OldTownNameSize + 2);
        town.zone = convertOldZone(readInt16(rec + OldTownNameSize + 4));
        towns.push_back(town);
    }
    return towns;
}

}  // namespace

void IndexMainTownNames(TownDatabase& db) {
    db.mainFolded.clear();
    db.mainFoldedStart.clear();
    db.mainFoldedStart.reserve(db.mainTowns.size() + 1);
    std::size_t total = 0;
    for (const TownRecord& town : db.mainTowns)
        total += townName(town).size();
    db.mainFolded.reserve(total);
    for (const TownRecord& town : db.mainTowns) {
        db.mainFoldedStart.push_back(static_cast<std::uint32_t>(db.mainFolded.size()));
        const std::size_t at = db.mainFolded.size();
        db.mainFolded.append(townName(town));
        for (std::size_t i = at; i < db.mainFolded.size(); ++i)
            db.mainFolded[i] = static_cast<char>(foldByte(db.mainFolded[i]));
    }
    db.mainFoldedStart.push_back(static_cast<std::uint32_t>(db.mainFolded.size()));

    const std::string_view folded(db.mainFolded);
    const auto key = [&](std::uint32_t i) {
        return townPart(folded.substr(db.mainFoldedStart[i], db.mainFoldedStart[i + 1] - db.mainFoldedStart[i]));
    };
    db.mainListOrder.resize(db.mainTowns.size());
    for (std::uint32_t i = 0; i < db.mainListOrder.size(); ++i)
        db.mainListOrder[i] = i;
    std::stable_sort(db.mainListOrder.begin(), db.mainListOrder.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return compareNatural(key(a), key(b)) < 0; });
    db.mainListPosition.resize(db.mainTowns.size());
    for (std::uint32_t p = 0; p < db.mainListOrder.size(); ++p)
        db.mainListPosition[db.mainListOrder[p]] = p;

    db.countryNames.clear();
    for (const TownRecord& town : db.mainTowns)
        if (town.isRegion())
            db.countryNames.emplace_back(townName(town));
    std::sort(db.countryNames.begin(), db.countryNames.end());
}

std::string_view townPart(std::string_view name) {
    return name.substr(0, name.find(','));
}

int compareNatural(std::string_view a, std::string_view b) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && isDigit(a[ei]))
                ++ei;
            while (ej < b.size() && isDigit(b[ej]))
                ++ej;
            // Leading zeros say nothing of the number; then the longer run is the larger number.
            std::string_view x = a.substr(i, ei - i), y = b.substr(j, ej - j);
            while (x.size() > 1 && x.front() == '0')
                x.remove_prefix(1);
            while (y.size() > 1 && y.front() == '0')
                y.remove_prefix(1);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0)
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

namespace {

// A record read from a file, made safe: the name ends inside its field.
void terminateName(TownRecord& town) {
    if (!std::memchr(town.name.data(), 0, town.name.size()))
        town.name.back() = '\0';
}

const TownRecord* findByPrefix(const std::vector<TownRecord>& towns, std::string_view name) {
    for (const TownRecord& town : towns)
        if (!town.isRegion() && townName(town).starts_with(name))
            return &town;
    return nullptr;
}

const TownRecord* findExisting(const std::vector<TownRecord>& towns, std::string_view name) {
    for (const TownRecord& town : towns) {
        const std::string_view n = townName(town);
        if (!town.isRegion() && n.starts_with(name) && (n.size() == name.size() || n[name.size()] == ','))
            return &town;
    }
    return nullptr;
}

}  // namespace

const std::vector<ZoneEntry>& TimeUnits::append(std::vector<ZoneEntry> units) {
    m_size += units.size();
    m_chunks.push_back(std::move(units));
    return m_chunks.back();
}

void TimeUnits::clear() {
    m_chunks.clear();
    m_size = 0;
}

void TimeUnits::truncate(std::size_t size) {
    while (!m_chunks.empty() && m_size - m_chunks.back().size() >= size) {
        m_size -= m_chunks.back().size();
        m_chunks.pop_back();
    }
}

std::vector<ZoneEntry> TimeUnits::all() const {
    std::vector<ZoneEntry> out;
    out.reserve(m_size);
    for (const auto& chunk : m_chunks)
        out.insert(out.end(), chunk.begin(), chunk.end());
    return out;
}

TownFilePaths townFilePaths(const std::string& programFolder, const StringTable& /*strings*/) {
    using namespace FileFormat;
    const std::string data = JoinPath(programFolder, "data");
    return {JoinPath(data, TimesFileName), JoinPath(data, UserTimesFileName), JoinPath(data, TownsFileName),
            JoinPath(data, UserTownsFileName), JoinPath(data, ExclusionsFileName), JoinPath(data, TownAliasesFileName)};
}

std::string townAliasesBeside(const std::string& townsFile) {
    const std::size_t slash = townsFile.find_last_of('/');
    return JoinPath(slash == std::string::npos ? std::string() : townsFile.substr(0, slash), FileFormat::TownAliasesFileName);
}

void LoadTownAliases(TownDatabase& db, const std::string& path) {
    db.aliases.clear();
    db.mainSizeRank.clear();
    const auto text = readFile(path, TownAliasFileLimit);
    if (!text)
        return;
    std::string_view rest(*text);
    std::uint32_t nextRank = 0;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0)
            continue;
        std::uint32_t index = 0;
        const std::string_view number = line.substr(tab + 1);
        const auto r = std::from_chars(number.data(), number.data() + number.size(), index);
        if (r.ec != std::errc() || index >= db.mainTowns.size() || db.mainTowns[index].isRegion())
            continue;
        const std::string name(line.substr(0, tab));
        db.aliases.push_back({name, foldText(name), index});
        if (db.mainSizeRank.empty())
            db.mainSizeRank.assign(db.mainTowns.size(), TownDatabase::UnknownSize);
        if (db.mainSizeRank[index] == TownDatabase::UnknownSize)
            db.mainSizeRank[index] = nextRank++;
    }
}

void LoadTownDatabase(TownDatabase& db, const TownFilePaths& paths, const StringTable& strings) {
    db = TownDatabase();
    db.paths = paths;
    if (auto units = LoadTimeFile(paths.times, strings))
        IndexZones(db.mainUnits.append(std::move(*units)), db.mainZones);
    if (auto units = LoadTimeFile(paths.userTimes, strings))
        AppendUserZones(db, std::move(*units));
    if (auto towns = LoadTownFile(db, paths.towns, strings))
        db.mainTowns = std::move(*towns);
    IndexMainTownNames(db);
    if (!paths.aliases.empty())
        LoadTownAliases(db, paths.aliases);
    if (auto towns = LoadTownFile(db, paths.userTowns, strings))
        db.userTowns = std::move(*towns);
}

std::optional<std::vector<ZoneEntry>> LoadTimeFile(const std::string& path, const StringTable& strings,
                                                   std::string* problem) {
    const WholeFile file = readWholeFile(path, TimeFileLimit);
    const auto fail = [&] {
        tellProblem(problem, strings, file, path, TimeFileLimit, StrId::NotATimeFile);
        return std::nullopt;
    };
    if (!file.ok() || file.bytes.size() < CurrentHeaderSize)
        return fail();
    const std::string_view head(file.bytes.data(), CurrentHeaderSize);
    const std::string_view body = std::string_view(file.bytes).substr(CurrentHeaderSize);
    if (head == FileFormat::storedHeader(FileFormat::TimeFileHeader)) {
        std::vector<ZoneEntry> units(body.size() / sizeof(ZoneEntry));
        if (!units.empty())
            std::memcpy(units.data(), body.data(), units.size() * sizeof(ZoneEntry));
        scrambleBody(reinterpret_cast<unsigned char*>(units.data()), units.size() * sizeof(ZoneEntry));
        return units;
    }
    if (head == FileFormat::storedHeader(FileFormat::OldTimeFileHeader))
        return convertOldTimeFile(body);
    return fail();
}

std::optional<std::vector<TownRecord>> LoadTownFile(TownDatabase& db, const std::string& path,
                                                    const StringTable& strings, std::string* problem) {
    const WholeFile file = readWholeFile(path, TownFileLimit);
    if (!file.ok()) {
        tellProblem(problem, strings, file, path, TownFileLimit, StrId::NotATownFile);
        return std::nullopt;
    }
    const std::string_view all(file.bytes);
    if (all.size() >= CurrentHeaderSize &&
        all.substr(0, CurrentHeaderSize) == FileFormat::storedHeader(FileFormat::TownFileHeader)) {
        const std::string_view body = all.substr(CurrentHeaderSize);
        std::vector<TownRecord> towns(body.size() / sizeof(TownRecord));
        if (!towns.empty())
            std::memcpy(towns.data(), body.data(), towns.size() * sizeof(TownRecord));
        scrambleBody(reinterpret_cast<unsigned char*>(towns.data()), towns.size() * sizeof(TownRecord));
        for (TownRecord& town : towns)
            terminateName(town);
        return towns;
    }
    const std::string_view oldPrefix = std::string_view(FileFormat::OldTownFileHeader).substr(0, OldTownPrefixLength);
    if (all.starts_with(oldPrefix))
        return convertOldTownFile(db, all.size() > OldTownHeaderSize ? all.substr(OldTownHeaderSize) : "");
    tellProblem(problem, strings, file, path, TownFileLimit, StrId::NotATownFile);
    return std::nullopt;
}

void IndexZones(std::span<const ZoneEntry> units, std::vector<ZoneDescriptor>& zones) {
    const std::size_t first = zones.size();
    bool inZone = false;
    for (std::size_t i = 0; i < units.size();) {
        if (units[i].isHeader()) {
            // The name field runs over the next two units; a header cut short by the end of
            // the body keeps what is there.
            const std::size_t available = (units.size() - i) * sizeof(ZoneEntry) - ZoneNameOffset;
            const char* field = reinterpret_cast<const char*>(&units[i]) + ZoneNameOffset;
            zones.push_back({fieldText(field, std::min(available, ZoneNameSize)), nullptr, 0});
            inZone = true;
            i += std::min(ZoneHeaderUnits, units.size() - i);
            continue;
        }
        if (inZone) {
            ZoneDescriptor& zone = zones.back();
            if (zone.entryCount == 0)
                zone.entries = &units[i];
            ++zone.entryCount;
        }
        ++i;
    }
    for (std::size_t z = first; z < zones.size(); ++z)
        if (zones[z].empty())
            zones[z] = ZoneDescriptor{};
}

int AppendUserZones(TownDatabase& db, std::vector<ZoneEntry> units) {
    const int base = static_cast<int>(db.userZones.size());
    // Entries before the first header would belong to the last zone of the earlier units
    // once the file is saved and read again, and a header cut short would swallow the units
    // after it; neither is kept.
    const auto header = std::find_if(units.begin(), units.end(), [](const ZoneEntry& u) { return u.isHeader(); });
    units.erase(units.begin(), header);
    for (std::size_t i = 0; i < units.size();) {
        if (!units[i].isHeader()) {
            ++i;
            continue;
        }
        if (units.size() - i < ZoneHeaderUnits) {
            units.resize(i);
            break;
        }
        i += ZoneHeaderUnits;
    }
    IndexZones(db.userUnits.append(std::move(units)), db.userZones);
    return base;
}

const TownRecord* InsertUserTowns(TownDatabase& db, std::span<const TownRecord> towns) {
    if (towns.empty())
        return nullptr;
    // A merge: the spot of each new town is searched from the previous insertion on.
    std::vector<TownRecord> merged;
    merged.reserve(db.userTowns.size() + towns.size());
    std::vector<std::string> existingKeys;
    existingKeys.reserve(db.userTowns.size());
    for (const TownRecord& t : db.userTowns)
        existingKeys.push_back(foldText(townName(t)));
    std::size_t next = 0;
    std::size_t firstInserted = 0;
    for (std::size_t n = 0; n < towns.size(); ++n) {
        TownRecord town = towns[n];
        terminateName(town);
        fillAfterText(town.name.data(), town.name.size());
        const std::string key = foldText(townName(town));
        while (next < db.userTowns.size() && existingKeys[next] <= key) {
            merged.push_back(db.userTowns[next]);
            ++next;
        }
        if (n == 0)
            firstInserted = merged.size();
        merged.push_back(town);
    }
    merged.insert(merged.end(), db.userTowns.begin() + static_cast<std::ptrdiff_t>(next), db.userTowns.end());
    db.userTowns = std::move(merged);
    return &db.userTowns[firstInserted];
}

bool RemoveUserTown(TownDatabase& db, const TownRecord* town) {
    if (!isUserTown(db, town))
        return false;
    db.userTowns.erase(db.userTowns.begin() + (town - db.userTowns.data()));
    return true;
}

bool SaveUserTowns(const TownDatabase& db, const StringTable& /*strings*/) {
    return SaveDataFile(db.paths.userTowns, FileFormat::TownFileHeader, db.userTowns.data(),
                        db.userTowns.size() * sizeof(TownRecord));
}

bool SaveUserTimes(const TownDatabase& db, const StringTable& /*strings*/) {
    const std::vector<ZoneEntry> units = db.userUnits.all();
    return SaveDataFile(db.paths.userTimes, FileFormat::TimeFileHeader, units.data(), units.size() * sizeof(ZoneEntry));
}

const TownRecord* FindTown(const TownDatabase& db, std::string_view name) {
    if (name.starts_with('+'))
        return findByPrefix(db.userTowns, name.substr(std::min<std::size_t>(2, name.size())));
    if (const TownRecord* town = findByPrefix(db.mainTowns, name))
        return town;
    return findByPrefix(db.userTowns, name);
}

const TownRecord* FindExistingTown(const TownDatabase& db, std::string_view name) {
    if (const TownRecord* town = findExisting(db.mainTowns, name))
        return town;
    return findExisting(db.userTowns, name);
}

const ZoneDescriptor* FindZone(std::string_view prefix, const std::vector<ZoneDescriptor>& zones) {
    for (const ZoneDescriptor& zone : zones)
        if (!zone.empty() && zone.name.starts_with(prefix))
            return &zone;
    return nullptr;
}

const ZoneDescriptor* zoneByNumber(const TownDatabase& db, int number) {
    const std::vector<ZoneDescriptor>* zones = &db.mainZones;
    if (number >= UserZoneBase) {
        zones = &db.userZones;
        number -= UserZoneBase;
    }
    if (number < 0 || static_cast<std::size_t>(number) >= zones->size() || (*zones)[number].empty())
        return nullptr;
    return &(*zones)[number];
}

bool isValidZone(const TownDatabase& db, int number) {
    return zoneByNumber(db, number) != nullptr;
}

bool isUserTown(const TownDatabase& db, const TownRecord* town) {
    // std::less orders any two pointers, also those into different arrays.
    const std::less<const TownRecord*> before;
    return town && !db.userTowns.empty() && !before(town, db.userTowns.data()) &&
           before(town, db.userTowns.data() + db.userTowns.size());
}
