// Files that arrive damaged: a figure no window would accept in a project or a rate file, and a
// catalogue record of figures no unit can have. What the user is told, what the analysis makes of
// it, and seeded runs of mutated projects and catalogues: none is called usable with a figure
// beyond its range.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "loads/input/rate_transfer.h"
#include "model/catalogue/catalogue_files.h"
#include "model/project/system_kinds.h"
#include "model/records/air_hp_rec.h"
#include "model/records/furnace_rec.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/t_unit_rec.h"
#include "model/report_workbook_sheets.h"
#include "projects/project_set.h"
#include "systems/stored_figures.h"
#include "tools/data_copy.h"
#include "workbook/analysis_run.h"

namespace pellavan {
namespace {

namespace fs = std::filesystem;
using model::ProjectRec;
using model::SystemType;

constexpr double kImpossible = 1e12;  // no figure of a report reaches it
using testing::DataCopy;
using Bytes = DataCopy::Bytes;
constexpr auto read_all = &DataCopy::read_all;
constexpr auto write_all = &DataCopy::write_all;

// The sheets the analysis of a project shows: its compared systems' and those they share.
std::set<int> shown_sheets(const ProjectRec& rec) {
  std::set<int> sheets = {model::kLoadsSheet, model::kRatesSheet, model::kPrsSheet};
  for (const model::SystemKind& kind : model::kSystemKinds)
    if (model::compared(rec, kind.type))
      sheets.insert({kind.input_sheet, kind.summary_sheet, kind.result_sheet});
  return sheets;
}

// The places of the shown sheets that hold a figure beyond kImpossible, and of the pages of the
// analysed systems (their summaries and result panels, and the Project Report) that hold an error
// value. (Other error values are no sign: the workbook has some in one city and not in another.)
std::set<sheet::CellPos> beyond(const workbook::ProjectAnalysis& a,
                                const std::vector<model::StoredFigure>& kept_out = {}) {
  const ProjectRec& rec = a.model.ProjectRec;
  std::set<int> pages = {model::kPrsSheet};
  for (const model::SystemKind& kind : model::kSystemKinds)
    if (model::compared(rec, kind.type) &&
        std::ranges::none_of(kept_out, [&](const model::StoredFigure& f) {
          return f.system == SystemType::NoSystem || f.system == kind.type;
        }))
      pages.insert({kind.summary_sheet, kind.result_sheet});
  std::set<sheet::CellPos> found;
  for (const int number : shown_sheets(rec)) {
    const int s = number - 1;
    const auto used = a.book.used_range(s);
    if (!used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r)
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const sheet::Value v = a.book.cell_value({s, r, c});
        if ((v.is_number() && !(std::fabs(v.as_number()) < kImpossible)) ||
            (v.is_error() && pages.contains(number)))
          found.insert({s, r, c});
      }
  }
  return found;
}

class DamagedFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    copy = std::make_unique<DataCopy>(data);
    folder = copy->folder;
    analysis = std::make_unique<workbook::ProjectAnalysis>(folder);
    analysis->check_stored_figures(&systems::stored_figures);
    sample = workbook::read_project_for_analysis(data / "Sample Project.pvn");
  }
  void TearDown() override {
    analysis.reset();
    copy.reset();
  }

  // Each run reads the catalogues as they are now: a record buffer holding the id asked for
  // would be taken as found without a read.
  workbook::AnalysisOutcome run(const ProjectRec& rec, bool metric = false) {
    analysis->model = model::ModelState{};
    analysis->model.program_folder = folder;
    analysis->model.MetricFlag(model::kMetricDisplay) = metric ? 1 : 0;
    analysis->model.ProjectRec = rec;
    analysis->title = "damaged.pvn";
    return analysis->run();
  }
  // What the project's open finds in it, in one display.
  std::vector<model::StoredFigure> found_in(const ProjectRec& rec, bool metric = false) {
    model::ModelState m;
    m.program_folder = folder;
    m.ProjectRec = rec;
    m.MetricFlag(model::kMetricDisplay) = metric ? 1 : 0;
    return systems::stored_figures(m);
  }
  // The text of the Project Report's row of column n (1..3), and its heating cost.
  std::string option_text(int n) const {
    return analysis->book.cell_text({model::kPrsSheet - 1, 37 + n, 2});
  }
  std::string heating_cost(int n) const {
    return analysis->book.cell_text({model::kPrsSheet - 1, 37 + n, 7});
  }

  const fs::path data = std::getenv("PELLAVAN_DATA_DIR");
  std::unique_ptr<DataCopy> copy;
  fs::path folder;
  std::unique_ptr<workbook::ProjectAnalysis> analysis;
  ProjectRec sample;
};

TEST_F(DamagedFilesTest, AFigureNoWindowWouldAcceptIsToldAndNotCosted) {
  struct Row {
    const char* name;
    std::function<void(ProjectRec&)> damage;
    const char* told;                  // on opening the project; "" nothing
    std::vector<std::string> options;  // the Project Report's three rows; empty: as intact
    bool metric = false;
  };
  ASSERT_TRUE(run(sample).usable());
  const std::string intact_geo_a = option_text(2);
  const std::set<sheet::CellPos> intact = beyond(*analysis);
  const std::string propane = "Propane Winter Rate Out of Range";
  const Row rows[] = {
      {"a second unit of 489,991,639,457,911 tons",
       [](ProjectRec& p) {
         p.GeoA_Unit2Tons = model::Currency::from_double_saturated(489991639457910.9648);
       },
       "Geo A Holds a Second Unit Quantity of 489,991,639,457,911, Which Is Out of Range -- Open "
       "the Geo A Window to Correct It",
       {"", "Second Unit Quantity Out of Range", ""}},
      {"a winter propane rate of 634,106,827,533,768 $/gallon",
       [](ProjectRec& p) {
         p.Rates_PropaneWinter = model::Currency::from_double_saturated(634106827533767.94);
       },
       "Utility Information Holds a Propane Winter Rate of 634,106,827,533,768, Which Is Out of "
       "Range -- Open the Utility Information Window to Correct It",
       {propane, propane, propane}},
      {"a rate file's inflation rate of 300 %",
       [](ProjectRec& p) {
         model::RatesRec file;
         loads::rates_to_file(p, model::UnitOptions{}, file);
         file.GasInflation = model::Currency::from_double_saturated(3);
         loads::rates_from_file(file, p);
       },
       "Utility Information Holds a Natural Gas Inflation Rate of 3, Which Is Out of Range -- "
       "Open the Utility Information Window to Correct It",
       {"Natural Gas Inflation Rate Out of Range", "Natural Gas Inflation Rate Out of Range",
        "Natural Gas Inflation Rate Out of Range"}},
      {"an air conditioner of 2,000,000,000 Btu/h",
       [](ProjectRec& p) { p.Furnace_ACCapacity = 2000000000; },
       "Furnace/Boiler Holds an A/C Capacity of 2,000,000,000, Which Is Out of Range -- Open the "
       "Furnace/Boiler Window to Correct It",
       {"A/C Capacity Out of Range", "", ""}},
      {"hot water at 140 F, which the analysis is worked out at",
       [](ProjectRec& p) { p.Loads_DhwTemp = 140; },
       "Project Information Holds a Hot Water Temp of 140, Which Is Out of Range -- Open the "
       "Project Information Window to Correct It",
       {}},
      {"a Geo T the project does not compare, of 500 tons",
       [](ProjectRec& p) { p.GeoT_Tons = model::Currency::from_double_saturated(500); },
       "Geo T Holds a Unit Quantity of 500, Which Is Out of Range -- Open the Geo T Window to "
       "Correct It",
       {}},
      {"a heating set point of 32,000 behind hot water at 140 F",
       [](ProjectRec& p) {
         p.Loads_DhwTemp = 140;
         p.Loads_HeatSetPoint = 32000;
       },
       "Project Information Holds a Heating Set Point of 32,000, Which Is Out of Range -- Open "
       "the Project Information Window to Correct It",
       {"Heating Set Point Out of Range", "Heating Set Point Out of Range",
        "Heating Set Point Out of Range"}},
      {"a cooling set point and start of 0 behind hot water at 140 F",
       [](ProjectRec& p) {
         p.Loads_DhwTemp = 140;
         p.Loads_CoolSetPoint = p.Loads_CoolStart = 0;
       },
       "Project Information Holds a Cooling Set Point of 0, Which Is Out of Range -- Open the "
       "Project Information Window to Correct It",
       {"Cooling Set Point Out of Range", "Cooling Set Point Out of Range",
        "Cooling Set Point Out of Range"}},
      // A data edition that renamed its loops: the stored name is a vertical loop's, the id a
      // slinky's, which the window and the analysis take.
      {"a slinky loop under a vertical loop's name, 6 ft deep",
       [](ProjectRec& p) {
         p.GeoA_LoopId = 6;
         p.GeoA_Depth = model::Currency::from_double_saturated(6);
       },
       "",
       {}},
      {"a slinky loop under a vertical loop's name, 100 ft deep",
       [](ProjectRec& p) {
         p.GeoA_LoopId = 6;
         p.GeoA_Depth = model::Currency::from_double_saturated(100);
       },
       "Geo A Holds an Average Depth of 100, Which Is Out of Range -- Open the Geo A Window to "
       "Correct It",
       {"", "Average Depth Out of Range", ""}},
      {"hot water at 140 F opened in the C display, told as its box shows it",
       [](ProjectRec& p) { p.Loads_DhwTemp = 140; },
       "Project Information Holds a Hot Water Temp of 60.0, Which Is Out of Range -- Open the "
       "Project Information Window to Correct It",
       {},
       true},
      {"a gas furnace of 1,000 Btu/h opened in kW display",
       [](ProjectRec& p) { p.Furnace_Input = 1000; },
       "",
       {},
       true},
      {"a gas furnace of 800 Btu/h opened in kW display, told as the window shows it",
       [](ProjectRec& p) { p.Furnace_Input = 800; },
       "Furnace/Boiler Holds a Furnace Input of .2, Which Is Out of Range -- Open the "
       "Furnace/Boiler Window to Correct It",
       {"Furnace Input Out of Range", "", ""},
       true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ProjectRec p = sample;
    r.damage(p);
    const auto found = found_in(p, r.metric);
    const model::StoredFigure* told = model::told_first(found);
    EXPECT_EQ(told ? told->message() : "", r.told);
    const ProjectRec before = p;
    const workbook::AnalysisOutcome outcome = run(p, r.metric);
    EXPECT_EQ(outcome.usable(), r.options.empty()) << ::testing::PrintToString(outcome.problems());
    const ProjectRec& kept = analysis->model.ProjectRec;  // the record keeps what it held
    EXPECT_EQ(kept.GeoA_Unit2Tons, before.GeoA_Unit2Tons);
    EXPECT_EQ(kept.Rates_PropaneWinter, before.Rates_PropaneWinter);
    EXPECT_EQ(kept.Rates_GasInflation, before.Rates_GasInflation);
    EXPECT_EQ(kept.Furnace_ACCapacity, before.Furnace_ACCapacity);
    EXPECT_TRUE(std::ranges::includes(intact, beyond(*analysis, outcome.fill.refused_figures)))
        << "no impossible figure shown";
    (void)analysis->book.recalc();  // the report's own formulas keep the costs out
    for (int n = 1; n <= 3 && !r.options.empty(); ++n) {
      const std::string& words = r.options[static_cast<std::size_t>(n - 1)];
      if (words.empty()) {
        EXPECT_NE(heating_cost(n), "") << "column " << n << " is costed";
        continue;
      }
      EXPECT_EQ(option_text(n), words);
      EXPECT_EQ(heating_cost(n), "") << "column " << n << " prints no cost";
    }
  }
  (void)run(sample);
  EXPECT_EQ(option_text(2), intact_geo_a);
  // The shipped files and the project set open without a message, in either display (but the
  // worked example, whose 140 F hot water its window refuses).
  std::vector<fs::path> intact_files = {data / "Default.dat", data / "ODefault.dat"};
  for (const pellavan::testing::SetProject& set : pellavan::testing::project_set())
    if (set.name != "worked_example") intact_files.push_back(set.file);
  for (const fs::path& file : intact_files)
    for (const bool metric : {false, true})
      EXPECT_TRUE(found_in(workbook::read_project_for_analysis(file), metric).empty())
          << file << (metric ? ", metric" : "");
  // 999,999 Btu/h, which the kW display would refuse as 293 kW, is a load the window takes.
  ProjectRec largest = sample;
  largest.Loads_HeatLoad = 999999;
  EXPECT_TRUE(found_in(largest, true).empty());
}

TEST_F(DamagedFilesTest, ACatalogueRecordNoUnitCouldHaveIsADamagedRecord) {
  const auto& edition = analysis->model.edition();
  struct Row {
    const char* name;
    std::function<void()> damage;
    std::function<void(ProjectRec&)> compare;
    int column;          // the Project Report's row of the system
    const char* option;  // what it shows in place of the system
    const char* told;    // on opening the project, and under each page that names the system
  };
  const Row rows[] = {
      {"Geo A's unit with a rating point of 1.56E+15",
       [&] {
         copy->damage<model::GeoUnitRec>(
             edition.unit_file, sample.GeoA_UnitId, [](model::GeoUnitRec& u) {
               u.Perf(3) = model::Currency::from_double_saturated(1.56e15);
             });
       },
       [](ProjectRec&) {}, 2, "UnitData.CEA Record 11 Is Damaged",
       "Geo A Uses UnitData.CEA Record 11, Which Is Damaged -- Choose Other Equipment in the Geo "
       "A Window"},
      {"the heat pump's record with a capacity of 4.9E+19",
       [&] {
         copy->damage<model::AirHPRec>(
             edition.air_hp_file, sample.HeatPump_UnitId,
             [](model::AirHPRec& u) { u.Eer95 = model::Currency::from_double_saturated(4.9e19); });
       },
       [](ProjectRec& p) { p.System3_Type = model::code_of(SystemType::Elec); }, 3,
       "AirData.CEA Record 8 Is Damaged",
       "Heat Pump Uses AirData.CEA Record 8, Which Is Damaged -- Choose Other Equipment in the "
       "Heat Pump Window"},
      {"the heat pump's record with a 17 F capacity ratio of 0, which the sheets divide by",
       [&] {
         copy->damage<model::AirHPRec>(edition.air_hp_file, sample.HeatPump_UnitId,
                                       [](model::AirHPRec& u) { u.Cap17 = model::Currency{}; });
       },
       [](ProjectRec& p) { p.System3_Type = model::code_of(SystemType::Elec); }, 3,
       "AirData.CEA Record 8 Is Damaged",
       "Heat Pump Uses AirData.CEA Record 8, Which Is Damaged -- Choose Other Equipment in the "
       "Heat Pump Window"},
      {"the Geo T unit's record with a capacity of -1E+14",
       [&] {
         copy->damage<model::TUnitRec>("tUnitData.CEA", sample.GeoT_UnitId,
                                       [](model::TUnitRec& u) { u.RatedCapMax = -1e14f; });
       },
       [](ProjectRec& p) { p.System3_Type = model::code_of(SystemType::GeoT); }, 3,
       "TUnitData.CEA Record 3 Is Damaged",
       "Geo T Uses TUnitData.CEA Record 3, Which Is Damaged -- Choose Other Equipment in the Geo "
       "T Window"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const Bytes intact[] = {read_all(folder / "Data" / edition.unit_file),
                            read_all(folder / "Data" / edition.air_hp_file),
                            read_all(folder / "Data" / "tUnitData.CEA")};
    ProjectRec p = sample;
    r.compare(p);
    ASSERT_TRUE(run(p).usable()) << "intact";
    r.damage();
    const auto found = found_in(p);
    const model::StoredFigure* told = model::told_first(found);
    EXPECT_EQ(told ? told->message() : "", r.told);
    const workbook::AnalysisOutcome outcome = run(p);
    EXPECT_FALSE(outcome.usable());
    EXPECT_THAT(outcome.fill.refused_figures,
                ::testing::Contains(::testing::Property(&model::StoredFigure::message, r.told)));
    EXPECT_THAT(outcome.problems(), ::testing::Contains(r.told));
    EXPECT_EQ(option_text(r.column), r.option);
    EXPECT_EQ(heating_cost(r.column), "");
    write_all(folder / "Data" / edition.unit_file, intact[0]);
    write_all(folder / "Data" / edition.air_hp_file, intact[1]);
    write_all(folder / "Data" / "tUnitData.CEA", intact[2]);
  }
}

// Random bytes in one to three numeric fields of a record.
template <class R>
void mutate(R& rec, std::mt19937& rng) {
  std::vector<model::FieldInfo> numbers;
  for (const model::FieldInfo& f : R::kFields)
    if (f.kind != model::FieldKind::kText && f.kind != model::FieldKind::kSpare && f.name != "Id" &&
        !f.name.starts_with("Spare"))
      numbers.push_back(f);
  Bytes image = model::encode_record(rec);
  const int fields = std::uniform_int_distribution<int>(1, 3)(rng);
  for (int k = 0; k < fields; ++k) {
    const model::FieldInfo& f =
        numbers[std::uniform_int_distribution<std::size_t>(0, numbers.size() - 1)(rng)];
    const std::size_t width = f.width / static_cast<std::size_t>(f.count);
    const std::size_t at =
        f.offset + width * std::uniform_int_distribution<std::size_t>(0, f.count - 1)(rng);
    for (std::size_t b = 0; b < width; ++b)
      image[at + b] = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(rng));
  }
  rec = model::decode_record<R>(image);
}

// What a run of mutated files ended in.
struct Tally {
  int runs = 0, usable = 0, usable_beyond = 0, reported_beyond = 0;
  std::vector<std::string> cases;
};

// A usable run may show no figure beyond kImpossible, nor an error value on a page, where the
// intact file shows none; no run prints one on the Project Report.
void judge(const workbook::AnalysisOutcome& outcome, const workbook::ProjectAnalysis& a,
           const std::set<sheet::CellPos>& intact, const std::string& name, Tally& tally) {
  ++tally.runs;
  const std::set<sheet::CellPos> found = beyond(a, outcome.fill.refused_figures);
  if (std::ranges::any_of(found, [&](const sheet::CellPos& p) {
        return p.sheet == model::kPrsSheet - 1 && a.book.cell_value(p).is_number();
      })) {
    ++tally.reported_beyond;
    tally.cases.push_back(name + " (Project Report)");
  }
  if (!outcome.usable()) return;
  ++tally.usable;
  if (std::ranges::includes(intact, found)) return;
  ++tally.usable_beyond;
  tally.cases.push_back(name);
}

TEST_F(DamagedFilesTest, NoMutatedProjectIsCalledUsableWithAFigureBeyondItsRange) {
  ASSERT_TRUE(run(sample).usable());
  const std::set<sheet::CellPos> intact = beyond(*analysis);
  Tally tally;
  for (unsigned seed = 1; seed <= 200; ++seed) {
    std::mt19937 rng(seed);
    ProjectRec p = sample;
    mutate(p, rng);
    judge(run(p), *analysis, intact, "project seed " + std::to_string(seed), tally);
  }
  EXPECT_EQ(tally.usable_beyond, 0) << ::testing::PrintToString(tally.cases);
  EXPECT_EQ(tally.reported_beyond, 0) << ::testing::PrintToString(tally.cases);
  EXPECT_GT(tally.usable, 0) << "some mutations leave the project sound";
}

TEST_F(DamagedFilesTest, NoMutatedCatalogueIsCalledUsableWithAFigureBeyondItsRange) {
  ProjectRec all_units = sample;  // Geo T and the heat pump beside Geo A
  all_units.System1_Type = model::code_of(SystemType::GeoT);
  all_units.System3_Type = model::code_of(SystemType::Elec);
  const ProjectRec projects[] = {sample, all_units};
  std::set<sheet::CellPos> intact[2];
  for (int k = 0; k < 2; ++k) {
    ASSERT_TRUE(run(projects[k]).usable()) << k;
    intact[k] = beyond(*analysis);
  }
  const auto& edition = analysis->model.edition();
  const fs::path d = folder / "Data";
  const struct File {
    fs::path path;
    std::function<void(std::mt19937&)> mutate;
  } files[] = {
      {d / edition.unit_file,
       [&](std::mt19937& rng) {
         copy->damage<model::GeoUnitRec>(edition.unit_file, sample.GeoA_UnitId,
                                         [&](model::GeoUnitRec& r) { mutate(r, rng); });
       }},
      {d / edition.furnace_file,
       [&](std::mt19937& rng) {
         copy->damage<model::FurnaceRec>(edition.furnace_file, sample.Furnace_UnitId,
                                         [&](model::FurnaceRec& r) { mutate(r, rng); });
       }},
      {d / edition.air_hp_file,
       [&](std::mt19937& rng) {
         copy->damage<model::AirHPRec>(edition.air_hp_file, sample.HeatPump_UnitId,
                                       [&](model::AirHPRec& r) { mutate(r, rng); });
       }},
      {d / "tUnitData.CEA",
       [&](std::mt19937& rng) {
         copy->damage<model::TUnitRec>("tUnitData.CEA", sample.GeoT_UnitId,
                                       [&](model::TUnitRec& r) { mutate(r, rng); });
       }},
  };
  Tally tally;
  for (unsigned seed = 1; seed <= 200; ++seed) {
    std::mt19937 rng(seed);
    const File& file = files[seed % std::size(files)];
    const Bytes kept = read_all(file.path);
    file.mutate(rng);
    const int k = (seed / 4) % 2;
    judge(run(projects[k]), *analysis, intact[k],
          file.path.filename().string() + " seed " + std::to_string(seed), tally);
    write_all(file.path, kept);
  }
  EXPECT_EQ(tally.usable_beyond, 0) << ::testing::PrintToString(tally.cases);
  EXPECT_EQ(tally.reported_beyond, 0) << ::testing::PrintToString(tally.cases);
  EXPECT_GT(tally.usable, 0) << "some mutations leave the records sound";
}

}  // namespace
}  // namespace pellavan
