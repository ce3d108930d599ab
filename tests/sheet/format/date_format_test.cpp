#include <gtest/gtest.h>

#include "format_rows.h"

namespace pellavan::sheet {
namespace {

constexpr double kSampleDate = 35215;  // Thursday 30 May 1996

TEST(DateFormatTest, DayMonthAndYearParts) {
  testing::expect_rows({
      {"short date", "m/d/yy", kSampleDate, "5/30/96"},
      {"escaped slash", "m\\/d/yy", kSampleDate, "5/30/96"},
      {"padded", "mm/dd/yy", kSampleDate, "05/30/96"},
      {"month name", "d-mmm-yy", kSampleDate, "30-May-96"},
      {"upper case, four-digit year", "M/D/YYYY", kSampleDate, "5/30/1996"},
      {"long", "mmmm d, yyyy", kSampleDate, "May 30, 1996"},
      {"weekday", "dddd", kSampleDate, "Thursday"},
      {"short weekday", "ddd", kSampleDate, "Thu"},
      {"month initial", "mmmmm", kSampleDate, "M"},
      {"points are literal", "m.d.yy", kSampleDate, "5.30.96"},
      {"two-digit year 2003", "m/d/yy", 37623, "1/2/03"},
      {"serial zero", "m/d/yy", 0, "12/30/99"},
      {"time of day dropped", "m/d/yy", kSampleDate + 0.75, "5/30/96"},
      {"red date", "[Red]m/d/yy", kSampleDate, "5/30/96", true},
      {"negative serial shows the number", "m/d/yy", -1, "-1"},
      {"beyond 9999 shows the number", "m/d/yy", 3e6, "3000000"},
      {"negative section", "m/d/yy;\"none\"", -1, "none"},
  });
}

TEST(DateFormatTest, IsDate) {
  EXPECT_TRUE(NumberFormat::parse("m/d/yy").is_date());
  EXPECT_TRUE(NumberFormat::parse("m\\/d/yy").is_date());
  EXPECT_TRUE(NumberFormat::parse("d-mmm-yy;@").is_date());
  EXPECT_FALSE(NumberFormat::parse("0").is_date());
  EXPECT_FALSE(NumberFormat::parse("General").is_date());
  EXPECT_FALSE(NumberFormat::parse("0 \"days\"").is_date());
  EXPECT_FALSE(NumberFormat::parse("m/d/yy h:mm").is_date());  // times: General
}

}  // namespace
}  // namespace pellavan::sheet
