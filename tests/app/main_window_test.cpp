// The main window against the simulated switch: start-up with its queries and menu
// state, every generic entry opening and filling its window, the entries with
// behaviour of their own, and closing.

#include "about_form.h"
#include "config_form.h"
#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "feature_windows.h"
#include "generic_entry.h"
#include "help_window.h"
#include "kv_help.h"
#include "kv_message_box.h"
#include "kv_mib_catalogue.h"
#include "kv_mib_core_set.h"
#include "list_view_panel.h"
#include "kv_program_info.h"
#include "kv_snmp_request.h"
#include "kv_snmp_request2_leds.h"
#include "kv_status_bar.h"
#include "main_form.h"
#include "modal_watch.h"
#include "panel_form.h"
#include "runtime_version.h"
#include "snmp_editor_panel.h"
#include "snmp_list_view_panel.h"
#include "snmpd_agent.h"
#include "switch_sim_agent.h"
#include "front_picture.h"

#include <QAction>
#include <QTest>
#include <QTextBrowser>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Platform::MsgResult;

// The boot counter file goes to the current directory: keep it out of the build tree.
class MainFormTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static const std::string dir = MakeTempDir("kv_main_form_");
    ASSERT_EQ(chdir(dir.c_str()), 0);
  }

  // The host suite's command line for the simulator at `port`, SNMP version `version`.
  static std::unique_ptr<TMainForm> Start(int port, const std::string &version = "1") {
    auto form = std::make_unique<TMainForm>(std::vector<std::string>{
        "/I127.0.0.1", "/t" + std::to_string(port), "/v" + version, "/Rrdwalk", "/Wwrtgate"});
    SNMPTimeout = 50;  // later windows give up sooner on an agent that is gone
    return form;
  }

  // Writes the switch's RMON state (1 other, 2 disabled, 3 enabled) behind the module's back.
  static void SetRmonState(const SwitchSimAgent &sw, const char *value) {
    KvSNMPRequest request;
    sw.AimAt(request.Settings, 1);
    request.VarList = KvSNMPVarList(RmonStateDefs, SVT_SV, 0);
    request.VarList.GetItem(0)->Value = value;
    request.Set(false);
  }

  static QAction *Item(TMainForm &form, const char *name) {
    QAction *action = form.MenuItem(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
};

TEST_F(MainFormTest, StartsWithLayoutQueriesMenuStateAndFrontPanel) {
  SwitchSimOptions options;
  options.log = true;
  SwitchSimAgent sw(options);
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port());

  EXPECT_EQ(form->windowTitle().toStdString(), "MS-2416X R3 : 127.0.0.1");
  // Client area 786 x 133 under the menu, not resizable, only minimising.
  EXPECT_EQ(form->width(), 786);
  EXPECT_EQ(form->height() - form->menuBar()->sizeHint().height(), 133);
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(form->MainScrollBox->viewport()->palette().color(QPalette::Window), QColor(84, 84, 84));
  EXPECT_EQ(form->StatusBar->PanelCount(), 1);
  EXPECT_TRUE(form->ST_RmonState->isHidden());
  EXPECT_TRUE(form->ST_Version->isHidden());
  ASSERT_NE(form->PanelForm, nullptr);
  EXPECT_EQ(form->MainScrollBox->widget(), form->PanelForm);

  // The queries: the version's first ten characters, the RMON state through the binding.
  EXPECT_EQ(RuntimeVersion, "Build 2.03");
  EXPECT_EQ(form->ST_RmonState->text(), "enabled");
  EXPECT_EQ(sw.LogLinesWith({"\"op\":\"get\"", "1.3.6.1.4.1.171.12.1.1.6.0"}).size(), 1u);
  EXPECT_EQ(sw.LogLinesWith({"\"op\":\"get\"", "1.3.6.1.4.1.171.11.43.2.2.1.2.3.0"}).size(), 1u);
  // What the agent is comes with the version: the switch's own object identifier.
  EXPECT_EQ(sw.LogLinesWith({"\"op\":\"get\"", "1.3.6.1.4.1.171.12.1.1.6.0", "1.3.6.1.2.1.1.1.0",
                             "1.3.6.1.2.1.1.2.0"}).size(), 1u);
  EXPECT_EQ(form->OtherAgentText, "");
  EXPECT_EQ(form->PanelForm->OtherAgentVeil(), nullptr);
  EXPECT_EQ(form->StatusBar->PanelText(0), "");
  EXPECT_TRUE(Item(*form, "Menu_RMON")->isEnabled());
  EXPECT_FALSE(Item(*form, "VACM1")->isEnabled());  // SNMPv2c
  for (const char *shown : {"Menu_ACLManagement", "Menu_AAC", "Menu_SSH", "Menu_LAG"})
    EXPECT_TRUE(Item(*form, shown)->isVisible()) << shown;

  // RMON disabled on the switch: the menu follows at the next refresh; "other" leaves it.
  SetRmonState(sw, "2");
  form->RefreshRmonMenu();
  EXPECT_FALSE(Item(*form, "Menu_RMON")->isEnabled());
  SetRmonState(sw, "1");
  form->RefreshRmonMenu();
  EXPECT_FALSE(Item(*form, "Menu_RMON")->isEnabled());
  SetRmonState(sw, "3");
  form->RefreshRmonMenu();
  EXPECT_TRUE(Item(*form, "Menu_RMON")->isEnabled());

  // An SNMPv3 session keeps the "SNMP V3" menu.
  form.reset();
  auto v3 = Start(sw.Port(), "3");
  EXPECT_TRUE(Item(*v3, "VACM1")->isEnabled());
}

TEST_F(MainFormTest, AgentThatDoesNotAnswerStillGivesTheWindowWithTheFailure) {
  RuntimeVersion.clear();
  auto form = Start(FreeUdpPort());
  ASSERT_NE(form->PanelForm, nullptr);
  EXPECT_NE(form->StatusBar->PanelText(0), "");
  EXPECT_EQ(RuntimeVersion, "");
  EXPECT_EQ(form->ST_Version->text(), "Version");
  EXPECT_TRUE(Item(*form, "Menu_RMON")->isEnabled());
  for (const char *shown : {"Menu_ACLManagement", "Menu_AAC", "Menu_SSH", "Menu_LAG"})
    EXPECT_TRUE(Item(*form, shown)->isVisible()) << shown;
}

// net-snmp's snmpd is no MS-2416X: over SNMPv1 (where it lacks the switch's objects
// as a whole read) and SNMPv2c the front is dimmed with its sysDescr across it, the
// status bar says so and keeps saying it (the LEDs are not polled), the menus stay.
TEST_F(MainFormTest, AnotherAgentIsShownAsNotAnMs2416x) {
  SnmpdAgent snmpd;
  ASSERT_TRUE(snmpd.Start()) << snmpd.Log();
  for (const std::string version : {"0", "1"}) {
    SCOPED_TRACE("version " + version);
    auto form = std::make_unique<TMainForm>(std::vector<std::string>{
        "/I127.0.0.1", "/t" + std::to_string(snmpd.Port()), "/v" + version, "/Rrdwalk", "/Wwrtgate"});
    SNMPTimeout = 50;
    // What snmpd says it is, read on its own (the form made the session).
    KvSNMPRequest identity;
    snmpd.AimAt(identity.Settings, 1);
    identity.VarList = KvSNMPVarList(AgentIdentityDefs, SVT_SV, 0);
    identity.Get(true);
    const std::string descr = identity.VarList.GetItem(0)->Value;
    const std::string line = "Not an MS-2416X: " + descr.substr(0, descr.find_first_of("\r\n"));
    ASSERT_NE(descr, "");
    ASSERT_NE(form->PanelForm, nullptr);
    EXPECT_EQ(form->OtherAgentText, line);
    EXPECT_EQ(form->OtherAgentObjectId, identity.VarList.GetItem(1)->Value);
    EXPECT_EQ(form->StatusBar->PanelText(0), line + " (sysObjectID " + form->OtherAgentObjectId + ")");
    KvFrontVeil *veil = form->PanelForm->OtherAgentVeil();
    ASSERT_NE(veil, nullptr);
    EXPECT_EQ(veil->Text().toStdString(), line);
    EXPECT_EQ(veil->geometry(), form->PanelForm->MainPanel->rect());
    EXPECT_FALSE(veil->isHidden());
    ASSERT_NE(form->PanelForm->Leds, nullptr);
    EXPECT_FALSE(form->PanelForm->Leds->PollTimer->isActive());
    // The menus stay as they are for the switch.
    EXPECT_TRUE(Item(*form, "Menu_RMON")->isEnabled());
    for (const char *shown : {"Menu_ACLManagement", "Menu_AAC", "Menu_SSH", "Menu_LAG"})
      EXPECT_TRUE(Item(*form, shown)->isVisible() && Item(*form, shown)->isEnabled()) << shown;
  }
}

// The first status line of every page shown so far says the read succeeded.
void ExpectFilledWithoutFailure(QWidget *window, const std::string &what) {
  const QString memo = MemoTexts(window);
  EXPECT_FALSE(memo.isEmpty()) << what;
  for (const QString &line : memo.split(QLatin1Char('\n')))
    EXPECT_TRUE(line.startsWith("Get: (KvSNMP++) Ok!")) << what << ": " << line.toStdString();
}

TEST_F(MainFormTest, EveryGenericEntryOpensItsWindowAndTheFirstReadFillsIt) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port());
  int opened = 0;
  for (const KvMenuItemDef &item : MainMenuTree()) {
    const KvMenuEntry *entry = item.Key[0] ? FindMenuEntry(item.Key) : nullptr;
    if (!entry || (entry->Kind != KvEntryKind::Generic && entry->Kind != KvEntryKind::Pages)) continue;
    const std::string what = std::string(entry->Key) + " " + item.Name;
    const std::string caption = entry->Address ? std::string(entry->Title) + " : 127.0.0.1" : entry->Title;
    const bool settled = TriggerAndWatchModal(Item(*form, item.Name), [&](QWidget *window) {
      auto *config = qobject_cast<TConfigForm *>(window);
      ASSERT_NE(config, nullptr) << what;
      EXPECT_EQ(config->windowTitle().toStdString(), caption) << what;
      if (entry->Address) {
        EXPECT_EQ(CurrentWindowTitle, entry->Title);
      }
      ExpectFilledWithoutFailure(window, what);
      TSNMPEditorPanel *editor = nullptr;  // a list panel is an editor panel too
      for (TSNMPEditorPanel *panel : window->findChildren<TSNMPEditorPanel *>())
        if (!editor && !qobject_cast<TSNMPListViewPanel *>(panel)) editor = panel;
      auto *list = window->findChild<TSNMPListViewPanel *>();
      if (entry->Kind == KvEntryKind::Pages) {
        EXPECT_EQ(config->FormType, TConfigForm::PageForm);
        EXPECT_EQ(config->Pages->count(), static_cast<int>(entry->Pages.size())) << what;
        if (entry->Pages[0].SpinLock) {
          const QCheckBox *box = editor->Edits->Rows[0].CheckBox;
          EXPECT_TRUE(box->isChecked()) << what;
          EXPECT_TRUE(box->isHidden()) << what;
        }
      } else if (entry->ItemType == SVT_SV && !(entry->Extras & EntryExtra::ListViewPanel)) {
        EXPECT_EQ(config->FormType, TConfigForm::EditorForm) << what;
        EXPECT_EQ(editor->Edits->EditWidth, entry->EditWidth ? entry->EditWidth : 121) << what;
        EXPECT_EQ(editor->Edits->RangeCheckOn, entry->RangeCheck != nullptr) << what;
        if (entry->RangeCheck) {
          ASSERT_TRUE(editor->Edits->RangeCheck);
          EXPECT_EQ(editor->Edits->RangeCheck->Name, "swSingleIPHoldtime");
          EXPECT_EQ(editor->Edits->RangeCheck->ItemIndex, 2);
          EXPECT_EQ(editor->Edits->RangeCheck->Min, 100);
          EXPECT_EQ(editor->Edits->RangeCheck->Max, 255);
        }
      } else {
        EXPECT_EQ(config->FormType, TConfigForm::ListViewForm) << what;
        ASSERT_NE(list, nullptr) << what;
        EXPECT_EQ(list->Buttons->AddBtn->isVisibleTo(list), entry->RowStatus >= 0) << what;
        EXPECT_EQ(list->Shown.data(), static_cast<QWidget *>(list->ListPanel)) << what;  // a new edit width keeps the list shown
        if (entry->EditWidth) {
          EXPECT_EQ(list->Edits->EditWidth, entry->EditWidth) << what;
        }
        EXPECT_EQ(static_cast<bool>(list->OnAfterAdd), (entry->Extras & EntryExtra::CommunityHooks) != 0) << what;
      }
      if (entry->Height) {
        EXPECT_EQ(window->height(), entry->Height) << what;
      }
      if (entry->Width) {
        EXPECT_EQ(window->width(), entry->Width) << what;
      }
      config->reject();
    });
    EXPECT_TRUE(settled) << what << " did not open or settle";
    ++opened;
  }
  EXPECT_EQ(opened, 59);  // 56 single windows and 3 with pages
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainFormTest, CommunityAddHooksRequireNameAndSecurityNameAndPresetTheStorage) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port());
  TriggerAndWatchModal(Item(*form, "CommunityStringTable1"), [&](QWidget *window) {
    auto *list = window->findChild<TSNMPListViewPanel *>();
    ASSERT_NE(list, nullptr);
    TEditsPanel &rows = *list->Edits;
    rows.SetRowValue(3, "leftover");
    CommunityBeforeAdd(*list);
    for (size_t r : {1u, 2u}) {
      EXPECT_TRUE(rows.Rows[r].CheckBox->isChecked()) << r;
      EXPECT_FALSE(rows.Rows[r].CheckBox->isEnabled()) << r;
    }
    EXPECT_EQ(rows.RowText(3), "");
    EXPECT_EQ(rows.RowText(6), "nonVolatile");
    CommunityAfterAdd(*list);
    EXPECT_TRUE(rows.Rows[1].CheckBox->isEnabled() && rows.Rows[2].CheckBox->isEnabled());
    static_cast<QDialog *>(window)->reject();
  });
}

TEST_F(MainFormTest, DeviceControlClosedAfterSwitchingRmonOffDisablesTheMenuAtOnce) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port());
  ASSERT_TRUE(Item(*form, "Menu_RMON")->isEnabled());
  TriggerAndWatchModal(Item(*form, "DeviceControl1"), [&](QWidget *) {
    SetRmonState(sw, "2");  // as the window's Set would
    QTimer::singleShot(0, [] { static_cast<QDialog *>(QApplication::activeModalWidget())->reject(); });
  });
  EXPECT_FALSE(Item(*form, "Menu_RMON")->isEnabled());
}

TEST_F(MainFormTest, PortSessionStatisticsAsksOnceForSnmpV2AndKeepsTheAnswer) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port(), "0");
  auto openAndClose = [&] {
    return TriggerAndWatchModal(Item(*form, "PortSessionStatistics1"), [](QWidget *window) {
      EXPECT_EQ(window->windowTitle().toStdString(), "Port Session Statistics : 127.0.0.1");
      static_cast<QDialog *>(window)->reject();
    });
  };
  {
    Platform::ScriptedMessageBoxes boxes;
    boxes.Answer(MsgResult::Cancel);
    EXPECT_TRUE(openAndClose());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Caption, "Changes SNMP Version");
    EXPECT_EQ(boxes.Shown()[0].Text, "This table has Counter64 ! \n Do you want to chane to SNMP V2 ?");
    EXPECT_EQ(boxes.Shown()[0].Buttons, Platform::MsgButtons::OkCancel);
    EXPECT_EQ(SNMPSecurity.Version, 0);
  }
  {
    Platform::ScriptedMessageBoxes boxes;
    boxes.Answer(MsgResult::Ok);
    EXPECT_TRUE(openAndClose());
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(SNMPSecurity.Version, 1);
    EXPECT_EQ(form->VersionText, "0");
    EXPECT_TRUE(openAndClose());  // no second question
    EXPECT_EQ(boxes.Shown().size(), 1u);
  }
  EXPECT_EQ(CurrentWindowTitle, "Port Session Statistics");
}

TEST_F(MainFormTest, AlarmEventFollowsTheRmonStateAndReportsFailuresInTheStatusBar) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port());
  Platform::ScriptedMessageBoxes boxes;
  SetRmonState(sw, "2");
  form->AlarmEvent1Click();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "The device doesn't support RMON AlarmEvent!");
  SetRmonState(sw, "1");
  form->AlarmEvent1Click();
  SetRmonState(sw, "3");
  form->AlarmEvent1Click();  // starts the Rmon companion, which is not there: nothing shown
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(form->StatusBar->PanelText(0), "");
  sw.Stop();
  form->RmonStateBinding->Request.Settings.Timing.Retries = 0;
  form->AlarmEvent1Click();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_NE(form->StatusBar->PanelText(0), "");
}

TEST_F(MainFormTest, SaveAndRebootAskFirstAndSetTheirVariable) {
  SwitchSimOptions options;
  options.log = true;
  SwitchSimAgent sw(options);
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port());
  const std::vector<std::string> save = {"\"op\":\"set\"", "1.3.6.1.4.1.171.12.1.2.6.0", "\"value\":\"3\""};
  const std::vector<std::string> reboot = {"\"op\":\"set\"", "1.3.6.1.4.1.171.12.1.2.3.0", "\"value\":\"2\""};
  Platform::ScriptedMessageBoxes boxes;
  boxes.Answer(MsgResult::Cancel);
  boxes.Answer(MsgResult::Ok);
  boxes.Answer(MsgResult::Cancel);
  boxes.Answer(MsgResult::Ok);
  form->SaveChanges1Click();
  EXPECT_TRUE(sw.LogLinesWith(save).empty());
  form->SaveChanges1Click();
  EXPECT_EQ(sw.LogLinesWith(save).size(), 1u);
  form->Reset2Click();
  EXPECT_TRUE(sw.LogLinesWith(reboot).empty());
  form->Reset2Click();
  EXPECT_EQ(sw.LogLinesWith(reboot).size(), 1u);
  ASSERT_EQ(boxes.Shown().size(), 4u);  // no word of success
  EXPECT_EQ(boxes.Shown()[0].Text, "Are you sure?");
  EXPECT_EQ(boxes.Shown()[0].Caption, "Device Save Changes!!");
  EXPECT_EQ(boxes.Shown()[2].Caption, "Device Reboot !!");
  EXPECT_EQ(boxes.Shown()[3].Buttons, Platform::MsgButtons::OkCancel);

  // A switch that does not answer: the failure is shown in a box of its own.
  sw.Stop();
  boxes.Clear();
  boxes.Answer(MsgResult::Ok);
  form->SaveChanges1Click();
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_NE(boxes.Shown()[1].Text.find("(SNMP"), std::string::npos) << boxes.Shown()[1].Text;
}

TEST_F(MainFormTest, HelpAboutFeaturesParentsAndTheExitQuestion) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  auto form = Start(sw.Port());
  form->show();
  Platform::ScriptedMessageBoxes boxes;

  // Help: missing, then present and shown in the program's own help window.
  const std::string help = Platform::ProgramFolder() + "/2416X h & m orvix 5.html";
  std::filesystem::remove(help);
  form->Help2Click();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_NE(boxes.Shown()[0].Text.find("is missing"), std::string::npos);
  EXPECT_EQ(THelpWindow::Instance(), nullptr);
  std::ofstream(help) << "<html><body><h2 id=\"menu\">The menu</h2></body></html>";
  form->Help2Click();
  std::filesystem::remove(help);
  ASSERT_NE(THelpWindow::Instance(), nullptr);
  EXPECT_EQ(THelpWindow::Instance()->Browser->source().toLocalFile().toStdString(), help);
  EXPECT_EQ(boxes.Shown().size(), 1u);
  delete THelpWindow::Instance();

  // F1 in a window of the menu opens the installed page at that menu's section, and the
  // page has a section for every menu.
  std::ifstream installed(std::string(KV_PROGRAM_FOLDER) + "/" + kHelpPageTitle + ".html");
  std::stringstream page;
  page << installed.rdbuf();
  for (const KvMenuItemDef &item : MainMenuTree()) {
    if (item.Depth == 0) {
      EXPECT_NE(page.str().find("id=\"" + HelpAnchorOf(item) + "\""), std::string::npos) << item.Caption;
    }
  }
  std::ofstream(help) << page.str();
  EXPECT_TRUE(TriggerAndWatchModal(Item(*form, "BasicInfo1"), [](QWidget *window) {
    QTest::keyClick(window, Qt::Key_F1);
    ASSERT_NE(THelpWindow::Instance(), nullptr);
    EXPECT_EQ(THelpWindow::Instance()->Browser->source().fragment(), "menu-configuration");
    static_cast<QDialog *>(window)->reject();
  }));
  std::filesystem::remove(help);
  delete THelpWindow::Instance();

  // About.
  EXPECT_TRUE(TriggerAndWatchModal(Item(*form, "About1"), [](QWidget *window) {
    auto *about = qobject_cast<TAboutForm *>(window);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About MS-2416X  Module");
    EXPECT_EQ(about->size(), QSize(354, 105));
    EXPECT_EQ(about->Version->text(), "Support Firmware Version 3.01.018");
    EXPECT_EQ(about->Copyright->text(), "Release Version v3.00r17.(Build 2004/08/24)");
    about->OKButton->click();
  }));

  // A feature entry opens its own window; the parents do nothing.
  boxes.Clear();
  // Opens an entry's modal window and closes it again; the window's caption.
  auto openAndClose = [](QAction *entry) {
    QString caption;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (QWidget *window = QApplication::activeModalWidget()) {
        caption = window->windowTitle();
        window->close();
      }
    });
    poll.start();
    entry->trigger();
    return caption;
  };
  EXPECT_TRUE(openAndClose(Item(*form, "PortTrunk1")).startsWith("Port Trunk Table :"));
  for (const char *parent : {"SNMPTargetMIB1", "UserbasedSecurityModel1", "ViewBaseAccessControlMode1",
                             "Notifications1", "Community1", "N8021d1"})
    Item(*form, parent)->trigger();
  form->SNMPTargetMIB1Click();
  EXPECT_TRUE(boxes.Shown().empty());
  // Spanning tree information: its own window only for "Build 2.03", the Bridge companion
  // (absent here: nothing shown) for any other version.
  RuntimeVersion = "Build 2.03";
  EXPECT_FALSE(openAndClose(Item(*form, "Information2")).isEmpty());
  for (const char *version : {"", "Build 1.03"}) {
    RuntimeVersion = version;
    form->Information2Click();
  }
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // Exit: No keeps the module running, Yes closes.
  boxes.Clear();
  boxes.Answer(MsgResult::No);
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  boxes.Answer(MsgResult::Yes);
  EXPECT_TRUE(form->close());
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Are you sure to exit?");
  EXPECT_EQ(boxes.Shown()[0].Caption, "Exit");
  EXPECT_EQ(boxes.Shown()[0].Buttons, Platform::MsgButtons::YesNo);
}

}  // namespace
