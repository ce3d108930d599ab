#pragma once
// A printed block of the analysis workbook: rows 1 to its last row of one sheet, in the columns
// of its imperial copy or of its metric copy (the same columns for a page shown in both unit
// systems). Sheets, rows and columns are 1-based, as the spreadsheet control takes them.

#include <string>

namespace pellavan::reports {

struct Columns {
  int first = 0;
  int last = 0;
  friend constexpr bool operator==(const Columns&, const Columns&) = default;
};

struct ReportBlock {
  int sheet = 0;
  int last_row = 0;
  Columns imperial;
  Columns metric;

  [[nodiscard]] constexpr Columns columns(bool metric_mode) const {
    return metric_mode ? metric : imperial;
  }
  [[nodiscard]] constexpr bool one_copy() const { return imperial == metric; }
};

// The block as an A1 range from row 1 of its first column to its last row ("B1:O59").
std::string print_area(const ReportBlock& block, bool metric_mode);

}  // namespace pellavan::reports
