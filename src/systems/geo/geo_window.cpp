// The Geo A and Geo B windows: load, restore, save, validation, Run and its timer, Done.
#include "systems/geo/geo_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/input/unit_binding.h"
#include "platform/catalogue_lists.h"
#include "platform/designed_form.h"
#include "platform/window_inputs.h"
#include "platform/window_placement.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/results/bin_viewer.h"
#include "systems/geo/geo_checks.h"
#include "systems/geo/geo_picture_panel.h"
#include "program_state/analysis_session.h"

namespace pellavan::geo {

using platform::Event;

namespace {

GeoFrameControls frame_of(const GeoControls& c) {
  return {c.Picture1,     c.F1Book1,   c.lblUnitDesc, c.HscrZoom, c.comboUnit,
          c.comboUnit2,   c.comboLoop, c.comboLoop2,  c.ComboWH,  c.ComboWH2,
          c.ComboFurnace, c.lblWait,   c.cmdRun,      c.BtnBin,   c.cmdDone};
}

}  // namespace

GeoWindow::GeoWindow(program_state::AppState& state, const platform::WindowDesign& design,
                     const GeoBlock& block, const GeoControls& controls, QWidget* parent,
                     bool load_now)
    : GeoFrame(state, design, frame_of(controls), block.kind->result_sheet, parent),
      block_(block),
      c_(controls) {
  // Done only hides the window; Escape and the close box unload it, so that its next opening
  // loads it afresh and restores the project's block.
  setAttribute(Qt::WA_DeleteOnClose);
  connect(&results_.timer(), &QTimer::timeout, this, &GeoWindow::Timer1_Timer);
  wire_handlers();
  platform::apply_leave_rules(form(), design.units, state_.model.MetricFlag);
  if (load_now) Form_Load();
}

GeoWindow::~GeoWindow() = default;

void GeoWindow::wire_handlers() {
  using W = GeoWindow;
  handlers_ = {
      {c_.cmdRun, Event::Click, &W::cmdRun_Click},
      {c_.cmdDone, Event::Click, &W::cmdDone_Click},
      {c_.BtnBin, Event::Click, &W::BtnBin_Click},
      {c_.btnHelp, Event::Click, &W::btnHelp_Click},
      {c_.chkAuto, Event::Click, &W::chkAuto_Click},
      {c_.HscrZoom, Event::Change, &W::HscrZoom_Change},
      {c_.comboUnit, Event::Click, &W::comboUnit_Click},
      {c_.comboLoop, Event::Click, &W::comboLoop_Click},
      {c_.comboSoil, Event::Click, &W::comboSoil_Click},
      {c_.ComboFurnace, Event::Click, &W::ComboFurnace_Click},
      {c_.ComboAuxHeat, Event::Click, &W::ComboAuxHeat_Click},
      {c_.ComboWH, Event::Click, &W::ComboWH_Click},
      {c_.optDy, Event::Click, &W::optHW_Click},
      {c_.optDn, Event::Click, &W::optHW_Click},
      {c_.optHybrid1, Event::Click, &W::optHybrid_Click},
  };
  if (!hydronic()) handlers_.push_back({c_.optHybrid2, Event::Click, &W::optHybrid_Click});
  for (ComboHandle list :
       {c_.comboUnit, c_.comboLoop, c_.comboSoil, c_.ComboFurnace, c_.ComboAuxHeat, c_.ComboWH}) {
    handlers_.push_back({list, Event::GotFocus, &W::list_GotFocus});
    handlers_.push_back({list, Event::LostFocus, &W::list_LostFocus});
    handlers_.push_back({list, Event::DropDown, &W::list_DropDown});
  }
  for (TextBoxHandle box :
       {c_.txtUqty, c_.txtDpth, c_.txtTrBor, c_.txtGeoMin, c_.TxtGeoMax, c_.txtInputCap}) {
    handlers_.push_back({box, Event::LostFocus, &W::text_LostFocus});
    handlers_.push_back({box, Event::KeyPress, &W::text_KeyPress});
  }
  if (hydronic()) {
    handlers_.insert(handlers_.end(), {{ComboUnit3, Event::Click, &W::ComboUnit3_Click},
                                       {ComboUnit3, Event::GotFocus, &W::list_GotFocus},
                                       {ComboUnit3, Event::LostFocus, &W::list_LostFocus},
                                       {ComboUnit3, Event::DropDown, &W::list_DropDown},
                                       {txtHybridUqty, Event::LostFocus, &W::text_LostFocus},
                                       {txtHybridUqty, Event::KeyPress, &W::text_KeyPress},
                                       {optHydroHybrid1, Event::Click, &W::optHydroHybrid1_Click},
                                       {optHydroHybrid2, Event::Click, &W::optHydroHybrid2_Click},
                                       {optHydroHybrid3, Event::Click, &W::optHydroHybrid3_Click},
                                       {optGeoOnly, Event::Click, &W::optGeoOnly_Click},
                                       {cmdHydroHelp, Event::Click, &W::cmdHydroHelp_Click},
                                       {Label40, Event::Click, &W::Label40_Click}});
  }
  wire(std::span<const platform::On<GeoWindow>>(handlers_));
}

model::UnitOptions GeoWindow::units() const {
  return model::UnitOptions::of(state_.model.MetricFlag);
}

bool GeoWindow::kw_shown() const {
  return units().display_of(model::Quantity::Capacity) == model::Display::Metric;
}

std::string GeoWindow::trimmed_text(ComboHandle list) const {
  return form()[list]->currentText().trimmed().toStdString();
}

void GeoWindow::Form_Load() {
  full_hot_water_ = 0;
  form()[c_.lblSystem]->setText(
      QString::fromUtf8(state_.model.edition().system_label.data(),
                        static_cast<int>(state_.model.edition().system_label.size())));
  form()[c_.frmHybrid]->setTitle(QStringLiteral("Loop/Well Hybrid"));
  platform::Center_Form(this);
  results_.attach();
  fill_lists();
  if (!hydronic()) {
    for (QWidget* w :
         {static_cast<QWidget*>(form()[c_.txtUqty]), static_cast<QWidget*>(form()[c_.lblTons]),
          static_cast<QWidget*>(form()[c_.frmHybrid])})
      w->hide();
  }
  show_unit_labels();
}

void GeoWindow::show_unit_labels() {
  const model::UnitOptions u = units();
  const bool metres = u.display_of(model::Quantity::Length) == model::Display::Metric;
  const bool celsius = u.display_of(model::Quantity::Temperature) == model::Display::Metric;
  form()[c_.Label17]->setText(metres ? "m" : "FT");
  form()[c_.lblBore2]->setText(metres ? "m" : "FT");
  form()[c_.Label3]->setText(kw_shown() ? "kW" : "Btu/hr");
  form()[c_.lblMinBtu]->setText(kw_shown() ? "kW" : "Btu/hr");
  form()[c_.lblLoop2]->setText(celsius ? "Deg C" : "Deg F");
}

void GeoWindow::show_entry_groups() {
  const bool automatic = form()[c_.chkAuto]->isChecked();
  for (QWidget* w :
       {static_cast<QWidget*>(form()[c_.lblBore1]), static_cast<QWidget*>(form()[c_.lblBore2]),
        static_cast<QWidget*>(form()[c_.txtTrBor])})
    w->setVisible(!automatic);
  for (QWidget* w :
       {static_cast<QWidget*>(form()[c_.lblLoop1]), static_cast<QWidget*>(form()[c_.lblLoop2]),
        static_cast<QWidget*>(form()[c_.txtGeoMin]), static_cast<QWidget*>(form()[c_.TxtGeoMax])})
    w->setVisible(automatic);
}

void GeoWindow::select_first(ComboHandle list) {
  QComboBox* box = form()[list];
  if (box->count() == 0) return;
  if (box->currentIndex() == 0)
    run_list_handler(list);
  else
    box->setCurrentIndex(0);
}

void GeoWindow::choose_id(ComboHandle list, model::Int16 id) {
  QComboBox* box = form()[list];
  const int before = box->currentIndex();
  platform::select_id(box, id);
  if (box->currentIndex() == before) run_list_handler(list);
}

void GeoWindow::Form_Activate() {
  results_.zoom_to_layout();
  platform::Center_Form(this);
  if (results_shown_ == 1) return;
  loading_ = true;
  model::ProjectRec& r = rec();
  form().widget(c_.Picture1.ref)->hide();
  show_entry_groups();
  std::vector<ComboHandle> lists = {c_.comboUnit,    c_.comboLoop, c_.comboSoil,
                                    c_.ComboFurnace, c_.ComboWH,   c_.ComboAuxHeat};
  if (hydronic()) lists.insert(lists.begin() + 1, ComboUnit3);
  for (ComboHandle list : lists) select_first(list);
  platform::show_units(form(), design().units, r, state_.model.MetricFlag, state_.memos);
  form()[block_.hw_generator.get(r) == 1 ? c_.optDy : c_.optDn]->setChecked(true);
  form()[c_.chkAuto]->setChecked(block_.auto_size.get(r) == 1);
  show_entry_groups();
  const auto stored = [&](const Number& f) { return static_cast<model::Int16>(f.get(r)); };
  if (stored(block_.unit_id) != 0) choose_id(c_.comboUnit, stored(block_.unit_id));
  if (hydronic() && r.GeoA_Tandem != 0 && r.GeoA_Unit2Id != 0)
    choose_id(ComboUnit3, r.GeoA_Unit2Id);
  if (stored(block_.loop_id) != 0) choose_id(c_.comboLoop, stored(block_.loop_id));
  if (stored(block_.soil_id) != 0) choose_id(c_.comboSoil, stored(block_.soil_id));
  if (stored(block_.aux_id) != 0) choose_id(c_.ComboFurnace, stored(block_.aux_id));
  if (stored(block_.water_heater_id) != 0) choose_id(c_.ComboWH, stored(block_.water_heater_id));
  // Hidden channel: a fill writes the repaired quantity and aux mode back into this block.
  // Hidden channel: FurnaceRec is the furnace ComboFurnace_Click or a fill read last.
  if (block_.aux_mode.get(r) == 99) block_.aux_mode.set(r, state_.model.FurnaceRec.AddOnMode);
  if (block_.aux_mode.get(r) >= 0)
    choose_id(c_.ComboAuxHeat, static_cast<model::Int16>(block_.aux_mode.get(r)));
  platform::show_units(form(), design().units, r, state_.model.MetricFlag, state_.memos);
  form()[block_.loop_hybrid.get(r) == 1 ? c_.optHybrid1 : c_.optHybrid2]->setChecked(true);
  if (hydronic()) restore_hydronic_mode();
  form()[c_.BtnBin]->setEnabled(false);
  panel_->show_picture(false);
  form()[c_.lblUnitDesc]->hide();
  Logo_Pic();
  form().widget(c_.Picture1.ref)->show();
  loading_ = false;
  setWindowTitle(QString::fromUtf8(block_.kind->caption));
  show_unit_labels();
  form()[c_.comboLoop]->setFocus();
  form()[c_.comboUnit]->setFocus();
}

void GeoWindow::Save_It() {
  model::ProjectRec& r = rec();
  unreadable_ =
      platform::store_units(form(), design().units, r, state_.model.MetricFlag, state_.memos);
  // Feet shown: the depth is kept whole (half to even), as it is shown.
  if (units().display_of(model::Quantity::Length) == model::Display::Imperial)
    block_.depth.set(r, model::round_to_int32(block_.depth.get(r)));
  if (hydronic()) {
    const int mode = current_mode();
    r.GeoA_HydronicMode = static_cast<model::Int16>(mode);
    r.GeoA_Tandem = mode == 2 || mode == 3 ? 1 : 0;
    if (form()[ComboUnit3]->currentIndex() >= 0) {
      r.GeoA_Unit2Id = platform::selected_id(form()[ComboUnit3]);
      model::assign_utf8(r.GeoA_Unit2Name, trimmed_text(ComboUnit3));
    }
  }
  block_.loop_hybrid.set(r, form()[c_.optHybrid1]->isChecked() ? 1 : 0);
  block_.hw_generator.set(r, form()[c_.optDy]->isChecked() ? 1 : 0);
  block_.auto_size.set(r, form()[c_.chkAuto]->isChecked() ? 1 : 0);
  struct Pick {
    ComboHandle list;
    const model::ProjectNumber* id;
    const Name* name;
  };
  const Pick picks[] = {{c_.comboUnit, &block_.unit_id, &block_.unit_name},
                        {c_.comboLoop, &block_.loop_id, &block_.loop_name},
                        {c_.comboSoil, &block_.soil_id, &block_.soil_name},
                        {c_.ComboFurnace, &block_.aux_id, &block_.aux_name},
                        {c_.ComboWH, &block_.water_heater_id, &block_.water_heater_name}};
  for (const Pick& p : picks) {
    if (form()[p.list]->currentIndex() < 0) continue;  // nothing selected: the field stays
    p.id->set(r, platform::selected_id(form()[p.list]));
    p.name->set(r, trimmed_text(p.list));
  }
  if (form()[c_.ComboAuxHeat]->currentIndex() >= 0)
    block_.aux_mode.set(r, platform::selected_id(form()[c_.ComboAuxHeat]));
}

void GeoWindow::Test_Data() {
  data_invalid_ = 0;
  const GeoCheckValues values(block_, rec(), trimmed_text(c_.comboLoop),
                              trimmed_text(c_.ComboFurnace),
                              state_.analysis().loads().MinInputCapacity, min_input_kw_);
  if (!platform::passes(this, form(), values, state_.model.MetricFlag, unreadable_))
    data_invalid_ = 1;
}

void GeoWindow::cmdRun_Click() {
  form()[c_.cmdRun]->setFocus();
  Save_It();
  Test_Data();
  if (data_invalid_ == 1) {
    data_invalid_ = 0;
    return;
  }
  // Described only once the block is valid, so a refused Run leaves the columns as they were.
  model::ProjectRec& r = rec();
  const bool tandem = hydronic() && (r.GeoA_HydronicMode == 2 || r.GeoA_HydronicMode == 3);
  const std::string second = tandem ? trimmed_text(ComboUnit3) : std::string();
  write_descriptions(
      r, block_.kind->type,
      describe(block_.unit_name.get(r), second, block_.loop_name.get(r), block_.joiner));
  if (hydronic()) panel_->show_picture(false);
  hide_view();
  Logo_Pic();
  results_shown_ = 1;
  results_.start();
}

void GeoWindow::Timer1_Timer() {
  panel_->set_background(0xffffffff);
  if (!results_.fill(this, !hydronic())) results_shown_ = 0;
}

void GeoWindow::cmdDone_Click() {
  Save_It();
  Test_Data();
  if (data_invalid_ == 1) {
    data_invalid_ = 0;
    return;
  }
  panel_->clear_picture();
  hide_view();
  results_shown_ = 0;
  hide();
}

void GeoWindow::BtnBin_Click() {
  if (QDialog* viewer = systems::prepare_bin_viewer(state_, block_.kind->bin_view, this))
    show_modal(*viewer);
}

void GeoWindow::Unit_Pic3() {
  if (loading_ || !hydronic()) return;
  const QString file = platform::twin_text(form()[ComboUnit3], form()[comboUnit4]);
  load_picture(file, 0xff808080, true, false, &ComboUnit3);
}

void GeoWindow::chkAuto_Click() {
  if (form()[c_.chkAuto]->isChecked()) platform::set_text(form()[c_.txtTrBor], "0");
  show_entry_groups();
  if ((form()[c_.chkAuto]->isChecked() ? 1 : 0) != block_.auto_size.get(rec())) changed();
}

std::unique_ptr<QDialog> make_geo_a_window(program_state::AppState& state, QWidget* parent) {
  return std::make_unique<GeoWindow>(state, kGeoADesign, kGeoABlock, kGeoAHandles, parent);
}

std::unique_ptr<QDialog> make_geo_b_window(program_state::AppState& state, QWidget* parent) {
  return std::make_unique<GeoWindow>(state, kGeoBDesign, kGeoBBlock, kGeoBHandles, parent);
}

}  // namespace pellavan::geo
