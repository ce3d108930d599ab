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

// A cell of a 1-based sheet by its A1 address.
inline sheet::CellPos sheet_cell(int sheet_number, std::string_view a1) {
  auto pos = *sheet::parse_a1(a1);
  pos.sheet = sheet_number - 1;
  return pos;
}

class ConventionalSheetsTest : public ::testing::Test {
 protected:
  ConventionalSheetsTest() : book(load_report_template()) { write_sample_loads_and_rates(); }

  static sheet::CellPos at(int sheet_number, std::string_view a1) {
    return sheet_cell(sheet_number, a1);
  }
  void set(int sheet_number, std::string_view a1, double v) {
    book.set_cell_value(at(sheet_number, a1), sheet::Value::number(v));
  }
  void set_text(int sheet_number, std::string_view a1, std::string_view text) {
    book.set_cell_value(at(sheet_number, a1), sheet::Value::text(book.intern(text)));
  }
  void clear(int sheet_number, std::string_view a1) {
    book.set_cell_text(at(sheet_number, a1), "");
  }
  double number(int sheet_number, std::string_view a1) const {
    return book.cell_value(at(sheet_number, a1)).as_number();
  }
  sheet::Value value(int sheet_number, std::string_view a1) const {
    return book.cell_value(at(sheet_number, a1));
  }
  std::string text(int sheet_number, std::string_view a1) const {
    return book.cell_text(at(sheet_number, a1));
  }

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
    static constexpr double kHours[30] = {0,   1,   10,  47,  165, 346, 578, 731, 850, 764,
                                          676, 586, 576, 545, 617, 670, 637, 404, 228, 138,
                                          97,  50,  24,  11,  1,   0,   0,   0,   0,   0};
    static constexpr double kNetLoad[30] = {
        0,           62627.904,   55282.944,   47937.984,   40593.024,   33248.064,
        25903.104,   18558.144,   0,           0,           0,           -379.84,
        -6533.6862,  -12687.5323, -18841.3785, -24995.2246, -31149.0708, -37302.9169,
        -43456.7631, -49610.6092, -55764.4554, -61918.3015, -68072.1477, -74225.9938,
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

// The annual figures of the sample project.
inline constexpr Figure kAirToAirFigures[] = {
    {"V41", 8990.1, 0.05},   {"AD41", 2857.98, 0.005},
    {"F45", 0.859, 5e-4},    {"F44", 2.856, 5e-4},
    {"H44", 17.36, 0.005},   {"F48", 796.81, 0.005},
    {"H45", 285.80, 0.005},  {"H47", 0, 0},
    {"AT41", 405.16, 0.005}, {"H48", 1487.77, 0.005},
    {"D46", 46987, 0},       {"D43", 35531.5694, 5e-5},
    {"B32", 0.57, 1e-12},    {"C32", 0.2086, 5e-5},
    {"B34", 45505, 1e-9},    {"C4", 65000, 0},
};
inline constexpr Figure kFurnaceFigures[] = {
    {"I41", 1136.395, 5e-4},   {"J41", 741.235, 5e-4},
    {"R41", 4761.87, 5e-3},    {"S41", 1051.9286, 5e-5},
    {"E44", 0.8974, 5e-5},     {"G44", 10.4178, 5e-5},
    {"AF41", 1210.5188, 5e-5}, {"AG41", 476.187, 5e-4},
    {"AH41", 405.16, 5e-3},    {"J43", 0, 0},
    {"J44", 2091.8655, 5e-5},  {"D40", 46863.5, 5e-2},
    {"D37", 33460.539, 5e-4},  {"B30", 0.57, 1e-12},
    {"C30", 0.2086, 5e-5},     {"C21", 73398, 1e-9},
};

}  // namespace pellavan::workbook::testing
