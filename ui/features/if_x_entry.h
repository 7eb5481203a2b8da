#pragma once
// "ifX Table": the IF-MIB extension table of every interface, 64-bit counters included
// (SNMPv2c or v3). "Set" writes the selected row's link trap setting, promiscuous mode
// and alias as three requests, one after the other, each answered on its own; the table
// is read again once the last of them has succeeded.

#include "base_form.h"

#include <memory>
#include <string>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TifXEntry : public TBaseForm {
  Q_OBJECT
public:
  TifXEntry(QWidget *owner, const std::string &addressText);

  QTreeWidget *LV_IFX;
  QComboBox *Combo_UpDownTrap;
  QCheckBox *CK_PromiscuousMode;
  QLabel *LB_Alias;
  QLineEdit *ED_Alias;
  QPushButton *BT_Get;
  QPushButton *BT_Set;
  KvStatusBar *StatusBar1;

  KvSNMPRequest2Edits *IfXBinding = nullptr;

private:
  class Binding;
  Binding *binding_ = nullptr;  // IfXBinding, with the three writes' bookkeeping

  void FormCreate(const std::string &addressText);
  void BT_GetClick();
  void BT_SetClick();
  void ShowPlain(const std::string &text);
};

// The "IF-MIB" / "IfX Table" menu entry.
void OpenIfXEntry(QWidget *owner, const std::string &addressText);
