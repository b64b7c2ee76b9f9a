#include <benchmark/benchmark.h>

#include <QImage>

#include "BirthData.h"
#include "ChartView.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "ChartFixture.h"
#include "ShippedData.h"

using bench::Fixture;
using bench::fixture;

// A full repaint of the wheel in a 1280 x 1024 window at smoothing 1, 2 and 4: drawing into
// the (large) image, and averaging it down.
static void BM_PaintWheel(benchmark::State& state) {
    Fixture& f = fixture();
    const int smoothing = static_cast<int>(state.range(0));
    QImage screen(1280, 1024, QImage::Format_RGB32);
    ChartViewRenderer renderer;
    ViewRequest request;
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(screen, smoothing, f.chart, f.options, request));
}
BENCHMARK(BM_PaintWheel)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// A repaint of each table view (buffered, as tables are never smoothed).
static void BM_PaintTable(benchmark::State& state) {
    Fixture& f = fixture();
    QImage screen(1280, 1024, QImage::Format_RGB32);
    ChartViewRenderer renderer;
    ViewRequest request = viewRequestFor(static_cast<ChartView>(state.range(0)));
    request.rows = &f.rows;
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(screen, 1, f.chart, f.options, request));
}
BENCHMARK(BM_PaintTable)
    ->ArgName("view")
    ->Arg(int(ChartView::Positions))
    ->Arg(int(ChartView::SignsHouses))
    ->Arg(int(ChartView::Aspects))
    ->Arg(int(ChartView::AspectDetails))
    ->Arg(int(ChartView::Combined))
    ->Unit(benchmark::kMillisecond);
