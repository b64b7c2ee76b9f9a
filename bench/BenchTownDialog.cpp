#include <benchmark/benchmark.h>

#include <cstdlib>

#include "Atlas.h"
#include "StringTable.h"
#include "TownDatabase.h"
#include "TownList.h"
#include "TownListModel.h"

namespace {

// What the towns dialog does on every change of its search text: the matching towns, the
// model reset, and the texts of the rows a list of 18 lines shows.
void refill(benchmark::State& state, const char* search) {
    const TownDatabase& db = atlas();
    if (db.mainTowns.empty()) {
        state.SkipWithError("no atlas found (set ZDK_DIST_DIR to the folder holding data/)");
        return;
    }
    TownListModel model;
    for (auto _ : state) {
        model.setList(FillTownList(db, search, nullptr));
        for (int row = 0; row < 18 && row < model.rowCount(); ++row)
            benchmark::DoNotOptimize(model.data(model.index(row)));
    }
    state.counters["towns"] = static_cast<double>(model.rowCount());
}

}  // namespace

static void BM_TownDialogRefill(benchmark::State& state) {
    refill(state, "b");
}
BENCHMARK(BM_TownDialogRefill)->Unit(benchmark::kMillisecond);

static void BM_TownDialogRefillTwoWords(benchmark::State& state) {
    refill(state, "sz hung");
}
BENCHMARK(BM_TownDialogRefillTwoWords)->Unit(benchmark::kMillisecond);

// An emptied search text lists the whole world.
static void BM_TownDialogRefillEverything(benchmark::State& state) {
    refill(state, "");
}
BENCHMARK(BM_TownDialogRefillEverything)->Unit(benchmark::kMillisecond);
