#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>

#include "ChartFixture.h"
#include "PrintDocument.h"

// Printing a chart with all five pages (notes, chart page with every table, positions,
// aspects, detailed aspects) into a PDF at 600 dpi, as the PDF file printer does.
static void BM_PrintAllPages(benchmark::State& state) {
    bench::Fixture& f = bench::fixture();
    TOptions options = f.options;
    for (int i = 0; i < OfferedPrintEntries; ++i)
        options.print_pages[static_cast<std::size_t>(i)] = true;
    StringTable strings;
    strings.load(LanguageEnglish);
    const QDateTime when = QDateTime::currentDateTime();
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        const PrintOutcome outcome = printDocument(pdf, f.chart, options, strings, when);
        benchmark::DoNotOptimize(outcome.pages);
        buffer.close();
        benchmark::DoNotOptimize(bytes.size());
        if (outcome.pages != 5)
            state.SkipWithError("not five pages");
    }
}
BENCHMARK(BM_PrintAllPages)->Unit(benchmark::kMillisecond);
