#pragma once
// The program's one way to ask the user something in a message box. Tests replace the
// box by a hook that answers by script and records what would have been shown.

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace Platform {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// What one box showed: its texts are the system's bytes in the local 8-bit code page.
struct ShownMessage {
  QWidget *Parent = nullptr;
  std::string Text;
  std::string Caption;
  MsgButtons Buttons = MsgButtons::Ok;
  MsgIcon Icon = MsgIcon::None;
};

// Shows a modal box over `parent` (the active window when null) and returns the button
// pressed. Closing the box without a button gives Cancel where there is one, else the
// first button.
MsgResult ShowMessageBox(QWidget *parent, const std::string &text, const std::string &caption,
                         MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);

// The first button of a set, which is the one Enter presses.
MsgResult DefaultButton(MsgButtons buttons);

// While a hook is set, ShowMessageBox calls it instead of showing anything. Returns the
// hook that was set before; an empty hook brings the real boxes back.
using MessageBoxHook = std::function<MsgResult(const ShownMessage &)>;
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// For tests: for its lifetime every box is recorded and answered from a script, in
// order; once the script runs out, the default button answers. Scopes nest.
class ScriptedMessageBoxes {
public:
  ScriptedMessageBoxes();
  ~ScriptedMessageBoxes();
  ScriptedMessageBoxes(const ScriptedMessageBoxes &) = delete;
  ScriptedMessageBoxes &operator=(const ScriptedMessageBoxes &) = delete;

  void Answer(MsgResult result) { script_.push_back(result); }
  const std::vector<ShownMessage> &Shown() const { return shown_; }
  void Clear() { shown_.clear(); }

private:
  std::vector<MsgResult> script_;
  size_t next_ = 0;
  std::vector<ShownMessage> shown_;
  MessageBoxHook previous_;
};

}  // namespace Platform
