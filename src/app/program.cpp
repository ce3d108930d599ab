#include "app/program.h"

#include "app/registrations.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "program_state/analysis_session.h"
#include "systems/system_windows.h"

namespace pellavan::app {

void register_windows(program_state::AppState& state) {
  register_reports(state);
  register_version_check(state);
  systems::register_system_windows(state);
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
