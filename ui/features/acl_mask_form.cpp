#include "acl_mask_form.h"

#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "kv_write_scope.h"
#include "port_boxes.h"
#include "stacking_port_uit_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TAclMaskForm::TAclMaskForm(QWidget *owner, QSize size, int pickerHeight) : TBaseForm(owner) {
  frame_ = MakeFeatureFrame(this, size, true);
  ListView1 = MakeListView(this);
  ListView1->setObjectName("ListView1");
  ListView1->setFixedHeight(150);
  frame_.Content->addWidget(ListView1);
  fields_ = new QGridLayout;
  fields_->setVerticalSpacing(3);
  fields_->setHorizontalSpacing(6);
  fields_->setColumnStretch(1, 1);
  fields_->setColumnStretch(3, 1);
  fields_->setColumnMinimumWidth(2, 0);
  // Room the fields do not need goes partly between their rows, partly below them.
  frame_.Content->addLayout(fields_, 2);
  frame_.Content->addStretch(1);
  StackingPortPanel = new QWidget(this);
  StackingPortPanel->setObjectName("StackingPortPanel");
  StackingPortPanel->setFixedHeight(pickerHeight);
  frame_.Content->addWidget(StackingPortPanel);
  StackingPortForm = new TStackingPortUitForm(StackingPortPanel);
  auto *fill = new QHBoxLayout(StackingPortPanel);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(StackingPortForm);
  StatusBar1 = frame_.StatusBar;
  ListView1->viewport()->installEventFilter(this);
}

// ---------------------------------------------------------------------------------
// Creation

namespace {
template <class Control>
Control *AddField(QWidget *form, QGridLayout *grid, std::vector<int> &rows, int column, const char *label,
                  const char *name) {
  auto *control = new Control(form);
  control->setObjectName(name);
  const int row = rows[column]++;
  auto *caption = new QLabel(label, form);
  caption->setContentsMargins(column ? 12 : 0, 0, 0, 0);  // a gap between the two columns
  // Centred in their row, so that the row may grow beyond the controls' fixed heights.
  grid->addWidget(caption, row, column * 2, Qt::AlignVCenter);
  grid->addWidget(control, row, column * 2 + 1, Qt::AlignVCenter);
  grid->setRowStretch(row, 1);
  return control;
}
}  // namespace

QLineEdit *TAclMaskForm::AddEdit(int column, const char *label, const char *name) {
  return AddField<QLineEdit>(this, fields_, fieldRows_, column, label, name);
}

QComboBox *TAclMaskForm::AddCombo(int column, const char *label, const char *name) {
  return AddField<QComboBox>(this, fields_, fieldRows_, column, label, name);
}

QPushButton *TAclMaskForm::AddButton(const char *caption, const char *name) {
  QPushButton *button = frame_.AddButton(this, caption, {75, 25});
  button->setObjectName(name);
  return button;
}

// One tab "Ports " with the boxes 1 to 24 in two rows; boxes 25 to 32 exist for the
// port list's four octets and stay hidden.
void TAclMaskForm::BuildPicker() {
  try {
    StackingPortForm->AddUnitPage("Ports", kPortBoxes, kBoxesPerRow);
    StackingPortForm->ShowUnitPorts("1", "", kVisiblePorts);
  } catch (const std::exception &e) {
    StatusBar1->SetPanelText(0, e.what());
  }
}

// The binding is blocking; its status lines are the bar's simple text.
void TAclMaskForm::CreateBinding(const KvSNMPVarDef *defs, int portItem) {
  binding_ = NewEditsBinding();
  binding_->Request.VarList = KvSNMPVarList(defs, MVT_UMV, 1);
  binding_->RequestMode = KvSNMPRequest2Controls::Blocking;
  binding_->BindListView(ListView1);
  const std::vector<QCheckBox *> &boxes = StackingPortForm->Boxes();
  binding_->AssociateBitList(portItem, PortBitList(static_cast<int>(boxes.size())),
                             std::vector<QWidget *>(boxes.begin(), boxes.end()));
  binding_->SetStatusOutput(StatusBar1);
}

void TAclMaskForm::SetRoles(QLineEdit *keyEdit, QPushButton *modify, QPushButton *add, QPushButton *remove,
                            std::vector<QLineEdit *> freeEdits) {
  keyEdit_ = keyEdit;
  modify_ = modify;
  add_ = add;
  remove_ = remove;
  freeEdits_ = std::move(freeEdits);
}

void TAclMaskForm::Start() {
  IdleState();
  RefreshList();
}

// ---------------------------------------------------------------------------------
// Refresh, the states and the row click

void TAclMaskForm::RefreshList() {
  Guarded(binding_, [this] {
    try {
      binding_->Refresh();
    } catch (...) {
      IdleState();
      ClearFields();
      throw;
    }
    IdleState();
    ClearFields();
  });
}

void TAclMaskForm::IdleState() {
  rowSelected_ = false;
  modify_->setEnabled(false);
  remove_->setEnabled(false);
  add_->setEnabled(true);
  keyEdit_->setEnabled(true);
}

void TAclMaskForm::ClearFields() {
  keyEdit_->clear();
  for (QLineEdit *edit : freeEdits_) edit->clear();
  StackingPortForm->ClearBoxes();
}

void TAclMaskForm::ListView1Click() {
  Guarded(binding_, [this] {
    if (ListView1->selectedItems().isEmpty()) {
      IdleState();
      return;
    }
    rowSelected_ = true;
    modify_->setEnabled(true);
    remove_->setEnabled(true);
    add_->setEnabled(false);
    keyEdit_->setEnabled(false);
  });
}

// A click in the list: on a row the binding has filled the controls already (its
// selection handler runs on press); a click beside the rows selects nothing.
bool TAclMaskForm::eventFilter(QObject *watched, QEvent *event) {
  if (IsListClick(ListView1, watched, event)) ListView1Click();
  return TBaseForm::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------
// Checks and the write sequence

bool TAclMaskForm::IdInList(const QString &id) const {
  for (int r = 0; r < ListView1->topLevelItemCount(); ++r)
    if (ListView1->topLevelItem(r)->text(0) == id) return true;
  return false;
}

bool TAclMaskForm::AnyPortChecked() const { return StackingPortForm->AnyChecked(); }

void TAclMaskForm::Refuse(const char *text, QWidget *focus) {
  Platform::ShowMessageBox(this, text, Platform::ProgramFileName(), Platform::MsgButtons::Ok);
  if (focus) focus->setFocus();
}

void TAclMaskForm::Write(const std::function<void(KvWriteScope &)> &prepare, bool refreshOnFailure) {
  Guarded(binding_, [&] {
    try {
      {
        KvWriteScope write(*binding_);
        prepare(write);
        write.Apply(false, true);
      }
      binding_->Refresh();
    } catch (const std::exception &e) {
      if (refreshOnFailure) {
        try {
          binding_->Refresh();
        } catch (const std::exception &) {
          // the write's failure is the one to show
        }
      }
      IdleState();
      ClearFields();
      StatusBar1->SetPanelText(0, e.what());
      return;
    }
    IdleState();
    ClearFields();
  });
}

void TAclMaskForm::Report(KvSNMPRequest2Controls *, const std::string &message) {
  StatusBar1->SetPanelText(0, message);
}
