#pragma once
// A switch's configuration as values: by snapshot table, row index and column, the value
// text as the windows show it. Its file form is stable, sorted and one value a line:
//
//   # MS-2416X configuration snapshot 1
//   # agent: "192.0.2.10:161"
//   # sysObjectID: "1.3.6.1.4.1.171.10.43.2"
//   # sysDescr: "..."
//   # firmware: "Build 2.03"
//   # date: "2025-01-31"
//   DevCtrlDefs.STP State = "enabled"
//   VlanStaticDefs[10].Name = "office"
//
// Tables in catalogue order, rows by index (numerically), columns in catalogue order;
// values in double quotes with \\, \", \n, \r, \t and \xHH escapes, so that the file
// stays plain ASCII. The date is the day of the save (UTC), so that saves of an
// unchanged switch on one day are identical byte for byte.

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using KvRowIndex = std::vector<uint32_t>;  // the row's instance; empty for a scalar group
using KvSnapshotRow = std::map<int, std::string>;  // by item index of the table's Defs

struct KvSnapshotHeader {
  std::string Agent;        // address:port
  std::string SysObjectId;
  std::string SysDescr;
  std::string Firmware;
  std::string Date;         // YYYY-MM-DD
  bool operator==(const KvSnapshotHeader &) const = default;
};

struct KvSnapshot {
  KvSnapshotHeader Header;
  // By index in SnapshotTables(); a table without rows is absent.
  std::map<int, std::map<KvRowIndex, KvSnapshotRow>> Tables;

  size_t ValueCount() const;
};

// A malformed or hostile snapshot file: the line (from 1) and what is wrong with it.
class KvSnapshotFileError : public std::runtime_error {
public:
  KvSnapshotFileError(const std::string &file, int line, const std::string &what);
  int Line() const { return line_; }

private:
  int line_;
};

std::string SnapshotText(const KvSnapshot &snapshot);
// Raises KvSnapshotFileError naming `file` and the line for anything but the form
// SnapshotText writes (blank lines and "#" comments after the header are allowed): an
// unknown table or column, an index that does not fit the table, a value twice, an
// unterminated or badly escaped value, a line of more than 64 KiB.
KvSnapshot ParseSnapshot(const std::string &text, const std::string &file);
// Reads a regular file of at most 16 MiB; raises std::runtime_error when it cannot.
KvSnapshot LoadSnapshot(const std::string &path);
// Writes through a temporary file beside `path`, renamed over it at the end.
void SaveSnapshot(const KvSnapshot &snapshot, const std::string &path);

// One difference between two snapshots, from `From` to `To`.
struct KvSnapshotChange {
  enum Kind { Changed, Added, Removed, RowAdded, RowRemoved } What = Changed;
  int Table = 0;
  KvRowIndex Row;
  int Column = -1;  // for Changed, Added, Removed
  std::string From, To;  // the values; for rows, their columns as name="value" pairs
};
std::vector<KvSnapshotChange> DiffSnapshots(const KvSnapshot &from, const KvSnapshot &to);
// "~ Table[row].Column: "a" -> "b"", "+ Table[row].Column = "b"", "- Table[row]" ...
std::string ChangeText(const KvSnapshotChange &change);

// Helpers of the file form, shared with the restore plan's texts.
std::string QuotedValue(const std::string &value);
std::string CellName(int table, const KvRowIndex &row, int column = -1);
