#include "app_test_support.h"
#include "agent_process.h"
#include "kv_message_box.h"
#include "kv_messages.h"
#include "kv_program_info.h"
#include "main_form.h"
#include "module_start.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

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
            Platform::ProgramFolder() + "/MIB.EXE /I127.0.0.10 /t1161 /v3 /d /m3 /nadmin /l2 /a2 "
                                        "/Asecret12 /TMIB_Info");
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
  EXPECT_EQ(boxes_.Shown()[0].Text, "'' is not a valid integer value");
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
