#include "Houses.h"

#include <numbers>

#include "Angles.h"

char houseSystemCode(int index) {
    static constexpr char codes[HouseSystemCount] = {'P', 'R', 'C', 'T', 'K', 'B', 'O', 'W', 'E', 'V'};
    return index >= 0 && index < HouseSystemCount ? codes[index] : codes[HouseZodikeon];
}

std::array<double, 12> houseStarts(const std::array<double, 12>& cusp, int houseSystem,
                                   const std::array<double, 3>& houseexts) {
    std::array<double, 12> start{};
    if (houseSystem == HouseIndian) {
        for (int h = 0; h < 12; ++h) {
            const double previous = cusp[(h + 11) % 12];
            start[h] = normalizeRadians(previous + normalizeRadians(cusp[h] - previous) / 2);
        }
        return start;
    }
    const double ascScope = houseexts[0] * DegToRad;
    const double mcScope = houseexts[1] * DegToRad;
    const double internal = houseexts[2] * DegToRad;
    const bool vehlow = houseSystem == HouseVehlow;
    const bool equal = houseSystem == HouseEqual;
    start[0] = cusp[0] - (vehlow ? internal : ascScope);
    start[1] = cusp[1] - internal;
    start[2] = cusp[2] - internal;
    start[9] = cusp[9] - (vehlow || equal ? internal : mcScope);
    start[10] = cusp[10] - internal;
    start[11] = cusp[11] - internal;
    for (int h : {0, 1, 2, 9, 10, 11})
        start[(h + 6) % 12] = start[h] + std::numbers::pi;
    for (double& s : start)
        s = normalizeRadians(s);
    return start;
}

HousePosition housePosition(double longitude, const std::array<double, 12>& cusp,
                            const std::array<double, 12>& houseStart) {
    constexpr double pi = std::numbers::pi;
    HousePosition pos;
    for (int h = 0; h < 12; ++h) {
        const double next = houseStart[(h + 1) % 12];
        if (normalizeRadians(longitude - houseStart[h]) < pi && normalizeRadians(longitude - next) > pi) {
            pos.house = h;
            break;
        }
    }
    const int h = pos.house;
    const double c = normalizeRadians(longitude - cusp[h]);
    double p;
    if (c < pi) {
        const double width = normalizeRadians(houseStart[(h + 1) % 12] - cusp[h]);
        p = width > 0 ? c / width : (c > 0 ? 1.0 : 0.0);
    } else {
        const double scope = normalizeRadians(cusp[h] - houseStart[h]);
        p = scope > 0 ? (TwoPi - c) / scope : 1.0;
    }
    // A body that fits no house lands in house 1 and may lie far outside it: never below 0%.
    p = p < 0 ? 0 : (p > 1 ? 1 : p);
    pos.percent = static_cast<int>((1.0 - p) * 100.0);
    return pos;
}

InterceptedSigns interceptedSigns(const std::array<unsigned char, 12>& cuspSign) {
    InterceptedSigns out;
    for (int h = 0; h < 6; ++h) {
        const int d = ((cuspSign[h + 1] - cuspSign[h]) % 12 + 12) % 12;
        if (d >= 2) {
            const int last = (cuspSign[h] + d - 1) % 12;
            out.sign[h] = static_cast<unsigned char>(last);
            out.opposite[h] = static_cast<unsigned char>((last + 6) % 12);
        } else {
            out.sign[h] = out.opposite[h] = 255;
        }
    }
    return out;
}
