#include "ViewOffset.h"

#include <algorithm>
#include <cmath>

ViewOffset initialViewOffset(ChartView view) {
    const std::int32_t d = initialViewPan(view);
    return {d, d, 1.0};
}

void scaleZoom(ViewOffset& v, double factor) {
    v.zoom = std::clamp(v.zoom * factor, MinZoom, MaxZoom);
}

void zoomAround(ViewOffset& v, int wheelDelta, int dx, int dy) {
    const double old = v.zoom;
    scaleZoom(v, std::exp(0.002 * wheelDelta));
    const double r = v.zoom / old;
    v.x = dx + static_cast<std::int32_t>((v.x - dx) * r);
    v.y = dy + static_cast<std::int32_t>((v.y - dy) * r);
}
