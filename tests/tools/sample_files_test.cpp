// The built Data folder holds every file the program opens, in whole records, and every
// picture the records and windows name.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "model/project/rate_file.h"
#include "sample_data_fixture.h"

namespace pellavan::testing {
namespace {

TEST_F(SampleDataTest, HoldsEveryDataFileInWholeRecords) {
  struct Row {
    const char* file;
    std::size_t record_length;
  };
  const Row rows[] = {
      {"FossData.CEA", model::FurnaceRec::kFileSize},
      {"ACData.CEA", model::ACRec::kFileSize},
      {"WHData.CEA", model::WaterHeaterRec::kFileSize},
      {"AirData.CEA", model::AirHPRec::kFileSize},
      {"UnitData.CEA", model::GeoUnitRec::kFileSize},
      {"tUnitData.CEA", model::TUnitRec::kFileSize},
      {"TUnitData.CEA", model::TUnitRec::kFileSize},
      {"LoopData.CEA", model::LoopRec::kFileSize},
      {"LoopDataM.CEA", model::LoopRec::kFileSize},
      {"SoilData.CEA", model::SoilRec::kFileSize},
      {"SoilDataM.CEA", model::SoilRec::kFileSize},
      {"Citydata.CEA", model::CityRec::kFileSize},
      {"CityData.CEA", model::CityRec::kFileSize},
      {"Default.dat", model::ProjectRec::kFileSize},
      {"ODefault.dat", model::ProjectRec::kFileSize},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.file);
    const auto path = path_of(r.file);
    ASSERT_TRUE(std::filesystem::exists(path));
    const auto size = std::filesystem::file_size(path);
    EXPECT_GT(size, 0u);
    EXPECT_EQ(size % r.record_length, 0u);
  }
}

// One rate file of each display mode, as the utility-rates window saves them.
TEST_F(SampleDataTest, HoldsAnImperialAndAMetricRateFile) {
  const model::RateRead imperial = model::read_rate_file(path_of("Sample Rates.rat"));
  const model::RateRead metric = model::read_rate_file(path_of("Sample Metric Rates.rat"));
  ASSERT_EQ(imperial.status, model::RateReadStatus::kOk);
  ASSERT_EQ(metric.status, model::RateReadStatus::kOk);
  EXPECT_EQ(imperial.record.MetricFile.str(), " ");
  EXPECT_EQ(imperial.record.CurrencyId.str(), "      ");
  EXPECT_EQ(metric.record.MetricFile.str(), "1");
  EXPECT_EQ(metric.record.GasPerGJ.str(), "1");
  EXPECT_EQ(metric.record.CurrencyId.trimmed(), "$ CND");
  EXPECT_EQ(metric.record.GasSummer.raw(), 14160);  // 0.5 per m3 stored per Ccf
}

bool is_bitmap(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[2] = {};
  in.read(magic, 2);
  return in && magic[0] == 'B' && magic[1] == 'M';
}

TEST_F(SampleDataTest, HoldsThePicturesTheWindowsName) {
  for (const char* name :
       {"Logost.bmp", "Logook.bmp", "gli01.bmp", "GeoLogo.bmp", "AuxHeat.bmp", "AuxHeatElec.bmp",
        "tandem.bmp", "VertSoil.bmp", "HorzSoil.bmp", "VertSoilm.bmp", "HorzSoilm.bmp",
        "coilqual.bmp", "coilqualV.bmp", "coilcond.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(is_bitmap(path_of(name)));
  }
}

TEST_F(SampleDataTest, HoldsEveryPictureTheRecordsName) {
  std::set<std::string> names;
  const auto add = [&](const auto& records) {
    for (const auto& r : records) names.insert(r.Picture.trimmed());
  };
  add(all_records<model::FurnaceRec>("FossData.CEA"));
  add(all_records<model::ACRec>("ACData.CEA"));
  add(all_records<model::WaterHeaterRec>("WHData.CEA"));
  add(all_records<model::AirHPRec>("AirData.CEA"));
  add(all_records<model::GeoUnitRec>("UnitData.CEA"));
  add(all_records<model::TUnitRec>("tUnitData.CEA"));
  add(all_records<model::LoopRec>("LoopData.CEA"));
  add(all_records<model::LoopRec>("LoopDataM.CEA"));
  EXPECT_GE(names.size(), 20u);
  for (const auto& name : names) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(is_bitmap(path_of(name)));
  }
}

}  // namespace
}  // namespace pellavan::testing
