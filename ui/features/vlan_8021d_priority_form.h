#pragma once
// "Priority Information Form": the four 802.1p port priority tables on four pages, each
// a list view read with blocking Gets over the fields of its selected row. A page is
// read when it is shown or refreshed; "Set" writes the fields of the selected row,
// reads the table again and selects the same row (found by its keys). The last page is
// read-only and has no "Set".

#include "base_form.h"
#include "kv_snmp_var_def.h"

#include <array>
#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class TVLan8021dPriorityForm : public TBaseForm {
  Q_OBJECT
public:
  // The caption is the opener's.
  explicit TVLan8021dPriorityForm(QWidget *owner);

  QLabel *ST_Count;
  QPushButton *RefreshBtn;
  QPushButton *SetBtn;
  QTabWidget *PageControl1;
  QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4;
  QTreeWidget *LV_dot1dPortPriorityEntry;
  QTreeWidget *LV_dot1dUserPriorityRegenEntry;
  QTreeWidget *LV_dot1dTrafficClassEntry;
  QTreeWidget *LV_dot1dPortOutboundAccessPriorityEntry;
  QLabel *PortPriorityPortNum;
  QLineEdit *DefaultUserPriority;
  QLineEdit *SupportedTrafficClassesNum;
  QLabel *RegenPortNum;
  QLabel *UserPriority;
  QLineEdit *RegeneratedUserPriority;
  QLabel *TrafficPortNumber;
  QLabel *TrafficClassPriority;
  QLineEdit *TrafficClass;
  QPlainTextEdit *Memo1;
  KvSNMPRequest2Edits *PortPriorityBinding = nullptr;
  KvSNMPRequest2Edits *RegenBinding = nullptr;
  KvSNMPRequest2Edits *TrafficClassBinding = nullptr;
  KvSNMPRequest2Edits *OutboundBinding = nullptr;

private:
  // What each page shows: its list view and binding, the static texts of its keys and
  // the fields emptied when the page is read.
  struct Page {
    QTreeWidget *List = nullptr;
    KvSNMPRequest2Edits *Binding = nullptr;
    QLabel *PortKey = nullptr;
    QLabel *SecondKey = nullptr;
    std::vector<QLineEdit *> Edits;
  };

  QWidget *BuildPage(const char *name, const char *caption, QTreeWidget *&list, QWidget *fields);
  void FormCreate();
  KvSNMPRequest2Edits *CreateBinding(const KvSNMPVarDef *defs, int keyCount, QTreeWidget *list);
  void PageControl1Change(int page);
  void RefreshBtnClick();
  void SetBtnClick();

  void ShowPage(int page);
  void EmptyFields(const Page &page);
  void ShowCount(const Page &page);
  Page &Current();

  std::array<Page, 4> pages_;
};

// The "802.1P" / "Priority Information" menu entry: the caption is the title of the
// last generic window opened, " : " and the address.
void OpenVLan8021dPriorityForm(QWidget *owner, const std::string &currentWindowTitle,
                               const std::string &addressText);
