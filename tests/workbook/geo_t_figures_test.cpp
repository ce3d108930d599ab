// The GEO T sheet's sample project, recalculated: the figures the sheet is known by.
#include <gtest/gtest.h>

#include "workbook/geo_t_book.h"

namespace pellavan::workbook::geo_t_test {
namespace {

class GeoTFiguresTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sample_ = new GeoTBook;
    sample_->recalc();
  }
  static void TearDownTestSuite() {
    delete sample_;
    sample_ = nullptr;
  }
  static GeoTBook* sample_;
};

GeoTBook* GeoTFiguresTest::sample_ = nullptr;

struct Figure {
  const char* name;
  const char* cell;
  double expected;
  double tolerance;  // half a unit of the last digit given
};

TEST_F(GeoTFiguresTest, DesignValuesAndLoopSizing) {
  const Figure figures[] = {
      {"design heat loss", "P27", 73420.69, 0.005},
      {"design loss in kW", "N36", 21.51, 0.005},
      {"auxiliary heat needed", "N35", 3.93, 0.005},
      {"balance point", "N37", 8.56, 0.005},
      {"limited heating range", "F24", 18000, 0},
      {"", "G24", 60000, 0},
      {"limited cooling range", "F25", 18000, 0},
      {"", "G25", 48000, 0},
      {"limited combined range", "F26", 18000, 0},
      {"", "G26", 48000, 0},
      {"heating length", "P45", 686.6, 0.05},
      {"shortest entered length", "Q45", 455.2, 0.05},
      {"cooling length", "P46", 829.6, 0.05},
      {"length used", "P48", 829.6, 0.05},
      {"required loop shown", "N34", 825, 0},
      {"design maximum loop temperature", "N42", 85, 0.005},
      {"design minimum loop temperature", "N43", 34.28, 0.005},
  };
  for (const Figure& f : figures) {
    EXPECT_NEAR(sample_->number(f.cell), f.expected, f.tolerance) << f.cell << " " << f.name;
  }
}

TEST_F(GeoTFiguresTest, GroundTemperaturesAtOneHundredFeetAreTheDeepEarthTemperature) {
  // The catalogue's average rock (1 ft2/day) leaves 0.0023 F of the surface swing at 100 ft.
  for (const char* c : {"P29", "P30", "P31", "P32", "P33", "P34", "P35", "P36"}) {
    EXPECT_NEAR(sample_->number(c), 57, 0.0025) << c;
  }
}

struct BinFigure {
  int bin;  // outdoor temperature, F
  const char* column;
  double expected;
  double tolerance;
};

TEST_F(GeoTFiguresTest, QuotedBinRows) {
  const BinFigure figures[] = {
      // 32 F: low hot-water mode; the heating runs the rest of the hour
      {32, "CQ", -31149, 0.5},
      {32, "AI", 0.0819, 0.00005},
      {32, "AG", 0.918, 0.0005},
      {32, "AB", 33929, 0.5},
      {32, "AP", 100.8, 0.005},
      {32, "CS", 43.7, 0.05},
      {32, "BY", 51.3, 0.05},
      // 22 F: above 0.7 of the maximum heating capacity, high hot-water mode
      {22, "CQ", -43457, 0.5},
      {22, "AP", 104.8, 0.005},
      {22, "AM", 0, 0},
      // 57 F: the minimum capacity, run 2.1 % of the hours
      {57, "CQ", -380, 0.5},
      {57, "AB", 18000, 0},
      {57, "AG", 0.021, 0.0005},
      // 92 F: combined cooling and hot water
      {92, "AD", 40593, 0.5},
      {92, "AP", 104.26, 0.005},
      // 77 F: the cooling speed held at the minimum speed
      {77, "BZ", 20, 0},
      // -8 F: the auxiliary heat covers what 60,000 Btu/h leave
      {-8, "CQ", -80379.8, 0.05},
      {-8, "BK", 20379.8, 0.05},
  };
  for (const BinFigure& f : figures) {
    EXPECT_NEAR(sample_->number(f.column, bin_row(f.bin)), f.expected, f.tolerance)
        << f.column << " at " << f.bin << " F";
  }
}

TEST_F(GeoTFiguresTest, NoHotWaterModeAboveNineTenthsOfTheMaximumHeatingCapacity) {
  EXPECT_NEAR(sample_->number("CQ", bin_row(12)), -55764, 0.5);
  for (int t = 12; t >= -8; t -= 5) {
    EXPECT_EQ(sample_->number("AI", bin_row(t)), 0) << t;
    EXPECT_EQ(sample_->number("AG", bin_row(t)), 1) << t;
    EXPECT_GT(sample_->number("BS", bin_row(t)), 0)
        << t << ": the water heater makes the hot water";
  }
}

TEST_F(GeoTFiguresTest, BinsWithoutHoursMoveNothing) {
  for (int t : {112, -13, -18, -23, -28, -33}) {
    const int r = bin_row(t);
    EXPECT_EQ(sample_->number("CS", r), 0) << t;
    EXPECT_EQ(sample_->text("CM", r), "") << t;
    for (const char* c : {"BC", "BD", "BH", "BI", "BJ", "BM", "BS", "CW", "CX", "CY"}) {
      EXPECT_EQ(sample_->number(c, r), 0) << c << " at " << t;
    }
  }
}

TEST_F(GeoTFiguresTest, TheWaterHeaterBurnsNothingWhereTheUnitMakesHotWater) {
  for (int r = 11; r <= 40; ++r) {
    if (sample_->number("AE", r) > 0) {
      EXPECT_NEAR(sample_->number("BS", r), 0, 1e-9) << "row " << r;
    }
  }
}

TEST_F(GeoTFiguresTest, ResultCellsHoldNumbers) {
  for (const char* c :
       {"P7",   "P8",   "P9",   "P10",  "P11",  "P12",  "P14",  "P15",  "P16",  "P18",  "P19",
        "P20",  "P21",  "P22",  "P23",  "P24",  "BT41", "BU41", "CF41", "CG41", "CH41", "CK42",
        "CX41", "CY41", "BJ41", "BM41", "BN41", "BS41", "N38",  "N44",  "N45"}) {
    EXPECT_FALSE(std::isnan(sample_->number(c))) << c << " holds " << sample_->text(c);
  }
}

}  // namespace
}  // namespace pellavan::workbook::geo_t_test
