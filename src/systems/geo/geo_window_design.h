#pragma once
// The designs of the Geo A and Geo B windows: the controls both have (inputs on the left, the
// picture panel and the result view on the right, the buttons and the help line below), Geo A's
// hydronic controls, and the handles the shared window code reaches them by.

#include "program_state/window_sizes.h"
#include "model/input/unit_binding.h"
#include "platform/control_handle.h"
#include "platform/window_design.h"
#include "systems/geo/geo_blocks.h"
#include "systems/geo/geo_checks.h"

namespace pellavan::geo {

using platform::ControlDesign;
using platform::ControlKind;
using platform::kNoView;
using platform::rgb;

inline constexpr platform::DesignFont kBold{.points = 9.75, .bold = true};
inline constexpr platform::DesignFont kPictureName{.points = 12, .bold = true};
inline constexpr QRgb kHelpGrey = rgb(0xC0, 0xC0, 0xC0);
inline constexpr QRgb kHelpBlue = rgb(0, 0, 0xFF);
inline constexpr const char* kAddHelp = "Add Help Here";

#define PELLAVAN_GEO_LABEL(n, text, l, t, w)                                         \
  ControlDesign {                                                                    \
    .name = n, .kind = ControlKind::Label, .caption = text, .rect = { l, t, w, 285 } \
  }
#define PELLAVAN_GEO_LIST(n, l, t, w, tab)                                                   \
  ControlDesign {                                                                            \
    .name = n, .kind = ControlKind::ComboBox, .rect = {l, t, w, 315}, .help_line = kAddHelp, \
    .help_when = platform::HelpWhen::Focus, .tab_index = tab                                 \
  }
#define PELLAVAN_GEO_BOX(n, l, t, w, tab, len)                                              \
  ControlDesign {                                                                           \
    .name = n, .kind = ControlKind::TextBox, .rect = {l, t, w, 315}, .help_line = kAddHelp, \
    .tab_index = tab, .max_length = len                                                     \
  }
#define PELLAVAN_GEO_OPTION(n, text, frame, l, t, tab)                                        \
  ControlDesign {                                                                             \
    .name = n, .kind = ControlKind::OptionButton, .caption = text, .rect = {l, t, 2300, 285}, \
    .container = frame, .help_line = kAddHelp, .help_when = platform::HelpWhen::Focus,        \
    .tab_index = tab                                                                          \
  }
#define PELLAVAN_GEO_HIDDEN_LIST(n) \
  ControlDesign { .name = n, .kind = ControlKind::ComboBox, .views = kNoView }

// Every control of the geothermal windows but Geo A's hydronic ones, with what differs between
// the windows: the unit list's and Bin button's help lines, the tab positions of the options and
// loop inputs, and whether the loop list is highlighted.
#define PELLAVAN_GEO_COMMON_CONTROLS(unit_help, bin_help, dy, dn, yes, no, autosize, bore, low, \
                                     high, loop_highlight, view_help, view_when)                \
  ControlDesign{.name = "lblSystem",                                                            \
                .kind = ControlKind::Label,                                                     \
                .rect = {120, 60, 5000, 300},                                                   \
                .font = kBold},                                                                 \
      PELLAVAN_GEO_LABEL("Label26", "Geothermal Equipment", 120, 400, 4000),                    \
      ControlDesign{.name = "comboUnit",                                                        \
                    .kind = ControlKind::ComboBox,                                              \
                    .rect = {120, 650, 4400, 315},                                              \
                    .help_line = unit_help,                                                     \
                    .help_when = platform::HelpWhen::Focus,                                     \
                    .tab_index = 0},                                                            \
      PELLAVAN_GEO_LABEL("lblTons", "Tons", 4650, 400, 800),                                    \
      PELLAVAN_GEO_BOX("txtUqty", 4650, 650, 800, 1, 4),                                        \
      ControlDesign{.name = "Frame2",                                                           \
                    .kind = ControlKind::Frame,                                                 \
                    .caption = "Hot Water Generator",                                           \
                    .rect = {5600, 350, 1650, 950}},                                            \
      PELLAVAN_GEO_OPTION("optDy", "Yes", "Frame2", 150, 280, dy),                              \
      PELLAVAN_GEO_OPTION("optDn", "No", "Frame2", 150, 580, dn),                               \
      ControlDesign{.name = "frmHybrid",                                                        \
                    .kind = ControlKind::Frame,                                                 \
                    .caption = "Loop/Well Hybrid",                                              \
                    .rect = {5600, 1400, 1650, 950}},                                           \
      PELLAVAN_GEO_OPTION("optHybrid1", "Yes", "frmHybrid", 150, 280, yes),                     \
      PELLAVAN_GEO_OPTION("optHybrid2", "No", "frmHybrid", 150, 580, no),                       \
      PELLAVAN_GEO_LABEL("Label25", "Geo Source Selection", 120, 2950, 4000),                   \
      ControlDesign{.name = "comboLoop",                                                        \
                    .kind = ControlKind::ComboBox,                                              \
                    .rect = {120, 3200, 4400, 315},                                             \
                    .help_line = kAddHelp,                                                      \
                    .help_when = platform::HelpWhen::Focus,                                     \
                    .tab_index = 18,                                                            \
                    .highlight = loop_highlight},                                               \
      PELLAVAN_GEO_LABEL("lblDepth", "Average Depth", 120, 3650, 1600),                         \
      PELLAVAN_GEO_BOX("txtDpth", 1800, 3620, 800, 19, 4),                                      \
      PELLAVAN_GEO_LABEL("Label17", "FT", 2700, 3650, 600),                                     \
      ControlDesign{.name = "chkAuto",                                                          \
                    .kind = ControlKind::CheckBox,                                              \
                    .caption = "Auto-Size",                                                     \
                    .rect = {3500, 3620, 1500, 315},                                            \
                    .help_line = kAddHelp,                                                      \
                    .tab_index = autosize},                                                     \
      PELLAVAN_GEO_LABEL("lblBore1", "Trench/Bore Length", 120, 4100, 1600),                    \
      PELLAVAN_GEO_BOX("txtTrBor", 1800, 4070, 800, bore, 5),                                   \
      PELLAVAN_GEO_LABEL("lblBore2", "FT", 2700, 4100, 600),                                    \
      PELLAVAN_GEO_LABEL("lblLoop1", "Loop Min/Max", 120, 4550, 1600),                          \
      PELLAVAN_GEO_BOX("txtGeoMin", 1800, 4520, 700, low, 4),                                   \
      PELLAVAN_GEO_BOX("TxtGeoMax", 2600, 4520, 700, high, 4),                                  \
      PELLAVAN_GEO_LABEL("lblLoop2", "Deg F", 3400, 4550, 800),                                 \
      PELLAVAN_GEO_LABEL("Label24", "Soil Selection", 120, 5000, 4000),                         \
      PELLAVAN_GEO_LIST("comboSoil", 120, 5250, 4400, 35),                                      \
      PELLAVAN_GEO_LABEL("Label2", "Auxiliary Heat Selection", 120, 5700, 4000),                \
      PELLAVAN_GEO_LIST("ComboFurnace", 120, 5950, 4400, 41),                                   \
      PELLAVAN_GEO_LABEL("Label60", "Input Capacity", 4650, 5700, 1400),                        \
      PELLAVAN_GEO_BOX("txtInputCap", 4650, 5950, 1100, 44, 7),                                 \
      PELLAVAN_GEO_LABEL("Label3", "Btu/hr", 5850, 5980, 900),                                  \
      PELLAVAN_GEO_LABEL("lblMin", "Minimum Calculated Input Capacity", 120, 6400, 3000),       \
      PELLAVAN_GEO_LABEL("txtMinInput", "", 3200, 6400, 1100),                                  \
      PELLAVAN_GEO_LABEL("lblMinBtu", "Btu/hr", 4400, 6400, 900),                               \
      PELLAVAN_GEO_LABEL("Label1", "Auxiliary Heat Operation Mode", 120, 6850, 4000),           \
      ControlDesign{.name = "ComboAuxHeat",                                                     \
                    .kind = ControlKind::ComboBox,                                              \
                    .rect = {120, 7100, 4400, 315},                                             \
                    .help_line = "Select Auxillary Heat Operation",                             \
                    .help_when = platform::HelpWhen::Focus,                                     \
                    .tab_index = 42},                                                           \
      PELLAVAN_GEO_LABEL("Label40", "Water Heater Selection", 120, 7550, 4000),                 \
      PELLAVAN_GEO_LIST("ComboWH", 120, 7800, 4400, 46),                                        \
      ControlDesign{.name = "lblUnitDesc",                                                      \
                    .kind = ControlKind::Label,                                                 \
                    .rect = {7500, 60, 7380, 320},                                              \
                    .font = kPictureName,                                                       \
                    .fore = rgb(255, 255, 255),                                                 \
                    .back = rgb(128, 128, 128),                                                 \
                    .centred = true},                                                           \
      ControlDesign{                                                                            \
          .name = "Picture1", .kind = ControlKind::Custom, .rect = {7500, 400, 7380, 6900}},    \
      ControlDesign{.name = "F1Book1",                                                          \
                    .kind = ControlKind::Custom,                                                \
                    .rect = {7500, 400, 7380, 6900},                                            \
                    .help_line = view_help,                                                     \
                    .help_when = view_when},                                                    \
      ControlDesign{.name = "HscrZoom",                                                         \
                    .kind = ControlKind::ScrollBar,                                             \
                    .rect = {7500, 7380, 7380, 250},                                            \
                    .scroll = {100, 175, 100}},                                                 \
      ControlDesign{.name = "lblWait",                                                          \
                    .kind = ControlKind::Label,                                                 \
                    .caption = "Processing Request...Please Wait",                              \
                    .rect = {7500, 7700, 7380, 320},                                            \
                    .font = kBold,                                                              \
                    .views = kNoView,                                                           \
                    .centred = true},                                                           \
      ControlDesign{.name = "cmdRun",                                                           \
                    .kind = ControlKind::Button,                                                \
                    .caption = "&Run",                                                          \
                    .rect = {7500, 8250, 1600, 450},                                            \
                    .help_line = kAddHelp,                                                      \
                    .help_when = platform::HelpWhen::Focus,                                     \
                    .tab_index = 48},                                                           \
      ControlDesign{.name = "BtnBin",                                                           \
                    .kind = ControlKind::Button,                                                \
                    .caption = "&Bin Analysis",                                                 \
                    .rect = {9400, 8250, 1600, 450},                                            \
                    .help_line = bin_help,                                                      \
                    .tab_index = 49},                                                           \
      ControlDesign{.name = "btnHelp",                                                          \
                    .kind = ControlKind::Button,                                                \
                    .caption = "&Help",                                                         \
                    .rect = {11300, 8250, 1600, 450},                                           \
                    .help_line = kAddHelp,                                                      \
                    .tab_index = 51},                                                           \
      ControlDesign{.name = "cmdDone",                                                          \
                    .kind = ControlKind::Button,                                                \
                    .caption = "&Done",                                                         \
                    .rect = {13200, 8250, 1600, 450},                                           \
                    .help_line = kAddHelp,                                                      \
                    .tab_index = 52},                                                           \
      ControlDesign{.name = "lblInfo",                                                          \
                    .kind = ControlKind::Label,                                                 \
                    .rect = {120, 8900, 14760, 300},                                            \
                    .fore = kHelpBlue,                                                          \
                    .back = kHelpGrey},                                                         \
      PELLAVAN_GEO_HIDDEN_LIST("comboUnit2"), PELLAVAN_GEO_HIDDEN_LIST("comboLoop2"),           \
      PELLAVAN_GEO_HIDDEN_LIST("ComboWH2")

inline constexpr ControlDesign kGeoAControls[] = {
    PELLAVAN_GEO_COMMON_CONTROLS("Select Geothermal Equipment", "Show Bin Analysis", 3, 4, 17, 16,
                                 21, 20, 22, 23, platform::Setting::Off, nullptr,
                                 platform::HelpWhen::Never),
    ControlDesign{.name = "frmHydroHybrid",
                  .kind = ControlKind::Frame,
                  .caption = "Hydronic Application",
                  .rect = {120, 1100, 5300, 1150}},
    PELLAVAN_GEO_OPTION("optHydroHybrid1", "Stand Alone", "frmHydroHybrid", 150, 280, 5),
    PELLAVAN_GEO_OPTION("optGeoOnly", "Stand Alone w/Full HW", "frmHydroHybrid", 150, 600, 6),
    PELLAVAN_GEO_OPTION("optHydroHybrid3", "Tandem w/Ducted GHP", "frmHydroHybrid", 2550, 280, 7),
    PELLAVAN_GEO_OPTION("optHydroHybrid2", "Tandem w/Full HW", "frmHydroHybrid", 2550, 600, 8),
    ControlDesign{.name = "cmdHydroHelp",
                  .kind = ControlKind::Button,
                  .caption = "Help",
                  .rect = {4500, 850, 700, 270},
                  .container = "frmHydroHybrid"},
    // The second unit shows in the tandem modes only.
    ControlDesign{.name = "ComboUnit3",
                  .kind = ControlKind::ComboBox,
                  .rect = {120, 2500, 4400, 315},
                  .help_line = "Select Geothermal Equipment",
                  .help_when = platform::HelpWhen::Focus,
                  .tab_index = 9,
                  .views = kNoView},
    ControlDesign{.name = "lblHybridTons",
                  .kind = ControlKind::Label,
                  .caption = "Tons",
                  .rect = {4650, 2280, 800, 285},
                  .views = kNoView},
    ControlDesign{.name = "txtHybridUqty",
                  .kind = ControlKind::TextBox,
                  .rect = {4650, 2500, 800, 315},
                  .tab_index = 10,
                  .views = kNoView,
                  .max_length = 4,
                  .highlight = platform::Setting::Off},
    PELLAVAN_GEO_HIDDEN_LIST("comboUnit4"),
};

inline constexpr ControlDesign kGeoBControls[] = {
    PELLAVAN_GEO_COMMON_CONTROLS(kAddHelp, kAddHelp, 14, 12, 9, 10, 20, 22, 21, 23,
                                 platform::Setting::AsWindow, kAddHelp, platform::HelpWhen::Hover)};

using platform::ButtonHandle;
using platform::CheckBoxHandle;
using platform::ComboHandle;
using platform::LabelHandle;
using platform::OptionHandle;
using platform::TextBoxHandle;

// The controls both windows have, as the shared code reaches them.
struct GeoControls {
  platform::CustomHandle Picture1, F1Book1;
  ComboHandle comboUnit, comboUnit2, comboLoop, comboLoop2, comboSoil, ComboFurnace, ComboAuxHeat,
      ComboWH, ComboWH2;
  TextBoxHandle txtUqty, txtDpth, txtTrBor, txtGeoMin, TxtGeoMax, txtInputCap;
  OptionHandle optDy, optDn, optHybrid1, optHybrid2;
  CheckBoxHandle chkAuto;
  LabelHandle lblSystem, lblTons, lblDepth, Label17, lblBore1, lblBore2, lblLoop1, lblLoop2,
      Label24, Label3, Label60, lblMin, txtMinInput, lblMinBtu, lblUnitDesc, lblWait, lblInfo;
  platform::ScrollBarHandle HscrZoom;
  ButtonHandle cmdRun, BtnBin, btnHelp, cmdDone;
  platform::FrameHandle frmHybrid;
};

#define PELLAVAN_GEO_HANDLES(T)                                                                 \
  GeoControls {                                                                                 \
    .Picture1{T, "Picture1"}, .F1Book1{T, "F1Book1"}, .comboUnit{T, "comboUnit"},               \
        .comboUnit2{T, "comboUnit2"}, .comboLoop{T, "comboLoop"}, .comboLoop2{T, "comboLoop2"}, \
        .comboSoil{T, "comboSoil"}, .ComboFurnace{T, "ComboFurnace"},                           \
        .ComboAuxHeat{T, "ComboAuxHeat"}, .ComboWH{T, "ComboWH"}, .ComboWH2{T, "ComboWH2"},     \
        .txtUqty{T, "txtUqty"}, .txtDpth{T, "txtDpth"}, .txtTrBor{T, "txtTrBor"},               \
        .txtGeoMin{T, "txtGeoMin"}, .TxtGeoMax{T, "TxtGeoMax"}, .txtInputCap{T, "txtInputCap"}, \
        .optDy{T, "optDy"}, .optDn{T, "optDn"}, .optHybrid1{T, "optHybrid1"},                   \
        .optHybrid2{T, "optHybrid2"}, .chkAuto{T, "chkAuto"}, .lblSystem{T, "lblSystem"},       \
        .lblTons{T, "lblTons"}, .lblDepth{T, "lblDepth"}, .Label17{T, "Label17"},               \
        .lblBore1{T, "lblBore1"}, .lblBore2{T, "lblBore2"}, .lblLoop1{T, "lblLoop1"},           \
        .lblLoop2{T, "lblLoop2"}, .Label24{T, "Label24"}, .Label3{T, "Label3"},                 \
        .Label60{T, "Label60"}, .lblMin{T, "lblMin"}, .txtMinInput{T, "txtMinInput"},           \
        .lblMinBtu{T, "lblMinBtu"}, .lblUnitDesc{T, "lblUnitDesc"}, .lblWait{T, "lblWait"},     \
        .lblInfo{T, "lblInfo"}, .HscrZoom{T, "HscrZoom"}, .cmdRun{T, "cmdRun"},                 \
        .BtnBin{T, "BtnBin"}, .btnHelp{T, "btnHelp"}, .cmdDone{T, "cmdDone"},                   \
        .frmHybrid{T, "frmHybrid"},                                                             \
  }

inline constexpr GeoControls kGeoAHandles = PELLAVAN_GEO_HANDLES(kGeoAControls);
inline constexpr GeoControls kGeoBHandles = PELLAVAN_GEO_HANDLES(kGeoBControls);

// Geo A's hydronic controls.
inline constexpr OptionHandle optHydroHybrid1{kGeoAControls, "optHydroHybrid1"};
inline constexpr OptionHandle optHydroHybrid2{kGeoAControls, "optHydroHybrid2"};
inline constexpr OptionHandle optHydroHybrid3{kGeoAControls, "optHydroHybrid3"};
inline constexpr OptionHandle optGeoOnly{kGeoAControls, "optGeoOnly"};
inline constexpr ButtonHandle cmdHydroHelp{kGeoAControls, "cmdHydroHelp"};
inline constexpr ComboHandle ComboUnit3{kGeoAControls, "ComboUnit3"};
inline constexpr ComboHandle comboUnit4{kGeoAControls, "comboUnit4"};
inline constexpr TextBoxHandle txtHybridUqty{kGeoAControls, "txtHybridUqty"};
inline constexpr LabelHandle lblHybridTons{kGeoAControls, "lblHybridTons"};
inline constexpr platform::FrameHandle frmHydroHybrid{kGeoAControls, "frmHydroHybrid"};
inline constexpr LabelHandle Label40{kGeoAControls, "Label40"};

using model::Quantity;

// The number boxes of each window with the block fields they show and store.
#define PELLAVAN_GEO_UNITS(H, P, first, input)                                               \
  {.control = H.txtUqty.ref, .field = number_field<&ProjectRec::P##_Tons>(), .slot = first}, \
      {.control = H.txtDpth.ref,                                                             \
       .field = number_field<&ProjectRec::P##_Depth>(),                                      \
       .quantity = Quantity::Length,                                                         \
       .slot = (first) + 1,                                                                  \
       .imperial = {0, true, true}},                                                         \
      {.control = H.txtTrBor.ref,                                                            \
       .field = number_field<&ProjectRec::P##_BoreLength>(),                                 \
       .quantity = Quantity::Length,                                                         \
       .slot = (first) + 2},                                                                 \
      {.control = H.txtGeoMin.ref,                                                           \
       .field = number_field<&ProjectRec::P##_LoopMinTemp>(),                                \
       .quantity = Quantity::Temperature,                                                    \
       .slot = (first) + 3,                                                                  \
       .leave = model::Leave::RoundHalf},                                                    \
      {.control = H.TxtGeoMax.ref,                                                           \
       .field = number_field<&ProjectRec::P##_LoopMaxTemp>(),                                \
       .quantity = Quantity::Temperature,                                                    \
       .slot = (first) + 4,                                                                  \
       .leave = model::Leave::RoundHalf},                                                    \
  {                                                                                          \
    .control = H.txtInputCap.ref, .field = number_field<&ProjectRec::P##_AuxInput>(),        \
    .quantity = Quantity::Capacity, .slot = input                                            \
  }

inline constexpr model::UnitBinding kGeoAUnits[] = {
    PELLAVAN_GEO_UNITS(kGeoAHandles, GeoA, 61, 20),
    {.control = txtHybridUqty.ref,
     .field = number_field<&ProjectRec::GeoA_Unit2Tons>(),
     .slot = 66}};
inline constexpr model::UnitBinding kGeoBUnits[] = {PELLAVAN_GEO_UNITS(kGeoBHandles, GeoB, 71, 25)};

inline constexpr platform::WindowDesign kGeoADesign{.name = "Form8",
                                                    .caption = "Pellavan A",
                                                    .client_width = 15000,
                                                    .client_height = 9300,
                                                    .help_topic = 1620,
                                                    .help_label = "lblInfo",
                                                    .controls = kGeoAControls,
                                                    .sizes = app::kGeoWindowSizes,
                                                    .highlight_fields = true,
                                                    .lists_queue_tab = true,
                                                    .units = kGeoAUnits,
                                                    .checks = kGeoCheckTables};
inline constexpr platform::WindowDesign kGeoBDesign{.name = "Form9",
                                                    .caption = "Pellavan B",
                                                    .client_width = 15000,
                                                    .client_height = 9300,
                                                    .help_topic = 1620,
                                                    .help_label = "lblInfo",
                                                    .controls = kGeoBControls,
                                                    .sizes = app::kGeoWindowSizes,
                                                    .highlight_fields = true,
                                                    .lists_queue_tab = true,
                                                    .units = kGeoBUnits,
                                                    .checks = kGeoCheckTables};

}  // namespace pellavan::geo
