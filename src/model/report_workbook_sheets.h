#pragma once
// What the catalogue readers need of the analysis workbook: making one of its sheets, numbered
// 1 to 29, the active sheet. The workbook's control implements this (workbook/
// report_workbook_control.h); InMemoryReportWorkbookSheets only remembers the choice, for
// running the readers without a workbook.

namespace pellavan::model {

inline constexpr int kReportSheetCount = 29;
inline constexpr int kFurnaceSheet = 6;

class ReportWorkbookSheets {
 public:
  virtual ~ReportWorkbookSheets() = default;
  // Throws std::out_of_range for a sheet outside 1..kReportSheetCount.
  virtual void set_active_sheet(int sheet) = 0;
  [[nodiscard]] virtual int active_sheet() const = 0;
};

class InMemoryReportWorkbookSheets final : public ReportWorkbookSheets {
 public:
  void set_active_sheet(int sheet) override;
  [[nodiscard]] int active_sheet() const override { return active_; }

 private:
  int active_ = 1;
};

}  // namespace pellavan::model
