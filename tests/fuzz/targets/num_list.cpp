// Number lists: any text with any delimiter (the first byte), as signed and unsigned
// numbers.
#include "fuzz_input.h"
#include "kv_num_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  const char delimiter = static_cast<char>(data[0]);
  const std::string text = InputText(data + 1, size - 1);
  KvNumList<int> signedList(delimiter);
  signedList.Parse(text);
  signedList.AllInRange(-5, 5);
  signedList.IndexOf(1);
  KvNumList<unsigned int> unsignedList(delimiter);
  unsignedList.Parse(text);
  unsignedList.AllInRange(1, 24);
  KvNumList<int> commaList(',');
  commaList.Parse(text);
  return 0;
}
