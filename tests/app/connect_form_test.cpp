// `ms2416x --connect`: the connect window's fields, its test read, the command line and
// pass phrases it hands on, and the recent switches, which never hold a secret.

#include "agent_process.h"
#include "connect_form.h"
#include "kv_secret_store.h"
#include "kv_snmp_session.h"
#include "run_until.h"
#include "scoped_variable.h"
#include "startup_settings.h"
#include "switch_sim_agent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace {
class ConnectForm : public ::testing::Test {
protected:
  void SetUp() override { KvSNMPCreateSession(dir_); }

  static void Choose(QComboBox *box, const char *label) { box->setCurrentIndex(box->findText(label)); }
  static std::string Status(const TConnectForm &form) { return form.ST_Status->text().toStdString(); }
  std::string RecentFileText() const {
    std::ifstream in(dir_ + "/config/ms2416x/recent.conf");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::string dir_ = MakeTempDir("kvconnect");
  ScopedVariable config_{"XDG_CONFIG_HOME", (dir_ + "/config").c_str()};
};
}  // namespace

TEST_F(ConnectForm, FieldsFollowTheVersionAndLevelAndHandOnTheHostSuitesCommandLine) {
  TConnectForm form;
  EXPECT_EQ(form.CB_Version->currentText(), "SNMPv2c");
  EXPECT_TRUE(form.ED_ReadCommunity->isEnabled());
  EXPECT_FALSE(form.ED_User->isEnabled());
  form.BT_ConnectClick();
  EXPECT_EQ(Status(form), "Give the switch's address.");

  form.ED_Address->setText(" 192.0.2.10 ");
  form.SE_Port->setValue(1161);
  form.ED_ReadCommunity->setText("pub");
  form.ED_WriteCommunity->setText("priv");
  EXPECT_EQ(form.Parameters(), (std::vector<std::string>{"/I192.0.2.10", "/t1161", "/v1", "/Rpub", "/Wpriv"}));
  for (const Platform::EnvironmentChange &c : form.PassPhrases()) EXPECT_FALSE(c.Value) << c.Name;

  Choose(form.CB_Version, "SNMPv3");
  Choose(form.CB_Level, "authNoPriv");
  EXPECT_FALSE(form.ED_ReadCommunity->isEnabled());
  EXPECT_TRUE(form.ED_AuthPassword->isEnabled());
  EXPECT_FALSE(form.ED_PrivPassword->isEnabled());
  Choose(form.CB_Level, "authPriv");
  EXPECT_TRUE(form.ED_PrivPassword->isEnabled());
  form.ED_User->setText("operator");
  Choose(form.CB_AuthProtocol, "SHA-256");
  Choose(form.CB_PrivProtocol, "AES-128");
  form.ED_AuthPassword->setText("short");
  form.BT_ConnectClick();
  EXPECT_EQ(Status(form), "The authentication pass phrase needs at least 8 characters.");
  form.ED_AuthPassword->setText("auth pass phrase");
  form.ED_PrivPassword->setText("priv pass phrase");
  // The pass phrases go through the environment; the start-up reads the command line back
  // into the same session.
  const std::vector<std::string> parameters = form.Parameters();
  EXPECT_EQ(parameters, (std::vector<std::string>{"/I192.0.2.10", "/t1161", "/v3", "/m3", "/noperator", "/l3",
                                                  "/a5", "/p19"}));
  ASSERT_EQ(form.PassPhrases().size(), 2u);
  EXPECT_EQ(form.PassPhrases()[0].Value, std::optional<std::string>("auth pass phrase"));
  KvStartupSettings texts;
  KvSNMPSettings session;
  ApplyCommandLine(parameters, texts, session);
  const KvSNMPSettings shown = form.Settings();
  EXPECT_EQ(session.Security.AuthProtocol, shown.Security.AuthProtocol);
  EXPECT_EQ(session.Security.PrivProtocol, shown.Security.PrivProtocol);
  EXPECT_EQ(session.Security.SecurityLevel, shown.Security.SecurityLevel);
}

TEST_F(ConnectForm, TestSaysWhatAnsweredAndRecentSwitchesKeepNoSecret) {
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  {
    TConnectForm form;
    form.ED_Address->setText("127.0.0.1");
    form.SE_Port->setValue(sw.Port());
    form.ED_ReadCommunity->setText("wrong-community");
    form.BT_TestClick();
    EXPECT_EQ(Status(form), "Asking 127.0.0.1...");
    ASSERT_TRUE(RunUntil([&] { return form.BT_Test->isEnabled(); }));
    EXPECT_EQ(Status(form).rfind("No answer: ", 0), 0u) << Status(form);
    form.ED_ReadCommunity->setText(SwitchSimAgent::kReadCommunity);
    form.ED_WriteCommunity->setText(SwitchSimAgent::kWriteCommunity);
    form.BT_TestClick();
    ASSERT_TRUE(RunUntil([&] { return form.BT_Test->isEnabled(); }));
    EXPECT_EQ(Status(form).rfind("Answered: ", 0), 0u) << Status(form);
    EXPECT_GT(Status(form).size(), std::string("Answered: ").size() + 3);
    form.BT_ConnectClick();
    EXPECT_EQ(form.result(), QDialog::Accepted);
  }
  // Twelve more switches, and the first one again: ten kept, newest first, one entry a
  // switch, no community anywhere in the file.
  for (int i = 1; i <= 12; ++i) RememberSwitch({"10.0.0." + std::to_string(i), 161, 3, "user" + std::to_string(i), 3, 5, 19});
  RememberSwitch({"127.0.0.1", sw.Port(), 1, "", 1, 1, 1});
  const std::vector<KvRecentSwitch> recent = RecentSwitches();
  ASSERT_EQ(recent.size(), 10u);
  EXPECT_EQ(recent[0].Address, "127.0.0.1");
  EXPECT_EQ(recent[1].Address, "10.0.0.12");
  EXPECT_EQ(RecentFileText().find(SwitchSimAgent::kReadCommunity), std::string::npos);

  TConnectForm again;
  ASSERT_EQ(again.LB_Recent->count(), 10);
  again.ED_ReadCommunity->setText("typed");
  again.LB_Recent->setCurrentRow(1);
  EXPECT_EQ(again.ED_Address->text(), "10.0.0.12");
  EXPECT_EQ(again.CB_Version->currentText(), "SNMPv3");
  EXPECT_EQ(again.ED_User->text(), "user12");
  EXPECT_EQ(again.CB_PrivProtocol->currentText(), "AES-128");
  EXPECT_TRUE(again.ED_ReadCommunity->text().isEmpty());  // a secret never comes from the list
}

namespace {
// The keyring of the tests: what it keeps, and whether it refuses.
class FakeSecrets : public Platform::SecretStore {
public:
  bool Store(const std::string &name, const std::string &kind, const std::string &secret, std::string &error) override {
    if (Refuse) {
      error = "the keyring is locked";
      return false;
    }
    Kept[name + "|" + kind] = secret;
    return true;
  }
  std::optional<std::string> Lookup(const std::string &name, const std::string &kind) override {
    ++Lookups;
    const auto it = Kept.find(name + "|" + kind);
    return it == Kept.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  void Clear(const std::string &name) override {
    std::erase_if(Kept, [&](const auto &entry) { return entry.first.rfind(name + "|", 0) == 0; });
  }
  std::map<std::string, std::string> Kept;
  bool Refuse = false;
  int Lookups = 0;
};
}  // namespace

TEST_F(ConnectForm, SecretsAreKeptOnlyInTheKeyringAndOnlyWhenAsked) {
  FakeSecrets keyring;
  Platform::SecretStore *previous = Platform::SetSecretStore(&keyring);
  const auto connect = [](bool remember, const char *read) {
    TConnectForm form;
    form.ED_Address->setText("192.0.2.20");
    form.ED_ReadCommunity->setText(read);
    form.ED_WriteCommunity->setText("write-secret");
    form.CK_Remember->setChecked(remember);
    form.BT_ConnectClick();
    return form.result() == QDialog::Accepted;
  };
  const auto recall = [](TConnectForm &form) { form.LB_Recent->setCurrentRow(0); };

  // Not asked: the keyring is never touched, and the list recalls no secret.
  ASSERT_TRUE(connect(false, "read-secret"));
  EXPECT_TRUE(keyring.Kept.empty());
  {
    TConnectForm form;
    recall(form);
    EXPECT_EQ(keyring.Lookups, 0);
    EXPECT_TRUE(form.ED_ReadCommunity->text().isEmpty());
  }
  // Asked: kept in the keyring only, recalled with the switch; unticked, forgotten.
  ASSERT_TRUE(connect(true, "read-secret"));
  EXPECT_EQ(keyring.Kept, (std::map<std::string, std::string>{{"192.0.2.20:161|read community", "read-secret"},
                                                              {"192.0.2.20:161|write community", "write-secret"}}));
  EXPECT_EQ(RecentFileText().find("secret"), std::string::npos);
  {
    TConnectForm form;
    recall(form);
    EXPECT_EQ(form.ED_ReadCommunity->text(), "read-secret");
    EXPECT_TRUE(form.CK_Remember->isChecked());
    form.CK_Remember->setChecked(false);
    form.BT_ConnectClick();
    EXPECT_EQ(form.result(), QDialog::Accepted);
  }
  EXPECT_TRUE(keyring.Kept.empty());
  // A keyring that refuses: nothing kept, the window says so and stays open.
  keyring.Refuse = true;
  {
    TConnectForm form;
    form.ED_Address->setText("192.0.2.21");
    form.ED_ReadCommunity->setText("read-secret");
    form.CK_Remember->setChecked(true);
    form.BT_ConnectClick();
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_NE(Status(form).find("the keyring is locked"), std::string::npos) << Status(form);
    EXPECT_FALSE(form.CK_Remember->isChecked());
  }
  EXPECT_TRUE(keyring.Kept.empty());
  Platform::SetSecretStore(previous);

  // The desktop's store without a session bus fails at once, with its reason.
  ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
  std::string error;
  EXPECT_FALSE(Platform::Secrets().Store("192.0.2.22:161", "read community", "x", error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(Platform::Secrets().Lookup("192.0.2.22:161", "read community"));
}
