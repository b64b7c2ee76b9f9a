#include "OptionsFile.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>

#include "ChartIndex.h"
#include "DignityDegreeTable.h"
#include "DignityFile.h"
#include "FileFormat.h"
#include "FixedText.h"
#include "JoinPath.h"
#include "OptionDefaults.h"
#include "ProfileFile.h"
#include "ProfileValues.h"

const char* const OptionsFileDescription = "Zodikeon 4.0 Options File - Revision K";

namespace {

// List values are read through a buffer of this size, as the file format was defined with.
constexpr std::size_t ListBufferSize = 201;

enum class MarksConversion { None, Planasps, Plans };

constexpr const char* DignityBodyKeys[DignityBodyCount] = {"sun", "mon", "mer", "ven", "mrs", "jup",
                                                           "sat", "urn", "nep", "plu", "nnd"};
constexpr const char* DignityKindKeys[DignityKindCount] = {"own", "exa", "tri"};
constexpr const char* ScoreKeys[ScorePointCount] = {"asc", "mc",  "sun", "mon", "mer", "ven", "mrs",
                                                    "jup", "sat", "urn", "nep", "plu", "nnd", "snd"};
constexpr const char* AspectKeys[OrbAspectCount] = {"con", "ses", "seq", "sex", "qut", "qua", "tri",
                                                    "ssq", "bqu", "qui", "opp", "nbe", "nb5", "nb7",
                                                    "qdc", "nov", "bnv", "qnv", "par", "apa", "fst"};
// The thirteenth symbol entry has always been written with an empty key name.
constexpr const char* SymbolKeys[SymbolBodyCount] = {"sun", "mon", "mer", "ven", "mrs", "jup", "sat",
                                                     "urn", "nep", "plu", "nnd", "snd", ""};

template <class T>
auto one(T& value) {
    return std::span<T, 1>(&value, 1);
}

template <class F, class V>
void visitFilter(const char* section, F& f, V& v, bool withFilterText) {
    v.marks(section, "significators", std::span(f.significators), MarksConversion::None);
    v.marks(section, "promissors", std::span(f.promissors), MarksConversion::None);
    v.marks(section, "aspects", std::span(f.aspects), MarksConversion::None);
    v.numbers(section, "dispmode", one(f.dispmode));
    if (withFilterText)
        v.text(section, "filter", std::span(f.filter));
}

// Every key of the options file, in the order of writing (and of reading), after
// `main`/`description`. O is TOptions or const TOptions.
template <class O, class V>
void visitOptionKeys(O& o, V& v) {
    v.numbers("misc", "nodetype", one(o.nodetype));
    v.numbers("misc", "housecalc", one(o.housecalc));
    v.yesNo("misc", "precess", o.precess);
    v.numbers("misc", "dailymax", one(o.dailymax));

    for (int i = 0; i < ScorePointCount; ++i)
        v.numbers("scores", ScoreKeys[i], std::span(o.scores[i]));

    for (int b = 0; b < DignityBodyCount; ++b)
        for (int k = 0; k < DignityKindCount; ++k)
            v.marks("dignities", (std::string(DignityBodyKeys[b]) + DignityKindKeys[k]).c_str(),
                    std::span(o.sign_dignities[b][k]), MarksConversion::None);
    v.yesNo("dignities", "tripv", o.tripv);
    v.numbers("dignities", "term_type", one(o.term_type));
    v.dignitiesRead();

    for (int a = 0; a < OrbAspectCount; ++a)
        v.reals("orbises", AspectKeys[a], std::span(o.orbises[a]), 4, 2);
    v.reals("orbises", "collfactor", one(o.collfactor), 4, 2);
    v.reals("orbises", "avgspeed", std::span(o.avgspeed), 7, 4);
    v.numbers("orbises", "stationary_strict", one(o.stationary_strict));
    v.reals("orbises", "transitfw", std::span(o.transitfw), 4, 1);
    v.reals("orbises", "transitbw", std::span(o.transitbw), 4, 1);
    v.reals("orbises", "houseexts", std::span(o.houseexts), 4, 2);
    v.reals("orbises", "correvs", one(o.correvs), 4, 2);

    auto& d = o.display;
    const char* s = "display";
    v.yesNo(s, "black", d.black);
    v.yesNo(s, "planets", d.planets);
    v.yesNo(s, "axises", d.axises);
    v.yesNo(s, "houses", d.houses);
    v.yesNo(s, "houseexts", d.houseexts);
    v.yesNo(s, "longitudes", d.longitudes);
    v.yesNo(s, "aspects", d.aspects);
    v.yesNo(s, "aspsymbols", d.aspsymbols);
    v.yesNo(s, "projasps", d.projasps);
    v.yesNo(s, "fixstars", d.fixstars);
    v.yesNo(s, "constells", d.constells);
    v.yesNo(s, "owners", d.owners);
    v.yesNo(s, "exalts", d.exalts);
    v.numbers(s, "startsign", one(d.startsign));
    v.yesNo(s, "outerradix", d.outerradix);
    v.yesNo(s, "longitude", d.longitude);
    v.yesNo(s, "latitude", d.latitude);
    v.numbers(s, "rascension", one(d.rascension));
    v.yesNo(s, "declination", d.declination);
    v.yesNo(s, "sa", d.sa);
    v.yesNo(s, "adl", d.adl);
    v.yesNo(s, "md", d.md);
    v.yesNo(s, "ad", d.ad);
    v.yesNo(s, "ch", d.ch);
    v.yesNo(s, "so", d.so);
    v.yesNo(s, "decimal", d.decimal);
    v.yesNo(s, "speed", d.speed);
    v.yesNo(s, "distance", d.distance);
    v.yesNo(s, "diameter", d.diameter);
    v.yesNo(s, "magnitude", d.magnitude);
    v.marks(s, "plansonchart", std::span(d.plansonchart), MarksConversion::None);
    v.marks(s, "planasps", std::span(d.planasps), MarksConversion::Planasps);
    v.marks(s, "plans", std::span(d.plans), MarksConversion::Plans);
    v.marks(s, "aspsonchart", std::span(d.aspsonchart), MarksConversion::None);
    v.marks(s, "asps", std::span(d.asps), MarksConversion::None);
    v.yesNo(s, "oppaspsonchart", d.oppaspsonchart);
    v.yesNo(s, "oppasps", d.oppasps);
    v.yesNo(s, "colloppasps", d.colloppasps);
    v.marks(s, "fsconjs", std::span(d.fsconjs), MarksConversion::None);
    v.marks(s, "constsonchart", std::span(d.constsonchart), MarksConversion::None);
    v.reals(s, "tablesize", one(d.tablesize), 4, 2);
    v.numbers(s, "chart_style", one(d.chart_style));
    v.numbers(s, "aspect_style", one(d.aspect_style));
    v.numbers(s, "aspect_closing", one(d.aspect_closing));
    v.numbers(s, "table_style", one(d.table_style));
    v.numbers(s, "antialias", one(d.antialias));
    v.numbers(s, "wine_workaround", one(d.wine_workaround));

    for (int i = 0; i < SymbolBodyCount; ++i)
        v.numbers("symbols", SymbolKeys[i], std::span(o.symbols.bodies).subspan(static_cast<std::size_t>(i), 1));
    v.numbers("symbols", "zodiac", one(o.symbols.zodiac));

    auto& c = o.colors;
    s = "colors";
    v.colors(s, "frame", one(c.frame));
    v.colors(s, "zodiac", one(c.zodiac));
    v.colors(s, "axises", one(c.axises));
    v.colors(s, "axisnames", one(c.axisnames));
    v.colors(s, "houses", one(c.houses));
    v.colors(s, "housenums", one(c.housenums));
    v.colors(s, "constell", std::span(c.constell));
    v.colors(s, "dignities", std::span(c.dignities));
    v.colors(s, "aspects", std::span(c.aspects));
    v.colors(s, "background", one(c.background));
    v.colors(s, "deftext", one(c.deftext));
    v.colors(s, "table", std::span(c.table));
    v.colors(s, "neutral", std::span(c.neutral));
    v.colors(s, "positive", std::span(c.positive));
    v.colors(s, "negative", std::span(c.negative));
    v.colors(s, "c2_fill_back", std::span(c.c2_fill_back));
    v.colors(s, "c2_fill_main", one(c.c2_fill_main));
    v.colors(s, "c2_fill_houses", one(c.c2_fill_houses));
    v.colors(s, "c2_fill_center", one(c.c2_fill_center));
    v.colors(s, "c2_fill_planets", one(c.c2_fill_planets));
    v.colors(s, "c2_fill_projasp", one(c.c2_fill_projasp));
    v.colors(s, "c2_fill_constell", std::span(c.c2_fill_constell));
    v.colors(s, "c2_meter", one(c.c2_meter));
    v.colors(s, "c2_zodiac", one(c.c2_zodiac));
    v.colors(s, "c2_house_bar", one(c.c2_house_bar));
    v.colors(s, "c2_house_start", one(c.c2_house_start));
    v.colors(s, "c2_house_sym", one(c.c2_house_sym));
    v.colors(s, "c2_house_outersym", one(c.c2_house_outersym));
    v.colors(s, "c2_house_outercirc", one(c.c2_house_outercirc));
    v.colors(s, "c2_house_pos", one(c.c2_house_pos));
    v.colors(s, "c2_axis_bar", one(c.c2_axis_bar));
    v.colors(s, "c2_axis_pos", one(c.c2_axis_pos));
    v.colors(s, "c2_axis_outerpos", one(c.c2_axis_outerpos));
    v.colors(s, "c2_planet_pos", one(c.c2_planet_pos));
    v.colors(s, "c2_fstar_name", one(c.c2_fstar_name));
    v.colors(s, "c2_fstar_arrow", one(c.c2_fstar_arrow));
    v.colors(s, "c2_constell_frame", one(c.c2_constell_frame));
    v.colors(s, "c2_constell_name", one(c.c2_constell_name));
    v.colors(s, "c2_table_fill_back", std::span(c.c2_table_fill_back));
    v.colors(s, "c2_table_fill_cell_light", std::span(c.c2_table_fill_cell_light));
    v.colors(s, "c2_table_fill_cell_medium", std::span(c.c2_table_fill_cell_medium));
    v.colors(s, "c2_table_fill_cell_dark", std::span(c.c2_table_fill_cell_dark));
    v.colors(s, "c2_table_mark", one(c.c2_table_mark));

    v.text("view3D", "aximmetry_path", std::span(o.aximmetry_path));
    v.text("view3D", "compound_path", std::span(o.compound_path));

    visitFilter("directions", o.directions, v, true);
    v.yesNo("directions", "dirkeyasgntohoro", o.dirkeyasgntohoro);
    v.yesNo("directions", "onequ", o.onequ);
    v.yesNo("directions", "truesolar", o.truesolar);
    v.angle("directions", "angle", o.angle_int, o.angle_byte, o.angle_real);
    v.numbers("directions", "type", one(o.type));

    // The filter texts of these two selections are kept in the record only.
    visitFilter("secdirs", o.secdirs, v, false);

    v.marks("glahn", "planets", std::span(o.glahn.planets), MarksConversion::None);
    v.marks("glahn", "aspects", std::span(o.glahn.aspects), MarksConversion::None);
    v.yesNo("glahn", "insigns", o.glahn.insigns);

    visitFilter("transits", o.transits, v, false);

    v.yesNo("print", "black", o.print_black);
}

class KeyWriter {
public:
    explicit KeyWriter(ProfileFile& file) : m_file(file) {}

    void yesNo(const char* section, const char* key, bool value) { put(section, key, value ? "yes" : "no"); }
    void numbers(const char* section, const char* key, std::span<const std::uint8_t> values) {
        put(section, key, formatNumbers(values));
    }
    void marks(const char* section, const char* key, std::span<const bool> flags, MarksConversion) {
        put(section, key, formatMarks(flags));
    }
    void reals(const char* section, const char* key, std::span<const double> values, int width, int precision) {
        put(section, key, formatReals(values, width, precision));
    }
    void colors(const char* section, const char* key, std::span<const ColorRef> values) {
        put(section, key, formatColors(values));
    }
    void text(const char* section, const char* key, std::span<const char> field) {
        const void* zero = std::memchr(field.data(), 0, field.size());
        put(section, key, std::string(field.data(), zero ? static_cast<const char*>(zero) - field.data() : field.size()));
    }
    void angle(const char* section, const char* key, std::int16_t whole, std::uint8_t byte, double real) {
        put(section, key, std::to_string(whole) + " " + std::to_string(byte) + " " + formatReal(real, 0, 2));
    }
    void dignitiesRead() {}

private:
    void put(const char* section, const char* key, const std::string& value) { m_file.writeString(section, key, value); }
    ProfileFile& m_file;
};

class KeyReader {
public:
    KeyReader(const ProfileFile& file, TOptions& options, const StringTable& strings, std::string* dignityMessage)
        : m_file(file), m_options(options), m_strings(strings), m_dignityMessage(dignityMessage) {}

    void yesNo(const char* section, const char* key, bool& value) {
        if (const auto v = get(section, key, ListBufferSize))
            value = *v == "yes";
    }
    void numbers(const char* section, const char* key, std::span<std::uint8_t> values) {
        if (const auto v = get(section, key, ListBufferSize))
            readNumbers(*v, values);
    }
    void marks(const char* section, const char* key, std::span<bool> flags, MarksConversion conversion) {
        const auto v = get(section, key, ListBufferSize);
        if (v)
            readMarks(*v, flags);
        if (conversion == MarksConversion::Planasps && v && v->size() == 14) {
            // An older list of 14 entries kept the axes and the cusps in entries 13 and 14.
            constexpr std::size_t OldAxesRow = 12, OldCuspsRow = 13;
            flags[DisplayRowAxes] = flags[OldAxesRow];
            flags[DisplayRowCusps] = flags[OldCuspsRow];
            flags[OldAxesRow] = flags[OldCuspsRow] = false;
        } else if (conversion == MarksConversion::Plans && (!v || v->size() < DisplayRowCount)) {
            // Older, shorter lists did not have the later bodies: show the classic set.
            for (int i = 0; i < BodyLilith; ++i)
                flags[static_cast<std::size_t>(i)] = true;
            flags[DisplayRowAxes] = flags[DisplayRowCusps] = true;
        }
    }
    void reals(const char* section, const char* key, std::span<double> values, int, int) {
        if (const auto v = get(section, key, ListBufferSize))
            readReals(*v, values);
    }
    void colors(const char* section, const char* key, std::span<ColorRef> values) {
        if (const auto v = get(section, key, ListBufferSize))
            readColors(*v, values);
    }
    void text(const char* section, const char* key, std::span<char> field) {
        if (const auto v = get(section, key, field.size())) {
            std::fill(field.begin(), field.end(), '\0');
            std::copy(v->begin(), v->end(), field.begin());
        }
    }
    // Read like "%hd%hu%lf": numbers separated by blanks, reading stops at the first that is missing.
    void angle(const char* section, const char* key, std::int16_t& whole, std::uint8_t& byte, double& real) {
        const auto v = get(section, key, ListBufferSize);
        if (!v)
            return;
        std::string_view rest = *v;
        std::size_t used = 0;
        const long long w = parseLeadingInt(rest, &used);
        if (!used)
            return;
        whole = static_cast<std::int16_t>(static_cast<unsigned long long>(w) & 0xFFFF);
        rest.remove_prefix(used);
        const long long b = parseLeadingInt(rest, &used);
        if (!used)
            return;
        byte = static_cast<std::uint8_t>(static_cast<unsigned long long>(b) & 0xFF);
        rest.remove_prefix(used);
        const double r = parseLeadingReal(rest, &used);
        if (used)
            real = r;
    }
    void dignitiesRead() {
        const DignityFileResult result = readDignityFile(m_options, m_strings);
        if (m_dignityMessage)
            *m_dignityMessage = result.message;
        RebuildDignityDegreeTable(m_options);
    }

private:
    // The value of a key cut to what a buffer of `bufferSize` characters holds; none when missing.
    std::optional<std::string> get(const char* section, const char* key, std::size_t bufferSize) const {
        auto v = m_file.find(section, key);
        if (v) {
            v->resize(std::min(v->find('\0'), v->size()));
            if (v->size() > bufferSize - 1)
                v->resize(bufferSize - 1);
        }
        return v;
    }

    const ProfileFile& m_file;
    TOptions& m_options;
    const StringTable& m_strings;
    std::string* m_dignityMessage;
};

void buildDataPaths(TOptions& o, const std::string& programFolder) {
    using namespace FileFormat;
    const std::string data = JoinPath(programFolder, "data");
    auto set = [&](PathText& field, const char* name) { setFixedText(field, JoinPath(data, nativeSeparators(name))); };
    set(o.times_file, TimesFileName);
    set(o.user_times_file, UserTimesFileName);
    set(o.towns_file, TownsFileName);
    set(o.user_towns_file, UserTownsFileName);
    set(o.town_exclusions_file, ExclusionsFileName);
    set(o.dignities_file, DignityFileName);
    set(o.fixed_stars_file, StarsFileName);
    set(o.descriptions_file, DescriptionsFileName);
    set(o.texts_file, TextsFileName);
    set(o.event_types_file, EventTypesFileName);
    set(o.life_areas_file, AreasFileName);
    set(o.etiquettes_file, LabelsFileName);
}

}  // namespace

bool ReadOptions(TOptions& o, const std::string& programFolder, const StringTable& strings, const std::string& path,
                 std::string* dignityMessage, std::string* refusal) {
    if (dignityMessage)
        dignityMessage->clear();
    if (refusal)
        refusal->clear();
    // A path that does not fit would later make WriteOptions write to another file.
    if (path.size() >= PathSize || path.find('\0') != std::string::npos)
        return false;
    const ProfileFile file(path.empty() ? std::string(fixedText(o.options_file)) : path);
    if (refusal)
        *refusal = wholeFileMessage(strings, file.readStatus(), file.path(), ProfileFileLimit);
    if (file.getString("main", "description", "", ListBufferSize) != OptionsFileDescription)
        return false;

    SetDefaultOptions(o);
    buildDataPaths(o, programFolder);
    KeyReader reader(file, o, strings, dignityMessage);
    visitOptionKeys(o, reader);
    o.print_pages[1] = o.print_pages[2] = o.print_pages[3] = true;
    if (!path.empty())
        setFixedText(o.options_file, path);
    return true;
}

namespace {

void fillOptionsFile(ProfileFile& file, const TOptions& o) {
    file.clear();
    file.writeString("main", "description", OptionsFileDescription);
    KeyWriter writer(file);
    visitOptionKeys(o, writer);
}

}  // namespace

bool WriteOptions(const TOptions& o) {
    const std::string path(fixedText(o.options_file));
    if (path.empty())
        return false;
    ProfileFile file(path);
    fillOptionsFile(file, o);
    return file.flush();
}

std::string OptionsFileText(const TOptions& o) {
    ProfileFile file;
    fillOptionsFile(file, o);
    return file.serialize();
}
