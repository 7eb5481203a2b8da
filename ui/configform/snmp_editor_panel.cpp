#include "snmp_editor_panel.h"

#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "live_view.h"

#include <QPushButton>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget *parent, KvSNMPRequest2Edits *binding)
    : TSNMPPanel(parent, nullptr, binding) {
  Edits = new TEditsPanel(Content, binding);
  connect(Buttons->SetBtn, &QPushButton::clicked, this, [this] { Run([this] { Edits->SetChecked(); }); });
  Buttons->SetBtn->setEnabled(false);
  connect(Buttons->CheckAllBtn, &QPushButton::clicked, this, [this] { Run([this] { Edits->SetAllChecks(true); }); });
  connect(Buttons->ClearChecksBtn, &QPushButton::clicked, this,
          [this] { Run([this] { Edits->SetAllChecks(false); }); });
  Edits->ArrangeCtrlBtn(Buttons);
  SetShown(Edits);
}

void TSNMPEditorPanel::SetEditWidth(int width) {
  Edits->SetEditWidth(width);
  // A list panel keeps showing its list: its edit rows only show in the Add and Edit
  // dialogs, which lay them out again.
  if (Shown == Edits) SetShown(Edits);
}

TLiveView *TSNMPEditorPanel::EnableLiveView(int seconds) {
  if (!liveView_) {
    liveView_ = new TLiveView(this, seconds);
    // The interval control makes the button column taller, the rates the rows wider.
    if (Shown == Edits) {
      Edits->ArrangeRows();
      SetShown(Edits);
    } else if (Shown) {
      SetShown(Shown);
    }
  } else {
    liveView_->SetInterval(seconds);
  }
  return liveView_;
}
