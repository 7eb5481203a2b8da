#include "kv_write_scope.h"

KvWriteScope::KvWriteScope(KvSNMPRequest2Controls &binding)
    : binding_(binding), alive_(binding.AliveFlag()), savedMode_(binding.RequestMode) {
  const KvSNMPVarList &list = binding.Request.VarList;
  savedAccess_.reserve(static_cast<size_t>(list.GetCount()));
  for (int i = 0; i < list.GetCount(); ++i) savedAccess_.push_back(list.GetItem(i)->Access);
  binding.RequestMode = KvSNMPRequest2Controls::Blocking;
}

KvWriteScope::~KvWriteScope() {
  if (!*alive_) return;
  RestoreFlags();
  binding_.RequestMode = savedMode_;
}

void KvWriteScope::RestoreFlags() {
  if (!*alive_) return;
  const KvSNMPVarList &list = binding_.Request.VarList;
  for (int i = 0; i < list.GetCount() && i < static_cast<int>(savedAccess_.size()); ++i)
    list.GetItem(i)->Access = savedAccess_[static_cast<size_t>(i)];
}

KvSNMPVarItem *KvWriteScope::Item(int itemIndex) const {
  if (!*alive_ || itemIndex < 0 || itemIndex >= binding_.Request.VarList.GetCount()) return nullptr;
  return binding_.Request.VarList.GetItem(itemIndex);
}

void KvWriteScope::Collect() {
  if (*alive_) binding_.CollectValues();
}

void KvWriteScope::LeaveOut(int itemIndex) {
  if (KvSNMPVarItem *item = Item(itemIndex)) item->Access |= Access::Invalid;
}

void KvWriteScope::LeaveOutWhere(const std::function<bool(int)> &leaveOut) {
  if (!*alive_) return;
  for (int i = 0; i < binding_.Request.VarList.GetCount(); ++i)
    if (leaveOut(i)) LeaveOut(i);
}

void KvWriteScope::SetValue(int itemIndex, const std::string &text) {
  if (KvSNMPVarItem *item = Item(itemIndex)) item->Value = text;
}

void KvWriteScope::Apply(bool refreshAfterSet, bool collectValues, const std::string &selection,
                         const std::vector<std::string> *values) {
  if (*alive_) binding_.Apply(refreshAfterSet, collectValues, selection, values);
}
