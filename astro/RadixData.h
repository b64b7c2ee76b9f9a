#pragma once
// The chart document: the personal data of a person, followed by what the chart calculation
// derives from them. The personal fields are stored byte for byte in horoscope files.
#include <array>
#include <cstddef>
#include <cstdint>

#include "BirthData.h"
#include "ChartIndex.h"
#include "Ephemeris.h"

struct RadixData {
    static constexpr std::size_t NameSize = 41;
    static constexpr std::size_t EnteredNameLength = 39;
    static constexpr std::size_t HorTypeSize = 11;
    static constexpr std::size_t EnteredHorTypeLength = 9;
    static constexpr std::size_t NotesSize = 2001;
    static constexpr std::size_t EnteredNotesLength = 1999;

    // Personal part. Every field has an alignment of one byte, so they lie back to back
    // exactly as in the file without packing the whole record.
    std::array<char, NameSize> name{};        // empty is stored as string 23 "(no name)"
    std::array<char, HorTypeSize> horType{};  // one of strings 102..125 or typed; empty is string 24
    BirthMoment moment;
    std::array<char, NotesSize> notes{};

    // Computed part: filled by computeRadix, never stored, so it keeps the natural alignment
    // of its fields. Angles in radians, longitudes and right ascensions in [0, 2π); arrays in
    // body index order (ChartIndex.h), points 19..23 after the 19 bodies.
    double jdUT = 0;
    double jdET = 0;              // jdUT + Delta T
    double armc = 0;              // right ascension of the MC
    std::uint8_t nightChart = 0;  // 1 when the Sun is below the horizon
    double geoLatitude = 0;
    double tanGeoLatitude = 0;
    double obliquity = 0;  // true obliquity of the ecliptic
    double negSinObliquity = 0;
    double cosObliquity = 0;
    double nutationLongitude = 0;
    double nutationObliquity = 0;
    double ayanamsa = 0;
    std::array<double, AxisCount> axis{};  // AxisIndex order
    std::array<double, AxisCount> axisRA{};
    std::array<double, AxisCount> axisDecl{};
    std::array<double, CuspCount> cusp{};  // cusps 1..12
    std::array<double, CuspCount> cuspRA{};
    std::array<double, CuspCount> cuspDecl{};
    std::array<double, CuspCount> houseStart{};  // where each house begins, its scope before the cusp
    std::array<double, ChartPointCount> lon{};
    std::array<double, ChartPointCount> lat{};  // points 19..23 stay 0
    std::array<double, ChartPointCount> ra{};
    std::array<double, ChartPointCount> decl{};
    std::array<double, BodyCount> speed{};  // radians per day
    std::array<double, BodyCount> obliqueAsc{};
    std::array<double, BodyCount> poleTangent{};
    std::array<std::uint8_t, BodyCount> westernHalf{};
    std::array<double, BodyCount> semiArc{};
    std::array<double, BodyCount> ascDiff{};
    std::array<double, BodyCount> meridianDist{};
    std::array<double, BodyCount> ascDiffPole{};
    std::array<double, BodyCount> poleHeight{};
    std::array<std::uint8_t, BodyCount> aboveHorizon{};
    std::array<double, BodyCount> lonLater{};  // longitudes at jdET + 0.0001 day
    std::array<std::uint8_t, CuspCount> cuspSign{};
    std::array<std::uint8_t, 6> interceptedSign{};      // houses 1..6, 255 = none
    std::array<std::uint8_t, 6> interceptedOpposite{};  // houses 7..12, 255 = none
    std::array<std::uint8_t, BodyCount> bodySign{};
    std::array<std::uint8_t, BodyCount> bodyHouse{};     // 0..11
    std::array<std::uint8_t, BodyCount> housePercent{};  // 0..100
    std::array<std::int8_t, ChartPointCount> motion{};   // 1 direct, 0 stationary, -1 retrograde
    std::array<std::uint8_t, DignityStateCount> dignityState{};  // DignityState, bodies 0..10
    // Aspect tables [body 0..18][aspect point 0..39], see Aspects.h.
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> aspectCode{};
    std::array<std::array<double, AspectPointCount>, BodyCount> separation{};
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> exactAspect{};
    std::array<std::array<std::uint8_t, AspectPointCount>, BodyCount> parallelCode{};
    std::uint8_t computed = 0;

    // What the calculation could not do as asked, for the caller to tell the user.
    // The house system the cusps really come from (HouseSystemIndex): Porphyrius when the
    // chosen system has no cusps at the birth latitude.
    std::uint8_t houseSystemUsed = 0;
    // Per body and point: whether the ephemeris could compute it, and if not, why. The values
    // of an unavailable one are all zero and it takes part in no aspect; Fortune is
    // unavailable when the Sun or the Moon is.
    std::array<EphemerisStatus, ChartPointCount> bodyStatus{};

    bool available(int index) const { return isAvailable(bodyStatus[index]); }
};

static_assert(offsetof(RadixData, name) == 0);
static_assert(offsetof(RadixData, horType) == 41);
static_assert(offsetof(RadixData, moment) == 52);
static_assert(offsetof(RadixData, notes) == 140);

// Size of the personal part, which ends the stored data of the record.
constexpr std::size_t RadixPersonalSize = offsetof(RadixData, notes) + RadixData::NotesSize;
static_assert(RadixPersonalSize == 2141);
