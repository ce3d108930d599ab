#pragma once
// The frame of the furnace/boiler and heat-pump windows: the picture panel and its loaders, the
// result view with its run (shared with the geothermal windows), Bin Analysis, Help and the
// hidden zoom bar; Run and Done as they store, describe and validate the window's block.

#include <QString>
#include <optional>

#include "program_state/app_state.h"
#include "platform/designed_dialog.h"
#include "systems/conventional/conventional_block.h"
#include "systems/conventional/conventional_frame_design.h"
#include "systems/conventional/window_fields.h"
#include "systems/results/result_view.h"

class QComboBox;

namespace pellavan::systems {

class ConventionalFrame : public platform::DesignedDialog {
  Q_OBJECT

 public:
  ConventionalFrame(const platform::WindowDesign& design, const FrameControls& controls,
                    const ConventionalBlock& block, program_state::AppState& state,
                    QWidget* parent);

  [[nodiscard]] sheet::view::SpreadsheetControl& result_view() const { return results_.view(); }
  [[nodiscard]] QTimer& Timer1() { return results_.timer(); }
  [[nodiscard]] bool results_shown() const { return ResultsShown != 0; }

  void Logo_Pic();
  void BtnBin_Click();
  void btnHelp_Click();
  void HscrZoom_Change();
  void Timer1_Timer();

 protected:
  // Shows a picture of the Data folder: grey and captioned for equipment, else white. A missing
  // or unreadable picture shows the logo; nothing while the window restores its lists.
  void show_picture(const QString& file, const std::optional<QString>& caption);
  // The loaders' pictures: a list's selection through its twin of picture names, the furnace
  // last read, the coil-combination and coil-condition explanations.
  void show_twin_picture(QComboBox* list, QComboBox* twin);
  void show_furnace_picture(const QComboBox* list);
  void show_coil_quality_picture();
  void show_coil_condition_picture();
  void hide_view();
  void reshow_view();   // after a list is left while results are shown
  void mark_changed();  // an input differs from the project: Run on, Bin Analysis off
  // Starts a run whose inputs passed: the panel on the logo, then the result view's run.
  void start_run();
  void begin_activation();  // zoom bar and centring; every activation starts with it
  void end_restore();       // the panel shows the logo, Bin Analysis off, restore done
  void list_lost_focus();
  // Run: the focused field left, the fields stored, the columns described, validated, started.
  void run_clicked();
  // Done: stored and validated; the window unloads when nothing was refused.
  void done_clicked();
  virtual void store_fields() = 0;
  virtual void validate() = 0;  // sets TestFailed
  void clear_pictures();

  [[nodiscard]] program_state::AppState& state() const { return state_; }
  [[nodiscard]] const FrameControls& frame() const { return c_; }
  [[nodiscard]] const ConventionalBlock& block() const { return block_; }
  [[nodiscard]] model::ModelState& model() const { return state_.model; }
  [[nodiscard]] bool kw_display() const;
  [[nodiscard]] bool celsius_display() const;

  model::Int16 ResultsShown = 0;
  model::Int16 TestFailed = 0;
  bool LoadingForm = true;

 private:
  program_state::AppState& state_;
  FrameControls c_;
  const ConventionalBlock& block_;
  ResultView results_;
  // The picture drawn, or false when it cannot be read (the panel then shows no picture).
  bool draw_picture(const QString& file, const std::optional<QString>& caption);
};

}  // namespace pellavan::systems
