// zodikeon-cli directions and rectify, from outside: their errors, the directions as JSON, and a
// ranking of birth times for a chart whose life events were dated by its own directions.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "CliRun.h"
#include "TempDir.h"

namespace {

QJsonObject parse(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// Gregorian calendar date of a Julian day (at its UT noon side), by the usual algorithm.
void civilDate(double jd, int& year, int& month, int& day) {
    const long z = static_cast<long>(std::floor(jd + 0.5));
    const long alpha = static_cast<long>((double(z) - 1867216.25) / 36524.25);
    const long a = z + 1 + alpha - alpha / 4, b = a + 1524;
    const long c = static_cast<long>((double(b) - 122.1) / 365.25);
    const long d = static_cast<long>(365.25 * double(c));
    const long e = static_cast<long>(double(b - d) / 30.6001);
    day = int(b - d - static_cast<long>(30.6001 * double(e)));
    month = int(e < 14 ? e - 1 : e - 13);
    year = int(month > 2 ? c - 4716 : c - 4715);
}

// Writes marked life events into a saved horoscope file's event block: a count (int16) at
// byte 2177, then 37-byte events (mark, 31-byte name, calendar flag, int16 year, month, day).
void writeEvents(const std::string& path, const std::vector<double>& moments) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    constexpr std::size_t Block = 2177, EventSize = 37;
    ASSERT_GE(bytes.size(), Block + 2 + 30 * EventSize);
    bytes[Block] = char(moments.size());
    bytes[Block + 1] = 0;
    for (std::size_t i = 0; i < moments.size(); ++i) {
        int y = 0, m = 0, d = 0;
        civilDate(moments[i], y, m, d);
        const std::size_t at = Block + 2 + i * EventSize;
        bytes.replace(at, EventSize, EventSize, '\0');
        bytes[at] = 1;
        bytes.replace(at + 1, 5, "event");
        bytes[at + 32] = 1;
        bytes[at + 33] = char(y & 0xff);
        bytes[at + 34] = char((y >> 8) & 0xff);
        bytes[at + 35] = char(m);
        bytes[at + 36] = char(d);
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

const std::vector<std::string> ClassicLists = {"--promissors", "sun,moon,mercury,venus,mars,jupiter,saturn",
                                               "--significators", "asc,mc", "--aspects", "con,qua,opp"};

class DirectionsCli : public ::testing::Test {
protected:
    TempDir dir;
    std::string natal = dir.file("anna.hor");

    void SetUp() override { ASSERT_EQ(save(natal, "12:00").exitCode, 0); }
    CliRun save(const std::string& path, const std::string& time) {
        return runCli({"save", "--out", path, "--name", "Anna", "--date", "1980-07-01", "--time", time, "--town",
                       "Budapest, Hungary"});
    }
    CliRun run(const std::string& command, std::vector<std::string> extra, const std::string& file = {}) {
        std::vector<std::string> args = {command, "--file", file.empty() ? natal : file};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args);
    }
};

}  // namespace

TEST_F(DirectionsCli, errorsSayWhatIsWrongAndPrintNothing) {
    struct Row {
        const char* name;
        std::string command;
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    const Row rows[] = {
        {"unknown promissor", "directions", {"--promissors", "sun,vulcan"}, 2, "--promissors: unknown name 'vulcan'"},
        {"unknown significator", "directions", {"--significators", "desc"}, 2, "--significators: unknown name 'desc'"},
        {"unknown aspect", "directions", {"--aspects", "square"}, 2, "--aspects: unknown name 'square'"},
        {"type past the last method", "directions", {"--type", "4"}, 2, "--type takes a number from 0 to 3"},
        {"type not whole", "directions", {"--type", "1.5"}, 2, "--type takes 0, 1, 2 or 3"},
        {"ages the wrong way round", "directions", {"--from-age", "50", "--to-age", "40"}, 2, "is above --to-age"},
        {"age past the longest life", "directions", {"--to-age", "200"}, 2, "--to-age takes a number"},
        {"age not a number", "directions", {"--from-age", "ten"}, 2, "--from-age takes a number"},
        {"primary and secondary", "directions", {"--primary", "--secondary"}, 2, "cannot be combined"},
        {"json and csv", "directions", {"--json", "--csv"}, 2, "cannot be combined"},
        {"empty selection of the options", "directions", {"--primary"}, 1, "nothing to direct"},
        {"no range", "rectify", {}, 2, "--range MINUTES is needed"},
        {"negative range", "rectify", {"--range", "-5"}, 2, "--range takes a number"},
        {"zero step", "rectify", {"--range", "30", "--step", "0"}, 2, "--step takes a number of minutes above zero"},
        {"too many times", "rectify", {"--range", "1000", "--step", "0.01"}, 2, "take a larger step"},
        {"no marked events", "rectify", {"--range", "30"}, 1, "no marked life events"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun r = run(row.command, row.args);
        EXPECT_EQ(r.exitCode, row.exitCode);
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    const CliRun noFile = runCli({"rectify", "--range", "30", "--date", "1980-07-01", "--time", "12:00"});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_NE(noFile.err.find("rectify needs --file"), std::string::npos) << noFile.err;
    const CliRun missing = runCli({"directions", "--file", dir.file("none.hor")});
    EXPECT_EQ(missing.exitCode, 1);
}

TEST_F(DirectionsCli, jsonListsBothKindsInDateOrderWithinTheAges) {
    std::vector<std::string> args = ClassicLists;
    args.insert(args.end(), {"--json", "--from-age", "10", "--to-age", "50", "--type", "3"});
    const CliRun r = run("directions", args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonArray list = parse(r.out)["directions"].toArray();
    ASSERT_GE(list.size(), 20);
    double last = 0;
    int primary = 0, secondary = 0, converse = 0;
    for (const auto& value : list) {
        const QJsonObject d = value.toObject();
        SCOPED_TRACE(QJsonDocument(d).toJson().toStdString());
        EXPECT_GE(d["jdUT"].toDouble(), last);
        last = d["jdUT"].toDouble();
        EXPECT_GE(d["age"].toDouble(), 10);
        EXPECT_LE(d["age"].toDouble(), 50);
        EXPECT_TRUE(QStringList({"asc", "mc"}).contains(d["significator"].toString()));
        EXPECT_TRUE(QStringList({"con", "qua", "opp"}).contains(d["aspect"].toString()));
        if (d["kind"].toString() == "primary") {
            ++primary;
            EXPECT_EQ(d["method"].toInt(-1), 3);
            converse += d["converse"].toBool();
        } else {
            ++secondary;
            EXPECT_TRUE(d["method"].isNull());
            EXPECT_FALSE(d["converse"].toBool());
        }
    }
    EXPECT_GT(primary, 0);
    EXPECT_GT(secondary, 0);
    EXPECT_GT(converse, 0);
    EXPECT_TRUE(parse(r.out)["leftOut"].isArray());
}

// Events dated by the directions of the chart cast seven minutes later rank that time first.
TEST_F(DirectionsCli, rectifyRanksTheTimeTheEventsCameFrom) {
    const std::string truth = dir.file("truth.hor");
    ASSERT_EQ(save(truth, "12:07").exitCode, 0);
    std::vector<std::string> args = ClassicLists;
    args.insert(args.end(), {"--json", "--primary", "--from-age", "5", "--to-age", "70"});
    const QJsonArray dirs = parse(run("directions", args, truth).out)["directions"].toArray();
    ASSERT_GE(dirs.size(), 15);
    std::vector<double> moments;
    for (qsizetype i = 1; i < dirs.size() && moments.size() < 5; i += 3)
        moments.push_back(dirs[i].toObject()["jdUT"].toDouble());
    writeEvents(natal, moments);

    const CliRun r = run("rectify", {"--range", "20", "--step", "1", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonArray ranking = parse(r.out)["ranking"].toArray();
    ASSERT_EQ(ranking.size(), 41);
    const QJsonObject best = ranking[0].toObject();
    EXPECT_EQ(best["offsetMinutes"].toDouble(), 7.0);
    EXPECT_EQ(best["eventsMet"].toInt(), 5);
    EXPECT_EQ(best["birth"].toString().toStdString(), "1980-07-01 12:07");
    const CliRun text = run("rectify", {"--range", "3"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("5 marked events"), std::string::npos) << text.out;
}
