#include "counter_rate.h"

#include "kv_snmp_var_def.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>

std::optional<double> CounterRate(uint64_t before, uint64_t after, double seconds, unsigned bits) {
  if (bits != 32 && bits != 64) return std::nullopt;
  if (!(seconds > 0) || !std::isfinite(seconds)) return std::nullopt;
  const uint64_t top = bits == 32 ? 0xFFFFFFFFull : std::numeric_limits<uint64_t>::max();
  if (before > top || after > top) return std::nullopt;
  uint64_t increase = 0;
  if (after >= before) {
    increase = after - before;
  } else {
    // Past the top and round again: (top - before) + 1 + after, without overflow.
    increase = (top - before) + after + 1;
    if (increase > top / 2) return std::nullopt;  // went down: reset or replaced
  }
  return static_cast<double>(increase) / seconds;
}

std::optional<uint64_t> ParseCounter(const std::string &text, unsigned bits) {
  if (text.empty() || text.size() > 20 || (bits != 32 && bits != 64)) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  if (bits == 32 && value > 0xFFFFFFFFull) return std::nullopt;
  return value;
}

unsigned CounterBits(unsigned syntax) {
  if (syntax == Syntax::Counter) return 32;
  if (syntax == Syntax::Counter64) return 64;
  return 0;
}

std::string FormatRate(double perSecond) {
  char text[64];
  std::snprintf(text, sizeof text, perSecond < 1000 ? "%.1f" : "%.0f", perSecond);
  return text;
}

void KvCounterRates::BeginRead() {
  for (auto &[instance, reading] : current_) last_[instance] = reading;
  current_.clear();
}

std::optional<double> KvCounterRates::Take(const std::string &instance, const std::string &valueText,
                                           unsigned syntax, double seconds) {
  const unsigned bits = CounterBits(syntax);
  const std::optional<uint64_t> value = ParseCounter(valueText, bits);
  if (!value || instance.empty()) return std::nullopt;
  current_[instance] = {*value, seconds};
  const auto before = last_.find(instance);
  if (before == last_.end()) return std::nullopt;
  return CounterRate(before->second.Value, *value, seconds - before->second.Seconds, bits);
}

void KvCounterRates::EndRead(bool complete) {
  if (complete) {
    last_ = std::move(current_);
  } else {
    for (auto &[instance, reading] : current_) last_[instance] = reading;
  }
  current_.clear();
}

void KvCounterRates::Clear() {
  last_.clear();
  current_.clear();
}

double MonotonicSeconds() {
  using Clock = std::chrono::steady_clock;
  static const Clock::time_point start = Clock::now();
  return std::chrono::duration<double>(Clock::now() - start).count();
}
