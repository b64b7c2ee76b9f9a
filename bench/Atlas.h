#pragma once
// The shipped world atlas for the benchmarks, loaded once: from ZDK_DIST_DIR when that is set,
// else from the source tree's dist folder.
#include <cstdlib>

#include "StringTable.h"
#include "TownDatabase.h"

inline const TownDatabase& atlas() {
    static const TownDatabase db = [] {
        StringTable strings;
        strings.load(LanguageEnglish);
        const char* dist = std::getenv("ZDK_DIST_DIR");
        TownDatabase loaded;
        LoadTownDatabase(loaded, townFilePaths(dist ? dist : ZDK_DIST_DIR, strings), strings);
        return loaded;
    }();
    return db;
}
