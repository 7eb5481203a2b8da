#include "kv_snmp_request2_edits.h"

#include "kv_controls.h"
#include "kv_date_time.h"
#include "kv_exception.h"
#include "kv_list_model.h"
#include "kv_num_list.h"
#include "kv_option_list.h"
#include "kv_radio_group.h"
#include "kv_text.h"
#include "kv_value_conversion.h"
#include "snmp_printable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <set>

#include <bit>
#include <cmath>
#include <cstdio>

namespace {
constexpr char kNull[] = "(NULL)";
constexpr char kNotDone[] = "(NOTDONE)";

[[noreturn]] void NotEnoughControls() { RaiseLibrary(LibraryMsg::NotEnoughControls); }
[[noreturn]] void BadValue() { RaiseLibrary(LibraryMsg::BadAssocValue); }

bool IsOctets(unsigned syntax) {
  return syntax == Syntax::BitStr || syntax == Syntax::OctetStr || syntax == Syntax::Opaque;
}

bool IsBoolean(unsigned syntax) {
  return syntax == Syntax::Boolean || syntax == Syntax::Bool8 || syntax == Syntax::Bool16;
}

std::string Hex2(unsigned char byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

uint32_t Le32(const std::string &raw, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(raw[at + i]);
  return value;
}

// The number in an edit of a split value; an empty edit counts as 0.
long long EditNumber(const QWidget *control) {
  const auto *edit = qobject_cast<const QLineEdit *>(control);
  const std::string text = edit ? Trim(FromQt(edit->text())) : std::string();
  if (text.empty()) return 0;
  long long value = 0;
  size_t used = 0;
  try {
    value = std::stoll(text, &used);
  } catch (const std::exception &) {
    BadValue();
  }
  if (used != text.size()) BadValue();
  return value;
}

std::string EditText(const QWidget *control) {
  if (const auto *edit = qobject_cast<const QLineEdit *>(control)) return FromQt(edit->text());
  return {};
}

// A filled edit shows the start of its text, as a text longer than the edit reads from there.
void SetEditText(QWidget *control, const std::string &text) {
  if (auto *edit = qobject_cast<QLineEdit *>(control)) {
    edit->setText(ToQt(text));
    edit->setCursorPosition(0);
  }
}

// Calendar fields of a day count since 1899-12-30 (the fraction runs forward from
// midnight also before that date).
struct CalendarFields {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

CalendarFields SplitDays(double days) {
  CalendarFields f;
  const std::string text = FormatBcDateTime(days);  // "yyyy/mm/dd hh:nn:ss am/pm"
  if (text.size() < 10 || std::sscanf(text.c_str(), "%d/%d/%d", &f.Year, &f.Month, &f.Day) != 3) BadValue();
  long long ms = std::llround(std::fabs(days - std::trunc(days)) * 86400000.0);
  if (ms >= 86400000) ms = 0;  // rounded up into the next day, which the date already shows
  f.Hour = static_cast<int>(ms / 3600000);
  f.Minute = static_cast<int>(ms / 60000 % 60);
  f.Second = static_cast<int>(ms / 1000 % 60);
  f.Millisecond = static_cast<int>(ms % 1000);
  return f;
}
}  // namespace

KvSNMPRequest2Edits::KvSNMPRequest2Edits(QWidget *ownerForm)
    : KvSNMPRequest2Controls(ownerForm), Constraint(ownerForm, true) {}

KvSNMPRequest2Edits::~KvSNMPRequest2Edits() {
  if (selectionConnection_) QObject::disconnect(selectionConnection_);
}

// ---------------------------------------------------------------------------------
// Associations

void KvSNMPRequest2Edits::CheckItemIndex(int itemIndex) const {
  if (itemIndex < 0 || itemIndex >= Request.VarList.GetCount()) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
}

void KvSNMPRequest2Edits::Associate(int itemIndex, QWidget *control) {
  CheckItemIndex(itemIndex);
  AssociatePart(itemIndex, 0, Request.VarList.GetItem(itemIndex)->Syntax, nullptr, control);
}

void KvSNMPRequest2Edits::AssociateComboBox(int itemIndex, QWidget *comboBox) {
  CheckItemIndex(itemIndex);
  if (auto *box = qobject_cast<QComboBox *>(comboBox)) box->setEditable(false);
  AssociatePart(itemIndex, 0, Request.VarList.GetItem(itemIndex)->Syntax, nullptr, comboBox);
}

void KvSNMPRequest2Edits::AssociatePart(int itemIndex, int byteIndex, unsigned syntax, const KvOptionList *options,
                                        QWidget *control, QWidget *secondControl) {
  CheckItemIndex(itemIndex);
  if (!control) NotEnoughControls();
  if (byteIndex < 0) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
  const KvSNMPVarItem *item = Request.VarList.GetItem(itemIndex);
  const KvOptionList *list = options;
  if (!list && byteIndex == 0 && syntax == item->Syntax) list = item->Options;

  const KvControlKind kind = ControlKindOf(control);
  if (kind == KvControlKind::ComboBox || kind == KvControlKind::RadioGroup) {
    if (!list) RaiseLibrary(LibraryMsg::NoOptionListForControl);
    if (kind == KvControlKind::ComboBox) {
      if (list->Kind() == KvOptionList::PrefixKind && !secondControl) NotEnoughControls();
      FillItems(*list, qobject_cast<QComboBox *>(control));
    } else {
      FillItems(*list, qobject_cast<KvRadioGroup *>(control));
    }
  }

  auto record = std::make_unique<sAssociatedCtrls>();
  record->ItemIndex = itemIndex;
  record->ByteIndex = byteIndex;
  record->Syntax = syntax;
  record->Options = options;
  record->Ctrls.emplace_back(control);
  if (secondControl) record->Ctrls.emplace_back(secondControl);
  record->CtrlCount = static_cast<int>(record->Ctrls.size());
  Associations.push_back(std::move(record));
}

void KvSNMPRequest2Edits::AssociateFormat(int itemIndex, const std::string &format,
                                          std::initializer_list<QLineEdit *> edits) {
  AssociateFormat(itemIndex, format, std::vector<QLineEdit *>(edits));
}

void KvSNMPRequest2Edits::AssociateFormat(int itemIndex, const std::string &format,
                                          const std::vector<QLineEdit *> &edits) {
  CheckItemIndex(itemIndex);
  // Each specifier takes the next edit.
  std::vector<QLineEdit *> taken;
  for (size_t at = 0; at + 1 < format.size();) {
    if (format[at] == '%' && std::string("shiufn").find(format[at + 1]) != std::string::npos) {
      if (taken.size() >= edits.size() || !edits[taken.size()]) NotEnoughControls();
      taken.push_back(edits[taken.size()]);
      at += 2;
    } else {
      ++at;
    }
  }
  if (taken.empty()) NotEnoughControls();
  Constraint.SetFormat(format, taken);

  auto record = std::make_unique<sAssociatedCtrls>();
  record->ItemIndex = itemIndex;
  record->Syntax = Request.VarList.GetItem(itemIndex)->Syntax;
  for (QLineEdit *edit : taken) record->Ctrls.emplace_back(edit);
  record->CtrlCount = static_cast<int>(record->Ctrls.size());
  Associations.push_back(std::move(record));
}

void KvSNMPRequest2Edits::AssociateBits(int itemIndex, const std::string &bitList,
                                        std::initializer_list<QWidget *> checkBoxes) {
  AssociateBitList(itemIndex, bitList, std::vector<QWidget *>(checkBoxes));
}

void KvSNMPRequest2Edits::AssociateBitList(int itemIndex, const std::string &bitList,
                                           const std::vector<QWidget *> &checkBoxes) {
  CheckItemIndex(itemIndex);
  KvNumList<int> bits(',');
  bits.Parse(bitList);
  if (bits.GetCount() == 0 || static_cast<size_t>(bits.GetCount()) > checkBoxes.size()) NotEnoughControls();
  auto record = std::make_unique<sAssociatedCtrls>();
  record->ItemIndex = itemIndex;
  record->Syntax = Request.VarList.GetItem(itemIndex)->Syntax;
  for (int i = 0; i < bits.GetCount(); ++i) {
    if (bits.Values[i] < 0) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
    if (!checkBoxes[i]) NotEnoughControls();
    record->BitIndexes.push_back(bits.Values[i]);
    record->Ctrls.emplace_back(checkBoxes[i]);
  }
  record->CtrlCount = static_cast<int>(record->Ctrls.size());
  Associations.push_back(std::move(record));
}

void KvSNMPRequest2Edits::Unbind(int itemIndex) {
  for (auto it = Associations.begin(); it != Associations.end();) {
    if ((*it)->ItemIndex != itemIndex) {
      ++it;
      continue;
    }
    for (const QPointer<QWidget> &control : (*it)->Ctrls)
      if (auto *edit = qobject_cast<QLineEdit *>(control.data())) Constraint.RemoveEdit(edit);
    it = Associations.erase(it);
  }
}

void KvSNMPRequest2Edits::SetConstraintParent(QWidget *window) { Constraint.SetOwner(window); }

void KvSNMPRequest2Edits::SetControlsEnabled(bool enabled) {
  for (const auto &a : Associations)
    for (const QPointer<QWidget> &control : a->Ctrls)
      if (control) control->setEnabled(enabled);
}

const KvOptionList *KvSNMPRequest2Edits::OptionsOf(const sAssociatedCtrls &a) const {
  if (a.Options) return a.Options;
  const KvSNMPVarItem *item = Request.VarList.GetItem(a.ItemIndex);
  return a.ByteIndex == 0 && a.Syntax == item->Syntax ? item->Options : nullptr;
}

// ---------------------------------------------------------------------------------
// Showing values

void KvSNMPRequest2Edits::ShowValues(int itemIndex) {
  std::set<int> blank;
  for (size_t n = 0; n < Associations.size(); ++n) {
    const sAssociatedCtrls &a = *Associations[n];
    if (itemIndex != -1 && a.ItemIndex != itemIndex) continue;
    CheckItemIndex(a.ItemIndex);
    const KvSNMPVarItem *item = Request.VarList.GetItem(a.ItemIndex);
    if (item->Access & Access::Invalid) continue;
    ShowAssociation(a);
    if (item->Value == kNotDone) blank.insert(a.ItemIndex);
    else shownBlank_.erase(a.ItemIndex);
  }
  for (int i : blank) {
    std::string value;
    try {
      if (ReadItem(i, kNotDone, value)) shownBlank_[i] = value;
    } catch (const KvException &) {
      shownBlank_[i] = std::nullopt;  // an empty number field, say
    }
  }
}

void KvSNMPRequest2Edits::ShowAssociation(const sAssociatedCtrls &a) {
  const KvSNMPVarItem *item = Request.VarList.GetItem(a.ItemIndex);
  std::string text = item->Value;
  if (item->Options) text = item->Options->LabelToValue(text);
  // A column that ended early has no value, as one the agent did not give; nor has an
  // item no request reads (not-accessible), whose text stays empty.
  std::string raw = text == kNotDone || text.empty() ? std::string() : TextToRaw(text, item->Syntax);
  const KvOptionList *options = a.Options;
  if (a.ByteIndex != 0 || a.Syntax != item->Syntax) {
    raw = ExtractPart(raw, a.ByteIndex, a.Syntax);
    text = RawToText(raw, a.Syntax);
  } else if (!options) {
    options = item->Options;
  }
  if (options) text = options->ValueToLabel(text);

  QWidget *first = a.Ctrls.empty() ? nullptr : a.Ctrls[0].data();
  if (!first) return;  // the window let the control go
  switch (ControlKindOf(first)) {
    case KvControlKind::Label:
      qobject_cast<QLabel *>(first)->setText(ToQt(text));
      return;
    case KvControlKind::CheckBox:
      if (!a.BitIndexes.empty()) {
        for (size_t i = 0; i < a.BitIndexes.size() && i < a.Ctrls.size(); ++i) {
          const int b = a.BitIndexes[i];
          if (static_cast<size_t>(b / 8) >= raw.size()) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
          const bool on = (static_cast<unsigned char>(raw[b / 8]) >> (7 - b % 8)) & 1;
          if (auto *box = qobject_cast<QCheckBox *>(a.Ctrls[i].data())) box->setChecked(on);
        }
      } else if (options) {
        int position = options->IndexOfLabel(text);
        if (position < 0) position = options->IndexOfValue(text);
        qobject_cast<QCheckBox *>(first)->setChecked(position > 0);
      } else {
        if (!IsBoolean(a.Syntax)) RaiseLibrary(LibraryMsg::BadAssocSyntax);
        qobject_cast<QCheckBox *>(first)->setChecked(text == "true");
      }
      return;
    case KvControlKind::ComboBox: {
      auto *box = qobject_cast<QComboBox *>(first);
      if (options)
        SelectInControl(*options, box, text);
      else
        box->setCurrentIndex(box->findText(ToQt(text)));
      if (a.Ctrls.size() > 1 && a.Ctrls[1]) {
        std::string rest = text;
        if (box->currentIndex() >= 0) {
          const std::string label = FromQt(box->currentText());
          rest = text.size() > label.size() ? text.substr(label.size()) : std::string();
          if (a.Syntax == Syntax::ObjectId && !rest.empty()) rest.erase(0, 1);
        }
        SetEditText(a.Ctrls[1], rest);
      }
      return;
    }
    case KvControlKind::RadioGroup: {
      auto *group = qobject_cast<KvRadioGroup *>(first);
      if (options)
        SelectInControl(*options, group, text);
      else
        group->SetItemIndex(-1);
      return;
    }
    case KvControlKind::Edit:
      break;
    default:
      RaiseLibrary(LibraryMsg::BadControlType);
  }

  if (a.Ctrls.size() == 1) {
    SetEditText(first, text);
    return;
  }
  const size_t count = a.Ctrls.size();
  auto show = [&](size_t i, const std::string &part) { SetEditText(a.Ctrls[i], part); };
  const unsigned syntax = a.Syntax;
  if (IsOctets(syntax)) {
    if (count < raw.size()) NotEnoughControls();
    for (size_t i = 0; i < raw.size(); ++i) show(i, Hex2(static_cast<unsigned char>(raw[i])));
  } else if (syntax == Syntax::ObjectId) {
    if (count < raw.size() / 4) NotEnoughControls();
    for (size_t i = 0; i < raw.size() / 4; ++i) show(i, std::to_string(Le32(raw, 4 * i)));
  } else if (syntax == Syntax::IpAddress || syntax == Syntax::NsapAddr) {
    if (count < 4) NotEnoughControls();
    if (raw.empty()) return;
    if (raw.size() < 4) BadValue();
    for (size_t i = 0; i < 4; ++i) show(i, std::to_string(static_cast<unsigned char>(raw[i])));
  } else if (syntax == Syntax::TimeTicks) {
    if (count < 5) NotEnoughControls();
    if (raw.empty()) return;
    if (raw.size() < 4) BadValue();
    const uint32_t t = Le32(raw, 0);
    show(0, std::to_string(t / 8640000));
    show(1, std::to_string(t % 8640000 / 360000));
    show(2, std::to_string(t % 360000 / 6000));
    show(3, std::to_string(t % 6000 / 100));
    show(4, std::to_string(t % 100));
  } else if (syntax == Syntax::MacAddress) {
    if (count < 6) NotEnoughControls();
    if (raw.empty()) return;
    if (raw.size() < 6) BadValue();
    for (size_t i = 0; i < 6; ++i) show(i, Hex2(static_cast<unsigned char>(raw[i])));
  } else if (syntax == Syntax::DateTime) {
    if (count < 10) NotEnoughControls();
    if (raw.empty()) return;
    const KvDateTime dt = KvDateTime::FromOctets(raw);
    const int fields[] = {dt.Year, dt.Month, dt.Day, dt.Hour, dt.Minute, dt.Second, dt.DeciSecond};
    for (size_t i = 0; i < 7; ++i) show(i, std::to_string(fields[i]));
    show(7, std::string(1, dt.UtcDirection));
    show(8, std::to_string(dt.UtcHours));
    show(9, std::to_string(dt.UtcMinutes));
  } else if (syntax == Syntax::BcDateTime) {
    if (count < 7) NotEnoughControls();
    if (raw.empty()) return;
    if (raw.size() < 8) BadValue();
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(raw[i]);
    const CalendarFields f = SplitDays(std::bit_cast<double>(bits));
    const int fields[] = {f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, f.Millisecond};
    for (size_t i = 0; i < 7; ++i) show(i, std::to_string(fields[i]));
  } else {
    show(0, text);
  }
}

// ---------------------------------------------------------------------------------
// Reading controls back

void KvSNMPRequest2Edits::ReadControls(int itemIndex) {
  KvSNMPVarList &list = Request.VarList;
  for (int i = 0; i < list.GetCount(); ++i) {
    if (itemIndex != -1 && i != itemIndex) continue;
    if (!list.IsEditable(i)) continue;
    KvSNMPVarItem *item = list.GetItem(i);
    // Controls that still show an item without a value, untouched, leave it without one.
    const auto blank = item->Value == kNotDone ? shownBlank_.find(i) : shownBlank_.end();
    std::string value;
    try {
      if (!ReadItem(i, item->Value, value)) continue;
    } catch (const KvException &) {
      if (blank != shownBlank_.end() && !blank->second) continue;
      throw;
    }
    if (blank != shownBlank_.end() && blank->second == value) continue;
    item->Value = value;
  }
}

bool KvSNMPRequest2Edits::ReadItem(int i, const std::string &current, std::string &value) {
  const KvSNMPVarItem *item = Request.VarList.GetItem(i);
  std::string text = current;
  if (item->Options) text = item->Options->LabelToValue(text);
  // A cleared value (CollectValues empties them all first) starts from nothing; so does
  // a text, whose typed value replaces the old one.
  std::string raw;
  if (!text.empty() && text != kNotDone && item->Syntax != Syntax::DisplayStr) raw = TextToRaw(text, item->Syntax);
  bool associated = false;
  for (const auto &a : Associations) {
    if (a->ItemIndex != i || a->Ctrls.empty() || !a->Ctrls[0]) continue;
    associated = true;
    ReadAssociation(*a, raw);
  }
  if (!associated) return false;
  const std::string read = RawToText(raw, item->Syntax);
  value = item->Options ? item->Options->ValueToLabel(read) : read;
  return true;
}

void KvSNMPRequest2Edits::ReadAssociation(const sAssociatedCtrls &a, std::string &raw) {
  const KvSNMPVarItem *item = Request.VarList.GetItem(a.ItemIndex);
  const bool whole = a.ByteIndex == 0 && a.Syntax == item->Syntax;
  const KvOptionList *options = OptionsOf(a);
  QWidget *first = a.Ctrls.empty() ? nullptr : a.Ctrls[0].data();
  if (!first) return;

  if (!a.BitIndexes.empty()) {
    // The bits go straight into the value, which grows with zero octets to hold them;
    // octets and bits no box stands for keep what they held.
    for (size_t i = 0; i < a.BitIndexes.size() && i < a.Ctrls.size(); ++i) {
      const int b = a.BitIndexes[i];
      const size_t at = static_cast<size_t>(b / 8);
      if (raw.size() <= at) raw.resize(at + 1, '\0');
      const auto mask = static_cast<unsigned char>(0x80 >> (b % 8));
      const auto *box = qobject_cast<const QCheckBox *>(a.Ctrls[i].data());
      auto byte = static_cast<unsigned char>(raw[at]);
      byte = box && box->isChecked() ? (byte | mask) : (byte & ~mask);
      raw[at] = static_cast<char>(byte);
    }
    return;
  }

  std::string part;
  switch (ControlKindOf(first)) {
    case KvControlKind::Label:
      part = FromQt(qobject_cast<QLabel *>(first)->text());
      break;
    case KvControlKind::Edit:
      part = a.Ctrls.size() > 1 ? ReadSplitEdits(a) : EditText(first);
      break;
    case KvControlKind::CheckBox: {
      const bool checked = qobject_cast<QCheckBox *>(first)->isChecked();
      if (options) {
        const int position = checked ? 1 : 0;
        if (position >= options->GetCount()) BadValue();
        part = options->GetItem(position).Label;
      } else {
        if (!IsBoolean(a.Syntax)) RaiseLibrary(LibraryMsg::BadAssocSyntax);
        part = checked ? "true" : "false";
      }
      break;
    }
    case KvControlKind::ComboBox: {
      auto *box = qobject_cast<QComboBox *>(first);
      part = box->currentIndex() >= 0 || box->isEditable() ? FromQt(box->currentText()) : std::string();
      if (a.Ctrls.size() > 1 && a.Ctrls[1]) {
        if (a.Syntax == Syntax::ObjectId) part += '.';
        part += EditText(a.Ctrls[1]);
      }
      break;
    }
    case KvControlKind::RadioGroup: {
      auto *group = qobject_cast<KvRadioGroup *>(first);
      part = group->Item(group->ItemIndex());
      break;
    }
    default:
      RaiseLibrary(LibraryMsg::BadControlType);
  }
  if (options) part = options->LabelToValue(part);
  // An empty control gives no value rather than a failure; whether that may be sent is
  // the window's decision.
  const std::string partRaw = part.empty() ? std::string() : TextToRaw(part, a.Syntax);
  if (whole) {
    raw = partRaw;
    return;
  }
  const size_t at = static_cast<size_t>(a.ByteIndex);
  if (raw.size() < at + partRaw.size()) raw.resize(at + partRaw.size(), '\0');
  raw.replace(at, partRaw.size(), partRaw);
}

std::string KvSNMPRequest2Edits::ReadSplitEdits(const sAssociatedCtrls &a) {
  const size_t count = a.Ctrls.size();
  auto number = [&](size_t i) { return EditNumber(a.Ctrls[i]); };
  const unsigned syntax = a.Syntax;
  auto hexDigits = [&](size_t n) {
    std::string hex;
    for (size_t i = 0; i < n; ++i) {
      const std::string t = Trim(EditText(a.Ctrls[i]));
      hex += t.empty() ? "00" : t.size() == 1 ? "0" + t : t;
    }
    return hex;
  };
  if (IsOctets(syntax)) return hexDigits(count);
  if (syntax == Syntax::MacAddress) {
    if (count < 6) NotEnoughControls();
    return hexDigits(6);
  }
  if (syntax == Syntax::ObjectId || syntax == Syntax::IpAddress || syntax == Syntax::NsapAddr) {
    const size_t n = syntax == Syntax::ObjectId ? count : 4;
    if (count < n) NotEnoughControls();
    std::string dotted;
    for (size_t i = 0; i < n; ++i) {
      const long long v = number(i);
      if (v < 0) BadValue();
      dotted += (i ? "." : "") + std::to_string(v);
    }
    return dotted;
  }
  if (syntax == Syntax::TimeTicks) {
    if (count < 5) NotEnoughControls();
    const long long t = number(0) * 8640000 + number(1) * 360000 + number(2) * 6000 + number(3) * 100 + number(4);
    if (t < 0 || t > 0xFFFFFFFFLL) BadValue();
    return TimeTicksToText(static_cast<uint32_t>(t));
  }
  if (syntax == Syntax::DateTime) {
    if (count < 10) NotEnoughControls();
    KvDateTime dt;
    dt.Year = static_cast<uint16_t>(number(0));
    dt.Month = static_cast<uint8_t>(number(1));
    dt.Day = static_cast<uint8_t>(number(2));
    dt.Hour = static_cast<uint8_t>(number(3));
    dt.Minute = static_cast<uint8_t>(number(4));
    dt.Second = static_cast<uint8_t>(number(5));
    dt.DeciSecond = static_cast<uint8_t>(number(6));
    const std::string direction = EditText(a.Ctrls[7]);
    dt.UtcDirection = direction.empty() ? '+' : direction[0];
    dt.UtcHours = static_cast<uint8_t>(number(8));
    dt.UtcMinutes = static_cast<uint8_t>(number(9));
    return dt.ToText();
  }
  if (syntax == Syntax::BcDateTime) {
    if (count < 7) NotEnoughControls();
    char date[64];
    std::snprintf(date, sizeof date, "%04lld/%02lld/%02lld", number(0), number(1), number(2));
    double days = 0;
    if (!ParseBcDateTime(date, days)) BadValue();
    const double time = (number(3) * 3600000.0 + number(4) * 60000.0 + number(5) * 1000.0 + number(6)) / 86400000.0;
    // Before 1899-12-30 the fraction still runs forward from midnight.
    const std::string text = FormatBcDateTime(days < 0 ? days - time : days + time);
    if (text.empty()) BadValue();
    return text;
  }
  return EditText(a.Ctrls[0]);
}

// ---------------------------------------------------------------------------------
// List view

void KvSNMPRequest2Edits::BindListView(QTreeWidget *listView, bool disableUntilSelected) {
  BindListView(listView, nullptr, disableUntilSelected);
  items_ = listView;
}

void KvSNMPRequest2Edits::BindListView(QTreeView *listView, KvListModel *rows, bool disableUntilSelected) {
  if (selectionConnection_) QObject::disconnect(selectionConnection_);
  ListView = listView;
  ListRows = rows;
  items_ = nullptr;
  DisableUntilSelected = disableUntilSelected;
  if (!listView) return;
  if (Request.VarList.ItemType > MVT_UMV) RaiseLibrary(LibraryMsg::BadAssocItemType);
  if (rows) listView->setModel(rows);
  SetReportStyle(listView);
  // Connected after the window's own handlers, which therefore run first.
  selectionConnection_ = QObject::connect(listView->selectionModel(), &QItemSelectionModel::selectionChanged,
                                          listView, [this] { ListViewSelectionChanged(); });
  SetUpColumns();
}

void KvSNMPRequest2Edits::SetUpColumns() {
  const KvSNMPVarList &list = Request.VarList;
  columnItems_.clear();
  for (int i = 0; i < list.GetCount(); ++i)
    if (list.IsHidden(i)) columnItems_.push_back(i);
  const size_t hidden = columnItems_.size();
  for (int i = 0; i < list.GetCount(); ++i)
    if (list.IsVisible(i)) columnItems_.push_back(i);
  if (!ListView || ListView->model()->columnCount() >= static_cast<int>(columnItems_.size())) return;

  std::vector<std::string> names;
  for (int i : columnItems_) names.push_back(list.GetItem(i)->Name);
  if (ListRows) {
    ListRows->SetCaptions(names);
  } else if (auto *items = qobject_cast<QTreeWidget *>(ListView.data())) {
    QStringList captions;
    for (const std::string &name : names) captions << ToQt(name);
    items->setColumnCount(static_cast<int>(columnItems_.size()));
    items->setHeaderLabels(captions);
  }
  const QFontMetrics metrics(ListView->header()->font());
  for (size_t c = 0; c < columnItems_.size(); ++c) {
    const int column = static_cast<int>(c);
    ListView->setColumnHidden(column, c < hidden);
    if (c >= hidden) ListView->setColumnWidth(column, metrics.horizontalAdvance(ToQt(names[c])) + 16);
  }
}

int KvSNMPRequest2Edits::SelectedRow() const {
  if (!ListView || !ListView->selectionModel()) return -1;
  const QModelIndexList rows = ListView->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

std::string KvSNMPRequest2Edits::CellText(int row, int column) const {
  if (ListRows) return std::string(ListRows->Text(row, column));
  const QModelIndex cell = ListView->model()->index(row, column);
  return FromQt(ListView->model()->data(cell).toString());
}

void KvSNMPRequest2Edits::CopySelectedRow() {
  const int row = SelectedRow();
  if (row < 0) return;
  const int columns = ListView->model()->columnCount();
  for (size_t c = 0; c < columnItems_.size() && static_cast<int>(c) < columns; ++c)
    if (columnItems_[c] < Request.VarList.GetCount())
      Request.VarList.GetItem(columnItems_[c])->Value = CellText(row, static_cast<int>(c));
}

void KvSNMPRequest2Edits::ListViewSelectionChanged() {
  const std::shared_ptr<bool> alive = Alive();
  try {
    SelectItem(SelectedRow());
  } catch (const std::exception &e) {
    if (*alive) ReportFailure(e.what());
  }
}

void KvSNMPRequest2Edits::SelectItem(int row) {
  if (row < 0) return;
  if (DisableUntilSelected) SetControlsEnabled(true);
  CopySelectedRow();
  ShowValues(-1);
}

// ---------------------------------------------------------------------------------
// The steps of Refresh and Apply

void KvSNMPRequest2Edits::BeforeRefresh() {
  if (!ListView) return;
  SetUpColumns();
  if (ListRows)
    ListRows->Clear();
  else if (items_)
    items_->clear();
  measuredChars_.clear();
}

void KvSNMPRequest2Edits::ShowRow() {
  if (!ListView) {
    ShowValues(-1);
    return;
  }
  std::vector<std::string> texts;
  texts.reserve(columnItems_.size());
  for (int i : columnItems_) texts.push_back(i < Request.VarList.GetCount() ? Request.VarList.GetItem(i)->Value : "");
  if (ListRows) {
    // Measured by length first: a text no longer than the longest so far needs no room.
    WidenColumnsFor(ListView, texts, &measuredChars_);
    ListRows->Append(texts);
    return;
  }
  if (!items_) return;
  QStringList cells;
  cells.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string &text : texts) cells << ToQt(text);
  auto *row = new QTreeWidgetItem(cells);
  // Before the row goes in: a handler of the insertion may close the window and free this
  // binding.
  WidenColumnsFor(items_.data(), row, &measuredChars_);
  items_->addTopLevelItem(row);
  // A long walk keeps the window alive; the binding may be gone afterwards.
  QCoreApplication::processEvents();
}

void KvSNMPRequest2Edits::CollectValues(const std::string &selection) {
  // Items shown without a value keep having none, unless their controls were changed.
  for (int i = 0; i < Request.VarList.GetCount(); ++i)
    Request.VarList.GetItem(i)->Value = shownBlank_.count(i) ? kNotDone : std::string();
  CopySelectedRow();
  if (selection.empty()) {
    ReadControls(-1);
    return;
  }
  KvNumList<int> picked(',');
  picked.Parse(selection);
  for (int i = 0; i < Request.VarList.GetCount(); ++i)
    if (picked.IndexOf(i) >= 0) ReadControls(i);
}

void KvSNMPRequest2Edits::AfterRefresh() {
  const std::shared_ptr<bool> alive = Alive();
  // The last rows are shown with the end of the read; a handler of theirs may free the binding.
  if (ListRows) ListRows->Flush();
  if (!*alive) return;
  if (ListView && DisableUntilSelected && Request.VarList.ItemType == MVT_FMV) SetControlsEnabled(false);
}
