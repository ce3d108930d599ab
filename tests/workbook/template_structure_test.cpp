#include <gtest/gtest.h>

#include <string>

#include "sheet/book.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {
namespace {

TEST(ReportTemplateTest, HasTheTwentyNineSheetsInOrder) {
  const char* names[] = {"Loads",     "Rates", "Geo A", "Geo B", "Air-to-Air", "Furnace",
                         "Economics", "PRT",   "PRS",   "GAS",   "GBS",        "AAS",
                         "FUS",       "ECS",   "GAQ",   "GBQ",   "AAQ",        "FUQ",
                         "ECQ",       "PRG",   "GAG",   "GBG",   "AAG",        "FUG",
                         "GEO T",     "GTS",   "GTQ",   "GTG",   "Num 25"};
  const sheet::Book book = load_report_template();
  ASSERT_EQ(book.sheet_count(), 29);
  for (int i = 0; i < 29; ++i) EXPECT_EQ(book.sheet(i).name(), names[i]) << "sheet " << i + 1;
  EXPECT_EQ(book.settings().max_passes, 400);
  EXPECT_DOUBLE_EQ(book.settings().change_limit, 5.0);
}

}  // namespace
}  // namespace pellavan::workbook
