#include "ShippedData.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "ChartIndex.h"
#include "DignityDegreeTable.h"
#include "OptionDefaults.h"
#include "OptionsFile.h"

namespace {

// Dignity body numbers (0 Sun .. 9 Pluto, 10 node) and their keywords.
enum Body : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Node };
enum Sign : int { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

constexpr ColorRef rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r) | static_cast<ColorRef>(g) << 8 | static_cast<ColorRef>(b) << 16;
}

void setSigns(TOptions& o, Body body, DignityKind kind, std::initializer_list<Sign> signs) {
    for (Sign s : signs)
        o.sign_dignities[body][kind][s] = true;
}

// Orbs per orb class (Asc, MC, Sun, Moon, Mercury .. Pluto, nodes, cusps, asteroids, other);
// an aspect's orb is the sum of the two classes.
using OrbRow = std::array<double, OrbClassCount>;
constexpr OrbRow MajorOrbs = {4, 4, 5, 5, 4, 4, 4, 4, 4, 3, 3, 3, 2, 2, 1.5, 1};
constexpr OrbRow SextileOrbs = {3, 3, 4, 4, 3, 3, 3, 3, 3, 2, 2, 2, 1.5, 1.5, 1, 1};
constexpr OrbRow MinorOrbs = {1.5, 1.5, 2, 2, 1.5, 1.5, 1.5, 1.5, 1.5, 1, 1, 1, 1, 1, 0.5, 0.5};
constexpr OrbRow QuintileOrbs = {1, 1, 1.5, 1.5, 1, 1, 1, 1, 1, 1, 1, 1, 0.5, 0.5, 0.5, 0.5};
constexpr OrbRow FineOrbs = {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
constexpr OrbRow ParallelOrbs = {0.5, 0.5, 0.6, 0.6, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};

}  // namespace

void SetShippedOptions(TOptions& o) {
    SetDefaultOptions(o);

    // Rulerships, traditional and modern; exaltations (the node's in Gemini, as Lilly has
    // it); the Dorothean day and night triplicity rulers.
    setSigns(o, Sun, DignityOwn, {Leo});
    setSigns(o, Moon, DignityOwn, {Can});
    setSigns(o, Mercury, DignityOwn, {Gem, Vir});
    setSigns(o, Venus, DignityOwn, {Tau, Lib});
    setSigns(o, Mars, DignityOwn, {Ari, Sco});
    setSigns(o, Jupiter, DignityOwn, {Sag, Pis});
    setSigns(o, Saturn, DignityOwn, {Cap, Aqu});
    setSigns(o, Uranus, DignityOwn, {Aqu});
    setSigns(o, Neptune, DignityOwn, {Pis});
    setSigns(o, Pluto, DignityOwn, {Sco});
    setSigns(o, Sun, DignityExalt, {Ari});
    setSigns(o, Moon, DignityExalt, {Tau});
    setSigns(o, Mercury, DignityExalt, {Vir});
    setSigns(o, Venus, DignityExalt, {Pis});
    setSigns(o, Mars, DignityExalt, {Cap});
    setSigns(o, Jupiter, DignityExalt, {Can});
    setSigns(o, Saturn, DignityExalt, {Lib});
    setSigns(o, Node, DignityExalt, {Gem});
    setSigns(o, Sun, DignityTrip, {Ari, Leo, Sag});
    setSigns(o, Jupiter, DignityTrip, {Ari, Leo, Sag});
    setSigns(o, Venus, DignityTrip, {Tau, Vir, Cap, Can, Sco, Pis});
    setSigns(o, Moon, DignityTrip, {Tau, Vir, Cap});
    setSigns(o, Saturn, DignityTrip, {Gem, Lib, Aqu});
    setSigns(o, Mercury, DignityTrip, {Gem, Lib, Aqu});
    setSigns(o, Mars, DignityTrip, {Can, Sco, Pis});
    RebuildDignityDegreeTable(o);

    // Element and quality counts: first value weighted (lights and Ascendant most), second a plain count.
    constexpr std::array<std::array<std::uint8_t, 2>, ScorePointCount> scores = {{
        {4, 1}, {2, 1}, {4, 1}, {4, 1}, {3, 1}, {3, 1}, {3, 1}, {2, 1}, {2, 1}, {1, 1}, {1, 1}, {1, 1}, {0, 0}, {0, 0},
    }};
    o.scores = scores;

    for (int a : {0, 5, 6, 10})  // conjunction, square, trine, opposition
        o.orbises[a] = MajorOrbs;
    o.orbises[3] = SextileOrbs;
    for (int a : {1, 2, 7, 9})  // semisextile, semisquare, sesquiquadrate, quincunx
        o.orbises[a] = MinorOrbs;
    o.orbises[4] = o.orbises[8] = QuintileOrbs;
    for (int a = 11; a < 18; ++a)  // NB, quindecile and the noviles: close aspects only
        o.orbises[a] = FineOrbs;
    o.orbises[18] = o.orbises[19] = ParallelOrbs;
    o.collfactor = 0.75;  // orbs between two charts
    // Mean absolute geocentric daily motion, Sun .. Pluto, over 1900-2100 (degrees per day).
    o.avgspeed = {0.9856, 13.1764, 1.2176, 1.0407, 0.5660, 0.1331, 0.0695, 0.0334, 0.0212, 0.0172};
    o.stationary_strict = 1;
    o.houseexts = {5.0, 5.0, 3.0};
    o.correvs = 1.0;

    TDisplayOptions& d = o.display;
    d.planets = d.axises = d.houses = d.houseexts = d.longitudes = d.aspects = d.aspsymbols = true;
    d.longitude = d.latitude = d.declination = true;
    d.rascension = 1;
    d.speed = d.distance = d.diameter = d.magnitude = true;
    d.plansonchart = {};
    d.planasps = {};
    d.plans = {};
    for (int b = 0; b <= BodyLilith; ++b) {  // Sun .. Pluto, both nodes, Lilith
        d.plansonchart[b] = true;
        d.plans[b] = true;
    }
    for (int b = 0; b <= BodySouthNode; ++b)
        d.planasps[b] = true;
    d.planasps[DisplayRowAxes] = true;  // aspects to the axes
    d.plans[DisplayRowAxes] = d.plans[DisplayRowCusps] = true;
    for (int a = 0; a <= 10; ++a)  // the major aspects and the usual minor ones
        d.aspsonchart[a] = d.asps[a] = true;
    d.oppasps = true;
    d.tablesize = 1.6;  // rows about 23 pixels high on a common screen
    d.chart_style = 2;
    d.table_style = 2;
    d.antialias = 2;

    // Colours: earth tones for the frame, aspect families by hue: conjunction ochre,
    // harmonious blue, tense red, the semisextile and quincunx green, the quintiles violet.
    TColorOptions& c = o.colors;
    c.frame = rgb(103, 89, 63);
    c.zodiac = rgb(140, 110, 80);
    c.axises = rgb(150, 40, 30);
    c.axisnames = rgb(150, 40, 30);
    c.houses = rgb(110, 90, 70);
    c.housenums = rgb(90, 70, 50);
    c.dignities = {rgb(35, 30, 25),  rgb(20, 120, 40), rgb(180, 40, 30), rgb(30, 80, 180),
                   rgb(200, 110, 20), rgb(35, 30, 25), rgb(120, 60, 150)};
    c.aspects = {
        rgb(150, 110, 20),  // conjunction
        rgb(60, 150, 80),   // semisextile
        rgb(215, 105, 80),  // semisquare
        rgb(60, 120, 210),  // sextile
        rgb(140, 80, 170),  // quintile
        rgb(200, 35, 35),   // square
        rgb(30, 80, 190),   // trine
        rgb(200, 80, 60),   // sesquiquadrate
        rgb(120, 60, 150),  // biquintile
        rgb(30, 120, 70),   // quincunx
        rgb(160, 20, 60),   // opposition
        rgb(150, 90, 130), rgb(150, 90, 130), rgb(150, 90, 130), rgb(150, 90, 130),  // NB family
        rgb(0, 140, 150),  rgb(0, 140, 150),  rgb(0, 140, 150),                      // noviles
    };
    c.background = rgb(250, 247, 240);
    c.deftext = rgb(30, 25, 20);
    c.table = {rgb(200, 190, 180), rgb(120, 105, 90)};
    c.neutral = {rgb(80, 80, 80), rgb(225, 220, 215)};
    c.positive = {rgb(20, 110, 40), rgb(210, 235, 215)};
    c.negative = {rgb(170, 30, 30), rgb(245, 215, 210)};
    // Cusp degrees stand on the light house ring: they need a dark colour to be read.
    c.c2_house_pos = rgb(70, 60, 50);
}

std::string ShippedOptionsFileText() {
    TOptions o{};
    SetShippedOptions(o);
    return OptionsFileText(o);
}

namespace {

constexpr std::array<std::string_view, 10> PlanetKeywords = {"sol", "lun", "mer", "ven", "mar",
                                                             "jup", "sat", "ura", "nep", "plu"};

// A run of degrees ruled by one body or of one quality, ending (1-based, inclusive) at `to`.
struct Run {
    int value;
    int to;
};
using SignRuns = std::vector<Run>;

// Egyptian terms.
const std::array<SignRuns, 12> EgyptianTerms = {{
    {{Jupiter, 6}, {Venus, 12}, {Mercury, 20}, {Mars, 25}, {Saturn, 30}},
    {{Venus, 8}, {Mercury, 14}, {Jupiter, 22}, {Saturn, 27}, {Mars, 30}},
    {{Mercury, 6}, {Jupiter, 12}, {Venus, 17}, {Mars, 24}, {Saturn, 30}},
    {{Mars, 7}, {Venus, 13}, {Mercury, 19}, {Jupiter, 26}, {Saturn, 30}},
    {{Jupiter, 6}, {Venus, 11}, {Saturn, 18}, {Mercury, 24}, {Mars, 30}},
    {{Mercury, 7}, {Venus, 17}, {Jupiter, 21}, {Mars, 28}, {Saturn, 30}},
    {{Saturn, 6}, {Mercury, 14}, {Jupiter, 21}, {Venus, 28}, {Mars, 30}},
    {{Mars, 7}, {Venus, 11}, {Mercury, 19}, {Jupiter, 24}, {Saturn, 30}},
    {{Jupiter, 12}, {Venus, 17}, {Mercury, 21}, {Saturn, 26}, {Mars, 30}},
    {{Mercury, 7}, {Jupiter, 14}, {Venus, 22}, {Saturn, 26}, {Mars, 30}},
    {{Mercury, 7}, {Venus, 13}, {Jupiter, 20}, {Mars, 25}, {Saturn, 30}},
    {{Venus, 12}, {Jupiter, 16}, {Mercury, 19}, {Mars, 28}, {Saturn, 30}},
}};

// The Ptolemaic terms as Lilly tabulates them.
const std::array<SignRuns, 12> LillyTerms = {{
    {{Jupiter, 6}, {Venus, 14}, {Mercury, 21}, {Mars, 26}, {Saturn, 30}},
    {{Venus, 8}, {Mercury, 15}, {Jupiter, 22}, {Saturn, 26}, {Mars, 30}},
    {{Mercury, 7}, {Jupiter, 14}, {Venus, 21}, {Saturn, 25}, {Mars, 30}},
    {{Mars, 6}, {Jupiter, 13}, {Mercury, 20}, {Venus, 27}, {Saturn, 30}},
    {{Saturn, 6}, {Mercury, 13}, {Venus, 19}, {Jupiter, 25}, {Mars, 30}},
    {{Mercury, 7}, {Venus, 13}, {Jupiter, 18}, {Saturn, 24}, {Mars, 30}},
    {{Saturn, 6}, {Venus, 11}, {Jupiter, 19}, {Mercury, 24}, {Mars, 30}},
    {{Mars, 6}, {Jupiter, 14}, {Venus, 21}, {Mercury, 27}, {Saturn, 30}},
    {{Jupiter, 8}, {Venus, 14}, {Mercury, 19}, {Saturn, 25}, {Mars, 30}},
    {{Venus, 6}, {Mercury, 12}, {Jupiter, 19}, {Mars, 25}, {Saturn, 30}},
    {{Saturn, 6}, {Mercury, 12}, {Venus, 20}, {Jupiter, 25}, {Mars, 30}},
    {{Venus, 8}, {Jupiter, 14}, {Mercury, 20}, {Mars, 26}, {Saturn, 30}},
}};

// Light (1), smoky (2, keyword "gray"), dark (3) and void (0, keyword "empty") degrees, Lilly.
enum Light : int { Void = 0, Lit = 1, Smoky = 2, Dark = 3 };
const std::array<SignRuns, 12> LightDegrees = {{
    {{Dark, 3}, {Lit, 8}, {Dark, 16}, {Lit, 20}, {Void, 24}, {Lit, 29}, {Void, 30}},
    {{Dark, 3}, {Lit, 7}, {Void, 12}, {Lit, 15}, {Void, 20}, {Lit, 28}, {Dark, 30}},
    {{Lit, 4}, {Dark, 7}, {Lit, 12}, {Void, 16}, {Lit, 22}, {Dark, 27}, {Void, 30}},
    {{Lit, 12}, {Smoky, 14}, {Void, 18}, {Smoky, 20}, {Lit, 28}, {Void, 30}},
    {{Dark, 10}, {Smoky, 20}, {Void, 25}, {Lit, 30}},
    {{Dark, 5}, {Lit, 8}, {Void, 10}, {Lit, 16}, {Smoky, 22}, {Void, 30}},
    {{Lit, 5}, {Dark, 10}, {Lit, 18}, {Dark, 21}, {Lit, 27}, {Void, 30}},
    {{Dark, 3}, {Lit, 8}, {Void, 14}, {Lit, 22}, {Smoky, 24}, {Void, 30}},
    {{Lit, 9}, {Dark, 12}, {Lit, 19}, {Smoky, 23}, {Lit, 30}},
    {{Dark, 7}, {Lit, 10}, {Smoky, 15}, {Lit, 19}, {Dark, 22}, {Void, 25}, {Lit, 30}},
    {{Smoky, 4}, {Lit, 9}, {Void, 13}, {Lit, 21}, {Void, 25}, {Lit, 30}},
    {{Dark, 6}, {Lit, 12}, {Dark, 18}, {Lit, 22}, {Void, 25}, {Lit, 28}, {Dark, 30}},
}};

// Masculine (1) and feminine (2) degrees, Lilly.
enum Gender : int { Male = 1, Female = 2 };
const std::array<SignRuns, 12> GenderDegrees = {{
    {{Male, 8}, {Female, 9}, {Male, 15}, {Female, 22}, {Male, 30}},
    {{Male, 5}, {Female, 11}, {Male, 17}, {Female, 21}, {Male, 27}, {Female, 30}},
    {{Female, 5}, {Male, 16}, {Female, 22}, {Male, 27}, {Female, 30}},
    {{Male, 2}, {Female, 10}, {Male, 12}, {Female, 23}, {Male, 27}, {Female, 30}},
    {{Male, 5}, {Female, 15}, {Male, 30}},
    {{Female, 8}, {Male, 12}, {Female, 30}},
    {{Male, 5}, {Female, 15}, {Male, 30}},
    {{Male, 4}, {Female, 14}, {Male, 21}, {Female, 27}, {Male, 30}},
    {{Male, 2}, {Female, 5}, {Male, 12}, {Female, 24}, {Male, 30}},
    {{Male, 11}, {Female, 19}, {Male, 30}},
    {{Male, 5}, {Female, 12}, {Male, 25}, {Female, 30}},
    {{Male, 10}, {Female, 20}, {Male, 23}, {Female, 28}, {Male, 30}},
}};

// Single degrees (1-based within the sign), Lilly: increasing fortune, deficient (azimene), pitted.
using DegreeList = std::vector<int>;
const std::array<DegreeList, 12> FortuneDegrees = {{
    {19}, {3, 15, 27}, {11}, {1, 2, 3, 4, 15}, {2, 5, 7, 19}, {3, 14, 20},
    {3, 15, 21}, {7, 18, 20}, {13, 20}, {12, 13, 14, 20}, {7, 16, 17, 20}, {13, 20},
}};
const std::array<DegreeList, 12> AzimeneDegrees = {{
    {}, {6, 7, 8, 9, 10}, {}, {9, 10, 11, 12, 13, 14, 15}, {18, 27, 28}, {},
    {}, {19, 28}, {1, 7, 8, 18, 19}, {26, 27, 28, 29}, {18, 19}, {},
}};
const std::array<DegreeList, 12> PittedDegrees = {{
    {6, 11, 16, 23, 29}, {5, 12, 24, 25}, {2, 12, 17, 26, 30}, {12, 17, 23, 26, 30},
    {6, 13, 15, 22, 23, 28}, {8, 13, 16, 21, 22}, {1, 7, 20, 30}, {9, 10, 22, 23, 27},
    {7, 12, 15, 24, 27, 30}, {7, 17, 22, 24, 29}, {1, 12, 17, 22, 24, 29}, {4, 9, 24, 27, 28},
}};

// Traditional and modern sign rulers, for the decans.
const std::array<std::vector<int>, 12> SignRulers = {{
    {Mars}, {Venus}, {Mercury}, {Moon}, {Sun}, {Mercury},
    {Venus}, {Mars, Pluto}, {Jupiter}, {Saturn}, {Saturn, Uranus}, {Jupiter, Neptune},
}};

// Chaldean order from Mars: the faces run through it from 0 Aries on.
constexpr std::array<int, 7> ChaldeanFromMars = {Mars, Sun, Venus, Mercury, Moon, Saturn, Jupiter};

// Day, night and participating triplicity rulers of fire, earth, air and water (Dorotheus).
constexpr std::array<std::array<int, 3>, 4> TriplicityRulers = {{
    {Sun, Jupiter, Saturn}, {Venus, Moon, Mars}, {Saturn, Mercury, Jupiter}, {Venus, Mars, Moon},
}};

int runValue(const SignRuns& runs, int cell) {
    for (const Run& r : runs)
        if (cell < r.to)
            return r.value;
    return runs.back().value;
}

bool listed(const DegreeList& list, int cell) {
    for (int d : list)
        if (d == cell + 1)
            return true;
    return false;
}

std::string bodies(const std::vector<int>& list) {
    std::string out;
    for (int b : list) {
        if (!out.empty())
            out += ',';
        out += PlanetKeywords[static_cast<std::size_t>(b)];
    }
    return out;
}

std::string derivedCell(const TOptions& o, int column, int degree) {
    std::string out;
    for (std::uint8_t slot : o.dignity_degree_table[column][degree]) {
        if (slot == 0)
            continue;
        if (!out.empty())
            out += ',';
        out += dignityKeywords(column)[slot & DignityKeywordMask];
    }
    return out.empty() ? "x" : out;
}

}  // namespace

std::string ShippedDignityFileText() {
    TOptions o{};
    SetShippedOptions(o);

    std::string out = "Degree";
    static constexpr std::array<std::string_view, DignityColumnCount> names = {
        "Domic", "Detrim", "Exalt", "Fall", "Trig", "Trip.d", "Trip.n", "Trip.v",
        "Term.e", "Term.L", "Face", "Decan", "Light", "Sex", "Extra"};
    for (std::string_view n : names)
        out += ";" + std::string(n);
    out += "\r\n";
    // Essential dignity points of each column (domicile 5, exaltation 4, triplicity 3, term 2, face 1).
    out += "Points;5;5;4;4;3;3;3;3;2;2;1;1;0;0;0\r\n";

    for (int degree = 0; degree < 360; ++degree) {
        const int sign = degree / 30;
        const int cell = degree % 30;
        const auto& trip = TriplicityRulers[static_cast<std::size_t>(sign % 4)];
        std::vector<std::string> fields;
        fields.push_back(std::to_string(degree));
        for (int column = ColumnDomicile; column <= ColumnTriplicity; ++column)
            fields.push_back(derivedCell(o, column, degree));
        for (int k = 0; k < 3; ++k)
            fields.push_back(bodies({trip[static_cast<std::size_t>(k)]}));
        fields.push_back(bodies({runValue(EgyptianTerms[static_cast<std::size_t>(sign)], cell)}));
        fields.push_back(bodies({runValue(LillyTerms[static_cast<std::size_t>(sign)], cell)}));
        fields.push_back(bodies({ChaldeanFromMars[static_cast<std::size_t>((sign * 3 + cell / 10) % 7)]}));
        fields.push_back(bodies(SignRulers[static_cast<std::size_t>((sign + 4 * (cell / 10)) % 12)]));
        fields.push_back(std::string(dignityKeywords(ColumnLight)[static_cast<std::size_t>(
            runValue(LightDegrees[static_cast<std::size_t>(sign)], cell))]));
        fields.push_back(std::string(dignityKeywords(ColumnSex)[static_cast<std::size_t>(
            runValue(GenderDegrees[static_cast<std::size_t>(sign)], cell))]));
        std::string extra;
        const auto s = static_cast<std::size_t>(sign);
        for (auto [list, keyword] : {std::pair{&FortuneDegrees[s], "f"}, std::pair{&AzimeneDegrees[s], "d"},
                                     std::pair{&PittedDegrees[s], "p"}}) {
            if (listed(*list, cell))
                extra += (extra.empty() ? "" : ",") + std::string(keyword);
        }
        fields.push_back(extra.empty() ? "x" : extra);

        for (std::size_t i = 0; i < fields.size(); ++i)
            out += (i ? ";" : "") + fields[i];
        out += "\r\n";
    }
    return out;
}
