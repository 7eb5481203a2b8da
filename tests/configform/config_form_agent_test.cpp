// The generic configuration window against the simulated switch: scalar groups in edit
// rows, tables in a list view with the Add, Edit and Delete dialogs, pages, and what
// went on the wire for each, read from the simulator's request log.

#include "config_form.h"
#include "config_form_fixture.h"
#include "dialog_script.h"
#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "kv_controls.h"
#include "kv_list_model.h"
#include "kv_message_box.h"
#include "kv_mib_aac_set.h"
#include "kv_mib_core_set.h"
#include "kv_mib_sim_set.h"
#include "kv_mib_snmpv3_set.h"
#include "kv_snmp_request2_edits.h"
#include "list_view_panel.h"
#include "msg_panel.h"
#include "snmp_list_view_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace configform_test;
using Platform::MsgResult;
using Platform::ScriptedMessageBoxes;

namespace {
constexpr char kDevCtrl[] = "1.3.6.1.4.1.171.11.43.2.2.1.2";
constexpr char kSimCtrl[] = "1.3.6.1.4.1.171.12.8.1.2";
constexpr char kIgmpCtrl[] = "1.3.6.1.4.1.171.11.43.2.2.11.3.1";
constexpr char kServerGroup[] = "1.3.6.1.4.1.171.12.5.4.1";

std::unique_ptr<KvSNMPRequest2Edits> MakeBinding(QWidget *form, const KvSNMPVarDef *defs, unsigned char type,
                                                 int keys) {
  auto binding = std::make_unique<KvSNMPRequest2Edits>(form);
  binding->Request.VarList = KvSNMPVarList(defs, type, keys);
  return binding;
}

// Shows the window as the menu would (without a modal loop of its own) and waits until
// its first read has ended.
bool ShowAndRead(TConfigForm &form) {
  form.show();
  return RunUntil([&] { return form.Current && !form.Current->Busy(); });
}

bool WaitIdle(const KvSNMPRequest2Controls *binding) {
  return RunUntil([&] { return !binding->Busy(); });
}

std::string LastLine(const QPlainTextEdit *memo) { return FromQt(memo->toPlainText().split('\n').last()); }

QLineEdit *EditOf(TEditsPanel *edits, int row) {
  return qobject_cast<QLineEdit *>(edits->Rows[static_cast<size_t>(row)].EditCtrl);
}
QComboBox *ComboOf(TEditsPanel *edits, int row) {
  return qobject_cast<QComboBox *>(edits->Rows[static_cast<size_t>(row)].EditCtrl);
}
// The first row of the list whose first column reads `text`, -1 for none.
int RowWith(const KvListModel &rows, const std::string &text) {
  for (int r = 0; r < rows.RowCount(); ++r)
    if (rows.Text(r, 0) == text) return r;
  return -1;
}

void Select(TSNMPListViewPanel *panel, int row) {
  panel->ListPanel->ListView->setCurrentIndex(panel->ListPanel->Rows->index(row, 0));
}

QStringList Entries(const QComboBox *box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
  return entries;
}

TCtrlBtnPanel *ButtonsOf(QDialog *dialog) { return dialog->findChild<TCtrlBtnPanel *>(); }

class ConfigFormAgent : public SimulatedSwitch {};
}  // namespace

TEST_F(ConfigFormAgent, ScalarGroupSetsExactlyTheCheckedRowsAndRefusesEmptyOnes) {
  TConfigForm form;
  form.SetCaptionFor("Device Control");
  TSNMPEditorPanel *panel = form.SetEditorPanel(MakeBinding(&form, DevCtrlDefs, SVT_SV, 0));
  TEditsPanel *edits = panel->Edits;
  TCtrlBtnPanel *buttons = panel->Buttons;
  EXPECT_THROW(form.SetListViewPanel(MakeBinding(&form, IgmpCtrlDefs, MVT_FMV, 1), -1, "", -1, ""),
               std::runtime_error);
  try {
    form.SetEditorPanel(MakeBinding(&form, DevCtrlDefs, SVT_SV, 0));
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "Can not change Type of a Config Form!");
  }
  try {
    form.AddEditorPage("x", MakeBinding(&form, DevCtrlDefs, SVT_SV, 0));
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "Can not add editor page to a none-page pannel!");
  }
  ASSERT_EQ(form.Bindings.size(), 1u);
  ASSERT_TRUE(ShowAndRead(form));

  // The window read the group once shown; nine editable rows, nothing checked.
  EXPECT_EQ(ComboOf(edits, 0)->currentText(), "enabled");
  EXPECT_EQ(EditOf(edits, 8)->text(), "1");
  EXPECT_EQ(LastLine(panel->MsgPanel->Memo).rfind("Get: (KvSNMP++) Ok!. Receive at ", 0), 0u);
  EXPECT_EQ(buttons->SetBtn->text(), "Set Checked");
  EXPECT_FALSE(buttons->SetBtn->isEnabled());
  for (QWidget *hidden : {static_cast<QWidget *>(buttons->EditBtn), static_cast<QWidget *>(buttons->AddBtn),
                          static_cast<QWidget *>(buttons->DeleteBtn), static_cast<QWidget *>(buttons->SampleCount)})
    EXPECT_TRUE(hidden->isHidden());
  buttons->CheckAllBtn->click();
  EXPECT_TRUE(buttons->SetBtn->isEnabled());
  buttons->ClearChecksBtn->click();
  EXPECT_FALSE(buttons->SetBtn->isEnabled());

  edits->Rows[1].CheckBox->click();
  edits->Rows[8].CheckBox->click();
  EXPECT_TRUE(buttons->SetBtn->isEnabled());
  ComboOf(edits, 1)->setCurrentText("enabled");
  EditOf(edits, 8)->setText("12");
  EditOf(edits, 4)->clear();  // unchecked: neither sent nor "empty"
  size_t from = LogSize();
  buttons->SetBtn->click();
  std::vector<std::string> sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Count(sets[0], "\"oid\""), 2u) << sets[0];
  EXPECT_NE(sets[0].find(std::string(kDevCtrl) + ".2.0\",\"type\":\"INTEGER\",\"value\":\"3\""), std::string::npos);
  EXPECT_NE(sets[0].find(std::string(kDevCtrl) + ".9.0\",\"type\":\"INTEGER\",\"value\":\"12\""), std::string::npos);
  EXPECT_EQ(LastLine(panel->MsgPanel->Memo).rfind("Set: (KvSNMP++) Ok!", 0), 0u);
  EXPECT_EQ(form.Current->RequestMode, KvSNMPRequest2Controls::Asynchronous);
  for (int i = 0; i < form.Current->Request.VarList.GetCount(); ++i)
    EXPECT_EQ(form.Current->Request.VarList.GetItem(i)->Access & Access::Invalid, 0u);

  // A checked row left empty: a warning and nothing sent.
  ScriptedMessageBoxes boxes;
  edits->Rows[4].CheckBox->click();
  from = LogSize();
  buttons->SetBtn->click();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Some items are empty!");
  EXPECT_EQ(boxes.Shown()[0].Caption, "Warning");
  EXPECT_TRUE(SetsSince(from).empty());

  // Wider than 800 pixels of content: the client area stops at 800 x 550.
  panel->SetEditWidth(900);
  EXPECT_GT(panel->width(), 800);
  EXPECT_EQ(form.width(), 800);
  EXPECT_LE(form.height(), 550);
}

TEST_F(ConfigFormAgent, SingleWritableRowReadOnlyGroupAndRangeCheckedRow) {
  {  // One writable row: a "Set" that is enabled from the start and no check boxes.
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorPanel(MakeBinding(&form, AacCtrlDefs, SVT_SV, 0));
    ASSERT_TRUE(ShowAndRead(form));
    EXPECT_EQ(panel->Buttons->SetBtn->text(), "Set");
    EXPECT_TRUE(panel->Buttons->SetBtn->isEnabled());
    EXPECT_TRUE(panel->Buttons->CheckAllBtn->isHidden());
    EXPECT_TRUE(panel->Edits->Rows[0].CheckBox->isHidden());
    const size_t from = LogSize();
    panel->Buttons->SetBtn->click();
    ASSERT_EQ(SetsSince(from).size(), 1u);
    EXPECT_EQ(Count(SetsSince(from)[0], "\"oid\""), 1u);
  }
  {  // Only read-only rows: Refresh and Close.
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorPanel(MakeBinding(&form, SimInfoDefs, SVT_SV, 0));
    ASSERT_TRUE(ShowAndRead(form));
    TCtrlBtnPanel *b = panel->Buttons;
    std::vector<QWidget *> shown;
    for (QWidget *ctrl : b->Ctrls)
      if (!ctrl->isHidden()) shown.push_back(ctrl);
    EXPECT_EQ(shown, (std::vector<QWidget *>{b->RefreshBtn, b->CloseBtn}));
    EXPECT_EQ(b->CloseBtn->y(), b->RefreshBtn->y() + b->RefreshBtn->height() + TCtrlBtnPanel::kGap);
    EXPECT_TRUE(EditOf(panel->Edits, 0)->isReadOnly());
    EXPECT_EQ(EditOf(panel->Edits, 0)->text(), "1.61");
    EXPECT_TRUE(panel->Edits->Rows[0].CheckBox->isHidden());
  }
  {  // The hold time must lie in 100..255 before anything is sent.
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorPanel(MakeBinding(&form, SimCtrlDefs, SVT_SV, 0));
    panel->Edits->RangeCheckOn = true;
    panel->Edits->SetRangeCheck("swSingleIPHoldtime", 2, 100, 255);
    ASSERT_TRUE(ShowAndRead(form));
    ScriptedMessageBoxes boxes;
    panel->Edits->Rows[2].CheckBox->click();
    EditOf(panel->Edits, 2)->setText("300");
    size_t from = LogSize();
    panel->Buttons->SetBtn->click();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, "swSingleIPHoldtime must be between 100 and 255!");
    EXPECT_EQ(boxes.Shown()[0].Caption, "Error");
    EXPECT_TRUE(SetsSince(from).empty());

    // Unchecked, the row is not sent and not checked; the checked one goes alone.
    panel->Edits->Rows[2].CheckBox->click();
    panel->Edits->Rows[3].CheckBox->click();
    EditOf(panel->Edits, 3)->setText("45");
    panel->Buttons->SetBtn->click();
    const std::vector<std::string> sets = SetsSince(from);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Count(sets[0], "\"oid\""), 1u);
    EXPECT_NE(sets[0].find(std::string(kSimCtrl) + ".4.0\",\"type\":\"INTEGER\",\"value\":\"45\""), std::string::npos);
    EXPECT_EQ(boxes.Shown().size(), 1u);
  }
}

TEST_F(ConfigFormAgent, TableWithoutRowStatusEditsTheSelectedRowsCheckedColumns) {
  TConfigForm form;
  form.SetCaptionFor("IGMP Control Table");
  TSNMPListViewPanel *panel = form.SetListViewPanel(MakeBinding(&form, IgmpCtrlDefs, MVT_FMV, 1), -1, "", -1, "");
  TCtrlBtnPanel *b = panel->Buttons;
  const KvListModel &list = *panel->ListPanel->Rows;
  EXPECT_TRUE(b->AddBtn->isHidden());
  EXPECT_TRUE(b->DeleteBtn->isHidden());
  EXPECT_FALSE(b->EditBtn->isHidden());
  EXPECT_TRUE(b->SetBtn->isHidden());
  ASSERT_TRUE(ShowAndRead(form));
  ASSERT_EQ(list.RowCount(), 3);
  EXPECT_TRUE(RunUntil([&] { return b->SampleCount->text() == "3"; }, 2000)) << FromQt(b->SampleCount->text());
  EXPECT_FALSE(b->EditBtn->isEnabled());

  Select(panel, 1);  // VLAN 10
  EXPECT_TRUE(b->EditBtn->isEnabled());
  const std::string hint = ListRowHint(panel->ListPanel->ListView, 1);
  EXPECT_EQ(hint.substr(0, hint.find('\n') + 1),
            "swL2IGMPCtrlVid" + std::string(std::string("swL2IGMPLastMemberQueryInterval").size() - 15, '\t') +
                "  10\n");

  const size_t from = LogSize();
  std::string caption;
  bool keyReadOnly = false, setDisabledAtStart = false;
  OnNextDialog([&](QDialog *dialog) {
    caption = FromQt(dialog->windowTitle());
    keyReadOnly = EditOf(panel->Edits, 0)->isReadOnly() && panel->Edits->Rows[0].CheckBox->isHidden();
    setDisabledAtStart = !ButtonsOf(dialog)->SetBtn->isEnabled();
    EXPECT_EQ(panel->Edits->EditWidth, 200);
    panel->Edits->Rows[1].CheckBox->click();
    EditOf(panel->Edits, 1)->setText("200");
    ButtonsOf(dialog)->SetBtn->click();  // sends and closes the dialog
  });
  b->EditBtn->click();
  EXPECT_EQ(caption, "IGMP Control Table : 127.0.0.1");
  EXPECT_TRUE(keyReadOnly);
  EXPECT_TRUE(setDisabledAtStart);
  const std::vector<std::string> sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Count(sets[0], "\"oid\""), 1u) << sets[0];
  EXPECT_NE(sets[0].find(std::string(kIgmpCtrl) + ".2.10\",\"type\":\"INTEGER\",\"value\":\"200\""), std::string::npos);
  ASSERT_TRUE(WaitIdle(form.Current));
  ASSERT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.Text(1, 1), "200");
  EXPECT_TRUE(panel->Edits->isHidden());

  // A table of keys and read-only columns only: no Edit either.
  TConfigForm infoForm;
  TSNMPListViewPanel *info = infoForm.SetListViewPanel(MakeBinding(&infoForm, IgmpInfoDefs, MVT_FMV, 2), -1, "", -1, "");
  EXPECT_TRUE(info->Buttons->EditBtn->isHidden());
  EXPECT_FALSE(info->Buttons->RefreshBtn->isHidden());
}

TEST_F(ConfigFormAgent, TableWithRowStatusAddsEditsAndDeletesRowsAndShowsRefusals) {
  TConfigForm form;
  form.SetCaptionFor("AAC Server Group Table");
  TSNMPListViewPanel *panel =
      form.SetListViewPanel(MakeBinding(&form, AacServerGroupDefs, MVT_UMV, 2), 4, "createAndGo", 4, "destroy");
  TEditsPanel *edits = panel->Edits;
  TCtrlBtnPanel *b = panel->Buttons;
  const KvListModel &list = *panel->ListPanel->Rows;
  EXPECT_FALSE(b->AddBtn->isHidden());
  EXPECT_FALSE(b->DeleteBtn->isHidden());
  EXPECT_FALSE(b->DeleteBtn->isEnabled());
  try {
    panel->SetAddStatus(4, "createAndWait");
    ADD_FAILURE();
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait");
  }
  try {
    panel->SetDeleteStatus(3, "destroy");
    ADD_FAILURE();
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy");
  }
  ScriptedMessageBoxes unexpected;
  ASSERT_TRUE(ShowAndRead(form));
  ASSERT_EQ(list.RowCount(), 1);
  const QStringList statuses = Entries(ComboOf(edits, 4));

  // Add: the keys are typed in, the status is createAndGo and cannot be changed.
  size_t from = LogSize();
  OnNextDialog([&](QDialog *dialog) {
    EXPECT_EQ(FromQt(dialog->windowTitle()), "AAC Server Group Table : 127.0.0.1 (Add)");
    EXPECT_FALSE(EditOf(edits, 0)->isReadOnly());
    EXPECT_TRUE(edits->Rows[0].CheckBox->isChecked());
    EXPECT_FALSE(edits->Rows[0].CheckBox->isEnabled());
    EXPECT_FALSE(ComboOf(edits, 4)->isEnabled());
    EXPECT_EQ(ComboOf(edits, 4)->currentText(), "createAndGo");
    EXPECT_TRUE(ButtonsOf(dialog)->RefreshBtn->isHidden());
    EditOf(edits, 0)->setText("radius");
    EditOf(edits, 1)->setText("2");
    EditOf(edits, 2)->setText("10.1.1.1");
    edits->Rows[2].CheckBox->click();
    ButtonsOf(dialog)->SetBtn->click();
  });
  b->AddBtn->click();
  std::vector<std::string> sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  const std::string row = ".6.114.97.100.105.117.115.2";
  EXPECT_EQ(Count(sets[0], "\"oid\""), 2u) << sets[0];
  EXPECT_NE(sets[0].find(kServerGroup + std::string(".3") + row + "\",\"type\":\"IPADDRESS\",\"value\":\"10.1.1.1\""),
            std::string::npos) << sets[0];
  EXPECT_NE(sets[0].find(kServerGroup + std::string(".5") + row + "\",\"type\":\"INTEGER\",\"value\":\"4\""),
            std::string::npos) << sets[0];
  ASSERT_TRUE(WaitIdle(form.Current));
  ASSERT_EQ(list.RowCount(), 2);

  // Edit: createAndGo and destroy are not offered; afterwards the entries are as before.
  const int added = RowWith(list, "radius");
  ASSERT_GE(added, 0);
  Select(panel, added);
  QStringList offered;
  from = LogSize();
  OnNextDialog([&](QDialog *dialog) {
    offered = Entries(ComboOf(edits, 4));
    edits->Rows[2].CheckBox->click();
    EditOf(edits, 2)->setText("10.1.1.2");
    ButtonsOf(dialog)->SetBtn->click();
  });
  b->EditBtn->click();
  EXPECT_EQ(offered, (QStringList{"active", "notInService"}));
  EXPECT_EQ(Entries(ComboOf(edits, 4)), statuses);
  sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Count(sets[0], "\"oid\""), 1u) << sets[0];
  EXPECT_NE(sets[0].find(kServerGroup + std::string(".3") + row + "\",\"type\":\"IPADDRESS\",\"value\":\"10.1.1.2\""),
            std::string::npos) << sets[0];
  ASSERT_TRUE(WaitIdle(form.Current));

  // The agent refuses a group index outside 1..8: the dialog closes, the memo tells.
  from = LogSize();
  OnNextDialog([&](QDialog *dialog) {
    EditOf(edits, 0)->setText("bad");
    EditOf(edits, 1)->setText("9");
    EditOf(edits, 2)->setText("10.1.1.9");  // still checked from the Edit before
    ButtonsOf(dialog)->SetBtn->click();
  });
  b->AddBtn->click();
  EXPECT_EQ(SetsSince(from).size(), 1u);
  ASSERT_TRUE(WaitIdle(form.Current));
  const QStringList lines = panel->MsgPanel->Memo->toPlainText().split('\n');
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                          [](const QString &l) { return l.startsWith("Set: (SNMP) ") && !l.contains("Ok!"); }))
      << FromQt(panel->MsgPanel->Memo->toPlainText());
  EXPECT_EQ(list.RowCount(), 2);

  for (const auto &shown : unexpected.Shown()) ADD_FAILURE() << shown.Text;
  // Delete asks first; No sends nothing, Yes destroys the selected row only.
  ScriptedMessageBoxes boxes;
  boxes.Answer(MsgResult::No);
  boxes.Answer(MsgResult::Yes);
  Select(panel, RowWith(list, "radius"));
  ASSERT_TRUE(b->DeleteBtn->isEnabled());
  from = LogSize();
  b->DeleteBtn->click();
  EXPECT_TRUE(SetsSince(from).empty());
  b->DeleteBtn->click();
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Are you sure to delete ?");
  EXPECT_EQ(boxes.Shown()[0].Caption, "Delete");
  EXPECT_EQ(boxes.Shown()[0].Buttons, Platform::MsgButtons::YesNo);
  sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Count(sets[0], "\"oid\""), 1u) << sets[0];
  EXPECT_NE(sets[0].find(kServerGroup + std::string(".5") + row + "\",\"type\":\"INTEGER\",\"value\":\"6\""),
            std::string::npos) << sets[0];
  ASSERT_TRUE(WaitIdle(form.Current));
  EXPECT_EQ(list.RowCount(), 1);
  EXPECT_EQ(form.Current->RequestMode, KvSNMPRequest2Controls::Asynchronous);
}

TEST_F(ConfigFormAgent, OnlyTheVisiblePagesBindingIsEnabledAndAPageChangeReadsIt) {
  TConfigForm form;
  form.SetPageStyle();
  EXPECT_THROW(form.SetEditorPanel(MakeBinding(&form, UsmSpinLockDefs, SVT_SV, 0)), std::runtime_error);
  TSNMPEditorPanel *lock = form.AddEditorPage("Spin Lock", MakeBinding(&form, UsmSpinLockDefs, SVT_SV, 0));
  TSNMPListViewPanel *users = form.AddListViewPage("Users", MakeBinding(&form, UsmUserDefs, MVT_UMV, 2), 12,
                                                   "createAndGo", 12, "destroy");
  ASSERT_EQ(form.Pages->count(), 2);
  EXPECT_EQ(form.Pages->tabText(1), "Users");
  EXPECT_EQ(users->ParentCaption(), "Users");
  ASSERT_TRUE(ShowAndRead(form));
  KvSNMPRequest2Edits *first = form.Bindings[0], *second = form.Bindings[1];
  EXPECT_EQ(form.Current, first);
  EXPECT_TRUE(first->Request.Enabled());
  EXPECT_FALSE(EditOf(lock->Edits, 0)->text().isEmpty());
  EXPECT_EQ(users->ListPanel->Rows->RowCount(), 0);

  form.Pages->setCurrentIndex(1);
  ASSERT_TRUE(WaitIdle(second));
  EXPECT_EQ(form.Current, second);
  EXPECT_FALSE(first->Request.Enabled());
  EXPECT_TRUE(second->Request.Enabled());
  EXPECT_GT(users->ListPanel->Rows->RowCount(), 0);
  // The page's panel fits in the window's client area.
  EXPECT_LE(form.width(), 800);
  EXPECT_LE(form.height(), 550);
}

// A switch that answers slowly, so that a window can close while a walk is on its way.
class SlowSwitchConfigForm : public SimulatedSwitch {
protected:
  static void SetUpTestSuite() { StartSwitch({"--delay-ms", "150"}); }
};

TEST_F(SlowSwitchConfigForm, ClosingWhileAWalkIsOnItsWayWaitsForItAndTouchesNothingFreed) {
  auto *form = new TConfigForm;
  QPointer<TConfigForm> alive(form);
  TSNMPListViewPanel *panel =
      form->SetListViewPanel(MakeBinding(form, IgmpInfoDefs, MVT_FMV, 2), -1, "", -1, "");
  QPointer<KvListModel> list(panel->ListPanel->Rows);
  form->show();
  ASSERT_TRUE(RunUntil([&] { return list->RowCount() >= 2; }));
  ASSERT_TRUE(form->Current->Busy());
  form->close();  // waits for the answer on its way, then destroys the binding
  EXPECT_TRUE(form->OwnedBindings().empty());
  EXPECT_TRUE(form->Bindings.empty() && form->Current == nullptr);
  const int rows = list->RowCount();
  RunUntil([] { return false; }, 400);
  EXPECT_EQ(list->RowCount(), rows);
  form->DeleteWhenIdle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
  RunUntil([] { return false; }, 300);

  // Closed while a row is being added (inside the binding's own answer): no waiting for
  // an answer that cannot end before the close returns, and the walk stops there.
  auto *second = new TConfigForm;
  TSNMPListViewPanel *secondPanel =
      second->SetListViewPanel(MakeBinding(second, IgmpInfoDefs, MVT_FMV, 2), -1, "", -1, "");
  KvListModel *secondList = secondPanel->ListPanel->Rows;
  QElapsedTimer closing;
  int rowsAtClose = 0;
  QObject::connect(secondList, &QAbstractItemModel::rowsInserted, secondList, [&] {
    if (secondList->RowCount() < 3 || closing.isValid()) return;
    rowsAtClose = secondList->RowCount();
    closing.start();
    second->close();
  });
  second->show();
  ASSERT_TRUE(RunUntil([&] { return closing.isValid() && second->OwnedBindings().empty(); }));
  EXPECT_LT(closing.elapsed(), 2000);
  RunUntil([] { return false; }, 400);
  EXPECT_EQ(secondList->RowCount(), rowsAtClose);
  delete second;
}
