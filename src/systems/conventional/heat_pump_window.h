#pragma once
// The air-source heat-pump window (system 3): the heat pump with its capacity and cut-off, the
// backup furnace with its operation mode and input, the coil condition and combination and a
// water heater. Restore, minimum input, store, validation, run and done as the furnace window,
// with the backup's rules and the cut-off temperature.

#include "systems/conventional/conventional_frame.h"
#include "systems/conventional/minimum_input.h"

namespace pellavan::systems {

[[nodiscard]] const platform::WindowDesign& heat_pump_window_design();

class HeatPumpWindow : public ConventionalFrame {
  Q_OBJECT

 public:
  explicit HeatPumpWindow(app::AppState& state, QWidget* parent = nullptr);

  void Form_Load();
  void Form_Activate() override;
  void ComboFurnace_Click();
  void ComboAir_Click();
  void ComboWH_Click();
  void ComboCoilQuality_Click();
  void ComboCoilCondition_Click();
  void ComboAuxHeat_Click();
  void list_GotFocus(platform::ControlEvent& event);
  void list_LostFocus();
  void txtAA95cap_LostFocus();
  void txtAaCutTmp_LostFocus();
  void txtAAFinput_LostFocus();
  void cmdDone_LostFocus();
  void cmdRun_Click();
  void cmdDone_Click();

  void Save_HeatPump();
  void Test_Data();
  void GetAirToAirData();

  [[nodiscard]] const MinimumInput& minimum() const { return minimum_; }

 private:
  void store_fields() override;
  void validate() override;
  [[nodiscard]] std::string described_unit() const override;
  [[nodiscard]] bool electric() const;
  [[nodiscard]] QString capacity_text() const;
  [[nodiscard]] QString cut_off_text() const;
  [[nodiscard]] QString input_text() const;
  void show_units();

  MinimumInput minimum_{};
};

}  // namespace pellavan::systems
