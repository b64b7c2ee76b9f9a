#include <benchmark/benchmark.h>

#include <QString>

#include "CodePage.h"
#include "QtText.h"

// Town and chart lists convert every visible name at the Qt boundary.
static void BM_Cp1250ToQString(benchmark::State& state) {
    const std::string name = utf8ToCp1250("Székesfehérvár, Fejér, Hungary");
    for (auto _ : state)
        benchmark::DoNotOptimize(fromCp1250(name));
}
BENCHMARK(BM_Cp1250ToQString);

static void BM_QStringToCp1250(benchmark::State& state) {
    const QString name = QStringLiteral("Kraków, Małopolskie, Poland");
    for (auto _ : state)
        benchmark::DoNotOptimize(toCp1250(name));
}
BENCHMARK(BM_QStringToCp1250);
