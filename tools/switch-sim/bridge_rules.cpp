#include "bridge_rules.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <map>

namespace {

const Oid kStpPriority = {1, 3, 6, 1, 2, 1, 17, 2, 2, 0};
const Oid kStpMaxAge = {1, 3, 6, 1, 2, 1, 17, 2, 12, 0};
const Oid kStpHelloTime = {1, 3, 6, 1, 2, 1, 17, 2, 13, 0};
const Oid kStpForwardDelay = {1, 3, 6, 1, 2, 1, 17, 2, 14, 0};
const Oid kPortNumTrafficClasses = {1, 3, 6, 1, 2, 1, 17, 6, 1, 2, 1, 1, 2};  // .port
const Oid kTrafficClass = {1, 3, 6, 1, 2, 1, 17, 6, 1, 2, 3, 1, 2};           // .port.priority
const Oid kIfPromiscuousMode = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 16};           // .ifIndex
const Oid kVlanStatic = {1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1};                // .column.vlan
constexpr SubId kVlanEgress = 2, kVlanForbidden = 3, kVlanRowStatus = 5;
constexpr int64_t kDestroy = 6;
constexpr int64_t kTrue = 1;

}  // namespace

std::pair<int, Oid> ValidateBridgeRules(const std::vector<std::pair<Oid, Value>> &writes,
                                        const std::function<std::optional<Value>(const Oid &)> &current) {
  std::map<Oid, Value> written(writes.begin(), writes.end());
  auto after = [&](const Oid &oid) -> int64_t {
    auto w = written.find(oid);
    if (w != written.end()) return w->second.Signed();
    auto v = current(oid);
    return v ? v->Signed() : 0;
  };

  bool timers = false;
  for (const auto &[oid, v] : writes) {
    if (oid == kStpPriority && v.Signed() % 4096 != 0) return {SNMP_ERR_WRONGVALUE, oid};
    if (oid == kStpMaxAge || oid == kStpHelloTime || oid == kStpForwardDelay) timers = true;
    if (HasPrefix(oid, kIfPromiscuousMode) && oid.size() == kIfPromiscuousMode.size() + 1 && v.Signed() == kTrue)
      return {SNMP_ERR_WRONGVALUE, oid};
    if (HasPrefix(oid, kTrafficClass) && oid.size() == kTrafficClass.size() + 2) {
      const Oid classes = Concat(kPortNumTrafficClasses, {oid[kTrafficClass.size()]});
      if (v.Signed() >= after(classes)) return {SNMP_ERR_INCONSISTENTVALUE, oid};
    }
  }
  // 2 * (ForwardDelay - 1 s) >= MaxAge >= 2 * (HelloTime + 1 s), in hundredths.
  if (timers) {
    const int64_t maxAge = after(kStpMaxAge), hello = after(kStpHelloTime), delay = after(kStpForwardDelay);
    if (2 * (delay - 100) < maxAge || maxAge < 2 * (hello + 100)) {
      for (const Oid *o : {&kStpMaxAge, &kStpForwardDelay, &kStpHelloTime})
        if (written.count(*o)) return {SNMP_ERR_INCONSISTENTVALUE, *o};
    }
  }

  // A static VLAN's port never is both an egress port and a forbidden one.
  std::map<SubId, std::map<SubId, Value>> vlans;
  for (const auto &[oid, v] : writes)
    if (HasPrefix(oid, kVlanStatic) && oid.size() == kVlanStatic.size() + 2)
      vlans[oid.back()][oid[kVlanStatic.size()]] = v;
  for (const auto &[vlan, cols] : vlans) {
    auto ports = [&](SubId col) {
      if (auto w = cols.find(col); w != cols.end()) return w->second.octets;
      auto v = current(Concat(kVlanStatic, {col, vlan}));
      return v ? v->octets : std::string();
    };
    if (auto s = cols.find(kVlanRowStatus); s != cols.end() && s->second.Signed() == kDestroy) continue;
    const std::string egress = ports(kVlanEgress), forbidden = ports(kVlanForbidden);
    for (size_t i = 0; i < egress.size() && i < forbidden.size(); ++i)
      if (egress[i] & forbidden[i])
        return {SNMP_ERR_INCONSISTENTVALUE, Concat(kVlanStatic, {cols.count(kVlanForbidden) ? kVlanForbidden : kVlanEgress, vlan})};
  }

  return {SNMP_ERR_NOERROR, {}};
}
