#pragma once
// Pan and zoom of one view kind of a chart window.
#include <array>
#include <cstdint>

#include "ChartViewKind.h"
#include "ViewZoom.h"

struct ViewOffset {
    std::int32_t x = 0;
    std::int32_t y = 0;
    double zoom = 1.0;
};

// The start and reset value of a view's pan and zoom.
ViewOffset initialViewOffset(ChartView view);

// Multiplies the zoom by `factor`, keeping it within MinZoom..MaxZoom.
void scaleZoom(ViewOffset& v, double factor);

// Zooms by e^(0.002 × delta) so that the point at (dx, dy) from the centre stays in place.
void zoomAround(ViewOffset& v, int wheelDelta, int dx, int dy);

// Keeps a view within reach: `content` is where the view's drawing lies (device pixels, left,
// top, right, bottom) at offset 0, and at least `margin` pixels of it (or all of it, when it
// is smaller) must stay inside a window of `width` by `height`. Offsets that already do are
// left alone, so a pan survives a resize as long as the chart stays in sight.
struct ContentBounds {
    int left = 0, top = 0, right = 0, bottom = 0;
};
void keepInSight(ViewOffset& v, const ContentBounds& content, int width, int height, int margin);
