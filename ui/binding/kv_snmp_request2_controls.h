#pragma once
// A binding joins one request with the controls of a window: it runs Get (Refresh) and
// Set (Apply) on the request, blocking or answered through the event pump, calls its
// virtual steps around each operation, and reports the outcome as a status line or a
// message box. Derived bindings decide how a row is shown and how values are collected.
//
// A binding may be destroyed at any time on the window thread, also from inside one of
// its own steps (a window closed while a row lets events run): answers still on their
// way are then dropped, and nothing of the binding is touched any more.

#include "kv_messages.h"
#include "kv_snmp_request.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class KvStatusBar;
class QPlainTextEdit;
class QWidget;

class KvSNMPRequest2Controls {
public:
  enum : unsigned char { Blocking = 0, Asynchronous = 1 };
  enum : int { GetOperation = 0, SetOperation = 1 };

  explicit KvSNMPRequest2Controls(QWidget *owner);
  // Drops any answer still on its way; the request waits for it as its destructor says.
  virtual ~KvSNMPRequest2Controls();
  KvSNMPRequest2Controls(const KvSNMPRequest2Controls &) = delete;
  KvSNMPRequest2Controls &operator=(const KvSNMPRequest2Controls &) = delete;

  // Where status lines go: a memo (one line appended per status), a status bar (its
  // simple text) or one panel of a status bar. A null control means none.
  void SetStatusOutput(QPlainTextEdit *memo);
  void SetStatusOutput(KvStatusBar *statusBar);
  void SetStatusOutput(KvStatusBar *statusBar, int panelIndex);
  bool HasStatusOutput() const;
  // Writes "Get: <message>. Receive at <time>." (or "Set: ...", by LastOperation, with
  // the list's name as request part when it has one) to the status output, if any.
  void ShowStatus(const std::string &message);

  // Reads the whole list (a table: every row). Blocking mode raises KvException.
  void Refresh();
  // Writes the list: `selection` names the item indexes to send (comma-separated, ""
  // for every item the request sends), `values` their texts by position (or null).
  void Apply(bool refreshAfterSet, bool collectValues, const std::string &selection = "",
             const std::vector<std::string> *values = nullptr);

  // True while a request of this binding is outstanding. An answer that the request
  // drops because it was disabled ends this too, so a disabled binding becomes idle
  // once its request has nothing outstanding.
  bool Busy() const;
  // False once the binding is destroyed: for code that lets events run while it holds
  // the binding and must not touch it afterwards.
  std::shared_ptr<const bool> AliveFlag() const { return alive_; }
  // True while one of this binding's answers is being handled further up the stack (a
  // row lets events run): waiting there for the binding to become idle cannot succeed.
  bool Answering() const { return inAnswer_ > 0; }

  // Watchers of reads, for views that follow the values as they come (rates of
  // counters): told when a read starts (before the rows shown so far are cleared),
  // after each row it shows (the list's items hold that row), and once it ends (false:
  // it failed or was cut short). A watcher must not raise, nor destroy the binding.
  struct ReadWatcher {
    std::function<void()> Started;
    std::function<void()> RowShown;
    std::function<void(bool complete)> Ended;
  };
  int AddReadWatcher(ReadWatcher watcher);
  void RemoveReadWatcher(int id);

  KvSNMPRequest Request;
  unsigned char RequestMode = Asynchronous;
  QPointer<QWidget> Owner;
  int RowCount = 0;
  int LastOperation = GetOperation;
  bool RefreshAfterSet = true;

  // The steps around each operation, in this order of declaration.
  virtual void BeforeRefresh() {}
  virtual void BeforeApply() {}
  virtual void ShowRow() = 0;
  // Reads the controls into the items: all of them, or only the items at the
  // comma-separated indexes of `selection`.
  virtual void CollectValues(const std::string &selection) { (void)selection; }
  virtual void GetFailed(const KvSNMPError &error);
  virtual void ApplyFailed(const KvSNMPError &error);
  virtual void AfterRefresh() {}
  virtual void AfterApply() {}

protected:
  bool IsTableList() const;
  // The status output if there is one, else a message box over Owner.
  virtual void ReportFailure(const std::string &message);
  // Set to false when the binding is destroyed; steps that let events run check it.
  std::shared_ptr<bool> Alive() const { return alive_; }

private:
  struct StatusOutputRef {
    QPointer<QPlainTextEdit> Memo;
    QPointer<KvStatusBar> Bar;
    int Panel = -1;  // -1: the bar's simple text
  };

  // Shows the row if both filters let it through; false when the binding is gone.
  bool ShowMatchingRow();
  void FinishRefresh();
  void StartGetAsync(bool first);
  void GetAnswered(const KvSNMPError &error);
  void SetAnswered(const KvSNMPError &error);
  enum class ReadEvent { Started, RowShown, Ended, Failed };
  void TellWatchers(ReadEvent event);

  StatusOutputRef status_;
  std::shared_ptr<bool> alive_;
  bool busy_ = false;
  bool blockingRun_ = false;  // a blocking operation is running
  int inAnswer_ = 0;          // an answer is being handled
  std::vector<std::pair<int, ReadWatcher>> watchers_;
  int nextWatcher_ = 1;
};
