#include "QuarterDegrees.h"

#include <cmath>
#include <numbers>

namespace {

std::array<std::int32_t, FullCircle> buildSineTable() {
    std::array<std::int32_t, FullCircle> table{};
    for (int i = 0; i < FullCircle; ++i)
        table[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(std::sin(i * std::numbers::pi / 720.0) * 65536.0);
    return table;
}

}  // namespace

const std::array<std::int32_t, FullCircle> SINE_TABLE = buildSineTable();
