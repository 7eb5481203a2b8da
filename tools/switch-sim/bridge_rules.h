#pragma once
// What this switch's bridge refuses beyond types and ranges: spanning tree timers that
// break the bridge MIB's relations, a priority that is no multiple of 4096, a traffic
// class beyond the port's classes, promiscuous mode on a switch port, and a static VLAN
// port that is both an egress and a forbidden egress port.

#include "switch_data.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// `current` reads an instance as it is before the Set. Returns an SNMP error status
// (0 for none) and the OID it applies to.
std::pair<int, Oid> ValidateBridgeRules(const std::vector<std::pair<Oid, Value>> &writes,
                                        const std::function<std::optional<Value>(const Oid &)> &current);
