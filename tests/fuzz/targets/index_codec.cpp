// The INDEX codec: any sub-identifiers decoded by any syntax, implied or not, and the
// value encoded back; any value text encoded by any syntax.
#include "fuzz_input.h"
#include "kv_exception.h"
#include "kv_index_codec.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2) return 0;
  const unsigned syntax = data[0];
  const bool implied = data[1] & 1;
  const bool asText = data[1] & 2;
  data += 2;
  size -= 2;
  if (asText) {
    std::vector<uint32_t> out;
    try {
      EncodeIndexValue(syntax, implied, InputText(data, size), out);
    } catch (const KvException &) {
    }
    return 0;
  }
  // Sub-identifiers, four bytes each; small values are the interesting ones, so one
  // byte of every four decides whether the value is cut to 8 bits.
  std::vector<uint32_t> subids;
  for (size_t i = 0; i + 4 <= size; i += 4) {
    uint32_t v;
    std::memcpy(&v, data + i, 4);
    subids.push_back((v & 0x80000000u) ? v & 0xFFu : v);
  }
  size_t pos = 0;
  try {
    while (pos < subids.size()) {
      const size_t before = pos;
      const std::string value = DecodeIndexValue(syntax, implied, subids, pos);
      if (pos > subids.size()) __builtin_trap();  // read past the end
      std::vector<uint32_t> again;
      EncodeIndexValue(syntax, implied, value, again);
      if (pos == before) break;  // a syntax that uses no sub-identifier
    }
  } catch (const KvException &) {
  }
  return 0;
}
