#pragma once
// The frame every geothermal window is built on (Geo A, Geo B, Geo T): the picture panel with
// its loaders, each showing one equipment picture at its own size with its name, or the logo;
// the result view with its run, as every system window has them (systems/results); centring
// and the Help button. While `loading_` is set (the window restores its
// block) the equipment loaders do nothing; the logo is always drawn.

#include "program_state/app_state.h"
#include "platform/control_handle.h"
#include "platform/designed_dialog.h"
#include "systems/results/result_view.h"

namespace pellavan::geo {

class GeoPicturePanel;

// The frame's controls in a window's design.
struct GeoFrameControls {
  platform::CustomHandle Picture1, F1Book1;
  platform::LabelHandle lblUnitDesc;
  platform::ScrollBarHandle HscrZoom;
  platform::ComboHandle comboUnit, comboUnit2, comboLoop, comboLoop2, ComboWH, ComboWH2,
      ComboFurnace;
  platform::LabelHandle lblWait;
  platform::ButtonHandle cmdRun, BtnBin, cmdDone;
};

class GeoFrame : public platform::DesignedDialog {
  Q_OBJECT

 public:
  GeoFrame(program_state::AppState& state, const platform::WindowDesign& design,
           const GeoFrameControls& frame, int result_sheet, QWidget* parent = nullptr);
  ~GeoFrame() override;

  void Unit_Pic();
  void Loop_Pic();
  void Soil_Pic();
  void Furnace_Pic();
  void WH_Pic();
  void AuxHeat_Pic();
  void Hybrid_PIC();
  void Logo_Pic();
  void Set_Criteria();
  void HscrZoom_Change();
  void btnHelp_Click();

  [[nodiscard]] sheet::view::SpreadsheetControl& result_view() const { return results_.view(); }
  [[nodiscard]] GeoPicturePanel& picture_panel() const { return *panel_; }

 protected:
  void hide_view();
  // Shows a picture of the Data folder on the panel; `described` names the list whose entry
  // the caption shows. A picture that cannot be read shows the logo.
  bool load_picture(const QString& file, QRgb background, bool framed, bool keep_frame,
                    const platform::ComboHandle* described);

  program_state::AppState& state_;
  GeoFrameControls frame_;
  GeoPicturePanel* panel_ = nullptr;
  systems::ResultView results_;
  bool loading_ = false;

 private:
  [[nodiscard]] QString data_file(const QString& name) const;
};

}  // namespace pellavan::geo
