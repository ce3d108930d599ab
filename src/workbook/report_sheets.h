#pragma once
// The sheets of ReportWorkbook by number, as ActiveSheet takes them (1-based, book order).

namespace pellavan::workbook {

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

}  // namespace pellavan::workbook
