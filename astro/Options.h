#pragma once
// The options record of a run: the settings block (settings file), the data paths (rebuilt
// on every load) and the options block (options file). Field names are the key names of the
// two files; where one key name is used in several sections of the options file, the fields
// of the sections `display`, `symbols` and `colors` live in sub-records of those names
// (`display.houses` is the switch, `colors.houses` the colour, `houseexts` the orb group's
// scopes). Texts are zero-terminated Windows-1250. No Qt here: calculation and drawing take
// the record by const reference.
#include <array>
#include <cstdint>

using ColorRef = std::uint32_t;  // 0x00BBGGRR, as stored in the options file

constexpr int DignityBodyCount = 11;    // Sun .. Pluto, ascending node
constexpr int DignityKindCount = 3;     // domicile, exaltation, triplicity
constexpr int SignCount = 12;           // Aries .. Pisces
constexpr int DignityColumnCount = 15;  // columns of the degree-by-degree dignity table
constexpr int DignitySlotCount = 3;     // bodies per cell of that table
constexpr int ScorePointCount = 14;     // Asc, MC, Sun .. Pluto, ascending and descending node
constexpr int OrbAspectCount = 21;      // aspects 0..17, parallel, contra-parallel, fixed star
constexpr int OrbClassCount = 16;       // Asc, MC, Sun .. Pluto, nodes, cusps, asteroids, other
constexpr int AspectCount = 18;         // the aspects of the aspect selections
constexpr int SpeedBodyCount = 10;      // Sun .. Pluto
constexpr int ConstellationCount = 89;  // string ids 950..1038
constexpr int SymbolBodyCount = 13;     // Sun .. descending node and the thirteenth entry
constexpr int PrintPageCount = 26;
constexpr int PathSize = 260;           // MAX_PATH of the stored paths
constexpr int LastFileCount = 5;
constexpr int LastFileSize = 520;
constexpr int TownNameSize = 31;
constexpr int View3DPathSize = 261;
constexpr int FilterTextSize = 31;
// Rows of the display switches `plansonchart`, `planasps` and `plans`: the chart points 0..23
// (bodies, then Vertex .. Fortune), then one row for the axes and one for the house cusps.
constexpr int DisplayRowAxes = 24;
constexpr int DisplayRowCusps = 25;
constexpr int DisplayRowCount = 26;

enum DignityKind : int { DignityOwn = 0, DignityExalt = 1, DignityTrip = 2 };

// A Windows WINDOWPLACEMENT: length, flags, show command, minimised and maximised
// positions and the normal rectangle; eleven 32-bit fields.
struct WindowPlacement {
    std::uint32_t length = 0;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    std::int32_t minX = 0, minY = 0;
    std::int32_t maxX = 0, maxY = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};
static_assert(sizeof(WindowPlacement) == 44);

enum WindowPlacementIndex : int { PlacementFrame = 0, PlacementRadixShifter = 1, PlacementProgressionShifter = 2 };

// A selection of significators, promissors and aspects for directions, secondary
// directions and transits.
struct TDirectionFilter {
    std::array<bool, 19> significators{};
    std::array<bool, 20> promissors{};
    std::array<bool, AspectCount> aspects{};
    std::array<char, FilterTextSize> filter{};
    std::uint8_t dispmode = 0;
};

// Section `display`, in record order.
struct TDisplayOptions {
    bool black = false;  // white background, black drawing
    bool planets = false, axises = false, houses = false, houseexts = false, longitudes = false;
    bool aspects = false, aspsymbols = false, projasps = false;
    bool fixstars = false, constells = false;
    bool owners = false, exalts = false;
    std::uint8_t startsign = 0;
    bool outerradix = false, longitude = false, latitude = false;
    std::uint8_t rascension = 0;
    bool declination = false, sa = false, adl = false, md = false, ad = false, ch = false, so = false;
    bool decimal = false;
    bool speed = false, distance = false, diameter = false, magnitude = false;
    std::array<bool, 24> plansonchart{};
    std::array<bool, DisplayRowCount> planasps{};
    std::array<bool, DisplayRowCount> plans{};
    std::array<bool, AspectCount> aspsonchart{};
    std::array<bool, AspectCount> asps{};
    bool oppaspsonchart = false, oppasps = false, colloppasps = false;
    std::array<bool, 6> fsconjs{};
    std::array<bool, ConstellationCount> constsonchart{};
    double tablesize = 0;
    std::uint8_t chart_style = 0;
    std::uint8_t aspect_style = 0;
    std::uint8_t aspect_closing = 0;
    std::uint8_t table_style = 0;
    std::uint8_t antialias = 0;
    std::uint8_t wine_workaround = 0;
};

// Section `symbols`: the glyph variant of each body (keys sun .. snd and the nameless
// thirteenth entry) and of the zodiac signs.
struct TSymbolOptions {
    std::array<std::uint8_t, SymbolBodyCount> bodies{};
    std::uint8_t zodiac = 0;
};

// Section `colors`, in record order.
struct TColorOptions {
    ColorRef frame = 0, zodiac = 0, axises = 0, axisnames = 0, houses = 0, housenums = 0;
    std::array<ColorRef, 2> constell{};
    std::array<ColorRef, 7> dignities{};  // by dignity state 0..6
    std::array<ColorRef, AspectCount> aspects{};
    ColorRef background = 0, deftext = 0;
    std::array<ColorRef, 2> table{}, neutral{}, positive{}, negative{};
    std::array<ColorRef, 3> c2_fill_back{};
    ColorRef c2_fill_main = 0;
    ColorRef c2_fill_houses = 0;
    ColorRef c2_fill_center = 0;
    ColorRef c2_fill_planets = 0;
    ColorRef c2_fill_projasp = 0;
    std::array<ColorRef, 2> c2_fill_constell{};
    ColorRef c2_meter = 0;
    ColorRef c2_zodiac = 0;
    ColorRef c2_house_bar = 0;
    ColorRef c2_house_start = 0;
    ColorRef c2_house_sym = 0;
    ColorRef c2_house_outersym = 0;
    ColorRef c2_house_outercirc = 0;
    ColorRef c2_house_pos = 0;
    ColorRef c2_axis_bar = 0;
    ColorRef c2_axis_pos = 0;
    ColorRef c2_axis_outerpos = 0;
    ColorRef c2_planet_pos = 0;
    ColorRef c2_fstar_name = 0;
    ColorRef c2_fstar_arrow = 0;
    ColorRef c2_constell_frame = 0;
    ColorRef c2_constell_name = 0;
    std::array<ColorRef, 2> c2_table_fill_back{};
    std::array<ColorRef, 2> c2_table_fill_cell_light{};
    std::array<ColorRef, 2> c2_table_fill_cell_medium{};
    std::array<ColorRef, 2> c2_table_fill_cell_dark{};
    ColorRef c2_table_mark = 0;
};

// Section `glahn`.
struct TGlahnSelection {
    std::array<bool, DignityBodyCount> planets{};
    std::array<bool, AspectCount> aspects{};
    bool insigns = false;
};

using PathText = std::array<char, PathSize>;

struct TOptions {
    // Settings block (settings file).
    PathText options_file{};
    bool autosave = false;
    std::array<char, TownNameSize> default_town{};
    PathText last_directory{};
    std::int16_t lastfile_count = 0;
    std::array<std::array<char, LastFileSize>, LastFileCount> lastfiles{};
    std::array<WindowPlacement, 3> window_placements{};

    // Data paths: never stored, rebuilt whenever options are loaded.
    PathText times_file{};
    PathText user_times_file{};
    PathText towns_file{};
    PathText user_towns_file{};
    PathText town_exclusions_file{};
    PathText dignities_file{};
    PathText fixed_stars_file{};
    PathText descriptions_file{};
    PathText texts_file{};
    PathText event_types_file{};
    PathText life_areas_file{};
    PathText etiquettes_file{};

    // Options block (options file).
    std::uint8_t nodetype = 0;   // 0 mean node, 1 true node
    std::uint8_t housecalc = 0;  // 0 Zodikeon .. 9 Vehlow
    std::array<std::array<std::array<bool, SignCount>, DignityKindCount>, DignityBodyCount> sign_dignities{};
    // [column][degree][slot]: keyword index (bits 0..5) and star mark (bit 6); derived, not stored.
    std::array<std::array<std::array<std::uint8_t, DignitySlotCount>, 360>, DignityColumnCount> dignity_degree_table{};
    std::array<std::uint8_t, DignityColumnCount> dignity_column_params{};  // from the data file
    bool tripv = false;
    std::uint8_t term_type = 0;  // 0 Egyptian, 1 Lilly
    std::array<std::array<std::uint8_t, 2>, ScorePointCount> scores{};
    bool precess = false;
    std::uint8_t dailymax = 0;
    std::array<std::array<double, OrbClassCount>, OrbAspectCount> orbises{};  // degrees
    double collfactor = 0;
    std::array<double, SpeedBodyCount> avgspeed{};  // mean daily motion, degrees per day
    std::uint8_t stationary_strict = 0;
    std::array<double, SpeedBodyCount> transitfw{};
    std::array<double, SpeedBodyCount> transitbw{};
    std::array<double, 3> houseexts{};  // house scopes before the cusp: Asc-Desc, MC-IC, internal
    double correvs = 0;
    TDisplayOptions display;
    TSymbolOptions symbols;
    TColorOptions colors;
    std::array<char, View3DPathSize> aximmetry_path{};
    std::array<char, View3DPathSize> compound_path{};
    TDirectionFilter directions;
    TDirectionFilter secdirs;
    bool dirkeyasgntohoro = false;
    // The 14-byte group that every chart also carries: onequ .. type.
    bool onequ = false;
    bool truesolar = false;
    std::int16_t angle_int = 0;   // direction angle, integer part as stored ("%d")
    std::uint8_t angle_byte = 0;  // direction angle, second number ("%u")
    double angle_real = 0;        // direction angle, real part ("%.2lf")
    std::uint8_t type = 0;        // direction type
    TGlahnSelection glahn;
    TDirectionFilter transits;
    bool print_black = false;
    std::array<bool, PrintPageCount> print_pages{};  // print dialog selection, not stored
};
