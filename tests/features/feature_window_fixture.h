#pragma once
// What the feature window tests share: one session with its event pump, a simulated
// switch per test (from the bundled data or a variant of it) with its request log, and
// the global settings aimed at it, as start-up would set them.

#include "agent_process.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

class FeatureWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
    SnmpEventPump().Start();
  }

  // Starts the switch with the bundled data in which every line whose OID is a key of
  // `lines` is replaced by its value ("" drops it), and `extraArgs`.
  void StartSwitch(const std::map<std::string, std::string> &lines = {}, std::vector<std::string> extraArgs = {}) {
    if (!lines.empty()) extraArgs.insert(extraArgs.end(), {"--data", DataVariant(lines)});
    SwitchSimOptions options;
    options.log = true;
    options.extraArgs = extraArgs;
    sim_ = std::make_unique<SwitchSimAgent>(options);
    ASSERT_TRUE(sim_->Started()) << sim_->Output();
    sim_->AimGlobalSettings(1);
  }

  // The Set requests of the log that carry every one of `parts`.
  std::vector<std::string> Sets(std::vector<std::string> parts = {}) const {
    parts.push_back("\"op\":\"set\"");
    return sim_->LogLinesWith(parts);
  }
  // One variable binding as the log writes it: `{"oid":"<oid>","type":"<type>","value":"<value>"`.
  static std::string Vb(const std::string &oid, const std::string &type, const std::string &value) {
    return "{\"oid\":\"" + oid + "\",\"type\":\"" + type + "\",\"value\":\"" + value + "\"";
  }
  static std::string Oid(const std::string &oid) { return "{\"oid\":\"" + oid + "\""; }
  static int Count(const std::string &text, const std::string &part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }

  std::unique_ptr<SwitchSimAgent> sim_;

private:
  static std::string DataVariant(const std::map<std::string, std::string> &lines) {
    const std::string bundled =
        std::filesystem::path(SwitchSimAgent::SimulatorPath()).parent_path().string() + "/ms2416x.simdata";
    std::ifstream in(bundled);
    std::ostringstream out;
    std::map<std::string, std::string> pending = lines;
    for (std::string line; std::getline(in, line);) {
      const auto it = pending.find(line.substr(0, line.find(' ')));
      if (it == pending.end()) {
        out << line << '\n';
        continue;
      }
      if (!it->second.empty()) out << it->second << '\n';
      pending.erase(it);
    }
    for (const auto &[oid, line] : pending)
      if (!line.empty()) out << line << '\n';  // new instances
    const std::string path = MakeTempDir("kvdata") + "/variant.simdata";
    std::ofstream(path) << out.str();
    return path;
  }
};
