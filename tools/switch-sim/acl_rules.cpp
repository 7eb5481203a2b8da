#include "acl_rules.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <map>
#include <set>
#include <tuple>

namespace {

const Oid kAclMasks = {1, 3, 6, 1, 4, 1, 171, 12, 9, 1};  // .<kind>.1.<column>.<profile>
const Oid kAclRules = {1, 3, 6, 1, 4, 1, 171, 12, 9, 2};  // .<kind>.1.<column>.<profile>.<access>
enum Kind : SubId { Ethernet = 1, Ip = 2, Payload = 3 };
constexpr SubId kProfileStatus[] = {0, 9, 19, 8};
constexpr SubId kRuleStatus[] = {0, 14, 21, 14};
constexpr int64_t kEnabled = 1;                                    // use-VLAN, use-802.1p, ... "enabled"
constexpr int64_t kCreateAndGo = 4, kCreateAndWait = 5, kDestroy = 6;
constexpr int64_t kDst = 2, kSrc = 3, kDstSrc = 4;                  // address mask states, port options
constexpr int64_t kIcmp = 2, kIgmp = 3, kTcp = 4, kUdp = 5, kProtocolId = 6;
constexpr int64_t kIcmpType = 2, kIcmpCode = 3, kIcmpTypeCode = 4;
constexpr int64_t kEnable = 1;                                     // IGMP option, TCP flag bit "enable"

// One profile's columns as they will be after the Set; an absent column reads as 0 / "".
using Profile = std::function<Value(SubId column)>;

bool Dst(int64_t state) { return state == kDst || state == kDstSrc; }
bool Src(int64_t state) { return state == kSrc || state == kDstSrc; }

// Whether the profile masks rule column `column`. The action columns (priority, DSCP
// replacement, permit) and the row status do not depend on the mask.
bool Masked(SubId kind, SubId column, const Profile &p) {
  auto on = [&](SubId c) { return p(c).Signed() == kEnabled; };
  if (kind == Ethernet) {
    switch (column) {
    case 3: return on(3);               // VLAN: use VLAN
    case 4: return Src(p(4).Signed());  // source MAC: the MAC mask state
    case 5: return Dst(p(4).Signed());  // destination MAC
    case 6: return on(7);               // 802.1p: use 802.1p
    case 7: return on(8);               // Ethernet type: use Ethernet type
    default: return true;
    }
  }
  if (kind == Ip) {
    const int64_t protocol = p(8).Signed(), icmp = p(9).Signed(), tcp = p(11).Signed(), udp = p(12).Signed();
    switch (column) {
    case 3: return on(3);               // VLAN
    case 4: return Src(p(4).Signed());  // source address: the address mask state
    case 5: return Dst(p(4).Signed());  // destination address
    case 6: return on(7);               // DSCP: use DSCP
    case 8:                             // type: ICMP type, or the IGMP type
      return (protocol == kIcmp && (icmp == kIcmpType || icmp == kIcmpTypeCode)) ||
             (protocol == kIgmp && p(10).Signed() == kEnable);
    case 9: return protocol == kIcmp && (icmp == kIcmpCode || icmp == kIcmpTypeCode);
    case 10: return (protocol == kTcp && Src(tcp)) || (protocol == kUdp && Src(udp));
    case 11: return (protocol == kTcp && Dst(tcp)) || (protocol == kUdp && Dst(udp));
    case 12: return protocol == kTcp && p(15).Signed() == kEnable;  // TCP flag bits
    case 13: return protocol == kProtocolId;                       // protocol ID
    case 14: return protocol == kProtocolId && !p(18).octets.empty();  // user mask: a user define mask
    default: return true;
    }
  }
  if (kind == Payload && column >= 3 && column <= 7) return !p(column).octets.empty();  // offset ranges
  return true;
}

}  // namespace

std::pair<int, Oid> ValidateAclRules(const std::vector<std::pair<Oid, Value>> &writes,
                                     const std::function<std::optional<Value>(const Oid &)> &current) {
  std::map<Oid, Value> written(writes.begin(), writes.end());
  auto after = [&](const Oid &oid) -> std::optional<Value> {
    auto w = written.find(oid);
    if (w != written.end()) return w->second;
    return current(oid);
  };
  auto profileOid = [](SubId kind, SubId column, SubId profile) {
    return Concat(kAclMasks, {kind, 1, column, profile});
  };

  // Rules (kind, profile, access) whose destroy this PDU carries: they need nothing.
  using Rule = std::tuple<SubId, SubId, SubId>;
  std::set<Rule> destroyed;
  auto ruleOf = [](const Oid &oid, SubId *kind, SubId *column, Rule *rule) {
    if (!HasPrefix(oid, kAclRules) || oid.size() != kAclRules.size() + 5 || oid[kAclRules.size() + 1] != 1) return false;
    *kind = oid[kAclRules.size()];
    if (*kind < Ethernet || *kind > Payload) return false;
    *column = oid[kAclRules.size() + 2];
    *rule = {*kind, oid[oid.size() - 2], oid.back()};
    return true;
  };
  for (const auto &[oid, v] : writes) {
    SubId kind, column;
    Rule rule;
    if (ruleOf(oid, &kind, &column, &rule) && column == kRuleStatus[kind] && v.Signed() == kDestroy)
      destroyed.insert(rule);
  }

  for (const auto &[oid, v] : writes) {
    SubId kind, column;
    Rule rule;
    if (!ruleOf(oid, &kind, &column, &rule) || destroyed.count(rule)) continue;
    const SubId profile = std::get<1>(rule);
    // The profile exists after the Set: it exists now and is not destroyed, or this PDU
    // creates it.
    const Oid status = profileOid(kind, kProfileStatus[kind], profile);
    const auto w = written.find(status);
    const bool exists = w != written.end()
                            ? w->second.Signed() == kCreateAndGo || w->second.Signed() == kCreateAndWait ||
                                  (w->second.Signed() != kDestroy && current(status).has_value())
                            : current(status).has_value();
    if (!exists) return {SNMP_ERR_INCONSISTENTNAME, oid};
    const Profile columns = [&](SubId c) { return after(profileOid(kind, c, profile)).value_or(Value{}); };
    if (!Masked(kind, column, columns)) return {SNMP_ERR_INCONSISTENTVALUE, oid};
  }
  return {SNMP_ERR_NOERROR, {}};
}
