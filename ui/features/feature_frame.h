#pragma once
// The frame that the feature windows share: their controls on the left, a column of
// command buttons on the right, and (where the window has one) a status bar with one
// panel across the bottom.

#include <QSize>

class KvStatusBar;
class QEvent;
class QObject;
class QTreeWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

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
