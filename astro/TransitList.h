#pragma once
// The content of the transits list and its time line: which events the text filter of the
// transits selection lets through, how the display mode groups and orders them, and which
// events share a line of the time line. No drawing and no Qt here.
//
// The filter text (at most 30 characters) is a row of terms separated by spaces; an event is
// listed when it satisfies every term. An empty filter lists everything.
//   saturn        a word: some name of the event (transiting body, natal point or aspect)
//                 has a word that starts with it, case and accents ignored ("node" finds
//                 both nodes, "sq" the squares, "szat" Szaturnusz)
//   mars/venus    alternatives: one of the words matches
//   sat>sun       transiting Saturn to natal Sun; either side may be left out ("sat>" any
//                 transit of Saturn, ">asc" anything over the natal Ascendant) and either side
//                 may hold alternatives ("jup/sat>sun/moon")
//   -moon         a term after a minus excludes what it matches ("-moon -sex")
// Names are matched in every form the caller gives for them: the language shown and the
// English keys of the command line (sun, moon, ..., asc, mc; con, sex, qua, tri, opp ...).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "TransitSearch.h"

// The names the filter matches, Windows-1250: for each transiting body, natal point and aspect
// of the search's events, every form it is known by.
struct TransitNames {
    // By promissor mark: the bodies, then the Part of Fortune, which the primary directions
    // direct (it never transits).
    std::array<std::vector<std::string>, PromissorMarkCount> transiting;
    std::array<std::vector<std::string>, NatalPointCount> natal;
    std::array<std::vector<std::string>, AspectCount> aspects;
};

class TransitFilter {
public:
    explicit TransitFilter(std::string_view text = {});

    bool empty() const { return m_terms.empty(); }
    bool accepts(const TransitEvent& event, const TransitNames& names) const;

private:
    // Folded words; a word list that is empty puts no condition on its side.
    struct Term {
        bool negated = false;
        bool sided = false;                  // written with '>'
        std::vector<std::string> anywhere;   // plain term: transiting, natal or aspect
        std::vector<std::string> transiting; // left of '>'
        std::vector<std::string> natal;      // right of '>'
    };
    std::vector<Term> m_terms;
};

// `dispmode` of the transits selection.
enum TransitDisplayMode : std::uint8_t {
    TransitsByDate = 0,
    TransitsByNatalPoint = 1,
    TransitsByTransiting = 2,
};

// One group of the list: the natal point or transiting body it gathers (-1 when the list is
// by date, one group of everything), and its events as indexes into the event list. Natal
// points come in the search's order: the bodies, then the Ascendant and the MC.
struct TransitGroup {
    int key = -1;
    std::vector<int> events;
};

// The events the filter lets through, grouped by `dispmode` (another value counts as by date):
// groups in the order of their body or point, events in each by their exact moment (ties: transiting body, natal
// point, aspect, then the search's order). Groups without events are left out.
std::vector<TransitGroup> groupTransits(const std::vector<TransitEvent>& events, std::uint8_t dispmode,
                                        const TransitFilter& filter, const TransitNames& names);

// The lines of the time line: one per transit (transiting body, aspect, natal point), holding
// the indexes of its passes in time order; lines in the order their first pass has in `groups`.
std::vector<std::vector<int>> timeLineRows(const std::vector<TransitEvent>& events,
                                           const std::vector<TransitGroup>& groups);
