// The notes of a printed report: the stored figures of its systems the analysis was not run on,
// and the figures it shows that the analysis could not settle on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "reports/page_notes.h"

namespace pellavan::reports {
namespace {

using model::SystemType;

TEST(PageNotesTest, AReportNamesTheUnsettledFiguresItShows) {
  const auto span = [](SystemType type, const char* system, const char* quantity, bool money) {
    return workbook::FigureSpan{system, quantity, money, 900, 700, 1000, type};
  };
  UnsettledFigures unsettled;
  unsettled.spans = {span(SystemType::GeoA, "Geo A", "heating cost", true),
                     span(SystemType::GeoA, "Geo A", "loop length", false),
                     span(SystemType::Fossil, "Furnace", "total operating cost", true)};
  unsettled.refused = {
      {.system = SystemType::GeoB, .window = "Geo B", .words = "Average Depth", .shown = "900"}};
  const std::string depth =
      "Geo B Holds an Average Depth of 900, Which Is Out of Range -- Open "
      "the Geo B Window to Correct It";
  const std::string heating = "Geo A heating cost: between $700 and $1,000 a year";
  const std::string loop = "Geo A loop length: between 700 and 1,000 ft";
  const std::string furnace = "Furnace total operating cost: between $700 and $1,000 a year";
  struct Row {
    int report;
    std::vector<std::string> starts;
  };
  const Row rows[] = {
      {1, {depth, heating, furnace}},  // the project report
      {2, {depth, heating, furnace}},  // the comparison graph
      {7, {heating, loop}},            // the Geo A summary
      {8, {heating}},                  // its bin report
      {9, {}},                         // its bin graph
      {10, {depth}},                   // the Geo B summary
      {5, {}},                         // the Geo T operating report
      {17, {furnace}},                 // the furnace bin report
  };
  for (const Row& r : rows) {
    const std::vector<std::string> notes = page_notes(report(r.report), unsettled);
    ASSERT_EQ(notes.size(), r.starts.size()) << report(r.report).name;
    for (std::size_t k = 0; k < notes.size(); ++k)
      EXPECT_THAT(notes[k], ::testing::StartsWith(r.starts[k])) << report(r.report).name;
  }
  EXPECT_TRUE(page_notes(report(1), UnsettledFigures{}).empty()) << "settled: no notes";
}

}  // namespace
}  // namespace pellavan::reports
