// The companion's views. Item types, key counts and status columns follow the standard
// MIBs the tables come from (RFC 1213, 2863, 4188, 4318, 4363, 2819, 4133).

#include "companion_views.h"

#include "kv_mib_catalogue.h"

#include <stdexcept>

namespace {
using K = KvRowStatusKind;
constexpr bool kCounters = true;

// One-page views.
#define KV_ONE_PAGE(name, table, type, keys, counters) \
  const KvCompanionPageDef name[] = {{nullptr, table, type, keys, K::None, nullptr, counters}}
constexpr int kWide = 800;  // tables of many columns take the widest window
constexpr int kLongValues = 200;  // editors of addresses and identifiers
constexpr int kTexts = 320;       // the system group's description

const KvCompanionPageDef kSystem[] = {{nullptr, "MibSystemDefs", SVT_SV, 0, K::None, nullptr, false, kTexts}};
KV_ONE_PAGE(kIfTable, "MibIfTableDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kIfCounters, "MibIfCountersDefs", MVT_FMV, 1, kCounters);
KV_ONE_PAGE(kIpCounters, "MibIpCountersDefs", SVT_SV, 0, kCounters);
KV_ONE_PAGE(kIpRouting, "MibIpRouteDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kIpAddress, "MibIpAddrDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kIcmp, "MibIcmpDefs", SVT_SV, 0, kCounters);
KV_ONE_PAGE(kSnmp, "MibSnmpDefs", SVT_SV, 0, kCounters);
KV_ONE_PAGE(kBridgeInfo, "BridgeInfoDefs", SVT_SV, 0, false);
KV_ONE_PAGE(kBridgePort, "BridgeBasePortDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kBridgeForwarding, "BridgeTpFdbDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kBridgeTpPort, "BridgeTpPortDefs", MVT_FMV, 1, kCounters);
KV_ONE_PAGE(kEntityPhysical, "EntityPhysicalDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kEntityLogical, "EntityLogicalDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kGmrp, "VlanGmrpDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kGarp, "VlanGarpDefs", MVT_FMV, 1, false);
KV_ONE_PAGE(kRmonStatistics, "RmonEtherStatsDefs", MVT_FMV, 1, kCounters);
#undef KV_ONE_PAGE

const KvCompanionPageDef kUdp[] = {
    {"Counters", "MibUdpDefs", SVT_SV, 0, K::None, nullptr, kCounters},
    {"Listeners", "MibUdpTableDefs", MVT_FMV, 2},
};
const KvCompanionPageDef kStp[] = {
    {"Bridge", "BridgeStpDefs", SVT_SV, 0, K::None, nullptr, false, kLongValues},
    {"Ports", "BridgeStpPortDefs", MVT_FMV, 1},
};
const KvCompanionPageDef kPortCapability[] = {
    {"Device", "VlanDeviceCapabilityDefs", SVT_SV, 0},
    {"Ports", "VlanPortCapabilityDefs", MVT_FMV, 1},
};
const KvCompanionPageDef kQBridge[] = {
    {"Base", "VlanQBaseDefs", SVT_SV, 0},
    {"Filtering Databases", "VlanFdbDefs", MVT_FMV, 1},
    {"Forwarding", "VlanTpFdbDefs", MVT_FMV, 2},
};
const KvCompanionPageDef kQVlan[] = {
    {"Static", "VlanStaticDefs", MVT_UMV, 1, K::RowStatus, "1.3.6.1.2.1.17.7.1.4.3.1.5"},
    {"Current", "VlanCurrentDefs", MVT_FMV, 2},
};
const KvCompanionPageDef kQStatic[] = {
    {"Unicast", "VlanStaticUnicastDefs", MVT_FMV, 3},
    {"Multicast", "VlanStaticMulticastDefs", MVT_FMV, 3},
};
const KvCompanionPageDef kAlarmEvent[] = {
    {"Alarms", "RmonAlarmDefs", MVT_UMV, 1, K::EntryStatus, "1.3.6.1.2.1.16.3.1.1.12"},
    {"Events", "RmonEventDefs", MVT_UMV, 1, K::EntryStatus, "1.3.6.1.2.1.16.9.1.1.7"},
};

const KvCompanionView kViews[] = {
    {"MIB_Info", "System Information", kSystem},
    {"MIB_IFTable", "Interface Table", kIfTable, kWide},
    {"MIB_IFCounters", "Interface Counters", kIfCounters, kWide},
    {"MIB_IPCounters", "IP Counters", kIpCounters},
    {"MIB_IPRouting", "IP Routing Table", kIpRouting, kWide},
    {"MIB_IPAddress", "IP Address Table", kIpAddress},
    {"MIB_ICMPCounters", "ICMP Counters", kIcmp},
    {"MIB_UDPCounters", "UDP Counters", kUdp},
    {"MIB_SNMPCounters", "SNMP Counters", kSnmp},
    {"Bridge_Info", "Bridge Information", kBridgeInfo},
    {"Bridge_Port", "Bridge Port Table", kBridgePort, kWide},
    {"Bridge_STPInfo", "Spanning Tree Information", kStp, kWide},
    {"Bridge_Forwarding", "Forwarding Table", kBridgeForwarding},
    {"Bridge_TpPortInfo", "Bridge Port Counters", kBridgeTpPort, kWide},
    {"EntityMIB_Physical", "Physical Entity Table", kEntityPhysical, kWide},
    {"EntityMIB_Logical", "Logical Entity Table", kEntityLogical, kWide},
    {"VLan_GMRP", "GMRP Port Table", kGmrp},
    {"VLan_GARP", "GARP Port Table", kGarp},
    {"VLan_PortCapability", "VLAN Port Capability", kPortCapability},
    {"VLan_TpBridge8021Q", "802.1Q Forwarding/Filtering", kQBridge, kWide},
    {"VLan_8021QVlan", "802.1Q VLAN", kQVlan, kWide},
    {"VLan_Tp8021QStatic", "Unicast/Multicast Static Filtering", kQStatic, kWide},
    {"Rmon_Statistics", "RMON Statistics", kRmonStatistics, kWide},
    {"Rmon_AlarmEvent", "RMON Alarm/Event", kAlarmEvent, kWide},
};

const KvMibTable &TableOf(const KvCompanionView &view, const KvCompanionPageDef &page) {
  const KvMibTable *table = FindMibTable(page.Table);
  if (!table)
    throw std::runtime_error(std::string("The view ") + view.Name + " needs the definition table " + page.Table +
                             ", which this program does not have.");
  return *table;
}

// The status column's item index, or -1 for a table without one.
int StatusIndex(const KvCompanionView &view, const KvCompanionPageDef &page, const KvMibTable &table) {
  if (page.Status == KvRowStatusKind::None) return -1;
  for (int i = 0; i < table.Count; ++i)
    if (table.Defs[i].Oid && std::string(table.Defs[i].Oid) == page.StatusOid) return i;
  throw std::runtime_error(std::string("The view ") + view.Name + ": the table " + page.Table +
                           " has no status column " + page.StatusOid + ".");
}

KvPageDef PageOf(const KvCompanionView &view, const KvCompanionPageDef &page) {
  const KvMibTable &table = TableOf(view, page);
  KvPageDef def{page.Caption, table.Defs, page.ItemType, page.KeyCount, StatusIndex(view, page, table),
                page.ItemType == SVT_SV, false};
  if (page.Status == KvRowStatusKind::EntryStatus) {
    def.AddStatus = "createRequest";
    def.DeleteStatus = "invalid";
    def.CompleteStatus = "valid";
  }
  def.LiveCounters = page.Counters;
  def.EditWidth = page.EditWidth;
  return def;
}
}  // namespace

std::span<const KvCompanionView> CompanionViews() { return kViews; }

const KvCompanionView *FindCompanionView(const std::string &name) {
  for (const KvCompanionView &view : kViews)
    if (name == view.Name) return &view;
  return nullptr;
}

std::unique_ptr<KvCompanionEntry> CompanionEntry(const KvCompanionView &view) {
  auto made = std::make_unique<KvCompanionEntry>();
  KvMenuEntry &entry = made->Entry;
  entry.Key = view.Name;
  entry.Title = view.Title;
  entry.Address = true;
  entry.Width = view.Width;
  for (const KvCompanionPageDef &page : view.Pages) made->Pages.push_back(PageOf(view, page));
  if (view.Pages.size() == 1 && !view.Pages[0].Caption) {
    const KvPageDef &page = made->Pages[0];
    entry.Kind = KvEntryKind::Generic;
    entry.Defs = page.Defs;
    entry.ItemType = page.ItemType;
    entry.KeyCount = page.KeyCount;
    entry.RowStatus = page.RowStatus;
    entry.EditWidth = page.EditWidth;
    if (page.LiveCounters) entry.Extras |= EntryExtra::LiveCounters;
  } else {
    entry.Kind = KvEntryKind::Pages;
    entry.Pages = made->Pages;
  }
  return made;
}
