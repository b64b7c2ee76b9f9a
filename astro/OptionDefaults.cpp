#include "OptionDefaults.h"

#include <type_traits>

#include "ChartIndex.h"
#include "FixedText.h"

const std::array<int, 26> DefaultChartConstellations = {
    3,  4,  6,  11, 15, 20, 27, 28, 31, 34, 35, 37, 41,  // Aquarius .. Hydra
    45, 48, 54, 58, 59, 65, 71, 72, 75, 76, 77, 78, 86,  // Leo .. Virgo
};

namespace {

// The options block runs from `nodetype` to the end of the record.
void clearOptionsBlock(TOptions& o) {
    static_assert(std::is_trivially_copyable_v<TOptions>);
    TOptions zero{};
    zero.options_file = o.options_file;
    zero.autosave = o.autosave;
    zero.default_town = o.default_town;
    zero.last_directory = o.last_directory;
    zero.lastfile_count = o.lastfile_count;
    zero.lastfiles = o.lastfiles;
    zero.window_placements = o.window_placements;
    zero.times_file = o.times_file;
    zero.user_times_file = o.user_times_file;
    zero.towns_file = o.towns_file;
    zero.user_towns_file = o.user_towns_file;
    zero.town_exclusions_file = o.town_exclusions_file;
    zero.dignities_file = o.dignities_file;
    zero.fixed_stars_file = o.fixed_stars_file;
    zero.descriptions_file = o.descriptions_file;
    zero.texts_file = o.texts_file;
    zero.event_types_file = o.event_types_file;
    zero.life_areas_file = o.life_areas_file;
    zero.etiquettes_file = o.etiquettes_file;
    o = zero;
}

}  // namespace

void SetDefaultOptions(TOptions& o) {
    clearOptionsBlock(o);

    for (auto& row : o.orbises)
        row.fill(1.0);
    o.orbises[20][2] = 1.5;  // fixed-star conjunctions of the Sun and the Moon
    o.orbises[20][3] = 1.5;
    o.stationary_strict = 1;

    TDisplayOptions& d = o.display;
    d.speed = d.distance = d.diameter = d.magnitude = true;
    d.planasps[DisplayRowAxes] = true;
    for (int i = 0; i < BodyLilith; ++i)  // Sun .. both nodes
        d.plans[i] = true;
    d.plans[DisplayRowAxes] = d.plans[DisplayRowCusps] = true;
    for (int i : DefaultChartConstellations)
        d.constsonchart[i] = true;
    d.chart_style = 2;
    d.table_style = 2;
    d.antialias = 2;

    TColorOptions& c = o.colors;
    c.constell = {0xF0D0D0, 0xF0B0B0};
    for (int i = 11; i < 15; ++i)
        c.aspects[i] = 0x800080;
    for (int i = 15; i < 18; ++i)
        c.aspects[i] = 0xFFFF00;
    c.c2_fill_back = {0xC5B0A0, 0x8D6F5E, 0xA98F7E};
    c.c2_fill_main = 0xD9CBC2;
    c.c2_fill_houses = 0xE8E0DA;
    c.c2_fill_center = 0xD9CBC2;
    c.c2_fill_planets = 0xE6E0DC;
    c.c2_fill_projasp = 0xD7C9C0;
    c.c2_fill_constell = {0xF5EFEA, 0xD6BFAE};
    c.c2_meter = 0xE8E0DA;
    c.c2_zodiac = 0xE8E0DA;
    c.c2_house_bar = 0xFFFFFF;
    c.c2_house_start = 0xBAA18E;
    c.c2_house_sym = 0xBAA18E;
    c.c2_house_outersym = 0xE6E0DC;
    c.c2_house_outercirc = 0xE8E0DA;
    c.c2_house_pos = 0xFFFFFF;
    c.c2_axis_bar = 0x67593F;
    c.c2_axis_pos = 0x67593F;
    c.c2_axis_outerpos = 0x252017;
    c.c2_planet_pos = 0x000000;
    c.c2_fstar_name = 0x000000;
    c.c2_fstar_arrow = 0x000000;
    c.c2_constell_frame = 0x67593F;
    c.c2_constell_name = 0x000000;
    c.c2_table_fill_back = {0xC5B0A0, 0xAC9585};
    c.c2_table_fill_cell_light = {0xF6F3F2, 0xEAE2DE};
    c.c2_table_fill_cell_medium = {0xE8E0DA, 0xDED3CA};
    c.c2_table_fill_cell_dark = {0xD9CBC2, 0xD2C2B7};
    c.c2_table_mark = 0xB2A49B;

    setFixedText(o.compound_path, "[Common_Studio]:Compounds\\Astro\\Astro_3D_Chart.xcomp");
    o.dirkeyasgntohoro = true;
    o.secdirs.significators.fill(true);
    o.secdirs.promissors.fill(true);
    for (int i : {0, 1, 2, 3, 5, 6, 7, 9, 10})
        o.secdirs.aspects[i] = true;
    o.secdirs.dispmode = 2;
}
