#include "request_log.h"

#include "switch_data.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cerrno>
#include <cstring>

namespace {

std::string Json(const std::string &s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
    else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else
      out += static_cast<char>(c);
  }
  return out + "\"";
}

const char *OpName(int command) {
  switch (command) {
  case SNMP_MSG_GET: return "get";
  case SNMP_MSG_GETNEXT: return "getnext";
  case SNMP_MSG_GETBULK: return "getbulk";
  case SNMP_MSG_SET: return "set";
  case SNMP_MSG_INFORM: return "inform";
  case SNMP_MSG_TRAP: return "trap";
  case SNMP_MSG_TRAP2: return "trap2";
  case SNMP_MSG_REPORT: return "report";
  case SNMP_MSG_RESPONSE: return "response";
  default: return "unknown";
  }
}

std::string Var(const netsnmp_variable_list &vb) {
  Oid oid(vb.name, vb.name + vb.name_length);
  std::string type, value, text;
  bool printable = false;
  switch (vb.type) {
  case ASN_NULL: type = "NULL"; break;
  case ASN_INTEGER: type = "INTEGER", value = std::to_string(vb.val.integer ? *vb.val.integer : 0); break;
  case ASN_COUNTER:
  case ASN_GAUGE:
  case ASN_TIMETICKS:
    type = vb.type == ASN_COUNTER ? "COUNTER" : vb.type == ASN_GAUGE ? "GAUGE" : "TIMETICKS";
    value = std::to_string(vb.val.integer ? static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFul : 0);
    break;
  case ASN_COUNTER64:
    type = "COUNTER64";
    if (vb.val.counter64)
      value = std::to_string((static_cast<uint64_t>(vb.val.counter64->high) << 32) | (vb.val.counter64->low & 0xFFFFFFFFul));
    break;
  case ASN_OCTET_STR: {
    type = "STRING";
    Value v = Value::Octets(std::string(reinterpret_cast<const char *>(vb.val.string), vb.val_len));
    value = ValueText(v);
    text = v.octets;
    printable = true;
    for (unsigned char c : text) printable = printable && c >= 0x20 && c < 0x7F;
    break;
  }
  case ASN_IPADDRESS: {
    type = "IPADDRESS";
    Value v{ValueType::IpAddress, 0, std::string(reinterpret_cast<const char *>(vb.val.string), vb.val_len), {}};
    value = ValueText(v);
    break;
  }
  case ASN_OBJECT_ID:
    type = "OID";
    value = OidText(Oid(vb.val.objid, vb.val.objid + vb.val_len / sizeof(::oid)));
    break;
  default: {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", vb.type);
    type = buf;
  }
  }
  std::string out = "{\"oid\":" + Json(OidText(oid)) + ",\"type\":" + Json(type);
  if (vb.type != ASN_NULL) out += ",\"value\":" + Json(value);
  if (printable) out += ",\"text\":" + Json(text);
  return out + "}";
}

}  // namespace

RequestLog::RequestLog(const std::string &path) {
  file_ = std::fopen(path.c_str(), "w");
  if (!file_) throw SimError(kSimErrLog, "cannot write the request log " + path + ": " + std::strerror(errno));
}

RequestLog::~RequestLog() {
  if (file_) std::fclose(file_);
}

std::string RequestLog::Line(const snmp_pdu &pdu, long number, bool dropped, bool tooBig) {
  std::string out = "{\"n\":" + std::to_string(number) + ",\"op\":\"" + OpName(pdu.command) + "\",\"version\":\"";
  if (pdu.version == SNMP_VERSION_3) {
    static const char *const kLevels[] = {"", "noAuthNoPriv", "authNoPriv", "authPriv"};
    const int level = pdu.securityLevel >= 1 && pdu.securityLevel <= 3 ? pdu.securityLevel : 0;
    out += "3\",\"user\":" + Json(std::string(pdu.securityName ? pdu.securityName : "", pdu.securityNameLen)) +
           ",\"level\":\"" + kLevels[level] + "\"";
  } else {
    out += pdu.version == SNMP_VERSION_1 ? "1" : "2c";
    out += "\",\"community\":" + Json(std::string(reinterpret_cast<const char *>(pdu.community ? pdu.community : reinterpret_cast<u_char *>(const_cast<char *>(""))), pdu.community_len));
  }
  if (pdu.command == SNMP_MSG_GETBULK)
    out += ",\"nonRepeaters\":" + std::to_string(pdu.errstat) + ",\"maxRepetitions\":" + std::to_string(pdu.errindex);
  if (tooBig) out += ",\"tooBig\":true";
  out += std::string(",\"dropped\":") + (dropped ? "true" : "false") + ",\"vars\":[";
  bool first = true;
  for (const netsnmp_variable_list *vb = pdu.variables; vb; vb = vb->next_variable) {
    if (!first) out += ',';
    first = false;
    out += Var(*vb);
  }
  return out + "]}";
}

void RequestLog::Write(const snmp_pdu &pdu, long number, bool dropped, bool tooBig) {
  const std::string line = Line(pdu, number, dropped, tooBig) + "\n";
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}
