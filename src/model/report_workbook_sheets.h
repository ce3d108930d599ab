#pragma once
// What the catalogue readers need of the analysis workbook: making one of its sheets, numbered
// 1 to 29, the active sheet. The workbook's control implements this (workbook/
// report_workbook_control.h); InMemoryReportWorkbookSheets only remembers the choice, for
// running the readers without a workbook.

namespace pellavan::model {

// The sheets by number, as ActiveSheet takes them (1-based, book order).
enum ReportSheet : int {
  kLoadsSheet = 1,
  kRatesSheet = 2,
  kGeoASheet = 3,
  kGeoBSheet = 4,
  kAirToAirSheet = 5,
  kFurnaceSheet = 6,
  kEconomicsSheet = 7,
  kPrtSheet = 8,
  kPrsSheet = 9,
  kGasSheet = 10,
  kGbsSheet = 11,
  kAasSheet = 12,
  kFusSheet = 13,
  kEcsSheet = 14,
  kGaqSheet = 15,
  kGbqSheet = 16,
  kAaqSheet = 17,
  kFuqSheet = 18,
  kEcqSheet = 19,
  kPrgSheet = 20,
  kGagSheet = 21,
  kGbgSheet = 22,
  kAagSheet = 23,
  kFugSheet = 24,
  kGeoTSheet = 25,
  kGtsSheet = 26,
  kGtqSheet = 27,
  kGtgSheet = 28,
  kNum25Sheet = 29,
};

inline constexpr int kReportSheetCount = 29;

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
