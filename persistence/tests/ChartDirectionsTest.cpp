// What the directions read from a chart's blocks: the marked life events and the method.
#include <gtest/gtest.h>

#include <vector>

#include "ChartDirections.h"

TEST(ChartDirections, MarkedEventsAreTheFirstCountEventsMarkedOne) {
    const struct Row {
        const char* name;
        int count;
        std::vector<std::uint8_t> marks;  // of the first events
        std::vector<int> expected;
    } rows[] = {
        {"marked and unmarked", 4, {1, 0, 1, 1}, {0, 2, 3}},
        {"events past the count are not read", 2, {1, 1, 1}, {0, 1}},
        {"only a mark of 1 counts", 3, {2, 1, 255}, {1}},
        {"a negative count reads nothing", -1, {1}, {}},
        {"a count past the capacity reads the whole list", 40, {1}, {0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LifeEventList list;
        list.count = std::int16_t(row.count);
        for (std::size_t i = 0; i < row.marks.size(); ++i) {
            list.events[i].selected = row.marks[i];
            list.events[i].date = CalDate(1990 + int(i), 3, 15, true);
        }
        const std::vector<MarkedEvent> got = markedLifeEvents(list);
        ASSERT_EQ(got.size(), row.expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].index, row.expected[i]);
            EXPECT_DOUBLE_EQ(got[i].jdUT, lifeEventMoment(list.events[std::size_t(row.expected[i])].date));
        }
    }
}

TEST(ChartDirections, TheStoredTypeSelectsTheMethod) {
    const struct {
        std::uint8_t type;
        DirectionMethod method;
    } rows[] = {{0, DirectionMethod::MundaneSemiArc},      {1, DirectionMethod::ZodiacalNoLatitude},
                {2, DirectionMethod::ZodiacalWithLatitude}, {3, DirectionMethod::MundanePole},
                {4, DirectionMethod::MundaneSemiArc},      {255, DirectionMethod::MundaneSemiArc}};
    for (const auto& row : rows) {
        ChartDirectionSettings s;
        s.type = row.type;
        EXPECT_EQ(directionMethodOfChart(s), row.method) << int(row.type);
    }
}
