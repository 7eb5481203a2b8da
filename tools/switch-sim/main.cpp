// ms2416x-sim: a simulated MS-2416X switch agent for tests, demonstrations and benchmarks.

#include "sim_agent.h"
#include "sim_options.h"
#include "switch_data.h"
#include "switch_model.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#ifndef SIM_SOURCE_DATA
#define SIM_SOURCE_DATA ""
#endif

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) { g_stop = 1; }

// The bundled data: beside the program, else in the source tree it was built from.
std::string BundledData() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const auto beside = exe.parent_path() / "ms2416x.simdata";
    if (std::filesystem::exists(beside, ec)) return beside.string();
  }
  return SIM_SOURCE_DATA;
}

// Removes the temporary state directory on the way out, whatever the way.
struct TempDir {
  std::string path;
  ~TempDir() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
};

}  // namespace

int main(int argc, char **argv) {
  TempDir temp;
  try {
    SimOptions options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::fputs(UsageText(), stdout);
      return 0;
    }
    if (options.stateDir.empty()) {
      std::string tmpl = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : "/tmp") + "/ms2416x-sim-XXXXXX";
      if (!::mkdtemp(tmpl.data())) throw SimError(kSimErrStateDir, "cannot make a temporary state directory in " + tmpl);
      options.stateDir = temp.path = tmpl;
    } else {
      std::error_code ec;
      std::filesystem::create_directories(options.stateDir, ec);
      if (!std::filesystem::is_directory(options.stateDir) || ::access(options.stateDir.c_str(), W_OK) != 0)
        throw SimError(kSimErrStateDir, "state directory " + options.stateDir + " is not a writable directory");
    }
    // Nothing outside the state directory: no MIB files, no system or user configuration.
    ::setenv("MIBS", "", 1);
    ::setenv("MIBDIRS", options.stateDir.c_str(), 1);
    ::unsetenv("SNMP_PERSISTENT_FILE");
    ::unsetenv("SNMPCONFPATH");

    SwitchModel model(SwitchData::Load(options.dataFile.empty() ? BundledData() : options.dataFile));
    model.AddGeneratedRows(options.rows);
    for (const auto &[entry, rows] : options.generate) model.AddGeneratedTable(entry, rows);
    for (const auto &[port, after] : options.linkDown) model.PullCable(port, after);
    if (options.noTraffic) model.StopTraffic();

    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    SimAgent agent(model, options);
    model.SaveConfiguration();
    std::fprintf(stderr, "ms2416x-sim: serving %zu objects on %s\n", model.Data().instances.size(), options.listen.c_str());
    agent.Run(g_stop);
    return 0;
  } catch (const SimError &e) {
    std::fprintf(stderr, "ms2416x-sim: error %d: %s\n", e.Code(), e.what());
    return e.Code();
  } catch (const std::exception &e) {
    std::fprintf(stderr, "ms2416x-sim: error 1: %s\n", e.what());
    return 1;
  }
}
