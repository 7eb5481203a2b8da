#include "snmp_editor_panel.h"

#include "ctrl_btn_panel.h"
#include "edits_panel.h"

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
