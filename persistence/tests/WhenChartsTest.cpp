// Charts cast at an instant: the clock they show is that of their place at that instant, as
// the IANA time-zone database (asked through the C library) has it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <tuple>

#include "Angles.h"
#include "ApplyTown.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "FixedText.h"
#include "OptionDefaults.h"
#include "ScopedTimeZone.h"
#include "TownFixtures.h"
#include "TransitMoment.h"
#include "WhenCharts.h"

using namespace fixtures;

namespace {

constexpr double OneMillisecond = 1e-3 / 86400.0;
constexpr double UnixEpochJD = 2440587.5;

double jd(int y, int m, int d, double hours = 0) { return calendarToJulianDay(y, m, d, hours, true); }

// The local clock reading and its offset east of Greenwich (minutes) in an IANA zone.
struct IanaClock {
    std::tm local{};
    int offsetMinutes = 0;
};
IanaClock ianaClock(const std::string& zone, double jdUT) {
    ScopedTimeZone tz(zone);
    const std::time_t t = static_cast<std::time_t>(std::floor((jdUT - UnixEpochJD) * 86400.0));
    IanaClock c;
    localtime_r(&t, &c.local);
    c.offsetMinutes = static_cast<int>(c.local.tm_gmtoff / 60);
    return c;
}

// A date and a clock reading by value: the stored records are packed, their fields cannot be
// bound to references.
std::tuple<int, int, int, bool> dayOf(const CalDate& d) {
    const int year = d.year, month = d.month, day = d.day;
    return {year, month, day, d.isGregorian()};
}
std::tuple<int, int, double> clockOf(const ClockTime& t) {
    const int hour = t.hour, minute = t.minute;
    const double second = t.second;
    return {hour, minute, second};
}

int zoneMinutes(const BirthMoment& m) {
    if (m.timeKind != TimeZone)
        return 0;
    return (m.zoneHours * 60 + m.zoneMinutes) * (m.zoneWest ? -1 : 1);
}

void expectIanaClock(const BirthMoment& m, const std::string& zone, double jdUT) {
    const IanaClock c = ianaClock(zone, jdUT);
    EXPECT_EQ(m.timeKind, TimeZone);
    EXPECT_EQ(zoneMinutes(m), c.offsetMinutes);
    EXPECT_EQ(m.localDate.year, c.local.tm_year + 1900);
    EXPECT_EQ(m.localDate.month, c.local.tm_mon + 1);
    EXPECT_EQ(m.localDate.day, c.local.tm_mday);
    EXPECT_EQ(m.localTime.hour, c.local.tm_hour);
    EXPECT_EQ(m.localTime.minute, c.local.tm_min);
}

class WhenChartsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* source = std::getenv("ZDK_SOURCE_DIR");
        ASSERT_NE(source, nullptr) << "ZDK_SOURCE_DIR names the source tree with dist/data";
        s_db = new TownDatabase();
        LoadTownDatabase(*s_db, townFilePaths(std::string(source) + "/dist", englishStrings()), englishStrings());
    }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override {
        const char* program = std::getenv("ZDK_PROGRAM_DIR");
        ASSERT_EQ(startEphemeris(std::string(program ? program : ".") + "/data/ephem").state, EphemerisFolder::Ready);
        SetDefaultOptions(*options);
    }

    const TownRecord& town(const char* name) {
        const TownRecord* t = FindTown(*s_db, name);
        EXPECT_NE(t, nullptr) << name;
        return *t;
    }

    // A chart born at a town of the atlas, on its clock, at a UT instant.
    std::unique_ptr<RadixData> natalAt(const char* name, const char* townName, double jdUT) {
        auto r = std::make_unique<RadixData>();
        setFixedText(r->name, name);
        setFixedText(r->horType, "radix");
        r->moment = momentAtUT(*s_db, BirthMoment{}, &town(townName), jdUT);
        computeRadix(*r, *options);
        return r;
    }

    static TownDatabase* s_db;
    std::unique_ptr<TOptions> options = std::make_unique<TOptions>();
};

TownDatabase* WhenChartsTest::s_db = nullptr;

}  // namespace

TEST_F(WhenChartsTest, ReturnChartsShowTheClockOfTheirPlaceAtTheReturn) {
    const auto natal = natalAt("Anna", "Budapest, Hungary", jd(1980, 7, 1, 10.5));
    ASSERT_EQ(fixedText(natal->moment.town), "Budapest, Hungary");
    const struct {
        const char* name;
        int body;
        double from;
        const char* town;  // nullptr: the natal place
        const char* zone;
        const char* type;
    } rows[] = {
        {"solar return at home, summer time", BodySun, jd(2026, 1, 1), nullptr, "Europe/Budapest", "solar ret"},
        {"solar return in New York", BodySun, jd(2026, 1, 1), "New York City, United States", "America/New_York",
         "solar ret"},
        {"solar return in Sydney, winter there", BodySun, jd(2026, 1, 1), "Sydney, Australia", "Australia/Sydney",
         "solar ret"},
        {"lunar return at home, winter", 1, jd(2027, 1, 1), nullptr, "Europe/Budapest", "lunar ret"},
        {"lunar return in Sydney, summer there", 1, jd(2027, 1, 1), "Sydney, Australia", "Australia/Sydney",
         "lunar ret"},
        {"Saturn return in Kathmandu", 6, jd(2008, 1, 1), "Kathmandu, Nepal", "Asia/Kathmandu", "Sat ret"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ReturnSearch search = nextReturn(*natal, row.body, row.from, *options);
        ASSERT_EQ(search.status, ReturnStatus::Ok);
        ASSERT_FALSE(search.returns.empty());
        const ReturnMoment ret = search.returns.front();
        const TownRecord* place = row.town ? &town(row.town) : nullptr;
        ClockChange note;
        const auto chart = std::make_unique<RadixData>(
            castReturnChart(*s_db, englishStrings(), *natal, ret, place, *options, &note));
        EXPECT_EQ(fixedText(chart->name), "Anna");
        EXPECT_EQ(fixedText(chart->horType), row.type);
        EXPECT_EQ(fixedText(chart->moment.town), row.town ? row.town : "Budapest, Hungary");
        EXPECT_NEAR(chart->jdUT, ret.jdUT, OneMillisecond);
        EXPECT_LT(std::fabs(std::remainder(chart->lon[row.body] - natal->lon[row.body], TwoPi)) * RadToDeg, 0.01 / 3600.0);
        EXPECT_EQ(note.reading, ClockReading::Normal);
        expectIanaClock(chart->moment, row.zone, ret.jdUT);
    }
}

// Where the clock is turned back, one local reading stands for two instants; each instant
// must get the offset it really had, and the note tells that the reading was repeated.
TEST_F(WhenChartsTest, InstantsAroundAClockChangeGetTheOffsetTheyHad) {
    const TownRecord& budapest = town("Budapest, Hungary");
    const struct {
        const char* name;
        double jdUT;
        ClockReading reading;
    } rows[] = {
        {"before the autumn change", jd(2026, 10, 24, 23.5), ClockReading::Normal},
        {"first 02:30 of the autumn night", jd(2026, 10, 25, 0.5), ClockReading::Repeated},
        {"second 02:30 of the autumn night", jd(2026, 10, 25, 1.5), ClockReading::Repeated},
        {"after the autumn change", jd(2026, 10, 25, 2.5), ClockReading::Normal},
        {"before the spring change", jd(2026, 3, 29, 0.5), ClockReading::Normal},
        {"just after the spring change", jd(2026, 3, 29, 1.0 + 1.0 / 60), ClockReading::Normal},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ClockChange note;
        const BirthMoment m = momentAtUT(*s_db, BirthMoment{}, &budapest, row.jdUT, &note);
        EXPECT_NEAR(m.julianDayUT(), row.jdUT, OneMillisecond);
        EXPECT_EQ(note.reading, row.reading);
        expectIanaClock(m, "Europe/Budapest", row.jdUT);
    }
}

TEST_F(WhenChartsTest, MidtimeChartIsAtTheMeanInstantAndTheMidpoint) {
    const auto anna = natalAt("Anna", "Budapest, Hungary", jd(1980, 7, 1, 10.5));
    const auto bela = natalAt("Bela", "Vienna, Austria", jd(1990, 7, 1, 5.5));
    ClockChange note;
    const auto mid = std::make_unique<RadixData>(
        castMidtimeChart(*s_db, englishStrings(), *anna, *bela, *options, &note));
    EXPECT_EQ(fixedText(mid->name), "Anna / Bela");
    EXPECT_EQ(fixedText(mid->horType), "midtime");
    EXPECT_NEAR(mid->jdUT, (anna->jdUT + bela->jdUT) / 2, OneMillisecond);
    const GeoPoint expected = greatCircleMidpoint({anna->moment.longitude.decimal(), anna->moment.latitude.decimal()},
                                                  {bela->moment.longitude.decimal(), bela->moment.latitude.decimal()});
    EXPECT_NEAR(mid->moment.longitude.decimal(), expected.longitude, 0.01 / 3600);
    EXPECT_NEAR(mid->moment.latitude.decimal(), expected.latitude, 0.01 / 3600);
    // Between Vienna and Budapest the clock is Central European, with summer time in 1985.
    expectIanaClock(mid->moment, "Europe/Vienna", mid->jdUT);
    EXPECT_FALSE(fixedText(mid->moment.town).empty());

    // In mid-ocean no town is near: local mean time of the place.
    const auto york = natalAt("C", "New York City, United States", jd(1990, 1, 1, 12));
    const auto lisbon = natalAt("D", "Lisbon, Portugal", jd(1990, 1, 1, 12));
    const auto ocean = std::make_unique<RadixData>(
        castMidtimeChart(*s_db, englishStrings(), *york, *lisbon, *options));
    EXPECT_EQ(ocean->moment.timeKind, TimeLMT);
    EXPECT_TRUE(fixedText(ocean->moment.town).empty());
    EXPECT_NEAR(ocean->jdUT, jd(1990, 1, 1, 12), OneMillisecond);
}

TEST_F(WhenChartsTest, ProgressedChartIsTypedAndOnTheNatalClock) {
    const auto natal = natalAt("Anna", "Budapest, Hungary", jd(1980, 7, 1, 10.5));
    ProgressionRequest request;
    request.kind = ProgressionKind::Tertiary;
    request.targetUT = jd(2026, 12, 11);
    request.key = directionKeyOf(ChartDirectionSettings{false, false, 1, 0, 0.0, 0});
    auto p = std::make_unique<Progression>();
    castProgression(*s_db, englishStrings(), *natal, request, *options, *p);
    EXPECT_EQ(fixedText(p->chart.horType), "tert dir");
    EXPECT_EQ(p->key, ProgressionKey::Angle);
    EXPECT_DOUBLE_EQ(p->keyDegrees, 1.0);
    EXPECT_NEAR(p->chart.moment.julianDayUT(), p->progressedUT, OneMillisecond);
    expectIanaClock(p->chart.moment, "Europe/Budapest", p->progressedUT);
}

// A list of transits reads every moment on the clock of the chart's town, looking the town up
// once: each moment as transitMoment shows it on its own, across both clock changes of a year,
// and the chart's stored clock where the atlas does not know its town.
// Before 15 October 1582 the dates of a transit list are Julian, as a return chart shows the
// same moment; the day of the reform itself follows 4 October.
TEST_F(WhenChartsTest, PlaceClockTellsDaysBeforeTheReformInTheJulianCalendar) {
    const auto natal = natalAt("Anna", "Budapest, Hungary", jd(1980, 7, 1, 10.5));
    const PlaceClock clock(*s_db, natal->moment);
    const struct {
        double jdUT;
        int year, month, day;  // the UT date
        bool gregorian;
    } rows[] = {
        {2268997.74372779, 1500, 3, 6, false},  // the Sun's return of 1500 to 25 Pisces
        {2299160.49, 1582, 10, 4, false},
        {2299160.51, 1582, 10, 15, true},
        {1538448.0, -500, 1, 16, false},
        {2444421.9375, 1980, 7, 1, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.jdUT);
        const BirthMoment m = clock.at(row.jdUT);
        EXPECT_EQ(dayOf(m.utDate), std::make_tuple(row.year, row.month, row.day, row.gregorian));
        const BirthMoment shownByReturns = momentAtUT(*s_db, natal->moment, nullptr, row.jdUT);
        EXPECT_EQ(dayOf(m.localDate), dayOf(shownByReturns.localDate));
        EXPECT_EQ(std::get<0>(clockOf(m.localTime)), std::get<0>(clockOf(shownByReturns.localTime)));
        EXPECT_EQ(std::get<1>(clockOf(m.localTime)), std::get<1>(clockOf(shownByReturns.localTime)));
        EXPECT_NEAR(m.julianDayUT(), row.jdUT, 1.0 / 86400);
    }
}

TEST_F(WhenChartsTest, PlaceClockShowsEachMomentAsTheTransitChartDoes) {
    const auto natal = natalAt("Anna", "Budapest, Hungary", jd(1980, 7, 1, 10.5));
    BirthMoment unknownTown = natal->moment;
    setFixedText(unknownTown.town, "Nowhere, Utopia");
    const double moments[] = {jd(2026, 3, 29, 0.5),  jd(2026, 3, 29, 1.0 + 1.0 / 60), jd(2026, 7, 1, 12.25),
                              jd(2026, 10, 25, 0.5), jd(2026, 10, 25, 1.5),           jd(2026, 12, 31, 23.999),
                              jd(1990, 5, 1, 3.0)};
    for (const BirthMoment& place : {natal->moment, unknownTown}) {
        const PlaceClock clock(*s_db, place);
        for (const double t : moments) {
            SCOPED_TRACE(std::string(fixedText(place.town)) + " at " + std::to_string(t));
            TransitWhen when;
            when.now = true;
            when.utc = static_cast<std::time_t>(std::llround((t - UnixEpochJD) * 86400.0));
            const BirthMoment expected = transitMoment(*s_db, place, nullptr, when);
            const BirthMoment m = clock.at(t);
            EXPECT_EQ(zoneMinutes(m), zoneMinutes(expected));
            EXPECT_EQ(m.timeKind, expected.timeKind);
            EXPECT_EQ(dayOf(m.localDate), dayOf(expected.localDate));
            EXPECT_EQ(clockOf(m.localTime), clockOf(expected.localTime));
            if (&place == &natal->moment)
                expectIanaClock(m, "Europe/Budapest", t);
        }
    }
}
