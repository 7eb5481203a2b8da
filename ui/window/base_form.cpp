#include "base_form.h"

#include "blocking_wait.h"
#include "help_window.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>

TBaseForm::TBaseForm(QWidget *owner) : QDialog(owner) {
  TBlockingWait::Install();
  THelpWindow::AddHelpKey(this);
}

std::vector<TBaseForm *> &TBaseForm::Running() {
  static std::vector<TBaseForm *> running;
  return running;
}

TBaseForm *TBaseForm::InnermostHandlerForm() { return Running().empty() ? nullptr : Running().back(); }

bool TBaseForm::WaitsForAgent() const { return TBlockingWait::Waits(this); }

TBaseForm::~TBaseForm() {
  // What the child widgets signal while Qt takes them down must not reach the handlers of
  // a window that is already half destroyed.
  for (QObject *child : findChildren<QObject *>()) QObject::disconnect(child, nullptr, this, nullptr);
  for (auto &binding : bindings_) binding->Request.SetEnabled(false);
  // The requests forget their answers still on their way; nothing waits for the agent.
  bindings_.clear();
}

KvSNMPRequest2Edits *TBaseForm::NewEditsBinding() {
  return AddBinding(std::make_unique<KvSNMPRequest2Edits>(this));
}

std::string TBaseForm::CaptionWithAddress(const std::string &title) {
  return CaptionWithAddress(title, SNMPDevice.Address);
}

std::string TBaseForm::CaptionWithAddress(const std::string &title, const std::string &address) {
  return title + " : " + address;
}

void TBaseForm::SetCaptionFor(const std::string &title) { SetCaption(CaptionWithAddress(title)); }

void TBaseForm::SetCaption(const std::string &caption) { setWindowTitle(ToQt(caption)); }

std::string TBaseForm::Caption() const { return FromQt(windowTitle()); }

std::string TBaseForm::JournalWindowName() const {
  const std::string caption = Caption();
  const size_t at = caption.rfind(" : ");
  return at == std::string::npos ? caption : caption.substr(0, at);
}

void TBaseForm::Report(KvSNMPRequest2Controls *binding, const std::string &message) {
  if (!binding && !bindings_.empty()) binding = bindings_.front().get();
  if (binding && binding->HasStatusOutput()) {
    binding->ShowStatus(message);
    return;
  }
  Platform::ShowMessageBox(this, message, Platform::ProgramFileName(), Platform::MsgButtons::Ok);
}

void TBaseForm::ReportSafely(KvSNMPRequest2Controls *binding, const std::string &message) noexcept {
  try {
    Report(binding, message);
  } catch (...) {
    // Nothing more can be shown.
  }
}

void TBaseForm::HandlerEnded() {
  if (--handlerDepth_ > 0) return;
  if (drainPending_) {
    drainPending_ = false;
    DrainBindings();
  }
  if (deletePending_) deleteLater();
}

void TBaseForm::ReleaseBindings() {
  released_ = true;
  for (auto &binding : bindings_) binding->Request.SetEnabled(false);
  if (handlerDepth_ > 0)
    drainPending_ = true;
  else
    DrainBindings();
}

bool TBaseForm::WaitForIdle(const KvSNMPRequest2Controls &binding, int maxMs) {
  const std::shared_ptr<const bool> alive = binding.AliveFlag();
  QElapsedTimer clock;
  clock.start();
  while (*alive && binding.Busy() && !binding.Answering() && clock.elapsed() < maxMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return *alive;
}

void TBaseForm::DrainBindings() {
  if (draining_) return;
  draining_ = true;
  // Nothing waits for the agent: the requests are disabled, and destroying them drops
  // the answers still on their way.
  bindings_.clear();
  draining_ = false;
  BindingsDestroyed();
}

void TBaseForm::DeleteWhenIdle() {
  if (handlerDepth_ > 0 || draining_)
    deletePending_ = true;
  else
    deleteLater();
}

void TBaseForm::FormClose() { ReleaseBindings(); }

void TBaseForm::done(int result) {
  if (!released_) {
    HandlerScope scope(*this);
    try {
      FormClose();
    } catch (const std::exception &e) {
      ReportSafely(nullptr, e.what());
    }
  }
  QDialog::done(result);
}
