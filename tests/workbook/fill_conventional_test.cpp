// The heat-pump and furnace steps of the fill: the records they read again, the cells and texts
// they write and in which order, the auxiliary-mode write-back, and that a fill of the sample
// project from the catalogues gives back the template's sample inputs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <string>
#include <vector>

#include "filler_fixture.h"
#include "workbook/analysis_run.h"
#include "model/record/record_layout.h"
#include "sheet/address.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

// The sample project's equipment: heat pump 8 with furnace 15 as its backup, furnace 15 with air
// conditioner 8, water heater 1 on both.
class FillConventionalTest : public testing::FillerTest {
 protected:
  FillConventionalTest() {
    model::ProjectRec& p = model.ProjectRec;
    p.HeatPump_UnitId = 8;
    p.HeatPump_Capacity = 47500;
    p.HeatPump_BackupId = 15;
    p.HeatPump_BackupInput = 100000;
    p.HeatPump_CutOffTemp = 0;
    p.HeatPump_CoilCondition = model::Currency::from_double(0);
    p.HeatPump_CoilQuality = 2;
    p.HeatPump_WaterHeaterId = 1;
    p.HeatPump_AuxMode = 99;
    p.Furnace_UnitId = 15;
    p.Furnace_Input = 120000;
    p.Furnace_ACId = 8;
    p.Furnace_ACCapacity = 47500;
    p.Furnace_WaterHeaterId = 1;
    p.Furnace_CoilCondition = model::Currency::from_double(0.5);
    p.Furnace_CoilQuality = 2;
  }

  // The cells a step wrote on its sheet, in order, as A1 addresses.
  std::vector<std::string> written_cells(int sheet_number) const {
    std::vector<std::string> cells;
    for (const WrittenCell& w : trace)
      if (w.sheet == sheet_number) cells.push_back(sheet::format_a1(w.row - 1, w.col - 1));
    return cells;
  }
};

// "B5:B15" -> B5, B6, ..., B15, row by row.
std::vector<std::string> expand(std::initializer_list<const char*> ranges) {
  std::vector<std::string> cells;
  for (const char* r : ranges) {
    const sheet::RangePos range = *sheet::parse_a1_range(r);
    for (int row = range.first_row; row <= range.last_row; ++row)
      for (int col = range.first_col; col <= range.last_col; ++col)
        cells.push_back(sheet::format_a1(row, col));
  }
  return cells;
}

// The input cells of each sheet in the order the steps write them.
std::vector<std::string> air_to_air_inputs() {
  return expand({"B4",  "B5:B15",  "B16",     "C9",      "C8",      "C5",  "C7",
                 "C6",  "B19",     "B20",     "B21:B31", "D40",     "D41", "C26",
                 "C27", "C21:C25", "C28:C31", "M44:P46", "Q44:T46", "C52", "B39:B43"});
}
std::vector<std::string> furnace_inputs() {
  return expand({"B8",  "B9:B19", "B20", "C13", "C12",     "C9",  "C11", "C10",    "B23", "B24:B29",
                 "D34", "D35",    "C29", "C32", "C24:C28", "O45", "P45", "O46",    "P46", "O47",
                 "P47", "Q45",    "R45", "Q46", "R46",     "Q47", "R47", "B33:B37"});
}

TEST_F(FillConventionalTest, HeatPumpStepWritesItsCellsInTheSheetsOrder) {
  fill_air_to_air(ctx);
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kAirToAirSheet);
  EXPECT_EQ(written_cells(kAirToAirSheet), air_to_air_inputs());
  EXPECT_EQ(writes_on(kAirToAirSheet), trace.size());
}

TEST_F(FillConventionalTest, FurnaceStepWritesItsCellsInTheSheetsOrder) {
  fill_furnace(ctx);
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kFurnaceSheet);
  EXPECT_EQ(written_cells(kFurnaceSheet), furnace_inputs());
  EXPECT_EQ(writes_on(kFurnaceSheet), trace.size());
}

TEST_F(FillConventionalTest, FieldsReachTheirCellsInTheirTextForms) {
  fill_air_to_air(ctx);
  fill_furnace(ctx);
  struct Row {
    const char* field;
    int sheet;
    const char* cell;
    const char* text;
    bool kept_as_text;
  };
  const Row rows[] = {
      {"HeatPump_BackupInput", kAirToAirSheet, "B4", "100000", false},
      {"backup TypeText", kAirToAirSheet, "B5", "Natural Gas Furnace", true},
      {"backup FullLoadEff", kAirToAirSheet, "B8", "0.941", false},
      {"backup FuelType", kAirToAirSheet, "B10", "1", false},
      {"backup CycAdjust", kAirToAirSheet, "B15", "0", false},
      {"HeatPump_AuxMode after 99", kAirToAirSheet, "B16", "1", false},
      {"backup LowCfmRatio", kAirToAirSheet, "C6", "0.605", false},
      {"HeatPump_Capacity", kAirToAirSheet, "B19", "47500", false},
      {"HeatPump_CutOffTemp", kAirToAirSheet, "B20", "0", false},
      {"heat pump StyleText", kAirToAirSheet, "B22", "17 SEER", true},
      {"heat pump Eer95", kAirToAirSheet, "B23", "12.98", false},
      {"heat pump StRatio105", kAirToAirSheet, "D41", "0.781", false},
      {"HeatPump_CoilCondition", kAirToAirSheet, "C26", "0", false},
      {"HeatPump_CoilQuality", kAirToAirSheet, "C27", "2", false},
      {"heat pump LowCop47", kAirToAirSheet, "C29", "4.81", false},
      {"PscMidHtgCap", kAirToAirSheet, "O45", "0.98", false},
      {"IcmBotHtgKw", kAirToAirSheet, "T46", "1.01", false},
      {"VarSpeedFlag", kAirToAirSheet, "C52", "1", false},
      {"water heater AnnualEff", kAirToAirSheet, "B41", "0.601", false},
      {"water heater StyleText", kAirToAirSheet, "B40", "Standard Tank, 40 Gallon", true},
      {"Furnace_Input", kFurnaceSheet, "B8", "120000", false},
      {"furnace AddOnMode", kFurnaceSheet, "B20", "1", false},
      {"furnace LowAuxKw", kFurnaceSheet, "C11", "0.3", false},
      {"Furnace_ACCapacity", kFurnaceSheet, "B23", "47500", false},
      {"air conditioner Kw105", kFurnaceSheet, "B28", "1.0799", false},
      {"air conditioner TwoStageFlag", kFurnaceSheet, "C25", "0", false},
      {"Furnace_CoilCondition", kFurnaceSheet, "C29", "0.5", false},
      {"Furnace_CoilQuality", kFurnaceSheet, "C32", "2", false},
      {"IcmMidClgKw", kFurnaceSheet, "R46", "0.96", false},
      {"water heater FuelBtu", kFurnaceSheet, "B37", "100000", false},
  };
  for (const Row& r : rows) {
    const auto w = written(r.sheet, r.cell);
    ASSERT_TRUE(w) << r.field;
    EXPECT_EQ(w->text, r.text) << r.field;
    EXPECT_EQ(w->kept_as_text, r.kept_as_text) << r.field;
  }
}

// The template's inputs are the sample project's: a fill from the catalogues writes them again.
TEST_F(FillConventionalTest, SampleProjectFromTheCataloguesGivesTheTemplatesInputs) {
  const sheet::Book stored = load_report_template();
  fill_air_to_air(ctx);
  fill_furnace(ctx);
  ASSERT_EQ(trace.size(), 74u + 51u);
  for (const WrittenCell& w : trace) {
    const sheet::CellPos pos{w.sheet - 1, w.row - 1, w.col - 1};
    EXPECT_EQ(book.cell_text(pos), stored.cell_text(pos))
        << book.sheet(pos.sheet).name() << "!" << sheet::format_a1(pos.row, pos.col);
  }
}

// The shipped sample project, filled as the program fills it, holds the template's inputs too.
TEST_F(FillConventionalTest, ShippedSampleProjectFillsTheTemplatesInputs) {
  const char* dir = std::getenv("PELLAVAN_DATA_DIR");
  ASSERT_NE(dir, nullptr);
  ProjectAnalysis fill(std::filesystem::path(dir).parent_path());
  const AnalysisOutcome outcome = fill.run_file(std::filesystem::path(dir) / "Sample Project.pvn");
  ASSERT_TRUE(outcome.usable()) << ::testing::PrintToString(outcome.problems());
  const sheet::Book stored = load_report_template();
  for (const auto& [sheet_number, cells] : {std::pair{kAirToAirSheet, air_to_air_inputs()},
                                            std::pair{kFurnaceSheet, furnace_inputs()}}) {
    for (const std::string& a1 : cells) {
      auto pos = *sheet::parse_a1(a1);
      pos.sheet = sheet_number - 1;
      EXPECT_EQ(fill.book.cell_text(pos), stored.cell_text(pos))
          << stored.sheet(pos.sheet).name() << "!" << a1;
    }
  }
  EXPECT_EQ(fill.model.ProjectRec.HeatPump_AuxMode, 1);
  EXPECT_NEAR(fill.book.cell_value({kRatesSheet - 1, 3, 2}).as_number(), 0.10, 1e-12);  // Rates!C4
}

TEST_F(FillConventionalTest, AuxiliaryModeNinetyNineBecomesTheBackupsOwn) {
  struct Case {
    const char* name;
    model::Int32 stored_mode;
    model::Int16 backup;
    model::Int32 mode_after;
  };
  const Case cases[] = {
      {"override furnace", 99, 15, 1},
      {"supplementing duct heater", 99, 31, 0},
      {"boiler without a default supplements", 99, 10, 0},
      {"a mode of the project stays", 0, 15, 0},
  };
  for (const Case& c : cases) {
    trace.clear();
    model.ProjectRec.HeatPump_AuxMode = c.stored_mode;
    model.ProjectRec.HeatPump_BackupId = c.backup;
    fill_air_to_air(ctx);
    EXPECT_EQ(model.ProjectRec.HeatPump_AuxMode, c.mode_after) << c.name;
    EXPECT_EQ(written(kAirToAirSheet, "B16")->text, std::to_string(c.mode_after)) << c.name;
    EXPECT_EQ(value(kAirToAirSheet, "B16").as_number(), c.mode_after) << c.name;
  }
}

TEST_F(FillConventionalTest, FurnaceStepLeavesTheProjectAsItWas) {
  model.FurnaceRec.AddOnMode = 0;
  const std::vector<std::uint8_t> before = model::encode_record(model.ProjectRec);
  fill_furnace(ctx);
  EXPECT_EQ(model::encode_record(model.ProjectRec), before);
  // The record's own add-on value, read again with the furnace.
  EXPECT_EQ(written(kFurnaceSheet, "B20")->text, "1");
}

TEST_F(FillConventionalTest, BuffersHoldTheRecordsReadLast) {
  model.ProjectRec.HeatPump_BackupId = 31;
  model.ProjectRec.HeatPump_WaterHeaterId = 3;
  fill_air_to_air(ctx);
  EXPECT_EQ(model.FurnaceRec.Id, 31);
  fill_furnace(ctx);
  EXPECT_EQ(model.AirHPRec.Id, 8);
  EXPECT_EQ(model.ACRec.Id, 8);
  EXPECT_EQ(model.FurnaceRec.Id, 15);
  EXPECT_EQ(model.WaterHeaterRec.Id, 1);
}

TEST_F(FillConventionalTest, AnIdNoRecordCarriesWritesAnEmptiedRecord) {
  model.ProjectRec.HeatPump_UnitId = 999;
  fill_air_to_air(ctx);
  EXPECT_EQ(written(kAirToAirSheet, "B21")->text, "");
  EXPECT_EQ(text(kAirToAirSheet, "B21"), "");
  EXPECT_EQ(written(kAirToAirSheet, "B23")->text, "0");
  EXPECT_EQ(written(kAirToAirSheet, "B19")->text, "47500");  // the project's own values stay
}

}  // namespace
}  // namespace pellavan::workbook
