// Geo A's hydronic applications: the four modes, the second unit and the water heaters that
// follow the mode.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/catalogue/catalogue_readers.h"
#include "platform/catalogue_lists.h"
#include "platform/designed_form.h"
#include "platform/message_box.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/geo/geo_window.h"

namespace pellavan::geo {

namespace {

// An option button of an exclusive group cleared from code.
void clear_option(QRadioButton* option) {
  option->setAutoExclusive(false);
  option->setChecked(false);
  option->setAutoExclusive(true);
}

}  // namespace

// A mode without full hot water turns the full hot-water heater 5 into heater 4 in the block,
// so that the reloaded list selects it. Not while the block is being restored: the restore's
// own passing selections would rewrite a stored tandem block's heater.
void GeoWindow::drop_full_hot_water_heater() {
  if (!loading_ && rec().GeoA_WaterHeaterId == 5) rec().GeoA_WaterHeaterId = 4;
}

int GeoWindow::current_mode() const {
  if (!hydronic()) return 0;
  if (form()[optHydroHybrid1]->isChecked()) return 1;
  if (form()[optHydroHybrid2]->isChecked()) return 2;
  if (form()[optHydroHybrid3]->isChecked()) return 3;
  if (form()[optGeoOnly]->isChecked()) return 4;
  return 0;
}

void GeoWindow::mode_change_test() {
  if (current_mode() != rec().GeoA_HydronicMode) changed();
}

void GeoWindow::second_unit_quantity(bool reset) {
  const bool shown = quantity_shown(unit2_type_);
  form()[txtHybridUqty]->setVisible(shown);
  form()[lblHybridTons]->setVisible(shown);
  if (reset || !shown) platform::set_text(form()[txtHybridUqty], "1");
}

void GeoWindow::ComboUnit3_Click() {
  hide_view();
  const model::Int16 id = platform::selected_id(form()[ComboUnit3]);
  state_.model.WantedUnitId = id;
  const std::string refusal = unit_data_refusal(model::unit_record_lookup(state_.model, id),
                                                state_.model.edition().unit_file, id);
  if (!refusal.empty()) {
    platform::message_box(this, QString::fromStdString(refusal));
    return;
  }
  unit2_type_ = state_.model.GeoUnitRec.UnitType;
  second_unit_quantity(false);
  Unit_Pic3();
  change_test_name(ComboUnit3, model::text_field<&model::ProjectRec::GeoA_Unit2Name>());
}

void GeoWindow::optHydroHybrid1_Click() {
  for (QWidget* w :
       {static_cast<QWidget*>(form()[ComboUnit3]), static_cast<QWidget*>(form()[lblHybridTons]),
        static_cast<QWidget*>(form()[txtHybridUqty])})
    w->hide();
  clear_option(form()[c_.optHybrid1]);
  full_hot_water_ = 0;
  drop_full_hot_water_heater();
  hide_view();
  Load_WHList();
  mode_change_test();
}

void GeoWindow::optHydroHybrid2_Click() {
  form()[ComboUnit3]->show();
  second_unit_quantity(true);
  full_hot_water_ = 1;
  hide_view();
  Load_WHList();
  mode_change_test();
}

void GeoWindow::optHydroHybrid3_Click() {
  form()[frmHydroHybrid]->show();
  form()[ComboUnit3]->show();
  second_unit_quantity(false);
  full_hot_water_ = 0;
  drop_full_hot_water_heater();
  hide_view();
  Load_WHList();
  mode_change_test();
}

void GeoWindow::optGeoOnly_Click() {
  for (QWidget* w :
       {static_cast<QWidget*>(form()[ComboUnit3]), static_cast<QWidget*>(form()[lblHybridTons]),
        static_cast<QWidget*>(form()[txtHybridUqty])})
    w->hide();
  clear_option(form()[c_.optHybrid1]);
  platform::set_text(form()[txtHybridUqty], "1");
  full_hot_water_ = 1;
  hide_view();
  Load_WHList();
  mode_change_test();
}

void GeoWindow::cmdHydroHelp_Click() {
  hide_view();
  Hybrid_PIC();
}

// The stored mode comes back whole: the stand-alone modes too, so that the next save stores the
// mode and the water-heater filter the user chose.
void GeoWindow::restore_hydronic_mode() {
  const model::ProjectRec& r = rec();
  const int mode = r.GeoA_HydronicMode;
  const bool hydronic_unit = !form()[frmHydroHybrid]->isHidden();
  if ((mode == 2 || mode == 3) && r.GeoA_Tandem == 1) {
    form()[frmHydroHybrid]->show();
    form()[cmdHydroHelp]->show();
    form()[ComboUnit3]->show();
    // Hidden channel: GeoUnitRec is the unit read last, by Unit_Click or ComboUnit3_Click.
    const bool shown = quantity_shown(state_.model.GeoUnitRec.UnitType);
    form()[txtHybridUqty]->setVisible(shown);
    form()[lblHybridTons]->setVisible(shown);
    form()[mode == 2 ? optHydroHybrid2 : optHydroHybrid3]->setChecked(true);
    platform::set_text(form()[txtHybridUqty],
                       QString::number(r.GeoA_Unit2Tons.to_double(), 'g', 15));
    full_hot_water_ = mode == 2 ? 1 : 0;
  } else {
    form()[lblHybridTons]->hide();
    form()[txtHybridUqty]->hide();
    form()[c_.optHybrid2]->show();
    if (hydronic_unit && mode == 1) form()[optHydroHybrid1]->setChecked(true);
    if (hydronic_unit && mode == 4) form()[optGeoOnly]->setChecked(true);
    full_hot_water_ = hydronic_unit && mode == 4 ? 1 : 0;
  }
  Load_WHList();
}

}  // namespace pellavan::geo
