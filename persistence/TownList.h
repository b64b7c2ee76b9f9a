#pragma once
// The content of the town and zone pickers: which towns and zones a list shows, with their
// texts, in order. The combo boxes show these items as they are.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "TownDatabase.h"

// An item points into the database, so it is valid until the towns change.
struct TownListItem {
    const TownRecord* town = nullptr;
    bool user = false;
    std::string_view alias;  // the other name that matched, for a main town found by it

    // The text shown: the name; a user town as "+ " and its name; a town found by another
    // name as its name and that name in brackets: "Vienna, Austria (Wien)".
    std::string text() const;
};

struct TownList {
    std::vector<TownListItem> items;
    int selected = -1;  // index into items, or -1
};

// The towns matching `searchText`, never region entries. The search text is folded and split
// at white space into at most 10 words; a town matches when its folded name, or one of its
// other names, begins with the first word and contains every further word (no words: every
// town, user towns first, then in list order). The best matches come first: a name whose town
// part is the typed text, then one where the typed text ends a word ("Zürich (Kreis 1)" for
// Zürich), then the names that merely begin with it ("Wiendorf" for Wien). Among equal matches
// the user's towns come first, then the more populous towns, then list order (numbers within
// names by their value). A main town is listed once, ranked by its best-matching name, and
// under another name only when its own does not match. `select` is
// listed whatever the search and becomes the selection; without it the first item is selected.
TownList FillTownList(const TownDatabase& db, std::string_view searchText, const TownRecord* select);

// The town that typed text stands for: the first item of FillTownList, so a typed name finds
// the town the town lists put first. Text beginning with "+" looks among the user towns only.
// Nothing when no town matches.
const TownRecord* BestTownMatch(const TownDatabase& db, std::string_view typed);

// The name a town list shows for `town`. A chart keeps 30 bytes of a name, so the atlas names
// a country by its short form (USA, UK) where the full name does not fit; a list names each
// country one way: such a short form becomes the country's name as its region entry writes it,
// taken from the town's zone ("United States, New York"), so "New York Mills, NY, USA" is
// listed as "New York Mills, NY, United States" beside "New York City, United States".
std::string listedTownName(const TownDatabase& db, const TownRecord& town);

struct ZoneListItem {
    std::string text;  // the name; a user zone as "+ " and its name
    const ZoneDescriptor* zone = nullptr;
    int number = -1;  // the zone number a town stores: index, or UserZoneBase + index for user zones
};

// Appends the non-empty zones `first` .. `last` - 1 of `zones` (the user zones when `user`)
// to `items`; returns the index in `items` of `select`'s item, or -1.
int FillZoneList(std::vector<ZoneListItem>& items, const std::vector<ZoneDescriptor>& zones, bool user,
                 const ZoneDescriptor* select, std::size_t first = 0, std::size_t last = SIZE_MAX);

// The zone list of the town editor: the user zones, then the main zones from number 100 to the
// last, then main zones 0..99; `selectNumber`'s zone is selected when it is valid.
struct ZoneList {
    std::vector<ZoneListItem> items;
    int selected = -1;
};
ZoneList townEditorZoneList(const TownDatabase& db, int selectNumber);
