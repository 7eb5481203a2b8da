#pragma once
// Turns one LED status byte into a colour and tells whether the LED blinks. The maps
// are process-wide and shared by the LEDs that use them; they are never copied.

#include <cstdint>
#include <vector>

// A colour as a 32-bit value with red in the low byte, green in the next, blue above.
constexpr int KvRgb(int red, int green, int blue) {
  return (red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16);
}

// Source tables: static arrays of (value, colour) ended by a pair whose colour is -1.
struct KvLedColorPair {
  int Value;  // only its low byte is compared
  int Color;
};

class KvSNMPLedColorMapList {
public:
  // A null table, or one that starts with the end pair, gives an empty map.
  // missingColor -1 means that a status value too short for an LED's byte is an error.
  KvSNMPLedColorMapList(const KvLedColorPair *table, std::uint8_t valueMask, std::uint8_t blinkMask,
                        int offColor, int missingColor);
  KvSNMPLedColorMapList(const KvSNMPLedColorMapList &) = delete;
  KvSNMPLedColorMapList &operator=(const KvSNMPLedColorMapList &) = delete;

  // Adds the table's pairs after the existing ones.
  void Append(const KvLedColorPair *table);

  // Position of the first entry whose value's low byte equals `value`, or -1.
  int IndexOf(std::uint8_t value) const;
  // That entry's colour, or 0 (black) when no entry matches.
  int ColorOf(std::uint8_t value) const;

  int GetCount() const { return static_cast<int>(Entries.size()); }
  const KvLedColorPair &GetEntry(int index) const { return Entries.at(index); }

  const std::uint8_t ValueMask;  // bits of the status byte that select the colour
  const std::uint8_t BlinkMask;  // bits of the status byte that make the LED blink
  const int OffColor;            // dark LED: before the first answer, after a failure, blink phase
  const int MissingColor;        // value too short for the LED's byte; -1: an error

private:
  std::vector<KvLedColorPair> Entries;
};
