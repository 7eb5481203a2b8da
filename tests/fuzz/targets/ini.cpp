// INI reading (the per-device settings file): any file content, any names asked for.
#include "fuzz_input.h"
#include "kv_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::string head, rest;
  SplitHead(InputText(data, size), head, rest);
  const std::string file = InputFile(reinterpret_cast<const uint8_t *>(rest.data()), rest.size());
  const KvIni ini(file);
  ini.ReadString("Program Information", "IP", "default");
  ini.ReadString("", "", "");
  // The head names a section and a key of its own: "section=key".
  const size_t eq = head.find('=');
  if (eq != std::string::npos) ini.ReadString(head.substr(0, eq), head.substr(eq + 1), "d");
  return 0;
}
