#include "connect_form.h"

#include "kv_mib_core_set.h"
#include "kv_secret_store.h"
#include "module_launcher.h"
#include "kv_snmp_request.h"
#include "startup_settings.h"
#include "window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
struct Choice {
  const char *Label;
  int Code;
};
constexpr Choice kVersions[] = {{"SNMPv1", 0}, {"SNMPv2c", 1}, {"SNMPv3", 3}};
constexpr Choice kLevels[] = {{"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}};
// The protocols the session works with (3DES and IDEA it refuses).
constexpr Choice kAuthProtocols[] = {{"MD5", 2},     {"SHA", 3},     {"SHA-224", 4},
                                     {"SHA-256", 5}, {"SHA-384", 6}, {"SHA-512", 7}};
constexpr Choice kPrivProtocols[] = {{"DES", 2}, {"AES-128", 19}, {"AES-192", 20}, {"AES-256", 21}};

template <size_t N>
QComboBox *ChoiceBox(QWidget *parent, const Choice (&choices)[N], const char *name) {
  auto *box = Named(new QComboBox(parent), name);
  for (const Choice &c : choices) box->addItem(c.Label, c.Code);
  return box;
}

int CodeOf(const QComboBox *box) { return box->currentData().toInt(); }

void SelectCode(QComboBox *box, int code) {
  const int at = box->findData(code);
  if (at >= 0) box->setCurrentIndex(at);
}

QLineEdit *SecretEdit(QWidget *parent, const char *name) {
  auto *edit = Named(new QLineEdit(parent), name);
  edit->setEchoMode(QLineEdit::Password);
  return edit;
}

// The name the keyring knows a switch's secrets by.
std::string KeyringName(const std::string &address, int port) { return address + ":" + std::to_string(port); }

QString RecentFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/ms2416x/recent.conf";
}

QString RecentText(const KvRecentSwitch &s) {
  QString text = QString::fromStdString(s.Address) + ":" + QString::number(s.Port);
  for (const Choice &c : kVersions)
    if (c.Code == s.Version) text += QString("  ") + c.Label;
  if (s.Version == 3 && !s.User.empty()) text += "  " + QString::fromStdString(s.User);
  return text;
}
}  // namespace

std::vector<KvRecentSwitch> RecentSwitches() {
  QSettings file(RecentFile(), QSettings::IniFormat);
  std::vector<KvRecentSwitch> out;
  const int count = std::min(file.beginReadArray("recent"), kMostRecent);
  for (int i = 0; i < count; ++i) {
    file.setArrayIndex(i);
    KvRecentSwitch s;
    s.Address = file.value("address").toString().toStdString();
    s.Port = file.value("port", 161).toInt();
    s.Version = file.value("version", 1).toInt();
    s.User = file.value("user").toString().toStdString();
    s.Level = file.value("level", 1).toInt();
    s.AuthProtocol = file.value("auth", 1).toInt();
    s.PrivProtocol = file.value("priv", 1).toInt();
    s.Remembered = file.value("remembered", false).toBool();
    // A hand-edited file: what cannot be a switch is left out.
    if (s.Address.empty() || s.Port < 1 || s.Port > 65535) continue;
    out.push_back(s);
  }
  file.endArray();
  return out;
}

void RememberSwitch(const KvRecentSwitch &s) {
  std::vector<KvRecentSwitch> list = RecentSwitches();
  std::erase_if(list, [&](const KvRecentSwitch &r) { return r.Address == s.Address && r.Port == s.Port; });
  list.insert(list.begin(), s);
  if (list.size() > static_cast<size_t>(kMostRecent)) list.resize(kMostRecent);
  QSettings file(RecentFile(), QSettings::IniFormat);
  file.remove("recent");
  file.beginWriteArray("recent", static_cast<int>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    file.setArrayIndex(static_cast<int>(i));
    file.setValue("address", QString::fromStdString(list[i].Address));
    file.setValue("port", list[i].Port);
    file.setValue("version", list[i].Version);
    file.setValue("user", QString::fromStdString(list[i].User));
    file.setValue("level", list[i].Level);
    file.setValue("auth", list[i].AuthProtocol);
    file.setValue("priv", list[i].PrivProtocol);
    file.setValue("remembered", list[i].Remembered);
  }
  file.endArray();
}

// ---------------------------------------------------------------------------------
// Creation

TConnectForm::TConnectForm(QWidget *owner) : QDialog(owner) {
  setWindowTitle("Connect to an MS-2416X");
  auto *outer = new QHBoxLayout(this);

  auto *recentBox = new QGroupBox("Recent switches", this);
  auto *recentLayout = new QVBoxLayout(recentBox);
  recentLayout->addWidget(LB_Recent = Named(new QListWidget(recentBox), "LB_Recent"));
  LB_Recent->setMinimumWidth(230);
  outer->addWidget(recentBox);

  auto *right = new QVBoxLayout;
  auto *agentBox = new QGroupBox("Switch", this);
  auto *agent = new QFormLayout(agentBox);
  agent->addRow("Address:", ED_Address = Named(new QLineEdit(agentBox), "ED_Address"));
  agent->addRow("Port:", SE_Port = Named(new QSpinBox(agentBox), "SE_Port"));
  SE_Port->setRange(1, 65535);
  SE_Port->setValue(161);
  agent->addRow("SNMP version:", CB_Version = ChoiceBox(agentBox, kVersions, "CB_Version"));
  CB_Version->setCurrentIndex(1);  // SNMPv2c
  right->addWidget(agentBox);

  auto *communityBox = new QGroupBox("SNMPv1 and SNMPv2c", this);
  auto *community = new QFormLayout(communityBox);
  community->addRow("Read community:", ED_ReadCommunity = SecretEdit(communityBox, "ED_ReadCommunity"));
  community->addRow("Write community:", ED_WriteCommunity = SecretEdit(communityBox, "ED_WriteCommunity"));
  right->addWidget(communityBox);

  auto *v3Box = new QGroupBox("SNMPv3", this);
  auto *v3 = new QFormLayout(v3Box);
  v3->addRow("User:", ED_User = Named(new QLineEdit(v3Box), "ED_User"));
  v3->addRow("Security level:", CB_Level = ChoiceBox(v3Box, kLevels, "CB_Level"));
  v3->addRow("Authentication:", CB_AuthProtocol = ChoiceBox(v3Box, kAuthProtocols, "CB_AuthProtocol"));
  v3->addRow("Auth pass phrase:", ED_AuthPassword = SecretEdit(v3Box, "ED_AuthPassword"));
  v3->addRow("Privacy:", CB_PrivProtocol = ChoiceBox(v3Box, kPrivProtocols, "CB_PrivProtocol"));
  v3->addRow("Priv pass phrase:", ED_PrivPassword = SecretEdit(v3Box, "ED_PrivPassword"));
  right->addWidget(v3Box);

  right->addWidget(CK_Remember = Named(new QCheckBox("Remember the secrets in the desktop's keyring", this),
                                       "CK_Remember"));
  right->addWidget(ST_Status = Named(new QLabel(this), "ST_Status"));
  ST_Status->setWordWrap(true);
  ST_Status->setMinimumHeight(36);
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(BT_Test = Named(new QPushButton("Test", this), "BT_Test"));
  buttons->addStretch(1);
  buttons->addWidget(BT_Connect = Named(new QPushButton("Connect", this), "BT_Connect"));
  buttons->addWidget(BT_Cancel = Named(new QPushButton("Cancel", this), "BT_Cancel"));
  right->addLayout(buttons);
  outer->addLayout(right, 1);
  BT_Connect->setDefault(true);
  BT_Test->setAutoDefault(false);
  BT_Cancel->setAutoDefault(false);

  recent_ = RecentSwitches();
  for (const KvRecentSwitch &s : recent_) LB_Recent->addItem(RecentText(s));
  connect(LB_Recent, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && static_cast<size_t>(row) < recent_.size()) ShowSwitch(recent_[static_cast<size_t>(row)]);
  });
  connect(LB_Recent, &QListWidget::itemDoubleClicked, this, [this] { BT_ConnectClick(); });
  connect(CB_Version, &QComboBox::currentIndexChanged, this, [this] { UpdateFields(); });
  connect(CB_Level, &QComboBox::currentIndexChanged, this, [this] { UpdateFields(); });
  connect(BT_Test, &QPushButton::clicked, this, &TConnectForm::BT_TestClick);
  connect(BT_Connect, &QPushButton::clicked, this, &TConnectForm::BT_ConnectClick);
  connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  UpdateFields();
}

TConnectForm::~TConnectForm() = default;

void TConnectForm::UpdateFields() {
  const bool v3 = CodeOf(CB_Version) == 3;
  const int level = CodeOf(CB_Level);
  ED_ReadCommunity->setEnabled(!v3);
  ED_WriteCommunity->setEnabled(!v3);
  for (QWidget *w : std::initializer_list<QWidget *>{ED_User, CB_Level}) w->setEnabled(v3);
  CB_AuthProtocol->setEnabled(v3 && level >= 2);
  ED_AuthPassword->setEnabled(v3 && level >= 2);
  CB_PrivProtocol->setEnabled(v3 && level == 3);
  ED_PrivPassword->setEnabled(v3 && level == 3);
}

void TConnectForm::ShowSwitch(const KvRecentSwitch &s) {
  ED_Address->setText(QString::fromStdString(s.Address));
  SE_Port->setValue(s.Port);
  SelectCode(CB_Version, s.Version);
  ED_User->setText(QString::fromStdString(s.User));
  SelectCode(CB_Level, s.Level);
  SelectCode(CB_AuthProtocol, s.AuthProtocol);
  SelectCode(CB_PrivProtocol, s.PrivProtocol);
  for (const auto &[kind, edit] : SecretFields()) edit->clear();
  ST_Status->clear();
  // What the keyring keeps for the switch, if the user had it remembered (only then is
  // the keyring asked).
  recalled_ = false;
  CK_Remember->setChecked(false);
  if (!s.Remembered) return;
  const std::string name = KeyringName(s.Address, s.Port);
  for (const auto &[kind, edit] : SecretFields())
    if (const std::optional<std::string> secret = Platform::Secrets().Lookup(name, kind)) {
      edit->setText(QString::fromStdString(*secret));
      recalled_ = true;
    }
  CK_Remember->setChecked(recalled_);
}

std::vector<std::pair<const char *, QLineEdit *>> TConnectForm::SecretFields() const {
  return {{"read community", ED_ReadCommunity},
          {"write community", ED_WriteCommunity},
          {"auth pass phrase", ED_AuthPassword},
          {"priv pass phrase", ED_PrivPassword}};
}

bool TConnectForm::KeepSecrets() {
  const KvSNMPSettings s = Settings();
  const std::string name = KeyringName(s.Device.Address, s.Device.Port);
  // What was kept for the switch goes, whether new secrets replace it or none are wanted.
  if (!CK_Remember->isChecked()) {
    if (recalled_) Platform::Secrets().Clear(name);
    return true;
  }
  Platform::Secrets().Clear(name);
  for (const auto &[kind, edit] : SecretFields()) {
    // What the version and level use: the fields they enable.
    if (!edit->isEnabled() || edit->text().isEmpty()) continue;
    std::string error;
    if (!Platform::Secrets().Store(name, kind, edit->text().toStdString(), error)) {
      Platform::Secrets().Clear(name);
      CK_Remember->setChecked(false);
      ST_Status->setText(QString::fromStdString("The keyring did not keep the secrets (" + error +
                                                "): nothing is remembered. Connect again to go on without."));
      return false;
    }
  }
  return true;
}

// ---------------------------------------------------------------------------------
// What the fields describe

KvSNMPSettings TConnectForm::Settings() const {
  KvSNMPSettings s;
  s.Device.Address = ED_Address->text().trimmed().toStdString();
  s.Device.Port = static_cast<uint16_t>(SE_Port->value());
  KvSNMPSecurity &security = s.Security;
  security.Version = static_cast<uint8_t>(CodeOf(CB_Version));
  if (security.Version == 3) {
    security.SecurityModel = 3;
    security.SecurityName = ED_User->text().toStdString();
    security.SecurityLevel = CodeOf(CB_Level);
    if (security.SecurityLevel >= 2) {
      security.AuthProtocol = CodeOf(CB_AuthProtocol);
      security.AuthPassword = ED_AuthPassword->text().toStdString();
    }
    if (security.SecurityLevel == 3) {
      security.PrivProtocol = CodeOf(CB_PrivProtocol);
      security.PrivPassword = ED_PrivPassword->text().toStdString();
    }
  } else {
    security.ReadCommunity = ED_ReadCommunity->text().toStdString();
    security.WriteCommunity = ED_WriteCommunity->text().toStdString();
  }
  return s;
}

std::vector<std::string> TConnectForm::Parameters() const {
  const KvSNMPSettings s = Settings();
  const KvSNMPSecurity &security = s.Security;
  std::vector<std::string> p = {"/I" + s.Device.Address, "/t" + std::to_string(s.Device.Port),
                                "/v" + std::to_string(security.Version)};
  if (security.Version == 3) {
    p.push_back("/m3");
    p.push_back("/n" + security.SecurityName);
    p.push_back("/l" + std::to_string(security.SecurityLevel));
    p.push_back("/a" + std::to_string(security.AuthProtocol));
    p.push_back("/p" + std::to_string(security.PrivProtocol));
  } else {
    p.push_back("/R" + security.ReadCommunity);
    p.push_back("/W" + security.WriteCommunity);
  }
  return p;
}

std::vector<Platform::EnvironmentChange> TConnectForm::PassPhrases() const {
  return PassPhraseEnvironment(Settings().Security);
}

std::string TConnectForm::Refusal() const {
  const KvSNMPSettings s = Settings();
  if (s.Device.Address.empty()) return "Give the switch's address.";
  // Each switch glues its value: a blank would cut the command line.
  if (s.Device.Address.find_first_of(" \t") != std::string::npos) return "The address holds a blank.";
  if (s.Security.Version == 3) {
    if (s.Security.SecurityName.empty()) return "Give the SNMPv3 user.";
    if (s.Security.SecurityLevel >= 2 && s.Security.AuthPassword.size() < 8)
      return "The authentication pass phrase needs at least 8 characters.";
    if (s.Security.SecurityLevel == 3 && s.Security.PrivPassword.size() < 8)
      return "The privacy pass phrase needs at least 8 characters.";
  } else if (s.Security.ReadCommunity.empty()) {
    return "Give the read community.";
  }
  for (const std::string *text : {&s.Security.SecurityName, &s.Security.ReadCommunity, &s.Security.WriteCommunity})
    if (text->find_first_of(" \t") != std::string::npos) return "A user or community holds a blank.";
  return {};
}

// ---------------------------------------------------------------------------------
// The handlers

void TConnectForm::BT_TestClick() {
  if (const std::string refusal = Refusal(); !refusal.empty()) {
    ST_Status->setText(QString::fromStdString(refusal));
    return;
  }
  try {
    KvSNMPSettings settings = Settings();
    settings.Timing.Retries = 1;
    test_ = std::make_unique<KvSNMPRequest>(settings);  // an older test's late answer goes with it
    test_->VarList = KvSNMPVarList(AgentIdentityDefs, SVT_SV, 0);
    ST_Status->setText("Asking " + ED_Address->text().trimmed() + "...");
    BT_Test->setEnabled(false);
    KvSNMPRequest *request = test_.get();
    test_->GetAsync(
        [this, request](void *, KvSNMPError *error, KvSNMPVarList *list) {
          if (request != test_.get()) return;
          const KvSNMPVarItem *descr = list && list->GetCount() > 0 ? list->GetItem(0) : nullptr;
          TestAnswered(error && error->Code != 0 ? error->Message : std::string(),
                       descr ? descr->Value : std::string());
        },
        nullptr, true);
  } catch (const std::exception &e) {
    TestAnswered(e.what(), {});
  }
}

void TConnectForm::TestAnswered(const std::string &status, const std::string &descr) {
  BT_Test->setEnabled(true);
  if (!status.empty()) {
    ST_Status->setText(QString::fromStdString("No answer: " + status));
    return;
  }
  const std::string line = descr.substr(0, descr.find_first_of("\r\n"));
  ST_Status->setText(QString::fromStdString("Answered: " + (line.empty() ? std::string("(no sysDescr)") : line)));
}

void TConnectForm::BT_ConnectClick() {
  if (const std::string refusal = Refusal(); !refusal.empty()) {
    ST_Status->setText(QString::fromStdString(refusal));
    return;
  }
  if (!KeepSecrets()) return;
  const KvSNMPSettings s = Settings();
  RememberSwitch({s.Device.Address, s.Device.Port, s.Security.Version, s.Security.SecurityName,
                  s.Security.SecurityLevel, s.Security.AuthProtocol, s.Security.PrivProtocol, CK_Remember->isChecked()});
  test_.reset();
  accept();
}
