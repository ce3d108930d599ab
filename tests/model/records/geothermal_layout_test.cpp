#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/soil_rec.h"
#include "model/records/t_unit_rec.h"
#include "model/records/layout_expectations.h"

namespace pellavan::model {
namespace {

using testing::expect_layout;

TEST(GeothermalLayoutTest, GeoUnitRecord) {
  EXPECT_EQ(GeoUnitRec::kFileSize, 857u);
  expect_layout<GeoUnitRec>({
      {"Id", 0, 2},
      {"Name", 2, 40},
      {"ModelText", 42, 25},
      {"SeriesText", 67, 40},
      {"UnitType", 107, 2},
      {"Inactive", 109, 2},
      {"CorvailFlag", 111, 2},
      {"VarSpeedFlag", 113, 2},
      {"HydronicFlag", 115, 2},
      {"Spare1", 117, 16},
      {"Picture", 133, 20},
      {"StyleText", 153, 25},
      {"Spare2", 178, 25},
      {"Spare3", 203, 30},
      {"Perf", 233, 368},
      {"StRatioLow", 601, 8},
      {"StRatioHigh", 609, 8},
      {"Spare4", 617, 240},
  });
}

TEST(GeothermalLayoutTest, LoopRecord) {
  EXPECT_EQ(LoopRec::kFileSize, 704u);
  expect_layout<LoopRec>({
      {"Id", 0, 2},
      {"Name", 2, 40},
      {"DescText", 42, 40},
      {"PipeText", 82, 40},
      {"ConfigText", 122, 40},
      {"LengthText", 162, 40},
      {"Hidden", 202, 2},
      {"Picture", 204, 12},
      {"Spare1", 216, 88},
      {"UValue", 304, 240},
      {"Spare2", 544, 160},
  });
}

TEST(GeothermalLayoutTest, SoilRecord) {
  EXPECT_EQ(SoilRec::kFileSize, 320u);
  expect_layout<SoilRec>({
      {"Id", 0, 2},
      {"Name", 2, 40},
      {"Hidden", 42, 2},
      {"Spare1", 44, 100},
      {"Conductivity", 144, 8},
      {"Diffusivity", 152, 8},
      {"Spare2", 160, 160},
  });
}

// The T unit's head and tail fields, then its coefficient table, which the layout gives by rule:
// coefficient c of equation e at 560 + 80 e + 8 (c - 1).
TEST(GeothermalLayoutTest, TUnitRecordHeadAndTail) {
  EXPECT_EQ(TUnitRec::kFileSize, 1920u);
  constexpr testing::FieldRow kHead[] = {
      {"Id", 0, 2},
      {"Name", 2, 50},
      {"ModelText", 52, 50},
      {"SeriesText", 102, 50},
      {"StyleText", 152, 50},
      {"Picture", 202, 50},
      {"UnitType", 252, 2},
      {"Inactive", 254, 2},
      {"HwCode", 256, 2},
      {"CorvailFlag", 258, 2},
      {"VarSpeedFlag", 260, 2},
      {"HydronicFlag", 262, 2},
      {"Spare1", 264, 4},
      {"RatedCapMin", 268, 4},
      {"RatedCapMax", 272, 4},
      {"ClgHwCapMin", 276, 4},
      {"ClgHwCapMax", 280, 4},
      {"HzMin", 284, 4},
      {"HzMax", 288, 4},
      {"ClgCd", 292, 4},
      {"HtgHwCd", 296, 4},
      {"StRatio", 300, 4},
      {"ClgHwLwdt1", 304, 4},
      {"ClgHwLwdt2", 308, 4},
      {"HwLwdt1", 312, 4},
      {"HwLwdt2", 316, 4},
      {"LoopPumpGpm", 320, 4},
      {"LoopPumpKw", 324, 4},
      {"LoopPumpMaxKw", 328, 4},
      {"WellPumpGpm", 332, 4},
      {"WellPumpKw", 336, 4},
      {"WellPumpMaxKw", 340, 4},
      {"WellKwPerGpm", 344, 4},
      {"HwPumpGpm", 348, 4},
      {"HwPumpKw", 352, 4},
      {"HwPumpMaxKw", 356, 4},
      {"Spare2", 360, 200},
      {"Spare3", 1520, 400},
  };
  for (const auto& row : kHead) {
    SCOPED_TRACE(row.name);
    const FieldInfo* f = find_field<TUnitRec>(row.name);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->offset, row.offset);
    EXPECT_EQ(f->width, row.width);
  }
  EXPECT_EQ(TUnitRec::kFields.size(), std::size(kHead) + 120);
}

TEST(GeothermalLayoutTest, TUnitCoefficientTable) {
  constexpr std::array<std::string_view, 12> kStems = {"ClgKw",  "HtgKw",   "HwClgKw", "HwHiCap",
                                                       "HwHiKw", "HwLoCap", "HwLoKw",  "ClgHz",
                                                       "HtgHz",  "HwClgHz", "HwHiHz",  "HwLoHz"};
  for (std::size_t e = 0; e < kStems.size(); ++e) {
    for (std::size_t c = 1; c <= 10; ++c) {
      const std::string name = std::string(kStems[e]) + "_C" + std::to_string(c);
      SCOPED_TRACE(name);
      const FieldInfo* f = find_field<TUnitRec>(name);
      ASSERT_NE(f, nullptr);
      EXPECT_EQ(f->offset, 560 + 80 * e + 8 * (c - 1));
      EXPECT_EQ(f->width, 8u);
      EXPECT_EQ(f->kind, FieldKind::kDouble);
    }
  }
  EXPECT_EQ(find_field<TUnitRec>("ClgKw_C1")->offset, 560u);
  EXPECT_EQ(find_field<TUnitRec>("HwHiCap_C3")->offset, 816u);
  EXPECT_EQ(find_field<TUnitRec>("HwLoHz_C10")->offset, 1512u);
}

}  // namespace
}  // namespace pellavan::model
