#pragma once
// The analysis workbook under the sample project's climate, loads and prices, as far as the
// Air-to-Air and Furnace sheets read them, recalculated the way the template's cached values
// are made: settled to a tight limit, then once under the workbook's own settings (a fill's
// recalculation starting from them).

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "sheet/address.h"
#include "sheet/book.h"
#include "workbook/report_sheets.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook::testing {

class ConventionalSheetsTest : public ::testing::Test {
 protected:
  ConventionalSheetsTest() : book(load_report_template()) { write_sample_loads_and_rates(); }

  static sheet::CellPos at(int sheet_number, std::string_view a1) {
    auto pos = *sheet::parse_a1(a1);
    pos.sheet = sheet_number - 1;
    return pos;
  }
  void set(int sheet_number, std::string_view a1, double v) { book.set_cell_value(at(sheet_number, a1), sheet::Value::number(v)); }
  void set_text(int sheet_number, std::string_view a1, std::string_view text) {
    book.set_cell_value(at(sheet_number, a1), sheet::Value::text(book.intern(text)));
  }
  void clear(int sheet_number, std::string_view a1) { book.set_cell_text(at(sheet_number, a1), ""); }
  double number(int sheet_number, std::string_view a1) const { return book.cell_value(at(sheet_number, a1)).as_number(); }
  sheet::Value value(int sheet_number, std::string_view a1) const { return book.cell_value(at(sheet_number, a1)); }
  std::string text(int sheet_number, std::string_view a1) const { return book.cell_text(at(sheet_number, a1)); }

  // Formula cells of a sheet's used range.
  std::size_t formula_count(int sheet_number) const {
    const auto used = book.used_range(sheet_number - 1);
    std::size_t n = 0;
    for (int r = used->first_row; r <= used->last_row; ++r)
      for (int c = used->first_col; c <= used->last_col; ++c)
        n += book.cell_kind({sheet_number - 1, r, c}) == sheet::CellKind::kFormula;
    return n;
  }

  void settle() {
    const sheet::CalcSettings own = book.settings();
    book.settings().change_limit = 1e-9;
    book.settings().max_passes = 100000;
    book.recalc();
    book.settings() = own;
    book.recalc();
  }

  // The bins of St. Louis and the sample house's net and hot-water loads (Btu/h), the annual
  // energies, the cooling design temperature; the prices of heat-pump, fossil-system and gas
  // energy. The fossil system pays 0.10 per kWh in both seasons: its heating cost of 1,210.5188
  // is 1,136.395 Ccf at 1.00 and 741.235 kWh at 0.10.
  void write_sample_loads_and_rates() {
    static constexpr double kHours[30] = {0,   1,   10,  47,  165, 346, 578, 731, 850, 764, 676, 586, 576, 545, 617,
                                          670, 637, 404, 228, 138, 97,  50,  24,  11,  1,   0,   0,   0,   0,   0};
    static constexpr double kNetLoad[30] = {
        0,           62627.904,   55282.944,   47937.984,   40593.024,   33248.064,   25903.104,  18558.144,
        0,           0,           0,           -379.84,     -6533.6862,  -12687.5323, -18841.3785, -24995.2246,
        -31149.0708, -37302.9169, -43456.7631, -49610.6092, -55764.4554, -61918.3015, -68072.1477, -74225.9938,
        -80379.84,   0,           0,           0,           0,           0};
    for (int i = 0; i < 30; ++i) {
      const std::string row = std::to_string(i + 2);
      set(kLoadsSheet, "D" + row, kHours[i]);
      set(kLoadsSheet, "E" + row, kNetLoad[i]);
      set(kLoadsSheet, "F" + row, kHours[i] > 0 ? 2521 : 0);
    }
    set(kLoadsSheet, "C4", 97);
    set(kLoadsSheet, "C11", 45000);
    set(kLoadsSheet, "C12", 20);
    set(kLoadsSheet, "C15", 0);
    set(kLoadsSheet, "C17", 75);
    set(kLoadsSheet, "C20", 15620.16);
    set(kLoadsSheet, "C22", 101.975);
    set(kLoadsSheet, "C23", 49.608);
    set(kLoadsSheet, "C24", 22.081);
    set(kLoadsSheet, "A27", 0.85);
    set(kLoadsSheet, "A30", 4);
    set(kLoadsSheet, "A31", 1);
    set(kLoadsSheet, "A32", 2);
    clear(kLoadsSheet, "B37");
    clear(kLoadsSheet, "B38");
    set_text(kLoadsSheet, "B39", "$ CND ");
    set(kRatesSheet, "B3", 0.10);
    set(kRatesSheet, "C3", 0.07);
    set(kRatesSheet, "B4", 0.10);
    set(kRatesSheet, "C4", 0.10);
    set(kRatesSheet, "B5", 1.30);
    set(kRatesSheet, "C5", 1.00);
  }

  sheet::Book book;
};

inline std::string cell(const char* col, int row) { return std::string(col) + std::to_string(row); }

// Half a unit of the last digit a figure is given with.
struct Figure {
  const char* cell;
  double value;
  double tolerance;
};

}  // namespace pellavan::workbook::testing
