#pragma once
// What the fuzz targets share: the input as text, and as a file for the readers that
// take a file name.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

inline std::string InputText(const uint8_t *data, size_t size) {
  return std::string(reinterpret_cast<const char *>(data), size);
}

// Writes the input to one file in a private folder made on the first call (removed with
// the process's other temporary files by the system, never shared with other users).
inline std::string InputFile(const uint8_t *data, size_t size) {
  static const std::string dir = [] {
    std::string tmpl = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : "/tmp") + "/kvfuzzXXXXXX";
    return ::mkdtemp(tmpl.data()) ? tmpl : std::string(".");
  }();
  const std::string path = dir + "/input";
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char *>(data),
                                                                 static_cast<std::streamsize>(size));
  return path;
}

// Splits the input at its first line feed: a small head (names, a syntax) and the rest.
inline void SplitHead(const std::string &input, std::string &head, std::string &rest) {
  const size_t nl = input.find('\n');
  head = nl == std::string::npos ? std::string() : input.substr(0, nl);
  rest = nl == std::string::npos ? input : input.substr(nl + 1);
}
