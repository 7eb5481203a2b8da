// The main menu's tree and entry table.

#include "main_menu.h"

#include "kv_mib_aac_set.h"
#include "kv_mib_core_set.h"
#include "kv_mib_dot1x_set.h"
#include "kv_mib_lag_set.h"
#include "kv_mib_sim_set.h"
#include "kv_mib_snmpv3_set.h"
#include "kv_mib_ssh_set.h"
#include "kv_mib_ssl_set.h"

#include <cctype>

namespace {

#define KV_TREE_ITEM(depth, name, caption, visibility, key) \
  KvMenuItemDef{depth, #name, caption, KvMenuVisibility::visibility, key},
#define KV_TREE_SEP(depth, visibility) KvMenuItemDef{depth, "", "-", KvMenuVisibility::visibility, ""},
const KvMenuItemDef kTree[] = {KV_MAIN_MENU(KV_TREE_ITEM, KV_TREE_SEP)};
#undef KV_TREE_ITEM
#undef KV_TREE_SEP

constexpr bool kAddress = true;  // caption: title + " : " + address
constexpr bool kFixed = false;   // caption: the title alone
constexpr int kNoRows = -1;      // no Add, no Delete

// Builders that keep one entry on one line.
struct Entry : KvMenuEntry {
  Entry Size(int width, int height) const { Entry e = *this; e.Width = width; e.Height = height; return e; }
  Entry Edits(int width) const { Entry e = *this; e.EditWidth = width; return e; }
  Entry With(unsigned extras) const { Entry e = *this; e.Extras |= extras; return e; }
  Entry Range(const KvRangeCheckDef *check) const { Entry e = *this; e.RangeCheck = check; return e; }
};

Entry G(const char *key, const char *title, bool address, const KvSNMPVarDef *defs, unsigned char type, int keys,
        int rows) {
  Entry e{};
  e.Key = key; e.Kind = KvEntryKind::Generic; e.Title = title; e.Address = address;
  e.Defs = defs; e.ItemType = type; e.KeyCount = keys; e.RowStatus = rows;
  return e;
}

Entry P(const char *key, const char *title, bool address, std::span<const KvPageDef> pages) {
  Entry e{};
  e.Key = key; e.Kind = KvEntryKind::Pages; e.Title = title; e.Address = address; e.Pages = pages;
  return e;
}

Entry Of(const char *key, KvEntryKind kind, const char *title) {
  Entry e{};
  e.Key = key; e.Kind = kind; e.Title = title;
  return e;
}

Entry M(const char *key, const char *argument) { return Of(key, KvEntryKind::Module, argument); }
Entry F(const char *key, const char *window) { return Of(key, KvEntryKind::Feature, window); }

Entry D(const char *key, const char *caption, const KvSNMPVarDef *defs, const char *value) {
  Entry e = Of(key, KvEntryKind::Device, caption);
  e.Defs = defs; e.Value = value; e.Timeout = 500;
  return e;
}

const KvRangeCheckDef kHoldtimeRange{"swSingleIPHoldtime", 2, 100, 255};

constexpr bool kEditor = true, kList = false, kSpinLock = true;
const KvPageDef kMacBasePages[] = {
    {"AuthenticatorPAE Info", PaeMacInfoDefs, MVT_FMV, 2, kNoRows, kList, false},
    {"AuthenticatorPAE Statistics Info", PaeMacStatsDefs, MVT_FMV, 2, kNoRows, kList, false},
    {"AuthenticatorPAE Diagnostics Info", PaeMacDiagDefs, MVT_FMV, 2, kNoRows, kList, false},
    {"AuthenticatorPAE Session Statistics Info", PaeMacSessionDefs, MVT_FMV, 2, kNoRows, kList, false},
};
const KvPageDef kUsmUserPages[] = {
    {"User Spin Lock", UsmSpinLockDefs, SVT_SV, 0, kNoRows, kEditor, kSpinLock},
    {"USM User Table", UsmUserDefs, MVT_UMV, 2, 12, kList, false},
};
const KvPageDef kVacmViewPages[] = {
    {"View Spin Lock", VacmViewSpinLockDefs, SVT_SV, 0, kNoRows, kEditor, kSpinLock},
    {"View Tree Family Table", VacmViewTreeDefs, MVT_UMV, 2, 5, kList, false},
};

Entry PortSessionStatistics() {
  Entry e = G("S1", "Port Session Statistics", kAddress, Dot1xSessionStatsDefs, MVT_FMV, 1, kNoRows);
  e.Kind = KvEntryKind::Special;
  return e;
}

// The window opens only for this runtime version; others start the Bridge companion.
Entry StpInformation() {
  Entry e = F("F7", "/TBridge_STPInfo");
  e.Value = "Build 2.03";
  return e;
}

const KvMenuEntry kEntries[] = {
    G("G1", "Basic Information", kAddress, AgentBasicInfoDefs, SVT_SV, 0, kNoRows),
    G("G2", "Mib Capabilities", kAddress, MibCapabilityDefs, MVT_UMV, 1, kNoRows).Size(0, 450),
    G("G3", "Device Information", kAddress, DevInfoDefs, SVT_SV, 0, kNoRows),
    G("G4", "Device Control", kAddress, DevCtrlDefs, SVT_SV, 0, kNoRows).Edits(150).With(EntryExtra::RefreshRmonMenu),
    G("G5", "Alarm Control", kAddress, DevAlarmDefs, SVT_SV, 0, kNoRows),
    G("G6", "Port Information Table", kAddress, PortInfoDefs, MVT_FMV, 1, kNoRows),
    G("G7", "Port Security Table", kAddress, PortSecurityDefs, MVT_FMV, 1, kNoRows),
    G("G8", "IGMP Control Table", kAddress, IgmpCtrlDefs, MVT_FMV, 1, kNoRows),
    G("G9", "IGMP Query Information", kAddress, IgmpQueryInfoDefs, MVT_FMV, 1, kNoRows),
    G("G10", "IGMP Information", kAddress, IgmpInfoDefs, MVT_FMV, 2, kNoRows),
    G("G11", "Traffic Control Table", kAddress, TrafficCtrlDefs, MVT_FMV, 1, kNoRows),
    G("G12", "Traffic Segmentation Table", kAddress, TrafficSegDefs, MVT_FMV, 1, kNoRows),
    G("G14", "Port Bandwidth Table", kAddress, PortBwCtrlDefs, MVT_FMV, 1, kNoRows),
    G("G15", "Radius Server Configuration", kAddress, RadiusConfigDefs, SVT_SV, 0, kNoRows),
    G("G16", "Radius Accounting Table", kAddress, RadiusAcctDefs, MVT_FMV, 1, kNoRows).Size(300, 300),
    G("G17", "Radius Server Information", kAddress, RadiusServerDefs, MVT_FMV, 1, kNoRows),
    G("G18", "802.1X Configuration", kAddress, Dot1xSystemDefs, SVT_SV, 0, kNoRows),
    G("G19", "Port Table", kAddress, Dot1xPortDefs, MVT_UMV, 1, kNoRows),
    G("G20", "802.1X Port Configuration", kAddress, Dot1xPortConfigDefs, MVT_UMV, 1, kNoRows),
    G("G21", "Port Statistics", kAddress, Dot1xPortStatsDefs, MVT_UMV, 1, kNoRows),
    G("G22", "Port Diagnostics", kAddress, Dot1xPortDiagDefs, MVT_UMV, 1, kNoRows),
    G("G23", "Spanning Tree Port Table", kAddress, StpPortDefs, MVT_UMV, 1, kNoRows),
    G("G26", "SNMP Engine", kFixed, SnmpEngineDefs, SVT_SV, 0, kNoRows).Edits(150),
    G("G27", "Message Processingand Dispatching", kFixed, MpdStatsDefs, SVT_SV, 0, kNoRows),
    G("G28", "Authentication Control", kAddress, AacCtrlDefs, SVT_SV, 0, kNoRows),
    G("G29", "AAC Information", kAddress, AacInfoDefs, SVT_SV, 0, kNoRows),
    G("G30", "Authentication Method Table", kAddress, AacMethodListDefs, MVT_UMV, 2, 4),
    G("G31", "AAC Server Group Table", kAddress, AacServerGroupDefs, MVT_UMV, 2, 4),
    G("G32", "AAC Server Information", kAddress, AacServerDefs, MVT_UMV, 2, 6),
    G("G34", "SSH Management", kAddress, SshMgmtDefs, SVT_SV, 0, kNoRows),
    G("G35", "Encryption Algorithm Control", kAddress, SshEncryptAlgDefs, SVT_SV, 0, kNoRows),
    G("G36", "Authentication Method Control", kAddress, SshAuthMethodDefs, SVT_SV, 0, kNoRows),
    G("G37", "Algorithm Control", kAddress, SshIntegrityAlgDefs, SVT_SV, 0, kNoRows),
    G("G38", "Key Exchange Control", kAddress, SshKeyExchangeDefs, SVT_SV, 0, kNoRows),
    G("G40", "Aggregation Port Table", kAddress, LagPortDefs, MVT_FMV, 1, kNoRows),
    G("G41", "SSL Management", kAddress, SslMgmtDefs, SVT_SV, 0, kNoRows),
    G("G42", "SSL Certificate file management", kAddress, SslCertFileDefs, SVT_SV, 0, kNoRows),
    G("G47", "CPU Utilization", kAddress, CpuUtilDefs, SVT_SV, 0, kNoRows),
    G("G48", "SingleIP Management Information", kFixed, SimInfoDefs, SVT_SV, 0, kNoRows).Edits(180),
    G("G49", "SingleIP Management Control", kFixed, SimCtrlDefs, SVT_SV, 0, kNoRows).Edits(180).Range(&kHoldtimeRange),
    G("G50", "SingleIP Member Switch Management", kFixed, SimMemberDefs, MVT_UMV, 1, kNoRows),
    G("G51", "SingleIP Candidate Switch Management", kFixed, SimCandidateDefs, MVT_UMV, 1, kNoRows),
    G("G52", "SingleIP Group Management", kFixed, SimGroupDefs, MVT_UMV, 1, kNoRows),
    G("G53", "Ping Test", kFixed, PingTestDefs, SVT_SV, 0, kNoRows).With(EntryExtra::ListViewPanel),
    G("G54", "SingleIP neighbour Management", kFixed, SimNeighborDefs, MVT_UMV, 2, kNoRows),
    G("G55", "General Information", kFixed, TargetGeneralDefs, SVT_SV, 0, kNoRows),
    G("G56", "Target Address Table", kFixed, TargetAddrDefs, MVT_UMV, 1, kNoRows),
    G("G57", "Target Parameters", kFixed, TargetParamsDefs, MVT_UMV, 1, kNoRows),
    G("G58", "USM Stats", kFixed, UsmStatsDefs, SVT_SV, 0, kNoRows),
    G("G60", "VACM Security To Group Table", kFixed, VacmGroupDefs, MVT_UMV, 2, 4),
    G("G61", "VACM Access Table", kFixed, VacmAccessDefs, MVT_UMV, 4, kNoRows),
    G("G64", "Notify Table", kFixed, NotifyDefs, MVT_UMV, 1, 4),
    G("G65", "Notify Filter Profile Table", kFixed, NotifyProfileDefs, MVT_UMV, 1, 3),
    G("G66", "Notify Filter Table", kFixed, NotifyFilterDefs, MVT_UMV, 2, 5),
    G("G67", "Community Table", kFixed, CommunityDefs, MVT_UMV, 1, 7).Edits(150).With(EntryExtra::CommunityHooks),
    G("G68", "TargetAddr Ext Table", kFixed, TargetAddrExtDefs, MVT_UMV, 1, kNoRows),
    P("P1", "Mac Base 802.1x", kAddress, kMacBasePages),
    P("P2", "USM User Table", kFixed, kUsmUserPages),
    P("P3", "VACM MIB Views", kFixed, kVacmViewPages),
    M("M1", "/TMIB_Info"),
    M("M2", "/TMIB_IFTable"),
    M("M3", "/TMIB_IFCounters"),
    M("M4", "/TMIB_IPCounters"),
    M("M5", "/TMIB_IPRouting"),
    M("M6", "/TMIB_IPAddress"),
    M("M7", "/TMIB_ICMPCounters"),
    M("M8", "/TMIB_UDPCounters"),
    M("M9", "/TMIB_SNMPCounters"),
    M("M10", "/TBridge_Info"),
    M("M11", "/TBridge_Port"),
    M("M13", "/TBridge_Forwarding"),
    M("M14", "/TBridge_TpPortInfo"),
    M("M17", "/TEntityMIB_Physical"),
    M("M18", "/TEntityMIB_Logical"),
    M("M19", "/TVLan_GMRP"),
    M("M20", "/TVLan_GARP"),
    M("M21", "/TVLan_PortCapability"),
    M("M22", "/TVLan_TpBridge8021Q"),
    M("M23", "/TVLan_8021QVlan"),
    M("M24", "/TVLan_Tp8021QStatic"),
    M("M25", "/TRmon_Statistics"),
    PortSessionStatistics(),
    Of("S2", KvEntryKind::Special, "/TRmon_AlarmEvent"),
    D("D1", "Device Save Changes!!", SaveCfgDefs, "3"),
    D("D2", "Device Reboot !!", ResetDefs, "2"),
    Of("D3", KvEntryKind::Help, kHelpPageTitle),
    Of("D4", KvEntryKind::About, "TAboutForm"),
    F("F1", "TfrmPortControl"),
    F("F2", "TPortTrunkForm"),
    F("F3", "TPortMirrorForm"),
    F("F4", "TLastChangeForm"),
    F("F5", "TifXEntry"),
    F("F6", "Tdot3StatsForm"),
    StpInformation(),
    F("F8", "TPBridgeConfigForm"),
    F("F9", "TVLan8021dPriorityForm"),
    F("F10", "TVLanGeneralInfoForm"),
    F("F11", "TVLanPortInfomationForm"),
    F("F12", "THistoryForm"),
    F("F14", "TEthernetMaskInformationForm"),
    F("F15", "TEthernetInformationRuleForm"),
    F("F16", "TIPMaskInformationForm"),
    F("F17", "TIPRuleForm"),
    F("F18", "TUserMaskInfoForm"),
    F("F19", "TUserDefinedInformationRuleForm"),
    F("F20", "TConfigSnapshotForm"),
    F("F21", "TJournalForm"),
    F("F22", "UndoLastChange"),
};

}  // namespace

std::span<const KvMenuItemDef> MainMenuTree() { return kTree; }

const KvMenuItemDef *FindMenuItem(const std::string &name) {
  for (const KvMenuItemDef &item : kTree)
    if (!item.IsSeparator() && name == item.Name) return &item;
  return nullptr;
}

std::string HelpAnchorOf(const KvMenuItemDef &item) {
  const KvMenuItemDef *top = nullptr;
  for (const KvMenuItemDef &each : kTree) {
    if (each.Depth == 0) top = &each;
    if (&each == &item) break;
  }
  std::string anchor = "menu-";
  if (top)
    for (const char *c = top->Caption; *c; ++c)
      if (std::isalnum(static_cast<unsigned char>(*c))) anchor += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  return anchor;
}

std::span<const KvMenuEntry> MenuEntries() { return kEntries; }

const KvMenuEntry *FindMenuEntry(const std::string &key) {
  for (const KvMenuEntry &entry : kEntries)
    if (key == entry.Key) return &entry;
  return nullptr;
}
