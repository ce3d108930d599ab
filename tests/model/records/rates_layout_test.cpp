#include <gtest/gtest.h>

#include "model/records/layout_expectations.h"
#include "model/records/rates_rec.h"

namespace pellavan::model {
namespace {

TEST(RatesLayoutTest, EveryFieldAtItsOffset) {
  EXPECT_EQ(RatesRec::kFileSize, 2708u);
  testing::expect_layout<RatesRec>({
      {"FileTag", 0, 3},
      {"GeoElecSummer", 3, 8},
      {"GeoElecWinter", 11, 8},
      {"HeatPumpElecSummer", 19, 8},
      {"HeatPumpElecWinter", 27, 8},
      {"FossilElecSummer", 35, 8},
      {"FossilElecWinter", 43, 8},
      {"GasSummer", 51, 8},
      {"GasWinter", 59, 8},
      {"PropaneSummer", 67, 8},
      {"PropaneWinter", 75, 8},
      {"OilSummer", 83, 8},
      {"OilWinter", 91, 8},
      {"GeoElecInflation", 99, 8},
      {"HeatPumpElecInflation", 107, 8},
      {"FossilElecInflation", 115, 8},
      {"GasInflation", 123, 8},
      {"PropaneInflation", 131, 8},
      {"OilInflation", 139, 8},
      {"Spare1", 147, 108},
      {"Spare2", 255, 200},
      {"ElecUtility", 455, 25},
      {"Spare3", 480, 20},
      {"GasUtility", 500, 25},
      {"Spare4", 525, 25},
      {"PropaneProvider", 550, 25},
      {"Spare5", 575, 25},
      {"OilProvider", 600, 25},
      {"Spare6", 625, 25},
      {"Description", 650, 50},
      {"CurrencyId", 700, 6},
      {"GasPerGJ", 706, 1},
      {"MetricFile", 707, 1},
      {"Spare7", 708, 2000},
  });
}

}  // namespace
}  // namespace pellavan::model
