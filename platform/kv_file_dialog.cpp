#include "kv_file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QString>

namespace Platform {
namespace {
SaveFileHook &Hook() {
  static SaveFileHook hook;
  return hook;
}
}  // namespace

std::string AskSaveFileName(QWidget *parent, const std::string &caption, const std::string &suggestedName,
                            const std::string &filter) {
  if (Hook()) return Hook()(SaveFileRequest{parent, caption, suggestedName, filter});
  if (!qApp) return {};  // no desktop to ask on
  if (!parent) parent = QApplication::activeWindow();
  const QString path = QFileDialog::getSaveFileName(parent, QString::fromLocal8Bit(caption),
                                                    QString::fromLocal8Bit(suggestedName),
                                                    QString::fromLocal8Bit(filter));
  return path.toLocal8Bit().toStdString();
}

std::string AskOpenFileName(QWidget *parent, const std::string &caption, const std::string &filter) {
  if (Hook()) return Hook()(SaveFileRequest{parent, caption, "", filter, true});
  if (!qApp) return {};
  if (!parent) parent = QApplication::activeWindow();
  const QString path = QFileDialog::getOpenFileName(parent, QString::fromLocal8Bit(caption), QString(),
                                                    QString::fromLocal8Bit(filter));
  return path.toLocal8Bit().toStdString();
}

SaveFileHook SetSaveFileHook(SaveFileHook hook) {
  SaveFileHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

ScriptedSaveFileDialogs::ScriptedSaveFileDialogs() {
  previous_ = SetSaveFileHook([this](const SaveFileRequest &request) {
    asked_.push_back(request);
    return next_ < script_.size() ? script_[next_++] : std::string();
  });
}

ScriptedSaveFileDialogs::~ScriptedSaveFileDialogs() { SetSaveFileHook(std::move(previous_)); }

}  // namespace Platform
