#include "TownList.h"

#include <algorithm>
#include <cstdint>

#include "FoldTable.h"

namespace {

constexpr std::size_t MaxSearchWords = 10;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::vector<std::string> searchWords(std::string_view text) {
    const std::string folded = foldText(text);
    std::vector<std::string> words;
    std::size_t i = 0;
    while (words.size() < MaxSearchWords) {
        while (i < folded.size() && isSpace(folded[i]))
            ++i;
        if (i == folded.size())
            break;
        const std::size_t start = i;
        while (i < folded.size() && !isSpace(folded[i]))
            ++i;
        words.push_back(folded.substr(start, i - start));
    }
    return words;
}

bool matches(std::string_view folded, const std::vector<std::string>& words) {
    if (words.empty())
        return true;
    if (!folded.starts_with(words[0]))
        return false;
    for (std::size_t w = 1; w < words.size(); ++w)
        if (folded.find(words[w]) == std::string_view::npos)
            return false;
    return true;
}

// How well a name matches what was typed; the better matches come first in a list.
enum class Match : std::uint8_t {
    Whole,      // the town part is the typed text: "Wien", "Roma, Australia" for "roma"
    WholeWord,  // the typed text ends where a word of the name ends: "Zürich (Kreis 1)" for "zurich"
    Begins,     // the name begins with the typed text (and holds the other words): "Wiendorf"
    Selected,   // no match: listed only because it is the town to select
};

bool isWordByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 0x80;
}

// `typed` is the folded search words joined by single spaces.
Match matchOf(std::string_view folded, const std::vector<std::string>& words, std::string_view typed) {
    if (!matches(folded, words))
        return Match::Selected;
    if (!folded.starts_with(typed))
        return Match::Begins;
    if (townPart(folded) == typed)
        return Match::Whole;
    return folded.size() == typed.size() || !isWordByte(folded[typed.size()]) ? Match::WholeWord : Match::Begins;
}

struct Ranked {
    TownListItem item;
    Match match = Match::Selected;
    std::uint32_t size = TownDatabase::UnknownSize;  // population rank, main towns only
    std::uint32_t position = 0;  // list position within its part (user or main towns)
};

}  // namespace

std::string TownListItem::text() const {
    const std::string_view name = town ? townName(*town) : std::string_view();
    if (!alias.empty())
        return std::string(name) + " (" + std::string(alias) + ")";
    return user ? "+ " + std::string(name) : std::string(name);
}

TownList FillTownList(const TownDatabase& db, std::string_view searchText, const TownRecord* select) {
    const std::vector<std::string> words = searchWords(searchText);
    std::string typed;
    for (const std::string& word : words)
        typed += (typed.empty() ? "" : " ") + word;
    std::vector<Ranked> ranked;
    std::string folded;

    // User towns are few: they are folded and put in list order here.
    std::vector<std::pair<std::string, const TownRecord*>> user;
    for (const TownRecord& town : db.userTowns)
        if (!town.isRegion())
            user.emplace_back(foldText(townName(town)), &town);
    std::stable_sort(user.begin(), user.end(),
                     [](const auto& a, const auto& b) { return compareNatural(townPart(a.first), townPart(b.first)) < 0; });
    for (std::size_t u = 0; u < user.size(); ++u) {
        const Match m = matchOf(user[u].first, words, typed);
        if (m != Match::Selected || user[u].second == select)
            ranked.push_back({{user[u].second, true, {}}, m, TownDatabase::UnknownSize, static_cast<std::uint32_t>(u)});
    }

    const bool haveFolded = db.mainFoldedStart.size() == db.mainTowns.size() + 1;
    const bool haveOrder = db.mainListOrder.size() == db.mainTowns.size();
    const bool haveSizes = db.mainSizeRank.size() == db.mainTowns.size();
    const std::size_t firstMain = ranked.size();
    for (std::size_t p = 0; p < db.mainTowns.size(); ++p) {
        const std::size_t i = haveOrder ? db.mainListOrder[p] : p;
        const TownRecord& town = db.mainTowns[i];
        if (town.isRegion())
            continue;
        std::string_view key;
        if (haveFolded) {
            key = std::string_view(db.mainFolded).substr(db.mainFoldedStart[i], db.mainFoldedStart[i + 1] - db.mainFoldedStart[i]);
        } else {
            folded = foldText(townName(town));
            key = folded;
        }
        const Match m = matchOf(key, words, typed);
        if (m != Match::Selected || &town == select)
            ranked.push_back({{&town, false, {}}, m, haveSizes ? db.mainSizeRank[i] : TownDatabase::UnknownSize,
                              static_cast<std::uint32_t>(p)});
    }
    if (!words.empty() && !db.aliases.empty()) {
        // A town found by its own name and by other names is listed once, under its own name
        // ranked by the best of its matches ("New York" ranks New York City as a whole name).
        std::vector<std::uint32_t> listedAt(db.mainTowns.size(), UINT32_MAX);
        for (std::size_t r = firstMain; r < ranked.size(); ++r)
            listedAt[static_cast<std::size_t>(ranked[r].item.town - db.mainTowns.data())] = static_cast<std::uint32_t>(r);
        for (const TownDatabase::Alias& alias : db.aliases) {
            const Match m = matchOf(alias.folded, words, typed);
            if (m == Match::Selected)
                continue;
            const std::uint32_t at = listedAt[alias.town];
            if (at != UINT32_MAX) {
                ranked[at].match = std::min(ranked[at].match, m);
                continue;
            }
            listedAt[alias.town] = static_cast<std::uint32_t>(ranked.size());
            const std::uint32_t position = haveOrder ? db.mainListPosition[alias.town] : alias.town;
            ranked.push_back({{&db.mainTowns[alias.town], false, alias.name}, m,
                              haveSizes ? db.mainSizeRank[alias.town] : TownDatabase::UnknownSize, position});
        }
    }
    // Without words every town is listed alike, already in list order.
    if (!words.empty())
        std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
            if (a.match != b.match)
                return a.match < b.match;
            if (a.item.user != b.item.user)
                return a.item.user;  // the user's own towns before the atlas
            if (a.size != b.size)
                return a.size < b.size;
            return a.position < b.position;
        });

    TownList list;
    list.items.reserve(ranked.size());
    for (const Ranked& r : ranked) {
        if (r.item.town == select)
            list.selected = static_cast<int>(list.items.size());
        list.items.push_back(r.item);
    }
    if (!select && !list.items.empty())
        list.selected = 0;
    return list;
}

const TownRecord* BestTownMatch(const TownDatabase& db, std::string_view typed) {
    if (typed.starts_with('+')) {
        const TownList list = FillTownList(db, typed.substr(1), nullptr);
        const auto user = std::find_if(list.items.begin(), list.items.end(), [](const TownListItem& i) { return i.user; });
        return user == list.items.end() ? nullptr : user->town;
    }
    const TownList list = FillTownList(db, typed, nullptr);
    return list.items.empty() ? nullptr : list.items.front().town;
}

std::string listedTownName(const TownDatabase& db, const TownRecord& town) {
    const std::string_view name = townName(town);
    const std::size_t comma = name.rfind(", ");
    if (comma == std::string_view::npos)
        return std::string(name);
    const std::string_view last = name.substr(comma + 2);
    // Only an initialism is a short form: a user's own "Magyarország" stays as written.
    constexpr std::size_t ShortestInitialism = 2, LongestInitialism = 4;
    const bool initialism = last.size() >= ShortestInitialism && last.size() <= LongestInitialism &&
                            std::all_of(last.begin(), last.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    const ZoneDescriptor* zone = initialism ? zoneByNumber(db, town.zone) : nullptr;
    if (!zone || std::binary_search(db.countryNames.begin(), db.countryNames.end(), last))
        return std::string(name);
    const std::string_view country = townPart(zone->name);
    if (!std::binary_search(db.countryNames.begin(), db.countryNames.end(), country))
        return std::string(name);
    return std::string(name.substr(0, comma + 2)) + std::string(country);
}

int FillZoneList(std::vector<ZoneListItem>& items, const std::vector<ZoneDescriptor>& zones, bool user,
                 const ZoneDescriptor* select, std::size_t first, std::size_t last) {
    int selected = -1;
    for (std::size_t z = first; z < std::min(last, zones.size()); ++z) {
        const ZoneDescriptor& zone = zones[z];
        if (zone.empty())
            continue;
        if (&zone == select)
            selected = static_cast<int>(items.size());
        const int number = static_cast<int>(z) + (user ? UserZoneBase : 0);
        items.push_back({user ? "+ " + std::string(zone.name) : std::string(zone.name), &zone, number});
    }
    return selected;
}

ZoneList townEditorZoneList(const TownDatabase& db, int selectNumber) {
    const ZoneDescriptor* select = zoneByNumber(db, selectNumber);
    ZoneList list;
    const std::size_t firstDated = LastFixedZone + 1;
    for (const int s : {FillZoneList(list.items, db.userZones, true, select),
                        FillZoneList(list.items, db.mainZones, false, select, firstDated),
                        FillZoneList(list.items, db.mainZones, false, select, 0, firstDated)})
        if (s >= 0)
            list.selected = s;
    return list;
}
