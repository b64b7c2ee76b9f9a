#include "AppState.h"

#include "JoinPath.h"
#include "ProgramFolder.h"

void LoadStrings(AppState& state) {
    state.Strings.load(state.LanguageId);
    state.FileFilters[FilterHoroscope] = buildFileFilter(state.Strings, 129, "hor");
    state.FileFilters[FilterOptions] = buildFileFilter(state.Strings, 130, "zdo");
    state.FileFilters[FilterText] = buildFileFilter(state.Strings, 424, "txt");
    state.FileFilters[FilterTowns] = buildFileFilter(state.Strings, 870, "TWD");
    state.FileFilters[FilterZones] = buildFileFilter(state.Strings, 871, "TID");
}

void SetProgramFolder(AppState& state, const std::string& folder) {
    state.ProgramFolder = folder.empty() ? executableFolder() : folder;
    state.EphemerisPath = JoinPath(JoinPath(state.ProgramFolder, "data"), "ephem");
}
