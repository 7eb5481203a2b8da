#pragma once
// The Qt classes that stand for the visual controls of the windows, chosen here once
// so that every window and binding uses the same ones:
//   edit                 QLineEdit
//   label, static text   QLabel (a static text has a sunken frame: MakeStaticText)
//   check box            QCheckBox
//   combo box            QComboBox (drop-down list: not editable; drop-down: editable)
//   radio group          KvRadioGroup
//   list view            QTreeView in report style (SetReportStyle); a QTreeWidget (MakeListView)
//   memo                 QPlainTextEdit
//   status bar           KvStatusBar
//   shape                KvShape
// Also the text boundary: library texts are bytes in the local 8-bit code page, Qt's
// are QString; ToQt and FromQt convert between them.

#include <QString>

#include <string>
#include <vector>

class KvOptionList;
class KvRadioGroup;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

QString ToQt(const std::string &text);
std::string FromQt(const QString &text);

// The kinds of control a binding knows how to show a value in.
enum class KvControlKind { Unknown, Label, CheckBox, ComboBox, RadioGroup, Edit };
KvControlKind ControlKindOf(const QWidget *control);

// A label with a sunken frame, as static texts are drawn.
QLabel *MakeStaticText(QWidget *parent);
// A list view in report style: rows with a caption and sub-items, no tree decoration.
QTreeWidget *MakeListView(QWidget *parent);
void SetReportStyle(QTreeView *listView);
// Widens each shown column of `listView` that is too narrow for its text in `row`, up to
// kMaxFittedColumnWidth; a column never becomes narrower (its caption keeps its room).
// With `longest` (the most characters measured so far per column, kept by the caller
// across the rows of one fill), only texts longer than those are measured.
constexpr int kMaxFittedColumnWidth = 320;
void WidenColumnsFor(QTreeView *listView, const std::vector<std::string> &row, std::vector<int> *longest = nullptr);
void WidenColumnsFor(QTreeWidget *listView, const QTreeWidgetItem *row, std::vector<int> *longest = nullptr);
// Widens `window` (never narrows it) so that `list` shows all its columns without a
// horizontal scroll bar, within the screen's width and `maxWidth` (0: no other limit);
// what is left over still scrolls.
void FitWidthToColumns(QWidget *window, QTreeView *list, int maxWidth = 0);
// A multi-line memo for status lines. Every read adds a line; a window left open for
// days keeps the latest kMemoLines of them.
constexpr int kMemoLines = 1000;
QPlainTextEdit *MakeMemo(QWidget *parent);

// Clears the control's entries and adds every label of the option list in order.
void FillItems(const KvOptionList &options, QComboBox *box);
void FillItems(const KvOptionList &options, KvRadioGroup *group);
// Selects the entry whose label matches `text`, else the one whose value matches it;
// neither clears the selection.
void SelectInControl(const KvOptionList &options, QComboBox *box, const std::string &text);
void SelectInControl(const KvOptionList &options, KvRadioGroup *group, const std::string &text);
