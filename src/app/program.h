#pragma once
// The program from its start to the main window: the start-up window, then, when its timer
// fires, the windows that must exist before any work (the reports window with the analysis
// workbook, the hidden building-load window) and the main window, whose load shows the legal
// disclaimer. Owns the application state.

#include <QPointer>
#include <filesystem>
#include <memory>

#include "program_state/app_state.h"
#include "app/main_window.h"
#include "app/startup_window.h"
#include "platform/single_instance.h"

namespace pellavan::app {

class Program {
 public:
  // lock_path: the single-instance lock; empty for the user's runtime folder.
  explicit Program(std::filesystem::path program_folder, QString lock_path = {});
  ~Program();

  // Loads and shows the start-up window; false when another copy runs (the program ends).
  bool start();
  // The start-up window's timer: builds the windows and shows the main window.
  void Timer1_Timer();

  [[nodiscard]] program_state::AppState& state() { return state_; }
  [[nodiscard]] MainWindow* main_window() const { return main_.get(); }
  [[nodiscard]] StartupWindow* startup_window() const;

 private:
  program_state::AppState state_;
  platform::SingleInstance lock_;
  std::unique_ptr<MainWindow> main_;
};

// Registers every window the main window opens and the services behind its commands, one line
// each, e.g. state.windows.add(WindowId::GeoA, make_window<GeoAWindow>).
void register_windows(program_state::AppState& state);

}  // namespace pellavan::app
