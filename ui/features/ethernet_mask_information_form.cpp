#include "ethernet_mask_information_form.h"

#include "kv_mib_acl_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_write_scope.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Positions of the mask state box.
enum MaskState { Other = 0, DstMac = 1, SrcMac = 2, DstSrcMac = 3 };
constexpr int kDisabled = 1;  // position of "disabled" in the enabled/disabled boxes
}  // namespace

// ---------------------------------------------------------------------------------
// Creation

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget *owner, const std::string &addressText)
    : TAclMaskForm(owner, {696, 451}, 146) {
  IDEdit = AddEdit(0, "Ethernet Mask ID", "IDEdit");
  UseVLanComBo = AddCombo(0, "Use Vlan", "UseVLanComBo");
  Use8021pComBo = AddCombo(0, "Use 8021p", "Use8021pComBo");
  MacMaskStateComBo = AddCombo(0, "Mac Address Mask State", "MacMaskStateComBo");
  MacMaskDstEdit = AddEdit(1, "Mac Address Mask Destination", "MacMaskDstEdit");
  MacAddMaskSourceEdit = AddEdit(1, "Mac Address Mask Source", "MacAddMaskSourceEdit");
  UseEthTypeCombo = AddCombo(1, "Use Ethernet Type", "UseEthTypeCombo");
  RowStatusComBo = AddCombo(1, "Row Status", "RowStatusComBo");
  BT_Get = AddButton("Refresh", "BT_Get");
  SetBtn = AddButton("Set", "SetBtn");
  BT_Set = AddButton("Add", "BT_Set");
  BT_Delete = AddButton("Delete", "BT_Delete");
  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  Handle(SetBtn, &QPushButton::clicked, nullptr, [this] { SetBtnClick(); });
  Handle(BT_Set, &QPushButton::clicked, nullptr, [this] { BT_SetClick(); });
  Handle(BT_Delete, &QPushButton::clicked, nullptr, [this] { BT_DeleteClick(); });

  BuildPicker();
  SetCaption("Ethernet Mask Information :" + addressText);
  CreateBinding(AclEthernetMaskDefs, PortItem);
  KvSNMPRequest2Edits *b = Binding();
  b->AssociateFormat(IdItem, "%i{n1x255l3}", {IDEdit});
  b->AssociateComboBox(UsevlanItem, UseVLanComBo);
  b->AssociateComboBox(MaskStateItem, MacMaskStateComBo);
  b->AssociateFormat(SrcMaskItem, "%s", {MacAddMaskSourceEdit});
  b->AssociateFormat(DstMaskItem, "%s", {MacMaskDstEdit});
  b->AssociateComboBox(Use8021pItem, Use8021pComBo);
  b->AssociateComboBox(UseEthernetTypeItem, UseEthTypeCombo);
  b->AssociateComboBox(RowStatusItem, RowStatusComBo);
  SetRoles(IDEdit, SetBtn, BT_Set, BT_Delete, {MacAddMaskSourceEdit, MacMaskDstEdit});

  UseVLanComBo->setCurrentIndex(kDisabled);
  Use8021pComBo->setCurrentIndex(kDisabled);
  MacMaskStateComBo->setCurrentIndex(Other);
  UseEthTypeCombo->setCurrentIndex(kDisabled);
  RowStatusComBo->setCurrentIndex(Active);
  Start();
}

// ---------------------------------------------------------------------------------
// The handlers

void TEthernetMaskInformationForm::BT_GetClick() { RefreshList(); }

void TEthernetMaskInformationForm::SetBtnClick() {
  if (IDEdit->text().isEmpty()) return Refuse("Ethernet Mask ID must be set.");
  Write([this](KvWriteScope &write) {
    LeaveOutByMaskState(write);
    if (RowStatusComBo->currentIndex() == Destroy)
      for (int item = PortItem; item < RowStatusItem; ++item) write.LeaveOut(item);
  });
}

void TEthernetMaskInformationForm::BT_SetClick() {
  if (IDEdit->text().isEmpty()) return Refuse("Ethernet Mask ID must be set.", IDEdit);
  if (IdInList(IDEdit->text()))
    return Refuse("There is already a record with the same Ethernet Mask ID. Please modified it.", IDEdit);
  if (RowStatusComBo->currentIndex() != CreateAndGo) return Refuse("Row Status must be createAndGo.", RowStatusComBo);
  Write([this](KvWriteScope &write) {
    LeaveOutByMaskState(write);
    if (!AnyPortChecked()) write.LeaveOut(PortItem);
    RowStatusComBo->setCurrentIndex(CreateAndGo);
  });
}

void TEthernetMaskInformationForm::BT_DeleteClick() {
  Write([this](KvWriteScope &write) {
    for (int item = PortItem; item < RowStatusItem; ++item) write.LeaveOut(item);
    RowStatusComBo->setCurrentIndex(Destroy);
  });
}

// Only the MAC masks the mask state names are written.
void TEthernetMaskInformationForm::LeaveOutByMaskState(KvWriteScope &write) const {
  switch (MacMaskStateComBo->currentIndex()) {
    case DstMac: write.LeaveOut(SrcMaskItem); break;
    case SrcMac: write.LeaveOut(DstMaskItem); break;
    case DstSrcMac: break;
    default:
      write.LeaveOut(SrcMaskItem);
      write.LeaveOut(DstMaskItem);
  }
}
