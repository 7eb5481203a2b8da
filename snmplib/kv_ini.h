#pragma once
// Reads one value from an INI file, as the Windows profile-string call does: section
// and key names ignore letter case, the first matching key wins, ';' starts a comment
// line, a value is cut at 4095 bytes. Missing file, section or key give the default.

#include <string>

class KvIni {
public:
  explicit KvIni(const std::string &fileName) : FileName(fileName) {}

  // A non-empty value comes back trimmed of blanks and control characters; an empty
  // or missing one gives `defaultValue` as it is.
  std::string ReadString(const std::string &section, const std::string &key,
                         const std::string &defaultValue) const;

  std::string FileName;
};
