#pragma once
// Definition sets build their option lists in a fixed order before main() runs and
// destroy them in reverse order at exit. Inside one file C++ keeps the order of the
// definitions; this priority puts the files in the order of the sets.

#define KV_MIB_SET_ORDER(n) __attribute__((init_priority(1000 + (n))))

enum KvMibSetOrder {
  CoreSetOrder = 1,
  Dot1xSetOrder,
  InterfacesSetOrder,
  AclSetOrder,
  AacSetOrder,
  SshSetOrder,
  LagSetOrder,
  SslSetOrder,
  SimSetOrder,
  RmonSetOrder,
  Snmpv3SetOrder,
  BridgeSetOrder,
  Mib2SetOrder,
  BridgeStdSetOrder,
  EntitySetOrder,
  VlanStdSetOrder,
  RmonStdSetOrder,
};
