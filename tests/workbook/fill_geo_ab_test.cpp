// The Geo A and Geo B steps of the fill: which cells they write from which fields, their
// write-backs, the loop, soil, pond and U-value rules, the second unit, and that a fill of the
// template's sample project reproduces the template.
#include <gtest/gtest.h>

#include <string>

#include "filler_fixture.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/filler/geo_sheet_writes.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

model::Currency money(double v) { return model::Currency::from_double(v); }

class FillGeoTest : public testing::FillerTest {
 protected:
  // The template's sample project, with metric display on and lengths converted as there.
  FillGeoTest() {
    model.MetricFlag(model::kMetricDisplay) = -1;
    model::ProjectRec& p = model.ProjectRec;
    p.GeoA_UnitId = 11;
    p.GeoA_Tons = money(1);
    p.GeoA_LoopId = 23;
    p.GeoA_SoilId = 6;
    p.GeoA_Depth = money(100);
    p.GeoA_BoreLength = 0;
    p.GeoA_HwGenerator = 0;
    p.GeoA_LoopMinTemp = 35;
    p.GeoA_LoopMaxTemp = 95;
    p.GeoA_AuxId = 34;
    p.GeoA_AuxInput = 120000;
    p.GeoA_AuxMode = 1;
    p.GeoA_WaterHeaterId = 4;
    p.GeoA_Tandem = 1;
    p.GeoA_Unit2Id = 4;
    p.GeoA_Unit2Tons = money(1);
    p.GeoB_UnitId = 4;
    p.GeoB_Tons = money(1);
    p.GeoB_LoopId = 23;
    p.GeoB_SoilId = 6;
    p.GeoB_Depth = money(100);
    p.GeoB_LoopMinTemp = 30;
    p.GeoB_LoopMaxTemp = 95;
    p.GeoB_AuxId = 31;
    p.GeoB_AuxInput = 73421;
    p.GeoB_AuxMode = 0;
    p.GeoB_WaterHeaterId = 4;
  }

  std::string written_text(int sheet_number, std::string_view a1) const {
    const auto w = written(sheet_number, a1);
    return w ? w->text : "(not written)";
  }
  // Every cell the filler wrote holds what the template holds.
  void expect_template_values(int sheet_number) const {
    const sheet::Book template_book = load_report_template();
    std::size_t compared = 0;
    for (const WrittenCell& w : trace) {
      if (w.sheet != sheet_number) continue;
      const sheet::CellPos pos{w.sheet - 1, w.row - 1, w.col - 1};
      EXPECT_EQ(book.cell_text(pos), template_book.cell_text(pos))
          << sheet::format_a1(pos.row, pos.col);
      ++compared;
    }
    EXPECT_GE(compared, 93u);  // every input cell of Geo B, and more on Geo A
  }
};

struct Written {
  const char* cell;
  const char* text;
  bool kept_as_text = false;
};

TEST_F(FillGeoTest, GeoAWritesItsCellsFromTheBlockAndTheRecords) {
  fill_geo_a(ctx);
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kGeoASheet);
  const Written cells[] = {
      {"B3", "1"},
      {"B4", "RKH060-2", true},
      {"B5", "RKH Hydronic Water-to-Water", true},
      {"B6", "37900"},
      {"B8", "2.9169"},
      {"B18", "0.26"},
      {"B27", "1"},
      {"B50", "0.1611"},
      {"B51", "0.18"},
      {"D50", "0.72"},
      {"D51", "0.78"},
      {"F50", "0"},
      {"F51", "0"},
      {"F52", "1"},
      {"F53", "Hydronic", true},
      // the metric loop file: lengths are not kept in feet
      {"F5", "23"},
      {"F6", "Vertical Bore, Single U-Bend", true},
      {"F7", "19 mm HDPE SDR-11", true},
      {"F8", "1 U-Tube per Bore, Standard Grout", true},
      {"F9", "Bore Length:", true},
      {"F10", "2"},
      {"F11", "Sandstone", true},
      {"F12", "1.4"},
      {"F13", "0.8602"},
      {"F14", "100"},
      {"F15", "0"},
      {"F16", "35"},
      {"F17", "95"},
      {"F18", "0"},
      {"F20", "0"},
      {"F21", "1"},
      // the two-stage electric boiler
      {"J6", "120000"},
      {"J7", "Electric Resistance", true},
      {"J8", "Hot Water, Staged Elements", true},
      {"J9", "100"},
      {"J10", "1"},
      {"J11", "0"},
      {"J12", "4"},
      {"J13", "3413"},
      {"J14", "1"},
      {"J15", "0"},
      {"J16", "0"},
      {"J17", "1"},
      {"J18", "1"},
      {"K7", "0.6"},
      {"K8", "0"},
      {"K9", "0"},
      {"K10", "1"},
      {"K11", "0"},
      // water heater 4
      {"J23", "Geothermal", true},
      {"J24", "Desuperheater Tank, Electric Backup", true},
      {"J25", "0.94"},
      {"J26", "4"},
      {"J27", "3413"},
      // the second unit
      {"B53", "1"},
      {"B54", "RKS060-2", true},
      {"B55", "RK Series Two Stage", true},
      {"B56", "37900"},
      {"B68", "0.22"},
      {"B101", "0.18"},
      {"F54", "Vertical Packaged", true},
  };
  for (const Written& c : cells) {
    const auto w = written(kGeoASheet, c.cell);
    ASSERT_TRUE(w.has_value()) << c.cell << " not written";
    EXPECT_EQ(w->text, c.text) << c.cell;
    EXPECT_EQ(w->kept_as_text, c.kept_as_text) << c.cell;
  }
  // B3:B5, B6:B51, D50:D51 twice (the tandem rewrites them), F50:F53, F5:F21 but F19, J6:K18,
  // J23:J27, B53:B55, B56:B101, F54.
  EXPECT_EQ(writes_on(kGeoASheet), 3u + 46 + 4 + 4 + 16 + 18 + 5 + 3 + 46 + 1);
  EXPECT_FALSE(written(kGeoASheet, "F19").has_value()) << "F19 is the template's";
}

TEST_F(FillGeoTest, GeoBWritesNoSecondUnitAndNoTandemFlag) {
  fill_geo_b(ctx);
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kGeoBSheet);
  const Written cells[] = {
      {"B3", "1"},
      {"B4", "RKS060-2", true},
      {"B8", "2.9169"},
      {"B18", "0.22"},
      {"F52", "0"},
      {"F53", "Vertical Packaged", true},
      {"F16", "30"},
      {"J6", "73421"},
      {"J7", "Electric Resistance", true},
      {"J8", "Duct Mounted Strip Heat", true},
      {"J18", "0"},
      {"K7", "0"},
      {"K10", "0"},
      {"J25", "0.94"},
  };
  for (const Written& c : cells) {
    const auto w = written(kGeoBSheet, c.cell);
    ASSERT_TRUE(w.has_value()) << c.cell << " not written";
    EXPECT_EQ(w->text, c.text) << c.cell;
    EXPECT_EQ(w->kept_as_text, c.kept_as_text) << c.cell;
  }
  EXPECT_EQ(writes_on(kGeoBSheet), 3u + 46 + 2 + 4 + 15 + 18 + 5);
  for (const WrittenCell& w : trace) {
    EXPECT_LE(w.row, 53) << "row " << w.row;
    EXPECT_FALSE(w.row == 21 && w.col == 6) << "F21";
  }
  EXPECT_EQ(text(kGeoBSheet, "F21"), "");
}

TEST_F(FillGeoTest, TheSampleProjectReproducesTheTemplate) {
  fill_geo_a(ctx);
  fill_geo_b(ctx);
  expect_template_values(kGeoASheet);
  expect_template_values(kGeoBSheet);
}

TEST_F(FillGeoTest, ZeroQuantitiesBecomeOneInTheSheetAndTheProject) {
  model::ProjectRec& p = model.ProjectRec;
  p.GeoA_Tons = money(0);
  p.GeoA_Unit2Tons = money(0);
  p.GeoA_Tandem = 0;
  p.GeoB_Tons = money(0);
  fill_geo_a(ctx);
  fill_geo_b(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "B3"), "1");
  EXPECT_EQ(written_text(kGeoASheet, "B53"), "1");
  EXPECT_EQ(written_text(kGeoBSheet, "B3"), "1");
  EXPECT_EQ(p.GeoA_Tons, money(1));
  EXPECT_EQ(p.GeoA_Unit2Tons, money(1));
  EXPECT_EQ(p.GeoB_Tons, money(1));
}

TEST_F(FillGeoTest, AuxiliaryMode99TakesTheAppliancesOwnMode) {
  model::ProjectRec& p = model.ProjectRec;
  p.GeoA_AuxId = 2;  // a gas furnace whose default is to override
  p.GeoA_AuxMode = 99;
  p.GeoB_AuxMode = 99;  // the duct heater supplements
  fill_geo_a(ctx);
  fill_geo_b(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "J18"), "1");
  EXPECT_EQ(p.GeoA_AuxMode, 1);
  EXPECT_EQ(written_text(kGeoBSheet, "J18"), "0");
  EXPECT_EQ(p.GeoB_AuxMode, 0);
}

TEST_F(FillGeoTest, AnApplianceWithoutADefaultModeSupplements) {
  model::ProjectRec& p = model.ProjectRec;
  p.GeoA_AuxMode = 99;  // the boiler 34 has no default mode of its own
  fill_geo_a(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "J18"), "0");
  EXPECT_EQ(p.GeoA_AuxMode, 0);
}

TEST_F(FillGeoTest, WithoutTandemTheSecondUnitLeavesTheSensibleShares) {
  model::ProjectRec& p = model.ProjectRec;
  p.GeoA_Tandem = 0;
  p.GeoA_Unit2Id = 1;  // a unit of other shares, written into rows 53-101 all the same
  fill_geo_a(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "F21"), "0");
  EXPECT_EQ(written_text(kGeoASheet, "B54"), "RKS024-1");
  std::size_t share_writes = 0;
  for (const WrittenCell& w : trace)
    share_writes += (w.col == 4 && (w.row == 50 || w.row == 51)) ? 1 : 0;
  EXPECT_EQ(share_writes, 2u) << "only the first unit's D50 and D51";
}

TEST_F(FillGeoTest, PondLoopTakesWaterAndItsOwnDepth) {
  model::ProjectRec& p = model.ProjectRec;
  p.GeoA_LoopId = 9;
  p.GeoA_Depth = money(250);
  fill_geo_a(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "F11"), "Water");
  EXPECT_EQ(written_text(kGeoASheet, "F12"), "0");
  EXPECT_EQ(written_text(kGeoASheet, "F13"), "0");
  EXPECT_EQ(written_text(kGeoASheet, "F14"), "8");
}

TEST_F(FillGeoTest, OnlyACapitalPondIsAPond) {
  // A buffer that already holds the wanted id is not read again: this record stands in for one
  // of the loop file.
  model::LoopRec& loop = model.LoopRec;
  loop.Id = 77;
  loop.Name.assign("pond in lower case");
  model.ProjectRec.GeoA_LoopId = 77;
  fill_geo_a(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "F11"), "Sandstone");
  EXPECT_EQ(written_text(kGeoASheet, "F14"), "100");
}

struct UValueCase {
  const char* name;
  model::Int16 soil;
  model::Int16 hybrid;
  double expected;
};

TEST_F(FillGeoTest, TheUValueFollowsTheSoilAndTheHybrid) {
  model::LoopRec loop;
  for (int i = 1; i <= 30; ++i) loop.UValue(i) = money(i / 10.0);
  const UValueCase cases[] = {
      {"soil 2", 2, 0, 0.2},
      {"soil 2 on the hybrid", 2, 1, 1.7},
      {"soil 15 on the hybrid", 15, 1, 3.0},
      {"no soil found", 0, 0, 0},
      {"beyond the table on the hybrid", 16, 1, 0},
      {"negative id", -3, 0, 0},
  };
  for (const UValueCase& c : cases) {
    model::SoilRec soil;
    soil.Id = c.soil;
    EXPECT_DOUBLE_EQ(geo_loop_u_value(loop, soil, c.hybrid).to_double(), c.expected) << c.name;
  }
}

TEST_F(FillGeoTest, AnUnknownSoilWritesAZeroUValueAndTheSheetShowsErrorsNotAFault) {
  model.ProjectRec.GeoA_SoilId = 42;
  fill_geo_a(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "F10"), "0");
  book.recalc();
  EXPECT_EQ(text(kGeoASheet, "H45"), "#DIV/0!");
}

TEST_F(FillGeoTest, ImperialDisplayReadsTheImperialLoopFile) {
  model.MetricFlag(model::kMetricDisplay) = 0;
  fill_geo_a(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "F7"), "0.75\" HDPE SDR-11");
  model.MetricFlag(model::kMetricDisplay) = -1;
  model.MetricFlag(model::kKeepFeet) =
      -1;  // feet kept: the imperial loop file, the metric soil file
  trace.clear();
  fill_geo_a(ctx);
  EXPECT_EQ(written_text(kGeoASheet, "F7"), "0.75\" HDPE SDR-11");
  EXPECT_EQ(written_text(kGeoASheet, "F13"), "0.8602");
}

}  // namespace
}  // namespace pellavan::workbook
