#include "kv_binary_string.h"
#include "kv_date_time.h"
#include "kv_num_list.h"

#include <gtest/gtest.h>

TEST(NumList, EmptyFieldsAndTrailingDelimiterGiveZeros) {
  KvNumList<int> list(',');
  list.Parse("1,2,,4");
  EXPECT_EQ(list.Values, (std::vector<int>{1, 2, 0, 4}));
  list.Parse("5,");
  EXPECT_EQ(list.Values, (std::vector<int>{5, 0}));
  list.Parse("");
  EXPECT_EQ(list.GetCount(), 0);
  list.Parse(static_cast<const char *>(nullptr));
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(NumList, IndexOfFindsTheFirstEqualElement) {
  KvNumList<int> list(',');
  list.Parse("3,7");
  EXPECT_EQ(list.IndexOf(7), 1);
  EXPECT_EQ(list.IndexOf(5), -1);
}

TEST(NumList, FractionDigitsNeverChangeAnElement) {
  KvNumList<unsigned> list(',');
  list.Parse("12.99,3");
  EXPECT_EQ(list.Values, (std::vector<unsigned>{12, 3}));
}

TEST(NumList, DefaultDelimiterIsTheFullStop) {
  KvNumList<unsigned> list;
  list.Parse("1.3.6.1");
  EXPECT_EQ(list.Values, (std::vector<unsigned>{1, 3, 6, 1}));
  EXPECT_TRUE(list.AllInRange(1, 6));
  EXPECT_FALSE(list.AllInRange(2, 6));
  list.Parse("");
  EXPECT_TRUE(list.AllInRange(5, 6));
}

TEST(NumList, AbsurdInputStaysDefined) {
  KvNumList<int> list(',');
  list.Parse(std::string(500, '9'));
  EXPECT_EQ(list.GetCount(), 1);
  list.Parse("-1");  // a sign is not a digit: the text holds no valid number
  EXPECT_EQ(list.GetCount(), 1);
}

TEST(BinaryString, DecodesHexPairs) {
  EXPECT_EQ(KvBinaryString("0aFF").Data, (std::vector<uint8_t>{0x0A, 0xFF}));
  EXPECT_EQ(KvBinaryString("abc").Data, (std::vector<uint8_t>{0xAB}));
  EXPECT_EQ(KvBinaryString("").Length(), 0u);
  EXPECT_EQ(KvBinaryString("zz").Length(), 1u);
}

TEST(DateTime, ParsesAndPrintsWithAndWithoutOffset) {
  KvDateTime west("2004-5-17,13:45:30.0,-8:0");
  EXPECT_EQ(west.Year, 2004);
  EXPECT_EQ(west.UtcDirection, '-');
  EXPECT_EQ(west.UtcHours, 8);
  EXPECT_EQ(west.ToText(), "2004-5-17,13:45:30.0,-8:0");

  KvDateTime east("2004-5-17,13:45:30.5,+5:30");
  EXPECT_EQ(east.UtcDirection, '+');
  EXPECT_EQ(east.ToText(), "2004-5-17,13:45:30.5,+5:30");

  EXPECT_EQ(KvDateTime("2004-5-17,13:45:30.0").ToText(), "2004-5-17,13:45:30.0");
  EXPECT_EQ(KvDateTime("2004-5-17,13:45:30.0,+0:0").ToText(), "2004-5-17,13:45:30.0");
}

TEST(DateTime, MissingFieldsAreZero) {
  KvDateTime d("2004-5");
  EXPECT_EQ(d.ToText(), "2004-5-0,0:0:0.0");
  EXPECT_EQ(KvDateTime("garbage").ToText(), "0-0-0,0:0:0.0");
}

TEST(DateTime, WireOctetsCarryTheYearMostSignificantByteFirst) {
  const KvDateTime d("2004-5-17,13:45:30.0,-8:0");
  const std::string o = d.ToOctets();
  ASSERT_EQ(o.size(), 11u);
  EXPECT_EQ(static_cast<uint8_t>(o[0]), 0x07);
  EXPECT_EQ(static_cast<uint8_t>(o[1]), 0xD4);
  EXPECT_EQ(KvDateTime::FromOctets(o).ToText(), d.ToText());
  EXPECT_EQ(KvDateTime::FromOctets(o.substr(0, 3)).ToText(), "2004-5-0,0:0:0.0");

  KvDateTime swapped = d;
  swapped.SwapYearBytes();
  EXPECT_EQ(swapped.Year, 0xD407);
}

TEST(DateTime, DefaultIsNowWithoutOffset) {
  KvDateTime now;
  EXPECT_GE(now.Year, 2024);
  EXPECT_EQ(now.UtcDirection, '+');
  EXPECT_EQ(now.DeciSecond, 0);
}
