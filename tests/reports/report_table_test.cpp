// The report table: blocks and print areas, which entries the chosen systems enable, where the
// scroller lands on disabled entries, and the zoom levels kept in the project.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <vector>

#include "model/project/file_conversion.h"
#include "reports/report_scroller.h"
#include "reports/report_table.h"
#include "reports/report_zoom.h"

namespace pellavan::reports {
namespace {

using model::SystemType;

ChosenSystems chosen(std::initializer_list<SystemType> kinds) {
  ChosenSystems c;
  for (const SystemType k : kinds) c.choose(k);
  return c;
}

TEST(ReportTableTest, PrintAreasOfBothCopies) {
  const char* const kAreas[kReportCount][2] = {
      {"B1:N51", "P1:AB51"},    {"B1:O48", "B1:O48"},     {"B1:O59", "Q1:AD59"},
      {"CN1:CZ45", "DB1:DN45"}, {"DP1:EB45", "ED1:EP45"}, {"B1:O48", "B1:O48"},
      {"B1:O59", "Q1:AD59"},    {"AZ1:BL45", "BN1:BZ45"}, {"B1:O48", "B1:O48"},
      {"B1:O59", "Q1:AD59"},    {"AZ1:BL45", "BN1:BZ45"}, {"B1:O48", "B1:O48"},
      {"B1:O51", "Q1:AD51"},    {"AI1:AU45", "AW1:BI45"}, {"B1:O48", "B1:O48"},
      {"B1:O43", "Q1:AD43"},    {"W1:AI45", "AK1:AW45"},  {"B1:O48", "B1:O48"},
  };
  for (const Report& r : kReports) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(&report(r.index), &r);
    EXPECT_EQ(print_area(r.block, false), kAreas[r.index - 1][0]);
    EXPECT_EQ(print_area(r.block, true), kAreas[r.index - 1][1]);
    EXPECT_EQ(r.graph, r.block.one_copy());
  }
  EXPECT_THROW(report(0), std::out_of_range);
  EXPECT_THROW(report(19), std::out_of_range);
}

TEST(ReportTableTest, DefaultZoomsAreTheProjectModelsStandardLevels) {
  model::ProjectRec rec;
  model::set_standard_zoom(rec);
  for (const Report& r : kReports) EXPECT_EQ(rec.*r.zoom, r.default_zoom) << r.name;
}

TEST(ReportTableTest, EntriesOfChosenSystemsAreEnabled) {
  model::ProjectRec rec;
  rec.System1_Type = 4;
  rec.System2_Type = 5;  // names no kind
  rec.System3_Type = 1;
  const ChosenSystems c = ChosenSystems::of(rec);
  std::vector<int> enabled;
  for (const Report& r : kReports) {
    if (report_enabled(r, c)) enabled.push_back(r.index);
  }
  EXPECT_EQ(enabled, (std::vector<int>{1, 2, 7, 8, 9, 16, 17, 18}));
}

struct ScrollCase {
  const char* name;
  std::initializer_list<SystemType> systems;
  int set_to;
  int ends_at;
  std::optional<int> shown;
};

TEST(ReportScrollerTest, DisabledEntriesJumpOnOrStay) {
  const ScrollCase kCases[] = {
      {"furnace only, right from the graph", {SystemType::Fossil}, 3, 16, 16},
      {"furnace only, left from its summary", {SystemType::Fossil}, 15, 2, 2},
      {"no Geo T, dragged onto its bin report", {SystemType::GeoA}, 4, 4, std::nullopt},
      {"nothing chosen, right to the end", {}, 3, 16, std::nullopt},
      {"an enabled entry is shown", {SystemType::GeoB}, 11, 11, 11},
      {"heat pump only, right from Geo A's graph", {SystemType::Elec}, 10, 13, 13},
      {"Geo A only, left from the heat pump", {SystemType::GeoA}, 12, 9, 9},
      {"always the comparison graph", {}, 18, 2, 2},
  };
  for (const ScrollCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const ScrollerMove move = move_scroller(c.set_to, chosen(c.systems));
    EXPECT_EQ(move.value, c.ends_at);
    EXPECT_EQ(move.shown, c.shown);
  }
}

TEST(ReportZoomTest, LevelsAreKeptWithinTheBarsRange) {
  struct Case {
    int stored, read;
  };
  for (const Case c : {Case{0, 25}, Case{-40, 25}, Case{24, 25}, Case{25, 25}, Case{115, 115},
                       Case{200, 200}, Case{201, 200}, Case{32000, 200}}) {
    model::ProjectRec rec;
    rec.Zoom_GeoABin = static_cast<model::Int16>(c.stored);
    EXPECT_EQ(stored_zoom(rec, report(8)), c.read) << c.stored;
    store_sheet_zoom(rec, report(8).block.sheet, c.stored);
    EXPECT_EQ(rec.Zoom_GeoABin, c.read) << c.stored;
  }
}

TEST(ReportZoomTest, TheGeoTBinSheetStoresBothOfItsReports) {
  model::ProjectRec rec;
  model::set_standard_zoom(rec);
  const model::ProjectRec before = rec;
  store_sheet_zoom(rec, 25, 140);
  EXPECT_EQ(rec.Zoom_GeoTBin, 140);
  EXPECT_EQ(rec.Zoom_GeoTOperating, 140);
  rec.Zoom_GeoTBin = before.Zoom_GeoTBin;
  rec.Zoom_GeoTOperating = before.Zoom_GeoTOperating;
  EXPECT_EQ(rec, before) << "nothing else changed";
  store_sheet_zoom(rec, 8, 140);  // the title page has no zoom
  EXPECT_EQ(rec, before);
}

TEST(ReportZoomTest, LockZoomSetsEveryReportAndNoBinView) {
  model::ProjectRec rec;
  model::set_standard_zoom(rec);
  lock_zoom(rec, 120);
  for (const Report& r : kReports) EXPECT_EQ(stored_zoom(rec, r), 120) << r.name;
  EXPECT_EQ(rec.BinZoom_GeoA, 115);
  EXPECT_EQ(zoom_label(120), "120%");
  EXPECT_EQ(zoom_label(85), "85%");
}

}  // namespace
}  // namespace pellavan::reports
