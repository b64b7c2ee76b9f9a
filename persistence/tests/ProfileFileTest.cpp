#include <gtest/gtest.h>

#include <filesystem>
#include <csignal>
#include <random>
#include <sys/resource.h>

#include "ProfileFile.h"
#include "TempDir.h"

namespace {

ProfileFile load(const TempDir& dir, const std::string& bytes) {
    return ProfileFile(dir.write("test.ini", bytes));
}

}  // namespace

TEST(ProfileFile, ReadsLikeTheWindowsProfileFunctions) {
    TempDir dir;
    const ProfileFile f = load(dir,
                               "[Config]\r\n"
                               "Options = /x/ZODIKEON.ZDO \r\n"
                               "quoted=\"  spaced  \"\r\n"
                               "single='a'\r\n"
                               "novalue\r\n"
                               "=empty key\r\n"
                               "dup=first\r\n"
                               "dup=second\r\n"
                               "[other]\r\n"
                               "options=elsewhere\r\n");
    struct Row {
        const char* name;
        const char* section;
        const char* key;
        std::size_t size;
        const char* expected;
    } rows[] = {
        {"case-insensitive section and key, value trimmed", "config", "OPTIONS", 260, "/x/ZODIKEON.ZDO"},
        {"cut to the buffer", "config", "options", 5, "/x/Z"},
        {"buffer of one holds only the terminator", "config", "options", 1, ""},
        {"one pair of quotes removed", "config", "quoted", 100, "  spaced  "},
        {"single quotes too", "config", "single", 100, "a"},
        {"key line without =", "config", "novalue", 100, ""},
        {"empty key name", "config", "", 100, "empty key"},
        {"first of duplicate keys", "config", "dup", 100, "first"},
        {"missing key gives the default", "config", "nothere", 100, "dflt"},
        {"missing section gives the default", "nosection", "options", 100, "dflt"},
        {"default cut too", "config", "nothere", 3, "df"},
        {"sections keep their keys apart", "OTHER", "options", 100, "elsewhere"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(f.getString(row.section, row.key, "dflt", row.size), row.expected);
    }
    EXPECT_EQ(f.keyNames("config").size(), 7u);
}

TEST(ProfileFile, WritesInPlaceAppendsAndKeepsUnknownLines) {
    TempDir dir;
    ProfileFile f = load(dir,
                         "; a comment\r\n"
                         "[config]\r\n"
                         "Options=old\r\n"
                         "unknown=kept\r\n"
                         "\r\n"
                         "[foreign]\r\n"
                         "x=1\r\n");
    f.writeString("CONFIG", "options", "new");
    f.writeString("config", "autosave", "yes");
    f.writeString("lastfiles", "1", "a, b;   /c.hor");
    f.writeString("symbols", "", "13th");
    ASSERT_TRUE(f.flush());
    EXPECT_EQ(dir.read("test.ini"),
              "; a comment\r\n"
              "[config]\r\n"
              "Options=new\r\n"
              "unknown=kept\r\n"
              "autosave=yes\r\n"
              "\r\n"
              "[foreign]\r\n"
              "x=1\r\n"
              "[lastfiles]\r\n"
              "1=a, b;   /c.hor\r\n"
              "[symbols]\r\n"
              "=13th\r\n");
    EXPECT_EQ(ProfileFile(dir.file("test.ini")).getString("symbols", "", "", 100), "13th");
}

TEST(ProfileFile, DeletesSectionsAndKeys) {
    TempDir dir;
    ProfileFile f = load(dir, "[a]\r\nk=1\r\nj=2\r\n[lastfiles]\r\n1=x\r\n4=y\r\n[b]\r\nk=3\r\n");
    f.deleteSection("LastFiles");
    f.deleteKey("a", "K");
    f.deleteKey("a", "missing");
    f.deleteSection("missing");
    ASSERT_TRUE(f.flush());
    EXPECT_EQ(dir.read("test.ini"), "[a]\r\nj=2\r\n[b]\r\nk=3\r\n");
}

TEST(ProfileFile, ValuesCannotForgeLines) {
    TempDir dir;
    ProfileFile f(dir.file("new.ini"));
    f.writeString("config", "town", "Budapest\r\n[evil]\r\nx=1");
    ASSERT_TRUE(f.flush());
    const ProfileFile back(dir.file("new.ini"));
    EXPECT_EQ(back.sectionNames(), std::vector<std::string>{"config"});
}

TEST(ProfileFile, MissingFileReadsEmptyAndFlushCreatesIt) {
    TempDir dir;
    ProfileFile f(dir.file("absent.ini"));
    EXPECT_FALSE(f.existed());
    EXPECT_EQ(f.getString("config", "options", "d", 260), "d");
    EXPECT_TRUE(f.flush());  // nothing to write
    EXPECT_FALSE(std::filesystem::exists(dir.file("absent.ini")));
    f.writeString("config", "options", "x");
    EXPECT_TRUE(f.flush());
    EXPECT_EQ(dir.read("absent.ini"), "[config]\r\noptions=x\r\n");
}

TEST(ProfileFile, FlushIntoAMissingFolderFails) {
    TempDir dir;
    ProfileFile f(dir.file("no/such/folder/x.ini"));
    f.writeString("a", "k", "v");
    EXPECT_FALSE(f.flush());
}

// A file-size limit makes write() fail part-way, exactly like a disk that fills up; unlike a
// read-only folder it stops root too, and the tests run as root.
TEST(ProfileFile, FailedFlushIsReportedKeepsTheOldFileAndTheChanges) {
    TempDir dir;
    const std::string path = dir.write("test.ini", "[a]\r\nk=old\r\n");
    ProfileFile f(path);
    f.writeString("a", "k", std::string(5000, 'n'));
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool flushed = f.flush();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(flushed);
    EXPECT_EQ(dir.read("test.ini"), "[a]\r\nk=old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "temporary file left behind";
    // The change is still pending, so the next flush, with room again, writes it.
    EXPECT_TRUE(f.dirty());
    EXPECT_TRUE(f.flush());
    EXPECT_EQ(ProfileFile(path).getString("a", "k", "", 6000), std::string(5000, 'n'));
}

TEST(ProfileFile, OddBytesNeitherCrashNorConfuse) {
    TempDir dir;
    const std::string nul("[a]\r\nk=v\0w\r\n", 12);
    EXPECT_EQ(load(dir, nul).getString("a", "k", "", 100), "v");
    EXPECT_EQ(load(dir, "[a\r\nk=1\r\n").getString("a", "k", "d", 100), "d");  // no "]": not a section
    EXPECT_EQ(load(dir, "[ a ]\nk=1").getString("a", "k", "", 100), "1");     // no final line end, LF only
    EXPECT_EQ(load(dir, "k=1\r\n[a]\r\n").getString("a", "k", "d", 100), "d");   // keys before any section
    EXPECT_EQ(load(dir, "[a]\r\nk=" + std::string(100000, 'x') + "\r\n").getString("a", "k", "", 260).size(), 259u);

    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 400, '\0');
        for (char& c : bytes)
            c = "[]=\r\n \tab\0\xFF"[random() % 11];
        ProfileFile f = load(dir, bytes);
        f.getString("a", "b", "", 50);
        f.writeString("a", "b", "c");
        f.deleteSection("b");
        EXPECT_EQ(f.getString("a", "b", "", 50), "c");
    }
}
