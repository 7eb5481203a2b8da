#include "port_trunk_form.h"

#include "kv_binary_string.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_mib_core_set.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "kv_write_scope.h"
#include "window_layout.h"
#include "port_boxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kMasterPortItems = 25;  // "1" to "24" and an empty 25th item
constexpr char kOldFirmware[] = "Build 1.03";

// The first number of a text, 0 when there is none.
int NumberOf(const std::string &text) {
  try {
    return std::stoi(text);
  } catch (const std::exception &) {
    return 0;
  }
}
}  // namespace

// ---------------------------------------------------------------------------------
// Creation

TPortTrunkForm::TPortTrunkForm(QWidget *owner, const std::string &addressText, const std::string &runtimeVersion)
    : TBaseForm(owner), runtimeVersion_(runtimeVersion) {
  BuildControls();
  SetCaption("Port Trunk Table :" + addressText);

  binding_ = NewEditsBinding();
  binding_->Request.VarList = KvSNMPVarList(PortTrunkDefs, MVT_UMV, 1);
  Label_Type->setVisible(true);
  Combo_Type->setVisible(true);
  binding_->RequestMode = KvSNMPRequest2Controls::Blocking;
  binding_->BindListView(LV_PortTrunk);

  binding_->AssociateFormat(IndexItem, "%i{n1x32}", {ED_Index});
  binding_->AssociateFormat(MasterPortItem, "%s{n1x208l3}", {ED_MasterPort});
  binding_->AssociateBitList(MemberItem, PortBitList(kPortBoxes),
                             std::vector<QWidget *>(CheckBox.begin(), CheckBox.end()));
  binding_->Associate(FloodingPortItem, ST_FloodingPort);
  binding_->AssociateComboBox(TrunkTypeItem, Combo_Type);
  binding_->AssociateComboBox(StateItem, Combo_State);
  binding_->SetStatusOutput(StatusBar1, 0);

  Guarded(binding_, [this] { binding_->Refresh(); });
  BT_GetClick();
}

void TPortTrunkForm::BuildControls() {
  FeatureFrame frame = MakeFeatureFrame(this, {470, 408}, true);
  QVBoxLayout *left = frame.Content;
  LV_PortTrunk = MakeListView(this);
  left->addWidget(LV_PortTrunk, 1);

  // The editing panel: index, flooding port, master port, type, status.
  auto *fields = new QGridLayout;
  left->addLayout(fields);
  ED_Index = new QLineEdit(this);
  ST_FloodingPort = MakeStaticText(this);
  Combo_Port = new QComboBox(this);
  for (int p = 1; p <= kVisiblePorts; ++p) Combo_Port->addItem(QString::number(p));
  Combo_Port->addItem(QString());
  Label_Type = new QLabel("Type", this);
  Combo_Type = new QComboBox(this);
  CK_State = new QCheckBox("Status", this);
  ED_MasterPort = new QLineEdit(this);
  ED_MasterPort->setVisible(false);
  Combo_State = new QComboBox(this);
  Combo_State->setVisible(false);
  AddLabelled(fields, 0, "Index(1-32)", ED_Index);
  AddLabelled(fields, 0, "Flooding Port", ST_FloodingPort, 2);
  AddLabelled(fields, 1, "Master Port", Combo_Port);
  fields->addWidget(Label_Type, 1, 2);
  fields->addWidget(Combo_Type, 1, 3);
  fields->addWidget(CK_State, 2, 0, 1, 2);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);

  // The port panel: odd ports on the upper row, even ports on the lower one.
  const std::vector<QCheckBox *> boxes = MakePortBoxes(this, kPortBoxes);
  std::copy(boxes.begin(), boxes.end(), CheckBox.begin());
  left->addLayout(LayOutPortPairs(this, boxes, kVisiblePorts));

  BT_Get = frame.AddButton(this, "Refresh", {78, 25});
  BT_Set = frame.AddButton(this, "Add", {78, 25});
  BT_Delete = frame.AddButton(this, "Delete", {78, 25});
  StatusBar1 = frame.StatusBar;

  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  Handle(BT_Set, &QPushButton::clicked, nullptr, [this] { BT_SetClick(); });
  Handle(BT_Delete, &QPushButton::clicked, nullptr, [this] { BT_DeleteClick(); });
  LV_PortTrunk->viewport()->installEventFilter(this);
}

// ---------------------------------------------------------------------------------
// Refresh and the row click

void TPortTrunkForm::BT_GetClick() {
  Guarded(binding_, [this] {
    binding_->Refresh();
    RefreshControls();
  });
}

void TPortTrunkForm::RefreshControls() {
  for (int c = 0; c < LV_PortTrunk->columnCount(); ++c) LV_PortTrunk->resizeColumnToContents(c);
  ED_Index->setStyleSheet(QString());
  ED_Index->setEnabled(true);
  ED_Index->clear();
  ED_MasterPort->clear();
  Combo_Port->setCurrentIndex(0);
  BT_Set->setText("Add");
  CK_State->setChecked(false);
  ST_FloodingPort->clear();
  mode_ = AddMode;
  deleted_ = false;
  UpdatePortBoxes();
}

// A click anywhere in the list: on a row the binding has shown it in the controls
// already (its selection handler runs on press); on the empty area nothing is selected.
bool TPortTrunkForm::eventFilter(QObject *watched, QEvent *event) {
  if (IsListClick(LV_PortTrunk, watched, event)) LV_PortTrunkClick();
  return TBaseForm::eventFilter(watched, event);
}

void TPortTrunkForm::LV_PortTrunkClick() {
  Guarded(binding_, [this] {
    if (LV_PortTrunk->selectedItems().isEmpty()) {
      BT_GetClick();
      return;
    }
    BT_Set->setText("Set");
    CK_State->setChecked(Combo_State->currentIndex() == Active);
    ED_Index->setStyleSheet("background-color: palette(button);");
    ED_Index->setEnabled(false);
    mode_ = EditMode;
    SelectMasterPort(FromQt(ED_MasterPort->text()));
    UpdatePortBoxes();
  });
}

// m = number mod 26 selects item m - 1: 1 to 24 their ports, 25 the empty item, 26
// (and 0) nothing.
void TPortTrunkForm::SelectMasterPort(const std::string &masterPortText) {
  const int m = NumberOf(masterPortText) % 26;
  Combo_Port->setCurrentIndex(m >= 1 && m <= kMasterPortItems ? m - 1 : -1);
}

// Ports in another trunk are greyed; in add mode the boxes of the trunk shown last are
// cleared, after a Delete they are cleared and free again.
void TPortTrunkForm::UpdatePortBoxes() {
  portFree_.fill(true);
  const int memberColumn = ColumnOfItem(*binding_, MemberItem);
  for (int r = 0; memberColumn >= 0 && r < LV_PortTrunk->topLevelItemCount(); ++r) {
    const KvBinaryString members(FromQt(LV_PortTrunk->topLevelItem(r)->text(memberColumn)));
    for (int p = 0; p < kVisiblePorts; ++p)
      if (PortInList(members, p)) portFree_[p] = false;
  }
  for (int p = 0; p < kPortBoxes; ++p) {
    QCheckBox *box = CheckBox[p];
    const bool checked = box->isChecked();
    bool enabled = portFree_[p] || checked;
    if (checked && mode_ == EditMode) enabled = true;
    if (checked && mode_ == AddMode) {
      box->setChecked(false);
      enabled = false;
    }
    if (checked && deleted_) {
      box->setChecked(false);
      enabled = true;
    }
    box->setEnabled(enabled);
  }
}

// ---------------------------------------------------------------------------------
// The write sequences

void TPortTrunkForm::BT_SetClick() {
  Guarded(binding_, [this] {
    ED_MasterPort->setText(QString::number(Combo_Port->currentIndex() + 1));
    if (mode_ == EditMode) {
      Combo_State->setCurrentIndex(CK_State->isChecked() ? Active : NotInService);
      KvWriteScope write(*binding_);
      write.Apply(true, true);
    } else {
      {
        // The row is made by one request; the read-only flooding port stays out of it
        // and gets its access back whether the request succeeds or not.
        KvWriteScope create(*binding_);
        create.LeaveOut(FloodingPortItem);
        Combo_State->setCurrentIndex(CreateAndGo);
        create.Apply(false, true);
      }
      if (CK_State->isChecked()) {
        Combo_State->setCurrentIndex(Active);
        KvWriteScope activate(*binding_);
        activate.Apply(true, true);
      }
    }
    binding_->Refresh();
    RefreshControls();
  });
}

// A failed destroy is shown in a message box, as the program shows unexpected errors;
// the left-out columns get their access back either way.
void TPortTrunkForm::BT_DeleteClick() {
  Guarded(binding_, [this] {
    try {
      KvWriteScope destroy(*binding_);
      for (int item : {IndexItem, MasterPortItem, MemberItem, FloodingPortItem}) destroy.LeaveOut(item);
      Combo_State->setCurrentIndex(Destroy);
      destroy.Apply(false, true);
    } catch (const std::exception &e) {
      Platform::ShowMessageBox(this, e.what(), Platform::ProgramFileName(), Platform::MsgButtons::Ok);
      return;
    }
    if (runtimeVersion_ == kOldFirmware)
      binding_->Request.VarList.GetItem(TrunkTypeItem)->Access = Access::ReadOnly;
    deleted_ = true;
    UpdatePortBoxes();
    binding_->Refresh();
    RefreshControls();
  });
}

void TPortTrunkForm::Report(KvSNMPRequest2Controls *, const std::string &message) {
  StatusBar1->SetPanelText(0, message);
}
