// zodikeon-cli batch over a large CSV file to CSV positions, against the floor the ephemeris
// library sets: the time its own calls for one chart take on one core, measured in the same run.
// Reported: charts per second per core for both, their ratio (the goal is at least 0.8; also by CPU
// time, which a shared machine does not distort), and the
// largest memory of the batch process for 10,000 and for 100,000 rows (flat memory: about equal).
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "ChartIndex.h"
#include "Ephemeris.h"
#include "Houses.h"
#include "TempDir.h"

namespace {

constexpr int LargeRows = 100000;
constexpr int SmallRows = 10000;
constexpr int FloorCharts = 5000;

// Births from 1900 to 2099 at places within ±66° latitude, in zone time; a fixed seed.
std::string writeRows(const TempDir& dir, int rows) {
    const std::string path = dir.file("rows" + std::to_string(rows) + ".csv");
    std::ofstream out(path);
    out << "name,date,time,zone,latitude,longitude\n";
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> year(1900, 2099), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
        zone(-11, 12);
    std::uniform_real_distribution<double> lon(-180.0, 180.0), lat(-66.0, 66.0);
    char line[160];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(line, sizeof line, "P%d,%04d-%02d-%02d,%d:%02d,%+d:00,%.4f,%.4f\n", i, year(random),
                      month(random), day(random), hour(random), minute(random), zone(random), lat(random),
                      lon(random));
        out << line;
    }
    return path;
}

struct Run {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time of the whole process
    long maxRssKb = 0;
};

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// CPU time of this thread: on a shared machine the floor is compared by the work it costs.
double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Rate {
    double wall = 0;  // charts per second of wall time
    double cpu = 0;   // charts per second of CPU time
};

// Runs the batch in a child process and measures its wall time and largest memory.
Run runBatch(const std::string& in, const std::string& out, unsigned jobs) {
    const std::string jobText = std::to_string(jobs);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        execl(ZDK_CLI, ZDK_CLI, "batch", "--in", in.c_str(), "--out", out.c_str(), "--format", "csv", "--fields",
              "name,lon,house", "--jobs", jobText.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    Run r;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    r.maxRssKb = usage.ru_maxrss;
    return r;
}

// The ephemeris calls one chart needs, on this thread: charts per second.
Rate floorRate() {
    startEphemeris(ZDK_EPHEMERIS_DIR);
    std::mt19937 random(20240601);
    std::uniform_real_distribution<double> jd(2415020.5, 2488069.5), lat(-66.0, 66.0), lon(-180.0, 180.0);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuSeconds();
    for (int i = 0; i < FloorCharts; ++i) {
        const double jdUT = jd(random);
        const double jdET = jdUT + ephemerisDeltaT(jdUT);
        const EphemerisNutation nut = ephemerisNutation(jdET);
        const double hours = ephemerisSiderealTime(jdUT, nut.trueObliquity, nut.nutationLongitude);
        benchmark::DoNotOptimize(ephemerisAyanamsa(jdET));
        const double armc = std::fmod(hours * 15.0 + lon(random) + 360.0, 360.0);
        benchmark::DoNotOptimize(ephemerisHouses(armc, lat(random), nut.trueObliquity, houseSystemCode(0)));
        // In the cheapest order: every body at one date, then every body at the other, so the
        // library's cache of its work per date helps as much as it can.
        for (int k = 0; k < BodyCount; ++k)
            if (k != BodySouthNode)
                benchmark::DoNotOptimize(ephemerisBody(jdET, ephemerisBodyOf(k, 0), true));
        for (int k = 0; k < BodyCount; ++k)
            if (k != BodySouthNode)
                benchmark::DoNotOptimize(ephemerisBody(jdET + 0.0001, ephemerisBodyOf(k, 0), false));
    }
    Rate r;
    r.wall = FloorCharts / std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.cpu = FloorCharts / (threadCpuSeconds() - cpuStart);
    return r;
}

}  // namespace

static void BM_BatchCsvToCsvPositions(benchmark::State& state) {
    const TempDir dir;
    const std::string large = writeRows(dir, LargeRows), small = writeRows(dir, SmallRows);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (auto _ : state) {
        const Rate floor = floorRate();
        const Run smallRun = runBatch(small, dir.file("small.out.csv"), cores);
        const Run largeRun = runBatch(large, dir.file("large.out.csv"), cores);
        state.SetIterationTime(largeRun.seconds);
        const double perCore = LargeRows / largeRun.seconds / cores;
        state.counters["cores"] = cores;
        state.counters["seconds_100k"] = largeRun.seconds;
        state.counters["charts_per_s_per_core"] = perCore;
        state.counters["floor_per_s_per_core"] = floor.wall;
        state.counters["ratio_to_floor"] = perCore / floor.wall;
        // The same by CPU time, which other work on the machine does not change.
        state.counters["ratio_to_floor_cpu"] = LargeRows / largeRun.cpuSeconds / floor.cpu;
        state.counters["max_rss_kb_10k"] = static_cast<double>(smallRun.maxRssKb);
        state.counters["max_rss_kb_100k"] = static_cast<double>(largeRun.maxRssKb);
    }
}
BENCHMARK(BM_BatchCsvToCsvPositions)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
