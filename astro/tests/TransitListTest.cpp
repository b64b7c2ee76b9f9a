// The transits list's filter, grouping and time-line lines on a small set of events.
#include <gtest/gtest.h>

#include "TransitList.h"

namespace {

enum : int { Sun = 0, Moon = 1, Venus = 3, Mars = 4, Jupiter = 5, Saturn = 6, NorthNode = 10, SouthNode = 11, Asc = NatalAscendant };
enum : int { Con = 0, Sex = 3, Qua = 5, Tri = 6, Opp = 10 };

// English keys and names and, for some, the Hungarian names (Windows-1250: 0xE9 is e acute).
TransitNames names() {
    TransitNames n;
    const auto body = [&n](int i, std::vector<std::string> forms) {
        n.transiting[static_cast<std::size_t>(i)] = forms;
        n.natal[static_cast<std::size_t>(i)] = forms;
    };
    body(Sun, {"sun", "Sun", "Nap"});
    body(Moon, {"moon", "Moon", "Hold"});
    body(Venus, {"venus", "Venus", "V\xE9nusz"});
    body(Mars, {"mars", "Mars"});
    body(Jupiter, {"jupiter", "Jupiter"});
    body(Saturn, {"saturn", "Saturn", "Szaturnusz"});
    body(NorthNode, {"node", "North node"});
    body(SouthNode, {"southnode", "South node"});
    n.natal[Asc] = {"asc", "Ascendant"};
    n.aspects[Con] = {"con", "Conjunction"};
    n.aspects[Sex] = {"sex", "Sextile"};
    n.aspects[Qua] = {"qua", "Square"};
    n.aspects[Tri] = {"tri", "Trine"};
    n.aspects[Opp] = {"opp", "Opposition"};
    return n;
}

TransitEvent ev(int transiting, int aspect, int natal, double exact) {
    return {transiting, natal, aspect, exact, exact - 1, exact + 1, TransitDirect};
}

// In search order, not in time order.
const std::vector<TransitEvent> Events = {
    ev(Saturn, Qua, Sun, 30),     // 0
    ev(Moon, Con, Venus, 5),      // 1
    ev(Saturn, Qua, Sun, 10),     // 2: the first pass of the same transit
    ev(Sun, Tri, Saturn, 20),     // 3
    ev(Jupiter, Opp, Asc, 15),    // 4
    ev(NorthNode, Sex, Mars, 25), // 5
    ev(SouthNode, Tri, Moon, 25), // 6: same moment as 5
    ev(Venus, Con, Moon, 40),     // 7
};

std::vector<int> listed(const std::vector<TransitGroup>& groups) {
    std::vector<int> all;
    for (const TransitGroup& g : groups)
        all.insert(all.end(), g.events.begin(), g.events.end());
    return all;
}

}  // namespace

TEST(TransitList, FilterSelectsByNamesSidesAndExclusions) {
    struct Row {
        const char* name;
        const char* filter;
        std::vector<int> expected;  // by date
    };
    const Row rows[] = {
        {"empty lists all", "", {1, 2, 4, 3, 5, 6, 0, 7}},
        {"blanks only list all", "   ", {1, 2, 4, 3, 5, 6, 0, 7}},
        {"a word in any role", "saturn", {2, 3, 0}},
        {"case and accents ignored", "V\xC9N", {1, 7}},
        {"the other language's name", "szat", {2, 3, 0}},
        {"a word inside a name", "node", {5, 6}},
        {"only at the start of a word", "ode", {}},
        {"aspect names and keys", "squ", {2, 0}},
        {"aspect key", "tri", {3, 6}},
        {"terms all apply", "saturn qua", {2, 0}},
        {"alternatives", "mars/asc", {4, 5}},
        {"transiting side", "sat>", {2, 0}},
        {"natal side", ">sat", {3}},
        {"both sides", "sat>sun", {2, 0}},
        {"sides the other way round", "sun>sat", {3}},
        {"alternatives on each side", "sun/ven>sat/moon", {3, 7}},
        {"exclusion", "-moon", {2, 4, 3, 5, 0}},
        {"exclusion of a side", "-moon> -con", {2, 4, 3, 5, 6, 0}},
        {"stray separators ignored", "/sat/ > -", {2, 3, 0}},
        {"nothing matches", "pluto", {}},
    };
    const TransitNames n = names();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(listed(groupTransits(Events, TransitsByDate, TransitFilter(row.filter), n)), row.expected);
    }
}

TEST(TransitList, DisplayModesGroupInMarkOrderAndSortByMoment) {
    struct Row {
        const char* name;
        std::uint8_t dispmode;
        std::vector<int> keys;
        std::vector<std::vector<int>> events;
    };
    const Row rows[] = {
        {"by date, one group", TransitsByDate, {-1}, {{1, 2, 4, 3, 5, 6, 0, 7}}},
        {"by natal point", TransitsByNatalPoint, {Sun, Moon, Venus, Mars, Saturn, Asc}, {{2, 0}, {6, 7}, {1}, {5}, {3}, {4}}},
        {"by transiting body", TransitsByTransiting,
         {Sun, Moon, Venus, Jupiter, Saturn, NorthNode, SouthNode}, {{3}, {1}, {7}, {4}, {2, 0}, {5}, {6}}},
        {"an unknown mode lists by date", 7, {-1}, {{1, 2, 4, 3, 5, 6, 0, 7}}},
    };
    const TransitNames n = names();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto groups = groupTransits(Events, row.dispmode, TransitFilter(), n);
        std::vector<int> keys;
        std::vector<std::vector<int>> events;
        for (const TransitGroup& g : groups) {
            keys.push_back(g.key);
            events.push_back(g.events);
        }
        EXPECT_EQ(keys, row.keys);
        EXPECT_EQ(events, row.events);
    }
    // A filtered list leaves out the groups it empties.
    const auto filtered = groupTransits(Events, TransitsByNatalPoint, TransitFilter("sat>"), n);
    ASSERT_EQ(filtered.size(), 1u);
    EXPECT_EQ(filtered[0].key, Sun);
    EXPECT_TRUE(groupTransits({}, TransitsByTransiting, TransitFilter(), n).empty());
}

TEST(TransitList, TimeLineGathersThePassesOfATransitOnOneLine) {
    const TransitNames n = names();
    const auto rows = timeLineRows(Events, groupTransits(Events, TransitsByDate, TransitFilter(), n));
    const std::vector<std::vector<int>> expected = {{1}, {2, 0}, {4}, {3}, {5}, {6}, {7}};
    EXPECT_EQ(rows, expected);
    // Grouped by natal point the lines follow the groups.
    const auto grouped = timeLineRows(Events, groupTransits(Events, TransitsByNatalPoint, TransitFilter(), n));
    const std::vector<std::vector<int>> expectedGrouped = {{2, 0}, {6}, {7}, {1}, {5}, {3}, {4}};
    EXPECT_EQ(grouped, expectedGrouped);
}
