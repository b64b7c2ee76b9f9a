// zodikeon-cli chart and save from outside, as scripts use them: exit codes, standard output
// and standard error of the built tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "TempDir.h"
#include "CliRun.h"

namespace {

CliRun cli(const std::vector<std::string>& args) { return runCli(args); }

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<std::string> Budapest = {"--name", "Árvíz Tűrő", "--sex", "female", "--date", "1984-3-15",
                                           "--time", "10:30:15", "--zone", "+1:00", "--lon", "19.0402",
                                           "--lat", "47.4979"};

}  // namespace

TEST(CliChart, SavedFileReadsBackToTheSameChart) {
    struct Row {
        const char* name;
        std::vector<std::string> birth;
    } rows[] = {
        {"zone time East", Budapest},
        {"Hungarian", concat(Budapest, {"--lang", "hu"})},
        {"LMT across midnight, West and South", {"--name", "Night Owl", "--type", "solar ret", "--date", "2000-12-31",
                                                "--time", "23:50", "--clock", "lmt", "--lon", "-30", "--lat",
                                                "-33.925"}},
        {"LMT at a longitude with fractions of an arc second", {"--date", "1950-7-1", "--time", "2:25:13", "--clock",
                                                               "lmt", "--lon", "-130.8737", "--lat", "55.3"}},
        {"Julian, before Christ, GMT", {"--date", "-99-3-1", "--calendar", "julian", "--time", "0:0:59", "--clock",
                                        "gmt", "--lon", "12.4833", "--lat", "41.9", "--sex", "male"}},
        {"zone West across the year end", {"--name", "Ann", "--date", "1999-12-31", "--time", "19:45", "--zone",
                                           "-5:30", "--lon", "-74.006", "--lat", "40.7128"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const CliRun saved = cli(concat({"save", "--out", dir.file("chart.hor")}, row.birth));
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
        EXPECT_EQ(std::filesystem::file_size(dir.file("chart.hor")), 3925u);

        const CliRun entered = cli(concat({"chart", "--json"}, row.birth));
        std::vector<std::string> fromFile = {"chart", "--json", "--file", dir.file("chart.hor")};
        if (row.birth.size() > 2 && row.birth[row.birth.size() - 2] == "--lang")
            fromFile = concat(fromFile, {"--lang", row.birth.back()});
        const CliRun read = cli(fromFile);
        ASSERT_EQ(entered.exitCode, 0) << entered.err;
        ASSERT_EQ(read.exitCode, 0) << read.err;
        EXPECT_EQ(read.out, entered.out);
    }
}

TEST(CliChart, JsonHoldsTheRecordsFields) {
    const CliRun r = cli({"chart", "--json", "--name", "Night Owl", "--date", "2000-6-15", "--time", "0:10", "--clock",
                       "lmt", "--lon", "30", "--lat", "-33.5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const char* expected[] = {
        "\"name\": \"Night Owl\"",
        "\"horType\": \"radix\"",
        "\"utDate\": {\n      \"gregorian\": true,\n      \"year\": 2000,\n      \"month\": 6,\n      \"day\": 14\n",
        "\"utTime\": {\n      \"hour\": 22,\n      \"minute\": 10,\n      \"second\": 0\n",
        "\"localDate\": {\n      \"gregorian\": true,\n      \"year\": 2000,\n      \"month\": 6,\n      \"day\": 15\n",
        "\"longitude\": 30,",
        "\"latitude\": -33.5,",
        "\"timeKind\": 1,",
        "\"zoneWest\": false,",
        "\"town\": \"\"",
        "\"sex\": 0",
        "\"notes\": \"\"",
        "\"momentText\": \"June 15, 2000   0:10:00 LMT\"",
        "\"placeText\": \"Long 30°00'E  Lat 33°30'S\"",
        "\"lifeEvents\": []",
    };
    for (const char* e : expected)
        EXPECT_NE(r.out.find(e), std::string::npos) << e << "\nin\n" << r.out;

    const CliRun empty = cli({"chart", "--json", "--name", "", "--type", "", "--date", "0-1-1", "--time", "12:00",
                           "--zone", "+0:00", "--lon", "0", "--lat", "0", "--lang", "hu"});
    ASSERT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_NE(empty.out.find("\"name\": \"(nincs név)\""), std::string::npos) << empty.out;
    EXPECT_NE(empty.out.find("\"horType\": \"(nincs)\""), std::string::npos) << empty.out;
    EXPECT_NE(empty.out.find("\"momentText\": \"i. e. 1. január 1.  12:00:00 +0:00\""), std::string::npos)
        << empty.out;
}

TEST(CliChart, EntryChecksFailWithTheDialogsMessages) {
    const std::vector<std::string> place = {"--lon", "19", "--lat", "47"};
    struct Row {
        std::vector<std::string> args;
        const char* message;  // empty: accepted
    } rows[] = {
        {{"--date", "1900-2-29", "--time", "1:00", "--zone", "+1:00"}, "Invalid date"},
        {{"--date", "1900-2-29", "--calendar", "julian", "--time", "1:00", "--zone", "+1:00"}, ""},
        {{"--date", "1900-2-29", "--time", "1:00", "--zone", "+1:00", "--lang", "hu"}, "Érvénytelen dátum"},
        {{"--date", "5001-1-1", "--time", "1:00", "--zone", "+1:00"}, "Invalid year"},
        {{"--date", "-4999-1-1", "--time", "1:00", "--zone", "+1:00"}, ""},
        {{"--date", "-5000-1-1", "--time", "1:00", "--zone", "+1:00"}, "Invalid year"},
        {{"--date", "2000-13-1", "--time", "1:00", "--zone", "+1:00"}, "Invalid date"},
        {{"--date", "2000-1-1", "--time", "24:00", "--zone", "+1:00"}, "Invalid time"},
        {{"--date", "2000-1-1", "--time", "12:00:60", "--zone", "+1:00"}, "Invalid time"},
        {{"--date", "2000-1-1", "--time", "12:00", "--zone", "+24:00"}, "Invalid zone time"},
        {{"--date", "2000-1-1", "--time", "12:00", "--zone", "-1:60"}, "Invalid zone time"},
        {{"--date", "2000-1-1", "--time", "12:60", "--zone", "+24:00"}, "Invalid time"},
        {{"--date", "2000-1-1", "--time", "12:00", "--zone", "+1:00", "--lon", "181"}, "Invalid geographic longitude"},
        {{"--date", "2000-1-1", "--time", "12:00", "--zone", "+1:00", "--lat", "-90"}, "Invalid geographic latitude"},
        {{"--date", "2000-1-1", "--time", "12:00", "--zone", "+1:00", "--name", std::string(40, 'n')},
         "--name is longer than 39 characters"},
        {{"--date", "2000-1-1", "--time", "12:00", "--zone", "+1:00", "--type", "tenletters"},
         "--type is longer than 9 characters"},
    };
    for (const Row& row : rows) {
        // Later options win, so a row's own --lon or --lat replaces the default place.
        const std::vector<std::string> args = concat(concat({"chart"}, place), row.args);
        SCOPED_TRACE(::testing::PrintToString(args));
        const CliRun r = cli(args);
        if (*row.message == '\0') {
            EXPECT_EQ(r.exitCode, 0) << r.err;
        } else {
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_EQ(r.err, std::string("zodikeon-cli: ") + row.message + "\n");
            EXPECT_EQ(r.out, "");
        }
    }
}

TEST(CliChart, BadUsageIsExitCode2) {
    const std::vector<std::string> rows[] = {
        {"chart", "--date", "1984/3/15", "--time", "1:00", "--zone", "+1:00", "--lon", "0", "--lat", "0"},
        {"chart", "--date", "1984-3-15", "--time", "1h", "--zone", "+1:00", "--lon", "0", "--lat", "0"},
        {"chart", "--date", "1984-3-15", "--time", "1:00", "--zone", "1:00", "--lon", "0", "--lat", "0"},
        {"chart", "--date", "1984-3-15", "--time", "1:00", "--zone", "+1:00", "--lon", "19E", "--lat", "0"},
        {"chart", "--date", "1984-3-15", "--time", "1:00", "--zone", "+1:00", "--lon", "nan", "--lat", "0"},
        {"chart", "--date", "1984-3-15", "--time", "1:00", "--lon", "0", "--lat", "0"},
        {"chart", "--time", "1:00", "--clock", "gmt", "--lon", "0", "--lat", "0"},
        {"chart", "--date", "1984-3-15", "--time", "1:00", "--clock", "utc", "--lon", "0", "--lat", "0"},
        {"chart", "--date", "1984-3-15", "--time", "1:00", "--clock", "gmt", "--lon", "0", "--lat", "0", "--sex", "x"},
        {"chart", "--file", "a.hor", "--name", "X"},
        {"chart", "--json", "--frobnicate"},
        {"chart", "--json", "stray"},
        {"chart", "--file", "a.hor", "--lang", "de"},
        {"save", "--date", "1984-3-15", "--time", "1:00", "--clock", "gmt", "--lon", "0", "--lat", "0"},
    };
    for (const auto& args : rows) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CliRun r = cli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err.rfind("zodikeon-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliChart, FilesThatCannotBeUsedAreReported) {
    TempDir dir;
    const std::string notHoroscope = dir.write("text.hor", "ZODIKEON v4.5 Horoscope File\r\n");
    for (const std::string& path : {notHoroscope, dir.file("missing.hor")}) {
        SCOPED_TRACE(path);
        const CliRun r = cli({"chart", "--json", "--file", path});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, "zodikeon-cli: " + path + ": File is not found or corrupt\n");
        EXPECT_EQ(r.out, "");
    }
    const CliRun hu = cli({"--lang", "hu", "chart", "--file", notHoroscope});
    EXPECT_EQ(hu.err, "zodikeon-cli: " + notHoroscope + ": A fájl nem található vagy sérült\n");

    const std::vector<std::string> birth = {"--date", "1984-3-15", "--time", "1:00", "--clock", "gmt",
                                            "--lon", "0", "--lat", "0"};
    const CliRun failed = cli(concat({"save", "--out", dir.file("no/such/x.hor")}, birth));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "zodikeon-cli: " + dir.file("no/such/x.hor") + ": Failed to create file\n");
}

TEST(CliChart, SaveIntoAFolderUsesTheDefaultFileName) {
    TempDir dir;
    const CliRun r = cli(concat({"save", "--out", dir.path()}, Budapest));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Horoscope saved to " + dir.file("Arviz_Turo.hor") + "\n");
    EXPECT_TRUE(std::filesystem::exists(dir.file("Arviz_Turo.hor")));
    const CliRun again = cli(concat({"save", "--out", dir.path() + "/", "--name", "Ödön"}, std::vector<std::string>(
                                                                                 Budapest.begin() + 2, Budapest.end())));
    EXPECT_EQ(again.out, "Horoscope saved to " + dir.file("Odon.hor") + "\n");
    const CliRun text = cli({"chart", "--file", dir.file("Arviz_Turo.hor")});
    EXPECT_EQ(text.out, "Árvíz Tűrő, radix\nMarch 15, 1984   10:30:15 +1:00\nMarch 15, 1984   9:30:15 GMT\n"
                        "Long 19°02'E  Lat 47°29'N\n");
}
