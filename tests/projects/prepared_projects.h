#pragma once
// The projects of the set as a Run finds the model after their load calculation, for the
// benchmarks that fill one project after another on one analysis. Header only: the project set
// itself links no workbook.

#include <filesystem>
#include <string>
#include <vector>

#include "model/load_calc_state.h"
#include "projects/project_set.h"
#include "workbook/analysis_run.h"

namespace pellavan::testing {

struct PreparedProject {
  model::ProjectRec project;
  model::MetricFlags units;
  model::CityRec city;
  model::LoadCalcState loads;
  std::string title;
};

inline void take(workbook::ProjectAnalysis& analysis, const PreparedProject& p) {
  analysis.model.ProjectRec = p.project;
  analysis.model.MetricFlag = p.units;
  analysis.model.CityRec = p.city;
  analysis.loads = p.loads;
  analysis.title = p.title;
}

// The workbook and model as a Run of `next` finds them after a Run of `previous`: previous
// filled, next taken into the model.
inline void follow(workbook::ProjectAnalysis& analysis, const PreparedProject& previous,
                   const PreparedProject& next) {
  take(analysis, previous);
  analysis.fill();
  take(analysis, next);
}

// Each project of the set run once on `analysis`, in the set's order; empty, with `missing`
// naming the file, when a project file is not there.
inline std::vector<PreparedProject> prepare_project_set(workbook::ProjectAnalysis& analysis,
                                                        std::string& missing) {
  std::vector<PreparedProject> set;
  for (const auto& project : project_set()) {
    if (!std::filesystem::exists(project.file)) {
      missing = project.file.string();
      return {};
    }
    analysis.model.MetricFlag = {};
    if (project.metric) analysis.model.MetricFlag(model::kMetricDisplay) = -1;
    analysis.run_file(project.file);
    set.push_back({analysis.model.ProjectRec, analysis.model.MetricFlag, analysis.model.CityRec,
                   analysis.loads, analysis.title});
  }
  return set;
}

}  // namespace pellavan::testing
