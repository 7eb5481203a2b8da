#include "main_form.h"

#include "kv_message_box.h"
#include "kv_messages.h"
#include "kv_program_info.h"
#include "kv_snmp_session.h"
#include "module_launcher.h"

#include <QMenuBar>
#include <QStatusBar>

#include <filesystem>

TMainForm *MainForm = nullptr;

TMainForm::TMainForm(const std::vector<std::string> &parameters, QWidget *parent)
    : QMainWindow(parent) {
  // 1. The window from its design; the parameter texts start empty (members).
  setObjectName("MainForm");
  menuBar();
  statusBar();

  // 2. Screen scaling, kept as state: Qt scales the windows itself.
  const KvFontScaling scaling = FontScalingFor(Platform::ScreenPixelsPerInch());
  LargeFonts = scaling.LargeFonts;
  FontScale = scaling.FontScale;

  // 3. The global session; its boot counter file lies in the current directory.
  KvSNMPCreateSession("");
  SNMPSecurity.Version = 0;

  // 4. The message files beside the program.
  LoadMessageFiles(Platform::ProgramFolder());

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
  KvSessionRecords session = KvSessionRecords::FromGlobals();
  ApplyCommandLine(parameters, *this, session);
  SettingsFileName = ::SettingsFileName(SettingsFolder, AddressText);
  std::error_code error;
  CfgFileFound = std::filesystem::is_regular_file(SettingsFileName, error);
  if (CfgFileFound) ApplySettingsFile(SettingsFileName, *this, session);
  session.ToGlobals();

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
  if (MainForm == this) MainForm = nullptr;
}

std::string TMainForm::BuildModuleCommandLine(const std::string &argument) const {
  return ::BuildModuleCommandLine(argument, *this, SNMPSecurity.Version,
                                  ProgramFolderWithSeparator());
}

void TMainForm::LaunchModule(const std::string &argument) const {
  ::LaunchModule(argument, *this, SNMPSecurity.Version, ProgramFolderWithSeparator());
}

void TMainForm::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

// ---- Start-up completion --------------------------------------------------------------

void TMainForm::CompleteStartup() {}
