#include "AppState.h"

#include "JoinPath.h"
#include "ProgramFolder.h"
#include "StringIds.h"

void LoadStrings(AppState& state) {
    state.Strings.load(state.LanguageId);
    state.FileFilters[FilterHoroscope] = buildFileFilter(state.Strings, StrId::FilterHoroscopes, "hor");
    state.FileFilters[FilterOptions] = buildFileFilter(state.Strings, StrId::FilterOptions, "zdo");
    state.FileFilters[FilterText] = buildFileFilter(state.Strings, StrId::FilterText, "txt");
    state.FileFilters[FilterTowns] = buildFileFilter(state.Strings, StrId::FilterTowns, "TWD");
    state.FileFilters[FilterZones] = buildFileFilter(state.Strings, StrId::FilterZones, "TID");
}

void SetProgramFolder(AppState& state, const std::string& folder) {
    state.ProgramFolder = folder.empty() ? executableFolder() : folder;
    state.EphemerisPath = JoinPath(JoinPath(state.ProgramFolder, "data"), "ephem");
}
