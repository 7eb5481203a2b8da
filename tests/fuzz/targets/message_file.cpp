// Message files: any file content replaces a table, whose texts are then looked up and
// used as request log templates.
#include "fuzz_input.h"
#include "kv_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string file = InputFile(data, size);
  for (KvMessageTableId id : {KvMessageTableId::Snmp, KvMessageTableId::RequestLog, KvMessageTableId::Library}) {
    LoadMessageTable(id, file);
    for (int index = -1; index < 40; ++index) TableMessage(id, index);
  }
  for (int code : {0, -102, -528, -531, -600, 5}) CodeMessage(code);
  int code = 0;
  std::string text;
  for (int status : {0, 2, 19, 2000, -5}) MapSnmpStatus(status, code, text);
  FormatRequestLog(0, "IGMP Control Table", text, 0);
  FormatRequestLog(1, "", text, 0);
  for (KvMessageTableId id : {KvMessageTableId::Snmp, KvMessageTableId::RequestLog, KvMessageTableId::Library})
    MessageTable(id) = BuiltinMessages(id);
  return 0;
}
