#pragma once
// The windows of their own that the feature entries of the menu open (F1 to F22). Each
// entry has one opener here: it creates its window with the application as owner, sets
// what the window needs from the main window (caption, references), shows it modally
// and destroys it. An entry whose window is not part of this version has no opener, and
// the menu says so instead of opening anything.

#include <string>

class TMainForm;

using KvFeatureOpener = void (*)(TMainForm &mainForm);

// The opener of a feature entry ("F1" ...), or null when its window is not available.
KvFeatureOpener FeatureOpener(const std::string &key);

// The message shown for an entry whose window is not available.
std::string FeatureNotAvailableText(const std::string &caption);
