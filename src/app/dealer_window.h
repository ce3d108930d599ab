#pragma once
// The dealer information and options window: edits the settings file (the dealer's details,
// the unit options and whether discontinued units are offered). Unit options take effect as
// soon as they are selected; Save writes the file and unloads the windows whose lists depend
// on it; Update Project copies the details into the open project only. Save, Update Project
// and Cancel unload the window.

#include "program_state/app_state.h"
#include "platform/designed_dialog.h"

namespace pellavan::app {

[[nodiscard]] const platform::WindowDesign& dealer_window_design();

class DealerWindow : public platform::DesignedDialog {
  Q_OBJECT

 public:
  explicit DealerWindow(program_state::AppState& state, QWidget* parent = nullptr);

  void Form_Load();
  void Form_Activate() override;
  void btnSave_Click();
  void btnCancel_Click();
  void btnClear_Click();
  void cndUpLoad_Click();
  void OptionMyes_Click();
  void OptionMno_Click();
  // The Fahrenheit, Btu and feet pairs: their MetricFlag follows the click.
  void unit_option_Click(platform::ControlEvent& event);

 private:
  void select(platform::OptionHandle option);
  void enable_unit_options(bool on);

  program_state::AppState& state_;
};

}  // namespace pellavan::app
