#include "kv_ini.h"

#include "kv_text.h"

#include <fstream>

namespace {
constexpr size_t kBufferSize = 4096;  // the profile call's buffer, terminator included

// The profile call strips one pair of matching quotes around a value.
std::string StripQuotePair(const std::string &v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// The raw profile value, or false when the file, section or key is missing.
bool ProfileValue(const std::string &file, const std::string &section, const std::string &key,
                  std::string &value) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bool inSection = false;
  std::string line;
  while (std::getline(in, line)) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] == ';') continue;
    if (t[0] == '[') {
      const size_t close = t.find(']');
      const std::string name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      inSection = EqualsIgnoreCase(name, Trim(section));
      continue;
    }
    if (!inSection) continue;
    const size_t eq = t.find('=');
    if (eq == std::string::npos) continue;
    if (!EqualsIgnoreCase(Trim(t.substr(0, eq)), Trim(key))) continue;
    value = StripQuotePair(Trim(t.substr(eq + 1)));
    if (value.size() > kBufferSize - 1) value.resize(kBufferSize - 1);
    return true;
  }
  return false;
}
}  // namespace

std::string KvIni::ReadString(const std::string &section, const std::string &key,
                              const std::string &defaultValue) const {
  std::string value;
  if (!ProfileValue(FileName, section, key, value)) return defaultValue;
  const std::string trimmed = Trim(value);
  return trimmed.empty() ? defaultValue : trimmed;
}
