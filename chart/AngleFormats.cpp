#include "AngleFormats.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double ThousandthSecond = 1.0 / 3600000.0;

template <typename... Args>
QString format(const char* fmt, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return QString::fromUtf8(buffer);
}

char signChar(double v) { return v < 0 ? '-' : ' '; }

Dms truncateDms(double v) {
    const auto d = static_cast<unsigned>(v);
    const double minutes = (v - d) * 60.0;
    const auto m = static_cast<unsigned>(minutes);
    const auto s = static_cast<unsigned>((minutes - m) * 60.0);
    return {d, m, s};
}

}  // namespace

Dms toDms(double degrees) { return truncateDms(std::fabs(degrees) + ThousandthSecond); }

QString formatUnsignedAngle(double degrees, bool decimal) {
    if (decimal)
        return format(" %8.4f\u00B0", degrees);
    const Dms a = toDms(degrees);
    return format("%3u\u00B0%02u'%02u\"", a.degrees, a.minutes, a.seconds);
}

QString formatSignedAngle(double degrees, bool decimal) {
    if (decimal)
        return format(" %c%7.4f\u00B0", signChar(degrees), std::fabs(degrees));
    const Dms a = toDms(degrees);
    return format("%c%2u\u00B0%02u'%02u\"", signChar(degrees), a.degrees, a.minutes, a.seconds);
}

QString formatLongitudeInSign(double degrees, bool decimal, int* sign) {
    const double v = degrees + ThousandthSecond;
    const int s = static_cast<int>(v / 30.0) % 12;
    if (sign)
        *sign = s;
    const double rest = v - s * 30.0;
    if (decimal)
        return format("%8.4f\u00B0", rest);
    const Dms a = truncateDms(rest);
    return format("%2u\u00B0%02u'%02u\"", a.degrees, a.minutes, a.seconds);
}

QString formatRightAscension(double degrees, const TOptions& options) {
    if (options.display.rascension & 2)
        return formatUnsignedAngle(degrees, options.display.decimal);
    const Dms t = toDms(degrees / 15.0);
    return format("%2u:%02u:%02u", t.degrees % 24, t.minutes, t.seconds);
}

QString formatSpeed(double degreesPerDay, char motionLetter, bool decimal) {
    if (decimal)
        return format(" %7.4f\u00B0%c", std::fabs(degreesPerDay), motionLetter);
    const Dms a = toDms(degreesPerDay);
    if (a.degrees != 0)
        return format("%2u\u00B0%02u'%02u\"%c", a.degrees, a.minutes, a.seconds, motionLetter);
    return format("   %2u'%02u\"%c", a.minutes, a.seconds, motionLetter);
}

QString formatDistance(double au) { return format("%8.3f", au); }

QString formatDiameter(double degrees, bool known, bool decimal) {
    if (!known || !(degrees > 0))
        return {};
    if (decimal)
        return format(" %7.5f\u00B0", degrees);
    // Whole degrees are not shown (no body is that large): arc minutes, and seconds cut to tenths.
    const double totalMinutes = degrees * 60.0 + ThousandthSecond / 60.0;
    const auto minutes = static_cast<unsigned>(totalMinutes);
    const double seconds = std::floor((totalMinutes - minutes) * 600.0) / 10.0;
    if (minutes != 0)
        return format("%2u'%04.1f\"", minutes, seconds);
    return format("   %4.1f\"", seconds);
}

QString formatMagnitude(double magnitude) {
    if (magnitude == 0)
        return {};
    return format("%c%6.3f", magnitude < 0 ? '-' : '+', std::fabs(magnitude));
}

QString formatNutation(double degrees, bool decimal) {
    if (decimal)
        return format(" %c%7.5f\u00B0", signChar(degrees), std::fabs(degrees));
    // Nutation stays below one arc minute: only the seconds, cut to tenths.
    const double seconds = std::floor(std::fabs(degrees) * 36000.0 + 0.01) / 10.0;
    return format("%c%4.1f\"", signChar(degrees), seconds);
}
