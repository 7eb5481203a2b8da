#pragma once
// Bytes decoded from hex text, two digits per byte ("0aFF" -> 0A FF).

#include <cstdint>
#include <string>
#include <vector>

class KvBinaryString {
public:
  KvBinaryString() = default;
  // A last odd digit is ignored; a character that is not a hex digit counts as 0.
  explicit KvBinaryString(const std::string &hex);

  uint32_t Length() const { return static_cast<uint32_t>(Data.size()); }

  std::vector<uint8_t> Data;
};

// Value of one hex digit, or -1.
int HexDigitValue(char c);

// Raw numbers in host order as this system stores them: little-endian, least
// significant byte first, whatever the machine. `bytes` is 1 to 8.
void AppendLittleEndian(std::string &out, uint64_t value, int bytes);
// Reads `bytes` octets from `at`; the caller makes sure they are there.
uint64_t ReadLittleEndian(const std::string &raw, size_t at, int bytes);
