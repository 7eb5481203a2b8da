#pragma once
// The simulator's command line.

#include "switch_data.h"

#include <string>
#include <vector>

struct SimUser {
  std::string name;
  std::string auth;  // net-snmp's name: "MD5", "SHA", "SHA-256"...; empty for noAuthNoPriv
  std::string authPass;
  std::string priv;  // "DES", "AES", "AES192", "AES256"; empty for no privacy
  std::string privPass;
};

struct SimOptions {
  std::string listen = "udp:127.0.0.1:16100";
  std::string readCommunity = "rdwalk";
  std::string writeCommunity = "wrtgate";
  std::vector<SimUser> users;
  std::string dataFile;  // empty: the bundled data
  std::string stateDir;  // empty: a temporary directory removed at exit
  std::string logFile;
  int rows = 0;
  std::vector<std::pair<Oid, uint64_t>> generate;  // table entry, rows to add
  int delayMs = 0;
  int dropEvery = 0;
  int tooBigAbove = 0;  // 0: never
  int bulkError = 0;    // error-status answered to every GetBulk; 0: none
  std::vector<Oid> wrongType;
  std::vector<std::pair<Oid, size_t>> shortened;
  std::vector<std::pair<int, double>> linkDown;  // port, seconds after start
  bool noTraffic = false;
  bool help = false;
};

// Throws SimError(kSimErrUsage) with the reason.
SimOptions ParseOptions(const std::vector<std::string> &args);
SimUser ParseUser(const std::string &spec);
const char *UsageText();
