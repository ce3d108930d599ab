// The system descriptions over the report pages: a kind of system the project does not compare
// gives its title 0, which shows as nothing, on the page and on the copies of the title.
#include <gtest/gtest.h>

#include "sheet/address.h"
#include "sheet_view/cell_display.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {
namespace {

TEST(SystemTitlesViewTest, TheTitleOfASystemNotComparedShowsNothing) {
  sheet::Book book = load_report_template();
  book.recalc();
  struct Row {
    const char* sheet;
    const char* cell;
    bool compared;  // by the template's own project
  };
  const Row rows[] = {
      {"GEO T", "CT6", false}, {"GEO T", "DH6", false}, {"GEO T", "DV6", false},
      {"GTS", "I6", false},    {"GTS", "X6", false},    {"GTQ", "D1", false},
      {"GTQ", "M1", false},    {"GTG", "I6", false},    {"Air-to-Air", "AO6", false},
      {"AAS", "I6", false},    {"AAQ", "D1", false},    {"AAG", "I6", false},
      {"GAS", "I6", true},     {"GAQ", "M1", true},     {"Geo A", "BT6", true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.sheet) + "!" + r.cell);
    const std::optional<int> sheet = book.find_sheet(r.sheet);
    ASSERT_TRUE(sheet.has_value());
    sheet::CellPos at = *sheet::parse_a1(r.cell);
    at.sheet = *sheet;
    EXPECT_EQ(sheet::view::display_of(book, at).text.empty(), !r.compared)
        << sheet::view::display_of(book, at).text;
  }
}

}  // namespace
}  // namespace pellavan::workbook
