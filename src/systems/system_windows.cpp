#include "systems/system_windows.h"

#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"
#include "systems/geo/geo_t_window.h"
#include "systems/geo/geo_window.h"
#include "systems/results/bin_viewer.h"
#include "systems/stored_figures.h"

namespace pellavan::systems {

void register_system_windows(program_state::AppState& state) {
  using program_state::make_window;
  using program_state::WindowId;
  state.windows.add(WindowId::GeoA, &geo::make_geo_a_window);
  state.windows.add(WindowId::GeoB, &geo::make_geo_b_window);
  state.windows.add(WindowId::GeoT, &geo::make_geo_t_window);
  state.windows.add(WindowId::BinViewer, &make_window<BinViewer>);
  state.windows.add(WindowId::Furnace, make_window<FurnaceWindow>);
  state.windows.add(WindowId::HeatPump, make_window<HeatPumpWindow>);
  state.services.stored_figures = &stored_figures;
}

}  // namespace pellavan::systems
