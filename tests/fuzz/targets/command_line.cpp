// The module's command line: one parameter a line, any bytes. Each parameter applies or
// ends in the conversion error; what applied names the same switch for the
// single-instance check, and the companion command lines can always be built.
#include "fuzz_input.h"
#include "kv_exception.h"
#include "module_launcher.h"
#include "startup_settings.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::vector<std::string> parameters;
  std::istringstream lines(InputText(data, size));
  for (std::string line; std::getline(lines, line);) parameters.push_back(line);

  KvStartupSettings texts;
  KvSNMPSettings session;
  try {
    ApplyCommandLine(parameters, texts, session);
  } catch (const KvException &) {
    return 0;  // the conversion error
  }
  std::string address;
  if (CommandLineAddress(parameters, address) && address != session.Device.Address) std::abort();
  if (!texts.PortText.empty() && texts.PortText != std::to_string(session.Device.Port)) std::abort();
  MainCaption(texts.AddressText);
  for (const bool cfg : {false, true}) {
    texts.CfgFileFound = cfg;
    for (const uint8_t version : {0, 1, 3}) {
      session.Security.Version = version;
      CompanionStart(parameters.empty() ? "" : parameters.back(), texts, session, "/m/");
    }
  }
  return 0;
}
