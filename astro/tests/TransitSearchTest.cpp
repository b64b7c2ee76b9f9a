// The transit search against a plain fine scan of the ephemeris written here, on a real natal
// chart and on hand-placed natal points around the 2020 loop of Mars.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "Angles.h"
#include "Aspects.h"
#include "ChartFixture.h"
#include "ComputeRadix.h"
#include "FittedAngle.h"
#include "PlainCrossings.h"
#include "TransitSearch.h"

namespace {

constexpr int Mars = 4;
constexpr int AspectCon = 0, AspectSqr = 5, AspectTri = 6, AspectOpp = 10;

// The first and last crossing of `lon` by Mars in a stretch.
double firstCrossing(double from, double to, double lon) {
    const auto c = scanCrossings(Plain{Mars}, from, to, 0.25, lon);
    return c.empty() ? -1 : c.front();
}
double lastCrossing(double from, double to, double lon) {
    const auto c = scanCrossings(Plain{Mars}, from, to, 0.25, lon);
    return c.empty() ? -1 : c.back();
}

// Mars' 2020 loop: it turned retrograde near 28° Aries in September and direct near 15° in November.
struct MarsLoop {
    double from = jdUT(2020, 6, 1), to = jdUT(2021, 3, 1);
    double retro = 0, direct = 0;  // the two stations
    MarsLoop() {
        const auto s = scanStations(Plain{Mars}, from, to, 1.0);
        if (s.size() == 2) {
            retro = s[0];
            direct = s[1];
        }
    }
};

// On the library directly, or walking on fits as a search of a chart does.
TransitResult searchBody(int body, double natalLon, const TransitQuery& query, const TOptions& options, bool fitted) {
    NatalPoints natal;
    natal.lon[BodySun] = natalLon;
    natal.available[BodySun] = true;
    if (!fitted)
        return searchTransits({TransitMover{body, chartBodyMover(body, options), stationScanStep(body)}}, natal, query,
                              options);
    const auto nutation = fittedNutation();
    const auto sun = fittedSun(options);
    const FittedMover m = fittedChartBodyMover(body, options, nutation, sun);
    prefitForSearch({nutation.get(), sun.get(), m.fit.get()}, query);
    return searchTransits(
        {TransitMover{body, m.walk, stationScanStep(body), m.exact, m.station, m.settleValue, m.settleSlope}}, natal,
        query, options);
}
TransitResult searchMars(double natalLon, const TransitQuery& query, const TOptions& options, bool fitted) {
    return searchBody(Mars, natalLon, query, options, fitted);
}

TransitQuery conjunctionsWithSun(double from, double to) {
    TransitQuery q;
    q.fromUT = from;
    q.toUT = to;
    q.natal[BodySun] = true;
    q.aspects[AspectCon] = true;
    return q;
}

class TransitSearchTest : public ChartTest {};

}  // namespace

TEST_F(TransitSearchTest, exactMomentsOfARealChartMatchAFineScan) {
    const auto options = defaultOptions();
    auto radix = chartAt(1980, 7, 1, 10.5, true, 19.04, 47.5);
    computeRadix(*radix, *options);
    TransitQuery q;
    q.fromUT = jdUT(2025, 1, 1);
    q.toUT = jdUT(2027, 1, 1);
    const int bodies[] = {BodySun, Mars, 5, 6};
    const int natal[] = {BodySun, BodyMoon, NatalAscendant, NatalMC};
    const int aspects[] = {AspectCon, AspectSqr, AspectTri, AspectOpp};
    for (int b : bodies)
        q.transiting[b] = true;
    for (int n : natal)
        q.natal[n] = true;
    for (int a : aspects)
        q.aspects[a] = true;
    const TransitResult result = searchTransits(*radix, q, *options);
    ASSERT_EQ(result.status, TransitStatus::Ok);

    using Key = std::tuple<double, int, int, int>;  // moment, body, natal point, aspect
    std::vector<Key> expected, found;
    const NatalPoints points = natalPointsOf(*radix);
    for (int b : bodies)
        for (int n : natal)
            for (int a : aspects)
                for (double sign : {1.0, -1.0}) {
                    if (sign < 0 && (a == AspectCon || a == AspectOpp))
                        continue;
                    const double target = points.lon[n] + sign * aspectAngle(a);
                    for (double t : scanCrossings(Plain{b}, q.fromUT, q.toUT, 1.0, target))
                        expected.emplace_back(t, b, n, a);
                }
    std::sort(expected.begin(), expected.end());
    for (const TransitEvent& e : result.events) {
        if (!e.exactReached)
            continue;
        found.emplace_back(e.exactUT, e.transiting, e.natal, e.aspect);
        EXPECT_EQ(e.motion, Plain{e.transiting}.speed(e.exactUT) >= 0 ? 1 : -1);
        EXPECT_LE(e.entersUT, e.exactUT);
        EXPECT_GE(e.leavesUT, e.exactUT);
    }
    EXPECT_TRUE(std::is_sorted(result.events.begin(), result.events.end(),
                               [](const TransitEvent& x, const TransitEvent& y) { return x.exactUT < y.exactUT; }));
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_NEAR(std::get<0>(found[i]), std::get<0>(expected[i]), OneSecond);
        EXPECT_EQ(std::get<1>(found[i]), std::get<1>(expected[i]));
        EXPECT_EQ(std::get<2>(found[i]), std::get<2>(expected[i]));
        EXPECT_EQ(std::get<3>(found[i]), std::get<3>(expected[i]));
    }
}

// A chart's search walks on fits and settles on the library; the same search asked of the
// library alone must find the same transits, each moment within a second: every body of the
// chart with its orbs from the options, over years with loops and stations of all of them.
TEST_F(TransitSearchTest, searchOnFitsFindsWhatTheLibraryAloneFinds) {
    constexpr double StationSeconds = 5.0;
    const auto options = defaultOptions();
    auto radix = chartAt(1975, 3, 21, 6.5, true, 19.04, 47.5);
    computeRadix(*radix, *options);
    TransitQuery q;
    q.fromUT = jdUT(2024, 1, 1);
    q.toUT = jdUT(2027, 1, 1);
    for (int b = 0; b <= BodyPluto; ++b)
        q.transiting[b] = q.natal[b] = true;
    q.natal[NatalAscendant] = q.natal[NatalMC] = true;
    for (int a : {AspectCon, AspectSqr, AspectTri, AspectOpp})
        q.aspects[a] = true;
    const TransitResult fitted = searchTransits(*radix, q, *options);
    std::vector<TransitMover> movers;
    for (int b = 0; b <= BodyPluto; ++b)
        movers.push_back(TransitMover{b, chartBodyMover(b, *options), stationScanStep(b, *options)});
    const TransitResult plain = searchTransits(movers, natalPointsOf(*radix), q, *options);
    ASSERT_EQ(fitted.status, TransitStatus::Ok);
    ASSERT_EQ(plain.status, TransitStatus::Ok);
    ASSERT_EQ(fitted.events.size(), plain.events.size());
    for (std::size_t i = 0; i < plain.events.size(); ++i) {
        const TransitEvent& f = fitted.events[i];
        const TransitEvent& p = plain.events[i];
        SCOPED_TRACE(std::to_string(p.transiting) + " to " + std::to_string(p.natal) + ", aspect " +
                     std::to_string(p.aspect) + " at " + std::to_string(p.exactUT));
        EXPECT_EQ(std::tie(f.transiting, f.natal, f.aspect, f.motion, f.exactReached, f.entersAtStation, f.leavesAtStation),
                  std::tie(p.transiting, p.natal, p.aspect, p.motion, p.exactReached, p.entersAtStation, p.leavesAtStation));
        // The library's own speed wavers by 1e-8 degrees a day, so a station of the slowest
        // planets is only defined to a few seconds (Pluto's speed changes by 5e-4 a day).
        const auto within = [](bool atStation) { return atStation ? StationSeconds * OneSecond : OneSecond; };
        EXPECT_NEAR(f.exactUT, p.exactUT, within(!p.exactReached));
        EXPECT_NEAR(f.entersUT, p.entersUT, within(p.entersAtStation));
        EXPECT_NEAR(f.leavesUT, p.leavesUT, within(p.leavesAtStation));
        EXPECT_NEAR(f.deviation, p.deviation, 1e-6);
    }
}

TEST_F(TransitSearchTest, retrogradeLoopGivesThreePassesWithTheirOrbs) {
    const MarsLoop loop;
    ASSERT_GT(loop.retro, 0);
    auto options = defaultOptions();
    const double natal = 20.0;
    struct Row {
        const char* name;
        double fw, bw;
        // Expected enter and leave of each pass, from the exact moments and the stations.
        std::array<double, 3> enters, leaves;
        std::array<bool, 3> entersAtStation, leavesAtStation;
    };
    const double t1 = firstCrossing(loop.from, loop.retro, natal);
    const double t2 = firstCrossing(loop.retro, loop.direct, natal);
    const double t3 = firstCrossing(loop.direct, loop.to, natal);
    const Row rows[] = {
        {"narrow orbs: each pass on its own",
         2.0,
         1.0,
         {lastCrossing(loop.from, t1, 18.0), lastCrossing(loop.retro, t2, 22.0), lastCrossing(loop.direct, t3, 18.0)},
         {firstCrossing(t1, loop.retro, 21.0), firstCrossing(t2, loop.direct, 19.0), firstCrossing(t3, loop.to, 21.0)},
         {false, false, false},
         {false, false, false}},
        {"wide orbs: the passes meet at the stations",
         10.0,
         10.0,
         {lastCrossing(loop.from, t1, 10.0), loop.retro, loop.direct},
         {loop.retro, loop.direct, firstCrossing(t3, loop.to + 60, 30.0)},
         {false, true, true},
         {true, true, false}},
    };
    for (const Row& row : rows)
      for (const bool fitted : {false, true}) {
        SCOPED_TRACE(std::string(row.name) + (fitted ? ", on fits" : ", on the library"));
        options->transitfw[Mars] = row.fw;
        options->transitbw[Mars] = row.bw;
        const TransitResult r = searchMars(natal, conjunctionsWithSun(loop.from, loop.to), *options, fitted);
        ASSERT_EQ(r.status, TransitStatus::Ok);
        ASSERT_EQ(r.events.size(), 3u);
        const double exact[] = {t1, t2, t3};
        const int motion[] = {TransitDirect, TransitRetrograde, TransitDirect};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const TransitEvent& e = r.events[i];
            EXPECT_TRUE(e.exactReached);
            EXPECT_EQ(e.motion, motion[i]);
            EXPECT_NEAR(e.exactUT, exact[i], OneSecond);
            EXPECT_NEAR(e.entersUT, row.enters[i], OneSecond);
            EXPECT_NEAR(e.leavesUT, row.leaves[i], OneSecond);
            EXPECT_EQ(e.entersAtStation, row.entersAtStation[i]);
            EXPECT_EQ(e.leavesAtStation, row.leavesAtStation[i]);
        }
    }
}

TEST_F(TransitSearchTest, stationWithinTheOrbIsOneStationaryEvent) {
    const MarsLoop loop;
    ASSERT_GT(loop.retro, 0);
    for (const bool fitted : {false, true}) {
    SCOPED_TRACE(fitted ? "on fits" : "on the library");
    auto options = defaultOptions();
    options->transitfw[Mars] = 9.0;
    options->transitbw[Mars] = 3.0;
    const double stationLon = Plain{Mars}.lon(loop.retro);
    const double natal = stationLon + 0.5;  // Mars turns half a degree short of it
    const TransitResult r = searchMars(natal, conjunctionsWithSun(loop.from, jdUT(2020, 12, 31)), *options, fitted);
    ASSERT_EQ(r.status, TransitStatus::Ok);
    ASSERT_EQ(r.events.size(), 1u);
    const TransitEvent& e = r.events[0];
    EXPECT_FALSE(e.exactReached);
    EXPECT_EQ(e.motion, TransitStationary);
    EXPECT_NEAR(e.exactUT, loop.retro, OneSecond);
    EXPECT_NEAR(e.deviation, 0.5, 1e-6);
    EXPECT_NEAR(e.entersUT, lastCrossing(loop.from, loop.retro, natal - 9.0), OneSecond);
    EXPECT_NEAR(e.leavesUT, firstCrossing(loop.retro, loop.direct, natal - 3.0), OneSecond);

    // Turning further out than the orb after exactness, it leaves at the station.
    options->transitbw[Mars] = 0.25;
    const TransitResult narrow =
        searchMars(natal, conjunctionsWithSun(loop.from, jdUT(2020, 12, 31)), *options, fitted);
    ASSERT_EQ(narrow.events.size(), 1u);
    EXPECT_EQ(narrow.events[0].leavesUT, narrow.events[0].exactUT);
    EXPECT_TRUE(narrow.events[0].leavesAtStation);
    }
}

TEST_F(TransitSearchTest, passesCloseToAStationAreStationaryByTheChartsRule) {
    const MarsLoop loop;
    ASSERT_GT(loop.retro, 0);
    auto options = defaultOptions();
    options->avgspeed[Mars] = 0.5660;
    options->stationary_strict = 1;  // slower than 0.0566° a day
    const double natal = Plain{Mars}.lon(loop.retro) - 0.02;
    const TransitResult r = searchMars(natal, conjunctionsWithSun(loop.from, jdUT(2020, 12, 31)), *options, false);
    ASSERT_EQ(r.events.size(), 2u);
    for (const TransitEvent& e : r.events) {
        EXPECT_TRUE(e.exactReached);
        EXPECT_EQ(e.motion, TransitStationary);
    }
    EXPECT_LT(r.events[0].exactUT, loop.retro);
    EXPECT_GT(r.events[1].exactUT, loop.retro);
    EXPECT_TRUE(r.events[0].leavesAtStation && r.events[1].entersAtStation);
    EXPECT_DOUBLE_EQ(r.events[0].leavesUT, r.events[1].entersUT);
}

TEST_F(TransitSearchTest, failedSearchesSayWhy) {
    const auto options = defaultOptions();
    auto radix = chartAt(1980, 7, 1, 10.5, true, 19.04, 47.5);
    computeRadix(*radix, *options);
    struct Row {
        const char* name;
        int body;
        double from, to;
        bool cancel;
        TransitStatus status;
    };
    const Row rows[] = {
        {"period ends before it begins", BodySun, jdUT(2027, 1, 1), jdUT(2026, 1, 1), false, TransitStatus::EmptyPeriod},
        {"Chiron before its file", BodyChiron, jdUT(600, 1, 1), jdUT(601, 1, 1), false, TransitStatus::OutsideEphemeris},
        {"Chiron past its file", BodyChiron, jdUT(4640, 1, 1), jdUT(4660, 1, 1), false, TransitStatus::OutsideEphemeris},
        {"cancelled", BodyMoon, jdUT(2026, 1, 1), jdUT(2036, 1, 1), true, TransitStatus::Cancelled},
        {"a day", BodyMoon, jdUT(2026, 1, 1), jdUT(2026, 1, 2), false, TransitStatus::Ok},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TransitQuery q = conjunctionsWithSun(row.from, row.to);
        q.transiting[row.body] = true;
        int calls = 0;
        const TransitResult r = searchTransits(*radix, q, *options, [&](double done) {
            EXPECT_GE(done, 0.0);
            EXPECT_LE(done, 1.0);
            ++calls;
            return !row.cancel;
        });
        EXPECT_EQ(r.status, row.status);
        if (row.status == TransitStatus::OutsideEphemeris) {
            EXPECT_EQ(r.body, row.body);
        }
        if (row.cancel) {
            EXPECT_EQ(calls, 1);
        }
    }
}

// A search of every natal point in every aspect finds ten thousand Moon transits a year: the
// callback is asked while the passes are worked and their moments settled, not only while they
// are found, so the window answers and a cancel is taken at once. What a cancelled search gives
// back has its true moments; a transit whose moments were not all settled is left out.
TEST_F(TransitSearchTest, longSearchesAreAskedWhileSettlingAndKeepOnlySettledMoments) {
    const auto options = defaultOptions();
    auto radix = chartAt(1980, 7, 1, 10.5, true, 19.04, 47.5);
    computeRadix(*radix, *options);
    TransitQuery q;
    q.fromUT = jdUT(2026, 1, 1);
    q.toUT = jdUT(2027, 1, 1);
    q.transiting[BodyMoon] = true;
    q.natal.fill(true);
    q.aspects.fill(true);
    // The year is found in three half-year pieces: asked more often than that, the callback is
    // also asked while the passes are worked and settled.
    int asked = 0;
    double last = 0;
    const TransitResult whole = searchTransits(*radix, q, *options, [&](double done) {
        EXPECT_GE(done, last);
        last = done;
        ++asked;
        return true;
    });
    ASSERT_EQ(whole.status, TransitStatus::Ok);
    ASSERT_GT(whole.events.size(), 5000u);
    EXPECT_GT(asked, 6);

    std::size_t shortest = whole.events.size();
    for (const int cancelAt : {4, asked / 2, asked - 1}) {
        SCOPED_TRACE(cancelAt);
        int calls = 0;
        const TransitResult cut = searchTransits(*radix, q, *options, [&](double) { return ++calls < cancelAt; });
        EXPECT_EQ(cut.status, TransitStatus::Cancelled);
        EXPECT_LT(cut.events.size(), whole.events.size());
        shortest = std::min(shortest, cut.events.size());
        for (const TransitEvent& e : cut.events) {
            // Both lists are in time order: the same transit lies among those of about its moment.
            auto same = std::lower_bound(whole.events.begin(), whole.events.end(), e.exactUT - 1e-3,
                                         [](const TransitEvent& w, double t) { return w.exactUT < t; });
            while (same != whole.events.end() && same->exactUT < e.exactUT + 1e-3 &&
                   (same->natal != e.natal || same->aspect != e.aspect))
                ++same;
            ASSERT_NE(same, whole.events.end());
            EXPECT_EQ(same->exactUT, e.exactUT);
            EXPECT_EQ(same->entersUT, e.entersUT);
            EXPECT_EQ(same->leavesUT, e.leavesUT);
        }
    }
    EXPECT_LT(shortest, whole.events.size());
}

TEST_F(TransitSearchTest, selectionMarksMapToBodiesAndAxes) {
    TDirectionFilter sel;
    sel.promissors[BodyVesta] = sel.promissors[PromissorMarkFortune] = sel.promissors[BodySun] = true;
    sel.significators[SignificatorMarkAscendant] = sel.significators[SignificatorMarkMC] = true;
    sel.significators[BodyMoon] = sel.significators[BodyVesta] = true;
    sel.aspects[AspectTri] = true;
    const TransitQuery q = transitQueryFromSelection(sel, 1.0, 2.0);
    std::array<bool, BodyCount> transiting{};
    transiting[BodySun] = transiting[BodyVesta] = true;
    EXPECT_EQ(q.transiting, transiting);
    std::array<bool, NatalPointCount> natal{};
    natal[NatalAscendant] = natal[NatalMC] = natal[BodyMoon] = natal[BodyVesta] = true;
    EXPECT_EQ(q.natal, natal);
    EXPECT_EQ(q.aspects, sel.aspects);
    for (int mark = 0; mark < SignificatorMarkCount; ++mark)
        EXPECT_EQ(markOfNatalPoint(natalPointOfMark(mark)), mark);
    EXPECT_EQ(markOfNatalPoint(BodySouthNode), -1);
    EXPECT_EQ(markOfNatalPoint(BodyLilith), -1);
}

TEST_F(TransitSearchTest, transitOrbsFallBackToTheAspectOrbs) {
    auto options = defaultOptions();
    options->orbises[AspectSqr][OrbSun + Mars] = 3.0;
    options->orbises[AspectSqr][OrbAsc] = 2.5;
    options->orbises[AspectSqr][OrbAsteroids] = 1.0;
    EXPECT_DOUBLE_EQ(transitOrb(Mars, NatalAscendant, AspectSqr, *options).before, 5.5);
    EXPECT_DOUBLE_EQ(transitOrb(BodyChiron, NatalAscendant, AspectSqr, *options).after, 3.5);
    options->transitbw[Mars] = 1.5;
    EXPECT_DOUBLE_EQ(transitOrb(Mars, NatalAscendant, AspectSqr, *options).before, 0.0);
    EXPECT_DOUBLE_EQ(transitOrb(Mars, NatalAscendant, AspectSqr, *options).after, 1.5);
}

// Behind the Sun the library spreads the bending of the light over the Sun's disc, so the
// longitude bends there far more sharply than the fit (which leaves the bending out) shows: a
// moment settled there must not be trusted after a step the fit's curvature calls small.
TEST_F(TransitSearchTest, momentsBehindTheSunAreSettledAsCloselyAsAnywhere) {
    constexpr double Closeness = 0.05 * OneSecond;
    const auto options = defaultOptions();
    const double from = jdUT(2034, 1, 1);
    for (int body : {2, 3, Mars, 5, 6, 8}) {
        SCOPED_TRACE(body);
        const Plain planet{body}, sun{BodySun};
        // The first conjunction with the Sun while moving forwards: for Mercury and Venus the one
        // beyond the Sun.
        double conjunction = 0;
        for (double t : scanRoots([&](double t) { return offset(planet.lon(t), sun.lon(t)); }, from, from + 800, 1.0, 90))
            if (planet.speed(t) > 0) {
                conjunction = t;
                break;
            }
        ASSERT_GT(conjunction, 0);
        // Crossings inside the disc, at its edge and outside it.
        for (double days : {-0.6, -0.2, -0.02, 0.0, 0.05, 0.25, 1.5}) {
            SCOPED_TRACE(days);
            const double target = planet.lon(conjunction + days);
            const auto expected = scanCrossings(planet, conjunction - 20, conjunction + 20, 0.25, target);
            ASSERT_EQ(expected.size(), 1u);
            const TransitResult r =
                searchBody(body, target, conjunctionsWithSun(conjunction - 20, conjunction + 20), *options, true);
            ASSERT_EQ(r.events.size(), 1u);
            EXPECT_NEAR(r.events[0].exactUT, expected[0], Closeness);
        }
    }
}

// The transits window searches one body at a time on the fits the first search built: the same
// events as one search of all of them, and the shared fits are not built again.
TEST_F(TransitSearchTest, searchesOneBodyAtATimeShareTheirFits) {
    const auto options = defaultOptions();
    auto radix = chartAt(1975, 3, 21, 6.5, true, 19.04, 47.5);
    computeRadix(*radix, *options);
    TransitQuery q;
    q.fromUT = jdUT(2024, 1, 1);
    q.toUT = jdUT(2026, 1, 1);
    for (int b = 0; b <= BodyPluto; ++b)
        q.transiting[b] = q.natal[b] = true;
    for (int a : {AspectCon, AspectSqr, AspectOpp})
        q.aspects[a] = true;
    const TransitResult together = searchTransits(*radix, q, *options);
    SharedTransitFits shared;
    std::vector<TransitEvent> oneByOne;
    long nutationSamples = 0;
    for (int b = 0; b <= BodyPluto; ++b) {
        TransitQuery one = q;
        one.transiting.fill(false);
        one.transiting[b] = true;
        const TransitResult r = searchTransits(*radix, one, *options, {}, &shared);
        ASSERT_EQ(r.status, TransitStatus::Ok);
        oneByOne.insert(oneByOne.end(), r.events.begin(), r.events.end());
        if (b == 0)
            nutationSamples = shared.nutation->samplesTaken();
    }
    EXPECT_EQ(shared.nutation->samplesTaken(), nutationSamples);
    std::sort(oneByOne.begin(), oneByOne.end(), [](const TransitEvent& a, const TransitEvent& b) {
        return std::tie(a.exactUT, a.transiting, a.natal, a.aspect) < std::tie(b.exactUT, b.transiting, b.natal, b.aspect);
    });
    ASSERT_EQ(oneByOne.size(), together.events.size());
    for (std::size_t i = 0; i < oneByOne.size(); ++i) {
        const TransitEvent& a = oneByOne[i];
        const TransitEvent& b = together.events[i];
        EXPECT_EQ(std::tie(a.transiting, a.natal, a.aspect, a.motion), std::tie(b.transiting, b.natal, b.aspect, b.motion));
        EXPECT_NEAR(a.exactUT, b.exactUT, 0.05 * OneSecond);
        EXPECT_NEAR(a.entersUT, b.entersUT, 0.05 * OneSecond);
        EXPECT_NEAR(a.leavesUT, b.leavesUT, 0.05 * OneSecond);
    }
}
