#include "agent_process.h"
#include "kv_ini.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
class IniFile : public ::testing::Test {
protected:
  // The file lives in a private folder of this test process (mode 0700, unpredictable
  // name), so no other user can put a file or a link in its place.
  std::string Write(const std::string &content) {
    static const std::string dir = MakeTempDir("kvini");
    path_ = std::filesystem::path(dir) / "settings.cfg";
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << content;
    return path_.string();
  }
  void TearDown() override { std::filesystem::remove(path_); }
  std::filesystem::path path_;
};
}  // namespace

TEST_F(IniFile, NamesIgnoreCaseAndTheFirstKeyWins) {
  KvIni ini(Write("[Program Information]\r\nIP = 10.1.1.1 \r\nip=10.2.2.2\r\n"));
  EXPECT_EQ(ini.ReadString("program information", "Ip", "x"), "10.1.1.1");
}

TEST_F(IniFile, MissingFileSectionOrKeyGiveTheDefaultUntrimmed) {
  KvIni ini(Write("[A]\nk=v\n[B]\nempty=\n"));
  EXPECT_EQ(ini.ReadString("A", "nokey", " d "), " d ");
  EXPECT_EQ(ini.ReadString("C", "k", "d"), "d");
  EXPECT_EQ(ini.ReadString("B", "k", "d"), "d");
  EXPECT_EQ(ini.ReadString("B", "empty", "d"), "d");
  EXPECT_EQ(KvIni("/nonexistent/dir/x.cfg").ReadString("A", "k", "d"), "d");
}

TEST_F(IniFile, CommentsAreSkippedAndQuotesStripped) {
  KvIni ini(Write("[A]\n;k=commented\nk=\"quoted value\"\n"));
  EXPECT_EQ(ini.ReadString("A", "k", ""), "quoted value");
}

TEST_F(IniFile, LongValuesAreCutAt4095Bytes) {
  KvIni ini(Write("[A]\nk=" + std::string(10000, 'x') + "\n"));
  EXPECT_EQ(ini.ReadString("A", "k", "").size(), 4095u);
}

TEST_F(IniFile, MalformedContentNeverCrashes) {
  using namespace std::string_literals;
  const std::string junk = "[unterminated\n=novalue\n[]\nk\n\0\xff\xfe=\x01\n[A\nk=v\0"s;
  KvIni ini(Write(junk));
  EXPECT_EQ(ini.ReadString("A", "k", "d"), "v");
  EXPECT_EQ(ini.ReadString("", "", "d"), "d");
}
