#include "app/main_window_design.h"

namespace pellavan::app {
namespace {

using platform::MenuItemDesign;

constexpr MenuItemDesign kMenus[] = {
    {.name = "mnuFile", .caption = "&File"},
    {.menu = "mnuFile", .name = "mnuNew", .caption = "&New", .shortcut = "Ctrl+N"},
    {.menu = "mnuFile", .name = "mnuOpen", .caption = "&Open", .shortcut = "Ctrl+O"},
    {.menu = "mnuFile", .name = "mnuSave", .caption = "&Save", .shortcut = "Ctrl+S"},
    {.menu = "mnuFile", .name = "mnuSaveAs", .caption = "Save &As", .shortcut = "Ctrl+A"},
    {.menu = "mnuFile", .name = "mnuFileSep1", .caption = "-"},
    {.menu = "mnuFile",
     .name = "mnuSaveDefault",
     .caption = "Save As &Default",
     .shortcut = "Ctrl+D"},
    {.menu = "mnuFile", .name = "mnuFileSep2", .caption = "-"},
    {.menu = "mnuFile", .name = "mnuExit", .caption = "E&xit", .shortcut = "Ctrl+X"},
    {.name = "mnuOptions", .caption = "&Menu Options"},
    {.menu = "mnuOptions", .name = "mnuProject", .caption = "&Project Data", .shortcut = "Ctrl+P"},
    {.menu = "mnuOptions", .name = "mnuUtility", .caption = "&Utility Rates", .shortcut = "Ctrl+U"},
    {.menu = "mnuOptions", .name = "mnuGeoT", .caption = "Pellavan &T", .shortcut = "Ctrl+T"},
    {.menu = "mnuOptions", .name = "mnuGeoA", .caption = "&Pellavan A", .shortcut = "Ctrl+G"},
    {.menu = "mnuOptions", .name = "mnuGeoB", .caption = "Pellavan &B", .shortcut = "Ctrl+B"},
    {.menu = "mnuOptions", .name = "mnuElectric", .caption = "&Heat Pump", .shortcut = "Ctrl+H"},
    {.menu = "mnuOptions",
     .name = "mnuFossil",
     .caption = "&Furnace / Boiler",
     .shortcut = "Ctrl+F"},
    {.menu = "mnuOptions", .name = "mnuReports", .caption = "&Reports", .shortcut = "Ctrl+R"},
    {.name = "mnuHelpMenu", .caption = "&Help"},
    {.menu = "mnuHelpMenu", .name = "mnuContents", .caption = "&Contents", .shortcut = "F2"},
    {.menu = "mnuHelpMenu", .name = "mnuHelpSep", .caption = "-"},
    {.menu = "mnuHelpMenu", .name = "mnuAbout", .caption = "Abou&t Pellavan", .shortcut = "Ctrl+Z"},
    {.name = "mnuSetup", .caption = "&Setup"},
    {.menu = "mnuSetup",
     .name = "mnuDealer",
     .caption = "Dealer &Information/Setup",
     .shortcut = "Ctrl+I"},
    {.menu = "mnuSetup",
     .name = "mnuCheckUpdates",
     .caption = "&Check for Updates",
     .shortcut = "Ctrl+C"},
    {.menu = "mnuSetup", .name = "mnuSetupSep", .caption = "-"},
    {.menu = "mnuSetup", .name = "mnuRestore", .caption = "Restore Original Defaults"},
};

}  // namespace

std::span<const MenuItemDesign> main_window_menus() { return kMenus; }

}  // namespace pellavan::app
