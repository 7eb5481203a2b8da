#include "kv_exception.h"
#include "kv_index_codec.h"
#include "kv_snmp_var_def.h"

#include "error_code.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
std::vector<uint32_t> Encode(unsigned syntax, const std::string &value, bool implied = false) {
  std::vector<uint32_t> out;
  EncodeIndexValue(syntax, implied, value, out);
  return out;
}

std::string Decode(unsigned syntax, const std::vector<uint32_t> &subids, size_t &pos, bool implied = false) {
  return DecodeIndexValue(syntax, implied, subids, pos);
}

}  // namespace

TEST(IndexCodec, DisplayStringsCarryALengthUnlessImplied) {
  size_t pos = 0;
  EXPECT_EQ(Decode(Syntax::DisplayStr, {97, 98}, pos, true), "ab");
  EXPECT_EQ(pos, 2u);
  pos = 0;
  EXPECT_EQ(Decode(Syntax::DisplayStr, {2, 97, 98, 7}, pos), "ab");
  EXPECT_EQ(pos, 3u);
  EXPECT_EQ(Encode(Syntax::DisplayStr, "ab"), (std::vector<uint32_t>{2, 97, 98}));
  EXPECT_EQ(Encode(Syntax::DisplayStr, "ab", true), (std::vector<uint32_t>{97, 98}));
}

TEST(IndexCodec, DateTimeUsesExactlyElevenSubIdentifiers) {
  const auto subids = Encode(Syntax::DateTime, "2004-5-17,13:45:30.0,-8:0");
  ASSERT_EQ(subids.size(), 11u);
  std::vector<uint32_t> row = subids;
  row.push_back(42);
  size_t pos = 0;
  EXPECT_EQ(Decode(Syntax::DateTime, row, pos), "2004-5-17,13:45:30.0,-8:0");
  EXPECT_EQ(Decode(Syntax::Integer, row, pos), "42");
}

TEST(IndexCodec, RoundTripsEverySyntax) {
  const std::pair<unsigned, std::string> cases[] = {
      {Syntax::Boolean, "true"},          {Syntax::Integer, "-5"},
      {Syntax::OctetStr, "0A00FF"},       {Syntax::BitStr, "80000001"},
      {Syntax::ObjectId, "1.3.6.1.2.1"},  {Syntax::IpAddress, "10.1.2.3"},
      {Syntax::Counter, "4294967295"},    {Syntax::TimeTicks, "1 day 2:03:04.05"},
      {Syntax::Counter64, "18446744073709551615"}, {Syntax::Double, "3.25"},
      {Syntax::MacAddress, "0080C8112233"}, {Syntax::BcDateTime, "2004/05/17 01:45:30 pm"},
      {Syntax::DisplayStr, "port 1"}};
  for (const auto &[syntax, text] : cases) {
    for (bool implied : {false, true}) {
      const auto subids = Encode(syntax, text, implied);
      size_t pos = 0;
      EXPECT_EQ(Decode(syntax, subids, pos, implied), text) << "syntax " << syntax;
      EXPECT_EQ(pos, subids.size()) << "syntax " << syntax;
    }
  }
}

TEST(IndexCodec, NeverReadsPastTheEnd) {
  size_t pos = 0;
  EXPECT_EQ(ErrorCodeOf([&] { Decode(Syntax::DisplayStr, {5, 97}, pos); }), -511);
  pos = 0;
  EXPECT_EQ(ErrorCodeOf([&] { Decode(Syntax::IpAddress, {10, 1}, pos); }), -511);
  pos = 0;
  EXPECT_EQ(ErrorCodeOf([&] { Decode(Syntax::Integer, {}, pos); }), -511);
  pos = 0;
  EXPECT_EQ(ErrorCodeOf([&] { Decode(Syntax::OctetStr, {1, 256}, pos); }), -511);
  pos = 0;
  EXPECT_EQ(ErrorCodeOf([&] { Decode(Syntax::DisplayStr, {0xFFFFFFFF}, pos); }), -511);
}

TEST(IndexCodec, PartialDataSyntaxesAreNoIndexes) {
  size_t pos = 0;
  EXPECT_EQ(ErrorCodeOf([&] { Decode(Syntax::Int8, {1}, pos); }), -511);
  EXPECT_EQ(ErrorCodeOf([] { Encode(Syntax::UInt16, "1"); }), -511);
}

TEST(IndexCodec, MacAddressShorterThanSixOctetsEncodesNothing) {
  EXPECT_TRUE(Encode(Syntax::MacAddress, "0080C8").empty());
}

TEST(IndexCodec, NonNumericIntegerIsAConversionError) {
  try {
    Encode(Syntax::Integer, "(NULL)");
    FAIL();
  } catch (const KvException &e) {
    EXPECT_STREQ(e.what(), "'(NULL)' is not a valid integer value");
  }
}
