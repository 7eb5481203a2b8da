#include "live_view.h"

#include "base_form.h"
#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "kv_controls.h"
#include "kv_list_model.h"
#include "kv_snmp_request2_edits.h"
#include "list_view_panel.h"
#include "msg_panel.h"
#include "snmp_list_view_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTreeView>

#include <algorithm>

namespace {
// The text that names a list row across reads: its key columns, else its first column.
std::string RowKey(const KvListModel &rows, int row, int keyColumns) {
  std::string key;
  for (int c = 0; c < std::max(1, keyColumns) && c < rows.ColumnCount(); ++c) {
    key += rows.Text(row, c);
    key += '\x1f';
  }
  return key;
}

std::string InstanceOf(const KvSNMPVarItem &item) { return item.Instance.empty() ? item.Oid : item.Instance; }
}  // namespace

TLiveView::TLiveView(TSNMPEditorPanel *panel, int seconds)
    : QObject(panel), panel_(panel), list_(qobject_cast<TSNMPListViewPanel *>(panel)), binding_(panel->Binding) {
  bindingAlive_ = binding_->AliveFlag();

  TCtrlBtnPanel *buttons = panel->Buttons;
  IntervalLabel = new QLabel("Refresh every", buttons);
  IntervalLabel->setAlignment(Qt::AlignCenter);
  IntervalBox = new QSpinBox(buttons);
  IntervalBox->setRange(0, kMaxSeconds);
  IntervalBox->setSpecialValueText("Off");
  IntervalBox->setSuffix(" s");
  IntervalBox->setAlignment(Qt::AlignRight);
  auto at = std::find(buttons->Ctrls.begin(), buttons->Ctrls.end(), buttons->RefreshBtn);
  at = at == buttons->Ctrls.end() ? buttons->Ctrls.begin() : at + 1;
  buttons->Ctrls.insert(at, {IntervalLabel, IntervalBox});
  buttons->ArrangeCtrls();

  // A read that never ends (cut short) must not keep the list from drawing.
  holdGuard_.setSingleShot(true);
  holdGuard_.setInterval(kHoldLimitMs);
  connect(&holdGuard_, &QTimer::timeout, this, [this] {
    if (list_) list_->ListPanel->HoldDrawing(false);
  });
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  connect(IntervalBox, &QSpinBox::valueChanged, this, [this](int value) { SetInterval(value); });
  SetInterval(seconds);

  if (list_)
    SetUpRateColumns(list_);
  else
    SetUpRateLabels();

  // What the operator typed in a writable field holds the timer until it is sent or
  // thrown away by a Refresh.
  if (!list_) {
    TEditsPanel *edits = panel->Edits;
    for (int i = 0; i < edits->RowCount(); ++i) {
      QWidget *control = edits->Rows[static_cast<size_t>(i)].EditCtrl;
      if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
          if (!edit->isReadOnly()) typed_ = true;
        });
      else if (auto *box = qobject_cast<QComboBox *>(control))
        connect(box, &QComboBox::activated, this, [this] { typed_ = true; });
    }
    connect(buttons->SetBtn, &QPushButton::clicked, this, [this] { typed_ = false; });
    connect(buttons->RefreshBtn, &QPushButton::clicked, this, [this] { typed_ = false; });
  }

  KvSNMPRequest2Controls::ReadWatcher watcher;
  watcher.Started = [this] { ReadStarted(); };
  watcher.RowShown = [this] { RowShown(); };
  watcher.Ended = [this](bool complete) { ReadFinished(complete); };
  watcher_ = binding_->AddReadWatcher(std::move(watcher));
}

TLiveView::~TLiveView() {
  if (bindingAlive_ && *bindingAlive_) binding_->RemoveReadWatcher(watcher_);
}

void TLiveView::SetInterval(int seconds) {
  seconds = std::clamp(seconds, 0, kMaxSeconds);
  if (IntervalBox->value() != seconds) {
    // valueChanged comes back here with the same value.
    IntervalBox->setValue(seconds);
    return;
  }
  if (seconds == 0 || stopped_) {
    timer_.stop();
    waiting_ = false;
    return;
  }
  timer_.start(seconds * 1000);
}

int TLiveView::Interval() const { return IntervalBox->value(); }

int TLiveView::RateColumnOf(int column) const {
  if (column < 0 || column >= static_cast<int>(rateColumns_.size())) return -1;
  return rateColumns_[static_cast<size_t>(column)];
}

QLabel *TLiveView::RateLabelOf(int index) const {
  if (index < 0 || index >= static_cast<int>(rateLabels_.size())) return nullptr;
  return rateLabels_[static_cast<size_t>(index)];
}

void TLiveView::SetUpRateColumns(TSNMPListViewPanel *list) {
  QTreeView *view = list->ListPanel->ListView;
  KvListModel *rows = list->ListPanel->Rows;
  const std::vector<int> &items = binding_->ColumnItems();
  const KvSNMPVarList &vars = binding_->Request.VarList;
  const int own = static_cast<int>(items.size());
  rateColumns_.assign(items.size(), -1);
  if (rows->ColumnCount() < own) return;
  QHeaderView *header = view->header();
  const QFontMetrics metrics(header->font());
  for (int c = 0; c < own; ++c) {
    const KvSNMPVarItem *item = vars.GetItem(items[static_cast<size_t>(c)]);
    if (!item || CounterBits(item->Syntax) == 0 || view->isColumnHidden(c)) continue;
    const std::string caption = item->Name + "/s";
    const int rate = rows->AddColumn(caption, Qt::AlignRight | Qt::AlignVCenter);
    view->setColumnWidth(rate, metrics.horizontalAdvance(ToQt(caption)) + 16);
    header->moveSection(header->visualIndex(rate), header->visualIndex(c) + 1);
    rateColumns_[static_cast<size_t>(c)] = rate;
  }
}

void TLiveView::SetUpRateLabels() {
  TEditsPanel *edits = panel_->Edits;
  const KvSNMPVarList &vars = binding_->Request.VarList;
  rateLabels_.assign(static_cast<size_t>(edits->RowCount()), nullptr);
  for (int i = 0; i < edits->RowCount() && i < vars.GetCount(); ++i)
    if (CounterBits(vars.GetItem(i)->Syntax) != 0) rateLabels_[static_cast<size_t>(i)] = edits->AddRateLabel(i);
}

void TLiveView::Stop() {
  stopped_ = true;
  waiting_ = false;
  timer_.stop();
}

bool TLiveView::MayReadNow() const {
  if (!panel_ || !panel_->isVisible() || typed_) return false;
  // An Add or Edit dialog, or a message box, has the binding or the operator's attention.
  const QWidget *modal = QApplication::activeModalWidget();
  return !modal || modal == panel_->window();
}

void TLiveView::Tick() {
  if (stopped_) return;
  const TBaseForm *form = panel_ ? panel_->BaseForm() : nullptr;
  if (!panel_ || !*bindingAlive_ || (form && form->BindingsReleased())) {
    Stop();
    return;
  }
  if (!MayReadNow()) return;
  if (binding_->Busy()) {
    waiting_ = true;
    return;
  }
  StartRead();
}

void TLiveView::StartRead() {
  ++timedReads_;
  if (list_)
    list_->Run([this] { list_->ListRefresh(); });
  else
    panel_->Run([this] { binding_->Refresh(); });
}

void TLiveView::ReadStarted() {
  rates_.BeginRead();
  if (!list_) return;
  QTreeView *view = list_->ListPanel->ListView;
  // The rows go and come back: the list shows the old ones until the new ones are in,
  // rather than an empty list at every tick.
  list_->ListPanel->HoldDrawing(true);
  holdGuard_.start();
  scrollBefore_ = view->verticalScrollBar()->value();
  const QModelIndexList selected = view->selectionModel()->selectedRows();
  selectedKey_ = selected.isEmpty() ? std::string()
                                    : RowKey(*list_->ListPanel->Rows, selected.first().row(),
                                             binding_->Request.VarList.KeyCount);
}

void TLiveView::RowShown() {
  const double now = MonotonicSeconds();
  const KvSNMPVarList &vars = binding_->Request.VarList;
  if (list_) {
    KvListModel *rows = list_->ListPanel->Rows;
    const int row = rows->FilledRows() - 1;
    if (row < 0) return;
    const std::vector<int> &items = binding_->ColumnItems();
    for (size_t c = 0; c < rateColumns_.size() && c < items.size(); ++c) {
      if (rateColumns_[c] < 0 || items[c] >= vars.GetCount()) continue;
      const KvSNMPVarItem &item = *vars.GetItem(items[c]);
      const std::optional<double> rate = rates_.Take(InstanceOf(item), item.Value, item.Syntax, now);
      rows->SetFilledText(row, rateColumns_[c], rate ? FormatRate(*rate) : std::string());
    }
    return;
  }
  for (size_t i = 0; i < rateLabels_.size() && static_cast<int>(i) < vars.GetCount(); ++i) {
    if (!rateLabels_[i]) continue;
    const KvSNMPVarItem &item = *vars.GetItem(static_cast<int>(i));
    const std::optional<double> rate = rates_.Take(InstanceOf(item), item.Value, item.Syntax, now);
    rateLabels_[i]->setText(rate ? ToQt(FormatRate(*rate) + " /s") : QString());
  }
}

void TLiveView::ReadFinished(bool complete) {
  rates_.EndRead(complete);
  holdGuard_.stop();
  if (list_) list_->ListPanel->HoldDrawing(false);
  if (list_ && !selectedKey_.empty()) {
    // The read emptied the list: the row the operator had selected is selected again.
    QTreeView *view = list_->ListPanel->ListView;
    const KvListModel &rows = *list_->ListPanel->Rows;
    const int keys = binding_->Request.VarList.KeyCount;
    for (int r = 0; r < rows.RowCount(); ++r) {
      if (RowKey(rows, r, keys) != selectedKey_) continue;
      view->setCurrentIndex(rows.index(r, 0));
      break;
    }
    selectedKey_.clear();
  }
  if (list_) {
    // The list lays its rows out only when it is drawn again; the scroll range follows then.
    const int scroll = scrollBefore_;
    const auto restore = [this, scroll] {
      if (list_) list_->ListPanel->ListView->verticalScrollBar()->setValue(scroll);
    };
    restore();
    QTimer::singleShot(TListViewPanel::kRepaintIntervalMs + 1, this, restore);
  }
  emit ReadEnded(complete);
  if (!waiting_) return;
  waiting_ = false;
  // The tick that waited starts its read once this answer has been handled.
  QTimer::singleShot(0, this, [this] {
    if (stopped_ || !*bindingAlive_) return;
    if (MayReadNow() && !binding_->Busy()) StartRead();
  });
}
