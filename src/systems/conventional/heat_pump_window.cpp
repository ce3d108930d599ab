#include "systems/conventional/heat_pump_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "model/catalogue/catalogue_readers.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "platform/catalogue_lists.h"
#include "platform/handler_table.h"
#include "platform/message_box.h"
#include "systems/conventional/coil_combinations.h"
#include "systems/conventional/cut_off_entry.h"
#include "systems/conventional/conventional_designs.h"

namespace pellavan::systems {

using namespace heat_pump_window;
using platform::Event;

namespace {

constexpr int kCutOffSlot = 37;  // the temperature memo's slot of the cut-off
constexpr int kAuxModeFromFurnace = 99;

using On = platform::On<HeatPumpWindow>;
const On kHandlers[] = {
    {ComboAuxHeat, Event::Click, &HeatPumpWindow::ComboAuxHeat_Click},
    {ComboAuxHeat, Event::GotFocus, &HeatPumpWindow::ComboAuxHeat_GotFocus},
    {ComboAuxHeat, Event::LostFocus, &HeatPumpWindow::list_LostFocus},
    {txtAaCutTmp, Event::LostFocus, &HeatPumpWindow::txtAaCutTmp_LostFocus},
    {kEquipment.frame.cmdDone, Event::LostFocus, &HeatPumpWindow::cmdDone_LostFocus},
};

}  // namespace

HeatPumpWindow::HeatPumpWindow(program_state::AppState& state, QWidget* parent)
    : ConventionalWindow(kDesign, kEquipment, kHeatPumpBlock, state, parent) {
  wire<HeatPumpWindow>(kHandlers);
  Form_Load();
}

void HeatPumpWindow::Form_Load() {
  auto& m = model();
  fill_fixed(form()[ComboAuxHeat], {{"Override Heat Pump", 1}, {"Supplement Heat Pump", 0}});
  fill_lists(offered<model::AirHPRec>(m.edition().air_hp_file));
  const bool vspd = m.FurnaceRec.IcmFanFlag.to_double() == 1.0;
  form()[kEquipment.textCoilQuality]->setText(
      vspd ? QString::fromUtf8(kVspdCaption) : QStringLiteral("Indoor Coil Combination - Std Fan"));
}

model::Places HeatPumpWindow::cut_off_places() const {
  return celsius_display() ? model::Places::Decimals : model::Places::Whole;
}

QString HeatPumpWindow::cut_off_text() const {
  if (celsius_display())
    return one_decimal_text(
        state().memos.temperature.show_celsius(kCutOffSlot, rec().HeatPump_CutOffTemp));
  return whole_text(rec().HeatPump_CutOffTemp);
}

void HeatPumpWindow::Form_Activate() {
  if (!begin_restore()) return;
  restore_equipment({ComboAuxHeat});
  auto& r = rec();
  platform::set_text(form()[txtAaCutTmp], cut_off_text());
  if (r.HeatPump_AuxMode == kAuxModeFromFurnace) r.HeatPump_AuxMode = model().FurnaceRec.AddOnMode;
  if (r.HeatPump_AuxMode >= 0)
    platform::select_id(form()[ComboAuxHeat], static_cast<model::Int16>(r.HeatPump_AuxMode));
  form()[Lab10]->setText(celsius_display() ? QStringLiteral("Deg C") : QStringLiteral("Degrees F"));
  finish_restore(kEquipment.txtAA95cap, kEquipment.cooling);
}

// The furnace's own operation mode, and the caption of its fan's coil combinations.
void HeatPumpWindow::furnace_chosen() {
  const auto& furnace = model().FurnaceRec;
  if (furnace.AddOnMode >= 0) platform::select_id(form()[ComboAuxHeat], furnace.AddOnMode);
  form()[kEquipment.textCoilQuality]->setText(
      QString::fromUtf8(furnace.IcmFanFlag.to_double() == 1.0 ? kVspdCaption : kStdCaption));
}

void HeatPumpWindow::ComboAuxHeat_Click() {
  hide_view();
  AuxHeat_Pic();
  const auto id = selected_data(form()[ComboAuxHeat]);
  if (id && *id != rec().HeatPump_AuxMode) mark_changed();
}

void HeatPumpWindow::ComboAuxHeat_GotFocus() {
  hide_view();
  AuxHeat_Pic();
}

void HeatPumpWindow::AuxHeat_Pic() { show_picture(QStringLiteral("AuxHeat.bmp"), std::nullopt); }

void HeatPumpWindow::txtAaCutTmp_LostFocus() {
  auto* box = form()[txtAaCutTmp];
  const QString shown = cut_off_text();
  const std::string left =
      cut_off_left_text(box->text().toStdString(), shown.toStdString(), cut_off_places());
  if (QString::fromStdString(left) != box->text())
    platform::set_text(box, QString::fromStdString(left));
  if (model::differs_from_shown(left, shown.toStdString(), cut_off_places())) mark_changed();
}

void HeatPumpWindow::cmdDone_LostFocus() {
  if (isVisible()) form()[kEquipment.cooling]->setFocus();
}

void HeatPumpWindow::Save_HeatPump() {
  save_equipment();
  auto& r = rec();
  if (const auto cut_off = typed(txtAaCutTmp, cut_off_places())) {
    const double f = celsius_display()
                         ? state().memos.temperature.store_fahrenheit(kCutOffSlot, *cut_off)
                         : model::round_half_even(*cut_off);
    r.HeatPump_CutOffTemp = static_cast<model::Int16>(std::clamp(f, -32768.0, 32767.0));
  }
  if (const auto a = selected_data(form()[ComboAuxHeat])) r.HeatPump_AuxMode = *a;
}

void HeatPumpWindow::GetAirToAirData() {
  auto& m = model();
  // Read without moving any view of the analysis workbook.
  model::find_catalogue_record(m.data_files, m.program_folder, m.edition().air_hp_file,
                               m.ProjectRec.HeatPump_UnitId, m.AirHPRec);
}

void HeatPumpWindow::Test_Data() {
  TestFailed = 0;
  auto& m = model();
  SystemFigures checked =
      figures(electric() && electric_checked_in_kw(block(), model::UnitOptions::of(m.MetricFlag)));
  checked.cut_off = rec().HeatPump_CutOffTemp;
  if (refused(checked, kHeatPumpMetricTop)) return;
  model::Load_FossilRecord(m);
  GetAirToAirData();
  const bool standard_fan = m.FurnaceRec.IcmFanFlag.to_double() == 0.0;
  const bool override_mode = rec().HeatPump_AuxMode == 1;
  if (standard_fan && m.AirHPRec.VarSpeedFlag == 1 && override_mode) {
    refuse(QStringLiteral("Variable speed fans are required with variable-speed heat pumps"));
    return;
  }
  if (standard_fan && override_mode &&
      (m.AirHPRec.TwoStageFlag.to_double() == 1.0 || m.FurnaceRec.FuelType == 4))
    platform::message_box(
        this, QStringLiteral("Variable speed fans are recommended with 2-stage heat pumps"));
}

}  // namespace pellavan::systems
