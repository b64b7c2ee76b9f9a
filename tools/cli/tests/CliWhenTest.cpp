// zodikeon-cli returns, progress and midtime from outside: the JSON scripts read, and the
// refusals of bad input with nothing written on standard output.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include "CliRun.h"
#include "TempDir.h"

namespace {

QJsonObject parse(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

double angleDiff(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

constexpr double HundredthArcSecond = 0.01 / 3600.0;

// A natal chart born in summer time in Budapest, a partner's chart, and a chart born when Mars
// stood where it turned back in the winter of 2024/25.
class WhenCli : public ::testing::Test {
protected:
    TempDir dir;
    std::string natal = dir.file("anna.hor"), partner = dir.file("bela.hor"), marsLoop = dir.file("mars.hor");

    void SetUp() override {
        ASSERT_EQ(runCli({"save", "--out", natal, "--name", "Anna", "--date", "1980-07-01", "--time", "12:00", "--town",
                          "Budapest, Hungary"}).exitCode, 0);
        ASSERT_EQ(runCli({"save", "--out", partner, "--name", "Béla", "--date", "1990-07-01", "--time", "6:30",
                          "--town", "Vienna, Austria"}).exitCode, 0);
        ASSERT_EQ(runCli({"save", "--out", marsLoop, "--name", "Mars", "--date", "2024-10-20", "--time", "0:00",
                          "--clock", "gmt", "--lon", "0", "--lat", "51.5"}).exitCode, 0);
    }

    QJsonObject natalJson() { return parse(runCli({"chart", "--json", "--file", natal}).out); }
};

}  // namespace

TEST_F(WhenCli, ReturnsCarryTheFieldsOfAChart) {
    const CliRun r = runCli({"returns", "--json", "--file", natal, "--body", "sun", "--from", "2026-01-01"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonArray returns = parse(r.out)["returns"].toArray();
    ASSERT_EQ(returns.size(), 1);
    const QJsonObject ret = returns[0].toObject();
    EXPECT_EQ(ret["body"].toString(), "sun");
    EXPECT_EQ(ret["motion"].toString(), "direct");
    const QJsonObject chart = ret["chart"].toObject();
    const QJsonObject alone = natalJson();
    EXPECT_EQ(chart.keys(), alone.keys());
    EXPECT_EQ(chart["horType"].toString(), "solar ret");
    EXPECT_EQ(chart["name"].toString(), "Anna");
    EXPECT_NEAR(chart["jdUT"].toDouble(), ret["jdUT"].toDouble(), 1e-8);
    EXPECT_LT(angleDiff(chart["lon"].toArray()[0].toDouble(), alone["lon"].toArray()[0].toDouble()), HundredthArcSecond);
    EXPECT_EQ(chart["moment"].toObject()["zoneHours"].toInt(), 2);  // Budapest in July
}

TEST_F(WhenCli, ReturnsBetweenDatesAndLoops) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::vector<const char*> motions;
        const char* town;
        int zoneHours;
    } rows[] = {
        {"the lunar returns of a month", {"--file", natal, "--body", "moon", "--from", "2026-01-01", "--to", "2026-03-01"},
         {"direct", "direct"}, "Budapest, Hungary", 1},
        {"the Mars loop, the start inside it", {"--file", marsLoop, "--body", "mars", "--from", "2024-11-01"},
         {"direct", "retrograde", "direct"}, "", 0},
        {"a relocated solar return", {"--file", natal, "--body", "sun", "--from", "2026-01-01", "--town", "London"},
         {"direct"}, "London, United Kingdom", 1},
        {"a return at a position", {"--file", natal, "--body", "sun", "--from", "2026-01-01", "--lon", "-74.0", "--lat",
         "40.7"}, {"direct"}, "", -4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"returns", "--json"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const QJsonArray returns = parse(r.out)["returns"].toArray();
        ASSERT_EQ(returns.size(), qsizetype(row.motions.size()));
        double last = 0;
        for (qsizetype i = 0; i < returns.size(); ++i) {
            const QJsonObject ret = returns[i].toObject();
            EXPECT_EQ(ret["motion"].toString(), row.motions[i]);
            EXPECT_GT(ret["jdUT"].toDouble(), last);
            last = ret["jdUT"].toDouble();
            const QJsonObject moment = ret["chart"].toObject()["moment"].toObject();
            if (*row.town) {
                EXPECT_EQ(moment["town"].toString(), row.town);
            }
            const int hours = moment["zoneHours"].toInt() * (moment["zoneWest"].toBool() ? -1 : 1);
            if (moment["timeKind"].toInt() == 2) {
                EXPECT_EQ(hours, row.zoneHours);
            }
        }
    }
}

TEST_F(WhenCli, ProgressionsNameTheirKindKeyAndArc) {
    const struct {
        const char* name;
        std::vector<std::string> flags;
        const char* kind;
        const char* type;
        const char* key;
        double days;  // of progressed time, about
    } rows[] = {
        {"secondary", {}, "secondary", "sec dir", "angle", 46.4},
        {"tertiary", {"--tertiary"}, "tertiary", "tert dir", "angle", 620.9},
        {"quotidian houses", {"--quotidian"}, "secondary", "sec dir", "quotidian", 46.4},
    };
    const double natalJD = natalJson()["jdUT"].toDouble();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"progress", "--json", "--file", natal, "--to", "2026-12-11"};
        args.insert(args.end(), row.flags.begin(), row.flags.end());
        const CliRun r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const QJsonObject json = parse(r.out);
        EXPECT_EQ(json["horType"].toString(), row.type);
        const QJsonObject p = json["progression"].toObject();
        EXPECT_EQ(p["kind"].toString(), row.kind);
        EXPECT_EQ(p["key"].toString(), row.key);
        EXPECT_NEAR(p["jdUT"].toDouble() - natalJD, row.days, 0.1);
        EXPECT_NEAR(json["jdUT"].toDouble(), p["jdUT"].toDouble(), 1e-8);
        if (std::string(row.key) == "angle") {  // Naibod's key a year: the file's direction angle is zero
            const double unit = std::string(row.kind) == "secondary" ? 365.24219 : 27.321661;
            const double years = (p["jdUT"].toDouble() - natalJD) * unit / 365.24219;
            EXPECT_NEAR(p["arc"].toDouble(), (59 / 60.0 + 8.33 / 3600) * years, 1e-6);
        }
        const QJsonObject collation = json["collation"].toObject();
        for (const char* field : {"collfactor", "chart", "radixToSecond", "secondToRadix"})
            EXPECT_TRUE(collation.contains(field)) << field;
        EXPECT_EQ(collation["chart"].toObject()["horType"].toString(), row.type);
    }
}

TEST_F(WhenCli, MidtimeIsBetweenBothCharts) {
    const CliRun r = runCli({"midtime", "--json", "--file", natal, "--with", partner});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject mid = parse(r.out);
    const QJsonObject a = natalJson(), b = parse(runCli({"chart", "--json", "--file", partner}).out);
    EXPECT_EQ(mid["horType"].toString(), "midtime");
    EXPECT_EQ(mid["name"].toString(), "Anna / Béla");
    EXPECT_NEAR(mid["jdUT"].toDouble(), (a["jdUT"].toDouble() + b["jdUT"].toDouble()) / 2, 1e-6);
    EXPECT_EQ(mid.keys(), a.keys());
}

TEST_F(WhenCli, BadInputIsRefusedWithNothingWritten) {
    const std::string missing = dir.file("none.hor");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
    } rows[] = {
        {"unknown body", {"returns", "--file", natal, "--body", "pluto", "--from", "2026-01-01"}, 2},
        {"no body", {"returns", "--file", natal, "--from", "2026-01-01"}, 2},
        {"malformed date", {"returns", "--file", natal, "--body", "sun", "--from", "2026/01/01"}, 2},
        {"a date that does not exist", {"returns", "--file", natal, "--body", "sun", "--from", "2026-02-30"}, 1},
        {"a year past the calendar", {"returns", "--file", natal, "--body", "sun", "--from", "5001-01-01"}, 1},
        {"--to before --from", {"returns", "--file", natal, "--body", "sun", "--from", "2026-01-01", "--to", "2025-01-01"}, 2},
        {"a return past the last year", {"returns", "--file", natal, "--body", "moon", "--from", "5000-12-30"}, 1},
        {"an unknown town", {"returns", "--file", natal, "--body", "sun", "--from", "2026-01-01", "--town", "Qqqxq"}, 1},
        {"a latitude past the pole", {"returns", "--file", natal, "--body", "sun", "--from", "2026-01-01", "--lon", "20",
                                      "--lat", "95"}, 2},
        {"a longitude alone", {"returns", "--file", natal, "--body", "sun", "--from", "2026-01-01", "--lon", "20"}, 2},
        {"a town and a position", {"returns", "--file", natal, "--body", "sun", "--from", "2026-01-01", "--town", "London",
                                   "--lat", "20"}, 2},
        {"a missing file", {"returns", "--file", missing, "--body", "sun", "--from", "2026-01-01"}, 1},
        {"birth data instead of a file", {"returns", "--date", "1980-07-01", "--time", "12:00", "--zone", "+1:00",
                                          "--body", "sun", "--from", "2026-01-01"}, 2},
        {"progress without a date", {"progress", "--file", natal}, 2},
        {"progress to a date that does not exist", {"progress", "--file", natal, "--to", "2026-13-01"}, 1},
        {"progress with a second chart", {"progress", "--file", natal, "--to", "2026-01-01", "--with", partner}, 2},
        {"midtime without a second chart", {"midtime", "--file", natal}, 2},
        {"midtime with a missing second chart", {"midtime", "--file", natal, "--with", missing}, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = row.args;
        args.push_back("--json");
        const CliRun r = runCli(args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_NE(r.err.find("zodikeon-cli: "), std::string::npos);
    }
}
