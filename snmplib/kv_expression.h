#pragma once
// The evaluators of derived values and row filters. They work on the text itself and
// split at the first operator, so chains group to the right: "10-2-3" is 11.
// Nesting deeper than a few hundred levels is refused with "(KvCommon) Bad logic operand!".

#include <string>

double EvaluateArithmetic(const std::string &text);
bool EvaluateCondition(const std::string &text);
bool EvaluateComparison(const std::string &text);

// Tries the operators of a null-ended list in list order; the first one that occurs
// splits the text at its first occurrence. Returns its position in the list, or -1.
int FindOperator(const char *const operators[], const std::string &text, std::string &left,
                 std::string &right);

// A real number written the way the evaluators write intermediate results.
std::string FormatReal(double value);
