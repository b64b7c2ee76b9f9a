#pragma once
// Command ids shared by the menu, the accelerators and the tool bar.
enum CommandId : int {
    CM_PERSONALDATA = 40121,
    CM_NEW = 40101,
    CM_OPEN = 40102,
    CM_SAVE = 40103,
    CM_SAVEAS = 40104,
    CM_PRINT = 40106,
    CM_IMPORTTOWNS = 40109,
    CM_IMPORTCHARTS = 40110,
    CM_EXPORTCHARTS = 40111,
    CM_LASTFILE0 = 2000,  // 2000..2004: the recently-used entries
    CM_EXIT = 24310,
    CM_VIEWWHEEL = 40301,
    CM_VIEWPOSITIONS = 40302,
    CM_VIEWSIGNS = 40303,
    CM_VIEWASPECTS = 40305,
    CM_VIEWDETAILS = 40306,
    CM_VIEWCOMBINED = 40307,
    CM_DISPLAY1 = 40200,
    CM_DISPLAY2 = 40201,
    CM_SYMBOLS = 40202,
    CM_COLORS = 40203,
    CM_DIGNITIES = 40204,
    CM_ORBISES = 40205,
    CM_SCORES = 40206,
    CM_HOUSE0 = 40261,  // 40261..40270: the ten house systems
    CM_NODEMEAN = 40281,
    CM_NODETRUE = 40282,
    CM_AUTOSAVE = 40250,
    CM_SAVEOPTIONS = 40251,
    CM_RETRIEVEOPTIONS = 40252,
    CM_CASCADE = 24361,
    CM_TILE = 24362,
    CM_ARRANGEICONS = 24364,
    CM_CLOSEALL = 24365,
    CM_RADIXSHIFTER = 40402,
    CM_COLLATION = 40403,
    // Transits: the list and time line of a period, and the selection they search.
    CM_TRANSITS = 40420,
    CM_TRANSITSELECTION = 40421,
    CM_MANUAL = 42000,
    CM_WEBSITE = 42002,
    CM_ENGLISH = 40190,
    CM_HUNGARIAN = 40191,
    CM_ABOUT = 40108,
    // View navigation keys.
    CM_NAV_UP = 41000,
    CM_NAV_DOWN = 41001,
    CM_NAV_LEFT = 41002,
    CM_NAV_RIGHT = 41003,
    CM_NAV_PAGEUP = 41004,
    CM_NAV_PAGEDOWN = 41005,
    CM_NAV_PAGELEFT = 41006,
    CM_NAV_PAGERIGHT = 41007,
    CM_NAV_STEPFORWARD = 41008,
    CM_NAV_STEPBACK = 41009,
    CM_NAV_STEPFORWARD10 = 41010,
    CM_NAV_STEPBACK10 = 41011,
    CM_NAV_KEYPADSTAR = 41012,
    CM_NAV_KEYPADSLASH = 41013,
    CM_NAV_ZOOMIN = 41014,
    CM_NAV_ZOOMOUT = 41015,
    CM_NAV_INNEROUTER = 41016,
    CM_NAV_RESET = 41017,
    CM_CLOSEWINDOW = 24366,  // closes the active chart window
    CM_WINDOW0 = 24400,      // 24400..24498: the chart windows listed in the Window menu

    // Returns, progressions and the midtime chart.
    CM_RETURN = 40410,
    CM_PROGRESSIONS = 40411,
    CM_MIDTIME = 40412,
    CM_DIRECTIONS = 40413,
    CM_PROGRESSIONSHIFTER = 40414,

    // Primary and secondary directions, their selections and the rectification.
    CM_PRIMARYDIRECTIONS = 40430,
    CM_SECONDARYDIRECTIONS = 40431,
    CM_RECTIFICATION = 40432,
    CM_DIRECTIONSELECTION = 40433,
    CM_SECDIRSELECTION = 40434,
};

// Items with ids from here on are shown only when a handler exists for them.
constexpr int kOptionalCommandBase = 42000;
