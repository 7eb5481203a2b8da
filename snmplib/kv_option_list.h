#pragma once
// An option list names the values of an enumerated variable: value <-> label.
// Kind 1 holds integer values, kind 2 text values, kind 3 text prefixes (the label
// replaces a leading value code). Combo-box and radio-group filling lives with the
// control bindings.

#include <string>
#include <vector>

// Source tables: static arrays ended by a pair whose label is null.
struct KvIntOption {
  int Value;
  const char *Label;
};
struct KvTextOption {
  const char *Value;
  const char *Label;
};

struct KvOption {
  int Value = 0;     // kind 1
  std::string Text;  // kinds 2 and 3
  std::string Label;
};

class KvOptionList {
public:
  enum : unsigned { IntegerKind = 1, TextKind = 2, PrefixKind = 3 };

  KvOptionList(const KvIntOption *table, bool caseSensitive = false);
  KvOptionList(const KvTextOption *table, unsigned kind, bool caseSensitive = false);

  void Add(const KvIntOption *table);
  void Add(const KvTextOption *table);

  unsigned Kind() const { return kind_; }
  bool CaseSensitive() const { return caseSensitive_; }
  int GetCount() const { return static_cast<int>(items_.size()); }
  const KvOption &GetItem(int index) const { return items_.at(index); }

  int IndexOfLabel(const std::string &text) const;
  int IndexOfValue(const std::string &text) const;
  std::string ValueToLabel(const std::string &text) const;
  std::string LabelToValue(const std::string &text) const;

private:
  bool Same(const std::string &a, const std::string &b) const;
  bool Begins(const std::string &text, const std::string &prefix) const;

  unsigned kind_;
  bool caseSensitive_;
  std::vector<KvOption> items_;
};

// Reads a whole decimal integer (optional sign, optional blanks around); false otherwise.
bool ParseDecimalInt(const std::string &text, int &value);
