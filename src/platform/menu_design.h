#pragma once
// A window's menu bar declared as a table, like its controls:
//   {.name = "mnuFile", .caption = "&File"},                       a menu of the bar
//   {.menu = "mnuFile", .name = "mnuNew", .caption = "&New", .shortcut = "Ctrl+N"},
//   {.menu = "mnuFile", .name = "mnuSep1", .caption = "-"},        a separator

#include <QString>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

class QAction;
class QMenu;
class QMenuBar;

namespace pellavan::platform {

struct MenuItemDesign {
  const char* menu = nullptr;  // the bar's menu it belongs to; nullptr for a menu of the bar
  const char* name = "";
  const char* caption = "";
  const char* shortcut = "";  // QKeySequence text: "Ctrl+N", "F2"
};

class DesignedMenus {
 public:
  DesignedMenus(QMenuBar* bar, std::span<const MenuItemDesign> items);

  // Throw std::out_of_range for a name the table lacks.
  [[nodiscard]] QAction* action(std::string_view name) const;
  [[nodiscard]] QMenu* menu(std::string_view name) const;

 private:
  std::unordered_map<std::string, QAction*> actions_;
  std::unordered_map<std::string, QMenu*> menus_;
};

}  // namespace pellavan::platform
