#include "app/window_designs.h"

#include <array>

#include "app/about_window.h"
#include "app/dealer_window.h"
#include "app/disclaimer_window.h"
#include "app/main_window_design.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "app/startup_window.h"
#include "reports/window/reports_window.h"
#include "update/window/update_window.h"
#include "systems/results/bin_viewer.h"
#include "systems/geo/geo_t_window_design.h"
#include "systems/geo/geo_window_design.h"
#include "systems/conventional/conventional_designs.h"

namespace pellavan::app {

std::span<const platform::WindowDesign* const> window_designs() {
  static const std::array designs = {&startup_window_design(),
                                     &main_window::kDesign,
                                     &disclaimer_window_design(),
                                     &about_window_design(),
                                     &dealer_window_design(),
                                     &reports::reports_window_design(),
                                     &update::update_window_design(),
                                     &geo::kGeoADesign,
                                     &geo::kGeoBDesign,
                                     &geo::kGeoTDesign,
                                     &systems::bin_viewer_design(),
                                     &systems::furnace_window::kDesign,
                                     &systems::heat_pump_window::kDesign,
                                     &project_window_design(),
                                     &rates_window_design()};
  return designs;
}

}  // namespace pellavan::app
