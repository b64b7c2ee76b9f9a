#include "HoroscopeSearch.h"

#include <algorithm>

#include "FoldTable.h"

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

HoroscopeSearch::HoroscopeSearch(std::string_view searchText) {
    const std::string folded = foldText(searchText);
    for (const std::string_view alternative : split(folded, ';')) {
        std::vector<std::string> words;
        for (const std::string_view word : split(alternative, ' '))
            if (!word.empty())
                words.emplace_back(word);
        if (!words.empty())
            m_alternatives.push_back(std::move(words));
    }
}

bool HoroscopeSearch::matches(std::string_view foldedName) const {
    if (m_alternatives.empty())
        return true;
    return std::any_of(m_alternatives.begin(), m_alternatives.end(), [foldedName](const auto& words) {
        return std::all_of(words.begin(), words.end(),
                           [foldedName](const std::string& w) { return foldedName.find(w) != std::string_view::npos; });
    });
}

std::vector<const HoroscopeEntry*> FillList(const HoroscopeListing& listing, std::string_view searchText) {
    const HoroscopeSearch search(searchText);
    std::vector<const HoroscopeEntry*> out;
    out.reserve(listing.entries.size());
    for (const auto& e : listing.entries)
        if (search.matches(e->folded))
            out.push_back(e.get());
    return out;
}
