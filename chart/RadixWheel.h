#pragma once
// The chart wheel: degree scale, zodiac, houses, axes, bodies, aspects, degree labels and the
// ring of projected aspect points, every size a fixed fraction of one radius R.
#include <QPainter>
#include <cstdint>
#include <vector>

#include "DrawContext.h"
#include "Options.h"
#include "QuarterDegrees.h"
#include "RadixData.h"
#include "WheelClearance.h"

// Radii, heights and pen widths of one wheel, each (int)(R * fraction).
struct WheelLayout {
    bool extended = false;  // the layout with the ring of projected aspect points
    int radius = 0;
    int scaleInner = 0, scaleOuter = 0, tick1 = 0, tick5 = 0, tick10 = 0;
    int signGlyphRadius = 0, signGlyphHeight = 0;
    int separatingCircle = 0;  // 0: none
    int houseInner = 0, houseOuter = 0, cuspEnd = 0, houseNumberHeight = 0;
    int aspectRadius = 0, aspectSymbolHeight = 0;
    int axisTip = 0;
    int outerLeaderStart = 0, outerLeaderEnd = 0, bodyGlyphRadius = 0, innerLeaderStart = 0, innerLeaderEnd = 0;
    int bodyGlyphSize = 0, bodyLabelRadius = 0, bodyLabelHeight = 0;
    int cuspLabelRadius = 0, cuspLabelHeight = 0, axisLabelRadius = 0, axisLabelHeight = 0;
    int projTickStart = 0, projTickEnd = 0, projAspectRadius = 0, projSourceRadius = 0;
    int projAspectBase = 0, projSourceBase = 0;
    int penScaleCircle = 0, penTick = 0, penTick10 = 0, penZodiac = 0, penHouse = 0, penAspect = 0, penAxis = 0;
    int penLeader = 0, penProjTick = 0, penSeparating = 0, penDisc = 0;
};
WheelLayout wheelLayout(int radius, bool extended);

// Quarter degrees added to every longitude: from `startsign` (Ascendant at the left, or the
// start or middle of a sign) and the Ascendant in quarter degrees.
int wheelRotation(std::uint8_t startsign, int ascendantQ);

// Minimum separation of body glyphs and of projected points, in quarter degrees.
int bodyMinSeparation(const WheelLayout& layout);
int projectedMinSeparation(const WheelLayout& layout);

// Aspect types projected on the outer ring: the first seven enabled among 1..17.
std::vector<int> projectedAspectTypes(const TOptions& options);

// Whether the wheel draws the aspect line of body row `body` to aspect point `column`.
bool wheelShowsAspect(const RadixData& chart, const TOptions& options, int body, int column);

// An aspect line of the wheel, from the row's body to the other point, and where its symbol
// goes. Symbols divide the line (37% for the quintile types, ...) and are dropped where one of
// the same type already stands closer than the symbol height in both directions; the
// opposition never gets one.
struct AspectLineEnds {
    WheelPoint from, to;
    int type = 0;
};
struct AspectSymbolPlace {
    WheelPoint at;
    int type = 0;
};
// A symbol never stands on a body glyph or degree label (`obstacles`): it moves along its line
// to the nearest clear place, and is left out when there is none.
std::vector<AspectSymbolPlace> placeAspectSymbols(const std::vector<AspectLineEnds>& lines, int symbolHeight,
                                                  const std::vector<WheelBox>& obstacles = {});

// Draws the wheel of `chart` centred on (cx, cy) (logical units, y up) with radius R; sets the
// context's mirror from `startsign`. Nothing is drawn when R <= 0.
void drawRadixWheel(DrawContext& dc, int cx, int cy, int R, const RadixData& chart, const TOptions& options);

// The body whose glyph lies under `at` on the wheel of `chart` drawn centred on (cx, cy) with
// radius R (logical units, y up), as drawRadixWheel places the glyphs; -1 where there is none.
int wheelBodyAt(const RadixData& chart, const TOptions& options, int cx, int cy, int R, WheelPoint at);
