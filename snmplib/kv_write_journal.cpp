#include "kv_write_journal.h"

#include "kv_option_list.h"

#include <atomic>
#include <chrono>
#include <unistd.h>

namespace {
KvWriteJournal *journal = nullptr;
// The scope open on the window thread; null outside any.
std::shared_ptr<KvJournalContext> current;
}  // namespace

std::string JournalAgentOf(const KvSNMPSettings &settings) {
  return settings.Device.Address + ":" + std::to_string(settings.Device.Port);
}

KvWriteJournal *WriteJournal() { return journal; }
void SetWriteJournal(KvWriteJournal *j) { journal = j; }

const std::string &KvJournalContext::TakeGroup() {
  if (Group.empty()) Group = NewJournalGroup();
  return Group;
}

KvJournalScope::KvJournalScope(const std::string &window, const std::string &undoes) : previous_(current) {
  if (current && current->Window == window && undoes.empty() && current->Undoes.empty()) return;
  current = std::make_shared<KvJournalContext>();
  current->Window = window;
  current->Undoes = undoes;
}

KvJournalScope::KvJournalScope(std::shared_ptr<KvJournalContext> context) : previous_(current) {
  current = std::move(context);
}

KvJournalScope::~KvJournalScope() { current = std::move(previous_); }

std::shared_ptr<KvJournalContext> KvJournalScope::Current() {
  return current ? current : std::make_shared<KvJournalContext>();
}

std::string NewJournalGroup() {
  static std::atomic<unsigned> count{0};
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
  return std::to_string(ms) + "-" + std::to_string(getpid()) + "-" + std::to_string(++count);
}

KvRowStatusKind RowStatusKindOf(const KvOptionList *options) {
  if (!options) return KvRowStatusKind::None;
  if (options->IndexOfLabel("destroy") >= 0 && options->IndexOfLabel("active") >= 0) return KvRowStatusKind::RowStatus;
  if (options->IndexOfLabel("createRequest") >= 0 && options->IndexOfLabel("invalid") >= 0)
    return KvRowStatusKind::EntryStatus;
  return KvRowStatusKind::None;
}

int DestroyStatusValue(KvRowStatusKind kind) { return kind == KvRowStatusKind::EntryStatus ? 4 : 6; }

bool CreatesRow(KvRowStatusKind kind, int64_t value) {
  if (kind == KvRowStatusKind::RowStatus) return value == 4 || value == 5;
  if (kind == KvRowStatusKind::EntryStatus) return value == 2;
  return false;
}
