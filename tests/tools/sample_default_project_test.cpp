// The shipped default project: a record the program accepts, whose equipment and city ids
// name the catalogue records its stored names say.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "model/catalogue/catalogue_readers.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/records/tag_rec.h"
#include "sample_data_fixture.h"

namespace pellavan::testing {
namespace {

using model::Int16;

std::vector<char> bytes_of(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class DefaultProjectTest : public SampleDataTest {
 protected:
  void SetUp() override {
    SampleDataTest::SetUp();
    const auto records = all_records<model::ProjectRec>("Default.dat");
    ASSERT_EQ(records.size(), 1u);
    project = records.front();
  }

  template <class R>
  std::string name_in(std::string_view file, Int16 id) {
    R buffer{};
    return model::find_catalogue_record(model.data_files, model.program_folder, file, id, buffer)
               ? buffer.Name.trimmed()
               : "(not found)";
  }

  model::ProjectRec project;
};

TEST_F(DefaultProjectTest, IsOneCurrentRecordAndItsFactoryCopy) {
  EXPECT_EQ(project.FileTag.str(), "KQ7");
  EXPECT_EQ(bytes_of(path_of("Default.dat")), bytes_of(path_of("ODefault.dat")));
  const auto tag = all_records<model::TagRec>("Default.dat");
  ASSERT_FALSE(tag.empty());
  EXPECT_EQ(tag.front().Tag.str(), "KQ7");
}

TEST_F(DefaultProjectTest, CarriesTheStandardZoomLevels) {
  const Int16 standard[24] = {115, 100, 100, 115, 115, 100, 115, 100, 85,  115, 100, 85,
                              115, 115, 100, 85,  95,  105, 115, 115, 115, 115, 115, 115};
  const Int16 stored[24] = {
      project.Zoom_HeatPumpBin, project.Zoom_HeatPumpSummary, project.Zoom_HeatPumpGraph,
      project.Zoom_FurnaceBin,  project.Zoom_FurnaceSummary,  project.Zoom_FurnaceGraph,
      project.Zoom_GeoABin,     project.Zoom_GeoAGraph,       project.Zoom_GeoASummary,
      project.Zoom_GeoBBin,     project.Zoom_GeoBGraph,       project.Zoom_GeoBSummary,
      project.Zoom_GeoTBin,     project.Zoom_GeoTOperating,   project.Zoom_GeoTGraph,
      project.Zoom_GeoTSummary, project.Zoom_Project,         project.Zoom_ProjectGraph,
      project.BinZoom_GeoA,     project.BinZoom_GeoB,         project.BinZoom_GeoTBin,
      project.BinZoom_GeoTOp,   project.BinZoom_HeatPump,     project.BinZoom_Furnace};
  for (int i = 0; i < 24; ++i) EXPECT_EQ(stored[i], standard[i]) << "zoom level " << i;
}

TEST_F(DefaultProjectTest, StoredNamesAreThoseOfTheRecordsItsIdsName) {
  const auto& p = project;
  struct Row {
    const char* field;
    std::string found;
    std::string stored;
  };
  const Row rows[] = {
      {"GeoT unit", name_in<model::TUnitRec>("tUnitData.CEA", p.GeoT_UnitId),
       p.GeoT_UnitName.trimmed()},
      {"GeoT loop", name_in<model::LoopRec>("LoopData.CEA", p.GeoT_LoopId),
       p.GeoT_LoopName.trimmed()},
      {"GeoT soil", name_in<model::SoilRec>("SoilData.CEA", p.GeoT_SoilId),
       p.GeoT_SoilName.trimmed()},
      {"GeoT aux", name_in<model::FurnaceRec>("FossData.CEA", p.GeoT_AuxId),
       p.GeoT_AuxName.trimmed()},
      {"GeoT water heater", name_in<model::WaterHeaterRec>("WHData.CEA", p.GeoT_WaterHeaterId),
       p.GeoT_WaterHeaterName.trimmed()},
      {"GeoA unit", name_in<model::GeoUnitRec>("UnitData.CEA", p.GeoA_UnitId),
       p.GeoA_UnitName.trimmed()},
      {"GeoA loop", name_in<model::LoopRec>("LoopData.CEA", p.GeoA_LoopId),
       p.GeoA_LoopName.trimmed()},
      {"GeoA soil", name_in<model::SoilRec>("SoilData.CEA", p.GeoA_SoilId),
       p.GeoA_SoilName.trimmed()},
      {"GeoA aux", name_in<model::FurnaceRec>("FossData.CEA", p.GeoA_AuxId),
       p.GeoA_AuxName.trimmed()},
      {"GeoA water heater", name_in<model::WaterHeaterRec>("WHData.CEA", p.GeoA_WaterHeaterId),
       p.GeoA_WaterHeaterName.trimmed()},
      {"GeoB unit", name_in<model::GeoUnitRec>("UnitData.CEA", p.GeoB_UnitId),
       p.GeoB_UnitName.trimmed()},
      {"GeoB loop", name_in<model::LoopRec>("LoopData.CEA", p.GeoB_LoopId),
       p.GeoB_LoopName.trimmed()},
      {"GeoB soil", name_in<model::SoilRec>("SoilData.CEA", p.GeoB_SoilId),
       p.GeoB_SoilName.trimmed()},
      {"GeoB aux", name_in<model::FurnaceRec>("FossData.CEA", p.GeoB_AuxId),
       p.GeoB_AuxName.trimmed()},
      {"GeoB water heater", name_in<model::WaterHeaterRec>("WHData.CEA", p.GeoB_WaterHeaterId),
       p.GeoB_WaterHeaterName.trimmed()},
      {"heat pump", name_in<model::AirHPRec>("AirData.CEA", p.HeatPump_UnitId),
       p.HeatPump_UnitName.trimmed()},
      {"heat pump backup", name_in<model::FurnaceRec>("FossData.CEA", p.HeatPump_BackupId),
       p.HeatPump_BackupName.trimmed()},
      {"heat pump water heater",
       name_in<model::WaterHeaterRec>("WHData.CEA", p.HeatPump_WaterHeaterId),
       p.HeatPump_WaterHeaterName.trimmed()},
      {"furnace", name_in<model::FurnaceRec>("FossData.CEA", p.Furnace_UnitId),
       p.Furnace_UnitName.trimmed()},
      {"air conditioner", name_in<model::ACRec>("ACData.CEA", p.Furnace_ACId),
       p.Furnace_ACName.trimmed()},
      {"furnace water heater",
       name_in<model::WaterHeaterRec>("WHData.CEA", p.Furnace_WaterHeaterId),
       p.Furnace_WaterHeaterName.trimmed()},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.field);
    EXPECT_EQ(r.found, r.stored);
  }
  model::CityRec city{};
  ASSERT_TRUE(model::find_catalogue_record(model.data_files, model.program_folder, "Citydata.CEA",
                                           p.Loads_CityId, city));
  EXPECT_EQ(city.City.trimmed(), "St. Louis");
}

TEST_F(DefaultProjectTest, GeoTBlockStartsFromTheUsualUnitLoopAndLimits) {
  const auto& p = project;
  EXPECT_EQ(p.GeoT_UnitId, 3);
  EXPECT_EQ(p.GeoT_UnitName.trimmed(), "JN 1860 Varistep");
  EXPECT_EQ(p.GeoT_LoopId, 23);
  EXPECT_EQ(p.GeoT_LoopName.trimmed(), "Vert 1 U-Tube - 0.75\"");
  EXPECT_EQ(p.GeoT_SoilId, 2);
  EXPECT_EQ(p.GeoT_AuxId, 31);
  EXPECT_EQ(p.GeoT_AuxInput, 46798);
  EXPECT_EQ(p.GeoT_WaterHeaterId, 12);
  EXPECT_EQ(p.GeoT_Depth.to_double(), 100);
  EXPECT_EQ(p.GeoT_LoopMinTemp, 30);
  EXPECT_EQ(p.GeoT_LoopMaxTemp, 90);
  EXPECT_EQ(p.GeoT_AutoSize, 1);
  EXPECT_EQ(p.GeoT_HeatCapMin.to_double(), 0.3);
  EXPECT_EQ(p.GeoT_HeatCapMax.to_double(), 1.0);
  EXPECT_EQ(p.GeoT_CoolCapMin.to_double(), 0.3);
  EXPECT_EQ(p.GeoT_CoolCapMax.to_double(), 0.8);
}

TEST_F(DefaultProjectTest, LoadsAndRatesPassTheWindowsRangeChecks) {
  const auto& p = project;
  EXPECT_GE(p.Loads_CoolLoad, 1000);
  EXPECT_LE(p.Loads_CoolLoad, 999999);
  EXPECT_GE(p.Loads_DhwTemp, 120);
  EXPECT_LE(p.Loads_DhwTemp, 135);
  EXPECT_EQ(p.Loads_DhwUsers, 4);
  EXPECT_EQ(p.Loads_HeatSetPoint, 70);
  EXPECT_EQ(p.Loads_CoolSetPoint, 75);
  EXPECT_GE(p.Loads_SensibleRatio.to_double(), 0.6);
  EXPECT_LE(p.Loads_SensibleRatio.to_double(), 0.99);
  for (const auto* tons : {&p.GeoT_Tons, &p.GeoA_Tons, &p.GeoB_Tons}) {
    EXPECT_GT(tons->to_double(), 0);
    EXPECT_LE(tons->to_double(), 99);
  }
  EXPECT_GT(p.Rates_GeoElecSummer.to_double(), 0);
  EXPECT_GT(p.Rates_GasWinter.to_double(), 0);
}

}  // namespace
}  // namespace pellavan::testing
