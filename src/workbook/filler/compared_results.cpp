#include "workbook/filler/compared_results.h"

#include <algorithm>

#include "model/project/system_kinds.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

std::vector<sheet::Value> compared_results(const FillContext& ctx) {
  const sheet::Book& book = ctx.ReportWorkbook.book();
  std::vector<sheet::Value> values;
  for (const model::SystemKind& s : model::kSystemKinds) {
    if (!ctx.analyses(s.type)) continue;
    const int index = s.summary_sheet - 1;
    const auto used = book.used_range(index);
    if (!used) continue;
    for (int row = used->first_row; row <= used->last_row; ++row) {
      for (int col = used->first_col; col <= used->last_col; ++col)
        values.push_back(book.cell_value(sheet::CellPos{index, row, col}));
    }
  }
  return values;
}

bool compared_results_hold(FillContext& ctx) {
  const std::vector<sheet::Value> before = compared_results(ctx);
  sheet::CalcSettings& settings = ctx.ReportWorkbook.book().settings();
  const int cap = settings.max_passes;
  settings.max_passes = 1;
  ctx.ReportWorkbook.recalc();
  settings.max_passes = cap;
  const std::vector<sheet::Value> after = compared_results(ctx);
  return std::equal(before.begin(), before.end(), after.begin(), after.end(),
                    [](sheet::Value a, sheet::Value b) { return identical(a, b); });
}

}  // namespace pellavan::workbook
