// zodikeon-cli transits, from outside: its errors, and the events as JSON and CSV.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "CliRun.h"
#include "TempDir.h"

namespace {

QJsonObject parse(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// "Y-M-D H:M:S" of a UT Julian day shifted by `hours`, by the usual calendar algorithm: Julian
// before 15 October 1582, Gregorian from it.
std::string clockText(double jd, double hours) {
    const double shifted = jd + 0.5 + hours / 24.0;
    const long z = static_cast<long>(std::floor(shifted));
    long seconds = std::lround((shifted - double(z)) * 86400.0);
    long day = z;
    if (seconds >= 86400) {
        seconds -= 86400;
        ++day;
    }
    const long alpha = static_cast<long>((double(day) - 1867216.25) / 36524.25);
    const long a = day < 2299161 ? day : day + 1 + alpha - alpha / 4;
    const long b = a + 1524;
    const long c = static_cast<long>((double(b) - 122.1) / 365.25);
    const long d = static_cast<long>(365.25 * double(c));
    const long e = static_cast<long>(double(b - d) / 30.6001);
    const long dom = b - d - static_cast<long>(30.6001 * double(e));
    const long month = e < 14 ? e - 1 : e - 13;
    const long year = month > 2 ? c - 4716 : c - 4715;
    char text[128];
    std::snprintf(text, sizeof text, "%04ld-%02ld-%02ld %02ld:%02ld:%02ld", year, month, dom, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

// A natal chart born in Budapest, whose clock has summer time.
class TransitsCli : public ::testing::Test {
protected:
    TempDir dir;
    std::string natal = dir.file("anna.hor");

    void SetUp() override {
        ASSERT_EQ(runCli({"save", "--out", natal, "--name", "Anna", "--date", "1980-07-01", "--time", "12:00", "--town",
                          "Budapest, Hungary"}).exitCode, 0);
    }
    CliRun transits(std::vector<std::string> extra) {
        std::vector<std::string> args = {"transits", "--file", natal};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args);
    }
};

}  // namespace

TEST_F(TransitsCli, errorsSayWhatIsWrongAndPrintNothing) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    const std::vector<std::string> period = {"--from", "2027-01-01", "--to", "2027-12-31"};
    auto with = [&](std::vector<std::string> extra) {
        extra.insert(extra.end(), period.begin(), period.end());
        return extra;
    };
    const Row rows[] = {
        {"unknown transiting body", with({"--transiting", "sun,vulcan", "--natal", "sun", "--aspects", "con"}), 2,
         "--transiting: unknown name 'vulcan'"},
        {"unknown natal point", with({"--transiting", "sun", "--natal", "sun,desc", "--aspects", "con"}), 2,
         "--natal: unknown name 'desc'"},
        {"unknown aspect key", with({"--transiting", "sun", "--natal", "sun", "--aspects", "con,square"}), 2,
         "--aspects: unknown name 'square'"},
        {"from after to",
         {"--transiting", "sun", "--natal", "sun", "--aspects", "con", "--from", "2027-02-01", "--to", "2027-01-31"},
         2,
         "is after --to"},
        {"period outside the ephemeris files",
         {"--transiting", "chiron", "--natal", "sun", "--aspects", "con", "--from", "0500-01-01", "--to", "0501-01-01"},
         1,
         "outside the ephemeris files for chiron"},
        {"no period", {"--transiting", "sun", "--natal", "sun", "--aspects", "con"}, 2, "--from Y-M-D is needed"},
        {"malformed date",
         {"--transiting", "sun", "--natal", "sun", "--aspects", "con", "--from", "soon", "--to", "2027-12-31"},
         2,
         "--from takes a date"},
        {"impossible date",
         {"--transiting", "sun", "--natal", "sun", "--aspects", "con", "--from", "2027-02-30", "--to", "2027-12-31"},
         1,
         "2027-02-30"},
        {"year the program cannot hold",
         {"--transiting", "sun", "--natal", "sun", "--aspects", "con", "--from", "6000-01-01", "--to", "6001-01-01"},
         1,
         "6000-01-01 (years -4999 to 5000)"},
        {"json and csv", with({"--transiting", "sun", "--natal", "sun", "--aspects", "con", "--json", "--csv"}), 2,
         "cannot be combined"},
        {"empty selection of the options", with({}), 1, "nothing to search"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun r = transits(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode);
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST_F(TransitsCli, jsonEventsComeInDateOrderOnTheClockOfThePlace) {
    const CliRun r = transits({"--json", "--from", "2027-01-01", "--to", "2027-12-31", "--transiting",
                               "Saturn,jupiter,mars", "--natal", "sun,asc,mc", "--aspects", "con,sex,qua,tri,opp"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonArray events = parse(r.out)["events"].toArray();
    ASSERT_GE(events.size(), 5);
    double last = 0;
    for (const auto& value : events) {
        const QJsonObject e = value.toObject();
        SCOPED_TRACE(QJsonDocument(e).toJson().toStdString());
        const double jd = e["jdUT"].toDouble();
        EXPECT_GE(jd, last);
        last = jd;
        EXPECT_TRUE(QStringList({"saturn", "jupiter", "mars"}).contains(e["transiting"].toString()));
        EXPECT_TRUE(QStringList({"sun", "asc", "mc"}).contains(e["natal"].toString()));
        EXPECT_TRUE(QStringList({"con", "sex", "qua", "tri", "opp"}).contains(e["aspect"].toString()));
        EXPECT_TRUE(QList<int>({-1, 0, 1}).contains(e["motion"].toInt()));
        // Budapest keeps CET (+1) and CEST (+2) from the last Sunday of March to the last of October.
        const std::string exact = e["exact"].toString().toStdString();
        EXPECT_TRUE(exact == clockText(jd, 1.0) || exact == clockText(jd, 2.0)) << exact;
        const std::string month = exact.substr(5, 2);
        if (month >= "05" && month <= "09") {
            EXPECT_EQ(exact, clockText(jd, 2.0));
        }
        if (month <= "02" || month >= "11") {
            EXPECT_EQ(exact, clockText(jd, 1.0));
        }
        EXPECT_LE(e["enters"].toString(), e["exact"].toString());
        EXPECT_GE(e["leaves"].toString(), e["exact"].toString());
    }

    // The same events as CSV: a heading, then one line each with the same exact moments.
    const CliRun csv = transits({"--csv", "--from", "2027-01-01", "--to", "2027-12-31", "--transiting",
                                 "saturn,jupiter,mars", "--natal", "sun,asc,mc", "--aspects", "con,sex,qua,tri,opp"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    std::istringstream lines(csv.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "transiting,natal,aspect,jdUT,exact,enters,leaves,motion");
    int i = 0;
    while (std::getline(lines, line)) {
        ASSERT_LT(i, events.size());
        const QJsonObject e = events[i++].toObject();
        EXPECT_NE(line.find("," + e["exact"].toString().toStdString() + ","), std::string::npos) << line;
        EXPECT_EQ(line.rfind(e["transiting"].toString().toStdString() + ",", 0), 0u) << line;
    }
    EXPECT_EQ(i, events.size());
}

// Before the reform, dates are Julian both ways: the period is read as Julian dates and the
// moments are told on Budapest's local mean time (19 deg 02 min East: +1:16:08) in the Julian
// calendar, as the return chart of the same moment tells it.
TEST_F(TransitsCli, datesBeforeTheReformAreJulianBothWays) {
    const CliRun r = transits({"--json", "--from", "1500-03-01", "--to", "1500-03-31", "--transiting", "moon",
                               "--natal", "sun", "--aspects", "con,sex,qua,tri,opp"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonArray events = parse(r.out)["events"].toArray();
    ASSERT_GE(events.size(), 6);
    const double lmtHours = (19.0 + 2.0 / 60) / 15.0;
    for (const auto& value : events) {
        const QJsonObject e = value.toObject();
        const std::string exact = e["exact"].toString().toStdString();
        EXPECT_EQ(exact, clockText(e["jdUT"].toDouble(), lmtHours));
        EXPECT_GE(exact, "1500-03-01 00:00:00");
        EXPECT_LE(exact, "1500-03-31 23:59:59");
    }
    // The first and the last week of the month both have events: the period is not ten days off.
    EXPECT_LT(events.first().toObject()["exact"].toString(), "1500-03-08");
    EXPECT_GT(events.last().toObject()["exact"].toString(), "1500-03-24");

    const CliRun sun = transits({"--json", "--from", "1500-01-01", "--to", "1500-12-31", "--transiting", "sun",
                                 "--natal", "sun", "--aspects", "con"});
    const CliRun ret = runCli({"returns", "--json", "--file", natal, "--body", "sun", "--from", "1500-01-01",
                               "--to", "1500-12-31"});
    ASSERT_EQ(sun.exitCode, 0) << sun.err;
    ASSERT_EQ(ret.exitCode, 0) << ret.err;
    const QJsonArray returns = parse(ret.out)["returns"].toArray();
    const QJsonArray conjunctions = parse(sun.out)["events"].toArray();
    ASSERT_EQ(returns.size(), 1);
    ASSERT_EQ(conjunctions.size(), 1);
    const QJsonObject shown = returns[0].toObject()["chart"].toObject()["moment"].toObject();
    const QJsonObject date = shown["localDate"].toObject();
    EXPECT_FALSE(date["gregorian"].toBool());
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date["year"].toInt(), date["month"].toInt(),
                  date["day"].toInt());
    EXPECT_EQ(conjunctions[0].toObject()["exact"].toString().toStdString().substr(0, 10), text);
}
