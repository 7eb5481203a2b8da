#include "dot3_stats_form.h"

#include "window_layout.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

Tdot3StatsForm::Tdot3StatsForm(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  resize(544, 375);
  QHBoxLayout *row = MakeWindowRow(this, StatusBar1);
  row->setContentsMargins(8, 8, 0, 4);
  LV_Dot3Stats = MakeGridListView(this, "LV_Dot3Stats");
  row->addWidget(LV_Dot3Stats, 1);
  BT_Get = AddButton(AddButtonColumn(row, 94), "Refresh", "BT_Get");

  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  FormCreate(addressText);
}

void Tdot3StatsForm::FormCreate(const std::string &addressText) {
  SetCaption("Statistics Table : " + addressText);
  Guarded(nullptr, [this] {
    Binding = NewEditsBinding();
    Binding->Request.VarList = KvSNMPVarList(Dot3StatsDefs, MVT_FMV, 1);
    Binding->BindListView(LV_Dot3Stats, true);
    Binding->SetStatusOutput(StatusBar1, 0);
    Binding->Refresh();
  });
}

void Tdot3StatsForm::BT_GetClick() {
  if (Binding) Guarded(Binding, [this] { Binding->Refresh(); });
}

void OpenDot3StatsForm(QWidget *owner, const std::string &addressText) {
  ShowFeatureWindow<Tdot3StatsForm>(owner, addressText);
}
