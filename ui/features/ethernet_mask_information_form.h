#pragma once
// The Ethernet mask window: the switch's Ethernet access profiles in a list, one
// profile edited below it (VLAN, 802.1p and Ethernet type use, which MAC addresses are
// masked and their masks, the ports), created with Add, changed with Set, removed with
// Delete.
//
//   ShowFeatureWindow<TEthernetMaskInformationForm>(owner, addressText);   // window_layout.h

#include "acl_mask_form.h"

class TEthernetMaskInformationForm : public TAclMaskForm {
  Q_OBJECT
public:
  enum Item { IdItem = 0, PortItem, UsevlanItem, MaskStateItem, SrcMaskItem, DstMaskItem, Use8021pItem,
              UseEthernetTypeItem, RowStatusItem };

  TEthernetMaskInformationForm(QWidget *owner, const std::string &addressText);

  void BT_GetClick();
  void SetBtnClick();
  void BT_SetClick();
  void BT_DeleteClick();

  QLineEdit *IDEdit;
  QComboBox *UseVLanComBo;
  QComboBox *Use8021pComBo;
  QComboBox *MacMaskStateComBo;
  QLineEdit *MacMaskDstEdit;
  QLineEdit *MacAddMaskSourceEdit;
  QComboBox *UseEthTypeCombo;
  QComboBox *RowStatusComBo;
  QPushButton *BT_Get;
  QPushButton *SetBtn;
  QPushButton *BT_Set;
  QPushButton *BT_Delete;

private:
  void LeaveOutByMaskState(KvWriteScope &write) const;
};
