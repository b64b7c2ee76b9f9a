#include <gtest/gtest.h>

#include <functional>

#include "FixedText.h"
#include "OptionsTestSupport.h"
#include "SettingsFile.h"

namespace {

class SettingsFileTest : public ::testing::Test, public ProgramFolderFixture {
protected:
    void writeSettings(const std::string& body) { dir.write("options/zodikeon.ini", body); }
    TOptions read() {
        TOptions o{};
        ReadSettings(o, folder());
        return o;
    }
};

TEST_F(SettingsFileTest, missingFile_yieldsAllDefaults) {
    TOptions o{};
    setFixedText(o.options_file, "/old.zdo");
    o.autosave = true;
    o.lastfile_count = 3;
    ReadSettings(o, folder());
    EXPECT_EQ(fixedText(o.options_file), folder() + "/options/ZODIKEON.ZDO");
    EXPECT_FALSE(o.autosave);
    EXPECT_EQ(fixedText(o.default_town), "Budapest, Hungary");
    EXPECT_EQ(fixedText(o.last_directory), folder() + "/horo");
    EXPECT_EQ(o.lastfile_count, 0);
    for (const WindowPlacement& p : o.window_placements) {
        EXPECT_EQ(p.length, 44u);
        EXPECT_EQ(p.showCmd, 0u);
    }
}

TEST_F(SettingsFileTest, writeThenRead_reproducesTheSettingsBlock) {
    TOptions o{};
    setFixedText(o.options_file, "/somewhere/mine.zdo");
    o.autosave = true;
    setFixedText(o.default_town, "Szeged, Hungary");
    setFixedText(o.last_directory, "/home/astro/charts");
    AddLastFile(o, "Older,  Radix;   /c/older.hor");
    AddLastFile(o, "Newer,  Radix;   /c/newer.hor");
    o.window_placements[0] = {44, 2, 3, -1, -2, 10, 20, 100, 200, 900, 700};
    o.window_placements[2] = {44, 0, 1, 0, 0, 0, 0, 5, 6, 7, 8};
    ASSERT_TRUE(WriteSettings(o, folder(), true));

    const TOptions r = read();
    EXPECT_EQ(fixedText(r.options_file), "/somewhere/mine.zdo");
    EXPECT_TRUE(r.autosave);
    EXPECT_EQ(fixedText(r.default_town), "Szeged, Hungary");
    EXPECT_EQ(fixedText(r.last_directory), "/home/astro/charts");
    ASSERT_EQ(r.lastfile_count, 2);
    EXPECT_EQ(fixedText(r.lastfiles[0]), "Newer,  Radix;   /c/newer.hor");
    EXPECT_EQ(fixedText(r.lastfiles[1]), "Older,  Radix;   /c/older.hor");
    const WindowPlacement& p = r.window_placements[0];
    EXPECT_EQ(p.flags, 2u);
    EXPECT_EQ(p.showCmd, 3u);
    EXPECT_EQ(p.minX, -1);
    EXPECT_EQ(p.bottom, 700);
    EXPECT_EQ(r.window_placements[1].showCmd, 0u);
    EXPECT_EQ(r.window_placements[2].showCmd, 1u);
    EXPECT_EQ(r.window_placements[2].bottom, 8);
    const std::string text = dir.read("options/zodikeon.ini");
    EXPECT_NE(text.find("window=2, 3, -1, -2, 10, 20, 100, 200, 900, 700\r\n"), std::string::npos);
    EXPECT_EQ(text.find("radixsh"), std::string::npos);
}

TEST_F(SettingsFileTest, edgeCasesOfReading) {
    const struct {
        const char* name;
        const char* file;
        std::function<void(const TOptions&)> check;
    } cases[] = {
        {"autosave with a capital Y is off", "[config]\r\nautosave=Yes\r\n",
         [](const TOptions& o) { EXPECT_FALSE(o.autosave); }},
        {"empty options key gives the default path", "[config]\r\noptions=\r\n",
         [this](const TOptions& o) { EXPECT_EQ(fixedText(o.options_file), folder() + "/options/ZODIKEON.ZDO"); }},
        {"default town is cut to 29 characters", "[config]\r\ndefault_town=Hódmezővásárhely-Kutasipuszta, Hungary\r\n",
         [](const TOptions& o) { EXPECT_EQ(fixedText(o.default_town).size(), 29u); }},
        {"recent files stop at the first gap", "[lastfiles]\r\n1=a\r\n2=b\r\n4=d\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.lastfile_count, 2);
             EXPECT_EQ(fixedText(o.lastfiles[1]), "b");
         }},
        {"no more than five recent files", "[lastfiles]\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n6=f\r\n",
         [](const TOptions& o) { EXPECT_EQ(o.lastfile_count, 5); }},
        {"minimised placement comes back shown normally", "[config]\r\nradixsh=0, 2, 0, 0, 0, 0, 1, 2, 3, 4\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.window_placements[1].showCmd, 1u);
             EXPECT_EQ(o.window_placements[1].right, 3);
         }},
        {"short placement leaves the rest 0", "[config]\r\nprogrsh=1,5\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.window_placements[2].flags, 1u);
             EXPECT_EQ(o.window_placements[2].showCmd, 5u);
             EXPECT_EQ(o.window_placements[2].left, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings(c.file);
        c.check(read());
    }
}

TEST_F(SettingsFileTest, writeWithLastFiles_dropsEntriesBeyondTheGap) {
    writeSettings("[config]\r\nmine=kept\r\n[lastfiles]\r\n1=a\r\n2=b\r\n4=d\r\n");
    TOptions o = read();
    ASSERT_TRUE(WriteSettings(o, folder(), false));
    EXPECT_NE(dir.read("options/zodikeon.ini").find("4=d"), std::string::npos);
    ASSERT_TRUE(WriteSettings(o, folder(), true));
    const std::string text = dir.read("options/zodikeon.ini");
    EXPECT_EQ(text.find("4=d"), std::string::npos);
    EXPECT_NE(text.find("[lastfiles]\r\n1=a\r\n2=b\r\n"), std::string::npos);
    EXPECT_NE(text.find("mine=kept"), std::string::npos);
}

TEST_F(SettingsFileTest, writeFailure_isReported) {
    TOptions o{};
    EXPECT_FALSE(WriteSettings(o, folder() + "/missing", false));
}

TEST(LastFiles, addAndRemove) {
    TOptions o{};
    for (const char* entry : {"1", "2", "3", "4", "5"})
        AddLastFile(o, entry);
    AddLastFile(o, "3");  // already there: nothing moves
    EXPECT_EQ(o.lastfile_count, 5);
    EXPECT_EQ(fixedText(o.lastfiles[0]), "5");
    AddLastFile(o, "6");  // the oldest drops out
    EXPECT_EQ(o.lastfile_count, 5);
    EXPECT_EQ(fixedText(o.lastfiles[0]), "6");
    EXPECT_EQ(fixedText(o.lastfiles[4]), "2");
    RemoveLastFile(o, "4");
    RemoveLastFile(o, "not there");
    ASSERT_EQ(o.lastfile_count, 4);
    EXPECT_EQ(fixedText(o.lastfiles[0]), "6");
    EXPECT_EQ(fixedText(o.lastfiles[1]), "5");
    EXPECT_EQ(fixedText(o.lastfiles[2]), "3");
    EXPECT_EQ(fixedText(o.lastfiles[3]), "2");
    EXPECT_EQ(fixedText(o.lastfiles[4]), "");
    AddLastFile(o, "");  // an empty entry would end the list on the next start
    EXPECT_EQ(o.lastfile_count, 4);
}

}  // namespace
