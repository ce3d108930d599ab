#pragma once
// The 22 results read back into ProjectRec after the recalculation, from the summary sheets
// GAS, GBS, AAS and FUS in turn (FUS is left the active sheet). Each cell's text is read with
// Val and stored with four decimals, halves to even; a value beyond the Currency range is
// clamped to its nearest limit. Both kinds of field are named in what it returns.

#include <span>
#include <string_view>
#include <vector>

#include "model/project/system_type.h"
#include "model/record/field_types.h"
#include "model/records/project_rec.h"
#include "workbook/filler/fill_context.h"
#include "workbook/filler/fill_findings.h"

namespace pellavan::workbook {

struct SummaryResultCell {
  model::SystemType system;  // a cell of a system the project does not compare is not judged
  int sheet;                 // 1-based
  std::string_view cell;
  model::Currency model::ProjectRec::*field;
  std::string_view field_name;
  std::string_view quantity;  // in the words of a message: "heating cost"
  // The Loads cell of the annual load the result is an average over; without that load (0) the
  // cell holds no number, and none is expected. "" for a result that is always there.
  std::string_view given = "";
};

std::span<const SummaryResultCell> summary_result_cells();

struct SummaryReadBack {
  std::vector<std::string_view> clamped;  // fields beyond the Currency range, clamped
  std::vector<ResultProblem> unusable;    // compared systems' fields whose cell held no number
};
SummaryReadBack read_summary_results(FillContext& ctx);

// Val's double as a result field gets it; `clamped` tells whether it lay beyond the range.
model::Currency result_currency(double value, bool& clamped);

}  // namespace pellavan::workbook
