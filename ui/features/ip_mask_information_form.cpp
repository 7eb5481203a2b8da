#include "ip_mask_information_form.h"

#include "kv_mib_acl_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_write_scope.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Positions in the option boxes.
enum AddressMaskState { OtherAddr = 0, DstAddr = 1, SrcAddr = 2, DstSrcAddr = 3 };
enum PortOption { OtherPort = 0, DstPort = 1, SrcPort = 2, DstSrcPort = 3 };
enum Protocol { NoProtocol = 0, Icmp = 1, Igmp = 2, Tcp = 3, Udp = 4, ProtocolId = 5 };
constexpr int kDisabled = 1;     // "disabled" in the enabled/disabled boxes
constexpr int kEnable = 0;       // "enable" in the enable/disable boxes
constexpr int kDisable = 1;
constexpr int kIcmpNone = 0;
}  // namespace

// ---------------------------------------------------------------------------------
// Creation

TIPMaskInformationForm::TIPMaskInformationForm(QWidget *owner, const std::string &addressText)
    : TAclMaskForm(owner, {736, 508}, 146) {
  IPIDEdit = AddEdit(0, "IP ID", "IPIDEdit");
  UseVlanComBo = AddCombo(0, "Use Vlan", "UseVlanComBo");
  IpAddMaskStateComboBox = AddCombo(0, "Ip Address Mask State", "IpAddMaskStateComboBox");
  IpAddMaskSrcEdit = AddEdit(0, "Ip Address Mask Source", "IpAddMaskSrcEdit");
  IpAddMaskDstEdit = AddEdit(0, "Ip Address Mask Destination", "IpAddMaskDstEdit");
  UseDSCPComBo = AddCombo(0, "Use DSCP", "UseDSCPComBo");
  UseProTypeComBo = AddCombo(0, "Use Protocol Type", "UseProTypeComBo");
  ICMPOptionComBo = AddCombo(0, "ICMP Option", "ICMPOptionComBo");
  IGMPOptionComBo = AddCombo(0, "IGMP Option", "IGMPOptionComBo");
  TCPOptionComBo = AddCombo(1, "TCP Option", "TCPOptionComBo");
  UDPOptionComBo = AddCombo(1, "UDP Option", "UDPOptionComBo");
  TCPUDPSrcMaskEdit = AddEdit(1, "TCP or UDP Srouce Port Mask", "TCPUDPSrcMaskEdit");
  TCPUDPDstPortMaskEdit = AddEdit(1, "TCP or UDP Destination Port Mask", "TCPUDPDstPortMaskEdit");
  TCPFlagBitOptionComBo = AddCombo(1, "TCP Flag Bit Option", "TCPFlagBitOptionComBo");
  TCPFlagBitMaskEdit = AddEdit(1, "TCP Flag Bit Mask", "TCPFlagBitMaskEdit");
  IpProtoIDMask = AddEdit(1, "Ip ProtoID Mask", "IpProtoIDMask");
  IpUserDefineMask = AddEdit(1, "Ip User Define Mask", "IpUserDefineMask");
  RowStatusComBo = AddCombo(1, "Row Status", "RowStatusComBo");
  BT_Get = AddButton("Refresh", "BT_Get");
  SetBtn = AddButton("Set", "SetBtn");
  BT_Add = AddButton("Add", "BT_Add");
  BT_Delete = AddButton("Delete", "BT_Delete");
  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  Handle(SetBtn, &QPushButton::clicked, nullptr, [this] { SetBtnClick(); });
  Handle(BT_Add, &QPushButton::clicked, nullptr, [this] { BT_AddClick(); });
  Handle(BT_Delete, &QPushButton::clicked, nullptr, [this] { BT_DeleteClick(); });

  BuildPicker();
  SetCaption("IP Mask MaskInformation :" + addressText);
  CreateBinding(AclIpMaskDefs, PortItem);
  KvSNMPRequest2Edits *b = Binding();
  b->AssociateFormat(IdItem, "%i{n1x255l3}", {IPIDEdit});
  b->AssociateComboBox(UsevlanItem, UseVlanComBo);
  b->AssociateComboBox(MaskStateItem, IpAddMaskStateComboBox);
  b->AssociateFormat(SrcMaskItem, "%s", {IpAddMaskSrcEdit});
  b->AssociateFormat(DstMaskItem, "%s", {IpAddMaskDstEdit});
  b->AssociateComboBox(UseDscpItem, UseDSCPComBo);
  b->AssociateComboBox(ProtoTypeItem, UseProTypeComBo);
  b->AssociateComboBox(IcmpItem, ICMPOptionComBo);
  b->AssociateComboBox(IgmpItem, IGMPOptionComBo);
  b->AssociateComboBox(TcpItem, TCPOptionComBo);
  b->AssociateComboBox(UdpItem, UDPOptionComBo);
  b->AssociateFormat(SrcPortMaskItem, "%s", {TCPUDPSrcMaskEdit});
  b->AssociateFormat(DstPortMaskItem, "%s", {TCPUDPDstPortMaskEdit});
  b->AssociateComboBox(FlagBitItem, TCPFlagBitOptionComBo);
  b->AssociateFormat(FlagBitMaskItem, "%i", {TCPFlagBitMaskEdit});
  b->AssociateFormat(ProtoIdMaskItem, "%s", {IpProtoIDMask});
  b->AssociateFormat(UserDefineMaskItem, "%s", {IpUserDefineMask});
  b->AssociateComboBox(RowStatusItem, RowStatusComBo);
  SetRoles(IPIDEdit, SetBtn, BT_Add, BT_Delete,
           {IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit, TCPFlagBitMaskEdit,
            IpUserDefineMask});

  UseVlanComBo->setCurrentIndex(kDisabled);
  IpAddMaskStateComboBox->setCurrentIndex(OtherAddr);
  UseDSCPComBo->setCurrentIndex(kDisabled);
  UseProTypeComBo->setCurrentIndex(NoProtocol);
  ICMPOptionComBo->setCurrentIndex(kIcmpNone);
  IGMPOptionComBo->setCurrentIndex(kDisable);
  TCPOptionComBo->setCurrentIndex(OtherPort);
  UDPOptionComBo->setCurrentIndex(OtherPort);
  TCPFlagBitOptionComBo->setCurrentIndex(kDisable);
  RowStatusComBo->setCurrentIndex(Active);
  Start();
}

// ---------------------------------------------------------------------------------
// The handlers. A failed write is shown in status panel 0 like every other failure.

void TIPMaskInformationForm::BT_GetClick() { RefreshList(); }

void TIPMaskInformationForm::SetBtnClick() {
  if (RowStatusComBo->currentIndex() == Destroy) return BT_DeleteClick();
  Write([this](KvWriteScope &write) {
    for (int item : ColumnRule()) write.LeaveOut(item);
  });
}

void TIPMaskInformationForm::BT_AddClick() {
  Write([this](KvWriteScope &write) {
    for (int item : ColumnRule()) write.LeaveOut(item);
    if (RowStatusComBo->currentIndex() == Destroy)
      for (int item = PortItem; item < RowStatusItem; ++item) write.LeaveOut(item);
    if (!AnyPortChecked()) write.LeaveOut(PortItem);
    RowStatusComBo->setCurrentIndex(CreateAndGo);
  });
}

void TIPMaskInformationForm::BT_DeleteClick() {
  Write([this](KvWriteScope &write) {
    for (int item = PortItem; item < RowStatusItem; ++item) write.LeaveOut(item);
    RowStatusComBo->setCurrentIndex(Destroy);
  });
}

// ---------------------------------------------------------------------------------
// The column rule

std::set<int> TIPMaskInformationForm::ColumnRule() const {
  std::set<int> out;
  // 1. the address masks the mask state does not name
  switch (IpAddMaskStateComboBox->currentIndex()) {
    case DstAddr: out.insert(SrcMaskItem); break;
    case SrcAddr: out.insert(DstMaskItem); break;
    case DstSrcAddr: break;
    default: out.insert({SrcMaskItem, DstMaskItem});
  }
  // 2. a TCP or UDP option of "other"
  const int tcp = TCPOptionComBo->currentIndex(), udp = UDPOptionComBo->currentIndex();
  if (tcp == OtherPort) out.insert(TcpItem);
  if (udp == OtherPort) out.insert(UdpItem);
  // 3. the port masks the TCP and UDP options name
  const auto either = [&](int option) { return tcp == option || udp == option; };
  if (!either(DstPort) && !either(DstSrcPort)) out.insert(DstPortMaskItem);
  if (!either(SrcPort) && !either(DstSrcPort)) out.insert(SrcPortMaskItem);
  // 4. the flag bit mask only with the flag bit "enable"
  if (TCPFlagBitOptionComBo->currentIndex() != kEnable) out.insert(FlagBitMaskItem);
  // 5. the protocol's own columns
  const std::initializer_list<int> kPortMasks = {SrcPortMaskItem, DstPortMaskItem};
  const std::initializer_list<int> kFlags = {FlagBitItem, FlagBitMaskItem};
  const std::initializer_list<int> kIdMasks = {ProtoIdMaskItem, UserDefineMaskItem};
  switch (UseProTypeComBo->currentIndex()) {
    case Icmp:
      out.insert({IgmpItem, TcpItem, UdpItem});
      out.insert(kPortMasks), out.insert(kFlags), out.insert(kIdMasks);
      if (ICMPOptionComBo->currentIndex() == kIcmpNone) out.insert(IcmpItem);
      break;
    case Igmp:
      out.insert({IcmpItem, TcpItem, UdpItem});
      out.insert(kPortMasks), out.insert(kFlags), out.insert(kIdMasks);
      break;
    case Tcp:
      out.insert({IcmpItem, IgmpItem, UdpItem});
      out.insert(kIdMasks);
      break;
    case Udp:
      out.insert({IcmpItem, IgmpItem, TcpItem});
      out.insert(kFlags), out.insert(kIdMasks);
      break;
    case ProtocolId:
      out.insert({IcmpItem, IgmpItem, TcpItem, UdpItem});
      out.insert(kPortMasks), out.insert(kFlags);
      break;
    default:  // "none" or nothing selected
      out.insert({IcmpItem, IgmpItem, TcpItem, UdpItem});
      out.insert(kPortMasks), out.insert(kFlags), out.insert(kIdMasks);
  }
  // 6. empty edits (an empty protocol ID mask is written)
  const std::pair<QLineEdit *, int> edits[] = {{IpAddMaskSrcEdit, SrcMaskItem},     {IpAddMaskDstEdit, DstMaskItem},
                                               {TCPUDPSrcMaskEdit, SrcPortMaskItem}, {TCPUDPDstPortMaskEdit, DstPortMaskItem},
                                               {TCPFlagBitMaskEdit, FlagBitMaskItem}, {IpUserDefineMask, UserDefineMaskItem}};
  for (const auto &[edit, item] : edits)
    if (edit->text().isEmpty()) out.insert(item);
  return out;
}
