#pragma once
// The seven font templates of the wheel and the tables. Heights are cell heights (ascent plus
// descent) in logical units, as the drawing code measures them.
#include <QFont>

enum class FontTemplate {
    Symbol,       // "Zodikeon Symbols Plus": body, sign and aspect glyphs
    Label,        // "Arial Narrow": degree labels
    Small,        // "Arial Narrow": house numbers, motion marks, aspect abbreviations, axis names
    TableRoman,   // "Times New Roman CE"
    TableItalic,  // "Times New Roman CE", light italic
    TableBold,    // "Courier New CE", bold
    TableLight,   // "Times New Roman CE", light
};

inline constexpr const char* SymbolFontFamily = "Zodikeon Symbols Plus";

// The template with the given cell height. The symbol font never borrows glyphs from other
// fonts: a missing glyph must show as missing, not as a letter of another font.
QFont chartFont(FontTemplate kind, int height);

// Whether the symbol font has a glyph for the character code.
bool symbolFontHas(char code);

// Registers the fonts that ship inside the program (the symbol font and Liberation Sans Narrow)
// with the running Qt application. Call once after the QGuiApplication exists; true when all
// of them loaded.
bool loadChartFonts();
