// zodikeon-cli import, export and batch as scripts use them: exit codes, the charts written, the
// refused records on standard error, a round trip through both formats, and batch output that
// matches 'chart --json' for the same birth data.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// The one-line form of the indented JSON that 'chart --json' prints (its texts hold no ": ").
std::string oneLine(std::string json) {
    std::string out;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] == '\n') {
            while (i + 1 < json.size() && json[i + 1] == ' ')
                ++i;
            continue;
        }
        if (json.compare(i, 3, "\": ") == 0) {
            out += "\":";
            i += 2;
            continue;
        }
        out += json[i];
    }
    return out;
}

const char* const Collection =
    "#: three charts, two refused\n"
    "#A93:Atlas,Anna,f,1.7.1980,12:00,Budapest,H\n"
    "#B93:*,*,*,*,0\n"
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,D\n"
    "#B93:*,49n05,8e11,1he,0\n"
    "#A93:Nowhere,Ned,m,1.1.2000,12:00,Zzyzxqq,*\n"
    "#B93:*,*,*,1he00,0\n"
    "#A93:Bad,Bea,f,31.2.1980,12:00,X,Y\n"
    "#B93:*,47n30,19e03,1he00,0\n"
    "#A93:Disagree,Dan,m,1.1.2000,12:00,Greenwich,GB\n"
    "#B93:2451545.04166667,51n29,0w00,0hw00,0\n";

}  // namespace

TEST(CliImport, writesTheChartsAndListsTheRefusedRecordsWithTheirLines) {
    TempDir dir;
    const std::string file = dir.write("in.aaf", Collection);
    const CliRun r = runCli({"import", file, "--into", dir.file("charts")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 4u) << r.out;
    EXPECT_EQ(out[0], dir.file("charts") + "/Atlas,_Anna.hor");
    EXPECT_EQ(out[3], "3 chart(s) written to " + dir.file("charts"));
    EXPECT_EQ(lines(r.err), (std::vector<std::string>{
                                file + ": Line 6: the birthplace 'Zzyzxqq' is not in the atlas: give its coordinates",
                                file + ": Line 8: '31.2.1980' is not a valid date",
                                file + ": note: Line 10: imported by its Julian day, which differs from the civil "
                                       "time by -60 minutes"}));
    // The town placed through the atlas, with its zone's summer time.
    const CliRun anna = runCli({"chart", "--file", out[0]});
    ASSERT_EQ(anna.exitCode, 0) << anna.err;
    EXPECT_NE(anna.out.find("12:00:00 +2:00"), std::string::npos) << anna.out;
    EXPECT_NE(anna.out.find("Budapest, Hungary"), std::string::npos) << anna.out;

    // A second import adds files beside the first ones.
    const CliRun again = runCli({"import", file, "--into", dir.file("charts")});
    ASSERT_EQ(again.exitCode, 0);
    EXPECT_EQ(lines(again.out).at(0), dir.file("charts") + "/Atlas,_Anna_2.hor");
}

TEST(CliImport, failuresAndTheirExitCodes) {
    TempDir dir;
    const struct {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    } rows[] = {
        {"missing file", {"import", dir.file("none.aaf"), "--into", dir.path()}, 1, "cannot be found"},
        {"no usable record", {"import", dir.write("bad.aaf", "#A93:Bad,Bea,f,31.2.1980,12:00,X,Y\n"), "--into", dir.path()}, 1,
         "holds no record that could be imported"},
        {"empty", {"import", dir.write("empty.csv", ""), "--into", dir.path()}, 1, "no header row"},
        {"binary", {"import", dir.write("bin.aaf", std::string("\x00\x01\xFF\xFE#A\x00", 7)), "--into", dir.path()}, 1,
         "holds no record"},
        {"unknown extension", {"import", dir.write("x.txt", Collection), "--into", dir.path()}, 2, "neither an AAF file"},
        {"bad format", {"import", dir.file("x.txt"), "--format", "xls"}, 2, "--format must be aaf or csv"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun r = runCli(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode);
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    }
    // Nothing was written by the failing runs.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}

TEST(CliExport, readBackThroughBothFormatsGivesTheSameCharts) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("orig"));
    const std::vector<std::vector<std::string>> births = {
        {"--name", "\xC3\x81rv\xC3\xADz T\xC5\xB1r\xC5\x91", "--date", "1980-07-01", "--time", "12:00:30", "--town",
         "Budapest, Hungary", "--sex", "female"},
        {"--name", "West", "--date", "1955-02-24", "--time", "19:15", "--zone", "-8:00", "--lat", "-33.5", "--lon",
         "-122.25"},
        {"--name", "Mean", "--date", "1839-01-19", "--time", "1:00", "--clock", "lmt", "--lat", "43.5", "--lon", "5.45"},
    };
    std::vector<std::string> originals;
    for (const auto& birth : births) {
        std::vector<std::string> args = {"save", "--out", dir.file("orig")};
        args.insert(args.end(), birth.begin(), birth.end());
        const CliRun saved = runCli(args);
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.file("orig")))
        originals.push_back(entry.path().string());
    std::sort(originals.begin(), originals.end());
    ASSERT_EQ(originals.size(), 3u);

    for (const char* ext : {"aaf", "csv"}) {
        SCOPED_TRACE(ext);
        const std::string file = dir.file(std::string("all.") + ext);
        std::vector<std::string> args = {"export", "--out", file};
        args.insert(args.end(), originals.begin(), originals.end());
        const CliRun exported = runCli(args);
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        EXPECT_EQ(exported.out, "3 chart(s) exported to " + file + "\n");
        const std::string folder = dir.file(std::string("back-") + ext);
        const CliRun imported = runCli({"import", file, "--into", folder});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_EQ(imported.err, "");
        const auto written = lines(imported.out);
        ASSERT_EQ(written.size(), 4u);
        for (std::size_t k = 0; k < originals.size(); ++k) {
            const CliRun a = runCli({"chart", "--json", "--file", originals[k]});
            const CliRun b = runCli({"chart", "--json", "--file", written[k]});
            ASSERT_EQ(a.exitCode, 0);
            EXPECT_EQ(a.out, b.out) << originals[k];
        }
    }
    // An unreadable chart stops the export before anything is written.
    const CliRun broken = runCli({"export", "--out", dir.file("never.csv"), originals[0], dir.write("bad.hor", "x")});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("never.csv")));
}

TEST(CliBatch, eachRecordAsChartJsonInInputOrder) {
    TempDir dir;
    const std::string csv = dir.write("in.csv",
                                      "name,date,time,zone,latitude,longitude\n"
                                      "Anna,1980-07-01,12:00,+2:00,47.5,19.05\n"
                                      "Cut,1980-07-01\n"
                                      "Bob,1955-02-24,19:15:30,-8:00,37.75,-122.25\n");
    const CliRun r = runCli({"batch", "--in", csv, "--jobs", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, csv + ": Line 3: the line ends before the record does\n");
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    const std::vector<std::vector<std::string>> same = {
        {"chart", "--json", "--name", "Anna", "--date", "1980-07-01", "--time", "12:00", "--zone", "+2:00", "--lat",
         "47.5", "--lon", "19.05"},
        {"chart", "--json", "--name", "Bob", "--date", "1955-02-24", "--time", "19:15:30", "--zone", "-8:00", "--lat",
         "37.75", "--lon", "-122.25"},
    };
    const int lineNumbers[] = {2, 4};
    for (std::size_t k = 0; k < same.size(); ++k) {
        const CliRun chart = runCli(same[k]);
        ASSERT_EQ(chart.exitCode, 0) << chart.err;
        std::string expected = oneLine(chart.out);
        expected.insert(expected.rfind('}'), ",\"line\":" + std::to_string(lineNumbers[k]));
        const auto differ = std::mismatch(out[k].begin(), out[k].end(), expected.begin(), expected.end());
        EXPECT_TRUE(out[k] == expected) << "differs at " << (differ.first - out[k].begin()) << ": "
                                        << std::string(differ.first, out[k].end()).substr(0, 80);
    }

    // CSV columns of the chosen fields, into a file.
    const CliRun c = runCli({"batch", "--in", csv, "--out", dir.file("pos.csv"), "--format", "csv", "--fields",
                             "line,name,lon,house,aspects"});
    ASSERT_EQ(c.exitCode, 0) << c.err;
    const auto rows = lines(dir.read("pos.csv"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].rfind("line,name,lon_sun,lon_moon,", 0), 0u);
    EXPECT_NE(rows[0].find(",house_vesta,aspects"), std::string::npos);
    EXPECT_EQ(rows[1].rfind("2,Anna,99.", 0), 0u) << rows[1];
    EXPECT_NE(rows[1].find("; moon-sun "), std::string::npos) << rows[1].substr(rows[1].size() - 200);

    EXPECT_EQ(runCli({"batch", "--in", csv, "--fields", "lon"}).exitCode, 2);
    EXPECT_EQ(runCli({"batch", "--in", csv, "--format", "csv", "--fields", "lon,colour"}).exitCode, 2);
    EXPECT_EQ(runCli({"batch", "--in", dir.file("none.csv")}).exitCode, 1);
}
