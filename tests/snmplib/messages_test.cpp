#include "kv_exception.h"
#include "kv_messages.h"
#include "snmp_session.h"
#include "agent_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {
// Puts every table back to its built-in texts after a test that loaded files.
class MessageFiles : public ::testing::Test {
protected:
  void SetUp() override { dir_ = MakeTempDir("kvmsg"); }
  void TearDown() override {
    for (auto id : {KvMessageTableId::Common, KvMessageTableId::Snmp, KvMessageTableId::SnmpV3,
                    KvMessageTableId::Usm, KvMessageTableId::SnmpClass,
                    KvMessageTableId::RequestLog, KvMessageTableId::Library})
      MessageTable(id) = BuiltinMessages(id);
    std::filesystem::remove_all(dir_);
  }
  std::string Write(const std::string &name, const std::string &bytes) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string dir_;
};

std::pair<int, std::string> Map(int status) {
  int code = 1;
  std::string text;
  MapSnmpStatus(status, code, text);
  return {code, text};
}
}  // namespace

TEST(MessageTables, HaveTheirFullSizes) {
  EXPECT_EQ(CommonMessages.size(), 19u);  // codes 0 to -18 hold texts; -19 has none built in
  EXPECT_EQ(SnmpMessages.size(), 18u);
  EXPECT_EQ(SnmpV3Messages.size(), 17u);
  EXPECT_EQ(UsmMessages.size(), 14u);
  EXPECT_EQ(SnmpClassMessages.size(), 23u);
  EXPECT_EQ(RequestLogFormats.size(), 2u);
  EXPECT_EQ(LibraryMessages.size(), 34u);
}

TEST(MapSnmpStatus, EachFamilyMapsToItsCodeRangeAndText) {
  EXPECT_EQ(Map(0), std::make_pair(0, std::string("(KvSNMP++) Ok!")));
  EXPECT_EQ(Map(1400).first, 0);
  EXPECT_EQ(Map(-1401).first, 0);
  EXPECT_EQ(Map(1), std::make_pair(-101, std::string("(SNMP) Response PDU Too Big!")));
  EXPECT_EQ(Map(2), std::make_pair(-102, std::string("(SNMP) Variable does not exist!")));
  EXPECT_EQ(Map(13).first, -113);
  EXPECT_EQ(Map(18), std::make_pair(-118, std::string("(SNMP) Cannot create variable, Inconsistent Name!")));
  EXPECT_EQ(Map(1401), std::make_pair(-301, std::string("(SNMPv3USM) error!")));
  EXPECT_EQ(Map(1404), std::make_pair(-304, std::string("(SNMPv3USM) Unknown SecurityName!")));
  EXPECT_EQ(Map(1413), std::make_pair(-313, std::string("(SNMPv3USM) Unsupported PrivProtocol!")));
  EXPECT_EQ(Map(1414), std::make_pair(-314, std::string("(SNMPv3USM) Address error!")));
  EXPECT_EQ(Map(-1402), std::make_pair(-201, std::string("(SNMPv3) Unsupported Security Model!")));
  EXPECT_EQ(Map(-1417), std::make_pair(-216, std::string("(SNMPv3) Unknown Context!")));
  EXPECT_EQ(Map(-1418), std::make_pair(-217, std::string("(SNMPv3) Report sent!")));
  EXPECT_EQ(Map(-1), std::make_pair(-401, std::string("(SNMPClass) Operation failed!")));
  EXPECT_EQ(Map(-5), std::make_pair(-405, std::string("(SNMPClass) SNMP request timed out!")));
  EXPECT_EQ(Map(-23), std::make_pair(-423, std::string("(SNMPClass) Blocked Mode Shutdown!")));
}

TEST(MapSnmpStatus, StatusesOutsideTheFamiliesAreUnknown) {
  const auto unknown = std::make_pair(-528, std::string("(KvSNMP++) Unknown error code!"));
  for (int status : {-24, 7000, 19, 1399, 1415, -1400, -1419, -100})
    EXPECT_EQ(Map(status), unknown) << status;
  EXPECT_EQ(Map(SnmpStatus::BadErrorStatus),
            std::make_pair(-529, std::string("(KvSNMP++) The agent answered with an unknown error-status!")));
}

TEST(CodeMessage, GivesTheTextOfEveryFamilyAndUnknownOtherwise) {
  EXPECT_EQ(CodeMessage(0), "(KvSNMP++) Ok!");
  EXPECT_EQ(CodeMessage(-1), "(KvCommon) Bad logic operand!");
  EXPECT_EQ(CodeMessage(-118), "(SNMP) Cannot create variable, Inconsistent Name!");
  EXPECT_EQ(CodeMessage(-211), "(SNMPv3) Unknown UserName!");
  EXPECT_EQ(CodeMessage(-312), "(SNMPv3USM) Unsupported AuthProtocol!");
  EXPECT_EQ(CodeMessage(-420), "(SNMP Class) Transport is not supported!");
  EXPECT_EQ(CodeMessage(-509), "(KvSNMP++) Invalid IP Address or DNS name!");
  EXPECT_EQ(CodeMessage(-528), "(KvSNMP++) Unknown error code!");
  for (int code : {-19, -100, -119, -200, -218, -315, -424, -500, -534, 5})
    EXPECT_EQ(CodeMessage(code), "(KvSNMP++) Unknown error code!") << code;
}

TEST(RaiseLibrary, CarriesCodeAndText) {
  try {
    RaiseLibrary(LibraryMsg::InvalidAddress);
    FAIL();
  } catch (const KvException &e) {
    EXPECT_EQ(e.Code(), -509);
    EXPECT_STREQ(e.what(), "(KvSNMP++) Invalid IP Address or DNS name!");
  }
}

TEST_F(MessageFiles, BlankLinesTakeNoEntryAndLineEndsAreRemoved) {
  LoadMessageTable(KvMessageTableId::Snmp, Write("a.err", "one\r\n\r\n   \n two \n\tthree"));
  EXPECT_EQ(SnmpMessages, (KvMessageTable{"one", " two ", "\tthree"}));
  LoadMessageTable(KvMessageTableId::Usm, Write("b.err", "one\n two \n\tthree\n"));
  EXPECT_EQ(UsmMessages, (KvMessageTable{"one", " two ", "\tthree"}));
}

TEST_F(MessageFiles, EmptyBlankOrMissingFileKeepsTheBuiltInTexts) {
  LoadMessageTable(KvMessageTableId::Snmp, Write("empty.err", ""));
  LoadMessageTable(KvMessageTableId::Usm, Write("blank.err", "\n \r\n\t\n"));
  LoadMessageTable(KvMessageTableId::Library, dir_ + "/missing.err");
  EXPECT_EQ(SnmpMessages, BuiltinMessages(KvMessageTableId::Snmp));
  EXPECT_EQ(UsmMessages, BuiltinMessages(KvMessageTableId::Usm));
  EXPECT_EQ(LibraryMessages, BuiltinMessages(KvMessageTableId::Library));
}

// A folder, a FIFO or a link to an endless device in a message file's place is a file
// that cannot be read: the built-in texts stay, nothing is raised, nothing blocks.
TEST_F(MessageFiles, FoldersFifosAndEndlessDevicesKeepTheBuiltInTexts) {
  std::filesystem::create_directory(dir_ + "/folder.err");
  ASSERT_EQ(::mkfifo((dir_ + "/fifo.err").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir_ + "/zero.err");
  for (const char *name : {"folder.err", "fifo.err", "zero.err"}) {
    EXPECT_NO_THROW(LoadMessageTable(KvMessageTableId::Snmp, dir_ + "/" + name)) << name;
    EXPECT_EQ(SnmpMessages, BuiltinMessages(KvMessageTableId::Snmp)) << name;
  }
}

TEST_F(MessageFiles, ShortFileGivesBuiltInTextsPastItsEnd) {
  LoadMessageTable(KvMessageTableId::Snmp, Write("short.err", "Zu gross\nFehlt\n"));
  int code = 0;
  std::string text;
  MapSnmpStatus(2, code, text);
  EXPECT_EQ(text, "Fehlt");
  MapSnmpStatus(13, code, text);
  EXPECT_EQ(code, -113);
  EXPECT_EQ(text, "(SNMP) Cannot create/set variable, Resource Unavailable!");
}

TEST_F(MessageFiles, AnyBytesAndOverlongLinesAreSplitNotOverrun) {
  const std::string longLine(2500, 'x');
  const std::string binary("a\0b\xff", 4);
  LoadMessageTable(KvMessageTableId::Common, Write("c.err", longLine + "\n" + binary + "\n"));
  ASSERT_EQ(CommonMessages.size(), 4u);
  EXPECT_EQ(CommonMessages[0], std::string(1023, 'x'));
  EXPECT_EQ(CommonMessages[1], std::string(1023, 'x'));
  EXPECT_EQ(CommonMessages[2], std::string(454, 'x'));
  EXPECT_EQ(CommonMessages[3], binary);
}

TEST_F(MessageFiles, LoadMessageFilesReadsTheErrmsgFolder) {
  std::filesystem::create_directory(dir_ + "/errmsg");
  Write("errmsg/kvsnmp.err", "Gut!\n");
  Write("errmsg/snmp.msg", "G [ERROR]\nS [ERROR]\n");
  LoadMessageFiles(dir_);
  EXPECT_EQ(LibraryMessage(0), "Gut!");
  EXPECT_EQ(LibraryMessage(9), "(KvSNMP++) Invalid IP Address or DNS name!");
  EXPECT_EQ(FormatRequestLog(1, "", "x", 0), "S x");
}

namespace {
std::time_t LocalTime(int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = 2004 - 1900;
  t.tm_mon = 4;
  t.tm_mday = 17;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}
}  // namespace

TEST(FormatRequestLog, WithoutListNameTheRequestPartIsLeftOut) {
  EXPECT_EQ(FormatRequestLog(0, "", "(KvSNMP++) Ok!", LocalTime(13, 5, 9)),
            "Get: (KvSNMP++) Ok!. Receive at 01:05:09 PM.");
  EXPECT_EQ(FormatRequestLog(1, "", "(SNMPClass) SNMP request timed out!", LocalTime(0, 0, 0)),
            "Set: (SNMPClass) SNMP request timed out!. Receive at 12:00:00 AM.");
}

TEST(FormatRequestLog, WithListNameTheNameIsInserted) {
  EXPECT_EQ(FormatRequestLog(0, "Trunk", "(KvSNMP++) Ok!", LocalTime(12, 30, 0)),
            "Get: (KvSNMP++) Ok! Request:Trunk. Receive at 12:30:00 PM.");
  EXPECT_EQ(FormatRequestLog(1, "Ports", "E", LocalTime(11, 59, 59)),
            "Set: E Request:Ports. Receive at 11:59:59 AM.");
}
