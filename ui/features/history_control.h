#pragma once
// The history control dialog: adds a control row (index, interface, buckets, interval,
// owner) or modifies the selected one, with the EntryStatus sequence createRequest (or
// underCreation) - the columns - valid. A failed write is shown in the dialog, which
// stays open.

#include "base_form.h"

class KvSNMPRequest2Edits;
class KvStatusBar;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class THistoryForm;

class THistory_control : public TBaseForm {
  Q_OBJECT
public:
  explicit THistory_control(THistoryForm *form);

  void BT_SetClick();

  QGroupBox *GroupBox1;
  QLineEdit *ED_Index, *ED_Datatsource, *ED_Buckets, *ED_Interval, *ED_Owner, *ED_Sub;
  QComboBox *CB_Status;
  QPushButton *BT_Set, *Button2;
  KvStatusBar *StatusBar1;  // the outcome of the last write
  KvSNMPRequest2Edits *Binding = nullptr;

protected:
  void Report(KvSNMPRequest2Controls *binding, const std::string &message) override;
  void BindingsDestroyed() override { Binding = nullptr; }

private:
  THistoryForm *form_;
};
