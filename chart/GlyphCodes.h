#pragma once
#include "Aspects.h"
// Character codes of the symbol font "Zodikeon Symbols Plus" and the short labels drawn in the
// small font beside them.
#include "ChartIndex.h"
#include "Options.h"

constexpr int AspectTypeCount = 18;

// Sign 0..11 in the zodiac variant of the options (base 'a' or 'm').
char signGlyph(int sign, int zodiacVariant);
inline char signGlyph(int sign, const TOptions& o) { return signGlyph(sign, o.symbols.zodiac); }
// Body or point 0..23 in the chosen variant; 0 when the variant slot holds no glyph.
char bodyGlyph(int body, int variant);
char bodyGlyph(int body, const TOptions& o);
// Aspect types 0..10 have a glyph ('M' + type); the others return 0.
inline char aspectGlyph(int type) { return type >= 0 && type <= 10 ? static_cast<char>('M' + type) : 0; }
// Parallel (0) and contra-parallel (1).
inline char parallelGlyph(int kind) { return static_cast<char>('X' + kind); }

const char* aspectAbbreviation(int type);  // "CO" .. "N4"
const char* axisName(int axis);            // "Asc", "MC", "Vx", "EP", "Cas", "Pas", "Dsc", "IC"
const char* houseLabel(int house);         // houses 0..11: "I", "2", "3", "IV", ...



