// Life events beside directions within the correction distance, and the ranking of birth times
// for a chart whose events were made from its own directions at a known time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ChartFixture.h"
#include "ComputeRadix.h"
#include "JulianMoment.h"
#include "Rectification.h"

namespace {

constexpr double YearDays = 365.24219;
constexpr double Birth = 2444000.5;

DatedDirection primaryAt(int index, double jdUT) {
    return {DirectionKind::Primary, index, jdUT};
}

}  // namespace

TEST(LifeEventMatch, DirectionsWithinTheDistanceStandBesideEachEvent) {
    const std::vector<DatedDirection> dirs = {
        primaryAt(0, Birth + 10 * YearDays), {DirectionKind::Secondary, 0, Birth + 10.3 * YearDays},
        primaryAt(1, Birth + 9.65 * YearDays), primaryAt(2, Birth + 30 * YearDays),
        primaryAt(3, Birth + 10.65 * YearDays)};
    const std::vector<MarkedEvent> events = {{4, Birth + 10.1 * YearDays}, {7, Birth + 20 * YearDays}};
    const std::vector<EventMatch> m = matchLifeEvents(events, dirs, 0.5);
    ASSERT_EQ(m.size(), 2u);

    // Closest first, each with direction minus event in years.
    EXPECT_EQ(m[0].event, 4);
    ASSERT_EQ(m[0].near.size(), 3u);
    EXPECT_NEAR(m[0].near[0].years, -0.1, 1e-9);
    EXPECT_EQ(m[0].near[1].direction.kind, DirectionKind::Secondary);
    EXPECT_NEAR(m[0].near[1].years, 0.2, 1e-9);
    EXPECT_NEAR(m[0].near[2].years, -0.45, 1e-9);  // and 0.55 years after is too far
    EXPECT_TRUE(m[0].hasClosest);
    EXPECT_EQ(m[0].closest.direction.index, 0);

    // Nothing within the distance: the summary still names the closest one.
    EXPECT_EQ(m[1].event, 7);
    EXPECT_TRUE(m[1].near.empty());
    ASSERT_TRUE(m[1].hasClosest);
    EXPECT_NEAR(m[1].closest.years, -9.35, 1e-9);

    EXPECT_FALSE(matchLifeEvents(events, {}, 1.0)[0].hasClosest);
}

TEST(LifeEventMatch, CorrectionDistanceAndEventMoments) {
    const struct {
        double correvs, years;
    } rows[] = {{0, DefaultCorrectionYears}, {-3, DefaultCorrectionYears}, {2.5, 2.5}, {0.25, 0.25}};
    for (const auto& row : rows)
        EXPECT_EQ(correctionYears(row.correvs), row.years) << row.correvs;
    // A date stands at noon UT, in its own calendar.
    EXPECT_DOUBLE_EQ(lifeEventMoment(CalDate(2000, 1, 1, true)), 2451545.0);
    EXPECT_DOUBLE_EQ(lifeEventMoment(CalDate(1500, 3, 1, false)), calendarToJulianDay(1500, 3, 1, 12.0, false));
}

class RectificationTest : public ChartTest {
protected:
    std::unique_ptr<TOptions> options = defaultOptions();
    std::unique_ptr<RadixData> recorded = chartAt(1968, 4, 9, 14.5, true, 19.04, 47.5);
    RectificationQuery query;

    void SetUp() override {
        ChartTest::SetUp();
        computeRadix(*recorded, *options);
        TDirectionFilter sel;
        for (int b = BodySun; b <= BodySun + 6; ++b)  // Sun .. Saturn
            sel.promissors[std::size_t(b)] = true;
        sel.significators[SignificatorMarkAscendant] = sel.significators[SignificatorMarkMC] = true;
        sel.aspects[0] = sel.aspects[5] = sel.aspects[10] = true;  // conjunction, square, opposition
        query.primaryQuery = primaryQueryFromSelection(sel, DirectionMethod::MundaneSemiArc, DirectionKey{}, 0, 90);
        query.distanceYears = 1.0;
    }
};

// The person was really born seven minutes after the recorded time: five events dated (to the
// day) by that chart's directions to the angles put the true time first.
TEST_F(RectificationTest, TheTimeTheEventsWereMadeFromRanksFirst) {
    constexpr double TrueOffset = 7.0;
    const RadixData truth = chartAtBirthMoment(*recorded, recorded->jdUT + TrueOffset / 1440.0, *options);
    ASSERT_TRUE(truth.computed);
    EXPECT_NEAR(truth.jdUT, recorded->jdUT + TrueOffset / 1440.0, 1e-7);
    const PrimaryResult dirs = computePrimaryDirections(truth, query.primaryQuery, *options);
    ASSERT_GT(dirs.directions.size(), 15u);
    std::vector<MarkedEvent> events;
    for (std::size_t i = 2; i < dirs.directions.size() && events.size() < 5; i += 3) {
        CalDate date;
        ClockTime time;
        julianDayToCalendar(dirs.directions[i].jdUT, date, time);
        events.push_back({int(events.size()), lifeEventMoment(date)});
    }
    ASSERT_EQ(events.size(), 5u);

    int reported = 0;
    const RectificationResult r = rankBirthTimes(*recorded, events, query, *options, [&](double done) {
        EXPECT_GT(done, 0);
        EXPECT_LE(done, 1);
        ++reported;
        return true;
    });
    ASSERT_EQ(r.status, RectificationStatus::Ok);
    ASSERT_EQ(r.ranking.size(), 61u);
    EXPECT_EQ(reported, 61);
    EXPECT_EQ(r.ranking[0].offsetMinutes, TrueOffset);
    EXPECT_EQ(r.ranking[0].eventsMet, 5);
    EXPECT_LT(r.ranking[0].meanYears, 0.01);
    EXPECT_NEAR(r.ranking[0].jdUT, truth.jdUT, 1e-7);
    for (std::size_t i = 1; i < r.ranking.size(); ++i)
        EXPECT_TRUE(r.ranking[i - 1].eventsMet > r.ranking[i].eventsMet ||
                    (r.ranking[i - 1].eventsMet == r.ranking[i].eventsMet &&
                     r.ranking[i - 1].score <= r.ranking[i].score))
            << "ranked at " << i;
}

TEST_F(RectificationTest, RefusesWhatItCannotRankAndStopsWhenCancelled) {
    const std::vector<MarkedEvent> events = {{0, recorded->jdUT + 30 * YearDays}};
    const struct Row {
        const char* name;
        bool withEvents;
        double range, step;
        RectificationStatus status;
    } rows[] = {
        {"no marked events", false, 30, 1, RectificationStatus::NoEvents},
        {"a negative range", true, -5, 1, RectificationStatus::BadRange},
        {"a zero step", true, 30, 0, RectificationStatus::BadRange},
        {"too many candidates", true, 600, 0.01, RectificationStatus::BadRange},
        {"no number", true, NAN, 1, RectificationStatus::BadRange},
        {"a range of zero tries the recorded time", true, 0, 1, RectificationStatus::Ok},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RectificationQuery q = query;
        q.rangeMinutes = row.range;
        q.stepMinutes = row.step;
        const RectificationResult r = rankBirthTimes(*recorded, row.withEvents ? events : std::vector<MarkedEvent>{}, q, *options);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.ranking.size(), row.status == RectificationStatus::Ok ? 1u : 0u);
    }
    int calls = 0;
    const RectificationResult cancelled =
        rankBirthTimes(*recorded, events, query, *options, [&](double) { return ++calls < 3; });
    EXPECT_EQ(cancelled.status, RectificationStatus::Cancelled);
    EXPECT_EQ(cancelled.ranking.size(), 3u);
}
