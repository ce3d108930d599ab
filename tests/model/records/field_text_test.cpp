#include "model/record/field_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>
#include <string>

#include "model/records/city_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/project_rec.h"
#include "model/records/t_unit_rec.h"

namespace pellavan::model {
namespace {

TEST(FieldTextTest, SetsAndGetsEveryKindOfField) {
  struct Row {
    const char* field;
    std::optional<int> index;
    const char* text;
    const char* shown;  // what get gives back
  };
  const Row rows[] = {
      {"GeoT_UnitId", {}, "3", "3"},
      {"GeoT_UnitId", {}, " -12 ", "-12"},
      {"GeoT_AuxInput", {}, "46798", "46798"},
      {"GeoT_Tons", {}, "0.3", "0.3"},
      {"GeoT_Tons", {}, "-1.50", "-1.5"},
      {"GeoT_Tons", {}, "2.00005", "2"},  // half to even at the fourth decimal
      {"GeoT_Tons", {}, "2.00015", "2.0002"},
      {"GeoT_Tons", {}, "+7", "7"},
      {"Project_Date", {}, "45000.25", "45000.25"},
      {"GeoT_UnitName", {}, "JN 1860 Varistep", "JN 1860 Varistep"},
      {"Client_City", {}, "Qu\u00E9bec", "Qu\u00E9bec"},
      {"GeoB_Spare6", {}, "00ff10a0b0c0d0e0", "00ff10a0b0c0d0e0"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.field) + " = " + r.text);
    ProjectRec p;
    set_field_text(p, r.field, r.index, r.text);
    EXPECT_EQ(get_field_text(p, r.field, r.index), r.shown);
  }
}

TEST(FieldTextTest, ReachesArrayElementsAndDoubles) {
  CityRec city;
  set_field_text(city, "WeatherData", 31, "6");
  set_field_text(city, "WeatherData", 38, "34.5");
  EXPECT_EQ(city.WeatherData(31).raw(), 60000);
  EXPECT_EQ(get_field_text(city, "WeatherData", 38), "34.5");
  TUnitRec unit;
  set_field_text(unit, "HwHiCap_C3", {}, "-1.25e-3");
  set_field_text(unit, "RatedCapMax", {}, "36000");
  EXPECT_EQ(unit.HwHiCap_C3, -1.25e-3);
  EXPECT_EQ(get_field_text(unit, "HwHiCap_C3"), "-0.00125");
  EXPECT_EQ(get_field_text(unit, "RatedCapMax"), "36000");
}

TEST(FieldTextTest, TextGivesBackNoTrailingBlanksOrNuls) {
  LoopRec loop;
  EXPECT_EQ(get_field_text(loop, "Name"), "");  // never assigned
  loop.Name = "  Vert 1 U-Tube";
  EXPECT_EQ(get_field_text(loop, "Name"), "  Vert 1 U-Tube");
}

TEST(FieldTextTest, CurrencyExtremesPrintExactly) {
  ProjectRec p;
  p.GeoT_Tons = Currency::from_raw(std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(get_field_text(p, "GeoT_Tons"), "-922337203685477.5808");
  set_field_text(p, "GeoT_Tons", {}, "922337203685477.5807");
  EXPECT_EQ(p.GeoT_Tons.raw(), std::numeric_limits<std::int64_t>::max());
}

TEST(FieldTextTest, RefusesWhatDoesNotFit) {
  struct Row {
    const char* name;
    const char* field;
    std::optional<int> index;
    const char* text;
  };
  const Row rows[] = {
      {"unknown field", "NoSuchField", {}, "1"},
      {"array without index", "UValue", {}, "1"},
      {"index on a scalar", "Id", 1, "1"},
      {"index below the bounds", "UValue", 0, "1"},
      {"index above the bounds", "UValue", 31, "1"},
      {"Int16 out of range", "Id", {}, "40000"},
      {"fraction in an integer", "Id", {}, "1.5"},
      {"not a number", "Hidden", {}, "yes"},
      {"empty number", "Hidden", {}, ""},
      {"comma decimal", "UValue", 1, "0,5"},
      {"Currency out of range", "UValue", 1, "922337203685478"},
      {"text too long", "Picture", {}, "a-picture-name.bmp"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    LoopRec loop;
    const LoopRec before = loop;
    EXPECT_THROW(set_field_text(loop, r.field, r.index, r.text), FieldTextError);
    EXPECT_EQ(loop, before);
  }
  LoopRec loop;
  EXPECT_THROW((void)get_field_text(loop, "UValue"), FieldTextError);
  ProjectRec p;
  EXPECT_THROW(set_field_text(p, "GeoB_Spare6", {}, "00ff"), FieldTextError);
  EXPECT_THROW(set_field_text(p, "GeoB_Spare6", {}, "00ff10a0b0c0d0zz"), FieldTextError);
}

// A decimal comma in the program's locale changes nothing.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(FieldTextTest, NumbersIgnoreTheLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  TUnitRec unit;
  set_field_text(unit, "StRatio", {}, "0.75");
  const std::string shown = get_field_text(unit, "StRatio");
  std::locale::global(previous);
  EXPECT_EQ(unit.StRatio, 0.75f);
  EXPECT_EQ(shown, "0.75");
}

TEST(FieldRefTest, ParsesNamesWithAndWithoutElement) {
  EXPECT_EQ(parse_field_ref("UValue(3)").name, "UValue");
  EXPECT_EQ(parse_field_ref("UValue(3)").index, 3);
  EXPECT_EQ(parse_field_ref("Name").index, std::nullopt);
  EXPECT_THROW(parse_field_ref("UValue(x)"), FieldTextError);
  EXPECT_THROW(parse_field_ref("UValue(3"), FieldTextError);
}

}  // namespace
}  // namespace pellavan::model
