#pragma once
// The project-information window: the customer and job data, the city and the building's design
// loads. It stays loaded, hidden, between showings; every showing fills it from the project and
// recalculates. Its contents reach the project at every recalculation and at Done, which also
// raises the systems' backup inputs. Closed by the close box or Escape it goes without the Done
// steps and discards everything typed since it was shown: the project, its city and its loads
// are put back as they were. The user cannot resize it.

#include <optional>
#include <vector>

#include "model/load_calc_state.h"
#include "program_state/app_state.h"
#include "program_state/window_registry.h"
#include "model/catalogue/city_lists.h"
#include "model/input/range_check.h"
#include "platform/designed_dialog.h"
#include "platform/message_box.h"

namespace pellavan::app {

class ScaleBar;

[[nodiscard]] const platform::WindowDesign& project_window_design();

class ProjectWindow : public platform::DesignedDialog {
  Q_OBJECT

 public:
  explicit ProjectWindow(program_state::AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QString city_text() const;  // the selected city as listed

  void Form_Load();
  void Form_Activate() override;
  void Form_Deactivate() override;
  void Form_Unload() override;

  // Public operations.
  void Convert_Sensible();
  void Min_Backup();
  void GetCd();
  [[nodiscard]] bool Test_Data();   // false: a range message was shown (DataInvalid)
  [[nodiscard]] bool Calc_Loads();  // false: the workbook refused the inputs (LoadsInvalid)

  // Handlers.
  void Done_Click();
  void Command2_Click();
  void Command3_Click();
  void Help_Click();
  void comboState_Click();
  void comboCity_Click();
  void chkSensible_Click();
  void txtPnote1_Change();
  void correction_Change();
  void txtHload_LostFocus();
  void txtHdt_LostFocus();
  void txtCload_LostFocus();
  void temperature_LostFocus(platform::ControlEvent& event);
  void txtDate_LostFocus();
  void txtSensiblePercent_LostFocus();

  [[nodiscard]] ScaleBar& scale() const { return *scale_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  [[nodiscard]] bool Get_Input();
  [[nodiscard]] bool city_selected() const;
  // The date box empty, or holding a date of the years a project may carry.
  [[nodiscard]] bool date_within_years() const;
  void build_state_list();
  void fill_fields();
  void show_sensible_mode();
  // The selected city's climate, and the results of the last calculation when `computed`.
  void show_readouts(bool computed);
  void say(const platform::MessageRequest& request);
  void show_pending();
  void attention(const char* text);
  void set_unit_captions();
  [[nodiscard]] model::UnitOptions units() const;
  void refuse(const model::Refusal& refusal);

  // What the project was when the window was shown, put back when it closes without Done.
  struct Before {
    model::ProjectRec project;
    model::CityRec city;
    model::LoadCalcState loads;
  };

  program_state::AppState& state_;
  ScaleBar* scale_;
  std::optional<Before> before_;
  std::vector<model::CityEntry> cities_;          // the city file as the last activation read it
  std::vector<model::CityItem> city_items_;       // what the city list shows
  std::vector<model::UnreadableBox> unreadable_;  // boxes of the last Get_Input showing no number
  int Filling = 0;
  bool in_done_ = false;
  bool activating_ = false;
  std::vector<platform::MessageRequest> pending_;  // messages of the activation, not yet shown
  // While a check or calculation runs, its message box takes the focus from the field that has
  // it: the field's leaving then starts nothing (one message, never a cascade of them).
  int checking_ = 0;
};

}  // namespace pellavan::app
