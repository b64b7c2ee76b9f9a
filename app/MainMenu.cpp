#include "MainMenu.h"

#include <QtGlobal>

#include "CommandIds.h"

namespace {

MenuNode cmd(int id) { return {MenuNode::Command, id, nullptr, {}}; }
MenuNode sep() { return {MenuNode::Separator, 0, nullptr, {}}; }
MenuNode popup(const char* text, std::vector<MenuNode> items) { return {MenuNode::Popup, 0, text, std::move(items)}; }

}  // namespace

std::vector<MenuNode> mainMenu() {
    return {
        popup(QT_TRANSLATE_NOOP("Menu", "&Horoscope"),
              {
                  cmd(CM_PERSONALDATA),
                  sep(),
                  cmd(CM_NEW),
                  cmd(CM_OPEN),
                  cmd(CM_SAVE),
                  cmd(CM_SAVEAS),
                  sep(),
                  cmd(CM_PRINT),
                  sep(),
                  cmd(CM_COLLATION),
                  cmd(CM_TRANSITS),
                  sep(),
                  cmd(CM_RETURN),
                  cmd(CM_PROGRESSIONS),
                  cmd(CM_MIDTIME),
                  sep(),
                  cmd(CM_PRIMARYDIRECTIONS),
                  cmd(CM_SECONDARYDIRECTIONS),
                  cmd(CM_RECTIFICATION),
                  sep(),
                  cmd(CM_IMPORTTOWNS),
                  sep(),
                  cmd(CM_IMPORTCHARTS),
                  cmd(CM_EXPORTCHARTS),
                  sep(),
                  cmd(CM_EXIT),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "&Table"),
              {
                  cmd(CM_VIEWWHEEL),
                  cmd(CM_VIEWPOSITIONS),
                  cmd(CM_VIEWSIGNS),
                  cmd(CM_VIEWASPECTS),
                  cmd(CM_VIEWDETAILS),
                  cmd(CM_VIEWCOMBINED),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "&Options"),
              {
                  cmd(CM_DISPLAY1),
                  cmd(CM_DISPLAY2),
                  cmd(CM_SYMBOLS),
                  cmd(CM_COLORS),
                  sep(),
                  popup(QT_TRANSLATE_NOOP("Menu", "&House calculation method"),
                        {
                            cmd(CM_HOUSE0 + 0),
                            cmd(CM_HOUSE0 + 1),
                            cmd(CM_HOUSE0 + 2),
                            cmd(CM_HOUSE0 + 3),
                            cmd(CM_HOUSE0 + 4),
                            cmd(CM_HOUSE0 + 5),
                            cmd(CM_HOUSE0 + 6),
                            cmd(CM_HOUSE0 + 7),
                            cmd(CM_HOUSE0 + 8),
                            cmd(CM_HOUSE0 + 9),
                        }),
                  popup(QT_TRANSLATE_NOOP("Menu", "Lunar &node type"),
                        {
                            cmd(CM_NODEMEAN),
                            cmd(CM_NODETRUE),
                        }),
                  sep(),
                  cmd(CM_DIGNITIES),
                  cmd(CM_ORBISES),
                  cmd(CM_SCORES),
                  cmd(CM_TRANSITSELECTION),
                  sep(),
                  cmd(CM_DIRECTIONS),
                  cmd(CM_DIRECTIONSELECTION),
                  cmd(CM_SECDIRSELECTION),
                  sep(),
                  cmd(CM_AUTOSAVE),
                  cmd(CM_SAVEOPTIONS),
                  cmd(CM_RETRIEVEOPTIONS),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "&Window"),
              {
                  cmd(CM_CASCADE),
                  cmd(CM_TILE),
                  cmd(CM_ARRANGEICONS),
                  cmd(CM_CLOSEALL),
                  cmd(CM_CLOSEWINDOW),
                  sep(),
                  cmd(CM_RADIXSHIFTER),
                  cmd(CM_PROGRESSIONSHIFTER),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "H&elp"),
              {
                  cmd(CM_MANUAL),
                  cmd(CM_WEBSITE),
                  sep(),
                  popup(QT_TRANSLATE_NOOP("Menu", "Language"),
                        {
                            cmd(CM_ENGLISH),
                            cmd(CM_HUNGARIAN),
                        }),
                  sep(),
                  cmd(CM_ABOUT),
              }),
    };
}

void PruneMenu(std::vector<MenuNode>& items, const std::function<bool(int)>& hasHandler) {
    std::vector<MenuNode> kept;
    for (MenuNode& item : items) {
        switch (item.kind) {
        case MenuNode::Popup:
            PruneMenu(item.children, hasHandler);
            if (!item.children.empty())
                kept.push_back(std::move(item));
            break;
        case MenuNode::Command:
            if (item.id < kOptionalCommandBase || hasHandler(item.id))
                kept.push_back(std::move(item));
            break;
        case MenuNode::Separator:
            if (!kept.empty() && kept.back().kind != MenuNode::Separator)
                kept.push_back(std::move(item));
            break;
        }
    }
    if (!kept.empty() && kept.back().kind == MenuNode::Separator)
        kept.pop_back();
    items = std::move(kept);
}
