#include "MainMenu.h"

#include <QtGlobal>

#include "CommandIds.h"

namespace {

MenuNode cmd(int id, const char* text) { return {MenuNode::Command, id, text, {}}; }
MenuNode sep() { return {MenuNode::Separator, 0, nullptr, {}}; }
MenuNode popup(const char* text, std::vector<MenuNode> items) { return {MenuNode::Popup, 0, text, std::move(items)}; }

}  // namespace

std::vector<MenuNode> mainMenu() {
    return {
        popup(QT_TRANSLATE_NOOP("Menu", "&Horoscope"),
              {
                  cmd(CM_PERSONALDATA, QT_TRANSLATE_NOOP("Menu", "Personal &data...")),
                  sep(),
                  cmd(CM_NEW, QT_TRANSLATE_NOOP("Menu", "&New...")),
                  cmd(CM_OPEN, QT_TRANSLATE_NOOP("Menu", "&Open...")),
                  cmd(CM_SAVE, QT_TRANSLATE_NOOP("Menu", "&Save")),
                  cmd(CM_SAVEAS, QT_TRANSLATE_NOOP("Menu", "Save &as...")),
                  sep(),
                  cmd(CM_PRINT, QT_TRANSLATE_NOOP("Menu", "&Print...")),
                  sep(),
                  cmd(CM_IMPORTTOWNS, QT_TRANSLATE_NOOP("Menu", "Import &towns...")),
                  sep(),
                  cmd(CM_EXIT, QT_TRANSLATE_NOOP("Menu", "E&xit")),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "&Table"),
              {
                  cmd(CM_VIEWWHEEL, QT_TRANSLATE_NOOP("Menu", "&Wheel")),
                  cmd(CM_VIEWPOSITIONS, QT_TRANSLATE_NOOP("Menu", "&Planet and house cusp positions")),
                  cmd(CM_VIEWSIGNS, QT_TRANSLATE_NOOP("Menu", "Planets in &signs and houses")),
                  cmd(CM_VIEWASPECTS, QT_TRANSLATE_NOOP("Menu", "&Aspects")),
                  cmd(CM_VIEWDETAILS, QT_TRANSLATE_NOOP("Menu", "Deta&iled aspect data")),
                  cmd(CM_VIEWCOMBINED, QT_TRANSLATE_NOOP("Menu", "&Combined planet and aspect table")),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "&Options"),
              {
                  cmd(CM_DISPLAY1, QT_TRANSLATE_NOOP("Menu", "&Display I...")),
                  cmd(CM_DISPLAY2, QT_TRANSLATE_NOOP("Menu", "D&isplay II...")),
                  cmd(CM_SYMBOLS, QT_TRANSLATE_NOOP("Menu", "S&ymbols...")),
                  cmd(CM_COLORS, QT_TRANSLATE_NOOP("Menu", "C&olors...")),
                  sep(),
                  popup(QT_TRANSLATE_NOOP("Menu", "&House calculation method"),
                        {
                            cmd(CM_HOUSE0 + 0, QT_TRANSLATE_NOOP("Menu", "&Zodikeon")),
                            cmd(CM_HOUSE0 + 1, QT_TRANSLATE_NOOP("Menu", "&Regiomontanus")),
                            cmd(CM_HOUSE0 + 2, QT_TRANSLATE_NOOP("Menu", "&Campanus")),
                            cmd(CM_HOUSE0 + 3, QT_TRANSLATE_NOOP("Menu", "Pa&ge-Polich")),
                            cmd(CM_HOUSE0 + 4, QT_TRANSLATE_NOOP("Menu", "&Koch")),
                            cmd(CM_HOUSE0 + 5, QT_TRANSLATE_NOOP("Menu", "&Alcabitius")),
                            cmd(CM_HOUSE0 + 6, QT_TRANSLATE_NOOP("Menu", "P&orphyrius")),
                            cmd(CM_HOUSE0 + 7, QT_TRANSLATE_NOOP("Menu", "&Indian")),
                            cmd(CM_HOUSE0 + 8, QT_TRANSLATE_NOOP("Menu", "&Equal")),
                            cmd(CM_HOUSE0 + 9, QT_TRANSLATE_NOOP("Menu", "&Vehlow")),
                        }),
                  popup(QT_TRANSLATE_NOOP("Menu", "Lunar &node type"),
                        {
                            cmd(CM_NODEMEAN, QT_TRANSLATE_NOOP("Menu", "&Mean")),
                            cmd(CM_NODETRUE, QT_TRANSLATE_NOOP("Menu", "&True")),
                        }),
                  sep(),
                  cmd(CM_DIGNITIES, QT_TRANSLATE_NOOP("Menu", "&Dignities...")),
                  cmd(CM_ORBISES, QT_TRANSLATE_NOOP("Menu", "&Orbises...")),
                  cmd(CM_SCORES, QT_TRANSLATE_NOOP("Menu", "S&cores...")),
                  sep(),
                  cmd(CM_AUTOSAVE, QT_TRANSLATE_NOOP("Menu", "A&uto save")),
                  cmd(CM_SAVEOPTIONS, QT_TRANSLATE_NOOP("Menu", "&Save...")),
                  cmd(CM_RETRIEVEOPTIONS, QT_TRANSLATE_NOOP("Menu", "&Retrieve...")),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "&Window"),
              {
                  cmd(CM_CASCADE, QT_TRANSLATE_NOOP("Menu", "&Cascade")),
                  cmd(CM_TILE, QT_TRANSLATE_NOOP("Menu", "&Tile")),
                  cmd(CM_ARRANGEICONS, QT_TRANSLATE_NOOP("Menu", "Arrange &icons")),
                  cmd(CM_CLOSEALL, QT_TRANSLATE_NOOP("Menu", "C&lose All")),
                  sep(),
                  cmd(CM_RADIXSHIFTER, QT_TRANSLATE_NOOP("Menu", "&Radix shifter")),
              }),
        popup(QT_TRANSLATE_NOOP("Menu", "H&elp"),
              {
                  cmd(CM_MANUAL, QT_TRANSLATE_NOOP("Menu", "&Zodikeon manual")),
                  cmd(CM_WEBSITE, QT_TRANSLATE_NOOP("Menu", "Z&odikeon website")),
                  sep(),
                  popup(QT_TRANSLATE_NOOP("Menu", "Language"),
                        {
                            cmd(CM_ENGLISH, QT_TRANSLATE_NOOP("Menu", "English (US)")),
                            cmd(CM_HUNGARIAN, QT_TRANSLATE_NOOP("Menu", "Magyar")),
                        }),
                  sep(),
                  cmd(CM_ABOUT, QT_TRANSLATE_NOOP("Menu", "&About...")),
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
