#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "ChartIndex.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "FittedAngle.h"
#include "OptionDefaults.h"
#include "RadixData.h"
#include "TransitSearch.h"

// The transit search against the ephemeris library's own cost in the same run: every call the
// search makes to the library is recorded once (through recording samples and movers built the
// way the search builds its own), and a second benchmark replays exactly those calls and nothing
// else. The timed search builds its fits afresh in every iteration. The counters report the
// events found and the library calls an event costs.
namespace {

constexpr int MajorAspects[] = {0, 3, 5, 6, 10};  // conjunction, sextile, square, trine, opposition

double jdUT(int year) { return calendarToJulianDay(year, 1, 1, 0.0, true); }

// The kinds of library call: a body on the mean equinox without the bending of light (for the
// fits), with it (settling moments) and with its speed too (searches the fits do not cover), the
// nutation, a body's apparent position with speed (where no fit covers the moment, and for
// settling stations).
enum class CallKind { Unbent, MeanEquinox, MeanEquinoxWithSpeed, Nutation, Apparent };

struct Call {
    CallKind kind;
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

    // Movers built as the search builds them, every library call recorded.
    std::vector<TransitMover> recordingMovers(const TransitQuery& q, std::vector<Call>& record) const {
        std::vector<Call>* log = &record;
        const AngleSample nutationSample = nutationInLongitude();
        auto nutation = std::make_shared<FittedAngle>(
            [nutationSample, log](double t, double& v) {
                log->push_back(Call{CallKind::Nutation, -1, t});
                return nutationSample(t, v);
            },
            nutationFitSettings());
        // Every library call of the sources recorded.
        const auto recorded = [log](int body, const MoverSources& plain) {
            MoverSources r;
            r.smooth = [body, log, f = plain.smooth](double t, double& v) {
                log->push_back(Call{CallKind::Unbent, body, t});
                return f(t, v);
            };
            r.settled = [body, log, f = plain.settled](double t, double& v) {
                log->push_back(Call{CallKind::MeanEquinox, body, t});
                return f(t, v);
            };
            r.settledWithSpeed = [body, log, f = plain.settledWithSpeed](double t, double& lon, double& speed) {
                log->push_back(Call{CallKind::MeanEquinoxWithSpeed, body, t});
                return f(t, lon, speed);
            };
            r.direct = [body, log, f = plain.direct](double t, double& lon, double& speed) {
                log->push_back(Call{CallKind::Apparent, body, t});
                return f(t, lon, speed);
            };
            return r;
        };
        const MoverSources sunSources = recorded(BodySun, chartBodySources(BodySun, *options));
        const auto sun = std::make_shared<FittedAngle>(sunSources.smooth, fitSettingsOf(BodySun, *options));
        std::vector<TransitMover> out;
        std::vector<FittedAngle*> fits{nutation.get(), sun.get()};
        for (int b = 0; b < BodyCount; ++b) {
            if (!q.transiting[b])
                continue;
            const MoverSources sources = recorded(b, chartBodySources(b, *options));
            const auto fit = b == BodySun ? sun : std::make_shared<FittedAngle>(sources.smooth, fitSettingsOf(b, *options));
            const FittedMover fitted = fittedMover(sources, fit, nutation, lightBends(b) ? sun : nullptr);
            out.push_back(TransitMover{b, fitted.walk, stationScanStep(b, *options), fitted.exact, fitted.station,
                                       fitted.settleValue, fitted.settleSlope});
            if (b != BodySun)
                fits.push_back(fit.get());
        }
        prefitForSearch(fits, q);
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
    const std::size_t events =
        searchTransits(s.recordingMovers(q, calls), natalPointsOf(*s.natal), q, *s.options).events.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(searchTransits(*s.natal, q, *s.options).events.data());
    state.counters["events"] = double(events);
    state.counters["libraryCalls"] = double(calls.size());
    state.counters["callsPerEvent"] = double(calls.size()) / double(events);
    const auto count = [&](CallKind k) {
        return double(std::count_if(calls.begin(), calls.end(), [k](const Call& c) { return c.kind == k; }));
    };
    state.counters["fitCalls"] = count(CallKind::Unbent);
    state.counters["settleCalls"] = count(CallKind::MeanEquinox);
    state.counters["settleWithSpeedCalls"] = count(CallKind::MeanEquinoxWithSpeed);
    state.counters["nutationCalls"] = count(CallKind::Nutation);
    state.counters["apparentCalls"] = count(CallKind::Apparent);
}

void replayBench(benchmark::State& state, double from, double to, bool withMoon) {
    const Setup& s = setup();
    const TransitQuery q = s.query(from, to, withMoon);
    std::vector<Call> calls;
    searchTransits(s.recordingMovers(q, calls), natalPointsOf(*s.natal), q, *s.options);
    for (auto _ : state) {
        for (const Call& c : calls) {
            const double jdET = c.jdUT + ephemerisDeltaT(c.jdUT);
            switch (c.kind) {
            case CallKind::Nutation:
                benchmark::DoNotOptimize(ephemerisNutation(jdET).nutationLongitude);
                break;
            case CallKind::Unbent:
                benchmark::DoNotOptimize(
                    ephemerisBodyMeanEquinox(jdET, ephemerisBodyOf(c.body, s.options->nodetype), false).x[0]);
                break;
            case CallKind::MeanEquinox:
                benchmark::DoNotOptimize(
                    ephemerisBodyMeanEquinox(jdET, ephemerisBodyOf(c.body, s.options->nodetype), true).x[0]);
                break;
            case CallKind::MeanEquinoxWithSpeed:
                benchmark::DoNotOptimize(
                    ephemerisBodyMeanEquinox(jdET, ephemerisBodyOf(c.body, s.options->nodetype), true, true).x[0]);
                break;
            case CallKind::Apparent:
                benchmark::DoNotOptimize(ephemerisBody(jdET, ephemerisBodyOf(c.body, s.options->nodetype), true).x[0]);
                break;
            }
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
