// A system too small for its building: its average efficiencies are of the energy it delivers,
// bin by bin as its own output columns give it, and its summary says how much it leaves unmet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "projects/project_set.h"
#include "tools/sample_data_fixture.h"
#include "workbook/analysis_run.h"
#include "workbook/filler/summary_sheets.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

// A system sheet's bin rows: the hours, the space load (+ cooling, - heating) and what the
// system gives in a bin, the product of one or two of its columns, plus a rated output cell.
struct Bins {
  int sheet;
  const char* hours;
  const char* load;
  const char* output;
  const char* output_factor;  // "" for none
  const char* rated;          // the auxiliary's output added in heating; "" for none
};

std::string cell(const char* column, int row) {
  std::string name(column);
  name += std::to_string(row);
  return name;
}

double at(const sheet::Book& book, int sheet, const std::string& cell) {
  const double v = number_at(book, sheet, cell);
  return std::isnan(v) ? 0.0 : v;
}

// The year's load in MMBtu of the bins of one sign, and what the bins give of it.
struct Year {
  double load = 0;
  double delivered = 0;
};

Year year(const sheet::Book& book, const Bins& b, bool heating) {
  Year y;
  for (int row = 11; row <= 40; ++row) {
    const double load = at(book, b.sheet, cell(b.load, row)) * (heating ? -1 : 1);
    if (load <= 0) continue;
    double given = at(book, b.sheet, cell(b.output, row));
    if (*b.output_factor) given *= at(book, b.sheet, cell(b.output_factor, row));
    if (heating && *b.rated) given += at(book, b.sheet, b.rated);
    const double hours = at(book, b.sheet, cell(b.hours, row));
    y.load += load * hours / 1e6;
    y.delivered += std::min(load, given) * hours / 1e6;
  }
  return y;
}

// The figures of "Meets 64% of Cooling Load, 122.2 Million Btu Unmet"; false without one.
bool read_unmet(std::string text, double& met, double& unmet) {
  std::erase(text, ',');
  char use[16];
  return std::sscanf(text.c_str(), "Meets %lf%% of %15s Load %lf Million Btu Unmet", &met, use,
                     &unmet) == 3;
}

struct System {
  const char* name;
  int summary;
  Bins cooling;
  Bins heating;  // sheet 0: no heating shares on the summary
};

const System kSystems[] = {
    {"Geo A",
     kGasSheet,
     {kGeoASheet, "BB", "BC", "BF", "BH", ""},
     {kGeoASheet, "BB", "BC", "BF", "BH", "J19"}},
    {"Geo B",
     kGbsSheet,
     {kGeoBSheet, "BB", "BC", "BF", "BH", ""},
     {kGeoBSheet, "BB", "BC", "BF", "BH", "J19"}},
    {"Geo T",
     kGtsSheet,
     {kGeoTSheet, "CP", "CQ", "CT", "", ""},
     {kGeoTSheet, "CP", "CQ", "CT", "CV", "R19"}},
    {"Heat pump",
     kAasSheet,
     {kAirToAirSheet, "AK", "AL", "AP", "AQ", ""},
     {kAirToAirSheet, "AK", "AL", "Q", "N", "B17"}},
    {"Furnace", kFusSheet, {kFurnaceSheet, "Y", "Z", "AD", "AE", ""}, {}},
};

class UnmetLoadTest : public pellavan::testing::SampleDataTest {
 protected:
  // Less than this share of a year's load left unmet counts as none.
  static constexpr double kMet = 0.01;

  void run(std::string_view name) {
    a_ = std::make_unique<ProjectAnalysis>(model.program_folder);
    ASSERT_TRUE(a_->run_file(pellavan::testing::set_project_file(name)).usable()) << name;
  }
  [[nodiscard]] const sheet::Book& book() const { return a_->book; }
  [[nodiscard]] std::string text(int sheet, std::string_view cell) const {
    return book().cell_text(summary_pos(sheet, cell));
  }

  // The summary's sentence under a use's cost: none when the system meets the load, else the
  // share met and the MMBtu left.
  void expect_sentence(const System& s, std::string_view cell, const Year& y) {
    const double unmet = y.load - y.delivered;
    double met = 0, left = 0;
    const bool said = read_unmet(text(s.summary, cell), met, left);
    if (unmet < kMet * y.load) {
      EXPECT_FALSE(said) << text(s.summary, cell);
      return;
    }
    ASSERT_TRUE(said) << "'" << text(s.summary, cell) << "'";
    EXPECT_NEAR(left, unmet, 0.05 + 0.002 * unmet);
    EXPECT_NEAR(met, std::min(100 * y.delivered / y.load, 99.0), 0.5);
  }

  std::unique_ptr<ProjectAnalysis> a_;
};

// EER x kWh is the cooling the system gives: its output in each bin, at most the bin's load.
TEST_F(UnmetLoadTest, CoolingEfficiencyIsOfTheCoolingDelivered) {
  for (const char* project : {"houston_geo_t", "atlanta_water", "sample"}) {
    run(project);
    for (const System& s : kSystems) {
      SCOPED_TRACE(std::string(project) + ", " + s.name);
      const Year y = year(book(), s.cooling, false);
      const bool furnace = s.summary == kFusSheet;
      const double eer = at(book(), s.summary, furnace ? "L21" : "L29");
      const double kwh = at(book(), s.summary, furnace ? "L20" : "L28");
      EXPECT_NEAR(eer * kwh / 1000, y.delivered, kMet * y.load);
      expect_sentence(s, furnace ? "I24" : "I32", y);
    }
  }
}

// The heating shares of the heat pump and of its auxiliary add up to the heating delivered, the
// auxiliary giving at most its output; an electric auxiliary's efficiency is at most 100 % (within
// the 1 % a system that counts as meeting the load may leave).
TEST_F(UnmetLoadTest, HeatingSharesAreOfTheHeatDelivered) {
  for (const char* project : {"houston_geo_t", "calgary_extreme"}) {
    run(project);
    for (const System& s : kSystems) {
      if (s.heating.sheet == 0) continue;
      SCOPED_TRACE(std::string(project) + ", " + s.name);
      const Year y = year(book(), s.heating, true);
      const double shares = at(book(), s.summary, "L13") + at(book(), s.summary, "L20");
      EXPECT_NEAR(shares / 100 * y.load, y.delivered, kMet * y.load);
      if (text(s.summary, "L17").empty()) {  // an electric auxiliary: no fuel row
        EXPECT_LE(at(book(), s.summary, "L19"), 100 * (1 + kMet));
      }
      expect_sentence(s, "I24", y);
    }
  }
}

// The comparison marks each system that leaves part of the load unmet after its name, says why
// below the table, and names it so in the comparison graph.
TEST_F(UnmetLoadTest, TheComparisonMarksASystemThatDoesNotMeetTheLoad) {
  struct Case {
    const char* project;
    const char* marks;  // of the three comparison rows
  };
  for (const Case& c :
       {Case{"houston_geo_t", "***"}, Case{"lincoln_omaha", "   "}, Case{"dallas_oil", "***"}}) {
    SCOPED_TRACE(c.project);
    run(c.project);
    for (int row = 0; row < 3; ++row) {
      const bool marked = c.marks[row] == '*';
      const std::string name = text(kPrsSheet, cell("C", 39 + row));
      EXPECT_EQ(name.ends_with(" *"), marked) << name;
      EXPECT_EQ(text(kPrgSheet, cell("R", 5 + row)), name);
    }
    const bool any = std::string_view(c.marks).find('*') != std::string_view::npos;
    EXPECT_EQ(
        text(kPrsSheet, "C42").starts_with("* Does Not Meet the Full Heating or Cooling Load"),
        any);
    EXPECT_EQ(text(kPrgSheet, "C46"), text(kPrsSheet, "C42"));
  }
}

}  // namespace
}  // namespace pellavan::workbook
