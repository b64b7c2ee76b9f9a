#pragma once
// What the dialogs remember from one opening to the next while the program runs; the
// context holds it, so each run (and each test program) starts with it empty.
#include <QString>

#include "HoroscopeListing.h"

class TDatabaseDialog;

struct HoroscopeBrowserMemory {
    // The listing of the last opening: rebuilt at every opening and by Refresh or a folder change.
    HoroscopeListing listing;
    // The search text, shown again at the next opening.
    QString searchText;
    // The browser being shown, whose list points into the listing; none when closed.
    TDatabaseDialog* open = nullptr;
};

struct RunMemory {
    HoroscopeBrowserMemory browser;
    // The first letters of a town name that the towns list was last opened with.
    QString townPrefix;
};
