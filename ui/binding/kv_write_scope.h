#pragma once
// One write of a binding, as every window sends it: for the scope's lifetime the binding
// runs blocking; items can be left out of the write or given a value (the RowStatus that
// creates or destroys a row), and Apply sends the others as one Set, reading back only
// their controls. Nothing on the items' definitions changes, so there is nothing to give
// back afterwards; on leaving the scope, by any path including an exception, the binding
// gets back its RequestMode. A binding destroyed while the scope lets events run is left
// alone.
//
//   KvWriteScope write(*binding);
//   write.LeaveOut(3);                        // not sent this time
//   write.Apply(false, true);                 // the controls read back, one blocking Set
//
// The binding's own fields (RequestMode, RefreshAfterSet, Request) stay usable: a
// window may set them before the scope or between its calls.

#include "kv_snmp_request2_controls.h"

#include <functional>
#include <memory>
#include <set>
#include <string>

class KvWriteScope {
public:
  explicit KvWriteScope(KvSNMPRequest2Controls &binding);
  ~KvWriteScope();
  KvWriteScope(const KvWriteScope &) = delete;
  KvWriteScope &operator=(const KvWriteScope &) = delete;

  // The binding's CollectValues for the items this scope sends (an edit binding: values
  // cleared, the selected list row copied, those items' controls read back).
  void Collect();
  // Leaves the item out of this scope's write. An index outside the list is ignored.
  void LeaveOut(int itemIndex);
  // Leaves out every item for which `leaveOut(index)` holds.
  void LeaveOutWhere(const std::function<bool(int)> &leaveOut);
  // Sets the item's value text, e.g. the RowStatus label "createAndGo" or "destroy".
  void SetValue(int itemIndex, const std::string &text);
  // The binding's Apply of the items not left out; blocking, so failures raise
  // KvException. A scope that leaves out every item sends nothing.
  void Apply(bool refreshAfterSet = false, bool collectValues = false);

  // The items sent, as the request's selection: their comma-separated indexes, or ""
  // for all when nothing is left out.
  std::string Selection() const;
  // The mode the binding had before the scope (and gets back at its end).
  unsigned char SavedMode() const { return savedMode_; }
  // False once the binding has been destroyed.
  bool BindingAlive() const { return *alive_; }

private:
  KvSNMPRequest2Controls &binding_;
  std::shared_ptr<const bool> alive_;
  unsigned char savedMode_;
  std::set<int> leftOut_;
};
