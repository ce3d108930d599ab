#include "platform/menu_design.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>

namespace pellavan::platform {

DesignedMenus::DesignedMenus(QMenuBar* bar, std::span<const MenuItemDesign> items) {
  for (const MenuItemDesign& item : items) {
    const QString caption = QString::fromUtf8(item.caption);
    if (item.menu == nullptr) {
      QMenu* menu = bar->addMenu(caption);
      menu->setObjectName(QString::fromUtf8(item.name));
      menus_[item.name] = menu;
      actions_[item.name] = menu->menuAction();
      continue;
    }
    QMenu* parent = this->menu(item.menu);
    QAction* action =
        caption == QLatin1String("-") ? parent->addSeparator() : parent->addAction(caption);
    action->setObjectName(QString::fromUtf8(item.name));
    if (*item.shortcut != '\0') action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
    actions_[item.name] = action;
  }
}

QAction* DesignedMenus::action(std::string_view name) const {
  const auto it = actions_.find(std::string(name));
  if (it == actions_.end()) throw std::out_of_range("no menu entry " + std::string(name));
  return it->second;
}

QMenu* DesignedMenus::menu(std::string_view name) const {
  const auto it = menus_.find(std::string(name));
  if (it == menus_.end()) throw std::out_of_range("no menu " + std::string(name));
  return it->second;
}

}  // namespace pellavan::platform
