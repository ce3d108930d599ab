// The analysis run over the project set: the same results whatever ran before, and every
// failure named.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "projects/project_set.h"
#include "tools/sample_data_fixture.h"
#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "wbdump/formula_override.h"
#include "wbdump/start_states.h"
#include "wbdump/sweep_houses.h"
#include "model/project/system_type.h"
#include "workbook/analysis_run.h"
#include "workbook/filler/summary_results.h"
#include "workbook/results_words.h"

namespace pellavan::workbook {
namespace {

namespace fs = std::filesystem;
using pellavan::testing::project_set;
using pellavan::testing::SetProject;

// Everything a fill leaves: every cell of every sheet, and the 22 results.
struct Snapshot {
  std::vector<sheet::Value> cells;
  std::vector<model::Currency> results;
  std::vector<std::string> texts;  // of the text cells, whose ids may differ between books
};

// Calls fn with the place and value of every cell of every sheet's used range, in order.
template <class Fn>
void for_each_used_cell(const ProjectAnalysis& a, Fn&& fn) {
  for (int sheet = 0; sheet < a.book.sheet_count(); ++sheet) {
    const auto used = a.book.used_range(sheet);
    if (!used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c)
        fn(sheet, r, c, a.book.cell_value({sheet, r, c}));
    }
  }
}

Snapshot snapshot(const ProjectAnalysis& a) {
  Snapshot s;
  for_each_used_cell(a, [&](int, int, int, sheet::Value v) {
    if (v.is_text()) {
      s.texts.emplace_back(a.book.text_of(v));
      s.cells.push_back(sheet::Value());
    } else {
      s.cells.push_back(v);
    }
  });
  for (const SummaryResultCell& r : summary_result_cells())
    s.results.push_back(a.model.ProjectRec.*r.field);
  return s;
}

bool same(const Snapshot& x, const Snapshot& y) {
  if (x.cells.size() != y.cells.size() || x.texts != y.texts ||
      x.results.size() != y.results.size())
    return false;
  for (std::size_t i = 0; i < x.cells.size(); ++i)
    if (!identical(x.cells[i], y.cells[i])) return false;
  for (std::size_t i = 0; i < x.results.size(); ++i)
    if (x.results[i].raw() != y.results[i].raw()) return false;
  return true;
}

class AnalysisRunTest : public pellavan::testing::SampleDataTest {
 protected:
  static AnalysisOutcome run(ProjectAnalysis& a, const SetProject& p) {
    a.model.MetricFlag = {};
    if (p.metric) a.model.MetricFlag(model::kMetricDisplay) = -1;
    return a.run_file(p.file);
  }
};

// Each project after each other (itself included) gives what it gives on a fresh workbook.
TEST_F(AnalysisRunTest, EveryProjectGivesTheSameResultsWhateverRanBefore) {
  std::vector<Snapshot> fresh;
  for (const SetProject& p : project_set()) {
    ProjectAnalysis a(model.program_folder);
    const AnalysisOutcome outcome = run(a, p);
    ASSERT_TRUE(outcome.usable()) << p.name << ": " << ::testing::PrintToString(outcome.problems());
    fresh.push_back(snapshot(a));
  }
  ProjectAnalysis session(model.program_folder);
  const auto set = project_set();
  for (std::size_t before = 0; before < set.size(); ++before) {
    for (std::size_t i = 0; i < set.size(); ++i) {
      run(session, set[before]);
      run(session, set[i]);
      EXPECT_TRUE(same(snapshot(session), fresh[i]))
          << set[i].name << " after " << set[before].name;
    }
  }
}

// Every cell a fill leaves, bit for bit: its place, kind and payload (a number's bits, a text's
// characters), folded into one 64-bit FNV-1a digest.
std::uint64_t digest(const ProjectAnalysis& a) {
  std::uint64_t h = 0xcbf29ce484222325u;
  const auto fold = [&](const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      h ^= static_cast<const unsigned char*>(data)[i];
      h *= 0x100000001b3u;
    }
  };
  for_each_used_cell(a, [&](int sheet, int r, int c, sheet::Value v) {
    const int place[] = {sheet, r, c, static_cast<int>(v.kind())};
    fold(place, sizeof place);
    if (v.is_number()) {
      const double x = v.as_number();
      fold(&x, sizeof x);
    } else if (v.is_text()) {
      const std::string_view text = a.book.text_of(v);
      fold(text.data(), text.size());
    } else if (!v.is_empty()) {
      const std::uint32_t payload = v.is_error() ? static_cast<std::uint32_t>(v.as_error())
                                                 : static_cast<std::uint32_t>(v.as_boolean());
      fold(&payload, sizeof payload);
    }
  });
  return h;
}

// Speed work on the engine and the loader must leave every cell of every project as it was.
TEST_F(AnalysisRunTest, EveryCellOfEveryProjectKeepsItsValue) {
  const std::map<std::string_view, std::uint64_t> expected = {
      {"sample", 0x3dd1a5906c1215fau},
      {"worked_example", 0x92f19e677e80c872u},
      {"calgary_extreme", 0x756238f2b1b6ea93u},
      {"atlanta_water", 0x148aba9ffe08fab2u},
      {"winnipeg_metric", 0xa3a9259682263c96u},
      {"houston_heat_pump", 0x568c57d3f5545618u},
      {"minneapolis_tandem", 0xb6a8732bbde2453du},
      {"dallas_oil", 0x46dc15a7140e85dbu},
      {"lincoln_omaha", 0xfe12bbebe4883039u},
      {"houston_geo_t", 0x1132e9169667f1adu},
  };
  ASSERT_EQ(expected.size(), project_set().size());
  ProjectAnalysis a(model.program_folder);
  a.book.set_clock([] { return sheet::CivilDate{2026, 12, 8}; });
  for (const SetProject& p : project_set()) {
    run(a, p);
    EXPECT_EQ(digest(a), expected.at(p.name)) << p.name << std::hex << " 0x" << digest(a);
  }
}

// A job lands on one answer wherever its recalculation starts: from the template's state, with
// every backup carrying its bins alone, or from another project's settled book, a well-water one's
// too (its unused loop temperatures far below zero); and it settles.
TEST_F(AnalysisRunTest, AFillLandsOnOneAnswerWhereverItsRecalculationStarts) {
  const model::ProjectRec sample = read_project_for_analysis(path_of("Sample Project.pvn"));
  ProjectAnalysis other(model.program_folder);
  run(other, project_set().front());
  ProjectAnalysis well(model.program_folder);
  ASSERT_TRUE(well.run_file(pellavan::testing::set_project_file("atlanta_water")).usable());
  const struct {
    const char* name;
    workbook::StartState start;
  } kStarts[] = {{"locked out", wbdump::start_locked_out()},
                 {"another project", wbdump::start_from_book(other.book)},
                 {"a well-water project", wbdump::start_from_book(well.book)}};
  struct Job {
    const char* name;
    model::Int16 city;  // 0: the sample's building where it stands
  };
  for (const Job& job :
       {Job{"sample", 0}, Job{"large house, Laredo", 60}, Job{"large house, Meridian", 96},
        Job{"large house, Brownsville", 229}, Job{"large house, Charleston SC", 113},
        Job{"large house, Alexandria LA", 170}}) {
    SCOPED_TRACE(job.name);
    ProjectAnalysis a(model.program_folder);
    model::ProjectRec p = sample;
    if (job.city != 0) {
      model::CityRec city;
      p.Loads_CityId = job.city;
      ASSERT_TRUE(model::find_catalogue_record(a.model.data_files, a.model.program_folder,
                                               model::kCityFile, job.city, city));
      wbdump::set_house(p, wbdump::kLargeHouse, city);
    }
    a.model.ProjectRec = p;
    ASSERT_TRUE(a.run().usable());
    EXPECT_EQ(a.book.last_recalc().cycle_round(), 0);
    const model::ProjectRec from_template = a.model.ProjectRec;
    for (const auto& start : kStarts) {
      SCOPED_TRACE(start.name);
      a.start_from(start.start);
      a.model.ProjectRec = p;
      ASSERT_TRUE(a.run().usable());
      for (const SummaryResultCell& r : summary_result_cells()) {
        const double x = (from_template.*r.field).to_double();
        const double y = (a.model.ProjectRec.*r.field).to_double();
        const bool loop = r.field_name.ends_with("SourceSize");
        EXPECT_LE(std::abs(y - x), loop ? 10 : std::max(5.0, 0.005 * std::abs(x))) << r.field_name;
      }
    }
  }
}

// A fill that went wrong says how, and keeps the values the rules give (0 where Val reads 0).
TEST_F(AnalysisRunTest, FailuresAreNamed) {
  const fs::path folder =
      fs::temp_directory_path() / ("pellavan_analysis_run_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy(model.program_folder / "Data", folder / "Data", fs::copy_options::recursive);
  const fs::path furnaces = folder / "Data" / "FossData.CEA";
  const auto furnace_bytes = fs::file_size(furnaces);
  struct Case {
    const char* name;
    fs::path project;
    std::uintmax_t furnace_file_size;  // FossData.CEA cut to this size for the case
    int max_passes;
    std::vector<std::string> problems;  // each must be among the outcome's
  };
  const std::vector<Case> cases = {
      {"furnace not in the catalogue",
       pellavan::testing::damaged_project("missing_furnace"),
       furnace_bytes,
       400,
       {"Furnace: FossData.CEA has no record 77",
        "Furnace heating cost holds \"#DIV/0!\", no number (FUS!N15)"}},
      {"empty furnace file",
       path_of("Sample Project.pvn"),
       0,
       400,
       {"Furnace: FossData.CEA is empty (looked for record 15)",
        "Geo A: FossData.CEA is empty (looked for record 34)"}},
      {"furnace file cut off",
       path_of("Sample Project.pvn"),
       furnace_bytes - 100,
       400,
       {"Furnace: FossData.CEA is cut off within its last record (looked for record 15)"}},
      {"pass cap reached",
       path_of("Sample Project.pvn"),
       furnace_bytes,
       3,
       {"the recalculation stopped at 3 passes without converging"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::resize_file(furnaces, c.furnace_file_size);
    ProjectAnalysis a(folder);
    a.book.settings().max_passes = c.max_passes;
    const AnalysisOutcome outcome = a.run_file(c.project);
    EXPECT_FALSE(outcome.usable());
    for (const std::string& problem : c.problems)
      EXPECT_THAT(outcome.problems(), ::testing::Contains(problem));
    fs::resize_file(furnaces, furnace_bytes);
  }
  ProjectAnalysis a(folder);
  a.run_file(pellavan::testing::damaged_project("missing_furnace"));
  EXPECT_EQ(a.model.ProjectRec.Result_Furnace_HeatingCost.raw(), 0)
      << "the result keeps what Val reads";
  fs::remove_all(folder);
}

// Backup heat below the building's minimum is raised before the fill, as the project window's
// Done raises it, so that no heater is credited with more heat than it can give.
TEST_F(AnalysisRunTest, BackupInputsAreRaisedToTheMinimumBeforeTheFill) {
  using model::ProjectRec;
  ProjectAnalysis a(model.program_folder);
  a.model.ProjectRec = read_project_for_analysis(path_of("Sample Project.pvn"));
  for (model::Int32 ProjectRec::*input :
       {&ProjectRec::GeoA_AuxInput, &ProjectRec::GeoB_AuxInput, &ProjectRec::Furnace_Input})
    a.model.ProjectRec.*input = 1000;
  const AnalysisOutcome outcome = a.run();
  EXPECT_TRUE(outcome.usable()) << ::testing::PrintToString(outcome.problems());
  EXPECT_GT(a.model.ProjectRec.Furnace_Input, 60000);
  EXPECT_GT(a.model.ProjectRec.GeoA_AuxInput, 60000);
}

// Stopped at the pass cap, the analysis is unusable only when one pass more moves a result of a
// system the project compares.
TEST_F(AnalysisRunTest, ThePassCapCountsOnlyWhenACompareResultMoves) {
  const struct {
    const char* name;
    model::SystemType compared;
    bool settled;
  } cases[] = {
      {"furnace alone", model::SystemType::Fossil, true},
      {"Geo A alone", model::SystemType::GeoA, false},
  };
  for (const auto& c : cases) {
    ProjectAnalysis a(model.program_folder);
    a.book.settings().max_passes = 3;
    a.model.ProjectRec = read_project_for_analysis(path_of("Sample Project.pvn"));
    a.model.ProjectRec.System1_Type = model::code_of(c.compared);
    a.model.ProjectRec.System2_Type = a.model.ProjectRec.System3_Type = 0;
    const AnalysisOutcome outcome = a.run();
    EXPECT_EQ(outcome.fill.passes, 3) << c.name;
    EXPECT_EQ(outcome.fill.converged, c.settled) << c.name;
  }
}

// Values a window would refuse, as a damaged or hand-edited file brings them: the results they
// lead to are named, from below and from above, for the systems the project compares only.
TEST_F(AnalysisRunTest, ResultsOutsideTheirPhysicalRangeAreNamed) {
  using model::Currency;
  using model::ProjectRec;
  using model::SystemType;
  struct Case {
    const char* name;
    void (*damage)(ProjectRec&);
    const char* problem;  // the start of one of the outcome's lines
    const char* not_named = "";
  };
  const Case cases[] = {
      {"every rate -1",
       [](ProjectRec& r) {
         for (Currency ProjectRec::*rate :
              {&ProjectRec::Rates_GeoElecSummer, &ProjectRec::Rates_GeoElecWinter,
               &ProjectRec::Rates_HeatPumpElecSummer, &ProjectRec::Rates_HeatPumpElecWinter,
               &ProjectRec::Rates_FossilElecSummer, &ProjectRec::Rates_FossilElecWinter,
               &ProjectRec::Rates_GasSummer, &ProjectRec::Rates_GasWinter})
           r.*rate = Currency::from_double(-1);
       },
       "Geo A cooling cost"},
      {"a summer rate of 32767",
       [](ProjectRec& r) { r.Rates_GeoElecSummer = Currency::from_double(32767); },
       "Geo A cooling cost \"85635843.9753823\" is 1.73131e+06 per MMBtu"},
      {"a continuous fan flag of 32767", [](ProjectRec& r) { r.Loads_ContFan = 32767; },
       "Furnace continuous fan cost"},
      {"Geo B of -32768 tons",
       [](ProjectRec& r) {
         r.System2_Type = model::code_of(SystemType::GeoB);
         r.GeoB_Tons = Currency::from_double(-32768);
       },
       "Geo B closed loop length (ft)"},
      {"Geo T of -4 tons",
       [](ProjectRec& r) {
         r.System3_Type = model::code_of(SystemType::GeoT);
         r.GeoT_Tons = Currency::from_double(-4);
       },
       "Geo T heating COP holds \"#DIV/0!\", no number (GTS!L12)"},
      {"a damaged Geo A not compared",
       [](ProjectRec& r) {
         r.System1_Type = model::code_of(SystemType::Elec);
         r.System2_Type = model::code_of(SystemType::Fossil);
         r.System3_Type = 0;
         r.GeoA_Tons = Currency::from_double(-32768);
         r.Rates_HeatPumpElecWinter = Currency::from_double(-1);
       },
       "Heat pump heating cost", "Geo"},
  };
  ProjectAnalysis a(model.program_folder);
  const ProjectRec sample = read_project_for_analysis(path_of("Sample Project.pvn"));
  a.model.ProjectRec = sample;
  ASSERT_TRUE(a.run().usable()) << ::testing::PrintToString(a.run().problems());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    a.model.ProjectRec = sample;
    c.damage(a.model.ProjectRec);
    const AnalysisOutcome outcome = a.run();
    EXPECT_FALSE(outcome.usable());
    EXPECT_THAT(outcome.problems(), ::testing::Contains(::testing::StartsWith(c.problem)));
    if (*c.not_named != '\0') {
      EXPECT_THAT(outcome.problems(),
                  ::testing::Each(::testing::Not(::testing::HasSubstr(c.not_named))));
    }
    EXPECT_TRUE(results_warning(outcome.fill, ResultsDisplay::of(a.model)).has_value());
  }
}

// The figures looked at over a cycle: each cost, the total and the closed loop of each compared
// system, Geo T's as well as Geo A's and Geo B's.
TEST_F(AnalysisRunTest, EachCostAndTheLoopOfEveryComparedSystemIsLookedAt) {
  ProjectAnalysis a(model.program_folder);
  a.model.ProjectRec = read_project_for_analysis(path_of("Sample Project.pvn"));
  a.model.ProjectRec.System1_Type = static_cast<model::Int16>(model::SystemType::GeoT);
  a.model.ProjectRec.System2_Type = static_cast<model::Int16>(model::SystemType::Elec);
  a.model.ProjectRec.System3_Type = static_cast<model::Int16>(model::SystemType::Fossil);
  ASSERT_TRUE(a.run().usable());
  std::vector<std::string> looked_at;
  for (const ComparedFigure& f : compared_figures(FillContext(a.model, a.loads, a.book)))
    looked_at.push_back(std::string(f.system) + " " + std::string(f.quantity));
  std::vector<std::string> expected;
  for (const std::string system : {"Geo T", "Heat pump", "Furnace"}) {
    for (const char* use :
         {"heating", "cooling", "water-heating", "continuous fan", "total operating"})
      expected.push_back(system + " " + use + " cost");
    if (system == "Geo T") expected.push_back("Geo T loop length");
  }
  EXPECT_EQ(looked_at, expected);
}

// Where the analysis goes round a cycle, a figure that spans more than its limits over it is named
// in the display's units with its range; the results stay usable, and a system not compared is
// not looked at.
TEST_F(AnalysisRunTest, AFigureTheAnalysisCannotSettleOnIsNamedWithItsRange) {
  ProjectAnalysis a(model.program_folder);
  a.book = wbdump::old_backup_template();
  const auto house = wbdump::widest_cycle_house(
      a, workbook::read_project_for_analysis(path_of("Sample Project.pvn")));
  ASSERT_TRUE(house) << "the large house settles in every city of the climate table";
  a.model.CurrencyLabel = "$ CND";
  struct Case {
    const char* name;
    bool metric;
    const char* range;  // of the Geo A heating cost line
  };
  const Case cases[] = {
      {"imperial", false, "between \\$[0-9,]+ and \\$[0-9,]+ a year"},
      {"metric", true, "between [0-9,]+ and [0-9,]+ \\$ CND a year"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    a.model.ProjectRec = *house;
    a.model.MetricFlag = {};
    if (c.metric) a.model.MetricFlag(model::kMetricDisplay) = -1;
    const AnalysisOutcome outcome = a.run();
    EXPECT_TRUE(outcome.usable()) << ::testing::PrintToString(outcome.problems());
    const std::vector<FigureSpan> unsettled = outcome.fill.unsettled();
    const auto heating = std::find_if(unsettled.begin(), unsettled.end(), [](const FigureSpan& s) {
      return s.system == "Geo A" && s.quantity == "heating cost";
    });
    ASSERT_NE(heating, unsettled.end());
    EXPECT_NEAR(heating->figure, a.model.ProjectRec.Result_GeoA_HeatingCost.to_double(), 0.0001);
    EXPECT_LT(heating->low, heating->figure);
    EXPECT_GT(heating->high, heating->figure);
    const std::optional<std::string> warning =
        results_warning(outcome.fill, ResultsDisplay::of(a.model));
    ASSERT_TRUE(warning.has_value());
    EXPECT_THAT(*warning,
                ::testing::ContainsRegex(std::string("Geo A heating cost: ") + c.range +
                                         "; the analysis could not settle on one figure"));
    EXPECT_THAT(*warning, ::testing::Not(::testing::HasSubstr("may be wrong")));
  }
  a.model.ProjectRec = *house;
  a.model.ProjectRec.System2_Type = 0;  // Geo A not compared
  const AnalysisOutcome without = a.run();
  EXPECT_GT(without.fill.recalc.cycle_round(), 0);
  EXPECT_THAT(without.fill.spans,
              ::testing::Each(::testing::Field(&FigureSpan::system, ::testing::Ne("Geo A"))));
}

}  // namespace
}  // namespace pellavan::workbook
