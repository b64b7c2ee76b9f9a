// The shipped files must read the same whatever the string tables say: the file formats take
// their headers and file names from FileFormat, never from a translatable text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FixedText.h"
#include "HoroscopeFile.h"
#include "HoroscopeListing.h"
#include "OptionsLoader.h"
#include "RadixData.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TempDir.h"
#include "TownDatabase.h"

namespace {

// Every text replaced by one that no file holds.
StringTable replacedStrings() {
    StringTable t;
    for (int id = 0; id < StringTable::Size; ++id)
        t.set(id, "?translated?");
    return t;
}

class TranslatedStringsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* source = std::getenv("ZDK_SOURCE_DIR");
        ASSERT_NE(source, nullptr) << "ZDK_SOURCE_DIR names the source tree with dist/";
        std::filesystem::copy(std::string(source) + "/dist", dir.path(), std::filesystem::copy_options::recursive);
        english.load(LanguageEnglish);
    }
    TempDir dir;
    StringTable english;
    const StringTable replaced = replacedStrings();
};

TEST_F(TranslatedStringsTest, shippedOptionsAndDignityTableLoad) {
    TOptions o{};
    const OptionsLoadResult r = LoadStartupOptions(o, dir.path(), replaced);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.dignityMessage, "");
    EXPECT_EQ(fixedText(o.towns_file), dir.file("data/ZDKTOWNS.TWD"));
    EXPECT_EQ(fixedText(o.dignities_file), dir.file("data/zdkdigns.csv"));
}

TEST_F(TranslatedStringsTest, shippedAtlasTimeZonesAndExclusionsAreFound) {
    TownDatabase db;
    LoadTownDatabase(db, townFilePaths(dir.path(), replaced), replaced);
    EXPECT_GT(db.mainTowns.size(), 1000u);
    EXPECT_GT(db.mainZones.size(), 100u);
    EXPECT_NE(FindTown(db, "Budapest"), nullptr);
    EXPECT_TRUE(std::filesystem::exists(db.paths.exclusions)) << db.paths.exclusions;

    // A user town written with one table reads back with the other.
    db.userTowns.push_back(db.mainTowns.front());
    ASSERT_TRUE(SaveUserTowns(db, replaced));
    TownDatabase again;
    LoadTownDatabase(again, townFilePaths(dir.path(), english), english);
    EXPECT_EQ(again.userTowns.size(), 1u);
}

TEST_F(TranslatedStringsTest, horoscopeFileWrittenByTheProgramReadsBack) {
    RadixData written{};
    setFixedText(written.name, "Kiss Anna");
    setFixedText(written.horType, english[StrId::TypeRadix]);
    written.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                                 GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    std::filesystem::create_directories(dir.file("horo"));
    const std::string path = dir.file("horo/anna.hor");
    ASSERT_TRUE(WriteHoroscopeFile(path, english, written, ChartBlocks{}));

    EXPECT_TRUE(IsHoroscopeFile(path, replaced));
    RadixData read{};
    ChartBlocks blocks;
    ASSERT_EQ(ReadHoroscopeFile(path, replaced, ChartDirectionSettings{}, read, blocks), HoroscopeRead::Ok);
    EXPECT_EQ(fixedText(read.name), "Kiss Anna");
    EXPECT_EQ(fixedText(read.horType), "radix");

    HoroscopeListing listing;
    ScanFolder(listing, dir.file("horo"), replaced);
    EXPECT_EQ(listing.found(), 1u);

    // And the other way round: written with the replaced table, read with the English one.
    ASSERT_TRUE(WriteHoroscopeFile(path, replaced, written, ChartBlocks{}));
    EXPECT_EQ(ReadHoroscopeFile(path, english, ChartDirectionSettings{}, read, blocks), HoroscopeRead::Ok);
}

}  // namespace
