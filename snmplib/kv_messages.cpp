#include "kv_messages.h"

#include "kv_exception.h"

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

std::string Lookup(const KvMessageTable &table, const KvMessageTable &builtin, int index) {
  if (index >= 0 && static_cast<size_t>(index) < table.size()) return table[index];
  if (index >= 0 && static_cast<size_t>(index) < builtin.size()) return builtin[index];
  return {};
}
}  // namespace

KvMessageTable CommonMessages = kBuiltinCommon;

std::string CommonMessage(int index) { return Lookup(CommonMessages, kBuiltinCommon, index); }

void RaiseCommon(int index) { throw KvException(CommonMessage(index), -index); }
