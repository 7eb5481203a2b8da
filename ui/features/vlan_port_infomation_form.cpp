#include "vlan_port_infomation_form.h"

#include "window_layout.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_mib_bridge_set.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget *owner) : TBaseForm(owner) {
  SetCaption("VLAN Port Information Form");
  resize(602, 440);
  QHBoxLayout *row = MakeWindowRow(this);
  auto *left = new QVBoxLayout;
  left->setContentsMargins(8, 8, 0, 8);
  LV_dot1qPortVlanEntry = MakeGridListView(this, "LV_dot1qPortVlanEntry");
  left->addWidget(LV_dot1qPortVlanEntry, 1);
  auto *grid = new QGridLayout;
  PortVLanID = AddEditField(grid, 0, "Port VLAN ID", "PortVLanID");
  IngressFiltering = AddComboField(grid, 1, "Ingress Filtering", "IngressFiltering");
  GvrpStatus = AddComboField(grid, 2, "GVRP Status", "GvrpStatus");
  grid->setColumnStretch(2, 1);
  left->addLayout(grid);
  Memo1 = MakeStatusMemo(this, 41);
  left->addWidget(Memo1);
  row->addLayout(left, 1);

  QVBoxLayout *buttons = AddButtonColumn(row, 103);
  ST_Count = AddSampleCount(buttons);
  RefreshBtn = AddButton(buttons, "Refresh", "RefreshBtn");
  SetBtn = AddButton(buttons, "Set", "SetBtn");

  // The count follows the rows as the walk adds them.
  QAbstractItemModel *rows = LV_dot1qPortVlanEntry->model();
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    Handle(rows, signal, nullptr, [this] { LV_dot1qPortVlanEntryChange(); });
  Handle(rows, &QAbstractItemModel::modelReset, nullptr, [this] { LV_dot1qPortVlanEntryChange(); });
  Handle(RefreshBtn, &QPushButton::clicked, nullptr, [this] { RefreshBtnClick(); });
  Handle(SetBtn, &QPushButton::clicked, nullptr, [this] { SetBtnClick(); });
  FormCreate();
}

void TVLanPortInfomationForm::FormCreate() {
  Guarded(nullptr, [this] {
    PortVlanBinding = NewEditsBinding();
    PortVlanBinding->Request.VarList = KvSNMPVarList(PortVlanDefs, MVT_FMV, 1);
    PortVlanBinding->BindListView(LV_dot1qPortVlanEntry, true);
    PortVlanBinding->AssociateFormat(1, "%i{}", {PortVLanID});
    PortVlanBinding->AssociateComboBox(2, IngressFiltering);
    PortVlanBinding->AssociateComboBox(3, GvrpStatus);
    PortVlanBinding->SetStatusOutput(Memo1);
    PortVlanBinding->Refresh();
    PortVLanID->clear();
    LV_dot1qPortVlanEntryChange();
  });
}

bool TVLanPortInfomationForm::StillBusy() {
  if (!PortVlanBinding || !PortVlanBinding->Busy()) return false;
  Platform::ShowMessageBox(this, kRefreshNotComplete, Platform::ProgramFileName());
  return true;
}

void TVLanPortInfomationForm::RefreshBtnClick() {
  if (!PortVlanBinding || StillBusy()) return;
  Guarded(PortVlanBinding, [this] {
    PortVlanBinding->Refresh();
    LV_dot1qPortVlanEntryChange();
  });
}

// The Set is answered later and followed by a new read; until then the rows shown are
// the old ones, in which the written row is selected again.
void TVLanPortInfomationForm::SetBtnClick() {
  if (!PortVlanBinding || StillBusy()) return;
  Guarded(PortVlanBinding, [this] {
    QTreeWidgetItem *selected = LV_dot1qPortVlanEntry->currentItem();
    const QString caption = selected && selected->isSelected() ? selected->text(0) : QString();
    PortVlanBinding->Apply(true, true);
    for (int i = 0; i < LV_dot1qPortVlanEntry->topLevelItemCount(); ++i) {
      QTreeWidgetItem *item = LV_dot1qPortVlanEntry->topLevelItem(i);
      if (item->text(0) == caption) {
        LV_dot1qPortVlanEntry->setCurrentItem(item);
        break;
      }
      PortVLanID->clear();
    }
  });
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange() {
  ST_Count->setText(QString::number(LV_dot1qPortVlanEntry->topLevelItemCount()));
}

void OpenVLanPortInfomationForm(QWidget *owner) { ShowFeatureWindow<TVLanPortInfomationForm>(owner); }
