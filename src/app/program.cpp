#include "app/program.h"

#include "app/registrations.h"
#include "systems/results/bin_viewer.h"
#include "systems/geo/geo_t_window.h"
#include "systems/geo/geo_window.h"
#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {

void register_windows(program_state::AppState& state) {
  register_reports(state);
  register_version_check(state);
  state.windows.add(program_state::WindowId::GeoA, &geo::make_geo_a_window);
  state.windows.add(program_state::WindowId::GeoB, &geo::make_geo_b_window);
  state.windows.add(program_state::WindowId::GeoT, &geo::make_geo_t_window);
  state.windows.add(program_state::WindowId::BinViewer,
                    &program_state::make_window<systems::BinViewer>);
  state.windows.add(program_state::WindowId::Furnace,
                    program_state::make_window<systems::FurnaceWindow>);
  state.windows.add(program_state::WindowId::HeatPump,
                    program_state::make_window<systems::HeatPumpWindow>);
  state.windows.add(program_state::WindowId::ProjectInfo,
                    program_state::make_window<ProjectWindow>);
  state.windows.add(program_state::WindowId::UtilityRates, program_state::make_window<RatesWindow>);
}

Program::Program(std::filesystem::path program_folder, QString lock_path)
    : state_(std::move(program_folder)), lock_(std::move(lock_path)) {
  register_windows(state_);
}

Program::~Program() {
  if (state_.StartupForm) delete state_.StartupForm.data();
}

StartupWindow* Program::startup_window() const {
  return qobject_cast<StartupWindow*>(state_.StartupForm.data());
}

bool Program::start() {
  auto* startup = new StartupWindow(state_);
  state_.StartupForm = startup;
  QObject::connect(&startup->Timer1(), &QTimer::timeout, startup, [this] { Timer1_Timer(); });
  if (!startup->Form_Load(lock_)) return false;
  startup->show();
  return true;
}

void Program::Timer1_Timer() {
  if (auto* startup = startup_window()) startup->Timer1().stop();  // it fires once
  // Built before the main window so that every fill, view and report finds them.
  state_.analysis();
  state_.windows.window(program_state::WindowId::Reports, state_);
  main_ = std::make_unique<MainWindow>(state_);
  main_->Form_Load();
  main_->show();
}

}  // namespace pellavan::app
