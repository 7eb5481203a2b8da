#pragma once
// INDEX values of table rows: decoded from the sub-identifiers of a row's instance and
// encoded back into them, by the syntax of the INDEX column. Octet strings, object
// identifiers and display strings carry a length sub-identifier unless they are the
// last, IMPLIED index.

#include <cstdint>
#include <string>
#include <vector>

// Decodes one value starting at subids[pos] and advances `pos` past what it used.
// Raises -511 for a syntax that cannot be an index, and for sub-identifiers that run
// out before the value is complete (a length larger than what follows) or that do
// not fit the value (an octet above 255): nothing is ever read past the end.
std::string DecodeIndexValue(unsigned syntax, bool lastImplied, const std::vector<uint32_t> &subids,
                             size_t &pos);

// Appends the sub-identifiers of `value` (a value text, not an option label).
// Raises -511 for a syntax that cannot be an index; a number that is not one raises
// the conversion error ("'x' is not a valid integer value").
void EncodeIndexValue(unsigned syntax, bool lastImplied, const std::string &value,
                      std::vector<uint32_t> &out);
