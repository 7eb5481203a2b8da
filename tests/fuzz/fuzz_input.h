#pragma once
// What the fuzz targets share: the input as text, and as a file for the readers that
// take a file name.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <string>
#include <unistd.h>

inline std::string InputText(const uint8_t *data, size_t size) {
  return std::string(reinterpret_cast<const char *>(data), size);
}

// Writes the input to one file in a private folder made on the first call (never shared
// with other users, removed when the process ends normally).
inline std::string InputFile(const uint8_t *data, size_t size) {
  struct Folder {
    Folder() {
      std::string tmpl = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : "/tmp") + "/kvfuzzXXXXXX";
      if (::mkdtemp(tmpl.data())) path = tmpl;
    }
    ~Folder() {
      std::error_code ignored;
      if (path != ".") std::filesystem::remove_all(path, ignored);
    }
    std::string path = ".";
  };
  static const Folder folder;
  const std::string &dir = folder.path;
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
