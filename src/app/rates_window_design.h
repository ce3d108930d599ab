#pragma once
// The design of the utility-rates window: the grid of prices and inflation rates, the providers,
// the description, the currency identifier and gas unit (metric display only), the rate-file
// label, the unit bindings of the grid and its range checks.

#include <array>

#include "program_state/window_sizes.h"
#include "loads/input/rate_transfer.h"
#include "platform/control_handle.h"
#include "platform/design_table.h"
#include "platform/window_design.h"

namespace pellavan::app::rates_window {

using platform::ControlDesign;
using platform::ControlKind;
using platform::design_label;
using platform::HelpWhen;
using platform::Setting;

inline constexpr const char* kAddHelp = "Add Help Here";

[[nodiscard]] constexpr std::array<ControlDesign, 2> provider(const char* box,
                                                              const char* label_name,
                                                              const char* text, int l, int t,
                                                              int tab) {
  return {design_label(label_name, text, "fraProviders", l, t + 30, 1900),
          ControlDesign{.name = box,
                        .kind = ControlKind::TextBox,
                        .rect = {l + 1950, t, 4500, 315},
                        .container = "fraProviders",
                        .help_line = kAddHelp,
                        .tab_index = tab,
                        .max_length = 25}};
}
[[nodiscard]] constexpr ControlDesign price_box(const char* box, int l, int t, int tab) {
  return ControlDesign{.name = box,
                       .kind = ControlKind::TextBox,
                       .rect = {l, t, 1100, 315},
                       .container = "fraRates",
                       .tab_index = tab,
                       .max_length = 5};
}
[[nodiscard]] constexpr ControlDesign inflation_box(const char* box, int t, int tab) {
  return ControlDesign{.name = box,
                       .kind = ControlKind::TextBox,
                       .rect = {7700, t, 1100, 315},
                       .container = "fraRates",
                       .tab_index = tab,
                       .max_length = 5,
                       .enter_as_tab = Setting::Off};
}
// The names of a row of the grid: its caption, the summer and winter boxes with their unit
// labels, the inflation box.
struct RateRowNames {
  const char* caption;
  const char* summer;
  const char* summer_unit;
  const char* winter;
  const char* winter_unit;
  const char* inflation;
};
// A row of the grid at top `t`: the summer box at tab `tab`, the winter one after it.
[[nodiscard]] constexpr std::array<ControlDesign, 6> rate_row(const RateRowNames& n,
                                                              const char* text, const char* unit,
                                                              int t, int tab, int inflation_tab) {
  return {design_label(n.caption, text, "fraRates", 150, t + 30, 2300),
          price_box(n.summer, 2500, t, tab),
          design_label(n.summer_unit, unit, "fraRates", 3650, t + 30, 1100),
          price_box(n.winter, 5000, t, tab + 1),
          design_label(n.winter_unit, unit, "fraRates", 6150, t + 30, 1100),
          inflation_box(n.inflation, t, inflation_tab)};
}
[[nodiscard]] constexpr ControlDesign rate_button(const char* name, const char* text, int l, int t,
                                                  int tab, int topic) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::Button,
                       .caption = text,
                       .rect = {l, t, 2300, 450},
                       .help_topic = topic,
                       .help_line = kAddHelp,
                       .tab_index = tab};
}

inline constexpr auto kControls = platform::design_table(
    rate_button("Command1", "&Open Rate File", 240, 200, 0, 1610),
    design_label("lblUtFileCaption", "Rate File Name", "", 2800, 300, 1500),
    ControlDesign{.name = "lblUtFile",
                  .kind = ControlKind::Label,
                  .rect = {4350, 270, 4000, 315},
                  .help_line = kAddHelp,
                  .help_when = HelpWhen::Hover},
    ControlDesign{.name = "fraProviders",
                  .kind = ControlKind::Frame,
                  .caption = "Energy Providers",
                  .rect = {240, 800, 14500, 1250},
                  .help_topic = 1550},
    provider("txtUtElec", "lblUtElec", "Utility - Electric", 150, 300, 1),
    provider("txtUtProp", "lblUtProp", "Source- Propane", 7300, 300, 2),
    provider("txtUtGas", "lblUtGas", "Utility - Natural Gas", 150, 720, 3),
    provider("txtUtOil", "lblUtOil", "Source - Fuel Oil", 7300, 720, 4),
    design_label("lblGeneralDesc", "File Description", "", 240, 2250, 1900),
    ControlDesign{.name = "txtGeneralDesc",
                  .kind = ControlKind::TextArea,
                  .rect = {2190, 2200, 9000, 600},
                  .help_topic = 2970,
                  .help_line = kAddHelp,
                  .tab_index = 5,
                  .max_length = 50},
    ControlDesign{.name = "fraRates",
                  .kind = ControlKind::Frame,
                  .caption = "Rates",
                  .rect = {240, 3000, 9300, 4200},
                  .help_topic = 1520,
                  .help_line = kAddHelp,
                  .help_when = HelpWhen::Hover},
    design_label("lblSummer", "Summer Rate", "fraRates", 2500, 300, 2300),
    design_label("lblWinter", "Winter Rate", "fraRates", 5000, 300, 2300),
    design_label("lblInflation", "Inflation Rate", "fraRates", 7700, 300, 1500),
    rate_row({"lblGeo", "txtGS", "lblGeoS", "txtGW", "lblGeoW", "txtGeoInf"},
             "Electric - Geothermal", "Per kWh", 650, 6, 8),
    rate_row({"lblHp", "txtES", "lblHpS", "txtEW", "lblHpW", "txtHpInf"}, "Electric - Heat Pump",
             "Per kWh", 1200, 9, 11),
    rate_row({"lblFossil", "txtFS", "lblFsS", "txtFW", "lblFsW", "txtFsInf"},
             "Electric - Fossil Fuel", "Per kWh", 1750, 12, 14),
    rate_row({"lblGas", "txtNS", "lblgs", "txtNW", "lblgw", "txtNatInf"}, "Natural Gas", "Per Ccf",
             2300, 15, 17),
    rate_row({"lblProp", "txtPS", "lblps", "txtPW", "lblpw", "txtPropInf"}, "Propane", "Per Gallon",
             2850, 18, 25),
    rate_row({"lblOil", "txtOS", "lblfs", "txtOW", "lblfw", "txtOilInf"}, "Fuel Oil", "Per Gallon",
             3400, 20, 26),
    ControlDesign{.name = "LabelCurrIdent",
                  .kind = ControlKind::Label,
                  .caption = "Currency Identifier",
                  .rect = {9900, 3150, 2200, 255}},
    ControlDesign{.name = "txtcCurrID",
                  .kind = ControlKind::TextBox,
                  .rect = {12150, 3100, 1000, 315},
                  .help_topic = 1441,
                  .help_line = kAddHelp,
                  .help_when = HelpWhen::Focus,
                  .tab_index = 22,
                  .max_length = 6},
    ControlDesign{.name = "FrameGasUOM",
                  .kind = ControlKind::Frame,
                  .caption = "Metric Gas UOM",
                  .rect = {9900, 3700, 3250, 1100},
                  .help_topic = 1451},
    ControlDesign{.name = "OptionCCFtoM3",
                  .kind = ControlKind::OptionButton,
                  .caption = "Use m3",
                  .rect = {200, 650, 1400, 300},
                  .container = "FrameGasUOM",
                  .tab_index = 23,
                  .enter_as_tab = Setting::Off},
    ControlDesign{.name = "OptionCCFtoGJ",
                  .kind = ControlKind::OptionButton,
                  .caption = "Use GJ",
                  .rect = {200, 300, 1400, 300},
                  .container = "FrameGasUOM",
                  .tab_index = 24,
                  .enter_as_tab = Setting::Off},
    rate_button("Command2", "&Save Rate File", 240, 7500, 27, 1600),
    rate_button("btnHelp", "&Help", 2740, 7500, 28, 1421),
    rate_button("Command3", "&Update Project", 9940, 7500, 29, 1510),
    ControlDesign{.name = "Command4",
                  .kind = ControlKind::Button,
                  .caption = "&Cancel",
                  .rect = {12440, 7500, 2300, 450},
                  .help_topic = 1510,
                  .tab_index = 30},
    ControlDesign{.name = "lblInfo",
                  .kind = ControlKind::Label,
                  .rect = {240, 8200, 14500, 315},
                  .fore = platform::rgb(0, 0, 0xFF),
                  .back = platform::rgb(0xC0, 0xC0, 0xC0)});

using platform::ButtonHandle;
using platform::LabelHandle;
using platform::OptionHandle;
using platform::TextBoxHandle;

inline constexpr ButtonHandle Command1{kControls, "Command1"};
inline constexpr ButtonHandle Command2{kControls, "Command2"};
inline constexpr ButtonHandle Command3{kControls, "Command3"};
inline constexpr ButtonHandle Command4{kControls, "Command4"};
inline constexpr ButtonHandle btnHelp{kControls, "btnHelp"};
inline constexpr LabelHandle lblUtFile{kControls, "lblUtFile"};
inline constexpr platform::TextAreaHandle txtGeneralDesc{kControls, "txtGeneralDesc"};
inline constexpr TextBoxHandle txtcCurrID{kControls, "txtcCurrID"};
inline constexpr TextBoxHandle txtUtElec{kControls, "txtUtElec"};
inline constexpr OptionHandle OptionCCFtoGJ{kControls, "OptionCCFtoGJ"};
inline constexpr OptionHandle OptionCCFtoM3{kControls, "OptionCCFtoM3"};

// The boxes of kRateFields, in its order.
inline constexpr TextBoxHandle kRateBoxes[] = {
    {kControls, "txtGS"},     {kControls, "txtGW"},      {kControls, "txtES"},
    {kControls, "txtEW"},     {kControls, "txtFS"},      {kControls, "txtFW"},
    {kControls, "txtNS"},     {kControls, "txtNW"},      {kControls, "txtPS"},
    {kControls, "txtPW"},     {kControls, "txtOS"},      {kControls, "txtOW"},
    {kControls, "txtGeoInf"}, {kControls, "txtHpInf"},   {kControls, "txtFsInf"},
    {kControls, "txtNatInf"}, {kControls, "txtPropInf"}, {kControls, "txtOilInf"},
};
static_assert(std::size(kRateBoxes) == loads::kRateCount);
// The boxes of kRateTexts, in its order; the last text, the description, is txtGeneralDesc's.
inline constexpr TextBoxHandle kTextBoxes[] = {{kControls, "txtUtElec"},
                                               {kControls, "txtUtGas"},
                                               {kControls, "txtUtProp"},
                                               {kControls, "txtUtOil"}};
static_assert(std::size(kTextBoxes) + 1 == std::size(loads::kRateTexts));
inline constexpr LabelHandle kGasLabels[] = {{kControls, "lblgs"}, {kControls, "lblgw"}};
inline constexpr LabelHandle kLiquidLabels[] = {
    {kControls, "lblps"}, {kControls, "lblpw"}, {kControls, "lblfs"}, {kControls, "lblfw"}};

// "0.##0" for prices, "#.##0" for imperial propane and oil and for the inflation rates.
inline constexpr model::NumberFormat kPrice{3, true};
inline constexpr model::NumberFormat kNoLeadingZero{3, false};
constexpr model::UnitBinding rate_binding(int i) {
  const loads::RateField& f = loads::kRateFields[i];
  const bool liquid = f.quantity == model::Quantity::LiquidFuelPrice;
  return {.control = kRateBoxes[i],
          .field = f.project,
          .quantity = f.quantity,
          .slot = 71 + i,
          .imperial = f.inflation || liquid ? kNoLeadingZero : kPrice,
          .metric = f.inflation ? kNoLeadingZero : kPrice};
}
template <std::size_t... I>
constexpr std::array<model::UnitBinding, sizeof...(I)> rate_bindings(std::index_sequence<I...>) {
  return {rate_binding(static_cast<int>(I))...};
}
inline constexpr auto kUnits = rate_bindings(std::make_index_sequence<loads::kRateCount>{});

constexpr model::RangeCheck rate_check(int i) { return loads::rate_check(i, kRateBoxes[i]); }
template <std::size_t... I>
constexpr std::array<model::RangeCheck, sizeof...(I)> rate_checks(std::index_sequence<I...>) {
  return {rate_check(static_cast<int>(I))...};
}
inline constexpr auto kChecks = rate_checks(std::make_index_sequence<loads::kRateCount>{});
inline constexpr model::CheckTable kCheckTables[] = {{"Test_Data", kChecks}};

inline constexpr platform::WindowDesign kDesign{.name = "Form7",
                                                .caption = "Utility Information",
                                                .client_width = 15000,
                                                .client_height = 8700,
                                                .help_topic = 1420,
                                                .help_label = "lblInfo",
                                                .controls = kControls,
                                                .sizes = program_state::kInputWindowSizes,
                                                .highlight_fields = true,
                                                .units = kUnits,
                                                .checks = kCheckTables};

}  // namespace pellavan::app::rates_window
