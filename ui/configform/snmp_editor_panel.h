#pragma once
// A scalar group's panel: the edit rows of the binding with Set Checked, Check All and
// Clear Checks (or a single "Set" when only one row can be written).

#include "snmp_panel.h"

class TEditsPanel;
class TLiveView;

class TSNMPEditorPanel : public TSNMPPanel {
  Q_OBJECT
public:
  TSNMPEditorPanel(QWidget *parent, KvSNMPRequest2Edits *binding);

  // New width of every edit; the panel and its window fit themselves to it.
  void SetEditWidth(int width);

  // Turns the live view on (once; a second call only sets the interval): the interval
  // control joins the buttons and the counters get their rates. `seconds` 0: off.
  TLiveView *EnableLiveView(int seconds);
  TLiveView *LiveView() const { return liveView_; }

  TEditsPanel *Edits;

private:
  TLiveView *liveView_ = nullptr;
};
