#pragma once
// The ten house systems and where each house begins.
#include <array>

#include "StringIds.h"

enum HouseSystemIndex : int {
    HouseZodikeon = 0, HouseRegiomontanus = 1, HouseCampanus = 2, HousePagePolich = 3, HouseKoch = 4,
    HouseAlcabitius = 5, HousePorphyrius = 6, HouseIndian = 7, HouseEqual = 8, HouseVehlow = 9,
};
constexpr int HouseSystemCount = 10;

// The library's code of house system `index` (`housecalc`); Zodikeon for an unknown index.
char houseSystemCode(int index);
// String id of the name of house system `index` ("Zodikeon" .. "Vehlow").
constexpr int houseSystemNameId(int index) { return StrId::HouseSystemZodikeon + index; }
// The names are read by offset: the string table must keep them one after the other.
static_assert(houseSystemNameId(HouseSystemCount - 1) == StrId::HouseSystemVehlow);
// Menu command that selects house system `index`.
constexpr int houseSystemCommandId(int index) { return 40261 + index; }

// Where each house begins (radians), from the cusps (radians) and the house scopes before the
// cusps (`houseexts`, degrees: Asc-Desc, MC-IC, internal). Indian houses begin halfway from the
// previous cusp; the other systems a scope before their cusp, houses 4..9 opposite 10..3.
std::array<double, 12> houseStarts(const std::array<double, 12>& cusp, int houseSystem,
                                   const std::array<double, 3>& houseexts);

struct HousePosition {
    int house = 0;    // 0..11
    int percent = 0;  // 100 at the cusp, falling towards 0 at either end of the house
};

// The house of an ecliptic longitude (radians): the first house whose start it has passed by
// less than 180° and whose next start lies ahead; house 0 when none does.
HousePosition housePosition(double longitude, const std::array<double, 12>& cusp,
                            const std::array<double, 12>& houseStart);

struct InterceptedSigns {
    std::array<unsigned char, 6> sign{};      // houses 1..6: the last sign wholly inside, or 255
    std::array<unsigned char, 6> opposite{};  // houses 7..12: the opposite sign, or 255
};

// From the cusp signs 0..11 of cusps 1..12.
InterceptedSigns interceptedSigns(const std::array<unsigned char, 12>& cuspSign);
