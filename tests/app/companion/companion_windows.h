#pragma once
// The rows of the window sweep that the companion program gives: one per view, each
// started from its command line as the launcher gives it, against the agent at `port`.
// The fault sweep and the stall benchmark take them.

#include "window_sweep.h"

#include <vector>

std::vector<SweepWindow> CompanionWindows(int port, int maxRepetitions, int timeout = kSweepTimeout);
