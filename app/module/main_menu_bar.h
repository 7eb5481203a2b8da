#pragma once
// Builds the main window's menu bar from the menu tree: one QMenu per item that has
// items below it, one QAction per item, each named after its item, captions exactly as
// in the tree, visibility as the tree gives it (items shown at start-up stay hidden).

#include "main_menu.h"

#include <vector>

class QAction;
class QMenuBar;

// The actions in tree order, separators included; a parent's action is its menu's
// menuAction(). Every action's objectName is the item name (separators have none).
std::vector<QAction *> BuildMainMenuBar(QMenuBar *bar, std::span<const KvMenuItemDef> tree);
