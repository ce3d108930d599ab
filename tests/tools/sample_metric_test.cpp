// The metric loop and soil files are the imperial ones with metric names: the same ids in the
// same order and the same engineering values, which the workbook computes in feet with.

#include <gtest/gtest.h>

#include "sample_data_fixture.h"

namespace pellavan::testing {
namespace {

TEST_F(SampleDataTest, MetricLoopsHoldTheImperialIdsAndValues) {
  const auto imperial = all_records<model::LoopRec>("LoopData.CEA");
  const auto metric = all_records<model::LoopRec>("LoopDataM.CEA");
  ASSERT_EQ(metric.size(), imperial.size());
  for (std::size_t i = 0; i < imperial.size(); ++i) {
    SCOPED_TRACE(imperial[i].Name.trimmed());
    EXPECT_EQ(metric[i].Id, imperial[i].Id);
    EXPECT_EQ(metric[i].Hidden, imperial[i].Hidden);
    EXPECT_EQ(metric[i].UValue, imperial[i].UValue);
    EXPECT_EQ(metric[i].Picture, imperial[i].Picture);
    EXPECT_EQ(metric[i].Name.trimmed().find('"'), std::string::npos) << "inch sizes in metric";
  }
}

TEST_F(SampleDataTest, MetricSoilsHoldTheImperialIdsAndValues) {
  const auto imperial = all_records<model::SoilRec>("SoilData.CEA");
  const auto metric = all_records<model::SoilRec>("SoilDataM.CEA");
  ASSERT_EQ(metric.size(), imperial.size());
  for (std::size_t i = 0; i < imperial.size(); ++i) EXPECT_EQ(metric[i], imperial[i]);
}

TEST_F(SampleDataTest, SoilIdsRunFromOneToFifteen) {
  const auto soils = all_records<model::SoilRec>("SoilData.CEA");
  ASSERT_EQ(soils.size(), 15u);
  for (std::size_t i = 0; i < soils.size(); ++i)
    EXPECT_EQ(soils[i].Id, static_cast<model::Int16>(i + 1));
}

TEST_F(SampleDataTest, ClosedLoopsExchangeHeatInEverySoil) {
  // Every U-value a soil id or a hybrid soil id can pick must allow a loop length to be found.
  for (const auto& loop : all_records<model::LoopRec>("LoopData.CEA")) {
    SCOPED_TRACE(loop.Name.trimmed());
    for (int s = 1; s <= 30; ++s) EXPECT_GT(loop.UValue(s).to_double(), 0) << "UValue(" << s << ")";
  }
}

}  // namespace
}  // namespace pellavan::testing
