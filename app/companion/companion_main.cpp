// The companion program: one standard MIB view of a switch in a window of its own,
// started by the module's menu as MIB.EXE, Bridge.EXE, EntityMIB.EXE, VLan.EXE or
// Rmon.EXE (links to this program) with the module's command line and a view argument.
//
// MS2416X_COMPANION_PROBE=FILE, for tests that start the program as a process: message
// boxes are not shown but answered with their default button and written to FILE, and
// once the view's first read has settled, the window's caption and status lines are
// written to FILE and the program ends.

#include "change_journal.h"
#include "companion_start.h"
#include "config_form.h"
#include "kv_message_box.h"
#include "kv_process.h"
#include "kv_program_info.h"
#include "modal_watch.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Parameters(int argc, char **argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void ProbeLine(const std::string &file, const std::string &line) {
  std::ofstream(file, std::ios::binary | std::ios::app) << line << '\n';
}

// Ends the window once its first read has settled (or after 30 s), writing what it shows.
void WatchForProbe(TConfigForm *form, const std::string &file, QTimer &poll) {
  auto quiet = std::make_shared<int>(0);
  auto ticks = std::make_shared<int>(0);
  poll.setInterval(50);
  QObject::connect(&poll, &QTimer::timeout, form, [form, file, quiet, ticks, &poll] {
    ++*ticks;
    if (!WindowSettled(form)) {
      *quiet = 0;
      if (*ticks < 600) return;
      ProbeLine(file, "not settled: " + form->windowTitle().toStdString());
    } else {
      if (++*quiet < 4) return;
      ProbeLine(file, "caption: " + form->windowTitle().toStdString());
      ProbeLine(file, "status: " + MemoTexts(form).toStdString());
    }
    poll.stop();
    form->reject();
  });
  poll.start();
}
}  // namespace

int main(int argc, char **argv) {
  if (PrintCompanionInformation(Parameters(argc, argv), std::cout)) return CompanionExit::Ok;
  // The module's credentials, pass phrases included, are held from here to the end.
  Platform::ForbidCoreDumps();
  if (const std::string missing = Platform::NoDisplayText("ms2416x-companion"); !missing.empty()) {
    std::cerr << missing << '\n';
    return CompanionExit::StartFailed;
  }

  QApplication application(argc, argv);
  const char *probe = std::getenv("MS2416X_COMPANION_PROBE");
  const std::string probeFile = probe ? probe : "";
  if (!probeFile.empty())
    Platform::SetMessageBoxHook([probeFile](const Platform::ShownMessage &m) {
      ProbeLine(probeFile, "message box: " + m.Text);
      return Platform::DefaultButton(m.Buttons);
    });

  KvChangeJournal journal("ms2416x-companion");
  journal.Install();
  int exitStatus = CompanionExit::Ok;
  TConfigForm *form = StartCompanion(Parameters(argc, argv), exitStatus, std::cerr);
  if (!form) return exitStatus;
  QTimer poll;
  if (!probeFile.empty()) WatchForProbe(form, probeFile, poll);
  form->ShowModal();
  poll.stop();
  delete form;
  return CompanionExit::Ok;
}
