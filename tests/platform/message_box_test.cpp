#include "kv_beep.h"
#include "kv_message_box.h"
#include "kv_program_info.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace Platform;

TEST(MessageBox, ScriptAnswersInOrderThenTheDefaultButton) {
  ScriptedMessageBoxes boxes;
  boxes.Answer(MsgResult::No);
  boxes.Answer(MsgResult::Cancel);
  QWidget owner;
  EXPECT_EQ(ShowMessageBox(&owner, "Save?", "prog", MsgButtons::YesNoCancel, MsgIcon::Question),
            MsgResult::No);
  EXPECT_EQ(ShowMessageBox(nullptr, "Again?", "prog", MsgButtons::YesNoCancel), MsgResult::Cancel);
  EXPECT_EQ(ShowMessageBox(nullptr, "Once more?", "prog", MsgButtons::YesNo), MsgResult::Yes);
  EXPECT_EQ(ShowMessageBox(nullptr, "Failed", "prog"), MsgResult::Ok);

  ASSERT_EQ(boxes.Shown().size(), 4u);
  const ShownMessage &first = boxes.Shown()[0];
  EXPECT_EQ(first.Parent, &owner);
  EXPECT_EQ(first.Text, "Save?");
  EXPECT_EQ(first.Caption, "prog");
  EXPECT_EQ(first.Buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(first.Icon, MsgIcon::Question);
  EXPECT_EQ(boxes.Shown()[3].Buttons, MsgButtons::Ok);
}

TEST(MessageBox, TextsPassAsBytesUntouched) {
  ScriptedMessageBoxes boxes;
  const std::string text = "(KvCommon) line one.\nHere,line two!";
  ShowMessageBox(nullptr, text, "cap");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, text);
}

TEST(MessageBox, NestedScriptsRestoreTheOuterOne) {
  ScriptedMessageBoxes outer;
  outer.Answer(MsgResult::Retry);
  {
    ScriptedMessageBoxes inner;
    inner.Answer(MsgResult::Ignore);
    EXPECT_EQ(ShowMessageBox(nullptr, "inner", "c", MsgButtons::AbortRetryIgnore),
              MsgResult::Ignore);
    EXPECT_EQ(inner.Shown().size(), 1u);
  }
  EXPECT_EQ(ShowMessageBox(nullptr, "outer", "c", MsgButtons::RetryCancel), MsgResult::Retry);
  ASSERT_EQ(outer.Shown().size(), 1u);
  EXPECT_EQ(outer.Shown()[0].Text, "outer");
}

TEST(MessageBox, DefaultButtonIsTheFirstOfEachSet) {
  EXPECT_EQ(DefaultButton(MsgButtons::Ok), MsgResult::Ok);
  EXPECT_EQ(DefaultButton(MsgButtons::OkCancel), MsgResult::Ok);
  EXPECT_EQ(DefaultButton(MsgButtons::YesNo), MsgResult::Yes);
  EXPECT_EQ(DefaultButton(MsgButtons::RetryCancel), MsgResult::Retry);
  EXPECT_EQ(DefaultButton(MsgButtons::AbortRetryIgnore), MsgResult::Abort);
}

TEST(Beep, CountedBeepsSeeEveryBeepAndRestoreTheHook) {
  CountedBeeps outer;
  Beep();
  {
    CountedBeeps inner;
    Beep();
    Beep();
    EXPECT_EQ(inner.Count(), 2);
  }
  Beep();
  EXPECT_EQ(outer.Count(), 2);
}

TEST(ProgramInfo, NamesTheRunningExecutable) {
  const std::string path = ProgramFilePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(ProgramFileName(), "platform_tests");
  EXPECT_EQ(std::filesystem::path(ProgramFolder()) / ProgramFileName(), std::filesystem::path(path));
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(ProgramInfo, CurrentDirectoryFollowsTheProcess) {
  const auto before = std::filesystem::current_path();
  const auto folder = std::filesystem::path(ProgramFolder());
  std::filesystem::current_path(folder);
  EXPECT_TRUE(std::filesystem::equivalent(CurrentDirectory(), folder));
  std::filesystem::current_path(before);
  EXPECT_EQ(CurrentDirectory(), before.string());
}

// Fonts scale with the logical resolution, the one the desktop's font settings give, not
// with the physical one of the monitor (on the offscreen platform 96 and 100).
TEST(ProgramInfo, ScreenPixelsPerInchIsThePrimaryScreensLogicalOne) {
  const QScreen *screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(ScreenPixelsPerInch(), static_cast<int>(std::lround(screen->logicalDotsPerInchY())));
  if (std::lround(screen->physicalDotsPerInchY()) != std::lround(screen->logicalDotsPerInchY())) {
    EXPECT_NE(ScreenPixelsPerInch(), static_cast<int>(std::lround(screen->physicalDotsPerInchY())));
  }
}
