#pragma once
// The live view of a panel: an interval control in the button column ("Off" or a number
// of seconds) that reads the panel again at that pace, and beside each counter its
// increase per second since the read before: a rate column after each Counter or
// Counter64 column of a list, a rate label after the edit of a counter row of an
// editor. Rates use the program's monotonic clock, stamped as each row arrives.
//
// The timer uses the panel's ordinary asynchronous read. A tick while a read is still
// running waits for it and starts the next read when it ends, so two reads never
// overlap; a tick is skipped while the panel is not shown (another page, a closed
// window), while a dialog of the window is open, or while the operator is typing in a
// writable field. The view stops when the window releases its bindings.
//
//   TSNMPListViewPanel *panel = form->SetListViewPanel(std::move(binding), -1, "", -1, "");
//   panel->EnableLiveView(5);   // every 5 s; 0 shows the control with "Off"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "counter_rate.h"

#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class QLabel;
class QSpinBox;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

class TLiveView : public QObject {
  Q_OBJECT
public:
  // Made by TSNMPEditorPanel::EnableLiveView, owned by the panel.
  TLiveView(TSNMPEditorPanel *panel, int seconds);
  ~TLiveView() override;

  // 0 turns the timer off; the value is limited to 0 .. kMaxSeconds.
  void SetInterval(int seconds);
  int Interval() const;
  static constexpr int kMaxSeconds = 3600;

  // The list column that shows the rate of list column `column`, -1 when it has none.
  int RateColumnOf(int column) const;
  // The label beside the edit of editor row `index`, null when the row is no counter.
  QLabel *RateLabelOf(int index) const;
  // Reads started by the timer (a waiting tick counts once, when its read starts).
  int TimedReads() const { return timedReads_; }

  QLabel *IntervalLabel;
  QSpinBox *IntervalBox;

signals:
  // A read of the panel ended and the rates are shown (false: it failed or was cut short).
  void ReadEnded(bool complete);

private:
  void Tick();
  bool MayReadNow() const;
  void StartRead();
  void Stop();
  void SetUpRateColumns(TSNMPListViewPanel *list);
  void SetUpRateLabels();
  void ReadStarted();
  void RowShown();
  void ReadFinished(bool complete);

  QPointer<TSNMPEditorPanel> panel_;
  TSNMPListViewPanel *list_ = nullptr;  // the panel, when it is a list panel
  KvSNMPRequest2Edits *binding_ = nullptr;
  std::shared_ptr<const bool> bindingAlive_;
  int watcher_ = 0;
  QTimer timer_;
  QTimer holdGuard_;
  static constexpr int kHoldLimitMs = 10000;
  bool waiting_ = false;  // a tick came while a read was running
  bool stopped_ = false;
  bool typed_ = false;    // the operator changed a writable field that is not sent yet
  int timedReads_ = 0;
  KvCounterRates rates_;
  // List: per shown column of the binding, its rate column (-1 none); editor: labels.
  std::vector<int> rateColumns_;
  std::vector<QLabel *> rateLabels_;
  // The place in the list kept across a read: scroll position and selected row's keys.
  int scrollBefore_ = 0;
  std::string selectedKey_;
};
