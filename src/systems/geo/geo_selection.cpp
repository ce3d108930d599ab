// The Geo A and Geo B equipment lists and the rules that tie the choices together.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/catalogue/catalogue_readers.h"
#include "model/input/catalogue_list.h"
#include "model/units/number_text.h"
#include "platform/catalogue_lists.h"
#include "platform/designed_form.h"
#include "platform/message_box.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/geo/geo_picture_panel.h"
#include "systems/geo/geo_window.h"
#include "program_state/analysis_session.h"

namespace pellavan::geo {

namespace {
constexpr model::Int16 kWellWaterLoop = 10;
constexpr model::Int16 kLoopAfterUnitChange = 23;
constexpr model::Int16 kLoopInsteadOfWell = 28;
constexpr double kBtuhPerKw = 3413.0;
}  // namespace

void GeoWindow::fill_lists() {
  model::ModelState& m = state_.model;
  const bool show_inactive = state_.DealerRec.HideInactive == 0;
  const auto& folder = m.program_folder;
  platform::fill_list(form()[c_.ComboAuxHeat],
                      {{0, "Supplement Heat Pump", {}}, {1, "Override Heat Pump", {}}});
  platform::fill_list(form()[c_.comboUnit],
                      model::catalogue_list<model::GeoUnitRec>(
                          m.data_files, folder, m.edition().unit_file, show_inactive),
                      form()[c_.comboUnit2]);
  if (hydronic()) {
    platform::fill_list(
        form()[ComboUnit3],
        model::catalogue_list<model::GeoUnitRec>(
            m.data_files, folder, m.edition().unit_file, show_inactive, model::ListOrder::FileOrder,
            [](const model::GeoUnitRec& u) { return u.HydronicFlag == 0; }),
        form()[comboUnit4]);
    unit2_type_ = 0;
  }
  fill_ground_and_heater_lists();
  Load_WHList();
}

void GeoWindow::fill_ground_and_heater_lists() {
  model::ModelState& m = state_.model;
  const bool show_inactive = state_.DealerRec.HideInactive == 0;
  const auto& folder = m.program_folder;
  platform::fill_list(form()[c_.comboLoop],
                      model::catalogue_list<model::LoopRec>(
                          m.data_files, folder, model::loop_file_name(m.MetricFlag), show_inactive),
                      form()[c_.comboLoop2]);
  platform::fill_list(
      form()[c_.comboSoil],
      model::catalogue_list<model::SoilRec>(m.data_files, folder,
                                            model::soil_file_name(m.MetricFlag), show_inactive));
  platform::fill_list(form()[c_.ComboFurnace],
                      model::catalogue_list<model::FurnaceRec>(
                          m.data_files, folder, m.edition().furnace_file, show_inactive));
}

void GeoWindow::Load_WHList() {
  model::ModelState& m = state_.model;
  auto entries = model::catalogue_list<model::WaterHeaterRec>(m.data_files, m.program_folder,
                                                              m.edition().water_heater_file, true);
  if (hydronic() && full_hot_water_ == 1)
    std::erase_if(entries,
                  [](const model::ListEntry& e) { return !full_hot_water_heater(e.text); });
  QComboBox* list = form()[c_.ComboWH];
  platform::fill_list(list, entries, form()[c_.ComboWH2]);
  const auto wanted = static_cast<model::Int16>(block_.water_heater_id.get(rec()));
  if (wanted == 0 || list->count() == 0) return;
  const int first = list->findData(QVariant(int{wanted}));  // the first entry with the id
  list->setCurrentIndex(first >= 0 ? first : list->count() - 1);
}

void GeoWindow::run_list_handler(ComboHandle list) {
  if (list.ref == c_.comboUnit.ref)
    comboUnit_Click();
  else if (list.ref == c_.comboLoop.ref)
    comboLoop_Click();
  else if (list.ref == c_.comboSoil.ref)
    comboSoil_Click();
  else if (list.ref == c_.ComboFurnace.ref)
    ComboFurnace_Click();
  else if (list.ref == c_.ComboAuxHeat.ref)
    ComboAuxHeat_Click();
  else if (list.ref == c_.ComboWH.ref)
    ComboWH_Click();
  else if (hydronic() && list.ref == ComboUnit3.ref)
    ComboUnit3_Click();
}

void GeoWindow::changed() {
  form()[c_.BtnBin]->setEnabled(false);
  form()[c_.cmdRun]->setEnabled(true);
}

void GeoWindow::change_test_name(ComboHandle list, const Name& field) {
  if (!equal_ci(trimmed_text(list), field.get(rec()))) changed();
}

void GeoWindow::cover_ground_inputs(bool covered) {
  for (platform::ControlRef ref : {c_.lblDepth.ref, c_.txtDpth.ref, c_.Label17.ref, c_.chkAuto.ref,
                                   c_.Label24.ref, c_.comboSoil.ref})
    form().widget(ref)->setVisible(!covered);
  if (covered) {
    for (platform::ControlRef ref :
         {c_.lblBore1.ref, c_.lblBore2.ref, c_.txtTrBor.ref, c_.lblLoop1.ref, c_.lblLoop2.ref,
          c_.txtGeoMin.ref, c_.TxtGeoMax.ref})
      form().widget(ref)->hide();
  } else {
    show_entry_groups();
  }
}

void GeoWindow::open_loop_rule(bool from_loop_pick) {
  // Hidden channel: GeoUnitRec is the unit Unit_Click read last.
  const bool capable = hybrid_capable(state_.model.GeoUnitRec.UnitType);
  if (open_loop(trimmed_text(c_.comboLoop))) {
    if (capable) {
      form()[c_.frmHybrid]->hide();
      form()[c_.optHybrid2]->setChecked(true);
    }
    cover_ground_inputs(true);
    return;
  }
  const bool stand_alone = !hydronic() || form()[optHydroHybrid1]->isChecked();
  if (capable && (hydronic() ? stand_alone : from_loop_pick)) form()[c_.frmHybrid]->show();
  cover_ground_inputs(false);
}

void GeoWindow::force_loop(model::Int16 id, const char* message) {
  if (message != nullptr) platform::message_box(this, QString::fromUtf8(message));
  platform::select_id(form()[c_.comboLoop], id);
  change_test_name(c_.comboLoop, block_.loop_name);
}

void GeoWindow::Check_LoopRules() {
  open_loop_rule(false);
  change_test_name(c_.comboLoop, block_.loop_name);
  const std::string loop = trimmed_text(c_.comboLoop);
  if (well_water_only_ && !is_well_water(loop)) {
    const bool stored_well = is_well_water(block_.loop_name.get(rec()));
    force_loop(kWellWaterLoop, stored_well ? nullptr : "Well Water Only Allowed for this Product");
  } else if (no_well_water_ && is_well_water(loop)) {
    force_loop(kLoopAfterUnitChange, nullptr);
  }
}

void GeoWindow::comboUnit_Click() {
  hide_view();
  const model::Int16 id = platform::selected_id(form()[c_.comboUnit]);
  state_.model.WantedUnitId = id;
  const std::string refusal = unit_data_refusal(model::unit_record_lookup(state_.model, id),
                                                state_.model.edition().unit_file, id);
  if (!refusal.empty()) {
    platform::message_box(this, QString::fromStdString(refusal));
    return;
  }
  const model::GeoUnitRec& unit = state_.model.GeoUnitRec;
  const std::string name = model::utf8_from_cp1252(unit.Name.str());
  well_water_only_ = starts_with_ci(name, "RKD");
  no_well_water_ = starts_with_ci(name, "RKF");
  Check_LoopRules();
  const bool closed = !open_loop(trimmed_text(c_.comboLoop));
  const bool offer =
      closed && hybrid_capable(unit.UnitType) && (!hydronic() || unit.HydronicFlag != 1);
  form()[c_.frmHybrid]->setVisible(offer);
  if (!offer || hydronic()) form()[c_.optHybrid2]->setChecked(true);
  if (offer && hydronic()) {
    form()[ComboUnit3]->hide();
    form()[txtHybridUqty]->hide();
    form()[lblHybridTons]->hide();
    form()[optHydroHybrid1]->setChecked(true);
  }
  const bool quantity = quantity_shown(unit.UnitType);
  form()[c_.txtUqty]->setVisible(quantity);
  form()[c_.lblTons]->setVisible(quantity);
  if (!quantity) platform::set_text(form()[c_.txtUqty], "1");
  if (hydronic()) {
    const bool hydronic_unit = unit.HydronicFlag >= 1;
    form()[frmHydroHybrid]->setVisible(hydronic_unit);
    if (!hydronic_unit) {
      for (QWidget* w :
           {static_cast<QWidget*>(form()[ComboUnit3]), static_cast<QWidget*>(form()[lblHybridTons]),
            static_cast<QWidget*>(form()[txtHybridUqty])})
        w->hide();
      form()[optHydroHybrid1]->setChecked(true);
      platform::set_text(form()[txtHybridUqty], "1");
    }
  }
  Unit_Pic();
  change_test_name(c_.comboUnit, block_.unit_name);
}

void GeoWindow::comboLoop_Click() {
  const std::string loop = trimmed_text(c_.comboLoop);
  if (well_water_only_ && !is_well_water(loop))
    force_loop(kWellWaterLoop, "Well Water Only Allowed for this Product");
  else if (no_well_water_ && is_well_water(loop))
    force_loop(kLoopInsteadOfWell, "Well Water Not Allowed for this Product");
  hide_view();
  open_loop_rule(true);
  change_test_name(c_.comboLoop, block_.loop_name);
  Loop_Pic();
}

void GeoWindow::comboSoil_Click() {
  hide_view();
  Soil_Pic();
  change_test_name(c_.comboSoil, block_.soil_name);
}

void GeoWindow::ComboFurnace_Click() {
  hide_view();
  state_.model.WantedUnitId = platform::selected_id(form()[c_.ComboFurnace]);
  model::Load_FossilRecord(state_.model);
  const model::FurnaceRec& heater = state_.model.FurnaceRec;
  const bool electric = electric_heater(trimmed_text(c_.ComboFurnace));
  for (platform::ControlRef ref : {c_.txtInputCap.ref, c_.Label60.ref, c_.Label3.ref, c_.lblMin.ref,
                                   c_.txtMinInput.ref, c_.lblMinBtu.ref})
    form().widget(ref)->setVisible(!electric);
  const double efficiency = heater.FullLoadEff.to_double();
  if (!electric && efficiency > 0) {
    model::Int32& minimum = state_.analysis().loads().MinInputCapacity;
    const double backup = state_.analysis().loads().MinBackupHeat;
    QLineEdit* input = form()[c_.txtInputCap];
    const double typed = model::typed_value(
        input->text().toStdString(), kw_shown() ? model::Places::Decimals : model::Places::Whole);
    if (kw_shown()) {
      const double kw = state_.memos.kw.Btuh_To_KW(backup, block_.minimum_slot);
      minimum = model::round_to_int32(kw / efficiency);
      min_input_kw_ = std::round(kw / efficiency * 10000.0) / 10000.0;
      const QString shown = QString::fromStdString(model::format_fixed(min_input_kw_, 1, false));
      form()[c_.txtMinInput]->setText(shown);
      // Raised to the exact minimum, which is what the validation asks for.
      if (typed < min_input_kw_) platform::set_text(input, shown);
    } else {
      minimum = model::round_to_int32(backup / efficiency);
      form()[c_.txtMinInput]->setText(
          QLocale(QLocale::English).toString(minimum).rightJustified(3, '0'));
      if (typed < minimum) platform::set_text(input, QString::number(minimum));
    }
  }
  if (heater.AddOnMode >= 0) choose_id(c_.ComboAuxHeat, heater.AddOnMode);
  Furnace_Pic();
  change_test_name(c_.ComboFurnace, block_.aux_name);
}

void GeoWindow::ComboAuxHeat_Click() {
  hide_view();
  AuxHeat_Pic();
  if (platform::selected_id(form()[c_.ComboAuxHeat]) != block_.aux_mode.get(rec())) changed();
}

void GeoWindow::ComboWH_Click() {
  hide_view();
  WH_Pic();
  change_test_name(c_.ComboWH, block_.water_heater_name);
}

void GeoWindow::optHybrid_Click() {
  if (hydronic()) {
    if (!form()[c_.optHybrid1]->isChecked()) return;
    if (!form()[optHydroHybrid1]->isChecked()) form()[optHydroHybrid1]->setChecked(true);
    for (QWidget* w :
         {static_cast<QWidget*>(form()[ComboUnit3]), static_cast<QWidget*>(form()[txtHybridUqty]),
          static_cast<QWidget*>(form()[lblHybridTons])})
      w->hide();
    return;
  }
  if ((form()[c_.optHybrid1]->isChecked() ? 1 : 0) != block_.loop_hybrid.get(rec())) changed();
}

void GeoWindow::optHW_Click() {
  if ((form()[c_.optDy]->isChecked() ? 1 : 0) != block_.hw_generator.get(rec())) changed();
}

}  // namespace pellavan::geo
