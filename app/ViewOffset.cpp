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

namespace {

std::int32_t clampAxis(std::int32_t offset, int low, int high, int extent, int margin) {
    const int m = std::max(0, std::min(margin, (high - low) / 2));
    // The far edge must not pass `m` from the window's start, the near edge not `m` before its end.
    const long lowest = static_cast<long>(m) - high, highest = static_cast<long>(extent) - m - low;
    if (lowest > highest)
        return offset;
    return static_cast<std::int32_t>(std::clamp<long>(offset, lowest, highest));
}

}  // namespace

void keepInSight(ViewOffset& v, const ContentBounds& c, int width, int height, int margin) {
    if (width <= 0 || height <= 0 || c.right <= c.left || c.bottom <= c.top)
        return;
    v.x = clampAxis(v.x, c.left, c.right, width, margin);
    v.y = clampAxis(v.y, c.top, c.bottom, height, margin);
}
