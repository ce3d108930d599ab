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
#define PELLAVAN_BOX(box_name, text, left, top, tab)                                                     \
  ControlDesign {                                                                                        \
    .name = box_name, .kind = ControlKind::CheckBox, .caption = text, .rect = {left, top, 2400, 300},    \
    .container = "Frame2", .tab_index = (tab), .back = kPanelColour                                      \
  }

inline constexpr ControlDesign kControls[] = {
    {.name = "F1Book1", .kind = ControlKind::Custom, .rect = {0, 0, 22700, 13225}},
    {.name = "Frame1", .kind = ControlKind::Frame, .rect = {0, 13200, 22800, 600}},
    {.name = "Label1", .kind = ControlKind::Label, .caption = "Report", .rect = {120, 230, 700, 255},
     .container = "Frame1"},
    {.name = "HScrollViewer", .kind = ControlKind::ScrollBar, .rect = {850, 200, 2400, 285}, .container = "Frame1",
     .tab_index = 0, .scroll = {1, kReportCount, kProjectReport}},
    {.name = "lblReport", .kind = ControlKind::Label, .caption = "Project Report", .rect = {3400, 230, 4200, 255},
     .container = "Frame1", .font = {.bold = true}},
    {.name = "Command1", .kind = ControlKind::Button, .caption = "&Print Screen", .rect = {7700, 120, 1500, 420},
     .container = "Frame1", .help_topic = 940, .tab_index = 1},
    {.name = "Command11", .kind = ControlKind::Button, .caption = "Print &Options", .rect = {9300, 120, 1500, 420},
     .container = "Frame1", .help_topic = 2870, .tab_index = 2},
    {.name = "cmdHelp", .kind = ControlKind::Button, .caption = "Help", .rect = {10900, 120, 1100, 420},
     .container = "Frame1", .help_topic = 770, .tab_index = 3},
    {.name = "Label3", .kind = ControlKind::Label, .caption = "Zoom", .rect = {12400, 230, 650, 255},
     .container = "Frame1"},
    {.name = "HscrZoom", .kind = ControlKind::ScrollBar, .rect = {13100, 200, 4000, 285}, .container = "Frame1",
     .help_topic = 960, .tab_index = 4, .scroll = {25, 200, 100}},
    {.name = "lblZoom", .kind = ControlKind::Label, .caption = "100%", .rect = {17250, 230, 900, 255},
     .container = "Frame1", .font = {.bold = true}, .fore = rgb(255, 0, 0)},
    {.name = "CommandZoomAll", .kind = ControlKind::Button, .caption = "Lock Zoom", .rect = {18300, 120, 1500, 420},
     .container = "Frame1", .help_topic = 950, .tab_index = 5},
    {.name = "Command2", .kind = ControlKind::Button, .caption = "Done", .rect = {21100, 120, 1500, 420},
     .container = "Frame1", .help_topic = 970, .tab_index = 6},

    // The options panel, centred on the window when shown.
    {.name = "Frame2", .kind = ControlKind::Frame, .caption = "Report Options", .rect = {7200, 4600, 8400, 4600},
     .help_topic = 2870, .back = kPanelColour, .views = kNoView},
    PELLAVAN_BOX("ckTitle", "Title Page", 300, 500, 7),
    PELLAVAN_BOX("ckProject", "Project Summary", 300, 900, 8),
    PELLAVAN_BOX("ckCompGraph", "Comparison Graph", 300, 1300, 9),
    PELLAVAN_BOX("ckSummary", "Summary Report", 3000, 500, 10),
    PELLAVAN_BOX("ckBin", "Bin Report", 3000, 900, 11),
    PELLAVAN_BOX("ckBinGraph", "Bin Graph", 3000, 1300, 12),
    PELLAVAN_BOX("ckGeoA", "Pellavan A", 5700, 500, 13),
    PELLAVAN_BOX("ckGeoB", "Pellavan B", 5700, 900, 14),
    PELLAVAN_BOX("ckGeoT", "Pellavan T", 5700, 1300, 15),
    PELLAVAN_BOX("ckHeatPump", "Heat Pump ", 5700, 1700, 16),
    PELLAVAN_BOX("ckFurnace", "Furnace/Boiler ", 5700, 2100, 17),
    // The colour choice comes from the project; nothing shows its group.
    {.name = "Frame3", .kind = ControlKind::Frame, .caption = "Print Options", .rect = {300, 1900, 4000, 1100},
     .container = "Frame2", .views = kNoView},
    {.name = "optColor", .kind = ControlKind::OptionButton, .caption = "Print in Color/Grayscale",
     .rect = {200, 300, 3600, 285}, .container = "Frame3", .tab_index = 18},
    {.name = "optBlackWhite", .kind = ControlKind::OptionButton, .caption = "Print in Black/White",
     .rect = {200, 650, 3600, 285}, .container = "Frame3", .tab_index = 19},
    {.name = "lblDisplayReport", .kind = ControlKind::Label, .rect = {300, 3200, 7800, 300}, .container = "Frame2",
     .font = {.bold = true}, .back = kPanelColour, .views = kNoView},
    {.name = "Command13", .kind = ControlKind::Button, .caption = "&Done", .rect = {5100, 3800, 1400, 450},
     .container = "Frame2", .tab_index = 20},
    {.name = "Command12", .kind = ControlKind::Button, .caption = "&Print Reports", .rect = {6650, 3800, 1500, 450},
     .container = "Frame2", .tab_index = 21},
};

#undef PELLAVAN_BOX

// Maximised when loaded; the design's size until then.
inline constexpr platform::WindowPreset kReportsPreset{22800 + 180, 13800 + 700, platform::kNormalLayoutFace};

inline constexpr platform::WindowDesign kDesign{.name = "Form5",
                                                .caption = "Reports",
                                                .client_width = 22800,
                                                .client_height = 13800,
                                                .help_topic = 770,
                                                .controls = kControls,
                                                .sizes = {kReportsPreset, kReportsPreset},
                                                .enter_as_tab = false};

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
    {kControls, "ckTitle"}, {kControls, "ckProject"}, {kControls, "ckCompGraph"}, {kControls, "ckSummary"},
    {kControls, "ckBin"}, {kControls, "ckBinGraph"}, {kControls, "ckGeoT"}, {kControls, "ckGeoA"},
    {kControls, "ckGeoB"}, {kControls, "ckHeatPump"}, {kControls, "ckFurnace"},
}};

}  // namespace pellavan::reports::reports_window
