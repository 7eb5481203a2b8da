#include "list_view_panel.h"

#include "ctrl_btn_panel.h"
#include "kv_controls.h"
#include "kv_snmp_request2_edits.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

TListViewPanel::TListViewPanel(QWidget *parent, KvSNMPRequest2Edits *binding) : QWidget(parent) {
  ListView = MakeListView(this);
  binding->BindListView(ListView, false);
  qsizetype characters = 0;
  for (int c = 0; c < ListView->columnCount(); ++c)
    if (!ListView->isColumnHidden(c)) characters += ListView->headerItem()->text(c).size();
  const int width = std::min<int>(2 * ListView->frameWidth() + 8 * static_cast<int>(characters), kMaxWidth);
  resize(width, kHeight);
  ListView->setGeometry(rect());
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
