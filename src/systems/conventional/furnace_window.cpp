#include "systems/conventional/furnace_window.h"

#include "model/catalogue/catalogue_readers.h"
#include "model/report_workbook_sheets.h"
#include "platform/message_box.h"
#include "systems/conventional/conventional_designs.h"

namespace pellavan::systems {

using namespace furnace_window;

FurnaceWindow::FurnaceWindow(program_state::AppState& state, QWidget* parent)
    : ConventionalWindow(kDesign, kEquipment, kFurnaceBlock, state, parent) {
  fill_lists(offered<model::ACRec>(model().edition().ac_file));
}

void FurnaceWindow::Form_Activate() {
  if (!begin_restore()) return;
  restore_equipment({});
  finish_restore(kEquipment.txtAAFinput, kEquipment.ComboFurnace);
}

void FurnaceWindow::Test_Data() {
  TestFailed = 0;
  auto& m = model();
  const SystemFigures checked =
      figures(electric() && electric_checked_in_kw(block(), model::UnitOptions::of(m.MetricFlag)));
  if (refused(checked, kFurnaceMetricTop)) return;
  // The reader's sheet choice goes nowhere: no view of the analysis workbook moves.
  model::InMemoryReportWorkbookSheets no_view;
  model::Load_ACRecord(m, no_view);
  model::Load_FossilRecord(m);
  if (m.FurnaceRec.IcmFanFlag.to_double() == 0.0 && m.ACRec.TwoStageFlag.to_double() == 1.0)
    platform::message_box(
        this, QStringLiteral("Variable speed fans are recommended with 2-stage air conditioners"));
}

}  // namespace pellavan::systems
