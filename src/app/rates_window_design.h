#pragma once
// The design of the utility-rates window: the grid of prices and inflation rates, the providers,
// the description, the currency identifier and gas unit (metric display only), the rate-file
// label, the unit bindings of the grid and its range checks.

#include <array>

#include "program_state/window_sizes.h"
#include "loads/input/rate_transfer.h"
#include "platform/control_handle.h"
#include "platform/window_design.h"

namespace pellavan::app::rates_window {

using platform::ControlDesign;
using platform::ControlKind;
using platform::HelpWhen;
using platform::Setting;

inline constexpr const char* kAddHelp = "Add Help Here";

#define PELLAVAN_LABEL(nm, text, frame, l, t, w)                                     \
  ControlDesign {                                                                    \
    .name = nm, .kind = ControlKind::Label, .caption = text, .rect = {l, t, w, 255}, \
    .container = frame                                                               \
  }
#define PELLAVAN_PROVIDER(box, label_name, text, l, t, tab)                                  \
  PELLAVAN_LABEL(label_name, text, "fraProviders", l, (t) + 30, 1900), ControlDesign {       \
    .name = box, .kind = ControlKind::TextBox, .rect = {(l) + 1950, t, 4500, 315},           \
    .container = "fraProviders", .help_line = kAddHelp, .tab_index = (tab), .max_length = 25 \
  }
#define PELLAVAN_PRICE(box, l, t, tab)                                                             \
  ControlDesign {                                                                                  \
    .name = box, .kind = ControlKind::TextBox, .rect = {l, t, 1100, 315}, .container = "fraRates", \
    .tab_index = (tab), .max_length = 5                                                            \
  }
#define PELLAVAN_INFLATION(box, t, tab)                                                        \
  ControlDesign {                                                                              \
    .name = box, .kind = ControlKind::TextBox, .rect = {7700, t, 1100, 315},                   \
    .container = "fraRates", .tab_index = (tab), .max_length = 5, .enter_as_tab = Setting::Off \
  }
// A row of the grid: caption, summer and winter boxes with their unit labels, inflation box.
#define PELLAVAN_ROW(caption_name, text, s, su, w, wu, unit, inf, t, tab, inf_tab)                 \
  PELLAVAN_LABEL(caption_name, text, "fraRates", 150, (t) + 30, 2300),                             \
      PELLAVAN_PRICE(s, 2500, t, tab), PELLAVAN_LABEL(su, unit, "fraRates", 3650, (t) + 30, 1100), \
      PELLAVAN_PRICE(w, 5000, t, (tab) + 1),                                                       \
      PELLAVAN_LABEL(wu, unit, "fraRates", 6150, (t) + 30, 1100),                                  \
      PELLAVAN_INFLATION(inf, t, inf_tab)
#define PELLAVAN_BUTTON(nm, text, l, t, tab, topic)                                      \
  ControlDesign {                                                                        \
    .name = nm, .kind = ControlKind::Button, .caption = text, .rect = {l, t, 2300, 450}, \
    .help_topic = topic, .help_line = kAddHelp, .tab_index = (tab)                       \
  }

inline constexpr ControlDesign kControls[] = {
    PELLAVAN_BUTTON("Command1", "&Open Rate File", 240, 200, 0, 1610),
    PELLAVAN_LABEL("lblUtFileCaption", "Rate File Name", "", 2800, 300, 1500),
    {.name = "lblUtFile",
     .kind = ControlKind::Label,
     .rect = {4350, 270, 4000, 315},
     .help_line = kAddHelp,
     .help_when = HelpWhen::Hover},
    {.name = "fraProviders",
     .kind = ControlKind::Frame,
     .caption = "Energy Providers",
     .rect = {240, 800, 14500, 1250},
     .help_topic = 1550},
    PELLAVAN_PROVIDER("txtUtElec", "lblUtElec", "Utility - Electric", 150, 300, 1),
    PELLAVAN_PROVIDER("txtUtProp", "lblUtProp", "Source- Propane", 7300, 300, 2),
    PELLAVAN_PROVIDER("txtUtGas", "lblUtGas", "Utility - Natural Gas", 150, 720, 3),
    PELLAVAN_PROVIDER("txtUtOil", "lblUtOil", "Source - Fuel Oil", 7300, 720, 4),
    PELLAVAN_LABEL("lblGeneralDesc", "File Description", "", 240, 2250, 1900),
    {.name = "txtGeneralDesc",
     .kind = ControlKind::TextArea,
     .rect = {2190, 2200, 9000, 600},
     .help_topic = 2970,
     .help_line = kAddHelp,
     .tab_index = 5,
     .max_length = 50},
    {.name = "fraRates",
     .kind = ControlKind::Frame,
     .caption = "Rates",
     .rect = {240, 3000, 9300, 4200},
     .help_topic = 1520,
     .help_line = kAddHelp,
     .help_when = HelpWhen::Hover},
    PELLAVAN_LABEL("lblSummer", "Summer Rate", "fraRates", 2500, 300, 2300),
    PELLAVAN_LABEL("lblWinter", "Winter Rate", "fraRates", 5000, 300, 2300),
    PELLAVAN_LABEL("lblInflation", "Inflation Rate", "fraRates", 7700, 300, 1500),
    PELLAVAN_ROW("lblGeo", "Electric - Geothermal", "txtGS", "lblGeoS", "txtGW", "lblGeoW",
                 "Per kWh", "txtGeoInf", 650, 6, 8),
    PELLAVAN_ROW("lblHp", "Electric - Heat Pump", "txtES", "lblHpS", "txtEW", "lblHpW", "Per kWh",
                 "txtHpInf", 1200, 9, 11),
    PELLAVAN_ROW("lblFossil", "Electric - Fossil Fuel", "txtFS", "lblFsS", "txtFW", "lblFsW",
                 "Per kWh", "txtFsInf", 1750, 12, 14),
    PELLAVAN_ROW("lblGas", "Natural Gas", "txtNS", "lblgs", "txtNW", "lblgw", "Per Ccf",
                 "txtNatInf", 2300, 15, 17),
    PELLAVAN_ROW("lblProp", "Propane", "txtPS", "lblps", "txtPW", "lblpw", "Per Gallon",
                 "txtPropInf", 2850, 18, 25),
    PELLAVAN_ROW("lblOil", "Fuel Oil", "txtOS", "lblfs", "txtOW", "lblfw", "Per Gallon",
                 "txtOilInf", 3400, 20, 26),
    {.name = "LabelCurrIdent",
     .kind = ControlKind::Label,
     .caption = "Currency Identifier",
     .rect = {9900, 3150, 2200, 255}},
    {.name = "txtcCurrID",
     .kind = ControlKind::TextBox,
     .rect = {12150, 3100, 1000, 315},
     .help_topic = 1441,
     .help_line = kAddHelp,
     .help_when = HelpWhen::Focus,
     .tab_index = 22,
     .max_length = 6},
    {.name = "FrameGasUOM",
     .kind = ControlKind::Frame,
     .caption = "Metric Gas UOM",
     .rect = {9900, 3700, 3250, 1100},
     .help_topic = 1451},
    {.name = "OptionCCFtoM3",
     .kind = ControlKind::OptionButton,
     .caption = "Use m3",
     .rect = {200, 650, 1400, 300},
     .container = "FrameGasUOM",
     .tab_index = 23,
     .enter_as_tab = Setting::Off},
    {.name = "OptionCCFtoGJ",
     .kind = ControlKind::OptionButton,
     .caption = "Use GJ",
     .rect = {200, 300, 1400, 300},
     .container = "FrameGasUOM",
     .tab_index = 24,
     .enter_as_tab = Setting::Off},
    PELLAVAN_BUTTON("Command2", "&Save Rate File", 240, 7500, 27, 1600),
    PELLAVAN_BUTTON("btnHelp", "&Help", 2740, 7500, 28, 1421),
    PELLAVAN_BUTTON("Command3", "&Update Project", 9940, 7500, 29, 1510),
    {.name = "Command4",
     .kind = ControlKind::Button,
     .caption = "&Cancel",
     .rect = {12440, 7500, 2300, 450},
     .help_topic = 1510,
     .tab_index = 30},
    {.name = "lblInfo",
     .kind = ControlKind::Label,
     .rect = {240, 8200, 14500, 315},
     .fore = platform::rgb(0, 0, 0xFF),
     .back = platform::rgb(0xC0, 0xC0, 0xC0)},
};

#undef PELLAVAN_LABEL
#undef PELLAVAN_PROVIDER
#undef PELLAVAN_PRICE
#undef PELLAVAN_INFLATION
#undef PELLAVAN_ROW
#undef PELLAVAN_BUTTON

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

// Prices within the range the analysis has been used with, in stored units.
constexpr model::RangeCheck rate_check(int i) {
  const bool inflation = loads::kRateFields[i].inflation;
  return {.name = inflation ? "inflation rate" : "price",
          .value = i,
          .imperial = inflation ? model::Range{-0.99, 0.99} : model::Range{0, 10000},
          .text = inflation ? "Inflation Rate Outside of Valid Range of -99% to 99%"
                            : "One or More Rates Outside of Valid Range of 0 to 10,000",
          .focus = kRateBoxes[i]};
}
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
