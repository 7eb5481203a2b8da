#include "last_change_form.h"

#include "window_layout.h"
#include "kv_mib_interfaces_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TLastChangeForm::TLastChangeForm(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  resize(419, 137);
  QHBoxLayout *row = MakeWindowRow(this, StatusBar1);
  auto *grid = new QGridLayout;
  grid->setContentsMargins(12, 12, 4, 8);
  ST_IFTable = AddStaticField(grid, 0, "IF Table Last Change", "ST_IFTable");
  ST_IFStack = AddStaticField(grid, 1, "IF Stack Last Change", "ST_IFStack");
  grid->setRowStretch(2, 1);
  row->addLayout(grid, 1);
  BT_Get = AddButton(AddButtonColumn(row, 94), "Refresh", "BT_Get");

  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  FormCreate(addressText);
}

void TLastChangeForm::FormCreate(const std::string &addressText) {
  SetCaption("General Information : " + addressText);
  try {
    Binding = NewEditsBinding();
    Binding->Request.VarList = KvSNMPVarList(IfLastChangeDefs, SVT_SV, 0);
    Binding->Associate(0, ST_IFTable);
    Binding->Associate(1, ST_IFStack);
    Binding->SetStatusOutput(StatusBar1, 0);
    Binding->Refresh();
  } catch (const std::exception &e) {
    StatusBar1->SetPanelText(0, e.what());
  }
}

void TLastChangeForm::BT_GetClick() {
  if (!Binding) return;
  try {
    Binding->Refresh();
  } catch (const std::exception &e) {
    StatusBar1->SetPanelText(0, e.what());
  }
}

void OpenLastChangeForm(QWidget *owner, const std::string &addressText) {
  ShowFeatureWindow<TLastChangeForm>(owner, addressText);
}
