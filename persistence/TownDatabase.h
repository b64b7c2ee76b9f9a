#pragma once
// The town and time-zone database of a run: a read-only main part shipped with the program
// and a user part that grows by new and edited towns and by imports. Every town and zone
// lookup of the program goes through the functions here.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TownRecords.h"

class StringTable;

// One zone of a time-zone body: its name and its rule entries, which point into the units
// the database keeps. A zone header without entries gives an empty descriptor: it keeps its
// index (so zone numbers stay valid) but lists and lookups skip it.
struct ZoneDescriptor {
    std::string_view name;
    const ZoneEntry* entries = nullptr;
    std::size_t entryCount = 0;

    bool empty() const { return entryCount == 0; }
    std::span<const ZoneEntry> rules() const { return {entries, entryCount}; }
};

// The units of time-zone bodies. Appending never moves units already stored, so the
// descriptors that point into them stay valid for the whole run.
class TimeUnits {
public:
    // Stores `units` after the others and returns the stored copy.
    const std::vector<ZoneEntry>& append(std::vector<ZoneEntry> units);
    void clear();
    // Drops the appends made after the units numbered `size` (a size this object had).
    void truncate(std::size_t size);
    std::size_t size() const { return m_size; }
    // All units in order, as one body.
    std::vector<ZoneEntry> all() const;

private:
    std::vector<std::vector<ZoneEntry>> m_chunks;
    std::size_t m_size = 0;
};

// Full paths of the files of the database.
struct TownFilePaths {
    std::string times;       // main zones, never written
    std::string userTimes;   // user zones
    std::string towns;       // main towns, never written
    std::string userTowns;   // user towns
    std::string exclusions;  // names to skip when converting old town files
    std::string aliases = {};  // other names of main towns; none when empty
};

// The usual paths: the `data` folder of the program folder with the file names of the string
// table (the same names the options record carries).
TownFilePaths townFilePaths(const std::string& programFolder, const StringTable& strings);

// The other-names file that goes with a main town file: ZDKTOWNS.ALT in the same folder, as
// the atlas ships them.
std::string townAliasesBeside(const std::string& townsFile);

struct TownDatabase {
    TownDatabase() = default;
    // Descriptors point into the units; a copy would point into the original.
    TownDatabase(const TownDatabase&) = delete;
    TownDatabase& operator=(const TownDatabase&) = delete;
    TownDatabase(TownDatabase&&) = default;
    TownDatabase& operator=(TownDatabase&&) = default;

    TownFilePaths paths;
    // Content of the exclusion file, loaded when an old town file is first converted.
    std::optional<std::string> exclusionText;

    std::vector<ZoneDescriptor> mainZones;
    TimeUnits mainUnits;
    std::vector<ZoneDescriptor> userZones;
    TimeUnits userUnits;

    std::vector<TownRecord> mainTowns;  // file order
    // Other names a main town is known by (Wien for Vienna), for the town lists.
    struct Alias {
        std::string name;    // as written
        std::string folded;  // FoldTable form, for searching
        std::uint32_t town = 0;  // index into mainTowns
    };
    std::vector<Alias> aliases;
    // How populous each main town is, as a rank (0 = the most populous): the other-names file
    // lists its towns most populous first. Towns it does not list (the smaller ones) have
    // UnknownSize. Empty when the file is missing.
    static constexpr std::uint32_t UnknownSize = UINT32_MAX;
    std::vector<std::uint32_t> mainSizeRank;
    std::vector<TownRecord> userTowns;  // sorted by folded name

    // Folded main town names, one after the other, for searching without folding each time:
    // name i is mainFolded[mainFoldedStart[i] .. mainFoldedStart[i + 1]).
    std::string mainFolded;
    std::vector<std::uint32_t> mainFoldedStart;
    // The main towns in the order of the lists: by the town part of their folded names with
    // numbers read as numbers (Kreis 2 before Kreis 10), then in file order, which puts the most
    // populous town of a name first. mainListPosition is the inverse.
    std::vector<std::uint32_t> mainListOrder;
    std::vector<std::uint32_t> mainListPosition;
    // The names of the region entries (the countries), sorted by bytes.
    std::vector<std::string> countryNames;
};

// Compares two texts as people sort names: byte by byte, but a run of digits against a run of
// digits by its number (Kreis 2 before Kreis 10). Negative, zero or positive.
int compareNatural(std::string_view a, std::string_view b);

// The town part of a name: up to its first comma ("Vienna" of "Vienna, Austria").
std::string_view townPart(std::string_view name);

// Empties `db` and loads the four files of `paths`. A missing or unrecognised file leaves its
// part empty, silently.
void LoadTownDatabase(TownDatabase& db, const TownFilePaths& paths, const StringTable& strings);

// Reads the other names of the main towns: lines of a name, a tab and the index of the main
// town, the towns in order of population, most populous first (which gives db.mainSizeRank).
// Lines that name no town are skipped; a missing file gives none.
void LoadTownAliases(TownDatabase& db, const std::string& path);

// Folds the main town names into db.mainFolded once, so searches need not fold them, and
// puts the main towns in list order (db.mainListOrder).
void IndexMainTownNames(TownDatabase& db);

// The unscrambled units of a time-zone file; an old (v4.0) file is converted into units.
// Nothing when the file cannot be read, is refused unread (no regular file, or larger than
// TimeFileLimit) or is no time-zone file; then `problem` gets the reason, naming the file.
std::optional<std::vector<ZoneEntry>> LoadTimeFile(const std::string& path, const StringTable& strings,
                                                   std::string* problem = nullptr);

// The towns of a town file. An old (v4.0) file is converted: names trimmed, towns named in
// the exclusion text or already in `db` skipped, zone numbers translated. Nothing when the
// file cannot be read, is refused unread (no regular file, or larger than TownFileLimit) or is
// no town file; then `problem` gets the reason, naming the file.
std::optional<std::vector<TownRecord>> LoadTownFile(TownDatabase& db, const std::string& path,
                                                    const StringTable& strings, std::string* problem = nullptr);

// Appends one descriptor per zone header found in `units` to `zones`. Entries before the
// first header belong to no zone and are ignored.
void IndexZones(std::span<const ZoneEntry> units, std::vector<ZoneDescriptor>& zones);

// Appends `units` to the user zones and returns the number of user zones before, the base
// that turns a user zone number z of the imported files into z + base.
int AppendUserZones(TownDatabase& db, std::vector<ZoneEntry> units);

// Inserts towns into the sorted user towns: each before the first town, from the previous
// insertion on, whose folded name is greater (after equal names); sorted input therefore
// keeps the list sorted. The bytes after each name get the fill pattern. Returns the first
// inserted town, valid until the user towns change again; nullptr when `towns` is empty.
const TownRecord* InsertUserTowns(TownDatabase& db, std::span<const TownRecord> towns);

// Removes a user town (a pointer into db.userTowns); false when it is none.
bool RemoveUserTown(TownDatabase& db, const TownRecord* town);

// Writes a database file: `header` with a zero byte, then `length` bytes of records,
// scrambled. The previous file is kept as path + ".bak"; the file itself is replaced
// atomically, so it is always either the old or the new version.
[[nodiscard]] bool SaveDataFile(const std::string& path, std::string_view header, const void* records, std::size_t length);
// SaveDataFile of the user towns and of the user time units with their headers.
[[nodiscard]] bool SaveUserTowns(const TownDatabase& db, const StringTable& strings);
[[nodiscard]] bool SaveUserTimes(const TownDatabase& db, const StringTable& strings);

// The first town whose name begins with `name` (exact bytes), skipping region entries: among
// the main towns in file order, then the user towns. A name beginning with "+" is looked up
// among the user towns only, without its first two characters (the "+ " marker).
const TownRecord* FindTown(const TownDatabase& db, std::string_view name);

// The first town (main, then user) that is `name` itself or `name` followed by a comma, so
// an old name "Budapest" is found as "Budapest, Hungary" but "Pest" is not found as
// "Pestszentlőrinc, Hungary". Used to skip towns an import would duplicate.
const TownRecord* FindExistingTown(const TownDatabase& db, std::string_view name);

// The first non-empty zone whose name begins with `prefix`.
const ZoneDescriptor* FindZone(std::string_view prefix, const std::vector<ZoneDescriptor>& zones);

// The zone of a zone number (main index, or UserZoneBase + user index), or nullptr when the
// number names no zone or an empty one.
const ZoneDescriptor* zoneByNumber(const TownDatabase& db, int number);
bool isValidZone(const TownDatabase& db, int number);

// Whether `town` is one of db.userTowns (by address).
bool isUserTown(const TownDatabase& db, const TownRecord* town);

