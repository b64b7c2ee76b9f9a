#include <benchmark/benchmark.h>

#include <QImage>

#include "BirthData.h"
#include "ChartView.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "GuiApplication.h"
#include "MomentSteps.h"
#include "ShippedData.h"

// One click of the radix shifter's minute + button as a held button repeats it: the step,
// the chart computed again, and the wheel repainted in a 1280 x 1024 window at smoothing 2.
// It must stay under a display frame (16 ms) for the wheel to turn smoothly.
static void BM_ShifterStep(benchmark::State& state) {
    ensureGuiApplication();
    TOptions options{};
    SetShippedOptions(options);
    startEphemeris(ZDK_EPHEMERIS_DIR);
    RadixData chart{};
    // Budapest, 1 July 1980, 12:00 zone time +2.
    chart.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0.0}, GeoAngle::fromDecimal(19.0402),
                               GeoAngle::fromDecimal(47.4979), TimeZone, 2, 0, false);
    chart.moment.localToUniversal();
    computeRadix(chart, options);
    QImage screen(1280, 1024, QImage::Format_RGB32);
    ChartViewRenderer renderer;
    const ViewRequest request;
    renderer.render(screen, 2, chart, options, request);  // the large image exists before the first step
    for (auto _ : state) {
        stepMinute(chart.moment, true);
        chart.moment.universalToLocal();
        computeRadix(chart, options);
        benchmark::DoNotOptimize(renderer.render(screen, 2, chart, options, request));
    }
}
BENCHMARK(BM_ShifterStep)->Unit(benchmark::kMillisecond);
