// The companion program against the simulated switch: every view from its view argument,
// the writes of the static VLAN, alarm and system windows as the request log shows them,
// and the program started as the module's menu starts it.

#include "agent_process.h"
#include "companion_start.h"
#include "companion_views.h"
#include "config_form.h"
#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "list_view_panel.h"
#include "live_view.h"
#include "main_form.h"
#include "module_launcher.h"
#include "msg_panel.h"
#include "run_until.h"
#include "snmp_list_view_panel.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <unistd.h>

using Platform::MsgResult;
using Platform::ScriptedMessageBoxes;

namespace {
constexpr char kVlanStatic[] = "1.3.6.1.2.1.17.7.1.4.3.1";
constexpr char kAlarm[] = "1.3.6.1.2.1.16.3.1.1";
constexpr char kSysLocation[] = "1.3.6.1.2.1.1.6.0";

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

  std::vector<std::string> CommandLine(const std::string &view) const {
    return {"/I127.0.0.1", "/t" + std::to_string(sim_->Port()), "/v1", "/Rrdwalk", "/Wwrtgate", "/T" + view};
  }

  // The view's window from its command line, shown, its first read ended.
  TConfigForm *Open(const std::string &view) {
    int status = -1;
    std::ostringstream errors;
    TConfigForm *form = StartCompanion(CommandLine(view), status, errors);
    EXPECT_EQ(status, CompanionExit::Ok) << view << ": " << errors.str();
    if (!form) return nullptr;
    forms_.push_back(form);
    form->show();
    EXPECT_TRUE(RunUntil([&] { return form->Current && !form->Current->Busy(); })) << view;
    return form;
  }

  std::vector<std::string> SetsSince(size_t from) const {
    std::vector<std::string> sets;
    const std::vector<std::string> lines = sim_->LogLines();
    for (size_t i = from; i < lines.size(); ++i)
      if (lines[i].find("\"op\":\"set\"") != std::string::npos) sets.push_back(lines[i]);
    return sets;
  }
  static std::string Vb(const std::string &oid, const std::string &type, const std::string &value) {
    return "{\"oid\":\"" + oid + "\",\"type\":\"" + type + "\",\"value\":\"" + value + "\"";
  }

  std::unique_ptr<SwitchSimAgent> sim_;
  std::string work_;
  std::vector<TConfigForm *> forms_;
};

// The panel of page `page` (or of the window without pages).
TSNMPEditorPanel *PanelOf(TConfigForm *form, int page) {
  QWidget *host = form->Pages ? form->Pages->widget(page) : form;
  return host ? host->findChild<TSNMPEditorPanel *>() : nullptr;
}
QStringList MemoLines(TSNMPEditorPanel *panel) {
  const QString text = panel->MsgPanel->Memo->toPlainText();
  return text.isEmpty() ? QStringList() : text.split('\n');
}
QLineEdit *EditOf(TEditsPanel *edits, int row) {
  return qobject_cast<QLineEdit *>(edits->Rows[static_cast<size_t>(row)].EditCtrl);
}
int RowNamed(const TEditsPanel *edits, const QString &name) {
  for (int i = 0; i < edits->RowCount(); ++i)
    if (edits->Rows[static_cast<size_t>(i)].RowLabel->text() == name) return i;
  return -1;
}
// The row's text in the column captioned `caption`.
QString Cell(const QTreeWidget *list, const QTreeWidgetItem *row, const QString &caption) {
  for (int c = 0; c < list->columnCount(); ++c)
    if (list->headerItem()->text(c) == caption) return row->text(c);
  return "(no column " + caption + ")";
}

// Runs `action` on the next modal dialog that opens, from inside its modal loop.
void OnNextDialog(std::function<void(QDialog *)> action) {
  auto *timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    action(dialog);
    QTimer::singleShot(3000, dialog, [dialog] {
      ADD_FAILURE() << "dialog left open: " << FromQt(dialog->windowTitle());
      dialog->reject();
    });
  });
  timer->start();
}
TCtrlBtnPanel *ButtonsOf(QDialog *dialog) { return dialog->findChild<TCtrlBtnPanel *>(); }

// Types `text` into the named row of a row dialog and checks its box.
void Fill(TEditsPanel *edits, const QString &name, const QString &text) {
  const int row = RowNamed(edits, name);
  ASSERT_GE(row, 0) << FromQt(name);
  if (auto *combo = qobject_cast<QComboBox *>(edits->Rows[static_cast<size_t>(row)].EditCtrl))
    combo->setCurrentIndex(combo->findText(text));
  else
    EditOf(edits, row)->setText(text);
  QCheckBox *box = edits->Rows[static_cast<size_t>(row)].CheckBox;
  if (box->isEnabled() && !box->isChecked()) box->click();
}
}  // namespace

TEST_F(Companion, EveryViewOpensFromItsArgumentAndTheFirstReadOfEachPageFillsIt) {
  ScriptedMessageBoxes unexpected;
  for (const KvCompanionView &view : CompanionViews()) {
    TConfigForm *form = Open(view.Name);
    ASSERT_NE(form, nullptr) << view.Name;
    EXPECT_EQ(FromQt(form->windowTitle()), std::string(view.Title) + " : 127.0.0.1");
    const bool pages = view.Pages.size() > 1;
    EXPECT_EQ(form->FormType, pages                           ? TConfigForm::PageForm
                              : view.Pages[0].ItemType == SVT_SV ? TConfigForm::EditorForm
                                                                 : TConfigForm::ListViewForm)
        << view.Name;
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
        EXPECT_GT(list->ListPanel->ListView->topLevelItemCount(), 0) << what;
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
  // A static VLAN: created through its RowStatus, its port lists typed as port numbers.
  TConfigForm *vlans = Open("VLan_8021QVlan");
  ASSERT_NE(vlans, nullptr);
  auto *statics = qobject_cast<TSNMPListViewPanel *>(PanelOf(vlans, 0));
  ASSERT_NE(statics, nullptr);
  QTreeWidget *list = statics->ListPanel->ListView;
  const int before = list->topLevelItemCount();
  TEditsPanel *edits = statics->Edits;
  size_t from = sim_->LogLines().size();
  OnNextDialog([&](QDialog *dialog) {
    EditOf(edits, 0)->setText("7");
    Fill(edits, "Name", "lab");
    Fill(edits, "EgressPorts", "1-4, 9");
    Fill(edits, "UntaggedPorts", "1-4");
    ButtonsOf(dialog)->SetBtn->click();
  });
  statics->Buttons->AddBtn->click();
  std::vector<std::string> sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  const std::string row = ".7";
  for (const std::string &vb : {Vb(kVlanStatic + std::string(".2") + row, "STRING", "0xF0800000"),
                                Vb(kVlanStatic + std::string(".4") + row, "STRING", "0xF0000000"),
                                Vb(kVlanStatic + std::string(".5") + row, "INTEGER", "4")})
    EXPECT_NE(sets[0].find(vb), std::string::npos) << vb << " in " << sets[0];
  ASSERT_TRUE(RunUntil([&] { return !statics->Binding->Busy(); }));
  ASSERT_EQ(list->topLevelItemCount(), before + 1);
  QTreeWidgetItem *added = list->findItems("7", Qt::MatchExactly, 0).value(0);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(Cell(list, added, "EgressPorts"), "1-4,9");
  EXPECT_EQ(Cell(list, added, "UntaggedPorts"), "1-4");

  // Its egress ports changed in the Edit dialog: only that column goes out.
  list->setCurrentItem(added);
  from = sim_->LogLines().size();
  OnNextDialog([&](QDialog *dialog) {
    EXPECT_EQ(EditOf(edits, RowNamed(edits, "EgressPorts"))->text(), "1-4,9");
    Fill(edits, "EgressPorts", "1-2,24");
    ButtonsOf(dialog)->SetBtn->click();
  });
  statics->Buttons->EditBtn->click();
  sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_NE(sets[0].find(Vb(kVlanStatic + std::string(".2") + row, "STRING", "0xC0000100")), std::string::npos)
      << sets[0];
  EXPECT_EQ(sets[0].find(kVlanStatic + std::string(".5")), std::string::npos) << sets[0];
  ASSERT_TRUE(RunUntil([&] { return !statics->Binding->Busy(); }));
  added = list->findItems("7", Qt::MatchExactly, 0).value(0);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(Cell(list, added, "EgressPorts"), "1-2,24");

  // Destroyed.
  {
    ScriptedMessageBoxes boxes;
    boxes.Answer(MsgResult::Yes);
    list->setCurrentItem(added);
    from = sim_->LogLines().size();
    statics->Buttons->DeleteBtn->click();
    sets = SetsSince(from);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].find(Vb(kVlanStatic + std::string(".5") + row, "INTEGER", "6")), std::string::npos) << sets[0];
    ASSERT_TRUE(RunUntil([&] { return !statics->Binding->Busy(); }));
    EXPECT_EQ(list->topLevelItemCount(), before);
  }
  for (const QString &line : MemoLines(statics))
    EXPECT_TRUE(line.contains("(KvSNMP++) Ok!")) << FromQt(line);

  // An alarm row: createRequest with its columns, then valid; invalid destroys it.
  TConfigForm *alarms = Open("Rmon_AlarmEvent");
  ASSERT_NE(alarms, nullptr);
  auto *alarmPanel = qobject_cast<TSNMPListViewPanel *>(PanelOf(alarms, 0));
  ASSERT_NE(alarmPanel, nullptr);
  TEditsPanel *alarmEdits = alarmPanel->Edits;
  from = sim_->LogLines().size();
  OnNextDialog([&](QDialog *dialog) {
    EditOf(alarmEdits, 0)->setText("9");
    Fill(alarmEdits, "Interval", "30");
    Fill(alarmEdits, "Variable", "1.3.6.1.2.1.2.2.1.10.3");
    Fill(alarmEdits, "RisingThreshold", "1000");
    Fill(alarmEdits, "FallingThreshold", "10");
    ButtonsOf(dialog)->SetBtn->click();
  });
  alarmPanel->Buttons->AddBtn->click();
  sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_NE(sets[0].find(Vb(kAlarm + std::string(".12.9"), "INTEGER", "2")), std::string::npos) << sets[0];
  EXPECT_NE(sets[0].find(Vb(kAlarm + std::string(".3.9"), "OID", "1.3.6.1.2.1.2.2.1.10.3")), std::string::npos)
      << sets[0];
  EXPECT_EQ(sets[1].find("\"oid\"", sets[1].find("\"oid\"") + 1), std::string::npos) << sets[1];
  EXPECT_NE(sets[1].find(Vb(kAlarm + std::string(".12.9"), "INTEGER", "1")), std::string::npos) << sets[1];
  ASSERT_TRUE(RunUntil([&] { return !alarmPanel->Binding->Busy(); }));
  QTreeWidget *alarmList = alarmPanel->ListPanel->ListView;
  QTreeWidgetItem *alarm = alarmList->findItems("9", Qt::MatchExactly, 0).value(0);
  ASSERT_NE(alarm, nullptr);
  EXPECT_EQ(Cell(alarmList, alarm, "Status"), "valid");
  {
    ScriptedMessageBoxes boxes;
    boxes.Answer(MsgResult::Yes);
    alarmList->setCurrentItem(alarm);
    from = sim_->LogLines().size();
    alarmPanel->Buttons->DeleteBtn->click();
    sets = SetsSince(from);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].find(Vb(kAlarm + std::string(".12.9"), "INTEGER", "4")), std::string::npos) << sets[0];
    ASSERT_TRUE(RunUntil([&] { return !alarmPanel->Binding->Busy(); }));
    EXPECT_TRUE(alarmList->findItems("9", Qt::MatchExactly, 0).isEmpty());
  }

  // sysLocation written, then read back by a new window.
  TConfigForm *system = Open("MIB_Info");
  ASSERT_NE(system, nullptr);
  TSNMPEditorPanel *editor = PanelOf(system, 0);
  const int location = RowNamed(editor->Edits, "Location");
  ASSERT_GE(location, 0);
  from = sim_->LogLines().size();
  EditOf(editor->Edits, location)->setText("Lab 3, rack 2");
  editor->Edits->Rows[static_cast<size_t>(location)].CheckBox->click();
  editor->Buttons->SetBtn->click();
  sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_NE(sets[0].find(kSysLocation), std::string::npos) << sets[0];
  EXPECT_NE(sets[0].find("\"text\":\"Lab 3, rack 2\""), std::string::npos) << sets[0];
  TConfigForm *again = Open("MIB_Info");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(EditOf(PanelOf(again, 0)->Edits, location)->text(), "Lab 3, rack 2");
}

namespace {
// The companion started as a program of its own, its probe file in `work`.
struct CompanionRun {
  int ExitCode = -1;
  std::string Probe, Errors;
};
CompanionRun RunCompanion(const std::string &work, const QStringList &arguments) {
  const std::string probe = work + "/probe.txt";
  std::filesystem::remove(probe);
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("MS2416X_COMPANION_PROBE", QString::fromStdString(probe));
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(QString::fromStdString(work));
  process.start(KV_COMPANION, arguments);
  CompanionRun run;
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished(5000);
    return run;
  }
  run.ExitCode = process.exitCode();
  run.Errors = process.readAllStandardError().toStdString();
  std::ifstream in(probe);
  std::stringstream text;
  text << in.rdbuf();
  run.Probe = text.str();
  return run;
}
}  // namespace

TEST_F(Companion, MissingOrUnknownViewEndsWithStatus2AndSaysWhy) {
  const struct {
    QStringList Arguments;
    const char *Says;
  } kCases[] = {
      {{"/I127.0.0.1", "/TMIB_Nothing"}, "Unknown view \"MIB_Nothing\". The views are: MIB_Info, "},
      {{"/I127.0.0.1", "/Rrdwalk"}, "No view given"},
      {{}, "No view given"},
  };
  for (const auto &c : kCases) {
    const CompanionRun run = RunCompanion(work_, c.Arguments);
    EXPECT_EQ(run.ExitCode, CompanionExit::BadView) << c.Says;
    EXPECT_NE(run.Probe.find(std::string("message box: ") + c.Says), std::string::npos) << run.Probe;
    EXPECT_NE(run.Errors.find(c.Says), std::string::npos) << run.Errors;
  }
}

TEST_F(Companion, TheModulesMenuEntryStartsTheCompanionWhichShowsTheView) {
  // SNMPv2c hands on no port: the per-device settings file gives it to both programs.
  std::ofstream(work_ + "/127.0.0.1.cfg")
      << "[Program Information]\nAgentPort=" << sim_->Port()
      << "\nVersion=1\nSecurityModel=0\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
  const std::string probe = work_ + "/probe.txt";
  ::setenv("MS2416X_COMPANION_PROBE", probe.c_str(), 1);
  TMainForm form({"/I127.0.0.1", "/v1", "/Rrdwalk", "/Wwrtgate"});
  ASSERT_FALSE(form.Terminated());
  ASSERT_EQ(form.BuildModuleCommandLine("/TMIB_IFTable"),
            ProgramFolderWithSeparator() + "MIB.EXE /I127.0.0.1 /Rrdwalk /Wwrtgate /TMIB_IFTable");
  const size_t from = sim_->LogLines().size();
  form.IfTable1Click();
  const auto finished = [&] {
    std::ifstream in(probe);
    std::stringstream text;
    text << in.rdbuf();
    return text.str().find("status: ") != std::string::npos ? text.str() : std::string();
  };
  ASSERT_TRUE(RunUntil([&] { return !finished().empty(); }, 30000));
  ::unsetenv("MS2416X_COMPANION_PROBE");
  const std::string shown = finished();
  EXPECT_NE(shown.find("caption: Interface Table : 127.0.0.1\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("status: Get: (KvSNMP++) Ok!"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("message box"), std::string::npos) << shown;
  // The companion walked the interface table's MTU column, which the module never reads.
  const std::vector<std::string> lines = sim_->LogLines();
  size_t mtuReads = 0;
  for (size_t i = from; i < lines.size(); ++i)
    if (lines[i].find("\"oid\":\"1.3.6.1.2.1.2.2.1.4") != std::string::npos) ++mtuReads;
  EXPECT_GE(mtuReads, 1u);
}
