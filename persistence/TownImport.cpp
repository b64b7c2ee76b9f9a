#include "TownImport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "FileFormat.h"
#include "FoldTable.h"
#include "HoroscopeListing.h"
#include "JoinPath.h"
#include "StringTable.h"

namespace {

constexpr std::int16_t FallbackZone = 19;

std::size_t nonEmptyZones(const std::vector<ZoneDescriptor>& zones) {
    return static_cast<std::size_t>(std::count_if(zones.begin(), zones.end(), [](const ZoneDescriptor& z) { return !z.empty(); }));
}

// The file `name` in `folder`; on a file system that tells letter cases apart, a file whose
// name differs only in case is taken as well (old databases come from Windows).
std::string fileInFolder(const std::string& folder, const std::string& name) {
    namespace fs = std::filesystem;
    const std::string exact = JoinPath(folder, name);
    std::error_code ec;
    if (fs::exists(exact, ec))
        return exact;
    const std::string wanted = foldText(name);
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec))
        if (foldText(entry.path().filename().string()) == wanted)
            found.push_back(entry.path().string());
    if (found.empty())
        return exact;
    std::sort(found.begin(), found.end());
    return found.front();
}

// Imported files need not be in order; sorted, they keep the user towns sorted.
void insertSorted(TownDatabase& db, std::vector<TownRecord>& towns) {
    std::stable_sort(towns.begin(), towns.end(), [](const TownRecord& a, const TownRecord& b) {
        return compareFolded(townName(a), townName(b)) < 0;
    });
    InsertUserTowns(db, towns);
}

// Only the start of a regular file is read: a pipe would make the import wait for ever.
bool hasOldTownHeader(const std::string& path) {
    const std::optional<std::string> head = readFileStart(path, OldTownPrefixLength);
    return head && std::string_view(FileFormat::OldTownFileHeader).substr(0, OldTownPrefixLength) == *head;
}

// The user part as it was before an import, to go back to when the import cannot be saved.
struct UserPart {
    std::vector<TownRecord> towns;
    std::size_t zones = 0;
    std::size_t units = 0;
    std::size_t nonEmpty = 0;

    explicit UserPart(const TownDatabase& db)
        : towns(db.userTowns), zones(db.userZones.size()), units(db.userUnits.size()),
          nonEmpty(nonEmptyZones(db.userZones)) {}

    void restore(TownDatabase& db) const {
        db.userTowns = towns;
        db.userZones.resize(zones);
        db.userUnits.truncate(units);
    }
};

ImportResult finish(TownDatabase& db, const StringTable& strings, const UserPart& before) {
    const std::size_t townsBefore = before.towns.size();
    const std::size_t zonesBefore = before.nonEmpty;
    ImportResult result;
    if (!SaveUserTowns(db, strings) || !SaveUserTimes(db, strings)) {
        // Towns saved without their zones would point to zones that are not there next time:
        // the user part goes back to what it was, in memory and, as far as it can, on disk.
        before.restore(db);
        // Should this write fail as well, the import's towns stay on disk as they were written;
        // the message says the data could not be saved either way.
        static_cast<void>(SaveUserTowns(db, strings));
        result.outcome = ImportOutcome::SaveFailed;
        return result;
    }
    result.outcome = ImportOutcome::Imported;
    result.towns = static_cast<unsigned>(db.userTowns.size() - townsBefore);
    result.zones = static_cast<unsigned>(nonEmptyZones(db.userZones) - zonesBefore);
    return result;
}

// Returns Cancelled to end the command, Failed for message 882, Imported to go on saving.
ImportOutcome importSingleFile(TownDatabase& db, const std::string& path, const StringTable& strings,
                               const ImportQuestions& questions, std::string& problem) {
    auto loaded = LoadTownFile(db, path, strings, &problem);
    if (!loaded)
        return ImportOutcome::Failed;
    std::vector<TownRecord> towns = std::move(*loaded);
    const bool usesUserZones =
        std::any_of(towns.begin(), towns.end(), [](const TownRecord& t) { return t.zone >= UserZoneBase; });
    if (usesUserZones) {
        const ImportAnswer answer = questions.importUserZones ? questions.importUserZones() : ImportAnswer::Cancel;
        if (answer == ImportAnswer::Cancel)
            return ImportOutcome::Cancelled;
        if (answer == ImportAnswer::Yes) {
            const auto timeFile = questions.chooseTimeFile ? questions.chooseTimeFile() : std::nullopt;
            if (!timeFile)
                return ImportOutcome::Cancelled;
            auto units = LoadTimeFile(*timeFile, strings, &problem);
            if (!units)
                return ImportOutcome::Failed;
            const int base = AppendUserZones(db, std::move(*units));
            for (TownRecord& t : towns)
                if (t.zone >= UserZoneBase)
                    t.zone = static_cast<std::int16_t>(std::min(t.zone + base, 0x7FFF));
            std::erase_if(towns, [&](const TownRecord& t) { return t.zone >= UserZoneBase && !isValidZone(db, t.zone); });
        } else {
            std::erase_if(towns, [](const TownRecord& t) { return t.zone >= UserZoneBase; });
        }
    }
    std::erase_if(towns, [&](const TownRecord& t) { return t.isRegion() || FindExistingTown(db, townName(t)); });
    insertSorted(db, towns);
    return ImportOutcome::Imported;
}

}  // namespace

bool ImportOldDatabase(TownDatabase& db, const std::string& folder, const StringTable& strings,
                       std::string* problem) {
    auto units = LoadTimeFile(fileInFolder(folder, FileFormat::TimesFileName), strings, problem);
    if (!units)
        return false;
    const int base = AppendUserZones(db, std::move(*units));
    const std::string pattern = FileFormat::OldTownFilePattern;
    const std::size_t x = pattern.find('X');
    std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_";
    for (const char letter : letters) {
        std::string name = pattern;
        if (x != std::string::npos)
            name[x] = letter;
        auto towns = LoadTownFile(db, fileInFolder(folder, name), strings);
        if (!towns)
            continue;
        for (TownRecord& t : *towns) {
            if (t.zone >= UserZoneBase)
                t.zone = static_cast<std::int16_t>(std::min(t.zone + base, 0x7FFF));
            // "No zone" stays as it is; a number that names no zone gets the fallback zone.
            if (t.zone >= 0 && !isValidZone(db, t.zone))
                t.zone = FallbackZone;
        }
        insertSorted(db, *towns);
    }
    return true;
}

ImportResult ImportTowns(TownDatabase& db, const std::string& path, const StringTable& strings,
                         const ImportQuestions& questions) {
    const UserPart before(db);
    ImportResult cancelled;
    ImportResult failed;
    failed.outcome = ImportOutcome::Failed;

    if (hasOldTownHeader(path)) {
        const ImportAnswer answer = questions.importWholeDatabase ? questions.importWholeDatabase() : ImportAnswer::Cancel;
        if (answer == ImportAnswer::Cancel)
            return cancelled;
        if (answer == ImportAnswer::Yes) {
            const std::string folder = std::filesystem::path(path).parent_path().string();
            if (!ImportOldDatabase(db, folder, strings, &failed.problem)) {
                before.restore(db);
                return failed;
            }
            return finish(db, strings, before);
        }
    }
    switch (importSingleFile(db, path, strings, questions, failed.problem)) {
    case ImportOutcome::Cancelled:
        before.restore(db);
        return cancelled;
    case ImportOutcome::Failed:
        before.restore(db);
        return failed;
    default:
        return finish(db, strings, before);
    }
}

std::string importedMessage(const ImportResult& result, const StringTable& strings) {
    char text[256];
    std::snprintf(text, sizeof text, strings[ImportedId], result.towns, result.zones);
    return text;
}
