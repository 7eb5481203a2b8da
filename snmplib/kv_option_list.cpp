#include "kv_option_list.h"

#include "kv_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

bool ParseDecimalInt(const std::string &text, int &value) {
  const std::string t = Trim(text);
  if (t.empty()) return false;
  errno = 0;
  char *end = nullptr;
  const long v = std::strtol(t.c_str(), &end, 10);
  if (end != t.c_str() + t.size() || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  if (!std::isdigit(static_cast<unsigned char>(t.back()))) return false;
  value = static_cast<int>(v);
  return true;
}

KvOptionList::KvOptionList(const KvIntOption *table, bool caseSensitive)
    : kind_(IntegerKind), caseSensitive_(caseSensitive) {
  Add(table);
}

KvOptionList::KvOptionList(const KvTextOption *table, unsigned kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
  Add(table);
}

void KvOptionList::Add(const KvIntOption *table) {
  for (; table && table->Label; ++table) items_.push_back({table->Value, {}, table->Label});
}

void KvOptionList::Add(const KvTextOption *table) {
  for (; table && table->Label; ++table)
    items_.push_back({0, table->Value ? table->Value : "", table->Label});
}

bool KvOptionList::Same(const std::string &a, const std::string &b) const {
  return caseSensitive_ ? a == b : EqualsIgnoreCase(a, b);
}

bool KvOptionList::Begins(const std::string &text, const std::string &prefix) const {
  return caseSensitive_ ? text.compare(0, prefix.size(), prefix) == 0 && text.size() >= prefix.size()
                        : StartsWithIgnoreCase(text, prefix);
}

int KvOptionList::IndexOfLabel(const std::string &text) const {
  for (int i = 0; i < GetCount(); ++i) {
    const std::string &label = items_[i].Label;
    if (kind_ == PrefixKind ? Begins(text, label) : Same(text, label)) return i;
  }
  return -1;
}

int KvOptionList::IndexOfValue(const std::string &text) const {
  if (kind_ == IntegerKind) {
    int v;
    if (text == "(NULL)" || !ParseDecimalInt(text, v)) return -1;
    for (int i = 0; i < GetCount(); ++i)
      if (items_[i].Value == v) return i;
    return -1;
  }
  for (int i = 0; i < GetCount(); ++i) {
    const std::string &value = items_[i].Text;
    if (kind_ == PrefixKind ? Begins(text, value) : Same(text, value)) return i;
  }
  return -1;
}

std::string KvOptionList::ValueToLabel(const std::string &text) const {
  const int i = IndexOfValue(text);
  if (i < 0) return text;
  if (kind_ == PrefixKind) return items_[i].Label + text.substr(items_[i].Text.size());
  return items_[i].Label;
}

std::string KvOptionList::LabelToValue(const std::string &text) const {
  const int i = IndexOfLabel(text);
  if (i < 0) return text;
  switch (kind_) {
    case IntegerKind: return std::to_string(items_[i].Value);
    case PrefixKind: return items_[i].Text + text.substr(items_[i].Label.size());
    default: return items_[i].Text;
  }
}
