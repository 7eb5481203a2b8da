#pragma once
// Message tables: every failure code of the library has its text here. A table is a
// list of texts indexed from its family's first code; start-up may replace a table
// from a message file.

#include <string>
#include <vector>

using KvMessageTable = std::vector<std::string>;

// Codes 0 and -1 to -19; index = -code.
extern KvMessageTable CommonMessages;

// Indexes into CommonMessages that callers name.
namespace CommonMsg {
constexpr int Ok = 0;
constexpr int BadLogicOperand = 1;
constexpr int BadFormatSpecifier = 2;
}  // namespace CommonMsg

// Text of a common-table entry; past the end of a table shortened by a message file,
// the built-in text of that entry.
std::string CommonMessage(int index);

// Raises KvException with the common-table text of `index` and code -index.
[[noreturn]] void RaiseCommon(int index);
