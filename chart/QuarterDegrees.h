#pragma once
// Wheel geometry in integer quarter degrees (1440 to the circle) over a 16.16 fixed-point sine
// table, so a repaint places every point with a multiply and a shift and no trigonometry.
#include <array>
#include <cstdint>

constexpr int FullCircle = 1440;
constexpr double QuarterDegreesPerRadian = 229.1831180523293;  // 720 / pi

// Entry i is (int)(sin(i * pi / 720) * 65536), truncated toward zero.
extern const std::array<std::int32_t, FullCircle> SINE_TABLE;

// Radians to quarter degrees, truncating.
inline int toQuarterDegrees(double radians) { return static_cast<int>(radians * QuarterDegreesPerRadian); }

// Any angle brought into 0..1439.
inline int normaliseAngle(int a) {
    a %= FullCircle;
    return a < 0 ? a + FullCircle : a;
}

inline std::int32_t sineQ(int a) { return SINE_TABLE[static_cast<std::size_t>(normaliseAngle(a))]; }
inline std::int32_t cosineQ(int a) { return SINE_TABLE[static_cast<std::size_t>(normaliseAngle(a + 360))]; }

struct WheelPoint {
    int x = 0, y = 0;
    friend bool operator==(const WheelPoint&, const WheelPoint&) = default;
};

// The point at angle `a` and radius `r` around (cx, cy) in y-up units: angle 0 lies left of the
// centre and angles grow counter-clockwise; `mirror` -1 mirrors left to right. The product is
// taken in 64 bits so that large exports cannot overflow it.
inline WheelPoint wheelPoint(int cx, int cy, int a, int r, int mirror) {
    const auto x = static_cast<int>((static_cast<std::int64_t>(r) * cosineQ(a)) >> 16);
    const auto y = static_cast<int>((static_cast<std::int64_t>(r) * sineQ(a)) >> 16);
    return {cx - x * mirror, cy - y};
}
