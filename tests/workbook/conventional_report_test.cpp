// The bin reports of the Air-to-Air and Furnace sheets share one layout: eleven columns
// (temperature, hours, space and hot-water load, heating capacity and run time, cooling
// capacity and run time, three costs) and a metric copy 14 columns to the right that converts
// them by the keep options and leaves money as it is.
#include <gtest/gtest.h>

#include <string>

#include "sheet/address.h"
#include "workbook/conventional_sample.h"

namespace pellavan::workbook::testing {
namespace {

enum class Kind { kTemperature, kCopy, kLoad, kMoney };
constexpr Kind kColumns[11] = {Kind::kTemperature, Kind::kCopy,  Kind::kLoad, Kind::kLoad,
                               Kind::kLoad,        Kind::kCopy,  Kind::kLoad, Kind::kCopy,
                               Kind::kMoney,       Kind::kMoney, Kind::kMoney};

struct Report {
  const char* name;
  int sheet;
  int first_col;  // 0-based column of the imperial report's temperatures
};

struct UnitCase {
  bool keep_f, keep_btuh;
  const char* temp_head;
  const char* load_head;
};
constexpr UnitCase kUnitCases[] = {
    {false, false, "Deg C", "kW"},
    {true, false, "Deg F", "kW"},
    {false, true, "Deg C", "kBtuh"},
    {true, true, "Deg F", "kBtuh"},
};

class BinReportTest : public ConventionalSheetsTest, public ::testing::WithParamInterface<Report> {
 protected:
  sheet::Value at_col(int row, int col) const {
    return book.cell_value({GetParam().sheet - 1, row - 1, col});
  }
  std::string text_at(int row, int col) const {
    return book.cell_text({GetParam().sheet - 1, row - 1, col});
  }
};

TEST_P(BinReportTest, MetricCopyConvertsByTheKeepOptions) {
  const Report& report = GetParam();
  for (const UnitCase& u : kUnitCases) {
    u.keep_f ? set(kLoadsSheet, "B37", 1) : clear(kLoadsSheet, "B37");
    u.keep_btuh ? set(kLoadsSheet, "B38", 1) : clear(kLoadsSheet, "B38");
    settle();
    const std::string name = std::string(u.temp_head) + "/" + u.load_head;
    for (int k = 0; k < 11; ++k) {
      const int imperial = report.first_col + k, metric = imperial + 14;
      const std::string col = sheet::format_a1(9, metric);
      const std::string head = text_at(10, metric);
      switch (kColumns[k]) {
        case Kind::kTemperature: EXPECT_EQ(head, u.temp_head) << name; break;
        case Kind::kLoad: EXPECT_EQ(head, u.load_head) << name << " " << col; break;
        case Kind::kMoney: EXPECT_EQ(head, "$ CND ") << name << " " << col; break;
        case Kind::kCopy:
          EXPECT_TRUE(head == "Hours" || head == "Time") << name << " " << col;
          break;
      }
      for (int row = 11; row <= 40; ++row) {
        const double t = 112 - 5 * (row - 11);
        if (kColumns[k] == Kind::kTemperature && t == 32) {
          EXPECT_EQ(text_at(row, metric), u.keep_f ? "32" : "0.0")
              << name;  // the freezing bin as a text
          continue;
        }
        const double from = at_col(row, imperial).as_number();
        double expected = from;
        if (kColumns[k] == Kind::kTemperature) expected = u.keep_f ? t : (t - 32) / 1.8;
        if (kColumns[k] == Kind::kLoad) expected = from / (u.keep_btuh ? 1000 : 3413);
        EXPECT_NEAR(at_col(row, metric).as_number(), expected, 1e-9)
            << name << " " << sheet::format_a1(row - 1, metric);
      }
    }
    // Totals: hours and costs summed alike, the currency label beside the costs.
    EXPECT_EQ(at_col(41, report.first_col + 15).as_number(), 8752) << name;
    EXPECT_EQ(text_at(41, report.first_col + 21), "$ CND ") << name;
    for (int k = 8; k < 11; ++k) {
      EXPECT_EQ(at_col(41, report.first_col + 14 + k).as_number(),
                at_col(41, report.first_col + k).as_number())
          << name;
    }
  }
}

TEST_P(BinReportTest, TitlesAndHeadsAreThoseOfTheImperialReport) {
  const Report& report = GetParam();
  set_text(kLoadsSheet, "B34", "Maker, Inc.");
  set_text(kLoadsSheet, "A14", "Smith residence");
  settle();
  const int first = report.first_col, last = report.first_col + 10;
  for (int col : {first, first + 14}) {
    EXPECT_EQ(text_at(1, col), "Maker, Inc.");
    EXPECT_EQ(text_at(2, col), "Pellavan®");
    EXPECT_EQ(text_at(4, col), "Temperature Bin Analysis");
  }
  for (int col : {last, last + 14}) {
    EXPECT_EQ(text_at(1, col), "Smith residence");
    EXPECT_TRUE(at_col(45, col).is_number());  // the print date
  }
  EXPECT_EQ(at_col(2, first + 5).as_number(), 35215);  // the project date of the sample, 5/30/1996
  EXPECT_EQ(at_col(2, first + 19).as_number(), 35215);
  for (int k = 0; k < 11; ++k) {
    for (int row : {8, 9})
      EXPECT_EQ(text_at(row, first + 14 + k), text_at(row, first + k)) << row << " " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Sheets, BinReportTest,
                         ::testing::Values(Report{"AirToAir", kAirToAirSheet, 35},
                                           Report{"Furnace", kFurnaceSheet, 23}),
                         [](const ::testing::TestParamInfo<Report>& p) {
                           return std::string(p.param.name);
                         });

}  // namespace
}  // namespace pellavan::workbook::testing
