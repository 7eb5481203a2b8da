#pragma once
// The generic window of a menu entry: a TConfigForm built from the entry's definition
// table (or pages), with the entry's item type, key count, row statuses and extras,
// shown modally and destroyed once it closed.

#include "window_entry.h"

#include <string>

class QWidget;
class TSNMPListViewPanel;

void OpenGenericWindow(const KvMenuEntry &entry, QWidget *owner, const std::string &caption);

// The same window set up but not shown; the caller shows it and deletes it
// (DeleteWhenIdle). Raises what the set-up raises, leaving no window behind.
class TConfigForm;
TConfigForm *BuildGenericWindow(const KvMenuEntry &entry, QWidget *owner, const std::string &caption);

// Seconds between the reads of a live counter view when it opens.
inline constexpr int kLiveCounterSeconds = 5;

// The community table's Add hooks: the name and security name rows are required, the
// other rows start empty and the storage type non-volatile.
void CommunityBeforeAdd(TSNMPListViewPanel &panel);
void CommunityAfterAdd(TSNMPListViewPanel &panel);
