#include "kv_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace Platform {
namespace {
MessageBoxHook &Hook() {
  static MessageBoxHook hook;
  return hook;
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MsgButtons::AbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

bool HasCancel(MsgButtons buttons) {
  return buttons == MsgButtons::OkCancel || buttons == MsgButtons::YesNoCancel ||
         buttons == MsgButtons::RetryCancel;
}

MsgResult FromQt(int button, MsgButtons buttons) {
  switch (button) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Abort: return MsgResult::Abort;
    case QMessageBox::Ignore: return MsgResult::Ignore;
    default: return HasCancel(buttons) ? MsgResult::Cancel : DefaultButton(buttons);
  }
}
}  // namespace

MsgResult DefaultButton(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgResult::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgResult::Yes;
    case MsgButtons::RetryCancel: return MsgResult::Retry;
    case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
  }
  return MsgResult::Ok;
}

MsgResult ShowMessageBox(QWidget *parent, const std::string &text, const std::string &caption,
                         MsgButtons buttons, MsgIcon icon) {
  if (Hook()) return Hook()(ShownMessage{parent, text, caption, buttons, icon});
  if (!qApp) return DefaultButton(buttons);  // no desktop to show it on
  if (!parent) parent = QApplication::activeWindow();
  QMessageBox box(ToQt(icon), QString::fromLocal8Bit(caption), QString::fromLocal8Bit(text),
                  ToQt(buttons), parent);
  return FromQt(box.exec(), buttons);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
  MessageBoxHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

ScriptedMessageBoxes::ScriptedMessageBoxes() {
  previous_ = SetMessageBoxHook([this](const ShownMessage &message) {
    shown_.push_back(message);
    return next_ < script_.size() ? script_[next_++] : DefaultButton(message.Buttons);
  });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() { SetMessageBoxHook(std::move(previous_)); }

}  // namespace Platform
