#pragma once
// Timing shared by the benchmarks.

#include <algorithm>
#include <chrono>
#include <functional>

// Wall-clock seconds of the best of `rounds` runs of `run`; `rows` gets what the last
// run returned (the rows it read).
inline double BestSeconds(const std::function<int()> &run, int rounds, int &rows) {
  double best = 1e9;
  for (int r = 0; r < rounds; ++r) {
    const auto start = std::chrono::steady_clock::now();
    rows = run();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}
