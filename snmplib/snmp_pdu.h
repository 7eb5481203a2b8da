#pragma once
// The values, variable bindings and PDUs that travel between the request engine and
// the session. Values carry their SMI type; texts are byte strings.

#include <cstdint>
#include <string>
#include <vector>

// SMI types as they are tagged on the wire (and numbered in the variable definitions).
enum class SnmpType : uint8_t {
  Integer = 0x02,
  OctetString = 0x04,
  Null = 0x05,
  ObjectId = 0x06,
  IpAddress = 0x40,
  Counter32 = 0x41,
  Gauge32 = 0x42,
  TimeTicks = 0x43,
  Opaque = 0x44,
  Counter64 = 0x46,
  NoSuchObject = 0x80,
  NoSuchInstance = 0x81,
  EndOfMibView = 0x82,
};

class SnmpValue {
public:
  SnmpValue() = default;  // Null

  static SnmpValue Null() { return {}; }
  static SnmpValue Integer(int32_t value);
  // Counter32, Gauge32 or TimeTicks.
  static SnmpValue Unsigned(SnmpType type, uint32_t value);
  static SnmpValue Counter64(uint64_t value);
  // OctetString or Opaque.
  static SnmpValue Octets(const std::string &octets, SnmpType type = SnmpType::OctetString);
  static SnmpValue ObjectId(const std::vector<uint32_t> &subids);
  // Four octets, network order; other lengths give Null.
  static SnmpValue IpAddress(const std::string &octets);
  // NoSuchObject, NoSuchInstance or EndOfMibView.
  static SnmpValue Exception(SnmpType type);

  SnmpType Type() const { return type_; }
  // noSuchObject, noSuchInstance or endOfMibView.
  bool IsException() const;
  // Neither Null nor an exception.
  bool HasValue() const { return type_ != SnmpType::Null && !IsException(); }

  // The number of Integer (as signed), Counter32, Gauge32, TimeTicks and Counter64
  // values; 0 for other types.
  int64_t AsInteger() const;
  uint64_t AsUnsigned() const;
  // The octets of OctetString, Opaque and IpAddress values; "" for others.
  const std::string &AsOctets() const { return octets_; }
  // The sub-identifiers of an ObjectId value; empty for others.
  const std::vector<uint32_t> &AsOid() const { return oid_; }

  // Printable form: Integer signed decimal, Counter32/Gauge32/Counter64 unsigned
  // decimal, TimeTicks "H:MM:SS.hh" forms, ObjectId dotted, IpAddress dotted quad,
  // OctetString and Opaque two hex digits per octet. Null and exceptions give "" (no
  // value).
  std::string ToPrintable() const;

  bool operator==(const SnmpValue &other) const = default;

private:
  SnmpType type_ = SnmpType::Null;
  uint64_t number_ = 0;
  std::string octets_;
  std::vector<uint32_t> oid_;
};

// Name of an SMI type for messages and test output ("Integer", "noSuchObject", ...).
std::string SnmpTypeName(SnmpType type);

struct SnmpVb {
  std::vector<uint32_t> Oid;
  SnmpValue Value;

  SnmpVb() = default;
  SnmpVb(std::vector<uint32_t> oid, SnmpValue value = {}) : Oid(std::move(oid)), Value(std::move(value)) {}
  std::string OidText() const;
  bool operator==(const SnmpVb &other) const = default;
};

// Security levels as the settings number them.
namespace SnmpSecurityLevel {
constexpr int NoAuthNoPriv = 1;
constexpr int AuthNoPriv = 2;
constexpr int AuthPriv = 3;
}  // namespace SnmpSecurityLevel

struct SnmpPdu {
  std::vector<SnmpVb> Vbs;
  int ErrorStatus = 0;  // the agent's error-status (0 to 18)
  int ErrorIndex = 0;   // 1-based position of the failing binding; 0 when none
  // A GetBulk request: the bindings answered once, and how often the rest are.
  int NonRepeaters = 0;
  int MaxRepetitions = 0;

  // SNMPv3 scoped PDU fields; the security level is used by SNMPv3 only.
  int SecurityLevel = SnmpSecurityLevel::NoAuthNoPriv;
  std::string ContextName;
  std::string ContextEngineId;

  // Filled in on responses: the agent that answered, and the largest message it takes
  // (SNMPv3's msgMaxSize; 0 when the message does not tell).
  std::string AgentAddress;
  int AgentPort = 0;
  int AgentMaxSize = 0;
  bool Resent = false;  // the request was sent again after a try went unanswered

  // Appends a binding whose OID is given as dotted text; false (nothing added) when
  // the text is not an OID.
  bool AddVb(const std::string &oidText, const SnmpValue &value = {});
};
