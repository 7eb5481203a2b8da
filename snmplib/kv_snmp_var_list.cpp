#include "kv_snmp_var_list.h"

#include "kv_option_list.h"
#include "kv_text.h"

#include <cassert>

namespace {
std::optional<std::string> Copy(const char *text) {
  return text ? std::optional<std::string>(text) : std::nullopt;
}

const KvIntOption kItemTypes[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {0, nullptr}};

const KvIntOption kSyntaxes[] = {
    {Syntax::Integer, "integer"},     {Syntax::BitStr, "bitstr"},
    {Syntax::OctetStr, "octetstr"},   {Syntax::Null, "null"},
    {Syntax::ObjectId, "objectid"},   {Syntax::IpAddress, "ipaddress"},
    {Syntax::Counter, "counter"},     {Syntax::Gauge, "guage"},
    {Syntax::TimeTicks, "timeticks"}, {Syntax::Opaque, "opaque"},
    {Syntax::Counter64, "counter64"}, {Syntax::Boolean, "boolean"},
    {Syntax::NsapAddr, "nsapaddr"},   {Syntax::UInteger, "uinteger"},
    {Syntax::Double, "double"},       {Syntax::MacAddress, "macaddress"},
    {Syntax::DateTime, "datetime"},   {Syntax::BcDateTime, "bcdatetime"},
    {Syntax::DisplayStr, "displaystr"}, {Syntax::PortList, "portlist"},
    {Syntax::Bool8, "bool8"},
    {Syntax::Int8, "int8"},           {Syntax::UInt8, "uint8"},
    {Syntax::Bool16, "bool16"},       {Syntax::Int16, "int16"},
    {Syntax::UInt16, "uint16"},       {0, nullptr}};

const KvIntOption kAccesses[] = {
    {Access::NotAccess, "notaccess"}, {Access::ReadOnly, "readonly"},
    {Access::WriteOnly, "writeonly"}, {Access::ReadWrite, "readwrite"},
    {Access::Derived, "derived"},     {Access::Hidden, "hidden"},
    {Access::Invalid, "invalid"},     {0, nullptr}};
}  // namespace

const KvOptionList ItemTypeOptions(kItemTypes);
const KvOptionList SyntaxOptions(kSyntaxes);
const KvOptionList AccessOptions(kAccesses);

KvSNMPVarList::KvSNMPVarList(const KvSNMPVarDef *table, unsigned char itemType, int keyCount)
    : KeyCount(keyCount), ItemType(itemType) {
  Add(table);
}

KvSNMPVarList::KvSNMPVarList(const KvSNMPVarList &other) { *this = other; }

KvSNMPVarList &KvSNMPVarList::operator=(const KvSNMPVarList &other) {
  if (this == &other) return *this;
  ItemType = other.ItemType;
  KeyCount = other.KeyCount;
  Name = other.Name;
  std::vector<std::unique_ptr<KvSNMPVarItem>> copies;
  copies.reserve(other.items_.size());
  for (const auto &item : other.items_) copies.push_back(std::make_unique<KvSNMPVarItem>(*item));
  items_ = std::move(copies);
  return *this;
}

void KvSNMPVarList::Add(const KvSNMPVarDef *table) {
  if (!table) return;
  for (; table->Oid; ++table) {
    auto item = std::make_unique<KvSNMPVarItem>();
    item->Oid = table->Oid;
    item->Name = table->Name ? table->Name : "";
    item->Syntax = table->Syntax;
    item->Access = table->Access;
    item->Options = table->Options;
    item->GetExpression = Copy(table->GetExpression);
    item->SetExpression = Copy(table->SetExpression);
    item->Extra = Copy(table->Extra);
    if (table->Value) item->Value = table->Value;
    if (table->Instance) item->Instance = table->Instance;
    items_.push_back(std::move(item));
  }
}

void KvSNMPVarList::AppendOidSuffix(const std::string &suffix) {
  for (auto &item : items_) item->Oid += "." + suffix;
}

KvSNMPVarItem *KvSNMPVarList::GetItem(int index) const {
  assert(index >= 0 && index < GetCount());
  return items_[index].get();
}

KvSNMPVarItem *KvSNMPVarList::FindByName(const std::string &name) const {
  for (const auto &item : items_)
    if (EqualsIgnoreCase(item->Name, name)) return item.get();
  return nullptr;
}

bool KvSNMPVarList::IsImpliedKey(int index) const { return GetItem(index)->Access & Access::Implied; }

bool KvSNMPVarList::IsReadable(int index) const {
  const unsigned a = GetItem(index)->Access;
  return !(a & Access::Invalid) && (a & Access::ReadOnly);
}

bool KvSNMPVarList::IsEditable(int index) const {
  const unsigned a = GetItem(index)->Access;
  if (a & Access::Invalid) return false;
  const bool table = ItemType == MVT_FMV || ItemType == MVT_UMV;
  return (a & Access::WriteOnly) || (table && index < KeyCount);
}

bool KvSNMPVarList::IsVisible(int index) const {
  const unsigned a = GetItem(index)->Access;
  return !(a & (Access::Invalid | Access::Hidden)) &&
         (a & (Access::NotAccess | Access::ReadOnly | Access::Derived));
}

bool KvSNMPVarList::IsHidden(int index) const {
  const unsigned a = GetItem(index)->Access;
  return a == Access::WriteOnly || (a & (Access::Invalid | Access::Hidden));
}

int KvSNMPVarList::GetVisibleCount() const {
  int n = 0;
  for (int i = 0; i < GetCount(); ++i) n += IsVisible(i);
  return n;
}

int KvSNMPVarList::GetHiddenCount() const {
  int n = 0;
  for (int i = 0; i < GetCount(); ++i) n += IsHidden(i);
  return n;
}
