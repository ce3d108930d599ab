#pragma once
// The results no building can have, of the systems the project compares: a cost, an energy, an
// efficiency or a loop outside its physical range, from below or from above, or a cell that
// holds no number. The windows refuse the inputs that lead there, but a damaged or hand-edited
// project or data file reaches the workbook as stored, and the workbook computes on with it.

#include <span>
#include <string_view>
#include <vector>

#include "model/project/system_type.h"
#include "model/records/project_rec.h"
#include "workbook/filler/fill_context.h"
#include "workbook/filler/fill_findings.h"
#include "workbook/filler/summary_sheets.h"

namespace pellavan::workbook {

// What a checked figure is divided by before it is compared with its bounds.
enum class Per {
  kNone,
  kTonOfLoad,    // the larger design load (Loads!C9, C11) in tons of 12,000 Btu/h
  kHeatingLoad,  // the annual heating load in MMBtu (Loads!C22)
  kCoolingLoad,  // the annual cooling load in MMBtu (Loads!C23)
  kWaterLoad,    // the annual water-heating load in MMBtu (Loads!C24)
};

// Which ground sources a bound applies to: a closed loop (length in ft) or an open well (flow in
// gpm) stand in the same cell.
enum class Source { kAny, kClosedLoop, kOpenWell };

struct ResultBound {
  int kinds;
  std::string_view cell;  // in the imperial block of the summary; "" for the system's loop cell
  std::string_view quantity;
  Per per;
  double low;
  double high;
  Source source = Source::kAny;
  // The load the figure is an efficiency or a share of: without it (0) there is no figure.
  Per given = Per::kNone;
};

// Every bound, in one table.
[[nodiscard]] std::span<const ResultBound> result_bounds();

// Looks at the summary sheets of the systems the three comparison columns choose.
[[nodiscard]] std::vector<RangeProblem> results_out_of_range(const FillContext& ctx);

}  // namespace pellavan::workbook
