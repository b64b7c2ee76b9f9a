// Chart collections in AAF and CSV files: reading every field form and encoding, refusing what
// cannot make a chart with the line it is on, placing records by the atlas, and a round trip
// export -> import that gives the same charts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "ChartExchange.h"
#include "ExchangeFields.h"
#include "ExchangeText.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "TempDir.h"
#include "TownFixtures.h"

using namespace fixtures;

namespace {

struct Read {
    std::vector<ExchangeRecord> records;
    std::vector<RecordIssue> refused;
    bool ok = true;
};

Read readText(std::string_view text, ExchangeFormat format) {
    Read r;
    ExchangeSink sink{[&](ExchangeRecord&& rec) { r.records.push_back(std::move(rec)); },
                      [&](RecordIssue&& issue) { r.refused.push_back(std::move(issue)); }};
    r.ok = readExchangeRecords(text, format, sink);
    return r;
}

// The charts the records make without an atlas, and everything refused, by line.
struct Charts {
    std::vector<RadixData> charts;
    std::vector<RecordIssue> refused, notices;
};

Charts chartsOf(std::string_view text, ExchangeFormat format, const TownDatabase* atlas = nullptr) {
    Charts c;
    Read r = readText(text, format);
    c.refused = r.refused;
    for (const ExchangeRecord& rec : r.records) {
        RadixData radix;
        ChartFromRecord made = chartFromRecord(rec, atlas, englishStrings(), radix);
        if (made.refusal)
            c.refused.push_back(*made.refusal);
        else
            c.charts.push_back(radix);
        c.notices.insert(c.notices.end(), made.notices.begin(), made.notices.end());
    }
    std::sort(c.refused.begin(), c.refused.end(), [](const auto& a, const auto& b) { return a.line < b.line; });
    return c;
}

std::string timeOf(const CalDate& d, const ClockTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%06.3f", d.year, d.month, d.day, t.hour, t.minute,
                  t.second);
    return text;
}

// A moment as text: local, UT, clock, position, town.
std::string momentOf(const BirthMoment& m) {
    char text[200];
    std::snprintf(text, sizeof text, "%s / UT %s / kind %d %s%02d:%02d / %.6f %.6f / %s",
                  timeOf(m.localDate, m.localTime).c_str(), timeOf(m.utDate, m.utTime).c_str(), m.timeKind,
                  m.zoneWest ? "-" : "+", m.zoneHours, m.zoneMinutes, m.latitude.decimal(), m.longitude.decimal(),
                  std::string(fixedText(m.town)).c_str());
    return text;
}

const char* const AafCollection =
    "#: A small collection\r\n"
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,D\r\n"
    "#B93:*,49n05,8e11,1he,0\r\n"
    "#ZNAM:CET\r\n"
    "#COM:Programmer\r\n"
    "of the AAF library\r\n"
    "#LPOS:SO03LI42\r\n"
    "#SRC:1*,birth certificate\r\n"
    "\r\n"
    "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-en-Provence,F\r\n"
    "#B93:2392758.526528,43n31,5e27,0e21:48,m\r\n"
    "#A93:Summer,Sue,f,1.7.1983,14:30:15,Munich,D\r\n"
    "#B93:*,48n08,11e34,1he00,1\r\n"
    "#A93:South,West,*,5.3.1990,8:15,Lima,PE\r\n"
    "#B93:*,12s02:36,77w01:42,5hw00,0\r\n"
    "#A93:Disagree,Dan,m,1.1.2000,12:00,Greenwich,GB\r\n"
    "#B93:2451545.04166667,51n29,0w00,0hw00,0\r\n"
    "#A93:Nowhere,Ned,m,1.1.2000,12:00,*,*\r\n"
    "#B93:*,*,*,1he00,0\r\n"
    "#A93:Badzone,Bob,m,1.1.2000,12:00,Pest,H\r\n"
    "#B93:*,47n30,19e03,1hx00,0\r\n"
    "#A93:Baddate,Bea,f,31.2.2000,12:00,Pest,H\r\n"
    "#B93:*,47n30,19e03,1he00,0\r\n"
    "#A93:Badlat,Ben,m,1.1.2000,12:00,Pest,H\r\n"
    "#B93:*,97n30,19e03,1he00,0\r\n"
    "#A93:Unknown,Una,f,1.1.1950,6:00,*,*\r\n"
    "#B93:*,47n30,19e03\r\n"
    "#B93:*,47n30,19e03,1he00,0\r\n"
    "#A93:Cut,Carl,m,1.1.20";

}  // namespace

TEST(ExchangeFields, formsOfDatesTimesAnglesAndZones) {
    EXPECT_EQ(isoDateText(*parseDate("27.9.1970", std::nullopt)), "1970-09-27");
    EXPECT_EQ(isoDateText(*parseDate("-0043-03-15", std::nullopt)), "-0043-03-15");
    EXPECT_FALSE(parseDate("-0043-03-15", std::nullopt)->isGregorian());
    EXPECT_TRUE(parseDate("1582-10-15", std::nullopt)->isGregorian());
    EXPECT_FALSE(parseDate("1582-10-04", std::nullopt)->isGregorian());
    EXPECT_TRUE(parseDate("1900-2-29", false));
    for (const char* bad : {"1900-2-29", "31.4.2000", "2000-13-01", "5001-01-01", "1.1", "x.1.2000", "", "1970/09/27"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(parseDate(bad, std::nullopt));
    }
    EXPECT_EQ(clockTimeText(*parseClockTime("1.10")), "1:10");
    EXPECT_EQ(clockTimeText(*parseClockTime("23:59:59")), "23:59:59");
    for (const char* bad : {"24:00", "12:60", "12", "12:00:60", "a:b", ""})
        EXPECT_FALSE(parseClockTime(bad)) << bad;

    const struct {
        const char* text;
        double degrees;  // NaN for refused
    } angles[] = {
        {"49n05", 49 + 5 / 60.0},         {"12s02:36", -(12 + 2 / 60.0 + 36 / 3600.0)},
        {"47N29:55.5", 47 + 29 / 60.0 + 55.5 / 3600.0}, {"-33.8688", -33.8688},
        {"90n00", NAN},                   {"47n60", NAN}, {"47x10", NAN}, {"", NAN}, {"4 7n10", NAN},
    };
    for (const auto& row : angles) {
        SCOPED_TRACE(row.text);
        const auto a = parseGeoAngle(row.text, 'n', 's', BirthMoment::MaxLatitude);
        ASSERT_EQ(a.has_value(), !std::isnan(row.degrees));
        if (a) {
            EXPECT_NEAR(a->decimal(), row.degrees, 1e-9);
        }
    }
    EXPECT_EQ(geoAngleText(*parseGeoAngle("122w25:10", 'e', 'w', 180), 'e', 'w'), "122w25:10");

    const struct {
        const char* text;
        RecordClock clock;
        int minutes;
    } zones[] = {
        {"1he", RecordClock::Zone, 60},       {"1hE00", RecordClock::Zone, 60},  {"8hw00", RecordClock::Zone, -480},
        {"5hw30", RecordClock::Zone, -330},   {"0e21:48", RecordClock::LocalMean, 0}, {"+5:30", RecordClock::Zone, 330},
        {"-0330", RecordClock::Zone, -210},   {"GMT", RecordClock::Greenwich, 0}, {"lmt", RecordClock::LocalMean, 0},
        {"*", RecordClock::Unknown, 0},       {"", RecordClock::Unknown, 0},      {"1", RecordClock::Zone, 60},
    };
    for (const auto& row : zones) {
        SCOPED_TRACE(row.text);
        const auto z = parseZone(row.text);
        ASSERT_TRUE(z);
        EXPECT_EQ(z->clock, row.clock);
        EXPECT_EQ(z->minutes, row.minutes);
    }
    for (const char* bad : {"1hx00", "25he00", "1he60", "+24:00", "CET", "0e21:61"})
        EXPECT_FALSE(parseZone(bad)) << bad;
}

TEST(ExchangeFields, julianDaysTurnIntoTheirCalendarDates) {
    // Each day checked against the ephemeris library's own conversion, across the reform.
    for (const double jd : {2451545.0, 2451545.75, 2299160.5, 2299161.5, 2392758.526528, 0.0, -100000.25, 1.5}) {
        SCOPED_TRACE(jd);
        CalDate d;
        ClockTime t;
        julianDayToUniversal(jd, d, t);
        const double back =
            calendarToJulianDay(d.year, d.month, d.day, t.hour + t.minute / 60.0 + t.second / 3600.0, d.isGregorian());
        EXPECT_NEAR(back, jd, 1e-8);
        EXPECT_EQ(d.isGregorian(), jd >= 2299160.5);
    }
}

TEST(AafReader, readsEveryRecordAndRefusesWhatCannotMakeAChart) {
    const Charts c = chartsOf(AafCollection, ExchangeFormat::Aaf);
    ASSERT_EQ(c.charts.size(), 5u);
    const struct {
        const char* name;
        const char* moment;
        int sex;
    } expected[] = {
        {"Ferber, Tobias", "1970-09-27 11:04:00.000 / UT 1970-09-27 10:04:00.000 / kind 2 +01:00 / 49.083333 8.183333 / Kandel, D", SexMale},
        // Local mean time at 5°27' E: 21 min 48 s ahead of Greenwich; the Julian day agrees.
        {"Cezanne, Paul", "1839-01-19 01:00:00.000 / UT 1839-01-19 00:38:12.000 / kind 1 +00:00 / 43.516667 5.450000 / Aix-en-Provence, F", SexMale},
        // One hour of summer time on top of the zone.
        {"Summer, Sue", "1983-07-01 14:30:15.000 / UT 1983-07-01 12:30:15.000 / kind 2 +02:00 / 48.133333 11.566667 / Munich, D", SexFemale},
        {"South, West", "1990-03-05 08:15:00.000 / UT 1990-03-05 13:15:00.000 / kind 2 -05:00 / -12.043333 -77.028333 / Lima, PE", SexNotSet},
        // The Julian day says 13:00 UT: it decides, on the record's (Greenwich) clock.
        {"Disagree, Dan", "2000-01-01 13:00:00.000 / UT 2000-01-01 13:00:00.000 / kind 0 +00:00 / 51.483333 0.000000 / Greenwich, GB", SexMale},
    };
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        SCOPED_TRACE(expected[k].name);
        EXPECT_EQ(fixedText(c.charts[k].name), expected[k].name);
        EXPECT_EQ(fixedText(c.charts[k].horType), "radix");
        EXPECT_EQ(momentOf(c.charts[k].moment), expected[k].moment);
        EXPECT_EQ(c.charts[k].moment.sex, expected[k].sex);
    }
    // The annotation chunks in the notes, the computed ones left out.
    EXPECT_EQ(fixedText(c.charts[0].notes), "#ZNAM:CET\r\nProgrammer\r\nof the AAF library\r\n#SRC:1*,birth certificate");

    const std::vector<std::pair<int, RecordIssueKind>> refused = {
        {18, RecordIssueKind::NoPlace},     {21, RecordIssueKind::BadZone},
        {22, RecordIssueKind::BadDate},     {25, RecordIssueKind::BadLatitude},
        {27, RecordIssueKind::CutShort},    {29, RecordIssueKind::CutShort},
    };
    ASSERT_EQ(c.refused.size(), refused.size());
    for (std::size_t k = 0; k < refused.size(); ++k) {
        EXPECT_EQ(c.refused[k].line, refused[k].first) << k;
        EXPECT_EQ(c.refused[k].kind, refused[k].second) << k;
    }
    EXPECT_EQ(recordIssueText(c.refused[1], englishStrings()), "Line 21: the time zone '1hx00' is not understood");
    ASSERT_EQ(c.notices.size(), 1u);
    EXPECT_EQ(recordIssueText(c.notices[0], englishStrings()),
              "Line 16: imported by its Julian day, which differs from the civil time by -60 minutes");
}

TEST(ExchangeReaders, emptyBinaryAndStrayInputGiveNoChart) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    for (const ExchangeFormat format : {ExchangeFormat::Aaf, ExchangeFormat::Csv}) {
        for (const std::string& text : {std::string(), binary, std::string("\n\n  \n")}) {
            const Charts c = chartsOf(text, format);
            EXPECT_TRUE(c.charts.empty());
        }
    }
    // A chunk before the first record is reported with its line.
    const Read stray = readText("#B93:*,47n30,19e03,1he00,0\n#A93:A,B,m,1.1.2000,12:00,X,Y\n#B93:*,47n30,19e03,1he00,0\n",
                                ExchangeFormat::Aaf);
    ASSERT_EQ(stray.refused.size(), 1u);
    EXPECT_EQ(stray.refused[0].line, 1);
    EXPECT_EQ(stray.refused[0].kind, RecordIssueKind::OutsideRecord);
    EXPECT_EQ(stray.records.size(), 1u);
    // A CSV file without the columns of a moment is not read at all.
    EXPECT_FALSE(readText("name,town\nAnna,Pest\n", ExchangeFormat::Csv).ok);
}

TEST(ExchangeText, namesInUtf8AndBothWindowsCodePages) {
    const struct {
        const char* label;
        std::string file;
        std::vector<std::string> names;  // as the chart keeps them (Windows-1250)
    } rows[] = {
        {"UTF-8", "#A93:\xC3\x81rv\xC3\xADz,T\xC5\xB1r\xC5\x91,m,1.1.2000,12:00,*,*\n#B93:*,47n30,19e03,1he00,0\n",
         {"\xC1rv\xEDz, T\xFBr\xF5"}},
        {"Windows-1250", "#A93:\xC1rv\xEDz,T\xFBr\xF5,m,1.1.2000,12:00,*,*\n#B93:*,47n30,19e03,1he00,0\n",
         {"\xC1rv\xEDz, T\xFBr\xF5"}},
        // è and ñ say Windows-1252; the code page of the charts has no è or ñ: base letters.
        {"Windows-1252",
         "#A93:Lef\xE8vre,Ren\xE9" "e,f,1.1.2000,12:00,*,*\n#B93:*,47n30,19e03,1he00,0\n"
         "#A93:Mu\xF1oz,Jos\xE9,m,1.1.2000,12:00,*,*\n#B93:*,47n30,19e03,1he00,0\n",
         {"Lefevre, Ren\xE9" "e", "Munoz, Jos\xE9"}},
        // A UTF-8 record in a Windows-1250 file keeps its own encoding.
        {"mixed", "#A93:\xC5\x91z,*,m,1.1.2000,12:00,*,*\n#B93:*,47n30,19e03,1he00,0\n"
                  "#A93:T\xFBz,*,m,1.1.2000,12:00,*,*\n#B93:*,47n30,19e03,1he00,0\n",
         {"\xF5z", "T\xFBz"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const Charts c = chartsOf(row.file, ExchangeFormat::Aaf);
        ASSERT_EQ(c.charts.size(), row.names.size());
        for (std::size_t k = 0; k < row.names.size(); ++k)
            EXPECT_EQ(fixedText(c.charts[k].name), row.names[k]);
    }
    EXPECT_TRUE(isWellFormedUtf8("plain"));
    EXPECT_FALSE(isWellFormedUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(isWellFormedUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(isWellFormedUtf8("\xE2\x82"));      // cut
}

TEST(CsvReader, columnsByNameQuotingAndRefusals) {
    const std::string csv =
        "\xEF\xBB\xBFName;First name;Sex;Date;Time;Zone;DST;Lat;Lon;Town;Unknown;Notes\r\n"
        "Kiss;\xC3\x89va;f;1975-04-12;06:30;+1:00;1;47n29:55;19e02:25;Budapest;x;\"line one\nline \"\"two\"\"\"\r\n"
        "Smith;John;m;4.7.1976;23:10:05;-5:00;0;40.7128;-74.0060;New York;;\r\n"
        "\r\n"
        "Old;;;1500-03-01;12:00;LMT;;45;10;;;\r\n"
        "Bad;;;1975-04-31;06:30;+1:00;0;47;19;;;\r\n"
        "Cut;;;1975-04-12;06:30\r\n"
        "Greenwich;;;1975-04-12;06:30;gmt;;51.5;0;;;";
    const Charts c = chartsOf(csv, ExchangeFormat::Csv);
    ASSERT_EQ(c.charts.size(), 4u);
    EXPECT_EQ(fixedText(c.charts[0].name), "Kiss, \xC9va");
    EXPECT_EQ(momentOf(c.charts[0].moment),
              "1975-04-12 06:30:00.000 / UT 1975-04-12 04:30:00.000 / kind 2 +02:00 / 47.498611 19.040278 / Budapest");
    EXPECT_EQ(fixedText(c.charts[0].notes), "line one\r\nline \"two\"");
    EXPECT_EQ(momentOf(c.charts[1].moment),
              "1976-07-04 23:10:05.000 / UT 1976-07-05 04:10:05.000 / kind 2 -05:00 / 40.712800 -74.006000 / New York");
    // Before the calendar reform the date is Julian.
    EXPECT_FALSE(c.charts[2].moment.localDate.isGregorian());
    EXPECT_EQ(c.charts[2].moment.timeKind, TimeLMT);
    EXPECT_EQ(c.charts[3].moment.timeKind, TimeGMT);
    ASSERT_EQ(c.refused.size(), 2u);
    EXPECT_EQ(c.refused[0].line, 7);
    EXPECT_EQ(c.refused[0].kind, RecordIssueKind::BadDate);
    EXPECT_EQ(c.refused[1].line, 8);
    EXPECT_EQ(c.refused[1].kind, RecordIssueKind::CutShort);
}

TEST(ExchangePlacement, recordsWithoutCoordinatesAreFoundInTheAtlasWhenUnambiguous) {
    TownDatabase db;
    std::vector<ZoneEntry> units;
    addZone(units, "Hungary", {rule(1, 1, 1, 0, 0, TimeZone, "CET", 60), rule(1980, 4, 6, 1, 0, TimeZone, "CEST", 120),
                               rule(1980, 9, 28, 1, 0, TimeZone, "CET", 60)});
    addZone(units, "United States, Texas", {rule(1, 1, 1, 0, 0, TimeZone, "CST", -360)});
    addZone(units, "France", {rule(1, 1, 1, 0, 0, TimeZone, "CET", 60)});
    fillDatabase(db, units,
                 {town("Hungary", 0, 0, RegionEntry), town("Budapest, Hungary", 1142, 2850, 0),
                  town("Paris, France", 140, 2931, 2), town("Paris, United States", -5733, 2020, 1)});
    const char* const file =
        "#A93:Atlas,Anna,f,1.7.1980,12:00,Budapest,H\n#B93:*,*,*,*,0\n"        // zone from the atlas: summer time
        "#A93:Paris,Pierre,m,1.7.1980,12:00,Paris,*\n#B93:*,*,*,1he00,0\n"      // two towns called Paris
        "#A93:Paris,Paul,m,1.7.1980,12:00,Paris,F\n#B93:*,*,*,1he00,0\n"        // the country decides
        "#A93:Mars,Mo,m,1.7.1980,12:00,Olympus,*\n#B93:*,*,*,1he00,0\n";
    const Charts c = chartsOf(file, ExchangeFormat::Aaf, &db);
    ASSERT_EQ(c.charts.size(), 2u);
    EXPECT_EQ(momentOf(c.charts[0].moment),
              "1980-07-01 12:00:00.000 / UT 1980-07-01 10:00:00.000 / kind 2 +02:00 / 47.500000 19.033333 / Budapest, Hungary");
    EXPECT_EQ(fixedText(c.charts[1].moment.town), "Paris, France");
    ASSERT_EQ(c.refused.size(), 2u);
    EXPECT_EQ(c.refused[0].kind, RecordIssueKind::AmbiguousPlace);
    EXPECT_EQ(c.refused[0].line, 3);
    EXPECT_EQ(c.refused[1].kind, RecordIssueKind::UnknownPlace);
    EXPECT_EQ(c.refused[1].detail, "Olympus");
}

TEST(ChartImport, writesOneFilePerChartWithoutTouchingTheFolder) {
    TempDir dir;
    const std::string folder = dir.file("charts");
    std::filesystem::create_directories(folder);
    // A chart of the same name is already there: it stays as it was.
    dir.write("charts/Ferber,_Tobias.hor", "mine");
    const std::string file = dir.write("in.aaf", AafCollection);
    const ImportReport report = importCharts(file, std::nullopt, folder, nullptr, englishStrings(), ChartBlocks{});
    EXPECT_EQ(report.status, ImportStatus::Ok);
    ASSERT_EQ(report.written.size(), 5u);
    EXPECT_EQ(report.written[0], folder + "/Ferber,_Tobias_2.hor");
    EXPECT_EQ(dir.read("charts/Ferber,_Tobias.hor"), "mine");
    EXPECT_EQ(report.refused.size(), 6u);
    EXPECT_EQ(report.notices.size(), 1u);

    EXPECT_EQ(importCharts(dir.file("none.aaf"), std::nullopt, folder, nullptr, englishStrings(), {}).status,
              ImportStatus::CannotRead);
    EXPECT_EQ(importCharts(dir.write("x.txt", AafCollection), std::nullopt, folder, nullptr, englishStrings(), {}).status,
              ImportStatus::UnknownFormat);
    EXPECT_EQ(importCharts(dir.write("e.aaf", ""), std::nullopt, folder, nullptr, englishStrings(), {}).status,
              ImportStatus::NoRecord);
    EXPECT_EQ(importCharts(dir.write("h.csv", "a,b\n1,2\n"), std::nullopt, folder, nullptr, englishStrings(), {}).status,
              ImportStatus::NoHeader);
}

TEST(ChartExport, readBackGivesTheSameCharts) {
    // Charts as the program makes them: every clock, both hemispheres, seconds, notes.
    std::vector<RadixData> charts(4);
    const auto make = [](RadixData& r, const char* name, CalDate date, ClockTime time, GeoAngle lat, GeoAngle lon,
                         std::uint8_t kind, int zoneEast, const char* town, const char* notes) {
        setFixedText(r.name, name);
        setFixedText(r.horType, "radix");
        BirthMoment m(date, time, lon, lat, kind, static_cast<std::uint8_t>(std::abs(zoneEast) / 60),
                      static_cast<std::uint8_t>(std::abs(zoneEast) % 60), zoneEast < 0);
        setFixedText(m.town, town);
        m.sex = SexFemale;
        m.localToUniversal();
        r.moment = m;
        setFixedText(r.notes, notes);
    };
    make(charts[0], "Kiss, \xC9va", CalDate(1975, 4, 12, true), {6, 30, 0}, GeoAngle(47, 29, 55, false),
         GeoAngle(19, 2, 25, false), TimeZone, 120, "Budapest, Hungary", "#ZNAM:CEST\r\nfirst\r\n\r\nthird, with comma");
    make(charts[1], "Smith", CalDate(1976, 7, 4, true), {23, 10, 5}, GeoAngle(40, 42, 46, false),
         GeoAngle(74, 0, 22, true), TimeZone, -330, "New York", "");
    make(charts[2], "Old Master", CalDate(1500, 3, 1, false), {12, 0, 0}, GeoAngle(33, 52, 8, true),
         GeoAngle(151, 12, 36, false), TimeLMT, 0, "Sydney, Australia", "said \"hello\"");
    make(charts[3], "\xD5si", CalDate(-43, 3, 15, false), {11, 0, 0}, GeoAngle(41, 54, 0, false),
         GeoAngle(12, 30, 0, false), TimeGMT, 0, "", "");

    for (const ExchangeFormat format : {ExchangeFormat::Aaf, ExchangeFormat::Csv}) {
        SCOPED_TRACE(format == ExchangeFormat::Aaf ? "AAF" : "CSV");
        TempDir dir;
        const std::string file = dir.write(format == ExchangeFormat::Aaf ? "out.aaf" : "out.csv", exportText(charts, format));
        EXPECT_TRUE(isWellFormedUtf8(dir.read(format == ExchangeFormat::Aaf ? "out.aaf" : "out.csv")));
        const ImportReport report = importCharts(file, std::nullopt, dir.path(), nullptr, englishStrings(), ChartBlocks{});
        ASSERT_EQ(report.written.size(), charts.size());
        EXPECT_TRUE(report.refused.empty());
        EXPECT_TRUE(report.notices.empty()) << recordIssueText(report.notices.front(), englishStrings());
        for (std::size_t k = 0; k < charts.size(); ++k) {
            RadixData back;
            ChartBlocks blocks;
            ASSERT_EQ(ReadHoroscopeFile(report.written[k], englishStrings(), {}, back, blocks), HoroscopeRead::Ok);
            SCOPED_TRACE(std::string(fixedText(charts[k].name)));
            EXPECT_EQ(fixedText(back.name), fixedText(charts[k].name));
            EXPECT_EQ(fixedText(back.horType), fixedText(charts[k].horType));
            EXPECT_EQ(fixedText(back.notes), fixedText(charts[k].notes));
            EXPECT_EQ(momentOf(back.moment), momentOf(charts[k].moment));
            EXPECT_EQ(back.moment.sex, charts[k].moment.sex);
            EXPECT_EQ(back.moment.timeKind, charts[k].moment.timeKind);
        }
    }
}
