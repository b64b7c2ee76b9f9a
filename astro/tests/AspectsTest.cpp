// The aspect search on hand-placed charts: which aspect, its strength bits, applying,
// copied and derived pairs, parallels, and bodies the ephemeris could not compute.
#include <gtest/gtest.h>

#include "Aspects.h"
#include "ChartFixture.h"
#include "Houses.h"

namespace {

constexpr double Deg = 1.0 / RadToDegree;

// A chart with every body and point at 0° and all axes and cusps where the test puts them.
struct Placed {
    std::unique_ptr<RadixData> r = std::make_unique<RadixData>();
    std::unique_ptr<TOptions> options = defaultOptions();

    // Body `k` at `lonDeg` now and at `laterDeg` a moment later.
    void body(int k, double lonDeg, double laterDeg) {
        r->lon[k] = lonDeg * Deg;
        r->lonLater[k] = laterDeg * Deg;
    }
    void orb(int aspect, int orbClass, double degrees) { options->orbises[aspect][orbClass] = degrees; }
    std::uint8_t code(int k, int point) {
        findAspects(*r, *options, 1.0);
        return r->aspectCode[k][point];
    }
};

constexpr int SunPoint = 2;
constexpr int MarsBody = 4;
constexpr std::uint8_t Quarter = AspectWithinQuarter, ThreeQuarters = AspectWithinThreeQuarters,
                       Applying = AspectApplying;

}  // namespace

TEST(FindAspects, DirectSearchTakesTheFirstAspectWithinItsOrb) {
    struct Row {
        const char* name;
        double marsDeg, marsLaterDeg;
        void (*orbs)(Placed&);
        std::uint8_t code;
        std::uint8_t exact;
    } rows[] = {
        {"61 deg, sextile orbs 6 and 4: within a quarter, not exact", 61, 61.001,
         [](Placed& p) { p.orb(3, OrbSun, 6); p.orb(3, 6, 4); }, 3 | Quarter, 0},
        {"0.5 deg from a quintile: never exact", 72.5, 72.501, [](Placed&) {}, 4 | ThreeQuarters, 0},
        {"0.5 deg from a biquintile: never exact", 144.5, 144.501, [](Placed&) {}, 8 | ThreeQuarters, 0},
        {"0.5 deg from a square: exact", 90.5, 90.501, [](Placed&) {}, 5 | ThreeQuarters, 1},
        {"40 deg fits semisquare and novile: the semisquare comes first", 40, 39.999,
         [](Placed& p) { p.orb(2, OrbSun, 5); p.orb(2, 6, 5); p.orb(15, OrbSun, 5); p.orb(15, 6, 5); },
         2 | ThreeQuarters, 0},
        {"beyond three quarters of the orb: no strength bit", 121.8, 121.801, [](Placed&) {}, 6, 0},
        {"orbs of 0 never match", 0.0, 0.001, [](Placed& p) { p.orb(0, OrbSun, 0); p.orb(0, 6, 0); },
         AspectNone, 0},
        {"approaching the exact angle: applying", 59.4, 59.401, [](Placed&) {}, 3 | ThreeQuarters | Applying, 1},
        {"1.5 deg from a sextile with an orb of 2: no strength bit, not exact", 58.5, 58.499, [](Placed&) {}, 3, 0},
        {"passing the exact angle: applying", 59.9999, 60.0001, [](Placed&) {}, 3 | Quarter | Applying, 1},
        {"moving away from an opposition across 180 deg", 179.5, 179.49, [](Placed&) {},
         10 | ThreeQuarters, 1},
        {"moving into an opposition across 180 deg", 180.5, 180.49, [](Placed&) {},
         10 | ThreeQuarters | Applying, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Placed p;
        p.body(BodySun, 0, 0);
        p.body(MarsBody, row.marsDeg, row.marsLaterDeg);
        row.orbs(p);
        EXPECT_EQ(int(p.code(MarsBody, SunPoint)), int(row.code));
        EXPECT_EQ(p.r->exactAspect[MarsBody][SunPoint], row.exact);
        EXPECT_NEAR(p.r->separation[MarsBody][SunPoint] * RadToDegree,
                    row.marsDeg > 180 ? 360 - row.marsDeg : row.marsDeg, 1e-9);
    }
}

TEST(FindAspects, CuspsOnTheAxesCopyTheAxisEntriesByHouseSystem) {
    struct Row {
        int system;
        bool ascCopied, mcCopied;
    } rows[] = {
        {HouseZodikeon, true, true}, {HouseKoch, true, true}, {HouseEqual, true, false},
        {HouseIndian, false, false}, {HouseVehlow, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.system);
        Placed p;
        p.r->houseSystemUsed = static_cast<std::uint8_t>(row.system);
        // Axes 30° away from their cusps, so that a searched cusp gives another answer.
        p.r->axis[AxisAscendant] = 10 * Deg, p.r->cusp[0] = 40 * Deg;
        p.r->axis[AxisDescendant] = 190 * Deg, p.r->cusp[6] = 220 * Deg;
        p.r->axis[AxisMC] = 100 * Deg, p.r->cusp[9] = 130 * Deg;
        p.r->axis[AxisIC] = 280 * Deg, p.r->cusp[3] = 310 * Deg;
        p.body(MarsBody, 10, 10.001);  // on the Ascendant: a semisextile with cusp 1 when searched
        findAspects(*p.r, *p.options, 1.0);
        const auto& codes = p.r->aspectCode[MarsBody];
        EXPECT_EQ(codes[13] == codes[0], row.ascCopied);
        EXPECT_EQ(codes[34] == codes[31], row.ascCopied);
        p.body(MarsBody, 100, 99.999);  // on the MC, moving away from cusp 10
        findAspects(*p.r, *p.options, 1.0);
        EXPECT_EQ(codes[16] == codes[1], row.mcCopied);
        EXPECT_EQ(codes[37] == codes[32], row.mcCopied);
        if (!row.mcCopied) {
            EXPECT_EQ(int(codes[16]), 1 | Quarter);  // cusp 10 searched: 30° away
        }
    }
}

TEST(FindAspects, OppositePointsTakeTheComplementWithTheSameBits) {
    Placed p;
    p.r->houseSystemUsed = HouseIndian;  // no copied pairs
    p.r->axis[AxisAscendant] = 0, p.r->axis[AxisDescendant] = 180 * Deg;
    p.r->axis[AxisMC] = 270 * Deg, p.r->axis[AxisIC] = 90 * Deg;
    p.body(MarsBody, 120.8, 120.79);  // applying to the trine of the Ascendant
    findAspects(*p.r, *p.options, 1.0);
    const auto& codes = p.r->aspectCode[MarsBody];
    EXPECT_EQ(int(codes[0]), 6 | ThreeQuarters | Applying);
    EXPECT_EQ(int(codes[31]), 3 | ThreeQuarters | Applying);  // sextile the Descendant
    EXPECT_EQ(p.r->exactAspect[MarsBody][31], p.r->exactAspect[MarsBody][0]);
    EXPECT_NEAR(p.r->separation[MarsBody][31] * RadToDegree, 59.2, 1e-9);

    // A quintile to the MC is searched again against the IC, for the aspects without complement
    // only: 108° would be an NB7 (105°) with wide orbs, but that one has a complement.
    p.orb(13, 6, 2), p.orb(13, OrbMC, 2);
    p.body(MarsBody, 342, 342.001);
    findAspects(*p.r, *p.options, 1.0);
    EXPECT_EQ(int(codes[1] & AspectIndexMask), 4);
    EXPECT_EQ(int(codes[32]), AspectNone);
    // An aspect without complement is found directly against the opposite point.
    p.body(MarsBody, 36, 35.999);  // 36° from the Ascendant (nothing), 144° from the Descendant
    findAspects(*p.r, *p.options, 1.0);
    EXPECT_EQ(int(codes[0]), AspectNone);
    EXPECT_EQ(int(codes[31]), 8 | Quarter);
}

TEST(FindAspects, SouthNodeMirrorsTheNorthNodeAndOpposesItDirectly) {
    Placed p;
    p.body(BodySun, 121, 121.001);
    p.body(BodyNorthNode, 0, 359.9999);
    p.body(BodySouthNode, 180, 179.9999);
    findAspects(*p.r, *p.options, 1.0);
    EXPECT_EQ(int(p.r->aspectCode[BodyNorthNode][SunPoint]), 6 | ThreeQuarters);  // trine, separating
    EXPECT_EQ(int(p.r->aspectCode[BodySouthNode][SunPoint]), 3 | ThreeQuarters);  // sextile
    EXPECT_EQ(p.r->exactAspect[BodySouthNode][SunPoint], 0);
    // The pair of the nodes themselves: an exact opposition that neither applies nor separates.
    EXPECT_EQ(int(p.r->aspectCode[BodySouthNode][12]), 10 | Quarter);
    EXPECT_EQ(p.r->exactAspect[BodySouthNode][12], 1);
}

TEST(FindAspects, ParallelsCompareDeclinationsWithoutTheCollationFactor) {
    struct Row {
        double sunDecl, marsDecl;
        std::uint8_t code;
    } rows[] = {
        {10, 10.5, Parallel}, {10, -10.5, ContraParallel}, {-0.5, 0.0, ContraParallel},
        {10, 12.5, NoParallel}, {-20, -21.9, Parallel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.marsDecl);
        Placed p;
        p.r->decl[BodySun] = row.sunDecl * Deg;
        p.r->decl[MarsBody] = row.marsDecl * Deg;
        findAspects(*p.r, *p.options, 0.1);
        EXPECT_EQ(int(p.r->parallelCode[MarsBody][SunPoint]), int(row.code));
    }
}

TEST(FindAspects, UnavailableBodiesTakePartInNoAspect) {
    Placed p;
    p.r->bodyStatus[BodyChiron] = EphemerisStatus::OutOfRange;
    findAspects(*p.r, *p.options, 1.0);  // every body at 0°: conjunctions and parallels everywhere
    for (int i = 0; i < AspectPointCount; ++i) {
        if (bodyOfAspectPoint(i) >= BodyChiron)
            continue;
        EXPECT_EQ(int(p.r->aspectCode[BodyChiron][i]), AspectNone) << i;
        EXPECT_EQ(int(p.r->parallelCode[BodyChiron][i]), NoParallel) << i;
    }
    const int chironPoint = aspectPointOfBody(BodyChiron);
    for (int k = BodyPholus; k < BodyCount; ++k) {
        EXPECT_EQ(int(p.r->aspectCode[k][chironPoint]), AspectNone) << k;
        EXPECT_EQ(int(p.r->aspectCode[k][aspectPointOfBody(BodyLilith)]), 0 | Quarter) << k;
    }
}

TEST(FindAspects, ChartPointsMapToBodiesAndOrbClasses) {
    for (int k = 0; k < BodyCount; ++k)
        EXPECT_EQ(bodyOfAspectPoint(aspectPointOfBody(k)), k);
    // Each point's conjunction with Vesta, 2 deg away, is found through the orb of the point's
    // own kind alone: found with only that orb set, missed with every other orb set. (Cusps on
    // the axes and the points opposite others take their pairs from those, tested above.)
    struct Row {
        const char* name;
        int point, orbClass;
    } rows[] = {
        {"Ascendant", 0, OrbAsc},      {"Midheaven", 1, OrbMC},      {"Sun", 2, OrbSun},
        {"Moon", 3, OrbSun + 1},       {"Pluto", 11, OrbPluto},      {"North Node", 12, OrbNodes},
        {"second cusp", 14, OrbCusps}, {"sixth cusp", 18, OrbCusps}, {"Lilith", 19, OrbNodes},
        {"Chiron", 20, OrbAsteroids},  {"Vertex", 26, OrbOther},     {"Fortune", 30, OrbOther},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (const bool onlyOwnOrb : {true, false}) {
            Placed p;
            p.body(BodyVesta, 2, 2);
            for (int c = 0; c <= OrbOther; ++c) {
                // Vesta's own (asteroid) orb counts too: it stays 0 when the others are set.
                const bool set = onlyOwnOrb ? c == row.orbClass : c != row.orbClass && c != OrbAsteroids;
                p.orb(0, c, set ? 2.5 : 0);
            }
            const std::uint8_t code = p.code(BodyVesta, row.point);
            if (onlyOwnOrb)
                EXPECT_EQ(code & AspectIndexMask, 0) << "conjunction missed with its own orb";
            else
                EXPECT_EQ(code, AspectNone) << "conjunction found without its own orb";
        }
    }
}
