// zodikeon-cli chart --json and --text from outside: the computed part against the ephemeris
// library's own answers, bodies the ephemeris cannot compute, and a folder without files.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "TempDir.h"

namespace {

std::string programDir() {
    const char* dir = std::getenv("ZDK_PROGRAM_DIR");
    return dir ? dir : ".";
}

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

CliRun runCli(const std::string& args, const std::string& binary = programDir() + "/zodikeon-cli") {
    TempDir tmp;
    const std::string errFile = tmp.file("stderr");
    CliRun run;
    FILE* pipe = ::popen((binary + " " + args + " 2>" + errFile).c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 65536> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = tmp.read("stderr");
    return run;
}

QJsonObject parse(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

double angleDiff(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

constexpr double MilliArcSecond = 1.0 / 3600000.0;

struct Chart {
    const char* name;
    int year, month, day, hour, minute, second;
    bool gregorian;
    double lon, lat;
    std::string args() const {
        char buffer[200];
        std::snprintf(buffer, sizeof buffer,
                      "chart --json --clock gmt --date %d-%d-%d --time %d:%d:%d --calendar %s --lon %.4f --lat %.4f",
                      year, month, day, hour, minute, second, gregorian ? "gregorian" : "julian", lon, lat);
        return buffer;
    }
    double jdUT() const {
        return swe_julday(year, month, day, hour + minute / 60.0 + second / 3600.0, gregorian ? SE_GREG_CAL : SE_JUL_CAL);
    }
};

class ChartCli : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string ephe = programDir() + "/data/ephem";
        swe_set_ephe_path(ephe.c_str());
    }
};

}  // namespace

TEST_F(ChartCli, JsonMatchesTheLibraryForBodiesCuspsAndAxesInEveryHouseSystem) {
    const Chart charts[] = {
        {"Cape Canaveral 1969", 1969, 7, 20, 20, 17, 40, true, -80.6041, 28.4},
        {"Athens 1200 BC, Julian", -1199, 3, 1, 4, 30, 0, false, 23.7275, 37.9838},
        {"Sydney 2100", 2100, 12, 31, 23, 59, 59, true, 151.2093, -33.8688},
        {"89 North 1990", 1990, 1, 15, 6, 0, 0, true, -45.5, 89.0},
    };
    const char* codes = "PRCTKBOWEV";
    for (const Chart& chart : charts) {
        for (int system = 0; system < 10; ++system) {
            SCOPED_TRACE(std::string(chart.name) + ", house system " + std::to_string(system));
            const CliRun run = runCli(chart.args() + " --house " + std::to_string(system) + " --node " +
                                   (system % 2 ? "true" : "mean"));
            ASSERT_EQ(run.exitCode, 0) << run.err;
            const QJsonObject json = parse(run.out);
            ASSERT_FALSE(json.isEmpty()) << run.out;

            const double jdUT = chart.jdUT();
            EXPECT_NEAR(json["jdUT"].toDouble(), jdUT, 1e-9);
            double cusps[13], ascmc[10];
            const int rc = swe_houses_ex(jdUT, 0, chart.lat, chart.lon, codes[system], cusps, ascmc);
            EXPECT_EQ(json["houseSystemUsed"].toInt(), rc < 0 ? 6 : system);
            EXPECT_LT(angleDiff(json["armc"].toDouble(), ascmc[2]), MilliArcSecond);
            const QJsonArray cusp = json["cusp"].toArray(), axis = json["axis"].toArray();
            ASSERT_EQ(cusp.size(), 12);
            for (int c = 0; c < 12; ++c)
                EXPECT_LT(angleDiff(cusp[c].toDouble(), cusps[c + 1]), MilliArcSecond) << "cusp " << c + 1;
            const double axes[8] = {ascmc[0], ascmc[1], ascmc[3], ascmc[4], ascmc[6], ascmc[7],
                                    ascmc[0] + 180, ascmc[1] + 180};
            ASSERT_EQ(axis.size(), 8);
            for (int a = 0; a < 8; ++a)
                EXPECT_LT(angleDiff(axis[a].toDouble(), axes[a]), MilliArcSecond) << "axis " << a;

            const QJsonArray lon = json["lon"].toArray(), speed = json["speed"].toArray();
            ASSERT_EQ(lon.size(), 24);
            const int ephemerisBody[19] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, system % 2 ? 11 : 10, -1, 12, 15, 16, 17, 18, 19, 20};
            for (int k = 0; k < 19; ++k) {
                if (k == 11)
                    continue;
                double x[6];
                const bool ok = swe_calc_ut(jdUT, ephemerisBody[k], SEFLG_SPEED, x, nullptr) >= 0;
                ASSERT_EQ(!lon[k].isNull(), ok) << "body " << k;
                if (!ok)
                    continue;
                EXPECT_LT(angleDiff(lon[k].toDouble(), x[0]), MilliArcSecond) << "body " << k;
                EXPECT_NEAR(speed[k].toDouble(), x[3], MilliArcSecond) << "body " << k;
                if (k == 10) {
                    EXPECT_LT(angleDiff(lon[11].toDouble(), x[0] + 180), MilliArcSecond) << "South node";
                }
            }
            for (const char* table : {"aspectCode", "separation", "exactAspect", "parallelCode"}) {
                const QJsonArray rows = json[table].toArray();
                ASSERT_EQ(rows.size(), 19) << table;
                for (const auto& row : rows)
                    ASSERT_EQ(row.toArray().size(), 40) << table;
            }
        }
    }
}

TEST_F(ChartCli, ChironOutsideItsFileIsListedAsUnavailable) {
    const CliRun run = runCli("chart --json --clock gmt --date 600-12-24 --calendar julian --time 12:00 --lon 19 --lat 47.5");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = parse(run.out);
    EXPECT_EQ(json["unavailable"].toArray(), QJsonArray{13});
    EXPECT_TRUE(json["lon"].toArray()[13].isNull());
    EXPECT_EQ(json["ephemerisStatus"].toArray()[13].toString(), "outOfRange");
    for (const auto& value : json["aspectCode"].toArray()[13].toArray())
        EXPECT_EQ(value.toInt(), 255);
    EXPECT_NE(run.err.find("Chiron (the date lies outside the range of its ephemeris file)"), std::string::npos)
        << run.err;
}

// Every command that computes the chart tells what it could not compute as asked, not only
// the one that prints the positions: a picture without Chiron must not pass for a whole one.
TEST_F(ChartCli, EveryChartCommandTellsWhatCouldNotBeComputed) {
    TempDir out;
    const std::string chart = " --clock gmt --date 600-12-24 --calendar julian --time 12:00 --lon 19 --lat 70 --house koch";
    for (const std::string& command : {std::string("chart --json"), "render --view wheel --out " + out.file("wheel.png"),
                                       "print --pages wheel --out " + out.file("chart.pdf")}) {
        SCOPED_TRACE(command);
        const CliRun run = runCli(command + chart);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.err.find("warning: Koch houses cannot be computed at this latitude"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("warning: not computed for this date: Chiron"), std::string::npos) << run.err;
    }
}

TEST_F(ChartCli, TextListsPositionsHousesAndAspectsAndSaysWhatWasReplaced) {
    const CliRun run = runCli("chart --text --clock gmt --date 600-12-24 --calendar julian --time 12:00 "
                           "--lon 19 --lat 70 --house koch");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* part : {"Positions", "Houses (Porphyrius; Koch has no cusps at this latitude)", "Axes",
                             "Aspects", "Chiron            not computed: the date lies outside"})
        EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
    EXPECT_NE(run.err.find("Koch houses cannot be computed at this latitude"), std::string::npos) << run.err;
}

TEST_F(ChartCli, BadCalculationOptionsAreUsageErrors) {
    const std::string chart = "chart --clock gmt --date 2000-1-1 --time 12:00 --lon 0 --lat 0 ";
    for (const char* args : {"--json --house 10", "--json --house placidus", "--json --node osculating",
                             "--json --text"}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(runCli(chart + args).exitCode, 2);
    }
    EXPECT_EQ(runCli(chart + "--json --options /nonexistent/x.zdo").exitCode, 1);
}

TEST_F(ChartCli, AnEphemerisFolderWithoutFilesIsReportedAndTheMinorBodiesAreMissing) {
    // A program folder of its own: the tool, its options file and an empty ephemeris folder.
    TempDir folder;
    namespace fs = std::filesystem;
    fs::create_directories(folder.path() + "/data/ephem");
    fs::create_directories(folder.path() + "/options");
    fs::copy_file(programDir() + "/zodikeon-cli", folder.file("zodikeon-cli"));
    fs::permissions(folder.file("zodikeon-cli"), fs::perms::owner_exec, fs::perm_options::add);
    fs::copy_file(programDir() + "/options/ZODIKEON.ZDO", folder.file("options/ZODIKEON.ZDO"));

    const CliRun run = runCli("chart --json --clock gmt --date 1980-5-5 --time 10:00 --lon 2.35 --lat 48.85",
                           folder.file("zodikeon-cli"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("holds no ephemeris files"), std::string::npos) << run.err;
    const QJsonObject json = parse(run.out);
    EXPECT_EQ(json["unavailable"].toArray(), (QJsonArray{13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(json["ephemerisStatus"].toArray()[0].toString(), "approximate");
}
