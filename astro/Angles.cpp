#include "Angles.h"

int signOf(double longitude) {
    const double deg = normalizeDegrees(longitude * RadToDeg) + 1.0 / 3600000.0;
    return static_cast<int>(std::floor(deg / 30.0)) % 12;
}

EquatorialPosition eclipticToEquatorial(double longitude, double latitude, double obliquity) {
    const double cosLat = std::cos(latitude), sinLat = std::sin(latitude);
    const double cosLon = std::cos(longitude), sinLon = std::sin(longitude);
    const double cosEps = std::cos(obliquity), sinEps = std::sin(obliquity);
    const double x = cosLat * cosLon;
    const double y = cosLat * sinLon * cosEps - sinLat * sinEps;
    const double z = cosLat * sinLon * sinEps + sinLat * cosEps;
    return {normalizeRadians(std::atan2(y, x)), std::atan2(z, std::sqrt(x * x + y * y))};
}
