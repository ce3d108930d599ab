// The four report blocks of the GEO T sheet as the spreadsheet view draws them: titles, headings,
// the bins in their formats, and no column too narrow for what it shows.
#include <gtest/gtest.h>

#include <QString>

#include "sheet/address.h"
#include "sheet_view/render.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {
namespace {

constexpr int kGeoT = 24;

struct ReportBlock {
  const char* name;
  const char* range;
  const char* title;
  std::vector<const char*> texts;  // shown somewhere in the block
};

class GeoTReportViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    book_ = new sheet::Book(load_report_template());
    book_->recalc();
  }
  static void TearDownTestSuite() {
    delete book_;
    book_ = nullptr;
  }
  static sheet::Book* book_;
};

sheet::Book* GeoTReportViewTest::book_ = nullptr;

bool shows(const std::vector<sheet::view::DrawnText>& texts, const char* text) {
  for (const auto& t : texts) {
    if (t.text == QString::fromUtf8(text)) return true;
  }
  return false;
}

TEST_F(GeoTReportViewTest, EachBlockShowsItsReport) {
  // The sample is metric without keep options: the metric blocks in Deg C and kW.
  const ReportBlock blocks[] = {
      {"bin, imperial",
       "CN1:CZ45",
       "Temperature Bin Analysis",
       {"Pellavan®", "Outdoor", "Vessant", "Deg F", "Btu/hr", "8,752", "43.7", "-31,149", "2,521"}},
      {"bin, metric",
       "DB1:DN45",
       "Temperature Bin Analysis",
       {"Pellavan®", "Deg C", "kW", "8,752", "0.0", "6.5"}},
      {"operating, imperial",
       "DP1:EB45",
       "Detailed Operation",
       {"Pellavan®", "Speed", "Hz", "33,929", "51.3", "0.918"}},
      {"operating, metric",
       "ED1:EP45",
       "Detailed Operation",
       {"Pellavan®", "Deg C", "kW", "9.9", "51.3", "0.918"}},
  };
  for (const ReportBlock& b : blocks) {
    const auto shown = sheet::view::render_block(*book_, kGeoT, *sheet::parse_a1_range(b.range));
    EXPECT_FALSE(shown.image.isNull()) << b.name;
    EXPECT_TRUE(shows(shown.texts, b.title)) << b.name;
    for (const char* text : b.texts)
      EXPECT_TRUE(shows(shown.texts, text)) << b.name << ": " << text;
    for (const auto& t : shown.texts) {
      EXPECT_FALSE(!t.text.isEmpty() && t.text.count(QChar('#')) == t.text.size())
          << b.name << ": " << sheet::format_a1(t.cell.row, t.cell.col) << " too narrow";
    }
  }
}

}  // namespace
}  // namespace pellavan::workbook
