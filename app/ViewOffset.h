#pragma once
// Pan and zoom of one view kind of a chart window.
#include <array>
#include <cstdint>

#include "ChartViewKind.h"

struct ViewOffset {
    std::int32_t x = 0;
    std::int32_t y = 0;
    double zoom = 1.0;
};

constexpr double MinZoom = 0.2;
constexpr double MaxZoom = 10.0;
// The start and reset value of a view's pan and zoom.
ViewOffset initialViewOffset(ChartView view);

// Multiplies the zoom by `factor`, keeping it within MinZoom..MaxZoom.
void scaleZoom(ViewOffset& v, double factor);

// Zooms by e^(0.002 × delta) so that the point at (dx, dy) from the centre stays in place.
void zoomAround(ViewOffset& v, int wheelDelta, int dx, int dy);
