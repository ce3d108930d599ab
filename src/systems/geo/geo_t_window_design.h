#pragma once
// The design of the Geo T window (Form18): the shared geothermal controls with Geo T's tab
// order, the four capacity-limit lists under "Capacity Limits", and the "&Op Analysis" button.

#include "systems/geo/geo_t_block.h"
#include "systems/geo/geo_window_design.h"

namespace pellavan::geo {

[[nodiscard]] constexpr ControlDesign geo_t_limit(const char* n, int l, int t, int tab) {
  return ControlDesign{.name = n,
                       .kind = ControlKind::ComboBox,
                       .rect = {l, t, 1700, 315},
                       .tab_index = tab,
                       .highlight = platform::Setting::Off};
}

inline constexpr auto kGeoTControls = joined(
    geo_common_controls({kAddHelp, kAddHelp, 53, 54, 56, 55, 20, 23, 21, 22,
                         platform::Setting::AsWindow, kAddHelp, platform::HelpWhen::Hover}),
    std::array{
        ControlDesign{.name = "lblLimits",
                      .kind = ControlKind::Label,
                      .caption = "Capacity Limits",
                      .rect = {120, 1080, 2400, 285},
                      .font = kBold},
        geo_label("lblHtg", "Htg", 1000, 1380, 1000), geo_label("lblClg", "Clg", 2900, 1380, 1000),
        geo_label("lblCapUnit", "Btu/Hr", 4700, 1680, 800),
        geo_label("lblMax", "Max", 120, 1680, 800), geo_label("lblMinCap", "Min", 120, 2130, 800),
        geo_t_limit("ComboHmax", 1000, 1650, 3), geo_t_limit("ComboCmax", 2900, 1650, 2),
        geo_t_limit("ComboHmin", 1000, 2100, 5), geo_t_limit("ComboCmin", 2900, 2100, 4),
        ControlDesign{.name = "BtnOp",
                      .kind = ControlKind::Button,
                      .caption = "&Op Analysis",
                      .rect = {5700, 8250, 1600, 450},
                      .tab_index = 50}});

inline constexpr GeoControls kGeoTHandles = geo_handles(kGeoTControls);

inline constexpr ComboHandle ComboHmax{kGeoTControls, "ComboHmax"};
inline constexpr ComboHandle ComboCmax{kGeoTControls, "ComboCmax"};
inline constexpr ComboHandle ComboHmin{kGeoTControls, "ComboHmin"};
inline constexpr ComboHandle ComboCmin{kGeoTControls, "ComboCmin"};
inline constexpr ButtonHandle BtnOp{kGeoTControls, "BtnOp"};

inline constexpr auto kGeoTUnits = geo_units(kGeoTHandles, kGeoTBlock, 81, kGeoTBlock.input_slot);

// Geo T's checks: its quantity refuses only 0 and less, then the shared geothermal rows.
inline constexpr auto kGeoTChecks = geo_rows(geo_boxes(kGeoTHandles), kGeoTBlock);
inline constexpr model::RangeCheck kGeoTQuantityRow[] = {
    geo_t_quantity_row(kGeoTHandles.txtUqty.ref, kGeoTBlock)};
inline constexpr model::CheckTable kGeoTCheckTables[] = {
    {"Geo T quantity", kGeoTQuantityRow}, {"geothermal checks", std::span(kGeoTChecks).subspan(1)}};

inline constexpr platform::WindowDesign kGeoTDesign{.name = "Form18",
                                                    .caption = "Pellavan T",
                                                    .client_width = 15000,
                                                    .client_height = 9300,
                                                    .help_label = "lblInfo",
                                                    .controls = kGeoTControls,
                                                    .sizes = program_state::kGeoTWindowSizes,
                                                    .highlight_fields = true,
                                                    .lists_queue_tab = true,
                                                    .units = kGeoTUnits,
                                                    .checks = kGeoTCheckTables};

}  // namespace pellavan::geo
