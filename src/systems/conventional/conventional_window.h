#pragma once
// What the furnace/boiler and heat-pump windows do alike, once, on their ConventionalBlock and
// their EquipmentControls: the lists filled and restored, the furnace's units, minimum input and
// coil combinations on every furnace choice, the change tests of the lists and boxes, the focus
// of the lists, and the fields stored. Each window adds what only it has (the heat pump's
// cut-off and auxiliary-heat mode) and its validation.

#include <memory>

#include "model/input/catalogue_list.h"
#include "systems/conventional/conventional_block.h"
#include "systems/conventional/conventional_checks.h"
#include "systems/conventional/conventional_frame.h"
#include "systems/conventional/minimum_input.h"

namespace pellavan::systems {

class ConventionalWindow : public ConventionalFrame {
  Q_OBJECT

 public:
  ConventionalWindow(const platform::WindowDesign& design, const EquipmentControls& equipment,
                     const ConventionalBlock& block, program_state::AppState& state,
                     QWidget* parent);

  void ComboFurnace_Click();
  void Cooling_Click();  // the air conditioner's or the heat pump's list
  void ComboWH_Click();
  void ComboCoilQuality_Click();
  void ComboCoilCondition_Click();
  void list_GotFocus(platform::ControlEvent& event);
  void list_LostFocus() { list_lost_focus(); }
  void txtAA95cap_LostFocus();
  void txtAAFinput_LostFocus();
  void cmdRun_Click() { run_clicked(); }
  void cmdDone_Click() { done_clicked(); }

  void Cooling_Pic();
  void WH_Pic();
  void Furnace_Pic();
  void CoilQuality_Pic();
  void CoilCondition_Pic();

  [[nodiscard]] const MinimumInput& minimum() const { return minimum_; }

 protected:
  // The lists: the cooling units given, the furnaces, the coils and the water heaters.
  void fill_lists(const std::vector<model::ListEntry>& cooling);
  // A catalogue of the edition as the lists offer it: hidden records left out unless the dealer
  // shows them, sorted without regard to case.
  template <model::CatalogueRecord R>
  [[nodiscard]] std::vector<model::ListEntry> offered(std::string_view file) const {
    return model::catalogue_list<R>(model().data_files, state().program_folder(), file,
                                    state().DealerRec.HideInactive == 0,
                                    model::ListOrder::CaseBlind);
  }
  // The start of a restore; false when results are shown, which keeps every field.
  bool begin_restore();
  // Every list on its second entry (then `more`'s), the capacity shown, the stored choices
  // selected: the cooling unit, the furnace, the water heater and the coils.
  void restore_equipment(std::initializer_list<platform::ComboHandle> more);
  // The input shown, the panel on the logo, the caption and units; the focus passes through
  // `box` to `list`.
  void finish_restore(platform::TextBoxHandle box, platform::ComboHandle list);
  // After a furnace is chosen and its minimum proposed, before its coil combinations.
  virtual void furnace_chosen() {}
  void show_units();
  // The shared fields into the block: the capacity, the input and the choices.
  void save_equipment();
  // The number a box shows, whole or with decimals; nothing when its text shows none, and the
  // box is then refused by the next validation (its field keeps its value).
  [[nodiscard]] std::optional<double> typed(platform::TextBoxHandle box, model::Places places);
  // How the capacity and input boxes show their values: kW with decimals, or whole.
  [[nodiscard]] model::Places load_places() const;
  // What the validation checks; `electric` says whether the electric rows apply.
  [[nodiscard]] SystemFigures figures(bool electric) const;
  // Runs the design's table, with the boxes the last save could not read; true (and
  // TestFailed) when it refuses.
  bool refused(const SystemFigures& figures, double metric_top);
  // Shows a refusal under "Range Violation"; true (and TestFailed).
  bool refuse(const QString& text);

  [[nodiscard]] bool electric() const;
  // The coil-combination list rebuilt, its choice selected (which runs its click).
  static void refill_coil_list(QComboBox* list, const struct CoilChoice& choice);
  // The fixed lists: the coil conditions, the three coil combinations of a fan kind.
  static void fill_coil_conditions(QComboBox* list);
  static void fill_coil_qualities(QComboBox* list, bool variable_speed);
  // A capacity or input as the window shows it: kW with one decimal through its memo slot in kW
  // display, else whole Btu/h.
  [[nodiscard]] QString capacity_shown(double btuh, int kw_slot) const;
  [[nodiscard]] model::ProjectRec& rec() const { return model().ProjectRec; }
  [[nodiscard]] const EquipmentControls& equipment() const { return e_; }

 private:
  [[nodiscard]] QString capacity_text() const;
  [[nodiscard]] QString input_text() const;
  void propose_minimum();
  // The combination a restore and a furnace choice select: the stored one, or the default
  // project's when the stored one names no entry.
  [[nodiscard]] int coil_quality_to_restore();
  void store_choice(const QComboBox* list, const Number& id, const Name& name) const;
  [[nodiscard]] bool differs(const QComboBox* list, const Name& stored) const;

  EquipmentControls e_;
  MinimumInput minimum_{};
  std::vector<model::UnreadableBox> unreadable_;  // boxes of the last save that show no number
  std::unique_ptr<model::ProjectRec> defaults_;   // read when first needed
};

}  // namespace pellavan::systems
