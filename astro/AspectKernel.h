#pragma once
// The one aspect search. A single chart's tables, both directions of a collation and any later
// comparison (progressed or transiting bodies against the natal chart, directions) are all the
// bodies of one set of aspect points searched against the points of another set.
#include <array>
#include <cstdint>

#include "ChartIndex.h"
#include "Options.h"

struct RadixData;

// Whether a set's points move while the applying test looks a moment ahead. A natal chart
// under transits stands still: only the transiting bodies close in on an aspect or leave it.
enum class PointMotion : std::uint8_t { Moving, StandsStill };

// The 40 aspect points of one chart as the search reads them; the body k of the set is its
// point aspectPointOfBody(k).
struct AspectPointSet {
    std::array<double, AspectPointCount> lon{};    // radians
    std::array<double, AspectPointCount> decl{};   // radians
    std::array<double, AspectPointCount> later{};  // longitude a moment later; `lon` where it stands still
    std::array<int, AspectPointCount> orbClass{};
    std::array<bool, AspectPointCount> available{};
    int houseSystem = 0;  // the system the cusps come from: which cusps are copies of an axis
};

// The points of a computed chart. Axes, cusps and the derived points stand still over the
// short step in any case; with `StandsStill` the bodies do too.
AspectPointSet aspectPointSet(const RadixData& r, PointMotion motion);

// Which pairs are searched. Within one chart each pair of bodies once, from the body with the
// higher index, and its two nodes stay exactly opposite; between two charts every pair.
enum class AspectPairs : std::uint8_t { OneChart, TwoCharts };

using AspectOrbs = std::array<std::array<double, OrbClassCount>, OrbAspectCount>;  // [aspect][orb class], degrees

struct AspectSearch {
    const AspectOrbs& orbs;
    double factor = 1.0;  // widens or narrows the aspect orbs, never the parallels'
    AspectPairs pairs = AspectPairs::OneChart;
};

// The aspect tables of one search, [body k of one set][aspect point i of the other]; coded as
// Aspects.h describes.
struct CrossAspectTables {
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> aspectCode{};
    std::array<std::array<double, AspectPointCount>, BodyCount> separation{};
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> exactAspect{};
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> parallelCode{};
};

// Where a search writes: the tables of a collation or those a chart keeps itself.
struct AspectTableRefs {
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount>& aspectCode;
    std::array<std::array<double, AspectPointCount>, BodyCount>& separation;
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount>& exactAspect;
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount>& parallelCode;
};
AspectTableRefs aspectTablesOf(CrossAspectTables& t);
AspectTableRefs aspectTablesOf(RadixData& r);

// Searches each body k of `bodies` against each point i of `points` that `search.pairs` takes
// (pairs not taken are left as they are): the first aspect within (orb of k + orb of i) times
// the factor, not the closest; its strength bits; applying when the deviation shrinks or
// changes sign a moment later; exact within one degree (not the quintile types); and the
// parallels. Cusps 1, 4, 7 and 10 copy the axis they equal in the points' house system; the
// South node and the opposite points derive their aspects from the North node and the point
// opposite where those were searched. A pair with a point that is not available gets nothing.
void searchAspects(const AspectPointSet& bodies, const AspectPointSet& points, const AspectSearch& search,
                   AspectTableRefs out);
