#pragma once
// "VLAN Port Information Form": the Q-BRIDGE port VLAN table, read asynchronously into a
// list view whose row count follows the rows as they arrive. "Set" writes the PVID,
// ingress filtering and GVRP status of the selected row and reads the table again;
// neither button starts anything while a request is still on its way.

#include "base_form.h"

#include <string>

class KvSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class TVLanPortInfomationForm : public TBaseForm {
  Q_OBJECT
public:
  explicit TVLanPortInfomationForm(QWidget *owner);

  QLabel *ST_Count;
  QPushButton *RefreshBtn;
  QPushButton *SetBtn;
  QTreeWidget *LV_dot1qPortVlanEntry;
  QLineEdit *PortVLanID;
  QComboBox *IngressFiltering;
  QComboBox *GvrpStatus;
  QPlainTextEdit *Memo1;
  KvSNMPRequest2Edits *PortVlanBinding = nullptr;

  static constexpr const char *kRefreshNotComplete = "Refresh Not Complete";

private:
  void FormCreate();
  void RefreshBtnClick();
  void SetBtnClick();
  void LV_dot1qPortVlanEntryChange();
  // True (after telling the user) while the binding still has a request on its way.
  bool StillBusy();
};

// The "802.1Q Bridge" / "Ports Information" menu entry.
void OpenVLanPortInfomationForm(QWidget *owner);
