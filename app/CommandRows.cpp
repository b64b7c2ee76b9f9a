// The command table: one row per command. A new command is a row here and its handler.
#include <QtGlobal>

#include "AppCommands.h"
#include "AppContext.h"
#include "CommandIds.h"
#include "SettingsFile.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "THoroWindow.h"
#include "TRadixWindow.h"
#include "Houses.h"
#include "ToolIcons.h"

namespace {

constexpr int HouseSystemChoice = 1, NodeTypeChoice = 2, LanguageChoice = 3;

// Tool-bar groups: chart files, views, tools.
constexpr int FileTools = 1, ViewTools = 2, ShifterTools = 3;

}  // namespace

std::vector<CommandRow> AppCommands::rows() {
    const auto chart = [this] { return hasChart(); };
    const auto natal = [this] { return hasNatalChart(); };
    // A collation window shows its bi-wheel for the wheel, its grid for the aspects and both
    // charts' positions for the positions.
    const auto viewIs = [this](ChartView v) {
        return [this, v] {
            const TRadixWindow* c = activeChart();
            return activeWindow() && activeWindow()->viewKind() == (c ? c->shownView(v) : v);
        };
    };
    const auto singleChart = [this] { return hasNatalChart() && !activeChart()->isCollation(); };
    const auto show = [this](ChartView v) { return [this, v] { activeWindow()->setViewKind(v); }; };

    std::vector<CommandRow> r = {
        {CM_PERSONALDATA, QT_TRANSLATE_NOOP("Menu", "Personal &data..."), {Qt::Key_F4, Qt::CTRL | Qt::Key_E},
         toolPicturePerson, FileTools, [this] { personalData(); }, singleChart, {}},
        {CM_NEW, QT_TRANSLATE_NOOP("Menu", "&New..."), {Qt::SHIFT | Qt::Key_F3, Qt::CTRL | Qt::Key_N}, toolPictureNew,
         FileTools, [this] { newChart(); }, {}, {}},
        {CM_OPEN, QT_TRANSLATE_NOOP("Menu", "&Open..."), {Qt::Key_F3, Qt::CTRL | Qt::Key_O}, toolPictureOpen, FileTools,
         [this] { open(); }, {}, {}},
        {CM_SAVE, QT_TRANSLATE_NOOP("Menu", "&Save"), {Qt::Key_F2, Qt::CTRL | Qt::Key_S}, toolPictureSave, FileTools,
         [this] { save(); }, [this] { return activeChart() && activeChart()->isModified(); }, {}},
        {CM_SAVEAS, QT_TRANSLATE_NOOP("Menu", "Save &as..."), {Qt::SHIFT | Qt::Key_F2, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
         nullptr, 0, [this] { saveAs(); }, [this] { return activeChart() && !activeChart()->isUntitled() && !activeChart()->isCollation(); }, {}},
        {CM_PRINT, QT_TRANSLATE_NOOP("Menu", "&Print..."), {Qt::CTRL | Qt::Key_F2, Qt::CTRL | Qt::Key_P},
         toolPicturePrint, FileTools, [this] { print(); }, natal, {}},
        {CM_COLLATION, QT_TRANSLATE_NOOP("Menu", "Co&llation..."), {Qt::Key_F8, Qt::CTRL | Qt::Key_L},
         toolPictureCollation, ShifterTools, [this] { collate(); }, natal, {}},
        {CM_IMPORTTOWNS, QT_TRANSLATE_NOOP("Menu", "Import &towns..."), {}, nullptr, 0, [this] { importTowns(); }, {},
         {}},
        {CM_IMPORTCHARTS, QT_TRANSLATE_NOOP("Menu", "&Import charts..."), {}, nullptr, 0, [this] { importCharts(); },
         {}, {}},
        {CM_EXPORTCHARTS, QT_TRANSLATE_NOOP("Menu", "&Export open charts..."), {}, nullptr, 0,
         [this] { exportOpenCharts(); }, chart, {}},
        // Ctrl+Q as well: the desktop's own key for leaving a program.
        {CM_EXIT, QT_TRANSLATE_NOOP("Menu", "E&xit"), {Qt::ALT | Qt::Key_F4, Qt::CTRL | Qt::Key_Q}, nullptr, 0,
         [this] { exit(); }, {}, {}},

        {CM_VIEWWHEEL, QT_TRANSLATE_NOOP("Menu", "&Wheel"), {Qt::Key_F5}, toolPictureWheel, ViewTools,
         show(ChartView::Wheel), chart, viewIs(ChartView::Wheel)},
        {CM_VIEWPOSITIONS, QT_TRANSLATE_NOOP("Menu", "&Planet and house cusp positions"), {Qt::Key_F6},
         toolPicturePositions, ViewTools, show(ChartView::Positions), natal, viewIs(ChartView::Positions)},
        {CM_VIEWSIGNS, QT_TRANSLATE_NOOP("Menu", "Planets in &signs and houses"), {Qt::Key_F7}, toolPictureSigns,
         ViewTools, show(ChartView::SignsHouses), singleChart, viewIs(ChartView::SignsHouses)},
        {CM_VIEWASPECTS, QT_TRANSLATE_NOOP("Menu", "&Aspects"), {Qt::Key_F9}, toolPictureAspects, ViewTools,
         show(ChartView::Aspects), chart, viewIs(ChartView::Aspects)},
        {CM_VIEWDETAILS, QT_TRANSLATE_NOOP("Menu", "Deta&iled aspect data"), {Qt::SHIFT | Qt::Key_F9}, nullptr, 0,
         show(ChartView::AspectDetails), singleChart, viewIs(ChartView::AspectDetails)},
        {CM_VIEWCOMBINED, QT_TRANSLATE_NOOP("Menu", "&Combined planet and aspect table"), {Qt::SHIFT | Qt::Key_F5},
         toolPictureCombined, ViewTools, show(ChartView::Combined), singleChart, viewIs(ChartView::Combined)},

        {CM_DISPLAY1, QT_TRANSLATE_NOOP("Menu", "&Display I..."), {}, nullptr, 0, [this] { editDisplay1(); }, {}, {}},
        {CM_DISPLAY2, QT_TRANSLATE_NOOP("Menu", "D&isplay II..."), {}, nullptr, 0, [this] { editDisplay2(); }, {}, {}},
        {CM_SYMBOLS, QT_TRANSLATE_NOOP("Menu", "S&ymbols..."), {}, nullptr, 0, [this] { editSymbols(); }, {}, {}},
        {CM_COLORS, QT_TRANSLATE_NOOP("Menu", "C&olors..."), {}, nullptr, 0, [this] { editColors(); }, {}, {}},
        {CM_DIGNITIES, QT_TRANSLATE_NOOP("Menu", "&Dignities..."), {}, nullptr, 0, [this] { editDignities(); }, {}, {}},
        {CM_ORBISES, QT_TRANSLATE_NOOP("Menu", "&Orbises..."), {}, nullptr, 0, [this] { editOrbs(); }, {}, {}},
        {CM_SCORES, QT_TRANSLATE_NOOP("Menu", "S&cores..."), {}, nullptr, 0, [this] { editScores(); }, {}, {}},
        {CM_AUTOSAVE, QT_TRANSLATE_NOOP("Menu", "A&uto save"), {}, nullptr, 0, [this] { toggleAutoSave(); }, {},
         [this] { return m_ctx.options().autosave != 0; }},
        {CM_SAVEOPTIONS, QT_TRANSLATE_NOOP("Menu", "&Save..."), {}, nullptr, 0, [this] { saveOptions(); }, {}, {}},
        {CM_RETRIEVEOPTIONS, QT_TRANSLATE_NOOP("Menu", "&Retrieve..."), {}, nullptr, 0, [this] { retrieveOptions(); },
         {}, {}},

        {CM_CASCADE, QT_TRANSLATE_NOOP("Menu", "&Cascade"), {Qt::CTRL | Qt::Key_F5}, nullptr, 0,
         [this] { client().cascade(); }, {}, {}},
        {CM_TILE, QT_TRANSLATE_NOOP("Menu", "&Tile"), {Qt::CTRL | Qt::Key_F7}, nullptr, 0,
         [this] { client().tileSubWindows(); }, {}, {}},
        {CM_ARRANGEICONS, QT_TRANSLATE_NOOP("Menu", "Arrange &icons"), {}, nullptr, 0, [this] { arrangeIcons(); }, {}, {}},
        {CM_CLOSEALL, QT_TRANSLATE_NOOP("Menu", "C&lose All"), {}, nullptr, 0, [this] { closeAll(); }, {}, {}},
        {CM_CLOSEWINDOW, QT_TRANSLATE_NOOP("Menu", "Cl&ose"), {Qt::CTRL | Qt::Key_F4}, nullptr, 0,
         [this] { closeActive(); }, chart, {}},
        {CM_RADIXSHIFTER, QT_TRANSLATE_NOOP("Menu", "&Radix shifter"), {Qt::CTRL | Qt::Key_R}, toolPictureShifter,
         ShifterTools, [this] { m_frame.showShifter(!m_frame.shifterVisible()); }, {},
         [this] { return m_frame.shifterVisible(); }},

        {CM_MANUAL, QT_TRANSLATE_NOOP("Menu", "&Zodikeon manual"), {Qt::Key_F1}, nullptr, 0, [this] { openManual(); },
         {}, {}},
        {CM_WEBSITE, QT_TRANSLATE_NOOP("Menu", "Z&odikeon website"), {}, nullptr, 0, [this] { openWebsite(); }, {}, {}},
        {CM_ENGLISH, QT_TRANSLATE_NOOP("Menu", "English (US)"), {}, nullptr, 0,
         [this] { m_switchLanguage(LanguageEnglish); }, {},
         [this] { return m_ctx.state.LanguageId == LanguageEnglish; }, LanguageChoice},
        {CM_HUNGARIAN, QT_TRANSLATE_NOOP("Menu", "Magyar"), {}, nullptr, 0,
         [this] { m_switchLanguage(LanguageHungarian); }, {},
         [this] { return m_ctx.state.LanguageId == LanguageHungarian; }, LanguageChoice},
        {CM_ABOUT, QT_TRANSLATE_NOOP("Menu", "&About..."), {}, nullptr, 0, [this] { about(); }, {}, {}},
    };

    static const char* const houseNames[] = {
        QT_TRANSLATE_NOOP("Menu", "&Zodikeon"),   QT_TRANSLATE_NOOP("Menu", "&Regiomontanus"),
        QT_TRANSLATE_NOOP("Menu", "&Campanus"),   QT_TRANSLATE_NOOP("Menu", "Pa&ge-Polich"),
        QT_TRANSLATE_NOOP("Menu", "&Koch"),       QT_TRANSLATE_NOOP("Menu", "&Alcabitius"),
        QT_TRANSLATE_NOOP("Menu", "P&orphyrius"), QT_TRANSLATE_NOOP("Menu", "&Indian"),
        QT_TRANSLATE_NOOP("Menu", "&Equal"),      QT_TRANSLATE_NOOP("Menu", "&Vehlow"),
    };
    for (int h = 0; h < HouseSystemCount; ++h)
        r.push_back({CM_HOUSE0 + h, houseNames[h], {}, nullptr, 0, [this, h] { setHouseSystem(h); }, {},
                     [this, h] { return m_ctx.options().housecalc == h; }, HouseSystemChoice});
    static const char* const nodeNames[] = {QT_TRANSLATE_NOOP("Menu", "&Mean"), QT_TRANSLATE_NOOP("Menu", "&True")};
    for (int n = 0; n < 2; ++n)
        r.push_back({CM_NODEMEAN + n, nodeNames[n], {}, nullptr, 0, [this, n] { setNodeType(n); }, {},
                     [this, n] { return m_ctx.options().nodetype == n; }, NodeTypeChoice});

    // The view navigation keys act on the active chart window; they have no menu item.
    const std::pair<int, QList<QKeySequence>> keys[] = {
        {CM_NAV_UP, {Qt::Key_Up}},
        {CM_NAV_DOWN, {Qt::Key_Down}},
        {CM_NAV_LEFT, {Qt::Key_Left}},
        {CM_NAV_RIGHT, {Qt::Key_Right}},
        {CM_NAV_PAGEUP, {Qt::Key_PageUp, Qt::CTRL | Qt::Key_Up}},
        {CM_NAV_PAGEDOWN, {Qt::Key_PageDown, Qt::CTRL | Qt::Key_Down}},
        {CM_NAV_PAGELEFT, {Qt::CTRL | Qt::Key_Left}},
        {CM_NAV_PAGERIGHT, {Qt::CTRL | Qt::Key_Right}},
        // Keyboards without a keypad step the time with the ordinary + and - keys; "=" is the
        // unshifted + of many laptop layouts.
        {CM_NAV_STEPFORWARD, {Qt::KeypadModifier | Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Equal}},
        {CM_NAV_STEPBACK, {Qt::KeypadModifier | Qt::Key_Minus, Qt::Key_Minus}},
        {CM_NAV_STEPFORWARD10,
         {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus, Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}},
        {CM_NAV_STEPBACK10, {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus, Qt::CTRL | Qt::Key_Minus}},
        {CM_NAV_KEYPADSTAR, {Qt::KeypadModifier | Qt::Key_Asterisk}},
        {CM_NAV_KEYPADSLASH, {Qt::KeypadModifier | Qt::Key_Slash}},
        {CM_NAV_ZOOMIN, {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Asterisk}},
        {CM_NAV_ZOOMOUT, {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Slash}},
        {CM_NAV_INNEROUTER, {Qt::CTRL | Qt::Key_I}},
        {CM_NAV_RESET, {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0}},
    };
    for (const auto& [id, sequence] : keys)
        r.push_back({id, nullptr, sequence, nullptr, 0, [this, id = id] { navigate(id); }, {}, {}});

    // Transits: the window of the active natal chart, and the selection they search.
    r.push_back({CM_TRANSITS, QT_TRANSLATE_NOOP("Menu", "T&ransits..."), {Qt::CTRL | Qt::Key_T}, nullptr, 0,
                 [this] { showTransits(); }, singleChart, {}});
    r.push_back({CM_TRANSITSELECTION, QT_TRANSLATE_NOOP("Menu", "&Transits..."), {}, nullptr, 0,
                 [this] { editTransitSelection(); }, {}, {}});

    for (int i = 0; i < LastFileCount; ++i)
        r.push_back({CM_LASTFILE0 + i, nullptr, {}, nullptr, 0, [this, i] { m_frame.openLastFile(i); }, {}, {}});

    for (CommandRow& row : whenRows())
        r.push_back(std::move(row));
    for (CommandRow& row : directionRows())
        r.push_back(std::move(row));
    return r;
}
