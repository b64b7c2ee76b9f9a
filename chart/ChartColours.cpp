#include "ChartColours.h"

#include <algorithm>
#include <cmath>

namespace {

ColorRef adapt(ColorRef c, bool lightGround) {
    struct Swap {
        ColorRef from, to;
    };
    static constexpr Swap onLight[] = {{0x00FF00, 0x00A600}, {0x00FFFF, 0x00A0D8}, {0x800000, 0x000000},
                                       {0xFF0000, 0x800000}, {0xFFFF00, 0xD8A000}, {0xFFFFFF, 0x808080}};
    static constexpr Swap onLegacy[] = {{0x008000, 0x006000}, {0x00FF00, 0x00B000}, {0x00FFFF, 0x00F0F0},
                                        {0xFFFF00, 0xB0B000}};
    if (lightGround) {
        for (const Swap& s : onLight)
            if (s.from == c)
                return s.to;
    } else {
        for (const Swap& s : onLegacy)
            if (s.from == c)
                return s.to;
    }
    return c;
}

}  // namespace

ColorRef adaptChartColour(ColorRef c, const TOptions& options, bool printing) {
    return adapt(c, printing || options.display.chart_style == 2);
}

ColorRef adaptTableColour(ColorRef c, const TOptions& options, bool printing) {
    return adapt(c, printing || options.display.table_style == 2);
}

ColorRef blendColour(ColorRef base, ColorRef c, double f) {
    ColorRef out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int b = int((base >> shift) & 0xFF), v = int((c >> shift) & 0xFF);
        const int mixed = static_cast<int>(b + (v - b) * f);
        out |= static_cast<ColorRef>(mixed & 0xFF) << shift;
    }
    return out;
}

namespace {

// Relative luminance of a colour (sRGB), 0 for black to 1 for white.
double luminance(ColorRef c) {
    auto channel = [](unsigned v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel((c >> 16) & 0xFF);
}

double contrast(ColorRef a, ColorRef b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

ColorRef legibleOn(ColorRef ink, ColorRef ground) {
    constexpr double LeastContrast = 3.0;
    if (contrast(ink, ground) >= LeastContrast)
        return ink;
    return contrast(0x000000, ground) >= contrast(0xFFFFFF, ground) ? 0x000000 : 0xFFFFFF;
}
