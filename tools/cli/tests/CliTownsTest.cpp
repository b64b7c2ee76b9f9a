// zodikeon-cli towns and chart --town against the shipped atlas, as scripts use them.
#include <gtest/gtest.h>

#include <algorithm>

#include "CliRun.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

}  // namespace

TEST(CliTowns, listsMatchingTownsWithPositionAndZone) {
    const CliRun r = runCli({"towns", "budapest,", "hung"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[0], "Budapest, Hungary\t19°02'E\t47°30'N\tHungary");

    const CliRun accents = runCli({"towns", "SZEKESFEHERVAR"});
    ASSERT_EQ(accents.exitCode, 0) << accents.err;
    EXPECT_EQ(lines(accents.out).at(0), "Székesfehérvár, Hungary\t18°25'E\t47°11'N\tHungary");

    // The most populous town of a name first; every word after the first anywhere in the name.
    const CliRun newYork = runCli({"towns", "New York"});
    ASSERT_EQ(newYork.exitCode, 0) << newYork.err;
    EXPECT_EQ(lines(newYork.out).at(0), "New York City, United States\t74°00'W\t40°43'N\tUnited States, New York");
    const CliRun london = runCli({"towns", "london", "canada"});
    ASSERT_EQ(london.exitCode, 0) << london.err;
    EXPECT_EQ(lines(london.out), std::vector<std::string>{"London, Canada\t81°14'W\t42°59'N\tCanada, Toronto"});
}

TEST(CliChartTown, localNamesTakeTheTownTheListsPutFirst) {
    const struct {
        const char* typed;
        const char* town;
    } rows[] = {
        {"Wien", "Vienna, Austria"},        {"M\xC3\xBCnchen", "Munich, Germany"},
        {"Praha", "Prague, Czechia"},       {"Roma", "Rome, Italy"},
        {"Warszawa", "Warsaw, Poland"},     {"K\xC3\xB6ln", "K\xC3\xB6ln, Germany"},
        {"Asuncion", "Asunci\xC3\xB3n, Paraguay"}, {"asunci\xC3\xB3n", "Asunci\xC3\xB3n, Paraguay"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const CliRun listed = runCli({"towns", row.typed});
        ASSERT_EQ(listed.exitCode, 0) << listed.err;
        EXPECT_EQ(lines(listed.out).at(0).rfind(row.town, 0), 0u) << listed.out.substr(0, 200);
        const CliRun r = runCli({"chart", "--town", row.typed, "--date", "1980-07-01", "--time", "12:00"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(r.out.find(std::string("  ") + row.town + "\n"), std::string::npos) << r.out;
    }
}

TEST(CliTowns, limitAndFailures) {
    const CliRun limited = runCli({"towns", "buda", "--limit", "3"});
    ASSERT_EQ(limited.exitCode, 0);
    EXPECT_EQ(lines(limited.out).size(), 3u);
    EXPECT_NE(limited.err.find("more towns match"), std::string::npos);
    for (const std::string& line : lines(limited.out))
        EXPECT_EQ(line.rfind("Buda", 0), 0u) << line;

    EXPECT_EQ(runCli({"towns", "qqqxqqq"}).exitCode, 1);
    EXPECT_EQ(runCli({"towns"}).exitCode, 2);
    EXPECT_EQ(runCli({"towns", "buda", "--limit", "0"}).exitCode, 2);
    EXPECT_EQ(runCli({"towns", "buda", "--limit", "x"}).exitCode, 2);
}

TEST(CliChartTown, takesPositionAndTheZoneInForce) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::vector<std::string> expected;  // the three text lines after the name line
    } rows[] = {
        {"summer time", {"--date", "1980-07-01", "--time", "12:00"},
         {"July 1, 1980   12:00:00 +2:00", "July 1, 1980   10:00:00 GMT",
          "Long 19°02'E  Lat 47°30'N  Budapest, Hungary"}},
        {"local mean time", {"--date", "1880-07-01", "--time", "12:00"},
         {"July 1, 1880   12:00:00 LMT", "July 1, 1880   10:43:52 GMT", "Long 19°02'E  Lat 47°30'N  Budapest, Hungary"}},
        {"Greenwich time stays", {"--date", "1980-07-01", "--time", "12:00", "--clock", "gmt"},
         {"July 1, 1980   12:00:00 GMT", "July 1, 1980   12:00:00 GMT", "Long 19°02'E  Lat 47°30'N  Budapest, Hungary"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"chart", "--town", "Budapest, Hungary"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        auto out = lines(r.out);
        ASSERT_EQ(out.size(), 4u) << r.out;
        EXPECT_EQ(std::vector<std::string>(out.begin() + 1, out.end()), row.expected);
    }
    EXPECT_EQ(runCli({"chart", "--town", "Qqqxqqq", "--date", "1980-07-01", "--time", "12:00"}).exitCode, 1);
    // An empty name would begin every town's name: it is refused, not taken as the atlas's first town.
    EXPECT_EQ(runCli({"chart", "--town", "", "--date", "1980-07-01", "--time", "12:00"}).exitCode, 2);
    EXPECT_EQ(runCli({"chart", "--town", "Budapest", "--lon", "19", "--date", "1980-07-01", "--time", "12:00"}).exitCode, 2);
    EXPECT_EQ(runCli({"chart", "--town", "Budapest", "--file", "x.hor"}).exitCode, 2);
}

TEST(CliChartTown, saveStoresTheTownWithItsZone) {
    TempDir dir;
    const CliRun saved = runCli({"save", "--out", dir.file("b.hor"), "--town", "Budapest, Hungary", "--date",
                                 "1980-07-01", "--time", "12:00"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const CliRun shown = runCli({"chart", "--file", dir.file("b.hor")});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(lines(shown.out).at(1), "July 1, 1980   12:00:00 +2:00");
    EXPECT_EQ(lines(shown.out).at(3), "Long 19°02'E  Lat 47°30'N  Budapest, Hungary");
}

TEST(CliChartTown, aSkippedOrRepeatedLocalTimeIsTold) {
    const struct {
        const char* name;
        const char* town;
        const char* date;
        const char* time;
        const char* note;    // expected "zoneNote", or nullptr for none
        const char* before;  // and its offsets
        const char* after;
        const char* applied;
    } rows[] = {
        {"spring forward", "Budapest, Hungary", "2018-03-25", "02:30", "skipped", "+01:00", "+02:00", "+02:00"},
        {"fall back", "New York City", "2021-11-07", "01:30", "repeated", "-04:00", "-05:00", "-04:00"},
        {"southern autumn", "Sydney, Australia", "2021-04-04", "02:30", "repeated", "+11:00", "+10:00", "+11:00"},
        {"an ordinary night", "Budapest, Hungary", "2018-03-25", "03:30", nullptr, "", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun r = runCli({"chart", "--json", "--town", row.town, "--date", row.date, "--time", row.time});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        if (!row.note) {
            EXPECT_EQ(r.out.find("zoneNote"), std::string::npos);
            EXPECT_EQ(r.err, "");
            continue;
        }
        EXPECT_NE(r.out.find(std::string("\"zoneNote\": \"") + row.note + "\""), std::string::npos) << r.out;
        const std::string offsets = std::string("\"zoneOffsets\": {\n    \"before\": \"") + row.before +
                                    "\",\n    \"after\": \"" + row.after + "\",\n    \"applied\": \"" + row.applied + "\"";
        EXPECT_NE(r.out.find(offsets), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(row.note == std::string("skipped") ? "did not exist" : "occurred twice"), std::string::npos)
            << r.err;
    }
}
