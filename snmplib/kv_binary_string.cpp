#include "kv_binary_string.h"

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void AppendLittleEndian(std::string &out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint64_t ReadLittleEndian(const std::string &raw, size_t at, int bytes) {
  uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(raw[at + i]);
  return value;
}

KvBinaryString::KvBinaryString(const std::string &hex) {
  const size_t n = hex.size() / 2;
  Data.resize(n);
  auto nibble = [](char c) {
    const int v = HexDigitValue(c);
    return static_cast<uint8_t>(v < 0 ? 0 : v);
  };
  for (size_t i = 0; i < n; ++i)
    Data[i] = static_cast<uint8_t>(nibble(hex[2 * i]) << 4 | nibble(hex[2 * i + 1]));
}
