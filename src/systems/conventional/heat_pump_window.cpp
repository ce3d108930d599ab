#include "systems/conventional/heat_pump_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/catalogue/catalogue_readers.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/input/catalogue_list.h"
#include "model/report_workbook_sheets.h"
#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "platform/catalogue_lists.h"
#include "platform/handler_table.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/typing_limit.h"
#include "systems/conventional/coil_combinations.h"
#include "systems/conventional/cut_off_entry.h"
#include "systems/conventional/heat_pump_window_design.h"
#include "systems/conventional/system_description.h"

namespace pellavan::systems {

using namespace heat_pump_window;
using platform::Event;

namespace {

constexpr int kHeatPumpSystem = 3;
constexpr int kCapacitySlot = 35;
constexpr int kInputSlot = 30;
constexpr int kMinimumSlot = 36;
constexpr int kCutOffSlot = 37;  // the temperature memo's slot of the cut-off
constexpr int kAuxModeFromFurnace = 99;
constexpr FrameSpec kSpec{.result_sheet = model::kAaqSheet,
                          .system_type = kHeatPumpSystem,
                          .bin_view_code = 3,
                          .zoom_back_after_fill = true};

using On = platform::On<HeatPumpWindow>;
const On kHandlers[] = {
    {ComboFurnace, Event::Click, &HeatPumpWindow::ComboFurnace_Click},
    {ComboAir, Event::Click, &HeatPumpWindow::ComboAir_Click},
    {ComboWH, Event::Click, &HeatPumpWindow::ComboWH_Click},
    {ComboCoilQuality, Event::Click, &HeatPumpWindow::ComboCoilQuality_Click},
    {ComboCoilCondition, Event::Click, &HeatPumpWindow::ComboCoilCondition_Click},
    {ComboAuxHeat, Event::Click, &HeatPumpWindow::ComboAuxHeat_Click},
    {ComboAir, Event::GotFocus, &HeatPumpWindow::list_GotFocus},
    {ComboFurnace, Event::GotFocus, &HeatPumpWindow::list_GotFocus},
    {ComboWH, Event::GotFocus, &HeatPumpWindow::list_GotFocus},
    {ComboCoilQuality, Event::GotFocus, &HeatPumpWindow::list_GotFocus},
    {ComboCoilCondition, Event::GotFocus, &HeatPumpWindow::list_GotFocus},
    {ComboAuxHeat, Event::GotFocus, &HeatPumpWindow::list_GotFocus},
    {ComboAir, Event::LostFocus, &HeatPumpWindow::list_LostFocus},
    {ComboFurnace, Event::LostFocus, &HeatPumpWindow::list_LostFocus},
    {ComboWH, Event::LostFocus, &HeatPumpWindow::list_LostFocus},
    {ComboCoilQuality, Event::LostFocus, &HeatPumpWindow::list_LostFocus},
    {ComboCoilCondition, Event::LostFocus, &HeatPumpWindow::list_LostFocus},
    {ComboAuxHeat, Event::LostFocus, &HeatPumpWindow::list_LostFocus},
    {txtAA95cap, Event::LostFocus, &HeatPumpWindow::txtAA95cap_LostFocus},
    {txtAaCutTmp, Event::LostFocus, &HeatPumpWindow::txtAaCutTmp_LostFocus},
    {txtAAFinput, Event::LostFocus, &HeatPumpWindow::txtAAFinput_LostFocus},
    {kFrame.cmdDone, Event::LostFocus, &HeatPumpWindow::cmdDone_LostFocus},
};

}  // namespace

const platform::WindowDesign& heat_pump_window_design() { return kDesign; }

HeatPumpWindow::HeatPumpWindow(app::AppState& state, QWidget* parent)
    : ConventionalFrame(kDesign, kFrame, kSpec, state, parent) {
  wire<HeatPumpWindow>(kHandlers);
  Form_Load();
}

void HeatPumpWindow::Form_Load() {
  auto& m = model();
  const QSignalBlocker a(form()[ComboAir]), f(form()[ComboFurnace]), w(form()[ComboWH]);
  fill_coil_conditions(form()[ComboCoilCondition]);
  fill_fixed(form()[ComboAuxHeat], {{"Override Heat Pump", 1}, {"Supplement Heat Pump", 0}});
  platform::fill_list(form()[ComboAir],
                      model::catalogue_list<model::AirHPRec>(
                          m.data_files, state().program_folder(), m.edition().air_hp_file,
                          state().DealerRec.HideInactive == 0, model::ListOrder::CaseBlind),
                      form()[ComboAir2]);
  fill_furnaces(form()[ComboFurnace]);
  const bool vspd = m.FurnaceRec.IcmFanFlag.to_double() == 1.0;
  fill_coil_qualities(form()[ComboCoilQuality], vspd);
  form()[textCoilQuality]->setText(vspd ? QString::fromUtf8(kVspdCaption)
                                        : QStringLiteral("Indoor Coil Combination - Std Fan"));
  fill_water_heaters(form()[ComboWH], form()[ComboWH2]);
  Logo_Pic();
}

bool HeatPumpWindow::electric() const { return shows_electric(form()[ComboFurnace]); }

QString HeatPumpWindow::capacity_text() const {
  return capacity_shown(model().ProjectRec.HeatPump_Capacity, kCapacitySlot);
}

QString HeatPumpWindow::cut_off_text() const {
  const auto& rec = model().ProjectRec;
  if (celsius_display())
    return one_decimal_text(
        state().memos.temperature.show_celsius(kCutOffSlot, rec.HeatPump_CutOffTemp));
  return whole_text(rec.HeatPump_CutOffTemp);
}

QString HeatPumpWindow::input_text() const {
  const auto& rec = model().ProjectRec;
  if (electric()) return whole_text(whole_kw_raised(rec.HeatPump_BackupInput));
  // "#.0" in kW: the full figure would not fit the field's four characters.
  return capacity_shown(rec.HeatPump_BackupInput, kInputSlot);
}

void HeatPumpWindow::show_units() {
  const bool kw = kw_display();
  const bool elec = electric();
  const QString unit = kw || elec ? QStringLiteral("kW") : QStringLiteral("Btu/hr");
  form()[txtBtuKw]->setText(unit);
  form()[lblBtuKw2]->setText(unit);
  platform::set_typing_limit(form()[txtAAFinput], kw ? 4 : elec ? 3 : 7);
  form()[Lab2]->setText(kw ? QStringLiteral("kW") : QStringLiteral("Btu/Hr"));
  form()[Lab10]->setText(celsius_display() ? QStringLiteral("Deg C") : QStringLiteral("Degrees F"));
}

void HeatPumpWindow::Form_Activate() {
  begin_activation();
  if (ResultsShown != 0) return;
  LoadingForm = true;
  auto& rec = model().ProjectRec;
  form()[kFrame.Picture1]->hide();
  for (auto list :
       {ComboFurnace, ComboWH, ComboAir, ComboCoilQuality, ComboCoilCondition, ComboAuxHeat})
    select_second(form()[list]);
  platform::set_text(form()[txtAA95cap], capacity_text());
  platform::set_text(form()[txtAaCutTmp], cut_off_text());
  if (rec.HeatPump_UnitId != 0) platform::select_id(form()[ComboAir], rec.HeatPump_UnitId);
  if (rec.HeatPump_BackupId != 0) platform::select_id(form()[ComboFurnace], rec.HeatPump_BackupId);
  if (rec.HeatPump_WaterHeaterId != 0)
    platform::select_id(form()[ComboWH], rec.HeatPump_WaterHeaterId);
  const double condition = rec.HeatPump_CoilCondition.to_double();
  if (condition >= 0 && condition * 10 == std::round(condition * 10))
    platform::select_id(form()[ComboCoilCondition], static_cast<model::Int16>(condition * 10));
  if (rec.HeatPump_CoilQuality != 0)
    platform::select_id(form()[ComboCoilQuality], rec.HeatPump_CoilQuality);
  if (rec.HeatPump_AuxMode == kAuxModeFromFurnace)
    rec.HeatPump_AuxMode = model().FurnaceRec.AddOnMode;
  if (rec.HeatPump_AuxMode >= 0)
    platform::select_id(form()[ComboAuxHeat], static_cast<model::Int16>(rec.HeatPump_AuxMode));
  platform::set_text(form()[txtAAFinput], input_text());
  end_restore();
  setWindowTitle(QStringLiteral("Heat Pump"));
  show_units();
  form()[txtAA95cap]->setFocus();
  form()[ComboAir]->setFocus();
}

void HeatPumpWindow::ComboFurnace_Click() {
  hide_view();
  auto* list = form()[ComboFurnace];
  if (list->currentIndex() < 0) return;
  show_units();
  const bool kw = kw_display();
  auto& m = model();
  m.WantedUnitId = static_cast<model::Int16>(list->currentData().toInt());
  model::Load_FossilRecord(m);
  auto& loads = state().analysis().loads();
  minimum_ = minimum_input(loads.MinBackupHeat, m.FurnaceRec.FullLoadEff.to_double(), kw,
                           state().memos.kw, kMinimumSlot);
  loads.MinInputCapacity = minimum_.capacity;
  auto* box = form()[txtAAFinput];
  const double v = text_value(box);
  if (!minimum_.known) {
    form()[txtMinInput]->clear();  // no efficiency: validation refuses the furnace
  } else if (electric() && !kw) {
    form()[txtMinInput]->setText(whole_text(minimum_.raised_kw));
    if (v < minimum_.raised_kw || v > 500) platform::set_text(box, whole_text(minimum_.raised_kw));
  } else {
    form()[txtMinInput]->setText(kw ? one_decimal_text(minimum_.kw)
                                    : grouped_whole(minimum_.capacity, 3));
    if (v < minimum_.capacity) platform::set_text(box, whole_text(minimum_.capacity));
  }
  if (m.FurnaceRec.AddOnMode >= 0)
    platform::select_id(form()[ComboAuxHeat], m.FurnaceRec.AddOnMode);
  const double icm = m.FurnaceRec.IcmFanFlag.to_double();
  form()[textCoilQuality]->setText(QString::fromUtf8(icm == 1.0 ? kVspdCaption : kStdCaption));
  const CoilChoice coils =
      coil_choice(icm, list->currentText().toStdString(), m.ProjectRec.HeatPump_CoilQuality);
  refill_coil_list(form()[ComboCoilQuality], coils);
  show_furnace_picture(list);
  if (differs(list, m.ProjectRec.HeatPump_BackupName)) mark_changed();
}

void HeatPumpWindow::ComboAir_Click() {
  hide_view();
  show_twin_picture(form()[ComboAir], form()[ComboAir2]);
  if (differs(form()[ComboAir], model().ProjectRec.HeatPump_UnitName)) mark_changed();
}

void HeatPumpWindow::ComboWH_Click() {
  hide_view();
  show_twin_picture(form()[ComboWH], form()[ComboWH2]);
  if (differs(form()[ComboWH], model().ProjectRec.HeatPump_WaterHeaterName)) mark_changed();
}

void HeatPumpWindow::ComboCoilQuality_Click() {
  hide_view();
  show_coil_quality_picture();
  const auto id = selected_data(form()[ComboCoilQuality]);
  if (id && *id != model().ProjectRec.HeatPump_CoilQuality) mark_changed();
}

void HeatPumpWindow::ComboCoilCondition_Click() {
  hide_view();
  show_coil_condition_picture();
  const auto id = selected_data(form()[ComboCoilCondition]);
  if (id && model::Currency::from_double(*id / 10.0) != model().ProjectRec.HeatPump_CoilCondition)
    mark_changed();
}

void HeatPumpWindow::ComboAuxHeat_Click() {
  hide_view();
  if (!LoadingForm) show_picture(QStringLiteral("AuxHeat.bmp"), std::nullopt);
  const auto id = selected_data(form()[ComboAuxHeat]);
  if (id && *id != model().ProjectRec.HeatPump_AuxMode) mark_changed();
}

void HeatPumpWindow::list_GotFocus(platform::ControlEvent& event) {
  hide_view();
  if (event.control == ComboAir.ref)
    show_twin_picture(form()[ComboAir], form()[ComboAir2]);
  else if (event.control == ComboFurnace.ref)
    show_furnace_picture(form()[ComboFurnace]);
  else if (event.control == ComboWH.ref)
    show_twin_picture(form()[ComboWH], form()[ComboWH2]);
  else if (event.control == ComboCoilQuality.ref)
    show_coil_quality_picture();
  else if (event.control == ComboCoilCondition.ref)
    show_coil_condition_picture();
  else if (!LoadingForm)
    show_picture(QStringLiteral("AuxHeat.bmp"), std::nullopt);
}

void HeatPumpWindow::list_LostFocus() { list_lost_focus(); }

void HeatPumpWindow::txtAA95cap_LostFocus() {
  if (text_value(form()[txtAA95cap]) != model::Val(capacity_text().toStdString())) mark_changed();
}

void HeatPumpWindow::txtAaCutTmp_LostFocus() {
  auto* box = form()[txtAaCutTmp];
  const QString shown = cut_off_text();
  const std::string left =
      cut_off_left_text(box->text().toStdString(), shown.toStdString(), celsius_display());
  if (QString::fromStdString(left) != box->text())
    platform::set_text(box, QString::fromStdString(left));
  if (model::Val(left) != model::Val(shown.toStdString())) mark_changed();
}

void HeatPumpWindow::txtAAFinput_LostFocus() {
  if (text_value(form()[txtAAFinput]) != model::Val(input_text().toStdString())) mark_changed();
}

void HeatPumpWindow::cmdDone_LostFocus() {
  if (isVisible()) form()[ComboAir]->setFocus();
}

void HeatPumpWindow::Save_HeatPump() {
  auto& rec = model().ProjectRec;
  auto& memos = state().memos;
  const double capacity = text_value(form()[txtAA95cap]);
  const double input = text_value(form()[txtAAFinput]);
  const double cut_off = text_value(form()[txtAaCutTmp]);
  if (kw_display()) {
    rec.HeatPump_Capacity = model::round_to_int32(memos.kw.KW_To_Btuh(capacity, kCapacitySlot));
    rec.HeatPump_BackupInput = model::round_to_int32(memos.kw.KW_To_Btuh(input, kInputSlot));
  } else {
    rec.HeatPump_Capacity = model::round_to_int32(capacity);
    const model::Int32 whole = model::round_to_int32(input);
    rec.HeatPump_BackupInput = electric() ? model::round_to_int32(whole * kBtuhPerKw) : whole;
  }
  const double f = celsius_display() ? memos.temperature.store_fahrenheit(kCutOffSlot, cut_off)
                                     : model::round_half_even(cut_off);
  rec.HeatPump_CutOffTemp = static_cast<model::Int16>(std::clamp(f, -32768.0, 32767.0));
  store_selection(form()[ComboAir], rec.HeatPump_UnitId, rec.HeatPump_UnitName);
  store_selection(form()[ComboFurnace], rec.HeatPump_BackupId, rec.HeatPump_BackupName);
  store_selection(form()[ComboWH], rec.HeatPump_WaterHeaterId, rec.HeatPump_WaterHeaterName);
  if (const auto c = selected_data(form()[ComboCoilCondition]))
    rec.HeatPump_CoilCondition = model::Currency::from_double(*c / 10.0);
  if (const auto q = selected_data(form()[ComboCoilQuality]))
    rec.HeatPump_CoilQuality = static_cast<model::Int16>(*q);
  if (const auto a = selected_data(form()[ComboAuxHeat])) rec.HeatPump_AuxMode = *a;
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
  const auto& rec = m.ProjectRec;
  const bool kw_checked =
      m.MetricFlag(model::kMetricDisplay) == 0 && m.MetricFlag(model::kKeepBtuh) == 0;
  const SystemFigures figures{.capacity = rec.HeatPump_Capacity,
                              .input = rec.HeatPump_BackupInput,
                              .efficiency = m.FurnaceRec.FullLoadEff.to_double(),
                              .electric = electric() && kw_checked,
                              .kw_display = kw_display(),
                              .minimum = minimum_,
                              .cut_off = rec.HeatPump_CutOffTemp};
  const auto refuse = [&](const QString& text) {
    platform::message_box(this, {.text = text,
                                 .title = QStringLiteral("Range Violation"),
                                 .icon = platform::MessageIcon::Exclamation});
    TestFailed = 1;
  };
  if (const auto refusal = check_heat_pump(figures, model::UnitOptions::of(m.MetricFlag))) {
    refuse(QString::fromStdString(refusal->text));
    return;
  }
  model::Load_FossilRecord(m);
  GetAirToAirData();
  const bool standard_fan = m.FurnaceRec.IcmFanFlag.to_double() == 0.0;
  const bool override_mode = rec.HeatPump_AuxMode == 1;
  if (standard_fan && m.AirHPRec.VarSpeedFlag == 1 && override_mode) {
    refuse(QStringLiteral("Variable speed fans are required with variable-speed heat pumps"));
    return;
  }
  if (standard_fan && override_mode &&
      (m.AirHPRec.TwoStageFlag.to_double() == 1.0 || m.FurnaceRec.FuelType == 4))
    platform::message_box(
        this, QStringLiteral("Variable speed fans are recommended with 2-stage heat pumps"));
}

void HeatPumpWindow::cmdRun_Click() { run_clicked(); }
void HeatPumpWindow::cmdDone_Click() { done_clicked(); }
void HeatPumpWindow::store_fields() { Save_HeatPump(); }
void HeatPumpWindow::validate() { Test_Data(); }
std::string HeatPumpWindow::described_unit() const {
  return model::shown_text(model().ProjectRec.HeatPump_UnitName);
}

}  // namespace pellavan::systems
