#pragma once
// One write of a binding, as every window sends it: for the scope's lifetime the binding
// runs blocking, items can be left out of the request (marked invalid) or given a value
// (the RowStatus that creates or destroys a row), and Apply sends. On leaving the scope,
// by any path including an exception, the binding gets back its RequestMode and every
// item its access flags as they were when the scope began. A binding destroyed while
// the scope lets events run is left alone.
//
//   KvWriteScope write(*binding);
//   write.Collect();                          // the controls into the items
//   write.LeaveOut(3);                        // not sent this time
//   write.Apply();                            // one blocking Set; failures raise
//
// The binding's own fields (RequestMode, RefreshAfterSet, Request) stay usable: a
// window may set them before the scope or between its calls.

#include "kv_snmp_request2_controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class KvWriteScope {
public:
  explicit KvWriteScope(KvSNMPRequest2Controls &binding);
  ~KvWriteScope();
  KvWriteScope(const KvWriteScope &) = delete;
  KvWriteScope &operator=(const KvWriteScope &) = delete;

  // The binding's CollectValues (an edit binding: values cleared, the selected list
  // row copied, the controls read back).
  void Collect();
  // Marks the item invalid, so that the requests of this scope leave it out. An index
  // outside the list is ignored.
  void LeaveOut(int itemIndex);
  // Leaves out every item for which `leaveOut(index)` holds.
  void LeaveOutWhere(const std::function<bool(int)> &leaveOut);
  // Sets the item's value text, e.g. the RowStatus label "createAndGo" or "destroy".
  void SetValue(int itemIndex, const std::string &text);
  // The binding's Apply; blocking, so failures raise KvException.
  void Apply(bool refreshAfterSet = false, bool collectValues = false, const std::string &selection = "",
             const std::vector<std::string> *values = nullptr);

  // Gives the items their access flags back now (the end of the scope does it again);
  // for a window that reads the table again inside the scope.
  void RestoreFlags();

  // The mode the binding had before the scope (and gets back at its end).
  unsigned char SavedMode() const { return savedMode_; }
  // False once the binding has been destroyed.
  bool BindingAlive() const { return *alive_; }

private:
  KvSNMPVarItem *Item(int itemIndex) const;

  KvSNMPRequest2Controls &binding_;
  std::shared_ptr<const bool> alive_;
  unsigned char savedMode_;
  std::vector<unsigned> savedAccess_;
};
