#include "window_sweep.h"

#include "base_form.h"
#include "kv_message_box.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "misbehaving_agent.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// Longer than the longest series of failing requests a window makes on opening (the
// history window reads with two-second tries, blocking, before it is shown).
constexpr int kSettleDeadlineMs = 30000;
constexpr int kPollMs = 10;
constexpr int kQuietPolls = 3;
constexpr int kHeartbeatMs = 20;  // at rest for this many polls in a row: nothing more comes
// The longest a request of a swept window waits: three tries (the history window's
// control table retries twice), with room for a loaded machine.
constexpr int kCloseWaitMs = 3 * kSweepTimeout * 10 + 1500;

constexpr const char *kFamilies[] = {"(SNMP) ",       "(SNMPv3) ",    "(SNMPv3USM) ", "(SNMPClass) ",
                                     "(SNMPClass)",   "(SNMP Class) ", "(KvSNMP++) ", "(KvCommon) "};

// Failure texts of windows of their own, besides the library's messages.
constexpr const char *kWindowFailures[] = {"Get Variable Time Out!"};

// The first failure of `text` from its family tag to its closing "!", or "".
std::string FirstFailure(const std::string &text) {
  for (const char *failure : kWindowFailures)
    if (text.find(failure) != std::string::npos) return failure;
  size_t best = std::string::npos;
  size_t tagLength = 0;
  for (const char *family : kFamilies) {
    const std::string tag = family;
    for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at + 1)) {
      if (text.compare(at + tag.size(), 3, "Ok!") == 0) continue;
      if (at < best) best = at, tagLength = tag.size();
      break;
    }
  }
  if (best == std::string::npos) return "";
  const size_t end = text.find('!', best + tagLength);
  return text.substr(best, end == std::string::npos ? std::string::npos : end - best + 1);
}

std::string WindowStatus(QWidget *window) {
  std::vector<std::string> parts;
  for (QPlainTextEdit *memo : window->findChildren<QPlainTextEdit *>())
    if (!memo->toPlainText().isEmpty()) parts.push_back(memo->toPlainText().toStdString());
  for (KvStatusBar *bar : window->findChildren<KvStatusBar *>()) {
    // What the bar shows: its simple text when that covers the panels, else the panels.
    if (bar->ShowsSimpleText()) {
      if (!bar->SimpleText().empty()) parts.push_back(bar->SimpleText());
      continue;
    }
    for (int i = 0; i < bar->PanelCount(); ++i)
      if (!bar->PanelText(i).empty()) parts.push_back(bar->PanelText(i));
  }
  std::string joined;
  for (const std::string &part : parts) joined += (joined.empty() ? "" : "\n") + part;
  return joined;
}

bool Busy(QWidget *window) {
  auto *form = qobject_cast<TBaseForm *>(window);
  if (!form) return false;
  for (const auto &binding : form->OwnedBindings())
    if (binding->Busy()) return true;
  return false;
}

std::string BoxTexts(const Platform::ScriptedMessageBoxes &boxes) {
  std::string texts;
  for (const Platform::ShownMessage &box : boxes.Shown()) texts += (texts.empty() ? "" : "\n") + box.Text;
  return texts;
}

// Stops the agent once `count` more requests reached it. It watches the request log
// from a thread of its own, so that it also stops the agent in the middle of a blocking
// read, while the window thread waits for an answer.
class StopAtRequest {
public:
  StopAtRequest(SweepAgent &agent, int count) : agent_(agent), count_(count) {
    std::error_code error;
    offset_ = static_cast<long>(std::filesystem::file_size(agent.LogPath(), error));
    if (error) offset_ = 0;
    thread_ = std::thread([this] { Watch(); });
  }
  ~StopAtRequest() {
    done_ = true;
    thread_.join();
  }
  bool Fired() const { return fired_; }

private:
  void Watch() {
    int seen = 0;
    while (!done_) {
      std::ifstream in(agent_.LogPath(), std::ios::binary);
      in.seekg(offset_);
      char buffer[4096];
      while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        seen += static_cast<int>(std::count(buffer, buffer + in.gcount(), '\n'));
        offset_ += in.gcount();
      }
      if (seen >= count_) {
        agent_.Pause();
        fired_ = true;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  SweepAgent &agent_;
  const int count_;
  long offset_ = 0;
  std::atomic<bool> done_{false}, fired_{false};
  std::thread thread_;
};

}  // namespace

const std::vector<FaultMode> &FaultModes() {
  static const std::vector<FaultMode> modes = [] {
    std::vector<FaultMode> m(6);
    // Later than the whole wait of every request, so that no answer counts: the
    // windows' requests wait two tries of kSweepTimeout, but some set their own
    // time-out (the spanning tree window two tries of 3 s, the history window and the
    // front panel two of 2 s).
    m[0].Name = "Delay";
    m[0].SimulatorArgs = {"--delay-ms", "6500"};
    m[0].EveryReadFails = true;
    m[0].StallGoal = true;
    m[1].Name = "Drop";
    m[1].SimulatorArgs = {"--drop-every", "5"};
    // Every number as an octet string and every string as a number, in every MIB the
    // windows read.
    m[2].Name = "WrongType";
    m[2].SimulatorArgs = {"--wrong-type", "1.3.6.1", "--wrong-type", "1.0.8802"};
    m[3].Name = "Short";
    m[3].SimulatorArgs = {"--short", "1.3.6.1:2", "--short", "1.0.8802:2"};
    // Answers held a little, so that the agent stops before the answer to the request
    // it stops at goes out; walks one row per request with GetNext, so that every table
    // is read in several requests (the bulk walks, and their GetNext after an unanswered
    // GetBulk, meet the silent agent in the Delay mode).
    m[4].Name = "StopInWalk";
    m[4].SimulatorArgs = {"--delay-ms", "40"};
    m[4].StopInWalk = true;
    m[4].MaxRepetitions = 0;
    m[4].StallGoal = true;
    m[5].Name = "Misbehaving";
    m[5].Misbehaving = true;
    return m;
  }();
  return modes;
}

// ---- The agent -------------------------------------------------------------------------

SweepAgent::SweepAgent(const FaultMode &mode) {
  if (mode.Misbehaving) {
    misbehaving_ = std::make_unique<MisbehavingAgent>();
    return;
  }
  SwitchSimOptions options;
  options.log = true;
  options.extraArgs = mode.SimulatorArgs;
  sim_ = std::make_unique<SwitchSimAgent>(options);
}

SweepAgent::~SweepAgent() {
  if (sim_) sim_->Resume();
}

bool SweepAgent::Started() const { return sim_ ? sim_->Started() : misbehaving_->Started(); }
int SweepAgent::Port() const { return sim_ ? sim_->Port() : misbehaving_->Port(); }
std::string SweepAgent::Output() const { return sim_ ? sim_->Output() : misbehaving_->Output(); }

size_t SweepAgent::Requests() {
  if (!sim_) return 0;
  // Counts the log's lines from where the last call stopped.
  std::ifstream in(sim_->LogPath(), std::ios::binary);
  in.seekg(logOffset_);
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    requests_ += static_cast<size_t>(std::count(buffer, buffer + in.gcount(), '\n'));
    logOffset_ += in.gcount();
  }
  return requests_;
}

int SweepAgent::Sets() const {
  if (!sim_) return misbehaving_->SetRequests();
  return static_cast<int>(sim_->LogLinesWith({"\"op\":\"set\""}).size());
}

void SweepAgent::Pause() {
  if (sim_) sim_->Pause();
}

void SweepAgent::Resume() {
  if (sim_) sim_->Resume();
}

std::string SweepAgent::LogPath() const { return sim_ ? sim_->LogPath() : ""; }

void SweepAgent::WaitForQuiet() {
  QElapsedTimer clock;
  clock.start();
  size_t last = Requests();
  QElapsedTimer quiet;
  quiet.start();
  while (quiet.elapsed() < 100 && clock.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    if (const size_t now = Requests(); now != last) last = now, quiet.restart();
  }
}

// ---- One window ------------------------------------------------------------------------

SweepOutcome SweepOne(const SweepWindow &row, const FaultMode &mode, SweepAgent &agent) {
  SCOPED_TRACE(mode.Name + ": " + row.Name);
  SweepOutcome out;
  Platform::ScriptedMessageBoxes boxes;  // every box answered with its first button
  const int setsBefore = agent.Sets();
  const size_t requestsBefore = agent.Requests();
  // The stop: before opening, or once the window's request number StopAt arrived.
  std::unique_ptr<StopAtRequest> stopper;
  if (mode.StopInWalk && row.StopAt == 0) {
    agent.Pause();
    out.Stopped = true;
  } else if (mode.StopInWalk) {
    stopper = std::make_unique<StopAtRequest>(agent, row.StopAt);
  }

  QPointer<QWidget> window;
  QElapsedTimer clock, closing;
  clock.start();
  int quiet = 0;
  QTimer poll;
  poll.setInterval(kPollMs);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || (window && modal != window)) return;  // not yet up, or a dialog of its own
    window = modal;
    const std::string status = WindowStatus(modal);
    const bool atRest = !Busy(modal) && (!status.empty() || !boxes.Shown().empty());
    quiet = atRest ? quiet + 1 : 0;
    const bool late = clock.elapsed() > kSettleDeadlineMs;
    if (quiet < kQuietPolls && !late) return;
    poll.stop();
    out.Settled = !late;
    out.OpenMs = clock.elapsed();
    out.Status = status;
    // KV_SWEEP_SHOTS=<folder>: a picture of every window at rest, to look at.
    if (const char *shots = std::getenv("KV_SWEEP_SHOTS")) {
      QElapsedTimer paint;  // the rows shown last are painted on the next passes
      paint.start();
      while (paint.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      modal->grab().save(QString::fromStdString(std::string(shots) + "/" + mode.Name + "_" + row.Name + ".png"));
    }
    closing.start();
    modal->close();
  });
  // The heartbeat: its longest gap is the longest the event loop stayed away.
  QElapsedTimer beat;
  QTimer heartbeat;
  heartbeat.setInterval(kHeartbeatMs);
  QObject::connect(&heartbeat, &QTimer::timeout, [&] { out.StallMs = std::max(out.StallMs, beat.restart()); });
  poll.start();
  heartbeat.start();
  beat.start();
  row.Open();
  out.StallMs = std::max(out.StallMs, beat.elapsed());
  heartbeat.stop();
  poll.stop();
  if (closing.isValid()) out.CloseMs = closing.elapsed();
  else out.OpenMs = clock.elapsed();

  // The status line, or the messages shown, or what an entry without a window showed.
  const std::string boxTexts = BoxTexts(boxes);
  if (!boxTexts.empty()) out.Status += (out.Status.empty() ? "" : "\n") + boxTexts;
  if (row.Outcome) out.Status = row.Outcome() + (boxTexts.empty() ? "" : "\n" + boxTexts);
  out.Shown = window || !boxes.Shown().empty() || !out.Status.empty();

  // A request that reached the stopped agent (logged once it goes on: a retry at the
  // least) went unanswered, and the window must say so.
  size_t unanswered = 0;
  if (stopper) out.Stopped = stopper->Fired();
  stopper.reset();
  if (out.Stopped) {
    // What reached the agent after the request it stopped at; the agent logs it once it
    // goes on.
    const size_t atStop = requestsBefore + static_cast<size_t>(row.StopAt);
    agent.Resume();
    agent.WaitForQuiet();
    unanswered = agent.Requests() - atStop;
  }
  const bool mustFail = mode.EveryReadFails || unanswered > 0;
  const bool mayBeSilent = row.SilentWhenAnswered && !mustFail;
  if (!mayBeSilent) {
    EXPECT_TRUE(out.Shown) << "neither a window nor a message";
    EXPECT_FALSE(out.Status.empty()) << "the status stayed empty";
  }
  if (window || closing.isValid()) {
    EXPECT_TRUE(out.Settled) << "not at rest after " << out.OpenMs << " ms";
  }
  if (mustFail) {
    EXPECT_TRUE(IsFailureText(out.Status)) << "no failure shown: " << out.Status;
  }
  EXPECT_LE(out.CloseMs, kCloseWaitMs + row.ExtraCloseWaitMs) << "closing waited too long";
  if (mode.StallGoal) {
    EXPECT_LE(out.StallMs, kStallGoalMs) << "the program stopped running for " << out.StallMs << " ms";
  }

  // The window is gone once the deferred deletions ran, and nothing else is left open.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull()) << "the window was not destroyed";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  for (QWidget *left : QApplication::topLevelWidgets())
    EXPECT_FALSE(left->isVisible() && left->isModal()) << "left open: " << left->windowTitle().toStdString();

  EXPECT_EQ(agent.Sets(), setsBefore) << "a Set that nobody asked for";
  return out;
}

bool IsFailureText(const std::string &text) { return !FirstFailure(text).empty(); }

void AddToSummary(SweepSummary &summary, const SweepWindow &window, const SweepOutcome &outcome) {
  std::string shown = FirstFailure(outcome.Status);
  if (shown.empty()) {
    // No failure: the text of success, or a message of the window's own.
    shown = outcome.Status.find("Ok!") != std::string::npos ? "Ok" : outcome.Status.substr(0, outcome.Status.find('\n'));
    if (shown.empty()) shown = "(nothing)";
  }
  ++summary[window.Kind][shown];
}

std::string FormatSummary(const std::string &mode, const SweepSummary &summary) {
  std::ostringstream out;
  out << "What " << mode << " showed:\n";
  for (const auto &[kind, texts] : summary) {
    out << "  " << kind << ":";
    for (const auto &[text, count] : texts) out << " [" << count << "x " << text << "]";
    out << '\n';
  }
  return out.str();
}
