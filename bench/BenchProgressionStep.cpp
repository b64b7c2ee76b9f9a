#include <benchmark/benchmark.h>

#include <QImage>

#include "Atlas.h"
#include "BirthData.h"
#include "ChartView.h"
#include "Collation.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "GuiApplication.h"
#include "ShippedData.h"
#include "StringTable.h"
#include "WhenCharts.h"

// One click of the progression shifter's day + button on a progressions window, as a held
// button repeats it: the target stepped, the progressed chart cast again on the natal place's
// clock with its directed angles and its cross aspects to the natal chart, and the bi-wheel
// repainted in a 1280 x 1024 window at smoothing 2. The goal is 8 ms, half a display frame.
static void BM_ProgressionShifterStep(benchmark::State& state) {
    ensureGuiApplication();
    TOptions options{};
    SetShippedOptions(options);
    startEphemeris(ZDK_EPHEMERIS_DIR);
    StringTable strings;
    strings.load(LanguageEnglish);
    const TownDatabase& towns = atlas();
    RadixData natal{};
    // Budapest, 1 July 1980, 12:00 zone time +2, progressed to 11 December 2026 by Naibod's key.
    natal.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0.0}, GeoAngle::fromDecimal(19.0402),
                               GeoAngle::fromDecimal(47.4979), TimeZone, 2, 0, false);
    natal.moment.localToUniversal();
    computeRadix(natal, options);
    BirthMoment target = natal.moment;
    target.utDate = CalDate(2026, 12, 11, true);
    ProgressionRequest request;
    Progression progression;
    Collation collation;
    collation.kind = CollationKind::Transit;
    QImage screen(1280, 1024, QImage::Format_RGB32);
    ChartViewRenderer renderer;
    ViewRequest view = viewRequestFor(ChartView::Collation);
    view.collation = &collation;
    const auto step = [&] {
        target = momentAtUT(towns, natal.moment, nullptr, target.julianDayUT());
        request.targetUT = target.julianDayUT();
        castProgression(towns, strings, natal, request, options, progression);
        collation.second = progression.chart;
        collation.aspects = progression.aspects;
        return renderer.render(screen, 2, natal, options, view);
    };
    step();  // the large image exists before the first step
    for (auto _ : state) {
        target.utDate.nextDay();
        benchmark::DoNotOptimize(step());
    }
}
BENCHMARK(BM_ProgressionShifterStep)->Unit(benchmark::kMillisecond);
