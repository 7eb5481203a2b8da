#include "main_form.h"

#include "about_form.h"
#include "blocking_wait.h"
#include "feature_windows.h"
#include "help_window.h"
#include "generic_entry.h"
#include "kv_controls.h"
#include "kv_exception.h"
#include "kv_help.h"
#include "kv_message_box.h"
#include "kv_messages.h"
#include "kv_mib_core_set.h"
#include "kv_program_info.h"
#include "kv_snmp_request.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "main_menu_bar.h"
#include "module_launcher.h"
#include "panel_form.h"
#include "runtime_version.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>


TMainForm *MainForm = nullptr;
std::string CurrentWindowTitle;

TMainForm::TMainForm(const std::vector<std::string> &parameters, QWidget *parent)
    : QMainWindow(parent) {
  // 1. The window from its design; the parameter texts start empty (members).
  setObjectName("MainForm");
  menuBar();  // the status bar comes with the layout: one made here would only be replaced

  // 2. Screen scaling, kept as state: Qt scales the windows itself.
  const KvFontScaling scaling = FontScalingFor(Platform::ScreenPixelsPerInch());
  LargeFonts = scaling.LargeFonts;
  FontScale = scaling.FontScale;

  // F1 opens the help page, here and in every window of the program.
  THelpWindow::SetProgramPage(Platform::ProgramFolder() + "/" + kHelpPageTitle + ".html");
  THelpWindow::AddHelpKey(this);

  // 3. The global session; its boot counter file lies in the current directory.
  // 4. The message files beside the program.
  OpenStartupSession(Platform::ProgramFolder());
  TBlockingWait::Install();  // blocking requests keep the program running while they wait

  // 5. Where the host suite keeps the per-device settings files.
  SettingsFolder = ::SettingsFolder();

  // 6. Nothing given yet (members start false).

  // 7. Nothing to do without parameters.
  if (parameters.empty()) {
    Platform::ShowMessageBox(nullptr, "No parameter input", Platform::ProgramFileName());
    Terminated_ = true;
    return;
  }

  // 8. The command line, then 9 and 10 the settings file, which overrides it.
  ApplyStartupParameters(parameters, SettingsFolder, *this, SettingsFileName);

  // 11. The caption names the switch.
  setWindowTitle(QString::fromLocal8Bit(MainCaption(AddressText)));

  MainForm = this;
  try {
    CompleteStartup();
  } catch (...) {
    MainForm = nullptr;  // no destructor runs for a window that was never built
    throw;
  }
}

TMainForm::~TMainForm() {
  // The front panel and the RMON binding may wait for answers still on their way, letting
  // events run: they go first, while the window is still whole.
  delete PanelForm;
  PanelForm = nullptr;
  RmonStateBinding.reset();
  if (MainForm == this) MainForm = nullptr;
}

std::string TMainForm::BuildModuleCommandLine(const std::string &argument) const {
  return CompanionStart(argument, *this, SNMPSettings, ProgramFolderWithSeparator()).CommandLine;
}

void TMainForm::LaunchModule(const std::string &argument) const {
  ::LaunchModule(CompanionStart(argument, *this, SNMPSettings, ProgramFolderWithSeparator()));
}

void TMainForm::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

// ---- Start-up completion --------------------------------------------------------------

namespace {
// The client area below the menu.
constexpr int kClientWidth = 786;
constexpr int kClientHeight = 133;
constexpr int kStatusBarHeight = 20;
const QColor kScrollBoxColour(84, 84, 84);

// Every menu item's handler, in menu order.
struct ClickHandler {
  const char *Name;
  void (TMainForm::*Click)();
};
#define KV_HANDLER(depth, name, caption, visibility, key) ClickHandler{#name, &TMainForm::name##Click},
#define KV_NO_HANDLER(depth, visibility)
const ClickHandler kClickHandlers[] = {KV_MAIN_MENU(KV_HANDLER, KV_NO_HANDLER)};
#undef KV_HANDLER
#undef KV_NO_HANDLER
}  // namespace

void TMainForm::CompleteStartup() {
  BuildLayout();

  // 1. The agent's runtime software version, and in the same request what the agent
  // says it is; this binding is not kept.
  OtherAgentText.clear();
  StartupStep([this] {
    KvSNMPRequest2Edits version(this);
    version.Request.VarList = KvSNMPVarList(RuntimeVersionDefs, SVT_SV, 0);
    version.Request.VarList.Add(AgentIdentityDefs);
    version.RequestMode = KvSNMPRequest2Controls::Blocking;
    version.Associate(0, ST_Version);
    try {
      version.Refresh();
    } catch (const KvException &) {
      // An agent without some of them still tells what it has.
      if (version.Request.PartlyRead()) NoteAgentIdentity(version.Request.VarList);
      throw;
    }
    NoteAgentIdentity(version.Request.VarList);
    RuntimeVersion = FromQt(ST_Version->text()).substr(0, 10);
  });
  // 2. The RMON state binding, kept for the window's lifetime; no Get yet.
  StartupStep([this] {
    auto binding = std::make_unique<KvSNMPRequest2Edits>(this);
    binding->Request.VarList = KvSNMPVarList(RmonStateDefs, SVT_SV, 0);
    binding->RequestMode = KvSNMPRequest2Controls::Blocking;
    binding->Associate(0, ST_RmonState);
    RmonStateBinding = std::move(binding);
  });
  // 3. The "RMON" menu follows the agent; guarded inside.
  RefreshRmonMenu();
  // 4. The SNMPv3 windows need an SNMPv3 session.
  if (SNMPSecurity.Version != 3) MenuItem("VACM1")->setEnabled(false);
  // 5. The front panel fills the scroll box; it reports its own failures.
  PanelForm = new TPanelForm(MainScrollBox, StatusBar, SNMPSettings);
  MainScrollBox->setWidget(PanelForm);
  PanelForm->show();
  // 6. Another agent than an MS-2416X is shown as one: dimmed, and said in the status
  // bar, where it stays as its LEDs are not polled.
  if (!OtherAgentText.empty()) {
    PanelForm->ShowOtherAgent(OtherAgentText);
    StatusBar->SetPanelText(0, OtherAgentText + " (sysObjectID " + OtherAgentObjectId + ")");
  }
}

void TMainForm::NoteAgentIdentity(const KvSNMPVarList &list) {
  const KvSNMPVarItem *descr = list.FindByName("sysDescr");
  const KvSNMPVarItem *objectId = list.FindByName("sysObjectID");
  // Nothing read (no answer) tells nothing; an agent without sysObjectID is no MS-2416X.
  if (!descr || !objectId || objectId->Value.empty() || objectId->Value == ModelObjectId) return;
  std::string text = descr->Value == "(NULL)" ? std::string() : descr->Value;
  text = text.substr(0, text.find_first_of("\r\n"));
  OtherAgentObjectId = objectId->Value;
  OtherAgentText = "Not an MS-2416X: " + (text.empty() ? std::string("(no sysDescr)") : text);
}

void TMainForm::BuildLayout() {
  // A fixed border with the system menu and the minimise button only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  MainMenu1 = BuildMainMenuBar(menuBar(), MainMenuTree());
  const auto tree = MainMenuTree();
  size_t handler = 0;
  for (size_t i = 0; i < tree.size(); ++i) {
    if (tree[i].IsSeparator()) continue;
    connect(MainMenu1[i], &QAction::triggered, this, kClickHandlers[handler++].Click);
  }

  MainScrollBox = new QScrollArea(this);
  MainScrollBox->setObjectName("MainScrollBox");
  MainScrollBox->setFrameShape(QFrame::NoFrame);
  MainScrollBox->setWidgetResizable(true);
  QPalette palette = MainScrollBox->palette();
  palette.setColor(QPalette::Window, kScrollBoxColour);
  MainScrollBox->setPalette(palette);
  MainScrollBox->setBackgroundRole(QPalette::Window);
  MainScrollBox->setAutoFillBackground(true);
  MainScrollBox->viewport()->setPalette(palette);
  MainScrollBox->viewport()->setAutoFillBackground(true);
  setCentralWidget(MainScrollBox);

  // The status bar at the bottom of the client area: one panel; being the last, it
  // reaches to the bar's right end, as the platform's status bars draw a last panel.
  StatusBar = new KvStatusBar(this);
  StatusBar->setObjectName("StatusBar");
  StatusBar->setFixedHeight(kStatusBarHeight);
  StatusBar->setSizeGripEnabled(false);
  StatusBar->AddPanel(0);
  setStatusBar(StatusBar);

  ST_RmonState = new QLabel(QStringLiteral("ST_RmonState"), this);
  ST_RmonState->setObjectName("ST_RmonState");
  ST_RmonState->hide();
  ST_Version = new QLabel(QStringLiteral("Version"), this);
  ST_Version->setObjectName("ST_Version");
  ST_Version->hide();

  setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TMainForm::StartupStep(const std::function<void()> &step) {
  try {
    step();
  } catch (const std::exception &e) {
    StatusBar->SetPanelText(0, e.what());
  }
}

QAction *TMainForm::MenuItem(const std::string &name) const {
  const auto tree = MainMenuTree();
  for (size_t i = 0; i < tree.size() && i < MainMenu1.size(); ++i)
    if (!tree[i].IsSeparator() && name == tree[i].Name) return MainMenu1[i];
  return nullptr;
}

void TMainForm::RefreshRmonMenu() {
  StartupStep([this] {
    if (!RmonStateBinding) return;  // its creation failed at start-up
    RmonStateBinding->Refresh();
    const std::string state = FromQt(ST_RmonState->text());
    if (state == "disabled") MenuItem("Menu_RMON")->setEnabled(false);
    else if (state == "enabled") MenuItem("Menu_RMON")->setEnabled(true);
  });
  for (const KvMenuItemDef &item : MainMenuTree())
    if (item.Visibility == KvMenuVisibility::ShownAtStartUp) MenuItem(item.Name)->setVisible(true);
}

// ---- The menu ------------------------------------------------------------------------

#define KV_DEFINE_CLICK(depth, name, caption, visibility, key) \
  void TMainForm::name##Click() { ItemClick(#name); }
#define KV_NO_CLICK(depth, visibility)
KV_MAIN_MENU(KV_DEFINE_CLICK, KV_NO_CLICK)
#undef KV_DEFINE_CLICK
#undef KV_NO_CLICK

void TMainForm::ItemClick(const char *itemName) {
  const KvMenuItemDef *item = FindMenuItem(itemName);
  if (!item || !item->Key[0]) return;  // a parent: its submenu opens by itself
  const KvMenuEntry *entry = FindMenuEntry(item->Key);
  if (!entry) return;
  // F1 in the entry's window opens the help at its menu's section.
  THelpWindow::SetContextAnchor(HelpAnchorOf(*item));
  try {
    RunEntry(*entry, *item);
  } catch (const std::exception &e) {
    ShowApplicationError(e.what());
  } catch (...) {
    ShowApplicationError("(KvCommon) Unknown error!");
  }
}

void TMainForm::ShowApplicationError(const std::string &message) {
  Platform::ShowMessageBox(this, message, Platform::ProgramFileName(), Platform::MsgButtons::Ok,
                           Platform::MsgIcon::Error);
}

void TMainForm::RunEntry(const KvMenuEntry &entry, const KvMenuItemDef &item) {
  switch (entry.Kind) {
  case KvEntryKind::Generic:
  case KvEntryKind::Pages: OpenGenericEntry(entry); break;
  case KvEntryKind::Module: LaunchModule(entry.Title); break;
  case KvEntryKind::Special:
    if (entry.Defs) PortSessionStatistics(entry);
    else AlarmEvent(entry);
    break;
  case KvEntryKind::Device: DeviceAction(entry); break;
  case KvEntryKind::Help: OpenHelp(entry); break;
  case KvEntryKind::About: {
    TAboutForm about(this);
    about.exec();
    break;
  }
  case KvEntryKind::Feature: OpenFeature(entry, item); break;
  }
}

void TMainForm::OpenGenericEntry(const KvMenuEntry &entry) {
  if (entry.Address) CurrentWindowTitle = entry.Title;
  const std::string caption = entry.Address ? CurrentWindowTitle + " : " + AddressText : entry.Title;
  OpenGenericWindow(entry, this, caption);
  if (entry.Extras & EntryExtra::RefreshRmonMenu) RefreshRmonMenu();
}

void TMainForm::PortSessionStatistics(const KvMenuEntry &entry) {
  CurrentWindowTitle = entry.Title;
  if (SNMPSecurity.Version == 0 &&
      Platform::ShowMessageBox(this, "This table has Counter64 ! \n Do you want to chane to SNMP V2 ?",
                               "Changes SNMP Version", Platform::MsgButtons::OkCancel,
                               Platform::MsgIcon::Information) == Platform::MsgResult::Ok)
    SNMPSecurity.Version = 1;  // for the rest of the run (windows and companions opened from now on)
  OpenGenericEntry(entry);
}

void TMainForm::AlarmEvent(const KvMenuEntry &entry) {
  StartupStep([&] {
    if (!RmonStateBinding) return;  // its creation failed at start-up
    RmonStateBinding->Refresh();
    const std::string state = FromQt(ST_RmonState->text());
    if (state == "disabled")
      Platform::ShowMessageBox(this, "The device doesn't support RMON AlarmEvent!", Platform::ProgramFileName());
    else if (state == "enabled")
      LaunchModule(entry.Title);
  });
}

void TMainForm::DeviceAction(const KvMenuEntry &entry) {
  KvJournalScope journal(entry.Title);
  if (Platform::ShowMessageBox(this, "Are you sure?", entry.Title, Platform::MsgButtons::OkCancel,
                               Platform::MsgIcon::Information) != Platform::MsgResult::Ok)
    return;
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(entry.Defs, SVT_SV, 0);
  request.Settings.Timing.Timeout = static_cast<uint32_t>(entry.Timeout);
  request.VarList.GetItem(0)->Value = entry.Value;
  request.Set(false);  // an error leaves for the default error display
}

void TMainForm::OpenHelp(const KvMenuEntry &) {
  // The entry's page is the program's page (kHelpPageTitle), from its top.
  THelpWindow::ShowProgramHelp(this, "");
}

void TMainForm::OpenFeature(const KvMenuEntry &entry, const KvMenuItemDef &item) {
  // Spanning tree information has its own window only with one firmware version;
  // otherwise the Bridge companion shows it.
  if (entry.Value && RuntimeVersion != entry.Value) {
    LaunchModule(entry.Title);
    return;
  }
  if (KvFeatureOpener open = FeatureOpener(entry.Key)) {
    open(*this);
    return;
  }
  Platform::ShowMessageBox(this, FeatureNotAvailableText(item.Caption), Platform::ProgramFileName(),
                           Platform::MsgButtons::Ok, Platform::MsgIcon::Information);
}

void TMainForm::closeEvent(QCloseEvent *event) {
  if (Platform::ShowMessageBox(this, "Are you sure to exit?", "Exit", Platform::MsgButtons::YesNo,
                               Platform::MsgIcon::Question) == Platform::MsgResult::Yes)
    event->accept();
  else
    event->ignore();
}
