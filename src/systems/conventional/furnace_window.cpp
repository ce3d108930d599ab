#include "systems/conventional/furnace_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/catalogue/catalogue_readers.h"
#include "model/input/catalogue_list.h"
#include "model/report_workbook_sheets.h"
#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "platform/catalogue_lists.h"
#include "platform/handler_table.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "systems/conventional/coil_combinations.h"
#include "systems/conventional/furnace_window_design.h"
#include "systems/conventional/system_description.h"

namespace pellavan::systems {

using namespace furnace_window;
using platform::Event;

namespace {

constexpr int kFurnaceSystem = 4;
constexpr int kCapacitySlot = 45;
constexpr int kInputSlot = 40;
constexpr int kMinimumSlot = 16;
constexpr FrameSpec kSpec{
    .result_sheet = model::kFuqSheet, .system_type = kFurnaceSystem, .bin_view_code = 4};

using On = platform::On<FurnaceWindow>;
const On kHandlers[] = {
    {ComboFurnace, Event::Click, &FurnaceWindow::ComboFurnace_Click},
    {ComboAC, Event::Click, &FurnaceWindow::ComboAC_Click},
    {ComboWH, Event::Click, &FurnaceWindow::ComboWH_Click},
    {ComboCoilQuality, Event::Click, &FurnaceWindow::ComboCoilQuality_Click},
    {ComboCoilCondition, Event::Click, &FurnaceWindow::ComboCoilCondition_Click},
    {ComboFurnace, Event::GotFocus, &FurnaceWindow::list_GotFocus},
    {ComboAC, Event::GotFocus, &FurnaceWindow::list_GotFocus},
    {ComboWH, Event::GotFocus, &FurnaceWindow::list_GotFocus},
    {ComboCoilQuality, Event::GotFocus, &FurnaceWindow::list_GotFocus},
    {ComboCoilCondition, Event::GotFocus, &FurnaceWindow::list_GotFocus},
    {ComboFurnace, Event::LostFocus, &FurnaceWindow::list_LostFocus},
    {ComboAC, Event::LostFocus, &FurnaceWindow::list_LostFocus},
    {ComboWH, Event::LostFocus, &FurnaceWindow::list_LostFocus},
    {ComboCoilQuality, Event::LostFocus, &FurnaceWindow::list_LostFocus},
    {ComboCoilCondition, Event::LostFocus, &FurnaceWindow::list_LostFocus},
    {txtAA95cap, Event::LostFocus, &FurnaceWindow::txtAA95cap_LostFocus},
    {txtAAFinput, Event::LostFocus, &FurnaceWindow::txtAAFinput_LostFocus},
};

}  // namespace

const platform::WindowDesign& furnace_window_design() { return kDesign; }

FurnaceWindow::FurnaceWindow(app::AppState& state, QWidget* parent)
    : ConventionalFrame(kDesign, kFrame, kSpec, state, parent) {
  wire<FurnaceWindow>(kHandlers);
  Form_Load();
}

void FurnaceWindow::Form_Load() {
  auto& m = model();
  const QSignalBlocker a(form()[ComboAC]), f(form()[ComboFurnace]), w(form()[ComboWH]);
  fill_coil_qualities(form()[ComboCoilQuality], m.FurnaceRec.IcmFanFlag.to_double() == 1.0);
  fill_coil_conditions(form()[ComboCoilCondition]);
  platform::fill_list(form()[ComboAC],
                      model::catalogue_list<model::ACRec>(
                          m.data_files, state().program_folder(), m.edition().ac_file,
                          state().DealerRec.HideInactive == 0, model::ListOrder::CaseBlind),
                      form()[ComboAC2]);
  fill_furnaces(form()[ComboFurnace]);
  fill_water_heaters(form()[ComboWH], form()[ComboWH2]);
  Logo_Pic();
}

bool FurnaceWindow::electric() const { return shows_electric(form()[ComboFurnace]); }

QString FurnaceWindow::capacity_text() const {
  return capacity_shown(model().ProjectRec.Furnace_ACCapacity, kCapacitySlot);
}

QString FurnaceWindow::input_text() const {
  const auto& rec = model().ProjectRec;
  if (!kw_display() && electric()) return whole_text(whole_kw_raised(rec.Furnace_Input));
  return capacity_shown(rec.Furnace_Input, kInputSlot);
}

void FurnaceWindow::Form_Activate() {
  begin_activation();
  if (ResultsShown != 0) return;
  LoadingForm = true;
  auto& rec = model().ProjectRec;
  form()[kFrame.Picture1]->hide();
  for (auto list : {ComboFurnace, ComboWH, ComboAC, ComboCoilQuality, ComboCoilCondition})
    select_second(form()[list]);
  platform::set_text(form()[txtAA95cap], capacity_text());
  if (rec.Furnace_ACId != 0) select_data(form()[ComboAC], rec.Furnace_ACId);
  if (rec.Furnace_UnitId != 0) select_data(form()[ComboFurnace], rec.Furnace_UnitId);
  if (rec.Furnace_WaterHeaterId != 0) select_data(form()[ComboWH], rec.Furnace_WaterHeaterId);
  if (const auto entry = coil_condition_entry(rec.Furnace_CoilCondition.to_double()))
    select_data(form()[ComboCoilCondition], *entry);
  select_data(form()[ComboCoilQuality],
              coil_quality_to_restore(&model::ProjectRec::Furnace_CoilQuality));
  platform::set_text(form()[txtAAFinput], input_text());
  end_restore();
  setWindowTitle(QStringLiteral("Furnace / Boiler"));
  const bool kw = kw_display();
  const QString input_unit = kw || electric() ? QStringLiteral("kW") : QStringLiteral("Btu/hr");
  form()[lblBtuKw2]->setText(input_unit);
  form()[txtBtuKw]->setText(input_unit);
  form()[txt10]->setText(kw ? QStringLiteral("kW") : QStringLiteral("Btu/hr"));
  form()[txtAAFinput]->setFocus();
  form()[ComboFurnace]->setFocus();
}

void FurnaceWindow::ComboFurnace_Click() {
  hide_view();
  auto* list = form()[ComboFurnace];
  if (list->currentIndex() < 0) return;
  const bool kw = kw_display();
  const bool elec = electric();
  const QString unit = kw || elec ? QStringLiteral("kW") : QStringLiteral("Btu/hr");
  form()[lblBtuKw2]->setText(unit);
  form()[txtBtuKw]->setText(unit);
  form()[txt10]->setText(kw ? QStringLiteral("kW") : QStringLiteral("Btu/hr"));
  form()[txtAAFinput]->setMaxLength(kw || elec ? 4 : 7);
  auto& m = model();
  m.WantedUnitId = static_cast<model::Int16>(list->currentData().toInt());
  model::Load_FossilRecord(m);
  auto& loads = state().analysis().loads();
  minimum_ = minimum_input(loads.MinBackupHeat, m.FurnaceRec.FullLoadEff.to_double(), kw,
                           state().memos.kw, kMinimumSlot);
  loads.MinInputCapacity = minimum_.capacity;
  auto* box = form()[txtAAFinput];
  if (!minimum_.known) {
    form()[txtMinInput]->clear();  // no efficiency: nothing to enforce until validation refuses it
  } else if (kw) {
    form()[txtMinInput]->setText(one_decimal_text(minimum_.kw));
    platform::set_text(box, one_decimal_text(minimum_.kw));
  } else if (elec) {
    form()[txtMinInput]->setText(grouped_whole(minimum_.capacity / kBtuhPerKw, 2));
    const double v = text_value(box);
    if (v < minimum_.raised_kw || v > 500) platform::set_text(box, whole_text(minimum_.raised_kw));
  } else {
    form()[txtMinInput]->setText(grouped_whole(minimum_.capacity, 3));
    if (text_value(box) < minimum_.capacity) platform::set_text(box, whole_text(minimum_.capacity));
  }
  const CoilChoice coils =
      coil_choice(m.FurnaceRec.IcmFanFlag.to_double(), list->currentText().toStdString(),
                  coil_quality_to_restore(&model::ProjectRec::Furnace_CoilQuality));
  refill_coil_list(form()[ComboCoilQuality], coils);
  Furnace_Pic();
  if (differs(list, m.ProjectRec.Furnace_UnitName)) mark_changed();
}

void FurnaceWindow::ComboAC_Click() {
  hide_view();
  AC_Pic();
  if (differs(form()[ComboAC], model().ProjectRec.Furnace_ACName)) mark_changed();
}

void FurnaceWindow::ComboWH_Click() {
  hide_view();
  WH_Pic();
  if (differs(form()[ComboWH], model().ProjectRec.Furnace_WaterHeaterName)) mark_changed();
}

void FurnaceWindow::ComboCoilQuality_Click() {
  hide_view();
  CoilQuality_Pic();
  const auto id = selected_data(form()[ComboCoilQuality]);
  if (id && *id != model().ProjectRec.Furnace_CoilQuality) mark_changed();
}

void FurnaceWindow::ComboCoilCondition_Click() {
  hide_view();
  CoilCondition_Pic();
  const auto id = selected_data(form()[ComboCoilCondition]);
  if (id && model::Currency::from_double(*id / 10.0) != model().ProjectRec.Furnace_CoilCondition)
    mark_changed();
}

void FurnaceWindow::list_GotFocus(platform::ControlEvent& event) {
  hide_view();
  if (event.control == ComboFurnace.ref)
    Furnace_Pic();
  else if (event.control == ComboAC.ref)
    AC_Pic();
  else if (event.control == ComboWH.ref)
    WH_Pic();
  else if (event.control == ComboCoilQuality.ref)
    CoilQuality_Pic();
  else
    CoilCondition_Pic();
}

void FurnaceWindow::list_LostFocus() { list_lost_focus(); }

void FurnaceWindow::AC_Pic() { show_twin_picture(form()[ComboAC], form()[ComboAC2]); }
void FurnaceWindow::WH_Pic() { show_twin_picture(form()[ComboWH], form()[ComboWH2]); }
void FurnaceWindow::Furnace_Pic() { show_furnace_picture(form()[ComboFurnace]); }
void FurnaceWindow::CoilQuality_Pic() { show_coil_quality_picture(); }
void FurnaceWindow::CoilCondition_Pic() { show_coil_condition_picture(); }

void FurnaceWindow::txtAA95cap_LostFocus() {
  if (text_value(form()[txtAA95cap]) != model::Val(capacity_text().toStdString())) mark_changed();
}

void FurnaceWindow::txtAAFinput_LostFocus() {
  if (text_value(form()[txtAAFinput]) != model::Val(input_text().toStdString())) mark_changed();
}

void FurnaceWindow::Save_Furnace() {
  auto& rec = model().ProjectRec;
  auto& kw = state().memos.kw;
  const double capacity = text_value(form()[txtAA95cap]);
  const double input = text_value(form()[txtAAFinput]);
  if (kw_display()) {
    const double shown = model::Val(model::format_fixed(capacity, 1, false));
    rec.Furnace_ACCapacity = model::round_to_int32(kw.KW_To_Btuh(shown, kCapacitySlot));
    rec.Furnace_Input = model::round_to_int32(kw.KW_To_Btuh(input, kInputSlot));
  } else {
    rec.Furnace_ACCapacity = model::round_to_int32(capacity);
    const model::Int32 whole = model::round_to_int32(input);
    rec.Furnace_Input = electric() ? model::round_to_int32(whole * kBtuhPerKw) : whole;
  }
  store_selection(form()[ComboAC], rec.Furnace_ACId, rec.Furnace_ACName);
  store_selection(form()[ComboFurnace], rec.Furnace_UnitId, rec.Furnace_UnitName);
  store_selection(form()[ComboWH], rec.Furnace_WaterHeaterId, rec.Furnace_WaterHeaterName);
  if (const auto c = selected_data(form()[ComboCoilCondition]))
    rec.Furnace_CoilCondition = model::Currency::from_double(*c / 10.0);
  if (const auto q = selected_data(form()[ComboCoilQuality]))
    rec.Furnace_CoilQuality = static_cast<model::Int16>(*q);
}

void FurnaceWindow::Test_Data() {
  TestFailed = 0;
  auto& m = model();
  SystemFigures figures{.capacity = m.ProjectRec.Furnace_ACCapacity,
                        .input = m.ProjectRec.Furnace_Input,
                        .efficiency = m.FurnaceRec.FullLoadEff.to_double(),
                        .electric = electric(),
                        .kw_display = kw_display(),
                        .minimum = minimum_};
  if (const auto refusal = check_furnace(figures, model::UnitOptions::of(m.MetricFlag))) {
    platform::message_box(this, {.text = QString::fromStdString(refusal->text),
                                 .title = QString::fromUtf8(refusal->row->title),
                                 .icon = refusal->row->icon});
    TestFailed = 1;
    return;
  }
  // The reader's sheet choice goes nowhere: no view of the analysis workbook moves.
  model::InMemoryReportWorkbookSheets no_view;
  model::Load_ACRecord(m, no_view);
  model::Load_FossilRecord(m);
  if (m.FurnaceRec.IcmFanFlag.to_double() == 0.0 && m.ACRec.TwoStageFlag.to_double() == 1.0)
    platform::message_box(
        this, QStringLiteral("Variable speed fans are recommended with 2-stage air conditioners"));
}

void FurnaceWindow::cmdRun_Click() { run_clicked(); }
void FurnaceWindow::cmdDone_Click() { done_clicked(); }
void FurnaceWindow::store_fields() { Save_Furnace(); }
void FurnaceWindow::validate() { Test_Data(); }
std::string FurnaceWindow::described_unit() const {
  return model::shown_text(model().ProjectRec.Furnace_UnitName);
}

}  // namespace pellavan::systems
