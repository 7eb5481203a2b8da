#include "kv_index_codec.h"

#include "kv_date_time.h"
#include "kv_expression.h"
#include "kv_messages.h"
#include "kv_snmp_var_def.h"
#include "kv_text.h"
#include "snmp_printable.h"

#include <bit>

namespace {
[[noreturn]] void BadSyntax() { RaiseLibrary(LibraryMsg::BadSyntax); }

// Takes `n` sub-identifiers from `pos`, or raises when fewer are left.
std::vector<uint32_t> Take(const std::vector<uint32_t> &subids, size_t &pos, size_t n) {
  if (n > subids.size() - pos) BadSyntax();
  std::vector<uint32_t> part(subids.begin() + static_cast<long>(pos), subids.begin() + static_cast<long>(pos + n));
  pos += n;
  return part;
}

// The length-prefixed (or, when implied, remaining) sub-identifiers.
std::vector<uint32_t> TakeVariable(const std::vector<uint32_t> &subids, size_t &pos, bool implied) {
  if (implied) return Take(subids, pos, subids.size() - pos);
  const uint32_t n = Take(subids, pos, 1)[0];
  return Take(subids, pos, n);
}

std::string Octets(const std::vector<uint32_t> &part) {
  std::string octets;
  for (uint32_t v : part) {
    if (v > 255) BadSyntax();
    octets.push_back(static_cast<char>(v));
  }
  return octets;
}

uint64_t Join64(uint32_t high, uint32_t low) { return static_cast<uint64_t>(high) << 32 | low; }

void AppendOctets(const std::string &octets, bool implied, std::vector<uint32_t> &out) {
  if (!implied) out.push_back(static_cast<uint32_t>(octets.size()));
  for (unsigned char c : octets) out.push_back(c);
}

void AppendDouble(double value, std::vector<uint32_t> &out) {
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  out.push_back(static_cast<uint32_t>(bits));
  out.push_back(static_cast<uint32_t>(bits >> 32));
}
}  // namespace

std::string DecodeIndexValue(unsigned syntax, bool lastImplied, const std::vector<uint32_t> &subids,
                             size_t &pos) {
  if (pos > subids.size()) BadSyntax();
  switch (syntax) {
    case Syntax::Boolean: return Take(subids, pos, 1)[0] ? "true" : "false";
    case Syntax::Integer: return std::to_string(static_cast<int32_t>(Take(subids, pos, 1)[0]));
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque: return OctetsToPrintableHex(Octets(TakeVariable(subids, pos, lastImplied)));
    case Syntax::Null: return "(NULL)";
    case Syntax::ObjectId: return OidToText(TakeVariable(subids, pos, lastImplied));
    case Syntax::IpAddress:
    case Syntax::NsapAddr: return IpAddressToText(Octets(Take(subids, pos, 4)));
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger: return std::to_string(Take(subids, pos, 1)[0]);
    case Syntax::TimeTicks: return TimeTicksToText(Take(subids, pos, 1)[0]);
    case Syntax::Counter64: {
      const auto p = Take(subids, pos, 2);
      return Counter64ToText(Join64(p[0], p[1]));
    }
    case Syntax::Double: {
      const auto p = Take(subids, pos, 2);
      return FormatReal(std::bit_cast<double>(Join64(p[1], p[0])));
    }
    case Syntax::MacAddress: return OctetsToPrintableHex(Octets(Take(subids, pos, 6)));
    case Syntax::DateTime: return KvDateTime::FromOctets(Octets(Take(subids, pos, 11))).ToText();
    case Syntax::BcDateTime: {
      const auto p = Take(subids, pos, 2);
      return FormatBcDateTime(std::bit_cast<double>(Join64(p[1], p[0])));
    }
    case Syntax::DisplayStr: return Octets(TakeVariable(subids, pos, lastImplied));
    default: BadSyntax();
  }
}

void EncodeIndexValue(unsigned syntax, bool lastImplied, const std::string &value,
                      std::vector<uint32_t> &out) {
  switch (syntax) {
    case Syntax::Boolean: out.push_back(value == "true" ? 1 : 0); return;
    case Syntax::Integer: out.push_back(static_cast<uint32_t>(StrToInt(value))); return;
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger: out.push_back(StrToUInt(value)); return;
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque: AppendOctets(PrintableHexToOctets(value), lastImplied, out); return;
    case Syntax::Null: return;
    case Syntax::ObjectId: {
      std::vector<uint32_t> oid;
      ParseOid(value, oid);
      if (!lastImplied) out.push_back(static_cast<uint32_t>(oid.size()));
      out.insert(out.end(), oid.begin(), oid.end());
      return;
    }
    case Syntax::IpAddress:
    case Syntax::NsapAddr: {
      std::string octets;
      if (!ParseIpAddress(value, octets)) octets.assign(4, '\0');
      for (unsigned char c : octets) out.push_back(c);
      return;
    }
    case Syntax::TimeTicks: {
      uint32_t ticks = 0;
      TextToTimeTicks(value, ticks);
      out.push_back(ticks);
      return;
    }
    case Syntax::Counter64: {
      uint64_t v = 0;
      TextToCounter64(value, v);
      out.push_back(static_cast<uint32_t>(v >> 32));
      out.push_back(static_cast<uint32_t>(v));
      return;
    }
    case Syntax::Double: AppendDouble(StrToFloat(value), out); return;
    case Syntax::BcDateTime: {
      double days = 0;
      ParseBcDateTime(value, days);
      AppendDouble(days, out);
      return;
    }
    case Syntax::MacAddress: {
      const std::string octets = PrintableHexToOctets(value);
      if (octets.size() >= 6)
        for (size_t i = 0; i < 6; ++i) out.push_back(static_cast<unsigned char>(octets[i]));
      return;
    }
    case Syntax::DateTime:
      for (unsigned char c : KvDateTime(value).ToOctets()) out.push_back(c);
      return;
    case Syntax::DisplayStr: AppendOctets(value, lastImplied, out); return;
    default: BadSyntax();
  }
}
