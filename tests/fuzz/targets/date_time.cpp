// Date-times: the text form of a datetime value, its 11 octets, and the date-time
// text of a day count.
#include "fuzz_input.h"
#include "kv_date_time.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string input = InputText(data, size);
  const KvDateTime parsed(input);
  KvDateTime::FromOctets(parsed.ToOctets()).ToText();
  KvDateTime::FromOctets(input).ToText();
  double days = 0;
  if (ParseBcDateTime(input, days)) FormatBcDateTime(days);
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    FormatBcDateTime(raw);
  }
  return 0;
}
