#pragma once
// Narrowing the horoscope listing by a search text typed in the browser.
#include <string>
#include <string_view>
#include <vector>

#include "HoroscopeListing.h"

// A search text of alternatives separated by ";", each of words separated by blanks. A name
// matches when, for at least one alternative, every word occurs somewhere in its folded form.
// Alternatives without words are ignored, so "buda;" still means "buda"; a text without any
// word matches every name.
class HoroscopeSearch {
public:
    explicit HoroscopeSearch(std::string_view searchText);  // Windows-1250

    bool matchesEverything() const { return m_alternatives.empty(); }
    bool matches(std::string_view foldedName) const;

private:
    std::vector<std::vector<std::string>> m_alternatives;  // folded words
};

// The entries of `listing` that match the search text, in listing order.
std::vector<const HoroscopeEntry*> FillList(const HoroscopeListing& listing, std::string_view searchText);
