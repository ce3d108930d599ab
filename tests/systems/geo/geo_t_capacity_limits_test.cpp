// The capacity-limit texts of both forms, the unit records refused, and Save's replacements.
#include <gtest/gtest.h>

#include <limits>

#include "systems/geo/geo_t_capacity_limits.h"
#include "systems/geo/geo_t_save_rules.h"

namespace pellavan::geo {
namespace {

struct TextCase {
  float rated;
  double quantity;  // 0: the unit form
  CapacityLimit limit;
  std::vector<std::string> texts;
};

TEST(GeoTCapacityLimits, EachFormShowsItsTexts) {
  const TextCase cases[] = {
      {36000, 0, CapacityLimit::HeatMax, {"21600", "25200", "28800", "32400", "36000"}},
      {36000, 0, CapacityLimit::CoolMin, {"10800", "14400", "18000"}},
      {36000, 4, CapacityLimit::CoolMax, {"21600", "25200", "28800", "32400", "36000"}},
      {36000, 4, CapacityLimit::HeatMin, {"10800", "14400", "18000"}},
      {36000, 1, CapacityLimit::HeatMax, {"5400", "6300", "7200", "8100", "9000"}},
      {36000, 1, CapacityLimit::HeatMin, {"2700", "3600", "4500"}},
      {250, 1, CapacityLimit::HeatMin, {"019", "025", "031"}},
      {12345.5f, 0, CapacityLimit::HeatMin, {"3703.65", "4938.2", "6172.75"}},
  };
  for (const TextCase& c : cases) {
    const CapacityLimitList& list = kCapacityLimitLists[static_cast<int>(c.limit)];
    ASSERT_EQ(list.limit, c.limit);
    std::vector<std::string> texts;
    for (const CapacityEntry& e : capacity_entries(list, c.rated, c.quantity))
      texts.push_back(e.text);
    EXPECT_EQ(texts, c.texts) << c.rated << " x " << c.quantity;
  }
}

TEST(GeoTCapacityLimits, AStoredFractionSelectsItsItem) {
  for (const auto& [fraction, item] : {std::pair{0.7, 7},
                                       {0.3, 3},
                                       {1.0, 10},
                                       {0.0, 0},
                                       {0.65, 0},
                                       {0.7001, 0},
                                       {std::numeric_limits<double>::quiet_NaN(), 0}})
    EXPECT_EQ(item_of_fraction(fraction), item) << fraction;
}

TEST(GeoTCapacityLimits, AMissingOrDamagedUnitIsRefused) {
  struct Case {
    bool found;
    float low, high;
    bool refused;
  };
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  for (const Case c : {Case{true, 12000, 36000, false}, Case{false, 12000, 36000, true},
                       Case{true, 12000, 0, true}, Case{true, 12000, kNaN, true},
                       Case{true, kInf, 36000, true}, Case{true, -1, 36000, true}}) {
    model::TUnitRec unit{};
    unit.RatedCapMin = c.low;
    unit.RatedCapMax = c.high;
    const auto lookup =
        c.found ? model::CatalogueLookup::kFound : model::CatalogueLookup::kNotFound;
    EXPECT_EQ(!unit_record_refusal(lookup, 3, unit).empty(), c.refused)
        << c.found << c.low << c.high;
  }
}

// Texts that show no number stay, to be refused.
TEST(GeoTSaveRules, EmptyEntriesAreReplaced) {
  struct Case {
    const char* text;
    const char* temperature;  // with "30" as the replacement
    const char* depth;        // with "100" stored
  };
  for (const Case c : {Case{"", "30", "100"}, Case{"0", "30", "0"}, Case{"abc", "abc", "abc"},
                       Case{"12 ft", "12 ft", "12 ft"}, Case{" 45", " 45", " 45"},
                       Case{"-.5", "-.5", "-.5"}, Case{"0.0", "30", "0.0"}}) {
    EXPECT_EQ(saved_loop_temperature(c.text, "30"), c.temperature) << c.text;
    EXPECT_EQ(saved_depth(c.text, "100"), c.depth) << c.text;
  }
}

}  // namespace
}  // namespace pellavan::geo
