#include <gtest/gtest.h>

#include "DignityDegreeTable.h"
#include "OptionDefaults.h"
#include "StringTable.h"

namespace {

using Cell = std::array<std::uint8_t, 3>;

TEST(RebuildDignityDegreeTable, fillsEachDerivedColumnFromItsKind) {
    TOptions o{};
    o.sign_dignities[4][DignityOwn][0] = true;    // Mars rules Aries
    o.sign_dignities[4][DignityOwn][7] = true;    // and Scorpio
    o.sign_dignities[9][DignityOwn][7] = true;    // Pluto Scorpio
    o.sign_dignities[0][DignityExalt][0] = true;  // Sun exalted in Aries
    o.sign_dignities[10][DignityTrip][2] = true;  // node, triplicity in Gemini
    o.dignity_degree_table[ColumnDomicile][100] = {9, 9, 9};
    o.dignity_degree_table[ColumnTripDay][100] = {9, 9, 9};
    RebuildDignityDegreeTable(o);

    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][0], (Cell{5, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][29], (Cell{5, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][30], (Cell{0, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][100], (Cell{0, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][239], (Cell{5, 10, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnDetriment][180], (Cell{5, 0, 0}));  // Libra
    EXPECT_EQ(o.dignity_degree_table[ColumnDetriment][30], (Cell{5, 10, 0}));  // Taurus
    EXPECT_EQ(o.dignity_degree_table[ColumnExaltation][15], (Cell{1, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnFall][195], (Cell{1, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnTriplicity][60], (Cell{11, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnTripDay][100], (Cell{9, 9, 9}));  // not a derived column
}

TEST(RebuildDignityDegreeTable, aFullCellTakesNoMoreBodies) {
    TOptions o{};
    for (int body : {1, 3, 5, 8})
        o.sign_dignities[body][DignityOwn][11] = true;
    RebuildDignityDegreeTable(o);
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][345], (Cell{2, 4, 6}));
}

TEST(OptionDefaults, chartConstellationsAreTheNamedOnes) {
    StringTable strings;
    strings.load(LanguageEnglish);
    std::vector<std::string> names;
    for (int i : DefaultChartConstellations)
        names.push_back(strings[950 + i]);
    const std::vector<std::string> expected = {
        "Aquarius",  "Aquila",   "Aries",    "Cancer",  "Capricornus", "Cetus",       "Corvus",
        "Crater",    "Delphinus", "Equuleus", "Eridanus", "Gemini",     "Hydra",       "Leo",
        "Libra",     "Monoceros", "Ophiuchus", "Orion",  "Pisces",      "Sagittarius", "Scorpius",
        "Serpens Caput", "Serpens Cauda", "Sextans", "Taurus", "Virgo"};
    EXPECT_EQ(names, expected);
}

TEST(DignityKeywords, lookUpIgnoresCaseButNotBlanks) {
    EXPECT_EQ(findDignityKeyword(ColumnDomicile, "SOL"), 1);
    EXPECT_EQ(findDignityKeyword(ColumnDomicile, "dcd"), 12);
    EXPECT_EQ(findDignityKeyword(ColumnDomicile, " sol"), -1);
    EXPECT_EQ(findDignityKeyword(ColumnSex, ""), 0);
    EXPECT_EQ(findDignityKeyword(ColumnLight, ""), -1);
    EXPECT_EQ(findDignityKeyword(ColumnExtra, "P"), 3);
    EXPECT_EQ(findDignityKeyword(15, "x"), -1);
}

}  // namespace
