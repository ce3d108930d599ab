// Every report page of the sample project, in both unit systems, drawn as the views draw it:
// nothing blank, and the cells show in their formats (dates, money with and without the dollar
// sign, the currency label of the metric copies).
#include <gtest/gtest.h>

#include <QColor>
#include <map>
#include <regex>
#include <string>

#include "reportshot/sample_book.h"
#include "sheet/address.h"
#include "sheet_view/render.h"

namespace pellavan::reportshot {
namespace {

struct Shown {
  std::string_view page;
  const char* cell;
  const char* pattern;  // what the cell shows, as a regular expression
};

// Cells of the imperial copies, then of the metric copies.
constexpr Shown kImperial[] = {
    {"title_page", "H2", "PELLAVAN® HVAC SYSTEM ANALYSIS"},
    {"title_page", "H45", "5/30/96"},
    {"project_report", "H2", "5/30/96"},
    {"project_report", "M51", R"(\d{1,2}/\d{1,2}/\d\d)"},
    {"project_report", "E22", "80,000"},
    {"project_report", "H39", R"(\$[0-9,]+)"},
    {"project_report", "L39", R"(\$\d,\d{3})"},
    {"project_report", "L47", "1.300"},
    {"project_comparison_graph", "C4", "System Comparison Graph"},
    {"furnace_summary", "C4", "System Summary"},
    {"furnace_summary", "I2", "5/30/96"},
    {"furnace_summary", "N40", R"(\$\d,\d{3} )"},  // room for a bracket
    {"heat_pump_summary", "N48", R"(\$\d,\d{3} )"},
    {"heat_pump_summary", "E15", R"(\d\.\d\d)"},
    {"geo_t_summary", "F16", R"(\d+%)"},
    {"geo_a_summary", "C19", "Geothermal Source"},
    {"geo_a_bin_graph", "C4", "Bin Analysis Graph"},
};
constexpr Shown kMetric[] = {
    {"project_report", "V2", "5/30/96"},
    {"project_report", "S22", "23.44"},
    {"project_report", "S23", "36.1"},
    {"project_report", "V38", R"(\$ CND )"},  // six characters as stored
    {"project_report", "V39", "[0-9,]+"},
    {"project_report", "Y47", "per m3"},
    {"furnace_summary", "AB40", R"(\d,\d{3})"},
    {"furnace_summary", "AC40", R"(\$ CND )"},
    {"furnace_summary", "U12", "kW"},
    {"geo_t_summary", "AB56", "[0-9,]+"},
    {"geo_t_summary", "U31", "Deg C"},
};

class ReportPagesRenderTest : public ::testing::TestWithParam<bool> {};

bool blank(const QImage& image) {
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) {
      if (QColor(image.pixel(x, y)) != QColor(Qt::white)) return false;
    }
  }
  return true;
}

TEST_P(ReportPagesRenderTest, EveryPageDrawsItsCellsInTheirFormats) {
  const bool metric = GetParam();
  const sheet::Book book = filled_project(PELLAVAN_BUILT_PROGRAM_FOLDER,
                                          sample_file(PELLAVAN_BUILT_PROGRAM_FOLDER), metric);
  std::map<std::string, std::string, std::less<>> shown;  // "page!A1" -> drawn text
  for (const ReportPage& page : kReportPages) {
    SCOPED_TRACE(std::string(page.file));
    ASSERT_TRUE(book.used_range(page.sheet - 1).has_value()) << "the sheet is empty";
    const sheet::view::RenderedBlock drawn =
        sheet::view::render_block(book, page.sheet - 1, page_block(page, metric));
    EXPECT_FALSE(drawn.image.isNull());
    EXPECT_FALSE(blank(drawn.image));
    EXPECT_FALSE(drawn.texts.empty());
    for (const auto& t : drawn.texts) {
      shown[std::string(page.file) + "!" + sheet::format_a1(t.cell.row, t.cell.col)] =
          t.text.toStdString();
    }
  }
  for (const Shown& s :
       metric ? std::span<const Shown>(kMetric) : std::span<const Shown>(kImperial)) {
    const std::string key = std::string(s.page) + "!" + s.cell;
    SCOPED_TRACE(key);
    const auto it = shown.find(key);
    ASSERT_NE(it, shown.end()) << "not drawn";
    EXPECT_TRUE(std::regex_match(it->second, std::regex(s.pattern))) << it->second;
  }
}

INSTANTIATE_TEST_SUITE_P(UnitSystems, ReportPagesRenderTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& p) {
                           return p.param ? "metric" : "imperial";
                         });

}  // namespace
}  // namespace pellavan::reportshot
