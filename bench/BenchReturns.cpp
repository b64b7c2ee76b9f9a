#include <benchmark/benchmark.h>

#include <memory>

#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "OptionDefaults.h"
#include "Progression.h"
#include "RadixData.h"
#include "Returns.h"

// The return moments alone, without casting their charts. Goals: one solar return within
// 60 µs; a hundred years of solar returns within 6 ms, of lunar returns (about 1,340) within
// 80 ms, of Mercury returns with every crossing of its loops within 150 ms.
namespace {

struct Natal {
    std::unique_ptr<TOptions> options = std::make_unique<TOptions>();
    std::unique_ptr<RadixData> chart = std::make_unique<RadixData>();
    Natal() {
        startEphemeris(ZDK_EPHEMERIS_DIR);
        SetDefaultOptions(*options);
        // Budapest, 1 July 1980, 12:00 zone time +2.
        chart->moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0.0}, GeoAngle::fromDecimal(19.0402),
                                    GeoAngle::fromDecimal(47.4979), TimeZone, 2, 0, false);
        chart->moment.localToUniversal();
        computeRadix(*chart, *options);
    }
};

const Natal& natal() {
    static const Natal n;
    return n;
}

constexpr double Year2000 = 2451544.5;
constexpr double HundredYears = 36524.22;

}  // namespace

// One iteration finds the next solar return from a start that moves on by a year and a bit,
// so no two iterations ask for the same days.
static void BM_NextSolarReturn(benchmark::State& state) {
    const Natal& n = natal();
    double from = Year2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nextReturn(*n.chart, BodySun, from, *n.options));
        from += 365.9;
        if (from > Year2000 + HundredYears)
            from = Year2000;
    }
}
BENCHMARK(BM_NextSolarReturn)->Unit(benchmark::kMicrosecond);

// One iteration finds every return of the body in a hundred years.
static void BM_CenturyOfReturns(benchmark::State& state) {
    const Natal& n = natal();
    const int body = static_cast<int>(state.range(0));
    std::size_t found = 0;
    for (auto _ : state) {
        const ReturnSearch s = findReturns(*n.chart, body, Year2000, Year2000 + HundredYears, *n.options);
        found = s.returns.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["returns"] = static_cast<double>(found);
}
BENCHMARK(BM_CenturyOfReturns)->Arg(BodySun)->Arg(BodyMoon)->Arg(BodyMercury)->Unit(benchmark::kMillisecond);

// One progression of the natal chart as the progression shifter steps it by a day: the
// progressed chart, its directed angles and the cross aspects.
static void BM_ProgressionStep(benchmark::State& state) {
    const Natal& n = natal();
    auto p = std::make_unique<Progression>();
    ProgressionRequest request;
    request.targetUT = n.chart->jdUT + 46 * 365.25;
    for (auto _ : state) {
        computeProgression(*n.chart, request, *n.options, *p);
        benchmark::DoNotOptimize(p->aspects.secondToRadix.aspectCode[0][0]);
        request.targetUT += 1.0;
    }
}
BENCHMARK(BM_ProgressionStep)->Unit(benchmark::kMicrosecond);
