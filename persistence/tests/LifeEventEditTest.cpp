#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "FixedText.h"
#include "LifeEventEdit.h"
#include "StringTable.h"

namespace {

LifeEvent event(const char* name, int y, int m, int d) {
    LifeEvent e = newLifeEvent();
    setFixedText(e.name, name);
    e.date.year = static_cast<std::int16_t>(y);
    e.date.month = static_cast<std::uint8_t>(m);
    e.date.day = static_cast<std::uint8_t>(d);
    return e;
}

std::vector<std::string> names(const LifeEventList& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.count; ++i)
        out.emplace_back(fixedText(list.events[static_cast<std::size_t>(i)].name));
    return out;
}

}  // namespace

TEST(LifeEventEdit, newEventIsMarkedAndDatedFirstJanuary1900) {
    const LifeEvent e = newLifeEvent();
    EXPECT_EQ(int(e.selected), 1);
    EXPECT_EQ(fixedText(e.name), "");
    EXPECT_EQ(int(e.date.gregorian), 1);
    EXPECT_EQ(int(e.date.year), 1900);
    EXPECT_EQ(int(e.date.month), 1);
    EXPECT_EQ(int(e.date.day), 1);
}

TEST(LifeEventEdit, insertionKeepsDateOrderAndOrderOfEntryForEqualDates) {
    LifeEventList list;
    EXPECT_EQ(insertLifeEvent(list, event("later", 1950, 3, 2)), 0);
    EXPECT_EQ(insertLifeEvent(list, event("first 1900", 1900, 1, 1)), 0);
    EXPECT_EQ(insertLifeEvent(list, event("same month, earlier day", 1950, 3, 1)), 1);
    EXPECT_EQ(insertLifeEvent(list, event("second 1900", 1900, 1, 1)), 1);
    EXPECT_EQ(insertLifeEvent(list, event("BC", -50, 12, 31)), 0);
    EXPECT_EQ(names(list), (std::vector<std::string>{"BC", "first 1900", "second 1900", "same month, earlier day", "later"}));
}

TEST(LifeEventEdit, thirtyEventsFillTheList) {
    LifeEventList list;
    for (int i = 0; i < LifeEventList::Capacity; ++i)
        ASSERT_GE(insertLifeEvent(list, event("e", 1900 + i, 1, 1)), 0);
    const LifeEventList full = list;
    EXPECT_EQ(insertLifeEvent(list, event("one too many", 1800, 1, 1)), -1);
    EXPECT_EQ(std::memcmp(&full, &list, sizeof list), 0);
}

TEST(LifeEventEdit, removalSelectsTheFollowingOrTheNewLastEvent) {
    struct Row {
        const char* name;
        int remove;
        int expectSelected;
        std::vector<std::string> left;
    };
    const Row rows[] = {
        {"first", 0, 0, {"b", "c"}},
        {"middle", 1, 1, {"a", "c"}},
        {"last", 2, 1, {"a", "b"}},
        {"none", 3, -1, {"a", "b", "c"}},
        {"negative", -1, -1, {"a", "b", "c"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LifeEventList list;
        insertLifeEvent(list, event("a", 1900, 1, 1));
        insertLifeEvent(list, event("b", 1901, 1, 1));
        insertLifeEvent(list, event("c", 1902, 1, 1));
        EXPECT_EQ(removeLifeEvent(list, row.remove), row.expectSelected);
        EXPECT_EQ(names(list), row.left);
    }
    LifeEventList one;
    insertLifeEvent(one, event("only", 1900, 1, 1));
    EXPECT_EQ(removeLifeEvent(one, 0), -1);
    EXPECT_EQ(int(one.count), 0);
    EXPECT_EQ(fixedText(one.events[0].name), "");  // no stale event left behind in the file
}

TEST(LifeEventEdit, toggleTwiceRestoresTheMarkAndLinesShowIt) {
    StringTable en;
    en.load(LanguageEnglish);
    LifeEventList list;
    insertLifeEvent(list, event("Wedding", 1975, 5, 17));
    EXPECT_EQ(lifeEventLine(list.events[0], en), " -> 05/17/1975   Wedding");
    ASSERT_TRUE(toggleLifeEvent(list, 0));
    EXPECT_EQ(lifeEventLine(list.events[0], en), "     05/17/1975   Wedding");
    ASSERT_TRUE(toggleLifeEvent(list, 0));
    EXPECT_EQ(int(list.events[0].selected), 1);
    EXPECT_FALSE(toggleLifeEvent(list, 1));
    LifeEvent bc = event("Julian", -99, 2, 3);
    bc.date.gregorian = 0;
    EXPECT_EQ(lifeEventLine(bc, en), " -> 02/03/0100BC   Julian");
}

TEST(LifeEventEdit, corruptCountIsKeptWithinCapacity) {
    LifeEventList list;
    list.count = 99;
    EXPECT_EQ(lifeEventCount(list), LifeEventList::Capacity);
    EXPECT_EQ(insertLifeEvent(list, newLifeEvent()), -1);
    list.count = -5;
    EXPECT_EQ(lifeEventCount(list), 0);
    EXPECT_EQ(insertLifeEvent(list, newLifeEvent()), 0);
    EXPECT_EQ(int(list.count), 1);
}
