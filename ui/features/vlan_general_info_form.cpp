#include "vlan_general_info_form.h"

#include "window_layout.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  resize(402, 219);
  QHBoxLayout *row = MakeWindowRow(this);
  auto *left = new QVBoxLayout;
  left->setContentsMargins(8, 8, 0, 8);
  auto *grid = new QGridLayout;
  VlanVersionNumber = AddStaticField(grid, 0, "VLAN Version Number", "VlanVersionNumber");
  MaxVlanId = AddStaticField(grid, 1, "Max VLAN ID", "MaxVlanId");
  MaxSupportedVlans = AddStaticField(grid, 2, "Max Supported VLANs", "MaxSupportedVlans");
  CurrentNumOfVlans = AddStaticField(grid, 3, "Current Num Of VLANs", "CurrentNumOfVlans");
  GvrpStatus = Named(new QComboBox, "GvrpStatus");
  GvrpStatusLabel = AddLabelled(grid, 4, "GVRP Status", GvrpStatus);
  GvrpStatus->setVisible(false);
  GvrpStatusLabel->setVisible(false);
  left->addLayout(grid);
  left->addStretch();
  Memo1 = MakeStatusMemo(this, 39);
  left->addWidget(Memo1);
  row->addLayout(left, 1);
  RefreshBtn = AddButton(AddButtonColumn(row, 99), "Refresh", "RefreshBtn");

  Handle(RefreshBtn, &QPushButton::clicked, nullptr, [this] { RefreshBtnClick(); });
  FormCreate(addressText);
}

void TVLanGeneralInfoForm::FormCreate(const std::string &addressText) {
  SetCaption(CaptionWithAddress("802.1Q Basic Configure", addressText));
  Guarded(nullptr, [this] {
    BaseBinding = NewEditsBinding();
    BaseBinding->Request.VarList = KvSNMPVarList(QBridgeBaseDefs, SVT_SV, 0);
    BaseBinding->Associate(0, VlanVersionNumber);
    BaseBinding->Associate(1, MaxVlanId);
    BaseBinding->Associate(2, MaxSupportedVlans);
    BaseBinding->Associate(3, CurrentNumOfVlans);
    BaseBinding->AssociateComboBox(4, GvrpStatus);
    BaseBinding->SetStatusOutput(Memo1);
    BaseBinding->Refresh();
  });
}

void TVLanGeneralInfoForm::RefreshBtnClick() {
  if (BaseBinding) Guarded(BaseBinding, [this] { BaseBinding->Refresh(); });
}

void OpenVLanGeneralInfoForm(QWidget *owner, const std::string &addressText) {
  ShowFeatureWindow<TVLanGeneralInfoForm>(owner, addressText);
}
