#include "reports/batch_page_plan.h"

#include "sheet/address.h"

namespace pellavan::reports {

namespace {

bool printed(const BatchPage& page, const PrintOptions& options) {
  return options.ticked(page.system) && options.ticked(page.box);
}

std::string status_of(const BatchPage& page) {
  std::string status = "Print ";
  if (page.system != page.box) status.append(print_box(page.system).caption).append(" ");
  return status.append(print_box(page.box).caption);
}

}  // namespace

std::vector<PlannedPage> plan_batch(const PrintOptions& options, bool metric,
                                    const UnsettledFigures& unsettled) {
  std::vector<PlannedPage> plan;
  int numbered = 0;
  for (const BatchPage& page : kBatchPages) {
    if (!printed(page, options)) continue;
    PlannedPage planned{
        &page, page.block.columns(metric), print_area(page.block, metric), 0, {}, status_of(page),
        {}};
    if (page.report != nullptr) planned.notes = page_notes(*page.report, unsettled);
    const std::string_view number_cell = metric ? page.number_metric : page.number_imperial;
    if (!number_cell.empty()) {
      planned.number_col = *sheet::column_from_name(number_cell) + 1;
      planned.number = "Page " + std::to_string(++numbered);
    }
    plan.push_back(std::move(planned));
  }
  return plan;
}

}  // namespace pellavan::reports
