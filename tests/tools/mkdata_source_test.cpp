// The readable sources: what a line may hold, and how records are built from the lines.

#include <gtest/gtest.h>

#include <string>

#include "mkdata/record_builder.h"
#include "mkdata/source_file.h"
#include "model/records/city_rec.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/project_rec.h"

namespace pellavan::mkdata {
namespace {

using model::CityRec;
using model::GeoUnitRec;
using model::LoopRec;

// The message of the SourceError a call throws, or "" when it throws none.
template <class Fn>
std::string fault_of(Fn&& fn) {
  try {
    fn();
  } catch (const SourceError& e) {
    return e.what();
  }
  return "";
}

TEST(MkdataSourceTest, ReadsFieldsElementsCommentsAndBlankLines) {
  const SourceFile s = parse_source(
      "# a comment\n\n  Id = 23 \r\nName = Vert 1 U-Tube - 0.75\"\nUValue(16) = 2.5\n"
      "Picture =\n",
      "loops.txt");
  ASSERT_EQ(s.assignments.size(), 4u);
  EXPECT_EQ(s.assignments[0].line, 3);
  EXPECT_EQ(s.assignments[0].value, "23");
  EXPECT_EQ(s.assignments[1].value, "Vert 1 U-Tube - 0.75\"");
  EXPECT_EQ(s.assignments[2].field, "UValue");
  EXPECT_EQ(s.assignments[2].index, 16);
  EXPECT_EQ(s.assignments[3].value, "");
}

TEST(MkdataSourceTest, RefusesMalformedLinesWithTheirPlace) {
  struct Row {
    const char* name;
    const char* text;
    const char* message;
  };
  const Row rows[] = {
      {"no equals sign", "Id = 1\nName Electric\n", "f.txt:2: expected \"Field = value\""},
      {"no field", "\n = 3\n", "f.txt:2: no field name before \"=\""},
      {"bad element", "UValue(x) = 1\n", "f.txt:1: malformed field reference UValue(x)"},
      {"unclosed element", "UValue(3 = 1\n", "f.txt:1: malformed field reference UValue(3"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(fault_of([&] { (void)parse_source(r.text, "f.txt"); }), r.message);
  }
}

TEST(MkdataSourceTest, EachIdStartsARecordInSourceOrder) {
  const auto records = build_catalogue<LoopRec>(parse_source(
      "Id = 23\nName = Vert\nUValue(2) = 2\n\nId = 10\nName = Well Water\n", "loops.txt"));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].record.Id, 23);
  EXPECT_EQ(records[0].line, 1);
  EXPECT_EQ(records[0].record.UValue(2).raw(), 20000);
  EXPECT_EQ(records[1].record.Name.trimmed(), "Well Water");
  EXPECT_EQ(records[1].record.UValue(2).raw(), 0);
}

TEST(MkdataSourceTest, FieldsLeftOutKeepTheirNulsAndZeros) {
  const auto records = build_catalogue<LoopRec>(parse_source("Id = 5\nName = Horz\n", "l.txt"));
  const LoopRec& loop = records.front().record;
  EXPECT_EQ(loop.DescText, model::Text<40>{});  // all NUL, never assigned
  EXPECT_EQ(loop.Name.str(), "Horz" + std::string(36, ' '));
  EXPECT_EQ(loop.Hidden, 0);
}

TEST(MkdataSourceTest, AListFillsConsecutiveElements) {
  const auto units = build_catalogue<GeoUnitRec>(
      parse_source("Id = 4\nPerf = 37900, 3000\nPerf(24) = 27300 , 2200, 2.23\n", "u.txt"));
  const GeoUnitRec& unit = units.front().record;
  EXPECT_EQ(unit.Perf(1).raw(), 379000000);
  EXPECT_EQ(unit.Perf(2).raw(), 30000000);
  EXPECT_EQ(unit.Perf(3).raw(), 0);
  EXPECT_EQ(unit.Perf(24).raw(), 273000000);
  EXPECT_EQ(unit.Perf(26).raw(), 22300);
}

TEST(MkdataSourceTest, RefusesFaultyRecordsWithTheirPlace) {
  struct Row {
    const char* name;
    const char* text;
    const char* message;
  };
  const Row rows[] = {
      {"unknown field", "Id = 1\nCity = A\nColour = red\n", "c.txt:3: CityRec has no field Colour"},
      {"misspelt case", "Id = 1\ncity = A\n", "c.txt:2: CityRec has no field city"},
      {"duplicate id", "Id = 7\nCity = A\n\nId = 7\nCity = B\n",
       "c.txt:4: duplicate Id 7 (first at line 1)"},
      {"bad number", "Id = 1\nWeatherData(31) = six\n",
       "c.txt:2: WeatherData: not a decimal number: \"six\""},
      {"bad id", "Id = 1.5\n", "c.txt:1: Id: not a whole number: \"1.5\""},
      {"id out of range", "Id = 40000\n", "c.txt:1: Id: out of range: \"40000\""},
      {"id zero", "Id = 0\n", "c.txt:1: Id 0 cannot be looked up; use another id"},
      {"field before the first id", "City = A\nId = 1\n",
       "c.txt:1: a record starts with an \"Id = ...\" line"},
      {"field given twice", "Id = 1\nCity = A\nCity = B\n",
       "c.txt:3: City is given twice in one record"},
      {"element given twice", "Id = 1\nWeatherData = 1, 2\nWeatherData(2) = 3\n",
       "c.txt:3: WeatherData(2) is given twice in one record"},
      {"list past the array", "Id = 1\nWeatherData(37) = 1, 2, 3\n",
       "c.txt:2: WeatherData: element 39 outside 1..38"},
      {"empty list element", "Id = 1\nWeatherData = 1, , 3\n",
       "c.txt:2: WeatherData: not a decimal number: \"\""},
      {"index on a scalar", "Id = 1\nCity(2) = A\n", "c.txt:2: City is not an array"},
      {"text too long", "Id = 1\nState = Saskatchewan\n",
       "c.txt:2: State: longer than 10 characters: \"Saskatchewan\""},
      {"no record", "# nothing\n", "c.txt: holds no record"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(fault_of([&] { (void)build_catalogue<CityRec>(parse_source(r.text, "c.txt")); }),
              r.message);
  }
}

TEST(MkdataSourceTest, ARecordWithoutIdIsMadeOfEveryLine) {
  const auto project = build_single_record<model::ProjectRec>(
      parse_source("FileTag = KQ7\n\nGeoT_UnitId = 3\nGeoT_Tons = 1\n", "p.txt"));
  ASSERT_EQ(project.size(), 1u);
  EXPECT_EQ(project[0].record.FileTag.str(), "KQ7");
  EXPECT_EQ(project[0].record.GeoT_UnitId, 3);
  EXPECT_EQ(fault_of([] {
              (void)build_single_record<model::ProjectRec>(parse_source("Id = 3\n", "p.txt"));
            }),
            "p.txt:1: ProjectRec has no field Id");
}

class MkdataBaseTest : public ::testing::Test {
 protected:
  const std::vector<BuiltRecord<LoopRec>> base = build_catalogue<LoopRec>(parse_source(
      "Id = 23\nName = Vert 0.75\"\nUValue(2) = 2\n\nId = 10\nName = Well Water\n", "loops.txt"));

  std::vector<BuiltRecord<LoopRec>> overlay(const char* text) {
    return build_catalogue<LoopRec>(parse_source(text, "metric.txt"), &base, "loops.txt");
  }
};

TEST_F(MkdataBaseTest, RecordsStartFromTheBaseRecordOfTheirId) {
  const auto metric = overlay("Id = 10\n\nId = 23\nName = Vert 19 mm\n");
  ASSERT_EQ(metric.size(), 2u);
  EXPECT_EQ(metric[0].record.Name.trimmed(), "Well Water");
  EXPECT_EQ(metric[1].record.Name.trimmed(), "Vert 19 mm");
  EXPECT_EQ(metric[1].record.UValue(2).raw(), 20000);
}

TEST_F(MkdataBaseTest, BothSourcesMustHoldTheSameIds) {
  EXPECT_EQ(fault_of([&] { overlay("Id = 23\n\nId = 10\n\nId = 9\n"); }),
            "metric.txt:5: Id 9 has no record in loops.txt");
  EXPECT_EQ(fault_of([&] { overlay("Id = 23\n"); }),
            "metric.txt: has no record for Id 10 of loops.txt");
}

TEST(MkdataSourceTest, TheImageHoldsRecordNAtItsOffset) {
  const auto records =
      build_catalogue<LoopRec>(parse_source("Id = 3\n\nId = 1\n\nId = 2\n", "l.txt"));
  const auto image = file_image(records);
  ASSERT_EQ(image.size(), 3 * LoopRec::kFileSize);
  for (std::size_t n = 1; n <= 3; ++n) {
    const auto rec = model::decode_record<LoopRec>(
        std::span(image).subspan((n - 1) * LoopRec::kFileSize, LoopRec::kFileSize));
    EXPECT_EQ(rec.Id, records[n - 1].record.Id);
  }
}

}  // namespace
}  // namespace pellavan::mkdata
