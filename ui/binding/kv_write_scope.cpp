#include "kv_write_scope.h"

KvWriteScope::KvWriteScope(KvSNMPRequest2Controls &binding)
    : binding_(binding), alive_(binding.AliveFlag()), savedMode_(binding.RequestMode) {
  binding.RequestMode = KvSNMPRequest2Controls::Blocking;
}

KvWriteScope::~KvWriteScope() {
  if (*alive_) binding_.RequestMode = savedMode_;
}

std::string KvWriteScope::Selection() const {
  if (leftOut_.empty() || !*alive_) return {};
  const KvSNMPVarList &list = binding_.Request.VarList;
  std::string selection;
  for (int i = 0; i < list.GetCount(); ++i) {
    // An item that its definition marks invalid is never sent, selected or not.
    if (leftOut_.count(i) || (list.GetItem(i)->Access & Access::Invalid)) continue;
    if (!selection.empty()) selection += ',';
    selection += std::to_string(i);
  }
  return selection;
}

void KvWriteScope::Collect() {
  if (*alive_) binding_.CollectValues(Selection());
}

void KvWriteScope::LeaveOut(int itemIndex) {
  if (*alive_ && itemIndex >= 0 && itemIndex < binding_.Request.VarList.GetCount()) leftOut_.insert(itemIndex);
}

void KvWriteScope::LeaveOutWhere(const std::function<bool(int)> &leaveOut) {
  if (!*alive_) return;
  for (int i = 0; i < binding_.Request.VarList.GetCount(); ++i)
    if (leaveOut(i)) LeaveOut(i);
}

void KvWriteScope::SetValue(int itemIndex, const std::string &text) {
  if (!*alive_ || itemIndex < 0 || itemIndex >= binding_.Request.VarList.GetCount()) return;
  binding_.Request.VarList.GetItem(itemIndex)->Value = text;
}

void KvWriteScope::Apply(bool refreshAfterSet, bool collectValues) {
  if (!*alive_) return;
  const std::string selection = Selection();
  if (!leftOut_.empty() && selection.empty()) return;  // nothing left to send
  binding_.Apply(refreshAfterSet, collectValues, selection);
}
