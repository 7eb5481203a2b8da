#pragma once
// The one audible signal of the program: the speaker's 1000 Hz tone for 200 ms where
// the platform has one, else the desktop's own beep.

#include <functional>

namespace Platform {

void Beep();

// While a hook is set, Beep calls it instead of sounding. Returns the hook set before;
// an empty hook brings the sound back.
using BeepHook = std::function<void()>;
BeepHook SetBeepHook(BeepHook hook);

// For tests: counts the beeps of its lifetime, silently. Scopes nest.
class CountedBeeps {
public:
  CountedBeeps() : previous_(SetBeepHook([this] { ++count_; })) {}
  ~CountedBeeps() { SetBeepHook(std::move(previous_)); }
  CountedBeeps(const CountedBeeps &) = delete;
  CountedBeeps &operator=(const CountedBeeps &) = delete;

  int Count() const { return count_; }

private:
  int count_ = 0;
  BeepHook previous_;
};

}  // namespace Platform
