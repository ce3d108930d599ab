// The sample catalogues hold every record the program looks for by id or by name.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "model/catalogue/catalogue_readers.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/report_workbook_sheets.h"
#include "sample_data_fixture.h"

namespace pellavan::testing {
namespace {

using model::Int16;
using model::ModelState;

// The trimmed name a reader finds for an id, or "(not found)".
using Lookup = std::function<std::string(ModelState&, Int16)>;

template <class R>
Lookup scan(std::string_view file) {
  return [file](ModelState& m, Int16 id) {
    R buffer{};
    const bool found =
        model::find_catalogue_record(m.data_files, m.program_folder, file, id, buffer);
    if constexpr (requires { buffer.City; })
      return found ? buffer.City.trimmed() : std::string("(not found)");
    else
      return found ? buffer.Name.trimmed() : std::string("(not found)");
  };
}

const Lookup kFurnace = [](ModelState& m, Int16 id) {
  m.WantedUnitId = id;
  return model::Load_FossilRecord(m) ? m.FurnaceRec.Name.trimmed() : "(not found)";
};
const Lookup kAirConditioner = [](ModelState& m, Int16 id) {
  model::InMemoryReportWorkbookSheets workbook;
  m.ProjectRec.Furnace_ACId = id;
  return model::Load_ACRecord(m, workbook) ? m.ACRec.Name.trimmed() : "(not found)";
};
const Lookup kGeoUnit = [](ModelState& m, Int16 id) {
  return model::Load_UnitRecord(m, id) ? m.GeoUnitRec.Name.trimmed() : "(not found)";
};
const Lookup kTUnit = [](ModelState& m, Int16 id) {
  return model::Load_TUnitRecord(m, id) ? m.TUnitRec.Name.trimmed() : "(not found)";
};
const Lookup kLoop = [](ModelState& m, Int16 id) {
  m.MetricFlag = {};
  return model::Load_LoopRecord(m, id) ? m.LoopRec.Name.trimmed() : "(not found)";
};
const Lookup kMetricLoop = [](ModelState& m, Int16 id) {
  m.MetricFlag(model::kMetricDisplay) = -1;
  return model::Load_LoopRecord(m, id) ? m.LoopRec.Name.trimmed() : "(not found)";
};

TEST_F(SampleDataTest, ReadersFindTheRecordsTheProgramAsksForById) {
  struct Row {
    const char* what;
    const Lookup& lookup;
    Int16 id;
    const char* name;
  };
  const Lookup water_heater = scan<model::WaterHeaterRec>("WHData.CEA");
  const Lookup soil = scan<model::SoilRec>("SoilData.CEA");
  const Lookup metric_soil = scan<model::SoilRec>("SoilDataM.CEA");
  const Lookup heat_pump = scan<model::AirHPRec>("AirData.CEA");
  const Lookup city = scan<model::CityRec>("Citydata.CEA");
  const Row rows[] = {
      {"Geo T auxiliary heat", kFurnace, 31, "Electric Duct Heater"},
      {"another electric heater", kFurnace, 32, "Electric Furnace"},
      {"default furnace", kFurnace, 1, "Gas Furnace-80 Single Stage"},
      {"default air conditioner", kAirConditioner, 3, "AC 13 SEER Single Stage"},
      {"default heat pump", heat_pump, 3, "HP 13 SEER Single Stage"},
      {"Geo T unit", kTUnit, 3, "JN 1860 Varistep"},
      {"Geo A unit", kGeoUnit, 4, "RKS060 Two Stage"},
      {"well water", kLoop, 10, "Well Water"},
      {"Geo T loop", kLoop, 23, "Vert 1 U-Tube - 0.75\""},
      {"loop for well water refused", kLoop, 28, "Vert 1 U-Tube - 1.0\" Thermal Grout"},
      {"pond loop 9", kLoop, 9, "Pond Loop - 0.75\" Coils"},
      {"pond loop 19", kLoop, 19, "Pond Slinky - 1.0\""},
      {"metric well water", kMetricLoop, 10, "Well Water"},
      {"metric Geo T loop", kMetricLoop, 23, "Vert 1 U-Tube - 19 mm"},
      {"Geo T soil", soil, 2, "Average Rock"},
      {"metric Geo T soil", metric_soil, 2, "Average Rock"},
      {"tandem heater", water_heater, 4, "Geo Assisted Electric 80 Gal"},
      {"full hot water heater", water_heater, 5, "Geo Full Hot Water 80 Gal"},
      {"Geo T water heater", water_heater, 12, "Geo Varistep Assisted Electric 80 Gal"},
      {"worked example city", city, 7, "St. Louis"},
      {"absent unit", kGeoUnit, 999, "(not found)"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(r.lookup(model, r.id), r.name);
  }
}

TEST_F(SampleDataTest, InactiveFlagsOfUnitsAreReadAsTheOpenCheckReadsThem) {
  EXPECT_EQ(model::Get_UnitFlag(model, 4), 0);
  EXPECT_EQ(model::Get_UnitFlag(model, 15), 1);  // discontinued
  EXPECT_EQ(model::Get_UnitFlag(model, 16), 2);  // listed only with inactive units shown
  EXPECT_EQ(model::Get_UnitFlag(model, 999), model::kUnitAbsent);
  EXPECT_EQ(model::Get_TUnitFlag(model, 3), 0);
  EXPECT_EQ(model::Get_TUnitFlag(model, 2), 1);
}

template <class R>
bool any_of(const std::vector<R>& records, const std::function<bool(const R&)>& test) {
  return std::any_of(records.begin(), records.end(), test);
}

bool starts(const std::string& text, const std::string& prefix) { return text.starts_with(prefix); }

TEST_F(SampleDataTest, NamesCarryThePrefixesTheSelectionRulesLookFor) {
  const auto units = all_records<model::GeoUnitRec>("UnitData.CEA");
  const auto loops = all_records<model::LoopRec>("LoopData.CEA");
  const auto heaters = all_records<model::WaterHeaterRec>("WHData.CEA");
  const auto furnaces = all_records<model::FurnaceRec>("FossData.CEA");
  using U = model::GeoUnitRec;
  using L = model::LoopRec;
  EXPECT_TRUE(any_of<U>(units, [](const U& u) { return starts(u.Name.trimmed(), "RKD"); }));
  EXPECT_TRUE(any_of<U>(units, [](const U& u) { return starts(u.Name.trimmed(), "RKF"); }));
  EXPECT_TRUE(any_of<U>(units, [](const U& u) { return u.HydronicFlag >= 1; }));
  for (const char* prefix : {"Pond", "Vert", "Horz", "Slinky", "Well Water"}) {
    SCOPED_TRACE(prefix);
    EXPECT_TRUE(any_of<L>(loops, [&](const L& l) { return starts(l.Name.trimmed(), prefix); }));
  }
  EXPECT_GE(std::count_if(
                heaters.begin(), heaters.end(),
                [](const auto& h) { return h.Name.trimmed().find("Geo") != std::string::npos; }),
            3);
  EXPECT_GE(std::count_if(furnaces.begin(), furnaces.end(),
                          [](const auto& f) { return starts(f.Name.trimmed(), "Electric"); }),
            2);
  EXPECT_TRUE(std::any_of(furnaces.begin(), furnaces.end(), [](const auto& f) {
    return f.Name.trimmed().find("Fan Coil") != std::string::npos;
  }));
}

// How many records of a file a list leaves out, and how many it shows.
struct Tally {
  const char* file;
  long left_out;
  long listed;
};

template <class R, class LeftOut>
Tally tally(const char* file, const std::vector<R>& records, LeftOut left_out) {
  const long out = std::count_if(records.begin(), records.end(), left_out);
  return {file, out, static_cast<long>(records.size()) - out};
}

TEST_F(SampleDataTest, EveryListHasRecordsItLeavesOutAndEnoughItShows) {
  const auto hidden = [](const auto& r) { return r.Hidden == 1; };
  const auto inactive = [](const auto& r) { return r.Inactive != 0; };
  const Tally rows[] = {
      tally("FossData.CEA", all_records<model::FurnaceRec>("FossData.CEA"), hidden),
      tally("ACData.CEA", all_records<model::ACRec>("ACData.CEA"), hidden),
      tally("WHData.CEA", all_records<model::WaterHeaterRec>("WHData.CEA"), hidden),
      tally("AirData.CEA", all_records<model::AirHPRec>("AirData.CEA"), hidden),
      tally("LoopData.CEA", all_records<model::LoopRec>("LoopData.CEA"), hidden),
      tally("SoilData.CEA", all_records<model::SoilRec>("SoilData.CEA"), hidden),
      tally("UnitData.CEA", all_records<model::GeoUnitRec>("UnitData.CEA"), inactive),
      tally("tUnitData.CEA", all_records<model::TUnitRec>("tUnitData.CEA"), inactive),
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.file);
    EXPECT_GE(r.left_out, 1);
    EXPECT_GE(r.listed, 2);  // the windows' restore selects the second entry of each list
  }
}

TEST_F(SampleDataTest, WaterHeaterRecordNHoldsIdNUpToTheJnListStart) {
  const auto heaters = all_records<model::WaterHeaterRec>("WHData.CEA");
  ASSERT_GE(heaters.size(), 12u);
  for (std::size_t n = 1; n <= 12; ++n) EXPECT_EQ(heaters[n - 1].Id, static_cast<Int16>(n));
  for (std::size_t n = 12; n <= heaters.size(); ++n)
    EXPECT_NE(heaters[n - 1].Name.trimmed().find("Geo"), std::string::npos) << "record " << n;
}

TEST_F(SampleDataTest, IdsAreUniqueInEveryCatalogue) {
  const auto unique = [](const auto& records) {
    std::set<Int16> ids;
    for (const auto& r : records)
      if (!ids.insert(r.Id).second) return false;
    return !records.empty();
  };
  EXPECT_TRUE(unique(all_records<model::FurnaceRec>("FossData.CEA")));
  EXPECT_TRUE(unique(all_records<model::ACRec>("ACData.CEA")));
  EXPECT_TRUE(unique(all_records<model::WaterHeaterRec>("WHData.CEA")));
  EXPECT_TRUE(unique(all_records<model::AirHPRec>("AirData.CEA")));
  EXPECT_TRUE(unique(all_records<model::GeoUnitRec>("UnitData.CEA")));
  EXPECT_TRUE(unique(all_records<model::TUnitRec>("tUnitData.CEA")));
  EXPECT_TRUE(unique(all_records<model::LoopRec>("LoopData.CEA")));
  EXPECT_TRUE(unique(all_records<model::CityRec>("Citydata.CEA")));
}

TEST_F(SampleDataTest, NonElectricEquipmentHasAnEfficiencyToDivideBy) {
  for (const auto& f : all_records<model::FurnaceRec>("FossData.CEA")) {
    SCOPED_TRACE(f.Name.trimmed());
    EXPECT_GT(f.FullLoadEff.to_double(), 0.5);
    EXPECT_LE(f.FullLoadEff.to_double(), 1.0);
    EXPECT_EQ(f.FuelType == 4, f.Name.trimmed().starts_with("Electric"));
  }
  for (const auto& h : all_records<model::WaterHeaterRec>("WHData.CEA")) {
    SCOPED_TRACE(h.Name.trimmed());
    EXPECT_GT(h.AnnualEff.to_double(), 0.0);
    EXPECT_GT(h.FuelBtu.to_double(), 0.0);
  }
}

}  // namespace
}  // namespace pellavan::testing
