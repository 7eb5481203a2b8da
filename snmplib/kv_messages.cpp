#include "kv_messages.h"

#include "kv_exception.h"
#include "kv_local_file.h"
#include "kv_text.h"
#include "snmp_session.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {
const KvMessageTable kBuiltinCommon = {
    "(KvCommon) Ok!",
    "(KvCommon) Bad logic operand!",
    "(KvCommon) Bad format specifier of edit's constraint!",
    "(KvCommon) Empty value is not allowed!",
    "(KvCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(KvCommon) Please enter a string whose length is [LEN]!",
    "(KvCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(KvCommon) Please enter a hex string whose length is [LEN]!",
    "(KvCommon) Please enter a number between [MIN] and [MAX]!",
    "(KvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "(KvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "(KvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "(KvCommon) Out of range at index of array or list!",
    "(KvCommon) Destination buffer is undersize!",
    "(KvCommon) The source to dncrypt is not encrypted!",
    "(KvCommon) Fail to read data from file([FILENAME])!",
    "(KvCommon) Fail to write data to file([FILENAME])!",
    "(KvCommon) Fail to write value in ini file([FILENAME])!",
    "(KvCommon) Fail to read option data from file([FILENAME])!",
};

const KvMessageTable kBuiltinSnmp = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const KvMessageTable kBuiltinSnmpV3 = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const KvMessageTable kBuiltinUsm = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const KvMessageTable kBuiltinSnmpClass = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const KvMessageTable kBuiltinRequestLog = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

const KvMessageTable kBuiltinLibrary = {
    "(KvSNMP++) Ok!",
    "(KvSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(KvSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KvSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KvSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KvSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KvSNMP++) Cannot create the global KvSNMP++ session!",
    "(KvSNMP++) Error when loading SNMP engine boots counter!",
    "(KvSNMP++) Error when saving SNMP engine boots counter!",
    "(KvSNMP++) Invalid IP Address or DNS name!",
    "(KvSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(KvSNMP++) Bad SNMP syntax!",
    "(KvSNMP++) Null value in the expression!",
    "(KvSNMP++) Bad SNMP syntax in the expression!",
    "(KvSNMP++) Bad key count of SNMP variable list!",
    "(KvSNMP++) Bad item type of SNMP variable list!",
    "(KvSNMP++) Bad item type of associated SNMP variable list!",
    "(KvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(KvSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(KvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
    "(partial) data!",
    "(KvSNMP++) No reference option list for a SNMP variable's (partial) data associating "
    "with a optional visual control!",
    "(KvSNMP++) Bad type of the associated visual control!",
    "(KvSNMP++) Count of the associated visual controls is not enough!",
    "(KvSNMP++) No system start time for the time whose data source is the SNMP variable's "
    "(partial) data with syntax timeticks!",
    "(KvSNMP++) Count of the value items for the chart's history data is not enough!",
    "(KvSNMP++) Log database is not connected!",
    "(KvSNMP++) Log database field not found!",
    "(KvSNMP++) Bad syntax for the history chart of log!",
    "(KvSNMP++) Unknown error code!",
    // Answers that no well-behaved agent gives.
    "(KvSNMP++) The agent answered with an unknown error-status!",
    "(KvSNMP++) OID not increasing in the agent's answer!",
    "(KvSNMP++) Too many rows in the table, the walk stopped!",
    "(KvSNMP++) The change journal cannot be written, nothing was sent!",
    "(KvSNMP++) The change was made, but the change journal could not record it!",
};

// The message file of each table, relative to the program's folder.
const char *const kMessageFiles[] = {
    "errmsg/common.err",    "errmsg/snmp.err", "errmsg/snmpv3.err", "errmsg/snmpusm.err",
    "errmsg/snmpclass.err", "errmsg/snmp.msg", "errmsg/kvsnmp.err",
};

// The longest line the reader takes at once; a longer line goes on as the next line.
constexpr size_t kMaxLineLength = 1023;

// Where each family of codes starts: code = -(base + index), for first <= index < count.
struct CodeFamily {
  KvMessageTableId table;
  int base;
  int first;
  int count;
};
const CodeFamily kFamilies[] = {
    {KvMessageTableId::Common, 0, 1, 20},      {KvMessageTableId::Snmp, 101, 0, 18},
    {KvMessageTableId::SnmpV3, 201, 0, 17},    {KvMessageTableId::Usm, 301, 0, 14},
    {KvMessageTableId::SnmpClass, 401, 0, 23}, {KvMessageTableId::Library, 500, 1, 32},
};

// The lines of a file as a reader with a 1024-byte buffer gets them: each ends after
// its line feed or after kMaxLineLength bytes, whichever comes first.
bool ReadRawLines(const std::string &fileName, std::vector<std::string> &lines) {
  // Anything but a regular file of a sane size (a folder, a FIFO, a device) is a file
  // that cannot be read: the built-in texts stay.
  std::string bytes;
  if (ReadLocalFile(fileName, kMaxMessageFileBytes, bytes) != LocalFileRead::Read) return false;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = pos;
    while (end < bytes.size() && end - pos < kMaxLineLength) {
      if (bytes[end++] == '\n') break;
    }
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end;
  }
  return true;
}
}  // namespace

KvMessageTable CommonMessages = kBuiltinCommon;
KvMessageTable SnmpMessages = kBuiltinSnmp;
KvMessageTable SnmpV3Messages = kBuiltinSnmpV3;
KvMessageTable UsmMessages = kBuiltinUsm;
KvMessageTable SnmpClassMessages = kBuiltinSnmpClass;
KvMessageTable RequestLogFormats = kBuiltinRequestLog;
KvMessageTable LibraryMessages = kBuiltinLibrary;

KvMessageTable &MessageTable(KvMessageTableId id) {
  switch (id) {
    case KvMessageTableId::Common: return CommonMessages;
    case KvMessageTableId::Snmp: return SnmpMessages;
    case KvMessageTableId::SnmpV3: return SnmpV3Messages;
    case KvMessageTableId::Usm: return UsmMessages;
    case KvMessageTableId::SnmpClass: return SnmpClassMessages;
    case KvMessageTableId::RequestLog: return RequestLogFormats;
    case KvMessageTableId::Library: break;
  }
  return LibraryMessages;
}

const KvMessageTable &BuiltinMessages(KvMessageTableId id) {
  switch (id) {
    case KvMessageTableId::Common: return kBuiltinCommon;
    case KvMessageTableId::Snmp: return kBuiltinSnmp;
    case KvMessageTableId::SnmpV3: return kBuiltinSnmpV3;
    case KvMessageTableId::Usm: return kBuiltinUsm;
    case KvMessageTableId::SnmpClass: return kBuiltinSnmpClass;
    case KvMessageTableId::RequestLog: return kBuiltinRequestLog;
    case KvMessageTableId::Library: break;
  }
  return kBuiltinLibrary;
}

std::string TableMessage(KvMessageTableId id, int index) {
  if (index < 0) return {};
  const auto i = static_cast<size_t>(index);
  const KvMessageTable &table = MessageTable(id);
  if (i < table.size()) return table[i];
  const KvMessageTable &builtin = BuiltinMessages(id);
  if (i < builtin.size()) return builtin[i];
  return {};
}

std::string CommonMessage(int index) { return TableMessage(KvMessageTableId::Common, index); }

std::string LibraryMessage(int n) { return TableMessage(KvMessageTableId::Library, n); }

std::string CodeMessage(int code) {
  if (code == 0) return LibraryMessage(LibraryMsg::Ok);
  for (const CodeFamily &family : kFamilies) {
    const int index = -code - family.base;
    if (index >= family.first && index < family.count) {
      std::string text = TableMessage(family.table, index);
      if (!text.empty()) return text;
    }
  }
  return LibraryMessage(LibraryMsg::UnknownCode);
}

void RaiseCommon(int index) { throw KvException(CommonMessage(index), -index); }

void RaiseLibrary(int n) { throw KvException(LibraryMessage(n), -500 - n); }

void RaiseCode(int code) { throw KvException(CodeMessage(code), code); }

void MapSnmpStatus(int status, int &code, std::string &text) {
  if (status == 0 || status == 1400 || status == -1401) {
    code = 0;
    text = LibraryMessage(LibraryMsg::Ok);
  } else if (status >= 1 && status <= 18) {
    code = -100 - status;
    text = TableMessage(KvMessageTableId::Snmp, status - 1);
  } else if (status >= 1401 && status <= 1414) {
    code = 1100 - status;
    text = TableMessage(KvMessageTableId::Usm, status - 1401);
  } else if (status >= -1418 && status <= -1402) {
    code = status + 1201;
    text = TableMessage(KvMessageTableId::SnmpV3, -status - 1402);
  } else if (status == SnmpStatus::BadErrorStatus) {
    code = -500 - LibraryMsg::BadErrorStatus;
    text = LibraryMessage(LibraryMsg::BadErrorStatus);
  } else if (status >= -23 && status <= -1) {
    code = status - 400;
    text = TableMessage(KvMessageTableId::SnmpClass, -status - 1);
  } else {
    code = -528;
    text = LibraryMessage(LibraryMsg::UnknownCode);
  }
}

void LoadMessageTable(KvMessageTableId id, const std::string &fileName) {
  std::vector<std::string> lines;
  if (!ReadRawLines(fileName, lines)) return;
  KvMessageTable entries;
  for (std::string &line : lines) {
    if (Trim(line).empty()) continue;
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
      line.resize(line.size() - 2);
    else if (!line.empty() && line.back() == '\n')
      line.pop_back();
    entries.push_back(ReplaceAll(line, "\\n", "\n"));
  }
  if (entries.empty()) return;
  MessageTable(id) = std::move(entries);
}

std::string MessageFileName(KvMessageTableId id) {
  return kMessageFiles[static_cast<size_t>(id)];
}

void LoadMessageFiles(const std::string &directory) {
  for (const KvMessageTableId id : kMessageTables)
    LoadMessageTable(id, JoinPath(directory, MessageFileName(id)));
}

std::string FormatRequestLog(int kind, const std::string &listName, const std::string &message,
                             std::time_t when) {
  std::string line = TableMessage(KvMessageTableId::RequestLog, kind == 1 ? 1 : 0);
  const std::string error = "[ERROR]";
  const std::string varlist = "[VARLIST]";
  const size_t errorAt = line.find(error);
  const size_t varlistAt =
      errorAt == std::string::npos ? std::string::npos : line.find(varlist, errorAt);
  if (listName.empty() && varlistAt != std::string::npos) {
    const size_t from = errorAt + error.size();
    line.erase(from, varlistAt + varlist.size() - from);
  } else {
    line = ReplaceAll(line, varlist, listName);
  }
  line = ReplaceAll(line, error, message);

  std::tm local{};
  localtime_r(&when, &local);
  int hour12 = local.tm_hour % 12;
  if (hour12 == 0) hour12 = 12;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d %s", hour12, local.tm_min, local.tm_sec,
                local.tm_hour < 12 ? "AM" : "PM");
  return ReplaceAll(line, "[TIME]", stamp);
}

std::string FormatRequestLog(int kind, const std::string &listName, const std::string &message) {
  return FormatRequestLog(kind, listName, message, std::time(nullptr));
}
