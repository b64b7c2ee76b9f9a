#include "Angles.h"

int signOf(double longitude) {
    const double deg = normalizeDegrees(longitude * RadToDeg) + 1.0 / 3600000.0;
    return static_cast<int>(std::floor(deg / 30.0)) % 12;
}
