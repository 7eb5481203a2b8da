#include "app_test_support.h"
#include "agent_process.h"
#include "event_wait.h"
#include "kv_message_box.h"
#include "kv_messages.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_leds.h"
#include "kv_status_bar.h"
#include "main_form.h"
#include "module_start.h"
#include "panel_form.h"
#include "switch_sim_agent.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QTreeWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>

namespace {
// Each start runs in a folder of its own (the boot counter file and the settings files
// lie in the current directory), with no host suite installed and its own runtime folder.
class MainFormStart : public ::testing::Test {
protected:
  void SetUp() override {
    saved_ = std::filesystem::current_path();
    dir_ = MakeTempDir("kvstart");
    std::filesystem::current_path(dir_);
    ::setenv("XDG_CONFIG_DIRS", (dir_ + "/no-config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", MakeTempDir("kvrun").c_str(), 1);
  }
  void TearDown() override { std::filesystem::current_path(saved_); }

  std::unique_ptr<TMainForm> Start(const std::vector<std::string> &parameters) {
    errors_.str("");
    return StartModule(parameters, status_, errors_);
  }
  static int MainForms() {
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) count += qobject_cast<TMainForm *>(w) != nullptr;
    return count;
  }

  std::filesystem::path saved_;
  std::string dir_;
  int status_ = -1;
  std::ostringstream errors_;
  Platform::ScriptedMessageBoxes boxes_;
};
}  // namespace

// The windows that start here complete their start-up against loopback addresses where
// no agent answers.
TEST_F(MainFormStart, CommandLineThenSettingsFileFillTheSessionAndTheCaption) {
  WriteFile("127.0.0.10.cfg", "[Program Information]\nAgentPort=1161\nVersion=3\nSecurityModel=3\n"
                              "SecurityLevel=1\nSecurityName=admin\nAuthProtocol=1\nPrivProtocol=0\n"
                              "AuthPassword=secret12\nMaxRepetitions=7\n");
  std::unique_ptr<TMainForm> form = Start({"/I127.0.0.10", "/v1", "/Rpub", "/Wpriv"});
  ASSERT_NE(form, nullptr) << errors_.str();
  EXPECT_EQ(status_, ModuleExit::Ok);
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_EQ(MainForm, form.get());
  EXPECT_EQ(form->windowTitle().toStdString(), "MS-2416X R3 : 127.0.0.10");
  EXPECT_TRUE(form->CfgFileFound);
  EXPECT_EQ(form->SettingsFileName, "127.0.0.10.cfg");
  EXPECT_EQ(SNMPDevice.Address, "127.0.0.10");
  EXPECT_EQ(SNMPDevice.Port, 1161);
  EXPECT_EQ(SNMPSecurity.Version, 3);
  EXPECT_EQ(SNMPSecurity.SecurityLevel, 2);
  EXPECT_EQ(SNMPSecurity.SecurityName, "admin");
  EXPECT_EQ(SNMPMaxRepetitions, 7);  // table walks ask for 7 rows per request
  SNMPMaxRepetitions = -1;
  EXPECT_EQ(SNMPSecurity.ReadCommunity, "pub");
  EXPECT_EQ(form->LargeFonts, FontScalingFor(Platform::ScreenPixelsPerInch()).LargeFonts);
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/KvSNMP_PP_BootCounter"));
  EXPECT_EQ(form->BuildModuleCommandLine("/TMIB_Info"),
            Platform::ProgramFolder() + "/MIB.EXE /I127.0.0.10 /t1161 /v3 /d /m3 /nadmin /l2 /a2 /TMIB_Info");
  // Passwords stay out of everything shown.
  EXPECT_EQ(form->windowTitle().indexOf("secret"), -1);
  EXPECT_EQ(errors_.str(), "");
  form.reset();
  EXPECT_EQ(MainForm, nullptr);

  // A second window for another switch starts from the defaults, without a file.
  form = Start({"/I127.0.0.11"});
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(form->CfgFileFound);
  EXPECT_EQ(SNMPDevice.Port, 161);
  EXPECT_EQ(SNMPSecurity.Version, 0);
  EXPECT_EQ(SNMPSecurity.ReadCommunity, "rdwalk");
}

TEST_F(MainFormStart, MissingParametersAndConversionErrorsEndTheStartWithTheirMessage) {
  EXPECT_EQ(Start({}), nullptr);
  EXPECT_EQ(status_, ModuleExit::NoParameters);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Text, "No parameter input");

  boxes_.Clear();
  EXPECT_EQ(Start({"/I192.0.2.12", "/tnope"}), nullptr);
  EXPECT_EQ(status_, ModuleExit::StartFailed);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Text, "'nope' is not a valid integer value");
  EXPECT_NE(errors_.str().find("'nope' is not a valid integer value"), std::string::npos);

  boxes_.Clear();
  EXPECT_EQ(Start({"/I192.0.2.12", "/Asec/tret"}), nullptr);
  EXPECT_EQ(status_, ModuleExit::StartFailed);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Text.find("ret"), std::string::npos);
  EXPECT_EQ(errors_.str().find("ret"), std::string::npos);

  boxes_.Clear();
  WriteFile("192.0.2.13.cfg", "[Program Information]\nAgentPort=161\n");
  EXPECT_EQ(Start({"/I192.0.2.13"}), nullptr);
  EXPECT_EQ(status_, ModuleExit::StartFailed);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  // The settings file's error names its key and the file.
  EXPECT_EQ(boxes_.Shown()[0].Text,
            "'' is not a valid integer value: key \"Version\" of [Program Information] in 192.0.2.13.cfg");
  EXPECT_EQ(MainForm, nullptr);
  EXPECT_EQ(MainForms(), 0);
}

TEST(MessageFiles, WrittenBesideTheProgramLoadBackAsTheBuiltInTexts) {
  LoadMessageFiles(KV_PROGRAM_FOLDER);
  for (const KvMessageTableId id : kMessageTables) {
    EXPECT_TRUE(std::filesystem::exists(std::string(KV_PROGRAM_FOLDER) + "/" + MessageFileName(id)));
    EXPECT_EQ(MessageTable(id), BuiltinMessages(id)) << MessageFileName(id);
  }
  EXPECT_NE(CommonMessage(9).find("'.\nHere,"), std::string::npos);
}

namespace {
// Everything the process writes to its standard output and error while it lives.
class CapturedOutput {
public:
  CapturedOutput() : path_(MakeTempDir("kvout") + "/output") {
    Flush();
    saved_[0] = dup(1);
    saved_[1] = dup(2);
    const int file = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, 1);
    dup2(file, 2);
    ::close(file);
  }
  ~CapturedOutput() { Restore(); }
  std::string Restore() {
    if (saved_[0] >= 0) {
      Flush();
      dup2(saved_[0], 1);
      dup2(saved_[1], 2);
      ::close(saved_[0]);
      ::close(saved_[1]);
      saved_[0] = saved_[1] = -1;
    }
    std::ifstream in(path_);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

private:
  static void Flush() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
  }
  std::string path_;
  int saved_[2] = {-1, -1};
};

// Every text that the top-level windows show or hold for showing: captions, labels,
// buttons, edits, memos, combo items, list rows, menus, tooltips and status tips.
std::string ScreenTexts() {
  std::string all;
  auto add = [&all](const QString &text) { all += text.toStdString() + '\n'; };
  auto addActions = [&](const QWidget *w) {
    for (const QAction *a : w->actions()) {
      add(a->text());
      add(a->toolTip());
      add(a->statusTip());
    }
  };
  for (QWidget *top : QApplication::topLevelWidgets()) {
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (const QWidget *w : widgets) {
      add(w->windowTitle());
      add(w->toolTip());
      add(w->statusTip());
      add(w->whatsThis());
      addActions(w);
      if (auto *label = qobject_cast<const QLabel *>(w)) add(label->text());
      if (auto *button = qobject_cast<const QAbstractButton *>(w)) add(button->text());
      if (auto *edit = qobject_cast<const QLineEdit *>(w)) add(edit->text());
      if (auto *memo = qobject_cast<const QPlainTextEdit *>(w)) add(memo->toPlainText());
      if (auto *combo = qobject_cast<const QComboBox *>(w))
        for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i));
      if (auto *tree = qobject_cast<const QTreeWidget *>(w)) {
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tree)); *it; ++it)
          for (int c = 0; c < (*it)->columnCount(); ++c) {
            add((*it)->text(c));
            add((*it)->toolTip(c));
          }
      } else if (auto *view = qobject_cast<const QTreeView *>(w)) {
        const QAbstractItemModel *rows = view->model();
        for (int r = 0; rows && r < rows->rowCount(); ++r)
          for (int c = 0; c < rows->columnCount(); ++c) {
            add(rows->index(r, c).data().toString());
            add(rows->index(r, c).data(Qt::ToolTipRole).toString());
          }
      }
    }
  }
  return all;
}
}  // namespace

// SNMPv3 credentials that the agent refuses, one failure of the transport each: the
// window comes up all the same, its status bar names the failure in the library's words,
// and no pass phrase (given or the agent's) shows anywhere or reaches any output.
TEST_F(MainFormStart, RefusedSnmpV3CredentialsShowTheFailureAndNoPassPhrase) {
  SwitchSimAgent sim({{"opsauth:MD5:authphrase-A1", "opspriv:SHA:authphrase-B2:DES:privphrase-C3"}, true, {}});
  ASSERT_TRUE(sim.Started()) << sim.Output();
  const std::vector<std::string> agentPhrases = {"authphrase-A1", "authphrase-B2", "privphrase-C3"};
  const std::string timedOut = "(SNMPClass) SNMP request timed out!";
  const struct {
    const char *name;
    std::vector<std::string> switches;
    std::string shown;
  } cases[] = {
      // A user the agent does not know, with a pass phrase of its own.
      {"unknown user", {"/nnobody", "/l2", "/a2", "/Aphrase-nobody-4"}, "(SNMPv3USM) Unknown SecurityName!"},
      {"wrong authentication pass phrase", {"/nopsauth", "/l2", "/a2", "/Awrong-auth-5"},
       "(SNMPv3USM) Authentication failure!"},
      // A wrong privacy key decrypts to garbage that the agent discards unanswered.
      {"wrong privacy pass phrase", {"/nopspriv", "/l3", "/a3", "/Aauthphrase-B2", "/p2", "/Pwrong-priv-6"},
       timedOut},
      {"level above the user's", {"/nopsauth", "/l3", "/a2", "/Aauthphrase-A1", "/p2", "/Pphrase-priv-7"},
       "(SNMPv3USM) Unsupported SecurityLevel!"},
      // The agent discards a request for a context it does not have.
      {"unknown context", {"/nopsauth", "/l2", "/a2", "/Aauthphrase-A1", "/cno-such-context"}, timedOut},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> parameters = {"/I127.0.0.1", "/t" + std::to_string(sim.Port()), "/v3", "/m3"};
    parameters.insert(parameters.end(), c.switches.begin(), c.switches.end());
    std::vector<std::string> phrases = agentPhrases;
    for (const std::string &s : c.switches)
      if (s.rfind("/A", 0) == 0 || s.rfind("/P", 0) == 0) phrases.push_back(s.substr(2));

    CapturedOutput output;
    std::unique_ptr<TMainForm> form = Start(parameters);
    bool polled = false;
    if (form && form->PanelForm && form->PanelForm->Leds) {
      form->show();
      polled = RunEventsUntil([&] { return !form->PanelForm->Leds->Busy(); }, 15000);
    }
    const std::string screen = ScreenTexts();
    const std::string printed = output.Restore();

    ASSERT_NE(form, nullptr) << errors_.str() << printed;
    EXPECT_EQ(status_, ModuleExit::Ok);
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(polled);
    // The start-up queries' failure in the status bar's panel, the LED poll's in its line.
    EXPECT_EQ(form->StatusBar->PanelText(0), c.shown);
    EXPECT_NE(form->StatusBar->SimpleText().find(c.shown), std::string::npos) << form->StatusBar->SimpleText();
    EXPECT_NE(screen.find(c.shown), std::string::npos);  // the texts are read where they are shown
    const std::vector<std::string> log = sim.LogLines();
    for (const std::string &phrase : phrases) {
      EXPECT_EQ(screen.find(phrase), std::string::npos) << phrase;
      EXPECT_EQ(printed.find(phrase), std::string::npos) << phrase << " in " << printed;
      EXPECT_EQ(errors_.str().find(phrase), std::string::npos) << phrase;
      for (const std::string &line : log) EXPECT_EQ(line.find(phrase), std::string::npos) << line;
    }
    form.reset();
  }
}
