#include "main_menu_bar.h"

#include "kv_controls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// A '&' in a caption is shown, not taken as a mnemonic.
QString MenuText(const char *caption) { return ToQt(caption).replace(QLatin1Char('&'), QLatin1String("&&")); }

bool HasChildren(std::span<const KvMenuItemDef> tree, size_t i) {
  return i + 1 < tree.size() && tree[i + 1].Depth > tree[i].Depth;
}
}  // namespace

std::vector<QAction *> BuildMainMenuBar(QMenuBar *bar, std::span<const KvMenuItemDef> tree) {
  std::vector<QAction *> actions;
  actions.reserve(tree.size());
  std::vector<QMenu *> open;  // open[d]: the menu that holds the items of depth d + 1
  for (size_t i = 0; i < tree.size(); ++i) {
    const KvMenuItemDef &item = tree[i];
    open.resize(static_cast<size_t>(item.Depth));
    QWidget *container = open.empty() ? static_cast<QWidget *>(bar) : open.back();
    QAction *action = nullptr;
    if (item.IsSeparator()) {
      action = new QAction(container);
      action->setSeparator(true);
    } else if (HasChildren(tree, i)) {
      auto *menu = new QMenu(MenuText(item.Caption), container);
      menu->setObjectName(QString::fromLatin1(item.Name));
      action = menu->menuAction();
      open.push_back(menu);
    } else {
      action = new QAction(MenuText(item.Caption), container);
    }
    if (!item.IsSeparator()) action->setObjectName(QString::fromLatin1(item.Name));
    action->setVisible(item.Visibility == KvMenuVisibility::Shown);
    container->addAction(action);
    actions.push_back(action);
  }
  return actions;
}
