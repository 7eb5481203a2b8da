#pragma once
// One simulated switch (with a request log and generated rows) for every window test
// of the executable, the session and the event pump; the global device aimed at it.

#include "kv_snmp_session.h"
#include "run_until.h"
#include "switch_sim_agent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace configform_test {

using ::RunUntil;

inline size_t Count(const std::string &text, const std::string &part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

class SimulatedSwitch : public ::testing::Test {
protected:
  static constexpr int kGeneratedRows = 40;

  static void StartSwitch(const std::vector<std::string> &extraArgs);
  static void StopSwitch();
  static void SetUpTestSuite() { StartSwitch({}); }
  static void TearDownTestSuite() { StopSwitch(); }
  void SetUp() override { ASSERT_TRUE(sim_ && sim_->Started()) << (sim_ ? sim_->Output() : ""); }

  // Aims a request at the switch (SNMPv2c).
  static void Aim(KvSNMPSettings &settings) { sim_->AimAt(settings, 1); }
  // The log lines of Set requests since `from` (a LogLines() size taken before).
  static std::vector<std::string> SetsSince(size_t from);
  static size_t LogSize() { return sim_->LogLines().size(); }

  static SwitchSimAgent *sim_;
};

}  // namespace configform_test
