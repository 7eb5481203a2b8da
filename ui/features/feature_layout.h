#pragma once
// The pieces the small feature windows are built from: a button column on the right, a
// grid of labelled fields, a one-panel status bar, a memo of a fixed height; and the
// one way a menu entry shows such a window: modal, and freed once it has closed.

#include <QString>

#include <memory>
#include <utility>

class KvStatusBar;
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

// "caption" in column 0 of `row`, `field` beside it.
QLabel *AddLabelled(QGridLayout *grid, int row, const char *caption, QWidget *field);
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

// Shows the window modally and frees it once it has closed. `Window` derives from
// TBaseForm.
template <class Window, class... Args>
int ShowFeatureWindow(Args &&...args) {
  auto *window = new Window(std::forward<Args>(args)...);
  const int result = window->ShowModal();
  window->DeleteWhenIdle();
  return result;
}
