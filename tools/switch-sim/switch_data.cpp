#include "switch_data.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

std::optional<Oid> ParseOid(std::string_view text) {
  if (!text.empty() && text.front() == '.') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  Oid oid;
  while (true) {
    const size_t dot = text.find('.');
    const std::string_view part = text.substr(0, dot);
    SubId v = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
    if (part.empty() || ec != std::errc() || end != part.data() + part.size() || v > 0xFFFFFFFFul)
      return std::nullopt;
    oid.push_back(v);
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
  if (oid.size() > 128) return std::nullopt;
  return oid;
}

std::string OidText(const Oid &oid) {
  std::string out;
  for (size_t i = 0; i < oid.size(); ++i) {
    if (i) out += '.';
    out += std::to_string(oid[i]);
  }
  return out;
}

bool HasPrefix(const Oid &oid, const Oid &prefix) {
  return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid Concat(Oid oid, const Oid &tail) {
  oid.insert(oid.end(), tail.begin(), tail.end());
  return oid;
}

namespace {
struct TypeNameEntry {
  ValueType type;
  const char *name;
};
constexpr TypeNameEntry kTypeNames[] = {
    {ValueType::Integer, "INTEGER"},     {ValueType::OctetString, "STRING"}, {ValueType::ObjectId, "OID"},
    {ValueType::IpAddress, "IPADDRESS"}, {ValueType::Counter32, "COUNTER"},  {ValueType::Gauge32, "GAUGE"},
    {ValueType::TimeTicks, "TIMETICKS"}, {ValueType::Counter64, "COUNTER64"},
};
}  // namespace

const char *TypeName(ValueType type) {
  for (const auto &e : kTypeNames)
    if (e.type == type) return e.name;
  return "?";
}

std::optional<ValueType> TypeFromName(std::string_view name) {
  for (const auto &e : kTypeNames)
    if (name == e.name) return e.type;
  return std::nullopt;
}

std::string ValueText(const Value &v) {
  switch (v.type) {
  case ValueType::Integer: return std::to_string(v.Signed());
  case ValueType::OctetString: {
    std::string hex = "0x";
    char buf[3];
    for (unsigned char c : v.octets) {
      std::snprintf(buf, sizeof buf, "%02X", c);
      hex += buf;
    }
    return hex;
  }
  case ValueType::ObjectId: return OidText(v.objectId);
  case ValueType::IpAddress: {
    std::string out;
    for (size_t i = 0; i < v.octets.size(); ++i) {
      if (i) out += '.';
      out += std::to_string(static_cast<unsigned char>(v.octets[i]));
    }
    return out;
  }
  default: return std::to_string(v.number);
  }
}

bool Table::IndexValid(const Oid &suffix) const {
  if (index.empty()) return !suffix.empty();
  size_t at = 0;
  auto take = [&](size_t n) { return at + n <= suffix.size() ? (at += n, true) : false; };
  auto bytes = [&](size_t n) {
    for (size_t i = at; i < at + n && i < suffix.size(); ++i)
      if (suffix[i] > 255) return false;
    return take(n);
  };
  for (const auto &part : index) {
    switch (part.kind) {
    case IndexPart::Int:
      if (at >= suffix.size()) return false;
      if (static_cast<int64_t>(suffix[at]) < part.min || static_cast<int64_t>(suffix[at]) > part.max) return false;
      ++at;
      break;
    case IndexPart::String:
      if (at >= suffix.size() || suffix[at] > 255) return false;
      {
        const size_t n = suffix[at++];
        if (!bytes(n)) return false;
      }
      break;
    case IndexPart::ImpliedString:
      if (!bytes(suffix.size() - at)) return false;
      break;
    case IndexPart::Mac:
      if (!bytes(6)) return false;
      break;
    case IndexPart::IpAddr:
      if (!bytes(4)) return false;
      break;
    case IndexPart::ObjectId:
      if (at >= suffix.size() || suffix[at] > 128) return false;
      {
        const size_t n = suffix[at++];
        if (!take(n)) return false;
      }
      break;
    case IndexPart::ImpliedObjectId: at = suffix.size(); break;
    }
  }
  return at == suffix.size();
}

std::optional<Value> Table::IndexValue(const Oid &suffix, size_t part, const Value &like) const {
  size_t at = 0;
  for (size_t i = 0; i < index.size() && at <= suffix.size(); ++i) {
    size_t begin = at, n = 0;
    switch (index[i].kind) {
    case IndexPart::Int: n = 1; break;
    case IndexPart::Mac: n = 6; break;
    case IndexPart::IpAddr: n = 4; break;
    case IndexPart::String:
    case IndexPart::ObjectId:
      if (at >= suffix.size()) return std::nullopt;
      n = suffix[at];
      begin = ++at;
      break;
    case IndexPart::ImpliedString:
    case IndexPart::ImpliedObjectId: n = suffix.size() - at; break;
    }
    if (begin + n > suffix.size()) return std::nullopt;
    at = begin + n;
    if (i + 1 != part) continue;
    Value v;
    v.type = like.type;
    if (like.type == ValueType::ObjectId) v.objectId.assign(suffix.begin() + static_cast<long>(begin), suffix.begin() + static_cast<long>(at));
    else if (like.type == ValueType::OctetString || like.type == ValueType::IpAddress)
      for (size_t k = begin; k < at; ++k) v.octets += static_cast<char>(suffix[k]);
    else if (n == 1) v.number = suffix[begin];
    else return std::nullopt;
    return v;
  }
  return std::nullopt;
}

const Table *SwitchData::TableOf(const Oid &oid, SubId *column, Oid *row) const {
  // Entries never nest, so the candidate is the last entry not after `oid`.
  auto it = tables.upper_bound(oid);
  if (it == tables.begin()) return nullptr;
  --it;
  const Table &t = it->second;
  if (!HasPrefix(oid, t.entry) || oid.size() < t.entry.size() + 1) return nullptr;
  if (column) *column = oid[t.entry.size()];
  if (row) row->assign(oid.begin() + static_cast<long>(t.entry.size()) + 1, oid.end());
  return &t;
}

int CheckConstraints(const Constraints &c, const Value &v) {
  if (c.size && (v.octets.size() < c.size->first || v.octets.size() > c.size->second)) return SNMP_ERR_WRONGLENGTH;
  if (v.type == ValueType::Integer) {
    if (c.enumeration && !c.enumeration->labels.count(v.Signed())) return SNMP_ERR_WRONGVALUE;
    if (c.range && (v.Signed() < c.range->first || v.Signed() > c.range->second)) return SNMP_ERR_WRONGVALUE;
  } else if (v.type == ValueType::Gauge32 || v.type == ValueType::TimeTicks) {
    if (c.range && (static_cast<int64_t>(v.number) < c.range->first || static_cast<int64_t>(v.number) > c.range->second))
      return SNMP_ERR_WRONGVALUE;
  }
  return SNMP_ERR_NOERROR;
}

namespace {

class LineError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

std::vector<std::string> Tokens(const std::string &line) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    std::string tok;
    if (line[i] == '"') {
      tok = "\"";  // marks a quoted token
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size()) {
          c = line[i++];
          if (c == 'n') c = '\n';
          else if (c == 'x' && i + 1 < line.size()) {
            unsigned v = 0;
            const auto [p, ec] = std::from_chars(line.data() + i, line.data() + i + 2, v, 16);
            if (ec != std::errc() || p != line.data() + i + 2) throw LineError("bad \\x escape");
            c = static_cast<char>(v);
            i += 2;
          }
        }
        tok += c;
      }
      if (!closed) throw LineError("unterminated quoted text");
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') tok += line[i++];
    }
    out.push_back(std::move(tok));
  }
  return out;
}

int64_t ToInt(const std::string &s, const char *what) {
  int64_t v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || p != s.data() + s.size()) throw LineError(std::string("bad ") + what + " '" + s + "'");
  return v;
}

uint64_t ToUnsigned(const std::string &s, const char *what) {
  uint64_t v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || p != s.data() + s.size()) throw LineError(std::string("bad ") + what + " '" + s + "'");
  return v;
}

Oid ToOid(const std::string &s) {
  auto oid = ParseOid(s);
  if (!oid) throw LineError("bad OID '" + s + "'");
  return *oid;
}

std::pair<int64_t, int64_t> ToRange(const std::string &s, const char *what) {
  const size_t dots = s.find("..");
  if (dots == std::string::npos) {
    const int64_t v = ToInt(s, what);
    return {v, v};
  }
  const auto r = std::make_pair(ToInt(s.substr(0, dots), what), ToInt(s.substr(dots + 2), what));
  if (r.first > r.second) throw LineError(std::string("empty ") + what + " '" + s + "'");
  return r;
}

Value ParseValue(ValueType type, const std::string &tok) {
  Value v;
  v.type = type;
  const bool quoted = !tok.empty() && tok[0] == '"';
  if (quoted && type != ValueType::OctetString) throw LineError("quoted text for a non-string type");
  switch (type) {
  case ValueType::Integer: {
    const int64_t n = ToInt(tok, "integer");
    if (n < INT32_MIN || n > INT32_MAX) throw LineError("integer out of 32 bits");
    v.number = static_cast<uint64_t>(n);
    break;
  }
  case ValueType::OctetString:
    if (quoted) v.octets = tok.substr(1);
    else if (tok.rfind("0x", 0) == 0 || tok.rfind("0X", 0) == 0) {
      const std::string hex = tok.substr(2);
      if (hex.size() % 2) throw LineError("odd number of hex digits");
      for (size_t i = 0; i < hex.size(); i += 2) {
        unsigned b = 0;
        const auto [p, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, b, 16);
        if (ec != std::errc() || p != hex.data() + i + 2) throw LineError("bad hex octets '" + tok + "'");
        v.octets += static_cast<char>(b);
      }
    } else
      throw LineError("string values are \"quoted\" or 0xHEX");
    break;
  case ValueType::ObjectId: v.objectId = ToOid(tok); break;
  case ValueType::IpAddress: {
    auto parts = ParseOid(tok);
    if (!parts || parts->size() != 4 || std::any_of(parts->begin(), parts->end(), [](SubId b) { return b > 255; }))
      throw LineError("bad IP address '" + tok + "'");
    for (SubId b : *parts) v.octets += static_cast<char>(b);
    break;
  }
  case ValueType::Counter64: v.number = ToUnsigned(tok, "number"); break;
  default:
    v.number = ToUnsigned(tok, "number");
    if (v.number > 0xFFFFFFFFull) throw LineError("number out of 32 bits");
  }
  return v;
}

Access ParseAccess(const std::string &s) {
  if (s == "ro") return Access::ReadOnly;
  if (s == "rw") return Access::ReadWrite;
  if (s == "rc") return Access::ReadCreate;
  throw LineError("access is ro, rw or rc, not '" + s + "'");
}

IndexPart ParseIndexPart(const std::string &s) {
  IndexPart p;
  if (s == "int") p.kind = IndexPart::Int;
  else if (s.rfind("int(", 0) == 0 && s.back() == ')') {
    p.kind = IndexPart::Int;
    std::tie(p.min, p.max) = ToRange(s.substr(4, s.size() - 5), "index range");
  } else if (s == "string") p.kind = IndexPart::String;
  else if (s == "implied-string") p.kind = IndexPart::ImpliedString;
  else if (s == "mac") p.kind = IndexPart::Mac;
  else if (s == "ip") p.kind = IndexPart::IpAddr;
  else if (s == "oid") p.kind = IndexPart::ObjectId;
  else if (s == "implied-oid") p.kind = IndexPart::ImpliedObjectId;
  else throw LineError("unknown index part '" + s + "'");
  return p;
}

class Parser {
public:
  explicit Parser(SwitchData &d) : d_(d) {}

  void Line(const std::vector<std::string> &t) {
    if (t[0] == "@subtree") return Subtree(t);
    if (t[0] == "@enum") return Enum(t);
    if (t[0] == "@table") return TableLine(t);
    if (t[0] == "@column") return ColumnLine(t);
    if (t[0][0] == '@') throw LineError("unknown directive " + t[0]);
    InstanceLine(t);
  }

  void Finish() {
    for (auto &[oid, t] : d_.tables)
      if (t.statusKind != StatusKind::None && !t.columns.count(t.statusColumn))
        throw LineError("table " + OidText(oid) + " has no @column for its status column");
  }

private:
  void Subtree(const std::vector<std::string> &t) {
    if (t.size() != 2) throw LineError("@subtree OID");
    d_.subtrees.push_back(ToOid(t[1]));
  }

  void Enum(const std::vector<std::string> &t) {
    if (t.size() < 3) throw LineError("@enum NAME VALUE:LABEL...");
    auto e = std::make_shared<Enumeration>();
    e->name = t[1];
    for (size_t i = 2; i < t.size(); ++i) {
      const size_t colon = t[i].find(':');
      if (colon == std::string::npos) throw LineError("enumeration entries are VALUE:LABEL");
      e->labels[ToInt(t[i].substr(0, colon), "enumeration value")] = t[i].substr(colon + 1);
    }
    d_.enumerations[e->name] = e;
  }

  void TableLine(const std::vector<std::string> &t) {
    if (t.size() < 2) throw LineError("@table ENTRY [rowstatus=N|entrystatus=N] [index=...]");
    Table table;
    table.entry = ToOid(t[1]);
    for (size_t i = 2; i < t.size(); ++i) {
      const auto [key, value] = Attr(t[i]);
      if (key == "rowstatus" || key == "entrystatus") {
        table.statusKind = key == "rowstatus" ? StatusKind::RowStatus : StatusKind::EntryStatus;
        table.statusColumn = static_cast<SubId>(ToUnsigned(value, "status column"));
      } else if (key == "index") {
        std::stringstream parts(value);
        for (std::string part; std::getline(parts, part, ',');) table.index.push_back(ParseIndexPart(part));
      } else
        throw LineError("unknown table attribute '" + key + "'");
    }
    if (d_.TableOf(Concat(table.entry, {1, 1})) || d_.tables.count(table.entry))
      throw LineError("table " + t[1] + " overlaps another table");
    d_.tables[table.entry] = std::move(table);
  }

  void ColumnLine(const std::vector<std::string> &t) {
    if (t.size() < 5) throw LineError("@column OID TYPE ACCESS DEFAULT [attributes]");
    const Oid oid = ToOid(t[1]);
    Instance shape = Shape(t);
    if (!shape.live.empty() || shape.rate != 0) throw LineError("columns take no live= or rate=");
    auto it = d_.tables.find(Oid(oid.begin(), oid.end() - 1));
    if (oid.size() < 2 || it == d_.tables.end()) throw LineError("@column " + t[1] + " is not in a declared @table");
    it->second.columns[oid.back()] = Column{shape.value, shape.access, shape.constraints, shape.indexPart};
  }

  void InstanceLine(const std::vector<std::string> &t) {
    if (t.size() < 4) throw LineError("instance lines are OID TYPE ACCESS VALUE [attributes]");
    const Oid oid = ToOid(t[0]);
    Instance inst = Shape({"", t[0], t[1], t[2], t[3]}, t, 4);
    if (d_.instances.count(oid)) throw LineError("duplicate instance " + t[0]);
    if (std::none_of(d_.subtrees.begin(), d_.subtrees.end(), [&](const Oid &s) { return HasPrefix(oid, s); }))
      throw LineError(t[0] + " is outside every @subtree");
    SubId column = 0;
    if (const Table *table = d_.TableOf(oid, &column)) {
      auto c = table->columns.find(column);
      if (c != table->columns.end()) {
        if (c->second.defaultValue.type != inst.value.type) throw LineError(t[0] + " differs in type from its @column");
        if (inst.constraints.Empty()) inst.constraints = c->second.constraints;
      }
    }
    if (inst.value.type == ValueType::Integer && CheckConstraints(inst.constraints, inst.value) != SNMP_ERR_NOERROR)
      throw LineError(t[0] + " breaks its own constraints");
    inst.activeRate = inst.rate;
    d_.instances.emplace(oid, std::move(inst));
  }

  // Type, access, value and attributes from tokens 2.. of `t` (attributes from `attrs` at `from`).
  Instance Shape(const std::vector<std::string> &t, const std::vector<std::string> &attrs = {}, size_t from = 0) {
    const auto type = TypeFromName(t[2]);
    if (!type) throw LineError("unknown type '" + t[2] + "'");
    Instance inst;
    inst.access = ParseAccess(t[3]);
    inst.value = ParseValue(*type, t[4]);
    const auto &a = attrs.empty() ? t : attrs;
    for (size_t i = attrs.empty() ? 5 : from; i < a.size(); ++i) {
      if (a[i] == "locked") {
        inst.constraints.lockedWhileValid = true;
        continue;
      }
      const auto [key, value] = Attr(a[i]);
      if (key == "enum") {
        auto e = d_.enumerations.find(value);
        if (e == d_.enumerations.end()) throw LineError("unknown enumeration '" + value + "'");
        inst.constraints.enumeration = e->second;
      } else if (key == "range") inst.constraints.range = ToRange(value, "range");
      else if (key == "size") {
        const auto r = ToRange(value, "size");
        if (r.first < 0) throw LineError("negative size");
        inst.constraints.size = std::make_pair(static_cast<size_t>(r.first), static_cast<size_t>(r.second));
      } else if (key == "index") inst.indexPart = static_cast<size_t>(ToUnsigned(value, "index part"));
      else if (key == "rate") inst.rate = static_cast<double>(ToUnsigned(value, "rate"));
      else if (key == "live") inst.live = value;
      else throw LineError("unknown attribute '" + key + "'");
    }
    if (inst.rate != 0 && inst.value.type != ValueType::Counter32 && inst.value.type != ValueType::Counter64)
      throw LineError("rate= is for counters");
    return inst;
  }

  static std::pair<std::string, std::string> Attr(const std::string &tok) {
    const size_t eq = tok.find('=');
    if (eq == std::string::npos || tok[0] == '"') throw LineError("expected KEY=VALUE, got '" + tok + "'");
    return {tok.substr(0, eq), tok.substr(eq + 1)};
  }

  SwitchData &d_;
};

}  // namespace

SwitchData SwitchData::Parse(std::istream &in, const std::string &name) {
  SwitchData d;
  Parser parser(d);
  std::string line;
  int number = 0;
  try {
    while (std::getline(in, line)) {
      ++number;
      const auto tokens = Tokens(line);
      if (!tokens.empty()) parser.Line(tokens);
    }
    number = 0;
    parser.Finish();
  } catch (const LineError &e) {
    throw SimError(kSimErrData, name + (number ? ":" + std::to_string(number) : "") + ": " + e.what());
  }
  if (d.subtrees.empty()) throw SimError(kSimErrData, name + ": no @subtree, nothing to serve");
  return d;
}

SwitchData SwitchData::Load(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SimError(kSimErrData, "cannot read data file " + path);
  return Parse(in, path);
}
