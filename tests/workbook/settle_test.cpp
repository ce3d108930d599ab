// Settling: circular cells start from their safe seeds, the values files read back exactly, and
// the template's sample project settles.
#include <gtest/gtest.h>

#include "settle/settle.h"
#include "sheet/book_text.h"
#include "workbook/report_template_text.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {
namespace {

sheet::Book small_book() {
  const EmbeddedFile files[] = {
      {"book.txt", "passes 50\nlimit 5.0\nsheet 1 \"S\" s.sheet\n"},
      // A1 and E1 halve their way towards 100 from wherever they start; B1 is a text result,
      // C1 a plain formula; A1's seed is 60.
      {"s.sheet",
       "A1 =(E1+100)/2\nE1 =A1\nseed A1 60\nB1 =IF(A1>0,\"up \"\"x\"\"\",\"down\")\nC1 =A1/3\nD1 "
       "=1/0\n"},
  };
  return sheet::load_book(files, "book.txt");
}

TEST(SettleTest, CircularCellsStartFromTheirSeedsAndSettleTightly) {
  sheet::Book book = small_book();
  book.set_cached_value({0, 0, 0}, sheet::Value::number(-1e6));  // a far start is replaced
  const sheet::RecalcReport report =
      settle::settle_book(book, {.change_limit = 1e-9, .max_passes = 1000});
  EXPECT_TRUE(report.converged);
  EXPECT_NEAR(book.cell_value({0, 0, 0}).as_number(), 100, 1e-8);
  // The distance to 100 halves each pass: from the seeds below 1e-9 in under 40 passes, where
  // the cached -1e6 would have taken 50.
  EXPECT_LE(report.passes, 40);
  EXPECT_EQ(book.settings().change_limit, 5.0) << "the book's own settings stay";
  EXPECT_EQ(book.settings().max_passes, 50);
}

TEST(SettleTest, ValuesFilesReadBackExactly) {
  sheet::Book settled = small_book();
  settle::settle_book(settled);
  const std::string values = settle::values_file_text(settled, 0);
  EXPECT_NE(values.find("B1 \"up \"\"x\"\"\"\n"), std::string::npos) << values;
  EXPECT_NE(values.find("D1 #DIV/0!\n"), std::string::npos) << values;
  sheet::Book fresh = small_book();
  sheet::apply_values(fresh, 0, "s.values", values);
  for (int c = 0; c < 5; ++c) {
    const sheet::Value a = settled.cell_value({0, 0, c});
    const sheet::Value b = fresh.cell_value({0, 0, c});
    EXPECT_TRUE(identical(a, b) || (a.is_text() && settled.text_of(a) == fresh.text_of(b))) << c;
  }
}

TEST(SettleTest, TheTemplatesSampleProjectSettlesInEveryGroup) {
  sheet::Book book = load_report_template_text();
  const settle::SettleOptions options;
  const sheet::RecalcReport report = settle::settle_book(book, options);
  EXPECT_TRUE(report.converged) << settle::settle_summary(book, report, options);
  for (const sheet::GroupReport& g : report.groups) {
    EXPECT_EQ(g.last_changed_cells, 0u)
        << book.sheet(g.first_cell.sheet).name() << " group of " << g.cells;
  }
  // The cached values built in are exactly these.
  const sheet::Book cached = load_report_template();
  for (int s = 0; s < book.sheet_count(); ++s)
    EXPECT_EQ(settle::values_file_text(cached, s), settle::values_file_text(book, s))
        << book.sheet(s).name();
}

}  // namespace
}  // namespace pellavan::workbook
