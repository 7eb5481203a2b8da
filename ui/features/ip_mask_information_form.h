#pragma once
// The IP mask window: the switch's IP access profiles in a list, one profile edited
// below it (VLAN and DSCP use, address masks, the protocol with its options, port and
// flag masks, the ports). What a write carries follows from the protocol and the
// options chosen (ColumnRule).
//
//   ShowFeatureWindow<TIPMaskInformationForm>(owner, addressText);   // window_layout.h

#include "acl_mask_form.h"

#include <set>

class TIPMaskInformationForm : public TAclMaskForm {
  Q_OBJECT
public:
  enum Item { IdItem = 0, PortItem, UsevlanItem, MaskStateItem, SrcMaskItem, DstMaskItem, UseDscpItem,
              ProtoTypeItem, IcmpItem, IgmpItem, TcpItem, UdpItem, SrcPortMaskItem, DstPortMaskItem,
              FlagBitItem, FlagBitMaskItem, ProtoIdMaskItem, UserDefineMaskItem, RowStatusItem };

  TIPMaskInformationForm(QWidget *owner, const std::string &addressText);

  void BT_GetClick();
  void SetBtnClick();
  void BT_AddClick();
  void BT_DeleteClick();

  // The columns the controls' present choices leave out of a write.
  std::set<int> ColumnRule() const;

  QLineEdit *IPIDEdit;
  QComboBox *UseVlanComBo;
  QComboBox *IpAddMaskStateComboBox;
  QLineEdit *IpAddMaskSrcEdit;
  QLineEdit *IpAddMaskDstEdit;
  QComboBox *UseDSCPComBo;
  QComboBox *UseProTypeComBo;
  QComboBox *ICMPOptionComBo;
  QComboBox *IGMPOptionComBo;
  QComboBox *TCPOptionComBo;
  QComboBox *UDPOptionComBo;
  QLineEdit *TCPUDPSrcMaskEdit;
  QLineEdit *TCPUDPDstPortMaskEdit;
  QComboBox *TCPFlagBitOptionComBo;
  QLineEdit *TCPFlagBitMaskEdit;
  QLineEdit *IpProtoIDMask;
  QLineEdit *IpUserDefineMask;
  QComboBox *RowStatusComBo;
  QPushButton *BT_Get;
  QPushButton *SetBtn;
  QPushButton *BT_Add;
  QPushButton *BT_Delete;
};
