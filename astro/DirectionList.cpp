#include "DirectionList.h"

#include <algorithm>

#include "PrimaryDirections.h"
#include "SecondaryDirections.h"
#include "TransitList.h"

static_assert(int{DirectionsByDate} == int{TransitsByDate} && int{DirectionsBySignificator} == int{TransitsByNatalPoint} &&
              int{DirectionsByPromissor} == int{TransitsByTransiting});
static_assert(FortunePromissor == PrimaryPromissorFortune);

std::vector<DirectionRow> directionRows(const PrimaryResult& result) {
    std::vector<DirectionRow> rows;
    rows.reserve(result.directions.size());
    for (std::size_t i = 0; i < result.directions.size(); ++i) {
        const PrimaryDirection& d = result.directions[i];
        rows.push_back({DirectionKind::Primary, static_cast<int>(i), d.promissor, d.aspect, d.significator, d.arc,
                        d.age, d.jdUT, static_cast<int>(d.method), d.converse});
    }
    return rows;
}

std::vector<DirectionRow> directionRows(const SecondaryResult& result) {
    std::vector<DirectionRow> rows;
    rows.reserve(result.directions.size());
    for (std::size_t i = 0; i < result.directions.size(); ++i) {
        const SecondaryDirection& d = result.directions[i];
        rows.push_back({DirectionKind::Secondary, static_cast<int>(i), d.promissor, d.aspect, d.significator, d.arc,
                        d.age, d.jdUT, SecondaryMethod, false});
    }
    return rows;
}

TransitEvent listEventOf(const DirectionRow& row) {
    TransitEvent e;
    e.transiting = row.promissor;
    e.natal = row.significator;
    e.aspect = row.aspect;
    e.exactUT = row.jdUT;
    e.entersUT = row.jdUT;
    e.leavesUT = row.jdUT;
    return e;
}

std::vector<TransitGroup> groupDirections(const std::vector<DirectionRow>& rows, std::uint8_t dispmode,
                                          const TransitFilter& filter, const TransitNames& names) {
    std::vector<TransitEvent> events;
    events.reserve(rows.size());
    for (const DirectionRow& row : rows)
        events.push_back(listEventOf(row));
    return groupTransits(events, dispmode, filter, names);
}

std::vector<DatedDirection> datedDirections(const std::vector<DirectionRow>& rows) {
    std::vector<DatedDirection> dated;
    dated.reserve(rows.size());
    for (const DirectionRow& row : rows)
        dated.push_back({row.kind, row.index, row.jdUT});
    return dated;
}

bool selectsNothing(const TDirectionFilter& selection, DirectionKind kind) {
    const auto none = [](auto first, auto last) { return std::none_of(first, last, [](bool m) { return m; }); };
    const auto& p = selection.promissors;
    const auto promissorsEnd = kind == DirectionKind::Primary ? p.end() : p.begin() + PromissorMarkFortune;
    return none(p.begin(), promissorsEnd) || none(selection.significators.begin(), selection.significators.end()) ||
           none(selection.aspects.begin(), selection.aspects.end());
}
