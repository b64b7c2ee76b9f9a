#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "ChartIndex.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "Houses.h"
#include "OptionDefaults.h"
#include "RadixData.h"

namespace {

constexpr int ChartCount = 512;

// Charts from 1900 to 2100 in shuffled order (so the library's per-date cache helps no more
// than with real use), places within ±66° latitude. Fixed seeds: every run measures the same.
struct Inputs {
    std::vector<BirthMoment> moments;
    std::unique_ptr<TOptions> options = std::make_unique<TOptions>();

    Inputs() {
        startEphemeris(ZDK_EPHEMERIS_DIR);
        SetDefaultOptions(*options);
        options->nodetype = 1;  // the true node costs the most
        for (auto& row : options->orbises)
            row.fill(3.0);
        std::mt19937 random(20240601);
        std::uniform_int_distribution<int> year(1900, 2099), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59);
        std::uniform_real_distribution<double> lon(-180.0, 180.0), lat(-66.0, 66.0);
        for (int i = 0; i < ChartCount; ++i) {
            ClockTime t;
            t.hour = static_cast<std::uint8_t>(hour(random));
            t.minute = static_cast<std::uint8_t>(minute(random));
            moments.emplace_back(CalDate(year(random), month(random), day(random), true), t,
                                 GeoAngle::fromDecimal(lon(random)), GeoAngle::fromDecimal(lat(random)), TimeGMT, 0,
                                 0, false);
        }
        std::shuffle(moments.begin(), moments.end(), random);
    }
};

const Inputs& inputs() {
    static const Inputs in;
    return in;
}

}  // namespace

// One iteration computes one whole chart.
static void BM_ComputeRadix(benchmark::State& state) {
    const Inputs& in = inputs();
    auto radix = std::make_unique<RadixData>();
    std::size_t i = 0;
    for (auto _ : state) {
        radix->moment = in.moments[i++ % in.moments.size()];
        computeRadix(*radix, *in.options);
        benchmark::DoNotOptimize(radix->aspectCode[18][39]);
    }
}
BENCHMARK(BM_ComputeRadix);

// Exactly the ephemeris calls that one computeRadix makes, in its order, and nothing else.
static void BM_EphemerisCallsOnly(benchmark::State& state) {
    const Inputs& in = inputs();
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthMoment& m = in.moments[i++ % in.moments.size()];
        const double jdUT = m.julianDayUT();
        const double jdET = jdUT + ephemerisDeltaT(jdUT);
        const EphemerisNutation nut = ephemerisNutation(jdET);
        const double hours = ephemerisSiderealTime(jdUT, nut.trueObliquity, nut.nutationLongitude);
        benchmark::DoNotOptimize(ephemerisAyanamsa(jdET));
        const double armc = std::fmod(hours * 15.0 + m.longitude.decimal() + 360.0, 360.0);
        benchmark::DoNotOptimize(
            ephemerisHouses(armc, m.latitude.decimal(), nut.trueObliquity, houseSystemCode(in.options->housecalc)));
        for (int k = 0; k < BodyCount; ++k)
            if (k != BodySouthNode)
                benchmark::DoNotOptimize(ephemerisBody(jdET, ephemerisBodyOf(k, in.options->nodetype), true));
        for (int k = 0; k < BodyCount; ++k)
            if (k != BodySouthNode)
                benchmark::DoNotOptimize(ephemerisBody(jdET + 0.0001, ephemerisBodyOf(k, in.options->nodetype), false));
    }
}
BENCHMARK(BM_EphemerisCallsOnly);
