#pragma once
// The furnace/boiler window (system 4): a furnace or boiler with its input, an air conditioner
// with its capacity, the coil condition and combination, and a water heater. What it does with
// them is the conventional windows' own; it validates with the furnace's table and advises
// variable-speed fans for a two-stage air conditioner.

#include "systems/conventional/conventional_window.h"

namespace pellavan::systems {

class FurnaceWindow : public ConventionalWindow {
  Q_OBJECT

 public:
  explicit FurnaceWindow(program_state::AppState& state, QWidget* parent = nullptr);

  void Save_Furnace() { save_equipment(); }
  void Test_Data();

 private:
  void Form_Activate() override;
  void store_fields() override { Save_Furnace(); }
  void validate() override { Test_Data(); }
};

}  // namespace pellavan::systems
