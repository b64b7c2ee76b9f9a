#pragma once
// The main menu as data: popups with their English source texts (translated through Qt's "Menu"
// context when the menu is built), separators, and commands by id (their texts are the command
// table's).
#include <functional>
#include <vector>

struct MenuNode {
    enum Kind { Command, Separator, Popup };
    Kind kind = Command;
    int id = 0;
    const char* text = nullptr;
    std::vector<MenuNode> children;
};

// The menu of the frame, in the order of its popups.
std::vector<MenuNode> mainMenu();

// Tidies a freshly loaded menu: a popup is pruned first and dropped when it ends up empty;
// a command with an id of 42000 or above is dropped unless `hasHandler` says it has one;
// a separator is dropped when it comes first or follows another; a trailing separator goes.
void PruneMenu(std::vector<MenuNode>& items, const std::function<bool(int)>& hasHandler);
