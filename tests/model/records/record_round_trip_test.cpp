#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/records/ac_rec.h"
#include "model/records/air_hp_rec.h"
#include "model/records/city_rec.h"
#include "model/records/furnace_rec.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/project_rec.h"
#include "model/records/soil_rec.h"
#include "model/records/t_unit_rec.h"
#include "model/records/tag_rec.h"
#include "model/records/water_heater_rec.h"

namespace pellavan::model {
namespace {

std::vector<std::uint8_t> random_image(std::size_t size, std::uint32_t seed) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::vector<std::uint8_t> image(size);
  for (auto& b : image) b = static_cast<std::uint8_t>(byte(gen));
  return image;
}

template <class R>
class RecordRoundTripTest : public ::testing::Test {};

using AllRecords = ::testing::Types<ProjectRec, TagRec, FurnaceRec, ACRec, WaterHeaterRec, AirHPRec,
                                    GeoUnitRec, LoopRec, SoilRec, TUnitRec, CityRec>;
TYPED_TEST_SUITE(RecordRoundTripTest, AllRecords);

// Whatever the bytes (NaN patterns, spares, NULs in texts), a decoded record encodes to them again.
TYPED_TEST(RecordRoundTripTest, RandomBytesComeBackUnchanged) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const auto image = random_image(TypeParam::kFileSize, seed);
    const auto rec = decode_record<TypeParam>(image);
    ASSERT_EQ(encode_record(rec), image) << "seed " << seed;
  }
}

TYPED_TEST(RecordRoundTripTest, NewRecordIsAllZeroBytes) {
  EXPECT_EQ(encode_record(TypeParam{}), std::vector<std::uint8_t>(TypeParam::kFileSize, 0));
}

TEST(ProjectRecordTest, TextFieldsArePaddedOrCut) {
  ProjectRec p;
  p.Client_State = "MN";
  p.Project_Title = std::string(40, 'x');
  const auto image = encode_record(p);
  EXPECT_EQ(std::string(image.begin() + 271, image.begin() + 276), "MN   ");
  EXPECT_EQ(std::string(image.begin() + 1123, image.begin() + 1153), std::string(30, 'x'));
  EXPECT_EQ(image[1153], 0);  // Project_Date untouched
}

TEST(ProjectRecordTest, NeverAssignedTextKeepsItsNuls) {
  std::vector<std::uint8_t> image(ProjectRec::kFileSize, 0);
  image[0] = 'K';
  image[1] = 'Q';
  image[2] = '7';
  auto p = decode_record<ProjectRec>(image);
  EXPECT_EQ(p.Client_Name.str(), std::string(40, '\0'));
  EXPECT_EQ(p.Client_Name.trimmed(), std::string(40, '\0'));
  p.Client_Address = "1 Main St";
  const auto written = encode_record(p);
  EXPECT_EQ(std::vector<std::uint8_t>(written.begin() + 111, written.begin() + 151),
            std::vector<std::uint8_t>(40, 0));
}

TEST(ProjectRecordTest, CurrencyIsValueTimesTenThousand) {
  ProjectRec p;
  p.GeoT_HeatCapMin = Currency::from_double(0.3);
  p.Rates_GasSummer = Currency::from_double(1.5);
  const auto image = encode_record(p);
  EXPECT_EQ(load_le<std::int64_t>(image.data() + 3369), 3000);
  EXPECT_EQ(load_le<std::int64_t>(image.data() + 9123), 15000);
}

TEST(ProjectRecordTest, DateIsTheOleDayCount) {
  ProjectRec p;
  p.Project_Date = OleDate{45000.5};
  const auto image = encode_record(p);
  EXPECT_EQ(load_le<double>(image.data() + 1153), 45000.5);
}

TEST(RecordArraysTest, KeepTheirStatedBounds) {
  struct Row {
    const FieldInfo* field;
    int lower;
    int count;
  };
  const Row rows[] = {
      {find_field<CityRec>("WeatherData"), 1, 38},   {find_field<CityRec>("Spare3"), 1, 10},
      {find_field<FurnaceRec>("Spare2"), 1, 25},     {find_field<ACRec>("Spare2"), 1, 11},
      {find_field<WaterHeaterRec>("Spare2"), 1, 10}, {find_field<GeoUnitRec>("Spare1"), 1, 8},
      {find_field<GeoUnitRec>("Perf"), 1, 46},       {find_field<GeoUnitRec>("Spare4"), 1, 30},
      {find_field<LoopRec>("UValue"), 1, 30},        {find_field<LoopRec>("Spare2"), 1, 20},
      {find_field<SoilRec>("Spare2"), 1, 20},        {find_field<TUnitRec>("Spare2"), 1, 50},
      {find_field<TUnitRec>("Spare3"), 1, 50},
  };
  for (const auto& r : rows) {
    ASSERT_NE(r.field, nullptr);
    SCOPED_TRACE(r.field->name);
    EXPECT_EQ(r.field->lower, r.lower);
    EXPECT_EQ(r.field->count, r.count);
  }
}

TEST(TUnitRecordTest, CoefficientsAreDoublesAtTheirOffsets) {
  TUnitRec t;
  t.HwHiCap_C3 = -1.25;
  t.RatedCapMax = 36000.0f;
  const auto image = encode_record(t);
  EXPECT_EQ(load_le<double>(image.data() + 816), -1.25);
  EXPECT_EQ(load_le<float>(image.data() + 272), 36000.0f);
}

}  // namespace
}  // namespace pellavan::model
