#pragma once
// Which agent is addressed, with which credentials and how patiently: the session's
// settings as one value (device, scope, security, timing), which every request takes a
// copy of when it is built and builds its targets from, and the one global session.

#include "snmp_pdu.h"
#include "snmp_session.h"

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <unistd.h>

struct KvSNMPDevice {
  std::string Address;  // IPv4 dotted address, IPv6 literal or host name
  uint16_t Port = 161;
};

// The SNMPv3 context, put into every PDU whatever the version.
struct KvSNMPScope {
  std::string ContextEngineId;  // the octets of the context engine ID, as given
  std::string ContextName;
};

struct KvSNMPSecurity {
  uint8_t Version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
  std::string ReadCommunity;
  std::string WriteCommunity;
  int32_t SecurityModel = 1;  // 3 is USM
  int32_t SecurityLevel = 1;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
  std::string SecurityName;
  std::string AuthPassword;
  std::string PrivPassword;
  int32_t AuthProtocol = SnmpAuth::None;
  int32_t PrivProtocol = SnmpPriv::None;
};

// How long a request waits for each try, how often it tries, and how a walk asks.
struct KvSNMPTiming {
  uint32_t Timeout = 100;  // hundredths of a second per try
  uint32_t Retries = 1;
  // Rows a table walk asks for per request on SNMPv2c and SNMPv3: -1 lets the walk
  // choose from the number of columns, 0 asks for one row per request (GetNext), N asks
  // for N rows per GetBulk.
  int32_t MaxRepetitions = -1;
  // Requests an asynchronous table walk may have on their way to the agent at once (1
  // to kMaxInFlight): above 1, once the agent answered a GetBulk, the walk reads its
  // columns side by side and joins them by index; an agent that loses one of them is
  // read one request at a time from then on.
  int32_t InFlight = 4;
};

// The most requests a walk has on their way at once (Timing.InFlight).
inline constexpr int32_t kMaxInFlight = 4;

// Everything a request needs to reach the agent, in one value.
struct KvSNMPSettings {
  KvSNMPDevice Device;
  KvSNMPScope Scope;
  KvSNMPSecurity Security;
  KvSNMPTiming Timing;

  // The target of one operation: a community target for versions other than 3, a USM
  // target for version 3. Raises -509 when the address is neither an IP address nor a
  // name that resolves.
  SnmpTarget BuildTarget() const;
  // Security level, context name and context engine ID, before any binding is added.
  void PreparePdu(SnmpPdu &pdu) const;
};

// The session's settings: the start-up fills them, a request built later takes them.
extern KvSNMPSettings SNMPSettings;
// Its parts under the names the rest of the program knows them by.
inline KvSNMPDevice &SNMPDevice = SNMPSettings.Device;
inline KvSNMPScope &SNMPScope = SNMPSettings.Scope;
inline KvSNMPSecurity &SNMPSecurity = SNMPSettings.Security;
inline uint32_t &SNMPTimeout = SNMPSettings.Timing.Timeout;  // hundredths of a second
inline int32_t &SNMPMaxRepetitions = SNMPSettings.Timing.MaxRepetitions;
extern KvSnmpSession *GlobalSnmp;  // null until KvSNMPCreateSession

// The local SNMPv3 engine and the file that keeps its boot count.
inline constexpr const char *kLocalEngineId = "KvSNMP_PP_Application";
inline constexpr const char *kBootCounterFileName = "KvSNMP_PP_BootCounter";

// The boot counter file for `bootCounterDir` ("" for the working directory): the file
// there while it is missing or belongs to `user` and the folder can take it; otherwise
// (another user's file, a folder that is not writable) the one in the user's own state
// folder ($XDG_STATE_HOME/ms2416x, by default ~/.local/state/ms2416x).
std::string BootCounterFileName(const std::string &bootCounterDir, uid_t user = ::geteuid());

// Creates the global session (once; later calls keep it), counts this start in the
// boot counter file that BootCounterFileName(bootCounterDir) names, gives the
// local engine its identity, gives SNMPSettings its defaults and, when
// there is a Qt application, starts the event pump.
// Raises KvException -506, -507 or -508.
void KvSNMPCreateSession(const std::string &bootCounterDir);

// The most rows a walk asks for per request, whatever the settings say.
inline constexpr int32_t kMaxRepetitionsLimit = 1000;

// Reads "MaxRepetitions" of section "Program Information" from the per-device settings
// file into `timing`: a decimal number from 0 up (at most kMaxRepetitionsLimit);
// anything else, or no key, leaves the walk its own choice (-1). The host suite does not
// write the key, so its absence is never a failure.
// "InFlight" of the same section sets Timing.InFlight: 1 to kMaxInFlight (more counts as
// kMaxInFlight); anything else, or no key, gives the default.
void KvSNMPReadWalkSettings(const std::string &settingsFileName, KvSNMPTiming &timing);

// Adds one to the boot count of `engineId` in `fileName` and returns the new count.
// Lines of other engines and comment lines ("#") are kept; the file is replaced
// through a temporary file, so the old one survives any failure. A malformed line for
// the engine raises -507, a file that cannot be written -508.
uint32_t IncrementBootCounter(const std::string &fileName, const std::string &engineId);
