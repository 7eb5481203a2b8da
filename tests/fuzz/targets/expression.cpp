// Expressions: arithmetic and conditions; a bad one raises its library error, nothing
// else may happen.
#include "fuzz_input.h"
#include "kv_exception.h"
#include "kv_expression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text = InputText(data, size);
  try {
    FormatReal(EvaluateArithmetic(text));
  } catch (const KvException &) {
  }
  try {
    EvaluateCondition(text);
  } catch (const KvException &) {
  }
  try {
    EvaluateComparison(text);
  } catch (const KvException &) {
  }
  return 0;
}
