// Printable values: the text forms of time ticks, Counter64, object identifiers and IP
// addresses, read and written back.
#include "fuzz_input.h"
#include "snmp_printable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text = InputText(data, size);
  uint32_t ticks = 0;
  if (TextToTimeTicks(text, ticks)) TimeTicksToText(ticks);
  uint64_t counter = 0;
  if (TextToCounter64(text, counter)) Counter64ToText(counter);
  std::vector<uint32_t> subids;
  if (ParseOid(text, subids)) OidToText(subids);
  std::string octets;
  if (ParseIpAddress(text, octets)) IpAddressToText(octets);
  IpAddressToText(text);
  return 0;
}
