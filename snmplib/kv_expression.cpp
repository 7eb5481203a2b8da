#include "kv_expression.h"

#include "kv_date_time.h"
#include "kv_messages.h"
#include "kv_text.h"

#include <charconv>
#include <cstdio>

namespace {
// Every split or substitution recurses once; a text that needs more than this is not
// an expression any window writes.
constexpr int kMaxDepth = 256;

void CheckDepth(int depth) {
  if (depth > kMaxDepth) RaiseCommon(CommonMsg::BadLogicOperand);
}

// Position of the ")" matching the "(" at `open`, or npos.
size_t MatchingParen(const std::string &text, size_t open) {
  int level = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') ++level;
    else if (text[i] == ')' && --level == 0) return i;
  }
  return std::string::npos;
}

// The number at the start of an operand, as the standard decimal conversion reads it.
double Operand(const std::string &text) {
  if (EqualsIgnoreCase(Trim(text), "NOW") || EqualsIgnoreCase(text, "NOW")) return NowAsDays();
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  double v = 0;
  const char *first = text.data() + i;
  const auto [end, ec] = std::from_chars(first, text.data() + text.size(), v, std::chars_format::general);
  if (ec != std::errc() || end == first) return 0;
  return negative ? -v : v;
}

double Arithmetic(const std::string &text, int depth) {
  CheckDepth(depth);
  const size_t open = text.find('(');
  if (open != std::string::npos) {
    const size_t close = MatchingParen(text, open);
    if (close != std::string::npos) {
      const double inner = Arithmetic(text.substr(open + 1, close - open - 1), depth + 1);
      return Arithmetic(text.substr(0, open) + FormatReal(inner) + text.substr(close + 1), depth + 1);
    }
  }
  for (char op : {'+', '-', '*', '/'}) {
    const size_t at = text.find(op);
    if (at == std::string::npos) continue;
    const std::string left = text.substr(0, at), right = text.substr(at + 1);
    switch (op) {
      case '+': return Arithmetic(left, depth + 1) + Arithmetic(right, depth + 1);
      case '-': return Arithmetic(left, depth + 1) - Arithmetic(right, depth + 1);
      case '*': return Operand(left) * Arithmetic(right, depth + 1);
      default: return Operand(left) / Arithmetic(right, depth + 1);
    }
  }
  return Operand(text);
}

bool Condition(const std::string &text, int depth) {
  CheckDepth(depth);
  const size_t q1 = text.find('"');
  const size_t q2 = q1 == std::string::npos ? std::string::npos : text.find('"', q1 + 1);
  auto quoted = [&](size_t at) {
    return q1 != std::string::npos && q2 != std::string::npos && at > q1 && at < q2;
  };

  const size_t open = text.find('(');
  if (open != std::string::npos) {
    const size_t close = MatchingParen(text, open);
    if (close != std::string::npos && !quoted(open) && !quoted(close)) {
      const bool inner = Condition(text.substr(open + 1, close - open - 1), depth + 1);
      return Condition(text.substr(0, open) + (inner ? "true" : "false") + text.substr(close + 1),
                       depth + 1);
    }
  }
  if (const size_t at = text.find('|'); at != std::string::npos && !quoted(at))
    return Condition(text.substr(0, at), depth + 1) || Condition(text.substr(at + 1), depth + 1);
  if (const size_t at = text.find('&'); at != std::string::npos && !quoted(at))
    return Condition(text.substr(0, at), depth + 1) && Condition(text.substr(at + 1), depth + 1);
  if (const size_t at = text.find('!'); at != std::string::npos && !quoted(at))
    return !Condition(text.substr(1), depth + 1);
  return EvaluateComparison(text);
}
}  // namespace

std::string FormatReal(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

double EvaluateArithmetic(const std::string &text) { return Arithmetic(text, 0); }

bool EvaluateCondition(const std::string &text) { return Condition(text, 0); }

int FindOperator(const char *const operators[], const std::string &text, std::string &left,
                 std::string &right) {
  for (int i = 0; operators[i]; ++i) {
    const size_t at = text.find(operators[i]);
    if (at == std::string::npos) continue;
    left = text.substr(0, at);
    right = text.substr(at + std::char_traits<char>::length(operators[i]));
    return i;
  }
  return -1;
}

bool EvaluateComparison(const std::string &text) {
  static const char *const kOperators[] = {"<>", ">=", "<=", ">", "<", "=", nullptr};
  std::string left, right;
  const int op = FindOperator(kOperators, text, left, right);
  if (op < 0) {
    if (EqualsIgnoreCase(text, "true")) return true;
    if (EqualsIgnoreCase(text, "false")) return false;
    RaiseCommon(CommonMsg::BadLogicOperand);
  }
  auto operand = [](const std::string &raw) {
    std::string v = Unquote(Trim(raw));
    return EqualsIgnoreCase(v, "NOW") ? FormatReal(NowAsDays()) : v;
  };
  const int c = operand(left).compare(operand(right));
  switch (op) {
    case 0: return c != 0;
    case 1: return c >= 0;
    case 2: return c <= 0;
    case 3: return c > 0;
    case 4: return c < 0;
    default: return c == 0;
  }
}
