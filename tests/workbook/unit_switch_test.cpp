// The unit switches of Loads and Rates against what the metric copies show: the Geo A summary
// (GAS), its panel (GAQ) and its bin graph (GAG), for each combination the options window allows.
//
// The Geo A values the pages convert are written into the Geo A sheet as constants, so every
// expectation follows from the numbers below whatever the rest of the book computes.

#include <gtest/gtest.h>

#include <string>

#include "sheet/book.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {
namespace {

struct Switches {
  const char* name;
  bool metric, keep_f, keep_btu, keep_ft, gas_gj;
};

constexpr Switches kRows[] = {
    {"imperial", false, false, false, false, false},
    {"metric", true, false, false, false, false},
    {"metric, degrees F kept", true, true, false, false, false},
    {"metric, Btu/h kept", true, false, true, false, false},
    {"metric, feet kept", true, false, false, true, false},
    {"metric, gas per GJ", true, false, false, false, true},
    {"metric, all kept, gas per GJ", true, true, true, true, true},
};

// Geo A values the pages show; the bin of graph row 20 is Geo A row 25.
constexpr double kAvgSourceClg = 67.46, kLoopFt = 1095, kSoilK = 1.2, kAuxInput = 60000,
                 kEer = 15.3;
constexpr double kWaterHeaterCcf = 250, kBinCapacity = 30000, kBinLoad = -25000,
                 kCoolingCost = 262.24;

class UnitSwitchTest : public ::testing::Test {
 protected:
  UnitSwitchTest() : book_(load_report_template()) {
    put("Geo A", "F5", "1");  // a closed ground loop
    put("Geo A", "F34", kLoopFt);
    put("Geo A", "AS41", kAvgSourceClg);
    put("Geo A", "F12", kSoilK);
    put("Geo A", "J12", "1");  // gas auxiliary furnace
    put("Geo A", "J6", kAuxInput);
    put("Geo A", "H15", kEer);
    put("Geo A", "H16", kCoolingCost);
    put("Geo A", "J26", "1");  // gas water heater
    put("Geo A", "AR41", kWaterHeaterCcf);
    put("Geo A", "BF25", kBinCapacity);
    put("Geo A", "BC25", kBinLoad);
    put("Loads", "B39", "$ CND");
  }

  // The flags as the filler writes them: with metric display off every flag is empty.
  void apply(const Switches& s) {
    const auto flag = [&](bool on) { return s.metric && on ? "1" : ""; };
    put("Loads", "A1", flag(true));
    put("Loads", "B37", flag(s.keep_f));
    put("Loads", "B38", flag(s.keep_btu));
    put("Loads", "B40", flag(s.keep_ft));
    put("Rates", "E5", flag(s.gas_gj));
    book_.recalc();
  }

  void put(const char* sheet, const char* a1, const std::string& text) {
    book_.set_cell_text(pos(sheet, a1), text);
  }
  void put(const char* sheet, const char* a1, double value) { put(sheet, a1, number_text(value)); }
  static std::string number_text(double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
  }
  sheet::CellPos pos(const char* sheet, const char* a1) const {
    sheet::CellPos p = *sheet::parse_a1(a1);
    p.sheet = *book_.find_sheet(sheet);
    return p;
  }
  double number(const char* sheet, const char* a1) const {
    const sheet::Value v = book_.cell_value(pos(sheet, a1));
    EXPECT_TRUE(v.is_number()) << sheet << "!" << a1 << " holds "
                               << book_.cell_text(pos(sheet, a1));
    return v.is_number() ? v.as_number() : 0.0;
  }
  std::string text(const char* sheet, const char* a1) const {
    return book_.cell_text(pos(sheet, a1));
  }

  sheet::Book book_;
};

// One converted quantity: the value and unit text a metric cell shows for a setting.
struct Shown {
  double value;
  const char* unit;
};
struct Conversion {
  const char* sheet;
  const char* value_cell;
  const char* unit_cell;
  Shown (*expected)(const Switches&);
};

Shown temperature(const Switches& s) {
  return s.keep_f ? Shown{kAvgSourceClg, "Deg F"} : Shown{(kAvgSourceClg - 32) / 1.8, "Deg C"};
}
Shown loop_length(const Switches& s) {
  return s.keep_ft ? Shown{kLoopFt, "ft"} : Shown{kLoopFt * 0.3048, "m"};
}
Shown conductivity(const Switches& s) {
  return s.keep_ft ? Shown{kSoilK, "Btu/h-ft-F"} : Shown{kSoilK * 1.73, "W/m-K"};
}
Shown aux_input(const Switches& s) {
  return s.keep_btu ? Shown{kAuxInput, "Btu/hr"} : Shown{kAuxInput / 3413, "kW"};
}
Shown eer(const Switches& s) {
  return s.keep_btu ? Shown{kEer, "EER (Btu/W)"} : Shown{kEer / 3.413, "COPc (W/W)"};
}
Shown panel_eer(const Switches& s) {
  return s.keep_btu ? Shown{kEer, "EER"} : Shown{kEer / 3.413, "COPc "};
}
Shown gas_use(const Switches& s) {
  return s.gas_gj ? Shown{kWaterHeaterCcf * 0.10673, "GJ"}
                  : Shown{kWaterHeaterCcf * 2.831685, " m3"};
}
Shown money(const Switches&) { return {kCoolingCost, "$ CND"}; }  // never converted

constexpr Conversion kConversions[] = {
    {"GAS", "T31", "U31", temperature},  {"GAS", "T26", "U26", loop_length},
    {"GAS", "T39", "U39", conductivity}, {"GAS", "T47", "U47", aux_input},
    {"GAS", "AA29", "AB29", eer},        {"GAS", "AA42", "AB42", gas_use},
    {"GAS", "AB31", "AC31", money},      {"GAQ", "K6", "L6", temperature},
    {"GAQ", "K3", "L3", loop_length},    {"GAQ", "K11", "L11", conductivity},
    {"GAQ", "K22", "L22", aux_input},    {"GAQ", "O14", "P14", panel_eer},
    {"GAQ", "O15", "P15", money},
};

TEST_F(UnitSwitchTest, MetricCopiesOfTheSummaryAndThePanel) {
  for (const Switches& s : kRows) {
    SCOPED_TRACE(s.name);
    apply(s);
    for (const Conversion& c : kConversions) {
      SCOPED_TRACE(std::string(c.sheet) + "!" + c.value_cell);
      const Shown want = c.expected(s);
      EXPECT_NEAR(number(c.sheet, c.value_cell), want.value, 1e-9);
      EXPECT_EQ(text(c.sheet, c.unit_cell), want.unit);
    }
    // The imperial copies stay as they are whatever the switches.
    EXPECT_DOUBLE_EQ(number("GAS", "E31"), kAvgSourceClg);
    EXPECT_EQ(text("GAS", "F26"), "Feet");
    EXPECT_EQ(text("GAQ", "C22"), "Btu/hr");
    EXPECT_EQ(text("GAQ", "E28"), "Total Operating Cost:");
    EXPECT_EQ(text("GAQ", "N28"), "Total Cost:");
  }
}

TEST_F(UnitSwitchTest, GraphConvertsInPlaceInMetricMode) {
  for (const Switches& s : kRows) {
    SCOPED_TRACE(s.name);
    apply(s);
    const double per = !s.metric ? 1.0 : s.keep_btu ? 1000.0 : 3413.0;
    EXPECT_DOUBLE_EQ(number("GAG", "R5"), s.metric && !s.keep_f ? -36 : -33);
    EXPECT_DOUBLE_EQ(number("GAG", "R34"), s.metric && !s.keep_f ? 44 : 112);
    EXPECT_DOUBLE_EQ(number("GAG", "R18"),
                     s.metric && !s.keep_f ? 0 : 32);  // a formula: (32-32)/1.8
    EXPECT_NEAR(number("GAG", "T20"), kBinCapacity / per, 1e-9);
    EXPECT_NEAR(number("GAG", "U20"), -kBinLoad / per, 1e-9);
  }
}

}  // namespace
}  // namespace pellavan::workbook
