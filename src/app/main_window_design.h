#pragma once
// The design of the main window: its controls, its two views, its handles and its menu bar.

#include <array>
#include <cstddef>
#include <span>

#include "program_state/window_sizes.h"
#include "platform/control_handle.h"
#include "platform/design_table.h"
#include "platform/menu_design.h"
#include "platform/window_design.h"

namespace pellavan::app {

inline constexpr platform::ViewMask kStartView = 1;    // after the window's load
inline constexpr platform::ViewMask kProjectView = 2;  // once a project is created or opened

[[nodiscard]] std::span<const platform::MenuItemDesign> main_window_menus();

namespace main_window {

using platform::ControlDesign;
using platform::ControlKind;
using platform::DesignFont;
using platform::kNoView;
using platform::rgb;

inline constexpr platform::ViewMask kBothViews = kStartView | kProjectView;
inline constexpr DesignFont kTitle{.points = 7.8, .bold = true};
inline constexpr DesignFont kSizeButton{.points = 8.4, .face = "Tahoma"};
inline constexpr QRgb kWhite = rgb(255, 255, 255);
inline constexpr const char* kRowHelp = "Choose System to Active Menu Option";
inline constexpr const char* kFreezeHelp = "Freeze/Edit System Description";
inline constexpr const char* kDescriptionHelp = "Description of Selected Equipment";
inline constexpr const char* kGeoHelp = "Select Geothermal Equipment";

// The option buttons of a comparison row, in the order of the headers above them, and the
// frames that hold each row's.
inline constexpr std::array<const char*, 6> kOptionNames{"opGeoT", "opGeoA",   "opGeoB",
                                                         "opElec", "opFossil", "opNone"};
inline constexpr std::array<const char*, 3> kOptionFrames{"fraOptions1", "fraOptions2",
                                                          "fraOptions3"};

// Comparison row `n` (1 to 3) of the "System Types" frame: freeze box, description box, and a
// frame of six option buttons (the headers above name them).
[[nodiscard]] constexpr std::array<ControlDesign, 9> system_row(int n, int top, int check_left,
                                                                int tab) {
  std::array<ControlDesign, 9> row{ControlDesign{.name = "chkSave",
                                                 .index = n,
                                                 .kind = ControlKind::CheckBox,
                                                 .rect = {check_left, top + 38, 255, 255},
                                                 .container = "FrmSystems",
                                                 .help_line = kFreezeHelp,
                                                 .tab_index = tab},
                                   ControlDesign{.name = "txtSelect",
                                                 .index = n,
                                                 .kind = ControlKind::TextBox,
                                                 .rect = {435, top, 4095, 330},
                                                 .container = "FrmSystems",
                                                 .help_line = kDescriptionHelp,
                                                 .tab_index = tab + 1,
                                                 .fore = rgb(0, 0, 0),
                                                 .back = kWhite,
                                                 .max_length = 75,
                                                 .highlight = platform::Setting::On},
                                   ControlDesign{.name = "fraOptions",
                                                 .index = n,
                                                 .kind = ControlKind::Frame,
                                                 .rect = {4620, top - 135, 4290, 525},
                                                 .container = "FrmSystems",
                                                 .help_line = kRowHelp}};
  for (int i = 0; i < 6; ++i) {
    row[static_cast<std::size_t>(3 + i)] =
        ControlDesign{.name = kOptionNames[static_cast<std::size_t>(i)],
                      .index = n,
                      .kind = ControlKind::OptionButton,
                      .rect = {255 + 700 * i, 135, 270, 255},
                      .container = kOptionFrames[static_cast<std::size_t>(n - 1)],
                      .tab_index = tab + 2 + i};
  }
  return row;
}
// The header of option column `i`.
[[nodiscard]] constexpr ControlDesign system_header(const char* name, const char* text, int i) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::Label,
                       .caption = text,
                       .rect = {4653 + 700 * i, 330, 700, 255},
                       .container = "FrmSystems",
                       .centred = true};
}

inline constexpr auto kControls = platform::design_table(
    ControlDesign{.name = "Logo",
                  .kind = ControlKind::Picture,
                  .rect = {120, 120, 4335, 1140},
                  .views = kBothViews},
    ControlDesign{.name = "lblVersion",
                  .kind = ControlKind::Label,
                  .caption = "Version",
                  .rect = {3075, 1515, 975, 495},
                  .views = kBothViews},
    ControlDesign{.name = "SSCOMMAND2",
                  .kind = ControlKind::Button,
                  .caption = "Open Existing Project",
                  .rect = {300, 1680, 1995, 855},
                  .tab_index = 0,
                  .views = kStartView},
    ControlDesign{.name = "SSCOMMAND1",
                  .kind = ControlKind::Button,
                  .caption = "Create New Project",
                  .rect = {300, 2655, 1995, 855},
                  .tab_index = 1,
                  .views = kStartView},
    ControlDesign{.name = "SSCommand3",
                  .kind = ControlKind::Button,
                  .caption = "Check for Program Updates",
                  .rect = {300, 3660, 1995, 855},
                  .tab_index = 2,
                  .views = kStartView},
    ControlDesign{.name = "Label13",
                  .kind = ControlKind::Label,
                  .caption = "Program Window Size",
                  .rect = {2760, 2580, 1575, 435},
                  .font = kTitle,
                  .views = kBothViews,
                  .centred = true},
    ControlDesign{.name = "Command3",
                  .kind = ControlKind::Button,
                  .caption = "Small",
                  .rect = {2820, 3105, 660, 375},
                  .help_topic = 1720,
                  .tab_index = 40,
                  .font = kSizeButton,
                  .views = kBothViews},
    ControlDesign{.name = "Command2",
                  .kind = ControlKind::Button,
                  .caption = "Large",
                  .rect = {3555, 3105, 660, 375},
                  .help_topic = 1720,
                  .tab_index = 41,
                  .font = kSizeButton,
                  .views = kBothViews},

    ControlDesign{.name = "frmOptions",
                  .kind = ControlKind::Frame,
                  .caption = "Menu Options",
                  .rect = {150, 1335, 2310, 5580},
                  .font = kTitle,
                  .views = kProjectView},
    ControlDesign{.name = "btnProject",
                  .kind = ControlKind::Button,
                  .caption = "&Project Info",
                  .rect = {150, 360, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 460,
                  .help_line = "Enter The Project Information",
                  .tab_index = 3},
    ControlDesign{.name = "btnUtility",
                  .kind = ControlKind::Button,
                  .caption = "&Utility Rates",
                  .rect = {150, 870, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 1420,
                  .help_line = "Enter Utility Rate Information",
                  .tab_index = 4},
    ControlDesign{.name = "btnGeoT",
                  .kind = ControlKind::Button,
                  .caption = "Pellavan &T",
                  .rect = {150, 1380, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 1620,
                  .tab_index = 5},
    ControlDesign{.name = "btnGeo",
                  .kind = ControlKind::Button,
                  .caption = "&Pellavan A",
                  .rect = {150, 1905, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 1620,
                  .help_line = kGeoHelp,
                  .tab_index = 6},
    ControlDesign{.name = "btnGeoB",
                  .kind = ControlKind::Button,
                  .caption = "Pellavan &B",
                  .rect = {150, 2415, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 1620,
                  .help_line = kGeoHelp,
                  .tab_index = 7},
    ControlDesign{.name = "btnAir",
                  .kind = ControlKind::Button,
                  .caption = "&Heat Pump",
                  .rect = {150, 2925, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 1200,
                  .help_line = "Select Air Source Equipment",
                  .tab_index = 8},
    ControlDesign{.name = "btnFossil",
                  .kind = ControlKind::Button,
                  .caption = "Fur&nace / Boiler",
                  .rect = {150, 3435, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 1020,
                  .help_line = "Select Electric or Fossil Equipment",
                  .tab_index = 9},
    ControlDesign{.name = "btnReport",
                  .kind = ControlKind::Button,
                  .caption = "&Reports",
                  .rect = {150, 3945, 1995, 425},
                  .container = "frmOptions",
                  .help_topic = 770,
                  .help_line = "View or Print Reports",
                  .tab_index = 10},
    ControlDesign{.name = "btnHelp",
                  .kind = ControlKind::Button,
                  .caption = "He&lp",
                  .rect = {150, 4455, 1995, 425},
                  .container = "frmOptions",
                  .help_line = "View Help File",
                  .tab_index = 11},
    ControlDesign{.name = "btnExit",
                  .kind = ControlKind::Button,
                  .caption = "E&xit",
                  .rect = {300, 6300, 1995, 435},
                  .tab_index = 42,
                  .views = kBothViews},
    ControlDesign{
        .name = "cmdEcon", .kind = ControlKind::Button, .caption = "&Economics", .views = kNoView},

    ControlDesign{.name = "frmNotes",
                  .kind = ControlKind::Frame,
                  .rect = {4560, 15, 3495, 3435},
                  .font = kTitle,
                  .views = kProjectView},
    ControlDesign{.name = "Label12",
                  .kind = ControlKind::Label,
                  .caption = "Project Information",
                  .rect = {120, 285, 3255, 255},
                  .container = "frmNotes",
                  .font = kTitle},
    ControlDesign{.name = "CommandSetup",
                  .kind = ControlKind::Button,
                  .caption = "Setup Menu",
                  .rect = {1260, 550, 1095, 255},
                  .container = "frmNotes",
                  .tab_index = 36},
    ControlDesign{.name = "Label1",
                  .kind = ControlKind::Label,
                  .caption = "Prepared By",
                  .rect = {120, 900, 3255, 255},
                  .container = "frmNotes",
                  .font = kTitle},
    ControlDesign{.name = "picRegTo",
                  .kind = ControlKind::Picture,
                  .rect = {120, 1140, 3255, 2205},
                  .container = "frmNotes",
                  .help_line = "Dealer Name Can Be Changed Under Setup Menu",
                  .font = {.bold = true},
                  .fore = rgb(0, 0, 0),
                  .back = kWhite},

    ControlDesign{.name = "frmProject",
                  .kind = ControlKind::Frame,
                  .rect = {8130, 0, 3495, 3450},
                  .font = kTitle,
                  .views = kProjectView},
    ControlDesign{.name = "Label11",
                  .kind = ControlKind::Label,
                  .caption = "Prepared For",
                  .rect = {225, 285, 3045, 255},
                  .container = "frmProject",
                  .font = kTitle},
    ControlDesign{.name = "lblCusName",
                  .kind = ControlKind::Label,
                  .rect = {135, 630, 3255, 375},
                  .container = "frmProject",
                  .font = {.points = 9.75, .bold = true}},
    ControlDesign{.name = "Label8",
                  .kind = ControlKind::Label,
                  .caption = "Project Information",
                  .rect = {180, 1110, 3045, 255},
                  .container = "frmProject",
                  .font = kTitle},
    ControlDesign{.name = "picJobInfo",
                  .kind = ControlKind::Picture,
                  .rect = {135, 1440, 3255, 1905},
                  .container = "frmProject",
                  .help_line = "Summary from Project Information Window",
                  .font = {.bold = true},
                  .fore = rgb(0, 0, 0),
                  .back = rgb(192, 192, 192)},

    ControlDesign{.name = "FrmSystems",
                  .kind = ControlKind::Frame,
                  .caption = "System Types",
                  .rect = {2640, 3600, 9015, 3330},
                  .help_topic = 2860,
                  .font = kTitle,
                  .views = kProjectView},
    ControlDesign{.name = "lblEditHeader",
                  .kind = ControlKind::Label,
                  .caption = "Edit",
                  .rect = {90, 330, 450, 255},
                  .container = "FrmSystems"},
    ControlDesign{.name = "lblDescriptionHeader",
                  .kind = ControlKind::Label,
                  .caption = "System Descriptions",
                  .rect = {435, 330, 4095, 255},
                  .container = "FrmSystems",
                  .centred = true},
    system_header("lblGeoTHeader", "Geo T", 0), system_header("lblGeoAHeader", "Geo A", 1),
    system_header("lblGeoBHeader", "Geo B", 2), system_header("lblElecHeader", "H.P.", 3),
    system_header("lblFossilHeader", "Furnace", 4), system_header("lblNoneHeader", "None", 5),
    system_row(1, 690, 165, 12), system_row(2, 1515, 165, 20), system_row(3, 2430, 195, 28),
    ControlDesign{.name = "lblSystem",
                  .kind = ControlKind::Label,
                  .rect = {315, 2835, 6735, 255},
                  .container = "FrmSystems",
                  .font = {.bold = true, .italic = true}},

    ControlDesign{.name = "lblInfo",
                  .kind = ControlKind::Label,
                  .rect = {2640, 6960, 5865, 255},
                  .fore = rgb(0, 0, 255),
                  .views = kProjectView},
    ControlDesign{.name = "Label2",
                  .kind = ControlKind::Label,
                  .caption = "Creating Reports...Please Wait",
                  .rect = {2640, 6960, 5865, 255},
                  .font = {.bold = true},
                  .views = kNoView},
    ControlDesign{.name = "lblHelp",
                  .kind = ControlKind::Label,
                  .caption = "Press F1 For Help",
                  .rect = {8505, 6960, 2055, 255},
                  .help_line = "Press F1 in Entry Field for Specific Help",
                  .views = kProjectView},
    ControlDesign{.name = "lblTime",
                  .kind = ControlKind::Label,
                  .rect = {10545, 6960, 1095, 255},
                  .views = kProjectView});

inline constexpr platform::WindowDesign kDesign{.name = "Form1",
                                                .caption = "Pellavan",
                                                .client_width = 11772,
                                                .client_height = 7272,
                                                .help_topic = 20,
                                                .help_label = "lblInfo",
                                                .controls = kControls,
                                                .sizes = program_state::kMainWindowSizes};

using platform::ButtonHandle;
using platform::CheckBoxArray;
using platform::FrameHandle;
using platform::LabelHandle;
using platform::OptionArray;
using platform::PictureHandle;
using platform::TextBoxArray;

inline constexpr ButtonHandle SSCOMMAND1{kControls, "SSCOMMAND1"};
inline constexpr ButtonHandle SSCOMMAND2{kControls, "SSCOMMAND2"};
inline constexpr ButtonHandle SSCommand3{kControls, "SSCommand3"};
inline constexpr ButtonHandle Command2{kControls, "Command2"};
inline constexpr ButtonHandle Command3{kControls, "Command3"};
inline constexpr ButtonHandle btnProject{kControls, "btnProject"};
inline constexpr ButtonHandle btnUtility{kControls, "btnUtility"};
inline constexpr ButtonHandle btnGeoT{kControls, "btnGeoT"};
inline constexpr ButtonHandle btnGeo{kControls, "btnGeo"};
inline constexpr ButtonHandle btnGeoB{kControls, "btnGeoB"};
inline constexpr ButtonHandle btnAir{kControls, "btnAir"};
inline constexpr ButtonHandle btnFossil{kControls, "btnFossil"};
inline constexpr ButtonHandle btnReport{kControls, "btnReport"};
inline constexpr ButtonHandle btnHelp{kControls, "btnHelp"};
inline constexpr ButtonHandle btnExit{kControls, "btnExit"};
inline constexpr ButtonHandle cmdEcon{kControls, "cmdEcon"};
inline constexpr ButtonHandle CommandSetup{kControls, "CommandSetup"};
inline constexpr FrameHandle frmOptions{kControls, "frmOptions"};
inline constexpr FrameHandle frmNotes{kControls, "frmNotes"};
inline constexpr FrameHandle FrmSystems{kControls, "FrmSystems"};
inline constexpr PictureHandle Logo{kControls, "Logo"};
inline constexpr PictureHandle picRegTo{kControls, "picRegTo"};
inline constexpr PictureHandle picJobInfo{kControls, "picJobInfo"};
inline constexpr LabelHandle lblVersion{kControls, "lblVersion"};
inline constexpr LabelHandle lblCusName{kControls, "lblCusName"};
inline constexpr LabelHandle lblSystem{kControls, "lblSystem"};
inline constexpr LabelHandle Label2{kControls, "Label2"};
inline constexpr LabelHandle lblTime{kControls, "lblTime"};

// The comparison rows 1..3.
inline constexpr CheckBoxArray<3> chkSave{kControls, "chkSave"};
inline constexpr TextBoxArray<3> txtSelect{kControls, "txtSelect"};
inline constexpr OptionArray<3> opGeoT{kControls, "opGeoT"};
inline constexpr OptionArray<3> opGeoA{kControls, "opGeoA"};
inline constexpr OptionArray<3> opGeoB{kControls, "opGeoB"};
inline constexpr OptionArray<3> opElec{kControls, "opElec"};
inline constexpr OptionArray<3> opFossil{kControls, "opFossil"};
inline constexpr OptionArray<3> opNone{kControls, "opNone"};

}  // namespace main_window
}  // namespace pellavan::app
