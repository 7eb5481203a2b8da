#include "port_control_edit_form.h"

#include "window_layout.h"
#include "kv_option_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

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

// The labels of `options`, "other" left out.
void FillWithoutOther(QComboBox *box, const KvOptionList *options) {
  for (int i = 0; options && i < options->GetCount(); ++i)
    if (options->GetItem(i).Label != kOther) box->addItem(QString::fromStdString(options->GetItem(i).Label));
}
}  // namespace

// ---------------------------------------------------------------------------------
// Creation and showing

TfrmPortControlEdit::TfrmPortControlEdit(QWidget *owner, const TPortControlRow &row,
                                         const std::array<const KvOptionList *, 4> &stateOptions)
    : TBaseForm(owner), row_(row) {
  BuildControls(stateOptions);
  btnSetChecked->setEnabled(false);
}

void TfrmPortControlEdit::BuildControls(const std::array<const KvOptionList *, 4> &stateOptions) {
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
  FillWithoutOther(cbAdminState, stateOptions[0]);
  FillWithoutOther(cbNwayState, stateOptions[1]);
  FillWithoutOther(cbFlowControlState, stateOptions[2]);
  FillWithoutOther(cbLearningState, stateOptions[3]);
  edtPortDiscription = new QLineEdit(fields);

  AddLabelled(grid, 0, "Index", edtIndex);
  AddLabelled(grid, 1, "Unit Index", edtUnitIndex);
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
  for (QCheckBox *selector : selectors_) selector->setChecked(false);
  btnSetChecked->setEnabled(false);
  edtIndex->setText(row_.Index);
  edtUnitIndex->setText(row_.UnitIndex);
  cbAdminState->setCurrentText(row_.AdminState);
  cbNwayState->setCurrentText(row_.NwayState);
  cbFlowControlState->setCurrentText(row_.FlowControlState);
  cbLearningState->setCurrentText(row_.LearningState);
  edtPortDiscription->setText(row_.Description);
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

// The checked fields go into the edited row; a second Set Checked adds to the first.
void TfrmPortControlEdit::btnSetCheckedClick() {
  TPortControlRow edited = edited_.value_or(row_);
  const std::pair<QCheckBox *, QString *> fields[] = {
      {ckAminState, &edited.AdminState},
      {ckNwayState, &edited.NwayState},
      {ckFlowControl, &edited.FlowControlState},
      {ckLearningState, &edited.LearningState},
      {ckPortDiscription, &edited.Description}};
  const QString texts[] = {cbAdminState->currentText(), cbNwayState->currentText(),
                           cbFlowControlState->currentText(), cbLearningState->currentText(),
                           edtPortDiscription->text()};
  for (int i = 0; i < 5; ++i)
    if (fields[i].first->isChecked()) *fields[i].second = texts[i];
  edited_ = edited;
}

void TfrmPortControlEdit::btnCloseClick() { close(); }
