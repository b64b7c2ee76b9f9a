#include <benchmark/benchmark.h>

#include <QImage>

#include "BirthData.h"
#include "ChartView.h"
#include "Collation.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "GuiApplication.h"
#include "MomentSteps.h"
#include "ShippedData.h"

// One click of the shifter's minute + button on a collation window, as a held button repeats
// it: the transit chart stepped, computed again with the cross aspects, and the bi-wheel
// repainted in a 1280 x 1024 window at smoothing 2. It must stay under a display frame (16 ms)
// for the transits to move smoothly over the natal chart.
static void BM_CollationShifterStep(benchmark::State& state) {
    ensureGuiApplication();
    TOptions options{};
    SetShippedOptions(options);
    startEphemeris(ZDK_EPHEMERIS_DIR);
    RadixData radix{};
    // Budapest, 1 July 1980, 12:00 zone time +2, against the sky of 10 December 2026 there.
    radix.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0.0}, GeoAngle::fromDecimal(19.0402),
                               GeoAngle::fromDecimal(47.4979), TimeZone, 2, 0, false);
    radix.moment.localToUniversal();
    computeRadix(radix, options);
    Collation collation;
    collation.kind = CollationKind::Transit;
    collation.second.moment = transitMomentAtLocal(radix.moment, CalDate(2026, 12, 10, true), ClockTime{17, 0, 0.0});
    computeCollation(radix, collation, options);
    QImage screen(1280, 1024, QImage::Format_RGB32);
    ChartViewRenderer renderer;
    ViewRequest request = viewRequestFor(ChartView::Collation);
    request.collation = &collation;
    renderer.render(screen, 2, radix, options, request);  // the large image exists before the first step
    for (auto _ : state) {
        stepMinute(collation.second.moment, true);
        collation.second.moment.universalToLocal();
        computeCollation(radix, collation, options);
        benchmark::DoNotOptimize(renderer.render(screen, 2, radix, options, request));
    }
}
BENCHMARK(BM_CollationShifterStep)->Unit(benchmark::kMillisecond);
