#pragma once
// The sign dignity state of a body: domicile, detriment, exaltation, fall or triplicity.
#include <array>
#include <cstdint>

#include "StringIds.h"

enum DignityState : std::uint8_t {
    DignityNone = 0,
    DignityDomicile = 1,
    DignityDetriment = 2,
    DignityExaltation = 3,
    DignityFall = 4,
    DignityTriplicity = 6,
};

// String id of the short label of a state ("Dom", "Detr", "Exa", "Fall", "Trig").
constexpr int dignityLabelId(int state) { return StrId::DignityDom - 1 + state; }

// The state of a body in `sign` (0..11) from its three rows of twelve sign flags (own,
// exaltation, triplicity): detriment and fall are the signs opposite its domiciles and
// exaltations. The first that holds wins, in the order of the enum.
DignityState dignityStateOf(const std::array<std::array<bool, 12>, 3>& flags, int sign);
