#pragma once
// Keeping the wheel legible: the boxes that body glyphs and degree labels occupy, and the
// geometry that keeps axis lines and aspect symbols out of them. Pure functions of logical
// coordinates (y up), so that they can be tested without drawing.
#include <optional>
#include <utility>
#include <vector>

#include "QuarterDegrees.h"

// An axis-aligned rectangle in logical units.
struct WheelBox {
    int left = 0, bottom = 0, right = 0, top = 0;
    bool intersects(const WheelBox& other) const {
        return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
    }
};

// A glyph of height `height` centred on `centre`: a square a little larger than the glyph.
WheelBox glyphBox(WheelPoint centre, int height);
// A degree label anchored at `anchor` with height `height`, as the wheel draws it: the degree
// in the sign left of the anchor, the minutes smaller and raised to its right.
WheelBox degreeLabelBox(WheelPoint anchor, int height);

// The pieces of the segment from `a` to `b` that lie outside every box, in order from `a`.
std::vector<std::pair<WheelPoint, WheelPoint>> segmentsOutside(WheelPoint a, WheelPoint b,
                                                               const std::vector<WheelBox>& boxes);

// Where on the line from `from` to `to` a symbol of height `height` can stand without touching
// any box: the point `percent` of the way first, then points ever further from it in both
// directions (never nearer an end than a fifth of the line); nothing when the whole middle of
// the line is covered.
std::optional<WheelPoint> clearPointOnLine(WheelPoint from, WheelPoint to, int percent, int height,
                                           const std::vector<WheelBox>& boxes);
