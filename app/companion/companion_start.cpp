#include "companion_start.h"

#include "companion_views.h"
#include "config_form.h"
#include "generic_entry.h"
#include "help_window.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"
#include "list_view_panel.h"
#include "snmp_list_view_panel.h"
#include "startup_settings.h"

#include <QPointer>
#include <QTreeView>

#include <algorithm>
#include <memory>
#include <ostream>

#ifndef MS2416X_VERSION
#define MS2416X_VERSION "0"
#endif

namespace {
void Report(const std::string &message, std::ostream &errors) {
  errors << Platform::ProgramFileName() << ": " << message << '\n';
  Platform::ShowMessageBox(nullptr, message, Platform::ProgramFileName(), Platform::MsgButtons::Ok,
                           Platform::MsgIcon::Error);
}

constexpr int kMaxClientWidth = 800;  // the generic window's widest client area

// The lists of a view show whole values: the binding widens each column to its texts as
// the rows arrive, and after the first complete read the window grows (up to the generic
// window's widest client area) to show them.
void FitWidthAfterFirstRead(TConfigForm *form) {
  QPointer<TConfigForm> window = form;
  for (TSNMPListViewPanel *panel : form->findChildren<TSNMPListViewPanel *>()) {
    QPointer<QTreeView> list = panel->ListPanel->ListView;
    auto fitted = std::make_shared<bool>(false);
    panel->Binding->AddReadWatcher({nullptr, nullptr, [window, list, fitted](bool complete) {
                                      if (*fitted || !complete || !list || !window || list->model()->rowCount() == 0)
                                        return;
                                      *fitted = true;
                                      FitWidthToColumns(window, list, std::max(window->width(), kMaxClientWidth));
                                    }});
  }
}

std::string ViewList() {
  std::string list;
  for (const KvCompanionView &view : CompanionViews()) {
    if (!list.empty()) list += ", ";
    list += view.Name;
  }
  return list;
}
}  // namespace

bool CompanionViewArgument(const std::vector<std::string> &parameters, std::string &view) {
  bool found = false;
  for (const std::string &parameter : parameters) {
    if (parameter.compare(0, 2, "/T") != 0) continue;
    view = parameter.substr(2);
    found = true;
  }
  return found;
}

bool PrintCompanionInformation(const std::vector<std::string> &parameters, std::ostream &out) {
  for (const std::string &parameter : parameters) {
    if (parameter == "--help" || parameter == "-h") {
      out << "Usage: MIB.EXE | Bridge.EXE | EntityMIB.EXE | VLan.EXE | Rmon.EXE\n"
             "         /I<address> [the switches of ms2416x...] /T<module>_<view>\n"
             "\n"
             "Shows one standard MIB view of a switch, started by the ms2416x module's menu\n"
             "with the module's own address and credentials (see ms2416x --help); the\n"
             "pass phrases come in MS2416X_AUTH_PASSWORD and MS2416X_PRIV_PASSWORD, or as /A, /P.\n"
             "Views: "
          << ViewList() << "\n";
      return true;
    }
    if (parameter == "--version") {
      out << "ms2416x-companion " << MS2416X_VERSION << " (" << ModelName << " standard MIB views)\n";
      return true;
    }
  }
  return false;
}

TConfigForm *StartCompanion(const std::vector<std::string> &parameters, int &exitStatus, std::ostream &errors) {
  std::string name;
  if (!CompanionViewArgument(parameters, name)) {
    Report("No view given: the last parameter names it, as /TMIB_Info. The views are: " + ViewList() + ".",
           errors);
    exitStatus = CompanionExit::BadView;
    return nullptr;
  }
  const KvCompanionView *view = FindCompanionView(name);
  if (!view) {
    Report("Unknown view \"" + name + "\". The views are: " + ViewList() + ".", errors);
    exitStatus = CompanionExit::BadView;
    return nullptr;
  }
  try {
    const std::unique_ptr<KvCompanionEntry> entry = CompanionEntry(*view);
    OpenStartupSession(Platform::ProgramFolder());
    KvStartupSettings settings;
    std::string settingsFileName;
    ApplyStartupParameters(parameters, SettingsFolder(), settings, settingsFileName);
    // F1 opens the companion's page at the section of the view's program (MIB, Bridge...).
    THelpWindow::SetProgramPage(Platform::ProgramFolder() + "/" + kCompanionHelpPage);
    THelpWindow::SetContextAnchor("view-" + name.substr(0, name.find('_')));
    TConfigForm *form = BuildGenericWindow(entry->Entry, nullptr, std::string(view->Title) + " : " + settings.AddressText);
    // A window of its own on the desktop, not a dialog over another program.
    form->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    FitWidthAfterFirstRead(form);
    exitStatus = CompanionExit::Ok;
    return form;
  } catch (const std::exception &failure) {
    Report(failure.what(), errors);
  } catch (...) {
    Report("Unknown failure at start-up", errors);
  }
  exitStatus = CompanionExit::StartFailed;
  return nullptr;
}
