#pragma once
// One conversation with the agent about one variable list: Get, a GetNext walk of a
// table one row per call, and Set, blocking or answered through a completion callback
// that the event pump runs on the window thread. Answers are written back into the
// list's items as text.

#include "kv_messages.h"
#include "kv_snmp_session.h"
#include "kv_snmp_var_list.h"
#include "snmp_pdu.h"
#include "snmp_session.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Completion of an asynchronous Get or Set: the caller's data, the outcome (valid
// only during the call) and the request's variable list.
using KvSNMPCallback = std::function<void(void *userData, KvSNMPError *error, KvSNMPVarList *list)>;

class KvSNMPRequest : public KvSNMPSessionSettings {
public:
  KvSNMPRequest();
  // Stops answers from reaching this request; waits (at most 6 seconds, letting events
  // run) for outstanding asynchronous answers; forgets any that are still out.
  virtual ~KvSNMPRequest();
  KvSNMPRequest(const KvSNMPRequest &) = delete;
  KvSNMPRequest &operator=(const KvSNMPRequest &) = delete;

  // Reads the list. `first` starts over (scalars, or a table's first row); false
  // continues a walk from the last instances. True when a table row was read and more
  // may follow.
  bool Get(bool first);
  void GetAsync(KvSNMPCallback callback, void *userData, bool first);

  // Writes the editable items, or only those at the comma-separated item indexes of
  // `selection` (then taking their values from `values`, line by line, when given).
  // The list is left as it was before the call; with `readBack` the answer is then
  // processed as a read.
  bool Set(bool readBack, const std::string &selection = "",
           const std::vector<std::string> *values = nullptr);
  void SetAsync(KvSNMPCallback callback, void *userData, bool readBack,
                const std::string &selection = "", const std::vector<std::string> *values = nullptr);

  bool MatchesRowFilter() { return MatchesFilter(RowFilter); }
  // Decodes the INDEX items' values from a row instance.
  void DecodeRowIndexes(const std::string &rowInstance);

  int PendingCount() const { return pendingCount_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  bool UseGetNext = false;
  KvSNMPVarList VarList;
  std::string RowFilter;
  // A walk that reads more rows than this ends with an error (-531): an agent whose
  // table never ends must not hold the window for ever.
  int MaxRows = kMaxRows;

  // The points where a specialised request could change value handling.
  virtual std::string SubstituteValues(const std::string &expression, bool quoteText,
                                       const std::string &marker);
  virtual std::string DecodeIndex(int itemIndex, const std::string &instance);
  virtual std::string EncodeIndex(int itemIndex);
  // A value that the item's syntax cannot be read from (another type, or fewer octets
  // than a double, bcdatetime or datetime needs) is stored as no value: "(NULL)".
  virtual void StoreVbValue(int itemIndex, const SnmpVb &vb);
  virtual void LoadVbValue(int itemIndex, SnmpVb &vb);
  virtual void DeriveValue(int itemIndex, bool afterRead);
  virtual bool MatchesFilter(const std::string &condition);
  virtual bool IsPastColumn(const std::string &columnOid, const std::string &previousOid,
                            const std::string &receivedOid);

  // The longest the destructor waits for outstanding answers.
  static constexpr int kDestroyWaitMs = 6000;
  static constexpr int kMaxRows = 100000;

private:
  enum PduKind { ReadFirst = 0, ReadOnwards = 1, Write = 2 };

  bool IsTable() const { return VarList.ItemType == MVT_FMV || VarList.ItemType == MVT_UMV; }
  std::string BaseOid(int itemIndex) const;
  std::string RowInstance();
  std::string ItemValue(int itemIndex) const;  // the value text, label turned back into value
  SnmpPdu BuildPdu(PduKind kind);
  SnmpOperation ReadOperation() const;
  // True for a row read with more to follow; `finished` tells that the walk ended (every
  // readable item past its column, or SNMPv1's noSuchName for the OID asked for).
  // `asked` is the kind of PDU answered. Raises the -102 that is not the end of a walk,
  // -530 for a GetNext answer inside a column that does not pass the OID asked for, and
  // -531 past MaxRows rows.
  bool ProcessResponse(int code, const std::string &text, const SnmpPdu &response, PduKind asked,
                       bool &finished);
  void PrepareSet(const std::string &selection, const std::vector<std::string> *values);
  void SendAsync(SnmpOperation op, PduKind kind, const SnmpPdu &pdu, KvSNMPCallback callback,
                 void *userData, bool readBack);
  void Complete(int status, const SnmpPdu &response, const KvSNMPCallback &callback, void *userData,
                bool readBack, PduKind asked);

  bool enabled_ = true;
  int pendingCount_ = 0;
  int rowsRead_ = 0;  // rows of the walk under way
  std::set<SnmpRequestId> outstanding_;
  // Shared with the completions in flight, so that one arriving after the request is
  // gone sees that it is gone.
  std::shared_ptr<KvSNMPRequest *> self_;
};
