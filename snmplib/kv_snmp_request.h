#pragma once
// One conversation with the agent about one variable list: Get, a walk of a table one
// row per call, and Set, blocking or answered through a completion callback that the
// event pump runs on the window thread. Answers are written back into the list's items
// as text.
//
// A walk asks for one row per request with GetNext on SNMPv1. On SNMPv2c and SNMPv3 it
// asks for many rows at once with GetBulk of all the walked columns, keeps them, and
// hands them out one per call exactly as GetNext answers would have come: each call
// answers from the rows kept what it would have asked the agent, and asks the agent
// (in bulk again) only when they cannot tell. Settings.Timing.MaxRepetitions
// sets how many rows; an agent that answers tooBig is asked for half as many from then
// on; one that answers a GetBulk with any other error, or leaves it unanswered and then
// answers the same read as GetNext, is walked one row per request for as long as the
// session lives. An agent that answered a GetBulk before and leaves one unanswered is
// not asked again with GetNext: the read times out after its own tries.

#include "kv_messages.h"
#include "kv_snmp_session.h"
#include "kv_snmp_var_list.h"
#include "kv_write_journal.h"
#include "snmp_pdu.h"
#include "snmp_session.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Completion of an asynchronous Get or Set: the caller's data, the outcome (valid
// only during the call) and the request's variable list.
using KvSNMPCallback = std::function<void(void *userData, KvSNMPError *error, KvSNMPVarList *list)>;

class KvSNMPRequest {
public:
  // Takes `settings` (by default the session's as they are now) for all it sends.
  explicit KvSNMPRequest(const KvSNMPSettings &settings = SNMPSettings);
  // Stops answers from reaching this request and forgets those still on their way,
  // without waiting for them.
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
  // Writes `bindings` as they are, naming them in the journal by `objects` (one each,
  // their Name, Index and Status; the rest is filled in): the Sets of an Undo. Blocking.
  void SetBindings(const std::vector<SnmpVb> &bindings, const std::vector<KvJournalObject> &objects);

  // True when the last Get filled the list but for objects that the agent lacks: an
  // SNMPv1 agent answered noSuchName, and the read was asked again without them (as
  // often as there are items). They read "(NULL)", as an SNMPv2c read shows them; the
  // read then raises (or answers) -102 with their names.
  bool PartlyRead() const { return partlyRead_; }

  bool MatchesRowFilter() { return MatchesFilter(RowFilter); }
  // Decodes the INDEX items' values from a row instance.
  void DecodeRowIndexes(const std::string &rowInstance);

  int PendingCount() const { return pendingCount_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // Takes the session's settings again, for a request that lives on after they changed;
  // the number of tries stays the request's own.
  void LoadSessionSettings() {
    const uint32_t retries = Settings.Timing.Retries;
    Settings = SNMPSettings;
    Settings.Timing.Retries = retries;
  }

  // The agent, credentials and timing of every operation; a window that needs more time
  // for one (saving the configuration, a reboot) sets Settings.Timing here.
  KvSNMPSettings Settings;
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

  // Far above the largest tables of real agents (forwarding databases of a million
  // entries); an agent going round in circles is stopped sooner, by the OID check.
  static constexpr int kMaxRows = 10000000;
  // Values a bulk walk asks for per answer when the settings leave it the choice: rows
  // enough to fill about this many, well inside what agents answer.
  static constexpr int kBulkValuesPerAnswer = 60;

private:
  enum PduKind { ReadFirst = 0, ReadOnwards = 1, Write = 2 };

  bool IsTable() const { return VarList.ItemType == MVT_FMV || VarList.ItemType == MVT_UMV; }
  std::string BaseOid(int itemIndex) const;
  std::string RowInstance();
  std::string ItemValue(int itemIndex) const;  // the value text, label turned back into value
  // With `written`, the items a Write sends, in the order of the PDU's bindings.
  SnmpPdu BuildPdu(PduKind kind, std::vector<int> *written = nullptr);
  SnmpOperation ReadOperation() const;
  // True for a row read with more to follow; `finished` tells that the walk ended (every
  // readable item past its column, or SNMPv1's noSuchName for the OID asked for).
  // `asked` is the kind of PDU answered. Raises the -102 that is not the end of a walk,
  // -530 for a GetNext answer inside a column that does not pass the OID asked for, and
  // -531 past MaxRows rows.
  bool ProcessResponse(int code, const std::string &text, const SnmpPdu &response, PduKind asked,
                       bool &finished);
  // The bindings of an answer, or the rows kept that answer it, in the order asked.
  using Bindings = std::vector<const SnmpVb *>;
  // ProcessResponse for a row of a table walk.
  bool ProcessRow(int code, const std::string &text, const Bindings &vbs, PduKind asked, bool &finished);
  void DecodeRowIndexes(const uint32_t *row, size_t length);
  // The walk's OIDs kept as numbers, by item: its column (BaseOid), and the instance
  // the walk read last, with the text it wrote to the item's Instance (an Instance
  // changed since is read from its text again).
  void PrepareColumns();
  const std::vector<uint32_t> *InstanceOid(int itemIndex);
  void SetInstance(int itemIndex, const uint32_t *oid, size_t length);
  std::vector<std::vector<uint32_t>> columns_;
  std::vector<std::vector<uint32_t>> instances_;
  std::vector<std::string> instanceTexts_;
  // Whether a read of `kind` asks for item i: readable, and on a walk not yet past its column.
  bool Asks(int itemIndex, PduKind kind) const;
  // On SNMPv1's noSuchName for one column of a walk: ends that column and tells that the
  // read is to be asked again for the others.
  bool EndColumnAt(const SnmpPdu &response, PduKind kind);
  void ReadAsync(KvSNMPCallback callback, void *userData, PduKind kind);
  // A Get of scalars that leaves out, one by one, the objects an SNMPv1 agent names
  // in noSuchName answers (their positions in `pdu` go to `missing`); the answer comes
  // back for the whole of `pdu`, the objects left out as missing ones.
  int GetLeavingOutMissing(const SnmpTarget &target, const SnmpPdu &pdu, SnmpPdu &response,
                           std::vector<size_t> &missing);
  using GetAnswered = std::function<void(KvSNMPRequest &request, int status, const SnmpPdu &response,
                                         const std::vector<size_t> &missing)>;
  void GetLeavingOutMissingAsync(const SnmpTarget &target, const SnmpPdu &pdu, GetAnswered answered,
                                 std::shared_ptr<std::vector<size_t>> missing);
  // The noSuchName text naming the items at the bindings `missing`.
  std::string MissingText(const std::vector<size_t> &missing) const;
  void PrepareSet(const std::string &selection, const std::vector<std::string> *values);
  // The change journal's part of a write (kv_write_journal.h). The objects of a Set of
  // the items `written` (while the list holds the values sent), with the columns of a
  // row it destroys; the write's agent, window and group.
  // Null when the program keeps no journal.
  std::shared_ptr<KvJournalWrite> StartJournalWrite(const std::vector<int> &written, const SnmpPdu &pdu);
  std::shared_ptr<KvJournalWrite> NewJournalWrite() const;
  // The old values read, the Set sent and the write recorded; its outcome in `code` and `text`.
  void JournaledSet(const SnmpTarget &target, const SnmpPdu &pdu, KvJournalWrite &write, SnmpPdu &response,
                    int &code, std::string &text);
  void JournaledSetAsync(const SnmpTarget &target, const SnmpPdu &pdu, std::shared_ptr<KvJournalWrite> write,
                         KvSNMPCallback callback, void *userData, bool readBack);
  // Sends `pdu` to `target` (built once by the caller) and completes through `callback`.
  void SendAsync(SnmpOperation op, const SnmpTarget &target, PduKind kind, const SnmpPdu &pdu,
                 KvSNMPCallback callback, void *userData, bool readBack);
  // What happens to an answer: `answered` runs on the window thread unless the request
  // is gone. With `post`, nothing is sent: `response` comes back as though it had.
  using Answered = std::function<void(KvSNMPRequest &request, int status, const SnmpPdu &response)>;
  void Launch(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &pdu, Answered answered,
              const SnmpPdu *post = nullptr);

  // Rows asked for per request of this walk: 0 or 1 mean one row per request (GetNext).
  // Left to the walk, it starts from what the agent's answers held before and grows
  // while they come back whole (LearnAnswerSize); never above what a tooBig left.
  int BulkRepetitions(const SnmpTarget &target, int columns) const;
  // The bulk walk. A read of a table (`pdu` the GetNext a one-row walk would send)
  // answered from the rows kept, or by asking the agent in bulk.
  int ReadRows(const SnmpTarget &target, const SnmpPdu &pdu, SnmpPdu &response);
  void ReadRowsAsync(PduKind kind, const SnmpPdu &pdu, KvSNMPCallback callback, void *userData);
  void AskInBulkAsync(const SnmpTarget &target, PduKind kind, const SnmpPdu &pdu, KvSNMPCallback callback,
                      void *userData);
  // What an answer to a GetBulk means for the read: rows kept, ask again (fewer rows, or
  // one row as the agent refused GetBulk), no answer (ask one row), or the read failed.
  enum class BulkOutcome { Kept, AskAgain, Unanswered, Failed };
  // Learns from the agent's answer to a GetBulk of `repetitions` asked in place of `pdu`.
  BulkOutcome TakeBulkAnswer(const SnmpTarget &target, const SnmpPdu &pdu, int repetitions, int status,
                             const SnmpPdu &answer);
  static SnmpPdu BulkPdu(const SnmpPdu &pdu, int repetitions);
  // What a whole or cut-short answer tells of the repetitions that fit (see BulkRepetitions).
  void LearnAnswerSize(SnmpBulkState &state, const SnmpPdu &pdu, int repetitions, const SnmpPdu &answer);
  int walkRepetitions_ = 0;  // rows the walk under way asks for next; 0 not yet chosen
  void NoteOneRowAnswer(const SnmpTarget &target, int status);
  // The GetNext answer to `pdu` that the rows kept tell, if they tell every binding:
  // the bindings point into the rows kept, valid until they change.
  bool AnswerFromRows(const SnmpPdu &pdu, Bindings &answer, std::vector<SnmpVb> &ends);
  bool AnswerFromRows(const SnmpPdu &pdu, SnmpPdu &response);
  void KeepRows(const SnmpPdu &pdu, const SnmpPdu &answer);
  void ForgetRows();

  // What the last GetBulk told of the agent's tree: from an OID that was asked for (or
  // answered), the next one. As nothing lies between an OID and its next, that answer
  // also holds for every OID in between.
  struct Next {
    std::vector<uint32_t> From;
    SnmpVb Vb;
    bool EndOfView = false;  // nothing follows
    bool ExactOnly = false;  // the agent did not advance: true of this very OID only
  };
  std::vector<Next> ahead_;        // by From, ascending, each From once
  std::vector<size_t> aheadHint_;  // by binding: where its last answer was found
  KvSNMPSettings aheadSettings_;   // the agent, credentials and context the rows came from
  SnmpPdu aheadAnswer_;            // an answer from them: no bindings, the agent that sent it
  const Next *FindAhead(const std::vector<uint32_t> &oid, size_t &hint) const;

  void Complete(int status, const SnmpPdu &response, const KvSNMPCallback &callback, void *userData,
                bool readBack, PduKind asked, const std::vector<size_t> &missing = {},
                const Bindings *rows = nullptr);
  // Complete for one answer; `rows`, when given, holds its bindings.
  void CompleteOne(int status, const SnmpPdu &response, const Bindings *rows, const KvSNMPCallback &callback,
                   void *userData, bool readBack, PduKind asked, const std::vector<size_t> &missing);
  // A row that the rows kept answer, asked for by a callback while rows are handed
  // out: it is handed out when that callback returns, rather than from a later round
  // of the event pump, for as long as kHandOutMs lasts; then the pump gets its turn.
  struct Queued {
    KvSNMPCallback Callback;
    void *UserData = nullptr;
    PduKind Kind = ReadOnwards;
    Bindings Rows;
    std::vector<SnmpVb> Ends;  // the end-of-view bindings that Rows point to
  };
  std::unique_ptr<Queued> queued_;
  bool handingOut_ = false;
  std::chrono::steady_clock::time_point handOutStart_;
  static constexpr int kHandOutMs = 10;
  // Sends a queued row through the event pump, as rows handed out later are.
  void PostQueued();
  // Hands out rows that the kept rows or the columns read side by side answer.
  void HandOut(PduKind kind, const SnmpPdu &pdu, Bindings rows, std::vector<SnmpVb> ends, KvSNMPCallback callback,
               void *userData);

  // An asynchronous walk with Timing.InFlight above 1 on an agent that answered GetBulk:
  // each column read by GetBulk of its own (streams, at most InFlight on their way at
  // once), their answers kept column by column and joined into rows by index, as the
  // one-request walk joins them. A stream that gets anything but a whole or cut-short
  // answer, or an answer that came only after a retry (a request lost), ends the side by
  // side reading: the walk goes on one request at a time from where it is, and after a
  // loss the agent is read one request at a time for the rest of the run.
  struct Stream {
    int Item = 0;
    std::vector<uint32_t> From;  // the next GetBulk asks from here
    std::deque<Next> Facts;      // what its answers told, in OID order, not yet passed
    bool Ended = false;          // it left its column or the agent's view
    bool Asking = false;
  };
  struct Parked {
    KvSNMPCallback Callback;
    void *UserData = nullptr;
    PduKind Kind = ReadOnwards;
    SnmpPdu Pdu;
  };
  struct SideBySide {
    SnmpTarget Target;
    std::vector<Stream> Streams;
    std::unique_ptr<Parked> Waiting;  // the read that waits for the streams
    bool Failed = false;
    int InFlight = 1;
    uint64_t Generation = 0;  // answers for an earlier side by side reading are dropped
  };
  std::unique_ptr<SideBySide> sideBySide_;
  uint64_t sideGeneration_ = 0;
  static constexpr size_t kStreamAhead = 4;  // answers a stream reads ahead of the walk
  bool StartSideBySide(const SnmpPdu &pdu);
  void AskStreams();
  void TakeStreamAnswer(size_t stream, int status, const SnmpPdu &answer);
  bool AnswerFromStreams(const SnmpPdu &pdu, Bindings &answer, std::vector<SnmpVb> &ends);
  // Ends the side by side reading; a read waiting for it is asked one request at a time.
  void StopSideBySide();

  bool enabled_ = true;
  bool partlyRead_ = false;
  int pendingCount_ = 0;
  int rowsRead_ = 0;  // rows of the walk under way
  std::vector<bool> ended_;  // by item: the column ran past its end in the walk under way
  std::set<SnmpRequestId> outstanding_;
  // Shared with the completions in flight, so that one arriving after the request is
  // gone sees that it is gone.
  std::shared_ptr<KvSNMPRequest *> self_;
};
