#include "port_control_edit_form.h"

#include "kv_controls.h"
#include "kv_option_list.h"
#include "kv_snmp_request2_edits.h"
#include "feature_frame.h"
#include "port_control_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

bool PortControlRowEdited = false;

namespace {
constexpr char kOther[] = "other";

// A combo box that takes typed text as well as one of its items.
QComboBox *MakeTypedComboBox(QWidget *parent) {
  auto *box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(12);
  return box;
}

// The labels of the column's option list, "other" left out.
void FillWithoutOther(QComboBox *box, int column) {
  if (!frmPortControl) return;
  const KvSNMPVarList &list = frmPortControl->PortBinding()->Request.VarList;
  const KvOptionList *options = column < list.GetCount() ? list.GetItem(column)->Options : nullptr;
  for (int i = 0; options && i < options->GetCount(); ++i)
    if (options->GetItem(i).Label != kOther) box->addItem(ToQt(options->GetItem(i).Label));
}
}  // namespace

// ---------------------------------------------------------------------------------
// Creation and showing

TfrmPortControlEdit::TfrmPortControlEdit(QWidget *owner) : TBaseForm(owner) {
  BuildControls();
  btnSetChecked->setEnabled(false);
}

void TfrmPortControlEdit::BuildControls() {
  FeatureFrame frame = MakeFeatureFrame(this, {516, 243}, false);
  auto *scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  auto *fields = new QWidget(scroll);
  scroll->setWidget(fields);
  frame.Content->addWidget(scroll, 1);
  auto *grid = new QGridLayout(fields);
  grid->setColumnStretch(1, 1);

  edtIndex = new QLineEdit(fields);
  edtUnitIndex = new QLineEdit(fields);
  for (QLineEdit *e : {edtIndex, edtUnitIndex}) {
    e->setReadOnly(true);
    e->setStyleSheet("background-color: palette(button);");
  }
  ckAminState = new QCheckBox("Amin State", fields);
  ckNwayState = new QCheckBox("Nway State", fields);
  ckFlowControl = new QCheckBox("Flow Control State", fields);
  ckLearningState = new QCheckBox("Learning State", fields);
  ckPortDiscription = new QCheckBox("Port Discription", fields);
  cbAdminState = MakeTypedComboBox(fields);
  cbNwayState = MakeTypedComboBox(fields);
  cbFlowControlState = MakeTypedComboBox(fields);
  cbLearningState = MakeTypedComboBox(fields);
  FillWithoutOther(cbAdminState, TfrmPortControl::AdminColumn);
  FillWithoutOther(cbNwayState, TfrmPortControl::NwayColumn);
  FillWithoutOther(cbFlowControlState, TfrmPortControl::FlowControlColumn);
  FillWithoutOther(cbLearningState, TfrmPortControl::LearningColumn);
  edtPortDiscription = new QLineEdit(fields);

  grid->addWidget(new QLabel("Index", fields), 0, 0);
  grid->addWidget(edtIndex, 0, 1);
  grid->addWidget(new QLabel("Unit Index", fields), 1, 0);
  grid->addWidget(edtUnitIndex, 1, 1);
  const std::pair<QCheckBox *, QWidget *> lines[] = {{ckAminState, cbAdminState},
                                                     {ckNwayState, cbNwayState},
                                                     {ckFlowControl, cbFlowControlState},
                                                     {ckLearningState, cbLearningState},
                                                     {ckPortDiscription, edtPortDiscription}};
  int row = 2;
  for (const auto &[selector, field] : lines) {
    selectors_[row - 2] = selector;
    grid->addWidget(selector, row, 0);
    grid->addWidget(field, row, 1);
    Handle(selector, &QCheckBox::clicked, nullptr, [this] { ckAminStateClick(); });
    ++row;
  }
  grid->setRowStretch(row, 1);

  btnSetChecked = frame.AddButton(this, "Set Checked", {95, 23});
  btnCheckAll = frame.AddButton(this, "Check All", {95, 23});
  btnClearChecks = frame.AddButton(this, "Clear Checks", {95, 23});
  btnClose = frame.AddButton(this, "Close", {95, 23});

  Handle(btnSetChecked, &QPushButton::clicked, nullptr, [this] { btnSetCheckedClick(); });
  Handle(btnCheckAll, &QPushButton::clicked, nullptr, [this] { btnCheckAllClick(); });
  Handle(btnClearChecks, &QPushButton::clicked, nullptr, [this] { btnClearChecksClick(); });
  Handle(btnClose, &QPushButton::clicked, nullptr, [this] { btnCloseClick(); });
}

void TfrmPortControlEdit::showEvent(QShowEvent *event) {
  TBaseForm::showEvent(event);
  Guarded(nullptr, [this] { FormShow(); });
}

void TfrmPortControlEdit::FormShow() {
  if (!frmPortControl) return;
  SetCaption(frmPortControl->Caption());
  for (QCheckBox *selector : selectors_) selector->setChecked(false);
  btnSetChecked->setEnabled(false);
  const QTreeWidgetItem *row = frmPortControl->SelectedPortRow();
  if (!row) return;
  edtIndex->setText(row->text(TfrmPortControl::IndexColumn));
  edtUnitIndex->setText(row->text(TfrmPortControl::UnitIndexColumn));
  cbAdminState->setCurrentText(row->text(TfrmPortControl::AdminColumn));
  cbNwayState->setCurrentText(row->text(TfrmPortControl::NwayColumn));
  cbFlowControlState->setCurrentText(row->text(TfrmPortControl::FlowControlColumn));
  cbLearningState->setCurrentText(row->text(TfrmPortControl::LearningColumn));
  edtPortDiscription->setText(row->text(TfrmPortControl::DescriptionColumn));
}

// ---------------------------------------------------------------------------------
// The selectors and Set Checked

void TfrmPortControlEdit::ckAminStateClick() {
  bool any = false;
  for (QCheckBox *selector : selectors_) any = any || selector->isChecked();
  btnSetChecked->setEnabled(any);
}

void TfrmPortControlEdit::btnCheckAllClick() {
  for (QCheckBox *selector : selectors_) selector->setChecked(true);
  btnSetChecked->setEnabled(true);
}

void TfrmPortControlEdit::btnClearChecksClick() {
  for (QCheckBox *selector : selectors_) selector->setChecked(false);
  btnSetChecked->setEnabled(false);
}

// The checked fields go into the selected row; the alias also into the row of the
// port's own interface, which the table window writes.
void TfrmPortControlEdit::btnSetCheckedClick() {
  PortControlRowEdited = true;
  if (!frmPortControl) return;
  QTreeWidgetItem *row = frmPortControl->SelectedPortRow();
  if (!row) return;
  const std::pair<QCheckBox *, QString> fields[] = {
      {ckAminState, cbAdminState->currentText()},
      {ckNwayState, cbNwayState->currentText()},
      {ckFlowControl, cbFlowControlState->currentText()},
      {ckLearningState, cbLearningState->currentText()},
      {ckPortDiscription, edtPortDiscription->text()}};
  int column = TfrmPortControl::AdminColumn;
  for (const auto &[selector, text] : fields) {
    if (selector->isChecked()) row->setText(column, text);
    ++column;
  }
  if (ckPortDiscription->isChecked())
    if (QTreeWidgetItem *description = frmPortControl->DescriptionRowOf(row))
      description->setText(1, edtPortDiscription->text());
}

void TfrmPortControlEdit::btnCloseClick() { close(); }
