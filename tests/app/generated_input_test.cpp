// Thousands of generated and mutated command lines and settings files: every one either
// applies or ends in the conversion error, and what applied stays consistent.

#include "app_test_support.h"
#include "agent_process.h"
#include "kv_exception.h"

#include <gtest/gtest.h>

#include <random>

namespace {
class Generator {
public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

  std::string Value() {
    static const char *const samples[] = {"", "0", "161", "0161", "-1", "+3", " 3 ", "65536",
                                          "2147483647", "2147483648", "-2147483649", "3x", "0x10",
                                          "192.0.2.10", "pass word", "/t", "/I/v", "\xff\xfe"};
    std::string value = samples[Below(std::size(samples))];
    for (size_t n = Below(3); n > 0; --n) value += static_cast<char>(1 + Below(255));
    return value;
  }

  std::string Parameter() {
    switch (Below(4)) {
      case 0: return Bytes(Below(12), 1);
      case 1: return Bytes(Below(3), 1) + Switch() + Value();
      default: return Switch() + Value();
    }
  }

  std::vector<std::string> Parameters() {
    std::vector<std::string> list = {"/I192.0.2.10", "/t161", "/v3", "/noperator", "/l3",
                                     "/a2", "/Aauthpass", "/p2", "/Pprivpass", "/Rrd", "/Wwr"};
    if (Below(2)) {
      list.clear();
      for (size_t n = Below(8); n > 0; --n) list.push_back(Parameter());
      return list;
    }
    for (size_t n = 1 + Below(4); n > 0; --n) Mutate(list);
    return list;
  }

  std::string SettingsFile() {
    static const char *const keys[] = {"AgentPort", "Version", "ContextName", "ContextEngineID",
                                       "SecurityModel", "SecurityLevel", "SecurityName",
                                       "AuthProtocol", "PrivProtocol", "AuthPassword",
                                       "PrivPassword", "ReadCommunity"};
    std::string file = Below(8) ? "[Program Information]\n" : Bytes(Below(20)) + "\n";
    // Mostly every key with a small code, some of them spoilt.
    for (const char *key : keys) {
      if (Below(12) == 0) continue;
      file += Below(20) ? key : Bytes(Below(6));
      file += Below(20) ? "=" : "";
      file += Below(6) ? std::to_string(static_cast<int>(Below(4))) : Value();
      file += Below(2) ? "\r\n" : "\n";
    }
    if (Below(4) == 0) file.insert(Below(file.size() + 1), Bytes(1 + Below(4)));
    return file;
  }

private:
  std::string Switch() {
    static const char *const switches[] = {"/I", "/t", "/v", "/c", "/d", "/R", "/W",
                                           "/m", "/l", "/n", "/A", "/P", "/a", "/p"};
    return switches[Below(std::size(switches))];
  }
  // Bytes from `lowest` up (1 for a command line, which cannot hold a NUL).
  std::string Bytes(size_t n, int lowest = 0) {
    std::string bytes;
    for (; n > 0; --n) bytes += static_cast<char>(lowest + static_cast<int>(Below(256 - lowest)));
    return bytes;
  }
  void Mutate(std::vector<std::string> &list) {
    if (list.empty()) return list.push_back(Parameter());
    std::string &p = list[Below(list.size())];
    switch (Below(5)) {
      case 0: p.insert(Below(p.size() + 1), 1, static_cast<char>(1 + Below(255))); break;
      case 1: if (!p.empty()) p.erase(Below(p.size()), 1); break;
      case 2: list.push_back(list[Below(list.size())]); break;
      case 3: p = Parameter(); break;
      default: list.erase(list.begin() + static_cast<long>(Below(list.size()))); break;
    }
  }
  std::mt19937 rng_;
};

// Numeric texts are empty or the decimal rendering of what the session holds.
void ExpectConsistent(const KvStartupSettings &t, const KvSNMPSettings &s) {
  const auto decimal = [](const std::string &text, long long value) {
    return text.empty() || text == std::to_string(value);
  };
  EXPECT_TRUE(decimal(t.PortText, s.Device.Port));
  EXPECT_TRUE(decimal(t.VersionText, s.Security.Version));
  EXPECT_TRUE(decimal(t.SecurityModelText, s.Security.SecurityModel));
  EXPECT_TRUE(decimal(t.SecurityLevelText, s.Security.SecurityLevel));
  EXPECT_TRUE(decimal(t.AuthProtocolText, s.Security.AuthProtocol));
  EXPECT_TRUE(decimal(t.PrivProtocolText, s.Security.PrivProtocol));
  if (!t.AuthPasswordText.empty()) { EXPECT_TRUE(t.AuthPasswordGiven); }
  if (!t.PrivPasswordText.empty()) { EXPECT_TRUE(t.PrivPasswordGiven); }
}

// A file may hold NUL bytes, which end what() early; a command line cannot.
void ExpectConversionError(const KvException &e, const std::string &parameter, bool mayHoldNul) {
  const std::string message = e.what();
  EXPECT_EQ(e.Code(), 0);
  ASSERT_GE(message.size(), 1u);
  EXPECT_EQ(message.front(), '\'');
  if (!mayHoldNul) {
    EXPECT_TRUE(message.ends_with("' is not a valid integer value")) << message;
  }
  if (parameter.find("/A") != std::string::npos || parameter.find("/P") != std::string::npos) {
    EXPECT_EQ(message, "'********' is not a valid integer value");
  }
}
}  // namespace

TEST(GeneratedInput, ParameterListsApplyOrFailWithTheConversionErrorOnly) {
  Generator gen(20261209);
  int failures = 0;
  for (int round = 0; round < 5000; ++round) {
    const std::vector<std::string> list = gen.Parameters();
    KvStartupSettings texts;
    KvSNMPSettings session = DefaultSession();
    bool applied = true;
    for (const std::string &parameter : list) {
      try {
        ApplyCommandLineParameter(parameter, texts, session);
      } catch (const KvException &e) {
        ExpectConversionError(e, parameter, false);
        applied = false;
        ++failures;
        break;
      }
      if (!texts.AddressText.empty()) {
        EXPECT_EQ(texts.AddressText, session.Device.Address);
      }
    }
    ExpectConsistent(texts, session);
    std::string address;
    if (applied && CommandLineAddress(list, address)) {
      EXPECT_EQ(address, session.Device.Address);
    }
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "round " << round;
      break;
    }
  }
  // Both kinds of outcome were generated.
  EXPECT_GT(failures, 100);
  EXPECT_LT(failures, 4900);
}

TEST(GeneratedInput, SettingsFilesApplyOrFailWithTheConversionErrorOnly) {
  Generator gen(4242);
  const std::string file = MakeTempDir("kvgen") + "/192.0.2.10.cfg";
  int applied = 0;
  for (int round = 0; round < 2000; ++round) {
    WriteFile(file, gen.SettingsFile());
    KvStartupSettings texts;
    KvSNMPSettings session = DefaultSession();
    ApplyCommandLine({"/Rrd", "/Wwr"}, texts, session);
    try {
      ApplySettingsFile(file, texts, session);
      ++applied;
      EXPECT_NE(session.Security.PrivProtocol, 3);  // file value 2 is always IDEA
    } catch (const KvException &e) {
      ExpectConversionError(e, "", true);
    }
    ExpectConsistent(texts, session);
    EXPECT_EQ(session.Security.ReadCommunity, "rd");
    EXPECT_EQ(session.Security.WriteCommunity, "wr");
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "round " << round;
      break;
    }
  }
  EXPECT_GT(applied, 100);
}
