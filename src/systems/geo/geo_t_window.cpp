// The Geo T window: its lists, the restore with the defaults of an empty block, the capacity
// limits and the quantity box, Save's replacements, validation with the unit record, and Run.
#include "systems/geo/geo_t_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_readers.h"
#include "model/input/catalogue_list.h"
#include "model/input/unit_binding.h"
#include "platform/catalogue_lists.h"
#include "platform/control_widgets.h"
#include "platform/designed_form.h"
#include "platform/message_box.h"
#include "platform/window_inputs.h"
#include "systems/results/bin_viewer.h"
#include "systems/geo/geo_checks.h"
#include "systems/geo/geo_t_block.h"
#include "systems/geo/geo_t_save_rules.h"
#include "systems/geo/geo_t_window_design.h"
#include "program_state/analysis_session.h"

namespace pellavan::geo {

namespace {

using platform::Event;

constexpr model::BinViewId kOperatingView = model::BinViewId::GeoTOp;
constexpr std::int64_t kFirstJnWaterHeater = 12;
constexpr const char* kWellWaterNotice =
    "JN/JR Models using Well Water require an External Brazed Plate HX.\n\n"
    "Consult Oskerby Application Engineering for Details.";

ComboHandle limit_list(CapacityLimit limit) {
  switch (limit) {
    case CapacityLimit::HeatMax: return ComboHmax;
    case CapacityLimit::CoolMax: return ComboCmax;
    case CapacityLimit::HeatMin: return ComboHmin;
    case CapacityLimit::CoolMin: return ComboCmin;
  }
  return ComboHmax;
}

double as_currency(double v) { return std::round(v * 10000.0) / 10000.0; }

}  // namespace

GeoTWindow::GeoTWindow(program_state::AppState& state, QWidget* parent)
    : GeoWindow(state, kGeoTDesign, kGeoTBlock, kGeoTHandles, parent, false) {
  using W = GeoTWindow;
  own_handlers_ = {{BtnOp, Event::Click, &W::BtnOp_Click},
                   {c_.cmdDone, Event::LostFocus, &W::cmdDone_LostFocus}};
  for (ComboHandle list : {ComboHmax, ComboCmax, ComboHmin, ComboCmin})
    own_handlers_.push_back({list, Event::Click, &W::ComboLimit_Click});
  wire(std::span<const platform::On<GeoTWindow>>(own_handlers_));
  Form_Load();
}

void GeoTWindow::fill_lists() {
  model::ModelState& m = state_.model;
  const bool show_inactive = state_.DealerRec.HideInactive == 0;
  const auto& folder = m.program_folder;
  platform::fill_list(form()[c_.ComboAuxHeat], {{0, "Supplement Heat Pump", {}}});
  platform::fill_list(form()[c_.comboUnit],
                      model::catalogue_list<model::TUnitRec>(m.data_files, folder,
                                                             model::kTUnitFile, show_inactive),
                      form()[c_.comboUnit2]);
  fill_ground_and_heater_lists();
  TRELOADWH({});
}

void GeoTWindow::TRELOADWH(const std::string& model) {
  model::ModelState& m = state_.model;
  const std::int64_t first = equal_ci(model, "JN") ? kFirstJnWaterHeater : 1;
  QComboBox* list = form()[c_.ComboWH];
  platform::fill_list(list,
                      model::catalogue_list<model::WaterHeaterRec>(
                          m.data_files, m.program_folder, m.edition().water_heater_file, true,
                          model::ListOrder::FileOrder, nullptr, first),
                      form()[c_.ComboWH2]);
  const auto wanted = static_cast<model::Int16>(block_.water_heater_id.get(rec()));
  if (wanted == 0 || list->count() == 0) return;
  list->setCurrentIndex(std::max(list->findData(QVariant(int{wanted})), 0));  // the first match
}

void GeoTWindow::Form_Activate() {
  if (results_shown_ != 1) {
    for (const GeoTDefaultId& d : kGeoTDefaultIds)
      if (d.field.get(rec()) == 0) d.field.set(rec(), d.id);
  }
  GeoWindow::Form_Activate();
  if (results_shown_ == 1) return;
  restore_limits();
  form()[BtnOp]->setEnabled(false);
  form()[ComboCmax]->setFocus();
  form()[c_.comboUnit]->setFocus();
}

void GeoTWindow::changed() {
  GeoWindow::changed();
  form()[BtnOp]->setEnabled(false);
}

// The result view comes back over the picture, which stays.
bool GeoTWindow::leaving_clears_picture(platform::ControlRef /*list*/) const { return false; }

bool GeoTWindow::read_selected_unit(bool& found) {
  const model::Int16 id = platform::selected_id(form()[c_.comboUnit]);
  state_.model.WantedUnitId = id;
  const model::CatalogueLookup lookup = model::t_unit_record_lookup(state_.model, id);
  found = lookup == model::CatalogueLookup::kFound;
  const std::string refusal = unit_record_refusal(lookup, id, state_.model.TUnitRec);
  if (refusal.empty()) return true;
  platform::message_box(this, QString::fromStdString(refusal));
  return false;
}

void GeoTWindow::build_limits(double quantity) {
  // Hidden channel: TUnitRec is the unit read_selected_unit read last.
  const float rated = state_.model.TUnitRec.RatedCapMax;
  for (const CapacityLimitList& l : kCapacityLimitLists) {
    std::vector<model::ListEntry> entries;
    for (const CapacityEntry& e : capacity_entries(l, rated, quantity))
      entries.push_back({static_cast<model::Int16>(e.item), e.text, {}});
    QComboBox* list = form()[limit_list(l.limit)];
    platform::fill_list(list, entries);
    platform::select_id(list, static_cast<model::Int16>(l.default_item));
  }
}

void GeoTWindow::restore_limits() {
  for (const CapacityLimitList& l : kCapacityLimitLists) {
    const int item = item_of_fraction(capacity_field(l.limit).get(rec()));
    if (item != 0)
      platform::select_id(form()[limit_list(l.limit)], static_cast<model::Int16>(item));
  }
}

void GeoTWindow::show_quantity_box(int unit_type) {
  const bool shown = unit_type == 1;
  form()[c_.txtUqty]->setVisible(shown);
  form()[c_.lblTons]->setVisible(shown);
  if (!shown) platform::set_text(form()[c_.txtUqty], QStringLiteral("1"));
}

void GeoTWindow::comboUnit_Click() {
  hide_view();
  bool found = false;
  const bool usable = read_selected_unit(found);
  if (usable || !found) build_limits(0);  // not found: from the last record read
  if (!usable) return;
  TRELOADWH(trimmed_text(c_.comboUnit).substr(0, 2));
  show_quantity_box(state_.model.TUnitRec.UnitType);
  Unit_Pic();
  change_test_name(c_.comboUnit, block_.unit_name);
  if (!form()[c_.txtUqty]->isHidden()) txtUqty_LostFocus();
}

void GeoTWindow::txtUqty_LostFocus() {
  QLineEdit* box = form()[c_.txtUqty];
  const double quantity = typed_in(c_.txtUqty.ref).value_or(0.0);
  platform::set_field_colour(box, platform::kFieldColour);
  if (quantity == 0) return;  // the lists stay; Run refuses the quantity
  hide_view();
  bool found = false;
  const bool usable = read_selected_unit(found);
  if (usable || !found) build_limits(quantity);
  if (!usable) return;
  show_quantity_box(state_.model.TUnitRec.UnitType);
  Unit_Pic();
  change_test_name(c_.comboUnit, block_.unit_name);
  if (as_currency(quantity) != as_currency(block_.tons.get(rec()))) changed();
}

void GeoTWindow::text_LostFocus(platform::ControlEvent& event) {
  if (event.control == c_.txtUqty.ref)
    txtUqty_LostFocus();
  else
    GeoWindow::text_LostFocus(event);
}

void GeoTWindow::ComboLimit_Click(platform::ControlEvent& event) {
  for (const CapacityLimitList& l : kCapacityLimitLists) {
    QComboBox* list = form()[limit_list(l.limit)];
    if (!(event.control == limit_list(l.limit).ref) || list->currentIndex() < 0) continue;
    if (platform::selected_id(list) != item_of_fraction(capacity_field(l.limit).get(rec())))
      changed();
  }
}

void GeoTWindow::comboLoop_Click() {
  hide_view();
  const std::string loop = trimmed_text(c_.comboLoop);
  if (!loading_ && equal_ci(loop, "Well Water"))
    platform::message_box(this, QString::fromUtf8(kWellWaterNotice));
  const bool open = open_loop(loop);
  // Hidden channel: TUnitRec is the unit Unit_Click read last.
  if (open && hybrid_capable(state_.model.TUnitRec.UnitType)) {
    form()[c_.frmHybrid]->hide();
    form()[c_.optHybrid2]->setChecked(true);
    form()[c_.optHybrid1]->hide();
    form()[c_.optHybrid2]->hide();
  }
  cover_ground_inputs(open);
  change_test_name(c_.comboLoop, block_.loop_name);
  Loop_Pic();
}

void GeoTWindow::Save_It() {
  model::ProjectRec& r = rec();
  QLineEdit* depth = form()[c_.txtDpth];
  model::UnitMemos scratch = state_.memos;
  const std::string stored =
      model::show_value(kGeoTUnits[1], r, units(), scratch);  // the depth as it was shown
  platform::set_text(depth,
                     QString::fromStdString(saved_depth(depth->text().toStdString(), stored)));
  const std::pair<TextBoxHandle, const char*> temperatures[] = {{c_.txtGeoMin, "30"},
                                                                {c_.TxtGeoMax, "90"}};
  for (const auto& [handle, replacement] : temperatures) {
    QLineEdit* box = form()[handle];
    platform::set_text(box, QString::fromStdString(
                                saved_loop_temperature(box->text().toStdString(), replacement)));
  }
  GeoWindow::Save_It();
  for (const CapacityLimitList& l : kCapacityLimitLists) {
    QComboBox* list = form()[limit_list(l.limit)];
    if (list->currentIndex() >= 0)
      capacity_field(l.limit).set(r, fraction_of_item(platform::selected_id(list)));
  }
}

void GeoTWindow::Test_Data() {
  data_invalid_ = 0;
  const GeoCheckValues values(block_, rec(), trimmed_text(c_.comboLoop),
                              trimmed_text(c_.ComboFurnace),
                              state_.analysis().loads().MinInputCapacity, min_input_kw_);
  if (!platform::passes(this, form(), values, state_.model.MetricFlag, unreadable_)) {
    data_invalid_ = 1;
    return;
  }
  // The unit the block names must be readable, or the workbook would run on another unit.
  const auto id = static_cast<model::Int16>(block_.unit_id.get(rec()));
  const std::string refusal =
      unit_record_refusal(model::t_unit_record_lookup(state_.model, id), id, state_.model.TUnitRec);
  if (!refusal.empty()) {
    platform::message_box(this, QString::fromStdString(refusal));
    data_invalid_ = 1;
  }
}

void GeoTWindow::cmdRun_Click() {
  GeoWindow::cmdRun_Click();
  if (Timer1().isActive()) form()[BtnOp]->setEnabled(false);
}

void GeoTWindow::Timer1_Timer() {
  GeoWindow::Timer1_Timer();
  form()[BtnOp]->setEnabled(true);
}

void GeoTWindow::BtnOp_Click() {
  if (QDialog* viewer = systems::prepare_bin_viewer(state_, kOperatingView, this))
    show_modal(*viewer);
}

void GeoTWindow::cmdDone_LostFocus() { form()[c_.comboUnit]->setFocus(); }

std::unique_ptr<QDialog> make_geo_t_window(program_state::AppState& state, QWidget* parent) {
  return std::make_unique<GeoTWindow>(state, parent);
}

}  // namespace pellavan::geo
