// The Loads step: which field goes into which cell, in which text, and the unit flags.
#include <gtest/gtest.h>

#include "filler_fixture.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

using model::Currency;

class FillLoadsTest : public testing::FillerTest {
 protected:
  FillLoadsTest() {
    model::ProjectRec& p = model.ProjectRec;
    model.CityRec.City = "St. Louis";
    model.CityRec.State = "MO";
    model.CityRec.WeatherData(2) = Currency::from_raw(10000);
    model.CityRec.WeatherData(31) = Currency::from_raw(60000);
    model.CityRec.WeatherData(32) = Currency::from_raw(970000);
    model.CityRec.WeatherData(33) = Currency::from_raw(49000000);
    model.CityRec.WeatherData(36) = Currency::from_raw(570000);
    model.CityRec.WeatherData(37) = Currency::from_raw(244000);
    model.CityRec.WeatherData(38) = Currency::from_raw(340000);
    loads.BinNetLoad(2) = Currency::from_raw(626279040);
    loads.BinNetLoad(12) = Currency::from_raw(-3798400);
    loads.BinDhwLoad(2) = Currency::from_raw(25210000);
    loads.HtgCorr = Currency::from_raw(7067);
    loads.IntGains = Currency::from_raw(156201600);
    loads.BldgBalPt = Currency::from_raw(573100);
    loads.AnnHtg = Currency::from_raw(1019750);
    loads.AnnClg = Currency::from_raw(496080);
    loads.AnnDhw = Currency::from_raw(220810);
    loads.DhwBtuh = Currency::from_raw(25210000);
    p.Dealer_Name = "Heating & Cooling Co.";
    p.Dealer_Address = "12 Main St.";
    p.Dealer_City = "St. Louis";
    p.Dealer_State = "MO";
    p.Dealer_Zip = "63101";
    p.Dealer_Phone = "314-555-0100";
    p.Dealer_Contact = "  Pat  ";
    p.Client_Name = "J. Smith";
    p.Client_City = "";
    p.Client_State = "IL";
    p.Client_Zip = "62701";
    p.Project_Title = "1/2/03";
    p.Project_Number = "036";
    p.Project_Date.serial = 35215;
    p.Project_Notes = "Basement finished; ground loop in the back yard.";
    p.System1_Description = "Gas Furnace-80 Single Stage System";
    p.System1_Type = 4;
    p.System2_Type = 6;
    p.System3_Type = 2;
    p.Loads_HeatLoad = 80000;
    p.Loads_HeatDeltaT = 65;
    p.Loads_CoolLoad = 45000;
    p.Loads_CoolDeltaT = 20;
    p.Loads_DhwTemp = 120;
    p.Loads_DhwUsers = 4;
    p.Loads_HeatSetPoint = 70;
    p.Loads_CoolSetPoint = 75;
    p.Loads_CoolStart = 75;
    p.Loads_SolarGain = 3;
    p.Loads_Construction = 5;
    p.Loads_SensibleLoad = 38250;
    model.CurrencyLabel = "$ CND";
  }
};

TEST_F(FillLoadsTest, WritesEachFieldIntoItsCellInItsTextForm) {
  fill_loads(ctx);
  struct Row {
    const char* cell;
    const char* text;
    bool kept_as_text;
  };
  const Row rows[] = {
      {"C2", "St. Louis, MO", true},
      {"D2", "0", false},
      {"D3", "1", false},
      {"C3", "6", false},
      {"C4", "97", false},
      {"C5", "4900", false},
      {"C6", "57", false},
      {"C7", "24.4", false},
      {"C8", "34", false},
      {"E3", "62627.904", false},
      {"E13", "-379.84", false},
      {"F3", "2521", false},
      {"F4", "0", false},
      {"C19", "0.7067", false},
      {"C20", "15620.16", false},
      {"C21", "57.31", false},
      {"C22", "101.975", false},
      {"C23", "49.608", false},
      {"C24", "22.081", false},
      {"C25", "2521", false},
      {"A2", "Heating & Cooling Co.", true},
      {"A3", "12 Main St.", true},
      {"A4", "St. Louis, MO  63101", true},
      {"A5", "314-555-0100", true},
      {"A6", "", true},
      {"A37", "Pat", true},
      {"A8", "J. Smith", true},
      {"A10", "IL  62701", true},
      {"A14", "1/2/03", true},
      {"A15", "036", true},
      {"A16", "Sample Project.pvn", true},
      {"A17", "5/30/1996", false},
      {"B30", "Gas Furnace-80 Single Stage System", true},
      {"A30", "4", false},
      {"A31", "6", false},
      {"A32", "2", false},
      {"C9", "80000", false},
      {"C10", "65", false},
      {"C11", "45000", false},
      {"C12", "20", false},
      {"C13", "120", false},
      {"C14", "4", false},
      {"C15", "0", false},
      {"C16", "70", false},
      {"C17", "75", false},
      {"C18", "75", false},
      {"C26", "3", false},
      {"C27", "0", false},
      {"C29", "5", false},
      {"A27", "0.85", false},
      {"B34", "Oskerby, Inc.", true},
      {"B35", "Oskerby Unit", true},
  };
  for (const Row& r : rows) {
    const auto w = written(kLoadsSheet, r.cell);
    ASSERT_TRUE(w) << r.cell << " was not written";
    EXPECT_EQ(w->text, r.text) << r.cell;
    EXPECT_EQ(w->kept_as_text, r.kept_as_text) << r.cell;
  }
}

TEST_F(FillLoadsTest, TextFieldsStayTextAndTheDateBecomesASerial) {
  fill_loads(ctx);
  EXPECT_TRUE(value(kLoadsSheet, "A15").is_text());
  EXPECT_EQ(text(kLoadsSheet, "A15"), "036");
  EXPECT_TRUE(value(kLoadsSheet, "A14").is_text());
  EXPECT_EQ(text(kLoadsSheet, "A14"), "1/2/03");
  EXPECT_DOUBLE_EQ(value(kLoadsSheet, "A17").as_number(), 35215);
  EXPECT_TRUE(value(kLoadsSheet, "A6").is_empty()) << "an empty field empties its cell";
  EXPECT_DOUBLE_EQ(value(kLoadsSheet, "A31").as_number(), 6);
}

TEST_F(FillLoadsTest, AProjectWithoutADateEmptiesTheDateCell) {
  fill_loads(ctx);
  model.ProjectRec.Project_Date.serial = 0;  // the day a date never set holds
  fill_loads(ctx);
  EXPECT_TRUE(value(kLoadsSheet, "A17").is_empty());
}

TEST_F(FillLoadsTest, ProjectNotesAreBrokenIntoThreeUntrimmedLines) {
  fill_loads(ctx);
  const std::string note = "Basement finished; ground loop in the back yard.";
  EXPECT_EQ(written(kLoadsSheet, "A18")->text, note + std::string(55 - note.size(), ' '));
  EXPECT_EQ(written(kLoadsSheet, "A19")->text, std::string(56, ' '));
  EXPECT_EQ(written(kLoadsSheet, "A20")->text, std::string(53, ' '));
}

TEST_F(FillLoadsTest, UnitFlagsFollowTheOptions) {
  struct Row {
    const char* name;
    model::Int16 metric, keep_f, keep_btuh, keep_ft, gas_gj;
    const char *a1, *b37, *b38, *b40, *e5;
    bool currency_written;
  };
  const Row rows[] = {
      {"imperial", 0, -1, -1, -1, -1, "", "", "", "", "", false},
      {"metric", -1, 0, 0, 0, 0, "1", "", "", "", "", true},
      {"metric keeping F", -1, -1, 0, 0, 0, "1", "1", "", "", "", true},
      {"metric keeping Btu/h", -1, 0, -1, 0, 0, "1", "", "1", "", "", true},
      {"metric keeping ft, gas per GJ", -1, 0, 0, -1, -1, "1", "", "", "1", "1", true},
  };
  for (const Row& r : rows) {
    trace.clear();
    model.MetricFlag(model::kMetricDisplay) = r.metric;
    model.MetricFlag(model::kKeepFahrenheit) = r.keep_f;
    model.MetricFlag(model::kKeepBtuh) = r.keep_btuh;
    model.MetricFlag(model::kKeepFeet) = r.keep_ft;
    model.MetricFlag(model::kGasPerGj) = r.gas_gj;
    fill_loads(ctx);
    EXPECT_EQ(written(kLoadsSheet, "A1")->text, r.a1) << r.name;
    EXPECT_EQ(written(kLoadsSheet, "B37")->text, r.b37) << r.name;
    EXPECT_EQ(written(kLoadsSheet, "B38")->text, r.b38) << r.name;
    EXPECT_EQ(written(kLoadsSheet, "B40")->text, r.b40) << r.name;
    EXPECT_EQ(written(kRatesSheet, "E5")->text, r.e5) << r.name;
    EXPECT_EQ(written(kLoadsSheet, "B39").has_value(), r.currency_written) << r.name;
    if (r.currency_written) {
      EXPECT_EQ(written(kLoadsSheet, "B39")->text, "$ CND ") << r.name;
    }
  }
}

TEST_F(FillLoadsTest, AFlagClearedBeforeTheNextFillEmptiesItsCell) {
  model.MetricFlag(model::kMetricDisplay) = -1;
  model.MetricFlag(model::kKeepFahrenheit) = -1;
  fill_loads(ctx);
  EXPECT_DOUBLE_EQ(value(kLoadsSheet, "B37").as_number(), 1);
  model.MetricFlag(model::kKeepFahrenheit) = 0;
  fill_loads(ctx);
  EXPECT_TRUE(value(kLoadsSheet, "B37").is_empty());
  model.MetricFlag(model::kMetricDisplay) = 0;
  fill_loads(ctx);
  EXPECT_TRUE(value(kLoadsSheet, "A1").is_empty());
  EXPECT_EQ(text(kLoadsSheet, "B39"), "$ CND ") << "imperial fills keep the last currency text";
}

TEST_F(FillLoadsTest, LeavesLoadsActiveWithTheGasFlagWrittenOnRates) {
  fill_loads(ctx);
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kLoadsSheet);
  EXPECT_EQ(writes_on(kRatesSheet), 1u);
}

}  // namespace
}  // namespace pellavan::workbook
