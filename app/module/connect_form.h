#pragma once
// The connect window of `ms2416x --connect`, for a desktop without the host suite: the
// switch's address, port and SNMP version with the communities or the SNMPv3 user, level,
// protocols and pass phrases; "Test" reads sysDescr and says what answered; the recent
// switches (never a community or pass phrase) fill the fields again; the secrets too when
// the user asked to have them remembered, in the desktop's keyring. Accepted, it hands
// back the host suite's command line and the pass phrases for the environment, with which
// the module then starts as the host suite would start it.
//
//   TConnectForm form;
//   if (form.exec() == QDialog::Accepted) StartWith(form.Parameters(), form.PassPhrases());

#include "kv_process.h"
#include "kv_snmp_session.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class KvSNMPRequest;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// One switch of the recent list: what is needed to reach it again, without secrets.
struct KvRecentSwitch {
  std::string Address;
  int Port = 161;
  int Version = 1;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
  std::string User;
  int Level = 1;
  int AuthProtocol = 1;
  int PrivProtocol = 1;
  bool Remembered = false;  // its secrets are in the desktop's keyring
};

// The recent switches, newest first, at most kMostRecent, in the user's configuration
// folder ($XDG_CONFIG_HOME/ms2416x/recent.conf).
std::vector<KvRecentSwitch> RecentSwitches();
// Puts `s` first (in place of an older entry for the same address and port).
void RememberSwitch(const KvRecentSwitch &s);
inline constexpr int kMostRecent = 10;

class TConnectForm : public QDialog {
  Q_OBJECT
public:
  explicit TConnectForm(QWidget *owner = nullptr);
  ~TConnectForm() override;

  // The session the fields describe.
  KvSNMPSettings Settings() const;
  // The host suite's command line for them; the pass phrases are not on it.
  std::vector<std::string> Parameters() const;
  // The pass phrases, for MS2416X_AUTH_PASSWORD and MS2416X_PRIV_PASSWORD.
  std::vector<Platform::EnvironmentChange> PassPhrases() const;
  // Fills the fields from a recent switch (its secrets stay empty).
  void ShowSwitch(const KvRecentSwitch &s);

  void BT_TestClick();
  void BT_ConnectClick();

  QLineEdit *ED_Address;
  QSpinBox *SE_Port;
  QComboBox *CB_Version;
  QLineEdit *ED_ReadCommunity;
  QLineEdit *ED_WriteCommunity;
  QLineEdit *ED_User;
  QComboBox *CB_Level;
  QComboBox *CB_AuthProtocol;
  QLineEdit *ED_AuthPassword;
  QComboBox *CB_PrivProtocol;
  QLineEdit *ED_PrivPassword;
  QListWidget *LB_Recent;
  // Keep the communities and pass phrases in the desktop's keyring (and only there).
  QCheckBox *CK_Remember;
  QPushButton *BT_Test;
  QPushButton *BT_Connect;
  QPushButton *BT_Cancel;
  QLabel *ST_Status;

private:
  // Enables the fields that the version and level use.
  void UpdateFields();
  // The text of what is wrong with the fields, or "".
  std::string Refusal() const;
  void TestAnswered(const std::string &status, const std::string &descr);
  // The secret fields, each with its kind in the keyring.
  std::vector<std::pair<const char *, QLineEdit *>> SecretFields() const;
  // Keeps them when asked to (or forgets them when not); false with the status line
  // saying why when the keyring would not take them.
  bool KeepSecrets();

  std::unique_ptr<KvSNMPRequest> test_;
  std::vector<KvRecentSwitch> recent_;
  bool recalled_ = false;  // the switch shown had its secrets in the keyring
};
