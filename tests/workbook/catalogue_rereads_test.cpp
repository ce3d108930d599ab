// The records a fill reads again: each from its file, the loop and soil files chosen by the unit
// options, a buffer that holds the id read no further, an unknown id leaving an emptied record.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/load_calc_state.h"
#include "sheet/book.h"
#include "tools/sample_data_fixture.h"
#include "workbook/filler/catalogue_rereads.h"

namespace pellavan::workbook {
namespace {

class CatalogueRereadsTest : public pellavan::testing::SampleDataTest {
 protected:
  model::LoadCalcState loads;
  sheet::Book book;
  FillContext ctx{model, loads, book};
};

TEST_F(CatalogueRereadsTest, EachRecordComesFromItsFile) {
  EXPECT_TRUE(reread_geo_unit(ctx, 4));
  EXPECT_EQ(model.GeoUnitRec.Id, 4);
  EXPECT_TRUE(reread_t_unit(ctx, 3));
  EXPECT_EQ(model.TUnitRec.Name.trimmed(), "JN 1860 Varistep");
  EXPECT_TRUE(reread_furnace(ctx, 31));
  EXPECT_EQ(model.FurnaceRec.Name.trimmed(), "Electric Duct Heater");
  EXPECT_TRUE(reread_water_heater(ctx, 1));
  EXPECT_EQ(model.WaterHeaterRec.Name.trimmed(), "Gas Water Heater 40 Gal");
  EXPECT_TRUE(reread_air_hp(ctx, 3));
  EXPECT_EQ(model.AirHPRec.Name.trimmed(), "HP 13 SEER Single Stage");
  EXPECT_TRUE(reread_ac(ctx, 3));
  EXPECT_EQ(model.ACRec.Id, 3);
  EXPECT_TRUE(reread_soil(ctx, 2));
  EXPECT_EQ(model.SoilRec.Id, 2);
}

TEST_F(CatalogueRereadsTest, LoopsFollowTheUnitOptions) {
  struct Row {
    const char* name;
    model::Int16 metric, keep_ft;
    const char* loop;
  };
  const Row rows[] = {
      {"imperial", 0, 0, "Vert 1 U-Tube - 0.75\""},
      {"metric", -1, 0, "Vert 1 U-Tube - 19 mm"},
      {"metric keeping feet", -1, -1, "Vert 1 U-Tube - 0.75\""},
  };
  for (const Row& r : rows) {
    model.MetricFlag(model::kMetricDisplay) = r.metric;
    model.MetricFlag(model::kKeepFeet) = r.keep_ft;
    model.LoopRec = {};  // a buffer holding the id would keep the other file's record
    EXPECT_TRUE(reread_loop(ctx, 23)) << r.name;
    EXPECT_EQ(model.LoopRec.Name.trimmed(), r.loop) << r.name;
  }
}

TEST_F(CatalogueRereadsTest, ABufferHoldingTheIdIsNotReadAgainButTheFileIsStillChecked) {
  ASSERT_TRUE(reread_water_heater(ctx, 1));
  model.WaterHeaterRec.Name = "kept";
  EXPECT_TRUE(reread_water_heater(ctx, 1));
  EXPECT_EQ(model.WaterHeaterRec.Name.trimmed(), "kept");
  EXPECT_EQ(model.data_files.files.open_count(), 0u) << "every file is closed again";

  const auto elsewhere = std::filesystem::temp_directory_path() / "pellavan-no-data-folder";
  model.program_folder = elsewhere;
  EXPECT_THROW(reread_water_heater(ctx, 1), pellavan::model::DataFileFailure);
}

TEST_F(CatalogueRereadsTest, AnUnknownIdLeavesAnEmptiedRecord) {
  ASSERT_TRUE(reread_furnace(ctx, 31));
  EXPECT_FALSE(reread_furnace(ctx, 999));
  EXPECT_EQ(model.FurnaceRec.Id, 0);
  EXPECT_EQ(model.FurnaceRec.FullLoadEff.raw(), 0);
}

}  // namespace
}  // namespace pellavan::workbook
