#include "GlyphCodes.h"

#include <array>

char signGlyph(int sign, int zodiacVariant) { return static_cast<char>((zodiacVariant == 1 ? 'm' : 'a') + sign); }

char bodyGlyph(int body, int variant) {
    static constexpr std::array<std::array<char, 5>, ChartPointCount> glyphs = {{
        {'A'}, {'B'}, {'C'}, {'D'}, {'E', '5'}, {'F'}, {'G'}, {'H', '6'}, {'I', 'Z'}, {'8', '7', 'J', '9'},
        {'K'}, {'L'}, {'}'}, {'!'}, {'"'}, {'#'}, {'$'}, {'%'}, {'&'}, {'1'}, {'2'}, {'3'}, {'4'}, {'0'},
    }};
    if (body < 0 || body >= ChartPointCount || variant < 0 || variant >= 5)
        return 0;
    return glyphs[static_cast<std::size_t>(body)][static_cast<std::size_t>(variant)];
}

char bodyGlyph(int body, const TOptions& o) {
    const int variant = body >= 0 && body <= 12 ? o.symbols.bodies[static_cast<std::size_t>(body)] : 0;
    // A stored variant without a glyph falls back to the first, so no body goes blank.
    const char g = bodyGlyph(body, variant);
    return g ? g : bodyGlyph(body, 0);
}

const char* aspectAbbreviation(int type) {
    static constexpr const char* names[AspectTypeCount] = {"CO", "SS", "SQ", "SX", "QI", "QA", "TR", "SE", "BQ",
                                                           "QX", "OP", "NB", "B5", "B7", "QD", "NV", "N2", "N4"};
    return type >= 0 && type < AspectTypeCount ? names[type] : "";
}

const char* axisName(int axis) {
    static constexpr const char* names[8] = {"Asc", "MC", "Vx", "EP", "Cas", "Pas", "Dsc", "IC"};
    return axis >= 0 && axis < 8 ? names[axis] : "";
}

const char* houseLabel(int house) {
    static constexpr const char* names[12] = {"I", "2", "3", "IV", "5", "6", "VII", "8", "9", "X", "11", "12"};
    return house >= 0 && house < 12 ? names[house] : "";
}

