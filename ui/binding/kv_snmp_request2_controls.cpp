#include "kv_snmp_request2_controls.h"

#include "kv_exception.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_status_bar.h"
#include "kv_controls.h"

#include <QPlainTextEdit>

namespace {
// Counts an answer being handled for as long as the binding lives.
class AnswerScope {
public:
  AnswerScope(int &counter, std::shared_ptr<bool> alive) : counter_(counter), alive_(std::move(alive)) {
    ++counter_;
  }
  ~AnswerScope() {
    if (*alive_) --counter_;
  }

private:
  int &counter_;
  std::shared_ptr<bool> alive_;
};
}  // namespace

KvSNMPRequest2Controls::KvSNMPRequest2Controls(QWidget *owner)
    : Owner(owner), alive_(std::make_shared<bool>(true)) {}

KvSNMPRequest2Controls::~KvSNMPRequest2Controls() {
  *alive_ = false;
  Request.SetEnabled(false);
}

void KvSNMPRequest2Controls::SetStatusOutput(QPlainTextEdit *memo) { status_ = {memo, nullptr, -1}; }

void KvSNMPRequest2Controls::SetStatusOutput(KvStatusBar *statusBar) { status_ = {nullptr, statusBar, -1}; }

void KvSNMPRequest2Controls::SetStatusOutput(KvStatusBar *statusBar, int panelIndex) {
  status_ = {nullptr, statusBar, panelIndex < 0 ? 0 : panelIndex};
}

bool KvSNMPRequest2Controls::HasStatusOutput() const { return status_.Memo || status_.Bar; }

void KvSNMPRequest2Controls::ShowStatus(const std::string &message) {
  if (!HasStatusOutput()) return;
  const std::string line = FormatRequestLog(LastOperation, Request.VarList.Name, message);
  if (status_.Memo)
    status_.Memo->appendPlainText(ToQt(line));
  else if (status_.Panel < 0)
    status_.Bar->SetSimpleText(line);
  else
    status_.Bar->SetPanelText(status_.Panel, line);
}

void KvSNMPRequest2Controls::ReportFailure(const std::string &message) {
  if (HasStatusOutput()) {
    ShowStatus(message);
    return;
  }
  Platform::ShowMessageBox(Owner, message, Platform::ProgramFileName(), Platform::MsgButtons::Ok);
}

bool KvSNMPRequest2Controls::Busy() const {
  return busy_ && (blockingRun_ || inAnswer_ > 0 || Request.PendingCount() > 0);
}

int KvSNMPRequest2Controls::AddReadWatcher(ReadWatcher watcher) {
  const int id = nextWatcher_++;
  watchers_.emplace_back(id, std::move(watcher));
  return id;
}

void KvSNMPRequest2Controls::RemoveReadWatcher(int id) {
  std::erase_if(watchers_, [id](const auto &entry) { return entry.first == id; });
}

void KvSNMPRequest2Controls::TellWatchers(ReadEvent event) {
  if (watchers_.empty()) return;
  // A watcher may remove itself (or another) while it is told.
  const auto watchers = watchers_;
  for (const auto &[id, w] : watchers) {
    switch (event) {
    case ReadEvent::Started:
      if (w.Started) w.Started();
      break;
    case ReadEvent::RowShown:
      if (w.RowShown) w.RowShown();
      break;
    case ReadEvent::Ended:
    case ReadEvent::Failed:
      if (w.Ended) w.Ended(event == ReadEvent::Ended);
      break;
    }
  }
}

bool KvSNMPRequest2Controls::IsTableList() const {
  const unsigned char type = Request.VarList.ItemType;
  return type == MVT_FMV || type == MVT_UMV;
}

bool KvSNMPRequest2Controls::ShowMatchingRow() {
  if (Request.MatchesFilter("") && Request.MatchesRowFilter()) {
    const std::shared_ptr<bool> alive = alive_;
    ShowRow();
    if (!*alive) return false;
    ++RowCount;
    TellWatchers(ReadEvent::RowShown);
  }
  return true;
}

void KvSNMPRequest2Controls::FinishRefresh() {
  const std::shared_ptr<bool> alive = alive_;
  AfterRefresh();
  if (!*alive) return;
  busy_ = false;
  TellWatchers(ReadEvent::Ended);
  if (HasStatusOutput()) {
    LastOperation = GetOperation;
    ShowStatus(LibraryMessage(LibraryMsg::Ok));
  }
}

void KvSNMPRequest2Controls::Refresh() {
  LastOperation = GetOperation;
  // Before the old rows go, so that a watcher can see them.
  TellWatchers(ReadEvent::Started);
  BeforeRefresh();
  RowCount = 0;
  if (Request.VarList.ItemType > MVT_UMV) {
    TellWatchers(ReadEvent::Failed);
    RaiseLibrary(LibraryMsg::BadAssocItemType);
  }

  if (RequestMode == Blocking) {
    const std::shared_ptr<bool> alive = alive_;
    busy_ = blockingRun_ = true;
    try {
      if (IsTableList()) {
        for (bool more = Request.Get(true); more; more = Request.Get(false))
          if (!ShowMatchingRow()) return;
      } else {
        try {
          Request.Get(true);
        } catch (const KvException &) {
          if (!Request.PartlyRead()) throw;
          // The agent lacks some of the objects: the others are shown, and the missing
          // ones named in the failure.
          if (!ShowMatchingRow()) return;
          AfterRefresh();
          if (!*alive) return;
          throw;
        }
        if (!ShowMatchingRow()) return;
      }
      AfterRefresh();
      if (!*alive) return;
    } catch (...) {
      if (*alive) {
        busy_ = blockingRun_ = false;
        TellWatchers(ReadEvent::Failed);
      }
      throw;
    }
    busy_ = blockingRun_ = false;
    TellWatchers(ReadEvent::Ended);
    if (HasStatusOutput()) ShowStatus(LibraryMessage(LibraryMsg::Ok));
    return;
  }

  // A walk that was cut short by disabling the request left busy_ set; it starts over.
  busy_ = true;
  if (!Request.Enabled()) {
    busy_ = false;
    TellWatchers(ReadEvent::Failed);
    return;
  }
  try {
    StartGetAsync(true);
  } catch (...) {
    busy_ = false;
    TellWatchers(ReadEvent::Failed);
    throw;
  }
}

void KvSNMPRequest2Controls::StartGetAsync(bool first) {
  const std::shared_ptr<bool> alive = alive_;
  Request.GetAsync(
      [this, alive](void *, KvSNMPError *error, KvSNMPVarList *) {
        if (*alive && error) GetAnswered(*error);
      },
      this, first);
}

void KvSNMPRequest2Controls::GetAnswered(const KvSNMPError &error) {
  const std::shared_ptr<bool> alive = alive_;
  AnswerScope scope(inAnswer_, alive);
  try {
    if (error.Code != 0) {
      if (error.PartlyRead && !IsTableList()) {
        // The agent lacks some of the objects: the others are shown as well.
        if (!ShowMatchingRow()) return;
        AfterRefresh();
        if (!*alive) return;
      }
      busy_ = false;
      GetFailed(error);
      if (*alive) TellWatchers(ReadEvent::Failed);
      return;
    }
    if (!IsTableList()) {
      if (ShowMatchingRow()) FinishRefresh();
      return;
    }
    if (error.Done) {
      FinishRefresh();
      return;
    }
    if (!ShowMatchingRow()) return;
    if (Request.Enabled())
      StartGetAsync(false);
    else
      FinishRefresh();
  } catch (const std::exception &e) {
    // Nothing may leave an answer: the event pump called it.
    if (!*alive) return;
    busy_ = false;
    LastOperation = GetOperation;
    ReportFailure(e.what());
    if (*alive) TellWatchers(ReadEvent::Failed);
  }
}

void KvSNMPRequest2Controls::Apply(bool refreshAfterSet, bool collectValues, const std::string &selection,
                                   const std::vector<std::string> *values) {
  LastOperation = SetOperation;
  RefreshAfterSet = refreshAfterSet;
  BeforeApply();
  if (collectValues) CollectValues(selection);

  const std::shared_ptr<bool> alive = alive_;
  if (RequestMode == Blocking) {
    busy_ = blockingRun_ = true;
    try {
      Request.Set(false, selection, values);
      AfterApply();
    } catch (...) {
      if (*alive) busy_ = blockingRun_ = false;
      throw;
    }
    if (!*alive) return;
    busy_ = blockingRun_ = false;
    if (HasStatusOutput()) ShowStatus(LibraryMessage(LibraryMsg::Ok));
    if (IsTableList() && RefreshAfterSet) Refresh();
    return;
  }

  busy_ = true;
  if (!Request.Enabled()) {
    busy_ = false;
    return;
  }
  try {
    Request.SetAsync(
        [this, alive](void *, KvSNMPError *error, KvSNMPVarList *) {
          if (*alive && error) SetAnswered(*error);
        },
        this, false, selection, values);
  } catch (...) {
    busy_ = false;
    throw;
  }
}

void KvSNMPRequest2Controls::SetAnswered(const KvSNMPError &error) {
  const std::shared_ptr<bool> alive = alive_;
  AnswerScope scope(inAnswer_, alive);
  try {
    if (error.Code != 0) {
      busy_ = false;
      ApplyFailed(error);
      return;
    }
    AfterApply();
    if (!*alive) return;
    busy_ = false;
    LastOperation = SetOperation;
    if (HasStatusOutput()) ShowStatus(LibraryMessage(LibraryMsg::Ok));
    if (IsTableList() && RefreshAfterSet) Refresh();
  } catch (const std::exception &e) {
    if (!*alive) return;
    busy_ = false;
    ReportFailure(e.what());
  }
}

void KvSNMPRequest2Controls::GetFailed(const KvSNMPError &error) {
  LastOperation = GetOperation;
  ReportFailure(error.Message);
}

void KvSNMPRequest2Controls::ApplyFailed(const KvSNMPError &error) {
  LastOperation = SetOperation;
  ReportFailure(error.Message);
}
