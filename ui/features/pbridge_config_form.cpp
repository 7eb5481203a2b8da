#include "pbridge_config_form.h"

#include "window_layout.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPBridgeConfigForm::TPBridgeConfigForm(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  resize(380, 168);
  QHBoxLayout *row = MakeWindowRow(this);
  auto *left = new QVBoxLayout;
  left->setContentsMargins(8, 8, 0, 8);
  auto *grid = new QGridLayout;
  Edit_DeviceCapabilities = AddStaticField(grid, 0, "Device Capabilities", "Edit_DeviceCapabilities");
  ST_TrafficClassesState = AddStaticField(grid, 1, "Traffic Classes State", "ST_TrafficClassesState");
  left->addLayout(grid);
  left->addStretch();
  Memo1 = MakeStatusMemo(this, 44);
  left->addWidget(Memo1);
  row->addLayout(left, 1);
  BT_Get = AddButton(AddButtonColumn(row, 94), "Refresh", "BT_Get");

  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  FormCreate(addressText);
}

void TPBridgeConfigForm::FormCreate(const std::string &addressText) {
  SetCaption(CaptionWithAddress("802.1P Basic Information", addressText));
  Guarded(nullptr, [this] {
    DeviceCapsBinding = NewEditsBinding();
    DeviceCapsBinding->Request.VarList = KvSNMPVarList(PBridgeDeviceCapsDefs, SVT_SV, 0);
    DeviceCapsBinding->Associate(0, Edit_DeviceCapabilities);
    DeviceCapsBinding->SetStatusOutput(Memo1);
    DeviceCapsBinding->Refresh();
  });
  Guarded(DeviceCapsBinding, [this] {
    TrafficClassesBinding = NewEditsBinding();
    TrafficClassesBinding->Request.VarList = KvSNMPVarList(PBridgeTrafficClassesDefs, SVT_SV, 0);
    TrafficClassesBinding->Associate(0, ST_TrafficClassesState);
    TrafficClassesBinding->SetStatusOutput(Memo1);
    TrafficClassesBinding->Refresh();
  });
}

void TPBridgeConfigForm::BT_GetClick() {
  if (DeviceCapsBinding) Guarded(DeviceCapsBinding, [this] { DeviceCapsBinding->Refresh(); });
  if (TrafficClassesBinding) Guarded(TrafficClassesBinding, [this] { TrafficClassesBinding->Refresh(); });
}

void OpenPBridgeConfigForm(QWidget *owner, const std::string &addressText) {
  ShowFeatureWindow<TPBridgeConfigForm>(owner, addressText);
}
