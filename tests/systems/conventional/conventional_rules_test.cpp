// The minimum input, the coil combinations, the cut-off entry, the descriptions and the
// validation cases the windows once got wrong.
#include <gtest/gtest.h>

#include "model/input/range_table_walk.h"
#include "model/units/kw_memo.h"
#include "systems/conventional/coil_combinations.h"
#include "systems/conventional/conventional_checks.h"
#include "systems/conventional/cut_off_entry.h"
#include "systems/conventional/minimum_input.h"
#include "systems/conventional/system_description.h"

namespace pellavan::systems {
namespace {

std::optional<model::Refusal> check_furnace(const SystemFigures& f, const model::UnitOptions& u) {
  return model::first_refusal(furnace_checks(), SystemCheckValues(f, kFurnaceMetricTop), u);
}
std::optional<model::Refusal> check_heat_pump(const SystemFigures& f, const model::UnitOptions& u) {
  return model::first_refusal(heat_pump_checks(), SystemCheckValues(f, kHeatPumpMetricTop), u);
}

TEST(MinimumInputTest, MinimumInEachDisplay) {
  struct Case {
    Int32 heat;
    double eff;
    bool kw;
    bool known;
    Int32 capacity;
    double kw_value;
    Int32 raised;
  };
  const Case cases[] = {
      {60000, 0.8, false, true, 75000, 0.0, 22}, {60000, 1.0, false, true, 60000, 0.0, 18},
      {60000, 0.8, true, true, 22, 21.9748, 22}, {34130, 0.95, true, true, 11, 10.5263, 11},
      {60000, 0.0, false, false, 0, 0.0, 0},  // no efficiency: no minimum, no division
  };
  for (const Case& c : cases) {
    model::KwMemo memo;
    const MinimumInput m = minimum_input(c.heat, c.eff, c.kw, memo, 16);
    SCOPED_TRACE(c.heat / c.eff);
    EXPECT_EQ(m.known, c.known);
    EXPECT_EQ(m.capacity, c.capacity);
    EXPECT_NEAR(m.kw, c.kw_value, 1e-9);
    EXPECT_EQ(m.raised_kw, c.raised);
  }
  EXPECT_EQ(whole_kw_raised(41000), 13);
  EXPECT_EQ(whole_kw_raised(40956), 12);
  EXPECT_TRUE(is_electric("  Electric Furnace 15 kW   "));
  EXPECT_FALSE(is_electric("electric furnace"));
}

TEST(CoilCombinationsTest, ChoiceFollowsTheBlowerAndTheName) {
  struct Case {
    double icm;
    const char* name;
    int stored;
    std::vector<std::string> texts;
    int selected;
  };
  const Case cases[] = {
      {1, "Vspd Fan Coil-95", 0, {"Fan Coil"}, 1},
      {1, "Vspd Furnace", 0, {"Std Furnace"}, 2},
      {1, "Vspd-95 Furnace", 3, {"Hi-Eff Furnace"}, 3},
      {1, "Vspd-89 Furnace", 0, {"Std Furnace"}, 2},
      {0, "Gas-95", 0, {"Best", "Standard", "Builder"}, 0},
      {0, "Gas-95", 2, {"Best", "Standard", "Builder"}, 2},
      {2, "Odd-95", 2, {"Best", "Standard", "Builder"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CoilChoice choice = coil_choice(c.icm, c.name, c.stored);
    std::vector<std::string> texts;
    for (const CoilEntry& e : choice.entries) texts.push_back(e.text);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(choice.selected, c.selected);
  }
}

TEST(CutOffEntryTest, UnchangedStaysAndTypedGoesToTheHalfThenTheWholeDegree) {
  struct Case {
    const char* text;
    const char* shown;
    const char* left;
  };
  const Case cases[] = {
      {"4.5", "4.5", "4.5"},        // 40 F in C tabbed through: stays, stores 40 F again
      {"-23.5", "-23.5", "-23.5"},  // -10 F tabbed through
      {"2.3", "5", "3"},           {"2.2", "5", "2"},   {"-2.3", "5", "-3"}, {"4.3", "4.5", "5"},
      {"2.5", "5", "3"},           {"-2.5", "5", "-3"}, {"-0.2", "5", "0"},  {"abc", "5", "abc"},
      {"12 ft", "5", "12 ft"},     {"1,5", "5", "1,5"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cut_off_left_text(c.text, c.shown, model::Places::Decimals), c.left) << c.text;
}

TEST(SystemDescriptionTest, OnlyUnfrozenColumnsOfTheSystemChange) {
  model::ProjectRec rec{};
  rec.System1_Type = 4;
  rec.System2_Type = 4;
  rec.System2_Freeze = 1;
  rec.System2_Description = "Mine";
  rec.System3_Type = 3;
  rec.System3_Description = "Air";
  describe_system(rec, model::SystemType::Fossil, "Gas Furnace 95        ");
  EXPECT_EQ(rec.System1_Description.trimmed(), "Gas Furnace 95 System");
  EXPECT_EQ(rec.System2_Description.trimmed(), "Mine");
  EXPECT_EQ(rec.System3_Description.trimmed(), "Air");
}

// The refusals of both tables where the old rules refused what the window proposed, or let
// through what should not pass.
TEST(ConventionalChecksTest, RefusalsAtDisplayPrecision) {
  model::UnitOptions imperial;
  model::UnitOptions metric;
  metric.metric = true;
  model::KwMemo memo;
  const MinimumInput kw_min = minimum_input(34130, 0.95, true, memo, 16);   // 10.5263 kW
  const MinimumInput btu_min = minimum_input(52345, 1.0, false, memo, 16);  // 52,345 Btu/h
  struct Case {
    bool heat_pump;
    model::UnitOptions units;
    SystemFigures figures;
    const char* refusal;  // nullptr: accepted
  };
  const Case cases[] = {
      // 10.5 kW as the window shows the minimum, stored as 35,836 Btu/h
      {false,
       metric,
       {.capacity = 30000,
        .input = 35836,
        .efficiency = 0.95,
        .kw_display = true,
        .minimum = kw_min},
       nullptr},
      {true,
       metric,
       {.capacity = 30000,
        .input = 35836,
        .efficiency = 0.95,
        .kw_display = true,
        .minimum = kw_min},
       nullptr},
      {true,
       metric,
       {.capacity = 30000,
        .input = 34130,
        .efficiency = 0.95,
        .kw_display = true,
        .minimum = kw_min},
       "Furnace Input Capacity Below Calculated Minimum of 10.5"},
      {false,
       imperial,
       {.capacity = 30000, .input = 40956, .efficiency = 1, .electric = true, .minimum = btu_min},
       "Furnace Input Capacity Below Calculated Minimum of 16 kW"},
      {false,
       imperial,
       {.capacity = 30000, .input = 60000, .efficiency = 0, .minimum = {}},
       "Furnace Efficiency Must Be Above 0"},
  };
  for (const Case& c : cases) {
    const auto refusal =
        c.heat_pump ? check_heat_pump(c.figures, c.units) : check_furnace(c.figures, c.units);
    if (c.refusal == nullptr) {
      EXPECT_FALSE(refusal) << refusal->text;
    } else {
      ASSERT_TRUE(refusal) << c.refusal;
      EXPECT_EQ(refusal->text, c.refusal);
    }
  }
}

// The cut-off at each bound of each display: °C as shown (to the half degree) against the
// stated -23 to 10, so -10 °F (-23.5 °C) is refused and -9 °F (-23.0 °C) passes.
TEST(ConventionalChecksTest, CutOffPassesExactlyTheStatedRange) {
  struct Case {
    bool celsius;
    model::Int16 cut_off;  // °F stored
    bool refused;
  };
  const Case cases[] = {{false, -10, false}, {false, 50, false}, {false, -11, true},
                        {false, 51, true},   {true, -9, false},  {true, 50, false},
                        {true, -10, true},   {true, 51, true}};
  model::KwMemo memo;
  const MinimumInput minimum = minimum_input(34130, 0.95, false, memo, 16);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cut_off << (c.celsius ? " C" : " F"));
    model::UnitOptions units;
    units.metric = c.celsius;
    units.keep_btuh = true;
    const SystemFigures figures{.capacity = 30000,
                                .input = 40000,
                                .efficiency = 0.95,
                                .minimum = minimum,
                                .cut_off = c.cut_off};
    const auto refusal = check_heat_pump(figures, units);
    const char* text = c.celsius ? "Cut-Off Temp Outside of Valid Range of -23 to10"
                                 : "Cut-Off Temp Outside of Valid Range of -10 to 50";
    EXPECT_EQ(refusal ? refusal->text : std::string(), c.refused ? text : "");
  }
}

// Every row's message in each display it is checked in, as the user reads it (calculated
// minimums probed at 10).
TEST(ConventionalChecksTest, EveryMessageAsWritten) {
  using model::Display;
  struct Case {
    std::span<const model::RangeCheck> table;
    const char* row;
    Display display;
    const char* text;
  };
  const auto I = Display::Imperial;
  const auto M = Display::Metric;
  const char* below = "Furnace Input Capacity Below Calculated Minimum of 10";
  const Case cases[] = {
      {furnace_checks(), "air-conditioner capacity", I,
       "A/C Capacity Outside of Valid Range of 1 - 999999"},
      {furnace_checks(), "air-conditioner capacity", M,
       "A/C Capacity Outside of Valid Range of 1 - 293"},
      {furnace_checks(), "furnace efficiency", I, "Furnace Efficiency Must Be Above 0"},
      {furnace_checks(), "electric input, kW", I,
       "Furnace Input kW Outside of Valid Range of 1 - 500"},
      {furnace_checks(), "electric input minimum", I,
       "Furnace Input Capacity Below Calculated Minimum of 10 kW"},
      {furnace_checks(), "furnace input", I,
       "Furnace Input Btu/hr Outside of Valid Range of 1000 - 4000000"},
      {furnace_checks(), "furnace input", M, "Furnace Input kW Outside of Valid Range of 1 - 1171"},
      {furnace_checks(), "input minimum, Btu/h", I, below},
      {furnace_checks(), "input minimum, kW", M,
       "Furnace Input Capacity Below Calculated Minimum of 10.0"},
      {heat_pump_checks(), "heat-pump capacity", I,
       "ARI @ 95 Capacity Outside of Valid Range of 3413 - 1000009"},
      {heat_pump_checks(), "heat-pump capacity", M,
       "ARI @ 95 Capacity Outside of Valid Range of 1 - 293"},
      {heat_pump_checks(), "electric input, kW", I,
       "Furnace Input kW Outside of Valid Range of 1 - 500"},
      {heat_pump_checks(), "electric input minimum", I,
       "Furnace Input Capacity Below Calculated Minimum of 10 kW"},
      {heat_pump_checks(), "furnace input", I,
       "Furnace Input Btu/hr Outside of Valid Range of 1000 - 4000000"},
      {heat_pump_checks(), "furnace input", M,
       "Furnace Input kW Outside of Valid Range of 1 - 1172"},
      {heat_pump_checks(), "input minimum, kW", M,
       "Furnace Input Capacity Below Calculated Minimum of 10.0"},
      {heat_pump_checks(), "input minimum, Btu/h", I, below},
      {heat_pump_checks(), "cut-off temperature", I,
       "Cut-Off Temp Outside of Valid Range of -10 to 50"},
      {heat_pump_checks(), "cut-off temperature", M,
       "Cut-Off Temp Outside of Valid Range of -23 to10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const model::UnitOptions units = model::testing::units_for(c.display);
    model::testing::ProbeValues probe;
    for (const model::RangeCheck& row : c.table)
      if (std::string_view(row.name) == c.row) probe.target = &row;
    ASSERT_NE(probe.target, nullptr);
    const model::Range r =
        model::bounds_of(*probe.target, units.display_of(probe.target->quantity), probe);
    probe.target_value = std::isinf(r.low) ? r.high + 1 : r.low - 1;
    const auto refusal = model::first_refusal(c.table, probe, units);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->row, probe.target);
    EXPECT_EQ(refusal->text, c.text);
    EXPECT_STREQ(refusal->row->title, "Range Violation");
  }
}

}  // namespace
}  // namespace pellavan::systems
