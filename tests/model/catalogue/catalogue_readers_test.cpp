#include "model/catalogue/catalogue_readers.h"

#include <gtest/gtest.h>

#include "model/catalogue/catalogue_fixture.h"

namespace pellavan::model {
namespace {

using testing::CatalogueFixture;
using testing::named_record;

class CatalogueReadersTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    model.program_folder = program_folder();
  }
  ModelState model;
};

TEST_F(CatalogueReadersTest, FossilRecordIsLookedUpByWantedUnitId) {
  write_catalogue<FurnaceRec>("FossData.CEA", {named_record<FurnaceRec>(31, "Electric Duct Heater"),
                                               named_record<FurnaceRec>(4, "Gas 80")});
  model.WantedUnitId = 4;
  EXPECT_TRUE(Load_FossilRecord(model));
  EXPECT_EQ(model.FurnaceRec.Name.trimmed(), "Gas 80");
  model.WantedUnitId = 5;
  EXPECT_FALSE(Load_FossilRecord(model));
  EXPECT_EQ(model.FurnaceRec, FurnaceRec{});
}

TEST_F(CatalogueReadersTest, FossilRecordAlreadyInTheBufferIsNotRead) {
  write_catalogue<FurnaceRec>("FossData.CEA", {named_record<FurnaceRec>(4, "On file")});
  model.FurnaceRec = named_record<FurnaceRec>(4, "Held");
  model.WantedUnitId = 4;
  EXPECT_TRUE(Load_FossilRecord(model));
  EXPECT_EQ(model.FurnaceRec.Name.trimmed(), "Held");
}

TEST_F(CatalogueReadersTest, AirConditionerLookupLeavesTheFurnaceSheetActive) {
  write_catalogue<ACRec>("ACData.CEA", {named_record<ACRec>(2, "AC 13")});
  InMemoryReportWorkbookSheets workbook;
  workbook.set_active_sheet(15);
  model.ProjectRec.Furnace_ACId = 2;
  EXPECT_TRUE(Load_ACRecord(model, workbook));
  EXPECT_EQ(workbook.active_sheet(), kFurnaceSheet);
  workbook.set_active_sheet(1);
  model.ProjectRec.Furnace_ACId = 77;
  EXPECT_FALSE(Load_ACRecord(model, workbook));
  EXPECT_EQ(workbook.active_sheet(), kFurnaceSheet);
}

TEST_F(CatalogueReadersTest, UnitRecordAndItsFlag) {
  GeoUnitRec old = named_record<GeoUnitRec>(8, "RKF036");
  old.Inactive = 1;
  write_catalogue<GeoUnitRec>("UnitData.CEA", {named_record<GeoUnitRec>(3, "RKD024"), old});
  EXPECT_TRUE(Load_UnitRecord(model, 3));
  EXPECT_EQ(model.GeoUnitRec.Name.trimmed(), "RKD024");
  EXPECT_EQ(Get_UnitFlag(model, 8), 1);
  EXPECT_EQ(Get_UnitFlag(model, 3), 0);
  EXPECT_EQ(Get_UnitFlag(model, 9), kUnitAbsent);
}

TEST_F(CatalogueReadersTest, TUnitFileIsFoundWhateverItsCase) {
  TUnitRec unit = named_record<TUnitRec>(3, "JN 1860 Varistep");
  unit.Inactive = 1;
  unit.RatedCapMax = 60000.0f;
  write_catalogue<TUnitRec>("TUnitData.CEA", {named_record<TUnitRec>(1, "JN 1200"), unit});
  EXPECT_TRUE(Load_TUnitRecord(model, 3));
  EXPECT_EQ(model.TUnitRec.RatedCapMax, 60000.0f);
  EXPECT_EQ(Get_TUnitFlag(model, 3), 1);
  EXPECT_EQ(Get_TUnitFlag(model, 4), kUnitAbsent);
  EXPECT_EQ(model.TUnitRec, TUnitRec{});
}

TEST_F(CatalogueReadersTest, UnitReadersReadNothingWhenTheBufferHoldsTheId) {
  GeoUnitRec unit_on_file = named_record<GeoUnitRec>(3, "On file");
  unit_on_file.Inactive = 1;
  TUnitRec t_unit_on_file = named_record<TUnitRec>(3, "On file");
  t_unit_on_file.Inactive = 1;
  write_catalogue<GeoUnitRec>("UnitData.CEA", {unit_on_file});
  write_catalogue<TUnitRec>("tUnitData.CEA", {t_unit_on_file});
  model.GeoUnitRec = named_record<GeoUnitRec>(3, "Held");
  model.TUnitRec = named_record<TUnitRec>(3, "Held");
  EXPECT_TRUE(Load_UnitRecord(model, 3));
  EXPECT_EQ(Get_UnitFlag(model, 3), 0);
  EXPECT_TRUE(Load_TUnitRecord(model, 3));
  EXPECT_EQ(Get_TUnitFlag(model, 3), 0);
  EXPECT_EQ(model.GeoUnitRec.Name.trimmed(), "Held");
  EXPECT_EQ(model.TUnitRec.Name.trimmed(), "Held");
}

TEST_F(CatalogueReadersTest, LoopRecordIsAlwaysReadFromRecordOne) {
  write_catalogue<LoopRec>("LoopData.CEA", {named_record<LoopRec>(23, "Vert 1 U-Tube")});
  model.LoopRec = named_record<LoopRec>(23, "Held");
  EXPECT_TRUE(Load_LoopRecord(model, 23));
  EXPECT_EQ(model.LoopRec.Name.trimmed(), "Vert 1 U-Tube");
}

TEST_F(CatalogueReadersTest, LoopKeyZeroGivesAnEmptiedRecord) {
  write_catalogue<LoopRec>("LoopData.CEA", {named_record<LoopRec>(23, "Vert 1 U-Tube")});
  model.LoopRec = named_record<LoopRec>(10, "Well Water");
  EXPECT_TRUE(Load_LoopRecord(model, 0));
  EXPECT_EQ(model.LoopRec, LoopRec{});
}

TEST_F(CatalogueReadersTest, LoopAndSoilFilesFollowTheUnitOptions) {
  write_catalogue<LoopRec>("LoopData.CEA", {named_record<LoopRec>(28, "Horz feet")});
  write_catalogue<LoopRec>("LoopDataM.CEA", {named_record<LoopRec>(28, "Horz metres")});
  struct Row {
    const char* name;
    Int16 metric;
    Int16 keep_feet;
    const char* loop;
    const char* soil_file;
  };
  const Row rows[] = {{"imperial", 0, 0, "Horz feet", "SoilData.CEA"},
                      {"metric", -1, 0, "Horz metres", "SoilDataM.CEA"},
                      {"metric keeping feet", -1, -1, "Horz feet", "SoilDataM.CEA"},
                      {"imperial, keep feet set", 0, -1, "Horz feet", "SoilData.CEA"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    model.MetricFlag(model::kMetricDisplay) = r.metric;
    model.MetricFlag(model::kKeepFeet) = r.keep_feet;
    EXPECT_TRUE(Load_LoopRecord(model, 28));
    EXPECT_EQ(model.LoopRec.Name.trimmed(), r.loop);
    EXPECT_EQ(soil_file_name(model.MetricFlag), r.soil_file);
  }
}

TEST_F(CatalogueReadersTest, EveryReaderEndsTheProgramOnAMissingCatalogue) {
  InMemoryReportWorkbookSheets workbook;
  EXPECT_THROW(Load_FossilRecord(model), model::DataFileFailure);
  EXPECT_THROW(Load_ACRecord(model, workbook), model::DataFileFailure);
  EXPECT_THROW(Load_UnitRecord(model, 1), model::DataFileFailure);
  EXPECT_THROW(Load_TUnitRecord(model, 1), model::DataFileFailure);
  EXPECT_THROW(Load_LoopRecord(model, 1), model::DataFileFailure);
  EXPECT_THROW(Get_UnitFlag(model, 1), model::DataFileFailure);
  EXPECT_THROW(Get_TUnitFlag(model, 1), model::DataFileFailure);
  EXPECT_EQ(model.data_files.DataFilePath, (data_folder() / "tUnitData.CEA").string());
}

}  // namespace
}  // namespace pellavan::model
