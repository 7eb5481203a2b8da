#pragma once
// What the three ACL rule windows share: a list of the rules of one table, the two keys
// (profile and access ID), every value field with a selector beside it, and Refresh,
// Edit, Add, Delete, Check All and Clear Checks. A write carries only the fields whose
// selectors are checked; "deny" keeps the priority and DSCP fields out of it.

#include "base_form.h"

#include <QSize>
#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct KvSNMPVarDef;

// One item of a rule table as its window shows it. `Format` empty: an option-list combo box.
struct AclRuleField {
  const char *Control;
  const char *Format;
  const char *Selector;  // empty for the keys
  const char *Label;
};

struct AclRuleLayout {
  const char *Caption;
  QSize Size;
  int ListHeight;
  const KvSNMPVarDef *Defs;
  std::vector<AclRuleField> Fields;  // one per item: keys first, Permit and row status last
  const char *CheckName, *UncheckName;
  std::string Key1Missing, Key2Missing, Duplicate;
  std::vector<int> PermitDependent;  // items disabled and left out under "deny"
  bool PermitRuleOnRowClick;
  int ProtocolItem;  // -1: no protocol box
};

class TAclRuleForm : public TBaseForm {
  Q_OBJECT
public:
  TAclRuleForm(QWidget *owner, const AclRuleLayout &layout);

  void GetButtonClick();
  void EditButtonClick();
  void AddButtonClick();
  void DeleteButtonClick();
  void ListView1Click();
  void PermitComboBoxChange();
  void CheckAll(bool checked);

  // Items the protocol at `position` of the IP rule's protocol box keeps out of a write
  // (-1 or an unknown position: none).
  static std::vector<int> IpProtocolLeftOut(int position);

  // Controls by their names (`Field(i)` the edit or combo box of item i).
  QWidget *Field(int item) const { return fields_[item]; }
  QLineEdit *Edit(int item) const;
  QComboBox *Combo(int item) const;
  QCheckBox *Selector(int item) const { return selectors_[item]; }
  QLineEdit *Key1() const { return Edit(0); }
  QLineEdit *Key2() const { return Edit(1); }
  QComboBox *PermitComboBox() const { return Combo(permitItem_); }
  QComboBox *RowComboBox() const { return Combo(rowItem_); }
  KvSNMPRequest2Edits *Binding() const { return binding_; }

  QTreeWidget *ListView1;
  QPushButton *GetButton, *EditButton, *AddButton, *DeleteButton, *CheckButton, *UncheckButton;
  QLabel *StaticText1;
  KvStatusBar *StatusBar1;

protected:
  void Report(KvSNMPRequest2Controls *binding, const std::string &message) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  enum RowPosition { CreateAndGo = 3, Destroy = 5 };
  void BuildControls();
  void Idle();
  void ClearFields();
  void ShowRowCount();
  bool KeysGiven(bool moveFocus);
  std::vector<int> SelectorLeftOut(bool edit) const;
  void Write(const std::vector<int> &leftOut, int rowPosition);

  AclRuleLayout layout_;
  KvSNMPRequest2Edits *binding_ = nullptr;
  std::vector<QWidget *> fields_;
  std::vector<QCheckBox *> selectors_;
  int permitItem_, rowItem_;
};
