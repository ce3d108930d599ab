#pragma once
// The design of the Geo T window (Form18): the shared geothermal controls with Geo T's tab
// order, the four capacity-limit lists under "Capacity Limits", and the "&Op Analysis" button.

#include "systems/geo/geo_window_design.h"

namespace pellavan::geo {

#define PELLAVAN_GEO_T_LIMIT(n, l, t, tab)                                                 \
  ControlDesign {                                                                          \
    .name = n, .kind = ControlKind::ComboBox, .rect = {l, t, 1700, 315}, .tab_index = tab, \
    .highlight = platform::Setting::Off                                                    \
  }

inline constexpr ControlDesign kGeoTControls[] = {
    PELLAVAN_GEO_COMMON_CONTROLS(kAddHelp, kAddHelp, 53, 54, 56, 55, 20, 23, 21, 22,
                                 platform::Setting::AsWindow, kAddHelp, platform::HelpWhen::Hover),
    ControlDesign{.name = "lblLimits",
                  .kind = ControlKind::Label,
                  .caption = "Capacity Limits",
                  .rect = {120, 1080, 2400, 285},
                  .font = kBold},
    PELLAVAN_GEO_LABEL("lblHtg", "Htg", 1000, 1380, 1000),
    PELLAVAN_GEO_LABEL("lblClg", "Clg", 2900, 1380, 1000),
    PELLAVAN_GEO_LABEL("lblCapUnit", "Btu/Hr", 4700, 1680, 800),
    PELLAVAN_GEO_LABEL("lblMax", "Max", 120, 1680, 800),
    PELLAVAN_GEO_LABEL("lblMinCap", "Min", 120, 2130, 800),
    PELLAVAN_GEO_T_LIMIT("ComboHmax", 1000, 1650, 3),
    PELLAVAN_GEO_T_LIMIT("ComboCmax", 2900, 1650, 2),
    PELLAVAN_GEO_T_LIMIT("ComboHmin", 1000, 2100, 5),
    PELLAVAN_GEO_T_LIMIT("ComboCmin", 2900, 2100, 4),
    ControlDesign{.name = "BtnOp",
                  .kind = ControlKind::Button,
                  .caption = "&Op Analysis",
                  .rect = {5700, 8250, 1600, 450},
                  .tab_index = 50},
};

#undef PELLAVAN_GEO_T_LIMIT
#undef PELLAVAN_GEO_COMMON_CONTROLS
#undef PELLAVAN_GEO_LABEL
#undef PELLAVAN_GEO_LIST
#undef PELLAVAN_GEO_BOX
#undef PELLAVAN_GEO_OPTION
#undef PELLAVAN_GEO_HIDDEN_LIST

inline constexpr GeoControls kGeoTHandles = PELLAVAN_GEO_HANDLES(kGeoTControls);
#undef PELLAVAN_GEO_HANDLES

inline constexpr ComboHandle ComboHmax{kGeoTControls, "ComboHmax"};
inline constexpr ComboHandle ComboCmax{kGeoTControls, "ComboCmax"};
inline constexpr ComboHandle ComboHmin{kGeoTControls, "ComboHmin"};
inline constexpr ComboHandle ComboCmin{kGeoTControls, "ComboCmin"};
inline constexpr ButtonHandle BtnOp{kGeoTControls, "BtnOp"};

inline constexpr model::UnitBinding kGeoTUnits[] = {PELLAVAN_GEO_UNITS(kGeoTHandles, GeoT, 81, 86)};
#undef PELLAVAN_GEO_UNITS

// Geo T's checks: its quantity refuses only 0 and less, then the shared geothermal rows.
extern const model::CheckTable kGeoTCheckTables[2];

inline constexpr platform::WindowDesign kGeoTDesign{.name = "Form18",
                                                    .caption = "Pellavan T",
                                                    .client_width = 15000,
                                                    .client_height = 9300,
                                                    .help_label = "lblInfo",
                                                    .controls = kGeoTControls,
                                                    .sizes = app::kGeoTWindowSizes,
                                                    .highlight_fields = true,
                                                    .lists_queue_tab = true,
                                                    .units = kGeoTUnits,
                                                    .checks = kGeoTCheckTables};

}  // namespace pellavan::geo
