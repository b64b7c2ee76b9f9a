#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "CodePage.h"
#include "FixedText.h"
#include "HoroscopeDetails.h"
#include "HoroscopeFile.h"
#include "HoroscopeListing.h"
#include "HoroscopeSearch.h"
#include "FoldTable.h"
#include "StringTable.h"
#include "TempDir.h"
#include "EnglishStrings.h"

namespace {

const std::string Header("ZODIKEON v4.0 Horoscope File\r\n", 31);

// A chart of `name` (UTF-8) born 1 July 1980 12:00 GMT in Budapest.
std::string chartBytes(const std::string& name, const std::string& type = "radix", const std::string& notes = "") {
    RadixData r;
    setFixedText(r.name, utf8ToCp1250(name));
    setFixedText(r.horType, type);
    r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                           GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    setFixedText(r.moment.town, "Budapest");
    r.moment.localToUniversal();
    setFixedText(r.notes, utf8ToCp1250(notes));
    return serializeHoroscopeFile(english(), r, ChartBlocks{});
}

// The order in which the folder hands out its file names.
std::vector<std::string> folderOrder(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d))
            if (std::string_view(e->d_name) != "." && std::string_view(e->d_name) != "..")
                names.emplace_back(e->d_name);
        ::closedir(d);
    }
    return names;
}

std::vector<std::string> namesOf(const std::vector<const HoroscopeEntry*>& entries) {
    std::vector<std::string> out;
    for (const HoroscopeEntry* e : entries)
        out.push_back(cp1250ToUtf8(e->name));
    return out;
}

std::vector<std::string> namesOf(const HoroscopeListing& listing) {
    std::vector<const HoroscopeEntry*> all;
    for (const auto& e : listing.entries)
        all.push_back(e.get());
    return namesOf(all);
}

}  // namespace

TEST(FoldTable, HoroscopeNamesFoldToCapitalsWithoutAccents) {
    struct Row {
        const char* name;
        std::string text;  // UTF-8
        std::string folded;
    } rows[] = {
        {"ascii letters", "Nagy Kis-3", "NAGY KIS-3"},
        {"hungarian accents", "árvíztűrő tükörfúrógép", "ARVIZTURO TUKORFUROGEP"},
        {"hungarian capitals", "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP", "ARVIZTURO TUKORFUROGEP"},
        {"central european", "Šťastný Žďár Ćosić Pană", "STASTNY ZDAR COSIC PANA"},
        {"stroked letters like the others", "Łódź Đurđević", "LODZ DURDEVIC"},
        {"signs below the letters stay", "@[\\]^_`{|}~", "@[\\]^_`{|}~"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(foldText(utf8ToCp1250(row.text)), row.folded);
    }
}

TEST(ScanFolder, SortsByFoldedNameAndKeepsEqualNamesInFolderOrder) {
    TempDir dir;
    // Enough equal names that an unstable sort would mix them up.
    const char* spellings[] = {"Árvíz", "arviz", "ARVIZ", "árvíz"};
    for (int i = 0; i < 40; ++i)
        dir.write("a" + std::to_string(i) + ".hor", chartBytes(spellings[i % 4]));
    dir.write("z.hor", chartBytes("Zoltán"));
    dir.write("b.hor", chartBytes("Bea"));
    dir.write("ab.hor", chartBytes("Ábel"));
    HoroscopeListing listing;
    ASSERT_EQ(ScanFolder(listing, dir.path(), english()), ScanResult::Complete);
    ASSERT_EQ(listing.found(), 43u);

    std::vector<std::string> arviz;
    for (const std::string& f : folderOrder(dir.path()))
        if (f[0] == 'a' && f[1] != 'b')
            arviz.push_back(f);
    EXPECT_EQ(listing.entries[0]->fileName, "ab.hor");
    for (std::size_t i = 0; i < arviz.size(); ++i)
        EXPECT_EQ(listing.entries[i + 1]->fileName, arviz[i]) << i;
    EXPECT_EQ(cp1250ToUtf8(listing.entries[41]->name), "Bea");
    EXPECT_EQ(cp1250ToUtf8(listing.entries[42]->name), "Zoltán");
    EXPECT_EQ(listing.entries[42]->horType, "radix");
    EXPECT_EQ(listing.pathOf(*listing.entries[42]), dir.file("z.hor"));
}

// Whatever lies in the folder, the scan goes on and lists exactly the horoscope files.
TEST(ScanFolder, LeavesOutWhatIsNoHoroscopeFileAndNeverStops) {
    TempDir dir;
    dir.write("good.hor", chartBytes("Good"));
    dir.write("UPPER.HOR", chartBytes("Upper"));
    dir.write("other.txt", chartBytes("Other extension"));
    dir.write("wrong.hor", "ZODIKEON v4.0 Options File\r\n" + std::string(60, '\0'));
    dir.write("newer.hor", "ZODIKEON v4.1 Horoscope File\r\n" + std::string(60, '\0'));
    dir.write("empty.hor", "");
    dir.write("short.hor", Header.substr(0, 20));
    dir.write("headeronly.hor", Header);
    dir.write("halfname.hor", Header + "Half");
    // A name that fills its field without a zero byte is cut as the record cuts it.
    dir.write("fullname.hor", Header + std::string(41, 'N') + std::string("radix\0\0\0\0\0\0", 11));
    std::filesystem::create_directory(dir.file("folder.hor"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.hor").c_str(), 0600), 0);  // reading it would block
    ASSERT_EQ(::symlink("nowhere.hor", dir.file("dangling.hor").c_str()), 0);
    // A link to itself cannot be opened by anyone, root included.
    ASSERT_EQ(::symlink("loop.hor", dir.file("loop.hor").c_str()), 0);

    HoroscopeListing listing;
    ASSERT_EQ(ScanFolder(listing, dir.path(), english()), ScanResult::Complete);
    EXPECT_EQ(namesOf(listing), (std::vector<std::string>{"", "Good", "Half", std::string(40, 'N'), "Upper"}));
    // The files left out are counted, so that the browser can say so; folders and pipes are no files.
    EXPECT_EQ(listing.skipped, 6u) << "wrong, newer, empty, short, dangling, loop";
}

TEST(ScanFolder, FileNamesWithEveryByteValueAreListedAndReachable) {
    TempDir dir;
    // One file per byte value a file name can hold, and one name holding all of them.
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b == '/')
            continue;
        const std::string name = std::string(1, static_cast<char>(b)) + ".hor";
        dir.write(name, chartBytes("Byte " + std::to_string(b)));
        all += static_cast<char>(b);
    }
    dir.write(all.substr(0, 120) + ".hor", chartBytes("All bytes 1"));
    dir.write(all.substr(120) + ".hor", chartBytes("All bytes 2"));
    // And a person's name of every byte value.
    std::string person;
    for (int b = 1; b <= 40; ++b)
        person += static_cast<char>(b * 6 + 15);
    dir.write("person.hor", Header + person + std::string(52 - person.size(), '\0'));

    HoroscopeListing listing;
    ASSERT_EQ(ScanFolder(listing, dir.path(), english()), ScanResult::Complete);
    EXPECT_EQ(listing.found(), 254u + 2 + 1);
    for (const auto& e : listing.entries) {
        SCOPED_TRACE(e->fileName);
        EXPECT_TRUE(CanOpenHoroscope(listing.pathOf(*e), english()));
    }
}

TEST(ScanFolder, ReportsEveryFifteenthFileAndCanBeStopped) {
    TempDir dir;
    for (int i = 0; i < 47; ++i)
        dir.write("c" + std::to_string(i) + ".hor", chartBytes("Chart " + std::to_string(i)));
    HoroscopeListing listing;
    std::vector<std::size_t> reported;
    EXPECT_EQ(ScanFolder(listing, dir.path(), english(), [&](std::size_t n) { reported.push_back(n); return true; }),
              ScanResult::Complete);
    EXPECT_EQ(reported, (std::vector<std::size_t>{15, 30, 45}));
    EXPECT_EQ(listing.found(), 47u);

    EXPECT_EQ(ScanFolder(listing, dir.path(), english(), [](std::size_t n) { return n < 30; }), ScanResult::Stopped);
    EXPECT_EQ(listing.found(), 30u);
}

TEST(ScanFolder, FilesThatVanishDuringTheScanAreSkipped) {
    TempDir dir;
    for (int i = 0; i < 60; ++i)
        dir.write("c" + std::to_string(i) + ".hor", chartBytes("Chart " + std::to_string(i)));
    HoroscopeListing listing;
    std::vector<std::string> kept;
    const auto progress = [&](std::size_t) {
        // Everything not listed yet goes away at the first report.
        if (!kept.empty())
            return true;
        for (const auto& e : listing.entries)
            kept.push_back(e->fileName);
        for (const std::string& f : folderOrder(dir.path()))
            if (std::find(kept.begin(), kept.end(), f) == kept.end())
                std::filesystem::remove(dir.file(f));
        return true;
    };
    EXPECT_EQ(ScanFolder(listing, dir.path(), english(), progress), ScanResult::Complete);
    EXPECT_EQ(listing.found(), 15u);
}

TEST(ScanFolder, UnreadableFolderGivesAnEmptyListing) {
    TempDir dir;
    dir.write("file", "x");
    HoroscopeListing listing;
    listing.entries.push_back(std::make_unique<HoroscopeEntry>());
    for (const std::string& folder : {dir.file("missing"), dir.file("file"), std::string()}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(ScanFolder(listing, folder, english()), ScanResult::FolderUnreadable);
        EXPECT_EQ(listing.found(), 0u);
        EXPECT_EQ(listing.folder, folder);
    }
}

TEST(ScanFolder, SeveralMasksListEachFileOnce) {
    TempDir dir;
    dir.write("a.hor", chartBytes("A"));
    dir.write("b.zdh", chartBytes("B"));
    dir.write("c.txt", chartBytes("C"));
    HoroscopeListing listing;
    listing.mask = "*.hor;;*.zdh;*.HOR";
    ScanFolder(listing, dir.path(), english());
    EXPECT_EQ(namesOf(listing), (std::vector<std::string>{"A", "B"}));
}

TEST(FillList, AlternativesAndWords) {
    TempDir dir;
    for (const char* name : {"Budai Anna", "Pesti Péter", "Kiss Nagy Éva", "Nagy Kis", "Kovács Béla", "Budapesti Ádám"})
        dir.write(std::string(name) + ".hor", chartBytes(name));
    HoroscopeListing listing;
    ScanFolder(listing, dir.path(), english());

    struct Row {
        const char* search;  // UTF-8
        std::vector<std::string> names;
    } rows[] = {
        {"", {"Budai Anna", "Budapesti Ádám", "Kiss Nagy Éva", "Kovács Béla", "Nagy Kis", "Pesti Péter"}},
        {"buda;pest", {"Budai Anna", "Budapesti Ádám", "Pesti Péter"}},
        {"nagy kis", {"Kiss Nagy Éva", "Nagy Kis"}},
        {"KIS  nagy", {"Kiss Nagy Éva", "Nagy Kis"}},
        {"ádám", {"Budapesti Ádám"}},
        {"kovacs;ÉVA", {"Kiss Nagy Éva", "Kovács Béla"}},
        {"buda;", {"Budai Anna", "Budapesti Ádám"}},  // an empty alternative adds nothing
        {" ; ;", {"Budai Anna", "Budapesti Ádám", "Kiss Nagy Éva", "Kovács Béla", "Nagy Kis", "Pesti Péter"}},
        {"nagy zsolt", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.search);
        EXPECT_EQ(namesOf(FillList(listing, utf8ToCp1250(row.search))), row.names);
    }
}

TEST(HoroscopeDetails, BirthDataAndNotesOfTheFile) {
    TempDir dir;
    const std::string path = dir.write("anna.hor", chartBytes("Anna", "radix", "Első sor\r\nMásodik"));
    const auto d = ReadHoroscopeDetails(path, english());
    ASSERT_TRUE(d);
    EXPECT_EQ(d->moment, "July 1, 1980   12:00:00 GMT");
    EXPECT_EQ(cp1250ToUtf8(d->place), "Long 19°05'E  Lat 47°30'N");
    EXPECT_EQ(d->town, "Budapest");
    EXPECT_EQ(cp1250ToUtf8(d->notes), "Első sor\r\nMásodik");

    EXPECT_FALSE(ReadHoroscopeDetails(dir.file("missing.hor"), english()));
    EXPECT_FALSE(ReadHoroscopeDetails(dir.write("wrong.hor", "not a chart"), english()));
    EXPECT_FALSE(CanOpenHoroscope(dir.file("wrong.hor"), english()));
    EXPECT_TRUE(CanOpenHoroscope(path, english()));
}

TEST(HoroscopeDetails, DeleteRemovesTheFileAndAcceptsOneAlreadyGone) {
    TempDir dir;
    const std::string path = dir.write("gone.hor", chartBytes("Gone"));
    EXPECT_TRUE(DeleteHoroscopeFile(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(DeleteHoroscopeFile(path));
    // Under a plain file nothing can be deleted.
    EXPECT_FALSE(DeleteHoroscopeFile(dir.write("plain", "x") + "/child.hor"));
}
