#pragma once
// The change journal as the request engine sees it. Every Set a request sends is
// recorded: before it goes out, the values it replaces are read (one Get of the same
// objects, with the write credentials); when the answer is in, the write with its old
// values, the values sent and the outcome goes to the journal that the program installed,
// before the caller hears of it. A program without a journal writes as before.
//
// Who wrote comes from the journal scope that is open while the write is started: the
// window (a scope opened by every handler of a window), and the group of writes that one
// action of the user makes, which Undo takes back as a whole. Completions of asynchronous
// writes run inside the scope their write was started in, so that a write started from
// one continues the group.

#include "kv_row_status.h"
#include "kv_snmp_session.h"
#include "snmp_pdu.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class KvOptionList;

// One object of a write.
struct KvJournalObject {
  std::string Name;   // the definition's name
  std::string Index;  // the instance below the object ("0" for a scalar)
  std::string Oid;    // the instance, dotted
  KvRowStatusKind Status = KvRowStatusKind::None;
  // False for a column of a row that the write destroys: not sent, only kept with its
  // value so that the row can be created again.
  bool Sent = true;
  // Keys, passwords and communities: neither value is kept.
  bool Secret = false;
  // The value before the write: nullopt when it could not be read; noSuchObject or
  // noSuchInstance when the object did not exist.
  std::optional<SnmpValue> Before;
  SnmpValue Value;  // what was sent
  // The values as the window names them, when it names them otherwise ("enabled").
  std::string BeforeLabel;
  std::string ValueLabel;
  // Where the labels come from (not kept): the option list, and the syntax for port lists.
  const KvOptionList *Options = nullptr;
  unsigned Syntax = 0;
};

// What one Set did.
struct KvJournalWrite {
  std::string Agent;    // "address:port"
  std::string Window;   // "" when written outside any window
  std::string Group;    // the user's action the write belongs to
  std::string Undoes;   // the group this write takes back, when it is an Undo
  std::vector<KvJournalObject> Objects;
  int Code = 0;         // library code of the outcome, 0 success
  std::string Outcome;  // its text
  std::shared_ptr<struct KvJournalContext> Context;  // the scope it was started in; not kept
};

// Where the writes go. Both calls raise KvException when the journal cannot be written.
class KvWriteJournal {
public:
  virtual ~KvWriteJournal() = default;
  // Before anything of a write to `agent` is sent: the journal can take it.
  virtual void Ready(const std::string &agent) = 0;
  // After the answer, before the caller is told.
  virtual void Record(const KvJournalWrite &write) = 0;
  // True for an object whose values are secrets (keys, passwords, communities).
  virtual bool IsSecret(const std::string &oid) const = 0;
};

// The agent as the journal names it: "address:port".
std::string JournalAgentOf(const KvSNMPSettings &settings);

// The program's journal, or null for none (not owned).
KvWriteJournal *WriteJournal();
void SetWriteJournal(KvWriteJournal *journal);

// The context writes are made in.
struct KvJournalContext {
  std::string Window;
  std::string Undoes;
  // The group, given when the first write of the scope asks for it.
  std::string Group;
  const std::string &TakeGroup();
};

// Open while a window's handler runs (or a program does one thing): writes started in it
// are recorded with `window` and share one group. A scope opened inside another of the
// same window (a handler run from another) continues the outer one's group; one of another
// window (a window shown from a handler) and one of an Undo begin their own.
class KvJournalScope {
public:
  explicit KvJournalScope(const std::string &window, const std::string &undoes = "");
  // Reopens a context, for the completion of a write started in it.
  explicit KvJournalScope(std::shared_ptr<KvJournalContext> context);
  ~KvJournalScope();
  KvJournalScope(const KvJournalScope &) = delete;
  KvJournalScope &operator=(const KvJournalScope &) = delete;

  // The context now open (one of its own, made for a write outside any scope, when
  // none is).
  static std::shared_ptr<KvJournalContext> Current();

private:
  std::shared_ptr<KvJournalContext> previous_;
};

// A group name no other write of any program has: the time, the process and a count.
std::string NewJournalGroup();

// The status kind of a column from its option list's labels.
KvRowStatusKind RowStatusKindOf(const KvOptionList *options);

// The status values that destroy a row, create one (leaving it to be completed, for
// EntryStatus) and put it in service.
int DestroyStatusValue(KvRowStatusKind kind);
bool CreatesRow(KvRowStatusKind kind, int64_t value);
