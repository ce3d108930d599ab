#include "systems/conventional/conventional_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "model/catalogue/catalogue_readers.h"
#include "model/project/default_files.h"
#include "model/units/number_text.h"
#include "platform/catalogue_lists.h"
#include "platform/handler_table.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/typing_limit.h"
#include "platform/window_inputs.h"
#include "systems/conventional/coil_combinations.h"
#include "program_state/analysis_session.h"

namespace pellavan::systems {

using platform::Event;

ConventionalWindow::ConventionalWindow(const platform::WindowDesign& design,
                                       const EquipmentControls& equipment,
                                       const ConventionalBlock& block,
                                       program_state::AppState& state, QWidget* parent)
    : ConventionalFrame(design, equipment.frame, block, state, parent), e_(equipment) {
  using On = platform::On<ConventionalWindow>;
  const On handlers[] = {
      {e_.ComboFurnace, Event::Click, &ConventionalWindow::ComboFurnace_Click},
      {e_.cooling, Event::Click, &ConventionalWindow::Cooling_Click},
      {e_.ComboWH, Event::Click, &ConventionalWindow::ComboWH_Click},
      {e_.ComboCoilQuality, Event::Click, &ConventionalWindow::ComboCoilQuality_Click},
      {e_.ComboCoilCondition, Event::Click, &ConventionalWindow::ComboCoilCondition_Click},
      {e_.txtAA95cap, Event::LostFocus, &ConventionalWindow::txtAA95cap_LostFocus},
      {e_.txtAAFinput, Event::LostFocus, &ConventionalWindow::txtAAFinput_LostFocus},
  };
  wire<ConventionalWindow>(handlers);
  for (const platform::ComboHandle list :
       {e_.ComboFurnace, e_.cooling, e_.ComboWH, e_.ComboCoilQuality, e_.ComboCoilCondition}) {
    const On focus[] = {{list, Event::GotFocus, &ConventionalWindow::list_GotFocus},
                        {list, Event::LostFocus, &ConventionalWindow::list_LostFocus}};
    wire<ConventionalWindow>(focus);
  }
}

void ConventionalWindow::fill_lists(const std::vector<model::ListEntry>& cooling) {
  const auto& m = model();
  const QSignalBlocker a(form()[e_.cooling]), f(form()[e_.ComboFurnace]), w(form()[e_.ComboWH]);
  fill_coil_conditions(form()[e_.ComboCoilCondition]);
  platform::fill_list(form()[e_.cooling], cooling, form()[e_.cooling_twin]);
  platform::fill_list(form()[e_.ComboFurnace],
                      offered<model::FurnaceRec>(m.edition().furnace_file));
  fill_coil_qualities(form()[e_.ComboCoilQuality], m.FurnaceRec.IcmFanFlag.to_double() == 1.0);
  platform::fill_list(form()[e_.ComboWH],
                      offered<model::WaterHeaterRec>(m.edition().water_heater_file),
                      form()[e_.ComboWH2]);
  Logo_Pic();
}

bool ConventionalWindow::begin_restore() {
  begin_activation();
  if (ResultsShown != 0) return false;
  LoadingForm = true;
  form()[frame().Picture1]->hide();
  return true;
}

void ConventionalWindow::restore_equipment(std::initializer_list<platform::ComboHandle> more) {
  for (const platform::ComboHandle list :
       {e_.ComboFurnace, e_.ComboWH, e_.cooling, e_.ComboCoilQuality, e_.ComboCoilCondition})
    select_second(form()[list]);
  for (const platform::ComboHandle list : more) select_second(form()[list]);
  platform::set_text(form()[e_.txtAA95cap], capacity_text());
  for (const auto& [list, id] : {std::pair{e_.cooling, block().cooling_id},
                                 {e_.ComboFurnace, block().furnace_id},
                                 {e_.ComboWH, block().water_heater_id}}) {
    const int stored = static_cast<int>(id.get(rec()));
    if (stored != 0) platform::select_id(form()[list], static_cast<model::Int16>(stored));
  }
  if (const auto entry = coil_condition_entry(block().coil_condition.get(rec())))
    platform::select_id(form()[e_.ComboCoilCondition], static_cast<model::Int16>(*entry));
  platform::select_id(form()[e_.ComboCoilQuality],
                      static_cast<model::Int16>(coil_quality_to_restore()));
}

void ConventionalWindow::finish_restore(platform::TextBoxHandle box, platform::ComboHandle list) {
  platform::set_text(form()[e_.txtAAFinput], input_text());
  end_restore();
  setWindowTitle(QString::fromUtf8(block().kind->caption));
  show_units();
  form()[box]->setFocus();
  form()[list]->setFocus();
}

bool ConventionalWindow::electric() const {
  return is_electric(form()[e_.ComboFurnace]->currentText().toStdString());
}

QString ConventionalWindow::capacity_text() const {
  return capacity_shown(block().capacity.get(rec()), block().capacity_slot);
}

QString ConventionalWindow::input_text() const {
  const double input = block().input.get(rec());
  if (electric() && (block().electric_input_in_kw_always || !kw_display()))
    return whole_text(whole_kw_raised(input));
  return capacity_shown(input, block().input_slot);
}

void ConventionalWindow::show_units() {
  const bool kw = kw_display();
  const bool elec = electric();
  const QString unit = kw || elec ? QStringLiteral("kW") : QStringLiteral("Btu/hr");
  form()[e_.input_unit]->setText(unit);
  form()[e_.minimum_unit]->setText(unit);
  form()[e_.capacity_unit]->setText(kw ? QStringLiteral("kW")
                                       : QString::fromUtf8(block().capacity_unit));
  platform::set_typing_limit(form()[e_.txtAAFinput], kw     ? 4
                                                     : elec ? block().electric_input_length
                                                            : 7);
}

void ConventionalWindow::ComboFurnace_Click() {
  hide_view();
  auto* list = form()[e_.ComboFurnace];
  if (list->currentIndex() < 0) return;
  show_units();
  auto& m = model();
  m.WantedUnitId = static_cast<model::Int16>(list->currentData().toInt());
  model::Load_FossilRecord(m);
  auto& loads = state().analysis().loads();
  minimum_ = minimum_input(loads.MinBackupHeat, m.FurnaceRec.FullLoadEff.to_double(), kw_display(),
                           state().memos.kw, block().minimum_slot);
  loads.MinInputCapacity = minimum_.capacity;
  propose_minimum();
  furnace_chosen();
  refill_coil_list(form()[e_.ComboCoilQuality],
                   coil_choice(m.FurnaceRec.IcmFanFlag.to_double(),
                               list->currentText().toStdString(), coil_quality_to_restore()));
  Furnace_Pic();
  if (differs(list, block().furnace_name)) mark_changed();
}

// The minimum shown, and the input raised to it (or, for an electric furnace in Btu/h display,
// brought into 1 to 500 kW).
void ConventionalWindow::propose_minimum() {
  auto* box = form()[e_.txtAAFinput];
  auto* shown = form()[e_.txtMinInput];
  const double v = text_value(box, load_places());
  if (!minimum_.known) {
    shown->clear();  // no efficiency: validation refuses the furnace
  } else if (kw_display()) {
    shown->setText(one_decimal_text(minimum_.kw));
    if (block().kw_input_set_to_minimum)
      platform::set_text(box, one_decimal_text(minimum_.kw));
    else if (v < minimum_.capacity)
      platform::set_text(box, whole_text(minimum_.capacity));
  } else if (electric()) {
    shown->setText(block().electric_minimum_raised
                       ? whole_text(minimum_.raised_kw)
                       : grouped_whole(minimum_.capacity / kBtuhPerKw, 2));
    if (v < minimum_.raised_kw || v > 500) platform::set_text(box, whole_text(minimum_.raised_kw));
  } else {
    shown->setText(grouped_whole(minimum_.capacity, 3));
    if (v < minimum_.capacity) platform::set_text(box, whole_text(minimum_.capacity));
  }
}

void ConventionalWindow::Cooling_Click() {
  hide_view();
  Cooling_Pic();
  if (differs(form()[e_.cooling], block().cooling_name)) mark_changed();
}

void ConventionalWindow::ComboWH_Click() {
  hide_view();
  WH_Pic();
  if (differs(form()[e_.ComboWH], block().water_heater_name)) mark_changed();
}

void ConventionalWindow::ComboCoilQuality_Click() {
  hide_view();
  CoilQuality_Pic();
  const auto id = selected_data(form()[e_.ComboCoilQuality]);
  if (id && *id != block().coil_quality.get(rec())) mark_changed();
}

void ConventionalWindow::ComboCoilCondition_Click() {
  hide_view();
  CoilCondition_Pic();
  const auto id = selected_data(form()[e_.ComboCoilCondition]);
  if (id &&
      model::Currency::from_double(*id / 10.0).to_double() != block().coil_condition.get(rec()))
    mark_changed();
}

void ConventionalWindow::list_GotFocus(platform::ControlEvent& event) {
  hide_view();
  if (event.control == e_.ComboFurnace.ref)
    Furnace_Pic();
  else if (event.control == e_.cooling.ref)
    Cooling_Pic();
  else if (event.control == e_.ComboWH.ref)
    WH_Pic();
  else if (event.control == e_.ComboCoilQuality.ref)
    CoilQuality_Pic();
  else
    CoilCondition_Pic();
}

void ConventionalWindow::Cooling_Pic() {
  show_twin_picture(form()[e_.cooling], form()[e_.cooling_twin]);
}
void ConventionalWindow::WH_Pic() { show_twin_picture(form()[e_.ComboWH], form()[e_.ComboWH2]); }
void ConventionalWindow::Furnace_Pic() { show_furnace_picture(form()[e_.ComboFurnace]); }
void ConventionalWindow::CoilQuality_Pic() { show_coil_quality_picture(); }
void ConventionalWindow::CoilCondition_Pic() { show_coil_condition_picture(); }

void ConventionalWindow::txtAA95cap_LostFocus() {
  if (model::differs_from_shown(form()[e_.txtAA95cap]->text().toStdString(),
                                capacity_text().toStdString(), load_places()))
    mark_changed();
}

void ConventionalWindow::txtAAFinput_LostFocus() {
  if (model::differs_from_shown(form()[e_.txtAAFinput]->text().toStdString(),
                                input_text().toStdString(), load_places()))
    mark_changed();
}

std::optional<double> ConventionalWindow::typed(platform::TextBoxHandle box, model::Places places) {
  const std::string text = form()[box]->text().toStdString();
  const model::TypedNumber number = model::read_typed(text, places);
  if (!number.value) unreadable_.push_back({box.ref, text, number.comma});
  return number.value;
}

model::Places ConventionalWindow::load_places() const {
  return kw_display() ? model::Places::Decimals : model::Places::Whole;
}

void ConventionalWindow::save_equipment() {
  unreadable_.clear();
  auto& kw = state().memos.kw;
  const auto capacity = typed(e_.txtAA95cap, load_places());
  const auto input = typed(e_.txtAAFinput, load_places());
  if (kw_display()) {
    if (capacity) {
      const double shown = block().capacity_read_at_one_decimal
                               ? model::Val(model::format_fixed(*capacity, 1, false))
                               : *capacity;
      block().capacity.set(rec(), kw.KW_To_Btuh(shown, block().capacity_slot));
    }
    if (input) block().input.set(rec(), kw.KW_To_Btuh(*input, block().input_slot));
  } else {
    if (capacity) block().capacity.set(rec(), *capacity);
    if (input) {
      const model::Int32 whole = model::round_to_int32(*input);
      block().input.set(rec(), electric() ? whole * kBtuhPerKw : whole);
    }
  }
  store_choice(form()[e_.cooling], block().cooling_id, block().cooling_name);
  store_choice(form()[e_.ComboFurnace], block().furnace_id, block().furnace_name);
  store_choice(form()[e_.ComboWH], block().water_heater_id, block().water_heater_name);
  if (const auto c = selected_data(form()[e_.ComboCoilCondition]))
    block().coil_condition.set(rec(), *c / 10.0);
  if (const auto q = selected_data(form()[e_.ComboCoilQuality]))
    block().coil_quality.set(rec(), *q);
}

void ConventionalWindow::store_choice(const QComboBox* list, const Number& id,
                                      const Name& name) const {
  if (list->currentIndex() < 0) return;
  id.set(rec(), list->currentData().toInt());
  name.set(rec(), list->currentText().toStdString());
}

bool ConventionalWindow::differs(const QComboBox* list, const Name& stored) const {
  return differs_text(list, model::shown_text(stored.get(rec())));
}

SystemFigures ConventionalWindow::figures(bool electric) const {
  return {.capacity = static_cast<Int32>(block().capacity.get(rec())),
          .input = static_cast<Int32>(block().input.get(rec())),
          .efficiency = model().FurnaceRec.FullLoadEff.to_double(),
          .electric = electric,
          .kw_display = kw_display(),
          .minimum = minimum_};
}

bool ConventionalWindow::refused(const SystemFigures& figures, double metric_top) {
  if (platform::passes(this, form(), SystemCheckValues(figures, metric_top), model().MetricFlag,
                       unreadable_))
    return false;
  TestFailed = 1;
  return true;
}

bool ConventionalWindow::refuse(const QString& text) {
  platform::message_box(this, {.text = text,
                               .title = QStringLiteral("Range Violation"),
                               .icon = platform::MessageIcon::Exclamation});
  TestFailed = 1;
  return true;
}

int ConventionalWindow::coil_quality_to_restore() {
  if (!defaults_) {
    defaults_ = std::make_unique<model::ProjectRec>();
    model::DefaultZoom zoom = state().DefaultZoom;  // the run's zoom levels stay as they are
    if (model::load_default_project(state().program_folder(), *defaults_, zoom) !=
        model::DefaultLoadStatus::kOk)
      *defaults_ = model::ProjectRec{};
  }
  return restored_coil_quality(static_cast<int>(block().coil_quality.get(rec())),
                               static_cast<int>(block().coil_quality.get(*defaults_)));
}

void ConventionalWindow::refill_coil_list(QComboBox* list, const CoilChoice& choice) {
  {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const CoilEntry& e : choice.entries) list->addItem(QString::fromStdString(e.text), e.id);
    list->setCurrentIndex(-1);
  }
  if (choice.selected != 0) platform::select_id(list, static_cast<model::Int16>(choice.selected));
}

void ConventionalWindow::fill_coil_conditions(QComboBox* list) {
  fill_fixed(list, {{"New", 0}, {"Clean", 5}, {"Average", 10}, {"Dirty", 15}});
}

void ConventionalWindow::fill_coil_qualities(QComboBox* list, bool variable_speed) {
  const std::vector<CoilEntry> coils = coil_set(variable_speed);
  fill_fixed(list,
             {{coils[0].text.c_str(), 1}, {coils[1].text.c_str(), 2}, {coils[2].text.c_str(), 3}});
}

QString ConventionalWindow::capacity_shown(double btuh, int kw_slot) const {
  if (kw_display()) return one_decimal_text(state().memos.kw.Btuh_To_KW(btuh, kw_slot));
  return whole_text(btuh);
}

}  // namespace pellavan::systems
