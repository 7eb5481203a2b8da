#include "config_command.h"

#include "config_snapshot.h"
#include "kv_program_info.h"
#include "kv_write_journal.h"
#include "restore_plan.h"
#include "snapshot_agent.h"
#include "startup_settings.h"

#include <chrono>
#include <ostream>

#ifndef MS2416X_VERSION
#define MS2416X_VERSION "0"
#endif

namespace {
const char *const kUsage =
    "Usage: ms2416x-config [switches of ms2416x...] save FILE\n"
    "       ms2416x-config [switches of ms2416x...] diff FILE [FILE2]\n"
    "       ms2416x-config [switches of ms2416x...] restore FILE [--dry-run]\n"
    "\n"
    "Keeps an MS-2416X switch's configuration in a text file, compares and restores it.\n"
    "  save FILE        reads every writable object of the switch into FILE\n"
    "  diff FILE        the file against the switch (exit 0 equal, 1 different)\n"
    "  diff FILE FILE2  two files\n"
    "  restore FILE     the Sets that make the switch equal to the file, in a safe order\n"
    "    --dry-run      prints them instead\n"
    "\n"
    "The switches come first, as ms2416x takes them (/I address, /t port, /v version,\n"
    "/R /W communities, /n /l /a /p SNMPv3 user, level and protocols, /A /P pass phrases;\n"
    "see ms2416x --help); the pass phrases also from MS2416X_AUTH_PASSWORD and\n"
    "MS2416X_PRIV_PASSWORD. The file holds no community, pass phrase or key.\n"
    "Exit status: 0 done (diff: equal), 1 diff: different, 2 usage, 3 bad file,\n"
    "4 switch not readable, 5 restore incomplete, 6 file not written.\n";

// A line on the terminal that says what a long read or write is doing, from its second
// second on, and goes away at the end.
class ProgressLine {
public:
  ProgressLine(std::ostream &errors, bool terminal, const char *verb) : errors_(errors), on_(terminal), verb_(verb) {}
  ~ProgressLine() { Clear(); }
  void operator()(size_t done, size_t total, const std::string &what) {
    if (!on_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
    std::string line = std::string(verb_) + " " + std::to_string(done) + "/" + std::to_string(total);
    if (!what.empty()) line += ": " + what;
    if (line.size() > 78) line.resize(78);
    errors_ << '\r' << line << std::string(width_ > line.size() ? width_ - line.size() : 0, ' ') << std::flush;
    width_ = line.size();
  }
  void Clear() {
    if (width_ == 0) return;
    errors_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
  }

private:
  std::ostream &errors_;
  bool on_;
  const char *verb_;
  size_t width_ = 0;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

struct Command {
  std::string Name;
  std::vector<std::string> Files;
  bool DryRun = false;
};

int Fail(std::ostream &errors, int status, const std::string &text) {
  errors << "ms2416x-config: " << text << '\n';
  return status;
}

// Splits the parameters into the module's switches and the command; false with `error`.
bool ParseCommand(const std::vector<std::string> &parameters, std::vector<std::string> &switches, Command &command,
                  std::string &error) {
  size_t i = 0;
  for (; i < parameters.size(); ++i) {
    const std::string &p = parameters[i];
    if (p == "save" || p == "diff" || p == "restore") break;
    if (p.empty() || p[0] != '/') {
      error = "unknown parameter \"" + p + "\" (the switches of ms2416x, then save, diff or restore)";
      return false;
    }
    switches.push_back(p);
  }
  if (i == parameters.size()) {
    error = "no command: save FILE, diff FILE [FILE2] or restore FILE [--dry-run]";
    return false;
  }
  command.Name = parameters[i++];
  for (; i < parameters.size(); ++i) {
    if (parameters[i] == "--dry-run" && command.Name == "restore") command.DryRun = true;
    else if (parameters[i].compare(0, 2, "--") == 0) {
      error = "unknown option \"" + parameters[i] + "\" of " + command.Name;
      return false;
    } else
      command.Files.push_back(parameters[i]);
  }
  const size_t most = command.Name == "diff" ? 2 : 1;
  if (command.Files.empty() || command.Files.size() > most) {
    error = command.Name == "diff" ? "diff takes FILE or FILE FILE2" : command.Name + " takes one FILE";
    return false;
  }
  return true;
}

int PrintDiff(const KvSnapshot &from, const KvSnapshot &to, std::ostream &out) {
  const auto changes = DiffSnapshots(from, to);
  for (const KvSnapshotChange &c : changes) out << ChangeText(c) << '\n';
  return changes.empty() ? ConfigExit::Ok : ConfigExit::Different;
}
}  // namespace

int RunConfigCommand(const std::vector<std::string> &parameters, std::ostream &out, std::ostream &errors,
                     bool terminal) {
  for (const std::string &p : parameters) {
    if (p == "--help" || p == "-h") {
      out << kUsage;
      return ConfigExit::Ok;
    }
    if (p == "--version") {
      out << "ms2416x-config " << MS2416X_VERSION << " (" << ModelName << " configuration snapshots)\n";
      return ConfigExit::Ok;
    }
  }
  std::vector<std::string> switches;
  Command command;
  std::string error;
  if (!ParseCommand(parameters, switches, command, error)) return Fail(errors, ConfigExit::Usage, error + "\n" + kUsage);

  // Two files need no switch.
  if (command.Name == "diff" && command.Files.size() == 2) {
    try {
      return PrintDiff(LoadSnapshot(command.Files[0]), LoadSnapshot(command.Files[1]), out);
    } catch (const std::exception &failure) {
      return Fail(errors, ConfigExit::BadFile, failure.what());
    }
  }
  KvSnapshot file;
  if (command.Name != "save") {
    try {
      file = LoadSnapshot(command.Files[0]);
    } catch (const std::exception &failure) {
      return Fail(errors, ConfigExit::BadFile, failure.what());
    }
  }
  if (!CommandLineAddress(switches, error))
    return Fail(errors, ConfigExit::Usage, "no agent address: give it as /I<address>, before the command");
  KvSnapshot live;
  try {
    OpenStartupSession(Platform::ProgramFolder());
    KvStartupSettings settings;
    std::string settingsFile;
    ApplyStartupParameters(switches, SettingsFolder(), settings, settingsFile);
  } catch (const std::exception &failure) {
    return Fail(errors, ConfigExit::Usage, failure.what());
  }
  try {
    ProgressLine progress(errors, terminal, "Reading");
    live = ReadSnapshot(SNMPSettings, std::ref(progress));
  } catch (const std::exception &failure) {
    return Fail(errors, ConfigExit::Agent, std::string("cannot read the switch: ") + failure.what());
  }

  if (command.Name == "save") {
    try {
      SaveSnapshot(live, command.Files[0]);
    } catch (const std::exception &failure) {
      return Fail(errors, ConfigExit::WriteFailed, failure.what());
    }
    out << "Saved " << live.ValueCount() << " values of " << live.Header.Agent << " to " << command.Files[0] << '\n';
    return ConfigExit::Ok;
  }
  if (command.Name == "diff") return PrintDiff(file, live, out);

  const KvRestorePlan plan = PlanRestore(live, file);
  for (const std::string &line : plan.Impossible) out << "cannot: " << line << '\n';
  if (command.DryRun) {
    for (const KvRestoreSet &set : plan.Sets) out << SetText(set) << '\n';
    out << plan.Sets.size() << " Sets would be sent\n";
    return ConfigExit::Ok;
  }
  KvRestoreOutcome outcome;
  {
    ProgressLine progress(errors, terminal, "Writing");
    KvJournalScope journal("ms2416x-config restore");
    outcome = ExecuteRestore(plan, SNMPSettings, std::ref(progress));
  }
  for (const std::string &line : outcome.Sent) out << "sent: " << line << '\n';
  if (!outcome.Ok()) {
    out << "refused: " << outcome.Refused << '\n';
    for (const std::string &line : outcome.NotSent) out << "not sent: " << line << '\n';
    return Fail(errors, ConfigExit::Incomplete,
                "the switch refused " + outcome.Refused + ": " + outcome.Error + " (" + std::to_string(outcome.Sent.size()) +
                    " Sets went through, " + std::to_string(outcome.NotSent.size() + 1) +
                    " did not; run restore again once the cause is removed)");
  }
  out << outcome.Sent.size() << " Sets sent\n";
  if (!plan.Impossible.empty())
    return Fail(errors, ConfigExit::Incomplete, std::to_string(plan.Impossible.size()) + " differences no Set can change");
  return ConfigExit::Ok;
}
