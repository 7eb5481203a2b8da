// A blocking read while the switch does not answer: the program keeps running, shows
// that it waits, runs no other handler of the waiting window and holds every answer
// until the wait ends; Escape and closing the window end the wait, and the answer that
// comes afterwards reaches nothing.

#include "base_form.h"
#include "blocking_wait.h"
#include "feature_window_test_support.h"
#include "kv_exception.h"
#include "kv_messages.h"
#include "kv_mib_mib2_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "window_layout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {
constexpr int kTryMs = 400;  // per try; three tries

// A window with one blocking binding whose Get handler reads the system group, and a
// timer whose handler counts its ticks.
class WaitingForm : public TBaseForm {
public:
  WaitingForm() {
    FeatureFrame frame = MakeFeatureFrame(this, {400, 200}, true);
    Bar = frame.StatusBar;
    Field = new QLineEdit(this);
    Binding = NewEditsBinding();
    Binding->Request.VarList = KvSNMPVarList(MibSystemDefs, SVT_SV, 0);
    Binding->Request.Settings.Timing.Timeout = kTryMs / 10;
    Binding->Request.Settings.Timing.Retries = 2;
    Binding->RequestMode = KvSNMPRequest2Controls::Blocking;
    Binding->Associate(0, Field);
    Binding->SetStatusOutput(Bar, 0);
    Handle(&Tick, &QTimer::timeout, Binding, [this] { ++Ticks; });
    Tick.start(5);
  }
  // The Get button's handler.
  void Read() {
    Guarded(Binding, [this] {
      ReadStarted = true;
      Binding->Refresh();
    });
  }

  KvStatusBar *Bar;
  QLineEdit *Field;
  KvSNMPRequest2Edits *Binding;
  QTimer Tick;
  int Ticks = 0;
  bool ReadStarted = false;

protected:
  void BindingsDestroyed() override { Binding = nullptr; }
};

class BlockingWait : public FeatureSuiteTest {
protected:
  void SetUp() override {
    FeatureSuiteTest::SetUp();
    ASSERT_TRUE(sim_->Pause());
  }
  void TearDown() override { sim_->Resume(); }
};

// What the program did while the window waited, seen from timers of the test.
struct DuringTheWait {
  QString Status;
  bool WaitCursor = false;
  int TicksAtStart = -1, TicksAtEnd = -1;
  bool PostedAnswerRan = false;  // an answer completed while the window waited
  qint64 LongestGapMs = 0;      // the longest the test's 10 ms heartbeat went unserved
};

// Watches `form` while it waits, then does `end` 300 ms into the wait.
void Watch(WaitingForm &form, DuringTheWait &seen, bool &answerRan, std::function<void()> end) {
  QTimer::singleShot(100, &form, [&form, &seen, &answerRan] {
    seen.Status = QString::fromStdString(form.Bar->PanelText(0));
    seen.WaitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    seen.TicksAtStart = form.Ticks;
    GlobalSnmp->Post(0, SnmpPdu{}, [&answerRan](int, const SnmpPdu &) { answerRan = true; });
  });
  QTimer::singleShot(300, &form, [&form, &seen, &answerRan, end] {
    seen.TicksAtEnd = form.Ticks;
    seen.PostedAnswerRan = answerRan;
    end();
  });
}
}  // namespace

TEST_F(BlockingWait, EscapeEndsTheWaitAsACancelledRequestAndTheProgramRanMeanwhile) {
  WaitingForm form;
  form.show();
  DuringTheWait seen;
  bool answerRan = false;
  QElapsedTimer beat, clock;
  beat.start();
  QTimer heartbeat;
  QObject::connect(&heartbeat, &QTimer::timeout, [&] {
    seen.LongestGapMs = std::max(seen.LongestGapMs, beat.restart());
  });
  heartbeat.start(10);
  Watch(form, seen, answerRan, [&form] {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(form.Field, &escape);
  });
  clock.start();
  beat.restart();
  form.Read();
  const qint64 waited = clock.elapsed();
  heartbeat.stop();

  EXPECT_EQ(seen.Status.toStdString(), "Waiting for 127.0.0.1... (try 1 of 3)");
  EXPECT_TRUE(seen.WaitCursor);
  EXPECT_EQ(seen.TicksAtEnd, seen.TicksAtStart) << "a timer ran a handler of the waiting window";
  EXPECT_FALSE(seen.PostedAnswerRan) << "an answer completed in the middle of the wait";
  EXPECT_LT(seen.LongestGapMs, 100);
  EXPECT_LT(waited, kTryMs * 3 - 200);  // ended by Escape, not by the time-outs
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_NE(form.Bar->PanelText(0).find(CodeMessage(-423)), std::string::npos) << form.Bar->PanelText(0);
  EXPECT_TRUE(form.isVisible());  // Escape ends the wait, not the window
  // The answer held during the wait, and the window's timer, run once it ended.
  EXPECT_TRUE(RunUntil([&] { return answerRan && form.Ticks > seen.TicksAtEnd; }, 2000));
  // The agent's late answer reaches nothing: the field stays empty.
  sim_->Resume();
  RunFor(300);
  EXPECT_TRUE(form.Field->text().isEmpty());
}

TEST_F(BlockingWait, ClosingTheWindowEndsTheWaitAndItsLateAnswerReachesNothing) {
  auto *form = new WaitingForm;
  QPointer<WaitingForm> alive(form);
  form->show();
  DuringTheWait seen;
  bool answerRan = false;
  Watch(*form, seen, answerRan, [form] { form->close(); });
  QElapsedTimer clock;
  clock.start();
  form->Read();
  EXPECT_LT(clock.elapsed(), kTryMs * 3 - 200);
  EXPECT_TRUE(form->ReadStarted);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(form->BindingsReleased());
  EXPECT_EQ(form->Binding, nullptr);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  form->DeleteWhenIdle();
  EXPECT_TRUE(RunUntil([&] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return alive.isNull();
  }, 2000));
  // The agent goes on and answers the request (and its retries) late: nothing is left
  // to take the answer (under the sanitizers, nothing freed is touched).
  EXPECT_FALSE(seen.PostedAnswerRan);
  EXPECT_TRUE(RunUntil([&] { return answerRan; }, 2000));  // held until the wait ended
  const int outstanding = GlobalSnmp->OutstandingCount();
  sim_->Resume();
  RunFor(400);
  EXPECT_EQ(GlobalSnmp->OutstandingCount(), outstanding);
  EXPECT_FALSE(LogOps(*sim_, "get").empty());
}
