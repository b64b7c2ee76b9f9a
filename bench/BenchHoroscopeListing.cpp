#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "CodePage.h"
#include "FileFormat.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "HoroscopeListing.h"
#include "HoroscopeSearch.h"
#include "StringTable.h"
#include "EnglishStrings.h"

namespace {

constexpr int ChartCount = 10000;

// A temporary folder of 10,000 horoscope files with Hungarian names (many of them equal once
// folded), made once for all benchmarks and removed at exit.
class ChartFolder {
public:
    ChartFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zdk-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
        const char* family[] = {"Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár",
                                "Németh", "Farkas", "Balogh", "Papp", "Takács", "Juhász", "Lakatos", "Mészáros",
                                "Oláh", "Simon", "Rácz", "Fekete", "Szűcs", "Győri", "Ördög", "Ács"};
        const char* given[] = {"Anna", "Ádám", "Éva", "Béla", "Zsófia", "Őrs", "Ildikó", "Gábor", "Júlia", "Péter",
                               "Katalin", "László", "Erzsébet", "István", "Ágnes", "Zoltán", "Tünde", "Ürmös"};
        std::mt19937 random(1234);
        const std::string header = std::string(FileFormat::storedHeader(FileFormat::HoroscopeHeader));
        for (int i = 0; i < ChartCount; ++i) {
            const std::string name = std::string(family[random() % std::size(family)]) + " " +
                                     given[random() % std::size(given)] + " " + given[random() % std::size(given)];
            RadixData r;
            setFixedText(r.name, utf8ToCp1250(name));
            setFixedText(r.horType, "radix");
            const std::string file = path + "/" + std::to_string(i) + "_" + DefaultHoroscopeFileName(r.name.data());
            if (!WriteHoroscopeFile(file, english(), r, ChartBlocks{}))
                std::abort();
            files.push_back(file);
        }
    }
    ~ChartFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }

    std::string path;
    std::vector<std::string> files;
};

const ChartFolder& chartFolder() {
    static const ChartFolder folder;
    return folder;
}

}  // namespace

// Listing a folder of 10,000 charts: enumerate, read 83 bytes of each, fold and sort.
static void BM_ScanFolder(benchmark::State& state) {
    const ChartFolder& folder = chartFolder();
    HoroscopeListing listing;
    for (auto _ : state) {
        ScanFolder(listing, folder.path, english(), [](std::size_t) { return true; });
        benchmark::DoNotOptimize(listing.entries.data());
    }
    if (listing.found() != ChartCount)
        state.SkipWithError("not every chart was listed");
    state.SetItemsProcessed(state.iterations() * ChartCount);
}
BENCHMARK(BM_ScanFolder)->Unit(benchmark::kMillisecond);

// The floor of the scan: opening each of the 10,000 files and reading its first 83 bytes.
static void BM_ReadFirstBytesOnly(benchmark::State& state) {
    const ChartFolder& folder = chartFolder();
    for (auto _ : state)
        for (const std::string& file : folder.files)
            benchmark::DoNotOptimize(readFileStart(file, HoroscopeListingBytes));
    state.SetItemsProcessed(state.iterations() * ChartCount);
}
BENCHMARK(BM_ReadFirstBytesOnly)->Unit(benchmark::kMillisecond);

// Narrowing the 10,000 entries while the user types.
static void BM_FillList(benchmark::State& state) {
    HoroscopeListing listing;
    ScanFolder(listing, chartFolder().path, english());
    const std::string search = utf8ToCp1250("nagy ádám;kiss éva");
    for (auto _ : state)
        benchmark::DoNotOptimize(FillList(listing, search));
    state.SetItemsProcessed(state.iterations() * ChartCount);
}
BENCHMARK(BM_FillList)->Unit(benchmark::kMicrosecond);
