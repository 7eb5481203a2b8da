#pragma once
// A delimited list of unsigned decimal numbers ("1,2,,4"). Parsing is deliberately
// lenient: every character counts as a digit, digits after a full stop are dropped.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

template <typename T>
class KvNumList {
public:
  explicit KvNumList(char delimiter = '.') : Delimiter(delimiter) {}

  void Parse(const char *text) {
    Values.clear();
    if (!text || !*text) return;
    std::string s(text);
    size_t count = 1;
    for (char c : s) count += (c == Delimiter);
    Values.assign(count, T{});
    size_t index = 0;
    int fractionDigit = 0;  // > 0 inside a fraction: position after the point
    for (char ch : s) {
      const int digit = static_cast<unsigned char>(ch) - '0';
      if (ch == Delimiter) {
        ++index;
        fractionDigit = 0;
      } else if (ch == '.') {
        fractionDigit = 1;
      } else if (fractionDigit > 0) {
        // A fraction never survives the truncation, except that a character below
        // '0' pulls the element down by one.
        const double v = static_cast<double>(Values[index]) + digit * std::pow(10.0, -fractionDigit++);
        Values[index] = static_cast<T>(static_cast<int64_t>(std::trunc(v)));
      } else {
        // Wrapping arithmetic: absurd input gives an absurd number, never undefined behaviour.
        Values[index] = static_cast<T>(static_cast<uint64_t>(Values[index]) * 10u +
                                       static_cast<uint64_t>(static_cast<int64_t>(digit)));
      }
    }
  }
  void Parse(const std::string &text) { Parse(text.c_str()); }

  int GetCount() const { return static_cast<int>(Values.size()); }

  int IndexOf(T value) const {
    for (size_t i = 0; i < Values.size(); ++i)
      if (Values[i] == value) return static_cast<int>(i);
    return -1;
  }

  bool AllInRange(T min, T max) const {
    for (T v : Values)
      if (v < min || v > max) return false;
    return true;
  }

  std::vector<T> Values;
  char Delimiter;
};
