#pragma once
// What the start-up tests share: the session settings as a fresh session has them, and
// files written into a test's own folder.

#include "startup_settings.h"

#include <fstream>
#include <string>

inline KvSNMPSettings DefaultSession() {
  KvSNMPSettings session;
  session.Device = {"127.0.0.1", 161};
  session.Security.ReadCommunity = "rdwalk";
  session.Security.WriteCommunity = "wrtgate";
  return session;
}

inline std::string WriteFile(const std::string &path, const std::string &content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  return path;
}
