#include "kv_text.h"

#include <gtest/gtest.h>

TEST(TextRoutines, UnquoteStripsOnlyAnEnclosingPair) {
  EXPECT_EQ(Unquote("\"abc\""), "abc");
  EXPECT_EQ(Unquote("\""), "");
  EXPECT_EQ(Unquote("\"\""), "");
  EXPECT_EQ(Unquote("\"abc"), "\"abc");
  EXPECT_EQ(Unquote("abc"), "abc");
}

TEST(TextRoutines, ReplaceAllDoesNotRescanInsertedText) {
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("[X][X]", "[X]", "x[X]"), "x[X]x[X]");
  EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

TEST(TextRoutines, StripPrefixNeedsALongerText) {
  EXPECT_EQ(StripPrefix("1.3.6.1.2", "1.3.6."), "1.2");
  EXPECT_EQ(StripPrefix("1.3.6", "1.3.6"), "");
  EXPECT_EQ(StripPrefix("1.3.7.1", "1.3.6"), "");
}

TEST(TextRoutines, SpanOfCountsFromOne) {
  EXPECT_EQ(SpanOf("123abc", 1, "0123456789"), 3);
  EXPECT_EQ(SpanOf("123abc", 4, "0123456789"), 0);
  EXPECT_EQ(SpanOf("ab12", 3, "0123456789"), 4);
  EXPECT_EQ(SpanOf("ab", 9, "ab"), 0);
  EXPECT_EQ(SpanOf("ab", 0, "ab"), 0);
}

TEST(TextRoutines, JoinPathUsesTheNativeSeparatorAndAcceptsEither) {
  EXPECT_EQ(JoinPath("", "x.cfg"), "x.cfg");
  EXPECT_EQ(JoinPath("/opt/orvix", "x.cfg"), "/opt/orvix/x.cfg");
  EXPECT_EQ(JoinPath("/opt/orvix/", "x.cfg"), "/opt/orvix/x.cfg");
  EXPECT_EQ(JoinPath("C:\\Orvix\\", "x.cfg"), "C:\\Orvix\\x.cfg");
}

TEST(TextRoutines, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(Trim("   "), "");
}
