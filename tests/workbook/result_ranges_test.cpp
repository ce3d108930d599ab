// The check of the compared systems' results against their physical ranges, on the template's
// settled sample with one summary cell changed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filler_fixture.h"
#include "model/project/system_type.h"
#include "workbook/filler/result_ranges.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

using model::SystemType;

class ResultRangesTest : public testing::FillerTest {};

TEST_F(ResultRangesTest, FiguresOutsideTheirRangeAreNamedForTheComparedSystemsOnly) {
  struct Row {
    const char* name;
    SystemType compared;
    int sheet;
    const char* cell;
    sheet::Value value;
    const char* problem;         // the start of the one line expected; "" for none
    const char* load_cell = "";  // a Loads cell set to 0 besides
  };
  const sheet::Value div0 = sheet::Value::error(sheet::ErrorCode::kDiv0);
  const Row rows[] = {
      {"a usable loop", SystemType::GeoA, kGasSheet, "E26", sheet::Value::number(1095), ""},
      {"a closed loop of 0 ft", SystemType::GeoA, kGasSheet, "E26", sheet::Value::number(0),
       "Geo A closed loop length (ft) \"0\" is 0 per ton of design load, outside its physical "
       "range of 1 to 20000 (GAS!E26)"},
      {"a Geo T loop of 2 million ft", SystemType::GeoT, kGtsSheet, "E27",
       sheet::Value::number(2e6), "Geo T closed loop length (ft) \"2000000\" is 300000"},
      {"a heating COP of #DIV/0!", SystemType::GeoB, kGbsSheet, "L12", div0,
       "Geo B heating COP holds \"#DIV/0!\", no number (GBS!L12)"},
      {"an electric furnace of 225 %", SystemType::Fossil, kFusSheet, "L13",
       sheet::Value::number(225), "Furnace heating efficiency (%) \"225\""},
      {"$653 billion of water heating", SystemType::Fossil, kFusSheet, "N31",
       sheet::Value::number(6.53e11), "Furnace water-heating cost \"653000000000\" is"},
      {"a heat pump of COP 0", SystemType::Elec, kAasSheet, "L12", sheet::Value::number(0),
       "Heat pump heating COP \"0\", outside its physical range of 0.8 to 25 (AAS!L12)"},
      {"a Geo B not compared", SystemType::GeoA, kGbsSheet, "L12", div0, ""},
      {"no COP without a heating load", SystemType::GeoB, kGbsSheet, "L12", div0, "", "C22"},
      {"a building without heating or cooling", SystemType::GeoA, kLoadsSheet, "C23",
       sheet::Value::number(0),
       "Building annual heating and cooling load (MMBtu) \"0\", outside its physical range "
       "of 0.001 to 100000 (Loads!C22:C23)",
       "C22"},
      {"a year of 252 billion MMBtu", SystemType::Fossil, kLoadsSheet, "C23",
       sheet::Value::number(2.52e11),
       "Building annual heating and cooling load (MMBtu) \"2.520000001e+11\""},
      {"no EER without a cooling load", SystemType::Fossil, kFusSheet, "L21", div0, "", "C23"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    sheet::Book fresh = load_report_template();
    FillContext context(model, loads, fresh);
    model.ProjectRec.System1_Type = model::code_of(row.compared);
    model.ProjectRec.System2_Type = 0;
    model.ProjectRec.System3_Type = 0;
    auto pos = *sheet::parse_a1(row.cell);
    pos.sheet = row.sheet - 1;
    fresh.set_cell_value(pos, row.value);
    if (*row.load_cell != '\0') {
      auto load = *sheet::parse_a1(row.load_cell);
      load.sheet = kLoadsSheet - 1;
      fresh.set_cell_value(load, sheet::Value::number(0));
    }
    std::vector<std::string> lines;
    for (const RangeProblem& p : results_out_of_range(context)) lines.push_back(describe(p));
    if (*row.problem == '\0') {
      EXPECT_THAT(lines, ::testing::IsEmpty());
    } else {
      EXPECT_THAT(lines, ::testing::ElementsAre(::testing::StartsWith(row.problem)));
    }
  }
}

}  // namespace
}  // namespace pellavan::workbook
