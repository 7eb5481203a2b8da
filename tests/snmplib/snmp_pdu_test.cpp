#include "snmp_pdu.h"

#include <gtest/gtest.h>

TEST(SnmpValue, PrintableFormsFollowTheType) {
  EXPECT_EQ(SnmpValue::Integer(-5).ToPrintable(), "-5");
  EXPECT_EQ(SnmpValue::Unsigned(SnmpType::Gauge32, 4294967295u).ToPrintable(), "4294967295");
  EXPECT_EQ(SnmpValue::Unsigned(SnmpType::TimeTicks, 8640000).ToPrintable(), "1 day 0:00:00.00");
  EXPECT_EQ(SnmpValue::Counter64(18446744073709551615ull).ToPrintable(), "18446744073709551615");
  EXPECT_EQ(SnmpValue::ObjectId({1, 3, 6, 1}).ToPrintable(), "1.3.6.1");
  EXPECT_EQ(SnmpValue::IpAddress(std::string("\x0a\x00\x00\x01", 4)).ToPrintable(), "10.0.0.1");
  EXPECT_EQ(SnmpValue::Octets(std::string("\x00\xab", 2)).ToPrintable(), "00AB");
  EXPECT_EQ(SnmpValue::Null().ToPrintable(), "");
}

TEST(SnmpValue, ExceptionsAndNullHaveNoValue) {
  for (SnmpType t : {SnmpType::NoSuchObject, SnmpType::NoSuchInstance, SnmpType::EndOfMibView}) {
    const SnmpValue v = SnmpValue::Exception(t);
    EXPECT_EQ(v.Type(), t);
    EXPECT_TRUE(v.IsException());
    EXPECT_FALSE(v.HasValue());
    EXPECT_EQ(v.ToPrintable(), "");
  }
  EXPECT_FALSE(SnmpValue::Null().HasValue());
  EXPECT_TRUE(SnmpValue::Integer(0).HasValue());
}

TEST(SnmpValue, MisusedFactoriesGiveNullNotAWrongType) {
  EXPECT_EQ(SnmpValue::Unsigned(SnmpType::Integer, 1).Type(), SnmpType::Null);
  EXPECT_EQ(SnmpValue::IpAddress("abc").Type(), SnmpType::Null);
  EXPECT_EQ(SnmpValue::Exception(SnmpType::Integer).Type(), SnmpType::Null);
  EXPECT_EQ(SnmpValue::Integer(-1).AsInteger(), -1);
  EXPECT_EQ(SnmpValue::Octets("x").AsInteger(), 0);
}

TEST(SnmpPdu, AddVbTakesDottedOidsAndRefusesOthers) {
  SnmpPdu pdu;
  EXPECT_TRUE(pdu.AddVb(".1.3.6.1.2.1.1.1.0"));
  EXPECT_FALSE(pdu.AddVb("1.3.x"));
  ASSERT_EQ(pdu.Vbs.size(), 1u);
  EXPECT_EQ(pdu.Vbs[0].OidText(), "1.3.6.1.2.1.1.1.0");
  EXPECT_EQ(pdu.Vbs[0].Value.Type(), SnmpType::Null);
}
