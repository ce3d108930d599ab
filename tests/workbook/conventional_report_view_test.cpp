// The bin reports of the Air-to-Air and Furnace sheets as the view draws them: the template's
// sample, recalculated, in the blocks the reports print (imperial and metric copy).
#include <gtest/gtest.h>

#include <QString>

#include "sheet/address.h"
#include "sheet_view/render.h"
#include "workbook/conventional_sample.h"

namespace pellavan::workbook::testing {
namespace {

using sheet::view::DrawnText;

struct Shown {
  const char* cell;
  const char* text;  // as drawn, without the blanks a format pads with
  bool red = false;
};

struct ReportBlock {
  const char* name;
  int sheet;
  const char* block;
  std::vector<Shown> cells;
};

const DrawnText* drawn_in(const std::vector<DrawnText>& texts, int sheet_number, const char* a1) {
  const sheet::CellPos pos = sheet_cell(sheet_number, a1);
  for (const DrawnText& t : texts)
    if (t.cell == pos) return &t;
  return nullptr;
}

TEST(ConventionalReportViewTest, BlocksShowTheirFigures) {
  sheet::Book book = load_report_template();
  // A negative heating capacity would show in red parentheses; the sample has none, so one is set.
  book.set_cell_value(sheet_cell(kAirToAirSheet, "AN40"), sheet::Value::number(-1234.4));
  book.set_cell_value(sheet_cell(kFurnaceSheet, "AB40"), sheet::Value::number(-1234.4));
  book.recalc();
  const ReportBlock blocks[] = {
      {"heat pump, imperial",
       kAirToAirSheet,
       "AI1:AU45",
       {{"AJ4", "Temperature Bin Analysis"},
        {"AO2", "5/30/96"},
        {"AJ10", "Deg F"},
        {"AJ11", "112"},
        {"AL22", "-380"},
        {"AM12", "2,521"},
        {"AN30", "44,042"},
        {"AO30", "42%"},
        {"AP12", "44,175"},
        {"AQ17", "88%"},
        {"AR30", "$25"},
        {"AS30", "$55"},
        {"AR41", "$915"},
        {"AS41", "$168"},
        {"AT41", "$405"},
        {"AK41", "8752"},
        {"AN40", "(1,234)", true}}},
      {"heat pump, metric",
       kAirToAirSheet,
       "AW1:BI45",
       {{"AX10", "Deg C"},
        {"AX11", "44.4"},
        {"AX27", "0.0"},
        {"AZ10", "kW"},
        {"AZ12", "18.3"},
        {"BA12", "0.7"},
        {"BB30", "12.9"},
        {"BC30", "42%"},
        {"BF10", "$ CND"},
        {"BF41", "915"},
        {"BG41", "168"},
        {"BH41", "405"},
        {"BE41", "$ CND"},
        {"AY41", "8752"}}},
      {"furnace, imperial",
       kFurnaceSheet,
       "W1:AI45",
       {{"X4", "Temperature Bin Analysis"},
        {"X10", "Deg F"},
        {"AB30", "73,398"},
        {"AC30", "70%"},
        {"AD16", "47,001"},
        {"AE16", "76%"},
        {"AF41", "$1,211"},
        {"AG41", "$476"},
        {"AH41", "$405"},
        {"AB40", "(1,234)", true}}},
      {"furnace, metric",
       kFurnaceSheet,
       "AK1:AW45",
       {{"AL10", "Deg C"},
        {"AL27", "0.0"},
        {"AN10", "kW"},
        {"AP30", "21.5"},
        {"AR16", "13.8"},
        {"AQ30", "70%"},
        {"AT41", "1,211"},
        {"AU41", "476"},
        {"AV41", "405"},
        {"AT10", "$ CND"}}},
  };
  for (const ReportBlock& b : blocks) {
    const auto shown =
        sheet::view::render_block(book, b.sheet - 1, *sheet::parse_a1_range(b.block));
    EXPECT_FALSE(shown.image.isNull()) << b.name;
    for (const Shown& s : b.cells) {
      const DrawnText* t = drawn_in(shown.texts, b.sheet, s.cell);
      ASSERT_NE(t, nullptr) << b.name << " " << s.cell;
      EXPECT_EQ(t->text.trimmed().toStdString(), s.text) << b.name << " " << s.cell;
      EXPECT_EQ(t->colour == QColor(0xFF, 0, 0), s.red) << b.name << " " << s.cell;
    }
  }
}

}  // namespace
}  // namespace pellavan::workbook::testing
