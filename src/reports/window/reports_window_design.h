#pragma once
// The design of the reports window Form5: the workbook's control above the bottom bar, the
// bottom bar with the report scroller and the zoom bar, the "Report Options" panel (hidden
// until "Print &Options") and the "&Reports Menu" with the 18 reports in menu order.

#include <array>

#include "platform/control_handle.h"
#include "platform/layout_fonts.h"
#include "platform/menu_design.h"
#include "platform/window_design.h"
#include "reports/print_options.h"
#include "reports/report_table.h"

namespace pellavan::reports::reports_window {

using platform::ControlDesign;
using platform::ControlKind;
using platform::kNoView;
using platform::rgb;

inline constexpr QRgb kPanelColour = rgb(166, 202, 240);

// A box of the options panel.
[[nodiscard]] constexpr ControlDesign option_box(const char* name, const char* text, int left,
                                                 int top, int tab) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::CheckBox,
                       .caption = text,
                       .rect = {left, top, 2150, 280},
                       .container = "Frame2",
                       .tab_index = tab,
                       .back = kPanelColour};
}

inline constexpr ControlDesign kControls[] = {
    {.name = "F1Book1", .kind = ControlKind::Custom, .rect = {0, 0, 19100, 11125}},
    {.name = "Frame1", .kind = ControlKind::Frame, .rect = {0, 11100, 19200, 600}},
    {.name = "Label1",
     .kind = ControlKind::Label,
     .caption = "Report",
     .rect = {100, 240, 590, 240},
     .container = "Frame1"},
    {.name = "HScrollViewer",
     .kind = ControlKind::ScrollBar,
     .rect = {715, 220, 2020, 240},
     .container = "Frame1",
     .tab_index = 0,
     .scroll = {1, kReportCount, kProjectReport}},
    {.name = "lblReport",
     .kind = ControlKind::Label,
     .caption = "Project Report",
     .rect = {2865, 240, 3535, 240},
     .container = "Frame1",
     .font = {.bold = true}},
    {.name = "Command1",
     .kind = ControlKind::Button,
     .caption = "&Print Screen",
     .rect = {6485, 150, 1265, 380},
     .container = "Frame1",
     .help_topic = 940,
     .tab_index = 1},
    {.name = "Command11",
     .kind = ControlKind::Button,
     .caption = "Print &Options",
     .rect = {7830, 150, 1265, 380},
     .container = "Frame1",
     .help_topic = 2870,
     .tab_index = 2},
    {.name = "cmdHelp",
     .kind = ControlKind::Button,
     .caption = "Help",
     .rect = {9180, 150, 925, 380},
     .container = "Frame1",
     .help_topic = 770,
     .tab_index = 3},
    {.name = "Label3",
     .kind = ControlKind::Label,
     .caption = "Zoom",
     .rect = {10440, 240, 545, 240},
     .container = "Frame1"},
    {.name = "HscrZoom",
     .kind = ControlKind::ScrollBar,
     .rect = {11030, 220, 3370, 240},
     .container = "Frame1",
     .help_topic = 960,
     .tab_index = 4,
     .scroll = {25, 200, 100}},
    {.name = "lblZoom",
     .kind = ControlKind::Label,
     .caption = "100%",
     .rect = {14525, 240, 760, 240},
     .container = "Frame1",
     .font = {.bold = true},
     .fore = rgb(255, 0, 0)},
    {.name = "CommandZoomAll",
     .kind = ControlKind::Button,
     .caption = "Lock Zoom",
     .rect = {15410, 150, 1265, 380},
     .container = "Frame1",
     .help_topic = 950,
     .tab_index = 5},
    {.name = "Command2",
     .kind = ControlKind::Button,
     .caption = "Done",
     .rect = {17770, 150, 1265, 380},
     .container = "Frame1",
     .help_topic = 970,
     .tab_index = 6},

    // The options panel, centred on the window when shown.
    {.name = "Frame2",
     .kind = ControlKind::Frame,
     .caption = "Report Options",
     .rect = {6065, 4400, 7075, 2900},
     .help_topic = 2870,
     .back = kPanelColour,
     .views = kNoView},
    option_box("ckTitle", "Title Page", 255, 420, 7),
    option_box("ckProject", "Project Summary", 255, 760, 8),
    option_box("ckCompGraph", "Comparison Graph", 255, 1095, 9),
    option_box("ckSummary", "Summary Report", 2525, 420, 10),
    option_box("ckBin", "Bin Report", 2525, 760, 11),
    option_box("ckBinGraph", "Bin Graph", 2525, 1095, 12),
    option_box("ckGeoA", "Pellavan A", 4800, 420, 13),
    option_box("ckGeoB", "Pellavan B", 4800, 760, 14),
    option_box("ckGeoT", "Pellavan T", 4800, 1095, 15),
    option_box("ckHeatPump", "Heat Pump ", 4800, 1430, 16),
    option_box("ckFurnace", "Furnace/Boiler ", 4800, 1770, 17),
    // The colour choice comes from the project; nothing shows its group.
    {.name = "Frame3",
     .kind = ControlKind::Frame,
     .caption = "Print Options",
     .rect = {255, 1600, 3370, 925},
     .container = "Frame2",
     .views = kNoView},
    {.name = "optColor",
     .kind = ControlKind::OptionButton,
     .caption = "Print in Color/Grayscale",
     .rect = {170, 255, 3030, 240},
     .container = "Frame3",
     .tab_index = 18},
    {.name = "optBlackWhite",
     .kind = ControlKind::OptionButton,
     .caption = "Print in Black/White",
     .rect = {170, 545, 3030, 240},
     .container = "Frame3",
     .tab_index = 19},
    {.name = "lblDisplayReport",
     .kind = ControlKind::Label,
     .rect = {255, 2000, 6570, 255},
     .container = "Frame2",
     .font = {.bold = true},
     .back = kPanelColour,
     .views = kNoView},
    {.name = "Command13",
     .kind = ControlKind::Button,
     .caption = "&Done",
     .rect = {4295, 2350, 1180, 380},
     .container = "Frame2",
     .tab_index = 20},
    {.name = "Command12",
     .kind = ControlKind::Button,
     .caption = "&Print Reports",
     .rect = {5600, 2350, 1265, 380},
     .container = "Frame2",
     .tab_index = 21},
};

// Maximised when loaded; the design's size until then.
inline constexpr platform::WindowPreset kReportsPreset{19200 + 180, 11700 + 700,
                                                       platform::kNormalLayoutFace};

inline constexpr platform::WindowDesign kDesign{.name = "Form5",
                                                .caption = "Reports",
                                                .client_width = 19200,
                                                .client_height = 11700,
                                                .help_topic = 770,
                                                .controls = kControls,
                                                .sizes = {kReportsPreset, kReportsPreset},
                                                .enter_as_tab = false,
                                                .scales = false};

// The menu bar: "&Reports Menu" with one entry per report, in menu order; its help topic.
inline constexpr int kMenuHelp = 810;
inline constexpr std::array<platform::MenuItemDesign, kReportCount + 1> kMenu = [] {
  std::array<platform::MenuItemDesign, kReportCount + 1> items{};
  items[0] = {.menu = nullptr, .name = "mnuReports", .caption = "&Reports Menu"};
  for (std::size_t i = 0; i < kMenuOrder.size(); ++i) {
    const Report& r = kReports[static_cast<std::size_t>(kMenuOrder[i] - 1)];
    items[i + 1] = {.menu = "mnuReports", .name = r.menu.data(), .caption = r.menu_caption.data()};
  }
  return items;
}();

using platform::ButtonHandle;
using platform::CheckBoxHandle;
using platform::LabelHandle;
using platform::OptionHandle;
using platform::ScrollBarHandle;

inline constexpr platform::CustomHandle F1Book1{kControls, "F1Book1"};
inline constexpr platform::FrameHandle Frame1{kControls, "Frame1"};
inline constexpr platform::FrameHandle Frame2{kControls, "Frame2"};
inline constexpr ScrollBarHandle HScrollViewer{kControls, "HScrollViewer"};
inline constexpr ScrollBarHandle HscrZoom{kControls, "HscrZoom"};
inline constexpr LabelHandle lblReport{kControls, "lblReport"};
inline constexpr LabelHandle lblZoom{kControls, "lblZoom"};
inline constexpr LabelHandle lblDisplayReport{kControls, "lblDisplayReport"};
inline constexpr ButtonHandle Command1{kControls, "Command1"};
inline constexpr ButtonHandle Command11{kControls, "Command11"};
inline constexpr ButtonHandle cmdHelp{kControls, "cmdHelp"};
inline constexpr ButtonHandle CommandZoomAll{kControls, "CommandZoomAll"};
inline constexpr ButtonHandle Command2{kControls, "Command2"};
inline constexpr ButtonHandle Command13{kControls, "Command13"};
inline constexpr ButtonHandle Command12{kControls, "Command12"};
inline constexpr OptionHandle optColor{kControls, "optColor"};
inline constexpr OptionHandle optBlackWhite{kControls, "optBlackWhite"};

// The panel's boxes in the order of the print options' boxes.
inline constexpr std::array<CheckBoxHandle, kPrintBoxCount> kBoxes{{
    {kControls, "ckTitle"},
    {kControls, "ckProject"},
    {kControls, "ckCompGraph"},
    {kControls, "ckSummary"},
    {kControls, "ckBin"},
    {kControls, "ckBinGraph"},
    {kControls, "ckGeoT"},
    {kControls, "ckGeoA"},
    {kControls, "ckGeoB"},
    {kControls, "ckHeatPump"},
    {kControls, "ckFurnace"},
}};

}  // namespace pellavan::reports::reports_window
