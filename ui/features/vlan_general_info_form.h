#pragma once
// "802.1Q Basic Configure": the Q-BRIDGE base group (version, VLAN limits and count) as
// static texts; "Refresh" reads it again. The GVRP status combo box is bound but hidden.

#include "base_form.h"

#include <string>

class KvSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TVLanGeneralInfoForm : public TBaseForm {
  Q_OBJECT
public:
  TVLanGeneralInfoForm(QWidget *owner, const std::string &addressText);

  QPushButton *RefreshBtn;
  QLabel *VlanVersionNumber;
  QLabel *MaxVlanId;
  QLabel *MaxSupportedVlans;
  QLabel *CurrentNumOfVlans;
  QLabel *GvrpStatusLabel;
  QComboBox *GvrpStatus;
  QPlainTextEdit *Memo1;
  KvSNMPRequest2Edits *BaseBinding = nullptr;

private:
  void FormCreate(const std::string &addressText);
  void RefreshBtnClick();
};

// The "802.1Q Bridge" / "Basic Configure" menu entry.
void OpenVLanGeneralInfoForm(QWidget *owner, const std::string &addressText);
