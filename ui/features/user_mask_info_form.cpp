#include "user_mask_info_form.h"

#include "kv_mib_acl_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_write_scope.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

// ---------------------------------------------------------------------------------
// Creation

TUserMaskInfoForm::TUserMaskInfoForm(QWidget *owner, const std::string &addressText)
    : TAclMaskForm(owner, {701, 448}, 104) {  // the picker panel fits both rows of boxes and the tab
  Edit1 = AddEdit(0, "Mask Entry ID", "Edit1");
  Edit5 = AddEdit(0, "Filtered Port(s) [0 to 15]", "Edit5");
  Edit3 = AddEdit(0, "Filtered Port(s) [16 to 31]", "Edit3");
  Edit4 = AddEdit(0, "Filtered Port(s) [32 to 47]", "Edit4");
  Edit6 = AddEdit(1, "Filtered Port(s) [48 to 63]", "Edit6");
  Edit7 = AddEdit(1, "Filtered Port(s) [64 to 79]", "Edit7");
  ComboBox1 = AddCombo(1, "Mask Row Status", "ComboBox1");
  GetButton = TAclMaskForm::AddButton("Refresh", "GetButton");
  OperButton = TAclMaskForm::AddButton("Edit", "OperButton");
  AddButton = TAclMaskForm::AddButton("Add", "AddButton");
  DeleteButton = TAclMaskForm::AddButton("Delete", "DeleteButton");
  Static = new QLabel("0", this);
  Static->setObjectName("Static");
  Static->setVisible(false);
  Handle(GetButton, &QPushButton::clicked, nullptr, [this] { GetButtonClick(); });
  Handle(OperButton, &QPushButton::clicked, nullptr, [this] { OperButtonClick(); });
  Handle(AddButton, &QPushButton::clicked, nullptr, [this] { AddButtonClick(); });
  Handle(DeleteButton, &QPushButton::clicked, nullptr, [this] { DeleteButtonClick(); });
  QAbstractItemModel *rows = ListView1->model();
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(rows, signal, this, [this] { ListView1Change(); });
  connect(rows, &QAbstractItemModel::modelReset, this, [this] { ListView1Change(); });

  BuildPicker();
  SetCaption("User Defined Mask Information :" + addressText);
  CreateBinding(AclPktContMaskDefs, PortItem);
  KvSNMPRequest2Edits *b = Binding();
  b->AssociateFormat(IdItem, "%i{n1x255l3}", {Edit1});
  for (int m = 0; m < kOffsetMasks; ++m) b->AssociateFormat(FirstOffsetItem + m, "%s{l32}", {OffsetEdits()[m]});
  b->AssociateComboBox(RowStatusItem, ComboBox1);
  const std::array<QLineEdit *, kOffsetMasks> offsets = OffsetEdits();
  SetRoles(Edit1, OperButton, AddButton, DeleteButton, {offsets.begin(), offsets.end()});

  ComboBox1->setCurrentIndex(CreateAndGo);
  Start();
}

// ---------------------------------------------------------------------------------
// The handlers

void TUserMaskInfoForm::GetButtonClick() { RefreshList(); }

void TUserMaskInfoForm::ListView1Change() { Static->setText(QString::number(ListView1->topLevelItemCount())); }

void TUserMaskInfoForm::OperButtonClick() {
  if (Edit1->text().isEmpty()) return Refuse("Mask Entry ID must be set.");
  Write([this](KvWriteScope &write) { LeaveOutEmptyOffsets(write); });
}

void TUserMaskInfoForm::AddButtonClick() {
  if (Edit1->text().isEmpty()) return Refuse("Mask Entry ID must be set.", Edit1);
  if (IdInList(Edit1->text())) return Refuse("Mask Entry ID must be different.", Edit1);
  if (ComboBox1->currentIndex() != CreateAndGo) return Refuse("Row State must be createAndGo.", ComboBox1);
  Write([this](KvWriteScope &write) {
    LeaveOutEmptyOffsets(write);
    if (!AnyPortChecked()) write.LeaveOut(PortItem);
  });
}

void TUserMaskInfoForm::DeleteButtonClick() {
  Write(
      [this](KvWriteScope &write) {
        for (int item = PortItem; item < RowStatusItem; ++item) write.LeaveOut(item);
        ComboBox1->setCurrentIndex(Destroy);
      },
      true);
}

void TUserMaskInfoForm::LeaveOutEmptyOffsets(KvWriteScope &write) const {
  const std::array<QLineEdit *, kOffsetMasks> offsets = OffsetEdits();
  for (int m = 0; m < kOffsetMasks; ++m)
    if (offsets[m]->text().isEmpty()) write.LeaveOut(FirstOffsetItem + m);
}
