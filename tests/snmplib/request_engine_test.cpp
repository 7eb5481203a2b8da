// The request engine's value handling, without an agent.
#include "kv_exception.h"
#include "kv_option_list.h"
#include "kv_snmp_request.h"

#include "error_code.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const KvIntOption kOnOff[] = {{1, "on"}, {2, "off"}, {0, nullptr}};
const KvOptionList OnOff(kOnOff);

const KvSNMPVarDef kScalars[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.1.3", "sysUpTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.1.4", "sysContact", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.1.9", "writeOnly", Syntax::Integer, Access::WriteOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
}  // namespace

TEST(RequestEngine, ContinuingAScalarListIsRefused) {
  KvSNMPRequest request;
  request.Settings.Device.Address = "127.0.0.1";
  request.VarList = KvSNMPVarList(kScalars, SVT_SV, 0);
  EXPECT_EQ(ErrorCodeOf([&] { request.Get(false); }), -510);
  request.VarList.ItemType = MVT_SV;
  EXPECT_EQ(ErrorCodeOf([&] { request.Get(false); }), -510);
  request.VarList.ItemType = 7;
  EXPECT_EQ(ErrorCodeOf([&] { request.Get(true); }), -515);
}

TEST(RequestEngine, DisabledRequestDoesNothing) {
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(kScalars, SVT_SV, 0);
  request.SetEnabled(false);
  request.Settings.Device.Address = "no.such.host.invalid";
  EXPECT_FALSE(request.Get(true));
  EXPECT_FALSE(request.Set(false));
  EXPECT_EQ(request.PendingCount(), 0);
}

TEST(RequestEngine, DateTimeIndexTakesElevenSubIdentifiers) {
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.4.1.99.1.1", "when", Syntax::DateTime, Access::NotAccess, nullptr},
      {"1.3.6.1.4.1.99.1.2", "port", Syntax::Integer, Access::NotAccess, &OnOff},
      {"1.3.6.1.4.1.99.1.3", "value", Syntax::Integer, Access::ReadOnly, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, MVT_FMV, 2);
  request.DecodeRowIndexes("7.212.5.17.13.45.30.0.45.8.0.2");
  EXPECT_EQ(request.VarList.GetItem(0)->Value, "2004-5-17,13:45:30.0,-8:0");
  EXPECT_EQ(request.VarList.GetItem(1)->Value, "off");  // the label of value 2
  EXPECT_EQ(request.VarList.GetItem(1)->Instance, "1.3.6.1.4.1.99.1.2.7.212.5.17.13.45.30.0.45.8.0.2");
  EXPECT_EQ(request.EncodeIndex(0), "7.212.5.17.13.45.30.0.45.8.0");
  EXPECT_EQ(request.EncodeIndex(1), "2");
}

TEST(RequestEngine, TooFewSubIdentifiersForTheKeysIsABadKeyCount) {
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.4.1.99.1.1", "a", Syntax::Integer, Access::NotAccess, nullptr},
      {"1.3.6.1.4.1.99.1.2", "b", Syntax::Integer, Access::NotAccess, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, MVT_FMV, 2);
  EXPECT_EQ(ErrorCodeOf([&] { request.DecodeRowIndexes("5"); }), -514);
  EXPECT_EQ(ErrorCodeOf([&] { request.DecodeRowIndexes(""); }), -514);
}

TEST(RequestEngine, ImpliedDisplayStringIndexHasNoLength) {
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.6.3.12.1.2.1.1", "name", Syntax::DisplayStr, Access::NotAccess | Access::Implied, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, MVT_UMV, 1);
  request.DecodeRowIndexes("97.98");
  EXPECT_EQ(request.VarList.GetItem(0)->Value, "ab");
  request.VarList.GetItem(0)->Access = Access::NotAccess;
  EXPECT_EQ(request.DecodeIndex(0, "2.97.98.5"), "5");
  EXPECT_EQ(request.VarList.GetItem(0)->Value, "ab");
}

TEST(RequestEngine, SubstitutesItemValuesByTheirSyntax) {
  const KvSNMPVarDef defs[] = {
      {"1.1", "n", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.2", "b", Syntax::Boolean, Access::ReadOnly, nullptr},
      {"1.3", "t", Syntax::TimeTicks, Access::ReadOnly, nullptr},
      {"1.4", "s", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {"1.5", "e", Syntax::Integer, Access::ReadOnly, &OnOff},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, SVT_SV, 0);
  request.VarList.GetItem(0)->Value = "12";
  request.VarList.GetItem(1)->Value = "true";
  request.VarList.GetItem(2)->Value = "0:00:01.50";
  request.VarList.GetItem(3)->Value = "x&y";
  request.VarList.GetItem(4)->Value = "off";
  EXPECT_EQ(request.SubstituteValues("$0+$1*$2-$4", false, "$"), "12+1*150-2");
  EXPECT_EQ(request.SubstituteValues("$3=x", true, "$"), "\"x&y\"=x");
  EXPECT_EQ(ErrorCodeOf([&] { request.SubstituteValues("$3", false, "$"); }), -513);
  request.VarList.GetItem(0)->Value = "(NULL)";
  EXPECT_EQ(ErrorCodeOf([&] { request.SubstituteValues("$0", false, "$"); }), -512);
  EXPECT_TRUE(request.MatchesFilter("$3=\"x&y\""));
  EXPECT_TRUE(request.MatchesFilter(""));
  EXPECT_FALSE(request.MatchesFilter("$4=on"));
}

TEST(RequestEngine, DerivesValuesFromExpressions) {
  const KvSNMPVarDef defs[] = {
      {"1.1", "in", Syntax::Counter, Access::ReadOnly, nullptr},
      {"1.2", "rate", Syntax::Integer, Access::Derived, nullptr, "$0/10"},
      {"1.3", "text", Syntax::DisplayStr, Access::Derived, nullptr, "$0"},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, SVT_SV, 0);
  request.VarList.GetItem(0)->Value = "125";
  request.DeriveValue(1, true);
  EXPECT_EQ(request.VarList.GetItem(1)->Value, "12");
  request.DeriveValue(1, false);  // no write expression: unchanged
  EXPECT_EQ(request.VarList.GetItem(1)->Value, "12");
  EXPECT_EQ(ErrorCodeOf([&] { request.DeriveValue(2, true); }), -513);
}

TEST(RequestEngine, ValuesGoOutAndComeBackInTheirTextForm) {
  const KvSNMPVarDef defs[] = {
      {"1.1", "d", Syntax::Double, Access::ReadWrite, nullptr},
      {"1.2", "bc", Syntax::BcDateTime, Access::ReadWrite, nullptr},
      {"1.3", "dt", Syntax::DateTime, Access::ReadWrite, nullptr},
      {"1.4", "mac", Syntax::MacAddress, Access::ReadWrite, nullptr},
      {"1.5", "ip", Syntax::IpAddress, Access::ReadWrite, nullptr},
      {"1.6", "e", Syntax::Integer, Access::ReadWrite, &OnOff},
      {"1.7", "c64", Syntax::Counter64, Access::ReadWrite, nullptr},
      {"1.8", "s", Syntax::DisplayStr, Access::ReadWrite, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  const char *texts[] = {"-3.25", "2004/05/17 01:45:30 pm", "2004-5-17,13:45:30.0,-8:0",
                         "0080C8112233", "10.1.2.3", "off", "18446744073709551615", "port 1"};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, SVT_SV, 0);
  for (int i = 0; i < request.VarList.GetCount(); ++i) {
    request.VarList.GetItem(i)->Value = texts[i];
    SnmpVb vb;
    request.LoadVbValue(i, vb);
    request.VarList.GetItem(i)->Value = "changed";
    request.StoreVbValue(i, vb);
    EXPECT_EQ(request.VarList.GetItem(i)->Value, texts[i]) << i;
  }
  SnmpVb eight;
  request.VarList.GetItem(0)->Value = "1.5";
  request.LoadVbValue(0, eight);
  EXPECT_EQ(eight.Value.AsOctets().size(), 8u);
  EXPECT_EQ(static_cast<unsigned char>(eight.Value.AsOctets()[7]), 0x3F);  // little-endian IEEE
}

TEST(RequestEngine, ShortOrMistypedAnswersReadAsNoValue) {
  const KvSNMPVarDef defs[] = {
      {"1.1", "d", Syntax::Double, Access::ReadOnly, nullptr},
      {"1.2", "dt", Syntax::DateTime, Access::ReadOnly, nullptr},
      {"1.3", "n", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.4", "s", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {"1.5", "o", Syntax::OctetStr, Access::ReadOnly, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, SVT_SV, 0);
  request.StoreVbValue(0, SnmpVb({1, 1}, SnmpValue::Octets("1234")));
  EXPECT_EQ(request.VarList.GetItem(0)->Value, "(NULL)");
  request.StoreVbValue(1, SnmpVb({1, 2}, SnmpValue::Octets("\x07\xd4")));
  EXPECT_EQ(request.VarList.GetItem(1)->Value, "(NULL)");
  request.StoreVbValue(2, SnmpVb({1, 3}, SnmpValue::Octets("12")));
  EXPECT_EQ(request.VarList.GetItem(2)->Value, "(NULL)");
  request.StoreVbValue(2, SnmpVb({1, 3}, SnmpValue::Exception(SnmpType::NoSuchInstance)));
  EXPECT_EQ(request.VarList.GetItem(2)->Value, "(NULL)");
  request.StoreVbValue(3, SnmpVb({1, 4}, SnmpValue::Exception(SnmpType::NoSuchObject)));
  EXPECT_EQ(request.VarList.GetItem(3)->Value, "");
  // An octet string without a value is none, unlike an empty one.
  request.StoreVbValue(4, SnmpVb({1, 5}, SnmpValue::Null()));
  EXPECT_EQ(request.VarList.GetItem(4)->Value, "(NULL)");
  request.StoreVbValue(4, SnmpVb({1, 5}, SnmpValue::Integer(3)));
  EXPECT_EQ(request.VarList.GetItem(4)->Value, "(NULL)");
  request.StoreVbValue(4, SnmpVb({1, 5}, SnmpValue::Octets("")));
  EXPECT_EQ(request.VarList.GetItem(4)->Value, "");
}

TEST(RequestEngine, PartialDataSyntaxesAreNoItemSyntaxes) {
  const KvSNMPVarDef defs[] = {{"1.1", "p", Syntax::Int8, Access::ReadWrite, nullptr},
                               {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(defs, SVT_SV, 0);
  request.VarList.GetItem(0)->Value = "1";
  SnmpVb vb;
  EXPECT_EQ(ErrorCodeOf([&] { request.LoadVbValue(0, vb); }), -511);
  EXPECT_EQ(ErrorCodeOf([&] { request.StoreVbValue(0, SnmpVb({1}, SnmpValue::Integer(1))); }), -511);
}
