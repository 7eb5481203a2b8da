// Entity definition set. The names are the column captions: the object names without
// the table prefix. The index of both tables is not accessible.

#include "kv_mib_entity_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(EntitySetOrder)(values)

OPTIONS(PhysicalClass, PhysicalClasses);
OPTIONS(PhysicalIsFRU, TrueFalse);
#define BASE "1.3.6.1.2.1.47.1.1.1.1"
const KvSNMPVarDef EntityPhysicalDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "Descr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "VendorType", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {BASE ".4", "ContainedIn", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".5", "Class", Syntax::Integer, Access::ReadOnly, &PhysicalClass},
    {BASE ".6", "ParentRelPos", Syntax::Integer, Access::ReadOnly, nullptr},
    {BASE ".7", "Name", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".8", "HardwareRev", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".9", "FirmwareRev", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".10", "SoftwareRev", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".11", "SerialNum", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".12", "MfgName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".13", "ModelName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".14", "Alias", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".15", "AssetID", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".16", "IsFRU", Syntax::Integer, Access::ReadOnly, &PhysicalIsFRU},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

// The transport address is the UDP domain's 6 octets (address and port).
#define BASE "1.3.6.1.2.1.47.1.2.1.1"
const KvSNMPVarDef EntityLogicalDefs[] = {
    {BASE ".1", "Index", Syntax::Integer, Access::NotAccess, nullptr},
    {BASE ".2", "Descr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".3", "Type", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {BASE ".4", "Community", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {BASE ".5", "TAddress", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {BASE ".6", "TDomain", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {BASE ".7", "ContextEngineID", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {BASE ".8", "ContextName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable EntityTables[] = {
    KV_MIB_TABLE(EntityPhysicalDefs, MVT_FMV, 1),
    KV_MIB_TABLE(EntityLogicalDefs, MVT_FMV, 1),
};

const KvMibSet EntitySet = {"entity", EntityTables};
