#pragma once
// The air-source heat-pump window (system 3): the heat pump with its capacity, the backup
// furnace with its input, the coil condition and combination and a water heater, as the
// conventional windows handle them, and its own cut-off temperature and auxiliary-heat mode. It
// validates with the heat pump's table and the fan rules of the backup.

#include "systems/conventional/conventional_window.h"

namespace pellavan::systems {

class HeatPumpWindow : public ConventionalWindow {
  Q_OBJECT

 public:
  explicit HeatPumpWindow(program_state::AppState& state, QWidget* parent = nullptr);

  void ComboAuxHeat_Click();
  void ComboAuxHeat_GotFocus();
  void txtAaCutTmp_LostFocus();
  void cmdDone_LostFocus();
  void AuxHeat_Pic();

  void Save_HeatPump();
  void Test_Data();
  void GetAirToAirData();

 private:
  void Form_Load();
  void Form_Activate() override;
  void store_fields() override { Save_HeatPump(); }
  void validate() override { Test_Data(); }
  void furnace_chosen() override;
  [[nodiscard]] QString cut_off_text() const;
  [[nodiscard]] model::Places cut_off_places() const;  // °C with a decimal, or whole °F
};

}  // namespace pellavan::systems
