// SNMPv3 definition set. Access NotAccess | Implied marks an IMPLIED name index; a key
// whose OID is a blank belongs to another table and is decoded from the row instance.

#include "kv_mib_snmpv3_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(Snmpv3SetOrder)(values)

namespace {
constexpr unsigned kImpliedKey = Access::NotAccess | Access::Implied;
}

#define BASE "1.3.6.1.6.3.10.2.1"
const KvSNMPVarDef SnmpEngineDefs[] = {
    {BASE ".1", "snmpEngineID", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {BASE ".2", "snmpEngineBoots", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".3", "snmpEngineTime", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".4", "snmpEngineMaxMessageSize", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.6.3.11.2.1"
const KvSNMPVarDef MpdStatsDefs[] = {
    {BASE ".1", "snmpUnknownSecurityModels", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2", "snmpInvalidMsgs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "snmpUnknownPDUHandlers", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.6.3.12.1"
const KvSNMPVarDef TargetGeneralDefs[] = {
    {BASE ".1", "snmpTargetSpinLock", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".4", "snmpUnavailableContexts", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "snmpUnknownContexts", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(TargetAddrStorageType, StorageTypes);
OPTIONS(TargetAddrRowStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.12.1.2.1"
const KvSNMPVarDef TargetAddrDefs[] = {
    {BASE ".1", "snmpTargetAddrName", Syntax::DisplayStr, kImpliedKey, nullptr},
    {BASE ".2", "snmpTargetAddrTDomain", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {BASE ".3", "snmpTargetAddrTAddress", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".4", "snmpTargetAddrTimeout", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".5", "snmpTargetAddrRetryCount", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "snmpTargetAddrTagList", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "snmpTargetAddrParams", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".8", "snmpTargetAddrStorageType", Syntax::Integer, Access::ReadWrite, &TargetAddrStorageType},
    {BASE ".9", "snmpTargetAddrRowStatus", Syntax::Integer, Access::ReadWrite, &TargetAddrRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(TargetParamsSecurityLevel, SecurityLevels);
OPTIONS(TargetParamsStorageType, StorageTypes);
OPTIONS(TargetParamsRowStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.12.1.3.1"
const KvSNMPVarDef TargetParamsDefs[] = {
    {BASE ".1", "snmpTargetParamsName", Syntax::DisplayStr, kImpliedKey, nullptr},
    {BASE ".2", "snmpTargetParamsMPModel", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".3", "snmpTargetParamsSecurityModel", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".4", "snmpTargetParamsSecurityName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "snmpTargetParamsSecurityLevel", Syntax::Integer, Access::ReadWrite, &TargetParamsSecurityLevel},
    {BASE ".6", "snmpTargetParamsStorageType", Syntax::Integer, Access::ReadWrite, &TargetParamsStorageType},
    {BASE ".7", "snmpTargetParamsRowStatus", Syntax::Integer, Access::ReadWrite, &TargetParamsRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.6.3.15.1.1"
const KvSNMPVarDef UsmStatsDefs[] = {
    {BASE ".1", "usmStatsUnsupportedSecLevels", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".2", "usmStatsNotInTimeWindows", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".3", "usmStatsUnknownUserNames", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".4", "usmStatsUnknownEngineIDs", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".5", "usmStatsWrongDigests", Syntax::Counter, Access::ReadOnly, nullptr},
    {BASE ".6", "usmStatsDecryptionErrors", Syntax::Counter, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.6.3.15.1.2"
const KvSNMPVarDef UsmSpinLockDefs[] = {
    {BASE ".1", "usmUserSpinLock", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(UsmUserStorageType, StorageTypes);
OPTIONS(UsmUserStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.15.1.2.2.1"
const KvSNMPVarDef UsmUserDefs[] = {
    {BASE ".1", "usmUserEngineID", Syntax::OctetStr, Access::NotAccess, nullptr},
    {BASE ".2", "usmUserName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".3", "usmUserSecurityName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".4", "usmUserCloneFrom", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {BASE ".5", "usmUserAuthProtocol", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {BASE ".6", "usmUserAuthKeyChange", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "usmUserOwnAuthKeyChange", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".8", "usmUserPrivProtocol", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {BASE ".9", "usmUserPrivKeyChange", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".10", "usmUserOwnPrivKeyChange", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".11", "usmUserPublic", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".12", "usmUserStorageType", Syntax::Integer, Access::ReadWrite, &UsmUserStorageType},
    {BASE ".13", "usmUserStatus", Syntax::Integer, Access::ReadWrite, &UsmUserStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(SecurityToGroupStorageType, StorageTypes);
OPTIONS(SecurityToGroupStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.16.1.2.1"
const KvSNMPVarDef VacmGroupDefs[] = {
    {BASE ".1", "vacmSecurityModel", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "vacmSecurityName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".3", "vacmGroupName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "vacmSecurityToGroupStorageType", Syntax::Integer, Access::ReadWrite, &SecurityToGroupStorageType},
    {BASE ".5", "vacmSecurityToGroupStatus", Syntax::Integer, Access::ReadWrite, &SecurityToGroupStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(AccessSecurityLevel, SecurityLevels);
OPTIONS(AccessContextMatch, ContextMatches);
OPTIONS(AccessStorageType, StorageTypes);
OPTIONS(AccessStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.16.1.4.1"
const KvSNMPVarDef VacmAccessDefs[] = {
    {" ", "vacmGroupName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".1", "vacmAccessContextPrefix", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".2", "vacmAccessSecurityModel", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "vacmAccessSecurityLevel", Syntax::Integer, Access::NotAccess, &AccessSecurityLevel},
    {BASE ".4", "vacmAccessContextMatch", Syntax::Integer, Access::ReadWrite, &AccessContextMatch},
    {BASE ".5", "vacmAccessReadViewName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".6", "vacmAccessWriteViewName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "vacmAccessNotifyViewName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".8", "vacmAccessStorageType", Syntax::Integer, Access::ReadWrite, &AccessStorageType},
    {BASE ".9", "vacmAccessStatus", Syntax::Integer, Access::ReadWrite, &AccessStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.6.3.16.1.5"
const KvSNMPVarDef VacmViewSpinLockDefs[] = {
    {BASE ".1", "vacmViewSpinLock", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(ViewTreeFamilyType, IncludedExcluded);
OPTIONS(ViewTreeFamilyStorageType, StorageTypes);
OPTIONS(ViewTreeFamilyStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.16.1.5.2.1"
const KvSNMPVarDef VacmViewTreeDefs[] = {
    {BASE ".1", "vacmViewTreeFamilyViewName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".2", "vacmViewTreeFamilySubtree", Syntax::ObjectId, Access::NotAccess, nullptr},
    {BASE ".3", "vacmViewTreeFamilyMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "vacmViewTreeFamilyType", Syntax::Integer, Access::ReadWrite, &ViewTreeFamilyType},
    {BASE ".5", "vacmViewTreeFamilyStorageType", Syntax::Integer, Access::ReadWrite, &ViewTreeFamilyStorageType},
    {BASE ".6", "vacmViewTreeFamilyStatus", Syntax::Integer, Access::ReadWrite, &ViewTreeFamilyStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(NotifyType, NotifyTypes);
OPTIONS(NotifyStorageType, StorageTypes);
OPTIONS(NotifyRowStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.13.1.1.1"
const KvSNMPVarDef NotifyDefs[] = {
    {BASE ".1", "snmpNotifyName", Syntax::DisplayStr, kImpliedKey, nullptr},
    {BASE ".2", "snmpNotifyTag", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".3", "snmpNotifyType", Syntax::Integer, Access::ReadWrite, &NotifyType},
    {BASE ".4", "snmpNotifyStorageType", Syntax::Integer, Access::ReadWrite, &NotifyStorageType},
    {BASE ".5", "snmpNotifyRowStatus", Syntax::Integer, Access::ReadWrite, &NotifyRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(NotifyFilterProfileStorType, StorageTypes);
OPTIONS(NotifyFilterProfileRowStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.13.1.2.1"
const KvSNMPVarDef NotifyProfileDefs[] = {
    {" ", "snmpTargetParamsName", Syntax::DisplayStr, kImpliedKey, nullptr},
    {BASE ".1", "snmpNotifyFilterProfileName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".2", "snmpNotifyFilterProfileStorType", Syntax::Integer, Access::ReadWrite, &NotifyFilterProfileStorType},
    {BASE ".3", "snmpNotifyFilterProfileRowStatus", Syntax::Integer, Access::ReadWrite,
     &NotifyFilterProfileRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(NotifyFilterType, IncludedExcluded);
OPTIONS(NotifyFilterStorageType, StorageTypes);
OPTIONS(NotifyFilterRowStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.13.1.3.1"
const KvSNMPVarDef NotifyFilterDefs[] = {
    {" ", "snmpNotifyFilterProfileName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {BASE ".1", "snmpNotifyFilterSubtree", Syntax::ObjectId, kImpliedKey, nullptr},
    {BASE ".2", "snmpNotifyFilterMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".3", "snmpNotifyFilterType", Syntax::Integer, Access::ReadWrite, &NotifyFilterType},
    {BASE ".4", "snmpNotifyFilterStorageType", Syntax::Integer, Access::ReadWrite, &NotifyFilterStorageType},
    {BASE ".5", "snmpNotifyFilterRowStatus", Syntax::Integer, Access::ReadWrite, &NotifyFilterRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(CommunityStorageType, StorageTypes);
OPTIONS(CommunityStatus, RowStatuses);
#define BASE "1.3.6.1.6.3.18.1.1.1"
const KvSNMPVarDef CommunityDefs[] = {
    {BASE ".1", "snmpCommunityIndex", Syntax::DisplayStr, kImpliedKey, nullptr},
    {BASE ".2", "snmpCommunityName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".3", "snmpCommunitySecurityName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "snmpCommunityContextEngineID", Syntax::OctetStr, Access::ReadWrite, nullptr},
    {BASE ".5", "snmpCommunityContextName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".6", "snmpCommunityTransportTag", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "snmpCommunityStorageType", Syntax::Integer, Access::ReadWrite, &CommunityStorageType},
    {BASE ".8", "snmpCommunityStatus", Syntax::Integer, Access::ReadWrite, &CommunityStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

#define BASE "1.3.6.1.6.3.18.1.2.1"
const KvSNMPVarDef TargetAddrExtDefs[] = {
    {" ", "snmpTargetAddrName", Syntax::DisplayStr, kImpliedKey, nullptr},
    {BASE ".1", "snmpTargetAddrTMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".2", "snmpTargetAddrMMS", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable Snmpv3Tables[] = {
    KV_MIB_TABLE(SnmpEngineDefs, SVT_SV, 0),
    KV_MIB_TABLE(MpdStatsDefs, SVT_SV, 0),
    KV_MIB_TABLE(TargetGeneralDefs, SVT_SV, 0),
    KV_MIB_TABLE(TargetAddrDefs, MVT_UMV, 1),
    KV_MIB_TABLE(TargetParamsDefs, MVT_UMV, 1),
    KV_MIB_TABLE(UsmStatsDefs, SVT_SV, 0),
    KV_MIB_TABLE(UsmSpinLockDefs, SVT_SV, 0),
    KV_MIB_TABLE(UsmUserDefs, MVT_UMV, 2),
    KV_MIB_TABLE(VacmGroupDefs, MVT_UMV, 2),
    KV_MIB_TABLE(VacmAccessDefs, MVT_UMV, 4),
    KV_MIB_TABLE(VacmViewSpinLockDefs, SVT_SV, 0),
    KV_MIB_TABLE(VacmViewTreeDefs, MVT_UMV, 2),
    KV_MIB_TABLE(NotifyDefs, MVT_UMV, 1),
    KV_MIB_TABLE(NotifyProfileDefs, MVT_UMV, 1),
    KV_MIB_TABLE(NotifyFilterDefs, MVT_UMV, 2),
    KV_MIB_TABLE(CommunityDefs, MVT_UMV, 1),
    KV_MIB_TABLE(TargetAddrExtDefs, MVT_UMV, 1),
};

const KvMibSet Snmpv3Set = {"SNMPv3", Snmpv3Tables};
