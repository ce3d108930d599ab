#pragma once
// The result view of a system window and the run that shows it, as every system window has them:
// the window's own read-only view of the one analysis workbook, attached when the window loads
// and kept on the system's compact result block (rows 1 to 29, columns A:G, or their metric copy
// J:P) whatever sheet a fill, a catalogue reader or the bin viewer leaves on the reports
// window's control; the hidden zoom bar that zooms it (130, or 175 in the large layout); and the
// run: buttons off and the wait label shown, the block chosen at that zoom on the reports
// control, and the fill from a one-shot timer, so the label is painted first.

#include <QTimer>

#include "program_state/app_state.h"
#include "program_state/window_sizes.h"
#include "workbook/filler/fill_report_workbook.h"
#include "platform/control_handle.h"

namespace pellavan::platform {
class DesignedForm;
}
namespace pellavan::sheet::view {
class SpreadsheetControl;
}

namespace pellavan::systems {

// The controls of the view and the run in a window's design.
struct ResultControls {
  platform::CustomHandle F1Book1;
  platform::ScrollBarHandle HscrZoom;
  platform::LabelHandle lblWait;
  platform::ButtonHandle cmdRun, BtnBin, cmdDone;
};

class ResultView {
 public:
  // Places the view in the design's F1Book1; the window connects timer() to its fill.
  ResultView(program_state::AppState& state, platform::DesignedForm& form,
             const ResultControls& controls, int result_sheet);

  [[nodiscard]] sheet::view::SpreadsheetControl& view() const { return *view_; }
  [[nodiscard]] QTimer& timer() { return timer_; }
  [[nodiscard]] int layout_zoom() const {
    return program_state::result_view_zoom(state_.LargeLayout != 0);
  }

  // The load step: the reports control on the block at zoom 100, the view attached to its book,
  // locked, on the block and hidden.
  void attach();
  // Every activation: the zoom bar to the layout's zoom, which zooms the view.
  void zoom_to_layout();
  void zoom_changed();  // the zoom bar moved
  void hide();
  void show();  // on its block, at the bar's zoom, over the picture panel
  // A run whose inputs passed: Run, Done and Bin Analysis off, the zoom bar hidden, the wait
  // label shown, the block chosen on the reports control at the layout's zoom, the timer started.
  void start();
  // The timer's work once the window has readied its panel: the workbook filled, the reports
  // control back at zoom 100 when `zoom_back`, the view shown, Done and Bin Analysis on (the
  // focus on Bin Analysis), the wait label hidden. When the project's loads failed, their message
  // instead, Run and Done on and nothing shown: false.
  bool fill(QWidget* window, bool zoom_back);

 private:
  void put_on_block(sheet::view::SpreadsheetControl& control) const;
  // Whether the fill kept a figure of this system, or of the loads or rates, out of the analysis.
  [[nodiscard]] bool rests_on_refused_figure(const workbook::FillOutcome& outcome) const;

  program_state::AppState& state_;
  platform::DesignedForm& form_;
  ResultControls c_;
  int result_sheet_;
  sheet::view::SpreadsheetControl* view_;
  QTimer timer_;
};

}  // namespace pellavan::systems
