#pragma once
// The utility-rates window: the project's energy prices and inflation rates, the providers and
// a description, shown in the display units and stored per kWh, Ccf and US gallon. Update
// Project validates before it stores; rate files keep a set of rates for other projects. The
// window is loaded afresh at every opening and unloaded when it closes.

#include <optional>
#include <vector>

#include "program_state/app_state.h"
#include "platform/designed_dialog.h"

namespace pellavan::app {

[[nodiscard]] const platform::WindowDesign& rates_window_design();

class RatesWindow : public platform::DesignedDialog {
  Q_OBJECT

 public:
  explicit RatesWindow(program_state::AppState& state, QWidget* parent = nullptr);

  void Form_Load();
  void Form_Activate() override;

  // Writes the window into a rate file the user names; false when nothing was written.
  bool Save_It();
  // The window's rates checked as `rates` holds them; false after a range message.
  [[nodiscard]] bool Test_Data(const model::ProjectRec& rates);

  void Command1_Click();  // open a rate file
  void Command2_Click();  // save
  void Command3_Click();  // update project
  void Command4_Click();  // cancel
  void btnHelp_Click();
  void OptionCCFtoGJ_Click();
  void OptionCCFtoM3_Click();
  void text_Change();

  [[nodiscard]] int RatesChanged() const { return rates_changed_; }

 private:
  // The window into `rec`'s rate block (and the gas option and currency into the globals).
  void Get_Rates(model::ProjectRec& rec);
  void show_rates(const model::ProjectRec& rec);
  void set_gas_unit(bool per_gj);
  void set_unit_labels();
  [[nodiscard]] bool currency_missing();
  [[nodiscard]] model::UnitOptions units() const;

  program_state::AppState& state_;
  int rates_changed_ = 0;
  std::vector<model::UnreadableBox> unreadable_;  // boxes of the last Get_Rates showing no number
};

}  // namespace pellavan::app
