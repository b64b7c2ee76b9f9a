#pragma once
// The logic of the Import towns command, without its windows: the questions and the choice
// of a time-zone file are asked through callbacks, and the outcome names the message to show.
#include <functional>
#include <optional>
#include <string>

#include "StringIds.h"
#include "TownDatabase.h"

enum class ImportAnswer { Yes, No, Cancel };

struct ImportQuestions {
    // 881: the file belongs to an old database; import all of it with its zones?
    std::function<ImportAnswer()> importWholeDatabase;
    // 884: the file's towns use user zones; import those zones as well?
    std::function<ImportAnswer()> importUserZones;
    // 886: the user time-zone file to import; nothing when cancelled.
    std::function<std::optional<std::string>()> chooseTimeFile;
};

enum class ImportOutcome {
    Cancelled,   // nothing changed, nothing to show
    Failed,      // message 882 "Failed to import the towns."
    SaveFailed,  // message 885 "Error while saving the data"
    Imported,    // message 883 with the two counts
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Cancelled;
    unsigned towns = 0;  // increase of the user towns
    unsigned zones = 0;  // increase of the non-empty user zones
    std::string problem;  // when Failed: what was wrong with which file, to show after message 882
};

constexpr int ImportCaptionId = StrId::ImportTowns;
constexpr int ImportFailedId = StrId::ImportFailed;
constexpr int ImportedId = StrId::Imported;
constexpr int ImportSaveFailedId = StrId::ImportSaveFailed;
constexpr int ImportWholeQuestionId = StrId::ImportWholeDatabaseQuestion;
constexpr int ImportZonesQuestionId = StrId::ImportZonesQuestion;
constexpr int ImportChooseTimeFileId = StrId::SelectUserTimeZoneFile;

// Imports the town file `path` into the user part of `db` and saves the user files. An old
// file offers the whole old database of its folder (ZDKTIMES.TID and ZDKTWN_A.TWD ..
// ZDKTWN_Z.TWD, ZDKTWN__.TWD; names matched without regard to letter case); otherwise the
// file's towns are imported, with or without the user zones they refer to.
ImportResult ImportTowns(TownDatabase& db, const std::string& path, const StringTable& strings,
                         const ImportQuestions& questions);

// Imports a whole old database from `folder` (the "Yes" of question 881): its zones become
// user zones, and towns whose zone is then invalid get zone 19. False when the folder's
// time-zone file cannot be read (the reason, naming the file, goes to `problem`); the user
// files are not saved.
[[nodiscard]] bool ImportOldDatabase(TownDatabase& db, const std::string& folder, const StringTable& strings,
                                     std::string* problem = nullptr);

// The text of message 883 for a result.
std::string importedMessage(const ImportResult& result, const StringTable& strings);
