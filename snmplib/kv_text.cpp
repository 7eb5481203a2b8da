#include "kv_text.h"

#include "kv_exception.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <filesystem>

std::string Unquote(const std::string &text) {
  if (!text.empty() && text.front() == '"' && text.back() == '"')
    return text.size() == 1 ? std::string() : text.substr(1, text.size() - 2);
  return text;
}

std::string ReplaceAll(const std::string &text, const std::string &pattern,
                       const std::string &replacement) {
  if (pattern.empty()) return text;
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at; (at = text.find(pattern, from)) != std::string::npos; from = at + pattern.size()) {
    out.append(text, from, at - from);
    out += replacement;
  }
  out.append(text, from, std::string::npos);
  return out;
}

std::string StripPrefix(const std::string &text, const std::string &prefix) {
  if (text.size() > prefix.size() && text.compare(0, prefix.size(), prefix) == 0)
    return text.substr(prefix.size());
  return {};
}

int SpanOf(const std::string &text, int start, const std::string &characters) {
  if (start < 1) return 0;
  int p = start - 1;  // 0-based cursor
  const int n = static_cast<int>(text.size());
  while (p < n && characters.find(text[p]) != std::string::npos) ++p;
  return p == start - 1 ? 0 : p;  // p is now the 1-based position of the last match
}

std::string JoinPath(const std::string &directory, const std::string &name) {
  if (directory.empty()) return name;
  const char native = static_cast<char>(std::filesystem::path::preferred_separator);
  const char last = directory.back();
  if (last == '/' || last == '\\') return directory + name;
  return directory + native + name;
}

std::string Trim(const std::string &text) {
  auto blank = [](unsigned char c) { return c <= ' '; };
  size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

static int Fold(unsigned char c) { return std::tolower(c); }

bool EqualsIgnoreCase(const std::string &a, const std::string &b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Fold(a[i]) != Fold(b[i])) return false;
  return true;
}

bool StartsWithIgnoreCase(const std::string &text, const std::string &prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

namespace {
[[noreturn]] void NotA(const std::string &text, const char *what) {
  throw KvException("'" + text + "' is not a valid " + what + " value", 0);
}
}  // namespace

int StrToInt(const std::string &text) {
  const std::string t = Trim(text);
  int value = 0;
  const auto [end, ec] = std::from_chars(t.data() + (!t.empty() && t[0] == '+'), t.data() + t.size(), value);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size()) NotA(text, "integer");
  return value;
}

uint32_t StrToUInt(const std::string &text) {
  const std::string t = Trim(text);
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(t.data() + (!t.empty() && t[0] == '+'), t.data() + t.size(), value);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || value < INT32_MIN ||
      value > static_cast<int64_t>(UINT32_MAX))
    NotA(text, "integer");
  return static_cast<uint32_t>(value);  // a negative number wraps, as a 32-bit cast does
}

double StrToFloat(const std::string &text) {
  const std::string t = Trim(text);
  double value = 0;
  const auto [end, ec] = std::from_chars(t.data() + (!t.empty() && t[0] == '+'), t.data() + t.size(), value,
                                         std::chars_format::general);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size()) NotA(text, "floating point");
  return value;
}
