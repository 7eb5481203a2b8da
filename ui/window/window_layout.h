#pragma once
// The pieces the windows are built from: the frame (controls on the left, a button
// column on the right, a status bar below), a grid of labelled fields, a one-panel status
// bar, a memo of a fixed height; and the one way a menu entry shows a window: modal,
// and freed once it has closed.

#include <QSize>
#include <QString>

#include <memory>
#include <utility>

class KvStatusBar;
class QEvent;
class QObject;
class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QDialog;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

// Gives `control` its name (the one the window's code and tests use) and returns it.
template <class Control>
Control *Named(Control *control, const char *name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

// A column of buttons `width` pixels wide, added at the right of `row`.
QVBoxLayout *AddButtonColumn(QBoxLayout *row, int width);
QPushButton *AddButton(QVBoxLayout *column, const char *caption, const char *name);

// "caption" in `column` (0 unless the grid has several pairs a row) of `row`, `field`
// beside it.
QLabel *AddLabelled(QGridLayout *grid, int row, const char *caption, QWidget *field, int column = 0);
// A sunken static text, an edit or a drop-down list named `name`, labelled `caption`.
QLabel *AddStaticField(QGridLayout *grid, int row, const char *caption, const char *name);
QLineEdit *AddEditField(QGridLayout *grid, int row, const char *caption, const char *name);
QComboBox *AddComboField(QGridLayout *grid, int row, const char *caption, const char *name);

// The window's layout: a row whose left part the window fills and whose right end takes
// the button column. With a status bar, the bar runs below the row.
QHBoxLayout *MakeWindowRow(QWidget *window);
QHBoxLayout *MakeWindowRow(QWidget *window, KvStatusBar *&statusBar);
// The row count ("ST_Count") over the label "Samples", at the top of a button column.
QLabel *AddSampleCount(QVBoxLayout *column);

// A read-only memo `height` pixels high named "Memo1".
QPlainTextEdit *MakeStatusMemo(QWidget *parent, int height);
// A status bar with the one panel the windows report into, at the bottom of `layout`.
KvStatusBar *AddOnePanelStatusBar(QBoxLayout *layout, QWidget *parent);
// A grid-lined list view in report style.
QTreeWidget *MakeGridListView(QWidget *parent, const char *name);

// The frame of a window: its controls on the left, a column of command buttons on the
// right, and (where the window has one) a status bar with one panel across the bottom.
struct FeatureFrame {
  QVBoxLayout *Content = nullptr;  // the left part, top to bottom
  QVBoxLayout *Buttons = nullptr;  // the right column; the buttons stay at its top
  KvStatusBar *StatusBar = nullptr;

  // A button of `size` at the end of the column; Enter does not press it.
  QPushButton *AddButton(QWidget *form, const char *caption, QSize size);
};

// Lays `form` out as the frame and gives it its designed size.
FeatureFrame MakeFeatureFrame(QWidget *form, QSize size, bool withStatusBar);

// Whether `event`, seen by an event filter on `list`'s viewport, is a left click in the
// list; a click beside the rows clears the selection first. The row itself was selected
// (and shown by the binding) on press.
bool IsListClick(QTreeWidget *list, QObject *watched, QEvent *event);

// Shows the window modally and frees it once it has closed. `Window` derives from
// TBaseForm.
template <class Window, class... Args>
int ShowFeatureWindow(Args &&...args) {
  auto *window = new Window(std::forward<Args>(args)...);
  const int result = window->ShowModal();
  window->DeleteWhenIdle();
  return result;
}
