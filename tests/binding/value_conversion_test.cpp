#include "kv_value_conversion.h"

#include "kv_exception.h"
#include "kv_snmp_var_def.h"

#include "error_code.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

const unsigned kAllSyntaxes[] = {
    Syntax::Boolean,   Syntax::Integer,  Syntax::BitStr,     Syntax::OctetStr,   Syntax::Null,
    Syntax::ObjectId,  Syntax::IpAddress, Syntax::Counter,   Syntax::Gauge,      Syntax::TimeTicks,
    Syntax::Opaque,    Syntax::NsapAddr, Syntax::Counter64,  Syntax::UInteger,   Syntax::Double,
    Syntax::MacAddress, Syntax::DateTime, Syntax::BcDateTime, Syntax::DisplayStr, Syntax::Bool8,
    Syntax::Int8,      Syntax::UInt8,    Syntax::Bool16,     Syntax::Int16,      Syntax::UInt16};

TEST(ValueConversion, NullTextAndEmptyRawStandForNoValue) {
  for (unsigned syntax : kAllSyntaxes) {
    EXPECT_EQ(TextToRaw("(NULL)", syntax), "") << syntax;
    EXPECT_EQ(RawToText("", syntax), syntax == Syntax::DisplayStr ? "" : "(NULL)") << syntax;
    EXPECT_EQ(ExtractPart("", 5, syntax), "") << syntax;
  }
  EXPECT_EQ(TextToRaw("17", Syntax::Null), "");
  EXPECT_EQ(RawToText("\x01"s, Syntax::Null), "(NULL)");
}

TEST(ValueConversion, NumbersAreWrittenLeastSignificantByteFirstExceptSixteenBitFields) {
  EXPECT_EQ(TextToRaw("16909060", Syntax::Integer), "\x04\x03\x02\x01"s);
  EXPECT_EQ(TextToRaw("-2", Syntax::Integer), "\xFE\xFF\xFF\xFF"s);
  EXPECT_EQ(TextToRaw("4294967295", Syntax::Counter), "\xFF\xFF\xFF\xFF"s);
  EXPECT_EQ(TextToRaw("100", Syntax::TimeTicks), "\x64\x00\x00\x00"s);
  EXPECT_EQ(TextToRaw("4294967297", Syntax::Counter64), "\x01\x00\x00\x00\x01\x00\x00\x00"s);
  EXPECT_EQ(TextToRaw("1.3.256", Syntax::ObjectId),
            "\x01\x00\x00\x00\x03\x00\x00\x00\x00\x01\x00\x00"s);
  EXPECT_EQ(TextToRaw("1", Syntax::Double), "\x00\x00\x00\x00\x00\x00\xF0\x3F"s);
  EXPECT_EQ(TextToRaw("1899/12/31 12:00:00 pm", Syntax::BcDateTime),
            "\x00\x00\x00\x00\x00\x00\xF8\x3F"s);  // 1.5 days
  EXPECT_EQ(TextToRaw("258", Syntax::UInt16), "\x01\x02"s);
  EXPECT_EQ(TextToRaw("2004-5-17,13:45:30.0", Syntax::DateTime),
            "\x07\xD4\x05\x11\x0D\x2D\x1E\x00+\x00\x00"s);
}

TEST(ValueConversion, BooleansAreTrueOnlyForTheWordTrue) {
  EXPECT_EQ(TextToRaw("true", Syntax::Boolean), "\x01\x00\x00\x00"s);
  EXPECT_EQ(TextToRaw("yes", Syntax::Boolean), "\x00\x00\x00\x00"s);
  EXPECT_EQ(TextToRaw("true", Syntax::Bool8), "\x01"s);
  EXPECT_EQ(TextToRaw("true", Syntax::Bool16), "\x00\x01"s);
  EXPECT_EQ(RawToText("\x00\x01"s, Syntax::Bool16), "true");
  EXPECT_EQ(RawToText("\x00\x00"s, Syntax::Bool16), "false");
  EXPECT_EQ(RawToText("\x00\x00\x00\x80"s, Syntax::Boolean), "true");
  EXPECT_EQ(RawToText("\x00"s, Syntax::Bool8), "false");
}

TEST(ValueConversion, SmallIntegersShowSignedOnlyForInt8) {
  EXPECT_EQ(RawToText("\xFF\xFF"s, Syntax::Int16), "65535");
  EXPECT_EQ(RawToText("\xFF\xFF"s, Syntax::UInt16), "65535");
  EXPECT_EQ(RawToText("\xFF"s, Syntax::Int8), "-1");
  EXPECT_EQ(RawToText("\xFF"s, Syntax::UInt8), "255");
  EXPECT_EQ(TextToRaw("-1", Syntax::Int16), "\xFF\xFF"s);
  EXPECT_EQ(TextToRaw("65535", Syntax::Int16), "\xFF\xFF"s);
  EXPECT_EQ(TextToRaw("-128", Syntax::Int8), "\x80"s);
  EXPECT_EQ(RawToText("\xFF\xFF\xFF\xFF"s, Syntax::Integer), "-1");
  EXPECT_EQ(RawToText("\xFF\xFF\xFF\xFF"s, Syntax::Gauge), "4294967295");
}

TEST(ValueConversion, AddressesHaveOneBytePerDottedNumber) {
  EXPECT_EQ(TextToRaw("10.1.2.3", Syntax::IpAddress), "\x0A\x01\x02\x03"s);
  EXPECT_EQ(RawToText("\x0A\x01\x02\x03"s, Syntax::IpAddress), "10.1.2.3");
  EXPECT_EQ(RawToText("\x0A\x01\x02\x03\x04\x05"s, Syntax::NsapAddr), "10.1.2.3");
  EXPECT_EQ(TextToRaw("1.2.3.4.5", Syntax::NsapAddr), "\x01\x02\x03\x04\x05"s);
  EXPECT_EQ(ErrorCodeOf([] { TextToRaw("10.1.2.256", Syntax::IpAddress); }), -518);
}

TEST(ValueConversion, EverySyntaxRoundTripsThroughItsRawForm) {
  const struct {
    unsigned syntax;
    const char *text;
  } cases[] = {
      {Syntax::Boolean, "true"},
      {Syntax::Boolean, "false"},
      {Syntax::Integer, "-2147483648"},
      {Syntax::Integer, "2147483647"},
      {Syntax::Counter, "4294967295"},
      {Syntax::Gauge, "0"},
      {Syntax::UInteger, "123456"},
      {Syntax::TimeTicks, "1 day 2:03:04.05"},
      {Syntax::BitStr, "80000001"},
      {Syntax::OctetStr, "00FF7F"},
      {Syntax::Opaque, "0A"},
      {Syntax::MacAddress, "0011223344AA"},
      {Syntax::ObjectId, "1.3.6.1.4.1.171.4294967295"},
      {Syntax::IpAddress, "192.168.0.255"},
      {Syntax::Counter64, "18446744073709551615"},
      {Syntax::Counter64, "9007199254740993"},  // beyond a double's exact integers
      {Syntax::Double, "-0.1"},
      {Syntax::Double, "1e+300"},
      {Syntax::DateTime, "2004-5-17,13:45:30.0,-8:0"},
      {Syntax::BcDateTime, "2004/05/17 01:45:30 pm"},
      {Syntax::DisplayStr, "port 1, \"uplink\""},
      {Syntax::Bool8, "true"},
      {Syntax::Int8, "-128"},
      {Syntax::UInt8, "255"},
      {Syntax::Bool16, "false"},
      {Syntax::Int16, "32768"},
      {Syntax::UInt16, "65535"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(RawToText(TextToRaw(c.text, c.syntax), c.syntax), c.text) << c.syntax;
}

TEST(ValueConversion, RawValuesShorterThanTheirSyntaxAreRefused) {
  const struct {
    unsigned syntax;
    size_t minimum;
  } cases[] = {{Syntax::Boolean, 4},  {Syntax::Integer, 4},   {Syntax::IpAddress, 4},
               {Syntax::NsapAddr, 4}, {Syntax::Counter, 4},   {Syntax::Gauge, 4},
               {Syntax::UInteger, 4}, {Syntax::TimeTicks, 4}, {Syntax::MacAddress, 6},
               {Syntax::Counter64, 8}, {Syntax::Double, 8},   {Syntax::BcDateTime, 8},
               {Syntax::DateTime, 11}, {Syntax::Bool8, 1},    {Syntax::Int8, 1},
               {Syntax::UInt8, 1},    {Syntax::Bool16, 2},    {Syntax::Int16, 2},
               {Syntax::UInt16, 2}};
  for (const auto &c : cases) {
    const std::string zeros(c.minimum, '\0');
    if (c.minimum > 1) {
      EXPECT_EQ(ErrorCodeOf([&] { RawToText(zeros.substr(1), c.syntax); }), -518) << c.syntax;
    }
    EXPECT_EQ(ErrorCodeOf([&] { RawToText(zeros, c.syntax); }), 0) << c.syntax;
  }
  try {
    RawToText("\x01\x02\x03"s, Syntax::Integer);
    ADD_FAILURE();
  } catch (const KvException &e) {
    EXPECT_STREQ(e.what(), "(KvSNMP++) Bad value of the associated SNMP variable's (partial) data!");
  }
}

TEST(ValueConversion, RawValuesWithoutAMeaningAreRefused) {
  EXPECT_EQ(ErrorCodeOf([] { RawToText("\x01\x00\x00\x00\x02"s, Syntax::ObjectId); }), -518);
  const std::string nan = "\x00\x00\x00\x00\x00\x00\xF8\x7F"s;
  EXPECT_EQ(ErrorCodeOf([&] { RawToText(nan, Syntax::BcDateTime); }), -518);
  EXPECT_EQ(RawToText(nan, Syntax::Double), "nan");
}

TEST(ValueConversion, TextsThatAreNoValueOfTheirSyntaxAreRefused) {
  const struct {
    unsigned syntax;
    const char *text;
  } cases[] = {
      {Syntax::Integer, "abc"},        {Syntax::Integer, ""},         {Syntax::Integer, "12x"},
      {Syntax::Counter, "4294967296"}, {Syntax::Integer, "-2147483649"}, {Syntax::Int8, "256"},
      {Syntax::UInt16, "65536"},       {Syntax::OctetStr, "zz"},      {Syntax::ObjectId, "1..2"},
      {Syntax::ObjectId, "1.4294967296"}, {Syntax::TimeTicks, "soon"}, {Syntax::Counter64, "-1"},
      {Syntax::Counter64, "1.5"},      {Syntax::Double, "x"},         {Syntax::BcDateTime, "2004/13/01"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ErrorCodeOf([&] { TextToRaw(c.text, c.syntax); }), -518) << c.syntax << " " << c.text;
}

TEST(ValueConversion, UnknownSyntaxIsRefusedByAllThree) {
  for (unsigned syntax : {0x00u, 0x07u, 0x99u, 0xc7u}) {
    try {
      TextToRaw("1", syntax);
      ADD_FAILURE() << syntax;
    } catch (const KvException &e) {
      EXPECT_EQ(e.Code(), -511);
      EXPECT_STREQ(e.what(), "(KvSNMP++) Bad SNMP syntax!");
    }
    EXPECT_EQ(ErrorCodeOf([&] { RawToText("\x01"s, syntax); }), -511) << syntax;
    EXPECT_EQ(ErrorCodeOf([&] { ExtractPart("\x01"s, 0, syntax); }), -511) << syntax;
  }
}

TEST(ValueConversion, ExtractPartTakesTheSyntaxLengthFromTheIndex) {
  const std::string raw = "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09"s;
  EXPECT_EQ(ExtractPart(raw, 6, Syntax::Integer), "\x06\x07\x08\x09"s);
  EXPECT_EQ(ExtractPart(raw, 2, Syntax::MacAddress), "\x02\x03\x04\x05\x06\x07"s);
  EXPECT_EQ(ExtractPart(raw, 9, Syntax::UInt8), "\x09"s);
  EXPECT_EQ(ExtractPart(raw, 8, Syntax::Int16), "\x08\x09"s);
  EXPECT_EQ(ExtractPart(raw, 2, Syntax::Counter64), raw.substr(2));
  EXPECT_EQ(ExtractPart(raw, 3, Syntax::OctetStr), raw.substr(3));
  EXPECT_EQ(ExtractPart(raw, 0, Syntax::DisplayStr), raw);
  EXPECT_EQ(ExtractPart(raw, 4, Syntax::Null), "");
  try {
    ExtractPart(raw, 8, Syntax::Integer);
    ADD_FAILURE();
  } catch (const KvException &e) {
    EXPECT_EQ(e.Code(), -519);
    EXPECT_STREQ(e.what(), "(KvSNMP++) Out of range for the bit(byte) index of the associated "
                           "SNMP variable's (partial) data!");
  }
  EXPECT_EQ(ErrorCodeOf([&] { ExtractPart(raw, 0, Syntax::DateTime); }), -519);
  EXPECT_EQ(ErrorCodeOf([&] { ExtractPart(raw, 10, Syntax::Bool8); }), -519);
  EXPECT_EQ(ErrorCodeOf([&] { ExtractPart(raw, 10, Syntax::OctetStr); }), -519);
  EXPECT_EQ(ErrorCodeOf([&] { ExtractPart(raw, 11, Syntax::ObjectId); }), -519);
  EXPECT_EQ(ErrorCodeOf([&] { ExtractPart(raw, -1, Syntax::UInt8); }), -519);
}

}  // namespace
