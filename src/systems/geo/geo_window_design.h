#pragma once
// The designs of the Geo A and Geo B windows: the controls both have (inputs on the left, the
// picture panel and the result view on the right, the buttons and the help line below), Geo A's
// hydronic controls, and the handles the shared window code reaches them by.

#include <array>
#include <span>

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

[[nodiscard]] constexpr ControlDesign geo_label(const char* n, const char* text, int l, int t,
                                                int w) {
  return ControlDesign{
      .name = n, .kind = ControlKind::Label, .caption = text, .rect = {l, t, w, 285}};
}
[[nodiscard]] constexpr ControlDesign geo_list(const char* n, int l, int t, int w, int tab) {
  return ControlDesign{.name = n,
                       .kind = ControlKind::ComboBox,
                       .rect = {l, t, w, 315},
                       .help_line = kAddHelp,
                       .help_when = platform::HelpWhen::Focus,
                       .tab_index = tab};
}
[[nodiscard]] constexpr ControlDesign geo_box(const char* n, int l, int t, int w, int tab,
                                              int len) {
  return ControlDesign{.name = n,
                       .kind = ControlKind::TextBox,
                       .rect = {l, t, w, 315},
                       .help_line = kAddHelp,
                       .tab_index = tab,
                       .max_length = len};
}
[[nodiscard]] constexpr ControlDesign geo_option(const char* n, const char* text, const char* frame,
                                                 int l, int t, int tab) {
  return ControlDesign{.name = n,
                       .kind = ControlKind::OptionButton,
                       .caption = text,
                       .rect = {l, t, 2300, 285},
                       .container = frame,
                       .help_line = kAddHelp,
                       .help_when = platform::HelpWhen::Focus,
                       .tab_index = tab};
}
[[nodiscard]] constexpr ControlDesign geo_hidden_list(const char* n) {
  return ControlDesign{.name = n, .kind = ControlKind::ComboBox, .views = kNoView};
}

// What differs between the windows in the controls they share: the unit list's and Bin button's
// help lines, the tab positions of the options and loop inputs, and whether the loop list is
// highlighted.
struct GeoVariant {
  const char* unit_help;
  const char* bin_help;
  int dy, dn, yes, no, autosize, bore, low, high;
  platform::Setting loop_highlight;
  const char* view_help;
  platform::HelpWhen view_when;
};

// Every control of the geothermal windows but Geo A's hydronic ones, with what differs between
// the windows: the unit list's and Bin button's help lines, the tab positions of the options and
// loop inputs, and whether the loop list is highlighted.
[[nodiscard]] constexpr auto geo_common_controls(const GeoVariant& v) {
  return std::array{
      ControlDesign{.name = "lblSystem",
                    .kind = ControlKind::Label,
                    .rect = {120, 60, 5000, 300},
                    .font = kBold},
      geo_label("Label26", "Geothermal Equipment", 120, 400, 4000),
      ControlDesign{.name = "comboUnit",
                    .kind = ControlKind::ComboBox,
                    .rect = {120, 650, 4400, 315},
                    .help_line = v.unit_help,
                    .help_when = platform::HelpWhen::Focus,
                    .tab_index = 0},
      geo_label("lblTons", "Tons", 4650, 400, 800),
      geo_box("txtUqty", 4650, 650, 800, 1, 4),
      ControlDesign{.name = "Frame2",
                    .kind = ControlKind::Frame,
                    .caption = "Hot Water Generator",
                    .rect = {5600, 350, 1650, 950}},
      geo_option("optDy", "Yes", "Frame2", 150, 280, v.dy),
      geo_option("optDn", "No", "Frame2", 150, 580, v.dn),
      ControlDesign{.name = "frmHybrid",
                    .kind = ControlKind::Frame,
                    .caption = "Loop/Well Hybrid",
                    .rect = {5600, 1400, 1650, 950}},
      geo_option("optHybrid1", "Yes", "frmHybrid", 150, 280, v.yes),
      geo_option("optHybrid2", "No", "frmHybrid", 150, 580, v.no),
      geo_label("Label25", "Geo Source Selection", 120, 2950, 4000),
      ControlDesign{.name = "comboLoop",
                    .kind = ControlKind::ComboBox,
                    .rect = {120, 3200, 4400, 315},
                    .help_line = kAddHelp,
                    .help_when = platform::HelpWhen::Focus,
                    .tab_index = 18,
                    .highlight = v.loop_highlight},
      geo_label("lblDepth", "Average Depth", 120, 3650, 1600),
      geo_box("txtDpth", 1800, 3620, 800, 19, 4),
      geo_label("Label17", "FT", 2700, 3650, 600),
      ControlDesign{.name = "chkAuto",
                    .kind = ControlKind::CheckBox,
                    .caption = "Auto-Size",
                    .rect = {3500, 3620, 1500, 315},
                    .help_line = kAddHelp,
                    .tab_index = v.autosize},
      geo_label("lblBore1", "Trench/Bore Length", 120, 4100, 1600),
      geo_box("txtTrBor", 1800, 4070, 800, v.bore, 5),
      geo_label("lblBore2", "FT", 2700, 4100, 600),
      geo_label("lblLoop1", "Loop Min/Max", 120, 4550, 1600),
      geo_box("txtGeoMin", 1800, 4520, 700, v.low, 4),
      geo_box("TxtGeoMax", 2600, 4520, 700, v.high, 4),
      geo_label("lblLoop2", "Deg F", 3400, 4550, 800),
      geo_label("Label24", "Soil Selection", 120, 5000, 4000),
      geo_list("comboSoil", 120, 5250, 4400, 35),
      geo_label("Label2", "Auxiliary Heat Selection", 120, 5700, 4000),
      geo_list("ComboFurnace", 120, 5950, 4400, 41),
      geo_label("Label60", "Input Capacity", 4650, 5700, 1400),
      geo_box("txtInputCap", 4650, 5950, 1100, 44, 7),
      geo_label("Label3", "Btu/hr", 5850, 5980, 900),
      geo_label("lblMin", "Minimum Calculated Input Capacity", 120, 6400, 3000),
      geo_label("txtMinInput", "", 3200, 6400, 1100),
      geo_label("lblMinBtu", "Btu/hr", 4400, 6400, 900),
      geo_label("Label1", "Auxiliary Heat Operation Mode", 120, 6850, 4000),
      ControlDesign{.name = "ComboAuxHeat",
                    .kind = ControlKind::ComboBox,
                    .rect = {120, 7100, 4400, 315},
                    .help_line = "Select Auxillary Heat Operation",
                    .help_when = platform::HelpWhen::Focus,
                    .tab_index = 42},
      geo_label("Label40", "Water Heater Selection", 120, 7550, 4000),
      geo_list("ComboWH", 120, 7800, 4400, 46),
      ControlDesign{.name = "lblUnitDesc",
                    .kind = ControlKind::Label,
                    .rect = {7500, 60, 7380, 320},
                    .font = kPictureName,
                    .fore = rgb(255, 255, 255),
                    .back = rgb(128, 128, 128),
                    .centred = true},
      ControlDesign{
          .name = "Picture1", .kind = ControlKind::Custom, .rect = {7500, 400, 7380, 6900}},
      ControlDesign{.name = "F1Book1",
                    .kind = ControlKind::Custom,
                    .rect = {7500, 400, 7380, 6900},
                    .help_line = v.view_help,
                    .help_when = v.view_when},
      ControlDesign{.name = "HscrZoom",
                    .kind = ControlKind::ScrollBar,
                    .rect = {7500, 7380, 7380, 250},
                    .scroll = {100, 175, 100}},
      ControlDesign{.name = "lblWait",
                    .kind = ControlKind::Label,
                    .caption = "Processing Request...Please Wait",
                    .rect = {7500, 7700, 7380, 320},
                    .font = kBold,
                    .views = kNoView,
                    .centred = true},
      ControlDesign{.name = "cmdRun",
                    .kind = ControlKind::Button,
                    .caption = "&Run",
                    .rect = {7500, 8250, 1600, 450},
                    .help_line = kAddHelp,
                    .help_when = platform::HelpWhen::Focus,
                    .tab_index = 48},
      ControlDesign{.name = "BtnBin",
                    .kind = ControlKind::Button,
                    .caption = "&Bin Analysis",
                    .rect = {9400, 8250, 1600, 450},
                    .help_line = v.bin_help,
                    .tab_index = 49},
      ControlDesign{.name = "btnHelp",
                    .kind = ControlKind::Button,
                    .caption = "&Help",
                    .rect = {11300, 8250, 1600, 450},
                    .help_line = kAddHelp,
                    .tab_index = 51},
      ControlDesign{.name = "cmdDone",
                    .kind = ControlKind::Button,
                    .caption = "&Done",
                    .rect = {13200, 8250, 1600, 450},
                    .help_line = kAddHelp,
                    .tab_index = 52},
      ControlDesign{.name = "lblInfo",
                    .kind = ControlKind::Label,
                    .rect = {120, 8900, 14760, 300},
                    .fore = kHelpBlue,
                    .back = kHelpGrey},
      geo_hidden_list("comboUnit2"),
      geo_hidden_list("comboLoop2"),
      geo_hidden_list("ComboWH2")};
}

// A window's table: the shared rows, then its own.
template <class T, std::size_t A, std::size_t B>
[[nodiscard]] constexpr std::array<T, A + B> joined(const std::array<T, A>& a,
                                                    const std::array<T, B>& b) {
  std::array<T, A + B> out{};
  for (std::size_t i = 0; i < A; ++i) out[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) out[A + i] = b[i];
  return out;
}

inline constexpr auto kGeoAControls = joined(
    geo_common_controls({"Select Geothermal Equipment", "Show Bin Analysis", 3, 4, 17, 16, 21, 20,
                         22, 23, platform::Setting::Off, nullptr, platform::HelpWhen::Never}),
    std::array{ControlDesign{.name = "frmHydroHybrid",
                             .kind = ControlKind::Frame,
                             .caption = "Hydronic Application",
                             .rect = {120, 1100, 5300, 1150}},
               geo_option("optHydroHybrid1", "Stand Alone", "frmHydroHybrid", 150, 280, 5),
               geo_option("optGeoOnly", "Stand Alone w/Full HW", "frmHydroHybrid", 150, 600, 6),
               geo_option("optHydroHybrid3", "Tandem w/Ducted GHP", "frmHydroHybrid", 2550, 280, 7),
               geo_option("optHydroHybrid2", "Tandem w/Full HW", "frmHydroHybrid", 2550, 600, 8),
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
               geo_hidden_list("comboUnit4")});

inline constexpr auto kGeoBControls =
    geo_common_controls({kAddHelp, kAddHelp, 14, 12, 9, 10, 20, 22, 21, 23,
                         platform::Setting::AsWindow, kAddHelp, platform::HelpWhen::Hover});

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

// The shared controls in a window's table.
[[nodiscard]] consteval GeoControls geo_handles(std::span<const ControlDesign> T) {
  return GeoControls{
      .Picture1{T, "Picture1"},
      .F1Book1{T, "F1Book1"},
      .comboUnit{T, "comboUnit"},
      .comboUnit2{T, "comboUnit2"},
      .comboLoop{T, "comboLoop"},
      .comboLoop2{T, "comboLoop2"},
      .comboSoil{T, "comboSoil"},
      .ComboFurnace{T, "ComboFurnace"},
      .ComboAuxHeat{T, "ComboAuxHeat"},
      .ComboWH{T, "ComboWH"},
      .ComboWH2{T, "ComboWH2"},
      .txtUqty{T, "txtUqty"},
      .txtDpth{T, "txtDpth"},
      .txtTrBor{T, "txtTrBor"},
      .txtGeoMin{T, "txtGeoMin"},
      .TxtGeoMax{T, "TxtGeoMax"},
      .txtInputCap{T, "txtInputCap"},
      .optDy{T, "optDy"},
      .optDn{T, "optDn"},
      .optHybrid1{T, "optHybrid1"},
      .optHybrid2{T, "optHybrid2"},
      .chkAuto{T, "chkAuto"},
      .lblSystem{T, "lblSystem"},
      .lblTons{T, "lblTons"},
      .lblDepth{T, "lblDepth"},
      .Label17{T, "Label17"},
      .lblBore1{T, "lblBore1"},
      .lblBore2{T, "lblBore2"},
      .lblLoop1{T, "lblLoop1"},
      .lblLoop2{T, "lblLoop2"},
      .Label24{T, "Label24"},
      .Label3{T, "Label3"},
      .Label60{T, "Label60"},
      .lblMin{T, "lblMin"},
      .txtMinInput{T, "txtMinInput"},
      .lblMinBtu{T, "lblMinBtu"},
      .lblUnitDesc{T, "lblUnitDesc"},
      .lblWait{T, "lblWait"},
      .lblInfo{T, "lblInfo"},
      .HscrZoom{T, "HscrZoom"},
      .cmdRun{T, "cmdRun"},
      .BtnBin{T, "BtnBin"},
      .btnHelp{T, "btnHelp"},
      .cmdDone{T, "cmdDone"},
      .frmHybrid{T, "frmHybrid"},
  };
}

inline constexpr GeoControls kGeoAHandles = geo_handles(kGeoAControls);
inline constexpr GeoControls kGeoBHandles = geo_handles(kGeoBControls);

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
[[nodiscard]] constexpr std::array<model::UnitBinding, 6> geo_units(const GeoControls& h,
                                                                    const GeoBlock& f, int first,
                                                                    int input) {
  return {{{.control = h.txtUqty.ref, .field = f.tons, .slot = first},
           {.control = h.txtDpth.ref,
            .field = f.depth,
            .quantity = Quantity::Length,
            .slot = first + 1,
            .imperial = {0, true, true}},
           {.control = h.txtTrBor.ref,
            .field = f.bore,
            .quantity = Quantity::Length,
            .slot = first + 2},
           {.control = h.txtGeoMin.ref,
            .field = f.min_temp,
            .quantity = Quantity::Temperature,
            .slot = first + 3,
            .leave = model::Leave::RoundHalf},
           {.control = h.TxtGeoMax.ref,
            .field = f.max_temp,
            .quantity = Quantity::Temperature,
            .slot = first + 4,
            .leave = model::Leave::RoundHalf},
           {.control = h.txtInputCap.ref,
            .field = f.aux_input,
            .quantity = Quantity::Capacity,
            .slot = input}}};
}

inline constexpr auto kGeoAUnits =
    joined(geo_units(kGeoAHandles, kGeoABlock, 61, kGeoABlock.input_slot),
           std::array{model::UnitBinding{.control = txtHybridUqty.ref,
                                         .field = number_field<&ProjectRec::GeoA_Unit2Tons>(),
                                         .slot = 66}});
inline constexpr auto kGeoBUnits = geo_units(kGeoBHandles, kGeoBBlock, 71, kGeoBBlock.input_slot);

// The boxes the checks name.
[[nodiscard]] constexpr GeoBoxes geo_boxes(const GeoControls& h) {
  return {h.txtUqty.ref,     h.txtDpth.ref,   h.txtTrBor.ref,
          h.txtInputCap.ref, h.txtGeoMin.ref, h.TxtGeoMax.ref};
}

inline constexpr auto kGeoAChecks = joined(geo_rows(geo_boxes(kGeoAHandles), kGeoABlock),
                                           std::array{second_unit_row(txtHybridUqty.ref)});
inline constexpr auto kGeoBChecks = geo_rows(geo_boxes(kGeoBHandles), kGeoBBlock);
inline constexpr model::CheckTable kGeoACheckTables[] = {{"geothermal checks", kGeoAChecks}};
inline constexpr model::CheckTable kGeoBCheckTables[] = {{"geothermal checks", kGeoBChecks}};

inline constexpr platform::WindowDesign kGeoADesign{.name = "Form8",
                                                    .caption = "Pellavan A",
                                                    .client_width = 15000,
                                                    .client_height = 9300,
                                                    .help_topic = 1620,
                                                    .help_label = "lblInfo",
                                                    .controls = kGeoAControls,
                                                    .sizes = program_state::kGeoWindowSizes,
                                                    .highlight_fields = true,
                                                    .lists_queue_tab = true,
                                                    .units = kGeoAUnits,
                                                    .checks = kGeoACheckTables};
inline constexpr platform::WindowDesign kGeoBDesign{.name = "Form9",
                                                    .caption = "Pellavan B",
                                                    .client_width = 15000,
                                                    .client_height = 9300,
                                                    .help_topic = 1620,
                                                    .help_label = "lblInfo",
                                                    .controls = kGeoBControls,
                                                    .sizes = program_state::kGeoWindowSizes,
                                                    .highlight_fields = true,
                                                    .lists_queue_tab = true,
                                                    .units = kGeoBUnits,
                                                    .checks = kGeoBCheckTables};

}  // namespace pellavan::geo
