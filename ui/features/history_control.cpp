#include "history_control.h"

#include "history_form.h"
#include "kv_message_box.h"
#include "kv_mib_rmon_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "kv_write_scope.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
enum Item { IndexItem = 0, SourceItem, BucketsItem, IntervalItem, OwnerItem, StatusItem };
enum StatusEntry { Valid = 0, CreateRequest = 1, UnderCreation = 2 };
constexpr char kIfIndexOid[] = "1.3.6.1.2.1.2.2.1.1.";
constexpr int kMaxPortDigits = 9;

bool IsColumn(int i) { return i >= SourceItem && i <= OwnerItem; }

// "0", or digits only (not empty, and short enough to be a number).
bool IsPortNumber(const std::string &text) {
  if (text == "0") return true;
  if (text.empty() || text.size() > kMaxPortDigits) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}
}  // namespace

THistory_control::THistory_control(THistoryForm *form) : TBaseForm(form), form_(form) {
  SetCaption("Control Table");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  auto *outer = new QVBoxLayout(this);
  GroupBox1 = new QGroupBox(form->AddMode ? "Add" : "Modify", this);
  outer->addWidget(GroupBox1);
  auto *grid = new QGridLayout(GroupBox1);
  auto row = [&](int r, const char *caption, QLineEdit *&edit, QWidget *prefix = nullptr) {
    grid->addWidget(new QLabel(caption, GroupBox1), r, 0);
    edit = new QLineEdit(GroupBox1);
    if (prefix) {
      auto *pair = new QHBoxLayout;
      pair->addWidget(prefix);
      pair->addWidget(edit, 1);
      grid->addLayout(pair, r, 1);
    } else {
      grid->addWidget(edit, r, 1);
    }
  };
  row(0, "Index(1...65535)", ED_Index);
  row(1, "Data Source ", ED_Datatsource, new QLabel("IfIndex.", GroupBox1));
  row(2, "Buckets(1...65535)", ED_Buckets);
  row(3, "Interval(1..3600)", ED_Interval);
  row(4, "Owner", ED_Owner);
  CB_Status = new QComboBox(this);
  CB_Status->setVisible(false);
  ED_Sub = new QLineEdit(this);
  ED_Sub->setVisible(false);
  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BT_Set = new QPushButton("OK", this));
  buttons->addWidget(Button2 = new QPushButton("Cancel", this));
  outer->addLayout(buttons);
  StatusBar1 = new KvStatusBar(this);
  StatusBar1->AddPanel(0);
  outer->addWidget(StatusBar1);
  BT_Set->setAutoDefault(false);
  Button2->setAutoDefault(false);

  Binding = NewEditsBinding();
  Binding->Request.VarList = KvSNMPVarList(HistoryDialogDefs, MVT_SV, 0);
  Binding->Request.Settings.Timing.Timeout = 300;  // 3 s
  Binding->Request.Settings.Timing.Retries = 2;
  Binding->AssociateFormat(IndexItem, "%u", {ED_Index});
  Binding->Associate(SourceItem, ED_Sub);  // the whole OID, as text
  Binding->AssociateFormat(BucketsItem, "%u", {ED_Buckets});
  Binding->AssociateFormat(IntervalItem, "%u", {ED_Interval});
  Binding->AssociateFormat(OwnerItem, "%s", {ED_Owner});
  Binding->AssociateComboBox(StatusItem, CB_Status);
  Binding->RequestMode = KvSNMPRequest2Controls::Blocking;
  Binding->SetStatusOutput(StatusBar1, 0);
  if (!form->AddMode) {
    ED_Index->setEnabled(false);
    ED_Datatsource->setText(QString::number(form->DataSourcePort));
    const std::string index = form->ED_Index->text().toStdString();
    Binding->Request.VarList.AppendOidSuffix(index);
    Binding->Request.VarList.GetItem(IndexItem)->Value = index;  // not readable: the Get leaves it
    Guarded(Binding, [this] { Binding->Refresh(); });
  }
  Handle(BT_Set, &QPushButton::clicked, nullptr, [this] { BT_SetClick(); });
  Handle(Button2, &QPushButton::clicked, nullptr, [this] { close(); });
  adjustSize();
  if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
}

void THistory_control::BT_SetClick() {
  const std::string source = ED_Datatsource->text().toStdString();
  if (!IsPortNumber(source)) {
    Platform::ShowMessageBox(this, "DataSource must be integer!!", "", Platform::MsgButtons::Ok);
    return;
  }
  if (form_->AddMode) {  // a fresh list: an earlier try's suffix does not stay on it
    Binding->Request.VarList = KvSNMPVarList(HistoryDialogDefs, MVT_SV, 0);
    Binding->Request.VarList.AppendOidSuffix(ED_Index->text().toStdString());
  }
  bool written = false;
  Guarded(Binding, [&] {
    {
      CB_Status->setCurrentIndex(form_->AddMode ? CreateRequest : UnderCreation);
      KvWriteScope write(*Binding);
      write.LeaveOutWhere(IsColumn);
      write.Apply(false, true);
    }
    ED_Sub->setText(kIfIndexOid + QString::number(std::stoi(source)));
    {
      KvWriteScope write(*Binding);
      write.LeaveOut(StatusItem);
      write.Apply(false, true);
    }
    {
      CB_Status->setCurrentIndex(Valid);
      KvWriteScope write(*Binding);
      write.LeaveOutWhere(IsColumn);
      write.Apply(false, true);
    }
    written = true;
  });
  if (!written) return;  // the failure is in the status bar; the dialog stays open
  form_->Guarded(form_->ControlBinding, [this] { form_->BT_RefreshClick(); });
  close();
}

void THistory_control::Report(KvSNMPRequest2Controls *, const std::string &message) {
  StatusBar1->SetPanelText(0, message);
}
