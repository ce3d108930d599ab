#include <gtest/gtest.h>

#include "model/project/file_conversion.h"
#include "model/project/project_files_fixture.h"

namespace pellavan::model {
namespace {

// A record as an older version left it: Geo B tons 3 (stored scaled down by KQ2), auxiliary
// modes 1, hot water at 140 °F, no Geo T unit, zoom levels present.
ProjectRec old_record() {
  ProjectRec r = testing::sample_project();
  r.GeoB_Tons = Currency::from_raw(3);
  r.GeoA_AuxMode = 1;
  r.GeoB_AuxMode = 1;
  r.HeatPump_AuxMode = 1;
  r.Loads_DhwTemp = 140;
  r.GeoT_UnitId = 0;
  r.GeoT_Tons = Currency::from_double(7);
  return r;
}

TEST(FileConversionTest, EachVersionGetsWhatItLacked) {
  struct Row {
    const char* tag;
    std::int64_t geo_b_tons_raw;
    Int32 aux_mode;
    Int16 dhw_temp;
    bool geo_t_defaults;
  };
  const Row rows[] = {
      {"KQ2", 30000, 99, 135, true}, {"kq2", 30000, 99, 135, true}, {"KQ3", 3, 99, 135, true},
      {"KQ4", 3, 1, 135, true},      {"KQ5", 3, 1, 135, true},      {"KQ6", 3, 1, 135, true},
      {"KQ7", 3, 1, 140, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.tag);
    ProjectRec rec = old_record();
    FileConversion(rec, r.tag, DefaultZoom{});
    EXPECT_EQ(rec.GeoB_Tons.raw(), r.geo_b_tons_raw);
    EXPECT_EQ(rec.GeoA_AuxMode, r.aux_mode);
    EXPECT_EQ(rec.GeoB_AuxMode, r.aux_mode);
    EXPECT_EQ(rec.HeatPump_AuxMode, r.aux_mode);
    EXPECT_EQ(rec.Loads_DhwTemp, r.dhw_temp);
    EXPECT_EQ(rec.GeoT_UnitId, r.geo_t_defaults ? 3 : 0);
    EXPECT_EQ(rec.GeoT_Tons, Currency::from_double(r.geo_t_defaults ? 1 : 7));
  }
}

TEST(FileConversionTest, GeoTDefaultSetInFull) {
  ProjectRec rec = old_record();
  rec.GeoT_WaterHeaterName = "Old heater";
  rec.Print_GeoT = 1;
  FileConversion(rec, "KQ6", DefaultZoom{});
  EXPECT_EQ(rec.GeoT_UnitName.trimmed(), "JN 1860 Varistep");
  EXPECT_EQ(rec.GeoT_LoopId, 23);
  EXPECT_EQ(rec.GeoT_LoopName.trimmed(), "Vert 1 U-Tube - 0.75\"");
  EXPECT_EQ(rec.GeoT_SoilId, 2);
  EXPECT_EQ(rec.GeoT_SoilName.trimmed(), "Average Rock");
  EXPECT_EQ(rec.GeoT_Depth, Currency::from_double(100));
  EXPECT_EQ(rec.GeoT_LoopMinTemp, 30);
  EXPECT_EQ(rec.GeoT_LoopMaxTemp, 90);
  EXPECT_EQ(rec.GeoT_AutoSize, 1);
  EXPECT_EQ(rec.GeoT_AuxId, 31);
  EXPECT_EQ(rec.GeoT_AuxName.trimmed(), "Electric Duct Heater");
  EXPECT_EQ(rec.GeoT_AuxInput, 46798);
  EXPECT_EQ(rec.GeoT_WaterHeaterId, 0);
  EXPECT_EQ(rec.GeoT_WaterHeaterName.str(), std::string(40, ' '));
  EXPECT_EQ(rec.GeoT_Spare1.str(), std::string(102, ' '));
  EXPECT_EQ(rec.Print_GeoT, 0);
  EXPECT_EQ(rec.GeoT_HeatCapMin, Currency::from_double(0.3));
  EXPECT_EQ(rec.GeoT_HeatCapMax, Currency::from_double(1));
  EXPECT_EQ(rec.GeoT_CoolCapMin, Currency::from_double(0.3));
  EXPECT_EQ(rec.GeoT_CoolCapMax, Currency::from_double(0.8));
}

TEST(FileConversionTest, AnExistingGeoTUnitIsKept) {
  ProjectRec rec = old_record();
  rec.GeoT_UnitId = 5;
  rec.GeoT_UnitName = "Mine";
  FileConversion(rec, "KQ5", DefaultZoom{});
  EXPECT_EQ(rec.GeoT_UnitId, 5);
  EXPECT_EQ(rec.GeoT_UnitName.trimmed(), "Mine");
}

TEST(FileConversionTest, DhwTempOnlyLowered) {
  for (const Int16 t : std::initializer_list<Int16>{120, 135, 136, 180}) {
    ProjectRec rec = old_record();
    rec.Loads_DhwTemp = t;
    FileConversion(rec, "KQ6", DefaultZoom{});
    EXPECT_EQ(rec.Loads_DhwTemp, t > 135 ? 135 : t);
  }
}

TEST(FileConversionTest, MissingZoomLevelsBecomeStandard) {
  ProjectRec rec = testing::sample_project();
  rec.Zoom_HeatPumpBin = 0;
  rec.BinZoom_Furnace = 42;
  FileConversion(rec, "KQ7", DefaultZoom{});
  const auto zooms = zoom_fields(rec);
  for (std::size_t i = 0; i < kZoomCount; ++i) EXPECT_EQ(*zooms[i], kStandardZoom[i]) << i;
}

TEST(FileConversionTest, RunZoomLevelsReplaceTheReportLevelsOnly) {
  DefaultZoom run;
  for (int i = 0; i <= 17; ++i) run(i) = static_cast<Int16>(60 + i);
  ProjectRec rec = testing::sample_project();
  rec.BinZoom_GeoA = 77;
  FileConversion(rec, "KQ7", run);
  const auto zooms = zoom_fields(rec);
  for (std::size_t i = 0; i < kReportZoomCount; ++i) EXPECT_EQ(*zooms[i], 60 + static_cast<int>(i));
  EXPECT_EQ(rec.BinZoom_GeoA, 77);
}

TEST(FileConversionTest, ZoomLevelsOutsideTheViewsRangeAreTakenToItsEnds) {
  struct Row {
    Int16 read;
    Int16 kept;
  };
  for (const Row& r :
       {Row{24, 25}, Row{-5, 25}, Row{25, 25}, Row{200, 200}, Row{201, 200}, Row{32767, 200}}) {
    SCOPED_TRACE(r.read);
    ProjectRec rec = testing::sample_project();
    rec.Zoom_GeoASummary = r.read;
    rec.BinZoom_Furnace = r.read;
    FileConversion(rec, "KQ7", DefaultZoom{});
    EXPECT_EQ(rec.Zoom_GeoASummary, r.kept);
    EXPECT_EQ(rec.BinZoom_Furnace, r.kept);
    DefaultZoom run;
    take_report_zoom(rec, run);  // what a default file passes on to every later project
    EXPECT_EQ(run(8), r.kept);
  }
}

TEST(FileConversionTest, HugeGeoBTonsSaturate) {
  ProjectRec rec = old_record();
  rec.GeoB_Tons = Currency::from_raw(std::int64_t{1} << 60);
  FileConversion(rec, "KQ2", DefaultZoom{});
  EXPECT_EQ(rec.GeoB_Tons.raw(), std::numeric_limits<std::int64_t>::max());
}

TEST(FileConversionTest, CurrentRecordUnchangedApartFromZoom) {
  ProjectRec rec = testing::sample_project();
  set_standard_zoom(rec);  // levels the views accept
  const ProjectRec before = rec;
  FileConversion(rec, "KQ7", DefaultZoom{});
  EXPECT_EQ(rec, before);
}

}  // namespace
}  // namespace pellavan::model
