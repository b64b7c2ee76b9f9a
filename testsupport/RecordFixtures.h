#pragma once
// Builders of the stored date record for tests, field by field and without clamping, so a
// test can also make dates that the constructor would refuse.
#include <cstdint>

#include "BirthData.h"

inline CalDate date(int y, int m, int d, bool gregorian = true) {
    CalDate c;
    c.gregorian = gregorian;
    c.year = static_cast<std::int16_t>(y);
    c.month = static_cast<std::uint8_t>(m);
    c.day = static_cast<std::uint8_t>(d);
    return c;
}
