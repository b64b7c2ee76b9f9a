#include "TransitList.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "FoldTable.h"

namespace {

std::vector<std::string> splitOn(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start)
            parts.push_back(foldText(text.substr(start, end - start)));
        start = end + 1;
    }
    return parts;
}

bool isWordStart(const std::string& folded, std::size_t i) {
    if (i == 0)
        return true;
    const unsigned char before = static_cast<unsigned char>(folded[i - 1]);
    // Folded letters are capitals and digits stay digits; anything else separates words.
    const bool letterBefore = (before >= 'A' && before <= 'Z') || (before >= '0' && before <= '9') || before >= 0x80;
    return !letterBefore;
}

// Whether a word of `name` starts with the folded `word`.
bool nameHasWord(std::string_view name, const std::string& word) {
    const std::string folded = foldText(name);
    for (std::size_t i = folded.find(word); i != std::string::npos; i = folded.find(word, i + 1))
        if (isWordStart(folded, i))
            return true;
    return false;
}

bool anyNameHas(const std::vector<std::string>* names, const std::vector<std::string>& words) {
    if (!names)
        return false;
    for (const std::string& name : *names)
        for (const std::string& word : words)
            if (nameHasWord(name, word))
                return true;
    return false;
}

// The names of entry `index`; none for an index out of the table.
template <std::size_t N>
const std::vector<std::string>* namesOf(const std::array<std::vector<std::string>, N>& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? &table[static_cast<std::size_t>(index)] : nullptr;
}

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        if (end > start)
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

}  // namespace

TransitFilter::TransitFilter(std::string_view text) {
    for (std::string_view body : splitWords(text)) {
        Term term;
        if (body.front() == '-') {
            term.negated = true;
            body.remove_prefix(1);
        }
        const std::size_t arrow = body.find('>');
        if (arrow == std::string_view::npos) {
            term.anywhere = splitOn(body, '/');
            if (term.anywhere.empty())
                continue;
        } else {
            term.sided = true;
            term.transiting = splitOn(body.substr(0, arrow), '/');
            term.natal = splitOn(body.substr(arrow + 1), '/');
            if (term.transiting.empty() && term.natal.empty())
                continue;
        }
        m_terms.push_back(std::move(term));
    }
}

bool TransitFilter::accepts(const TransitEvent& event, const TransitNames& names) const {
    const auto* transiting = namesOf(names.transiting, event.transiting);
    const auto* natal = namesOf(names.natal, event.natal);
    const auto* aspect = namesOf(names.aspects, event.aspect);
    for (const Term& term : m_terms) {
        bool matches = false;
        if (term.sided)
            matches = (term.transiting.empty() || anyNameHas(transiting, term.transiting)) &&
                      (term.natal.empty() || anyNameHas(natal, term.natal));
        else
            matches = anyNameHas(transiting, term.anywhere) || anyNameHas(natal, term.anywhere) ||
                      anyNameHas(aspect, term.anywhere);
        if (matches == term.negated)
            return false;
    }
    return true;
}

std::vector<TransitGroup> groupTransits(const std::vector<TransitEvent>& events, std::uint8_t dispmode,
                                        const TransitFilter& filter, const TransitNames& names) {
    std::vector<int> kept;
    kept.reserve(events.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        if (filter.empty() || filter.accepts(events[i], names))
            kept.push_back(static_cast<int>(i));
    std::stable_sort(kept.begin(), kept.end(), [&](int a, int b) {
        const TransitEvent& x = events[static_cast<std::size_t>(a)];
        const TransitEvent& y = events[static_cast<std::size_t>(b)];
        return std::tie(x.exactUT, x.transiting, x.natal, x.aspect) < std::tie(y.exactUT, y.transiting, y.natal, y.aspect);
    });

    const auto keyOf = [dispmode](const TransitEvent& e) {
        switch (dispmode) {
        case TransitsByNatalPoint: return e.natal;
        case TransitsByTransiting: return e.transiting;
        default: return -1;
        }
    };
    std::map<int, std::vector<int>> byKey;
    for (int i : kept)
        byKey[keyOf(events[static_cast<std::size_t>(i)])].push_back(i);
    std::vector<TransitGroup> groups;
    groups.reserve(byKey.size());
    for (auto& [key, list] : byKey)
        groups.push_back({key, std::move(list)});
    return groups;
}

std::vector<std::vector<int>> timeLineRows(const std::vector<TransitEvent>& events,
                                           const std::vector<TransitGroup>& groups) {
    std::vector<std::vector<int>> rows;
    std::map<std::tuple<int, int, int>, std::size_t> rowOf;
    for (const TransitGroup& group : groups)
        for (int i : group.events) {
            const TransitEvent& e = events[static_cast<std::size_t>(i)];
            const auto [it, added] = rowOf.try_emplace(std::make_tuple(e.transiting, e.aspect, e.natal), rows.size());
            if (added)
                rows.emplace_back();
            rows[it->second].push_back(i);
        }
    // A group keeps its events by time already; the sort keeps that when the groups are not.
    for (auto& row : rows)
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
            return events[static_cast<std::size_t>(a)].exactUT < events[static_cast<std::size_t>(b)].exactUT;
        });
    return rows;
}
