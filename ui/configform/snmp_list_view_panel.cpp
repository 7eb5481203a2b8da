#include "snmp_list_view_panel.h"

#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "kv_controls.h"
#include "kv_list_model.h"
#include "kv_message_box.h"
#include "kv_widget_tag.h"
#include "kv_write_scope.h"
#include "list_csv.h"
#include "list_view_panel.h"
#include "msg_panel.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QHeaderView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QItemSelectionModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <memory>
#include <stdexcept>

namespace {
constexpr int kEditDialogEditWidth = 200;
constexpr int kIdleWaitMs = 1000;

// Clears a flag for as long as it lives.
class Quiet {
public:
  explicit Quiet(bool &flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~Quiet() { flag_ = before_; }

private:
  bool &flag_;
  bool before_;
};

QComboBox *ComboOfRow(const TEditsPanel &edits, int index) {
  if (index < 0 || index >= edits.RowCount()) return nullptr;
  return qobject_cast<QComboBox *>(edits.Rows[static_cast<size_t>(index)].EditCtrl);
}
}  // namespace

std::string ListRowHint(const QTreeView *listView, int row) {
  const QAbstractItemModel *model = listView->model();
  const int columns = model->columnCount();
  const auto caption = [&](int c) { return model->headerData(c, Qt::Horizontal).toString(); };
  qsizetype longest = 0;
  for (int c = 0; c < columns; ++c) longest = std::max(longest, caption(c).size());
  QString hint;
  // In the order the columns are shown (a live view shows rates beside their counters).
  for (int visual = 0; visual < columns; ++visual) {
    const int c = listView->header()->logicalIndex(visual);
    const QString text = caption(c);
    hint += text + QString(longest - text.size(), '\t') + "  " + model->data(model->index(row, c)).toString() + "\n";
  }
  return FromQt(hint);
}

TSNMPListViewPanel::TSNMPListViewPanel(QWidget *parent, KvSNMPRequest2Edits *binding)
    : TSNMPEditorPanel(parent, binding) {
  OnBeforeAdd = [this](QObject *) { Edits->ClearRows(); };
  ListPanel = new TListViewPanel(Content, binding);
  QTreeView *list = ListPanel->ListView;

  connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { ListSelectionChanged(); });
  connect(list, &QTreeView::doubleClicked, this, [this, list](const QModelIndex &cell) {
    if (cell.isValid() && list->selectionModel()->isRowSelected(cell.row()) && !Buttons->EditBtn->isHidden() &&
        Buttons->EditBtn->isEnabled())
      EditClick(Buttons->EditBtn);
  });
  connect(ListPanel, &TListViewPanel::RowsChanged, this, [this] { ShowSampleCount(); });
  list->viewport()->installEventFilter(this);

  CopyCsvAction = new QAction("Copy as CSV", list);
  SaveCsvAction = new QAction("Save as CSV", list);
  list->addAction(CopyCsvAction);
  list->addAction(SaveCsvAction);
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(CopyCsvAction, &QAction::triggered, this, [this] { Run([this] { CopyAsCsv(); }); });
  connect(SaveCsvAction, &QAction::triggered, this, [this] { Run([this] { SaveAsCsv(); }); });

  // The Refresh of the base panel is replaced by the list refresh.
  disconnect(Buttons->RefreshBtn, &QPushButton::clicked, this, nullptr);
  connect(Buttons->RefreshBtn, &QPushButton::clicked, this, [this] { Run([this] { ListRefresh(); }); });
  connect(Buttons->EditBtn, &QPushButton::clicked, this, [this] { EditClick(Buttons->EditBtn); });
  connect(Buttons->AddBtn, &QPushButton::clicked, this, [this] { AddClick(Buttons->AddBtn); });
  connect(Buttons->DeleteBtn, &QPushButton::clicked, this, [this] { Run([this] { DeleteClick(); }); });

  ListPanel->ArrangeCtrlBtn(Buttons);
  bool allReadOnly = true;
  for (int i = 0; i < Edits->RowCount(); ++i)
    if (!Edits->IsReadOnlyOrKey(i)) allReadOnly = false;
  if (allReadOnly) {
    Buttons->EditBtn->hide();
    Buttons->ArrangeCtrls();
  }
  SetShown(ListPanel);
}

TSNMPListViewPanel::~TSNMPListViewPanel() {
  // The list view outlives this part of the panel while its children go.
  QTreeView *list = ListPanel->ListView;
  disconnect(list, nullptr, this, nullptr);
  disconnect(list->selectionModel(), nullptr, this, nullptr);
  disconnect(ListPanel, nullptr, this, nullptr);
  list->viewport()->removeEventFilter(this);
}

void TSNMPListViewPanel::ShowSampleCount() {
  Buttons->SampleCount->setText(QString::number(ListPanel->Rows->RowCount()));
}

void TSNMPListViewPanel::ListSelectionChanged() {
  if (quietSelection_) return;
  const bool selected = ListPanel->ListView->selectionModel()->hasSelection();
  Buttons->EditBtn->setEnabled(selected);
  Buttons->DeleteBtn->setEnabled(selected);
  if (!selected) Run([this] { Edits->ClearRows(); });
}

bool TSNMPListViewPanel::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::ToolTip && watched == ListPanel->ListView->viewport()) {
    auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex cell = ListPanel->ListView->indexAt(help->pos());
    if (cell.isValid())
      QToolTip::showText(help->globalPos(), ToQt(ListRowHint(ListPanel->ListView, cell.row())), ListPanel->ListView);
    else
      QToolTip::hideText();
    return true;
  }
  return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::SetAddStatus(int index, const std::string &value) {
  QComboBox *box = ComboOfRow(*Edits, index);
  if (!box || box->findText(ToQt(value)) < 0)
    throw std::runtime_error("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + value);
  ListPanel->AddStatusIndex = index;
  ListPanel->AddStatusValue = value;
  Buttons->AddBtn->show();
  Buttons->ArrangeCtrls();
}

void TSNMPListViewPanel::SetDeleteStatus(int index, const std::string &value) {
  QComboBox *box = ComboOfRow(*Edits, index);
  if (!box || box->findText(ToQt(value)) < 0)
    throw std::runtime_error("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + value);
  ListPanel->DeleteStatusIndex = index;
  ListPanel->DeleteStatusValue = value;
  Buttons->DeleteBtn->show();
  Buttons->ArrangeCtrls();
}

void TSNMPListViewPanel::CopyAsCsv() { CopyListViewCsv(ListPanel->ListView); }

std::string TSNMPListViewPanel::SaveAsCsv() {
  // The window's title without the agent address, made a file name.
  std::string name = ParentCaption();
  if (const size_t address = name.find(" : "); address != std::string::npos) name.erase(address);
  for (char &c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ' && c != '-' && c != '_') c = '_';
  if (name.empty()) name = "list";
  try {
    return SaveListViewCsv(window(), ListPanel->ListView, name + ".csv");
  } catch (const std::exception &e) {
    Platform::ShowMessageBox(window(), e.what(), "Save as CSV", Platform::MsgButtons::Ok, Platform::MsgIcon::Error);
  }
  return {};
}

void TSNMPListViewPanel::ListRefresh() {
  if (Binding->RequestMode == KvSNMPRequest2Controls::Asynchronous && Binding->Busy()) return;
  Buttons->EditBtn->setEnabled(false);
  Buttons->DeleteBtn->setEnabled(false);
  Quiet quiet(quietSelection_);
  Binding->Refresh();
}

void TSNMPListViewPanel::EditClick(QObject *sender) {
  Run([this, sender] {
    if (OnBeforeEdit) OnBeforeEdit(sender);
    RunRowDialog(DialogKind::Edit);
    if (OnAfterEdit) OnAfterEdit(sender);
  });
}

void TSNMPListViewPanel::AddClick(QObject *sender) {
  Run([this, sender] {
    if (OnBeforeAdd) OnBeforeAdd(sender);
    RunRowDialog(DialogKind::Add);
    if (OnAfterAdd) OnAfterAdd(sender);
  });
}

void TSNMPListViewPanel::DeleteClick() {
  if (Platform::ShowMessageBox(window(), "Are you sure to delete ?", "Delete", Platform::MsgButtons::YesNo,
                               Platform::MsgIcon::Question) != Platform::MsgResult::Yes)
    return;
  const int statusIndex = ListPanel->DeleteStatusIndex;
  const int keys = Binding->Request.VarList.KeyCount;
  KvWriteScope write(*Binding);
  write.LeaveOutWhere([&](int i) { return i >= keys && i != statusIndex; });
  try {
    write.Collect();
    write.SetValue(statusIndex, ListPanel->DeleteStatusValue);
    write.Apply();
  } catch (const std::exception &e) {
    if (write.BindingAlive()) Binding->ShowStatus(e.what());
  }
  if (write.BindingAlive()) ListRefresh();
}

void TSNMPListViewPanel::CompleteAddedRow() {
  const int statusIndex = ListPanel->AddStatusIndex;
  if (AddCompleteValue.empty() || statusIndex < 0) return;
  // The items still hold the new row's keys, as the Add's Set sent them.
  const int keys = Binding->Request.VarList.KeyCount;
  KvWriteScope write(*Binding);
  write.LeaveOutWhere([&](int i) { return i >= keys && i != statusIndex; });
  try {
    write.SetValue(statusIndex, AddCompleteValue);
    write.Apply();
  } catch (const std::exception &e) {
    if (write.BindingAlive()) Binding->ShowStatus(e.what());
  }
}

void TSNMPListViewPanel::RunRowDialog(DialogKind kind) {
  KvSNMPRequest2Edits *binding = Binding;
  const std::shared_ptr<const bool> alive = binding->AliveFlag();
  if (kind == DialogKind::Edit && binding->RequestMode == KvSNMPRequest2Controls::Asynchronous && binding->Busy()) {
    binding->Request.SetEnabled(false);
    if (!TBaseForm::WaitForIdle(*binding, kIdleWaitMs)) return;
    binding->Request.SetEnabled(true);
  }

  QWidget *form = window();
  auto dialog = std::make_unique<QDialog>(form);
  dialog->setWindowTitle(kind == DialogKind::Add ? ToQt(ParentCaption() + " (Add)") : form->windowTitle());
  binding->SetConstraintParent(dialog.get());
  auto *panel = new TSNMPPanel(dialog.get(), MsgPanel, binding);
  auto *layout = new QVBoxLayout(dialog.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
  QDialog *shownDialog = dialog.get();
  SetWidgetTag(panel->Buttons->SetBtn, 1);
  connect(panel->Buttons->SetBtn, &QPushButton::clicked, panel, [this, panel, shownDialog, kind] {
    panel->Run([this, shownDialog, kind] {
      const TEditsPanel::SetOutcome outcome = Edits->SetChecked();
      if (outcome == TEditsPanel::SetOutcome::Sent && kind == DialogKind::Add) CompleteAddedRow();
      if (outcome == TEditsPanel::SetOutcome::Sent || outcome == TEditsPanel::SetOutcome::Failed)
        shownDialog->accept();
    });
  });
  connect(panel->Buttons->CheckAllBtn, &QPushButton::clicked, panel,
          [this, panel] { panel->Run([this] { Edits->SetAllChecks(true); }); });
  connect(panel->Buttons->ClearChecksBtn, &QPushButton::clicked, panel,
          [this, panel] { panel->Run([this] { Edits->SetAllChecks(false); }); });

  // The RowStatus entries that the Edit dialog takes away, with their positions.
  struct Removed {
    QComboBox *Box;
    int Position;
    QString Text;
  };
  std::vector<Removed> removed;
  std::vector<int> hiddenRows;
  const int keys = binding->Request.VarList.KeyCount;
  if (kind == DialogKind::Add) {
    for (int i = 0; i < keys && i < Edits->RowCount(); ++i) {
      Edits->SetRowReadOnly(i, false);
      Edits->Rows[static_cast<size_t>(i)].CheckBox->setChecked(true);
      Edits->Rows[static_cast<size_t>(i)].CheckBox->setEnabled(false);
    }
    if (QComboBox *status = ComboOfRow(*Edits, ListPanel->AddStatusIndex)) {
      TEditRow &row = Edits->Rows[static_cast<size_t>(ListPanel->AddStatusIndex)];
      status->setEnabled(false);
      row.CheckBox->setChecked(true);
      row.CheckBox->setEnabled(false);
      status->setCurrentIndex(status->findText(ToQt(ListPanel->AddStatusValue)));
    }
  } else {
    Edits->ResetRows(false);
    Edits->EditWidth = kEditDialogEditWidth;
    const std::pair<int, std::string> statuses[] = {{ListPanel->AddStatusIndex, ListPanel->AddStatusValue},
                                                    {ListPanel->DeleteStatusIndex, ListPanel->DeleteStatusValue}};
    for (const auto &[index, value] : statuses) {
      QComboBox *box = ComboOfRow(*Edits, index);
      if (!box || value.empty()) continue;
      const int position = box->findText(ToQt(value));
      if (position < 0) continue;
      removed.push_back({box, position, box->itemText(position)});
      box->removeItem(position);
      if (box->count() == 0 && std::find(hiddenRows.begin(), hiddenRows.end(), index) == hiddenRows.end()) {
        Edits->HideRow(index);
        hiddenRows.push_back(index);
      }
    }
  }
  Edits->ArrangeCtrlBtn(panel->Buttons);
  panel->Buttons->RefreshBtn->hide();
  panel->Buttons->ArrangeCtrls();
  // Edit starts with nothing checked (a lone "Set" stands for its one row).
  if (kind == DialogKind::Edit && panel->Buttons->SetBtn->text() != "Set") panel->Buttons->SetBtn->setEnabled(false);
  Edits->ArrangeRows();
  panel->SetShown(Edits);
  FitWindowToPanel(dialog.get(), panel);
  if (kind == DialogKind::Add) {
    // The new row is no row of the list; Edit keeps the selection that addresses its row.
    Quiet quiet(quietSelection_);
    ListPanel->ListView->clearSelection();
    Buttons->EditBtn->setEnabled(false);
    Buttons->DeleteBtn->setEnabled(false);
  }

  dialog->exec();

  if (!*alive) return;
  for (int index : hiddenRows) Edits->UnhideRow(index);
  // Put back in reverse order of removal, so that each goes to the place it left.
  for (auto it = removed.rbegin(); it != removed.rend(); ++it) it->Box->insertItem(it->Position, it->Text);
  TakeBack(Edits);
  dialog.reset();
  binding->SetConstraintParent(form);
  ListRefresh();
}
