// The Geo T step of the fill: which cells it writes from which fields, its write-backs, the
// loop, soil and pond rules, and that without a Geo T unit it leaves the sheet alone.
#include <gtest/gtest.h>

#include <string>

#include "filler_fixture.h"
#include "loads/building_load/building_load_book.h"
#include "loads/calc/load_calculation.h"
#include "sheet/address.h"
#include "workbook/filler/fill_report_workbook.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

model::Currency money(double v) { return model::Currency::from_double(v); }

class FillGeoTTest : public testing::FillerTest {
 protected:
  // The template's sample project: unit 3 at quantity 1, vertical loop 23 in average rock at
  // 100 ft with automatic sizing, loop temperatures 30 and 85 F, the electric duct heater at
  // 46,798 Btu/h in supplement mode, water heater 12.
  FillGeoTTest() {
    model::ProjectRec& p = model.ProjectRec;
    p.GeoT_UnitId = 3;
    p.GeoT_Tons = money(1);
    p.GeoT_LoopId = 23;
    p.GeoT_SoilId = 2;
    p.GeoT_Depth = money(100);
    p.GeoT_BoreLength = 0;
    p.GeoT_LoopMinTemp = 30;
    p.GeoT_LoopMaxTemp = 85;
    p.GeoT_AutoSize = 1;
    p.GeoT_HwGenerator = 1;
    p.GeoT_AuxId = 31;
    p.GeoT_AuxInput = 46798;
    p.GeoT_AuxMode = 0;
    p.GeoT_WaterHeaterId = 12;
    p.GeoT_HeatCapMin = money(0.3);
    p.GeoT_HeatCapMax = money(1);
    p.GeoT_CoolCapMin = money(0.3);
    p.GeoT_CoolCapMax = money(0.8);
  }

  std::string written_text(std::string_view a1) const {
    const auto w = written(kGeoTSheet, a1);
    return w ? w->text : "(not written)";
  }
  // The texts written into one cell, in order.
  std::vector<std::string> writes_of(std::string_view a1) const {
    const auto pos = *sheet::parse_a1(a1);
    std::vector<std::string> texts;
    for (const WrittenCell& w : trace) {
      if (w.sheet == kGeoTSheet && w.row == pos.row + 1 && w.col == pos.col + 1)
        texts.push_back(w.text);
    }
    return texts;
  }
};

struct Written {
  const char* cell;
  const char* text;
  bool kept_as_text = false;
};

TEST_F(FillGeoTTest, WritesTheSampleProjectsCells) {
  fill_geo_t(ctx);
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kGeoTSheet);
  const std::string model_text = "JN1860" + std::string(44, ' ');
  const std::string series_text = "JN Varistep Variable Capacity" + std::string(21, ' ');
  const std::string style_text = "Vertical Packaged" + std::string(33, ' ');
  const Written cells[] = {
      {"B3", "1"},
      {"B4", model_text.c_str(), true},
      {"B5", series_text.c_str(), true},
      {"B6", style_text.c_str(), true},
      {"J4", "JN1860", true},
      {"J5", "JN 1860 Varistep", true},
      // coefficient table: cooling and heating power, high-mode speed
      {"B8", "100"},
      {"D8", "-0.023058"},
      {"F8", "0.0006"},
      {"G8", "4.2917E-07"},
      {"K8", "0"},
      {"B9", "200"},
      {"D9", "0.098814"},
      {"F9", "-0.0015245"},
      {"G9", "5.1884E-07"},
      {"B18", "-1.161"},
      {"C18", "121.7"},
      {"E18", "-0.726"},
      {"F18", "101.37"},
      {"D19", "-0.1"},
      // limits
      {"B22", "18000"},
      {"C22", "60000"},
      {"B23", "18000"},
      {"C23", "48000"},
      {"B24", "20"},
      {"C24", "90"},
      {"F22", "0.3"},
      {"G22", "1"},
      {"F23", "0.3"},
      {"G23", "0.8"},
      {"B30", "0.05"},
      {"B31", "0.05"},
      {"B33", "0.75"},
      // pumps and hot-water rises
      {"F29", "15"},
      {"G29", "0.25"},
      {"H29", "0.5"},
      {"F30", "12"},
      {"G30", "0.15"},
      {"H30", "0.3"},
      {"I30", "0.05821"},
      {"F31", "8"},
      {"G31", "0.04"},
      {"H31", "0.08"},
      {"F34", "8"},
      {"G34", "16"},
      {"F35", "8"},
      {"G35", "12"},
      // loop and soil
      {"N5", "23"},
      {"N6", "Vertical Bore, Single U-Bend", true},
      {"N7", "0.75\" HDPE SDR-11", true},
      {"N8", "1 U-Tube per Bore, Standard Grout", true},
      {"N9", "Bore Length:", true},
      {"N10", "2"},
      {"N11", "Average Rock", true},
      {"N12", "1.4"},
      {"N13", "1"},
      {"N14", "100"},
      {"N15", "0"},
      {"N16", "30"},
      {"N17", "85"},
      {"N18", "1"},
      {"N20", "0"},
      {"N50", "0"},
      {"N51", "1"},
      {"N52", "0"},
      {"N53", "Vertical Packaged", true},
      // auxiliary heat
      {"R6", "46798"},
      {"R7", "Electric Resistance", true},
      {"S7", "0"},
      {"R8", "Duct Mounted Strip Heat", true},
      {"S8", "0"},
      {"R9", "100"},
      {"S9", "0"},
      {"R10", "1"},
      {"S10", "0"},
      {"R11", "0"},
      {"S11", "0"},
      {"R12", "4"},
      {"R13", "3413"},
      {"R14", "1"},
      {"R15", "0"},
      {"R16", "0"},
      {"R17", "1"},
      {"R18", "0"},
      // water heater
      {"R23", "Geothermal", true},
      {"R24", "Varistep Hot Water, Electric Backup", true},
      {"R25", "0.92"},
      {"R26", "4"},
      {"R27", "3413"},
  };
  for (const Written& c : cells) {
    const auto w = written(kGeoTSheet, c.cell);
    ASSERT_TRUE(w.has_value()) << c.cell << " not written";
    EXPECT_EQ(w->text, c.text) << c.cell;
    EXPECT_EQ(w->kept_as_text, c.kept_as_text) << c.cell;
  }
  // Every input cell of the sheet, each once but N18: the 5 unit texts, B3, the 120
  // coefficients, 6 + 4 limits, 3 unit constants, 10 pump values, 4 rises, N50:N53, N5:N17,
  // N18 twice, N20, R6:S17, R18 and 5 water-heater values.
  EXPECT_EQ(writes_on(kGeoTSheet), 5u + 1 + 120 + 10 + 3 + 10 + 4 + 4 + 13 + 2 + 1 + 17 + 1 + 5);
  EXPECT_EQ(text(kGeoTSheet, "B4"), model_text);
  EXPECT_EQ(text(kGeoTSheet, "I30"), "0.05821");
  EXPECT_FALSE(book.cell_formula({kGeoTSheet - 1, 29, 8}).has_value());  // I30's formula is gone
}

TEST_F(FillGeoTTest, TheSampleProjectReproducesTheTemplate) {
  const sheet::Book template_book = load_report_template();
  fill_geo_t(ctx);
  for (const WrittenCell& w : trace) {
    const sheet::CellPos pos{w.sheet - 1, w.row - 1, w.col - 1};
    const std::string name = sheet::format_a1(pos.row, pos.col);
    if (name == "I30") continue;  // the template's formula, which every fill replaces
    if (name == "N7") continue;   // the template's sample shows the metric loop file's pipe text
    if (name == "N53") {
      EXPECT_EQ(template_book.cell_kind(pos),
                sheet::CellKind::kEmpty);  // outside the template's used range
      continue;
    }
    EXPECT_EQ(book.cell_text(pos), template_book.cell_text(pos)) << name;
  }
}

TEST_F(FillGeoTTest, MetricUnitsTakeTheMetricLoop) {
  model.MetricFlag(model::kMetricDisplay) = -1;
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("N7"), "19 mm HDPE SDR-11");
  EXPECT_EQ(text(kGeoTSheet, "N7"), load_report_template().cell_text({kGeoTSheet - 1, 6, 13}));
}

TEST_F(FillGeoTTest, MetricUnitsWithFeetKeptTakeTheLoopInFeet) {
  model.MetricFlag(model::kMetricDisplay) = -1;
  model.MetricFlag(model::kKeepFeet) = -1;
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("N7"), "0.75\" HDPE SDR-11");
  EXPECT_EQ(written_text("N11"), "Average Rock");
}

// A loop already held counts only for the file it was read from: after a switch to metric
// display the next fill takes the metric file's texts.
TEST_F(FillGeoTTest, ALoopHeldFromTheOtherFileIsReadAgain) {
  fill_geo_t(ctx);
  trace.clear();
  model.MetricFlag(model::kMetricDisplay) = -1;
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("N7"), "19 mm HDPE SDR-11");
}

TEST_F(FillGeoTTest, WriteBacksOfQuantityAndAuxiliaryMode) {
  model.ProjectRec.GeoT_Tons = model::Currency{};
  model.ProjectRec.GeoT_AuxMode = 99;
  model.ProjectRec.GeoT_AuxId = 1;  // a furnace whose own mode is override
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("B3"), "1");
  EXPECT_EQ(model.ProjectRec.GeoT_Tons, money(1));
  EXPECT_EQ(written_text("R18"), "1");
  EXPECT_EQ(model.ProjectRec.GeoT_AuxMode, 1);

  trace.clear();
  model.ProjectRec.GeoT_AuxMode = 99;
  model.ProjectRec.GeoT_AuxId = 31;  // the duct heater supplements
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("R18"), "0");
  EXPECT_EQ(model.ProjectRec.GeoT_AuxMode, 0);

  trace.clear();
  model.ProjectRec.GeoT_AuxMode = 99;
  model.ProjectRec.GeoT_AuxId = 10;  // a boiler without a default mode supplements
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("R18"), "0");
  EXPECT_EQ(model.ProjectRec.GeoT_AuxMode, 0);
}

TEST_F(FillGeoTTest, QuantityIsWrittenAsTheProjectHoldsIt) {
  model.ProjectRec.GeoT_Tons = money(2);
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("B3"), "2");
  EXPECT_EQ(model.ProjectRec.GeoT_Tons, money(2));
}

TEST_F(FillGeoTTest, UValueOfTheSoilOrOfTheHybridLoop) {
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("N10"), "2");  // element 2
  trace.clear();
  model.ProjectRec.GeoT_LoopWellHybrid = 1;
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("N10"), "3");  // element 17
  EXPECT_EQ(written_text("N20"), "1");
}

TEST_F(FillGeoTTest, ASoilOutsideTheLoopsTableGivesNoUValue) {
  model.ProjectRec.GeoT_SoilId = 77;  // no such soil: the buffer is emptied, its id 0
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("N10"), "0");
}

TEST_F(FillGeoTTest, APondLoopIsWaterAtEightFeet) {
  model.ProjectRec.GeoT_LoopId = 9;
  model.ProjectRec.GeoT_Depth = money(150);
  fill_geo_t(ctx);
  EXPECT_EQ(written_text("N5"), "9");
  const Written pond[] = {{"N11", "Water", true}, {"N12", "0"}, {"N13", "0"}, {"N14", "8"}};
  for (const Written& c : pond) {
    EXPECT_EQ(written_text(c.cell), c.text) << c.cell;
    EXPECT_EQ(written(kGeoTSheet, c.cell)->kept_as_text, c.kept_as_text) << c.cell;
  }
  EXPECT_EQ(writes_of("N14").size(), 1u);
}

TEST_F(FillGeoTTest, TheUnitsHotWaterCodeReplacesTheProjectsChoice) {
  model.ProjectRec.GeoT_HwGenerator = 0;
  fill_geo_t(ctx);
  EXPECT_EQ(writes_of("N18"), (std::vector<std::string>{"0", "1"}));
  EXPECT_EQ(text(kGeoTSheet, "N18"), "1");
}

TEST_F(FillGeoTTest, TwoFillsWriteTheSameTexts) {
  fill_geo_t(ctx);
  const std::vector<WrittenCell> first = trace;
  trace.clear();
  fill_geo_t(ctx);
  ASSERT_EQ(trace.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(trace[i].row, first[i].row);
    EXPECT_EQ(trace[i].col, first[i].col);
    EXPECT_EQ(trace[i].text, first[i].text);
  }
}

TEST_F(FillGeoTTest, WithoutAUnitTheSheetIsLeftAlone) {
  model.ProjectRec.GeoT_UnitId = 0;
  model.ProjectRec.GeoT_Tons = model::Currency{};
  ctx.ReportWorkbook.set_active_sheet(kRatesSheet);
  fill_geo_t(ctx);
  EXPECT_TRUE(trace.empty());
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kRatesSheet);
  EXPECT_EQ(model.ProjectRec.GeoT_Tons, model::Currency{});  // not repaired
}

// A whole fill without a Geo T unit: the sheet keeps the template's unit and another project's
// loads meet it; the recalculation settles instead of running its 400 passes.
TEST_F(FillGeoTTest, AFillWithoutAUnitSettles) {
  model::ProjectRec& p = model.ProjectRec;
  p.GeoT_UnitId = 0;
  p.Loads_CityId = 1;  // Calgary: colder than the sample
  p.Loads_HeatLoad = 60000;
  p.Loads_HeatDeltaT = 70;
  p.Loads_CoolLoad = 30000;
  p.Loads_SensibleLoad = 24000;
  p.Loads_CoolDeltaT = 20;
  p.Loads_DhwTemp = 130;
  p.Loads_DhwUsers = 3;
  p.Loads_HeatSetPoint = 70;
  p.Loads_CoolSetPoint = 75;
  p.Loads_CoolStart = 75;
  p.Loads_SolarGain = 3;
  p.Loads_OccupancyGain = 3;
  p.Loads_ElecGain = 3;
  p.Loads_Construction = 3;
  sheet::Book load_book = loads::make_building_load_book();
  sheet::BookControl load_control(load_book);
  ASSERT_EQ(loads::Calc_Loads(model, load_control, loads), loads::LoadCalcStatus::kValid);
  const sheet::Book before = load_report_template();
  const FillOutcome outcome = Fill_ReportWorkbook(ctx);
  ASSERT_TRUE(outcome.filled);
  EXPECT_EQ(writes_on(kGeoTSheet), 0u);
  for (const char* input : {"B3", "B4", "B9", "C22", "N5", "N10", "N14", "N17", "R6", "R25"}) {
    const auto pos = *sheet::parse_a1(input);
    EXPECT_EQ(book.cell_text({kGeoTSheet - 1, pos.row, pos.col}),
              before.cell_text({kGeoTSheet - 1, pos.row, pos.col}))
        << input;
  }
  const sheet::RecalcReport& recalc = book.last_recalc();
  for (const sheet::GroupReport& g : recalc.groups) {
    if (g.first_cell.sheet == kGeoTSheet - 1) {
      EXPECT_LT(g.passes, 400) << sheet::format_a1(g.first_cell.row, g.first_cell.col);
    }
  }
  for (const char* result : {"P24", "N34", "N43", "BT41", "BU41"}) {
    EXPECT_TRUE(value(kGeoTSheet, result).is_number())
        << result << " holds " << text(kGeoTSheet, result);
  }
}

}  // namespace
}  // namespace pellavan::workbook
