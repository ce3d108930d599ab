#pragma once
// The Geo A ("Form8") and Geo B ("Form9") windows: one class over the shared geothermal frame
// (picture panel, result view, view lock, zoom, help, field entry) and the block of the system
// it edits. Geo A adds the hydronic applications with the second unit. Run validates the block,
// then writes the comparison columns' description and fills the analysis workbook from a
// one-shot timer once the wait label is painted; the result view shows the system's compact
// panel of the one analysis workbook.

#include <QTimer>
#include <optional>
#include <vector>

#include "program_state/app_state.h"
#include "platform/handler_table.h"
#include "systems/geo/geo_block.h"
#include "systems/geo/geo_frame.h"
#include "systems/geo/geo_window_design.h"

namespace pellavan::geo {

class GeoWindow : public GeoFrame {
  Q_OBJECT

 public:
  GeoWindow(program_state::AppState& state, const platform::WindowDesign& design,
            const GeoBlock& block, const GeoControls& controls, QWidget* parent = nullptr,
            bool load_now = true);
  ~GeoWindow() override;

  void Unit_Pic3();
  virtual void Test_Data();

  void Form_Load();
  void Form_Activate() override;
  virtual void Save_It();
  virtual void cmdRun_Click();
  virtual void Timer1_Timer();
  void cmdDone_Click();
  void BtnBin_Click();
  void chkAuto_Click();

  // Selection rules.
  virtual void comboUnit_Click();
  void ComboUnit3_Click();
  virtual void comboLoop_Click();
  void comboSoil_Click();
  void ComboFurnace_Click();
  void ComboAuxHeat_Click();
  void ComboWH_Click();
  void optHybrid_Click();
  void optHW_Click();
  void optHydroHybrid1_Click();
  void optHydroHybrid2_Click();
  void optHydroHybrid3_Click();
  void optGeoOnly_Click();
  void cmdHydroHelp_Click();
  void Label40_Click();

  // Field entry.
  void list_GotFocus(platform::ControlEvent& event);
  void list_LostFocus(platform::ControlEvent& event);
  void list_DropDown(platform::ControlEvent& event);
  virtual void text_LostFocus(platform::ControlEvent& event);
  void text_KeyPress(platform::ControlEvent& event);

  [[nodiscard]] int DataInvalid() const { return data_invalid_; }
  [[nodiscard]] int ResultsShown() const { return results_shown_; }
  [[nodiscard]] double MinInputKW() const { return min_input_kw_; }
  [[nodiscard]] QTimer& Timer1() { return results_.timer(); }
  [[nodiscard]] const GeoBlock& block() const { return block_; }
  [[nodiscard]] const GeoControls& controls() const { return c_; }

 protected:
  // Geo A: the hydronic applications with the second unit.
  [[nodiscard]] bool hydronic() const { return design().controls.data() == kGeoAControls.data(); }
  [[nodiscard]] model::ProjectRec& rec() const { return state_.model.ProjectRec; }
  [[nodiscard]] model::UnitOptions units() const;
  [[nodiscard]] bool kw_shown() const;
  void wire_handlers();
  virtual void fill_lists();
  void fill_ground_and_heater_lists();  // loops, soils, auxiliary heaters
  void Load_WHList();
  void Check_LoopRules();
  void open_loop_rule(bool from_loop_pick);
  void force_loop(model::Int16 id, const char* message);
  void cover_ground_inputs(bool covered);
  void show_entry_groups();
  void show_unit_labels();
  virtual void changed();
  // Whether leaving the list with results shown clears the panel's own picture.
  [[nodiscard]] virtual bool leaving_clears_picture(platform::ControlRef list) const;
  void change_test_name(ComboHandle list, const Name& field);
  [[nodiscard]] bool text_changed(platform::ControlRef box) const;
  // The bound box's text read as the box shows it (read_typed); nothing when it shows no number.
  [[nodiscard]] std::optional<double> typed_in(platform::ControlRef box) const;
  void mode_change_test();
  [[nodiscard]] int current_mode() const;
  void second_unit_quantity(bool reset);
  void restore_hydronic_mode();
  void drop_full_hot_water_heater();
  void select_first(ComboHandle list);
  void choose_id(ComboHandle list, model::Int16 id);
  void run_list_handler(ComboHandle list);
  [[nodiscard]] std::string trimmed_text(ComboHandle list) const;
  void limit_bore();

  const GeoBlock& block_;
  const GeoControls& c_;
  std::vector<platform::On<GeoWindow>> handlers_;
  int results_shown_ = 0;
  int data_invalid_ = 0;
  bool well_water_only_ = false;
  bool no_well_water_ = false;
  int full_hot_water_ = 0;
  int unit2_type_ = 0;
  double min_input_kw_ = 0.0;
  std::vector<model::UnreadableBox> unreadable_;  // boxes of the last save that show no number
};

// Opens the Geo A or Geo B window as the registry makes them.
std::unique_ptr<QDialog> make_geo_a_window(program_state::AppState& state, QWidget* parent);
std::unique_ptr<QDialog> make_geo_b_window(program_state::AppState& state, QWidget* parent);

}  // namespace pellavan::geo
