#include "kv_snmp_session.h"

#include "kv_ini.h"
#include "kv_exception.h"
#include "kv_local_file.h"
#include "kv_messages.h"
#include "kv_option_list.h"
#include "kv_text.h"
#include "snmp_event_processor.h"
#include "snmp_printable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <unistd.h>
#include <vector>

KvSNMPSettings SNMPSettings;
KvSnmpSession *GlobalSnmp = nullptr;

namespace {
// RFC 3414 keeps the boot count below 2^31 - 1.
constexpr uint32_t kMaxBoots = 2147483647u;

bool ParseCount(const std::string &text, uint32_t &count) {
  const std::string t = Trim(text);
  if (t.empty() || t.size() > 10) return false;
  uint64_t value = 0;
  for (const char c : t) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > kMaxBoots) return false;
  count = static_cast<uint32_t>(value);
  return true;
}

// Whether a file can be replaced in `folder` ("" for the working directory).
bool FolderWritable(const std::string &folder) {
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

uint32_t IncrementBootCounter(const std::string &fileName, const std::string &engineId) {
  const std::string ourHex = OctetsToPrintableHex(engineId);
  std::vector<std::string> lines;
  long ourLine = -1;
  uint32_t boots = 0;
  // A file that is not a regular one of a sane size counts as no file, as a missing one
  // does: it is replaced by one holding this start.
  std::string content;
  if (ReadLocalFile(fileName, kMaxBootCounterFileBytes, content) == LocalFileRead::Read) {
    size_t pos = 0;
    while (pos < content.size()) {
      const size_t end = std::min(content.find('\n', pos), content.size());
      std::string line = content.substr(pos, end - pos);
      pos = end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const std::string trimmed = Trim(line);
      const size_t blank = trimmed.find_first_of(" \t");
      const std::string first = trimmed.substr(0, blank);
      if (!trimmed.empty() && trimmed[0] != '#' && EqualsIgnoreCase(first, ourHex)) {
        if (ourLine >= 0) continue;  // only the first line of our engine counts
        if (blank == std::string::npos || !ParseCount(trimmed.substr(blank), boots))
          RaiseLibrary(LibraryMsg::LoadBootCounter);
        ourLine = static_cast<long>(lines.size());
      }
      lines.push_back(line);
    }
  }
  boots = std::min(boots + 1, kMaxBoots);
  const std::string ours = ourHex + " " + std::to_string(boots);
  if (ourLine >= 0)
    lines[static_cast<size_t>(ourLine)] = ours;
  else
    lines.push_back(ours);
  std::string bytes;
  for (const std::string &line : lines) bytes += line + "\n";

  if (!ReplaceLocalFile(fileName, bytes, 0600)) RaiseLibrary(LibraryMsg::SaveBootCounter);
  return boots;
}

std::string BootCounterFileName(const std::string &bootCounterDir, uid_t user) {
  const std::string shared = JoinPath(bootCounterDir, kBootCounterFileName);
  if (MissingOrOwnedBy(shared, user) && FolderWritable(bootCounterDir)) return shared;
  // Another user's file (a shared or sticky folder) is not trusted, and a folder that
  // cannot take the file is no place for it: the user's own state folder keeps it.
  const std::string own = UserStateFolder();
  return own.empty() ? shared : JoinPath(own, kBootCounterFileName);
}

void KvSNMPCreateSession(const std::string &bootCounterDir) {
  if (!GlobalSnmp) {
    int status = 0;
    auto *session = new KvSnmpSession(status);
    if (status != SnmpStatus::Success) {
      delete session;
      RaiseLibrary(LibraryMsg::CreateSession);
    }
    GlobalSnmp = session;
  }
  const std::string counterFile = BootCounterFileName(bootCounterDir);
  uint32_t boots = 0;
  try {
    boots = IncrementBootCounter(counterFile, kLocalEngineId);
  } catch (const KvException &failure) {
    // A folder that takes no file after all (full, read-only): the user's own one.
    const std::string own = UserStateFolder();
    const std::string ownFile = own.empty() ? std::string() : JoinPath(own, kBootCounterFileName);
    if (failure.Code() != -500 - LibraryMsg::SaveBootCounter || ownFile.empty() || ownFile == counterFile)
      throw;
    boots = IncrementBootCounter(ownFile, kLocalEngineId);
  }
  GlobalSnmp->SetLocalEngine(kLocalEngineId, boots);

  SNMPSettings = KvSNMPSettings{};
  SNMPSettings.Device = KvSNMPDevice{"127.0.0.1", 161};
  SNMPSettings.Security.ReadCommunity = "rdwalk";
  SNMPSettings.Security.WriteCommunity = "wrtgate";

  // Answers to asynchronous requests are delivered on the window thread's event loop,
  // when the program has one.
  if (QCoreApplication::instance()) SnmpEventPump().Start();
}

void KvSNMPReadWalkSettings(const std::string &settingsFileName, KvSNMPTiming &timing) {
  const std::string text = KvIni(settingsFileName).ReadString("Program Information", "MaxRepetitions", "");
  int value = -1;
  timing.MaxRepetitions = ParseDecimalInt(text, value) && value >= 0 ? std::min(value, kMaxRepetitionsLimit) : -1;
  const std::string inFlight = KvIni(settingsFileName).ReadString("Program Information", "InFlight", "");
  timing.InFlight = ParseDecimalInt(inFlight, value) && value >= 1 ? std::min(value, kMaxInFlight) : KvSNMPTiming{}.InFlight;
}

SnmpTarget KvSNMPSettings::BuildTarget() const {
  SnmpTarget target;
  if (!ResolveAgentAddress(Device.Address, Device.Port, target.Address)) RaiseLibrary(LibraryMsg::InvalidAddress);
  target.Version = Security.Version;
  // Hundredths of a second, at least one per try and no more than a day.
  target.Timeout = static_cast<int>(std::clamp<uint32_t>(Timing.Timeout, 1, 8640000));
  target.Retries = static_cast<int>(std::min<uint32_t>(Timing.Retries, 100));
  if (Security.Version == 3) {
    target.SecurityModel = Security.SecurityModel;
    target.SecurityName = Security.SecurityName;
    target.AuthProtocol = Security.AuthProtocol;
    target.PrivProtocol = Security.PrivProtocol;
    target.AuthPassword = Security.AuthPassword;
    target.PrivPassword = Security.PrivPassword;
  } else {
    target.ReadCommunity = Security.ReadCommunity;
    target.WriteCommunity = Security.WriteCommunity;
  }
  return target;
}

void KvSNMPSettings::PreparePdu(SnmpPdu &pdu) const {
  pdu.SecurityLevel = Security.SecurityLevel;
  pdu.ContextName = Scope.ContextName;
  pdu.ContextEngineId = Scope.ContextEngineId;
}
