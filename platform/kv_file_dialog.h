#pragma once
// The program's one way to ask the user for the name of a file to write or to read. Tests
// replace the dialogs by a hook that answers by script and records what was asked.

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace Platform {

// What one dialog asked: texts in the local 8-bit code page.
struct SaveFileRequest {
  QWidget *Parent = nullptr;
  std::string Caption;
  std::string SuggestedName;  // file name (or path) offered at first
  std::string Filter;         // e.g. "CSV files (*.csv)"
  bool Open = false;          // a file to read (AskOpenFileName)
};

// Shows a modal save dialog over `parent` and returns the chosen path, "" when the user
// cancelled. The dialog asks before replacing an existing file.
std::string AskSaveFileName(QWidget *parent, const std::string &caption, const std::string &suggestedName,
                            const std::string &filter);

// Shows a modal dialog for an existing file to read; "" when the user cancelled.
std::string AskOpenFileName(QWidget *parent, const std::string &caption, const std::string &filter);

// While a hook is set, AskSaveFileName and AskOpenFileName call it instead of showing anything. Returns the
// hook set before; an empty hook brings the real dialog back.
using SaveFileHook = std::function<std::string(const SaveFileRequest &)>;
SaveFileHook SetSaveFileHook(SaveFileHook hook);

// For tests: for its lifetime every dialog is recorded and answered from a script of
// paths, in order ("" cancels); once the script runs out, the dialog is cancelled.
class ScriptedSaveFileDialogs {
public:
  ScriptedSaveFileDialogs();
  ~ScriptedSaveFileDialogs();
  ScriptedSaveFileDialogs(const ScriptedSaveFileDialogs &) = delete;
  ScriptedSaveFileDialogs &operator=(const ScriptedSaveFileDialogs &) = delete;

  void Answer(const std::string &path) { script_.push_back(path); }
  const std::vector<SaveFileRequest> &Asked() const { return asked_; }

private:
  std::vector<std::string> script_;
  size_t next_ = 0;
  std::vector<SaveFileRequest> asked_;
  SaveFileHook previous_;
};

}  // namespace Platform
