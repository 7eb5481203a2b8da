#include "list_view_panel.h"

#include "ctrl_btn_panel.h"
#include "kv_controls.h"
#include "kv_snmp_request2_edits.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {
// A list view that can hold back laying out its rows: Qt lays out every row again after
// each one added, which a walk of a long table would pay once per row.
class TRowsListView : public QTreeWidget {
public:
  explicit TRowsListView(QWidget *parent) : QTreeWidget(parent) { SetReportStyle(this); }
  void Hold(bool hold) {
    hold_ = hold;
    if (!hold && pending_) {
      pending_ = false;
      QTreeWidget::doItemsLayout();
    }
  }
  void doItemsLayout() override {
    if (hold_) {
      pending_ = true;
      return;
    }
    QTreeWidget::doItemsLayout();
  }

private:
  bool hold_ = false;
  bool pending_ = false;
};
}  // namespace

TListViewPanel::TListViewPanel(QWidget *parent, KvSNMPRequest2Edits *binding) : QWidget(parent) {
  ListView = new TRowsListView(this);
  binding->BindListView(ListView, false);
  qsizetype characters = 0;
  for (int c = 0; c < ListView->columnCount(); ++c) characters += ListView->headerItem()->text(c).size();
  const int width = std::min<int>(2 * ListView->frameWidth() + 8 * static_cast<int>(characters), kMaxWidth);
  resize(width, kHeight);
  ListView->setGeometry(rect());

  // A long walk adds its rows one by one and lets the window redraw after each; the list
  // is drawn again only every so often, so that the walk is not slowed down by drawing.
  repaint_.setSingleShot(true);
  repaint_.setInterval(kRepaintIntervalMs);
  connect(&repaint_, &QTimer::timeout, this, [this] {
    if (drawingHeld_) return;
    static_cast<TRowsListView *>(ListView)->Hold(false);
    ListView->setUpdatesEnabled(true);
    emit RowsChanged();
  });
  QAbstractItemModel *model = ListView->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, [this] { RowsArrived(); });
  connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
    if (!drawingHeld_) emit RowsChanged();
  });
  connect(model, &QAbstractItemModel::modelReset, this, [this] {
    if (!drawingHeld_) emit RowsChanged();
  });
}

TListViewPanel::~TListViewPanel() {
  // The list's model announces its rows going away while Qt takes the panel down.
  for (QObject *child : findChildren<QObject *>()) QObject::disconnect(child, nullptr, this, nullptr);
}

void TListViewPanel::HoldDrawing(bool hold) {
  if (hold == drawingHeld_) return;
  drawingHeld_ = hold;
  static_cast<TRowsListView *>(ListView)->Hold(hold);
  ListView->setUpdatesEnabled(!hold);
  if (!hold) emit RowsChanged();
}

void TListViewPanel::RowsArrived() {
  if (drawingHeld_ || repaint_.isActive()) return;
  static_cast<TRowsListView *>(ListView)->Hold(true);
  ListView->setUpdatesEnabled(false);
  repaint_.start();
}

void TListViewPanel::resizeEvent(QResizeEvent *) { ListView->setGeometry(rect()); }

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel *buttons) {
  for (QWidget *shown : std::initializer_list<QWidget *>{buttons->SampleLabel, buttons->SampleCount,
                         buttons->RefreshBtn, buttons->EditBtn,
                         buttons->CloseBtn})
    shown->show();
  buttons->EditBtn->setEnabled(false);
  buttons->DeleteBtn->setEnabled(false);
  buttons->SetBtn->hide();
  buttons->CheckAllBtn->hide();
  buttons->ClearChecksBtn->hide();
  buttons->AddBtn->setVisible(AddStatusIndex != -1);
  buttons->DeleteBtn->setVisible(DeleteStatusIndex != -1);
  buttons->ArrangeCtrls();
}
