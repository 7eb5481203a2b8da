#include "config_form_fixture.h"

#include "agent_process.h"
#include "snmp_event_processor.h"

namespace configform_test {

SwitchSimAgent *SimulatedSwitch::sim_ = nullptr;

void SimulatedSwitch::StartSwitch(const std::vector<std::string> &extraArgs) {
  if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
  SwitchSimOptions options;
  options.log = true;
  options.users = {"kvadmin"};
  options.extraArgs = {"--rows", std::to_string(kGeneratedRows)};
  options.extraArgs.insert(options.extraArgs.end(), extraArgs.begin(), extraArgs.end());
  sim_ = new SwitchSimAgent(options);
  SnmpEventPump().Start();
  // Bindings copy the global settings when they are created.
  SNMPDevice.Address = "127.0.0.1";
  SNMPDevice.Port = static_cast<uint16_t>(sim_->Port());
  SNMPSecurity.Version = 1;
  SNMPSecurity.ReadCommunity = SwitchSimAgent::kReadCommunity;
  SNMPSecurity.WriteCommunity = SwitchSimAgent::kWriteCommunity;
  SNMPTimeout = 100;
}

void SimulatedSwitch::StopSwitch() {
  SnmpEventPump().Stop();
  delete sim_;
  sim_ = nullptr;
}

std::vector<std::string> SimulatedSwitch::SetsSince(size_t from) {
  const std::vector<std::string> lines = sim_->LogLines();
  std::vector<std::string> sets;
  for (size_t i = from; i < lines.size(); ++i)
    if (lines[i].find("\"op\":\"set\"") != std::string::npos) sets.push_back(lines[i]);
  return sets;
}

}  // namespace configform_test
