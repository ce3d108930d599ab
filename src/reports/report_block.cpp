#include "reports/report_block.h"

#include "sheet/address.h"

namespace pellavan::reports {

std::string print_area(const ReportBlock& block, bool metric_mode) {
  const Columns cols = block.columns(metric_mode);
  return sheet::format_a1(0, cols.first - 1) + ":" +
         sheet::format_a1(block.last_row - 1, cols.last - 1);
}

}  // namespace pellavan::reports
