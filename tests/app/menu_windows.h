#pragma once
// The rows of the window sweep that the module's menu gives: every entry that opens a
// window or reads the switch, in menu order, then the front panel's port window. The
// fault sweep and the stall benchmark take them.

#include "window_sweep.h"

#include <vector>

class TMainForm;

std::vector<SweepWindow> MenuWindows(TMainForm &form);
