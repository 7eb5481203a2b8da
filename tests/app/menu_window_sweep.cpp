// Every window the main menu reaches, and the port window of the front panel, against
// an agent that fails in each of the fault modes (one test per mode, one agent per
// mode shared by its windows). The rows are the menu's entries that open windows or
// read the switch; a program with a list of views of its own appends a row per view.

#include "agent_process.h"
#include "kv_message_box.h"
#include "kv_mib_catalogue.h"
#include "kv_snmp_request2_leds.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "main_form.h"
#include "main_menu.h"
#include "panel_form.h"
#include "runtime_version.h"
#include "menu_windows.h"
#include "window_sweep.h"

#include <QAction>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class WindowSweep : public ::testing::TestWithParam<FaultMode> {
protected:
  static void SetUpTestSuite() {
    // The boot counter file goes to the current directory: keep it out of the build tree.
    static const std::string dir = MakeTempDir("kv_window_sweep_");
    ASSERT_EQ(chdir(dir.c_str()), 0);
  }
};

TEST_P(WindowSweep, EveryWindowShowsTheFailureClosesAndWritesNothing) {
  const FaultMode &mode = GetParam();
  SweepAgent agent(mode);
  Platform::ScriptedMessageBoxes boxes;  // nothing waits for a person, start-up included
  ASSERT_TRUE(agent.Started()) << agent.Output();

  // The main window comes up whatever the agent does; a failed start-up query says so.
  auto form = std::make_unique<TMainForm>(std::vector<std::string>{
      "/I127.0.0.1", "/t" + std::to_string(agent.Port()), "/v1", "/Rrdwalk", "/Wwrtgate"});
  ASSERT_NE(form->PanelForm, nullptr);
  if (mode.EveryReadFails) {
    EXPECT_TRUE(IsFailureText(form->StatusBar->PanelText(0))) << form->StatusBar->PanelText(0);
  }
  form->show();
  // The LED poll would add requests of its own to those of the windows.
  if (form->PanelForm->Leds) form->PanelForm->Leds->StopPolling();
  SNMPTimeout = kSweepTimeout;
  SNMPMaxRepetitions = mode.MaxRepetitions;
  RuntimeVersion = "Build 2.03";  // the spanning tree entry opens its window, not the companion

  SweepSummary summary;
  int swept = 0;
  // KV_SWEEP_ONLY=<part of a row's name> sweeps only the matching rows (while mending).
  const char *only = std::getenv("KV_SWEEP_ONLY");
  for (const SweepWindow &row : MenuWindows(*form)) {
    if (only && row.Name.find(only) == std::string::npos) continue;
    const SweepOutcome outcome = SweepOne(row, mode, agent);
    std::cout << mode.Name << " | " << row.Name << " | " << outcome.OpenMs << " + " << outcome.CloseMs << " ms, stall " << outcome.StallMs << " ms | "
              << outcome.Status.substr(0, outcome.Status.find('\n')) << '\n';
    AddToSummary(summary, row, outcome);
    ++swept;
  }
  if (!only) {
    EXPECT_EQ(swept, 59 + 18 + 2 + 1);
  }  // generic windows, windows of their own, S1 and S2, the port window
  EXPECT_EQ(agent.Sets(), 0);
  std::cout << FormatSummary(mode.Name, summary);
  form.reset();
}

INSTANTIATE_TEST_SUITE_P(FaultModes, WindowSweep, ::testing::ValuesIn(FaultModes()),
                         [](const ::testing::TestParamInfo<FaultMode> &info) { return info.param.Name; });

}  // namespace
