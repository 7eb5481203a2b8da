#pragma once
// The switch's objects as the data file describes them: typed instances with their access
// and value constraints, the tables whose rows can be created, and the subtrees served.

#include <cstdint>
#include <istream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The simulator's failures: an exit status and a text.
enum SimErrorCode {
  kSimErrUsage = 2,     // bad command line
  kSimErrData = 3,      // data file unreadable or malformed
  kSimErrAgent = 4,     // net-snmp refused to start (address in use, bad user...)
  kSimErrStateDir = 5,  // state directory not usable
  kSimErrLog = 6,       // request log not writable
};

class SimError : public std::runtime_error {
public:
  SimError(int code, const std::string &text) : std::runtime_error(text), code_(code) {}
  int Code() const { return code_; }

private:
  int code_;
};

using SubId = unsigned long;  // net-snmp's `oid`
using Oid = std::vector<SubId>;

std::optional<Oid> ParseOid(std::string_view text);  // "1.3.6.1" or ".1.3.6.1"
std::string OidText(const Oid &oid);
bool HasPrefix(const Oid &oid, const Oid &prefix);
Oid Concat(Oid oid, const Oid &tail);

enum class ValueType { Integer, OctetString, ObjectId, IpAddress, Counter32, Gauge32, TimeTicks, Counter64 };
const char *TypeName(ValueType type);
std::optional<ValueType> TypeFromName(std::string_view name);

enum class Access { ReadOnly, ReadWrite, ReadCreate };

struct Value {
  ValueType type = ValueType::Integer;
  uint64_t number = 0;  // Integer holds its two's complement
  std::string octets;   // OctetString; IpAddress as its 4 octets
  Oid objectId;

  int64_t Signed() const { return static_cast<int64_t>(number); }
  static Value Int(int64_t v) { return {ValueType::Integer, static_cast<uint64_t>(v), {}, {}}; }
  static Value Unsigned(ValueType t, uint64_t v) { return {t, v, {}, {}}; }
  static Value Octets(std::string v) { return {ValueType::OctetString, 0, std::move(v), {}}; }
  bool operator==(const Value &o) const = default;
};

// Value text as the data file and the request log write it.
std::string ValueText(const Value &value);

struct Enumeration {
  std::string name;
  std::map<int64_t, std::string> labels;
};

struct Constraints {
  std::shared_ptr<const Enumeration> enumeration;
  std::optional<std::pair<int64_t, int64_t>> range;
  std::optional<std::pair<size_t, size_t>> size;
  bool lockedWhileValid = false;  // refused while the row is active/valid

  bool Empty() const { return !enumeration && !range && !size && !lockedWhileValid; }
};

struct Instance {
  Value value;
  Access access = Access::ReadOnly;
  Constraints constraints;
  std::string live;        // name of a value the model computes when read
  double rate = 0;         // counters: nominal increase per second
  double activeRate = 0;   // increase per second now (0 while the port is down)
  double since = 0;        // model time at which `value` was taken
  size_t indexPart = 0;    // only while parsing @column lines
};

// One part of a table's INDEX, used to tell a creatable row name from garbage.
struct IndexPart {
  enum Kind { Int, String, ImpliedString, Mac, IpAddr, ObjectId, ImpliedObjectId } kind = Int;
  int64_t min = 0, max = 2147483647;
};

enum class StatusKind { None, RowStatus, EntryStatus };

struct Column {
  Value defaultValue;
  Access access = Access::ReadOnly;
  Constraints constraints;
  size_t indexPart = 0;  // 1-based: a new row takes this column's value from its INDEX
};

struct Table {
  Oid entry;
  std::map<SubId, Column> columns;
  StatusKind statusKind = StatusKind::None;
  SubId statusColumn = 0;
  std::vector<IndexPart> index;

  // True when `suffix` is a well-formed instance of the INDEX.
  bool IndexValid(const Oid &suffix) const;
  // Value of INDEX part `part` (1-based) of a well-formed row name, typed like `like`.
  std::optional<Value> IndexValue(const Oid &suffix, size_t part, const Value &like) const;
};

class SwitchData {
public:
  // Throws SimError(kSimErrData) naming the file and line.
  static SwitchData Load(const std::string &path);
  static SwitchData Parse(std::istream &in, const std::string &name);

  // The table `oid` falls in, with its column and row index; null when in none.
  const Table *TableOf(const Oid &oid, SubId *column = nullptr, Oid *row = nullptr) const;

  std::map<Oid, Instance> instances;
  std::map<Oid, Table> tables;  // by entry OID
  std::vector<Oid> subtrees;
  std::map<std::string, std::shared_ptr<const Enumeration>> enumerations;
};

// Checks a value against a type, access-independent constraints; returns an SNMP error
// status (SNMP_ERR_NOERROR, SNMP_ERR_WRONGVALUE, SNMP_ERR_WRONGLENGTH).
int CheckConstraints(const Constraints &c, const Value &v);
