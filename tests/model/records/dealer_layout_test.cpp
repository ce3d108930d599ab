#include <gtest/gtest.h>

#include "model/records/dealer_rec.h"
#include "model/records/layout_expectations.h"

namespace pellavan::model {
namespace {

using testing::expect_layout;

TEST(DealerLayoutTest, EveryFieldAtItsOffset) {
  EXPECT_EQ(DealerRec::kFileSize, 807u);
  expect_layout<DealerRec>({
      {"FileTag", 0, 3},      {"Name", 3, 40},     {"Address", 43, 40},      {"City", 83, 40},
      {"State", 123, 5},      {"Zip", 128, 15},    {"Phone", 143, 20},       {"Fax", 163, 20},
      {"CellPhone", 183, 20}, {"Email", 203, 80},  {"Contact", 283, 40},     {"MetricMode", 323, 1},
      {"UseDegF", 324, 1},    {"UseBtuh", 325, 1}, {"UseFeet", 326, 1},      {"GasGJ", 327, 1},
      {"Spare1", 328, 6},     {"Spare2", 334, 49}, {"HideInactive", 383, 2}, {"Spare3", 385, 2},
      {"Spare4", 387, 2},     {"Spare5", 389, 2},  {"Spare6", 391, 2},       {"Spare7", 393, 2},
      {"Spare8", 395, 2},     {"Spare9", 397, 2},  {"Spare10", 399, 408},
  });
}

TEST(DealerLayoutTest, ImagePlacesOptionsAndFlagWhereTheFileHasThem) {
  DealerRec rec;
  rec.FileTag = "KX2";
  rec.MetricMode = "1";
  rec.GasGJ = "0";
  rec.HideInactive = 1;
  const auto image = encode_record(rec);
  ASSERT_EQ(image.size(), 807u);
  EXPECT_EQ(image[0], 'K');
  EXPECT_EQ(image[323], '1');
  EXPECT_EQ(image[324], 0);  // never written: NUL
  EXPECT_EQ(image[327], '0');
  EXPECT_EQ(image[383], 1);
  EXPECT_EQ(image[384], 0);
}

}  // namespace
}  // namespace pellavan::model
