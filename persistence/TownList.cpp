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

}  // namespace

std::string TownListItem::text() const {
    const std::string_view name = town ? townName(*town) : std::string_view();
    if (!alias.empty())
        return std::string(name) + " (" + std::string(alias) + ")";
    return user ? "+ " + std::string(name) : std::string(name);
}

TownList FillTownList(const TownDatabase& db, std::string_view searchText, const TownRecord* select) {
    const std::vector<std::string> words = searchWords(searchText);
    TownList list;
    auto add = [&](const TownRecord& town, bool user) {
        if (&town == select)
            list.selected = static_cast<int>(list.items.size());
        list.items.push_back({&town, user, {}});
    };
    std::string folded;
    for (const TownRecord& town : db.userTowns) {
        if (town.isRegion())
            continue;
        folded = foldText(townName(town));
        if (&town == select || matches(folded, words))
            add(town, true);
    }
    const bool haveFolded = db.mainFoldedStart.size() == db.mainTowns.size() + 1;
    for (std::size_t i = 0; i < db.mainTowns.size(); ++i) {
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
        if (&town == select || matches(key, words))
            add(town, false);
    }
    if (!words.empty() && !db.aliases.empty()) {
        std::vector<bool> listed(db.mainTowns.size());
        for (const TownListItem& item : list.items)
            if (!item.user)
                listed[static_cast<std::size_t>(item.town - db.mainTowns.data())] = true;
        for (const TownDatabase::Alias& alias : db.aliases) {
            if (listed[alias.town] || !matches(alias.folded, words))
                continue;
            listed[alias.town] = true;
            list.items.push_back({&db.mainTowns[alias.town], false, alias.name});
        }
    }
    if (!select && !list.items.empty())
        list.selected = 0;
    return list;
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
