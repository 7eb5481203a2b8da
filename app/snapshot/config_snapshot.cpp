#include "config_snapshot.h"

#include "kv_index_codec.h"
#include "kv_local_file.h"
#include "snapshot_tables.h"
#include "snmp_printable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace {
constexpr const char *kMagic = "# MS-2416X configuration snapshot 1";
constexpr size_t kMaxLine = 64 * 1024;
constexpr size_t kMaxFile = kMaxMessageFileBytes;  // 16 MiB, as the message files

struct HeaderField {
  const char *Key;
  std::string KvSnapshotHeader::*Field;
};
const HeaderField kHeaderFields[] = {
    {"agent", &KvSnapshotHeader::Agent},       {"sysObjectID", &KvSnapshotHeader::SysObjectId},
    {"sysDescr", &KvSnapshotHeader::SysDescr}, {"firmware", &KvSnapshotHeader::Firmware},
    {"date", &KvSnapshotHeader::Date},
};

// Reads a quoted value at `pos`; returns false with `error` set.
bool Unquote(const std::string &line, size_t &pos, std::string &value, std::string &error) {
  if (pos >= line.size() || line[pos] != '"') {
    error = "a value in double quotes expected";
    return false;
  }
  value.clear();
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) {
      error = "a control or non-ASCII character inside the value (write it as \\xHH)";
      return false;
    }
    if (c != '\\') {
      value += c;
      continue;
    }
    if (++pos >= line.size()) break;
    switch (line[pos]) {
      case '\\': value += '\\'; break;
      case '"': value += '"'; break;
      case 'n': value += '\n'; break;
      case 'r': value += '\r'; break;
      case 't': value += '\t'; break;
      case 'x': {
        auto hex = [](char h) {
          return h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10 : h >= 'A' && h <= 'F' ? h - 'A' + 10 : -1;
        };
        if (pos + 2 >= line.size() || hex(line[pos + 1]) < 0 || hex(line[pos + 2]) < 0) {
          error = "\\x needs two hexadecimal digits";
          return false;
        }
        value += static_cast<char>(hex(line[pos + 1]) * 16 + hex(line[pos + 2]));
        pos += 2;
        break;
      }
      default: error = std::string("unknown escape \\") + line[pos]; return false;
    }
  }
  error = "the value's closing double quote is missing";
  return false;
}

std::string RowText(int table, const KvRowIndex &row, const KvSnapshotRow &values) {
  const KvSnapshotTable &t = SnapshotTables()[static_cast<size_t>(table)];
  std::string text;
  for (const auto &[column, value] : values) {
    if (!text.empty()) text += ", ";
    text += t.ColumnNames[static_cast<size_t>(column)] + "=" + QuotedValue(value);
  }
  (void)row;
  return text;
}
}  // namespace

size_t KvSnapshot::ValueCount() const {
  size_t n = 0;
  for (const auto &[table, rows] : Tables)
    for (const auto &[row, values] : rows) n += values.size();
  return n;
}

KvSnapshotFileError::KvSnapshotFileError(const std::string &file, int line, const std::string &what)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + what), line_(line) {}

std::string QuotedValue(const std::string &value) {
  std::string out = "\"";
  for (const unsigned char c : value) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c >= 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", c);
          out += buf;
        } else
          out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string CellName(int table, const KvRowIndex &row, int column) {
  const KvSnapshotTable &t = SnapshotTables()[static_cast<size_t>(table)];
  std::string name = t.Name();
  if (!t.Scalar()) name += "[" + OidToText(row) + "]";
  if (column >= 0) name += "." + t.ColumnNames[static_cast<size_t>(column)];
  return name;
}

std::string SnapshotText(const KvSnapshot &snapshot) {
  std::string out = std::string(kMagic) + "\n";
  for (const HeaderField &f : kHeaderFields) out += std::string("# ") + f.Key + ": " + QuotedValue(snapshot.Header.*f.Field) + "\n";
  for (const auto &[table, rows] : snapshot.Tables)
    for (const auto &[row, values] : rows)
      for (const auto &[column, value] : values) out += CellName(table, row, column) + " = " + QuotedValue(value) + "\n";
  return out;
}

KvSnapshot ParseSnapshot(const std::string &text, const std::string &file) {
  KvSnapshot snapshot;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  size_t headerSeen = 0;
  auto fail = [&](const std::string &what) { throw KvSnapshotFileError(file, number, what); };
  while (std::getline(in, line)) {
    ++number;
    if (line.size() > kMaxLine) fail("the line is longer than 64 KiB");
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1) {
      if (line != kMagic) fail("not a configuration snapshot (the first line must be \"" + std::string(kMagic) + "\")");
      continue;
    }
    if (headerSeen < std::size(kHeaderFields)) {
      const HeaderField &f = kHeaderFields[headerSeen];
      const std::string prefix = std::string("# ") + f.Key + ": ";
      if (line.compare(0, prefix.size(), prefix) != 0) fail(std::string("the header line \"# ") + f.Key + ": \" expected");
      size_t pos = prefix.size();
      std::string error;
      if (!Unquote(line, pos, snapshot.Header.*f.Field, error)) fail(error);
      if (pos != line.size()) fail("text after the value");
      ++headerSeen;
      continue;
    }
    if (line.empty() || line[0] == '#') continue;

    // Table[index].Column = "value" or Table.Column = "value"
    const size_t assign = line.find(" = ");
    if (assign == std::string::npos) fail("\"NAME = \"VALUE\"\" expected");
    const std::string name = line.substr(0, assign);
    const size_t tableEnd = name.find_first_of("[.");
    if (tableEnd == std::string::npos) fail("a column name after the table expected");
    const int table = SnapshotTableIndex(name.substr(0, tableEnd));
    if (table < 0) fail("unknown table \"" + name.substr(0, tableEnd) + "\"");
    const KvSnapshotTable &t = SnapshotTables()[static_cast<size_t>(table)];
    KvRowIndex row;
    size_t columnStart = tableEnd + 1;
    if (name[tableEnd] == '[') {
      const size_t close = name.find(']', tableEnd);
      if (t.Scalar()) fail("the scalar group " + t.Name() + " has no rows");
      if (close == std::string::npos || close + 1 >= name.size() || name[close + 1] != '.') fail("\"[INDEX].COLUMN\" expected");
      if (!ParseOid(name.substr(tableEnd + 1, close - tableEnd - 1), row) || row.empty())
        fail("the index must be dotted numbers");
      // The index must decode into the table's INDEX items and nothing more.
      try {
        size_t at = 0;
        for (int k = 0; k < t.KeyCount; ++k) {
          const bool implied = k == t.KeyCount - 1 && (t.Defs[static_cast<size_t>(k)].Access & Access::Implied);
          DecodeIndexValue(t.Defs[static_cast<size_t>(k)].Syntax, implied, row, at);
        }
        if (at != row.size()) fail("the index has more parts than the table's INDEX");
      } catch (const KvSnapshotFileError &) {
        throw;
      } catch (const std::exception &) {
        fail("the index does not fit the table's INDEX");
      }
      columnStart = close + 2;
    } else if (!t.Scalar()) {
      fail("the table " + t.Name() + " needs a row index: " + t.Name() + "[INDEX].COLUMN");
    }
    const int column = t.ColumnOf(name.substr(columnStart));
    if (column < 0) fail("unknown column \"" + name.substr(columnStart) + "\" of " + t.Name());
    size_t pos = assign + 3;
    std::string value, error;
    if (!Unquote(line, pos, value, error)) fail(error);
    if (pos != line.size()) fail("text after the value");
    if (!snapshot.Tables[table][row].emplace(column, value).second) fail("the value of " + name + " is given twice");
  }
  if (number == 0) throw KvSnapshotFileError(file, 1, "the file is empty");
  if (headerSeen < std::size(kHeaderFields)) {
    ++number;  // where the next header line was expected
    fail("the header ends early");
  }
  return snapshot;
}

KvSnapshot LoadSnapshot(const std::string &path) {
  std::string text;
  switch (ReadLocalFile(path, kMaxFile, text)) {
    case LocalFileRead::Read: return ParseSnapshot(text, path);
    case LocalFileRead::Missing: throw std::runtime_error("Cannot read " + path + ": no such file");
    case LocalFileRead::Unusable: break;
  }
  throw std::runtime_error("Cannot read " + path + ": not a readable regular file of at most 16 MiB");
}

void SaveSnapshot(const KvSnapshot &snapshot, const std::string &path) {
  if (!ReplaceLocalFile(path, SnapshotText(snapshot), 0666))
    throw std::runtime_error("Cannot write " + path + ": " + std::strerror(errno));
}

std::vector<KvSnapshotChange> DiffSnapshots(const KvSnapshot &from, const KvSnapshot &to) {
  std::vector<KvSnapshotChange> changes;
  static const std::map<KvRowIndex, KvSnapshotRow> kNoRows;
  for (size_t table = 0; table < SnapshotTables().size(); ++table) {
    const int t = static_cast<int>(table);
    const auto a = from.Tables.find(t), b = to.Tables.find(t);
    const auto &rowsA = a == from.Tables.end() ? kNoRows : a->second;
    const auto &rowsB = b == to.Tables.end() ? kNoRows : b->second;
    const bool scalar = SnapshotTables()[table].Scalar();
    auto ia = rowsA.begin();
    auto ib = rowsB.begin();
    while (ia != rowsA.end() || ib != rowsB.end()) {
      if (ib == rowsB.end() || (ia != rowsA.end() && ia->first < ib->first)) {
        if (scalar)
          for (const auto &[column, value] : ia->second) changes.push_back({KvSnapshotChange::Removed, t, ia->first, column, value, {}});
        else
          changes.push_back({KvSnapshotChange::RowRemoved, t, ia->first, -1, RowText(t, ia->first, ia->second), {}});
        ++ia;
      } else if (ia == rowsA.end() || ib->first < ia->first) {
        if (scalar)
          for (const auto &[column, value] : ib->second) changes.push_back({KvSnapshotChange::Added, t, ib->first, column, {}, value});
        else
          changes.push_back({KvSnapshotChange::RowAdded, t, ib->first, -1, {}, RowText(t, ib->first, ib->second)});
        ++ib;
      } else {
        const KvSnapshotRow &va = ia->second, &vb = ib->second;
        auto ca = va.begin();
        auto cb = vb.begin();
        while (ca != va.end() || cb != vb.end()) {
          if (cb == vb.end() || (ca != va.end() && ca->first < cb->first)) {
            changes.push_back({KvSnapshotChange::Removed, t, ia->first, ca->first, ca->second, {}});
            ++ca;
          } else if (ca == va.end() || cb->first < ca->first) {
            changes.push_back({KvSnapshotChange::Added, t, ia->first, cb->first, {}, cb->second});
            ++cb;
          } else {
            if (ca->second != cb->second) changes.push_back({KvSnapshotChange::Changed, t, ia->first, ca->first, ca->second, cb->second});
            ++ca, ++cb;
          }
        }
        ++ia, ++ib;
      }
    }
  }
  return changes;
}

std::string ChangeText(const KvSnapshotChange &c) {
  switch (c.What) {
    case KvSnapshotChange::Changed: return "~ " + CellName(c.Table, c.Row, c.Column) + ": " + QuotedValue(c.From) + " -> " + QuotedValue(c.To);
    case KvSnapshotChange::Added: return "+ " + CellName(c.Table, c.Row, c.Column) + " = " + QuotedValue(c.To);
    case KvSnapshotChange::Removed: return "- " + CellName(c.Table, c.Row, c.Column) + " = " + QuotedValue(c.From);
    case KvSnapshotChange::RowAdded: return "+ " + CellName(c.Table, c.Row) + " (row): " + c.To;
    case KvSnapshotChange::RowRemoved: return "- " + CellName(c.Table, c.Row) + " (row): " + c.From;
  }
  return {};
}
