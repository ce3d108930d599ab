#pragma once
// The analysis workbook's template for the GEO T tests: its sample project (St. Louis, 80,000
// Btu/h heating at 65 F difference, 45,000 Btu/h cooling at 20 F, hot water 120 F for 4 users,
// geothermal electricity 0.10 summer and 0.07 winter, metric display without keep options), and
// calls by A1 name on sheet 25.

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sheet/address.h"
#include "sheet/book.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook::geo_t_test {

inline constexpr int kLoads = 0;
inline constexpr int kRates = 1;
inline constexpr int kGeoT = 24;

inline sheet::CellPos cell(int sheet, std::string_view a1) {
  const auto p = sheet::parse_a1(a1);
  if (!p) throw std::invalid_argument("no cell " + std::string(a1));
  return {sheet, p->row, p->col};
}

class GeoTBook {
 public:
  GeoTBook() : book_(load_report_template()) {}

  sheet::Book& book() { return book_; }
  void recalc() { book_.recalc(); }

  void set(std::string_view a1, std::string_view text) {
    book_.set_cell_text(cell(kGeoT, a1), text);
  }
  void set_loads(std::string_view a1, std::string_view text) {
    book_.set_cell_text(cell(kLoads, a1), text);
  }
  std::string text(std::string_view a1) const { return book_.cell_text(cell(kGeoT, a1)); }
  // The number a cell holds, NaN for anything else.
  double number(std::string_view a1) const {
    const sheet::Value v = book_.cell_value(cell(kGeoT, a1));
    return v.is_number() ? v.as_number() : std::nan("");
  }
  double number(std::string_view column, int row) const {
    return number(std::string(column) + std::to_string(row));
  }
  std::string text(std::string_view column, int row) const {
    return text(std::string(column) + std::to_string(row));
  }

 private:
  sheet::Book book_;
};

// The sheet row of the bin of outdoor temperature t (112 F in row 11, -33 F in row 40).
inline int bin_row(int t) { return 11 + (112 - t) / 5; }

}  // namespace pellavan::workbook::geo_t_test
