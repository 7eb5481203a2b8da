#pragma once
// Local files that the start-up reads and writes (the boot counter, the message files):
// read only when they are regular files of a sane size, so that a link to a device, a
// FIFO or a folder in their place is taken as no file instead of being read for ever.

#include <cstddef>
#include <string>
#include <sys/types.h>

inline constexpr size_t kMaxBootCounterFileBytes = size_t{1} << 20;   // 1 MiB
inline constexpr size_t kMaxMessageFileBytes = size_t{16} << 20;      // 16 MiB

enum class LocalFileRead {
  Read,     // `bytes` holds the whole file
  Missing,  // no file by that name
  Unusable  // not a regular file, larger than the bound, or a read failed
};

// Reads `fileName` whole when it is (or links to) a regular file of at most `maxBytes`
// bytes. Never blocks on a FIFO and never reads more than `maxBytes` + 1 bytes.
LocalFileRead ReadLocalFile(const std::string &fileName, size_t maxBytes, std::string &bytes);

// Puts `bytes` in place of `fileName` whole or not at all: written to a file of its own
// beside it (made by mkstemp, never one that someone put there under a guessable name),
// given `mode` less the umask, synced, then renamed over `fileName`. False with errno
// set when it could not; the old file is then as it was.
bool ReplaceLocalFile(const std::string &fileName, const std::string &bytes, mode_t mode);

// True when `fileName` does not exist or is a file that `owner` owns.
bool MissingOrOwnedBy(const std::string &fileName, uid_t owner);

// The user's own state folder for this program: $XDG_STATE_HOME/ms2416x when that is an
// absolute path, else $HOME/.local/state/ms2416x; created (mode 0700) when missing.
// Empty when neither variable gives a folder or it cannot be made.
std::string UserStateFolder();
