#include "kv_snmp_led_color_map_list.h"

KvSNMPLedColorMapList::KvSNMPLedColorMapList(const KvLedColorPair *table, std::uint8_t valueMask,
                                             std::uint8_t blinkMask, int offColor, int missingColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColor(offColor), MissingColor(missingColor) {
  Append(table);
}

void KvSNMPLedColorMapList::Append(const KvLedColorPair *table) {
  for (; table && table->Color != -1; ++table) Entries.push_back(*table);
}

int KvSNMPLedColorMapList::IndexOf(std::uint8_t value) const {
  for (int i = 0; i < GetCount(); ++i)
    if ((Entries[i].Value & 0xff) == value) return i;
  return -1;
}

int KvSNMPLedColorMapList::ColorOf(std::uint8_t value) const {
  const int i = IndexOf(value);
  return i < 0 ? 0 : Entries[i].Color;
}
