#include "acl_rule_form.h"

#include "window_layout.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "kv_write_scope.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr char kDeny[] = "deny";

void Message(QWidget *form, const std::string &text, QWidget *focus) {
  Platform::ShowMessageBox(form, text, Platform::ProgramFileName(), Platform::MsgButtons::Ok);
  if (focus) focus->setFocus();
}
}  // namespace

TAclRuleForm::TAclRuleForm(QWidget *owner, const AclRuleLayout &layout)
    : TBaseForm(owner), layout_(layout), permitItem_(int(layout.Fields.size()) - 2),
      rowItem_(int(layout.Fields.size()) - 1) {
  SetCaption(layout_.Caption);
  BuildControls();
  binding_ = NewEditsBinding();
  binding_->Request.VarList = KvSNMPVarList(layout_.Defs, MVT_UMV, 2);
  binding_->RequestMode = KvSNMPRequest2Controls::Blocking;
  binding_->BindListView(ListView1);
  for (int i = 0; i < int(fields_.size()); ++i) {
    if (auto *combo = qobject_cast<QComboBox *>(fields_[i]))
      binding_->AssociateComboBox(i, combo);
    else
      binding_->AssociateFormat(i, layout_.Fields[i].Format, {Edit(i)});
  }
  binding_->SetStatusOutput(StatusBar1);
  ClearFields();
  RowComboBox()->setCurrentIndex(CreateAndGo);
  Idle();
  Guarded(binding_, [this] {
    try {
      binding_->Refresh();
    } catch (...) {
      ShowRowCount();
      throw;
    }
    ShowRowCount();
    PermitComboBoxChange();
  });
}

void TAclRuleForm::BuildControls() {
  FeatureFrame frame = MakeFeatureFrame(this, layout_.Size, true);
  ListView1 = MakeListView(this);
  ListView1->setObjectName("ListView1");
  ListView1->setFixedHeight(layout_.ListHeight);
  frame.Content->addWidget(ListView1);
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  // Room the fields do not need goes partly between their rows, partly below them.
  frame.Content->addLayout(grid, 2);
  frame.Content->addStretch(1);
  const int n = int(layout_.Fields.size());
  const int perColumn = (n + 1) / 2;
  for (int i = 0; i < n; ++i) {
    const AclRuleField &f = layout_.Fields[i];
    QWidget *field;
    if (*f.Format) {
      field = new QLineEdit(this);
    } else {
      auto *combo = new QComboBox(this);
      field = combo;
    }
    field->setObjectName(f.Control);
    fields_.push_back(field);
    QCheckBox *selector = nullptr;
    if (*f.Selector) {
      selector = new QCheckBox(this);
      selector->setObjectName(f.Selector);
    }
    selectors_.push_back(selector);
    const int row = i % perColumn, col = (i / perColumn) * 3;
    auto *caption = new QLabel(f.Label, this);
    caption->setContentsMargins(col ? 12 : 0, 0, 0, 0);  // a gap between the two columns
    // Centred in their row, so that the row may grow beyond the controls' fixed heights.
    grid->addWidget(caption, row, col, Qt::AlignVCenter);
    grid->addWidget(field, row, col + 1, Qt::AlignVCenter);
    if (selector) grid->addWidget(selector, row, col + 2, Qt::AlignVCenter);
    grid->setRowStretch(row, 1);
  }
  grid->setColumnStretch(1, 3);  // the left column holds the long texts (addresses, offsets)
  grid->setColumnStretch(4, 2);

  const QSize button(90, 25);
  GetButton = frame.AddButton(this, "Refresh", button);
  GetButton->setObjectName("GetButton");
  EditButton = frame.AddButton(this, "Edit", button);
  EditButton->setObjectName("EditButton");
  AddButton = frame.AddButton(this, "Add", button);
  AddButton->setObjectName("AddButton");
  DeleteButton = frame.AddButton(this, "Delete", button);
  DeleteButton->setObjectName("DeleteButton");
  StaticText1 = MakeStaticText(this);
  StaticText1->setObjectName("StaticText1");
  StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StaticText1->setFixedSize(button);
  frame.Buttons->insertWidget(frame.Buttons->count() - 1, StaticText1);  // under Delete
  CheckButton = frame.AddButton(this, "Check All", button);
  CheckButton->setObjectName(layout_.CheckName);
  UncheckButton = frame.AddButton(this, "Clear Checks", button);
  UncheckButton->setObjectName(layout_.UncheckName);
  StatusBar1 = frame.StatusBar;

  Handle(GetButton, &QPushButton::clicked, nullptr, [this] { GetButtonClick(); });
  Handle(EditButton, &QPushButton::clicked, nullptr, [this] { EditButtonClick(); });
  Handle(AddButton, &QPushButton::clicked, nullptr, [this] { AddButtonClick(); });
  Handle(DeleteButton, &QPushButton::clicked, nullptr, [this] { DeleteButtonClick(); });
  Handle(CheckButton, &QPushButton::clicked, nullptr, [this] { CheckAll(true); });
  Handle(UncheckButton, &QPushButton::clicked, nullptr, [this] { CheckAll(false); });
  connect(Combo(permitItem_), &QComboBox::currentIndexChanged, this, [this] { Guarded(nullptr, [this] { PermitComboBoxChange(); }); });
  ListView1->viewport()->installEventFilter(this);
}

QLineEdit *TAclRuleForm::Edit(int item) const { return qobject_cast<QLineEdit *>(fields_[item]); }
QComboBox *TAclRuleForm::Combo(int item) const { return qobject_cast<QComboBox *>(fields_[item]); }

// ---------------------------------------------------------------------------------
// States

void TAclRuleForm::Idle() {
  EditButton->setEnabled(false);
  DeleteButton->setEnabled(false);
  AddButton->setEnabled(true);
  Key1()->setEnabled(true);
  Key2()->setEnabled(true);
}

void TAclRuleForm::ClearFields() {
  for (QWidget *field : fields_)
    if (auto *edit = qobject_cast<QLineEdit *>(field)) edit->clear();
  CheckAll(false);
  ShowRowCount();
}

void TAclRuleForm::ShowRowCount() { StaticText1->setText(QString::number(ListView1->topLevelItemCount())); }

void TAclRuleForm::CheckAll(bool checked) {
  for (QCheckBox *selector : selectors_)
    if (selector) selector->setChecked(checked);
}

void TAclRuleForm::PermitComboBoxChange() {
  const bool enabled = PermitComboBox()->currentText() != kDeny;
  for (int item : layout_.PermitDependent) {
    fields_[item]->setEnabled(enabled);
    selectors_[item]->setEnabled(enabled);
  }
}

bool TAclRuleForm::eventFilter(QObject *watched, QEvent *event) {
  if (IsListClick(ListView1, watched, event)) ListView1Click();
  return TBaseForm::eventFilter(watched, event);
}

void TAclRuleForm::ListView1Click() {
  Guarded(binding_, [this] {
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
      Idle();
      return;
    }
    Key1()->setText(selected[0]->text(0));
    Key2()->setText(selected[0]->text(1));
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(true);
    AddButton->setEnabled(false);
    Key1()->setEnabled(false);
    Key2()->setEnabled(false);
    if (layout_.PermitRuleOnRowClick) PermitComboBoxChange();
  });
}

// ---------------------------------------------------------------------------------
// Refresh and the writes

void TAclRuleForm::GetButtonClick() {
  Guarded(binding_, [this] {
    try {
      binding_->Refresh();
    } catch (...) {
      Idle();
      ClearFields();
      PermitComboBoxChange();
      throw;
    }
    Idle();
    ClearFields();
    PermitComboBoxChange();
  });
}

std::vector<int> TAclRuleForm::IpProtocolLeftOut(int position) {
  enum { Type = 7, Code = 8, SrcPort = 9, DstPort = 10, Flags = 11, ProtoId = 12, UserMask = 13 };
  switch (position) {
    case 0: return {Type, Code, SrcPort, DstPort, Flags, ProtoId, UserMask};  // none
    case 1: return {SrcPort, DstPort, Flags, ProtoId, UserMask};              // icmp
    case 2: return {Code, SrcPort, DstPort, Flags, ProtoId, UserMask};        // igmp
    case 3: return {Type, Code, ProtoId, UserMask};                           // tcp
    case 4: return {Type, Code, Flags, ProtoId, UserMask};                    // udp
    case 5: return {Type, Code, SrcPort, DstPort, Flags};                     // protocolId
    default: return {};
  }
}

std::vector<int> TAclRuleForm::SelectorLeftOut(bool edit) const {
  std::vector<int> out;
  for (int i = 2; i < permitItem_; ++i)
    if (!selectors_[i]->isChecked()) out.push_back(i);
  if (!selectors_[permitItem_]->isChecked())
    out.push_back(permitItem_);
  else if (PermitComboBox()->currentText() == kDeny)
    out.insert(out.end(), layout_.PermitDependent.begin(), layout_.PermitDependent.end());
  if (edit && !selectors_[rowItem_]->isChecked()) out.push_back(rowItem_);
  if (layout_.ProtocolItem >= 0) {
    const std::vector<int> protocol = IpProtocolLeftOut(Combo(layout_.ProtocolItem)->currentIndex());
    out.insert(out.end(), protocol.begin(), protocol.end());
  }
  return out;
}

// One request with the given columns left out; the flags come back, the list is read
// again and the window returns to idle, also when the switch refuses the write.
void TAclRuleForm::Write(const std::vector<int> &leftOut, int rowPosition) {
  auto backToIdle = [this] {
    Idle();
    ClearFields();
    PermitComboBoxChange();
  };
  try {
    KvWriteScope write(*binding_);
    for (int item : leftOut) write.LeaveOut(item);
    if (rowPosition >= 0) RowComboBox()->setCurrentIndex(rowPosition);
    write.Apply(false, true);
  } catch (const std::exception &e) {
    backToIdle();
    StatusBar1->SetPanelText(0, e.what());
    return;
  }
  try {
    binding_->Refresh();
  } catch (...) {
    backToIdle();
    throw;
  }
  backToIdle();
}

bool TAclRuleForm::KeysGiven(bool moveFocus) {
  for (int key : {0, 1}) {
    if (!Edit(key)->text().isEmpty()) continue;
    Message(this, key == 0 ? layout_.Key1Missing : layout_.Key2Missing, moveFocus ? Edit(key) : nullptr);
    return false;
  }
  return true;
}

void TAclRuleForm::EditButtonClick() {
  Guarded(binding_, [this] {
    if (!KeysGiven(false)) return;
    if (RowComboBox()->currentIndex() == Destroy && selectors_[rowItem_]->isChecked()) {
      DeleteButtonClick();
      return;
    }
    Write(SelectorLeftOut(true), -1);
  });
}

void TAclRuleForm::AddButtonClick() {
  Guarded(binding_, [this] {
    if (!KeysGiven(true)) return;
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r) {
      const QTreeWidgetItem *row = ListView1->topLevelItem(r);
      if (row->text(0) == Key1()->text() && row->text(1) == Key2()->text()) {
        Message(this, layout_.Duplicate, Key1());
        return;
      }
    }
    if (selectors_[rowItem_]->isChecked() && RowComboBox()->currentIndex() != CreateAndGo) {
      Message(this, "Row State must be createAndGo.", RowComboBox());
      return;
    }
    Write(SelectorLeftOut(false), -1);
  });
}

void TAclRuleForm::DeleteButtonClick() {
  Guarded(binding_, [this] {
    std::vector<int> out;
    for (int i = 2; i < rowItem_; ++i) out.push_back(i);
    Write(out, Destroy);
  });
}

void TAclRuleForm::Report(KvSNMPRequest2Controls *, const std::string &message) {
  StatusBar1->SetPanelText(0, message);
}
