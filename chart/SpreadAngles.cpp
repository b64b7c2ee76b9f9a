#include "SpreadAngles.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "QuarterDegrees.h"

namespace {

struct Run {
    int first, last;
};

// Lays out the run first..last (wrapping modulo n) at minSep spacing from the true position of
// its first entry, then shifts it so that the mean displacement is zero.
void layoutRun(std::span<int> display, std::span<const int> truePos, std::span<const int> order, int minSep, int s,
               int e, bool wholeCircle) {
    const int n = static_cast<int>(display.size());
    if (s == e && !wholeCircle)
        return;
    const int length = wholeCircle ? n : (e >= s ? e - s + 1 : e - s + 1 + n);
    int v = truePos[static_cast<std::size_t>(order[static_cast<std::size_t>(s)])];
    long long sum = 0;
    for (int k = 0, j = s; k < length; ++k, j = (j + 1) % n) {
        display[static_cast<std::size_t>(j)] = v;
        sum += v - truePos[static_cast<std::size_t>(order[static_cast<std::size_t>(j)])];
        v += minSep;
        if (j == n - 1)
            v -= FullCircle;
    }
    const int mean = static_cast<int>(sum / length);
    for (int k = 0, j = s; k < length; ++k, j = (j + 1) % n)
        display[static_cast<std::size_t>(j)] -= mean;
    if (e < s || wholeCircle)
        for (int j = s; j < n; ++j)
            display[static_cast<std::size_t>(j)] -= FullCircle;
}

}  // namespace

void spreadAngles(std::span<int> display, std::span<const int> truePos, std::span<int> order, int minSep) {
    const int n = static_cast<int>(truePos.size());
    if (n == 0)
        return;
    std::iota(order.begin(), order.begin() + n, 0);
    std::stable_sort(order.begin(), order.begin() + n, [&](int a, int b) {
        return truePos[static_cast<std::size_t>(a)] < truePos[static_cast<std::size_t>(b)];
    });
    for (int i = 0; i < n; ++i)
        display[static_cast<std::size_t>(i)] = truePos[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])];

    std::vector<Run> runs;
    int start = 0;
    for (int i = 1; i < n; ++i) {
        if (display[static_cast<std::size_t>(i)] >= display[static_cast<std::size_t>(i - 1)] + minSep) {
            layoutRun(display, truePos, order, minSep, start, i - 1, false);
            runs.push_back({start, i - 1});
            start = i;
        }
    }
    layoutRun(display, truePos, order, minSep, start, n - 1, runs.empty());
    runs.push_back({start, n - 1});

    bool joined = true;
    while (runs.size() > 1 && joined) {
        joined = false;
        for (std::size_t k = 0; k < runs.size(); ++k) {
            const std::size_t pred = k == 0 ? runs.size() - 1 : k - 1;
            int predLast = display[static_cast<std::size_t>(runs[pred].last)];
            if (k == 0)
                predLast -= FullCircle;
            if (display[static_cast<std::size_t>(runs[k].first)] < predLast + minSep) {
                runs[k].first = runs[pred].first;
                layoutRun(display, truePos, order, minSep, runs[k].first, runs[k].last, runs.size() == 2);
                runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(pred));
                joined = true;
                break;
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        int& d = display[static_cast<std::size_t>(i)];
        d = normaliseAngle(d);
    }
}
