#pragma once
// The packet-content (payload) mask window: the switch's payload access profiles in a
// list, one profile edited below it (five offset masks of 16 bytes each, the ports),
// created with Add, changed with Edit, removed with Delete. The hidden Static counts
// the rows.
//
//   ShowFeatureWindow<TUserMaskInfoForm>(owner, addressText);   // window_layout.h

#include "acl_mask_form.h"

#include <array>

class QLabel;

class TUserMaskInfoForm : public TAclMaskForm {
  Q_OBJECT
public:
  static constexpr int kOffsetMasks = 5;
  enum Item { IdItem = 0, PortItem, FirstOffsetItem, RowStatusItem = FirstOffsetItem + kOffsetMasks };

  TUserMaskInfoForm(QWidget *owner, const std::string &addressText);

  void GetButtonClick();
  void OperButtonClick();
  void AddButtonClick();
  void DeleteButtonClick();
  void ListView1Change();

  QLineEdit *Edit1;
  QLineEdit *Edit5;
  QLineEdit *Edit3;
  QLineEdit *Edit4;
  QLineEdit *Edit6;
  QLineEdit *Edit7;
  QComboBox *ComboBox1;
  QPushButton *GetButton;
  QPushButton *OperButton;
  QPushButton *AddButton;
  QPushButton *DeleteButton;
  QLabel *Static;

private:
  // Offset 0-15 to 64-79, in item order.
  std::array<QLineEdit *, kOffsetMasks> OffsetEdits() const { return {Edit5, Edit3, Edit4, Edit6, Edit7}; }
  void LeaveOutEmptyOffsets(KvWriteScope &write) const;
};
