#pragma once
// The furnace/boiler window (system 4): a furnace or boiler with its input, an air conditioner
// with its capacity, the coil condition and combination, and a water heater. It restores its
// fields from the project at every activation before a run, enforces the building's minimum
// input, stores and validates on Run and Done, and shows its compact result block after a run.

#include "systems/conventional/conventional_frame.h"
#include "systems/conventional/minimum_input.h"

namespace pellavan::systems {

[[nodiscard]] const platform::WindowDesign& furnace_window_design();

class FurnaceWindow : public ConventionalFrame {
  Q_OBJECT

 public:
  explicit FurnaceWindow(app::AppState& state, QWidget* parent = nullptr);

  void Form_Load();
  void Form_Activate() override;
  void ComboFurnace_Click();
  void ComboAC_Click();
  void ComboWH_Click();
  void ComboCoilQuality_Click();
  void ComboCoilCondition_Click();
  void list_GotFocus(platform::ControlEvent& event);
  void list_LostFocus();
  void txtAA95cap_LostFocus();
  void txtAAFinput_LostFocus();
  void cmdRun_Click();
  void cmdDone_Click();

  void AC_Pic();
  void WH_Pic();
  void Furnace_Pic();
  void CoilQuality_Pic();
  void CoilCondition_Pic();
  void Save_Furnace();
  void Test_Data();

  [[nodiscard]] const MinimumInput& minimum() const { return minimum_; }
  [[nodiscard]] bool test_failed() const { return TestFailed != 0; }

 private:
  void store_fields() override;
  void validate() override;
  [[nodiscard]] std::string described_unit() const override;
  [[nodiscard]] bool electric() const;
  [[nodiscard]] QString capacity_text() const;  // the capacity as the field shows it
  [[nodiscard]] QString input_text() const;

  MinimumInput minimum_{};
};

}  // namespace pellavan::systems
