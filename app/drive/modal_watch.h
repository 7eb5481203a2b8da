#pragma once
// Runs a menu action whose handler shows a modal window, and does something with that
// window once it has settled: the window is on screen, its bindings are idle and, for a
// window that reports, its first status line is there (in a memo or a status bar). Used to drive the program without a
// person (screenshots, tests); `settled` usually closes the window.

#include <QString>

#include <functional>

class QAction;
class QWidget;

// True when `settled` ran before `timeoutMs` passed; the window is closed (rejected) on
// a time-out. Returns once the action's handler has returned.
bool TriggerAndWatchModal(QAction *action, const std::function<void(QWidget *window)> &settled,
                          int timeoutMs = 20000);

// The window is on screen, its bindings are idle and, for a window with bindings, a
// status line is there.
bool WindowSettled(QWidget *window);

// For a window shown without a modal loop of its own: lets events run in ticks of 50 ms
// until `window` has been settled for `quietTicks` ticks in a row; false after `timeoutMs`.
bool WaitUntilSettled(QWidget *window, int quietTicks = 4, int timeoutMs = 20000);

// The text of every message memo of a window, in creation order, joined by line feeds.
QString MemoTexts(QWidget *window);
