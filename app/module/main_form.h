#pragma once
// The module's main window. Its construction gathers everything the module needs to
// reach the switch (the global session, the message files, the command line and the
// per-device settings file) and sets the caption; it then completes the window (layout,
// start-up queries, menu state and front panel) in CompleteStartup.

#include "main_menu.h"
#include "kv_snmp_var_list.h"
#include "startup_settings.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QAction;
class QLabel;
class QScrollArea;
class TPanelForm;

class TMainForm : public QMainWindow, public KvStartupSettings {
  Q_OBJECT
public:
  // `parameters` are the command-line parameters without the program name. A
  // conversion error or a failure to create the session raises (KvException) and no
  // window is left; without parameters "No parameter input" is shown and Terminated()
  // is true.
  explicit TMainForm(const std::vector<std::string> &parameters, QWidget *parent = nullptr);
  ~TMainForm() override;

  // Start-up stopped after "No parameter input"; the program ends without running.
  bool Terminated() const { return Terminated_; }

  // The screen ran at other than 96 pixels per inch when the window was built. Qt
  // scales every window for the screen already: never multiply sizes by FontScale.
  bool LargeFonts = false;
  float FontScale = 1.0f;

  std::string SettingsFolder;    // where the per-device settings files are looked for
  std::string SettingsFileName;  // SettingsFolder + AddressText + ".cfg"

  // The companion launcher, with what this window was given and the session's settings.
  std::string BuildModuleCommandLine(const std::string &argument) const;
  void LaunchModule(const std::string &argument) const;

  // Brings the window to the front: a later start for the same switch asks for it.
  void BringToFront();

  // The layout, built by CompleteStartup.
  QScrollArea *MainScrollBox = nullptr;  // holds the front panel
  KvStatusBar *StatusBar = nullptr;      // panel 0: start-up, RMON and Alarm/Event failures
  QLabel *ST_RmonState = nullptr;        // hidden: shows the RMON state query
  QLabel *ST_Version = nullptr;          // hidden: shows the version query
  TPanelForm *PanelForm = nullptr;
  // The menu bar's items in menu order (separators included).
  std::vector<QAction *> MainMenu1;
  // The item with that name; null when there is none.
  QAction *MenuItem(const std::string &name) const;

  // Bound to the agent's RMON state for the window's lifetime (null when its creation
  // failed at start-up).
  std::unique_ptr<KvSNMPRequest2Edits> RmonStateBinding;
  // Reads the RMON state: "disabled" disables the "RMON" menu, "enabled" enables it,
  // anything else leaves it; then shows the menus that start hidden. A failure is
  // written into status-bar panel 0.
  void RefreshRmonMenu();

  // One handler per menu item, named after it; each runs its item's entry, and an error
  // that leaves the entry is shown by ShowApplicationError.
#define KV_DECLARE_CLICK(depth, name, caption, visibility, key) void name##Click();
#define KV_NO_CLICK(depth, visibility)
  KV_MAIN_MENU(KV_DECLARE_CLICK, KV_NO_CLICK)
#undef KV_DECLARE_CLICK
#undef KV_NO_CLICK

  // The application's default error display: a message box with the error's text.
  void ShowApplicationError(const std::string &message);

protected:
  // Asks "Are you sure to exit?"; No keeps the module running.
  void closeEvent(QCloseEvent *event) override;

private:
  // The layout, the start-up queries, the menu state and the front panel, after the
  // settings and the caption are in place.
  void CompleteStartup();
  void BuildLayout();
  // Runs one start-up step; an exception's message goes to status-bar panel 0.
  void StartupStep(const std::function<void()> &step);
  // Takes from the start-up read whether the agent is another than an MS-2416X.
  void NoteAgentIdentity(const KvSNMPVarList &list);

  // The shared body of the click handlers.
  void ItemClick(const char *itemName);
  void RunEntry(const KvMenuEntry &entry, const KvMenuItemDef &item);
  void OpenGenericEntry(const KvMenuEntry &entry);
  void PortSessionStatistics(const KvMenuEntry &entry);
  void AlarmEvent(const KvMenuEntry &entry);
  void DeviceAction(const KvMenuEntry &entry);
  void OpenHelp(const KvMenuEntry &entry);
  void OpenFeature(const KvMenuEntry &entry, const KvMenuItemDef &item);

  bool Terminated_ = false;

public:
  // "Not an MS-2416X: <sysDescr>" when the agent's sysObjectID is another than the
  // switch's; empty for an MS-2416X or when start-up could not tell.
  std::string OtherAgentText;
  std::string OtherAgentObjectId;
};

// The one main window of the process while it exists; null before and after.
extern TMainForm *MainForm;

// The title of the last generic window whose caption carries the address; empty until
// one is opened.
extern std::string CurrentWindowTitle;
