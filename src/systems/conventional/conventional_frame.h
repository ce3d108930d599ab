#pragma once
// The frame of the furnace/boiler and heat-pump windows: the picture panel and its loaders, the
// attached read-only view of the window's compact result block, the run (wait label painted,
// then the fill from a one-shot timer), Bin Analysis, Help and the hidden zoom bar. The result
// view is its own view of the analysis workbook: it stays on its block whatever sheet a fill,
// a catalogue reader or the bin viewer leaves active on the reports window's control.

#include <QTimer>
#include <QString>
#include <optional>

#include "app/app_state.h"
#include "platform/designed_dialog.h"
#include "systems/conventional/conventional_frame_design.h"
#include "systems/conventional/window_fields.h"

class QComboBox;

namespace pellavan::systems {

struct FrameSpec {
  int result_sheet = 0;  // FUQ or AAQ
  int system_type = 0;   // the comparison columns' code Run describes
  model::Int16 bin_view_code = 0;
  bool zoom_back_after_fill = false;  // the reports control's zoom to 100 once filled
};

class ConventionalFrame : public platform::DesignedDialog {
  Q_OBJECT

 public:
  ConventionalFrame(const platform::WindowDesign& design, const FrameControls& controls,
                    const FrameSpec& spec, app::AppState& state, QWidget* parent);

  [[nodiscard]] sheet::view::SpreadsheetControl& result_view() const { return *view_; }
  [[nodiscard]] QTimer& Timer1() { return timer_; }
  [[nodiscard]] bool results_shown() const { return ResultsShown != 0; }

  void Logo_Pic();
  void BtnBin_Click();
  void btnHelp_Click();
  void HscrZoom_Change();
  void Timer1_Timer();

 protected:
  // Shows a picture of the Data folder: grey and captioned for equipment, else white. A missing
  // or unreadable picture shows the logo; nothing while the window restores its lists.
  bool show_picture(const QString& file, const std::optional<QString>& caption);
  // The result view on its block (rows 1 to 29, imperial or metric columns) on both the reports
  // window's control and the window's own view.
  void select_result_block(int reports_zoom);
  // The loaders' pictures: a list's selection through its twin of picture names, the furnace
  // last read, the coil-combination and coil-condition explanations.
  void show_twin_picture(QComboBox* list, QComboBox* twin);
  void show_furnace_picture(const QComboBox* list);
  void show_coil_quality_picture();
  void show_coil_condition_picture();
  void hide_view();
  void reshow_view();   // after a list is left while results are shown
  void mark_changed();  // an input differs from the project: Run on, Bin Analysis off
  // Starts a run whose inputs passed: wait label, buttons off, timer started.
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
  [[nodiscard]] virtual std::string described_unit() const = 0;
  // The coil-combination list rebuilt, its choice selected (which runs its click).
  static void refill_coil_list(QComboBox* list, const struct CoilChoice& choice);
  void clear_pictures();

  // The lists both windows fill alike: the coil conditions, the three coil combinations of a
  // fan kind, and the furnaces and water heaters of the edition (sorted without regard to case,
  // hidden records left out; the water heaters with their twin list of picture names).
  static void fill_coil_conditions(QComboBox* list);
  static void fill_coil_qualities(QComboBox* list, bool variable_speed);
  void fill_furnaces(QComboBox* list) const;
  void fill_water_heaters(QComboBox* list, QComboBox* twin) const;
  // A capacity or input as the window shows it: kW with one decimal through its memo slot in kW
  // display, else whole Btu/h.
  [[nodiscard]] QString capacity_shown(double btuh, int kw_slot) const;
  // Whether the appliance a list shows is electric (the electric rule of the minimum input).
  [[nodiscard]] static bool shows_electric(const QComboBox* list);

  [[nodiscard]] app::AppState& state() const { return state_; }
  [[nodiscard]] model::ModelState& model() const { return state_.model; }
  [[nodiscard]] bool kw_display() const;
  [[nodiscard]] bool celsius_display() const;
  [[nodiscard]] int zoom_for_layout() const {
    return app::result_view_zoom(state_.LargeLayout != 0);
  }

  model::Int16 ResultsShown = 0;
  model::Int16 TestFailed = 0;
  bool LoadingForm = true;

 private:
  app::AppState& state_;
  FrameControls c_;
  FrameSpec spec_;
  sheet::view::SpreadsheetControl* view_;
  QTimer timer_;
};

}  // namespace pellavan::systems
