// The companion program against the simulated switch: every view from its view argument,
// the writes of the static VLAN, alarm and system windows as the request log shows them,
// and the program started as the module's menu starts it.

#include "agent_process.h"
#include "companion_start.h"
#include "companion_views.h"
#include "config_form.h"
#include "ctrl_btn_panel.h"
#include "dialog_script.h"
#include "edits_panel.h"
#include "help_window.h"
#include "kv_controls.h"
#include "kv_list_model.h"
#include "kv_message_box.h"
#include "list_view_panel.h"
#include "live_view.h"
#include "main_form.h"
#include "module_launcher.h"
#include "msg_panel.h"
#include "run_until.h"
#include "snmp_list_view_panel.h"
#include "snmpsim_agent.h"
#include "switch_sim_agent.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {
constexpr char kVlanStatic[] = "1.3.6.1.2.1.17.7.1.4.3.1";
constexpr char kAlarm[] = "1.3.6.1.2.1.16.3.1.1";

std::string FileText(const std::string &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}
std::string Vb(const std::string &oid, const std::string &type, const std::string &value) {
  return "{\"oid\":\"" + oid + "\",\"type\":\"" + type + "\",\"value\":\"" + value + "\"";
}
// The panel of page `page` (or of the window without pages).
TSNMPEditorPanel *PanelOf(TConfigForm *form, int page) {
  QWidget *host = form->Pages ? form->Pages->widget(page) : form;
  return host ? host->findChild<TSNMPEditorPanel *>() : nullptr;
}
QStringList MemoLines(TSNMPEditorPanel *panel) {
  const QString text = panel->MsgPanel->Memo->toPlainText();
  return text.isEmpty() ? QStringList() : text.split('\n');
}
QLineEdit *Edit(TEditsPanel *edits, const QString &name) {
  for (const TEditRow &row : edits->Rows)
    if (row.RowLabel->text() == name) return qobject_cast<QLineEdit *>(row.EditCtrl);
  ADD_FAILURE() << "no row " << name.toStdString();
  return nullptr;
}
// Types into the named rows and checks their boxes.
void Fill(TEditsPanel *edits, const std::vector<std::pair<QString, QString>> &rows) {
  for (const auto &[name, text] : rows) {
    ASSERT_NE(Edit(edits, name), nullptr);
    for (TEditRow &row : edits->Rows) {
      if (row.RowLabel->text() != name) continue;
      qobject_cast<QLineEdit *>(row.EditCtrl)->setText(text);
      if (row.CheckBox->isEnabled() && !row.CheckBox->isChecked()) row.CheckBox->click();
    }
  }
}
// The first cell of the list's row whose first column reads `key`; invalid for none.
QModelIndex RowOf(const QTreeView *list, const QString &key) {
  const QAbstractItemModel *rows = list->model();
  if (rows->rowCount() == 0) return {};
  return rows->match(rows->index(0, 0), Qt::DisplayRole, key, 1, Qt::MatchExactly).value(0);
}

QString Cell(const QTreeView *list, const QString &key, const QString &caption) {
  const QModelIndex row = RowOf(list, key);
  const QAbstractItemModel *rows = list->model();
  for (int c = 0; row.isValid() && c < rows->columnCount(); ++c)
    if (rows->headerData(c, Qt::Horizontal).toString() == caption) return rows->index(row.row(), c).data().toString();
  return "(none)";
}

class Companion : public ::testing::Test {
protected:
  void SetUp() override {
    SwitchSimOptions options;
    options.log = true;
    sim_ = std::make_unique<SwitchSimAgent>(options);
    ASSERT_TRUE(sim_->Started()) << sim_->Output();
    // A folder of its own for the boot counter and the settings file; no host suite.
    work_ = MakeTempDir("kvcompanion");
    ASSERT_EQ(::chdir(work_.c_str()), 0);
    ::setenv("XDG_CONFIG_DIRS", (work_ + "/no-config").c_str(), 1);
  }
  void TearDown() override {
    for (TConfigForm *form : forms_) {
      form->close();
      delete form;
    }
  }

  // The view's window from its command line, shown, its first read ended.
  TConfigForm *Open(const std::string &view) {
    int status = -1;
    std::ostringstream errors;
    TConfigForm *form = StartCompanion(
        {"/I127.0.0.1", "/t" + std::to_string(sim_->Port()), "/v1", "/Rrdwalk", "/Wwrtgate", "/T" + view}, status,
        errors);
    EXPECT_EQ(status, CompanionExit::Ok) << view << ": " << errors.str();
    if (!form) return nullptr;
    forms_.push_back(form);
    form->show();
    EXPECT_TRUE(RunUntil([&] { return form->Current && !form->Current->Busy(); })) << view;
    return form;
  }

  // Presses `button` of a list panel (answering its dialog with `dialog`, and a delete
  // question with Yes) and returns the Set requests it sent, once the list is read again.
  std::vector<std::string> Press(TSNMPListViewPanel *panel, QPushButton *button,
                                 std::function<void(QDialog *)> dialog = {}) {
    const size_t from = sim_->LogLines().size();
    Platform::ScriptedMessageBoxes boxes;
    boxes.Answer(Platform::MsgResult::Yes);
    if (dialog) OnNextDialog([dialog](QDialog *d) {
        dialog(d);
        d->findChild<TCtrlBtnPanel *>()->SetBtn->click();
      });
    button->click();
    EXPECT_TRUE(RunUntil([&] { return !panel->Binding->Busy(); }));
    std::vector<std::string> sets, lines = sim_->LogLines();
    for (size_t i = from; i < lines.size(); ++i)
      if (lines[i].find("\"op\":\"set\"") != std::string::npos) sets.push_back(lines[i]);
    return sets;
  }

  std::unique_ptr<SwitchSimAgent> sim_;
  std::string work_;
  std::vector<TConfigForm *> forms_;
};
}  // namespace

TEST_F(Companion, EveryViewOpensFromItsArgumentAndTheFirstReadOfEachPageFillsIt) {
  Platform::ScriptedMessageBoxes unexpected;
  for (const KvCompanionView &view : CompanionViews()) {
    TConfigForm *form = Open(view.Name);
    ASSERT_NE(form, nullptr) << view.Name;
    EXPECT_EQ(FromQt(form->windowTitle()), std::string(view.Title) + " : 127.0.0.1");
    // F1 opens the companion's page at a section that is there.
    const std::string anchor = THelpWindow::ContextAnchor();
    EXPECT_EQ(anchor, "view-" + std::string(view.Name).substr(0, std::string(view.Name).find('_')));
    const std::string installed = std::filesystem::path(KV_COMPANION).parent_path() / kCompanionHelpPage;
    EXPECT_NE(FileText(installed).find("id=\"" + anchor + "\""), std::string::npos) << view.Name;
    const bool pages = view.Pages.size() > 1;
    EXPECT_EQ(form->FormType, pages                              ? TConfigForm::PageForm
                              : view.Pages[0].ItemType == SVT_SV ? TConfigForm::EditorForm
                                                                 : TConfigForm::ListViewForm);
    for (int p = 0; p < static_cast<int>(view.Pages.size()); ++p) {
      const KvCompanionPageDef &def = view.Pages[static_cast<size_t>(p)];
      const std::string what = std::string(view.Name) + " page " + std::to_string(p);
      if (pages) {
        form->Pages->setCurrentIndex(p);
        EXPECT_EQ(FromQt(form->Pages->tabText(p)), def.Caption) << what;
      }
      TSNMPEditorPanel *panel = PanelOf(form, p);
      ASSERT_NE(panel, nullptr) << what;
      ASSERT_TRUE(RunUntil([&] {
        return form->Current == panel->Binding && !panel->Binding->Busy() && !MemoLines(panel).isEmpty();
      })) << what;
      for (const QString &line : MemoLines(panel))
        EXPECT_TRUE(line.startsWith("Get: (KvSNMP++) Ok!")) << what << ": " << FromQt(line);
      EXPECT_EQ(panel->LiveView() != nullptr, def.Counters) << what;
      if (auto *list = qobject_cast<TSNMPListViewPanel *>(panel)) {
        EXPECT_GT(list->ListPanel->Rows->RowCount(), 0) << what;
        EXPECT_EQ(list->Buttons->AddBtn->isVisibleTo(list), def.Status != KvRowStatusKind::None) << what;
      } else {
        for (const TEditRow &row : panel->Edits->Rows) {
          auto *edit = qobject_cast<QLineEdit *>(row.EditCtrl);
          EXPECT_TRUE(!edit || !edit->text().isEmpty()) << what << ": " << FromQt(row.RowLabel->text());
        }
      }
    }
  }
  for (const auto &shown : unexpected.Shown()) ADD_FAILURE() << shown.Text;
}

TEST_F(Companion, StaticVlanAndAlarmRowsAreMadeChangedAndDestroyedAndSysLocationIsWrittenAndReadBack) {
  // A static VLAN through its RowStatus, its port lists typed and shown as port numbers.
  TConfigForm *vlans = Open("VLan_8021QVlan");
  ASSERT_NE(vlans, nullptr);
  auto *statics = qobject_cast<TSNMPListViewPanel *>(PanelOf(vlans, 0));
  QTreeView *list = statics->ListPanel->ListView;
  const std::string vlan = std::string(kVlanStatic) + ".%.7";
  const auto column = [&](char c) { return std::string(vlan).replace(vlan.find('%'), 1, 1, c); };
  std::vector<std::string> sets = Press(statics, statics->Buttons->AddBtn, [&](QDialog *) {
    Edit(statics->Edits, "VlanIndex")->setText("7");
    Fill(statics->Edits, {{"Name", "lab"}, {"EgressPorts", "1-4, 9"}, {"UntaggedPorts", "1-4"}});
  });
  ASSERT_EQ(sets.size(), 1u);
  for (const std::string &vb : {Vb(column('2'), "STRING", "0xF0800000"), Vb(column('4'), "STRING", "0xF0000000"),
                                Vb(column('5'), "INTEGER", "4")})
    EXPECT_NE(sets[0].find(vb), std::string::npos) << vb << " in " << sets[0];
  EXPECT_EQ(Cell(list, "7", "EgressPorts"), "1-4,9");
  EXPECT_EQ(Cell(list, "7", "UntaggedPorts"), "1-4");

  list->setCurrentIndex(RowOf(list, "7"));
  sets = Press(statics, statics->Buttons->EditBtn, [&](QDialog *) {
    EXPECT_EQ(Edit(statics->Edits, "EgressPorts")->text(), "1-4,9");
    Fill(statics->Edits, {{"EgressPorts", "1-2,24"}});
  });
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_NE(sets[0].find(Vb(column('2'), "STRING", "0xC0000100")), std::string::npos) << sets[0];
  EXPECT_EQ(sets[0].find(column('5')), std::string::npos) << sets[0];
  EXPECT_EQ(Cell(list, "7", "EgressPorts"), "1-2,24");

  list->setCurrentIndex(RowOf(list, "7"));
  sets = Press(statics, statics->Buttons->DeleteBtn);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_NE(sets[0].find(Vb(column('5'), "INTEGER", "6")), std::string::npos) << sets[0];
  EXPECT_FALSE(RowOf(list, "7").isValid());
  for (const QString &line : MemoLines(statics)) EXPECT_TRUE(line.contains("(KvSNMP++) Ok!")) << FromQt(line);

  // An alarm: createRequest with its columns, then valid alone; invalid destroys it.
  TConfigForm *alarms = Open("Rmon_AlarmEvent");
  ASSERT_NE(alarms, nullptr);
  auto *alarmPanel = qobject_cast<TSNMPListViewPanel *>(PanelOf(alarms, 0));
  const std::string status = std::string(kAlarm) + ".12.9";
  sets = Press(alarmPanel, alarmPanel->Buttons->AddBtn, [&](QDialog *) {
    Edit(alarmPanel->Edits, "Index")->setText("9");
    Fill(alarmPanel->Edits, {{"Interval", "30"}, {"Variable", "1.3.6.1.2.1.2.2.1.10.3"},
                             {"RisingThreshold", "1000"}, {"FallingThreshold", "10"}});
  });
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_NE(sets[0].find(Vb(status, "INTEGER", "2")), std::string::npos) << sets[0];
  EXPECT_NE(sets[0].find(Vb(std::string(kAlarm) + ".3.9", "OID", "1.3.6.1.2.1.2.2.1.10.3")), std::string::npos);
  EXPECT_EQ(sets[1].find("\"oid\"", sets[1].find("\"oid\"") + 1), std::string::npos) << sets[1];
  EXPECT_NE(sets[1].find(Vb(status, "INTEGER", "1")), std::string::npos) << sets[1];
  QTreeView *alarmList = alarmPanel->ListPanel->ListView;
  EXPECT_EQ(Cell(alarmList, "9", "Status"), "valid");
  alarmList->setCurrentIndex(RowOf(alarmList, "9"));
  sets = Press(alarmPanel, alarmPanel->Buttons->DeleteBtn);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_NE(sets[0].find(Vb(status, "INTEGER", "4")), std::string::npos) << sets[0];
  EXPECT_FALSE(RowOf(alarmList, "9").isValid());

  // sysLocation written, then read back by a new window.
  TSNMPEditorPanel *system = PanelOf(Open("MIB_Info"), 0);
  Fill(system->Edits, {{"Location", "Lab 3, rack 2"}});
  system->Buttons->SetBtn->click();
  const auto written = sim_->LogLinesWith({"\"op\":\"set\"", "1.3.6.1.2.1.1.6.0", "\"text\":\"Lab 3, rack 2\""});
  EXPECT_EQ(written.size(), 1u);
  EXPECT_EQ(Edit(PanelOf(Open("MIB_Info"), 0)->Edits, "Location")->text(), "Lab 3, rack 2");
}

namespace {
// The companion started as a program of its own; its probe file tells what it showed.
std::pair<int, std::string> RunCompanion(const std::string &work, const QStringList &arguments, std::string &errors) {
  const std::string probe = work + "/probe.txt";
  std::filesystem::remove(probe);
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("MS2416X_COMPANION_PROBE", QString::fromStdString(probe));
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(QString::fromStdString(work));
  process.start(KV_COMPANION, arguments);
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished(5000);
    return {-1, ""};
  }
  errors = process.readAllStandardError().toStdString();
  return {process.exitCode(), FileText(probe)};
}
}  // namespace

TEST_F(Companion, MissingOrUnknownViewEndsWithStatus2AndSaysWhy) {
  const std::pair<QStringList, std::string> kCases[] = {
      {{"/I127.0.0.1", "/TMIB_Nothing"}, "Unknown view \"MIB_Nothing\". The views are: MIB_Info, "},
      {{"/I127.0.0.1", "/Rrdwalk"}, "No view given"},
      {{}, "No view given"},
  };
  for (const auto &[arguments, says] : kCases) {
    std::string errors;
    const auto [status, probe] = RunCompanion(work_, arguments, errors);
    EXPECT_EQ(status, CompanionExit::BadView) << says;
    EXPECT_NE(probe.find("message box: " + says), std::string::npos) << probe;
    EXPECT_NE(errors.find(says), std::string::npos) << errors;
  }
}

TEST_F(Companion, TheModulesMenuEntryStartsTheCompanionWhichShowsTheView) {
  // No settings file: the companion reaches the module's agent, on its port and in its
  // version, from the command line alone.
  const std::string probe = work_ + "/probe.txt";
  ::setenv("MS2416X_COMPANION_PROBE", probe.c_str(), 1);
  const std::string port = std::to_string(sim_->Port());
  TMainForm form({"/I127.0.0.1", "/t" + port, "/v1", "/Rrdwalk", "/Wwrtgate"});
  ASSERT_EQ(form.BuildModuleCommandLine("/TMIB_IFTable"),
            ProgramFolderWithSeparator() + "MIB.EXE /I127.0.0.1 /t" + port + " /v1 /Rrdwalk /Wwrtgate /TMIB_IFTable");
  const size_t from = sim_->LogLines().size();
  form.IfTable1Click();
  ASSERT_TRUE(RunUntil([&] { return FileText(probe).find("status: ") != std::string::npos; }, 30000));
  ::unsetenv("MS2416X_COMPANION_PROBE");
  const std::string shown = FileText(probe);
  EXPECT_NE(shown.find("caption: Interface Table : 127.0.0.1\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("status: Get: (KvSNMP++) Ok!"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("message box"), std::string::npos) << shown;
  // The companion walked the interface table's MTU column, which the module never reads.
  const std::vector<std::string> lines = sim_->LogLines();
  EXPECT_TRUE(std::any_of(lines.begin() + static_cast<long>(from), lines.end(), [](const std::string &l) {
    return l.find("\"oid\":\"1.3.6.1.2.1.2.2.1.4") != std::string::npos;
  }));
}

// SNMPv3 from the menu: the pass phrases reach the companion in its environment (it
// reads the agent with them), its command line, which every local user can read in the
// process list, holds none of them, and it writes no core file.
TEST_F(Companion, SnmpV3PassPhrasesReachTheCompanionOutsideItsCommandLine) {
  SwitchSimAgent sim({{"opspriv:SHA:authphrase-B2:DES:privphrase-C3"}, false, {}});
  ASSERT_TRUE(sim.Started()) << sim.Output();
  const std::string probe = work_ + "/probe.txt";
  ::setenv("MS2416X_COMPANION_PROBE", probe.c_str(), 1);
  TMainForm form({"/I127.0.0.1", "/t" + std::to_string(sim.Port()), "/v3", "/m3", "/nopspriv", "/l3", "/a3",
                  "/Aauthphrase-B2", "/p2", "/Pprivphrase-C3"});
  form.IfTable1Click();
  // The companion's command line, and its core limit as last seen, by pid.
  std::map<std::string, std::pair<std::string, std::string>> seen;
  ASSERT_TRUE(RunUntil([&] {
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/proc", error)) {
      const std::string pid = entry.path().filename().string();
      if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
      std::string line = FileText("/proc/" + pid + "/cmdline");
      if (line.find("/TMIB_IFTable") == std::string::npos) continue;
      std::replace(line.begin(), line.end(), '\0', ' ');
      const std::string limits = FileText("/proc/" + pid + "/limits");
      const size_t core = limits.find("Max core file size");
      seen[pid] = {line, core == std::string::npos ? "" : limits.substr(core, limits.find('\n', core) - core)};
    }
    return FileText(probe).find("status: ") != std::string::npos;
  }, 30000));
  ::unsetenv("MS2416X_COMPANION_PROBE");
  const std::string shown = FileText(probe);
  EXPECT_NE(shown.find("status: Get: (KvSNMP++) Ok!"), std::string::npos) << shown;
  ASSERT_FALSE(seen.empty());
  for (const auto &[pid, seenOf] : seen) {
    const auto &[line, core] = seenOf;
    EXPECT_EQ(line.find("phrase"), std::string::npos) << line;
    EXPECT_NE(line.find("/nopspriv /c /l3 /a3 /p2 /TMIB_IFTable"), std::string::npos) << line;
    EXPECT_NE(core.find(" 0                    0 "), std::string::npos) << core;  // no core file
  }
}

TEST(CompanionRealAgent, InterfaceTableWithHolesShowsEachCellInTheRowOfItsInterface) {
  // Another maker's switch (an snmpsim recording) leaves cells out: ifMtu of interfaces 1,
  // 3 and 1000, ifSpeed of every second one, ifDescr and ifType of 10, ifIndex of 11.
  SnmpsimAgent agent({"holes"});
  ASSERT_TRUE(agent.Start()) << agent.Log();
  const std::string work = MakeTempDir("kvcompanion");
  ASSERT_EQ(::chdir(work.c_str()), 0);
  ::setenv("XDG_CONFIG_DIRS", (work + "/no-config").c_str(), 1);
  for (const char *version : {"/v0", "/v1"}) {  // SNMPv1, SNMPv2c
    int status = -1;
    std::ostringstream errors;
    std::unique_ptr<TConfigForm> form(StartCompanion(
        {"/I127.0.0.1", "/t" + std::to_string(agent.Port()), version, "/Rholes", "/Wholes", "/TMIB_IFTable"}, status,
        errors));
    ASSERT_TRUE(form) << errors.str();
    form->show();
    ASSERT_TRUE(RunUntil([&] { return form->Current && !form->Current->Busy(); }));
    const QTreeView *list = form->findChild<QTreeView *>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->model()->rowCount(), 6) << version;
    const std::vector<std::tuple<QString, QString, QString>> cells = {
        {"1", "Mtu", "(NOTDONE)"},  {"2", "Mtu", "1502"},         {"3", "Mtu", "(NOTDONE)"},
        {"10", "Mtu", "1510"},      {"1000", "Mtu", "(NOTDONE)"}, {"11", "Mtu", "1511"},
        {"2", "Speed", "(NOTDONE)"}, {"3", "Speed", "300000000"}, {"10", "Descr", "(NOTDONE)"},
        {"11", "Descr", "port 11"}, {"1000", "Descr", "port 1000"},
    };
    for (const auto &[key, caption, text] : cells)
      EXPECT_EQ(Cell(list, key, caption), text) << version << " interface " << FromQt(key) << " " << FromQt(caption);
    form->close();
  }
}

