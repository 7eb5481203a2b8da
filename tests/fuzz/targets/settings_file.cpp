// The per-device settings file, after a command line (its first line, parameters
// separated by blanks). The file applies or ends in the conversion error; the
// communities never come from it and its privacy code 2 is always IDEA.
#include "fuzz_input.h"
#include "kv_exception.h"
#include "startup_settings.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::string head, rest;
  SplitHead(InputText(data, size), head, rest);
  std::vector<std::string> parameters;
  std::istringstream words(head);
  for (std::string word; words >> word;) parameters.push_back(word);

  KvStartupSettings texts;
  KvSNMPSettings session;
  try {
    ApplyCommandLine(parameters, texts, session);
  } catch (const KvException &) {
    return 0;
  }
  const KvSNMPSecurity before = session.Security;
  try {
    ApplySettingsFile(InputFile(reinterpret_cast<const uint8_t *>(rest.data()), rest.size()), texts,
                      session);
  } catch (const KvException &) {
    return 0;
  }
  if (session.Security.ReadCommunity != before.ReadCommunity ||
      session.Security.WriteCommunity != before.WriteCommunity || session.Security.PrivProtocol == 3)
    std::abort();
  return 0;
}
