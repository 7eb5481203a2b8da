#pragma once
// What this switch's ACL engine refuses in a Set beyond types and ranges: a rule
// (1.3.6.1.4.1.171.12.9.2.<kind>) lives under an existing profile of its own kind
// (1.3.6.1.4.1.171.12.9.1.<kind>), and sets only the packet fields its profile masks.

#include "switch_data.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// `current` reads an instance as it is before the Set. Returns an SNMP error status
// (0 for none) and the OID it applies to:
// - inconsistentName for a rule whose profile does not exist (a rule's destroy passes);
// - inconsistentValue for a rule field that the profile does not mask, such as a source
//   MAC address under a profile that masks the destination only. The value is valid for
//   its type, only not with the profile's current values, which is what RFC 3416 gives
//   inconsistentValue for.
// The profile is taken as it will be after the Set, so that one PDU may change a profile
// and the rules that need the change.
std::pair<int, Oid> ValidateAclRules(const std::vector<std::pair<Oid, Value>> &writes,
                                     const std::function<std::optional<Value>(const Oid &)> &current);
