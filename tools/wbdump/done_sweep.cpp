#include "wbdump/done_sweep.h"

#include <algorithm>
#include <bitset>
#include <ostream>
#include <string>
#include <vector>

#include "loads/calc/load_calculation.h"
#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/catalogue/city_lists.h"
#include "model/text/ascii.h"
#include "wbdump/repeat_check.h"
#include "wbdump/sweep_houses.h"
#include "workbook/analysis_run.h"

namespace pellavan::wbdump {

namespace {

// The load calculation alone for every setting of the four load corrections, 1 to 5 each. They
// enter the workbook only through (solar + occupancy + 2 electric) * 2 construction: one setting
// of each product stands for all that give it.
void sweep_corrections(workbook::ProjectAnalysis& analysis, SweepSummary& sum) {
  model::ProjectRec& p = analysis.model.ProjectRec;
  const model::ProjectRec kept = p;
  model::Int16* const corrections[] = {&p.Loads_SolarGain, &p.Loads_OccupancyGain,
                                       &p.Loads_ElecGain, &p.Loads_Construction};
  std::bitset<201> tried;  // the products, 8 to 200
  for (int setting = 0; setting < 625; ++setting) {
    for (int k = 0, rest = setting; k < 4; ++k, rest /= 5)
      *corrections[k] = static_cast<model::Int16>(1 + rest % 5);
    const int product = (p.Loads_SolarGain + p.Loads_OccupancyGain + 2 * p.Loads_ElecGain) * 2 *
                        p.Loads_Construction;
    if (tried[static_cast<std::size_t>(product)]) continue;
    tried.set(static_cast<std::size_t>(product));
    ++sum.load_settings;
    if (analysis.calculate_loads() != loads::LoadCalcStatus::kValid) ++sum.settings_refused;
    sum.most_setting_passes =
        std::max(sum.most_setting_passes, analysis.building_load.last_recalc().passes);
  }
  p = kept;
}

// The fill of the run in the columns from "fill passes" on; a fill that went round a cycle is
// asked for again, as repeat_check.h says.
void fill_columns(workbook::ProjectAnalysis& analysis, SweepSummary& sum, std::ostream& out) {
  const workbook::FillOutcome fill = analysis.fill();
  const sheet::RecalcReport& report = analysis.book.last_recalc();
  const int round = fill.recalc.cycle_round();
  const std::vector<workbook::FigureSpan> unsettled = fill.unsettled();
  if (!fill.converged) ++sum.unsettled;
  if (round > 0) ++sum.cycled;
  if (!unsettled.empty()) ++sum.warned;
  sum.most_fill_passes = std::max(sum.most_fill_passes, fill.passes);
  sum.largest_last_change = std::max(sum.largest_last_change, report.last_change);
  const model::ProjectRec& p = analysis.model.ProjectRec;
  out << fill.passes << (fill.converged ? "" : " unsettled") << '\t' << round << '\t'
      << report.last_change << '\t' << p.Result_GeoA_HeatingCost.to_double() << '\t'
      << p.Result_GeoA_CoolingCost.to_double() << '\t' << p.Result_GeoA_SourceSize.to_double()
      << '\t' << p.Result_HeatPump_HeatingCost.to_double() << '\t'
      << p.Result_Furnace_HeatingCost.to_double() << '\t';
  const auto widest =
      std::max_element(fill.spans.begin(), fill.spans.end(),
                       [](const workbook::FigureSpan& a, const workbook::FigureSpan& b) {
                         return a.percent() < b.percent();
                       });
  if (widest != fill.spans.end()) {
    out << widest->percent() << " % " << widest->system << ' ' << widest->quantity << ' '
        << widest->low << " to " << widest->high;
  }
  out << '\t' << unsettled.size() << '\t';
  if (round > 0) {
    const RepeatCheck repeat = check_repeats(analysis, fill.recalc);
    sum.worst_repeat = std::max(sum.worst_repeat, repeat.worst());
    if (repeat.worst() > kRepeatPercent) ++sum.not_repeated;
    out << repeat.restarted << ' ' << repeat.from_states << ' ' << repeat.finer_limit;
  }
  out << '\n';
}

}  // namespace

SweepSummary run_done_sweep(const std::filesystem::path& program_folder,
                            const std::filesystem::path& project, std::ostream& out,
                            const std::function<void(workbook::ProjectAnalysis&)>& prepare) {
  workbook::ProjectAnalysis analysis(program_folder);
  if (prepare) prepare(analysis);
  model::ModelState& model = analysis.model;
  const model::ProjectRec base = workbook::read_project_for_analysis(project);
  analysis.title = project.filename().string();
  const std::vector<model::CityEntry> cities = model::read_city_file(model);
  SweepSummary sum;
  out << "id\tcity\thouse\tdisplay\tloads\tload passes\tgains\tannual heating\tfill passes\t"
         "cycle\tlast change\tGeo A heating cost\tGeo A cooling cost\tGeo A loop\t"
         "Heat pump heating cost\tFurnace heating cost\twidest span\tunsettled\t"
         "asked for again (% off: restarted, from the cycle's states, finer limit)\n";
  for (const model::CityEntry& city : cities) {
    model::CityRec record;
    model::find_catalogue_record(model.data_files, model.program_folder, model::kCityFile, city.id,
                                 record);
    for (const House& house : sweep_houses()) {
      model.ProjectRec = base;
      model.ProjectRec.Loads_CityId = city.id;
      set_house(model.ProjectRec, house, record);
      sweep_corrections(analysis, sum);
      for (const bool metric : {false, true}) {
        model.ProjectRec = base;
        model.ProjectRec.Loads_CityId = city.id;
        set_house(model.ProjectRec, house, record);
        model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
        ++sum.pairs;
        const loads::LoadCalcStatus status = analysis.calculate_loads();
        const int load_passes = analysis.building_load.last_recalc().passes;
        sum.most_load_passes = std::max(sum.most_load_passes, load_passes);
        out << city.id << '\t' << model::trim_blanks(city.city) << ", "
            << model::trim_blanks(city.state) << '\t' << house.name << '\t'
            << (metric ? "metric" : "imperial") << '\t';
        if (status != loads::LoadCalcStatus::kValid) {
          ++sum.loads_refused;
          out << "refused\t" << load_passes << '\n';
          continue;
        }
        loads::Min_Backup(model, analysis.loads);
        out << "valid\t" << load_passes << '\t' << analysis.loads.IntGains.to_double() << '\t'
            << analysis.loads.AnnHtg.to_double() << '\t';
        fill_columns(analysis, sum, out);
      }
    }
  }
  return sum;
}

}  // namespace pellavan::wbdump
