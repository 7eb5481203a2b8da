#pragma once
// Input constraints on single-line edits. Each watched edit carries a format specifier
// such as "%i{n1x32}" (an integer from 1 to 32) or "%s{l32}" (at most 32 characters):
// a typed or pasted character that cannot belong to the value never stays in the edit
// and beeps; a value refused when the edit is left brings a message box, the last
// accepted text back, and the focus back into the edit.
//
// Specifier: "%" type [delimiter] ["{" options "}"]
//   type      f floating number, h hex text, i signed integer, s free text,
//             u unsigned integer, n number list (the next character is its delimiter)
//   options   n<number> lowest value, x<number> highest value,
//             l<digits>[a][f][n] maximum length (count for n), then the flags:
//               a move on when full, f exact length or count, n empty not allowed
//             w<digits> width of the edit in pixels, e<char> typing it moves on
// A bad specifier raises code -2 "(KvCommon) Bad format specifier of edit's constraint!".
//
// The owner's own handlers of an edit are its signal connections and event filters;
// the constraint adds its own beside them and never disconnects anything. Connections
// made before AddEdit run before the constraint's: they play the part of the saved
// handlers, and a handler that sets the edit's tag (kv_widget_tag.h) to -1 stops the
// constraint from moving on (change) or from taking the value as the last good one
// (exit; the last good text is then put back).

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QValidator;
class QWidget;
class KvEditWatcher;

namespace EditFlag {
constexpr unsigned char MoveOnWhenFull = 1;
constexpr unsigned char FixedLength = 2;
constexpr unsigned char NotEmpty = 4;
}  // namespace EditFlag

// One watched edit.
struct _EditConstraint_s {
  QLineEdit *Edit = nullptr;
  char Type = 's';       // f, h, i, s, u or n
  char Delimiter = 0;    // separator of an 'n' list
  double Min = 0;        // lowest accepted number
  double Max = 0;        // highest accepted number
  int MaxLen = 0;        // maximum (with FixedLength exact) length, or count for 'n'; 0 = any
  unsigned char Flags = 0;
  char NextChar = 0;     // typing it moves to the next control; 0 = none
  std::string LastGood;  // last text accepted on exit

  // What the constraint changed on the edit, given back when it lets the edit go.
  QPointer<const QValidator> SavedValidator;
  int SavedMinWidth = 0;
  int SavedMaxWidth = 0;
  bool WidthSet = false;

  // Filters input, watches focus and key events; owned.
  std::unique_ptr<KvEditWatcher> Watcher;
  bool Entered = false;      // the edit got the focus since it was last left
  bool ExitPending = false;  // left with an accepted value; owner's handlers still to run
};

class KvEditConstraint {
public:
  KvEditConstraint(QWidget *owner, bool keepLastGood);
  // Lets every edit go, as RemoveEdit does.
  ~KvEditConstraint();
  KvEditConstraint(const KvEditConstraint &) = delete;
  KvEditConstraint &operator=(const KvEditConstraint &) = delete;

  // One specifier per edit, written one after the other ("%i{n1x255}%i{n1x255}").
  // More specifiers than edits raise code -12.
  void SetFormat(const std::string &format, const std::vector<QLineEdit *> &edits);
  // Starts watching `edit` (a null edit raises code -12). An edit that is watched
  // already is let go first, so the new specifier replaces the old one.
  void AddEdit(const std::string &specifier, QLineEdit *edit);
  // Gives the edit back as it was before AddEdit; an edit not watched is ignored.
  void RemoveEdit(QLineEdit *edit);
  // Parent of the message boxes (used while the edits are lent to a dialog); the
  // edit's own window when null.
  void SetOwner(QWidget *owner);

  // The record of a watched edit, or null.
  const _EditConstraint_s *FindRecord(const QLineEdit *edit) const;
  int Count() const { return static_cast<int>(Records.size()); }

  QPointer<QWidget> Owner;
  bool KeepLastGood;

private:
  friend class KvEditWatcher;

  _EditConstraint_s *Find(const QLineEdit *edit) const;
  void Release(_EditConstraint_s &record, bool editAlive);
  void EditDestroyed(QLineEdit *edit);
  void OnChange(_EditConstraint_s &record);
  bool OnExit(_EditConstraint_s &record);
  void AfterExit(_EditConstraint_s &record);

  std::vector<std::unique_ptr<_EditConstraint_s>> Records;
};
