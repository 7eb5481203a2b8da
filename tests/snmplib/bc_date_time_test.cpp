#include "kv_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(BcDateTime, FormatsOnTheTwelveHourClock) {
  EXPECT_EQ(FormatBcDateTime(0.0), "1899/12/30 12:00:00 am");
  EXPECT_EQ(FormatBcDateTime(0.5), "1899/12/30 12:00:00 pm");
  EXPECT_EQ(FormatBcDateTime(1.75), "1899/12/31 06:00:00 pm");
  // 2004-05-17 is day 38124; 13:45:30 is 49530 seconds into the day.
  EXPECT_EQ(FormatBcDateTime(38124 + 49530 / 86400.0), "2004/05/17 01:45:30 pm");
  EXPECT_EQ(FormatBcDateTime(36526.0), "2000/01/01 12:00:00 am");
}

TEST(BcDateTime, NegativeCountsRunForwardFromMidnight) {
  EXPECT_EQ(FormatBcDateTime(-1.25), "1899/12/29 06:00:00 am");
  double days = 0;
  ASSERT_TRUE(ParseBcDateTime("1899/12/29 06:00:00 am", days));
  EXPECT_DOUBLE_EQ(days, -1.25);
}

TEST(BcDateTime, RoundsToTheMillisecondAndCarriesIntoTheNextDay) {
  // One microsecond before midnight shows as the next midnight, not 23:59:59.
  EXPECT_EQ(FormatBcDateTime(2.0 - 1e-6 / 86400), "1900/01/01 12:00:00 am");
  EXPECT_EQ(FormatBcDateTime(2.0 - 0.9 / 86400), "1899/12/31 11:59:59 pm");
}

TEST(BcDateTime, RefusesValuesWithoutACalendarDate) {
  EXPECT_EQ(FormatBcDateTime(std::numeric_limits<double>::quiet_NaN()), "");
  EXPECT_EQ(FormatBcDateTime(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(FormatBcDateTime(1e300), "");
  EXPECT_EQ(FormatBcDateTime(-1e300), "");
  EXPECT_EQ(FormatBcDateTime(2958466.0), "");  // 10000-01-01
  EXPECT_EQ(FormatBcDateTime(2958465.5), "9999/12/31 12:00:00 pm");
  EXPECT_EQ(FormatBcDateTime(-693593.0), "0001/01/01 12:00:00 am");
}

TEST(BcDateTime, ParsesWhatItFormats) {
  for (double days : {0.0, 0.5, 38124.573263888889, 36585.999988425926, -700.75, 2958465.25}) {
    const std::string text = FormatBcDateTime(days);
    double back = 1e9;
    ASSERT_TRUE(ParseBcDateTime(text, back)) << text;
    EXPECT_EQ(FormatBcDateTime(back), text);
    EXPECT_NEAR(back, days, 1.0 / 86400);
  }
}

TEST(BcDateTime, ParsesLenientForms) {
  double days = 0;
  ASSERT_TRUE(ParseBcDateTime(" 2004-5-17 13:45 ", days));
  EXPECT_EQ(FormatBcDateTime(days), "2004/05/17 01:45:00 pm");
  ASSERT_TRUE(ParseBcDateTime("2004/05/17", days));
  EXPECT_DOUBLE_EQ(days, 38124.0);
  ASSERT_TRUE(ParseBcDateTime("2004/05/17 12:00:01 AM", days));
  EXPECT_EQ(FormatBcDateTime(days), "2004/05/17 12:00:01 am");
  ASSERT_TRUE(ParseBcDateTime("2000/02/29 00:00:00", days));
}

TEST(BcDateTime, RefusesBadTextsAndLeavesTheCountAlone) {
  for (const char *bad :
       {"", "2004", "2004/05", "2004/05-17", "2003/02/29", "1900/02/29", "2004/13/01", "2004/00/10",
        "2004/05/17 24:00:00", "2004/05/17 13:00:00 pm", "2004/05/17 00:10:00 am",
        "2004/05/17 10:60", "2004/05/17 10:00:61", "2004/05/17 10:00:00 xm", "2004/05/17x",
        "2004/05/17 10", "0000/01/01", "abc", "2004/05/17 10:00:00 pm junk"}) {
    double days = 42.0;
    EXPECT_FALSE(ParseBcDateTime(bad, days)) << bad;
    EXPECT_EQ(days, 42.0) << bad;
  }
}
