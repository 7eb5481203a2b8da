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

  SwitchData data_;
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
