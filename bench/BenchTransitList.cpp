#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdlib>
#include <memory>

#include "AppContext.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "GuiApplication.h"
#include "ShippedData.h"
#include "TTransitsWindow.h"
#include "TownDatabase.h"
#include "TransitSearch.h"
#include "TransitTimeLineView.h"

// Refilling the transits window for another filter or display mode: a year of transits of the
// Sun .. Pluto and the Moon to the ten natal bodies, the Ascendant and the MC in the five major
// aspects (searched once, outside the measurement), grouped anew into the list, the time line
// rebuilt and painted at a window's size. It must stay under 50 ms, so typing in the filter
// field feels immediate.
namespace {

constexpr int MajorAspects[] = {0, 3, 5, 6, 10};

void refill(benchmark::State& state, std::uint8_t dispmode, const char* filter) {
    ensureGuiApplication();
    auto ctx = std::make_unique<AppContext>();
    ctx->state.Strings.load(LanguageEnglish);
    SetShippedOptions(ctx->state.Options);
    const char* dist = std::getenv("ZDK_DIST_DIR");
    LoadTownDatabase(ctx->towns, townFilePaths(dist ? dist : ZDK_DIST_DIR, ctx->state.Strings), ctx->state.Strings);
    startEphemeris(ZDK_EPHEMERIS_DIR);
    RadixData natal{};
    // Budapest, 1 July 1980, 12:00 zone time +2, its town's clock found in the atlas.
    natal.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0.0}, GeoAngle::fromDecimal(19.0402),
                               GeoAngle::fromDecimal(47.4979), TimeZone, 2, 0, false);
    natal.moment.localToUniversal();
    computeRadix(natal, ctx->state.Options);

    TransitQuery query;
    query.fromUT = calendarToJulianDay(2027, 1, 1, 0.0, true);
    query.toUT = calendarToJulianDay(2028, 1, 1, 0.0, true);
    for (int b = 0; b <= BodyPluto; ++b)
        query.transiting[static_cast<std::size_t>(b)] = true;
    for (int n = 0; n <= BodyPluto; ++n)
        query.natal[static_cast<std::size_t>(n)] = true;
    query.natal[NatalAscendant] = query.natal[NatalMC] = true;
    for (int a : MajorAspects)
        query.aspects[static_cast<std::size_t>(a)] = true;
    TransitResult found = searchTransits(natal, query, ctx->state.Options);

    TTransitsWindow window(nullptr, *ctx, natal, [](double) {});
    window.resize(1040, 640);
    window.showEvents(std::move(found.events), query.fromUT, query.toUT);
    window.setFilterText(QString::fromLatin1(filter));
    window.setView(TTransitsWindow::View::TimeLine);
    QImage screen(1040, 640, QImage::Format_RGB32);
    for (auto _ : state) {
        window.setDisplayMode(dispmode);
        window.refill();
        // What the window's scroll area shows of the time line: its first screenful.
        window.timeLine()->render(&screen, QPoint(), QRegion(screen.rect()));
        benchmark::DoNotOptimize(screen.bits());
    }
    state.counters["events"] = static_cast<double>(window.events().size());
}

}  // namespace

static void BM_TransitListRefillByDate(benchmark::State& state) { refill(state, TransitsByDate, ""); }
BENCHMARK(BM_TransitListRefillByDate)->Unit(benchmark::kMillisecond);

static void BM_TransitListRefillByNatalPoint(benchmark::State& state) { refill(state, TransitsByNatalPoint, ""); }
BENCHMARK(BM_TransitListRefillByNatalPoint)->Unit(benchmark::kMillisecond);

static void BM_TransitListRefillFiltered(benchmark::State& state) { refill(state, TransitsByTransiting, "-moon sat/jup"); }
BENCHMARK(BM_TransitListRefillFiltered)->Unit(benchmark::kMillisecond);
