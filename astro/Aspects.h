#pragma once
// Aspects, their table codes and the 40 aspect points: which aspect each body makes with each
// point, how far apart they are, whether it is nearly exact, and parallels of declination. The
// search itself is AspectKernel.h; findAspects runs it on one chart.
#include <cstdint>

#include "StringIds.h"

struct RadixData;
struct TOptions;

constexpr int AspectSearchCount = 18;  // aspects 0..17; 18 parallel, 19 contra-parallel have orb rows only
constexpr int AspectQuintile = 4;
constexpr int AspectBiquintile = 8;
constexpr int AspectParallel = 18;
constexpr int AspectContraParallel = 19;

// Bits of an `aspectCode` entry; 255 means no aspect. Read them with the accessors below.
enum AspectCodeBits : std::uint8_t {
    AspectNone = 255,
    AspectIndexMask = 0x1F,
    AspectApplying = 0x20,
    AspectWithinThreeQuarters = 0x40,  // not set together with AspectWithinQuarter
    AspectWithinQuarter = 0x80,
    AspectStrengthMask = AspectWithinThreeQuarters | AspectWithinQuarter,
    AspectMarkMask = AspectApplying | AspectStrengthMask,  // all but the aspect itself
};

// How close to exact an aspect was found, as parts of its orb.
enum class AspectStrength : std::uint8_t { Loose, WithinThreeQuarters, WithinQuarter };

// Whether an `aspectCode` entry holds an aspect at all.
constexpr bool hasAspect(std::uint8_t code) { return code != AspectNone; }
// The aspect 0..17 of an entry that holds one.
constexpr int aspectType(std::uint8_t code) { return code & AspectIndexMask; }
// Whether the pair was closing in on the exact aspect.
constexpr bool aspectApplying(std::uint8_t code) { return (code & AspectApplying) != 0; }
constexpr AspectStrength aspectStrength(std::uint8_t code) {
    const int bits = code & AspectStrengthMask;
    return bits == AspectWithinQuarter         ? AspectStrength::WithinQuarter
           : bits == AspectWithinThreeQuarters ? AspectStrength::WithinThreeQuarters
                                               : AspectStrength::Loose;
}
// The entry of aspect `type` that keeps the strength and applying marks of `code`.
constexpr std::uint8_t withAspectType(std::uint8_t code, int type) {
    return static_cast<std::uint8_t>(type | (code & AspectMarkMask));
}

// The aspect points (columns 0..39 of the aspect tables) that the program names. Points from
// FirstOppositePoint on lie opposite another point and take their aspects from it.
enum AspectPointIndex : int {
    AspectPointAscendant = 0,
    AspectPointMC = 1,
    AspectPointSun = 2,         // bodies Sun .. North node at 2..12
    AspectPointNorthNode = 12,
    AspectPointCusp1 = 13,      // cusps 1..3 at 13..15
    AspectPointCusp10 = 16,     // cusps 10..12 at 16..18
    AspectPointLilith = 19,     // Lilith .. Vesta at 19..25
    AspectPointVertex = 26,     // Vertex .. Fortune at 26..30
    FirstOppositePoint = 31,
    AspectPointDescendant = 31,
    AspectPointIC = 32,
    AspectPointSouthNode = 33,
    AspectPointCusp7 = 34,      // cusps 7..9 at 34..36
    AspectPointCusp4 = 37,      // cusps 4..6 at 37..39
};
constexpr int PointsPerCuspGroup = 3;

// `parallelCode` values.
enum ParallelCode : std::uint8_t { Parallel = 0, ContraParallel = 1, NoParallel = 255 };

// Orb classes (columns of `orbises`).
enum OrbClass : int {
    OrbAsc = 0, OrbMC = 1, OrbSun = 2, OrbPluto = 11, OrbNodes = 12, OrbCusps = 13, OrbAsteroids = 14, OrbOther = 15,
};

// Exact angle of aspect 0..17 in degrees.
double aspectAngle(int aspect);
// The aspect a point makes with the opposite point (180° − angle), or -1 for 4, 8, 15, 16, 17.
int aspectComplement(int aspect);
// String id of the three-letter code of aspect 0..19 ("con" .. "apa").
constexpr int aspectCodeNameId(int aspect) { return StrId::AspectCon + aspect; }
static_assert(aspectCodeNameId(10) == StrId::AspectOpp && aspectCodeNameId(19) == StrId::AspectApa,
              "the aspect codes must stay one after the other in the string table");

// The orb class of chart point 0..39.
int orbClass(int point);
// The chart point of body 0..18, and the body at a chart point (-1 for axes, cusps, points).
// What an aspect point (a column 0..39 of the aspect tables) stands for: an axis, a chart point
// (a body 0..18 or a point 19..23) or a house cusp. The one description of the numbering.
enum class PointKind { Axis, Body, Cusp };
struct AspectPoint {
    PointKind kind;
    int index;  // axis 0..7, chart point 0..23 or cusp 0..11
};
AspectPoint aspectPoint(int column);

int aspectPointOfBody(int body);
int bodyOfAspectPoint(int point);
// Whether the pair of body k and chart point i is searched: i is not body k itself nor a body
// of a higher index (each pair of bodies once, from the body with the higher index).
inline bool aspectPairSearched(int k, int i) { return bodyOfAspectPoint(i) < k; }
// The points from FirstOppositePoint on lie opposite points 0, 1, 12, 13..18; -1 for the others.
int oppositeAspectPoint(int point);

// Whether chart point 0..39 of a computed chart could be computed (bodies and Fortune may not).
bool aspectPointAvailable(const RadixData& r, int point);
// Ecliptic longitude and declination (radians) of chart point 0..39 of a computed chart.
double aspectPointLongitude(const RadixData& r, int point);
double aspectPointDeclination(const RadixData& r, int point);

// The aspect point whose entries point `i` takes over in house system `houseSystem`: cusps 1 and
// 7 those of the Ascendant and Descendant except in Indian and Vehlow houses, cusps 10 and 4 those
// of the MC and IC except in Equal houses too; -1 when the point is searched itself.
int copiedAspectPoint(int houseSystem, int i);
// Angular distance 0..180° of two longitudes given in radians.
double separationDegrees(double a, double b);

// Fills `aspectCode`, `separation`, `exactAspect` and `parallelCode` for every pair of body k
// and chart point i except those where i is body k itself or a body of a higher index; `factor`
// multiplies the aspect orbs (1.0 for a single chart). Pairs with a body or point that the
// ephemeris could not compute get no aspect and no parallel.
void findAspects(RadixData& r, const TOptions& options, double factor);
