#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "model/record/record_layout.h"
#include "model/records/soil_rec.h"
#include "model/records/tag_rec.h"

namespace pellavan::model {
namespace {

TEST(CurrencyTest, StoresValueTimesTenThousand) {
  struct Row {
    double value;
    std::int64_t raw;
  };
  const Row rows[] = {
      {0.3, 3000},  {1.5, 15000}, {-2.25, -22500}, {0.00005, 0},
      {0.00015, 2}, {0.00025, 2}, {-0.00015, -2},  {123456789.1234, 1234567891234},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.value);
    EXPECT_EQ(Currency::from_double(r.value).raw(), r.raw);
  }
}

TEST(CurrencyTest, RefusesValuesThatDoNotFit) {
  EXPECT_THROW(Currency::from_double(1e15), std::overflow_error);
  EXPECT_THROW(Currency::from_double(std::numeric_limits<double>::infinity()), std::overflow_error);
  EXPECT_THROW(Currency::from_double(std::numeric_limits<double>::quiet_NaN()),
               std::overflow_error);
  EXPECT_EQ(Currency::from_double_saturated(1e300).raw(), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Currency::from_double_saturated(-1e300).raw(),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(Currency::from_double_saturated(std::numeric_limits<double>::quiet_NaN()).raw(), 0);
}

TEST(TextFieldTest, PadsCutsAndTrimsBlanksOnly) {
  Text<5> t;
  EXPECT_EQ(t.str(), std::string(5, '\0'));  // never assigned: NULs
  t = "ab";
  EXPECT_EQ(t.str(), "ab   ");
  EXPECT_EQ(t.trimmed(), "ab");
  t = "abcdefg";
  EXPECT_EQ(t.str(), "abcde");
  t = "  x  ";
  EXPECT_EQ(t.trimmed(), "x");
  Text<3> nul;
  EXPECT_EQ(nul.trimmed(), std::string(3, '\0'));
}

TEST(VbArrayTest, IndexesFromLowerBoundAndRefusesOutside) {
  VbArray<int, 1, 3> a;
  a(1) = 10;
  a(3) = 30;
  EXPECT_EQ(a.elements()[0], 10);
  EXPECT_EQ(a.elements()[2], 30);
  EXPECT_THROW(a(0), std::out_of_range);
  EXPECT_THROW(a(4), std::out_of_range);
  EXPECT_EQ(a.get_or(4, -1), -1);
}

TEST(RecordLayoutTest, EncodesLittleEndianAtStatedOffsets) {
  SoilRec s;
  s.Id = 0x0102;
  s.Name = "Average Rock";
  s.Conductivity = Currency::from_double(0.3);
  s.Spare2(20) = Currency::from_raw(-1);
  const auto image = encode_record(s);
  ASSERT_EQ(image.size(), 320u);
  EXPECT_EQ(image[0], 0x02);
  EXPECT_EQ(image[1], 0x01);
  EXPECT_EQ(std::string(image.begin() + 2, image.begin() + 14), "Average Rock");
  EXPECT_EQ(image[14], ' ');
  EXPECT_EQ(image[44], 0);      // Spare1 never assigned
  EXPECT_EQ(image[144], 0xB8);  // 3000 = 0x0BB8
  EXPECT_EQ(image[145], 0x0B);
  for (std::size_t i = 312; i < 320; ++i) EXPECT_EQ(image[i], 0xFF);
}

TEST(RecordLayoutTest, RoundTripKeepsEveryByte) {
  std::vector<std::uint8_t> image(SoilRec::kFileSize);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 37 + 11);
  const auto rec = decode_record<SoilRec>(image);
  EXPECT_EQ(encode_record(rec), image);
}

TEST(RecordLayoutTest, ShortImageReadsAsZeroPadded) {
  const std::vector<std::uint8_t> image = {7, 0, 'A'};
  const auto rec = decode_record<SoilRec>(image);
  EXPECT_EQ(rec.Id, 7);
  EXPECT_EQ(rec.Name.str()[0], 'A');
  EXPECT_EQ(rec.Name.str()[1], '\0');
  EXPECT_EQ(rec.Conductivity.raw(), 0);
}

TEST(RecordLayoutTest, TagRecordIsThreeBytes) {
  TagRec t;
  t.Tag = "KQ7";
  EXPECT_EQ(encode_record(t), (std::vector<std::uint8_t>{'K', 'Q', '7'}));
}

}  // namespace
}  // namespace pellavan::model
