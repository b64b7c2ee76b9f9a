#pragma once
// Drawing primitives shared by the wheel, the tables and printing. Coordinates are logical units
// with y up (0.1 mm for the wheel), set by the painter's transform; texts are drawn upright
// whatever the transform's y direction. Texts take the painter's font and pen colour, as
// selected by the caller.
#include <QPainter>
#include <QString>
#include <cstdint>

#include "DrawContext.h"
#include "Options.h"

// A rectangle in y-up logical units: top is the upper edge (the larger y).
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return top - bottom; }
    int centreX() const { return (left + right) / 2; }
    int centreY() const { return (top + bottom) / 2; }
};

// Solid pen with round ends; width 0 is one device pixel.
QPen plainPen(ColorRef colour, int width);
// Geometric pen with flat ends (scale ticks, zodiac lines, dashed aspect lines).
QPen flatPen(ColorRef colour, int width);

// A line from radius r1 to r2 at one angle (quarter degrees) around (cx, cy), current pen.
void radialLine(DrawContext& dc, int cx, int cy, int angle, int r1, int r2);

// Text centred on (x, y) (or on `box`) in the current font and pen colour, single line and
// unclipped; with the context's halo colour set, a filled ellipse of that colour lies behind it.
void drawCentredText(DrawContext& dc, int x, int y, const QString& text, const TOptions& options, const Box* box = nullptr);

// How a glyph is coloured: not at all (keep the pen), for the wheel or for a table.
enum ColourMode : int { ColourNone = 0, ColourChart = 1, ColourTable = 2 };

struct GlyphFonts {
    QFont glyph;  // symbol font
    QFont mark;   // motion marks (bodies) or axis names and house numbers (points)
};

// The glyph of body 0..23 centred at (x, y) or in `box`; with a colour mode and dignity states,
// in the body's dignity colour. A motion <= 0 (from `motions[body]`, else `fixedMotion`) adds "R"
// (retrograde) or "S" (stationary) in the mark font at the glyph centre moved by (dx, dy).
void drawBodyGlyph(DrawContext& dc, int x, int y, int body, int dx, int dy, const GlyphFonts& fonts,
                   const std::uint8_t* dignityStates, const std::int8_t* motions, int fixedMotion, const Box* box,
                   int colourMode, const TOptions& options);

// The glyph of an aspect point code (column 0..39 in the low six bits; bit 6 marks a retrograde
// body): axis names and house numbers in the mark font, bodies by drawBodyGlyph.
void drawPointGlyph(DrawContext& dc, int x, int y, int code, int dx, int dy, const GlyphFonts& fonts,
                    const std::uint8_t* dignityStates, const Box* box, int colourMode, const TOptions& options);

// The colour a body glyph takes: its dignity colour (bodies 0..10), else the table text colour.
ColorRef dignityColour(int body, const std::uint8_t* dignityStates, int colourMode, const TOptions& options,
                       bool printing);
// The same colour as the options hold it, before it is adapted to a ground.
ColorRef chosenDignityColour(int body, const std::uint8_t* dignityStates, const TOptions& options);

void strokeCircle(QPainter& p, int cx, int cy, int r, int width, ColorRef colour);
// A filled disc; while printing, only its black outline.
void fillDisc(DrawContext& dc, int cx, int cy, int r, int width, ColorRef colour);
// Vertical gradient from `top` at the upper edge to `bottom` at the lower edge.
void fillGradientRect(QPainter& p, const Box& box, ColorRef top, ColorRef bottom);

// A longitude as degrees within the sign (current font) centred in `box` shortened by the
// width of the sign glyph, then the sign glyph (symbol font `glyphFont`) at its right.
void drawDegreeSignText(DrawContext& dc, const Box& box, double degrees, const QFont& glyphFont, const TOptions& options);
