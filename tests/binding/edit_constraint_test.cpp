#include "kv_edit_constraint.h"

#include "kv_beep.h"
#include "kv_exception.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_widget_tag.h"

#include <QApplication>
#include <QIntValidator>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window with three edits in tab order; the first has the focus.
class EditConstraintTest : public ::testing::Test {
protected:
  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window_.get());
    for (auto *&edit : edits_) {
      edit = new QLineEdit(window_.get());
      layout->addWidget(edit);
    }
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    edits_[0]->setFocus();
    ASSERT_TRUE(edits_[0]->hasFocus());
  }

  QLineEdit *Edit(int i) { return edits_[i]; }
  QWidget *Window() { return window_.get(); }

  // Types text into the first edit, then leaves it with Tab.
  void TypeAndLeave(const char *text) {
    QTest::keyClicks(Edit(0), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }

  std::unique_ptr<QWidget> window_;
  QLineEdit *edits_[3] = {};
  KvEditConstraint constraint_{nullptr, true};
  Platform::ScriptedMessageBoxes boxes_;
  Platform::CountedBeeps beeps_;
};

TEST_F(EditConstraintTest, IntegerEditDropsALetterWithABeep) {
  constraint_.AddEdit("%i{n1x32}", Edit(0));
  QTest::keyClicks(Edit(0), "1a");
  EXPECT_EQ(Edit(0)->text(), "1");
  EXPECT_EQ(beeps_.Count(), 1);
}

TEST_F(EditConstraintTest, MinusStaysOnlyInFirstPositionOfAnInteger) {
  constraint_.AddEdit("%i", Edit(0));
  QTest::keyClicks(Edit(0), "-5-");
  EXPECT_EQ(Edit(0)->text(), "-5");
  EXPECT_EQ(beeps_.Count(), 1);
  constraint_.AddEdit("%u", Edit(1));
  Edit(1)->setFocus();
  QTest::keyClicks(Edit(1), "-7");
  EXPECT_EQ(Edit(1)->text(), "7");
  EXPECT_EQ(beeps_.Count(), 2);
}

TEST_F(EditConstraintTest, ValueOutOfRangeIsRefusedOnExitAndTheLastGoodTextComesBack) {
  constraint_.AddEdit("%i{n1x32}", Edit(0));
  int finished = 0;
  QObject::connect(Edit(0), &QLineEdit::editingFinished, [&] { ++finished; });

  TypeAndLeave("5");
  EXPECT_TRUE(Edit(1)->hasFocus());
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->LastGood, "5");
  EXPECT_EQ(finished, 1);
  EXPECT_TRUE(boxes_.Shown().empty());

  Edit(0)->setFocus();
  Edit(0)->clear();
  TypeAndLeave("33");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  const Platform::ShownMessage &box = boxes_.Shown()[0];
  EXPECT_EQ(box.Text, "(KvCommon) Please enter a number between 1 and 32!");
  EXPECT_EQ(box.Caption, Platform::ProgramFileName());
  EXPECT_EQ(box.Buttons, Platform::MsgButtons::Ok);
  EXPECT_EQ(box.Parent, Window());
  EXPECT_EQ(Edit(0)->text(), "5");
  EXPECT_TRUE(Edit(0)->hasFocus());
  EXPECT_EQ(finished, 1) << "the owner's exit handler must not see a refused value";

  // Leaving again with the restored text is accepted.
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  EXPECT_TRUE(Edit(1)->hasFocus());
  EXPECT_EQ(boxes_.Shown().size(), 1u);
}

TEST_F(EditConstraintTest, TextThatIsNoNumberIsRefusedLikeOneOutOfRange) {
  constraint_.AddEdit("%f{n-1x1}", Edit(0));
  TypeAndLeave("-");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Text, "(KvCommon) Please enter a number between -1 and 1!");
  EXPECT_EQ(Edit(0)->text(), "");
}

TEST_F(EditConstraintTest, FloatTakesOneFullStopAndByDefaultAnySign) {
  constraint_.AddEdit("%f", Edit(0));
  TypeAndLeave("-1.5.2");
  EXPECT_EQ(Edit(0)->text(), "-1.52");
  EXPECT_EQ(beeps_.Count(), 1);
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->LastGood, "-1.52");
}

TEST_F(EditConstraintTest, StringEditHoldsAtMost32TypedOrPastedCharacters) {
  constraint_.AddEdit("%s{l32}", Edit(0));
  QTest::keyClicks(Edit(0), std::string(40, 'x').c_str());
  EXPECT_EQ(Edit(0)->text().size(), 32);
  EXPECT_EQ(beeps_.Count(), 0);

  Edit(0)->setText("abc");
  Edit(0)->setCursorPosition(1);
  Edit(0)->insert(QString(40, 'y'));  // what a paste does
  EXPECT_EQ(Edit(0)->text(), "a" + QString(29, 'y') + "bc");

  Edit(0)->clear();
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  EXPECT_TRUE(boxes_.Shown().empty()) << "an empty text is accepted";
  EXPECT_TRUE(Edit(1)->hasFocus());
}

TEST_F(EditConstraintTest, FixedLengthTextsNameTheirLength) {
  constraint_.AddEdit("%s{l3f}", Edit(0));
  TypeAndLeave("ab");
  constraint_.AddEdit("%h{l4f}", Edit(0));
  Edit(0)->clear();
  TypeAndLeave("1g2");
  EXPECT_EQ(beeps_.Count(), 1);
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[0].Text, "(KvCommon) Please enter a string whose length is 3!");
  EXPECT_EQ(boxes_.Shown()[1].Text, "(KvCommon) Please enter a hex string whose length is 4!");
}

TEST_F(EditConstraintTest, EmptyValueRefusedWhenTheSpecifierSaysSo) {
  constraint_.AddEdit("%s{l8n}", Edit(0));
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Text, "(KvCommon) Empty value is not allowed!");
  EXPECT_TRUE(Edit(0)->hasFocus());
}

TEST_F(EditConstraintTest, FullEditMovesOnToTheNextControl) {
  constraint_.AddEdit("%i{n1x10l2a}", Edit(0));
  QTest::keyClicks(Edit(0), "1");
  EXPECT_TRUE(Edit(0)->hasFocus());
  QTest::keyClicks(Edit(0), "0");
  EXPECT_TRUE(Edit(1)->hasFocus());
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->LastGood, "10");

  // Text the program writes never moves the focus.
  Edit(0)->setFocus();
  Edit(0)->clear();
  Edit(1)->setFocus();
  Edit(0)->setText("7");
  Edit(0)->setText("10");
  EXPECT_TRUE(Edit(1)->hasFocus());
}

TEST_F(EditConstraintTest, MovingOnWithTooHighAValueIsRefused) {
  constraint_.AddEdit("%i{n0x61440l5a}", Edit(0));
  QTest::keyClicks(Edit(0), "61441");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Text, "(KvCommon) Please enter a number between 0 and 61440!");
  EXPECT_EQ(Edit(0)->text(), "");
  EXPECT_TRUE(Edit(0)->hasFocus());
  QTest::keyClicks(Edit(0), "61440");
  EXPECT_TRUE(Edit(1)->hasFocus());
  EXPECT_EQ(boxes_.Shown().size(), 1u);
}

TEST_F(EditConstraintTest, NextCharacterMovesOnAndStaysOut) {
  constraint_.AddEdit("%u{n0x255l3e.}", Edit(0));
  QTest::keyClicks(Edit(0), "10.");
  EXPECT_EQ(Edit(0)->text(), "10");
  EXPECT_TRUE(Edit(1)->hasFocus());
  EXPECT_EQ(beeps_.Count(), 0);
}

TEST_F(EditConstraintTest, NumberListFiltersDelimitersAndChecksCountAndRange) {
  constraint_.AddEdit("%n,{x10l3f}", Edit(0));
  QTest::keyClicks(Edit(0), ",1,,2x");
  EXPECT_EQ(Edit(0)->text(), "1,2");
  EXPECT_EQ(beeps_.Count(), 3);
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  EXPECT_EQ(Edit(0)->text(), "");
  QTest::keyClicks(Edit(0), "1,2,30");
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  EXPECT_EQ(Edit(0)->text(), "");
  QTest::keyClicks(Edit(0), "1,2,3");
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[0].Text,
            "(KvCommon) Please enter a delimited number string with delimiter ','.\n"
            "Here,the count of the number is equal to 3!");
  EXPECT_EQ(boxes_.Shown()[1].Text,
            "(KvCommon) Please enter a delimited number string with delimiter ','.\n"
            "Here,each number is between 0 and 10!");
  EXPECT_TRUE(Edit(1)->hasFocus());
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->LastGood, "1,2,3");
}

TEST_F(EditConstraintTest, NumberListLimitCountsNumbersNotCharacters) {
  constraint_.AddEdit("%n.{l2}", Edit(0));
  TypeAndLeave("10.20.30");
  EXPECT_EQ(Edit(0)->text(), "");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Text,
            "(KvCommon) Please enter a delimited number string with delimiter '.'.\n"
            "Here,the count of the number is less than 2!");
}

TEST_F(EditConstraintTest, PlaceholdersPassBothHandlersUntouched) {
  constraint_.AddEdit("%u{n1x9l1a}", Edit(0));
  constraint_.AddEdit("%h{l4f}", Edit(1));
  for (const char *placeholder : {"(NULL)", "(NOTDONE)"}) {
    Edit(0)->setText(placeholder);
    Edit(1)->setText(placeholder);
    EXPECT_EQ(Edit(0)->text(), placeholder);
    EXPECT_EQ(Edit(1)->text(), placeholder);
    Edit(0)->setFocus();
    QTest::keyClick(Edit(0), Qt::Key_Tab);
    EXPECT_TRUE(Edit(1)->hasFocus());
    QTest::keyClick(Edit(1), Qt::Key_Tab);
    EXPECT_FALSE(Edit(1)->hasFocus());
  }
  EXPECT_EQ(beeps_.Count(), 0);
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->LastGood, "");
}

TEST_F(EditConstraintTest, BadSpecifiersRaiseCodeMinusTwoAndLeaveTheEditAlone) {
  for (const char *bad :
       {"", "%", "i{}", "%x", "%I", "%n", "%i{", "%i{n1x32", "%i}", "%i{z}", "%i{n}", "%i{x}",
        "%i{l}", "%i{w}", "%i{e}", "%i{n1-2}", "%i{n.}", "%i{l2q}", "%i{l99999999999}",
        "%n,{l3", "%i{n1}x"}) {
    try {
      constraint_.AddEdit(bad, Edit(0));
      ADD_FAILURE() << "accepted " << bad;
    } catch (const KvException &e) {
      EXPECT_EQ(e.Code(), -2) << bad;
      EXPECT_STREQ(e.what(), "(KvCommon) Bad format specifier of edit's constraint!");
    }
    EXPECT_EQ(constraint_.FindRecord(Edit(0)), nullptr) << bad;
    EXPECT_EQ(Edit(0)->validator(), nullptr) << bad;
  }
}

TEST_F(EditConstraintTest, SpecifierOptionsFillTheRecord) {
  constraint_.AddEdit("%s{n1x208l3}", Edit(0));
  constraint_.AddEdit("%i{}", Edit(1));
  constraint_.AddEdit("%n;{n2.5x7l4afnw120e/}", Edit(2));
  const _EditConstraint_s *s = constraint_.FindRecord(Edit(0));
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Type, 's');
  EXPECT_EQ(s->Min, 1);
  EXPECT_EQ(s->Max, 208);
  EXPECT_EQ(s->MaxLen, 3);
  const _EditConstraint_s *i = constraint_.FindRecord(Edit(1));
  EXPECT_EQ(i->Min, -2147483648.0);
  EXPECT_EQ(i->Max, 2147483647.0);
  EXPECT_EQ(i->MaxLen, 0);
  const _EditConstraint_s *n = constraint_.FindRecord(Edit(2));
  EXPECT_EQ(n->Delimiter, ';');
  EXPECT_EQ(n->Min, 2.5);
  EXPECT_EQ(n->Flags, EditFlag::MoveOnWhenFull | EditFlag::FixedLength | EditFlag::NotEmpty);
  EXPECT_EQ(n->NextChar, '/');
  EXPECT_EQ(Edit(2)->width(), 120);
}

TEST_F(EditConstraintTest, SetFormatGivesEachSpecifierTheNextEdit) {
  constraint_.SetFormat("%i{n1x255}%s{l2}", {Edit(0), Edit(1)});
  ASSERT_NE(constraint_.FindRecord(Edit(0)), nullptr);
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->Max, 255);
  ASSERT_NE(constraint_.FindRecord(Edit(1)), nullptr);
  EXPECT_EQ(constraint_.FindRecord(Edit(1))->Type, 's');
  EXPECT_EQ(constraint_.Count(), 2);

  try {
    constraint_.SetFormat("%u%u", {Edit(2)});
    ADD_FAILURE() << "a specifier without its edit";
  } catch (const KvException &e) {
    EXPECT_EQ(e.Code(), -12);
  }
  EXPECT_NE(constraint_.FindRecord(Edit(2)), nullptr);
}

TEST_F(EditConstraintTest, OwnersHandlersKeepRunningAndRemoveEditRestoresTheEdit) {
  QIntValidator ownValidator(0, 99999);
  Edit(0)->setValidator(&ownValidator);
  Edit(0)->setMinimumWidth(10);
  Edit(0)->setMaximumWidth(500);
  QStringList seen;
  QObject::connect(Edit(0), &QLineEdit::textChanged, [&](const QString &t) { seen << t; });

  constraint_.AddEdit("%i{n1x5w80}", Edit(0));
  EXPECT_EQ(Edit(0)->width(), 80);
  QTest::keyClicks(Edit(0), "4x");
  EXPECT_EQ(Edit(0)->text(), "4");
  EXPECT_FALSE(seen.contains("4x")) << "the owner never sees a refused character";
  EXPECT_EQ(seen.back(), "4");

  constraint_.RemoveEdit(Edit(0));
  constraint_.RemoveEdit(Edit(0));  // no longer watched: ignored
  EXPECT_EQ(Edit(0)->validator(), &ownValidator);
  EXPECT_EQ(Edit(0)->minimumWidth(), 10);
  EXPECT_EQ(Edit(0)->maximumWidth(), 500);
  QTest::keyClicks(Edit(0), "9");
  EXPECT_EQ(seen.back(), "49");
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  EXPECT_TRUE(boxes_.Shown().empty()) << "49 is out of range, but the edit is let go";
  EXPECT_EQ(beeps_.Count(), 1);
}

TEST_F(EditConstraintTest, TagMinusOneStopsMovingOnAndTakingTheValue) {
  // Connected before the edit is watched, so it runs first, as the saved handler.
  QObject::connect(Edit(0), &QLineEdit::textChanged, Edit(0), [&](const QString &t) {
    SetWidgetTag(Edit(0), t == "13" ? -1 : 0);
  });
  constraint_.AddEdit("%i{n1x99l2a}", Edit(0));
  TypeAndLeave("12");  // moves on when full, then Tab moves once more
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->LastGood, "12");

  Edit(0)->setFocus();
  Edit(0)->clear();
  QTest::keyClicks(Edit(0), "13");
  EXPECT_TRUE(Edit(0)->hasFocus()) << "the owner's handler vetoed moving on";
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  EXPECT_EQ(Edit(0)->text(), "12") << "a vetoed value goes back to the last good one";
  EXPECT_EQ(constraint_.FindRecord(Edit(0))->LastGood, "12");
}

TEST_F(EditConstraintTest, WithoutKeepLastGoodTheFirstTextStays) {
  KvEditConstraint forgetful(nullptr, false);
  forgetful.AddEdit("%i{n1x32}", Edit(0));
  TypeAndLeave("5");
  Edit(0)->setFocus();
  Edit(0)->clear();
  TypeAndLeave("50");
  EXPECT_EQ(Edit(0)->text(), "");
}

TEST_F(EditConstraintTest, MessagesGoToTheOwnerSetLast) {
  QWidget dialog;
  constraint_.AddEdit("%u{x3}", Edit(0));
  constraint_.SetOwner(&dialog);
  TypeAndLeave("4");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].Parent, &dialog);
}

TEST_F(EditConstraintTest, EditsOutliveOrPrecedeTheConstraintSafely) {
  {
    KvEditConstraint shortLived(nullptr, true);
    shortLived.AddEdit("%i{n1x3}", Edit(0));
    shortLived.AddEdit("%i", Edit(1));
    delete Edit(1);
    edits_[1] = nullptr;
    EXPECT_EQ(shortLived.Count(), 1);
  }
  EXPECT_EQ(Edit(0)->validator(), nullptr);
  QTest::keyClicks(Edit(0), "9z");
  QTest::keyClick(Edit(0), Qt::Key_Tab);
  EXPECT_EQ(Edit(0)->text(), "9z");
  EXPECT_EQ(beeps_.Count(), 0);
  EXPECT_TRUE(boxes_.Shown().empty());
}

}  // namespace
