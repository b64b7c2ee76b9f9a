#include "WheelClearance.h"

#include <algorithm>
#include <cmath>

WheelBox glyphBox(WheelPoint c, int height) {
    const int h = static_cast<int>(0.6 * height);
    return {c.x - h, c.y - h, c.x + h, c.y + h};
}

WheelBox degreeLabelBox(WheelPoint p, int h) {
    // Two digits of the label font are about 1.1 h wide; the minutes are 0.65 h high.
    return {p.x - static_cast<int>(0.35 * h + 0.6 * h), p.y - static_cast<int>(0.55 * h),
            p.x + static_cast<int>(0.3 * h + 0.45 * h), p.y + static_cast<int>(0.2 * h + 0.4 * h)};
}

std::vector<std::pair<WheelPoint, WheelPoint>> segmentsOutside(WheelPoint a, WheelPoint b,
                                                               const std::vector<WheelBox>& boxes) {
    // The parts of the segment's parameter range [0, 1] that each box covers (Liang-Barsky).
    const double dx = b.x - a.x, dy = b.y - a.y;
    std::vector<std::pair<double, double>> covered;
    for (const WheelBox& box : boxes) {
        double t0 = 0.0, t1 = 1.0;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {static_cast<double>(a.x - box.left), static_cast<double>(box.right - a.x),
                             static_cast<double>(a.y - box.bottom), static_cast<double>(box.top - a.y)};
        bool outside = false;
        for (int i = 0; i < 4 && !outside; ++i) {
            if (p[i] == 0.0) {
                outside = q[i] < 0.0;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0.0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            outside = t0 > t1;
        }
        if (!outside)
            covered.emplace_back(t0, t1);
    }
    std::sort(covered.begin(), covered.end());
    const auto point = [&](double t) {
        return WheelPoint{a.x + static_cast<int>(std::lround(dx * t)), a.y + static_cast<int>(std::lround(dy * t))};
    };
    std::vector<std::pair<WheelPoint, WheelPoint>> pieces;
    double from = 0.0;
    for (const auto& [t0, t1] : covered) {
        if (t0 > from)
            pieces.emplace_back(point(from), point(t0));
        from = std::max(from, t1);
    }
    if (from < 1.0)
        pieces.emplace_back(point(from), b);
    return pieces;
}

std::optional<WheelPoint> clearPointOnLine(WheelPoint from, WheelPoint to, int percent, int height,
                                           const std::vector<WheelBox>& boxes) {
    const auto pointAt = [&](int pc) {
        return WheelPoint{from.x + (to.x - from.x) * pc / 100, from.y + (to.y - from.y) * pc / 100};
    };
    const auto clear = [&](WheelPoint at) {
        const WheelBox symbol = glyphBox(at, height);
        return std::none_of(boxes.begin(), boxes.end(), [&](const WheelBox& b) { return b.intersects(symbol); });
    };
    for (int step = 0; step <= 30; step += 3) {
        for (const int pc : {percent - step, percent + step}) {
            if (pc < 20 || pc > 80)
                continue;
            if (const WheelPoint at = pointAt(pc); clear(at))
                return at;
            if (step == 0)
                break;
        }
    }
    return std::nullopt;
}
