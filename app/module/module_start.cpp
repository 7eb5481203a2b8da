#include "module_start.h"

#include "connect_form.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_single_instance.h"
#include "main_form.h"
#include "startup_settings.h"

#include <cstdlib>
#include <ostream>

#ifndef MS2416X_VERSION
#define MS2416X_VERSION "0"
#endif

namespace {
constexpr const char *kUsage =
    "Usage: ms2416x /I<address> [/t<port>] [/v<version>] [switches...]\n"
    "       ms2416x --connect\n"
    "       ms2416x --help | --version\n"
    "\n"
    "Manages one Korvane MS-2416X switch over SNMP. Each switch is glued to its value.\n"
    "  /I<address>   agent address (IPv4, IPv6 or host name)\n"
    "  /t<port>      agent UDP port (161)\n"
    "  /v<version>   0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 (0)\n"
    "  /R<community> read community (rdwalk)\n"
    "  /W<community> write community (wrtgate)\n"
    "  /n<name>      SNMPv3 user name\n"
    "  /l<level>     SNMPv3 security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
    "  /a<code>      authentication protocol: 1 none, 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256,\n"
    "                6 SHA-384, 7 SHA-512\n"
    "  /A<password>  authentication password\n"
    "  /p<code>      privacy protocol: 1 none, 2 DES, 19 AES-128, 20 AES-192, 21 AES-256\n"
    "  /P<password>  privacy password\n"
    "  /m<model>     security model (3 USM)\n"
    "  /c<name>      context name\n"
    "  /d<id>        context engine ID\n"
    "\n"
    "The settings file <address>.cfg in the host suite's Conf/MBF folder (or the current\n"
    "directory) overrides these; its section is [Program Information].\n"
    "\n"
    "Every local user can read a command line. Pass phrases are better given in the\n"
    "environment, which only you can read; a /A or /P parameter overrides them:\n"
    "  MS2416X_AUTH_PASSWORD   authentication password (as /A)\n"
    "  MS2416X_PRIV_PASSWORD   privacy password (as /P)\n"
    "The companion programs get them from the module the same way.\n"
    "\n"
    "--connect asks for the switch and its credentials in a window (as the desktop\n"
    "menu entry starts it), keeps a list of recent switches without their secrets,\n"
    "and then starts as the host suite would.\n";

void Report(const std::string &message, std::ostream &errors) {
  errors << Platform::ProgramFileName() << ": " << message << '\n';
  Platform::ShowMessageBox(nullptr, message, Platform::ProgramFileName(), Platform::MsgButtons::Ok,
                           Platform::MsgIcon::Error);
}
}  // namespace

bool PrintInformation(const std::vector<std::string> &parameters, std::ostream &out) {
  for (const std::string &parameter : parameters) {
    if (parameter == "--help" || parameter == "-h") {
      out << kUsage;
      return true;
    }
    if (parameter == "--version") {
      out << "ms2416x " << MS2416X_VERSION << " (" << ModelName << " management module)\n";
      return true;
    }
  }
  return false;
}

bool AskForSwitch(std::vector<std::string> &parameters) {
  OpenStartupSession(Platform::ProgramFolder());
  TConnectForm form;
  if (form.exec() != QDialog::Accepted) return false;
  parameters = form.Parameters();
  for (const Platform::EnvironmentChange &change : form.PassPhrases()) {
    if (change.Value) ::setenv(change.Name.c_str(), change.Value->c_str(), 1);
    else ::unsetenv(change.Name.c_str());
  }
  return true;
}

std::unique_ptr<TMainForm> StartModule(const std::vector<std::string> &parameters,
                                       int &exitStatus, std::ostream &errors) {
  // A second start for the same switch brings the first one's window to the front.
  auto server = std::make_unique<Platform::InstanceServer>();
  std::string address;
  if (CommandLineAddress(parameters, address) && !address.empty()) {
    const std::string caption = MainCaption(address);
    using Platform::InstanceAnswer;
    if (Platform::ActivateRunningInstance(caption) != InstanceAnswer::None) {
      exitStatus = ModuleExit::Ok;
      return nullptr;
    }
    // Two starts at the same moment: the one that lost the socket asks the winner.
    if (!server->Listen(caption) &&
        Platform::ActivateRunningInstance(caption) != InstanceAnswer::None) {
      exitStatus = ModuleExit::Ok;
      return nullptr;
    }
  }

  std::unique_ptr<TMainForm> form;
  try {
    form = std::make_unique<TMainForm>(parameters);
  } catch (const std::exception &failure) {
    Report(failure.what(), errors);
    exitStatus = ModuleExit::StartFailed;
    return nullptr;
  } catch (...) {
    Report("Unknown failure at start-up", errors);
    exitStatus = ModuleExit::StartFailed;
    return nullptr;
  }
  if (form->Terminated()) {
    errors << Platform::ProgramFileName() << ": No parameter input\n";
    exitStatus = ModuleExit::NoParameters;
    return nullptr;
  }
  TMainForm *window = form.get();
  QObject::connect(server.get(), &Platform::InstanceServer::ActivationRequested, window,
                   &TMainForm::BringToFront);
  server.release()->setParent(window);
  exitStatus = ModuleExit::Ok;
  return form;
}
