#pragma once
// Timing, memory and options shared by the benchmarks.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

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

// The process's resident memory in KiB (VmRSS), 0 when it cannot be read.
inline long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

// The number after `name` on the command line ("--rows 1000"), or `fallback`.
inline int Option(int argc, char **argv, const char *name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
  return fallback;
}
