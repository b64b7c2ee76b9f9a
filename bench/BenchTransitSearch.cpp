#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "OptionDefaults.h"
#include "RadixData.h"
#include "TransitSearch.h"

// The transit search against the ephemeris library's own cost in the same run: every call the
// search makes to the library is recorded once (by a wrapped MovingPoint), and a second
// benchmark replays exactly those calls and nothing else. The counters report the events found
// and the library calls an event costs.
namespace {

constexpr int MajorAspects[] = {0, 3, 5, 6, 10};  // conjunction, sextile, square, trine, opposition

double jdUT(int year) { return calendarToJulianDay(year, 1, 1, 0.0, true); }

struct Call {
    int body;
    double jdUT;
};

struct Setup {
    std::unique_ptr<TOptions> options = std::make_unique<TOptions>();
    std::unique_ptr<RadixData> natal = std::make_unique<RadixData>();

    Setup() {
        startEphemeris(ZDK_EPHEMERIS_DIR);
        SetDefaultOptions(*options);
        ClockTime t;
        t.hour = 10;
        t.minute = 30;
        natal->moment = BirthMoment(CalDate(1980, 7, 1, true), t, GeoAngle::fromDecimal(19.04),
                                    GeoAngle::fromDecimal(47.5), TimeGMT, 0, 0, false);
        computeRadix(*natal, *options);
    }

    // Ten natal bodies, Ascendant and MC in the five major aspects.
    TransitQuery query(double from, double to, bool withMoon) const {
        TransitQuery q;
        q.fromUT = from;
        q.toUT = to;
        for (int b = 0; b <= BodyPluto; ++b) {
            q.transiting[b] = withMoon || b != BodyMoon;
            q.natal[b] = true;
        }
        q.natal[NatalAscendant] = q.natal[NatalMC] = true;
        for (int a : MajorAspects)
            q.aspects[a] = true;
        return q;
    }

    // The chart's movers, each call optionally recorded.
    std::vector<TransitMover> movers(const TransitQuery& q, std::vector<Call>* record) const {
        std::vector<TransitMover> out;
        for (int b = 0; b < BodyCount; ++b) {
            if (!q.transiting[b])
                continue;
            MovingPoint point = chartBodyMover(b, *options);
            if (record)
                point = [point, record, b](double t, double& lon, double& speed) {
                    record->push_back(Call{b, t});
                    return point(t, lon, speed);
                };
            out.push_back(TransitMover{b, point, stationScanStep(b, *options)});
        }
        return out;
    }
};

const Setup& setup() {
    static const Setup s;
    return s;
}

void searchBench(benchmark::State& state, double from, double to, bool withMoon) {
    const Setup& s = setup();
    const TransitQuery q = s.query(from, to, withMoon);
    std::vector<Call> calls;
    const std::size_t events = searchTransits(s.movers(q, &calls), natalPointsOf(*s.natal), q, *s.options).events.size();
    const auto movers = s.movers(q, nullptr);
    const NatalPoints natal = natalPointsOf(*s.natal);
    for (auto _ : state)
        benchmark::DoNotOptimize(searchTransits(movers, natal, q, *s.options).events.data());
    state.counters["events"] = double(events);
    state.counters["libraryCalls"] = double(calls.size());
    state.counters["callsPerEvent"] = double(calls.size()) / double(events);
}

void replayBench(benchmark::State& state, double from, double to, bool withMoon) {
    const Setup& s = setup();
    const TransitQuery q = s.query(from, to, withMoon);
    std::vector<Call> calls;
    searchTransits(s.movers(q, &calls), natalPointsOf(*s.natal), q, *s.options);
    for (auto _ : state) {
        for (const Call& c : calls) {
            const EphemerisBody b = ephemerisBody(c.jdUT + ephemerisDeltaT(c.jdUT), c.body, true);
            benchmark::DoNotOptimize(b.x[0]);
        }
    }
    state.counters["libraryCalls"] = double(calls.size());
}

}  // namespace

// A hundred years of Sun .. Pluto without the Moon to the ten bodies, Ascendant and MC in the five
// major aspects; the goal is a second.
static void BM_TransitsCentury(benchmark::State& state) {
    searchBench(state, jdUT(2000), jdUT(2100), false);
}
BENCHMARK(BM_TransitsCentury)->Unit(benchmark::kMillisecond);

// The library calls of that search alone.
static void BM_TransitsCenturyLibraryOnly(benchmark::State& state) {
    replayBench(state, jdUT(2000), jdUT(2100), false);
}
BENCHMARK(BM_TransitsCenturyLibraryOnly)->Unit(benchmark::kMillisecond);

// One year with the Moon; the goal is 100 ms.
static void BM_TransitsYearWithMoon(benchmark::State& state) {
    searchBench(state, jdUT(2027), jdUT(2028), true);
}
BENCHMARK(BM_TransitsYearWithMoon)->Unit(benchmark::kMillisecond);

static void BM_TransitsYearWithMoonLibraryOnly(benchmark::State& state) {
    replayBench(state, jdUT(2027), jdUT(2028), true);
}
BENCHMARK(BM_TransitsYearWithMoonLibraryOnly)->Unit(benchmark::kMillisecond);
