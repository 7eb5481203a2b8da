#pragma once
// Timing, memory and options shared by the benchmarks.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

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

// Min, median and max of a benchmark's rounds.
struct Spread {
  double Min = 0, Median = 0, Max = 0;
};

inline Spread SpreadOf(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  return {values.front(), values[values.size() / 2], values.back()};
}

// Runs every contender once per round, one after another in the same round (paired), for
// `rounds` rounds, after one unmeasured warm-up round; returns per contender its seconds,
// and through `ratios` per contender the spread of its round-by-round ratio to the first
// (the reference). `rows` gets, per contender, what its last run returned.
inline std::vector<Spread> PairedRounds(const std::vector<std::function<int()>> &contenders, int rounds,
                                        std::vector<int> &rows, std::vector<Spread> *ratios = nullptr) {
  std::vector<std::vector<double>> seconds(contenders.size()), ratio(contenders.size());
  rows.assign(contenders.size(), 0);
  for (int r = -1; r < rounds; ++r) {
    std::vector<double> round(contenders.size());
    for (size_t c = 0; c < contenders.size(); ++c) {
      const auto start = std::chrono::steady_clock::now();
      rows[c] = contenders[c]();
      round[c] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (r < 0) continue;  // warm-up
    for (size_t c = 0; c < contenders.size(); ++c) {
      seconds[c].push_back(round[c]);
      ratio[c].push_back(round[c] / round[0]);
    }
  }
  std::vector<Spread> result;
  if (ratios) ratios->clear();
  for (size_t c = 0; c < contenders.size(); ++c) {
    result.push_back(SpreadOf(seconds[c]));
    if (ratios) ratios->push_back(SpreadOf(ratio[c]));
  }
  return result;
}

// "min/median/max" of a spread, scaled (1000: milliseconds).
inline std::string Show(const Spread &s, double scale = 1, const char *format = "%.3f") {
  char text[128];
  const std::string f = std::string(format) + "/" + format + "/" + format;
  std::snprintf(text, sizeof text, f.c_str(), s.Min * scale, s.Median * scale, s.Max * scale);
  return text;
}
