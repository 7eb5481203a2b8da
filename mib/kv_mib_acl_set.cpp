// ACL definition set. Masks are indexed by the profile ID, rules by the profile ID and
// the access ID. The names are the list views' column captions.

#include "kv_mib_acl_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(AclSetOrder)(values)

OPTIONS(EthernetUsevlan, EnabledDisabled);
OPTIONS(EthernetMacAddrMaskState, MacMaskStates);
OPTIONS(EthernetUse8021p, EnabledDisabled);
OPTIONS(EthernetUseEthernetType, EnabledDisabled);
OPTIONS(EthernetRowStatus, RowStatuses);
#define BASE "1.3.6.1.4.1.171.12.9.1.1.1"
const KvSNMPVarDef AclEthernetMaskDefs[] = {
    {BASE ".1", "swACLEthernetProfileID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swACLEthernetPort", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".3", "swACLEthernetUsevlan", Syntax::Integer, Access::ReadWrite, &EthernetUsevlan},
    {BASE ".4", "swACLEthernetMacAddrMaskState", Syntax::Integer, Access::ReadWrite, &EthernetMacAddrMaskState},
    {BASE ".5", "swACLEthernetSrcMacAddrMask", Syntax::MacAddress, Access::ReadWrite, nullptr},
    {BASE ".6", "swACLEthernetDstMacAddrMask", Syntax::MacAddress, Access::ReadWrite, nullptr},
    {BASE ".7", "swACLEthernetUse8021p", Syntax::Integer, Access::ReadWrite, &EthernetUse8021p},
    {BASE ".8", "swACLEthernetUseEthernetType", Syntax::Integer, Access::ReadWrite, &EthernetUseEthernetType},
    {BASE ".9", "swACLEthernetRowStatus", Syntax::Integer, Access::ReadWrite, &EthernetRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(IpUsevlan, EnabledDisabled);
OPTIONS(IpIpAddrMaskState, IpMaskStates);
OPTIONS(IpUseDscp, EnabledDisabled);
OPTIONS(IpUseProtoType, AclProtocols);
OPTIONS(IpIcmpOption, IcmpOptions);
OPTIONS(IpIgmpOption, EnableDisable);
OPTIONS(IpTcpOption, PortMaskOptions);
OPTIONS(IpUdpOption, PortMaskOptions);
OPTIONS(IpTcpFlagBit, EnableDisable);
OPTIONS(IpRowStatus, RowStatuses);
#define BASE "1.3.6.1.4.1.171.12.9.1.2.1"
const KvSNMPVarDef AclIpMaskDefs[] = {
    {BASE ".1", "swACLIpProfileID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swACLIpPort", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".3", "swACLIpUsevlan", Syntax::Integer, Access::ReadWrite, &IpUsevlan},
    {BASE ".4", "swACLIpIpAddrMaskState", Syntax::Integer, Access::ReadWrite, &IpIpAddrMaskState},
    {BASE ".5", "swACLIpSrcIpAddrMask", Syntax::IpAddress, Access::ReadWrite, nullptr},
    {BASE ".6", "swACLIpDstIpAddrMask", Syntax::IpAddress, Access::ReadWrite, nullptr},
    {BASE ".7", "swACLIpUseDSCP", Syntax::Integer, Access::ReadWrite, &IpUseDscp},
    {BASE ".8", "swACLIpUseProtoType", Syntax::Integer, Access::ReadWrite, &IpUseProtoType},
    {BASE ".9", "swACLIpIcmpOption", Syntax::Integer, Access::ReadWrite, &IpIcmpOption},
    {BASE ".10", "swACLIpIgmpOption", Syntax::Integer, Access::ReadWrite, &IpIgmpOption},
    {BASE ".11", "swACLIpTcpOption", Syntax::Integer, Access::ReadWrite, &IpTcpOption},
    {BASE ".12", "swACLIpUdpOption", Syntax::Integer, Access::ReadWrite, &IpUdpOption},
    {BASE ".13", "swACLIpTCPorUDPSrcPortMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".14", "swACLIpTCPorUDPDstPortMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".15", "swACLIpTCPFlagBit", Syntax::Integer, Access::ReadWrite, &IpTcpFlagBit},
    {BASE ".16", "swACLIpTCPFlagBitMask", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".17", "swACLIpProtoIDMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".18", "swACLIpUserDefineMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".19", "swACLIpRowStatus", Syntax::Integer, Access::ReadWrite, &IpRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// Each offset mask is the 16 bytes of its offset range as hexadecimal text.
OPTIONS(PktContMaskRowStatus, RowStatuses);
#define BASE "1.3.6.1.4.1.171.12.9.1.3.1"
const KvSNMPVarDef AclPktContMaskDefs[] = {
    {BASE ".1", "swACLPktContMaskProfileID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swACLPktContMaskPort", Syntax::BitStr, Access::ReadWrite, nullptr},
    {BASE ".3", "swACLPktContMaskOffset0to15", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "swACLPktContMaskOffset16to31", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "swACLPktContMaskOffset32to47", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".6", "swACLPktContMaskOffset48to63", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "swACLPktContMaskOffset64to79", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".8", "swACLPktContMaskRowStatus", Syntax::Integer, Access::ReadWrite, &PktContMaskRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// Sub-identifiers 11 and 12 are not used: Permit is .13.
OPTIONS(EtherRuleEnablePriority, EnabledDisabled);
OPTIONS(EtherRuleReplacePriority, EnabledDisabled);
OPTIONS(EtherRulePermit, DenyPermit);
OPTIONS(EtherRuleRowStatus, RowStatuses);
#define BASE "1.3.6.1.4.1.171.12.9.2.1.1"
const KvSNMPVarDef AclEthernetRuleDefs[] = {
    {BASE ".1", "swACLEtherRuleProfileID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swACLEtherRuleAccessID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "swACLEtherRuleVlan", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "swACLEtherRuleSrcMacAddress", Syntax::MacAddress, Access::ReadWrite, nullptr},
    {BASE ".5", "swACLEtherRuleDstMacAddress", Syntax::MacAddress, Access::ReadWrite, nullptr},
    {BASE ".6", "swACLEtherRule8021P", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".7", "swACLEtherRuleEtherType", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".8", "swACLEtherRuleEnablePriority", Syntax::Integer, Access::ReadOnly, &EtherRuleEnablePriority},
    {BASE ".9", "swACLEtherRulePriority", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".10", "swACLEtherRuleReplacePriority", Syntax::Integer, Access::ReadOnly, &EtherRuleReplacePriority},
    {BASE ".13", "swACLEtherRulePermit", Syntax::Integer, Access::ReadWrite, &EtherRulePermit},
    {BASE ".14", "swACLEtherRuleRowStatus", Syntax::Integer, Access::ReadWrite, &EtherRuleRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// Sub-identifiers 15 to 17 are not used.
OPTIONS(IpRuleProtocol, AclProtocols);
OPTIONS(IpRuleEnableReplaceDscp, EnabledDisabled);
OPTIONS(IpRulePermit, DenyPermit);
OPTIONS(IpRuleRowStatus, RowStatuses);
#define BASE "1.3.6.1.4.1.171.12.9.2.2.1"
const KvSNMPVarDef AclIpRuleDefs[] = {
    {BASE ".1", "swACLIpRuleProfileID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swACLIpRuleAccessID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "swACLIpRuleVlan", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "swACLIpRuleSrcIpaddress", Syntax::IpAddress, Access::ReadWrite, nullptr},
    {BASE ".5", "swACLIpRuleDstIpaddress", Syntax::IpAddress, Access::ReadWrite, nullptr},
    {BASE ".6", "swACLIpRuleDscp", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".7", "swACLIpRuleProtocol", Syntax::Integer, Access::ReadOnly, &IpRuleProtocol},
    {BASE ".8", "swACLIpRuleType", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".9", "swACLIpRuleCode", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".10", "swACLIpRuleSrcPort", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".11", "swACLIpRuleDstPort", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".12", "swACLIpRuleFlagBits", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".13", "swACLIpRuleProtoID", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".14", "swACLIpRuleUserMask", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".18", "swACLIpRuleEnableReplaceDscp", Syntax::Integer, Access::ReadOnly, &IpRuleEnableReplaceDscp},
    {BASE ".19", "swACLIpRuleRepDscp", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".20", "swACLIpRulePermit", Syntax::Integer, Access::ReadWrite, &IpRulePermit},
    {BASE ".21", "swACLIpRuleRowStatus", Syntax::Integer, Access::ReadWrite, &IpRuleRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PktContRuleEnablePriority, EnabledDisabled);
OPTIONS(PktContRuleReplacePriority, EnabledDisabled);
OPTIONS(PktContRuleEnableReplaceDscp, EnabledDisabled);
OPTIONS(PktContRulePermit, DenyPermit);
OPTIONS(PktContRuleRowStatus, RowStatuses);
#define BASE "1.3.6.1.4.1.171.12.9.2.3.1"
const KvSNMPVarDef AclPktContRuleDefs[] = {
    {BASE ".1", "swACLPktContRuleProfileID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "swACLPktContRuleAccessID", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".3", "swACLPktContRuleOffset0to15", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "swACLPktContRuleOffset16to31", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "swACLPktContRuleOffset32to47", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".6", "swACLPktContRuleOffset48to63", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".7", "swACLPktContRuleOffset64to79", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".8", "swACLPktContRuleEnablePriority", Syntax::Integer, Access::ReadOnly, &PktContRuleEnablePriority},
    {BASE ".9", "swACLPktContRulePriority", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".10", "swACLPktContRuleReplacePriority", Syntax::Integer, Access::ReadOnly, &PktContRuleReplacePriority},
    {BASE ".11", "swACLPktContRuleEnableReplaceDscp", Syntax::Integer, Access::ReadOnly,
     &PktContRuleEnableReplaceDscp},
    {BASE ".12", "swACLPktContRuleRepDscp", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".13", "swACLPktContRulePermit", Syntax::Integer, Access::ReadWrite, &PktContRulePermit},
    {BASE ".14", "swACLPktContRuleRowStatus", Syntax::Integer, Access::ReadWrite, &PktContRuleRowStatus},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable AclTables[] = {
    KV_MIB_TABLE(AclEthernetMaskDefs, MVT_UMV, 1),
    KV_MIB_TABLE(AclIpMaskDefs, MVT_UMV, 1),
    KV_MIB_TABLE(AclPktContMaskDefs, MVT_UMV, 1),
    KV_MIB_TABLE(AclEthernetRuleDefs, MVT_UMV, 2),
    KV_MIB_TABLE(AclIpRuleDefs, MVT_UMV, 2),
    KV_MIB_TABLE(AclPktContRuleDefs, MVT_UMV, 2),
};

const KvMibSet AclSet = {"ACL", AclTables};
