#pragma once
// Rates of counters: the increase per second between the two last readings of one
// counter, taken on the program's monotonic clock when each row arrived. A counter that
// went past its top (2^32 or 2^64) wraps; a counter that went down otherwise, a value
// that is no number of its width, or a row that did not come in the read before gives
// no rate at all rather than a made-up one.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// The increase per second from `before` to `after`, read `seconds` apart, of a counter
// of `bits` (32 or 64). A decrease is a wrap only when the way round over the top is
// shorter than half the counter's range; anything else is a discontinuity (none).
std::optional<double> CounterRate(uint64_t before, uint64_t after, double seconds, unsigned bits);

// The value of a counter's text: decimal digits only, within `bits`.
std::optional<uint64_t> ParseCounter(const std::string &text, unsigned bits);

// The width of a counter syntax (32 or 64), 0 for any other syntax.
unsigned CounterBits(unsigned syntax);

// "12345.6" style text of a rate: one decimal below 1000 per second, whole numbers above.
std::string FormatRate(double perSecond);

// The last reading of every counter of one view, keyed by the counter's instance, and
// the rates that the next reading gives.
class KvCounterRates {
public:
  // A read starts: readings of a read that never ended still count as the last ones.
  void BeginRead();
  // One counter read at `seconds` on the monotonic clock; its rate since its reading
  // in the read before, if there is one.
  std::optional<double> Take(const std::string &instance, const std::string &valueText, unsigned syntax,
                             double seconds);
  // The read ended. A complete read drops the counters it no longer found; an
  // incomplete one keeps the older readings of the rows it did not reach.
  void EndRead(bool complete);
  void Clear();
  size_t Known() const { return last_.size(); }

private:
  struct Reading {
    uint64_t Value = 0;
    double Seconds = 0;
  };
  std::map<std::string, Reading> last_;
  std::map<std::string, Reading> current_;
};

// Seconds on the monotonic clock since an arbitrary start.
double MonotonicSeconds();
