#include "snmp_session.h"

#include "snmp_printable.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <netdb.h>
#include <sys/select.h>

// ---------------------------------------------------------------------------------
// How net-snmp's outcomes become session statuses. Every outcome the session can
// meet is in this one table: the library's own errors (SNMPERR_*), the SNMPv3 reports
// an agent answers with (by the counter they carry), and the ways a request ends.
// Anything not listed is -1 (operation failed) for a library error and 1401 (USM
// error) for a report.
// ---------------------------------------------------------------------------------
namespace {
enum class From { LibError, Report, Ending };

struct StatusRow {
  From from;
  int netsnmp;         // SNMPERR_* for LibError, NETSNMP_CALLBACK_OP_* for Ending
  const char *report;  // counter OID of a report
  int status;
};

// clang-format off
const StatusRow kStatusTable[] = {
    // The ways a request ends besides an answer.
    {From::Ending, NETSNMP_CALLBACK_OP_TIMED_OUT,        nullptr, SnmpStatus::Timeout},
    {From::Ending, NETSNMP_CALLBACK_OP_DISCONNECT,       nullptr, SnmpStatus::SessionClosed},
    // SNMPv3 reports: usmStats counters, then snmpMPDStats, then the target MIB's
    // context counters.
    {From::Report, 0, "1.3.6.1.6.3.15.1.1.1.0", SnmpStatus::UsmUnsupportedSecurityLevel},
    {From::Report, 0, "1.3.6.1.6.3.15.1.1.2.0", SnmpStatus::UsmNotInTimeWindow},
    {From::Report, 0, "1.3.6.1.6.3.15.1.1.3.0", SnmpStatus::UsmUnknownSecurityName},
    {From::Report, 0, "1.3.6.1.6.3.15.1.1.4.0", SnmpStatus::UsmUnknownEngineId},
    {From::Report, 0, "1.3.6.1.6.3.15.1.1.5.0", SnmpStatus::UsmAuthenticationFailure},
    {From::Report, 0, "1.3.6.1.6.3.15.1.1.6.0", SnmpStatus::UsmDecryptionError},
    {From::Report, 0, "1.3.6.1.6.3.11.2.1.1.0", SnmpStatus::MpUnsupportedSecurityModel},
    {From::Report, 0, "1.3.6.1.6.3.11.2.1.2.0", SnmpStatus::MpInvalidMessage},
    {From::Report, 0, "1.3.6.1.6.3.11.2.1.3.0", SnmpStatus::MpUnknownPduHandlers},
    {From::Report, 0, "1.3.6.1.6.3.12.1.4.0",   SnmpStatus::MpUnavailableContext},
    {From::Report, 0, "1.3.6.1.6.3.12.1.5.0",   SnmpStatus::MpUnknownContext},
    // net-snmp's library errors.
    {From::LibError, SNMPERR_SUCCESS,                  nullptr, SnmpStatus::Success},
    {From::LibError, SNMPERR_GENERR,                   nullptr, SnmpStatus::Error},
    {From::LibError, SNMPERR_BAD_LOCPORT,              nullptr, SnmpStatus::TransportFailed},
    {From::LibError, SNMPERR_BAD_ADDRESS,              nullptr, SnmpStatus::InvalidAddress},
    {From::LibError, SNMPERR_BAD_SESSION,              nullptr, -10 /* class not valid */},
    {From::LibError, SNMPERR_TOO_LONG,                 nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_NO_SOCKET,                nullptr, SnmpStatus::TransportFailed},
    {From::LibError, SNMPERR_V2_IN_V1,                 nullptr, -16 /* not supported on target */},
    {From::LibError, SNMPERR_V1_IN_V2,                 nullptr, -16},
    {From::LibError, SNMPERR_BAD_REPEATERS,            nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_BAD_REPETITIONS,          nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_BAD_ASN1_BUILD,           nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_BAD_SENDTO,               nullptr, SnmpStatus::TransportFailed},
    {From::LibError, SNMPERR_BAD_PARSE,                nullptr, -1408 /* parse error */},
    {From::LibError, SNMPERR_BAD_VERSION,              nullptr, -16},
    {From::LibError, SNMPERR_BAD_COMMUNITY,            nullptr, -1411 /* community format */},
    {From::LibError, SNMPERR_NOAUTH_DESPRIV,           nullptr, SnmpStatus::UsmUnsupportedSecurityLevel},
    {From::LibError, SNMPERR_ABORT,                    nullptr, SnmpStatus::Error},
    {From::LibError, SNMPERR_UNKNOWN_PDU,              nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_TIMEOUT,                  nullptr, SnmpStatus::Timeout},
    {From::LibError, SNMPERR_BAD_RECVFROM,             nullptr, SnmpStatus::TransportFailed},
    {From::LibError, SNMPERR_BAD_ENG_ID,               nullptr, -1406 /* invalid engine ID */},
    {From::LibError, SNMPERR_BAD_SEC_NAME,             nullptr, SnmpStatus::UsmUnknownSecurityName},
    {From::LibError, SNMPERR_BAD_SEC_LEVEL,            nullptr, SnmpStatus::UsmUnsupportedSecurityLevel},
    {From::LibError, SNMPERR_ASN_PARSE_ERR,            nullptr, -1408},
    {From::LibError, SNMPERR_UNKNOWN_SEC_MODEL,        nullptr, SnmpStatus::MpUnsupportedSecurityModel},
    {From::LibError, SNMPERR_INVALID_MSG,              nullptr, SnmpStatus::MpInvalidMessage},
    {From::LibError, SNMPERR_UNKNOWN_ENG_ID,           nullptr, SnmpStatus::UsmUnknownEngineId},
    {From::LibError, SNMPERR_UNKNOWN_USER_NAME,        nullptr, SnmpStatus::UsmUnknownSecurityName},
    {From::LibError, SNMPERR_UNSUPPORTED_SEC_LEVEL,    nullptr, SnmpStatus::UsmUnsupportedSecurityLevel},
    {From::LibError, SNMPERR_AUTHENTICATION_FAILURE,   nullptr, SnmpStatus::UsmAuthenticationFailure},
    {From::LibError, SNMPERR_NOT_IN_TIME_WINDOW,       nullptr, SnmpStatus::UsmNotInTimeWindow},
    {From::LibError, SNMPERR_DECRYPTION_ERR,           nullptr, SnmpStatus::UsmDecryptionError},
    {From::LibError, SNMPERR_SC_GENERAL_FAILURE,       nullptr, SnmpStatus::UsmError},
    {From::LibError, SNMPERR_SC_NOT_CONFIGURED,        nullptr, SnmpStatus::UsmError},
    {From::LibError, SNMPERR_KT_NOT_AVAILABLE,         nullptr, SnmpStatus::UsmError},
    {From::LibError, SNMPERR_UNKNOWN_REPORT,           nullptr, SnmpStatus::UsmError},
    {From::LibError, SNMPERR_USM_GENERICERROR,         nullptr, SnmpStatus::UsmError},
    {From::LibError, SNMPERR_USM_UNKNOWNSECURITYNAME,  nullptr, SnmpStatus::UsmUnknownSecurityName},
    {From::LibError, SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, nullptr, SnmpStatus::UsmUnsupportedSecurityLevel},
    {From::LibError, SNMPERR_USM_ENCRYPTIONERROR,      nullptr, SnmpStatus::UsmEncryptionError},
    {From::LibError, SNMPERR_USM_AUTHENTICATIONFAILURE, nullptr, SnmpStatus::UsmAuthenticationFailure},
    {From::LibError, SNMPERR_USM_PARSEERROR,           nullptr, 1409 /* USM parse error */},
    {From::LibError, SNMPERR_USM_UNKNOWNENGINEID,      nullptr, SnmpStatus::UsmUnknownEngineId},
    {From::LibError, SNMPERR_USM_NOTINTIMEWINDOW,      nullptr, SnmpStatus::UsmNotInTimeWindow},
    {From::LibError, SNMPERR_USM_DECRYPTIONERROR,      nullptr, SnmpStatus::UsmDecryptionError},
    {From::LibError, SNMPERR_MAX_SUBID,                nullptr, SnmpStatus::InvalidOid},
    {From::LibError, SNMPERR_BAD_SUBID,                nullptr, SnmpStatus::InvalidOid},
    {From::LibError, SNMPERR_LONG_OID,                 nullptr, SnmpStatus::InvalidOid},
    {From::LibError, SNMPERR_BAD_NAME,                 nullptr, SnmpStatus::InvalidOid},
    {From::LibError, SNMPERR_UNKNOWN_OBJID,            nullptr, SnmpStatus::InvalidOid},
    {From::LibError, SNMPERR_VALUE,                    nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_NULL_PDU,                 nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_NO_VARS,                  nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_VAR_TYPE,                 nullptr, SnmpStatus::InvalidPdu},
    {From::LibError, SNMPERR_MALLOC,                   nullptr, SnmpStatus::ResourceUnavailable},
    {From::LibError, SNMPERR_TRANSPORT_NO_CONFIG,      nullptr, -20 /* transport not supported */},
    {From::LibError, SNMPERR_TRANSPORT_CONFIG_ERROR,   nullptr, -20},
};
// clang-format on

// The local checks made before anything is sent (see Dispatch), for the record:
//   unknown auth protocol code                  1412
//   privacy protocol 3DES, IDEA or unknown      1413
//   pass phrase USM refuses (auth / priv)       1407 / 1405
//   level needing a protocol that is "none"     1403
//   security model other than USM               -1402
//   version other than 0, 1 and 3               -12
//   empty OID in a binding                      -17
}  // namespace

int StatusOfNetSnmpError(int snmpErr) {
  for (const StatusRow &row : kStatusTable)
    if (row.from == From::LibError && row.netsnmp == snmpErr) return row.status;
  return SnmpStatus::Error;
}

int StatusOfReport(const std::vector<uint32_t> &counterOid) {
  const std::string text = OidToText(counterOid);
  for (const StatusRow &row : kStatusTable)
    if (row.from == From::Report && text == row.report) return row.status;
  return SnmpStatus::UsmError;
}

namespace {
int StatusOfEnding(int op) {
  for (const StatusRow &row : kStatusTable)
    if (row.from == From::Ending && row.netsnmp == op) return row.status;
  return SnmpStatus::Error;
}

KvSnmpSession *g_session = nullptr;  // the instance the net-snmp callback reports to

void InitNetSnmpOnce() {
  static bool initialised = false;
  if (initialised) return;
  initialised = true;
  // No MIB files: an empty list and no directories to search.
  ::setenv("MIBS", "", 1);
  netsnmp_set_mib_directory("");
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
  // Nothing on the console: every log message goes to a handler that drops it.
  snmp_disable_log();
  netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);
  snmp_set_do_debugging(0);
  init_snmp("kvsnmp");
}

const oid *AuthProtocolOid(int code, size_t &len) {
  len = USM_AUTH_PROTO_MD5_LEN;
  switch (code) {
    case SnmpAuth::Md5: return usmHMACMD5AuthProtocol;
    case SnmpAuth::Sha: return usmHMACSHA1AuthProtocol;
    case SnmpAuth::Sha224: return usmHMAC128SHA224AuthProtocol;
    case SnmpAuth::Sha256: return usmHMAC192SHA256AuthProtocol;
    case SnmpAuth::Sha384: return usmHMAC256SHA384AuthProtocol;
    case SnmpAuth::Sha512: return usmHMAC384SHA512AuthProtocol;
    default: return nullptr;
  }
}

const oid *PrivProtocolOid(int code, size_t &len) {
  switch (code) {
    case SnmpPriv::Des: len = USM_PRIV_PROTO_DES_LEN; return usmDESPrivProtocol;
    case SnmpPriv::Aes128: len = USM_PRIV_PROTO_AES_LEN; return usmAESPrivProtocol;
    case SnmpPriv::Aes192: len = OID_LENGTH(usmAES192PrivProtocol); return usmAES192PrivProtocol;
    case SnmpPriv::Aes256: len = OID_LENGTH(usmAES256PrivProtocol); return usmAES256PrivProtocol;
    default: len = 0; return nullptr;
  }
}

bool ValidAuthCode(int code) { return code >= SnmpAuth::None && code <= SnmpAuth::Sha512; }
bool ValidPrivCode(int code) {
  return code == SnmpPriv::None || code == SnmpPriv::Des || code == SnmpPriv::Aes128 ||
         code == SnmpPriv::Aes192 || code == SnmpPriv::Aes256;
}

SnmpValue ValueOf(const netsnmp_variable_list *var) {
  switch (var->type) {
    case ASN_INTEGER:
      return SnmpValue::Integer(var->val.integer ? static_cast<int32_t>(*var->val.integer) : 0);
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
      return SnmpValue::Unsigned(static_cast<SnmpType>(var->type),
                                 var->val.integer ? static_cast<uint32_t>(*var->val.integer) : 0);
    case ASN_UINTEGER:
      return SnmpValue::Unsigned(SnmpType::Gauge32,
                                 var->val.integer ? static_cast<uint32_t>(*var->val.integer) : 0);
    case ASN_COUNTER64:
      if (!var->val.counter64) return SnmpValue::Counter64(0);
      return SnmpValue::Counter64((static_cast<uint64_t>(var->val.counter64->high & 0xFFFFFFFFu) << 32) |
                                  (var->val.counter64->low & 0xFFFFFFFFu));
    case ASN_OCTET_STR:
    case ASN_OPAQUE: {
      const std::string octets = var->val.string && var->val_len
                                     ? std::string(reinterpret_cast<const char *>(var->val.string), var->val_len)
                                     : std::string();
      return SnmpValue::Octets(octets, static_cast<SnmpType>(var->type));
    }
    case ASN_IPADDRESS:
      if (!var->val.string || var->val_len != 4) return SnmpValue::Null();
      return SnmpValue::IpAddress(std::string(reinterpret_cast<const char *>(var->val.string), 4));
    case ASN_OBJECT_ID: {
      std::vector<uint32_t> subids;
      const size_t count = var->val.objid ? var->val_len / sizeof(oid) : 0;
      for (size_t i = 0; i < count; ++i) subids.push_back(static_cast<uint32_t>(var->val.objid[i]));
      return SnmpValue::ObjectId(subids);
    }
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW: return SnmpValue::Exception(static_cast<SnmpType>(var->type));
    default: return SnmpValue::Null();
  }
}

void ReadPdu(const netsnmp_pdu *pdu, SnmpPdu &response) {
  response.Vbs.clear();
  response.ErrorStatus = static_cast<int>(pdu->errstat);
  response.ErrorIndex = static_cast<int>(pdu->errindex);
  if (pdu->version == SNMP_VERSION_3) {
    if (pdu->msgMaxSize >= SNMP_MIN_MAX_LEN && pdu->msgMaxSize <= 65535)
      response.AgentMaxSize = static_cast<int>(pdu->msgMaxSize);
    response.SecurityLevel = pdu->securityLevel;
    response.ContextName.assign(pdu->contextName ? pdu->contextName : "", pdu->contextName ? pdu->contextNameLen : 0);
    response.ContextEngineId.assign(reinterpret_cast<const char *>(pdu->contextEngineID),
                                    pdu->contextEngineID ? pdu->contextEngineIDLen : 0);
  }
  size_t count = 0;
  for (const netsnmp_variable_list *var = pdu->variables; var; var = var->next_variable) ++count;
  response.Vbs.reserve(count);
  for (const netsnmp_variable_list *var = pdu->variables; var; var = var->next_variable) {
    SnmpVb &vb = response.Vbs.emplace_back();
    // Sub-identifiers are 32 bits on the wire; net-snmp keeps them in its wider oid.
    vb.Oid.assign(var->name, var->name + var->name_length);
    vb.Value = ValueOf(var);
  }
}

// Adds one binding; false when net-snmp refuses it.
bool AddVariable(netsnmp_pdu *pdu, const SnmpVb &vb) {
  if (vb.Oid.empty() || vb.Oid.size() > MAX_OID_LEN) return false;
  std::vector<oid> name(vb.Oid.begin(), vb.Oid.end());
  const SnmpValue &v = vb.Value;
  netsnmp_variable_list *added = nullptr;
  switch (v.Type()) {
    case SnmpType::Integer: {
      long value = static_cast<long>(v.AsInteger());
      added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &value, sizeof value);
      break;
    }
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks: {
      u_long value = static_cast<u_long>(v.AsUnsigned());
      added = snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(v.Type()), &value,
                                    sizeof value);
      break;
    }
    case SnmpType::Counter64: {
      counter64 value{};
      value.high = static_cast<u_long>(v.AsUnsigned() >> 32);
      value.low = static_cast<u_long>(v.AsUnsigned() & 0xFFFFFFFFu);
      added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &value, sizeof value);
      break;
    }
    case SnmpType::OctetString:
    case SnmpType::Opaque:
    case SnmpType::IpAddress:
      added = snmp_pdu_add_variable(pdu, name.data(), name.size(), static_cast<u_char>(v.Type()),
                                    v.AsOctets().data(), v.AsOctets().size());
      break;
    case SnmpType::ObjectId: {
      std::vector<oid> value(v.AsOid().begin(), v.AsOid().end());
      if (value.size() > MAX_OID_LEN) return false;
      added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                    value.size() * sizeof(oid));
      break;
    }
    default:  // Null; exceptions are answers, never requests
      added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
      break;
  }
  return added != nullptr;
}

int LastError(netsnmp_session *ss) {
  int liberr = 0, syserr = 0;
  char *text = nullptr;
  snmp_error(ss, &liberr, &syserr, &text);
  std::free(text);
  return liberr;
}
}  // namespace

// ---------------------------------------------------------------------------------

std::string SnmpAddress::Printable() const { return Host + "/" + std::to_string(Port); }

bool ResolveAgentAddress(const std::string &text, uint16_t port, SnmpAddress &address) {
  std::string host = text;
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  char buf[INET6_ADDRSTRLEN] = {};
  in_addr v4{};
  in6_addr v6{};
  if (::inet_pton(AF_INET, host.c_str(), &v4) == 1) {
    address = {::inet_ntop(AF_INET, &v4, buf, sizeof buf), false, port};
    return true;
  }
  if (::inet_pton(AF_INET6, host.c_str(), &v6) == 1) {
    address = {::inet_ntop(AF_INET6, &v6, buf, sizeof buf), true, port};
    return true;
  }
  // A host name: letters, digits, hyphens and dots, and not all digits and dots
  // (which would be a malformed address, never a name).
  if (host.empty() || host.size() > 253) return false;
  bool hasLetter = false;
  for (const char c : host) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && !(c >= '0' && c <= '9') && c != '-' && c != '.' && c != '_') return false;
    hasLetter = hasLetter || letter;
  }
  if (!hasLetter) return false;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo *found = nullptr;
  if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
  // An IPv4 address first, as most agents are reached that way.
  const addrinfo *pick = found;
  for (const addrinfo *a = found; a; a = a->ai_next)
    if (a->ai_family == AF_INET) {
      pick = a;
      break;
    }
  bool ok = false;
  if (pick->ai_family == AF_INET) {
    const auto *sin = reinterpret_cast<const sockaddr_in *>(pick->ai_addr);
    address = {::inet_ntop(AF_INET, &sin->sin_addr, buf, sizeof buf), false, port};
    ok = true;
  } else if (pick->ai_family == AF_INET6) {
    const auto *sin6 = reinterpret_cast<const sockaddr_in6 *>(pick->ai_addr);
    address = {::inet_ntop(AF_INET6, &sin6->sin6_addr, buf, sizeof buf), true, port};
    ok = true;
  }
  ::freeaddrinfo(found);
  return ok;
}

// ---------------------------------------------------------------------------------

struct KvSnmpSession::Session {
  netsnmp_session *ss = nullptr;
  int version = 0;
  std::string securityName;
  std::string credentials;  // for SNMPv3: what the USM user was made of
  ~Session() {
    if (ss) snmp_close(ss);
  }
};

struct KvSnmpSession::Outstanding {
  Session *session = nullptr;
  SnmpAddress agent;
  SnmpCompletion done;
  bool blocking = false;
  bool cancelled = false;
  bool resent = false;    // net-snmp sent it again after a try went unanswered
  bool finished = false;  // blocking only: the answer is in
  int status = SnmpStatus::Error;
  SnmpPdu response;
};

struct KvSnmpSession::Completed {
  uint64_t id = 0;
  SnmpCompletion done;
  int status = 0;
  SnmpPdu response;
};

KvSnmpSession::KvSnmpSession(int &status) {
  status = SnmpStatus::Success;
  if (g_session) {  // one session object per process
    status = SnmpStatus::ResourceUnavailable;
    return;
  }
  InitNetSnmpOnce();
  g_session = this;
}

KvSnmpSession::~KvSnmpSession() {
  if (g_session != this) return;
  outstanding_.clear();
  completed_.clear();
  sessions_.clear();
  g_session = nullptr;
}

void KvSnmpSession::SetLocalEngine(const std::string &engineId, uint32_t boots) {
  if (!engineId.empty())
    set_exact_engineID(reinterpret_cast<const u_char *>(engineId.data()), engineId.size());
  std::string count = std::to_string(boots);
  engineBoots_conf("engineBoots", count.data());
}

namespace {
std::string PeerName(const SnmpAddress &a) {
  return a.Ipv6 ? "udp6:[" + a.Host + "]:" + std::to_string(a.Port) : "udp:" + a.Host + ":" + std::to_string(a.Port);
}

std::string Credentials(const SnmpTarget &target) {
  return target.Version == 3 ? std::to_string(target.AuthProtocol) + "|" + target.AuthPassword + "|" +
                                   std::to_string(target.PrivProtocol) + "|" + target.PrivPassword
                             : std::string();
}
}  // namespace

std::string KvSnmpSession::SessionKey(const SnmpTarget &target) {
  return std::to_string(target.Version) + "|" + PeerName(target.Address) + "|" +
         (target.Version == 3 ? target.SecurityName + "|" + Credentials(target) : std::string());
}

KvSnmpSession::Session *KvSnmpSession::SessionFor(const SnmpTarget &target, int &status) {
  const std::string peer = PeerName(target.Address);
  const bool v3 = target.Version == 3;
  const std::string credentials = Credentials(target);
  const std::string key = SessionKey(target);
  if (auto it = sessions_.find(key); it != sessions_.end()) {
    status = SnmpStatus::Success;
    return it->second.get();
  }

  netsnmp_session cfg;
  snmp_sess_init(&cfg);
  cfg.peername = const_cast<char *>(peer.c_str());
  cfg.version = target.Version == 0 ? SNMP_VERSION_1 : target.Version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_3;
  cfg.timeout = static_cast<long>(target.Timeout) * 10000L;
  cfg.retries = target.Retries;
  cfg.callback = &KvSnmpSession::OnNetSnmpEvent;
  std::string community = target.ReadCommunity;
  if (!v3) {
    cfg.community = reinterpret_cast<u_char *>(community.data());
    cfg.community_len = community.size();
  } else {
    cfg.securityModel = SNMP_SEC_MODEL_USM;
    cfg.securityName = const_cast<char *>(target.SecurityName.c_str());
    cfg.securityNameLen = target.SecurityName.size();
    cfg.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    size_t authLen = 0;
    if (const oid *auth = AuthProtocolOid(target.AuthProtocol, authLen)) {
      cfg.securityAuthProto = const_cast<oid *>(auth);
      cfg.securityAuthProtoLen = authLen;
      cfg.securityAuthKeyLen = USM_AUTH_KU_LEN;
      if (generate_Ku(auth, static_cast<u_int>(authLen),
                      reinterpret_cast<const u_char *>(target.AuthPassword.data()), target.AuthPassword.size(),
                      cfg.securityAuthKey, &cfg.securityAuthKeyLen) != SNMPERR_SUCCESS) {
        status = SnmpStatus::UsmAuthenticationError;
        return nullptr;
      }
      cfg.securityLevel = SNMP_SEC_LEVEL_AUTHNOPRIV;
      size_t privLen = 0;
      if (const oid *priv = PrivProtocolOid(target.PrivProtocol, privLen)) {
        cfg.securityPrivProto = const_cast<oid *>(priv);
        cfg.securityPrivProtoLen = privLen;
        cfg.securityPrivKeyLen = USM_PRIV_KU_LEN;
        if (generate_Ku(auth, static_cast<u_int>(authLen),
                        reinterpret_cast<const u_char *>(target.PrivPassword.data()), target.PrivPassword.size(),
                        cfg.securityPrivKey, &cfg.securityPrivKeyLen) != SNMPERR_SUCCESS) {
          status = SnmpStatus::UsmEncryptionError;
          return nullptr;
        }
        cfg.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
      }
    }
    ForgetStaleUsers(target, credentials);
  }

  // Opening an SNMPv3 session asks the agent for its engine ID and waits for it.
  netsnmp_session *ss = snmp_open(&cfg);
  if (!ss) {
    const int err = cfg.s_snmp_errno ? cfg.s_snmp_errno : snmp_errno;
    status = err == SNMPERR_SUCCESS ? SnmpStatus::Error : StatusOfNetSnmpError(err);
    return nullptr;
  }
  auto session = std::make_unique<Session>();
  session->ss = ss;
  session->version = target.Version;
  session->securityName = target.SecurityName;
  session->credentials = credentials;
  Session *result = session.get();
  sessions_[key] = std::move(session);
  status = SnmpStatus::Success;
  if (socketsChanged_) socketsChanged_();
  return result;
}

// The USM keeps one user per engine and name; a user made with other credentials is
// dropped, with the sessions that were made for it, so that the new ones take effect.
void KvSnmpSession::ForgetStaleUsers(const SnmpTarget &target, const std::string &credentials) {
  std::vector<std::string> staleEngines;
  bool closed = false;
  for (auto it = sessions_.begin(); it != sessions_.end();) {
    Session *s = it->second.get();
    if (s->version != 3 || s->securityName != target.SecurityName || s->credentials == credentials) {
      ++it;
      continue;
    }
    if (s->ss->securityEngineIDLen)
      staleEngines.emplace_back(reinterpret_cast<const char *>(s->ss->securityEngineID), s->ss->securityEngineIDLen);
    // Its outstanding requests end as closed.
    for (auto o = outstanding_.begin(); o != outstanding_.end();) {
      if (o->second->session != s) {
        ++o;
        continue;
      }
      if (o->second->blocking) {
        o->second->status = SnmpStatus::SessionClosed;
        o->second->finished = true;
        o->second->session = nullptr;
        ++o;
        continue;
      }
      auto c = std::make_unique<Completed>();
      c->id = o->first;
      c->done = o->second->cancelled ? nullptr : std::move(o->second->done);
      c->status = SnmpStatus::SessionClosed;
      completed_.push_back(std::move(c));
      o = outstanding_.erase(o);
    }
    it = sessions_.erase(it);
    closed = true;
  }
  if (closed && workQueued_) workQueued_();
  for (struct usmUser *user = usm_get_userList(); user;) {
    struct usmUser *next = user->next;
    const std::string engine(reinterpret_cast<const char *>(user->engineID), user->engineID ? user->engineIDLen : 0);
    if (user->name && target.SecurityName == user->name) {
      for (const std::string &stale : staleEngines)
        if (stale == engine) {
          usm_remove_user(user);
          usm_free_user(user);
          break;
        }
    }
    user = next;
  }
  if (closed && socketsChanged_) socketsChanged_();
}

int KvSnmpSession::Dispatch(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &request, uint64_t id,
                            Session *&session) {
  session = nullptr;
  if (target.Version != 0 && target.Version != 1 && target.Version != 3) return SnmpStatus::InvalidTarget;
  if (target.Address.Host.empty()) return SnmpStatus::InvalidAddress;
  if (target.Version == 3) {
    if (target.SecurityModel != SNMP_SEC_MODEL_USM) return SnmpStatus::MpUnsupportedSecurityModel;
    if (!ValidAuthCode(target.AuthProtocol)) return SnmpStatus::UsmUnsupportedAuthProtocol;
    if (!ValidPrivCode(target.PrivProtocol)) return SnmpStatus::UsmUnsupportedPrivProtocol;
    const int level = request.SecurityLevel;
    if (level < SnmpSecurityLevel::NoAuthNoPriv || level > SnmpSecurityLevel::AuthPriv)
      return SnmpStatus::UsmUnsupportedSecurityLevel;
    if (level >= SnmpSecurityLevel::AuthNoPriv && target.AuthProtocol == SnmpAuth::None)
      return SnmpStatus::UsmUnsupportedSecurityLevel;
    if (level == SnmpSecurityLevel::AuthPriv && target.PrivProtocol == SnmpPriv::None)
      return SnmpStatus::UsmUnsupportedSecurityLevel;
  }
  for (const SnmpVb &vb : request.Vbs)
    if (vb.Oid.empty() || vb.Oid.size() > MAX_OID_LEN) return SnmpStatus::InvalidOid;

  int status = SnmpStatus::Success;
  session = SessionFor(target, status);
  if (!session) return status;
  netsnmp_session *ss = session->ss;
  ss->timeout = static_cast<long>(target.Timeout) * 10000L;
  ss->retries = target.Retries;

  const int command = op == SnmpOperation::Get       ? SNMP_MSG_GET
                      : op == SnmpOperation::GetNext ? SNMP_MSG_GETNEXT
                      : op == SnmpOperation::GetBulk ? SNMP_MSG_GETBULK
                                                     : SNMP_MSG_SET;
  netsnmp_pdu *pdu = snmp_pdu_create(command);
  if (!pdu) return SnmpStatus::ResourceUnavailable;
  if (op == SnmpOperation::GetBulk) {
    pdu->non_repeaters = std::max(request.NonRepeaters, 0);
    pdu->max_repetitions = std::max(request.MaxRepetitions, 0);
  }
  for (const SnmpVb &vb : request.Vbs) {
    if (!AddVariable(pdu, vb)) {
      snmp_free_pdu(pdu);
      return SnmpStatus::InvalidPdu;
    }
  }
  if (target.Version == 3) {
    pdu->securityLevel = request.SecurityLevel;
    if (!request.ContextName.empty()) {
      pdu->contextName = static_cast<char *>(netsnmp_memdup(request.ContextName.data(), request.ContextName.size()));
      pdu->contextNameLen = request.ContextName.size();
    }
    if (!request.ContextEngineId.empty()) {
      pdu->contextEngineID =
          static_cast<u_char *>(netsnmp_memdup(request.ContextEngineId.data(), request.ContextEngineId.size()));
      pdu->contextEngineIDLen = request.ContextEngineId.size();
    }
  } else {
    const std::string &community = op == SnmpOperation::Set ? target.WriteCommunity : target.ReadCommunity;
    pdu->community = static_cast<u_char *>(netsnmp_memdup(community.data(), community.size()));
    pdu->community_len = community.size();
    if (!pdu->community && !community.empty()) {
      snmp_free_pdu(pdu);
      return SnmpStatus::ResourceUnavailable;
    }
  }
  void *magic = reinterpret_cast<void *>(static_cast<uintptr_t>(id));
  if (snmp_async_send(ss, pdu, &KvSnmpSession::OnNetSnmpEvent, magic) == 0) {
    const int err = LastError(ss);
    snmp_free_pdu(pdu);
    return err == SNMPERR_SUCCESS ? SnmpStatus::TransportFailed : StatusOfNetSnmpError(err);
  }
  return SnmpStatus::Success;
}

int KvSnmpSession::OnNetSnmpEvent(int op, netsnmp_session *sess, int, netsnmp_pdu *pdu, void *magic) {
  KvSnmpSession *self = g_session;
  if (!self) return 1;
  const uint64_t id = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(magic));
  auto it = self->outstanding_.find(id);
  if (it == self->outstanding_.end()) return 1;
  if (op == NETSNMP_CALLBACK_OP_RESEND) it->second->resent = true;
  if (op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_CONNECT) return 1;

  Outstanding &o = *it->second;
  int status = SnmpStatus::Error;
  SnmpPdu response;
  // An agent that refuses the credentials answers with a report, which net-snmp hands
  // over first as a security error (without an error number) and then once more as a
  // message received: the report's counter tells what was refused, either way.
  const bool report = pdu && pdu->command == SNMP_MSG_REPORT;
  if (pdu && (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || (op == NETSNMP_CALLBACK_OP_SEC_ERROR && report))) {
    ReadPdu(pdu, response);
    if (report)
      status = response.Vbs.empty() ? SnmpStatus::UsmError : StatusOfReport(response.Vbs.front().Oid);
    else if (pdu->errstat >= 0 && pdu->errstat <= 18)
      status = static_cast<int>(pdu->errstat);
    else  // never taken for another family's status, nor for success
      status = SnmpStatus::BadErrorStatus;
  } else if (op == NETSNMP_CALLBACK_OP_SEND_FAILED || op == NETSNMP_CALLBACK_OP_SEC_ERROR) {
    const int err = sess ? sess->s_snmp_errno : SNMPERR_GENERR;
    status = err == SNMPERR_SUCCESS ? SnmpStatus::TransportFailed : StatusOfNetSnmpError(err);
  } else {
    status = StatusOfEnding(op);
  }
  response.AgentAddress = o.agent.Host;
  response.AgentPort = o.agent.Port;
  response.Resent = o.resent;

  if (o.blocking) {
    o.status = status;
    o.response = std::move(response);
    o.finished = true;
    return 1;
  }
  auto c = std::make_unique<Completed>();
  c->id = id;
  c->done = o.cancelled ? nullptr : std::move(o.done);
  c->status = status;
  c->response = std::move(response);
  self->completed_.push_back(std::move(c));
  self->outstanding_.erase(it);
  if (self->workQueued_) self->workQueued_();
  return 1;
}

int KvSnmpSession::Send(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &request, SnmpPdu &response) {
  const uint64_t id = nextId_++;
  auto entry = std::make_unique<Outstanding>();
  entry->blocking = true;
  entry->agent = target.Address;
  Outstanding *o = entry.get();
  outstanding_[id] = std::move(entry);
  Session *session = nullptr;
  int status = Dispatch(op, target, request, id, session);
  o->session = session;
  if (status == SnmpStatus::Success) {
    // net-snmp ends every request with an answer or a time-out; the deadline only
    // guards against waiting for ever should that ever fail.
    const long perTry = std::max(target.Timeout, 1) * 10L;
    const int tries = std::max(target.Retries, 0) + 1;
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::milliseconds(perTry * (tries + 2) + 2000);
    if (SnmpBlockingWait *wait = blockingWait_) {
      // Short polls of the sockets in turn with the program's events. Completions that
      // arrive meanwhile wait for the end (ProcessPendingEvents holds them).
      ++blockingWaits_;
      wait->Begin(target.Address.Host, tries);
      int shown = 0;
      bool cancelled = false;
      try {
        while (!o->finished && std::chrono::steady_clock::now() < deadline) {
          const auto elapsed =
              std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
          const int attempt = static_cast<int>(std::min<long>(tries, elapsed.count() / perTry + 1));
          if (attempt != shown) wait->Trying(shown = attempt);
          PollSockets(kBlockingPollMs);
          if (o->finished) break;
          if (!wait->Wait()) {
            cancelled = true;
            break;
          }
        }
      } catch (...) {
        cancelled = true;  // a wait that fails ends the operation as a cancelled one
      }
      --blockingWaits_;
      try {
        wait->End();
      } catch (...) {
      }
      if (!completed_.empty() && blockingWaits_ == 0 && workQueued_) workQueued_();
      status = o->finished ? o->status : cancelled ? SnmpStatus::Cancelled : SnmpStatus::Timeout;
    } else {
      while (!o->finished && std::chrono::steady_clock::now() < deadline) PollSockets(200);
      status = o->finished ? o->status : SnmpStatus::Timeout;
    }
    response = std::move(o->response);
    response.AgentAddress = target.Address.Host;
    response.AgentPort = target.Address.Port;
  } else {
    response = SnmpPdu{};
  }
  outstanding_.erase(id);
  return status;
}

int KvSnmpSession::Get(const SnmpTarget &t, const SnmpPdu &r, SnmpPdu &out) { return Send(SnmpOperation::Get, t, r, out); }
int KvSnmpSession::GetNext(const SnmpTarget &t, const SnmpPdu &r, SnmpPdu &out) {
  return Send(SnmpOperation::GetNext, t, r, out);
}
int KvSnmpSession::Set(const SnmpTarget &t, const SnmpPdu &r, SnmpPdu &out) { return Send(SnmpOperation::Set, t, r, out); }

int KvSnmpSession::SendAsync(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &request, SnmpCompletion done,
                             SnmpRequestId *idOut) {
  if (idOut) *idOut = 0;
  const uint64_t id = nextId_++;
  auto entry = std::make_unique<Outstanding>();
  entry->agent = target.Address;
  entry->done = std::move(done);
  Outstanding *o = entry.get();
  outstanding_[id] = std::move(entry);
  Session *session = nullptr;
  const int status = Dispatch(op, target, request, id, session);
  if (status != SnmpStatus::Success) {
    outstanding_.erase(id);
    return status;
  }
  o->session = session;
  if (idOut) *idOut = id;
  if (workQueued_) workQueued_();
  return SnmpStatus::Success;
}

int KvSnmpSession::GetAsync(const SnmpTarget &t, const SnmpPdu &r, SnmpCompletion d, SnmpRequestId *id) {
  return SendAsync(SnmpOperation::Get, t, r, std::move(d), id);
}

void KvSnmpSession::Post(int status, const SnmpPdu &response, SnmpCompletion done, SnmpRequestId *idOut) {
  auto c = std::make_unique<Completed>();
  c->id = nextId_++;
  c->done = std::move(done);
  c->status = status;
  c->response = response;
  if (idOut) *idOut = c->id;
  completed_.push_back(std::move(c));
  if (workQueued_) workQueued_();
}

void KvSnmpSession::Cancel(SnmpRequestId id) {
  if (auto it = outstanding_.find(id); it != outstanding_.end() && !it->second->blocking) {
    it->second->cancelled = true;
    it->second->done = nullptr;
  }
  for (auto &c : completed_)
    if (c->id == id) c->done = nullptr;
}

int KvSnmpSession::OutstandingCount() const {
  int count = 0;
  for (const auto &[id, o] : outstanding_)
    if (!o->blocking && !o->cancelled) ++count;
  for (const auto &c : completed_)
    if (c->done) ++count;
  return count;
}

void KvSnmpSession::PollSockets(int waitMs) {
  int numfds = 0;
  fd_set fds;
  FD_ZERO(&fds);
  timeval tv{waitMs / 1000, (waitMs % 1000) * 1000};
  int block = 0;
  snmp_select_info(&numfds, &fds, &tv, &block);
  const int ready = ::select(numfds, &fds, nullptr, nullptr, &tv);
  if (ready > 0) snmp_read(&fds);
  snmp_timeout();
}

void KvSnmpSession::ProcessPendingEvents() {
  PollSockets(0);
  if (blockingWaits_ > 0) return;  // held until the blocking operation's wait ends
  // One completion at a time, so that a completion that sends again or cancels
  // another finds the queue in order.
  for (size_t due = completed_.size(); due > 0 && !completed_.empty(); --due) {
    std::unique_ptr<Completed> c = std::move(completed_.front());
    completed_.erase(completed_.begin());
    if (!c->done) continue;
    try {
      c->done(c->status, c->response);
    } catch (...) {
      // A completion's own failure must not keep the others from running.
    }
  }
}

std::vector<int> KvSnmpSession::SocketDescriptors() const {
  std::vector<int> fds;
  for (const auto &[key, s] : sessions_) {
    void *slp = snmp_sess_pointer(s->ss);
    if (netsnmp_transport *t = slp ? snmp_sess_transport(slp) : nullptr)
      if (t->sock >= 0) fds.push_back(t->sock);
  }
  return fds;
}

int KvSnmpSession::MillisecondsToNextTimeout() const {
  if (!completed_.empty() && blockingWaits_ == 0) return 0;
  int numfds = 0;
  fd_set fds;
  FD_ZERO(&fds);
  constexpr long kNone = 1000000;
  timeval tv{kNone, 0};
  int block = 0;
  snmp_select_info(&numfds, &fds, &tv, &block);
  if (tv.tv_sec >= kNone) return -1;
  return static_cast<int>(tv.tv_sec * 1000 + (tv.tv_usec + 999) / 1000);
}
