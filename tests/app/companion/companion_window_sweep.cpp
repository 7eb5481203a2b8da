// Every view of the companion program against an agent that fails in each of the fault
// modes, as the module's own windows are swept: one test per mode, one agent per mode
// shared by the views, each view started from its command line as the launcher gives it.

#include "agent_process.h"
#include "companion_start.h"
#include "companion_views.h"
#include "config_form.h"
#include "kv_message_box.h"
#include "kv_snmp_session.h"
#include "companion_windows.h"
#include "window_sweep.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class CompanionSweep : public ::testing::TestWithParam<FaultMode> {
protected:
  static void SetUpTestSuite() {
    // The boot counter file goes to the current directory; no host suite's settings.
    static const std::string dir = MakeTempDir("kv_companion_sweep_");
    ASSERT_EQ(chdir(dir.c_str()), 0);
    ::setenv("XDG_CONFIG_DIRS", (dir + "/no-config").c_str(), 1);
  }
};

TEST_P(CompanionSweep, EveryViewShowsTheFailureClosesAndWritesNothing) {
  const FaultMode &mode = GetParam();
  SweepAgent agent(mode);
  Platform::ScriptedMessageBoxes boxes;
  ASSERT_TRUE(agent.Started()) << agent.Output();

  SweepSummary summary;
  const char *only = std::getenv("KV_SWEEP_ONLY");
  const std::vector<SweepWindow> rows = CompanionWindows(agent.Port(), mode.MaxRepetitions);
  for (const SweepWindow &row : rows) {
    if (only && row.Name.find(only) == std::string::npos) continue;
    const SweepOutcome outcome = SweepOne(row, mode, agent);
    std::cout << mode.Name << " | " << row.Name << " | " << outcome.OpenMs << " + " << outcome.CloseMs << " ms, stall " << outcome.StallMs << " ms | "
              << outcome.Status.substr(0, outcome.Status.find('\n')) << '\n';
    AddToSummary(summary, row, outcome);
  }
  EXPECT_EQ(rows.size(), 24u);
  EXPECT_EQ(agent.Sets(), 0);
  std::cout << FormatSummary(mode.Name, summary);
}

INSTANTIATE_TEST_SUITE_P(FaultModes, CompanionSweep, ::testing::ValuesIn(FaultModes()),
                         [](const ::testing::TestParamInfo<FaultMode> &info) { return info.param.Name; });

}  // namespace
