#pragma once
// The English string table, loaded once for the tests that need texts by id.
#include "StringTable.h"

inline const StringTable& english() {
    static const StringTable t = [] {
        StringTable s;
        s.load(LanguageEnglish);
        return s;
    }();
    return t;
}
