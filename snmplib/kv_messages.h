#pragma once
// Message tables: every failure code of the library has its text here. A table is a
// list of texts indexed from its family's first code; start-up may replace a table
// from a message file.

#include <ctime>
#include <string>
#include <vector>

using KvMessageTable = std::vector<std::string>;

// Codes 0 and -1 to -19; index = -code.
extern KvMessageTable CommonMessages;
// The agent's error-status 1 to 18: codes -101 to -118, index = -code - 101.
extern KvMessageTable SnmpMessages;
// SNMPv3 message processing: codes -201 to -217, index = -code - 201.
extern KvMessageTable SnmpV3Messages;
// User-based security: codes -301 to -314, index = -code - 301.
extern KvMessageTable UsmMessages;
// Session class failures: codes -401 to -423, index = -code - 401.
extern KvMessageTable SnmpClassMessages;
// The request log line templates: index 0 Get, 1 Set.
extern KvMessageTable RequestLogFormats;
// The library's own: codes 0 and -501 to -533, index = -code - 500 (0 for code 0).
extern KvMessageTable LibraryMessages;

// Indexes into CommonMessages that callers name.
namespace CommonMsg {
constexpr int Ok = 0;
constexpr int BadLogicOperand = 1;
constexpr int BadFormatSpecifier = 2;
}  // namespace CommonMsg

// Indexes into LibraryMessages (code -500 - n) that callers name.
namespace LibraryMsg {
constexpr int Ok = 0;
constexpr int ReadVarFile = 1;
constexpr int BadVarFileFormat = 2;
constexpr int BadVarFileItemType = 3;
constexpr int BadVarFileSyntax = 4;
constexpr int BadVarFileAccess = 5;
constexpr int CreateSession = 6;
constexpr int LoadBootCounter = 7;
constexpr int SaveBootCounter = 8;
constexpr int InvalidAddress = 9;
constexpr int GetNextOnSingleValue = 10;
constexpr int BadSyntax = 11;
constexpr int NullInExpression = 12;
constexpr int BadSyntaxInExpression = 13;
constexpr int BadKeyCount = 14;
constexpr int BadItemType = 15;
constexpr int BadAssocItemType = 16;
constexpr int BadAssocSyntax = 17;
constexpr int BadAssocValue = 18;
constexpr int AssocIndexOutOfRange = 19;
constexpr int NoOptionListForControl = 20;
constexpr int BadControlType = 21;
constexpr int NotEnoughControls = 22;
constexpr int NoSystemStartTime = 23;
constexpr int NotEnoughChartItems = 24;
constexpr int LogDatabaseNotConnected = 25;
constexpr int LogFieldNotFound = 26;
constexpr int BadLogChartSyntax = 27;
constexpr int UnknownCode = 28;
constexpr int BadErrorStatus = 29;
constexpr int OidNotIncreasing = 30;
constexpr int TooManyRows = 31;
constexpr int JournalNotReady = 32;
constexpr int JournalNotRecorded = 33;
}  // namespace LibraryMsg

// The tables a message file can replace.
enum class KvMessageTableId { Common, Snmp, SnmpV3, Usm, SnmpClass, RequestLog, Library };

// Every table, in the order their files are loaded.
inline constexpr KvMessageTableId kMessageTables[] = {
    KvMessageTableId::Common,    KvMessageTableId::Snmp,       KvMessageTableId::SnmpV3,
    KvMessageTableId::Usm,       KvMessageTableId::SnmpClass,  KvMessageTableId::RequestLog,
    KvMessageTableId::Library,
};

// The table itself, and its built-in texts (the tables start as copies of these).
KvMessageTable &MessageTable(KvMessageTableId id);
const KvMessageTable &BuiltinMessages(KvMessageTableId id);

// Entry `index` of a table; past the end of a table shortened by a message file, the
// built-in text of that entry; "" past the built-in table's end.
std::string TableMessage(KvMessageTableId id, int index);

// Text of a common-table entry (see TableMessage).
std::string CommonMessage(int index);

// Text of a library-table entry n (code -500 - n; see TableMessage).
std::string LibraryMessage(int n);

// Text of any library code of any family (0, -1..-19, -101..-118, -201..-217,
// -301..-314, -401..-423, -501..-533); the unknown-code text for any other code.
std::string CodeMessage(int code);

// Raises KvException with the common-table text of `index` and code -index.
[[noreturn]] void RaiseCommon(int index);

// Raises KvException with the library-table text of `n` and code -500 - n.
[[noreturn]] void RaiseLibrary(int n);

// Raises KvException with CodeMessage(code) and `code`.
[[noreturn]] void RaiseCode(int code);

// Turns a session status (agent error-status 1..18, USM 1400..1414, message processing
// -1401..-1418, class -1..-23, 0 success, SnmpStatus::BadErrorStatus) into a library code and
// its text.
void MapSnmpStatus(int status, int &code, std::string &text);

// Replaces a table from a message file: one entry per non-blank line, in file order;
// the two characters "\n" in a line stand for a line break inside the message (a few
// built-in texts have one). A missing, unreadable or blank file keeps the table as it is.
void LoadMessageTable(KvMessageTableId id, const std::string &fileName);

// The message file of a table, relative to the program's folder ("errmsg/common.err").
std::string MessageFileName(KvMessageTableId id);

// Loads the seven message files from `directory`'s "errmsg" folder, in table order.
void LoadMessageFiles(const std::string &directory);

// The request log line of `kind` (0 Get, 1 Set) for a list named `listName` and the
// outcome `message`, stamped with `when` (local time, "hh:nn:ss AM").
std::string FormatRequestLog(int kind, const std::string &listName, const std::string &message,
                             std::time_t when);
// As above, stamped with the current time.
std::string FormatRequestLog(int kind, const std::string &listName, const std::string &message);

// What an asynchronous operation hands its completion callback.
struct KvSNMPError {
  int Code = 0;          // library code, 0 for success
  int ErrorIndex = 0;    // 1-based position of the failing binding; 0 when none
  std::string Message;   // text of Code
  std::string AgentAddress;
  int AgentPort = 0;
  bool Done = true;      // no further table row follows
  bool PartlyRead = false;  // the list was filled but for objects the agent lacks (Code -102)
};
