#pragma once
// What every window of the module does, written once: it owns its bindings, builds its
// caption from the agent address, runs every handler so that no exception leaves it
// (the failure becomes a status line of the handler's binding), and on closing disables
// its bindings and destroys them without waiting for the agent (answers still on their
// way are dropped). Bindings and the window itself are freed only once no handler of the
// window is running, so a handler that lets events run (a blocking walk, a nested
// dialog) never finds them gone.
//
//   auto *form = new TMyForm(owner);   // a TBaseForm
//   form->ShowModal();
//   form->DeleteWhenIdle();            // or delete it, once ShowModal has returned

#include "kv_snmp_request2_controls.h"
#include "kv_write_journal.h"

#include <QDialog>
#include <QObject>

#include <exception>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class KvSNMPRequest2Edits;

class TBaseForm : public QDialog {
  Q_OBJECT
public:
  explicit TBaseForm(QWidget *owner = nullptr);
  // Releases the bindings still held (waiting for their answers).
  ~TBaseForm() override;

  // The window takes the binding; it lives until the window closes.
  template <class Binding>
  Binding *AddBinding(std::unique_ptr<Binding> binding) {
    Binding *raw = binding.get();
    bindings_.push_back(std::move(binding));
    return raw;
  }
  // A new edit binding owned by the window, with the window as its owner form.
  KvSNMPRequest2Edits *NewEditsBinding();
  const std::vector<std::unique_ptr<KvSNMPRequest2Controls>> &OwnedBindings() const { return bindings_; }

  // "<title> : <address>"; the address defaults to the global device's.
  static std::string CaptionWithAddress(const std::string &title);
  static std::string CaptionWithAddress(const std::string &title, const std::string &address);
  void SetCaptionFor(const std::string &title);
  void SetCaption(const std::string &caption);
  std::string Caption() const;

  // Runs `handler` as one handler of this window: every exception is caught and its
  // message shown by Report (as a status line of `binding`, when given and it has a
  // status output). Does nothing once the bindings have been released.
  // While a blocking request of the window waits for the agent, no other handler of it
  // runs: a timer's tick or a signal that comes meanwhile is dropped.
  template <class F>
  void Guarded(KvSNMPRequest2Controls *binding, F &&handler) noexcept {
    if (released_ || WaitsForAgent()) return;
    HandlerScope scope(*this);
    try {
      std::forward<F>(handler)();
    } catch (const std::exception &e) {
      ReportSafely(binding, e.what());
    } catch (...) {
      ReportSafely(binding, "(KvCommon) Unknown error!");
    }
  }
  // Connects `signal` of `sender` to `handler`, run through Guarded (typed connect).
  template <class Sender, class Signal, class F>
  QMetaObject::Connection Handle(Sender *sender, Signal signal, KvSNMPRequest2Controls *binding, F handler) {
    return QObject::connect(sender, signal, this, [this, binding, handler](auto &&...) {
      Guarded(binding, handler);
    });
  }

  // One status line through `binding` (the first owned binding when null) if it has a
  // status output, else a message box over the window.
  virtual void Report(KvSNMPRequest2Controls *binding, const std::string &message);

  // Lets events run until `binding` is idle, for at most `maxMs`, or returns at once when
  // the call comes from inside one of the binding's own answers; false when the binding
  // was destroyed meanwhile (then it must not be touched).
  static bool WaitForIdle(const KvSNMPRequest2Controls &binding, int maxMs);

  // Disables every binding's request at once; once no handler runs, destroys them
  // (without waiting for their answers).
  void ReleaseBindings();
  bool BindingsReleased() const { return released_; }
  // Deletes the window once no handler of it is running.
  void DeleteWhenIdle();
  bool HandlerRunning() const { return handlerDepth_ > 0; }
  // True while a blocking request of this window waits for its answer.
  bool WaitsForAgent() const;
  // The window whose handler began last of those running, or null.
  static TBaseForm *InnermostHandlerForm();

  int ShowModal() { return exec(); }
  // The name the change journal gives the window: its caption less the agent's address.
  std::string JournalWindowName() const;

protected:
  // The close handler, run whenever the window closes (accept, reject, close). The base
  // releases the bindings; derived windows that override it call the base at the end.
  virtual void FormClose();
  // Called once the bindings have been destroyed: forget every pointer to them.
  virtual void BindingsDestroyed() {}
  void done(int result) override;

private:
  class HandlerScope {
  public:
    explicit HandlerScope(TBaseForm &form) : form_(form), journal_(form.JournalWindowName()) {
      ++form_.handlerDepth_;
      Running().push_back(&form);
    }
    ~HandlerScope() {
      auto &running = Running();
      for (auto it = running.rbegin(); it != running.rend(); ++it)
        if (*it == &form_) {
          running.erase(std::next(it).base());
          break;
        }
      form_.HandlerEnded();
    }

  private:
    TBaseForm &form_;
    KvJournalScope journal_;  // the window's writes, one group a handler
  };

  // The windows running a handler, in the order their handlers began.
  static std::vector<TBaseForm *> &Running();
  void ReportSafely(KvSNMPRequest2Controls *binding, const std::string &message) noexcept;
  void HandlerEnded();
  void DrainBindings();

  std::vector<std::unique_ptr<KvSNMPRequest2Controls>> bindings_;
  int handlerDepth_ = 0;
  bool released_ = false;
  bool drainPending_ = false;
  bool draining_ = false;
  bool deletePending_ = false;
};
