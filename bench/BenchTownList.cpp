#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "Atlas.h"
#include "StringTable.h"
#include "TownDatabase.h"
#include "TownList.h"

// The town pickers refill their list on every change of the search text.
static void BM_FillTownList(benchmark::State& state, const char* search) {
    const TownDatabase& db = atlas();
    if (db.mainTowns.empty()) {
        state.SkipWithError("no atlas found (set ZDK_DIST_DIR to the folder holding data/)");
        return;
    }
    std::size_t items = 0;
    for (auto _ : state) {
        const TownList list = FillTownList(db, search, nullptr);
        items = list.items.size();
        benchmark::DoNotOptimize(list.items.data());
    }
    state.counters["items"] = static_cast<double>(items);
    state.counters["towns"] = static_cast<double>(db.mainTowns.size());
}
BENCHMARK_CAPTURE(BM_FillTownList, oneLetter, "b")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillTownList, threeLetters, "bud")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillTownList, twoWords, "san mex")->Unit(benchmark::kMillisecond);
