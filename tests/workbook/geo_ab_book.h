#pragma once
// The analysis workbook's template for the Geo A and Geo B tests, read by sheet and A1 name.

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sheet/address.h"
#include "sheet/book.h"
#include "workbook/report_sheets.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook::geo_test {

inline sheet::CellPos at(int sheet_number, std::string_view a1) {
  const auto p = sheet::parse_a1(a1);
  if (!p) throw std::invalid_argument("no cell " + std::string(a1));
  return {sheet_number - 1, p->row, p->col};
}

class GeoBook {
 public:
  GeoBook() : book_(load_report_template()) {}

  sheet::Book& book() { return book_; }
  const sheet::Book& book() const { return book_; }
  void recalc() { book_.recalc(); }
  void set(int sheet_number, std::string_view a1, std::string_view text) {
    book_.set_cell_text(at(sheet_number, a1), text);
  }
  std::string text(int sheet_number, std::string_view a1) const {
    return book_.cell_text(at(sheet_number, a1));
  }
  // The number a cell holds, NaN for anything else.
  double number(int sheet_number, std::string_view a1) const {
    const sheet::Value v = book_.cell_value(at(sheet_number, a1));
    return v.is_number() ? v.as_number() : std::nan("");
  }

 private:
  sheet::Book book_;
};

// The sheet row of the bin of outdoor temperature t (112 F in row 11, -33 F in row 40).
inline int bin_row(int t) { return 11 + (112 - t) / 5; }
inline std::string bin_cell(std::string_view column, int t) {
  return std::string(column) + std::to_string(bin_row(t));
}

}  // namespace pellavan::workbook::geo_test
