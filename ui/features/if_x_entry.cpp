#include "if_x_entry.h"

#include "window_layout.h"
#include "kv_messages.h"
#include "kv_mib_interfaces_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <functional>

// The three writes of one "Set" are answered one by one. The table is read again once,
// after the last answer, when all of them succeeded; a refusal stays in the status bar
// (the later successes do not write over it) until the user starts something new.
class TifXEntry::Binding : public KvSNMPRequest2Edits {
public:
  Binding(QWidget *owner, KvStatusBar *bar) : KvSNMPRequest2Edits(owner), bar_(bar) { Attach(); }

  void Attach() { SetStatusOutput(bar_, 0); }
  void StartWrites() {
    Attach();
    refused_ = false;
    refreshWanted_ = false;
  }
  void WantRefresh(bool wanted) { refreshWanted_ = wanted; }

  void AfterApply() override { RefreshAfterSet = refreshWanted_ && !refused_ && Request.PendingCount() == 0; }
  void ApplyFailed(const KvSNMPError &error) override {
    refused_ = true;
    KvSNMPRequest2Edits::ApplyFailed(error);
    SetStatusOutput(static_cast<KvStatusBar *>(nullptr));
  }

protected:
  void ReportFailure(const std::string &message) override {
    if (HasStatusOutput() || !bar_)
      KvSNMPRequest2Edits::ReportFailure(message);
    else
      bar_->SetPanelText(0, FormatRequestLog(LastOperation, Request.VarList.Name, message));
  }

private:
  QPointer<KvStatusBar> bar_;
  bool refused_ = false;
  bool refreshWanted_ = false;
};

namespace {
const char *const kTrapEnable = "LinkUpDownTrapEnable";
const char *const kPromiscuousMode = "PromiscuousMode";
const char *const kAlias = "Alias";

void SetWritable(KvSNMPVarItem *item, bool writable) {
  if (item) item->Access = (item->Access & ~Access::ReadWrite) | (writable ? Access::ReadWrite : Access::ReadOnly);
}
}  // namespace

TifXEntry::TifXEntry(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  resize(537, 412);
  QHBoxLayout *row = MakeWindowRow(this, StatusBar1);
  auto *left = new QVBoxLayout;
  left->setContentsMargins(8, 8, 0, 4);
  LV_IFX = MakeGridListView(this, "LV_IFX");
  left->addWidget(LV_IFX, 1);
  auto *strip = new QWidget;
  strip->setFixedHeight(70);
  auto *grid = new QGridLayout(strip);
  grid->setContentsMargins(0, 4, 0, 4);
  Combo_UpDownTrap = AddComboField(grid, 0, "LinkUp/LinkDown Trap", "Combo_UpDownTrap");
  CK_PromiscuousMode = Named(new QCheckBox("Promiscuous Mode"), "CK_PromiscuousMode");
  grid->addWidget(CK_PromiscuousMode, 1, 1);
  ED_Alias = Named(new QLineEdit, "ED_Alias");
  LB_Alias = AddLabelled(grid, 2, "Alias", ED_Alias);
  LB_Alias->setVisible(false);
  ED_Alias->setVisible(false);
  grid->setColumnStretch(2, 1);
  left->addWidget(strip);
  row->addLayout(left, 1);
  QVBoxLayout *buttons = AddButtonColumn(row, 94);
  BT_Get = AddButton(buttons, "Refresh", "BT_Get");
  BT_Set = AddButton(buttons, "Set", "BT_Set");
  if (QScreen *screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  Handle(BT_Get, &QPushButton::clicked, nullptr, [this] { BT_GetClick(); });
  Handle(BT_Set, &QPushButton::clicked, nullptr, [this] { BT_SetClick(); });
  FormCreate(addressText);
}

void TifXEntry::FormCreate(const std::string &addressText) {
  SetCaption("ifX Table : " + addressText);
  try {
    binding_ = AddBinding(std::make_unique<Binding>(this, StatusBar1));
    IfXBinding = binding_;
    IfXBinding->Request.VarList = KvSNMPVarList(IfXDefs, MVT_UMV, 1);
    IfXBinding->BindListView(LV_IFX, true);
    IfXBinding->AssociateComboBox(14, Combo_UpDownTrap);
    IfXBinding->Associate(16, CK_PromiscuousMode);
    IfXBinding->AssociateFormat(18, "%s", {ED_Alias});
    IfXBinding->Refresh();
  } catch (const std::exception &e) {
    ShowPlain(e.what());
  }
}

void TifXEntry::BT_GetClick() {
  if (!IfXBinding) return;
  try {
    binding_->Attach();
    IfXBinding->Refresh();
  } catch (const std::exception &e) {
    ShowPlain(e.what());
  }
}

// Each write carries one of the three columns: the other two are made read-only for it.
// Whatever happens, all three are writable again afterwards. A request gives its list
// back as it was, item records included, so the items are found by name every time.
void TifXEntry::BT_SetClick() {
  if (!IfXBinding) return;
  static const std::array<const char *, 3> kColumns = {kTrapEnable, kPromiscuousMode, kAlias};
  auto writeOnly = [this](const char *column) {
    for (const char *name : kColumns)
      SetWritable(IfXBinding->Request.VarList.FindByName(name), column == nullptr || column == name);
  };
  struct AllWritableAgain {
    std::function<void(const char *)> writeOnly;
    ~AllWritableAgain() { writeOnly(nullptr); }
  } restore{writeOnly};

  binding_->StartWrites();
  try {
    for (const char *column : kColumns) {
      writeOnly(column);
      const bool last = column == kColumns.back();
      binding_->WantRefresh(last);
      IfXBinding->Apply(last, true);
    }
  } catch (const std::exception &e) {
    binding_->WantRefresh(false);
    ShowPlain(e.what());
  }
}

void TifXEntry::ShowPlain(const std::string &text) { StatusBar1->SetPanelText(0, text); }

void OpenIfXEntry(QWidget *owner, const std::string &addressText) {
  ShowFeatureWindow<TifXEntry>(owner, addressText);
}
