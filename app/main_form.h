#pragma once
// The module's main window. Its construction gathers everything the module needs to
// reach the switch (the global session, the message files, the command line and the
// per-device settings file) and sets the caption; it then completes the window (layout,
// start-up queries, menu state and front panel) in CompleteStartup.

#include "startup_settings.h"

#include <QMainWindow>

#include <string>
#include <vector>

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

  // The companion launcher, with this window's settings and the session's version.
  std::string BuildModuleCommandLine(const std::string &argument) const;
  void LaunchModule(const std::string &argument) const;

  // Brings the window to the front: a later start for the same switch asks for it.
  void BringToFront();

private:
  // The layout, the start-up queries, the menu state and the front panel, after the
  // settings and the caption are in place.
  void CompleteStartup();

  bool Terminated_ = false;
};

// The one main window of the process while it exists; null before and after.
extern TMainForm *MainForm;
