#pragma once
// The running switch: the objects of the data file plus what changes by itself (clock,
// counters, front-panel LEDs, ping test, RMON history samples, save and reboot) and the
// side effects of committed Sets.

#include "switch_data.h"

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What a committed Set did to one instance.
struct Change {
  enum Kind { Written, Created, Deleted } kind = Written;
  Oid oid;
};

class SwitchModel {
public:
  static constexpr int kPorts = 24;

  explicit SwitchModel(SwitchData data);

  // --rows: that many generated IGMP snooping groups in VLAN 1 (swL2IGMPInfoTable).
  void AddGeneratedRows(int count);
  // --generate ENTRY:ROWS: `rows` more read-only rows of the table whose entry is
  // `entry`, made when they are read (nothing is stored per row, so that tables of
  // millions of rows cost no memory). They copy the table's last row, each with the
  // next index: the last three sub-identifiers counted on in base 256 when they are
  // octets (an address, a string), else the last one. Columns holding an index part
  // (a number or an address equal to sub-identifiers of the index) follow the index.
  // Throws SimError(kSimErrUsage) when the data has no row of that table.
  void AddGeneratedTable(const Oid &entry, uint64_t rows);
  // A row built from the table's column defaults, with `values` by column; false when
  // `entry` is no declared table.
  bool AddRow(const Oid &entry, const Oid &row, const std::map<SubId, Value> &values);
  // Takes the current state as the saved configuration (start-up and "save").
  void SaveConfiguration();

  // Current value of an instance (live values computed now); nullopt when absent.
  std::optional<Value> Read(const Oid &oid) const;
  // First instance after `from` (or at it when `inclusive`) inside `subtree`.
  std::optional<std::pair<Oid, Value>> Next(const Oid &from, bool inclusive, const Oid &subtree) const;
  // True when `oid` names an object (a scalar or column) the data knows, instance or not.
  bool KnowsObject(const Oid &oid) const;

  // Row-level rules of this switch beyond the generic ones, checked before a Set is
  // applied: returns an SNMP error status and the OID it applies to.
  std::pair<int, Oid> Validate(const std::vector<std::pair<Oid, Value>> &writes) const;
  // Side effects of a committed Set.
  void Committed(const std::vector<Change> &changes);

  // The cable of `port` is pulled `afterSeconds` from now (at the next Tick).
  void PullCable(int port, double afterSeconds);
  // Every counter stands still from now on, whatever the links do.
  void StopTraffic();

  // Advances timed behaviour; call often (every 100 ms or so).
  void Tick();
  // While rebooting the switch answers nothing.
  bool Rebooting() const;

  SwitchData &Data() { return data_; }
  const SwitchData &Data() const { return data_; }
  double Now() const;
  uint64_t UptimeTicks() const;

private:
  struct PingState {
    bool running = false;
    int remaining = 0;
    double next = 0;
  };
  struct HistoryState {
    SubId nextSample = 1;
    double nextAt = 0;
  };

  Value Live(const Instance &inst) const;
  Value ValueAt(const Oid &oid, const Instance &inst) const;
  std::string LedStatus() const;
  bool PortUp(int port) const;
  int PortAdmin(int port) const;
  int64_t IntAt(const Oid &oid, int64_t fallback = 0) const;
  void SetInt(const Oid &oid, int64_t v);
  void SetTicks(const Oid &oid, uint64_t v);

  void PortStateChanged(int port);
  void RebaseCounters(int port, bool up);
  void ResetCounters();
  void StartPing();
  void PingTick();
  void StartHistory(SubId control, bool prefill);
  void HistoryTick();
  void AddBucket(SubId control, SubId sample, uint64_t startTicks, int intervalSec);
  void DropBuckets(SubId control, size_t keep);
  void FinishReboot();
  void DropAclRules(SubId kind, SubId profile);
  void CurrentVlanChanged(SubId vlan);

  // A table grown by --generate: row r has the index prefix + the counter start + r.
  struct Generated {
    Oid entry;
    Oid prefix;             // the index before the counted sub-identifiers
    size_t width = 1;       // counted sub-identifiers: 1 (any number) or 3 (octets)
    uint64_t start = 0;
    uint64_t count = 0;
    struct Cell {
      SubId column = 0;
      Value value;
      ValueType mirror = ValueType::OctetString;  // Integer or IpAddress: follows the index
      size_t at = 0;                              // ... from this sub-identifier of the index on
      bool mirrors = false;
    };
    std::vector<Cell> cells;  // by column
    Oid Instance(size_t cell, uint64_t row) const;
    Value ValueOf(size_t cell, uint64_t row) const;
    // The row of `suffix`, if it is one of the generated ones.
    std::optional<uint64_t> RowOf(const Oid &suffix) const;
  };
  std::optional<std::pair<Oid, Value>> NextGenerated(const Oid &from, bool inclusive) const;

  SwitchData data_;
  std::vector<Generated> generated_;
  std::map<Oid, Instance> saved_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  double bootAt_ = 0;
  uint64_t uptimeAtBoot_ = 0;
  std::vector<bool> linkPhysical_;
  PingState ping_;
  std::map<SubId, HistoryState> history_;
  double saveDoneAt_ = -1;
  double rebootAt_ = -1;
  double rebootEndsAt_ = -1;
  std::vector<std::pair<int, double>> cablePulls_;  // port, when
};
