#include "kv_local_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool MakeFolder(const std::string &path) {
  if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }
  return false;
}

// Every missing folder of `path` (absolute), the last one included.
bool MakeFolders(const std::string &path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    if (!MakeFolder(path.substr(0, slash))) return false;
  return MakeFolder(path);
}
}  // namespace

LocalFileRead ReadLocalFile(const std::string &fileName, size_t maxBytes, std::string &bytes) {
  bytes.clear();
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? LocalFileRead::Missing : LocalFileRead::Unusable;
  struct stat info {};
  LocalFileRead result = LocalFileRead::Unusable;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<uint64_t>(info.st_size) <= maxBytes) {
    // The file may grow while it is read: stop one byte past the bound.
    std::string data(static_cast<size_t>(info.st_size) + 1, '\0');
    size_t done = 0;
    result = LocalFileRead::Read;
    while (done <= maxBytes) {
      if (done == data.size()) data.resize(std::min(data.size() * 2, maxBytes + 1));
      const ssize_t n = ::read(fd, data.data() + done, data.size() - done);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        result = LocalFileRead::Unusable;
        break;
      }
      done += static_cast<size_t>(n);
    }
    if (done > maxBytes) result = LocalFileRead::Unusable;
    if (result == LocalFileRead::Read) {
      data.resize(done);
      bytes = std::move(data);
    }
  }
  ::close(fd);
  return result;
}

bool MissingOrOwnedBy(const std::string &fileName, uid_t owner) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0) return errno == ENOENT;
  return info.st_uid == owner;
}

std::string UserStateFolder() {
  std::string base;
  if (const char *state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/') {
    base = state;
  } else if (const char *home = std::getenv("HOME"); home && home[0] == '/') {
    base = std::string(home) + "/.local/state";
  } else {
    return {};
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  const std::string folder = base + "/ms2416x";
  return MakeFolders(folder) ? folder : std::string();
}

bool ReplaceLocalFile(const std::string &fileName, const std::string &bytes, mode_t mode) {
  std::string temporary = fileName + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  bool ok = ::fchmod(fd, mode & ~mask) == 0;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok && std::rename(temporary.c_str(), fileName.c_str()) == 0) return true;
  const int error = errno;
  ::unlink(temporary.c_str());
  errno = error;
  return false;
}
