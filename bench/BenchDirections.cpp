// Directions: every primary arc of the full selection with its date by the true solar arc key
// (goal: within 20 ms), the ranking of birth times ±30 minutes in one-minute steps over ten
// marked life events (goal: within 2 s), and the secondary directions of a life for scale.
#include <benchmark/benchmark.h>

#include <vector>

#include "ChartFixture.h"
#include "PrimaryDirections.h"
#include "Rectification.h"
#include "SecondaryDirections.h"

namespace {

TDirectionFilter fullSelection() {
    TDirectionFilter s;
    s.promissors.fill(true);
    s.significators.fill(true);
    s.aspects.fill(true);
    return s;
}

constexpr DirectionKey TrueSolarArc{false, true, 0};
constexpr double LifeYears = 90.0;
constexpr int EventCount = 10;
constexpr double YearDays = 365.24219;

}  // namespace

// One iteration: the key table and all 19 x 20 x 18 arcs, direct and converse, of every age the
// key covers.
static void BM_PrimaryDirectionsFullSelection(benchmark::State& state) {
    const bench::Fixture& f = bench::fixture();
    const PrimaryQuery q = primaryQueryFromSelection(fullSelection(), DirectionMethod::MundaneSemiArc, TrueSolarArc,
                                                     0, MaxDirectionAge);
    std::size_t listed = 0;
    for (auto _ : state) {
        const PrimaryResult r = computePrimaryDirections(f.chart, q, f.options);
        listed = r.directions.size();
        benchmark::DoNotOptimize(r.directions.data());
    }
    state.counters["directions"] = double(listed);
}
BENCHMARK(BM_PrimaryDirectionsFullSelection)->Unit(benchmark::kMillisecond);

// One iteration ranks 61 birth times by the full primary selection against ten events.
static void BM_RectificationSixtyOneTimesTenEvents(benchmark::State& state) {
    const bench::Fixture& f = bench::fixture();
    std::vector<MarkedEvent> events;
    for (int i = 0; i < EventCount; ++i)
        events.push_back({i, f.chart.jdUT + (8.0 + 7.3 * i) * YearDays});
    RectificationQuery q;
    q.primaryQuery = primaryQueryFromSelection(fullSelection(), DirectionMethod::MundaneSemiArc, TrueSolarArc, 0,
                                               MaxDirectionAge);
    for (auto _ : state) {
        const RectificationResult r = rankBirthTimes(f.chart, events, q, f.options);
        benchmark::DoNotOptimize(r.ranking.data());
    }
}
BENCHMARK(BM_RectificationSixtyOneTimesTenEvents)->Unit(benchmark::kMillisecond);

// One iteration: every secondary direction of the shipped secdirs selection over 90 years.
static void BM_SecondaryDirectionsOfALife(benchmark::State& state) {
    const bench::Fixture& f = bench::fixture();
    const SecondaryQuery q = secondaryQueryFromSelection(f.options.secdirs, 0, LifeYears);
    std::size_t listed = 0;
    for (auto _ : state) {
        const SecondaryResult r = computeSecondaryDirections(f.chart, q, f.options);
        listed = r.directions.size();
        benchmark::DoNotOptimize(r.directions.data());
    }
    state.counters["directions"] = double(listed);
}
BENCHMARK(BM_SecondaryDirectionsOfALife)->Unit(benchmark::kMillisecond);
