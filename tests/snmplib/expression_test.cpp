#include "kv_date_time.h"
#include "kv_exception.h"
#include "kv_expression.h"

#include <gtest/gtest.h>

TEST(EvaluateArithmetic, ChainsGroupToTheRight) {
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("10-2-3"), 11);
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("8/2/2"), 8);
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("2*(3+4)"), 14);
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("-5"), -5);
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("((1.5))"), 1.5);
}

TEST(EvaluateArithmetic, NonNumericOperandsCountAsZero) {
  EXPECT_DOUBLE_EQ(EvaluateArithmetic(""), 0);
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("abc+2"), 2);
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("12abc"), 12);
  EXPECT_DOUBLE_EQ(EvaluateArithmetic("0x10"), 0);
}

TEST(EvaluateArithmetic, NowIsTheCurrentDayCount) {
  const double yesterday = EvaluateArithmetic("NOW-1");
  EXPECT_NEAR(yesterday, NowAsDays() - 1, 1e-3);
  EXPECT_GT(yesterday, 45000);  // after the year 2023
}

TEST(EvaluateArithmetic, RefusesNestingThatWouldExhaustTheStack) {
  const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_THROW(EvaluateArithmetic(deep), KvException);
  std::string chain = "1";
  for (int i = 0; i < 50000; ++i) chain += "+1";
  try {
    EvaluateArithmetic(chain);
    FAIL();
  } catch (const KvException &e) {
    EXPECT_EQ(e.Code(), -1);
    EXPECT_STREQ(e.what(), "(KvCommon) Bad logic operand!");
  }
}

TEST(EvaluateComparison, ComparesTextsByteWise) {
  EXPECT_TRUE(EvaluateComparison("abc<abd"));
  EXPECT_TRUE(EvaluateComparison("10<9"));  // texts, not numbers
  EXPECT_TRUE(EvaluateComparison(" \"a b\" = a b "));
  EXPECT_TRUE(EvaluateComparison("a<>b"));
  EXPECT_TRUE(EvaluateComparison("b>=b"));
  EXPECT_FALSE(EvaluateComparison("a>b"));
}

TEST(EvaluateComparison, BareWordsAreBooleansOrFail) {
  EXPECT_TRUE(EvaluateComparison("TRUE"));
  EXPECT_FALSE(EvaluateComparison("false"));
  try {
    EvaluateComparison("maybe");
    FAIL();
  } catch (const KvException &e) {
    EXPECT_EQ(e.Code(), -1);
    EXPECT_STREQ(e.what(), "(KvCommon) Bad logic operand!");
  }
}

TEST(EvaluateCondition, CombinesComparisons) {
  EXPECT_TRUE(EvaluateCondition("a=a&b=b"));
  EXPECT_FALSE(EvaluateCondition("a=b&b=b"));
  EXPECT_TRUE(EvaluateCondition("a=b|b=b"));
  EXPECT_TRUE(EvaluateCondition("!a=b"));
  EXPECT_TRUE(EvaluateCondition("(a=b|c=c)&(d=d)"));
}

TEST(EvaluateCondition, QuotedOperatorsBelongToTheText) {
  EXPECT_TRUE(EvaluateCondition("\"x&y\"=x&y"));
  EXPECT_FALSE(EvaluateCondition("\"x&y\"=x"));
}

TEST(EvaluateCondition, RightPartIsEvaluatedOnlyWhenNeeded) {
  EXPECT_TRUE(EvaluateCondition("a=a|nonsense"));
  EXPECT_FALSE(EvaluateCondition("a=b&nonsense"));
  EXPECT_THROW(EvaluateCondition("a=b|nonsense"), KvException);
}

TEST(EvaluateCondition, RefusesDeepNesting) {
  EXPECT_THROW(EvaluateCondition(std::string(5000, '(') + "true" + std::string(5000, ')')),
               KvException);
}

TEST(FindOperator, TriesOperatorsInListOrder) {
  const char *const ops[] = {"<=", "<", nullptr};
  std::string l, r;
  EXPECT_EQ(FindOperator(ops, "a<b<=c", l, r), 0);
  EXPECT_EQ(l, "a<b");
  EXPECT_EQ(r, "c");
  EXPECT_EQ(FindOperator(ops, "abc", l, r), -1);
}
