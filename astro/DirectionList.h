#pragma once
// The content of the directions lists: the primary and the secondary directions as rows of one
// shape, grouped by the display mode of their selection and passed through its text filter.
// The filter and the grouping are the transits list's (TransitList.h): a direction is listed as
// a transit of its promissor over its significator, so the same filter words ("sat>sun",
// "-moon") and the same groups serve both. No drawing and no Qt here.
#include <cstdint>
#include <vector>

#include "LifeEventMatch.h"

struct PrimaryResult;
struct TDirectionFilter;
struct SecondaryResult;
struct TransitEvent;
struct TransitGroup;
struct TransitNames;
class TransitFilter;

// `dispmode` of the `directions` and `secdirs` selections; the values of the transits list's
// modes (by date, by natal point, by transiting body).
enum DirectionDisplayMode : std::uint8_t {
    DirectionsByDate = 0,
    DirectionsBySignificator = 1,
    DirectionsByPromissor = 2,
};
constexpr int DirectionDisplayModeCount = 3;

// The method column of a secondary direction (primary rows hold the direction type 0..3).
constexpr int SecondaryMethod = -1;
// The promissor of a row that is the Part of Fortune (a primary promissor only).
constexpr int FortunePromissor = 19;

struct DirectionRow {
    DirectionKind kind = DirectionKind::Primary;
    int index = 0;         // in the primary or secondary result
    int promissor = 0;     // body 0..18, or FortunePromissor
    int aspect = 0;        // 0..17
    int significator = 0;  // natal point 0..20
    double arc = 0;        // degrees
    double age = 0;        // years
    double jdUT = 0;
    int method = SecondaryMethod;
    bool converse = false;
};

std::vector<DirectionRow> directionRows(const PrimaryResult& result);
std::vector<DirectionRow> directionRows(const SecondaryResult& result);

// A row as the transits list's event: the promissor transiting, the significator natal.
TransitEvent listEventOf(const DirectionRow& row);

// The rows the filter lets through, grouped by `dispmode` (another value lists by date): groups
// in the order of their significator or promissor, rows in each by date.
std::vector<TransitGroup> groupDirections(const std::vector<DirectionRow>& rows, std::uint8_t dispmode,
                                          const TransitFilter& filter, const TransitNames& names);

// Whether a selection leaves nothing to direct: no promissor (for secondary directions no
// progressed body: the Part of Fortune is none), no significator or no aspect marked.
bool selectsNothing(const TDirectionFilter& selection, DirectionKind kind);

// The rows as the life-event matching takes them.
std::vector<DatedDirection> datedDirections(const std::vector<DirectionRow>& rows);
