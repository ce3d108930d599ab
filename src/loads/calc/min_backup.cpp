#include "loads/calc/load_calculation.h"
#include "model/catalogue/catalogue_readers.h"
#include "model/project/system_kinds.h"
#include "model/units/rounding.h"

namespace pellavan::loads {

namespace {

// The indoor temperature of the minimum is never taken below this.
constexpr model::Int16 kMinIndoorTemp = 72;

}  // namespace

model::Int32 minimum_backup_input(const model::LoadCalcState& loads, double efficiency) {
  return model::round_to_int32(loads.MinBackupHeat / efficiency);
}

MinBackupOutcome Min_Backup(model::ModelState& model, model::LoadCalcState& loads,
                            RaiseInputs raise, std::span<const model::StoredFigure> kept_out) {
  MinBackupOutcome outcome;
  model::ProjectRec& p = model.ProjectRec;
  const auto figure = [&](auto field) { return model::analysed_figure(kept_out, field, p); };
  const double heat_load = figure(model::number_field<&model::ProjectRec::Loads_HeatLoad>());
  const double delta_t = figure(model::number_field<&model::ProjectRec::Loads_HeatDeltaT>());
  const auto set_point = static_cast<model::Int16>(
      figure(model::number_field<&model::ProjectRec::Loads_HeatSetPoint>()));
  // No figure of an earlier project survives a minimum that cannot be computed.
  loads.MinBackupHeat = 0;
  loads.MinInputCapacity = 0;
  if (delta_t == 0) return outcome;
  const double t =
      static_cast<double>(model::Max_Int(kMinIndoorTemp, set_point)) - loads.HtgDesignTemp;
  loads.MinBackupHeat =
      model::round_to_int32(heat_load / delta_t * t - 0.5 * loads.IntGains.to_double());
  outcome.computed = true;
  for (const model::SystemKind& block : model::kSystemKinds) {
    if (!block.raised_to_minimum_backup) continue;
    model.WantedUnitId = block.backup_id.in<model::Int16>(p);
    const bool found = model::Load_FossilRecord(model);
    // Hidden channel: FurnaceRec is the furnace Load_FossilRecord has just read by WantedUnitId.
    const double efficiency = model.FurnaceRec.FullLoadEff.to_double();
    // A furnace that is not found, or whose efficiency is 0, gives no minimum for its block.
    if (!found || efficiency <= 0.0) {
      outcome.skipped_blocks.push_back(block.name);
      continue;
    }
    loads.MinInputCapacity = minimum_backup_input(loads, efficiency);
    model::Int32& input = block.backup_input.in<model::Int32>(p);
    if (raise == RaiseInputs::kYes && !model::keeps_out(kept_out, block.backup_input) &&
        input < loads.MinInputCapacity)
      input = loads.MinInputCapacity;
  }
  return outcome;
}

}  // namespace pellavan::loads
