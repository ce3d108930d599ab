#pragma once
// The analysis workbook's control as the catalogue readers see it: the reader of air
// conditioners makes the Furnace sheet active before it reads its file.

#include "model/report_workbook_sheets.h"
#include "sheet/book_control.h"

namespace pellavan::workbook {

class ReportWorkbookControl final : public model::ReportWorkbookSheets {
 public:
  explicit ReportWorkbookControl(sheet::BookControl& control) : control_(control) {}
  // Throws std::out_of_range for a sheet outside 1..29, as the readers expect of the workbook.
  void set_active_sheet(int sheet) override;
  [[nodiscard]] int active_sheet() const override { return control_.active_sheet(); }

 private:
  sheet::BookControl& control_;
};

}  // namespace pellavan::workbook
