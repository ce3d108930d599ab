#pragma once
// The Geo T window ("Form18", "Pellavan T") on the shared geothermal frame: its own T-unit
// file, the heating and cooling capacity limits with the unit quantity of type-1 units, one
// auxiliary-heat operation, the well-water notice, the water-heater list that starts at record
// 12 for "JN" units, defaults for an empty block, and "&Op Analysis" beside "&Bin Analysis".
// A unit record that is missing or damaged is refused when chosen and at Run.

#include "systems/geo/geo_window.h"

namespace pellavan::geo {

class GeoTWindow : public GeoWindow {
  Q_OBJECT

 public:
  explicit GeoTWindow(program_state::AppState& state, QWidget* parent = nullptr);

  void Form_Activate() override;
  void Save_It() override;
  void Test_Data() override;
  void cmdRun_Click() override;
  void Timer1_Timer() override;
  void comboUnit_Click() override;
  void comboLoop_Click() override;
  void text_LostFocus(platform::ControlEvent& event) override;
  void TRELOADWH(const std::string& model);
  void txtUqty_LostFocus();
  void BtnOp_Click();
  void cmdDone_LostFocus();
  void ComboLimit_Click(platform::ControlEvent& event);

 protected:
  void fill_lists() override;
  void changed() override;
  [[nodiscard]] bool leaving_clears_picture(platform::ControlRef list) const override;

 private:
  // Rebuilds the four capacity lists from the unit record in memory; quantity 0 gives the
  // unit form of the texts.
  void build_limits(double quantity);
  void restore_limits();
  void show_quantity_box(int unit_type);
  // Reads the selected unit; false, after its message, when it cannot be used.
  bool read_selected_unit(bool& found);

  std::vector<platform::On<GeoTWindow>> own_handlers_;
};

std::unique_ptr<QDialog> make_geo_t_window(program_state::AppState& state, QWidget* parent);

}  // namespace pellavan::geo
