#pragma once
// The window's ordinary next-control navigation, as the Tab key does it, asked for by
// code (an edit that is full, a separator typed into an address part).

class QWidget;

// Gives the focus to the next control after `from` in its window's tab order that can
// take it; false when there is none.
bool FocusNextControl(QWidget *from);
