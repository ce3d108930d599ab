#include <gtest/gtest.h>

#include "model/records/ac_rec.h"
#include "model/records/air_hp_rec.h"
#include "model/records/furnace_rec.h"
#include "model/records/water_heater_rec.h"
#include "model/records/layout_expectations.h"

namespace pellavan::model {
namespace {

using testing::expect_layout;

TEST(ConventionalLayoutTest, FurnaceRecord) {
  EXPECT_EQ(FurnaceRec::kFileSize, 532u);
  expect_layout<FurnaceRec>({
      {"Id", 0, 2},
      {"Name", 2, 40},
      {"TypeText", 42, 40},
      {"StyleText", 82, 40},
      {"Hidden", 122, 2},
      {"Picture", 124, 20},
      {"Spare1", 144, 80},
      {"Afue", 224, 8},
      {"FullLoadEff", 232, 8},
      {"AuxKw", 240, 8},
      {"FuelType", 248, 2},
      {"FuelBtu", 250, 8},
      {"CycFactor1", 258, 8},
      {"CycFactor2", 266, 8},
      {"CycFactor3", 274, 8},
      {"CycAdjust", 282, 8},
      {"AddOnMode", 290, 2},
      {"IcmFanFlag", 292, 8},
      {"TwoStageFlag", 300, 8},
      {"LowCapRatio", 308, 8},
      {"LowAuxKw", 316, 8},
      {"LowCfmRatio", 324, 8},
      {"Spare2", 332, 200},
  });
}

TEST(ConventionalLayoutTest, AirConditionerRecord) {
  EXPECT_EQ(ACRec::kFileSize, 496u);
  expect_layout<ACRec>({
      {"Id", 0, 2},
      {"Name", 2, 40},
      {"TypeText", 42, 40},
      {"StyleText", 82, 40},
      {"Hidden", 122, 2},
      {"Picture", 124, 20},
      {"Spare1", 144, 80},
      {"Eer95", 224, 8},
      {"Cap105", 232, 8},
      {"Kw105", 240, 8},
      {"CdClg", 248, 8},
      {"StRatio95", 256, 8},
      {"StRatio105", 264, 8},
      {"LowCapRatio", 272, 8},
      {"TwoStageFlag", 280, 8},
      {"LowEer95", 288, 8},
      {"LowCap105", 296, 8},
      {"LowKw105", 304, 8},
      {"PscTopClgCap", 312, 8},
      {"PscTopClgKw", 320, 8},
      {"PscMidClgCap", 328, 8},
      {"PscMidClgKw", 336, 8},
      {"PscBotClgCap", 344, 8},
      {"PscBotClgKw", 352, 8},
      {"IcmTopClgCap", 360, 8},
      {"IcmTopClgKw", 368, 8},
      {"IcmMidClgCap", 376, 8},
      {"IcmMidClgKw", 384, 8},
      {"IcmBotClgCap", 392, 8},
      {"IcmBotClgKw", 400, 8},
      {"Spare2", 408, 88},
  });
}

TEST(ConventionalLayoutTest, WaterHeaterRecord) {
  EXPECT_EQ(WaterHeaterRec::kFileSize, 322u);
  expect_layout<WaterHeaterRec>({
      {"Id", 0, 2},
      {"Name", 2, 40},
      {"TypeText", 42, 40},
      {"StyleText", 82, 40},
      {"Picture", 122, 20},
      {"Spare1", 142, 80},
      {"Hidden", 222, 2},
      {"AnnualEff", 224, 8},
      {"FuelType", 232, 2},
      {"FuelBtu", 234, 8},
      {"Spare2", 242, 80},
  });
}

TEST(ConventionalLayoutTest, AirSourceHeatPumpRecord) {
  EXPECT_EQ(AirHPRec::kFileSize, 578u);
  expect_layout<AirHPRec>({
      {"Id", 0, 2},
      {"Name", 2, 40},
      {"TypeText", 42, 40},
      {"StyleText", 82, 40},
      {"Hidden", 122, 2},
      {"Picture", 124, 20},
      {"Spare1", 144, 78},
      {"VarSpeedFlag", 222, 2},
      {"Eer95", 224, 8},
      {"Cap105", 232, 8},
      {"Kw105", 240, 8},
      {"CdClg", 248, 8},
      {"CdHtg", 256, 8},
      {"Cap47", 264, 8},
      {"Cop47", 272, 8},
      {"Cap17", 280, 8},
      {"Cop17", 288, 8},
      {"Spare2", 296, 2},
      {"StRatio95", 298, 8},
      {"StRatio105", 306, 8},
      {"LowCapRatio", 314, 8},
      {"TwoStageFlag", 322, 8},
      {"LowEer95", 330, 8},
      {"LowCap105", 338, 8},
      {"LowKw105", 346, 8},
      {"LowCap47", 354, 8},
      {"LowCop47", 362, 8},
      {"LowCap17", 370, 8},
      {"LowCop17", 378, 8},
      {"PscTopClgCap", 386, 8},
      {"PscTopClgKw", 394, 8},
      {"PscTopHtgCap", 402, 8},
      {"PscTopHtgKw", 410, 8},
      {"PscMidClgCap", 418, 8},
      {"PscMidClgKw", 426, 8},
      {"PscMidHtgCap", 434, 8},
      {"PscMidHtgKw", 442, 8},
      {"PscBotClgCap", 450, 8},
      {"PscBotClgKw", 458, 8},
      {"PscBotHtgCap", 466, 8},
      {"PscBotHtgKw", 474, 8},
      {"IcmTopClgCap", 482, 8},
      {"IcmTopClgKw", 490, 8},
      {"IcmTopHtgCap", 498, 8},
      {"IcmTopHtgKw", 506, 8},
      {"IcmMidClgCap", 514, 8},
      {"IcmMidClgKw", 522, 8},
      {"IcmMidHtgCap", 530, 8},
      {"IcmMidHtgKw", 538, 8},
      {"IcmBotClgCap", 546, 8},
      {"IcmBotClgKw", 554, 8},
      {"IcmBotHtgCap", 562, 8},
      {"IcmBotHtgKw", 570, 8},
  });
}

}  // namespace
}  // namespace pellavan::model
