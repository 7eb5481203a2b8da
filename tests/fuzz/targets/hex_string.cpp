// Hex and binary strings: hex text to octets both ways, and raw little-endian numbers.
#include "fuzz_input.h"
#include "kv_binary_string.h"
#include "snmp_printable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string input = InputText(data, size);
  const KvBinaryString binary(input);
  (void)binary.Length();
  std::string octets;
  if (ParsePrintableHex(input, octets)) OctetsToPrintableHex(octets);
  OctetsToPrintableHex(PrintableHexToOctets(input));
  OctetsToPrintableHex(input);
  for (int bytes = 1; bytes <= 8 && static_cast<size_t>(bytes) <= size; ++bytes) {
    std::string raw;
    AppendLittleEndian(raw, ReadLittleEndian(input, size - static_cast<size_t>(bytes), bytes), bytes);
  }
  return 0;
}
