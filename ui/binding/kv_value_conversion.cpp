#include "kv_value_conversion.h"

#include "kv_binary_string.h"
#include "kv_date_time.h"
#include "kv_messages.h"
#include "kv_snmp_var_def.h"
#include "kv_text.h"
#include "snmp_printable.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <vector>

namespace {
constexpr char kNullText[] = "(NULL)";

[[noreturn]] void BadValue() { RaiseLibrary(LibraryMsg::BadAssocValue); }

// Fixed length of a syntax's raw form; 0 for the syntaxes that run to the end, -1 for
// a syntax that is not one of the conversions'.
int RawLength(unsigned syntax) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger:
    case Syntax::TimeTicks:
      return 4;
    case Syntax::MacAddress:
      return 6;
    case Syntax::Counter64:
    case Syntax::Double:
    case Syntax::BcDateTime:
      return 8;
    case Syntax::DateTime:
      return 11;
    case Syntax::Bool8:
    case Syntax::Int8:
    case Syntax::UInt8:
      return 1;
    case Syntax::Bool16:
    case Syntax::Int16:
    case Syntax::UInt16:
      return 2;
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque:
    case Syntax::ObjectId:
    case Syntax::DisplayStr:
    case Syntax::PortList:
    case Syntax::Null:
      return 0;
    default:
      return -1;
  }
}

void PutBE(std::string &out, uint64_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint64_t GetBE(const std::string &raw, size_t at, int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | static_cast<uint8_t>(raw[at + i]);
  return value;
}

// A decimal number that fits `bytes` bytes read either signed or unsigned, as the bit
// pattern of that width.
uint64_t ReadInteger(const std::string &text, int bytes) {
  const std::string t = Trim(text);
  int64_t value = 0;
  const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || ec != std::errc() || ptr != t.data() + t.size()) BadValue();
  const int bits = 8 * bytes;
  const int64_t lowest = -(int64_t{1} << (bits - 1));
  const int64_t highest = static_cast<int64_t>((uint64_t{1} << bits) - 1);
  if (value < lowest || value > highest) BadValue();
  return static_cast<uint64_t>(value) & ((uint64_t{1} << bits) - 1);
}

double ReadDouble(const std::string &text) {
  const std::string t = Trim(text);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || ec != std::errc() || ptr != t.data() + t.size()) BadValue();
  return value;
}

std::string DoubleToText(double value) {
  char buffer[40];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, ptr) : std::string();
}

std::vector<uint32_t> ReadOid(const std::string &text) {
  std::vector<uint32_t> subids;
  if (!ParseOid(Trim(text), subids)) BadValue();
  return subids;
}
}  // namespace

std::string TextToRaw(const std::string &text, unsigned syntax) {
  if (text == kNullText) return {};
  std::string raw;
  switch (syntax) {
    case Syntax::Null:
      break;
    case Syntax::Boolean:
      AppendLittleEndian(raw, text == "true", 4);
      break;
    case Syntax::Bool8:
      PutBE(raw, text == "true", 1);
      break;
    case Syntax::Bool16:
      PutBE(raw, text == "true", 2);
      break;
    case Syntax::Integer:
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger:
      AppendLittleEndian(raw, ReadInteger(text, 4), 4);
      break;
    case Syntax::Int8:
    case Syntax::UInt8:
      PutBE(raw, ReadInteger(text, 1), 1);
      break;
    case Syntax::Int16:
    case Syntax::UInt16:
      PutBE(raw, ReadInteger(text, 2), 2);
      break;
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque:
    case Syntax::MacAddress:
      if (!ParsePrintableHex(text, raw)) BadValue();
      break;
    case Syntax::ObjectId:
      for (uint32_t subid : ReadOid(text)) AppendLittleEndian(raw, subid, 4);
      break;
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      for (uint32_t part : ReadOid(text)) {
        if (part > 255) BadValue();
        raw += static_cast<char>(part);
      }
      break;
    case Syntax::TimeTicks: {
      uint32_t ticks = 0;
      if (!TextToTimeTicks(text, ticks)) BadValue();
      AppendLittleEndian(raw, ticks, 4);
      break;
    }
    case Syntax::Counter64: {
      uint64_t value = 0;
      if (!TextToCounter64(text, value)) BadValue();
      AppendLittleEndian(raw, value & 0xFFFFFFFFu, 4);
      AppendLittleEndian(raw, value >> 32, 4);
      break;
    }
    case Syntax::Double:
      AppendLittleEndian(raw, std::bit_cast<uint64_t>(ReadDouble(text)), 8);
      break;
    case Syntax::DateTime:
      raw = KvDateTime(text).ToOctets();
      break;
    case Syntax::BcDateTime: {
      double days = 0;
      if (!ParseBcDateTime(text, days)) BadValue();
      AppendLittleEndian(raw, std::bit_cast<uint64_t>(days), 8);
      break;
    }
    case Syntax::DisplayStr:
      raw = text;
      break;
    case Syntax::PortList:
      if (!ParsePortList(text, raw)) BadValue();
      break;
    default:
      RaiseLibrary(LibraryMsg::BadSyntax);
  }
  return raw;
}

std::string RawToText(const std::string &raw, unsigned syntax) {
  if (raw.empty()) return syntax == Syntax::DisplayStr ? std::string() : syntax == Syntax::PortList ? "none" : kNullText;
  const int length = RawLength(syntax);
  if (length < 0) RaiseLibrary(LibraryMsg::BadSyntax);
  if (raw.size() < static_cast<size_t>(length)) BadValue();
  switch (syntax) {
    case Syntax::Boolean:
      return ReadLittleEndian(raw, 0, 4) ? "true" : "false";
    case Syntax::Bool8:
      return raw[0] ? "true" : "false";
    case Syntax::Bool16:
      return GetBE(raw, 0, 2) ? "true" : "false";
    case Syntax::Integer:
      return std::to_string(static_cast<int32_t>(ReadLittleEndian(raw, 0, 4)));
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger:
      return std::to_string(ReadLittleEndian(raw, 0, 4));
    case Syntax::Int8:
      return std::to_string(static_cast<int8_t>(raw[0]));
    case Syntax::UInt8:
      return std::to_string(static_cast<uint8_t>(raw[0]));
    case Syntax::Int16:
    case Syntax::UInt16:
      return std::to_string(GetBE(raw, 0, 2));
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque:
    case Syntax::MacAddress:
      return OctetsToPrintableHex(raw);
    case Syntax::Null:
      return kNullText;
    case Syntax::ObjectId: {
      // A partial last group would be a cut-off sub-identifier.
      if (raw.size() % 4 != 0) BadValue();
      std::vector<uint32_t> subids;
      for (size_t at = 0; at < raw.size(); at += 4)
        subids.push_back(static_cast<uint32_t>(ReadLittleEndian(raw, at, 4)));
      return OidToText(subids);
    }
    case Syntax::IpAddress:
    case Syntax::NsapAddr:
      return IpAddressToText(raw.substr(0, 4));
    case Syntax::TimeTicks:
      return TimeTicksToText(static_cast<uint32_t>(ReadLittleEndian(raw, 0, 4)));
    case Syntax::Counter64:
      return Counter64ToText(ReadLittleEndian(raw, 0, 4) | ReadLittleEndian(raw, 4, 4) << 32);
    case Syntax::Double:
      return DoubleToText(std::bit_cast<double>(ReadLittleEndian(raw, 0, 8)));
    case Syntax::DateTime:
      return KvDateTime::FromOctets(raw).ToText();
    case Syntax::BcDateTime: {
      const std::string text = FormatBcDateTime(std::bit_cast<double>(ReadLittleEndian(raw, 0, 8)));
      if (text.empty()) BadValue();  // no calendar date
      return text;
    }
    case Syntax::DisplayStr:
      return raw;
    case Syntax::PortList:
      return PortListToText(raw);
    default:
      RaiseLibrary(LibraryMsg::BadSyntax);
  }
}

std::string ExtractPart(const std::string &raw, int byteIndex, unsigned syntax) {
  if (raw.empty()) return {};
  const int length = RawLength(syntax);
  if (length < 0) RaiseLibrary(LibraryMsg::BadSyntax);
  if (syntax == Syntax::Null) return {};
  if (byteIndex < 0) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
  const size_t start = static_cast<size_t>(byteIndex);
  if (length == 0) {
    if (start >= raw.size()) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
    return raw.substr(start);
  }
  if (start + static_cast<size_t>(length) > raw.size())
    RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
  return raw.substr(start, static_cast<size_t>(length));
}
