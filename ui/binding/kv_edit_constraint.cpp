#include "kv_edit_constraint.h"

#include "kv_beep.h"
#include "kv_focus.h"
#include "kv_message_box.h"
#include "kv_messages.h"
#include "kv_num_list.h"
#include "kv_program_info.h"
#include "kv_text.h"
#include "kv_widget_tag.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {
// Indexes of the common message table used here.
constexpr int kMsgEmpty = 3;
constexpr int kMsgStringMaxLen = 4;
constexpr int kMsgStringLen = 5;
constexpr int kMsgHexMaxLen = 6;
constexpr int kMsgHexLen = 7;
constexpr int kMsgNumberRange = 8;
constexpr int kMsgListMaxCount = 9;
constexpr int kMsgListCount = 10;
constexpr int kMsgListRange = 11;
constexpr int kMsgIndexOutOfRange = 12;

bool IsPlaceholder(const QString &text) { return text == "(NULL)" || text == "(NOTDONE)"; }

std::string ToBytes(const QString &text) { return text.toLocal8Bit().toStdString(); }

// Whole text as a number, in any locale; nullopt for anything else ("-", ".", "").
std::optional<double> ReadNumber(const std::string &text) {
  double value = 0;
  const char *end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

// General decimal form, as many digits as a double holds ("1", "32", "0.5").
std::string General(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

// A bound cut to a whole unsigned 32-bit number.
unsigned CutToUnsigned(double value) {
  if (!(value > 0)) return 0;
  if (value >= 4294967295.0) return 4294967295u;
  return static_cast<unsigned>(value);
}

void ParseSpecifier(const std::string &s, _EditConstraint_s &r, int &width) {
  const auto bad = [] { RaiseCommon(CommonMsg::BadFormatSpecifier); };
  if (s.size() < 2 || s[0] != '%') bad();
  r.Type = s[1];
  size_t options = 2;  // 0-based position where the options may start
  switch (r.Type) {
    case 'i':
      r.Min = -2147483648.0;
      r.Max = 2147483647.0;
      break;
    case 'u':
      r.Min = 0;
      r.Max = 4294967295.0;
      break;
    case 'f':
      // Without a lowest value a floating number may be 0 or negative.
      r.Min = -DBL_MAX;
      r.Max = DBL_MAX;
      break;
    case 'n':
      if (s.size() < 3) bad();
      r.Delimiter = s[2];
      options = 3;
      [[fallthrough]];
    case 'h':
    case 's':
      r.Min = DBL_MIN;
      r.Max = DBL_MAX;
      break;
    default:
      bad();
  }
  if (s.size() <= options) return;
  if (s[options] != '{' || s.size() < options + 2 || s.back() != '}') bad();

  const std::string body = s.substr(options + 1, s.size() - options - 2);
  const int n = static_cast<int>(body.size());
  int p = 0;  // 0-based cursor into body
  // Length of the run of `characters` at p.
  const auto run = [&](const char *characters) {
    const int last = SpanOf(body, p + 1, characters);
    return last == 0 ? 0 : last - p;
  };
  const auto readInt = [&](int length) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(body.data() + p, body.data() + p + length, value);
    if (ec != std::errc() || ptr != body.data() + p + length) bad();
    p += length;
    return value;
  };
  while (p < n) {
    const char letter = body[p++];
    switch (letter) {
      case 'n':
      case 'x': {
        const int length = run("-0123456789.");
        if (length == 0) bad();
        const std::optional<double> value = ReadNumber(body.substr(p, length));
        if (!value) bad();
        (letter == 'n' ? r.Min : r.Max) = *value;
        p += length;
        break;
      }
      case 'l': {
        const int length = run("0123456789");
        if (length == 0) bad();
        r.MaxLen = readInt(length);
        for (int k = 0; k < 3 && p < n; ++k, ++p) {
          if (body[p] == 'a') r.Flags |= EditFlag::MoveOnWhenFull;
          else if (body[p] == 'f') r.Flags |= EditFlag::FixedLength;
          else if (body[p] == 'n') r.Flags |= EditFlag::NotEmpty;
          else break;
        }
        break;
      }
      case 'w': {
        const int length = run("0123456789");
        if (length == 0) bad();
        width = readInt(length);
        break;
      }
      case 'e':
        if (p >= n) bad();
        r.NextChar = body[p++];
        break;
      default:
        bad();
    }
  }
}

// Whether the character at `k` of `text` may stand there in a value of the record's type.
bool Accepts(const _EditConstraint_s &r, const QString &text, qsizetype k) {
  const QChar c = text[k];
  const bool digit = c >= u'0' && c <= u'9';
  switch (r.Type) {
    case 'f':
      return digit || (c == u'-' && k == 0) || (c == u'.' && text.indexOf(u'.') == k);
    case 'h':
      return digit || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    case 'i':
      return digit || (c == u'-' && k == 0);
    case 'u':
      return digit;
    case 'n':
      return digit || (c == QChar::fromLatin1(r.Delimiter) && k > 0 &&
                       text[k - 1] != QChar::fromLatin1(r.Delimiter));
    default:
      return true;
  }
}

// The refusal message of a value left in the edit, or nullopt when it is accepted.
std::optional<std::string> CheckExit(const _EditConstraint_s &r, const QString &value) {
  const std::string text = ToBytes(value);
  if (text.empty()) {
    if (r.Flags & EditFlag::NotEmpty) return CommonMessage(kMsgEmpty);
    return std::nullopt;
  }
  const bool fixed = r.Flags & EditFlag::FixedLength;
  const std::string maxLen = std::to_string(r.MaxLen);
  switch (r.Type) {
    case 'f':
    case 'i':
    case 'u': {
      const std::optional<double> number = ReadNumber(text);
      if (number && *number >= r.Min && *number <= r.Max) return std::nullopt;
      return ReplaceAll(ReplaceAll(CommonMessage(kMsgNumberRange), "[MIN]", General(r.Min)),
                        "[MAX]", General(r.Max));
    }
    case 'h':
    case 's': {
      if (r.MaxLen <= 0) return std::nullopt;
      const qsizetype length = value.size();
      const bool hex = r.Type == 'h';
      if (fixed && length != r.MaxLen)
        return ReplaceAll(CommonMessage(hex ? kMsgHexLen : kMsgStringLen), "[LEN]", maxLen);
      if (!fixed && length > r.MaxLen)
        return ReplaceAll(CommonMessage(hex ? kMsgHexMaxLen : kMsgStringMaxLen), "[MAXLEN]",
                          maxLen);
      return std::nullopt;
    }
    case 'n': {
      KvNumList<unsigned> list(r.Delimiter);
      list.Parse(text);
      const std::string delimiter(1, r.Delimiter);
      if (r.MaxLen > 0) {
        if (fixed && list.GetCount() != r.MaxLen)
          return ReplaceAll(ReplaceAll(CommonMessage(kMsgListCount), "[DELIMITER]", delimiter),
                            "[COUNT]", maxLen);
        if (!fixed && list.GetCount() > r.MaxLen)
          return ReplaceAll(ReplaceAll(CommonMessage(kMsgListMaxCount), "[DELIMITER]", delimiter),
                            "[MAXCOUNT]", maxLen);
      }
      const unsigned min = CutToUnsigned(r.Min), max = CutToUnsigned(r.Max);
      if (list.AllInRange(min, max)) return std::nullopt;
      std::string message = ReplaceAll(CommonMessage(kMsgListRange), "[DELIMITER]", delimiter);
      message = ReplaceAll(message, "[MIN]", std::to_string(min));
      return ReplaceAll(message, "[MAX]", std::to_string(max));
    }
    default:
      return std::nullopt;
  }
}
}  // namespace

// Sits on a watched edit as its validator, so that typed, pasted and dropped text is
// cleaned before the edit takes it and before anyone hears of the change; also filters
// the edit's key and focus events and is the context of the constraint's connections.
class KvEditWatcher : public QValidator {
public:
  KvEditWatcher(KvEditConstraint &constraint, _EditConstraint_s &record)
      : constraint_(constraint), record_(&record) {}

  // The watched record; null once the edit is gone and the record with it (the watcher
  // may still hear from the dying edit until its deferred deletion).
  _EditConstraint_s *Record() const { return record_; }
  void Detach() { record_ = nullptr; }

  State validate(QString &input, int &pos) const override {
    if (!record_ || input.isEmpty() || IsPlaceholder(input)) return Acceptable;
    const _EditConstraint_s &r = *record_;
    // A pasted separator: typed ones are taken by the key filter.
    if (r.NextChar) {
      const qsizetype at = input.indexOf(QChar::fromLatin1(r.NextChar));
      if (at >= 0) Remove(input, pos, at, 1);
    }
    bool refused = false;
    for (qsizetype k = 0; k < input.size();) {
      if (Accepts(r, input, k)) {
        ++k;
      } else {
        Remove(input, pos, k, 1);
        refused = true;
      }
    }
    // The length limit holds for typed and pasted text alike: what overflows is cut
    // from what was just put in, before the cursor. A list's limit is its count.
    if (r.Type != 'n' && r.MaxLen > 0 && input.size() > r.MaxLen) {
      const qsizetype excess = input.size() - r.MaxLen;
      Remove(input, pos, pos >= excess ? pos - excess : r.MaxLen, excess);
    }
    if (refused) Platform::Beep();
    return Acceptable;
  }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (!record_ || watched != record_->Edit) return false;
    _EditConstraint_s &r = *record_;
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (r.NextChar && key->text() == QString(QChar::fromLatin1(r.NextChar))) {
          FocusNextControl(r.Edit);
          return true;
        }
        return false;
      }
      case QEvent::FocusIn:
        r.Entered = true;
        return false;
      case QEvent::FocusOut: {
        // Leaving the window or opening a menu does not leave the edit.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
            reason == Qt::MenuBarFocusReason || !r.Entered)
          return false;
        r.Entered = false;
        return constraint_.OnExit(r);
      }
      default:
        return false;
    }
  }

private:
  static void Remove(QString &input, int &pos, qsizetype at, qsizetype count) {
    input.remove(at, count);
    if (pos > at) pos = static_cast<int>(std::max(at, pos - count));
  }

  KvEditConstraint &constraint_;
  _EditConstraint_s *record_;
};

KvEditConstraint::KvEditConstraint(QWidget *owner, bool keepLastGood)
    : Owner(owner), KeepLastGood(keepLastGood) {}

KvEditConstraint::~KvEditConstraint() {
  for (auto &record : Records) Release(*record, true);
}

void KvEditConstraint::SetFormat(const std::string &format, const std::vector<QLineEdit *> &edits) {
  size_t k = 0;
  const auto add = [&](const std::string &specifier) {
    if (k >= edits.size()) RaiseCommon(kMsgIndexOutOfRange);
    AddEdit(specifier, edits[k++]);
  };
  std::string collected;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '%' && i > 0) {
      add(collected);
      collected.assign(1, '%');
    } else {
      collected += c;
      if (c != '%' && i + 1 == format.size()) add(collected);
    }
  }
}

void KvEditConstraint::AddEdit(const std::string &specifier, QLineEdit *edit) {
  if (!edit) RaiseCommon(kMsgIndexOutOfRange);
  auto record = std::make_unique<_EditConstraint_s>();
  int width = 0;
  ParseSpecifier(specifier, *record, width);  // raises before anything changes
  RemoveEdit(edit);

  _EditConstraint_s &r = *record;
  r.Edit = edit;
  r.SavedValidator = edit->validator();
  r.SavedMinWidth = edit->minimumWidth();
  r.SavedMaxWidth = edit->maximumWidth();
  if (width > 0) {
    edit->setFixedWidth(width);
    r.WidthSet = true;
  }
  r.Entered = edit->hasFocus();
  r.Watcher = std::make_unique<KvEditWatcher>(*this, r);
  KvEditWatcher *watcher = r.Watcher.get();
  edit->setValidator(watcher);
  edit->installEventFilter(watcher);
  QObject::connect(edit, &QLineEdit::textChanged, watcher, [this, watcher] {
    if (_EditConstraint_s *w = watcher->Record()) OnChange(*w);
  });
  QObject::connect(edit, &QObject::destroyed, watcher, [this, edit] { EditDestroyed(edit); });
  if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
    QObject::connect(app, &QApplication::focusChanged, watcher, [this, watcher](QWidget *old, QWidget *) {
      _EditConstraint_s *w = watcher->Record();
      if (w && old == w->Edit && w->ExitPending) AfterExit(*w);
    });
  Records.push_back(std::move(record));
}

void KvEditConstraint::RemoveEdit(QLineEdit *edit) {
  _EditConstraint_s *record = Find(edit);
  if (!record) return;
  Release(*record, true);
  std::erase_if(Records, [record](const auto &r) { return r.get() == record; });
}

void KvEditConstraint::SetOwner(QWidget *owner) { Owner = owner; }

const _EditConstraint_s *KvEditConstraint::FindRecord(const QLineEdit *edit) const {
  return Find(edit);
}

_EditConstraint_s *KvEditConstraint::Find(const QLineEdit *edit) const {
  for (const auto &record : Records)
    if (edit && record->Edit == edit) return record.get();
  return nullptr;
}

void KvEditConstraint::Release(_EditConstraint_s &r, bool editAlive) {
  if (editAlive && r.Edit) {
    r.Edit->removeEventFilter(r.Watcher.get());
    if (r.Edit->validator() == r.Watcher.get()) r.Edit->setValidator(r.SavedValidator.data());
    if (r.WidthSet) {
      r.Edit->setMinimumWidth(r.SavedMinWidth);
      r.Edit->setMaximumWidth(r.SavedMaxWidth);
    }
  }
  // Deleting the watcher ends every connection the constraint made.
  r.Watcher.reset();
  r.Edit = nullptr;
}

void KvEditConstraint::EditDestroyed(QLineEdit *edit) {
  _EditConstraint_s *record = Find(edit);
  if (!record) return;
  // Called by the watcher itself: it goes once the signal is delivered, and hears
  // nothing more of the record, which goes now.
  KvEditWatcher *watcher = record->Watcher.release();
  watcher->Detach();
  watcher->deleteLater();
  record->Edit = nullptr;
  std::erase_if(Records, [record](const auto &r) { return r.get() == record; });
}

void KvEditConstraint::OnChange(_EditConstraint_s &r) {
  const QString text = r.Edit->text();
  if (text.isEmpty() || IsPlaceholder(text)) return;
  if (WidgetTag(r.Edit) == -1) return;
  // Only while the operator types: text the program writes never moves the focus.
  if ((r.Flags & EditFlag::MoveOnWhenFull) && r.Type != 'n' && r.MaxLen > 0 &&
      text.size() == r.MaxLen && r.Edit->hasFocus())
    FocusNextControl(r.Edit);
}

bool KvEditConstraint::OnExit(_EditConstraint_s &r) {
  r.ExitPending = false;
  const QString text = r.Edit->text();
  if (IsPlaceholder(text)) return false;
  const std::optional<std::string> refusal = CheckExit(r, text);
  if (!refusal) {
    r.ExitPending = !text.isEmpty();
    return false;
  }
  // Text and focus go back first, so that the focus never rests on the control the
  // operator was moving to; then the message.
  QLineEdit *edit = r.Edit;
  QPointer<QLineEdit> alive(edit);
  edit->setText(QString::fromLocal8Bit(r.LastGood));
  edit->setFocus(Qt::OtherFocusReason);
  const bool focusBack = edit->hasFocus();
  QWidget *parent = Owner ? Owner.data() : edit->window();
  Platform::ShowMessageBox(parent, *refusal, Platform::ProgramFileName(), Platform::MsgButtons::Ok);
  // The edit has the focus again, so it has not been left: its own focus-out handling
  // and the owner's exit handlers do not run.
  return alive && focusBack;
}

void KvEditConstraint::AfterExit(_EditConstraint_s &r) {
  r.ExitPending = false;
  if (WidgetTag(r.Edit) == -1)
    r.Edit->setText(QString::fromLocal8Bit(r.LastGood));
  else if (KeepLastGood)
    r.LastGood = ToBytes(r.Edit->text());
}
