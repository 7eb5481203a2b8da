#pragma once
// Undo: the last change made to an agent taken back. The change is the last group of
// writes (one action of a user: an Apply, a Delete, a restore) that went through, was
// not itself an Undo and was not taken back yet. Its writes are reversed last first: each
// object gets its value from before; a row the change created is destroyed; a row it
// destroyed is created again with the columns kept. A change that cannot be reversed
// (an object that did not exist or could not be read before, a secret, a row whose
// columns were not kept) is refused with the reason, and nothing is sent.

#include "change_journal.h"
#include "kv_snmp_session.h"

#include <string>
#include <vector>

// One Set of an Undo.
struct KvUndoStep {
  std::vector<SnmpVb> Bindings;
  std::vector<KvJournalObject> Objects;  // by binding: what it is, for the journal
};

struct KvUndoPlan {
  std::string Group;   // the change taken back ("" when there is none)
  std::string Window;  // where it was made
  std::string Time;    // when (its first line)
  std::vector<KvUndoStep> Steps;
  std::vector<std::string> Refusals;  // why it cannot be taken back
  bool CanUndo() const { return !Group.empty() && Refusals.empty() && !Steps.empty(); }
  // What the Undo will send, a line a binding ("swL2PortCtrlAdminState.5 = enabled (Integer:3)").
  std::vector<std::string> Describe() const;
};

// The plan for the last change of `agent` in the journal's `lines` (in file order).
// Without any change to take back, Group is "" and Refusals says so.
KvUndoPlan PlanUndo(const std::vector<KvJournalLine> &lines, const std::string &agent);

// The window name the Undo's writes are journaled under.
inline constexpr const char *kUndoWindow = "Undo last change";

// Sends the plan's Sets in order, journaled as an Undo of the change; raises the first
// failure (KvException), the Sets after it not sent.
void ExecuteUndo(const KvUndoPlan &plan, const KvSNMPSettings &settings);
