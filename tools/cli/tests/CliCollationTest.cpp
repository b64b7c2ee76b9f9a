// zodikeon-cli with a second chart: a partner's file (synastry) or transits, from outside.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

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

int pointOf(int body) { return body <= 10 ? body + 2 : body + 7; }

// A natal chart born in summer time in Budapest and a partner's chart, saved as files.
class CollationCli : public ::testing::Test {
protected:
    TempDir dir;
    std::string natal = dir.file("anna.hor"), partner = dir.file("bela.hor");

    void SetUp() override {
        ASSERT_EQ(runCli({"save", "--out", natal, "--name", "Anna", "--date", "1980-07-01", "--time", "12:00", "--town",
                          "Budapest, Hungary"}).exitCode, 0);
        ASSERT_EQ(runCli({"save", "--out", partner, "--name", "Béla", "--date", "1978-03-15", "--time", "6:30",
                          "--zone", "+1:00", "--lon", "20.15", "--lat", "46.25"}).exitCode, 0);
    }
};

}  // namespace

TEST_F(CollationCli, SynastryCarriesThePartnersChartAndBothDirections) {
    const CliRun r = runCli({"chart", "--json", "--file", natal, "--with", partner});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject json = parse(r.out);
    const QJsonObject c = json["collation"].toObject();
    EXPECT_EQ(c["kind"].toString(), "synastry");
    EXPECT_GT(c["collfactor"].toDouble(), 0.0);
    const QJsonObject second = c["chart"].toObject();
    EXPECT_EQ(second["name"].toString(), QString::fromUtf8("Béla"));

    // The partner's chart is computed as it is alone.
    const QJsonObject alone = parse(runCli({"chart", "--json", "--file", partner}).out);
    EXPECT_EQ(second["lon"].toArray(), alone["lon"].toArray());
    EXPECT_EQ(second["cusp"].toArray(), alone["cusp"].toArray());

    const QJsonArray radixLon = json["lon"].toArray(), secondLon = second["lon"].toArray();
    const QJsonObject there = c["radixToSecond"].toObject(), back = c["secondToRadix"].toObject();
    for (const char* field : {"aspectCode", "separation", "exactAspect", "parallelCode"}) {
        EXPECT_EQ(there[field].toArray().size(), 19) << field;
        EXPECT_EQ(there[field].toArray()[0].toArray().size(), 40) << field;
    }
    int aspects = 0;
    for (int k = 0; k < 19; ++k) {
        for (int b = 0; b < 19; ++b) {
            if (k == 11 || b == 11)
                continue;  // the South node mirrors the North node
            SCOPED_TRACE(std::to_string(k) + " " + std::to_string(b));
            const double sep = there["separation"].toArray()[k].toArray()[pointOf(b)].toDouble();
            EXPECT_NEAR(sep, angleDiff(radixLon[k].toDouble(), secondLon[b].toDouble()), 1e-9);
            // One pair seen from either chart: the same aspect with the same strength.
            const int a = there["aspectCode"].toArray()[k].toArray()[pointOf(b)].toInt();
            const int z = back["aspectCode"].toArray()[b].toArray()[pointOf(k)].toInt();
            EXPECT_EQ(a == 255 ? a : a & ~0x20, z == 255 ? z : z & ~0x20);
            aspects += a != 255;
        }
    }
    EXPECT_GT(aspects, 10);
}

TEST_F(CollationCli, TransitsReadTheClockOfTheirPlace) {
    const struct {
        const char* name;
        std::vector<std::string> when;
        int utHour;
        const char* town;
    } rows[] = {
        // The natal chart is in summer time (+2); its town's clock in December is +1.
        {"at the chart's town, winter", {"--transit", "2026-12-10", "12:00"}, 11, "Budapest, Hungary"},
        {"date and time as one argument", {"--transit", "2026-12-10 12:00"}, 11, "Budapest, Hungary"},
        {"at another town", {"--transit", "2026-12-10", "12:00", "--town", "London"}, 12, "London, United Kingdom"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"chart", "--json", "--file", natal};
        args.insert(args.end(), row.when.begin(), row.when.end());
        const CliRun r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const QJsonObject c = parse(r.out)["collation"].toObject();
        EXPECT_EQ(c["kind"].toString(), "transit");
        const QJsonObject moment = c["chart"].toObject()["moment"].toObject();
        EXPECT_EQ(moment["utTime"].toObject()["hour"].toInt(), row.utHour);
        EXPECT_EQ(moment["town"].toString(), row.town);
        EXPECT_EQ(c["chart"].toObject()["name"].toString(), "Transits");
    }

    // With birth data, --town belongs to the transits and the radix needs its position.
    const CliRun fromData = runCli({"chart", "--json", "--date", "1980-07-01", "--time", "12:00", "--zone", "+2:00",
                                    "--lon", "19.04", "--lat", "47.5", "--transit", "now", "--town", "Sydney"});
    ASSERT_EQ(fromData.exitCode, 0) << fromData.err;
    EXPECT_EQ(parse(fromData.out)["collation"].toObject()["chart"].toObject()["moment"].toObject()["town"].toString()
                  .left(6), "Sydney");
    EXPECT_EQ(parse(fromData.out)["moment"].toObject()["town"].toString(), "");
}

TEST_F(CollationCli, SecondChartErrors) {
    const std::string junk = dir.file("junk.hor");
    std::ofstream(junk) << "not a horoscope";
    const std::string picture = dir.file("never.png");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
    } rows[] = {
        {"both kinds at once", {"chart", "--json", "--file", natal, "--with", partner, "--transit", "now"}, 2},
        {"transit without a time", {"chart", "--json", "--file", natal, "--transit", "2026-12-10"}, 2},
        {"transit date malformed", {"chart", "--json", "--file", natal, "--transit", "10.12.2026", "12:00"}, 2},
        {"transit date out of range", {"chart", "--json", "--file", natal, "--transit", "2026-13-10", "12:00"}, 1},
        {"transit year out of range", {"chart", "--json", "--file", natal, "--transit", "6000-01-10", "12:00"}, 1},
        {"transit at an unknown town", {"chart", "--json", "--file", natal, "--transit", "now", "--town", "Qqqxq"}, 1},
        {"transit at an empty town name", {"chart", "--json", "--file", natal, "--transit", "now", "--town", " "}, 2},
        {"partner file missing", {"chart", "--json", "--file", natal, "--with", "/nonexistent/x.hor"}, 1},
        {"partner file not a chart", {"chart", "--json", "--file", natal, "--with", junk}, 1},
        {"a second chart without --json", {"chart", "--file", natal, "--with", partner}, 2},
        {"collation view without a second chart", {"render", "--view", "collation", "--out", picture, "--file", natal},
         2},
        {"second chart without a collation view", {"render", "--view", "wheel", "--out", picture, "--file", natal,
                                                    "--with", partner},
         2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun r = runCli(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        EXPECT_FALSE(r.err.empty());
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(std::filesystem::exists(picture));
    }
}

TEST_F(CollationCli, RendersAndPrintsTheCollation) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* view : {"collation", "collationgrid"}) {
        SCOPED_TRACE(view);
        const std::string out = dir.file(std::string(view) + ".png");
        const CliRun r = runCli({"render", "--view", view, "--out", out, "--file", natal, "--transit", "2026-12-10",
                                 "12:00", "--width", "400", "--height", "300"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_GT(std::filesystem::file_size(out), 1000u);
    }
    // The chart page of a collation: the bi-wheel, the grid and the tables on one page.
    const std::string pdf = dir.file("collation.pdf");
    const CliRun printed = runCli({"print", "--out", pdf, "--pages", "wheel,combined,signs1", "--file", natal, "--with",
                                   partner});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}
