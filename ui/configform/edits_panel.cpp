#include "edits_panel.h"

#include "ctrl_btn_panel.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"
#include "kv_write_scope.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int kCheckBoxWidth = 20;
constexpr int kFirstTop = 20;
constexpr int kRowGap = 5;
constexpr int kLeft = 20;
constexpr int kBorder = 40;
constexpr int kRateWidth = 90;

void SetColours(QWidget *control, const QColor &text, const QColor &base) {
  QPalette palette = control->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Text, text);
    palette.setColor(group, QPalette::Base, base);
    palette.setColor(group, QPalette::ButtonText, text);
  }
  control->setPalette(palette);
}
}  // namespace

TEditsPanel::TEditsPanel(QWidget *parent, KvSNMPRequest2Edits *binding)
    : QWidget(parent), Binding(binding), ReadOnlyColor(QApplication::palette().color(QPalette::Button)) {
  ScrollBox = new QScrollArea(this);
  ScrollBox->setFrameShape(QFrame::NoFrame);
  ScrollBox->setWidgetResizable(false);
  rowsArea_ = new QWidget;
  ScrollBox->setWidget(rowsArea_);
  if (!binding) return;

  const KvSNMPVarList &list = binding->Request.VarList;
  Rows.resize(static_cast<size_t>(list.GetCount()));
  boxShownBeforeHide_.assign(Rows.size(), false);
  for (int i = 0; i < list.GetCount(); ++i) {
    const KvSNMPVarItem *item = list.GetItem(i);
    TEditRow &row = Rows[static_cast<size_t>(i)];
    const bool editable = list.IsEditable(i);
    row.Kind = !editable ? (item->Options ? TEditRow::ReadOnlyOptionEdit : TEditRow::ReadOnlyEdit)
                         : (item->Options ? TEditRow::WritableCombo : TEditRow::WritableEdit);
    row.Format = "%s";

    row.CheckBox = new QCheckBox(rowsArea_);
    row.CheckBox->setFocusPolicy(Qt::ClickFocus);
    row.CheckBox->setProperty("Tag", i);
    connect(row.CheckBox, &QCheckBox::clicked, this, [this] { UpdateSetButton(); });
    row.RowLabel = new QLabel(ToQt(item->Name), rowsArea_);
    if (row.Kind == TEditRow::WritableCombo) {
      auto *box = new QComboBox(rowsArea_);
      row.EditCtrl = box;
      binding->AssociateComboBox(i, box);
    } else {
      auto *edit = new QLineEdit(rowsArea_);
      // A value longer than the edit shows its beginning, not its end.
      connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (!edit->hasFocus()) edit->setCursorPosition(0);
      });
      row.EditCtrl = edit;
      binding->AssociateFormat(i, row.Format, {edit});
    }
  }
  // Tab order follows the rows.
  for (size_t i = 1; i < Rows.size(); ++i) setTabOrder(Rows[i - 1].EditCtrl, Rows[i].EditCtrl);
  ResetRows(false);
  ArrangeRows();
}

TEditsPanel::~TEditsPanel() = default;

bool TEditsPanel::IsReadOnlyOrKey(int index) const {
  const KvSNMPVarList &list = Binding->Request.VarList;
  return !list.IsEditable(index) || index < list.KeyCount;
}

int TEditsPanel::FieldWidth(const TEditRow &row) const {
  // A combo box is widened to its longest option, so that every label shows whole.
  constexpr int kMaxComboWidth = 320;
  if (const auto *box = qobject_cast<const QComboBox *>(row.EditCtrl))
    return std::max(EditWidth, std::min(box->sizeHint().width(), kMaxComboWidth));
  return EditWidth;
}

void TEditsPanel::ArrangeRows() {
  const KvSNMPVarList *list = Binding ? &Binding->Request.VarList : nullptr;
  int widestLabel = 0;
  for (TEditRow &row : Rows) {
    row.RowLabel->adjustSize();
    widestLabel = std::max(widestLabel, row.RowLabel->width());
  }
  const int labelLeft = kLeft + kCheckBoxWidth + kRowGap;
  const int editLeft = labelLeft + widestLabel + kRowGap;
  int top = kFirstTop, right = 0, bottom = 0;
  bool first = true;
  for (int i = 0; i < RowCount(); ++i) {
    TEditRow &row = Rows[static_cast<size_t>(i)];
    if (list && (list->GetItem(i)->Access & Access::Hidden)) continue;
    int editHeight = row.EditCtrl->sizeHint().height();
    if (editHeight < 20) editHeight = 21;
    if (!first) top += kRowGap;
    first = false;
    const int width = FieldWidth(row);
    row.EditCtrl->setGeometry(editLeft, top, width, editHeight);
    const int boxHeight = row.CheckBox->sizeHint().height();
    row.CheckBox->setGeometry(kLeft, top + (editHeight - boxHeight) / 2, kCheckBoxWidth, boxHeight);
    row.RowLabel->move(labelLeft, top + (editHeight - row.RowLabel->height()) / 2);
    right = std::max(right, editLeft + width);
    if (row.RateLabel) {
      row.RateLabel->setGeometry(editLeft + width + kRowGap, top, kRateWidth, editHeight);
      right = std::max(right, editLeft + width + kRowGap + kRateWidth);
    }
    bottom = std::max(bottom, top + editHeight);
    top += editHeight;
  }
  const QSize size(right + kBorder, bottom + kBorder);
  rowsArea_->resize(size);
  resize(size);
  ScrollBox->setGeometry(0, 0, size.width(), size.height());
}

void TEditsPanel::resizeEvent(QResizeEvent *) { ScrollBox->setGeometry(rect()); }

void TEditsPanel::PaintRow(int index, bool readOnly) {
  TEditRow &row = Rows[static_cast<size_t>(index)];
  if (auto *edit = qobject_cast<QLineEdit *>(row.EditCtrl)) {
    edit->setReadOnly(readOnly);
    edit->setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
  } else {
    row.EditCtrl->setEnabled(!readOnly);
  }
  SetColours(row.EditCtrl, readOnly ? ReadOnlyFontColor : QColor(Qt::black),
             readOnly ? ReadOnlyColor : QColor(Qt::white));
}

void TEditsPanel::SetRowReadOnly(int index, bool readOnly) {
  if (index < 0 || index >= RowCount()) {
    Platform::ShowMessageBox(window(), "aIdx is overtop!\n you may define < " + std::to_string(RowCount()),
                             Platform::ProgramFileName());
    return;
  }
  TEditRow &row = Rows[static_cast<size_t>(index)];
  if (readOnly) row.CheckBox->setChecked(false);
  row.CheckBox->setEnabled(!readOnly);
  row.CheckBox->setVisible(!readOnly);
  PaintRow(index, readOnly);
}

void TEditsPanel::ResetRows(bool checked) {
  for (int i = 0; i < RowCount(); ++i) {
    const bool readOnly = IsReadOnlyOrKey(i);
    SetRowReadOnly(i, readOnly);
    if (!readOnly) Rows[static_cast<size_t>(i)].CheckBox->setChecked(checked);
  }
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel *buttons) {
  if (!Binding) throw std::runtime_error("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
  Buttons = buttons;
  for (QWidget *shown : std::initializer_list<QWidget *>{buttons->RefreshBtn, buttons->SetBtn,
                         buttons->CheckAllBtn, buttons->ClearChecksBtn,
                         buttons->CloseBtn})
    shown->show();
  for (QWidget *hidden : std::initializer_list<QWidget *>{buttons->SampleLabel, buttons->SampleCount,
                          buttons->EditBtn, buttons->AddBtn,
                          buttons->DeleteBtn})
    hidden->hide();

  bool allReadOnly = true;
  int available = 0;
  for (int i = 0; i < RowCount(); ++i) {
    if (!IsReadOnlyOrKey(i)) allReadOnly = false;
    if (IsAvailable(i)) ++available;
  }
  if (allReadOnly) {
    buttons->SetBtn->hide();
    buttons->CheckAllBtn->hide();
    buttons->ClearChecksBtn->hide();
  } else if (available <= 1) {
    buttons->CheckAllBtn->hide();
    buttons->ClearChecksBtn->hide();
    buttons->SetBtn->setText("Set");
    buttons->SetBtn->setEnabled(true);
    int checked = 0;
    for (int i = 0; i < RowCount(); ++i)
      if (IsAvailable(i)) Rows[static_cast<size_t>(i)].CheckBox->setChecked(true);
    for (const TEditRow &row : Rows)
      if (row.CheckBox->isChecked()) ++checked;
    if (checked <= 1)
      for (TEditRow &row : Rows) row.CheckBox->hide();
  }
  buttons->ArrangeCtrls();
}

void TEditsPanel::SetEditWidth(int width) {
  EditWidth = width;
  ArrangeRows();
}

void TEditsPanel::HideRow(int index) {
  if (index < 0 || index >= RowCount()) return;
  TEditRow &row = Rows[static_cast<size_t>(index)];
  KvSNMPVarItem *item = Binding->Request.VarList.GetItem(index);
  if (!(item->Access & Access::Hidden)) boxShownBeforeHide_[static_cast<size_t>(index)] = !row.CheckBox->isHidden();
  item->Access |= Access::Hidden;
  row.CheckBox->hide();
  row.RowLabel->hide();
  row.EditCtrl->hide();
  if (row.RateLabel) row.RateLabel->hide();
  ArrangeRows();
}

void TEditsPanel::UnhideRow(int index) {
  if (index < 0 || index >= RowCount()) return;
  TEditRow &row = Rows[static_cast<size_t>(index)];
  KvSNMPVarItem *item = Binding->Request.VarList.GetItem(index);
  if (!(item->Access & Access::Hidden)) return;
  item->Access &= ~Access::Hidden;
  row.CheckBox->setVisible(boxShownBeforeHide_[static_cast<size_t>(index)]);
  row.RowLabel->show();
  row.EditCtrl->show();
  if (row.RateLabel) row.RateLabel->show();
  ArrangeRows();
}

QLabel *TEditsPanel::AddRateLabel(int index) {
  if (index < 0 || index >= RowCount()) return nullptr;
  TEditRow &row = Rows[static_cast<size_t>(index)];
  if (!row.RateLabel) {
    row.RateLabel = new QLabel(rowsArea_);
    row.RateLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.RateLabel->setVisible(!row.EditCtrl->isHidden());
    ArrangeRows();
  }
  return row.RateLabel;
}

void TEditsPanel::CheckRow(int index) {
  if (index >= 0 && index < RowCount()) Rows[static_cast<size_t>(index)].CheckBox->setChecked(true);
}

void TEditsPanel::ClearRows() {
  for (int i = 0; i < RowCount(); ++i) {
    TEditRow &row = Rows[static_cast<size_t>(i)];
    if (auto *edit = qobject_cast<QLineEdit *>(row.EditCtrl))
      edit->clear();
    else if (auto *box = qobject_cast<QComboBox *>(row.EditCtrl))
      box->setCurrentIndex(-1);
    Binding->Request.VarList.GetItem(i)->Value.clear();
  }
}

void TEditsPanel::SetRowValue(int index, const std::string &text) {
  if (index < 0 || index >= RowCount()) return;
  TEditRow &row = Rows[static_cast<size_t>(index)];
  if (auto *edit = qobject_cast<QLineEdit *>(row.EditCtrl))
    edit->setText(ToQt(text));
  else if (auto *box = qobject_cast<QComboBox *>(row.EditCtrl))
    box->setCurrentIndex(box->findText(ToQt(text)));
  Binding->Request.VarList.GetItem(index)->Value = text;
}

void TEditsPanel::SetRangeCheck(const std::string &name, int index, int min, int max) {
  RangeCheck = std::make_unique<_sNeedCheckItemRange>(_sNeedCheckItemRange{index, min, max, name});
}

std::string TEditsPanel::RowText(int index) const {
  const QWidget *ctrl = Rows[static_cast<size_t>(index)].EditCtrl;
  if (const auto *edit = qobject_cast<const QLineEdit *>(ctrl)) return FromQt(edit->text());
  if (const auto *box = qobject_cast<const QComboBox *>(ctrl)) return FromQt(box->currentText());
  return {};
}

bool TEditsPanel::IsAvailable(int index) const {
  const QCheckBox *box = Rows[static_cast<size_t>(index)].CheckBox;
  return !box->isHidden() && box->isEnabled();
}

bool TEditsPanel::IsSent(int index) const {
  return Rows[static_cast<size_t>(index)].CheckBox->isChecked() &&
         !(Binding->Request.VarList.GetItem(index)->Access & Access::Invalid);
}

bool TEditsPanel::AnyAvailableChecked() const {
  for (int i = 0; i < RowCount(); ++i)
    if (IsAvailable(i) && Rows[static_cast<size_t>(i)].CheckBox->isChecked()) return true;
  return false;
}

void TEditsPanel::UpdateSetButton() {
  if (Buttons) Buttons->SetBtn->setEnabled(AnyAvailableChecked());
}

void TEditsPanel::SetAllChecks(bool checked) {
  for (int i = 0; i < RowCount(); ++i)
    if (IsAvailable(i)) Rows[static_cast<size_t>(i)].CheckBox->setChecked(checked);
  UpdateSetButton();
}

bool TEditsPanel::RangeRefused() {
  if (!RangeCheckOn || !RangeCheck) return false;
  const int index = RangeCheck->ItemIndex;
  if (index < 0 || index >= RowCount()) return false;
  // A row that is not sent cannot be out of range.
  if (!IsSent(index)) return false;
  const std::string text = RowText(index);
  if (text.empty()) return false;
  long long value = 0;
  bool number = true;
  try {
    size_t used = 0;
    value = std::stoll(text, &used);
    number = used == text.size();
  } catch (const std::exception &) {
    number = false;
  }
  if (number && value >= RangeCheck->Min && value <= RangeCheck->Max) return false;
  Platform::ShowMessageBox(window(),
                           RangeCheck->Name + " must be between " + std::to_string(RangeCheck->Min) + " and " +
                               std::to_string(RangeCheck->Max) + "!",
                           "Error", Platform::MsgButtons::Ok, Platform::MsgIcon::Error);
  return true;
}

TEditsPanel::SetOutcome TEditsPanel::SetChecked() {
  KvWriteScope write(*Binding);
  try {
    write.Collect();
    bool empty = false;
    for (int i = 0; i < RowCount(); ++i) {
      if (!Rows[static_cast<size_t>(i)].CheckBox->isChecked()) write.LeaveOut(i);
      else if (IsSent(i) && RowText(i).empty()) empty = true;
    }
    if (RangeRefused()) return SetOutcome::OutOfRange;
    if (empty) {
      Platform::ShowMessageBox(window(), "Some items are empty!", "Warning", Platform::MsgButtons::Ok,
                               Platform::MsgIcon::Warning);
      return SetOutcome::Empty;
    }
    write.Apply();
    return SetOutcome::Sent;
  } catch (const std::exception &e) {
    if (write.BindingAlive()) Binding->ShowStatus(e.what());
    return SetOutcome::Failed;
  }
}
