#pragma once
// The definition record of one MIB object, and the codes it carries. Definition tables
// are constant arrays of these records ended by an all-zero record.

class KvOptionList;

// Syntax codes: ASN.1/SMI tags up to 0x47, the library's own from 0x48 on.
namespace Syntax {
constexpr unsigned Boolean = 0x01;
constexpr unsigned Integer = 0x02;
constexpr unsigned BitStr = 0x03;
constexpr unsigned OctetStr = 0x04;
constexpr unsigned Null = 0x05;
constexpr unsigned ObjectId = 0x06;
constexpr unsigned IpAddress = 0x40;
constexpr unsigned Counter = 0x41;
constexpr unsigned Gauge = 0x42;
constexpr unsigned TimeTicks = 0x43;
constexpr unsigned Opaque = 0x44;
constexpr unsigned NsapAddr = 0x45;
constexpr unsigned Counter64 = 0x46;
constexpr unsigned UInteger = 0x47;
constexpr unsigned Double = 0x48;      // 8-octet string holding an IEEE double
constexpr unsigned MacAddress = 0x49;  // 6-octet string
constexpr unsigned DateTime = 0x4a;    // 11-octet DateAndTime
constexpr unsigned BcDateTime = 0x4b;  // 8-octet IEEE double, days since 1899-12-30
constexpr unsigned DisplayStr = 0x4c;
constexpr unsigned PortList = 0x4d;   // octet string of port bits, shown as port numbers "1-8,10"
// Fields inside another variable's octets; only valid inside expressions.
constexpr unsigned Bool8 = 0xc1;
constexpr unsigned Int8 = 0xc2;
constexpr unsigned UInt8 = 0xc3;
constexpr unsigned Bool16 = 0xc4;
constexpr unsigned Int16 = 0xc5;
constexpr unsigned UInt16 = 0xc6;
}  // namespace Syntax

// Access flags (a bit set).
namespace Access {
constexpr unsigned None = 0x00;       // notification-only objects, never read
constexpr unsigned NotAccess = 0x01;  // a table's INDEX column, decoded from the instance
constexpr unsigned ReadOnly = 0x02;
constexpr unsigned WriteOnly = 0x04;
constexpr unsigned ReadWrite = 0x06;
constexpr unsigned Derived = 0x08;
constexpr unsigned Hidden = 0x10;
constexpr unsigned Invalid = 0x20;  // left out of requests; Set uses it temporarily
constexpr unsigned Implied = 0x40;  // last INDEX is IMPLIED: no length sub-identifier
}  // namespace Access

// Item types of a variable list.
constexpr unsigned char SVT_SV = 0;   // scalar group, Oid + ".0"
constexpr unsigned char MVT_SV = 1;   // one value per column, bare Oid
constexpr unsigned char MVT_FMV = 2;  // table with a fixed set of rows
constexpr unsigned char MVT_UMV = 3;  // table whose rows are created and destroyed

struct KvSNMPVarDef {
  const char *Oid;  // dotted, no instance; null ends a table
  const char *Name;
  unsigned Syntax;
  unsigned Access;
  const KvOptionList *Options;
  const char *GetExpression = nullptr;
  const char *SetExpression = nullptr;
  const char *Extra = nullptr;
  const char *Value = nullptr;
  const char *Instance = nullptr;
};

// The names of the codes, for display and for reading them from text.
extern const KvOptionList ItemTypeOptions;
extern const KvOptionList SyntaxOptions;
extern const KvOptionList AccessOptions;
