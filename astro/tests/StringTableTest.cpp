#include <gtest/gtest.h>

#include <regex>

#include "AppState.h"
#include "StringTable.h"

TEST(StringTable, VersionIsTheSameInBothLanguages) {
    for (const std::uint16_t lang : {LanguageEnglish, LanguageHungarian}) {
        StringTable t;
        t.load(lang);
        EXPECT_STREQ(t[730], "4.6.1");
    }
}

TEST(StringTable, MissingAndOutOfRangeIdsYieldTheEmptyText) {
    StringTable t;
    t.load(LanguageEnglish);
    EXPECT_STREQ(t[-1], "");
    EXPECT_STREQ(t[1040], "");
    StringTable unloaded;
    EXPECT_STREQ(unloaded[319], "");
}

TEST(StringTable, LanguagesSwitchTexts) {
    StringTable t;
    t.load(LanguageEnglish);
    EXPECT_STREQ(t[319], "Error");
    t.load(LanguageHungarian);
    EXPECT_STREQ(t[319], "Hiba");
}

// A translation that drops or reorders a printf argument crashes or garbles the message at run time.
TEST(StringTable, HungarianTextsKeepTheFormatArgumentsOfTheEnglishOnes) {
    const std::regex formatArgument("%[-+ #0]*[0-9*]*(\\.[0-9*]+)?(hh|h|ll|l|L|z)?[diouxXeEfgGcsp%]");
    auto specs = [&](const char* text) {
        std::vector<std::string> out;
        const std::string s = text;
        for (std::sregex_iterator it(s.begin(), s.end(), formatArgument), end; it != end; ++it)
            out.push_back(it->str());
        return out;
    };
    for (int id = 0; id < StringTable::Size; ++id) {
        const char* en = builtInString(LanguageEnglish, id);
        const char* hu = builtInString(LanguageHungarian, id);
        ASSERT_EQ(en == nullptr, hu == nullptr) << "id " << id << " exists in one language only";
        if (!en)
            continue;
        auto a = specs(en), b = specs(hu);
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b) << "id " << id << ": \"" << en << "\" vs \"" << hu << "\"";
    }
}

TEST(FileFilters, LoadStringsBuildsTheFiveWindowsStyleFilters) {
    AppState state;
    state.LanguageId = LanguageEnglish;
    LoadStrings(state);
    const auto pairs = fileFilterPairs(state.FileFilters[FilterHoroscope]);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].first, "All Files (*.*)");
    EXPECT_EQ(pairs[0].second, "*.*");
    EXPECT_EQ(pairs[1].first, state.Strings.str(129));
    EXPECT_EQ(pairs[1].second, "*.hor");
    EXPECT_EQ(fileFilterPairs(state.FileFilters[FilterZones])[1].second, "*.TID");
    EXPECT_EQ(fileFilterPairs(state.FileFilters[FilterTowns])[1].second, "*.TWD");
    EXPECT_EQ(fileFilterPairs(state.FileFilters[FilterOptions])[1].second, "*.zdo");
    EXPECT_EQ(fileFilterPairs(state.FileFilters[FilterText])[1].second, "*.txt");
}

TEST(StringTable, FillPlaceholdersInOnePass) {
    const struct {
        const char* text;
        std::initializer_list<std::string_view> values;
        const char* expected;
    } rows[] = {
        {"Line %1: %2", {"12", "no date"}, "Line 12: no date"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1 again", {"x"}, "x and x again"},
        {"a value with %2 in it stays: %1", {"50%2", "unused"}, "a value with unused in it stays: 50%2"},
        {"a translation without the placeholder", {"/some/file"}, "a translation without the placeholder"},
        {"no value for %2", {"one"}, "no value for %2"},
        {"100% sure, %1", {"yes"}, "100% sure, yes"},
        {"ends with %", {"x"}, "ends with %"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fillPlaceholders(row.text, row.values), row.expected) << row.text;
}
