#include "snmp_printable.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads decimal digits at `pos` into `value`; false when there are none or the number
// exceeds `limit`.
bool ReadNumber(const std::string &text, size_t &pos, uint64_t limit, uint64_t &value) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
    const uint64_t digit = static_cast<uint64_t>(text[pos] - '0');
    if (value > (limit - digit) / 10) return false;
    value = value * 10 + digit;
    ++pos;
  }
  return pos > start;
}

void SkipBlanks(const std::string &text, size_t &pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
}
}  // namespace

std::string OctetsToPrintableHex(const std::string &octets) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(octets.size() * 2);
  for (const char c : octets) {
    const auto byte = static_cast<unsigned char>(c);
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

bool ParsePrintableHex(const std::string &text, std::string &octets) {
  std::string digits;
  for (const char c : text) {
    if (IsBlank(c)) continue;
    if (HexValue(c) < 0) return false;
    digits += c;
  }
  std::string result;
  size_t pos = 0;
  if (digits.size() % 2 == 1) {
    result += static_cast<char>(HexValue(digits[0]));
    pos = 1;
  }
  for (; pos + 1 < digits.size(); pos += 2)
    result += static_cast<char>(HexValue(digits[pos]) * 16 + HexValue(digits[pos + 1]));
  octets = std::move(result);
  return true;
}

std::string PrintableHexToOctets(const std::string &text) {
  std::string octets;
  ParsePrintableHex(text, octets);
  return octets;
}

std::string TimeTicksToText(uint32_t ticks) {
  const uint32_t days = ticks / 8640000;
  uint32_t rest = ticks % 8640000;
  const uint32_t hours = rest / 360000;
  rest %= 360000;
  const uint32_t minutes = rest / 6000;
  rest %= 6000;
  const uint32_t seconds = rest / 100;
  const uint32_t hundredths = rest % 100;
  char buf[64];
  if (days == 0)
    std::snprintf(buf, sizeof buf, "%u:%02u:%02u.%02u", hours, minutes, seconds, hundredths);
  else if (days == 1)
    std::snprintf(buf, sizeof buf, "1 day %u:%02u:%02u.%02u", hours, minutes, seconds, hundredths);
  else
    std::snprintf(buf, sizeof buf, "%u days, %u:%02u:%02u.%02u", days, hours, minutes, seconds,
                  hundredths);
  return buf;
}

bool TextToTimeTicks(const std::string &text, uint32_t &ticks) {
  constexpr uint64_t kMax = std::numeric_limits<uint32_t>::max();
  size_t pos = 0;
  SkipBlanks(text, pos);
  uint64_t first = 0;
  if (!ReadNumber(text, pos, kMax, first)) return false;
  const size_t afterFirst = pos;
  SkipBlanks(text, pos);
  if (pos == text.size()) {  // a plain tick count
    ticks = static_cast<uint32_t>(first);
    return true;
  }
  uint64_t days = 0;
  uint64_t hours = first;
  if (text.compare(pos, 3, "day") == 0) {
    if (afterFirst == pos) return false;  // "3days" is not the form
    days = first;
    pos += 3;
    if (pos < text.size() && text[pos] == 's') ++pos;
    if (pos < text.size() && text[pos] == ',') ++pos;
    SkipBlanks(text, pos);
    if (!ReadNumber(text, pos, kMax, hours)) return false;
  } else if (afterFirst != pos) {
    return false;
  }
  uint64_t minutes = 0;
  uint64_t seconds = 0;
  uint64_t hundredths = 0;
  if (pos >= text.size() || text[pos] != ':') return false;
  ++pos;
  if (!ReadNumber(text, pos, 59, minutes)) return false;
  if (pos >= text.size() || text[pos] != ':') return false;
  ++pos;
  if (!ReadNumber(text, pos, 59, seconds)) return false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    const size_t start = pos;
    if (!ReadNumber(text, pos, 99, hundredths)) return false;
    if (pos - start == 1) hundredths *= 10;  // ".5" is half a second
  }
  SkipBlanks(text, pos);
  if (pos != text.size()) return false;
  const uint64_t total =
      days * 8640000 + hours * 360000 + minutes * 6000 + seconds * 100 + hundredths;
  if (days > kMax || hours > kMax || total > kMax) return false;
  ticks = static_cast<uint32_t>(total);
  return true;
}

std::string Counter64ToText(uint64_t value) { return std::to_string(value); }

bool TextToCounter64(const std::string &text, uint64_t &value) {
  size_t pos = 0;
  SkipBlanks(text, pos);
  uint64_t parsed = 0;
  if (!ReadNumber(text, pos, std::numeric_limits<uint64_t>::max(), parsed)) return false;
  SkipBlanks(text, pos);
  if (pos != text.size()) return false;
  value = parsed;
  return true;
}

bool ParseOid(const std::string &text, std::vector<uint32_t> &subids) {
  size_t pos = 0;
  if (!text.empty() && text[0] == '.') pos = 1;
  std::vector<uint32_t> parsed;
  parsed.reserve(text.size() / 2 + 1);
  while (true) {
    uint64_t subid = 0;
    if (!ReadNumber(text, pos, std::numeric_limits<uint32_t>::max(), subid)) return false;
    parsed.push_back(static_cast<uint32_t>(subid));
    if (pos == text.size()) break;
    if (text[pos] != '.') return false;
    ++pos;
  }
  subids = std::move(parsed);
  return true;
}

void AssignOidText(std::string &text, const uint32_t *subids, size_t count) {
  text.clear();
  char digits[11];
  for (size_t i = 0; i < count; ++i) {
    if (i) text += '.';
    const auto end = std::to_chars(digits, digits + sizeof digits, subids[i]).ptr;
    text.append(digits, end);
  }
}

std::string OidToText(const std::vector<uint32_t> &subids) {
  std::string text;
  text.reserve(subids.size() * 4);
  AssignOidText(text, subids.data(), subids.size());
  return text;
}

std::string IpAddressToText(const std::string &octets) {
  if (octets.size() != 4) return {};
  std::string text;
  char digits[4];
  for (size_t i = 0; i < 4; ++i) {
    if (i) text += '.';
    text.append(digits, std::to_chars(digits, digits + sizeof digits, static_cast<unsigned char>(octets[i])).ptr);
  }
  return text;
}

bool ParseIpAddress(const std::string &text, std::string &octets) {
  std::string parsed;
  size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    if (part) {
      if (pos >= text.size() || text[pos] != '.') return false;
      ++pos;
    }
    uint64_t value = 0;
    if (!ReadNumber(text, pos, 255, value)) return false;
    parsed += static_cast<char>(value);
  }
  if (pos != text.size()) return false;
  octets = std::move(parsed);
  return true;
}

std::string PortListToText(const std::string &octets) {
  std::string text;
  const unsigned ports = static_cast<unsigned>(octets.size()) * 8;
  const auto member = [&octets](unsigned p) {
    return (static_cast<unsigned char>(octets[(p - 1) / 8]) & (0x80u >> ((p - 1) % 8))) != 0;
  };
  for (unsigned p = 1; p <= ports; ++p) {
    if (!member(p)) continue;
    unsigned last = p;
    while (last < ports && member(last + 1)) ++last;
    if (!text.empty()) text += ',';
    text += std::to_string(p);
    if (last > p) text += '-' + std::to_string(last);
    p = last;
  }
  return text.empty() ? "none" : text;
}

bool ParsePortList(const std::string &text, std::string &octets) {
  constexpr size_t kMinOctets = 4;
  std::string parsed(kMinOctets, '\0');
  size_t pos = 0;
  const auto skipSeparators = [&] {
    while (pos < text.size() && (IsBlank(text[pos]) || text[pos] == ',')) ++pos;
  };
  skipSeparators();
  if (text.compare(pos, 4, "none") == 0) {
    pos += 4;
    skipSeparators();
    if (pos != text.size()) return false;
  }
  while (pos < text.size()) {
    uint64_t first = 0, last = 0;
    if (!ReadNumber(text, pos, kMaxPortListPort, first) || first == 0) return false;
    last = first;
    size_t dash = pos;
    SkipBlanks(text, dash);
    if (dash < text.size() && text[dash] == '-') {
      pos = dash + 1;
      SkipBlanks(text, pos);
      if (!ReadNumber(text, pos, kMaxPortListPort, last) || last < first) return false;
    }
    if (pos < text.size() && !IsBlank(text[pos]) && text[pos] != ',') return false;
    const size_t needed = static_cast<size_t>((last + 7) / 8);
    if (parsed.size() < needed) parsed.resize(needed, '\0');
    for (uint64_t p = first; p <= last; ++p)
      parsed[(p - 1) / 8] = static_cast<char>(static_cast<unsigned char>(parsed[(p - 1) / 8]) | (0x80u >> ((p - 1) % 8)));
    skipSeparators();
  }
  octets = std::move(parsed);
  return true;
}
