// The texts of the report pages stay texts: every Loads cell a report sheet reads is either one
// of the few number, date and flag cells, or comes from a text field that the filler writes so
// that it stays text, and the pages then show it exactly as entered, "036" and "1/2/03" included.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "filler_fixture.h"
#include "sheet/formula/parser.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

// The Loads cells of numbers, dates, codes, flags and formulas that report sheets read.
const std::set<std::string> kNumberCells = {"A1",  "A17", "A30", "A31", "A32", "A35", "B37", "B38",
                                            "B40", "C3",  "C4",  "C9",  "C10", "C11", "C12", "C13",
                                            "C14", "C15", "C16", "C17", "C18", "C20", "C21", "C22",
                                            "C23", "C24", "C30", "C31", "C32"};

constexpr int kReportSheets[] = {kPrtSheet, kPrsSheet, kGasSheet, kGbsSheet, kAasSheet, kFusSheet,
                                 kGaqSheet, kGbqSheet, kAaqSheet, kFuqSheet, kPrgSheet, kGagSheet,
                                 kGbgSheet, kAagSheet, kFugSheet, kGtsSheet, kGtqSheet, kGtgSheet};

class ReportTextsTest : public testing::FillerTest {
 protected:
  ReportTextsTest() {
    model::ProjectRec& p = model.ProjectRec;
    p.Dealer_Name = "036";
    p.Dealer_Address = "1/2/03";
    p.Dealer_City = "";
    p.Dealer_State = "12";
    p.Dealer_Zip = "0042";
    p.Dealer_Phone = "5550100";
    p.Dealer_Fax = "1E5";
    p.Dealer_Notes = "-12";
    p.Dealer_Contact = "0.50";
    p.Dealer_CellPhone = "007";
    p.Dealer_Email = "3/4/05";
    p.Client_Name = "1.5";
    p.Client_Address = "12/31/99";
    p.Client_City = "";
    p.Client_State = "7";
    p.Client_Zip = "08540";
    p.Client_HomePhone = "0123";
    p.Client_WorkPhone = "2E3";
    p.Client_CellPhone = "00";
    p.Client_Email = "1/1/2000";
    p.Client_Notes = "-0.0";
    p.Project_Title = "1/2/03";
    p.Project_Number = "036";
    p.Project_Notes = "0042";
    p.System1_Description = "2/3/04";
    p.System2_Description = "010";
    p.System3_Description = "4.50";
    p.System1_Type = 1;
    p.System2_Type = 2;
    p.System3_Type = 4;
    p.Loads_CoolLoad = 45000;
    p.Loads_SensibleLoad = 38250;
    model.CityRec.City = "";
    model.CityRec.State = "1";
    ctx.ProjectFileTitle = "2024";
    model.MetricFlag(model::kMetricDisplay) =
        -1;  // the currency label is written in metric mode only
    model.CurrencyLabel = "007";
  }
};

TEST_F(ReportTextsTest, EveryTextTheReportsReadIsWrittenAsText) {
  fill_loads(ctx);
  sheet::ParseContext context;
  context.find_sheet = [&](std::string_view name) { return book.find_sheet(name); };
  std::set<std::string> read;
  for (const int number : kReportSheets) {
    const int s = number - 1;
    const auto used = book.used_range(s);
    ASSERT_TRUE(used) << book.sheet(s).name();
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const auto formula = book.cell_formula({s, r, c});
        if (!formula) continue;
        context.origin = {s, r, c};
        const auto parsed = sheet::parse_formula(*formula, context);
        for (const sheet::CellRef& ref : std::get<sheet::Ast>(parsed).refs) {
          if (ref.sheet != kLoadsSheet - 1) continue;
          const auto at = ref.to_abs(context.origin);
          read.insert(sheet::format_a1(at->row, at->col));
        }
      }
    }
  }
  for (const std::string& cell : read) {
    if (kNumberCells.count(cell)) continue;
    SCOPED_TRACE(cell);
    const auto w = written(kLoadsSheet, cell);
    ASSERT_TRUE(w) << "the reports read a cell the fill does not write";
    EXPECT_TRUE(w->kept_as_text);
    if (!w->text.empty()) {
      EXPECT_TRUE(value(kLoadsSheet, cell).is_text());
    }
  }
}

TEST_F(ReportTextsTest, ThePagesShowTheTextsAsEntered) {
  fill_loads(ctx);
  book.recalc();
  struct Row {
    int sheet;
    const char* cell;
    const char* shown;
  };
  const Row rows[] = {
      {kPrtSheet, "H1", "1/2/03"},    {kPrtSheet, "H19", "1.5"},
      {kPrtSheet, "H21", "12/31/99"}, {kPrtSheet, "H22", "7  08540"},
      {kPrtSheet, "H40", "036"},      {kPrtSheet, "H41", "1/2/03"},
      {kPrtSheet, "H42", "12  0042"}, {kPrtSheet, "H44", "0.50"},
      {kPrsSheet, "M1", "1/2/03"},    {kPrsSheet, "D8", "1.5"},
      {kPrsSheet, "D11", "0123"},     {kPrsSheet, "D12", "2E3"},
      {kPrsSheet, "D13", "00"},       {kPrsSheet, "D14", "1/1/2000"},
      {kPrsSheet, "D18", "-0.0"},     {kPrsSheet, "J8", "036"},
      {kPrsSheet, "J11", "5550100"},  {kPrsSheet, "J12", "1E5"},
      {kPrsSheet, "J15", "007"},      {kPrsSheet, "J16", "3/4/05"},
      {kPrsSheet, "J18", "-12"},      {kPrsSheet, "E28", ", 1"},
      {kPrsSheet, "C39", "2/3/04"},   {kPrsSheet, "C40", "010"},
      {kPrsSheet, "C41", "4.50"},     {kPrsSheet, "C48", "036"},
      {kPrsSheet, "C49", "2024"},     {kPrsSheet, "R8", "1.5"},
      {kPrsSheet, "Q48", "036"},      {kGasSheet, "I6", "2/3/04"},
      {kGbsSheet, "I6", "010"},       {kFusSheet, "X6", "4.50"},
      {kGaqSheet, "D1", "2/3/04"},    {kGbqSheet, "M1", "010"},
      {kFuqSheet, "D1", "4.50"},      {kPrgSheet, "R6", "010"},
      {kGagSheet, "N1", "1/2/03"},    {kGtsSheet, "N1", "1/2/03"},
      {kPrsSheet, "V38", "007   "},   {kGasSheet, "AC23", "007   "},
      {kAaqSheet, "P28", "007   "},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(book.sheet(r.sheet - 1).name() + "!" + r.cell);
    EXPECT_TRUE(value(r.sheet, r.cell).is_text());
    EXPECT_EQ(text(r.sheet, r.cell), r.shown);
  }
  // The first note line keeps its leading zeros too.
  EXPECT_EQ(text(kPrsSheet, "C44").substr(0, 4), "0042");
}

}  // namespace
}  // namespace pellavan::workbook
