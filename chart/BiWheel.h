#pragma once
// The bi-wheel of a collation: one chart inside with its houses, axes and zodiac, the other
// chart's bodies in a ring outside the zodiac, and the aspects between the two charts drawn in
// the middle. Every size is a fixed fraction of one radius R, as in the single wheel.
#include <utility>
#include <vector>

#include "Collation.h"
#include "DrawContext.h"
#include "Options.h"
#include "QuarterDegrees.h"
#include "RadixData.h"

// The inner wheel's radius and the outer ring's radii, heights and pens.
struct BiWheelLayout {
    int radius = 0, innerRadius = 0;
    int tick1 = 0, tick5 = 0, tick10 = 0;
    int leaderStart = 0, leaderEnd = 0, glyphRadius = 0, glyphSize = 0, labelRadius = 0, labelHeight = 0;
    int penOuterCircle = 0;
};
BiWheelLayout biWheelLayout(int radius);

// The radius inside which the bi-wheel's filled style covers everything with opaque discs.
int biWheelOpaqueRadius(int radius);

// An aspect line between the charts: from body `body` of one chart to aspect point `point` of
// the other, with its code from the cross-aspect table of that direction.
struct CrossAspectLine {
    bool radixBody = true;  // the body is the radix's (else the second chart's)
    int body = 0;
    int point = 0;
    int code = 0;
};

// The cross aspects the bi-wheel draws, by the display options: each shown body of one chart
// against the shown bodies, points and axes of the other (house cusps are not drawn in the
// outer ring, so neither are aspects to them). A pair of bodies is drawn once, from the radix's
// table; the opposite points 31..39, the South node among them, only with `colloppasps`.
std::vector<CrossAspectLine> biWheelAspectLines(const RadixData& radix, const Collation& collation,
                                                const TOptions& options);

// Draws the bi-wheel centred on (cx, cy) (logical units, y up) with radius R: the radix inside
// and the second chart outside, or the reverse with `outerradix`. Sets the context's mirror
// from `startsign`; nothing is drawn when R <= 0.
void drawBiWheel(DrawContext& dc, int cx, int cy, int R, const RadixData& radix, const Collation& collation,
                 const TOptions& options);

// The pieces of the outer chart's Ascendant and MC lines as drawBiWheel draws them: across the
// outer ring, broken wherever they would cross an outer glyph or degree label.
std::vector<std::pair<WheelPoint, WheelPoint>> biWheelOuterAxisPieces(int cx, int cy, int R, const RadixData& radix,
                                                                      const Collation& collation, const TOptions& options);

// A body under the pointer on the bi-wheel: which chart it belongs to and its index; body -1
// where no glyph is there.
struct BiWheelBody {
    bool radix = true;  // the radix's body, else the second chart's
    int body = -1;
};
// The body whose glyph lies under `at` (logical units, y up) on the bi-wheel drawBiWheel draws
// with the same arguments, inner or outer.
BiWheelBody biWheelBodyAt(int cx, int cy, int R, const RadixData& radix, const Collation& collation,
                          const TOptions& options, WheelPoint at);
