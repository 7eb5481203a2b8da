#include "list_view_panel.h"

#include "ctrl_btn_panel.h"
#include "kv_controls.h"
#include "kv_list_model.h"
#include "kv_snmp_request2_edits.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>

static_assert(TListViewPanel::kRepaintIntervalMs == KvListModel::kBatchMs);

TListViewPanel::TListViewPanel(QWidget *parent, KvSNMPRequest2Edits *binding) : QWidget(parent) {
  ListView = new QTreeView(this);
  Rows = new KvListModel(ListView);
  binding->BindListView(ListView, Rows, false);
  qsizetype characters = 0;
  for (int c = 0; c < Rows->ColumnCount(); ++c) characters += ToQt(Rows->Caption(c)).size();
  const int width = std::min<int>(2 * ListView->frameWidth() + 8 * static_cast<int>(characters), kMaxWidth);
  resize(width, kHeight);
  ListView->setGeometry(rect());

  connect(Rows, &QAbstractItemModel::rowsInserted, this, [this] {
    if (!drawingHeld_) emit RowsChanged();
  });
  connect(Rows, &QAbstractItemModel::rowsRemoved, this, [this] {
    if (!drawingHeld_) emit RowsChanged();
  });
  connect(Rows, &QAbstractItemModel::modelReset, this, [this] {
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
  Rows->Hold(hold);
  if (!hold) emit RowsChanged();
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
