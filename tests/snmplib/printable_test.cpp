#include "kv_binary_string.h"
#include "snmp_printable.h"

#include <gtest/gtest.h>

TEST(PrintableHex, OctetsBecomeUpperCaseDigitPairsThatBinaryStringReadsBack) {
  const std::string octets("\x00\x0a\xff\x7f", 4);
  const std::string text = OctetsToPrintableHex(octets);
  EXPECT_EQ(text, "000AFF7F");
  KvBinaryString binary(text);
  EXPECT_EQ(std::string(binary.Data.begin(), binary.Data.end()), octets);
  EXPECT_EQ(OctetsToPrintableHex(""), "");
}

TEST(PrintableHex, ParsingSkipsBlanksAndTakesALeadingOddDigitAlone) {
  EXPECT_EQ(PrintableHexToOctets("0a ff\t7F\n"), std::string("\x0a\xff\x7f"));
  EXPECT_EQ(PrintableHexToOctets("ABC"), std::string("\x0a\xbc"));
  EXPECT_EQ(PrintableHexToOctets("F"), std::string("\x0f"));
  EXPECT_EQ(PrintableHexToOctets("  "), "");
  const std::string all = [] {
    std::string s;
    for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
    return s;
  }();
  EXPECT_EQ(PrintableHexToOctets(OctetsToPrintableHex(all)), all);
}

TEST(PrintableHex, TextThatIsNotHexIsRefused) {
  std::string octets = "keep";
  EXPECT_FALSE(ParsePrintableHex("0G", octets));
  EXPECT_FALSE(ParsePrintableHex("00-11", octets));
  EXPECT_EQ(octets, "keep");
  EXPECT_EQ(PrintableHexToOctets("zz"), "");
}

TEST(TimeTicksText, ThreeFormsByDayCount) {
  EXPECT_EQ(TimeTicksToText(0), "0:00:00.00");
  EXPECT_EQ(TimeTicksToText(123456), "0:20:34.56");
  EXPECT_EQ(TimeTicksToText(8639999), "23:59:59.99");
  EXPECT_EQ(TimeTicksToText(8640000), "1 day 0:00:00.00");
  EXPECT_EQ(TimeTicksToText(2 * 8640000 + 360000 + 5), "2 days, 1:00:00.05");
  EXPECT_EQ(TimeTicksToText(4294967295u), "497 days, 2:27:52.95");
}

TEST(TimeTicksText, PrintedFormsAndPlainCountsParseBack) {
  for (const uint32_t ticks : {0u, 1u, 99u, 123456u, 8639999u, 8640000u, 8640001u, 17280000u,
                               4294967295u}) {
    uint32_t back = 7;
    ASSERT_TRUE(TextToTimeTicks(TimeTicksToText(ticks), back)) << ticks;
    EXPECT_EQ(back, ticks);
  }
  uint32_t ticks = 0;
  EXPECT_TRUE(TextToTimeTicks("4294967295", ticks));
  EXPECT_EQ(ticks, 4294967295u);
  EXPECT_TRUE(TextToTimeTicks(" 12 ", ticks));
  EXPECT_EQ(ticks, 12u);
  EXPECT_TRUE(TextToTimeTicks("1:02:03", ticks));
  EXPECT_EQ(ticks, 372300u);
  EXPECT_TRUE(TextToTimeTicks("0:00:01.5", ticks));
  EXPECT_EQ(ticks, 150u);
}

TEST(TimeTicksText, MalformedOrOversizedTextIsRefusedAndLeavesTheValue) {
  uint32_t ticks = 42;
  for (const char *bad : {"", " ", "abc", "4294967296", "1:60:00.00", "1:00:60.00", "1:00",
                          "1:00:00.100", "3days 1:00:00.00", "1 week 0:00:00.00", "-1",
                          "497 days, 2:27:52.96", "1:00:00.00 x", "12 34"}) {
    EXPECT_FALSE(TextToTimeTicks(bad, ticks)) << bad;
  }
  EXPECT_EQ(ticks, 42u);
}

TEST(Counter64Text, DecimalOverTheWholeRange) {
  EXPECT_EQ(Counter64ToText(0), "0");
  EXPECT_EQ(Counter64ToText(18446744073709551615ull), "18446744073709551615");
  uint64_t value = 0;
  EXPECT_TRUE(TextToCounter64("18446744073709551615", value));
  EXPECT_EQ(value, 18446744073709551615ull);
  EXPECT_FALSE(TextToCounter64("18446744073709551616", value));
  EXPECT_FALSE(TextToCounter64("1x", value));
  EXPECT_FALSE(TextToCounter64("", value));
}

TEST(OidText, DottedWithOrWithoutLeadingDotAndBack) {
  std::vector<uint32_t> subids;
  ASSERT_TRUE(ParseOid(".1.3.6.1.2.1.1.1.0", subids));
  EXPECT_EQ(OidToText(subids), "1.3.6.1.2.1.1.1.0");
  ASSERT_TRUE(ParseOid("1.3.4294967295", subids));
  EXPECT_EQ(subids, (std::vector<uint32_t>{1, 3, 4294967295u}));
  EXPECT_EQ(OidToText({}), "");
}

TEST(OidText, MalformedTextIsRefusedAndLeavesTheOid) {
  std::vector<uint32_t> subids{9};
  for (const char *bad : {"", ".", "1..3", "1.3.", "1.3.4294967296", "1.a", " 1.3", "..1"})
    EXPECT_FALSE(ParseOid(bad, subids)) << bad;
  EXPECT_EQ(subids, std::vector<uint32_t>{9});
}

TEST(IpAddressText, DottedQuadBothWays) {
  EXPECT_EQ(IpAddressToText(std::string("\xc0\xa8\x00\xff", 4)), "192.168.0.255");
  EXPECT_EQ(IpAddressToText("abc"), "");
  std::string octets;
  ASSERT_TRUE(ParseIpAddress("10.0.0.1", octets));
  EXPECT_EQ(octets, std::string("\x0a\x00\x00\x01", 4));
  for (const char *bad : {"10.0.0", "10.0.0.256", "10.0.0.1.", "a.b.c.d", ""})
    EXPECT_FALSE(ParseIpAddress(bad, octets)) << bad;
}

TEST(PortListText, PortNumbersAndRunsBothWaysAndMalformedTextRefused) {
  const struct {
    const char *Octets;  // hex
    const char *Text;
  } kBoth[] = {
      {"FFFFFF00", "1-24"},       {"80000000", "1"},        {"00000000", "none"},
      {"A0C00001", "1,3,9-10,32"}, {"0000000080", "33"}, {"01800000", "8-9"},
  };
  for (const auto &c : kBoth) {
    EXPECT_EQ(PortListToText(PrintableHexToOctets(c.Octets)), c.Text) << c.Octets;
    std::string octets;
    ASSERT_TRUE(ParsePortList(c.Text, octets)) << c.Text;
    EXPECT_EQ(OctetsToPrintableHex(octets), c.Octets) << c.Text;
  }
  EXPECT_EQ(PortListToText(""), "none");
  // Any order, overlaps, blanks and commas; at least four octets.
  std::string octets;
  ASSERT_TRUE(ParsePortList(" 10, 3 1-2 ,2 - 4 ", octets));
  EXPECT_EQ(OctetsToPrintableHex(octets), "F0400000");
  ASSERT_TRUE(ParsePortList("", octets));
  EXPECT_EQ(OctetsToPrintableHex(octets), "00000000");

  octets = "keep";
  for (const char *bad : {"0", "3-1", "1;2", "x", "1-", "-2", "4097", "none,1", "99999999999999999999"})
    EXPECT_FALSE(ParsePortList(bad, octets)) << bad;
  EXPECT_EQ(octets, "keep");
}
