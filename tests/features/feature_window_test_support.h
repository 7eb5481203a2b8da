#pragma once
// What the feature window tests share: a simulated switch per test suite that the
// global session settings aim at (windows build their requests from them), waiting
// with the event loop running, and reading the simulator's request log.

#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Lets the event loop run until `done` holds, for at most `ms`.
inline bool RunUntil(const std::function<bool()> &done, int ms = 15000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
  return true;
}

inline void RunFor(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

// The global settings aimed at `sim` with SNMPv2c, as the command line would set them.
inline void AimGlobalsAt(const SwitchSimAgent &sim) {
  SNMPDevice.Address = "127.0.0.1";
  SNMPDevice.Port = static_cast<uint16_t>(sim.Port());
  SNMPSecurity.Version = 1;
  SNMPSecurity.ReadCommunity = SwitchSimAgent::kReadCommunity;
  SNMPSecurity.WriteCommunity = SwitchSimAgent::kWriteCommunity;
  SNMPTimeout = 100;
}

inline std::vector<std::string> LogOps(const SwitchSimAgent &sim, const std::string &op) {
  return sim.LogLinesWith({"\"op\":\"" + op + "\""});
}

// A suite with its own simulator (started with `extraArgs`) and the request log on.
class FeatureWindowTest : public ::testing::Test {
protected:
  static void StartSimulator(std::vector<std::string> extraArgs = {}) {
    if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
    SwitchSimOptions options;
    options.log = true;
    options.extraArgs = std::move(extraArgs);
    sim_ = std::make_unique<SwitchSimAgent>(options);
    SnmpEventPump().Start();
  }
  static void SetUpTestSuite() { StartSimulator(); }
  static void TearDownTestSuite() {
    SnmpEventPump().Stop();
    sim_.reset();
  }
  void SetUp() override {
    ASSERT_TRUE(sim_ && sim_->Started()) << (sim_ ? sim_->Output() : "");
    AimGlobalsAt(*sim_);
    seen_ = sim_->LogLines().size();
  }
  // Log lines written since the last call (or the start of the test).
  std::vector<std::string> NewLogLines() {
    std::vector<std::string> all = sim_->LogLines();
    std::vector<std::string> fresh(all.begin() + static_cast<long>(std::min(seen_, all.size())), all.end());
    seen_ = all.size();
    return fresh;
  }

  static inline std::unique_ptr<SwitchSimAgent> sim_;
  size_t seen_ = 0;
};
