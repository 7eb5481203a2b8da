#include "switch_model.h"

#include "acl_rules.h"
#include "bridge_rules.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

const Oid kDevInfo = {1, 3, 6, 1, 4, 1, 171, 11, 43, 2, 2, 1, 1};       // swL2DevInfo
const Oid kDevCtrl = {1, 3, 6, 1, 4, 1, 171, 11, 43, 2, 2, 1, 2};       // swL2DevCtrl
const Oid kPortInfo = {1, 3, 6, 1, 4, 1, 171, 11, 43, 2, 2, 3, 1, 1};   // swL2PortInfoEntry
const Oid kPortCtrl = {1, 3, 6, 1, 4, 1, 171, 11, 43, 2, 2, 3, 2, 1};   // swL2PortCtrlEntry
const Oid kTrunk = {1, 3, 6, 1, 4, 1, 171, 11, 43, 2, 2, 9, 3, 1};      // swL2TrunkCtrlEntry
const Oid kIgmpInfo = {1, 3, 6, 1, 4, 1, 171, 11, 43, 2, 2, 11, 5, 1};  // swL2IGMPInfoEntry
const Oid kAgentInfo = {1, 3, 6, 1, 4, 1, 171, 12, 1, 1};               // agentBasicInfo
const Oid kAgentCtrl = {1, 3, 6, 1, 4, 1, 171, 12, 1, 2};               // save, reset
const Oid kPing = {1, 3, 6, 1, 4, 1, 171, 12, 1, 5};                    // agentPingTest
const Oid kIfEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
const Oid kIfIndex = {1, 3, 6, 1, 2, 1, 2, 2, 1, 1};
const Oid kIfXEntry = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1};
const Oid kIfTableLastChange = {1, 3, 6, 1, 2, 1, 31, 1, 5, 0};
const Oid kDot3Entry = {1, 3, 6, 1, 2, 1, 10, 7, 2, 1};
const Oid kHistControl = {1, 3, 6, 1, 2, 1, 16, 2, 1, 1};
const Oid kAclMasks = {1, 3, 6, 1, 4, 1, 171, 12, 9, 1};  // .<kind>.1.<column>.<profile>
const Oid kAclRules = {1, 3, 6, 1, 4, 1, 171, 12, 9, 2};  // .<kind>.1.<column>.<profile>.<access>
const Oid kEtherHistory = {1, 3, 6, 1, 2, 1, 16, 2, 2, 1};
const Oid kEtherStats = {1, 3, 6, 1, 2, 1, 16, 1, 1, 1};         // .column.port
const Oid kAlarmEntry = {1, 3, 6, 1, 2, 1, 16, 3, 1, 1};
const Oid kTpPortEntry = {1, 3, 6, 1, 2, 1, 17, 4, 4, 1};        // .column.port
const Oid kVlanStatic = {1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1};   // .column.vlan
const Oid kVlanCurrent = {1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 2, 1};  // .column.timeMark.vlan
const Oid kNumVlans = {1, 3, 6, 1, 2, 1, 17, 7, 1, 1, 4, 0};

constexpr int64_t kEnabled = 3, kDisabled = 2;      // O1 states
constexpr int64_t kLinkPass = 2, kLinkFail = 3;     // swL2PortInfoLinkStatus
constexpr int64_t kMaxBucketsGranted = 50;
constexpr int64_t kRowActive = 1, kEntryValid = 1, kVlanPermanent = 2;
constexpr SubId kAlarmVariable = 3, kAlarmStatus = 12;
constexpr double kPingSpacing = 0.2;                // seconds between two echo requests
constexpr double kSaveTime = 0.5, kRebootDelay = 0.3, kRebootPause = 1.0;

Oid With(const Oid &base, std::initializer_list<SubId> tail) {
  Oid o = base;
  o.insert(o.end(), tail);
  return o;
}

// A fixed pseudo-random sequence, so that runs are reproducible.
uint32_t Mix(uint64_t a, uint64_t b) {
  uint64_t x = a * 0x9E3779B97F4A7C15ull ^ (b + 0x632BE59BD9B4E019ull);
  x ^= x >> 29;
  x *= 0xBF58476D1CE4E5B9ull;
  x ^= x >> 32;
  return static_cast<uint32_t>(x);
}

}  // namespace

SwitchModel::SwitchModel(SwitchData data) : data_(std::move(data)), linkPhysical_(kPorts + 1, false) {
  for (const auto &[oid, inst] : data_.instances)
    if (inst.live == "uptime") {
      uptimeAtBoot_ = inst.value.number;
      break;
    }
  for (int p = 1; p <= kPorts; ++p)
    linkPhysical_[p] = IntAt(With(kPortInfo, {4, static_cast<SubId>(p)}), kLinkFail) == kLinkPass;
  for (int p = 1; p <= kPorts; ++p) PortStateChanged(p);
  for (const auto &[oid, inst] : data_.instances)
    if (HasPrefix(oid, With(kHistControl, {7})) && oid.size() == kHistControl.size() + 2 && inst.value.Signed() == 1)
      history_[oid.back()] = {};
  for (auto &[control, st] : history_) StartHistory(control, true);
  saved_ = data_.instances;
}

double SwitchModel::Now() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

uint64_t SwitchModel::UptimeTicks() const {
  return uptimeAtBoot_ + static_cast<uint64_t>((Now() - bootAt_) * 100.0);
}

void SwitchModel::AddGeneratedRows(int count) {
  for (int i = 0; i < count; ++i) {
    const SubId a = static_cast<SubId>((i >> 16) & 255), b = static_cast<SubId>((i >> 8) & 255),
                c = static_cast<SubId>(i & 255);
    const Oid row = {1, 230, a, b, c};
    auto add = [&](SubId col, Value v) {
      Instance inst;
      inst.value = std::move(v);
      data_.instances[Concat(With(kIgmpInfo, {col}), row)] = std::move(inst);
    };
    add(1, Value::Int(1));
    Value group{ValueType::IpAddress, 0, {char(230), char(a), char(b), char(c)}, {}};
    add(2, group);
    add(3, Value::Octets({char(0x01), char(0x00), char(0x5E), char(a & 0x7F), char(b), char(c)}));
    const uint32_t ports = Mix(i, 7) & 0xFFFFFF00u;
    add(4, Value::Octets({char(ports >> 24), char(ports >> 16), char(ports >> 8), char(0)}));
    add(5, Value::Int(1 + Mix(i, 11) % 40));
  }
}

void SwitchModel::AddGeneratedTable(const Oid &entry, uint64_t rows) {
  // The table's columns and its last row, from the instances under the entry.
  std::map<SubId, const Instance *> last;
  Oid lastSuffix;
  for (auto it = data_.instances.lower_bound(entry); it != data_.instances.end() && HasPrefix(it->first, entry); ++it) {
    if (it->first.size() <= entry.size() + 1) continue;
    const Oid suffix(it->first.begin() + static_cast<long>(entry.size()) + 1, it->first.end());
    if (last.empty() || it->first[entry.size()] == last.begin()->first) {
      if (suffix > lastSuffix || last.empty()) lastSuffix = suffix;
    }
    last[it->first[entry.size()]] = nullptr;
  }
  if (last.empty()) throw SimError(kSimErrUsage, "--generate: the data has no row of " + OidText(entry));
  Generated g;
  g.entry = entry;
  const bool octets = lastSuffix.size() >= 3 && std::all_of(lastSuffix.end() - 3, lastSuffix.end(), [](SubId s) { return s <= 255; });
  g.width = octets ? 3 : 1;
  g.prefix.assign(lastSuffix.begin(), lastSuffix.end() - static_cast<long>(g.width));
  g.start = octets ? (lastSuffix[lastSuffix.size() - 3] << 16 | lastSuffix[lastSuffix.size() - 2] << 8 | lastSuffix.back()) + 1
                   : lastSuffix.back() + 1;
  const uint64_t room = octets ? (uint64_t{1} << 24) - g.start : (uint64_t{1} << 32) - g.start;
  if (rows > room) throw SimError(kSimErrUsage, "--generate: " + OidText(entry) + " has room for " + std::to_string(room) + " more rows");
  g.count = rows;
  for (const auto &[column, unused] : last) {
    auto it = data_.instances.find(Concat(With(entry, {column}), lastSuffix));
    if (it == data_.instances.end()) continue;  // a hole in the last row stays one
    Generated::Cell cell;
    cell.column = column;
    cell.value = it->second.value;
    const Value &v = cell.value;
    // A column that holds an index part follows the index.
    if (v.type == ValueType::Integer) {
      for (size_t at = g.prefix.size(); at < lastSuffix.size(); ++at)
        if (v.number == lastSuffix[at] && at + 1 == lastSuffix.size()) cell.mirrors = true, cell.at = at;
    } else if (v.type == ValueType::IpAddress && v.octets.size() == 4 && lastSuffix.size() >= 4) {
      const size_t at = lastSuffix.size() - 4;
      bool same = true;
      for (size_t k = 0; k < 4; ++k) same = same && static_cast<unsigned char>(v.octets[k]) == lastSuffix[at + k];
      if (same) cell.mirrors = true, cell.at = at;
    }
    cell.mirror = v.type;
    g.cells.push_back(std::move(cell));
  }
  generated_.push_back(std::move(g));
}

Oid SwitchModel::Generated::Instance(size_t cell, uint64_t row) const {
  Oid oid = entry;
  oid.push_back(cells[cell].column);
  oid.insert(oid.end(), prefix.begin(), prefix.end());
  const uint64_t n = start + row;
  if (width == 3) oid.insert(oid.end(), {static_cast<SubId>(n >> 16 & 255), static_cast<SubId>(n >> 8 & 255), static_cast<SubId>(n & 255)});
  else oid.push_back(static_cast<SubId>(n));
  return oid;
}

Value SwitchModel::Generated::ValueOf(size_t cell, uint64_t row) const {
  const Cell &c = cells[cell];
  if (!c.mirrors) return c.value;
  const Oid oid = Instance(cell, row);
  const size_t base = entry.size() + 1;
  Value v = c.value;
  if (c.mirror == ValueType::Integer) v.number = oid[base + c.at];
  else
    for (size_t k = 0; k < 4; ++k) v.octets[k] = static_cast<char>(oid[base + c.at + k]);
  return v;
}

std::optional<uint64_t> SwitchModel::Generated::RowOf(const Oid &suffix) const {
  if (suffix.size() != prefix.size() + width || !std::equal(prefix.begin(), prefix.end(), suffix.begin())) return std::nullopt;
  uint64_t n = 0;
  for (size_t k = prefix.size(); k < suffix.size(); ++k) {
    if (width == 3 && suffix[k] > 255) return std::nullopt;
    n = width == 3 ? n << 8 | suffix[k] : suffix[k];
  }
  if (n < start || n - start >= count) return std::nullopt;
  return n - start;
}

std::optional<std::pair<Oid, Value>> SwitchModel::NextGenerated(const Oid &from, bool inclusive) const {
  std::optional<std::pair<Oid, Value>> best;
  const auto after = [&](const Oid &oid) { return inclusive ? !(oid < from) : from < oid; };
  for (const Generated &g : generated_) {
    if (g.count == 0) continue;
    for (size_t cell = 0; cell < g.cells.size(); ++cell) {
      // Rows are in OID order: the first one after `from`, by halving.
      if (!after(g.Instance(cell, g.count - 1))) continue;
      uint64_t low = 0, high = g.count - 1;
      while (low < high) {
        const uint64_t mid = low + (high - low) / 2;
        if (after(g.Instance(cell, mid))) high = mid;
        else low = mid + 1;
      }
      Oid oid = g.Instance(cell, low);
      if (!best || oid < best->first) best = std::make_pair(std::move(oid), g.ValueOf(cell, low));
      break;  // later columns come after this one
    }
  }
  return best;
}

bool SwitchModel::AddRow(const Oid &entry, const Oid &row, const std::map<SubId, Value> &values) {
  auto t = data_.tables.find(entry);
  if (t == data_.tables.end()) return false;
  for (const auto &[col, column] : t->second.columns) {
    Instance inst;
    auto v = values.find(col);
    inst.value = v != values.end() ? v->second : column.defaultValue;
    if (column.indexPart && v == values.end())
      if (auto fromIndex = t->second.IndexValue(row, column.indexPart, column.defaultValue)) inst.value = *fromIndex;
    inst.access = column.access;
    inst.constraints = column.constraints;
    data_.instances[Concat(With(entry, {col}), row)] = std::move(inst);
  }
  return true;
}

void SwitchModel::SaveConfiguration() { saved_ = data_.instances; }

// ---- reading ----

std::optional<Value> SwitchModel::Read(const Oid &oid) const {
  auto it = data_.instances.find(oid);
  if (it != data_.instances.end()) return ValueAt(oid, it->second);
  for (const Generated &g : generated_) {
    if (!HasPrefix(oid, g.entry) || oid.size() <= g.entry.size() + 1) continue;
    const SubId column = oid[g.entry.size()];
    for (size_t cell = 0; cell < g.cells.size(); ++cell)
      if (g.cells[cell].column == column)
        if (auto row = g.RowOf(Oid(oid.begin() + static_cast<long>(g.entry.size()) + 1, oid.end())))
          return g.ValueOf(cell, *row);
  }
  return std::nullopt;
}

std::optional<std::pair<Oid, Value>> SwitchModel::Next(const Oid &from, bool inclusive, const Oid &subtree) const {
  auto it = inclusive ? data_.instances.lower_bound(from) : data_.instances.upper_bound(from);
  std::optional<std::pair<Oid, Value>> next;
  if (it != data_.instances.end()) next = std::make_pair(it->first, ValueAt(it->first, it->second));
  if (!generated_.empty())
    if (auto made = NextGenerated(from, inclusive); made && (!next || made->first < next->first)) next = std::move(made);
  if (next && HasPrefix(next->first, subtree)) return next;
  return std::nullopt;
}

// An alarm's value is the last sample of its variable: the variable itself, or for a
// delta alarm its increase over one interval at the rate it grows now.
Value SwitchModel::ValueAt(const Oid &oid, const Instance &inst) const {
  if (!HasPrefix(oid, With(kAlarmEntry, {5})) || oid.size() != kAlarmEntry.size() + 2) return Live(inst);
  const SubId alarm = oid.back();
  auto variable = data_.instances.find(With(kAlarmEntry, {kAlarmVariable, alarm}));
  if (variable == data_.instances.end()) return Live(inst);
  auto sampled = data_.instances.find(variable->second.value.objectId);
  if (sampled == data_.instances.end()) return Live(inst);
  const bool delta = IntAt(With(kAlarmEntry, {4, alarm}), 2) == 2;
  const double sample = delta ? sampled->second.activeRate * static_cast<double>(IntAt(With(kAlarmEntry, {2, alarm}), 1))
                              : static_cast<double>(Live(sampled->second).number);
  return Value::Int(static_cast<int64_t>(std::min(sample, 2147483647.0)));
}

bool SwitchModel::KnowsObject(const Oid &oid) const {
  SubId column = 0;
  if (const Table *t = data_.TableOf(oid, &column)) {
    if (t->columns.count(column)) return true;
    const Oid col = With(t->entry, {column});
    auto it = data_.instances.lower_bound(col);
    return it != data_.instances.end() && HasPrefix(it->first, col);
  }
  if (oid.size() < 2) return false;
  Oid scalar(oid.begin(), oid.end() - 1);
  scalar.push_back(0);
  return data_.instances.count(scalar) > 0;
}

Value SwitchModel::Live(const Instance &inst) const {
  if (!inst.live.empty()) {
    if (inst.live == "uptime") return Value::Unsigned(ValueType::TimeTicks, UptimeTicks() & 0xFFFFFFFFu);
    if (inst.live == "led") return Value::Octets(LedStatus());
    if (inst.live == "portsinuse") {
      int n = 0;
      for (int p = 1; p <= kPorts; ++p) n += PortUp(p);
      return Value::Int(n);
    }
    if (inst.live == "cpu") {
      const double swing = 3.0 * std::sin(Now() / 7.0 + static_cast<double>(inst.value.number));
      return Value::Int(std::max<int64_t>(0, inst.value.Signed() + static_cast<int64_t>(std::lround(swing))));
    }
  }
  if (inst.activeRate != 0) {
    Value v = inst.value;
    v.number += static_cast<uint64_t>(inst.activeRate * std::max(0.0, Now() - inst.since));
    if (v.type == ValueType::Counter32) v.number &= 0xFFFFFFFFu;
    return v;
  }
  return inst.value;
}

// Front-panel LED byte map: 0 power, 1 console, 2 RPS, 3 + 2(p-1) link LED of port p and
// the next byte its speed LED, 51..54 the fibre LEDs of the combo ports 21..24. Link LED:
// 2 green = 1000M, 3 orange = 10/100M, 0 = no link, 6 = port disabled (dark); bit 7 makes it
// blink while the port carries traffic. Speed LED: 3 green = 1000M, 1 = 10/100M.
std::string SwitchModel::LedStatus() const {
  std::string led(55, '\0');
  led[0] = 2;
  led[1] = IntAt(With(kAgentInfo, {3, 0})) == 2 ? 2 : 0;
  led[2] = IntAt(With(kDevInfo, {5, 0})) == 3 ? 2 : 0;
  for (int p = 1; p <= kPorts; ++p) {
    const SubId sp = static_cast<SubId>(p);
    const bool gigabit = IntAt(With(kPortInfo, {5, sp})) == 8;
    const int64_t type = IntAt(With(kPortInfo, {3, sp}));
    const bool fibre = type == 2 || type == 3 || type == 5 || type == 6 || type == 7 || type == 8;
    char link = 0, speed = 0, combo = 0;
    if (PortAdmin(p) == kDisabled) {
      link = speed = combo = 6;
    } else if (PortUp(p)) {
      auto in = data_.instances.find(With(kIfEntry, {10, sp}));
      const bool busy = in != data_.instances.end() && in->second.activeRate > 0;
      link = static_cast<char>((gigabit ? 2 : 3) | (busy ? 0x80 : 0));
      speed = gigabit ? 3 : 1;
      combo = fibre ? 2 : 0;
    }
    led[static_cast<size_t>(3 + 2 * (p - 1))] = link;
    led[static_cast<size_t>(4 + 2 * (p - 1))] = speed;
    if (p >= 21) led[static_cast<size_t>(51 + p - 21)] = combo;
  }
  return led;
}

int SwitchModel::PortAdmin(int port) const {
  return static_cast<int>(IntAt(With(kPortCtrl, {3, static_cast<SubId>(port)}), kEnabled));
}

bool SwitchModel::PortUp(int port) const { return linkPhysical_[port] && PortAdmin(port) != kDisabled; }

int64_t SwitchModel::IntAt(const Oid &oid, int64_t fallback) const {
  auto it = data_.instances.find(oid);
  return it == data_.instances.end() ? fallback : it->second.value.Signed();
}

void SwitchModel::SetInt(const Oid &oid, int64_t v) {
  auto it = data_.instances.find(oid);
  if (it != data_.instances.end() && it->second.value.type == ValueType::Integer) it->second.value = Value::Int(v);
}

void SwitchModel::SetTicks(const Oid &oid, uint64_t v) {
  auto it = data_.instances.find(oid);
  if (it != data_.instances.end() && it->second.value.type == ValueType::TimeTicks) it->second.value.number = v;
}

// ---- ports ----

void SwitchModel::PortStateChanged(int port) {
  const SubId sp = static_cast<SubId>(port);
  const bool up = PortUp(port);
  const int64_t before = IntAt(With(kIfEntry, {8, sp}), 0);
  SetInt(With(kPortInfo, {4, sp}), up ? kLinkPass : kLinkFail);
  SetInt(With(kIfEntry, {7, sp}), PortAdmin(port) == kDisabled ? 2 : 1);
  SetInt(With(kIfEntry, {8, sp}), up ? 1 : 2);
  if (before != 0 && before != (up ? 1 : 2)) {
    SetTicks(With(kIfEntry, {9, sp}), UptimeTicks() & 0xFFFFFFFFu);
    SetTicks(kIfTableLastChange, UptimeTicks() & 0xFFFFFFFFu);
  }
  RebaseCounters(port, up);
}

void SwitchModel::RebaseCounters(int port, bool up) {
  const double now = Now();
  for (const Oid *table : {&kIfEntry, &kIfXEntry, &kDot3Entry, &kEtherStats, &kTpPortEntry}) {
    for (auto it = data_.instances.lower_bound(*table); it != data_.instances.end() && HasPrefix(it->first, *table); ++it) {
      if (it->first.size() != table->size() + 2 || it->first.back() != static_cast<SubId>(port)) continue;
      Instance &inst = it->second;
      if (inst.rate == 0) continue;
      inst.value = Live(inst);
      inst.since = now;
      inst.activeRate = up ? inst.rate : 0;
    }
  }
}

void SwitchModel::ResetCounters() {
  const double now = Now();
  for (auto &[oid, inst] : data_.instances)
    if (inst.value.type == ValueType::Counter32 || inst.value.type == ValueType::Counter64) {
      inst.value.number = 0;
      inst.since = now;
    }
}

// ---- Set rules and side effects ----

std::pair<int, Oid> SwitchModel::Validate(const std::vector<std::pair<Oid, Value>> &writes) const {
  if (auto bridge = ValidateBridgeRules(writes, [this](const Oid &o) { return Read(o); }); bridge.first)
    return bridge;
  if (auto acl = ValidateAclRules(writes, [this](const Oid &o) { return Read(o); }); acl.first) return acl;
  // A valid alarm samples an integer-valued object that exists.
  std::map<SubId, std::map<SubId, Value>> alarms;
  for (const auto &[oid, v] : writes)
    if (HasPrefix(oid, kAlarmEntry) && oid.size() == kAlarmEntry.size() + 2) alarms[oid.back()][oid[kAlarmEntry.size()]] = v;
  for (const auto &[alarm, cols] : alarms) {
    auto current = [&](SubId col) -> std::optional<Value> {
      if (auto w = cols.find(col); w != cols.end()) return w->second;
      return Read(With(kAlarmEntry, {col, alarm}));
    };
    const auto status = current(kAlarmStatus);
    if (!status || status->Signed() != kEntryValid) continue;
    const auto variable = current(kAlarmVariable);
    const auto sampled = variable && variable->type == ValueType::ObjectId ? Read(variable->objectId) : std::nullopt;
    if (!sampled || sampled->type == ValueType::OctetString || sampled->type == ValueType::ObjectId ||
        sampled->type == ValueType::IpAddress)
      return {SNMP_ERR_INCONSISTENTVALUE, With(kAlarmEntry, {cols.count(kAlarmVariable) ? kAlarmVariable : kAlarmStatus, alarm})};
  }
  // A trunk's master port is one of its members, and a port belongs to one trunk only.
  std::map<Oid, std::map<SubId, Value>> trunkRows;
  for (const auto &[oid, v] : writes)
    if (HasPrefix(oid, kTrunk) && oid.size() > kTrunk.size() + 1)
      trunkRows[Oid(oid.begin() + static_cast<long>(kTrunk.size()) + 1, oid.end())][oid[kTrunk.size()]] = v;
  for (const auto &[row, cols] : trunkRows) {
    auto current = [&](SubId col) -> std::optional<Value> {
      auto w = cols.find(col);
      if (w != cols.end()) return w->second;
      return Read(Concat(With(kTrunk, {col}), row));
    };
    const auto status = current(6);
    if (status && status->Signed() == 6) continue;
    const auto master = current(2), members = current(3);
    if (!members || !master) continue;
    const int64_t m = master->Signed();
    const std::string &bits = members->octets;
    auto memberOf = [](const std::string &list, int64_t port) {
      const size_t byte = static_cast<size_t>((port - 1) / 8);
      return port >= 1 && byte < list.size() && (static_cast<unsigned char>(list[byte]) & (0x80 >> ((port - 1) % 8)));
    };
    if (m != 0 && !memberOf(bits, m) && std::any_of(bits.begin(), bits.end(), [](char c) { return c != 0; }))
      return {SNMP_ERR_INCONSISTENTVALUE, Concat(With(kTrunk, {cols.count(2) ? 2ul : 3ul}), row)};
    for (auto it = data_.instances.lower_bound(With(kTrunk, {3})); it != data_.instances.end() && HasPrefix(it->first, With(kTrunk, {3})); ++it) {
      const Oid other(it->first.begin() + static_cast<long>(kTrunk.size()) + 1, it->first.end());
      if (other == row) continue;
      for (int p = 1; p <= kPorts; ++p)
        if (memberOf(bits, p) && memberOf(it->second.value.octets, p))
          return {SNMP_ERR_INCONSISTENTVALUE, Concat(With(kTrunk, {3}), row)};
    }
  }
  return {SNMP_ERR_NOERROR, {}};
}

// A destroyed access profile takes its rules with it, as the switch's CLI does when a
// profile is deleted.
void SwitchModel::DropAclRules(SubId kind, SubId profile) {
  const Oid entry = With(kAclRules, {kind, 1});
  auto &instances = data_.instances;
  for (auto it = instances.lower_bound(entry); it != instances.end() && HasPrefix(it->first, entry);) {
    if (it->first.size() == entry.size() + 3 && it->first[entry.size() + 1] == profile)
      it = instances.erase(it);
    else
      ++it;
  }
}

void SwitchModel::Committed(const std::vector<Change> &changes) {
  bool configChanged = false;
  std::set<SubId> historyRows, vlans;
  for (const Change &c : changes) {
    const Oid &o = c.oid;
    if (HasPrefix(o, kAgentCtrl) || HasPrefix(o, kPing) || o == With(kDevCtrl, {4, 0})) {
      if (o == With(kAgentCtrl, {6, 0}) && IntAt(o) == 3) {  // save: set
        SetInt(With(kAgentInfo, {4, 0}), 2);                  // proceeding
        saveDoneAt_ = Now() + kSaveTime;
      } else if (o == With(kAgentCtrl, {3, 0}) && (IntAt(o) == 2 || IntAt(o) == 3)) {  // cold/warm start
        rebootAt_ = Now() + kRebootDelay;
        rebootEndsAt_ = rebootAt_ + kRebootPause;
      } else if (o == With(kPing, {3, 0})) {
        if (IntAt(o) == 1) StartPing();
        else ping_.running = false, SetInt(With(kPing, {4, 0}), 0);
      } else if (o == With(kDevCtrl, {4, 0}) && IntAt(o) == 2) {  // clean all statistic counters
        ResetCounters();
        SetInt(o, 1);
      }
      continue;
    }
    configChanged = true;
    if (HasPrefix(o, With(kPortCtrl, {3})) && o.size() == kPortCtrl.size() + 2 && o.back() <= kPorts) {
      PortStateChanged(static_cast<int>(o.back()));
    } else if (HasPrefix(o, With(kIfEntry, {7})) && o.size() == kIfEntry.size() + 2 && o.back() <= kPorts) {
      SetInt(With(kPortCtrl, {3, o.back()}), IntAt(o) == 2 ? kDisabled : kEnabled);
      PortStateChanged(static_cast<int>(o.back()));
    } else if (HasPrefix(o, With(kTrunk, {2})) && c.kind != Change::Deleted) {
      Oid flooding = o;
      flooding[kTrunk.size()] = 4;
      SetInt(flooding, IntAt(o));
    } else if (c.kind == Change::Deleted && HasPrefix(o, kAclMasks) && o.size() == kAclMasks.size() + 4) {
      DropAclRules(o[kAclMasks.size()], o.back());
    } else if (c.kind == Change::Created && HasPrefix(o, With(kAclRules, {2, 1, 7})) && o.size() == kAclRules.size() + 5) {
      // A new IP rule matches the protocol of its profile (a read-only column of the rule).
      SetInt(o, IntAt(With(kAclMasks, {2, 1, 8, o[o.size() - 2]}), 1));
    } else if (HasPrefix(o, kHistControl) && o.size() == kHistControl.size() + 2) {
      historyRows.insert(o.back());
    } else if (HasPrefix(o, kVlanStatic) && o.size() == kVlanStatic.size() + 2) {
      vlans.insert(o.back());
    }
  }
  for (SubId vlan : vlans) CurrentVlanChanged(vlan);
  for (SubId control : historyRows) {
    const int64_t status = IntAt(With(kHistControl, {7, control}), 0);
    if (status == 0) {  // row gone
      history_.erase(control);
      DropBuckets(control, 0);
      continue;
    }
    const int64_t granted = std::min(IntAt(With(kHistControl, {3, control}), 0), kMaxBucketsGranted);
    auto g = data_.instances.find(With(kHistControl, {4, control}));
    if (g != data_.instances.end()) g->second.value.number = static_cast<uint64_t>(granted);
    if (status == 1) {
      if (!history_.count(control)) StartHistory(control, false);
      DropBuckets(control, static_cast<size_t>(granted));
    } else {
      history_.erase(control);
      DropBuckets(control, 0);
    }
  }
  if (configChanged) SetInt(With(kAgentInfo, {4, 0}), 4);  // changed-not-save
}

// The current VLAN table shows the active static VLANs with their ports; a VLAN that is
// destroyed or taken out of service leaves it. dot1qNumVlans counts its rows.
void SwitchModel::CurrentVlanChanged(SubId vlan) {
  auto &instances = data_.instances;
  auto current = [&](SubId col) { return With(kVlanCurrent, {col, 0, vlan}); };
  auto stat = instances.find(With(kVlanStatic, {5, vlan}));
  if (stat == instances.end() || stat->second.value.Signed() != kRowActive) {
    for (SubId col = 3; col <= 7; ++col) instances.erase(current(col));
  } else {
    auto put = [&](SubId col, Value v) {
      Instance &inst = instances[current(col)];
      inst.value = std::move(v);
      inst.access = Access::ReadOnly;
    };
    auto ports = [&](SubId col) {
      auto it = instances.find(With(kVlanStatic, {col, vlan}));
      return it == instances.end() ? std::string() : it->second.value.octets;
    };
    put(3, Value::Unsigned(ValueType::Gauge32, vlan));
    put(4, Value::Octets(ports(2)));
    put(5, Value::Octets(ports(4)));
    put(6, Value::Int(kVlanPermanent));
    if (!instances.count(current(7))) put(7, Value::Unsigned(ValueType::TimeTicks, UptimeTicks() & 0xFFFFFFFFu));
  }
  uint64_t count = 0;
  const Oid statuses = With(kVlanCurrent, {6});
  for (auto it = instances.lower_bound(statuses); it != instances.end() && HasPrefix(it->first, statuses); ++it) ++count;
  if (auto n = instances.find(kNumVlans); n != instances.end()) n->second.value.number = count;
}

// ---- timed behaviour ----

void SwitchModel::StopTraffic() {
  const double now = Now();
  for (auto &[oid, inst] : data_.instances) {
    if (inst.rate == 0) continue;
    inst.value = Live(inst);
    inst.since = now;
    inst.rate = inst.activeRate = 0;
  }
}

void SwitchModel::PullCable(int port, double afterSeconds) {
  if (port >= 1 && port <= kPorts) cablePulls_.emplace_back(port, Now() + afterSeconds);
}

void SwitchModel::Tick() {
  const double now = Now();
  for (auto it = cablePulls_.begin(); it != cablePulls_.end();) {
    if (now < it->second) {
      ++it;
      continue;
    }
    linkPhysical_[static_cast<size_t>(it->first)] = false;
    PortStateChanged(it->first);
    it = cablePulls_.erase(it);
  }
  if (saveDoneAt_ >= 0 && now >= saveDoneAt_) {
    saveDoneAt_ = -1;
    SetInt(With(kAgentInfo, {4, 0}), 3);  // completed
    SetInt(With(kAgentCtrl, {6, 0}), 2);  // idle
    SaveConfiguration();
  }
  if (rebootEndsAt_ >= 0 && now >= rebootEndsAt_) FinishReboot();
  if (ping_.running && now >= ping_.next) PingTick();
  HistoryTick();
}

bool SwitchModel::Rebooting() const { return rebootAt_ >= 0 && Now() >= rebootAt_; }

void SwitchModel::FinishReboot() {
  rebootAt_ = rebootEndsAt_ = -1;
  saveDoneAt_ = -1;
  data_.instances = saved_;
  bootAt_ = Now();
  uptimeAtBoot_ = 0;
  ping_ = {};
  SetInt(With(kPing, {3, 0}), 0);
  SetInt(With(kPing, {4, 0}), 0);
  SetInt(With(kAgentCtrl, {3, 0}), 4);  // no-reset
  SetInt(With(kAgentInfo, {4, 0}), 3);  // the running configuration is the saved one
  ResetCounters();
  for (int p = 1; p <= kPorts; ++p) PortStateChanged(p);
  history_.clear();
  auto status = With(kHistControl, {7});
  std::vector<SubId> valid;
  for (auto it = data_.instances.lower_bound(status); it != data_.instances.end() && HasPrefix(it->first, status); ++it)
    if (it->second.value.Signed() == 1) valid.push_back(it->first.back());
  for (SubId control : valid) {
    DropBuckets(control, 0);
    StartHistory(control, false);
  }
}

// agentPingTest: "active" sends Repetition echo requests, one every 200 ms. Addresses in
// 0.0.0.0/8 and in the documentation range 192.0.2.0/24 never answer; all others do.
void SwitchModel::StartPing() {
  SetInt(With(kPing, {4, 0}), 1);  // proceeding
  SetInt(With(kPing, {5, 0}), 0);
  SetInt(With(kPing, {6, 0}), 0);
  ping_.running = true;
  ping_.remaining = static_cast<int>(std::max<int64_t>(1, IntAt(With(kPing, {2, 0}), 1)));
  ping_.next = Now() + kPingSpacing;
}

void SwitchModel::PingTick() {
  auto addr = data_.instances.find(With(kPing, {1, 0}));
  const std::string ip = addr != data_.instances.end() ? addr->second.value.octets : std::string(4, '\0');
  const auto b = [&](size_t i) { return i < ip.size() ? static_cast<unsigned char>(ip[i]) : 0u; };
  const bool answers = b(0) != 0 && !(b(0) == 192 && b(1) == 0 && b(2) == 2);
  const Oid counter = With(kPing, {answers ? 5ul : 6ul, 0});
  SetInt(counter, IntAt(counter) + 1);
  ping_.next += kPingSpacing;
  if (--ping_.remaining <= 0) {
    ping_.running = false;
    SetInt(With(kPing, {4, 0}), 0);  // finish
    SetInt(With(kPing, {3, 0}), 0);  // stop
  }
}

// RMON history: a valid control row gets one etherHistory bucket per interval, keeping
// at most the granted number. At start-up the buckets the switch would hold after its
// uptime are made up at once.
void SwitchModel::StartHistory(SubId control, bool prefill) {
  HistoryState &st = history_[control];
  const int64_t interval = std::max<int64_t>(1, IntAt(With(kHistControl, {5, control}), 1800));
  const int64_t granted = IntAt(With(kHistControl, {4, control}), 0);
  st.nextSample = 1;
  const Oid samples = With(kEtherHistory, {2, control});
  for (auto it = data_.instances.lower_bound(samples); it != data_.instances.end() && HasPrefix(it->first, samples); ++it)
    st.nextSample = std::max<SubId>(st.nextSample, it->first.back() + 1);
  if (prefill) {
    const uint64_t up = UptimeTicks();
    const int64_t k = std::min<int64_t>(granted, static_cast<int64_t>(up / static_cast<uint64_t>(interval * 100)));
    for (int64_t i = 0; i < k; ++i)
      AddBucket(control, st.nextSample++, up - static_cast<uint64_t>((k - i) * interval * 100), static_cast<int>(interval));
  }
  st.nextAt = Now() + static_cast<double>(interval);
}

void SwitchModel::HistoryTick() {
  const double now = Now();
  for (auto &[control, st] : history_) {
    const int64_t interval = std::max<int64_t>(1, IntAt(With(kHistControl, {5, control}), 1800));
    bool added = false;
    for (int guard = 0; now >= st.nextAt && guard < 4; ++guard) {
      const uint64_t up = UptimeTicks(), span = static_cast<uint64_t>(interval * 100);
      AddBucket(control, st.nextSample++, up > span ? up - span : 0, static_cast<int>(interval));
      st.nextAt += static_cast<double>(interval);
      added = true;
    }
    if (now >= st.nextAt) st.nextAt = now + static_cast<double>(interval);
    if (added) DropBuckets(control, static_cast<size_t>(IntAt(With(kHistControl, {4, control}), 0)));
  }
}

void SwitchModel::AddBucket(SubId control, SubId sample, uint64_t startTicks, int intervalSec) {
  int port = 0;
  auto source = data_.instances.find(With(kHistControl, {2, control}));
  if (source != data_.instances.end() && HasPrefix(source->second.value.objectId, kIfIndex) &&
      source->second.value.objectId.size() == kIfIndex.size() + 1)
    port = static_cast<int>(source->second.value.objectId.back());
  double rate = 0, speed = 1e9;
  if (port >= 1 && port <= kPorts) {
    auto in = data_.instances.find(With(kIfEntry, {10, static_cast<SubId>(port)}));
    if (in != data_.instances.end()) rate = in->second.activeRate;
    auto sp = data_.instances.find(With(kIfEntry, {5, static_cast<SubId>(port)}));
    if (sp != data_.instances.end() && sp->second.value.number) speed = static_cast<double>(sp->second.value.number);
  }
  const uint32_t r = Mix(control * 100003 + sample, static_cast<uint64_t>(port));
  const double jitter = 0.75 + (r % 500) / 1000.0;  // 0.75 .. 1.25
  const uint64_t octets = static_cast<uint64_t>(rate * intervalSec * jitter);
  const uint64_t pkts = octets / 620;
  auto add = [&](SubId col, Value v) {
    Instance inst;
    inst.value = std::move(v);
    data_.instances[With(kEtherHistory, {col, control, sample})] = std::move(inst);
  };
  auto counter = [](uint64_t v) { return Value::Unsigned(ValueType::Counter32, v & 0xFFFFFFFFu); };
  add(1, Value::Int(static_cast<int64_t>(control)));
  add(2, Value::Int(static_cast<int64_t>(sample)));
  add(3, Value::Unsigned(ValueType::TimeTicks, startTicks & 0xFFFFFFFFu));
  add(4, counter(0));
  add(5, counter(octets));
  add(6, counter(pkts));
  add(7, counter(pkts / 40));
  add(8, counter(pkts / 25));
  add(9, counter(pkts ? (r >> 9) % 3 : 0));
  add(10, counter(pkts ? (r >> 11) % 2 : 0));
  add(11, counter(0));
  add(12, counter(pkts ? (r >> 13) % 2 : 0));
  add(13, counter(0));
  add(14, counter(0));
  const double util = octets * 8.0 / (intervalSec * speed) * 10000.0;
  add(15, Value::Int(std::min<int64_t>(10000, static_cast<int64_t>(util))));
}

void SwitchModel::DropBuckets(SubId control, size_t keep) {
  const Oid samples = With(kEtherHistory, {2, control});
  std::vector<SubId> present;
  for (auto it = data_.instances.lower_bound(samples); it != data_.instances.end() && HasPrefix(it->first, samples); ++it)
    present.push_back(it->first.back());
  if (present.size() <= keep) return;
  present.resize(present.size() - keep);  // the oldest ones
  for (SubId s : present)
    for (SubId col = 1; col <= 15; ++col) data_.instances.erase(With(kEtherHistory, {col, control, s}));
}
