#include "snmp_pdu.h"

#include "snmp_printable.h"

SnmpValue SnmpValue::Integer(int32_t value) {
  SnmpValue v;
  v.type_ = SnmpType::Integer;
  v.number_ = static_cast<uint64_t>(static_cast<int64_t>(value));
  return v;
}

SnmpValue SnmpValue::Unsigned(SnmpType type, uint32_t value) {
  SnmpValue v;
  if (type != SnmpType::Counter32 && type != SnmpType::Gauge32 && type != SnmpType::TimeTicks)
    return v;
  v.type_ = type;
  v.number_ = value;
  return v;
}

SnmpValue SnmpValue::Counter64(uint64_t value) {
  SnmpValue v;
  v.type_ = SnmpType::Counter64;
  v.number_ = value;
  return v;
}

SnmpValue SnmpValue::Octets(const std::string &octets, SnmpType type) {
  SnmpValue v;
  v.type_ = type == SnmpType::Opaque ? SnmpType::Opaque : SnmpType::OctetString;
  v.octets_ = octets;
  return v;
}

SnmpValue SnmpValue::ObjectId(const std::vector<uint32_t> &subids) {
  SnmpValue v;
  v.type_ = SnmpType::ObjectId;
  v.oid_ = subids;
  return v;
}

SnmpValue SnmpValue::IpAddress(const std::string &octets) {
  SnmpValue v;
  if (octets.size() != 4) return v;
  v.type_ = SnmpType::IpAddress;
  v.octets_ = octets;
  return v;
}

SnmpValue SnmpValue::Exception(SnmpType type) {
  SnmpValue v;
  if (type == SnmpType::NoSuchObject || type == SnmpType::NoSuchInstance ||
      type == SnmpType::EndOfMibView)
    v.type_ = type;
  return v;
}

bool SnmpValue::IsException() const {
  return type_ == SnmpType::NoSuchObject || type_ == SnmpType::NoSuchInstance ||
         type_ == SnmpType::EndOfMibView;
}

int64_t SnmpValue::AsInteger() const {
  switch (type_) {
    case SnmpType::Integer:
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks:
    case SnmpType::Counter64: return static_cast<int64_t>(number_);
    default: return 0;
  }
}

uint64_t SnmpValue::AsUnsigned() const {
  switch (type_) {
    case SnmpType::Integer:
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks:
    case SnmpType::Counter64: return number_;
    default: return 0;
  }
}

std::string SnmpValue::ToPrintable() const {
  switch (type_) {
    case SnmpType::Integer: return std::to_string(static_cast<int64_t>(number_));
    case SnmpType::Counter32:
    case SnmpType::Gauge32: return std::to_string(number_);
    case SnmpType::TimeTicks: return TimeTicksToText(static_cast<uint32_t>(number_));
    case SnmpType::Counter64: return Counter64ToText(number_);
    case SnmpType::ObjectId: return OidToText(oid_);
    case SnmpType::IpAddress: return IpAddressToText(octets_);
    case SnmpType::OctetString:
    case SnmpType::Opaque: return OctetsToPrintableHex(octets_);
    default: return {};
  }
}

std::string SnmpTypeName(SnmpType type) {
  switch (type) {
    case SnmpType::Integer: return "Integer";
    case SnmpType::OctetString: return "OctetString";
    case SnmpType::Null: return "Null";
    case SnmpType::ObjectId: return "ObjectId";
    case SnmpType::IpAddress: return "IpAddress";
    case SnmpType::Counter32: return "Counter32";
    case SnmpType::Gauge32: return "Gauge32";
    case SnmpType::TimeTicks: return "TimeTicks";
    case SnmpType::Opaque: return "Opaque";
    case SnmpType::Counter64: return "Counter64";
    case SnmpType::NoSuchObject: return "noSuchObject";
    case SnmpType::NoSuchInstance: return "noSuchInstance";
    case SnmpType::EndOfMibView: return "endOfMibView";
  }
  return "type " + std::to_string(static_cast<int>(type));
}

std::string SnmpVb::OidText() const { return OidToText(Oid); }

bool SnmpPdu::AddVb(const std::string &oidText, const SnmpValue &value) {
  std::vector<uint32_t> oid;
  if (!ParseOid(oidText, oid)) return false;
  Vbs.emplace_back(std::move(oid), value);
  return true;
}
