#pragma once
// Process-wide state of a run: language, texts, folders, filters and the options record.
// The windows keep their own pointers; calculation code is handed what it needs (the options
// by const reference), it never reaches in here.
#include <array>
#include <cstdint>
#include <string>

#include "FileFilters.h"
#include "Options.h"
#include "StringTable.h"

struct AppState {
    std::uint16_t LanguageId = LanguageEnglish;
    StringTable Strings;
    std::string ProgramFolder;
    std::string EphemerisPath;
    std::array<FileFilter, FilterCount> FileFilters{};
    TOptions Options;
    bool StartupFailed = false;
};

// (Re)loads the string table and the five file filters in `state.LanguageId`.
void LoadStrings(AppState& state);

// Sets ProgramFolder (the executable's folder unless `folder` is given) and EphemerisPath.
void SetProgramFolder(AppState& state, const std::string& folder = {});
