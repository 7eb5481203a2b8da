#include "kv_snmp_led_color_map_list.h"

#include <gtest/gtest.h>

namespace {
constexpr int kWhite = KvRgb(255, 255, 255);
constexpr int kGreen = KvRgb(0, 255, 0);
constexpr int kRed = KvRgb(255, 0, 0);

const KvLedColorPair kLinkColors[] = {{0, kWhite}, {2, kGreen}, {5, kRed}, {0, -1}};
const KvLedColorPair kEmpty[] = {{3, -1}, {4, kRed}, {0, -1}};
// Only the low byte of a value counts; the first of two equal values wins.
const KvLedColorPair kWide[] = {{0x102, kRed}, {2, kGreen}, {0, -1}};
}  // namespace

TEST(LedColorMap, ColoursAreRedInTheLowByte) {
  EXPECT_EQ(KvRgb(255, 128, 0), 0x0080ff);
  EXPECT_EQ(KvRgb(0, 0, 255), 0xff0000);
}

TEST(LedColorMap, LooksUpColoursByValueNotByPosition) {
  KvSNMPLedColorMapList map(kLinkColors, 7, 128, 0, kWhite);
  EXPECT_EQ(map.GetCount(), 3);
  EXPECT_EQ(map.IndexOf(5), 2);
  EXPECT_EQ(map.ColorOf(5), kRed);
  EXPECT_EQ(map.ColorOf(2), kGreen);
  EXPECT_EQ(map.ColorOf(0), kWhite);
}

TEST(LedColorMap, ValueWithoutEntryIsBlackNotTheOffColour) {
  KvSNMPLedColorMapList map(kLinkColors, 7, 128, KvRgb(1, 2, 3), kWhite);
  EXPECT_EQ(map.IndexOf(6), -1);
  EXPECT_EQ(map.ColorOf(6), 0);
}

TEST(LedColorMap, NullTableOrLeadingEndPairGivesEmptyMap) {
  KvSNMPLedColorMapList none(nullptr, 7, 128, 0, -1);
  KvSNMPLedColorMapList empty(kEmpty, 7, 128, 0, -1);
  EXPECT_EQ(none.GetCount(), 0);
  EXPECT_EQ(empty.GetCount(), 0);
  EXPECT_EQ(empty.ColorOf(4), 0);
  EXPECT_EQ(empty.MissingColor, -1);
}

TEST(LedColorMap, AppendAddsAfterExistingEntriesAndFirstMatchWins) {
  KvSNMPLedColorMapList map(kLinkColors, 7, 128, 0, kWhite);
  map.Append(kWide);
  EXPECT_EQ(map.GetCount(), 5);
  EXPECT_EQ(map.ColorOf(2), kGreen);  // the earlier entry for 2
  KvSNMPLedColorMapList wide(kWide, 7, 128, 0, kWhite);
  EXPECT_EQ(wide.IndexOf(2), 0);  // 0x102 compares by its low byte
  EXPECT_EQ(wide.ColorOf(2), kRed);
}
