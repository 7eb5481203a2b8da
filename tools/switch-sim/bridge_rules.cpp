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

  return {SNMP_ERR_NOERROR, {}};
}
