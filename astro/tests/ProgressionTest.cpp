// Progressed moments and directed angles against values worked out here from the ephemeris
// library itself, for each key and for arcs in longitude and in right ascension.
#include <gtest/gtest.h>

#include <swephexp.h>

#include <cmath>

#include "ChartFixture.h"
#include "Aspects.h"
#include "ChartIndex.h"
#include "ComputeRadix.h"
#include "Progression.h"

namespace {

double jd(int y, int m, int d) { return calendarToJulianDay(y, m, d, 0.0, true); }

// The Sun's apparent longitude and right ascension (degrees) at a UT moment, by the library.
struct SunPlace {
    double lon, ra;
};
SunPlace sunAt(double jdUT) {
    double ecl[6] = {}, equ[6] = {};
    char serr[AS_MAXCH] = "";
    const double et = jdUT + swe_deltat(jdUT);
    swe_calc(et, SE_SUN, 0, ecl, serr);
    swe_calc(et, SE_SUN, SEFLG_EQUATORIAL, equ, serr);
    return {ecl[0], equ[0]};
}

double folded(double d) {
    d = std::fmod(d, 360.0);
    return d < 0 ? d + 360.0 : d;
}

class ProgressionTest : public ChartTest {};

constexpr double Tolerance = 1e-6;  // degrees
constexpr double BudapestLon = 19.04, BudapestLat = 47.5;

}  // namespace

TEST_F(ProgressionTest, ProgressedMomentIsADayForEachYearOrMonthOfAge) {
    const double birth = jd(1980, 7, 1) + 0.4375;
    const double target = jd(2026, 12, 11);
    EXPECT_NEAR(progressedMoment(birth, target, ProgressionKind::Secondary), birth + (target - birth) / 365.24219,
                1e-9);
    EXPECT_NEAR(progressedMoment(birth, target, ProgressionKind::Tertiary), birth + (target - birth) / 27.321661,
                1e-9);
    // Forty tropical years after birth is forty days after it.
    EXPECT_NEAR(progressedMoment(birth, birth + 40 * 365.24219, ProgressionKind::Secondary), birth + 40, 1e-9);
    EXPECT_DOUBLE_EQ(progressedMoment(birth, birth, ProgressionKind::Tertiary), birth);
}

TEST_F(ProgressionTest, TheMcIsDirectedByTheKeyOfTheSettings) {
    auto options = defaultOptions();
    options->housecalc = 1;  // Regiomontanus: the library's 'R'
    auto natal = chartAt(1980, 7, 1, 10.5, true, BudapestLon, BudapestLat);
    computeRadix(*natal, *options);
    const double natalMC = natal->axis[AxisMC] * RadToDegree, natalARMC = natal->armc * RadToDegree;
    const SunPlace natalSun = sunAt(natal->jdUT);
    const double naibod = 59.0 / 60.0 + 8.33 / 3600.0;

    enum Measure { Longitude, RightAscension };
    const struct {
        const char* name;
        ProgressionKind kind;
        DirectionKey key;
        ProgressionKey used;
        Measure measure;
    } rows[] = {
        {"secondary, true solar arc in longitude", ProgressionKind::Secondary, {false, true, 0}, ProgressionKey::TrueSolarArc, Longitude},
        {"secondary, true solar arc in RA", ProgressionKind::Secondary, {true, true, 0}, ProgressionKey::TrueSolarArc, RightAscension},
        {"true solar arc ignores a key", ProgressionKind::Secondary, {false, true, 1.0}, ProgressionKey::TrueSolarArc, Longitude},
        {"tertiary, true solar arc past a turn", ProgressionKind::Tertiary, {false, true, 0}, ProgressionKey::TrueSolarArc, Longitude},
        {"tertiary, true solar arc in RA", ProgressionKind::Tertiary, {true, true, 0}, ProgressionKey::TrueSolarArc, RightAscension},
        {"Naibod for a zero key", ProgressionKind::Secondary, {false, false, 0}, ProgressionKey::Angle, Longitude},
        {"Ptolemy's degree", ProgressionKind::Secondary, {false, false, 1.0}, ProgressionKey::Angle, Longitude},
        {"a key in RA", ProgressionKind::Secondary, {true, false, 1.5}, ProgressionKey::Angle, RightAscension},
        {"Naibod in tertiary", ProgressionKind::Tertiary, {false, false, 0}, ProgressionKey::Angle, Longitude},
    };
    const double target = jd(2026, 12, 11);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProgressionRequest request;
        request.kind = row.kind;
        request.targetUT = target;
        request.key = row.key;
        auto p = std::make_unique<Progression>();
        computeProgression(*natal, request, *options, *p);

        const double unit = row.kind == ProgressionKind::Secondary ? 365.24219 : 27.321661;
        const double progressed = natal->jdUT + (target - natal->jdUT) / unit;
        const double days = progressed - natal->jdUT;
        EXPECT_NEAR(p->progressedUT, progressed, 1e-9);
        EXPECT_NEAR(p->chart.jdUT, progressed, 1e-8);
        EXPECT_EQ(p->key, row.used);

        double arc = 0;
        if (row.used == ProgressionKey::TrueSolarArc) {
            const SunPlace sun = sunAt(progressed);
            const double raw = row.measure == Longitude ? sun.lon - natalSun.lon : sun.ra - natalSun.ra;
            // The Sun has gone round as many times as its mean motion says.
            arc = folded(raw) + 360.0 * std::round((naibod * days - folded(raw)) / 360.0);
        } else {
            const double key = row.key.keyDegrees == 0 ? naibod : row.key.keyDegrees;
            EXPECT_NEAR(p->keyDegrees, key, 1e-12);
            arc = key * (target - natal->jdUT) / 365.24219;  // a year of age, whatever the kind
        }
        EXPECT_NEAR(p->arc, arc, Tolerance);
        if (row.kind == ProgressionKind::Tertiary && row.used == ProgressionKey::TrueSolarArc) {
            EXPECT_GT(p->arc, 360.0);  // 46 years are over six hundred days of tertiary time
        }

        if (row.measure == Longitude) {
            EXPECT_LT(angleDiff(p->chart.axis[AxisMC] * RadToDegree, natalMC + arc), Tolerance);
        } else {
            EXPECT_LT(angleDiff(p->chart.armc * RadToDegree, natalARMC + arc), Tolerance);
        }

        // The Ascendant rises from the directed ARMC at the natal latitude.
        double cusps[13] = {}, ascmc[10] = {};
        swe_houses_armc(p->chart.armc * RadToDegree, BudapestLat, p->chart.obliquity * RadToDegree, 'R', cusps, ascmc);
        EXPECT_LT(angleDiff(p->chart.axis[AxisAscendant] * RadToDegree, ascmc[0]), Tolerance);
        EXPECT_LT(angleDiff(p->chart.cusp[10] * RadToDegree, cusps[11]), Tolerance);
        // The bodies are those of the progressed moment.
        EXPECT_LT(angleDiff(p->chart.lon[BodySun] * RadToDegree, sunAt(progressed).lon), Tolerance);
    }
}

TEST_F(ProgressionTest, QuotidianHousesAreThoseOfTheProgressedMoment) {
    auto options = defaultOptions();
    auto natal = chartAt(1980, 7, 1, 10.5, true, BudapestLon, BudapestLat);
    computeRadix(*natal, *options);
    ProgressionRequest request;
    request.targetUT = jd(2026, 12, 11);
    request.quotidian = true;
    request.key = {false, true, 0};
    auto p = std::make_unique<Progression>();
    computeProgression(*natal, request, *options, *p);
    EXPECT_EQ(p->key, ProgressionKey::Quotidian);

    // Local apparent sidereal time of the progressed moment at the natal place.
    const double armc = folded(swe_sidtime(p->progressedUT) * 15.0 + BudapestLon);
    EXPECT_LT(angleDiff(p->chart.armc * RadToDegree, armc), 1e-5);
    EXPECT_NEAR(p->arc, folded((p->chart.axis[AxisMC] - natal->axis[AxisMC]) * RadToDegree), 1e-9);
}

TEST_F(ProgressionTest, TheProgressedChartIsComparedWithTheNatalOneByTheCollationFactor) {
    auto options = defaultOptions();
    auto natal = chartAt(1980, 7, 1, 10.5, true, BudapestLon, BudapestLat);
    computeRadix(*natal, *options);
    ProgressionRequest request;
    request.targetUT = jd(2026, 12, 11);
    auto wide = std::make_unique<Progression>(), narrow = std::make_unique<Progression>();
    options->collfactor = 2.0;
    computeProgression(*natal, request, *options, *wide);
    options->collfactor = 0.5;
    computeProgression(*natal, request, *options, *narrow);
    int wideCount = 0, narrowCount = 0;
    for (int k = 0; k < BodyCount; ++k)
        for (int i = 0; i < AspectPointCount; ++i) {
            wideCount += wide->aspects.secondToRadix.aspectCode[k][i] != AspectNone;
            narrowCount += narrow->aspects.secondToRadix.aspectCode[k][i] != AspectNone;
        }
    EXPECT_GT(wideCount, narrowCount);
}
