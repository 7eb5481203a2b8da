// The module's program: started by the host suite once per switch with the switch's
// address and credentials on its command line.

#include "change_journal.h"
#include "kv_process.h"
#include "kv_program_info.h"
#include "main_form.h"
#include "module_start.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Parameters(int argc, char **argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}
}  // namespace

int main(int argc, char **argv) {
  // Needs no desktop.
  if (PrintInformation(Parameters(argc, argv), std::cout)) return 0;
  // Communities and pass phrases are in this process's memory from its first instruction
  // (its command line, its environment) to its end: no core file may carry them away.
  Platform::ForbidCoreDumps();
  if (const std::string missing = Platform::NoDisplayText("ms2416x"); !missing.empty()) {
    std::cerr << missing << '\n';
    return 1;
  }

  QApplication application(argc, argv);  // takes Qt's own options out of argv
  std::vector<std::string> parameters = Parameters(argc, argv);
  if (parameters == std::vector<std::string>{kConnectOption} && !AskForSwitch(parameters)) return ModuleExit::Ok;
  // Every write of the module goes to the change journal.
  KvChangeJournal journal("ms2416x");
  journal.Install();
  int exitStatus = 0;
  std::unique_ptr<TMainForm> form = StartModule(parameters, exitStatus, std::cerr);
  if (!form) return exitStatus;
  form->show();
  return application.exec();
}
