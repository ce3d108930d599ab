#pragma once
// The analysis workbook with the GEO T sheet's sample project, for the GEO T tests: the template,
// its Loads and Rates inputs written as the fill writes them (St. Louis, 80,000 Btu/h heating at
// 65 F difference, 45,000 Btu/h cooling at 20 F, hot water 120 F for 4 users, geothermal
// electricity 0.10 summer and 0.07 winter), and calls by A1 name on sheet 25.

#include <array>
#include <stdexcept>
#include <utility>
#include <cmath>
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

// Bin hours and net loads of the sample, bins 112 F (Loads row 2) down to -33 F (row 31).
inline constexpr std::array<const char*, 30> kBinHours = {
    "0", "1", "10", "47", "165", "346", "578", "731", "850", "764", "676", "586", "576", "545", "617",
    "670", "637", "404", "228", "138", "97", "50", "24", "11", "1", "0", "0", "0", "0", "0"};
inline constexpr std::array<const char*, 30> kBinLoads = {
    "0",           "62627.9052",  "55282.9447",  "47937.9842",  "40593.0237",  "33248.0632",
    "25903.1027",  "18558.1422",  "0",           "0",           "0",           "-379.842",
    "-6533.6882",  "-12687.5343", "-18841.3805", "-24995.2267", "-31149.0728", "-37302.919",
    "-43456.7651", "-49610.6113", "-55764.4574", "-61918.3036", "-68072.1497", "-74225.9959",
    "-80379.842",  "0",           "0",           "0",           "0",           "0"};

class GeoTBook {
 public:
  GeoTBook() : book_(load_report_template()) {
    const std::pair<const char*, const char*> loads[] = {
        {"C3", "6"},          {"C6", "57"},        {"C7", "24.4"},      {"C8", "34"},
        {"C9", "80000"},      {"C10", "65"},       {"C11", "45000"},    {"C12", "20"},
        {"C13", "120"},       {"C15", "0"},        {"C16", "70"},       {"C17", "75"},
        {"C20", "15620.158"}, {"C22", "101.975"},  {"C23", "49.608"},   {"C24", "22.081"},
        {"C25", "2520.69"},   {"A23", "47937.98"}, {"A25", "40747.29"}, {"A30", "4"},
        {"A31", "1"},         {"A32", "2"},        {"B30", "Furnace"},  {"B31", "Geo A"},
        {"B32", "Geo B"},     {"B39", "$ CND"}};
    for (const auto& [a1, text] : loads) book_.set_cell_text(cell(kLoads, a1), text);
    for (int j = 0; j < 30; ++j) {
      book_.set_cell_text({kLoads, j + 1, 3}, kBinHours[j]);
      book_.set_cell_text({kLoads, j + 1, 4}, kBinLoads[j]);
    }
    const std::pair<const char*, const char*> rates[] = {{"B2", "0.1"}, {"C2", "0.07"}, {"B5", "1.3"}, {"C5", "1"}};
    for (const auto& [a1, text] : rates) book_.set_cell_text(cell(kRates, a1), text);
  }

  sheet::Book& book() { return book_; }
  void recalc() { book_.recalc(); }

  void set(std::string_view a1, std::string_view text) { book_.set_cell_text(cell(kGeoT, a1), text); }
  void set_loads(std::string_view a1, std::string_view text) { book_.set_cell_text(cell(kLoads, a1), text); }
  std::string text(std::string_view a1) const { return book_.cell_text(cell(kGeoT, a1)); }
  // The number a cell holds, NaN for anything else.
  double number(std::string_view a1) const {
    const sheet::Value v = book_.cell_value(cell(kGeoT, a1));
    return v.is_number() ? v.as_number() : std::nan("");
  }
  double number(std::string_view column, int row) const { return number(std::string(column) + std::to_string(row)); }
  std::string text(std::string_view column, int row) const { return text(std::string(column) + std::to_string(row)); }

 private:
  sheet::Book book_;
};

// The sheet row of the bin of outdoor temperature t (112 F in row 11, -33 F in row 40).
inline int bin_row(int t) { return 11 + (112 - t) / 5; }

}  // namespace pellavan::workbook::geo_t_test
