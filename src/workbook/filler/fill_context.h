#pragma once
// Everything the workbook filler works with, in one place: the model (project record, record
// buffers, unit options, currency label), the results of the last load calculation, the
// project file's title and the analysis workbook, addressed through the spreadsheet control's
// calls. The filler's steps take a FillContext& and nothing else.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/input/stored_figures.h"
#include "model/load_calc_state.h"
#include "model/model_state.h"
#include "sheet/book.h"
#include "sheet/book_control.h"
#include "workbook/filler/fill_findings.h"

namespace pellavan::workbook {

// The chart drawing that follows the recalculation; the reports layer provides it.
class ChartFiller {
 public:
  virtual ~ChartFiller() = default;
  virtual void Fill_BinCharts() = 0;
  virtual void Fill_ComparisonChart() = 0;
};

// One cell written by the filler, as tests and the dump tool look at a fill.
struct WrittenCell {
  int sheet = 0;  // 1-based
  int row = 0;    // 1-based
  int col = 0;
  std::string text;
  bool kept_as_text = false;  // written so that it stays text whatever it looks like
};

// The figures of a project its windows would refuse, by the windows' own tables, and the damaged
// catalogue records its systems rest on, which live above the workbook
// (systems/stored_figures.h): the program and the tools hand it in.
using StoredFigureCheck = std::vector<model::StoredFigure> (*)(model::ModelState& model);

struct FillContext {
  // Fills through the program's own control of the workbook, whose active sheet the fill leaves
  // on FUS for the callers that read on from there.
  FillContext(model::ModelState& state, const model::LoadCalcState& load_results,
              sheet::BookControl& control, std::string project_file_title = {})
      : model(state),
        loads(load_results),
        ProjectFileTitle(std::move(project_file_title)),
        ReportWorkbook(control) {}
  // Fills through a control of its own over `book`.
  FillContext(model::ModelState& state, const model::LoadCalcState& load_results, sheet::Book& book,
              std::string project_file_title = {})
      : model(state),
        loads(load_results),
        ProjectFileTitle(std::move(project_file_title)),
        own_control_(std::in_place, book),
        ReportWorkbook(*own_control_) {}
  FillContext(const FillContext&) = delete;
  FillContext& operator=(const FillContext&) = delete;

  model::ModelState& model;
  const model::LoadCalcState& loads;
  std::string ProjectFileTitle;  // bare name of the current project file

 private:
  std::optional<sheet::BookControl> own_control_;  // before ReportWorkbook, which may refer to it

 public:
  sheet::BookControl& ReportWorkbook;
  ChartFiller* charts = nullptr;                     // not owned; no charts are drawn while unset
  std::vector<WrittenCell>* trace = nullptr;         // not owned; every write is appended when set
  std::vector<CatalogueProblem> catalogue_problems;  // found by the record re-reads of this fill
  StoredFigureCheck stored_check = nullptr;  // none while unset: stored figures are not checked
  // The figures and records the analysis does not rest on, found when the fill starts: each
  // column of a system they concern (every system, for a figure of the loads or rates) is kept
  // out, its description naming the figure, and each figure is written as 0.
  std::vector<model::StoredFigure> refused_figures;

  // The first figure or record kept out that a system rests on, if any (refused_figures.cpp).
  [[nodiscard]] const model::StoredFigure* kept_out(model::SystemType type) const;
  // Whether the fill analyses a system: the project compares it, and it rests on nothing kept
  // out. Only such a system's results are judged.
  [[nodiscard]] bool analyses(model::SystemType type) const;
};

}  // namespace pellavan::workbook
