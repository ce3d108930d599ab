#pragma once
// The project-file commands of the main window: New, Open, Save (asking first), Save As, Save
// As Default, Restore Original Defaults, and the reads of the default and settings files they
// start with. The file work itself is in model/project; this adds the dialogs and messages and
// keeps the project safe:
//   - an open reads into a record of its own and replaces the project only when the file was
//     accepted, so a cancelled or refused open changes nothing;
//   - every save writes a complete new file before it replaces the old one, and a failed save
//     of any kind is reported (Retry where it can help);
//   - a new or opened project's loads are calculated from its own inputs before any window
//     shows them;
//   - New and Open do not go ahead, and the program does not close, when the save they asked
//     for was cancelled or failed.

#include <QString>
#include <functional>
#include <system_error>

#include "model/saving/write_failure.h"
#include "program_state/app_state.h"

class QWidget;

namespace pellavan::app {

// What the commands need of the main window.
class ProjectView {
 public:
  virtual ~ProjectView() = default;
  [[nodiscard]] virtual QWidget* dialog_parent() = 0;
  // A project is open: the project view is shown.
  [[nodiscard]] virtual bool project_open() const = 0;
  virtual void show_project_view() = 0;
  // The comparison rows from the project record (descriptions trimmed for an opened file).
  virtual void load_rows(bool trim_descriptions) = 0;
  // The rows' descriptions rebuilt from the project's equipment, frozen rows left as they are.
  virtual void rebuild_descriptions() = 0;
  virtual void Store_Selections() = 0;
  virtual void Show_Summary() = 0;
  // The project-information window, shown modally when it exists.
  virtual void show_project_window() = 0;
  // The dealer window, shown modally.
  virtual void show_dealer_window() = 0;
};

enum class SaveOutcome {
  kSaved,
  kDeclined,   // the user answered No: nothing to keep
  kCancelled,  // the file dialog was cancelled
  kFailed,     // the write failed and the user gave up
};

[[nodiscard]] inline bool project_is_safe(SaveOutcome outcome) {
  return outcome == SaveOutcome::kSaved || outcome == SaveOutcome::kDeclined;
}

class ProjectCommands {
 public:
  ProjectCommands(program_state::AppState& state, ProjectView& view);

  void New_Analysis();
  void Open_Analysis();
  SaveOutcome Save_It();
  void Save_As();
  void Save_As_Default();
  void Load_Odefaults();

  // Loads the default file into rec; a damaged or unreadable default file ends the program.
  void Load_Defaults(model::ProjectRec& rec);
  // Reads the settings file into DealerRec; without usable dealer data the user is told so and
  // the dealer window opens. False when a cut save of the file cannot be finished: the user is
  // told why, and DealerRec stays as it was.
  bool Read_DealerFile();

 private:
  // What every write of the project starts with: the rows into the record, each unfrozen one
  // describing the equipment the project holds now (the window rebuilds them only as the mouse
  // passes over them).
  void store_rows();
  // The project's own loads and minimum backup inputs, before any window shows them.
  void calculate_loads();
  // A column whose system code the program does not know opens as no system: says which, once.
  void tell_unknown_systems();
  // The first figure of the project its window would refuse, named with its window.
  void tell_stored_figures();
  // The save dialog until the name has the project extension; false when cancelled.
  bool choose_save_file(const QString& proposed, QString& path);
  // Runs write; on failure asks Disk_Error and runs it again while the user chooses Retry.
  bool write_with_retry(const std::function<model::WriteFailure()>& write);
  bool write_project(const QString& path);
  [[nodiscard]] QString dialog_folder() const;
  void take_file_name(const QString& path);

  program_state::AppState& state_;
  ProjectView& view_;
  QString last_dialog_path_;  // the file chosen in the last file dialog of the run
};

}  // namespace pellavan::app
