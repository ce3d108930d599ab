#pragma once
// The frame every geothermal window is built on (Geo A, Geo B, Geo T): the picture panel with
// its loaders, each showing one equipment picture at its own size with its name, or the logo;
// the result view, a second view of the one analysis workbook on the window's compact result
// panel (rows 1 to 29, A:G or the metric copy J:P), kept read-only by Set_Criteria and zoomed by
// the zoom bar; centring and the Help button. While `loading_` is set (the window restores its
// block) the equipment loaders do nothing; the logo is always drawn.

#include "app/app_state.h"
#include "platform/control_handle.h"
#include "platform/designed_dialog.h"

namespace pellavan::sheet::view {
class SpreadsheetControl;
}

namespace pellavan::geo {

class GeoPicturePanel;

// The frame's controls in a window's design.
struct GeoFrameControls {
  platform::CustomHandle Picture1, F1Book1;
  platform::LabelHandle lblUnitDesc;
  platform::ScrollBarHandle HscrZoom;
  platform::ComboHandle comboUnit, comboUnit2, comboLoop, comboLoop2, ComboWH, ComboWH2,
      ComboFurnace;
};

class GeoFrame : public platform::DesignedDialog {
  Q_OBJECT

 public:
  GeoFrame(app::AppState& state, const platform::WindowDesign& design,
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

  [[nodiscard]] sheet::view::SpreadsheetControl& result_view() const { return *view_; }
  [[nodiscard]] GeoPicturePanel& picture_panel() const { return *panel_; }

 protected:
  // The load step's preparation: the reports window's control on the result panel, this view
  // attached to its book, locked, at zoom 100 and hidden.
  void prepare_result_view();
  // The reports window's control on the result panel.
  void show_result_block(sheet::view::SpreadsheetControl& reports) const;
  // The view shown with the results, over the picture panel.
  void show_results();
  void hide_view();
  // Shows a picture of the Data folder on the panel; `described` names the list whose entry
  // the caption shows. A picture that cannot be read shows the logo.
  bool load_picture(const QString& file, QRgb background, bool framed, bool keep_frame,
                    const platform::ComboHandle* described);

  app::AppState& state_;
  GeoFrameControls frame_;
  GeoPicturePanel* panel_ = nullptr;
  sheet::view::SpreadsheetControl* view_ = nullptr;
  bool loading_ = false;

 private:
  [[nodiscard]] QString data_file(const QString& name) const;
  int result_sheet_;
};

}  // namespace pellavan::geo
