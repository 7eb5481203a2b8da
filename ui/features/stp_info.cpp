#include "stp_info.h"

#include "window_layout.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {
// The text as an integer; anything else is refused as the conversion would.
int ToInt(const QLineEdit *edit) {
  bool ok = false;
  const int value = edit->text().trimmed().toInt(&ok);
  if (!ok) throw std::invalid_argument("'" + edit->text().toStdString() + "' is not a valid integer value");
  return value;
}
}  // namespace

TSTP_Info::TSTP_Info(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  setSizeGripEnabled(false);
  QHBoxLayout *row = MakeWindowRow(this, StatusBar1);
  auto *grid = new QGridLayout;
  grid->setContentsMargins(12, 12, 4, 8);
  Combo_STPVersion = AddComboField(grid, 0, "STP Version", "Combo_STPVersion");
  ET_Priority = AddEditField(grid, 1, "Priority (0-61440)", "ET_Priority");
  ET_AgingTime = AddEditField(grid, 2, "Max Age (600-4000)", "ET_AgingTime");
  ET_HelloTime = AddEditField(grid, 3, "Hello Time(100-1000)", "ET_HelloTime");
  ET_ForwardDelay = AddEditField(grid, 4, "Forward Delay(400-3000)", "ET_ForwardDelay");
  ED_TxHoldCount = AddEditField(grid, 5, "TX Hold Count (1-10)", "ED_TxHoldCount");
  grid->addWidget(new QLabel("Max Age>= 2*(Hello Time + 100)"), 6, 0, 1, 2);
  grid->addWidget(new QLabel("Notes : 2*(Forward Delay - 100) >= Max Age"), 7, 0, 1, 2);
  row->addLayout(grid, 1);
  QVBoxLayout *buttons = AddButtonColumn(row, 94);
  BT_Get = AddButton(buttons, "Refresh", "BT_Get");
  BT_Set = AddButton(buttons, "Set", "BT_Set");
  StatusBar1->setSizeGripEnabled(false);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  Handle(BT_Set, &QPushButton::clicked, nullptr, [this] { BT_SetClick(); });
  FormCreate(addressText);
}

void TSTP_Info::FormCreate(const std::string &addressText) {
  SetCaption("Spanning Tree Control : " + addressText);
  Guarded(nullptr, [this] {
    Binding = NewEditsBinding();
    Binding->Request.VarList = KvSNMPVarList(StpBridgeDefs, SVT_SV, 0);
    Binding->Request.Settings.Timing.Timeout = kTimeout;
    Binding->AssociateComboBox(0, Combo_STPVersion);
    Binding->AssociateFormat(1, "%i{n0x61440l5a}", {ET_Priority});
    Binding->AssociateFormat(2, "%i{n600x4000l4a}", {ET_AgingTime});
    Binding->AssociateFormat(3, "%i{n100x1000l4a}", {ET_HelloTime});
    Binding->AssociateFormat(4, "%i{n400x3000l4a}", {ET_ForwardDelay});
    Binding->AssociateFormat(5, "%i{n1x10l2a}", {ED_TxHoldCount});
    Binding->SetStatusOutput(StatusBar1, 0);
  });
  BT_GetClick();
}

void TSTP_Info::BT_GetClick() {
  if (Binding) Guarded(Binding, [this] { Binding->Refresh(); });
}

void TSTP_Info::BT_SetClick() {
  if (!Binding) return;
  Guarded(Binding, [this] {
    for (const QLineEdit *edit : {ET_Priority, ET_AgingTime, ET_HelloTime, ET_ForwardDelay})
      if (edit->text().isEmpty()) return ShowPlain(kEmptyField);
    const int p = ToInt(ET_Priority), m = ToInt(ET_AgingTime), h = ToInt(ET_HelloTime), f = ToInt(ET_ForwardDelay);
    if (2 * f - 200 < m || m < 2 * h + 200) return ShowPlain(kDataError);
    if (p >= 65536) return ShowPlain(kPriorityWrong);
    Binding->Apply(false, true);
  });
}

void TSTP_Info::ShowPlain(const char *text) { StatusBar1->SetPanelText(0, text); }

void OpenSpanningTreeInformation(QWidget *owner, const std::string &runtimeVersion, const std::string &addressText,
                                 const std::function<void(const std::string &)> &launchModule) {
  if (runtimeVersion == "Build 2.03")
    ShowFeatureWindow<TSTP_Info>(owner, addressText);
  else if (launchModule)
    launchModule("/TBridge_STPInfo");
}
