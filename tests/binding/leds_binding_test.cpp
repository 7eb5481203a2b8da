// The LED binding without an agent: the status value is set by hand as a poll would
// leave it, and the blink timer is driven tick by tick.

#include "kv_exception.h"
#include "kv_shape.h"
#include "kv_snmp_request2_leds.h"
#include "kv_status_bar.h"

#include <QFrame>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr int kBlack = KvRgb(0, 0, 0);
constexpr int kWhite = KvRgb(255, 255, 255);
constexpr int kGreen = KvRgb(0, 255, 0);
constexpr int kRed = KvRgb(255, 0, 0);

const KvLedColorPair kPairs[] = {{0, kWhite}, {1, kWhite}, {2, kGreen}, {5, kRed}, {0, -1}};
const KvSNMPLedColorMapList kPortColors(kPairs, 7, 128, kBlack, kWhite);
const KvSNMPLedColorMapList kStrictColors(kPairs, 7, 128, kBlack, -1);

const KvSNMPVarDef kLedDefs[] = {
    {"1.3.6.1.4.1.171.11.43.2.2.1.1.4", "swL2DevInfoFrontPanelLedStatus", Syntax::OctetStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

class LedsBinding : public ::testing::Test {
protected:
  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    leds_ = std::make_unique<KvSNMPRequest2Leds>(window_.get());
    leds_->Request.VarList = KvSNMPVarList(kLedDefs, SVT_SV, 0);
    leds_->Request.SetEnabled(false);  // no poll leaves the process
  }
  KvShape *AddLed(int byteIndex, const KvSNMPLedColorMapList &map = kPortColors) {
    auto *shape = new KvShape(window_.get());
    leds_->AddLed(0, byteIndex, map, shape);
    return shape;
  }
  void Answer(const std::string &hex) {
    leds_->Request.VarList.GetItem(0)->Value = hex;
    leds_->ShowRow();
  }

  std::unique_ptr<QWidget> window_;
  std::unique_ptr<KvSNMPRequest2Leds> leds_;
};

TEST_F(LedsBinding, StatusBytesSelectColourAndBlinking) {
  KvShape *blinking = AddLed(0), *red = AddLed(1), *unknown = AddLed(2), *missing = AddLed(3);
  EXPECT_EQ(blinking->BrushColor(), kBlack);  // dark before the first answer
  Answer("820506");
  EXPECT_EQ(leds_->Leds[0]->Color, kGreen);
  EXPECT_TRUE(leds_->Leds[0]->Blinking);
  EXPECT_EQ(red->BrushColor(), kRed);
  EXPECT_EQ(red->PenColor(), kRed);
  EXPECT_FALSE(leds_->Leds[1]->Blinking);
  EXPECT_EQ(unknown->BrushColor(), kBlack);  // no entry for 6
  EXPECT_EQ(missing->BrushColor(), kWhite);  // one byte short
  EXPECT_TRUE(missing->isVisible() || !window_->isVisible());
}

TEST_F(LedsBinding, ValueTooShortWithoutMissingColourFailsAndLeavesTheLedsDark) {
  AddLed(0, kStrictColors);
  KvShape *shortOne = AddLed(4, kStrictColors);
  int code = 0;
  try {
    Answer("02");
  } catch (const KvException &e) {
    code = e.Code();
  }
  EXPECT_EQ(code, -519);
  EXPECT_EQ(leds_->Leds[0]->Color, kBlack);
  EXPECT_EQ(shortOne->BrushColor(), kBlack);
}

TEST_F(LedsBinding, BlinkingLedIsDarkAndLitInTurnThenLitSteadily) {
  KvShape *led = AddLed(0);
  KvShape *steady = AddLed(1);
  Answer("0205");  // lit, not blinking: no timer runs
  ASSERT_EQ(led->BrushColor(), kGreen);
  EXPECT_FALSE(leds_->BlinkTimer->isActive());
  Answer("8205");  // the same colour, now blinking
  EXPECT_EQ(led->BrushColor(), kBlack) << "right after the answer";
  EXPECT_TRUE(leds_->BlinkTimer->isActive());
  const bool litAtTick[] = {true, false, true, false, true, false, true, true, true, true};
  for (int tick = 1; tick <= 10; ++tick) {
    leds_->BlinkTimerTimer();
    EXPECT_EQ(led->BrushColor(), litAtTick[tick - 1] ? kGreen : kBlack) << "tick " << tick;
    EXPECT_EQ(steady->BrushColor(), kRed);
  }
  EXPECT_FALSE(leds_->BlinkTimer->isActive());  // lit steadily: the timer rests
  Answer("8205");  // every answer starts the blinking over
  EXPECT_EQ(leds_->BlinkCount, 1);
  EXPECT_EQ(led->BrushColor(), kBlack);
  EXPECT_TRUE(leds_->BlinkTimer->isActive());
}

TEST_F(LedsBinding, GroupPlacesOneShapePerByteOnItsPanel) {
  auto *panel = new QFrame(window_.get());
  panel->setFrameShape(QFrame::Panel);
  leds_->AddLedGroup(0, "3,7,11", kPortColors, panel, 2, 5, KvShape::Rectangle, 6, 6);
  ASSERT_EQ(leds_->Leds.size(), 3u);
  const int lefts[] = {2, 13, 24};
  for (int i = 0; i < 3; ++i) {
    const KvShape *shape = leds_->Leds[i]->Shape;
    EXPECT_EQ(shape->parentWidget(), panel);
    EXPECT_EQ(shape->geometry(), QRect(lefts[i], 1, 6, 6));
    EXPECT_EQ(leds_->Leds[i]->ByteIndex, 3 + 4 * i);
  }
  EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
}

TEST_F(LedsBinding, PollingPeriodIsInHundredthsAndStoppingTurnsTheLedsDark) {
  AddLed(0);
  leds_->StartPolling(500);
  EXPECT_EQ(leds_->PollTimer->interval(), 5000);
  EXPECT_TRUE(leds_->PollTimer->isActive());
  EXPECT_EQ(leds_->BlinkTimer->interval(), 60);
  Answer("85");
  EXPECT_TRUE(leds_->BlinkTimer->isActive());
  leds_->StopPolling();
  EXPECT_FALSE(leds_->PollTimer->isActive());
  EXPECT_FALSE(leds_->BlinkTimer->isActive());
  EXPECT_EQ(leds_->Leds[0]->Shape->BrushColor(), kBlack);
}

TEST_F(LedsBinding, FailedAnswerTurnsTheLedsDarkAndWritesTheMessageWithoutABox) {
  AddLed(0);
  auto *bar = new KvStatusBar(window_.get());
  leds_->SetStatusOutput(bar);
  Answer("05");
  KvSNMPError error;
  error.Code = -105;
  error.Message = "(SNMP) Timeout!";
  leds_->GetFailed(error);
  EXPECT_EQ(leds_->Leds[0]->Shape->BrushColor(), kBlack);
  EXPECT_NE(bar->SimpleText().find("(SNMP) Timeout!"), std::string::npos) << bar->SimpleText();
}

TEST_F(LedsBinding, DestroyingTheBindingTakesItsTimersAlong) {
  AddLed(0);
  leds_->StartPolling(1);
  QPointer<QTimer> poll = leds_->PollTimer.data();
  leds_.reset();
  EXPECT_TRUE(poll.isNull());
  EXPECT_TRUE(window_->findChildren<QTimer *>().isEmpty());
}
}  // namespace
