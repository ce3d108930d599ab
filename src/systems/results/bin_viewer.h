#pragma once
// The bin-analysis viewer "Bin Analysis" (Form12): a read-only view of one system's bin block
// of the analysis workbook, attached to the reports window's control, at the zoom the project
// keeps for that view. The Geo T views switch in place with "Bin" and "Operating"; one Done
// returns to the window that opened it.

#include "program_state/app_state.h"
#include "systems/results/bin_views.h"
#include "platform/designed_dialog.h"

namespace pellavan::sheet::view {
class SpreadsheetControl;
}

namespace pellavan::systems {

[[nodiscard]] const platform::WindowDesign& bin_viewer_design();

class BinViewer : public platform::DesignedDialog {
  Q_OBJECT

 public:
  explicit BinViewer(program_state::AppState& state, QWidget* parent = nullptr);

  void Form_Load();
  void Form_Activate() override;
  void HscrZoom_Change();
  void cmdDone_Click();
  void cmdBin_Click();
  void cmdGeoOp_Click();

  [[nodiscard]] sheet::view::SpreadsheetControl& view() const { return *view_; }

 private:
  program_state::AppState& state_;
  sheet::view::SpreadsheetControl* view_ = nullptr;
};

// The registry's viewer with the view code (AppState::BinViewCode) set, ready to be shown
// modally; nullptr when no viewer is registered. Every system window's Bin button comes here.
QDialog* prepare_bin_viewer(program_state::AppState& state, BinViewId view, QWidget* parent);

}  // namespace pellavan::systems
