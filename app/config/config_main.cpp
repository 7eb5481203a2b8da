// ms2416x-config: save, compare and restore a switch's configuration (see config_command.h).

#include "change_journal.h"
#include "config_command.h"
#include "kv_process.h"

#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

int main(int argc, char **argv) {
  const std::vector<std::string> parameters(argv + (argc > 0 ? 1 : 0), argv + argc);
  // The credentials, pass phrases included, are held from here to the end.
  Platform::ForbidCoreDumps();
  // The session's event pump runs on the application's event loop.
  QCoreApplication application(argc, argv);
  // A restore's writes go to the change journal, as the module's do.
  KvChangeJournal journal("ms2416x-config");
  journal.Install();
  return RunConfigCommand(parameters, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
