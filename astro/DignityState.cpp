#include "DignityState.h"

DignityState dignityStateOf(const std::array<std::array<bool, 12>, 3>& flags, int sign) {
    const auto& own = flags[0];
    const auto& exaltation = flags[1];
    const auto& triplicity = flags[2];
    const int opposite = (sign + 6) % 12;
    if (own[sign])
        return DignityDomicile;
    if (own[opposite])
        return DignityDetriment;
    if (exaltation[sign])
        return DignityExaltation;
    if (exaltation[opposite])
        return DignityFall;
    if (triplicity[sign])
        return DignityTriplicity;
    return DignityNone;
}
